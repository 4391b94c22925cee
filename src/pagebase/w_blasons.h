#pragma once

// The crest dialog: the catalogue as a tree of countries and their teams, a
// preview, and the buttons to add a country or a team with a picture taken
// from a PNG, GIF, JPEG or bitmap file, to replace a crest's picture and to
// choose a crest. It closes with modal result 1 when a crest was chosen.

#include "files/Blasons.h"
#include "platform/Dialogues.h"

#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TBoutonCopie;
class TLogo;

class Tf_Blasons : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Blasons(TBlasons& Blasons, QWidget* parent = nullptr);

    // Fills the tree from the catalogue and selects the node of Id; nothing is
    // chosen yet.
    void RemplitArbre(int Id);
    // The chosen crest id, 0 while none.
    int Choisi() const { return FChoisi; }
    // The crest id of the selected node, 0 when none.
    int Selection() const;

    void tv_BlasonsChange();
    void bc_AjoutPaysClick();
    void bc_AjoutEquipeClick();
    void bc_ModifierClick();
    void bc_ChoisirClick();

    QTreeWidget* tv_Blasons;
    TLogo* Logo;
    QLineEdit* e_Pays;
    QLineEdit* e_Equipe;
    TBoutonCopie* bc_Choisir;
    TBoutonCopie* bc_AjoutPays;
    TBoutonCopie* bc_AjoutEquipe;
    TBoutonCopie* bc_Modifier;

private:
    // Adds the name of Champ as a country (Pays nullptr) or a team of Pays.
    void Ajoute(QLineEdit* Champ, QTreeWidgetItem* Pays);
    QTreeWidgetItem* AjouteNoeud(QTreeWidgetItem* Parent, uint16_t Id, const std::string& Nom);
    // The new id of AjoutePays or AjouteEquipe, or the message of its refusal.
    bool AccepteAjout(int Resultat);

    TBlasons& FBlasons;
    int FChoisi = 0;
};

// What the picture dialogs share.

// The text of Id in the program's language, Defaut when it has none.
std::string TexteOuDefaut(int Id, const char* Defaut);
// Asks for a PNG, GIF, JPEG or bitmap file, starting in Dossier, and returns
// its picture (and the file's name in NomFichier); nullptr when the user
// cancelled, or after telling the user the file cannot be used (an unknown
// extension or a file that does not decode).
std::unique_ptr<TImage> DemandeImage(const std::string& Dossier, std::string* NomFichier = nullptr);
// A skinned button with its caption.
TBoutonCopie* CreeBouton(QWidget* Parent, int Texte, const char* Defaut);
// A form's pair of buttons: one that ends it with OK and answers Enter, one
// that ends it with Cancel and answers Escape.
TBoutonCopie* CreeBoutonValider(QWidget* Parent, int Texte, const char* Defaut);
TBoutonCopie* CreeBoutonAnnuler(QWidget* Parent, int Texte, const char* Defaut);
