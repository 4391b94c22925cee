#pragma once

// The coach card: surname, first name, nationality, year of birth and former
// club of one coach of the season. Without a coach the card creates one. It
// ends with OK and Tag = 1 when something was written.

#include "platform/Dialogues.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TBoutonCopie;
class TEntraineur;
class TSaison;

class Tf_FicheEntraineur : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_FicheEntraineur(QWidget* parent = nullptr);

    void FormShow();
    void b_ValiderClick();

    TSaison* Saison = nullptr;         // not owned
    TEntraineur* Entraineur = nullptr; // not owned; the created one after OK
    int Tag = 0;                       // 1 after OK when something changed
    bool Change = false;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label11;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* e_Nom;
    QLineEdit* e_Prenom;
    QComboBox* cb_Pays;
    QLineEdit* e_Age;
    QComboBox* cb_ClubPrec;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    bool FMontre = false;
};

// What a key typed into the year of birth does to its text: backspace,
// digits, "I" and "i" are accepted (the unknown-year text is emptied first);
// "I" and "i" set the unknown-year text and are swallowed. True when the key
// is to be handed on to the edit.
bool e_AgeKeyPress(std::string& texte, char32_t touche);

// Runs the card modally on `entraineur` (nullptr creates one, handed back
// there after OK); true when the season was changed.
bool AfficheFicheEntraineur(TSaison& saison, TEntraineur*& entraineur, QWidget* parent = nullptr);

// Hands the card to the page base's opener.
void EnregistrePagesFicheEntraineur();
