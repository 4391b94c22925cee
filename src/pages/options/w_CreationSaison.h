#pragma once

// The season composer: the tree of what the season holds next to the list of
// championships available, over the headless composer that keeps the rules.

#include "platform/Dialogues.h"

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TBarreEtat;
class TBoutonCopie;
class TComposeurSaison;
class TNoeudComposeur;
class TPrincipale;
class TSaison;

class Tf_CreationSaison : public TDialogue {
    Q_OBJECT
public:
    // The season is not owned; null for a new season.
    explicit Tf_CreationSaison(TSaison* saison, QWidget* parent = nullptr);
    ~Tf_CreationSaison() override;

    // The settings file, the program folder ("/" at the end) and the status bar.
    void InitNomFichier(const std::string& fichierIni, const std::string& appDir, TBarreEtat* statut);
    void AjouteFichier(const std::string& texte, int codeChamp, int idCatalogue);

    // Builds the list and the tree as Tag asks (run once, when first shown).
    void FormShow();
    // The chosen files join the list (mode 64).
    void bc_AjouteFichierClick();
    // The selected entry placed on the season.
    void lb_ListeFichierDblClick();
    // Whether list entry `index` may be dropped on the item; dropping places it.
    bool AccepteDepot(QTreeWidgetItem* item, int index) const;
    void DeposeSur(QTreeWidgetItem* item, int index);
    void bc_AjoutElementClick();
    void bc_SeparateurClick();
    // A play-off set up on the selected division.
    void bc_BarrageClick();
    // On a play-off division: its definition edited.
    void tv_SaisonDblClick();
    void bc_RetirerElementClick();
    void sb_UpClick();
    void sb_DownClick();
    void b_ValiderClick();

    TComposeurSaison& Composeur() { return *FComposeur; }
    TNoeudComposeur* Noeud(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* Item(const TNoeudComposeur* noeud) const;
    TNoeudComposeur* Selection() const;
    void Selectionne(const TNoeudComposeur* noeud);

    int Tag = 0;

    QLabel* Label1;
    QLineEdit* e_RepSauve;
    QLabel* Label2;
    QTreeWidget* tv_Saison;
    QLabel* Label3;
    QListWidget* lb_ListeFichier;
    TBoutonCopie* bc_AjoutElement;
    TBoutonCopie* bc_RetirerElement;
    TBoutonCopie* bc_Barrage;
    TBoutonCopie* bc_Separateur;
    TBoutonCopie* bc_AjouteFichier;
    QToolButton* sb_Up;
    QToolButton* sb_Down;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void AfficheArbre(const TNoeudComposeur* selection);
    void AfficheListe();
    void MajBoutons();
    void MajImage(QTreeWidgetItem* item);
    void Renomme(QTreeWidgetItem* item);

    TSaison* FSaison;
    std::unique_ptr<TComposeurSaison> FComposeur;
    bool FAffiche = false;
    bool FRemplissage = false;
};

// Command 193: with a season, the composer on it (the document is then
// modified and the championship list rebuilt); without one, a new season
// built, saved and opened. True when the composer closed with OK.
bool AfficheComposeurSaison(TPrincipale& principale);
// The composer of a new season, whatever season is open: the name of the
// file it created, empty when cancelled. It is a window of `parent`'s window
// (centred on it, modal over it) when one is given.
std::string ComposeNouvelleSaison(const std::string& fichierIni, TBarreEtat* statut, QWidget* parent = nullptr);

// Offers the composer on a season of several championships and no tree, each
// championship placed by its catalogue division. True when accepted.
bool ConvertitEnSaison(TSaison& saison, const std::string& fichierIni, const std::string& appDir, TBarreEtat* statut,
                       QWidget* parent = nullptr);

// The commands of the composer.
void EnregistrePagesComposeur();
