#pragma once

// The main window's commands, described once in a fixed table, and the two
// views built from it: the tree menu on the left and the menu bar. The table,
// the visibility rules and what each view shows (captions, order, depth, the
// recent files, the favourites and the championships of the season) are plain
// data, built by ConstruitModeleMenus; the Qt builders only copy that model
// into a QTreeWidget and a QMenuBar.

#include "base/Utilities.h"

#include <QList>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QMenuBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TFichierIni;
class TSaison;

// One menu definition.
struct TRetourMenu {
    // Groupe shl 8 + Niveau: Niveau is the depth in the tree (255: menu bar
    // only; 97, 98, 99: the anchors of the recent files, the favourites and the
    // championships), Groupe the depth in the menu bar.
    uint32_t Cle = 0;
    std::string Libelle; // translated caption, empty for the anchors
    // Command code; 0-4 are headings that run nothing (1, 2, 3 remembered for
    // the print command, 4 the generated headings).
    uint8_t Code = 0;
    // C0..C6: 2 always, 1 only when the test holds, 0 only when it fails.
    int32_t Conditions[7] = {2, 2, 2, 2, 2, 2, 2};
    int IdTexte = 0; // text id of the caption (0 for the anchors)

    int Niveau() const { return static_cast<int>(Cle & 0xFF); }
    int Groupe() const { return static_cast<int>((Cle >> 8) & 0xFF); }
};

using TListeMenu = std::vector<std::unique_ptr<TRetourMenu>>;

namespace NiveauMenu {
constexpr int AncreRecents = 97;
constexpr int AncreFavoris = 98;
constexpr int AncreChampionnats = 99;
constexpr int BarreSeule = 255;
} // namespace NiveauMenu

namespace CodeMenu {
constexpr int Titre = 0;
constexpr int TitreGenere = 4; // recent-files and favourites headings
constexpr int PremiereCommande = 5;
constexpr int Personnalisation = 177;
constexpr int Favoris = 215;
constexpr int Imprimer = 181;
constexpr int ExporteHtml = 182;
constexpr int Recent = 255;      // low byte of a recent-file node: (n shl 8) + 255
constexpr int NbRaccourcis = 10; // ctrl+1 .. ctrl+9, ctrl+0
} // namespace CodeMenu

// Text ids of the generated headings.
namespace TexteMenu {
constexpr int Recents = 1297;
constexpr int Favoris = 1187;
constexpr int Imprimer = 714;
constexpr int ExporteHtml = 949;
} // namespace TexteMenu

// Colours of the tree ($00BBGGRR).
namespace CouleurMenu {
constexpr TColor Defaut = -1;
constexpr TColor Titre = 0xEE9C04;       // headings 0-3 and recent files
constexpr TColor TitreGenere = 0x00FFFF; // code-4 headings
constexpr TColor Commande = 0xFCB83A;    // command under a heading 0-3
constexpr TColor Favori = 0x80FFFF;      // command under a code-4 heading
} // namespace CouleurMenu

// The fixed table of the main window's commands, in order, captions translated
// now (so the translator must be installed first).
TListeMenu ConstruitListeMenu();

// What the menus depend on.
struct TEtatMenu {
    bool FlagPrincipale = false;              // C0: stays false in this program
    bool EtatA = false;                       // C2 (both set while a file is open)
    bool EtatB = false;                       // C1
    const TSaison* Saison = nullptr;          // not owned; its current championship drives C4-C6
    std::vector<int> Favoris;                 // [General] Favoris, stored order
    std::vector<int> Filtre;                  // [General] FavorisEx: shown codes, empty = all
    std::vector<std::string> FichiersRecents; // full names, most recent first
    bool MenuHaut = false;                    // the menu bar is built
    bool MenuGauche = true;                   // the tree is built

    void SetEtatFichier(bool a, bool b)
    {
        EtatA = a;
        EtatB = b;
    }
};

// True when the seven conditions agree. C4-C6 count only with a season that
// has a current championship.
bool EntreeVisible(const TRetourMenu& entree, const TEtatMenu& etat);

// Codes that every menu keeps, whatever the shown-commands list says.
bool CodeVerrouille(int code);
const std::vector<int>& CodesVerrouilles();

