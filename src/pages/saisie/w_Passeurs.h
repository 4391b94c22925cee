#pragma once

// The assists sheet of the current match: assists, missed penalties and a
// comment. TFeuillePasseurs keeps the sheet; the page shows it.

#include "pages/saisie/w_InfoMatchCadre.h"

class QLabel;
class QPlainTextEdit;

class Tf_Passeurs : public Tf_InfoMatchCadre {
    Q_OBJECT
public:
    explicit Tf_Passeurs(QWidget* parent = nullptr);

    void Traduit();
    void AfficheMatch();
    void fc_InfoMatchResize() override;

    TFeuillePasseurs* Passeurs() const { return static_cast<TFeuillePasseurs*>(Feuille()); }

    TFondScroll* FondPasseur1 = nullptr;
    TFondScroll* FondPasseur2;
    TFondScroll* FondPenalty1;
    TFondScroll* FondPenalty2;
    QLabel* Label11;
    QLabel* Label1;
    QLabel* Label12;
    QPlainTextEdit* m_Commentaire;

    void LB1DblClick(int cote);

protected:
    void MontreFeuille() override;
    void ListeDblClick(int cote) override { LB1DblClick(cote); }
};

// Command 16, for the main window.
void EnregistrePagesPasseurs();
