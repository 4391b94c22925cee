#include "shell/w_Favoris.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "controls/TreeViewCombo.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "shell/w_Principale.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

constexpr int RoleObjet = Qt::UserRole;
constexpr int RoleCode = Qt::UserRole;

constexpr int TexteValider = 29;
constexpr int TexteAnnuler = 125;
constexpr int TexteTitreFavoris = 1188;
constexpr int TexteTitrePersonnalisation = 1243;
constexpr int TexteMode = 1245;
constexpr int TextePremierMode = 1246;
constexpr int TexteMenuHaut = 1299;
constexpr int TexteMenuGauche = 1300;
constexpr int TexteAucunePosition = 1301;

// "5-10, 12" -> 5, 6, ..., 10, 12.
std::vector<int> Intervalles(std::initializer_list<std::pair<int, int>> intervalles)
{
    std::vector<int> codes;
    for (const auto& [debut, fin] : intervalles)
        for (int c = debut; c <= fin; ++c)
            codes.push_back(c);
    return codes;
}

QTreeWidgetItem* Selection(QTreeWidget* arbre)
{
    const QList<QTreeWidgetItem*> s = arbre->selectedItems();
    return s.isEmpty() ? arbre->currentItem() : s.front();
}

void ParcourtNoeuds(QTreeWidgetItem* noeud, const std::function<void(QTreeWidgetItem*)>& f)
{
    f(noeud);
    for (int i = 0; i < noeud->childCount(); ++i)
        ParcourtNoeuds(noeud->child(i), f);
}

void ParcourtArbre(QTreeWidget* arbre, const std::function<void(QTreeWidgetItem*)>& f)
{
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
        ParcourtNoeuds(arbre->topLevelItem(i), f);
}

QToolButton* CreeFleche(QWidget* parent, Qt::ArrowType fleche, const char* texte)
{
    auto* b = new QToolButton(parent);
    if (fleche != Qt::NoArrow)
        b->setArrowType(fleche);
    else
        b->setText(QString::fromUtf8(texte));
    b->setFixedSize(28, 24);
    return b;
}

} // namespace

void ConstruitArbreNiveaux(QTreeWidget* arbre, const std::vector<TEntreeListeMenu>& liste,
                           const std::function<void(QTreeWidgetItem*, const TEntreeListeMenu&)>& chaque)
{
    if (arbre == nullptr)
        return;
    arbre->clear();
    QTreeWidgetItem* dernier = nullptr;
    int niveauDernier = -1;
    for (const TEntreeListeMenu& e : liste) {
        const int niveau = std::max(e.Niveau(), 0);
        QTreeWidgetItem* parent = dernier;
        // Up to the node one level above the entry.
        if (parent != nullptr && niveauDernier >= niveau)
            for (int k = 0; k < niveauDernier - niveau + 1 && parent != nullptr; ++k)
                parent = parent->parent();
        auto* noeud = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(arbre);
        noeud->setText(0, QString::fromStdString(e.Libelle));
        noeud->setData(0, RoleObjet, e.Objet);
        dernier = noeud;
        niveauDernier = niveau;
        if (chaque)
            chaque(noeud, e);
    }
}

int CodeNoeudListe(const QTreeWidgetItem* noeud)
{
    return noeud != nullptr ? (noeud->data(0, RoleObjet).toInt() & 0xFFFF) : 0;
}

// --- TListeFavoris ---

