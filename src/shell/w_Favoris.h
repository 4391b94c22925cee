#pragma once

// The two dialogs that shape the main window's menu: Tf_Favoris edits the
// ordered list of favourite commands, picked from the menu tree; Tf_FavorisEx
// chooses which commands the menus show (by a predefined mode or one by one in
// a check tree) and where the menu stands. Both take the menu as the list of
// GetListeMenu (caption, (level + 1) shl 16 + code).

#include "platform/Dialogues.h"
#include "shell/ListeMenu.h"

#include <QListWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TBoutonCopie;
class TCarreCoche;
class TFichierIni;
class TFondCopie;
class TTreeViewCombo;

// Builds the menu's own hierarchy from the entries' levels: each entry comes
// right after its parent and elder siblings. Every node carries the entry's
// object in Qt::UserRole; Chaque (when set) is called on each new node.
void ConstruitArbreNiveaux(QTreeWidget* arbre, const std::vector<TEntreeListeMenu>& liste,
                           const std::function<void(QTreeWidgetItem*, const TEntreeListeMenu&)>& chaque = {});
// The command code of a node of such a tree (0 for a heading or nullptr).
int CodeNoeudListe(const QTreeWidgetItem* noeud);

// The favourites list: accepts drags from its tree only.
class TListeFavoris : public QListWidget {
    Q_OBJECT
public:
    explicit TListeFavoris(QWidget* parent = nullptr);

    QObject* SourceAcceptee = nullptr;
    std::function<void()> OnDepot;

    bool AccepteSource(const QObject* source) const { return source != nullptr && source == SourceAcceptee; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class Tf_Favoris : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Favoris(QWidget* parent = nullptr);

    // Builds the tree; the entries that are favourites fill the list, in menu order.
    void RemplitListe(std::vector<TEntreeListeMenu> MenuList, const std::vector<int>& Favoris);
    // The favourites' codes in list order.
    std::vector<int> Codes() const;

    // Adds the selected node when it is a command with no children and not yet listed.
    void Button1Click();
    void Button2Click();
    void sb_UpClick();
    void sb_DownClick();
    void tv_OptionChange();

    TFondCopie* FondCopie6;
    QTreeWidget* tv_Option;
    QToolButton* Button1;
    QToolButton* Button2;
    TListeFavoris* lb_Fonctions;
    QToolButton* sb_Up;
    QToolButton* sb_Down;
    QLabel* Label19;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

private:
    bool Ajoute(int code, const std::string& libelle);
    std::vector<TEntreeListeMenu> FListe;
};

class Tf_FavorisEx : public TDialogue {
    Q_OBJECT
public:
    enum TMode { Debutant = 0, Amateur = 1, Professionnel = 2, Personnalise = 3 };

    explicit Tf_FavorisEx(QWidget* parent = nullptr);

    // Affiches: the shown codes, empty = all.
    void RemplitArbre(std::vector<TEntreeListeMenu> MenuList, const std::vector<int>& Affiches, bool MenuHaut,
                      bool MenuGauche);
    // The codes checked, in menu order; empty when every command is.
    std::vector<int> CodesAffiches() const;
    bool MenuHaut() const;
    bool MenuGauche() const;

    void ChoisitMode(int mode);
    void b_ValiderClick();

    // The codes a predefined mode checks (empty for the last two).
    static const std::vector<int>& CodesMode(int mode);

    TFondCopie* FondCopie6;
    QComboBox* cb_modes;
    QLabel* Label1;
    TTreeViewCombo* tvc_Option;
    TCarreCoche* cb_MenuHaut;
    TCarreCoche* cb_MenuGauche;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

private:
    std::vector<TEntreeListeMenu> FListe;
};

// Commands 215 (favourites) and 177 (menu customisation): shows the dialog
// filled from the table and Etat; on OK, Etat takes the choice and the four
// keys Favoris, FavorisEx, MenuHaut and MenuGauche are written. True on OK
// (the caller then rebuilds its menus).
bool OuvreFavoris(int code, const TListeMenu& liste, TFichierIni& ini, TEtatMenu& etat, QWidget* parent = nullptr);
