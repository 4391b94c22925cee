#pragma once

// Adds teams to a cup: season teams not yet in it, or new names.

#include "platform/Dialogues.h"

#include <string>
#include <utility>
#include <vector>

class QLabel;
class QListWidget;
class TBoutonCopie;
class TComboBox98;
class TSaison;

class Tf_AjoutEquipeCoupe : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_AjoutEquipeCoupe(QWidget* parent = nullptr);

    TSaison* Saison = nullptr; // not owned
    // Names already in the cup; season teams that may join (name, id); the
    // teams chosen, in order (name, id; -1 for a new name).
    std::vector<std::string> Presentes;
    std::vector<std::pair<std::string, int>> Candidats;
    std::vector<std::pair<std::string, int>> Choisies;

    QLabel* Label1;
    TComboBox98* cb_AjoutEquipe;
    TBoutonCopie* b_Ajouter;
    QListWidget* lb_EquipesPresentes;
    TBoutonCopie* b_Continuer;

    void FormShow();
    void b_AjouterClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
};