TListeFavoris::TListeFavoris(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void TListeFavoris::dragEnterEvent(QDragEnterEvent* event)
{
    if (AccepteSource(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TListeFavoris::dragMoveEvent(QDragMoveEvent* event)
{
    if (AccepteSource(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TListeFavoris::dropEvent(QDropEvent* event)
{
    if (!AccepteSource(event->source())) {
        event->ignore();
        return;
    }
    // The tree's selection is what was dragged; the list takes it its own way.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (OnDepot)
        OnDepot();
}

void TListeFavoris::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        for (QListWidgetItem* item : selectedItems())
            delete item;
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

// --- Tf_Favoris ---

Tf_Favoris::Tf_Favoris(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteTitreFavoris, "Favoris")));
    FondCopie6 = new TFondCopie(this);
    tv_Option = new QTreeWidget(FondCopie6);
    tv_Option->setHeaderHidden(true);
    tv_Option->setMinimumSize(260, 340);
    tv_Option->setDragEnabled(true);
    tv_Option->setDragDropMode(QAbstractItemView::DragOnly);
    Button1 = CreeFleche(FondCopie6, Qt::NoArrow, ">");
    Button2 = CreeFleche(FondCopie6, Qt::NoArrow, "<");
    lb_Fonctions = new TListeFavoris(FondCopie6);
    lb_Fonctions->setMinimumSize(220, 300);
    lb_Fonctions->SourceAcceptee = tv_Option;
    sb_Up = CreeFleche(FondCopie6, Qt::UpArrow, "");
    sb_Down = CreeFleche(FondCopie6, Qt::DownArrow, "");
    Label19 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteMenu::Favoris, "Favoris")), FondCopie6);
    b_Valider = CreeBoutonValider(this, TexteValider, "Valider");
    b_Annuler = CreeBoutonAnnuler(this, TexteAnnuler, "Annuler");

    auto* milieu = new QVBoxLayout;
    milieu->addStretch();
    milieu->addWidget(Button1);
    milieu->addWidget(Button2);
    milieu->addStretch();
    auto* fleches = new QVBoxLayout;
    fleches->addStretch();
    fleches->addWidget(sb_Up);
    fleches->addWidget(sb_Down);
    fleches->addStretch();
    auto* grille = new QGridLayout(FondCopie6);
    grille->addWidget(Label19, 0, 2);
    grille->addWidget(tv_Option, 0, 0, 2, 1);
    grille->addLayout(milieu, 1, 1);
    grille->addWidget(lb_Fonctions, 1, 2);
    grille->addLayout(fleches, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(b_Valider);
    boutons->addWidget(b_Annuler);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(FondCopie6);
    principal->addLayout(boutons);

    Button1->setEnabled(false);
    connect(Button1, &QToolButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QToolButton::clicked, this, [this] { Button2Click(); });
    connect(sb_Up, &QToolButton::clicked, this, [this] { sb_UpClick(); });
    connect(sb_Down, &QToolButton::clicked, this, [this] { sb_DownClick(); });
    connect(tv_Option, &QTreeWidget::itemSelectionChanged, this, [this] { tv_OptionChange(); });
    lb_Fonctions->OnDepot = [this] { Button1Click(); };
}

void Tf_Favoris::RemplitListe(std::vector<TEntreeListeMenu> MenuList, const std::vector<int>& Favoris)
{
    FListe = std::move(MenuList);
    lb_Fonctions->clear();
    ConstruitArbreNiveaux(tv_Option, FListe, [&](QTreeWidgetItem*, const TEntreeListeMenu& e) {
        const int code = e.Code();
        if (code != 0 && std::find(Favoris.begin(), Favoris.end(), code) != Favoris.end())
            Ajoute(code, e.Libelle);
    });
    tv_OptionChange();
}

std::vector<int> Tf_Favoris::Codes() const
{
    std::vector<int> codes;
    for (int i = 0; i < lb_Fonctions->count(); ++i)
        codes.push_back(lb_Fonctions->item(i)->data(RoleCode).toInt());
    return codes;
}

bool Tf_Favoris::Ajoute(int code, const std::string& libelle)
{
    for (int i = 0; i < lb_Fonctions->count(); ++i)
        if (lb_Fonctions->item(i)->data(RoleCode).toInt() == code)
            return false;
    auto* item = new QListWidgetItem(QString::fromStdString(libelle), lb_Fonctions);
    item->setData(RoleCode, code);
    return true;
}

void Tf_Favoris::tv_OptionChange()
{
    const QTreeWidgetItem* noeud = Selection(tv_Option);
    Button1->setEnabled(noeud != nullptr && noeud->childCount() == 0 && CodeNoeudListe(noeud) != 0);
}

void Tf_Favoris::Button1Click()
{
    // Headings run nothing: only a command leaf becomes a favourite.
    const QTreeWidgetItem* noeud = Selection(tv_Option);
    if (noeud == nullptr || noeud->childCount() > 0 || CodeNoeudListe(noeud) == 0)
        return;
    Ajoute(CodeNoeudListe(noeud), noeud->text(0).toStdString());
}

void Tf_Favoris::Button2Click()
{
    for (QListWidgetItem* item : lb_Fonctions->selectedItems())
        delete item;
}

void Tf_Favoris::sb_UpClick()
{
    const int i = lb_Fonctions->currentRow();
    if (i < 1 || i >= lb_Fonctions->count())
        return;
    QListWidgetItem* item = lb_Fonctions->takeItem(i);
    lb_Fonctions->insertItem(i - 1, item);
    lb_Fonctions->clearSelection();
    lb_Fonctions->setCurrentItem(item);
}

void Tf_Favoris::sb_DownClick()
{
    const int i = lb_Fonctions->currentRow();
    if (i < 0 || i >= lb_Fonctions->count() - 1)
        return;
    QListWidgetItem* item = lb_Fonctions->takeItem(i);
    lb_Fonctions->insertItem(i + 1, item);
    lb_Fonctions->clearSelection();
    lb_Fonctions->setCurrentItem(item);
}

// --- Tf_FavorisEx ---

Tf_FavorisEx::Tf_FavorisEx(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteTitrePersonnalisation, "Personnaliser le menu")));
    FondCopie6 = new TFondCopie(this);
    Label1 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteMode, "Mode")), FondCopie6);
    cb_modes = new QComboBox(FondCopie6);
    static const char* const Defauts[4] = {"Débutant", "Amateur", "Professionnel", "Personnalisé"};
    for (int i = 0; i < 4; ++i)
        cb_modes->addItem(QString::fromStdString(TexteOuDefaut(TextePremierMode + i, Defauts[i])));
    cb_modes->setCurrentIndex(Personnalise);
    tvc_Option = new TTreeViewCombo(FondCopie6);
    tvc_Option->SetRecursive(true);
    tvc_Option->setMinimumSize(300, 360);
    cb_MenuHaut = new TCarreCoche(FondCopie6);
    cb_MenuHaut->SetCaption(TexteOuDefaut(TexteMenuHaut, "Afficher le menu en haut"));
    cb_MenuHaut->setMinimumSize(260, 20);
    cb_MenuGauche = new TCarreCoche(FondCopie6);
    cb_MenuGauche->SetCaption(TexteOuDefaut(TexteMenuGauche, "Afficher le menu à gauche"));
    cb_MenuGauche->setMinimumSize(260, 20);
    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Annuler = CreeBoutonAnnuler(this, TexteAnnuler, "Annuler");

    auto* grille = new QGridLayout(FondCopie6);
    grille->addWidget(Label1, 0, 0);
    grille->addWidget(cb_modes, 0, 1);
    grille->addWidget(tvc_Option, 1, 0, 1, 2);
    grille->addWidget(cb_MenuHaut, 2, 0, 1, 2);
    grille->addWidget(cb_MenuGauche, 3, 0, 1, 2);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(b_Valider);
    boutons->addWidget(b_Annuler);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(FondCopie6);
    principal->addLayout(boutons);

    connect(cb_modes, &QComboBox::activated, this, [this](int i) { ChoisitMode(i); });
    b_Valider->OnClick = [this] { b_ValiderClick(); };
}

