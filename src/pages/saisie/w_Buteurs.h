#pragma once

// The scorers and cards sheet of the current match: goals with minute and
// kind, yellow and red cards, attendance, referee with his rating, the match
// rating and the stadium. TFeuilleButeurs keeps the sheet; the page shows it.

#include "pages/saisie/w_InfoMatchCadre.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TAffichage;

class Tf_Buteurs : public Tf_InfoMatchCadre {
    Q_OBJECT
public:
    explicit Tf_Buteurs(QWidget* parent = nullptr);

    void Traduit();
    void AfficheMatch();
    void Affiche() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool ExportableHtml() const override { return false; }
    void fc_InfoMatchResize() override;

    TFeuilleButeurs* Buteurs() const { return static_cast<TFeuilleButeurs*>(Feuille()); }

    TFondScroll* FondBut1 = nullptr;
    TFondScroll* FondBut2;
    TFondScroll* FondCj1;
    TFondScroll* FondCj2;
    TFondScroll* FondCr1;
    TFondScroll* FondCr2;
    TAffichage* AffichageScore;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QComboBox* cb_Arbitre;
    QComboBox* cb_Stade;
    QLineEdit* e_NoteArbitre;
    QLineEdit* e_NoteMatch;
    QMenu* pm_AjoutArbitre;
    QAction* mi_AjouterArbitre;

    // Handlers, public so that tests drive them as the user would.
    void LB1DblClick(int cote);
    void pm_TypeButPopup();
    void mi_PenaltyClick(int genre);
    void cb_ArbitreChange();
    void cb_StadeChange();
    void mi_AjouterArbitreClick();

protected:
    void MontreFeuille() override;
    void ListeDblClick(int cote) override { LB1DblClick(cote); }

private:
    // Rows as wide as their list allows, so that the minute box stays in
    // sight in a narrow window; the tag gives up the room.
    void AjusteRangees();
};

// Command 14, for the main window; its parameter, when not 0, is day shl 8 + match.
void EnregistrePagesButeurs();
