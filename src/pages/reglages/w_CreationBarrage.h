#pragma once

// Filling a play-off: the teams of each source at the defined places, then
// the groups, then the play-off championships created.

#include "platform/Dialogues.h"
#include "presentation/CreationBarrage.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class TBoutonCopie;
class TPrincipale;
class TSaison;

// The pickers of one source: a team list per place, or a free box without championship.
class TFondDivision : public QWidget {
    Q_OBJECT
public:
    TFondDivision(const TCreationBarrage::TSource& source, const TSaison& saison, QWidget* parent);
    void Lit(TCreationBarrage::TSource& source) const;

    std::vector<QComboBox*> Equipes;
    std::vector<QLineEdit*> Textes;
};

// One group: its name, its size and a team list per member.
class TFondGroupe : public QWidget {
    Q_OBJECT
public:
    TFondGroupe(const TCreationBarrage::TGroupe& groupe, const std::vector<TCreationBarrage::TChoisi>& choisis,
                QWidget* parent);
    void Lit(TCreationBarrage::TGroupe& groupe) const;

    QLineEdit* e_Nom;
    QSpinBox* e_Taille;
    std::vector<QComboBox*> Membres;
};

class Tf_CreeBarrage : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_CreeBarrage(TSaison& saison, QWidget* parent = nullptr);

    TCreationBarrage& Creation() { return FCreation; }
    void FormShow();
    void cb_BarrageChange();
    void b_ContinuerClick();
    void b_CreationClick();

    QLabel* Label1;
    QComboBox* cb_Barrage;
    QScrollArea* fs_Divisions;
    std::vector<TFondDivision*> Divisions;
    std::vector<TFondGroupe*> Groupes;
    TBoutonCopie* b_Creation;
    TBoutonCopie* b_Continuer;
    TBoutonCopie* b_Annuler;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AfficheSources();
    void AfficheGroupes();
    void Vide();

    TSaison& FSaison;
    TCreationBarrage FCreation;
    QWidget* FContenu = nullptr;
    bool FAffiche = false;
};

// Command 194: on OK the championship list is rebuilt and the document modified.
bool AfficheCreationBarrage(TPrincipale& principale);

void EnregistrePagesCreationBarrage();