const std::vector<int>& Tf_FavorisEx::CodesMode(int mode)
{
    static const std::vector<int> debutant = Intervalles(
        {{5, 10},    {12, 14},   {19, 22},   {27, 27},   {29, 31},   {33, 33},   {40, 42},   {44, 45},   {65, 67},
         {98, 98},   {100, 102}, {108, 108}, {110, 111}, {116, 120}, {123, 124}, {126, 127}, {131, 142}, {149, 153},
         {155, 155}, {157, 157}, {159, 159}, {162, 163}, {166, 167}, {172, 173}, {178, 180}});
    static const std::vector<int> amateur =
        Intervalles({{5, 10},    {12, 16},   {19, 24},   {26, 31},   {33, 34},   {40, 45},   {61, 70},   {95, 98},
                     {100, 104}, {107, 111}, {113, 120}, {123, 127}, {129, 129}, {131, 144}, {149, 155}, {157, 157},
                     {159, 159}, {162, 164}, {166, 170}, {172, 173}, {175, 175}, {178, 180}});
    static const std::vector<int> aucun;
    return mode == Debutant ? debutant : mode == Amateur ? amateur : aucun;
}

void Tf_FavorisEx::RemplitArbre(std::vector<TEntreeListeMenu> MenuList, const std::vector<int>& Affiches, bool MenuHaut,
                                bool MenuGauche)
{
    FListe = std::move(MenuList);
    const QSignalBlocker bloque(tvc_Option);
    std::vector<QTreeWidgetItem*> verrouilles;
    ConstruitArbreNiveaux(tvc_Option, FListe, [&](QTreeWidgetItem* noeud, const TEntreeListeMenu& e) {
        const int code = e.Code();
        const bool coche =
            Affiches.empty() || (code != 0 && std::find(Affiches.begin(), Affiches.end(), code) != Affiches.end());
        tvc_Option->SetEtat(noeud, coche ? TTreeViewCombo::Coche : TTreeViewCombo::NonCoche);
        if (CodeVerrouille(code))
            verrouilles.push_back(noeud);
    });
    // A locked command is always shown, and its headings cannot be toggled off over it.
    for (QTreeWidgetItem* noeud : verrouilles) {
        tvc_Option->SetEtat(noeud, TTreeViewCombo::CocheGris);
        for (QTreeWidgetItem* p = noeud->parent(); p != nullptr; p = p->parent()) {
            const int etat = tvc_Option->Etat(p);
            if (etat == TTreeViewCombo::NonCoche || etat == TTreeViewCombo::Coche)
                tvc_Option->SetEtat(p, etat + 2);
        }
    }
    tvc_Option->expandAll();
    cb_MenuHaut->SetChecked(MenuHaut);
    cb_MenuGauche->SetChecked(MenuGauche);
}

