#pragma once

// The stadium card: identity, capacity, attendance record, country, year
// built, comments and photograph of one stadium of the season, and on its
// second tab the matches played there. Without a stadium the card creates
// one. It ends with OK and Tag = 1 when something was written.

#include "platform/Dialogues.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QTabWidget;
class TBoutonCopie;
class TColorStringGrid;
class TLogo;
class TSaison;
class TStade;

class Tf_FicheStade : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_FicheStade(QWidget* parent = nullptr);

    void FormShow();
    void b_ValiderClick();
    void b_AjouterClick();
    void b_EffacerClick();
    void PageControl1Change();

    TSaison* Saison = nullptr; // not owned
    TStade* Stade = nullptr;   // not owned; the created one after OK
    int Tag = 0;               // 1 after OK when something changed
    bool Change = false;
    bool NomChange = false;

    QTabWidget* PageControl1;
    QWidget* ts_Fiche;
    QWidget* ts_Matchs;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label46;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label9;
    QLabel* Label10;
    QLineEdit* e_NomStade;
    QLineEdit* e_Ville;
    QLineEdit* e_Capacite;
    QLineEdit* e_Construit;
    QLineEdit* e_AffluenceRecord;
    QPlainTextEdit* m_Remarque;
    QComboBox* cb_Pays;
    TLogo* LogoStade;
    TBoutonCopie* b_Ajouter;
    TBoutonCopie* b_Effacer;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
    QScrollArea* fs_Match;
    TColorStringGrid* sg_Match;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AfficheImage();
    void RemplitMatchs();

    int FImage = 0;
    bool FMatchsAFaire = true;
    bool FMontre = false;
};

// Runs the card modally on `stade` (nullptr creates one, handed back there
// after OK); true when the season was changed.
bool AfficheFicheStade(TSaison& saison, TStade*& stade, QWidget* parent = nullptr);

// Hands the card to the page base's opener.
void EnregistrePagesFicheStade();