// "12-5-40" <-> {12, 5, 40}; a piece that is no number gives 0, the empty text none.
std::vector<int> DecoupeCodes(std::string_view texte);
std::string JointCodes(const std::vector<int>& codes);
// [General] FavorisEx when Ex, else [General] Favoris.
std::vector<int> LitFavoris(const TFichierIni& ini, bool Ex);
// Reads Favoris, FavorisEx, MenuHaut (default false) and MenuGauche (default true).
void LitReglagesMenu(const TFichierIni& ini, TEtatMenu& etat);

// The code favourite n (1..10) runs, or 0 when there is no such favourite or no
// visible definition carries its code.
int CodeFavori(const TListeMenu& liste, const TEtatMenu& etat, int n);

// A node of either view. Donnee: the command code; (n shl 8) + 255 for recent
// file n; id shl 8 for a championship; 255 for a championship group.
struct TNoeudMenu {
    std::string Libelle;
    int32_t Donnee = 0;
    TColor Couleur = CouleurMenu::Defaut; // tree only
    std::string Indice;                   // hint (tree only)
    std::vector<std::unique_ptr<TNoeudMenu>> Enfants;

    TNoeudMenu* Ajoute(std::string libelle, int32_t donnee);
};

struct TModeleMenus {
    std::vector<std::unique_ptr<TNoeudMenu>> Arbre; // empty unless MenuGauche
    std::vector<std::unique_ptr<TNoeudMenu>> Barre; // empty unless MenuHaut
};

// The championships of the season as menu nodes, and the title list: one
// (title, championship id) per championship, in the season tree's order.
struct TChampionnatsMenu {
    std::vector<std::unique_ptr<TNoeudMenu>> Noeuds;
    std::vector<std::pair<std::string, int>> Titres;
};
TChampionnatsMenu ListeChampionnats(const TSaison& saison);

// The one pass over the table that gives both views.
TModeleMenus ConstruitModeleMenus(const TListeMenu& liste, const TEtatMenu& etat);

// The list the favourites dialogs show: each definition of the tree (Niveau
// below 97), its caption and the object (level + 1) shl 16 + code (code 0 for
// the headings).
struct TEntreeListeMenu {
    std::string Libelle;
    int32_t Objet = 0;
    int Niveau() const { return (Objet >> 16) - 1; }
    int Code() const { return Objet & 0xFFFF; }
};
std::vector<TEntreeListeMenu> GetListeMenu(const TListeMenu& liste);

// --- Qt ---

// Runs a command chosen in the menu bar: its code, the parameter (-1 from the
// menus) and the caption of the item.
using TExecuteMenu = std::function<void(int code, int param, const std::string& libelle)>;

// Rebuilds both views wholly; what they showed before is freed once the event
// loop has control back, so either may be rebuilt from one of its own handlers. The tree (filled with its signals
// blocked) carries Donnee in Qt::UserRole of column 0, its colours and hints; the tree's own selection is for the
// window to handle (see DonneeNoeud). The menu bar is emptied and refilled; clicking one of its commands calls execute.
// Either widget may be nullptr.
void ConstruitMenus(const TListeMenu& liste, const TEtatMenu& etat, QTreeWidget* arbre, QMenuBar* barre,
                    const TExecuteMenu& execute);
// Nodes taken out of the tree are freed once the event loop has control back,
// never while one of their own signals may still run.
void LibereNoeudsPlusTard(QTreeWidget* arbre, QList<QTreeWidgetItem*> noeuds);
void RemplitArbreMenu(QTreeWidget* arbre, const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds);
void RemplitBarreMenu(QMenuBar* barre, const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds,
                      const TExecuteMenu& execute);

// The Donnee of a tree node (0 for nullptr).
int DonneeNoeud(const QTreeWidgetItem* noeud);
// The first tree node carrying Donnee, depth first; the favourites' children
// are skipped. nullptr when none.
QTreeWidgetItem* ChercheNoeud(QTreeWidget* arbre, int donnee);
// The sub-menu of the bar whose heading carries Donnee (code 1, 2, 3...), or nullptr.
QMenu* ChercheMenu(QMenuBar* barre, int donnee);

// Ten shortcuts of Fenetre (ctrl+1 .. ctrl+9, ctrl+0); shortcut n calls lance(n).
void InstalleRaccourcisFavoris(QWidget* fenetre, const std::function<void(int n)>& lance);