void Tf_FavorisEx::ChoisitMode(int mode)
{
    if (mode == Personnalise || mode < 0 || mode > Personnalise)
        return;
    const std::vector<int>& codes = CodesMode(mode);
    ParcourtArbre(tvc_Option, [&](QTreeWidgetItem* noeud) {
        const int etat = tvc_Option->Etat(noeud);
        if (etat == TTreeViewCombo::NonCocheGris || etat == TTreeViewCombo::CocheGris)
            return;
        const int code = CodeNoeudListe(noeud);
        const bool coche =
            mode == Professionnel || (code != 0 && std::find(codes.begin(), codes.end(), code) != codes.end());
        tvc_Option->SetEtat(noeud, coche ? TTreeViewCombo::Coche : TTreeViewCombo::NonCoche);
    });
}

std::vector<int> Tf_FavorisEx::CodesAffiches() const
{
    std::vector<int> codes;
    std::set<int> vus;
    bool tous = true;
    ParcourtArbre(tvc_Option, [&](QTreeWidgetItem* noeud) {
        const int code = CodeNoeudListe(noeud);
        if (code == 0)
            return;
        const int etat = tvc_Option->Etat(noeud);
        const bool coche = etat == TTreeViewCombo::Coche || etat == TTreeViewCombo::CocheGris || CodeVerrouille(code);
        if (!coche) {
            tous = false;
            return;
        }
        if (vus.insert(code).second)
            codes.push_back(code);
    });
    if (tous)
        codes.clear();
    return codes;
}

bool Tf_FavorisEx::MenuHaut() const
{
    return cb_MenuHaut->Checked();
}

bool Tf_FavorisEx::MenuGauche() const
{
    return cb_MenuGauche->Checked();
}

void Tf_FavorisEx::b_ValiderClick()
{
    if (!cb_MenuHaut->Checked() && !cb_MenuGauche->Checked()) {
        MessageUtil(Traduit(TexteAucunePosition), BoutonsMessage::Ok);
        return;
    }
    SetModalResult(ResultatModal::Ok);
}

// --- the commands ---

bool OuvreFavoris(int code, const TListeMenu& liste, TFichierIni& ini, TEtatMenu& etat, QWidget* parent)
{
    if (code == CodeMenu::Favoris) {
        Tf_Favoris dialogue(parent);
        dialogue.RemplitListe(GetListeMenu(liste), etat.Favoris);
        if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
            return false;
        etat.Favoris = dialogue.Codes();
    } else if (code == CodeMenu::Personnalisation) {
        Tf_FavorisEx dialogue(parent);
        dialogue.RemplitArbre(GetListeMenu(liste), etat.Filtre, etat.MenuHaut, etat.MenuGauche);
        if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
            return false;
        etat.Filtre = dialogue.CodesAffiches();
        etat.MenuHaut = dialogue.MenuHaut();
        etat.MenuGauche = dialogue.MenuGauche();
    } else {
        return false;
    }
    bool ecrit = ini.WriteString("General", "FavorisEx", JointCodes(etat.Filtre));
    ecrit &= ini.WriteBool("General", "MenuHaut", etat.MenuHaut);
    ecrit &= ini.WriteBool("General", "MenuGauche", etat.MenuGauche);
    ecrit &= ini.WriteString("General", "Favoris", JointCodes(etat.Favoris));
    if (!ecrit)
        SignaleEchecReglages(ini.GetNomFichier());
    return true;
}
