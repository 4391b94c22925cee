#pragma once

// The year and the ordered teams of a new archived season: names typed or
// taken from the archive's list (double click or drag) into the memo.

#include "platform/Dialogues.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class TBoutonCopie;

class Tf_EquipeHistorique : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_EquipeHistorique(QWidget* parent = nullptr);

    void RemplitEquipes(const std::vector<std::string>& Noms);
    // The selected name as a new line of the memo.
    void lb_EquipeDblClick();
    // Text 640 with the number of lines, a last empty line not counted.
    void m_EquipeChange();
    std::vector<std::string> Lignes() const;
    int Annee() const;

    QSpinBox* ud_Annee;
    QListWidget* lb_Equipe;
    QPlainTextEdit* m_Equipe;
    QLabel* Label1;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
};
