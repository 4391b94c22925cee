#pragma once

// The referee card: surname, first name, nationality and photograph of one
// referee of the season, his figures of the season and, on demand, the list
// of the matches he refereed. Without a referee the card creates one. It ends
// with OK and Tag = 1 when something was written.

#include "platform/Dialogues.h"

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class TBoutonCopie;
class TColorStringGrid;
class TListePays;
class TLogo;
class TPersonnelStat;
class TSaison;

// The season's country names in folded order, object = code; the one of
// `code` is selected (none for an unknown code).
void RemplitComboPays(QComboBox& combo, const TListePays& pays, int code);
// The code of the name typed or chosen; 65535 when empty or not a country.
uint16_t CodePaysCombo(const QComboBox& combo, const TListePays& pays);

class Tf_FicheArbitre : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_FicheArbitre(QWidget* parent = nullptr);

    // Fills the card from the referee (done when the form is shown).
    void FormShow();
    void b_ValiderClick();
    void s1Click();
    void b_RetourFicheClick();
    void b_AddPictureClick();
    void b_DelPictureClick();

    TSaison* Saison = nullptr;         // not owned
    TPersonnelStat* Arbitre = nullptr; // not owned; the created one after OK
    int NumChampionnat = -1;           // championship compared with the totals, -1 none
    int Tag = 0;                       // 1 after OK when something changed
    bool Change = false;
    bool NomChange = false;
    int Position = -1; // in the registry, after a change

    QLineEdit* e_Nom;
    QLineEdit* e_Prenom;
    QComboBox* cb_Pays;
    TLogo* LogoJoueur;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label11;
    QLabel* Label6;
    QLabel* Label20;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label3;
    QLabel* l_Matchs;
    QLabel* l_Penalty;
    QLabel* l_Cj;
    QLabel* l_Cr;
    TBoutonCopie* s1;
    TBoutonCopie* b_AddPicture;
    TBoutonCopie* b_DelPicture;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
    TBoutonCopie* b_RetourFiche;
    QScrollArea* fs_Match;
    TColorStringGrid* sg_Match;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RemplitFiche();
    void AfficheImage();
    void AfficheVueFiche(bool fiche);

    int FImage = 0;
    bool FMontre = false;
};

// Runs the card modally on `arbitre` (nullptr creates one, handed back there
// after OK); true when the season was changed.
bool AfficheFicheArbitre(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, QWidget* parent = nullptr);

// Hands the referee card to the pages that open it.
void EnregistrePagesFichesAutres();
