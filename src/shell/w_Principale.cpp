#include "shell/w_Principale.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/Version.h"
#include "base/oTraducteur.h"
#include "controls/ArbreRetour.h"
#include "controls/BoutonCoche.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "files/ImageManager.h"
#include "files/Stats.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/Pages.h"
#include "platform/Couleurs.h"
#include "platform/Dialogues.h"
#include "platform/Ecran.h"
#include "platform/Langue.h"
#include "shell/w_About.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_Favoris.h"
#include "shell/w_Ouverture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <cassert>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

enum : int {
    TexteFichier = 1,
    TexteModifie = 18,
    TexteCouleurs = 36,
    TexteTaille = 37,
    TexteNavigation = 1311,
    TexteHorsEcriture = 3520,
};

constexpr int MinCouleurs = 65535;

// Commands that never enter the history (dialogs and file commands).
bool NonEnregistrable(int code)
{
    switch (code) {
    case 7:
    case 9:
    case 11:
    case 12:
    case 25:
    case 144:
    case 145:
    case 146:
    case 176:
    case 177:
    case 178:
    case 179:
    case 180:
    case 194:
    case 204:
    case 215:
        return true;
    default:
        return false;
    }
}

// Views that are not replayed after a championship switch: they depend on a
// choice made in the championship left.
bool SansRejeu(int code)
{
    return (code >= 26 && code <= 32) || code == 34 || code == 39 || (code >= 121 && code <= 131) || code == 156 ||
           code == 191 || (code >= 199 && code <= 202);
}

// The families of the remembered selections: team statistics, general
// information, history.
bool DansFamille(int famille, int code)
{
    switch (famille) {
    case 0:
        return code >= 121 && code <= 131;
    case 1:
        return (code >= 26 && code <= 32) || (code >= 34 && code <= 39);
    default:
        return code >= 199 && code <= 202;
    }
}

// The codes of the command table that open a page or a page's dialog. Until
// the page is registered such a command does nothing.
bool CodePage(int code)
{
    return (code >= 13 && code <= 24 && code != 17) || (code >= 26 && code <= 34) || (code >= 40 && code <= 45) ||
           (code >= 62 && code <= 73) || (code >= 116 && code <= 119) || (code >= 121 && code <= 125) ||
           (code >= 128 && code <= 132) || (code >= 134 && code <= 165) || (code >= 170 && code <= 176) ||
           code == 178 || code == 193 || code == 194 || (code >= 199 && code <= 202) || code == 217 || code == 218;
}

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

std::string SansDossier(const std::string& nom)
{
    const auto pos = nom.find_last_of("/\\");
    return pos == std::string::npos ? nom : nom.substr(pos + 1);
}

// The tree and the menu bar in the colours of the panels around them, their
// scroll bars and drop-down menus included.
QString StyleArbre()
{
    return QStringLiteral("QTreeWidget { background-color: #2B4C9B; color: #FFFFFF; }"
                          "QTreeWidget::item:selected { background-color: #182C5E; color: #FFE666; }"
                          "QScrollBar:vertical { background: #182C5E; width: 12px; margin: 0; }"
                          "QScrollBar:horizontal { background: #182C5E; height: 12px; margin: 0; }"
                          "QScrollBar::handle { background: #4F74C8; border: 1px solid #6F94E8; border-radius: 4px; }"
                          "QScrollBar::handle:vertical { min-height: 24px; }"
                          "QScrollBar::handle:horizontal { min-width: 24px; }"
                          "QScrollBar::handle:hover { background: #6F94E8; }"
                          "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                          "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
}

QString StyleBarreMenu()
{
    return QStringLiteral("QMenuBar { background-color: #2B4C9B; color: #FFFFFF; }"
                          "QMenuBar::item { background: transparent; padding: 3px 8px; }"
                          "QMenuBar::item:selected { background-color: #4F74C8; }"
                          "QMenuBar::item:pressed { background-color: #182C5E; color: #FFE666; }"
                          "QMenu { background-color: #2B4C9B; color: #FFFFFF; border: 1px solid #182C5E; }"
                          "QMenu::item { padding: 3px 20px 3px 16px; }"
                          "QMenu::item:selected { background-color: #182C5E; color: #FFE666; }"
                          "QMenu::item:disabled { color: #9FB0D8; }"
                          "QMenu::separator { height: 1px; background: #4F74C8; margin: 3px 6px; }");
}

// A node's place in the tree, by the captions from the top: it outlives the
// rebuilding of the tree, where the node itself does not.
QStringList Chemin(const QTreeWidgetItem* noeud)
{
    QStringList chemin;
    for (; noeud != nullptr; noeud = noeud->parent())
        chemin.prepend(noeud->text(0));
    return chemin;
}

std::set<QStringList> NoeudsOuverts(QTreeWidget* arbre)
{
    std::set<QStringList> ouverts;
    for (QTreeWidgetItemIterator it(arbre); *it != nullptr; ++it)
        if ((*it)->isExpanded())
            ouverts.insert(Chemin(*it));
    return ouverts;
}

void OuvreNoeuds(QTreeWidget* arbre, const std::set<QStringList>& ouverts)
{
    if (ouverts.empty())
        return;
    for (QTreeWidgetItemIterator it(arbre); *it != nullptr; ++it)
        if (ouverts.count(Chemin(*it)) != 0)
            (*it)->setExpanded(true);
}

// A menu node's data: a command code up to 255; above, a recent file n as
// (n shl 8) + 255 and a championship as its id shl 8.
constexpr uint32_t MarqueFichierRecent = 255;

bool DonneeFichierRecent(uint32_t donnee)
{
    return (donnee & 0xFF) == MarqueFichierRecent;
}

bool DonneeChampionnat(uint32_t donnee)
{
    return donnee > 255 && !DonneeFichierRecent(donnee);
}

TFondCopie* Panneau(QWidget* parent, TFond* modele)
{
    auto* panneau = new TFondCopie(parent);
    if (modele != nullptr)
        panneau->SetModele(modele);
    return panneau;
}

} // namespace

void TArbreMenu::keyPressEvent(QKeyEvent* event)
{
    ++FTouches;
    QTreeWidget::keyPressEvent(event);
    --FTouches;
}

// ------------------------------------------------------------ TStatutPrincipal

TStatutPrincipal::TStatutPrincipal(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setStyleSheet(QStringLiteral("QStatusBar { background-color: #18305E; }"
                                 "QStatusBar QLabel { color: #FFFFFF; padding-left: 4px; }"));
    for (int i = 0; i < NbPanneaux; ++i) {
        FPanneaux[i] = new QLabel(this);
        FPanneaux[i]->setMinimumWidth(i == 2 ? 300 : 120);
        addWidget(FPanneaux[i], i == 2 ? 1 : 0);
    }
}

void TStatutPrincipal::SetTextePanneau(int panneau, const std::string& texte)
{
    if (panneau == 2)
        ++FNbTextesPage;
    SetTexteFenetre(panneau, texte);
}

void TStatutPrincipal::SetTexteFenetre(int panneau, const std::string& texte)
{
    if (panneau >= 0 && panneau < NbPanneaux)
        FPanneaux[panneau]->setText(Qs(texte));
}

std::string TStatutPrincipal::TextePanneau(int panneau) const
{
    return panneau >= 0 && panneau < NbPanneaux ? FPanneaux[panneau]->text().toStdString() : std::string();
}

// ---------------------------------------------------------------- Tf_Principale

Tf_Principale::Tf_Principale(const std::string& Dossier, QWidget* parent) : QMainWindow(parent), FAppDir(Dossier)
{
    if (!FAppDir.empty() && FAppDir.back() != '/')
        FAppDir += '/';
    CreeComposants();
    FormCreate();
}

Tf_Principale::~Tf_Principale()
{
    // Pages go before the season they show.
    if (FPageCourante)
        delete FPageCourante.data();
    for (auto& page : FPagesGardees)
        if (page)
            delete page.data();
    FPagesGardees.clear();
    for (auto& page : FPagesALiberer)
        if (page)
            delete page.data();
    FPagesALiberer.clear();
    FormDestroy();
}

void Tf_Principale::CreeComposants()
{
    TDessin* dessin = Dessin();
    setObjectName(QStringLiteral("f_Principale"));

    Statut = new TStatutPrincipal(this);
    setStatusBar(Statut);
    mm_Menu = new QMenuBar(this);
    mm_Menu->setStyleSheet(StyleBarreMenu());
    setMenuBar(mm_Menu);
    t_AutoSave = new QTimer(this);
    connect(t_AutoSave, &QTimer::timeout, this, [this] { OnAutoSave(); });

    Panel2 = Panneau(this, dessin != nullptr ? dessin->FondToutBleu : nullptr);
    setCentralWidget(Panel2);
    auto* colonneFond = new QVBoxLayout(Panel2);
    colonneFond->setContentsMargins(0, 0, 0, 0);
    colonneFond->setSpacing(0);
    Shape1 = new QWidget(Panel2);
    Shape1->setFixedHeight(2);
    Shape1->setAutoFillBackground(true);
    Shape1->setStyleSheet(QStringLiteral("background-color: #C8744F;"));
    colonneFond->addWidget(Shape1);
    auto* ligne = new QHBoxLayout;
    ligne->setContentsMargins(4, 4, 4, 4);
    ligne->setSpacing(4);
    colonneFond->addLayout(ligne, 1);

    // The tree menu, with the history buttons above it.
    fc_Menu = Panneau(Panel2, dessin != nullptr ? dessin->FondMenuBleu : nullptr);
    fc_Menu->setFixedWidth(240);
    auto* colonneMenu = new QVBoxLayout(fc_Menu);
    colonneMenu->setContentsMargins(6, 2, 6, 6);
    colonneMenu->setSpacing(2);
    auto* ligneHistorique = new QHBoxLayout;
    sb_Back = new QToolButton(fc_Menu);
    sb_Back->setArrowType(Qt::LeftArrow);
    sb_Back->setAutoRaise(true);
    Label1 = new QLabel(fc_Menu);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: #FFE666; font-weight: bold;"));
    sb_Forward = new QToolButton(fc_Menu);
    sb_Forward->setArrowType(Qt::RightArrow);
    sb_Forward->setAutoRaise(true);
    ligneHistorique->addWidget(sb_Back);
    ligneHistorique->addWidget(Label1, 1);
    ligneHistorique->addWidget(sb_Forward);
    colonneMenu->addLayout(ligneHistorique);
    tv_Menu = new TArbreMenu(fc_Menu);
    tv_Menu->setHeaderHidden(true);
    tv_Menu->setFrameShape(QFrame::NoFrame);
    tv_Menu->setStyleSheet(StyleArbre());
    RetourALaLigne(*tv_Menu);
    colonneMenu->addWidget(tv_Menu, 1);
    ligne->addWidget(fc_Menu);

    // The title band and the page area.
    auto* colonneDroite = new QVBoxLayout;
    colonneDroite->setSpacing(4);
    Panel5 = Panneau(Panel2, dessin != nullptr ? dessin->FondCarrebleuSimple : nullptr);
    auto* lignePanel5 = new QHBoxLayout(Panel5);
    lignePanel5->setContentsMargins(0, 0, 0, 0);
    fc_Titre = Panneau(Panel5, dessin != nullptr ? dessin->FondCarrebleu : nullptr);
    fc_Titre->setFixedHeight(34);
    auto* ligneTitre = new QHBoxLayout(fc_Titre);
    ligneTitre->setContentsMargins(12, 4, 12, 4);
    l_Titre = new QLabel(fc_Titre);
    l_Titre->setStyleSheet(QStringLiteral("color: #FFE666; font-weight: bold; font-size: 14px;"));
    ud_Champ = new QSpinBox(fc_Titre);
    ud_Champ->setRange(1, 1);
    ud_Champ->setFixedWidth(40);
    ud_Champ->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    ud_Champ->setToolTip(QString());
    ligneTitre->addWidget(l_Titre, 1);
    ligneTitre->addWidget(ud_Champ);
    lignePanel5->addWidget(fc_Titre);
    colonneDroite->addWidget(Panel5);
    // The title band shows once a season with championships is open.
    Panel5->hide();

    fc_Principale = Panneau(Panel2, dessin != nullptr ? dessin->FondCarrebleu : nullptr);
    auto* pilePrincipale = new QVBoxLayout(fc_Principale);
    pilePrincipale->setContentsMargins(12, 12, 12, 12);
    Image1 = new QLabel(fc_Principale);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setText(Qs(std::string(NomProduit)));
    Image1->setStyleSheet(QStringLiteral("color: #C8744F; font-size: 48px; font-weight: bold;"));
    p_FondAffiche = new QWidget(fc_Principale);
    p_FondAffiche->hide();
    pilePrincipale->addWidget(Image1, 1);
    pilePrincipale->addWidget(p_FondAffiche, 1);
    colonneDroite->addWidget(fc_Principale, 1);
    ligne->addLayout(colonneDroite, 1);

    Precedent = new QAction(this);
    Precedent->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    Suivant = new QAction(this);
    Suivant->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    addAction(Precedent);
    addAction(Suivant);
    // The keys of the usual file commands; each does what its menu command does, when it offers it.
    const auto raccourci = [this](QKeySequence touches, std::function<void()> action) {
        auto* a = new QAction(this);
        a->setShortcut(touches);
        addAction(a);
        connect(a, &QAction::triggered, this, std::move(action));
        return a;
    };
    ToucheOuvrir = raccourci(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { ExecuteCommande(Commande::Ouvrir, -1); });
    ToucheEnregistrer = raccourci(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (FSaison)
            ExecuteCommande(Commande::Enregistrer, -1);
    });
    ToucheImprimer = raccourci(QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (FPageCourante && FPageCourante->Imprimable())
            ExecuteCommande(CodeMenu::Imprimer, -1);
    });
    connect(Precedent, &QAction::triggered, this, [this] { sb_BackClick(); });
    connect(Suivant, &QAction::triggered, this, [this] { sb_ForwardClick(); });
    connect(sb_Back, &QToolButton::clicked, this, [this] { sb_BackClick(); });
    connect(sb_Forward, &QToolButton::clicked, this, [this] { sb_ForwardClick(); });
    connect(tv_Menu, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* noeud, QTreeWidgetItem* ancien) {
        if (FReconstruit || noeud == nullptr)
            return;
        const int reconstructions = FNbReconstructions;
        const int donnee = DonneeNoeud(noeud);
        const bool clavier = tv_Menu->ParClavier();
        const bool vue = tv_MenuChange(noeud);
        // Walking the tree with the arrow keys goes on from the entry just run:
        // back on the one before, or on the view a championship replays, the
        // next arrow would run this entry again.
        const bool championnat = DonneeChampionnat(static_cast<uint32_t>(donnee));
        if (clavier && championnat && reconstructions != FNbReconstructions) {
            SelectionneNoeud(donnee);
            return;
        }
        // A command that rebuilt the menus (a file opened, a championship
        // chosen) took both nodes with the old tree; one that went on to
        // another view (a match search to its results) put the tree on it.
        if (vue || clavier || ancien == nullptr || reconstructions != FNbReconstructions ||
            tv_Menu->currentItem() != noeud)
            return;
        // The command shows no view: the selection goes back where it was.
        FReconstruit = true;
        tv_Menu->setCurrentItem(ancien);
        FReconstruit = false;
    });
    // A mouse press selects the row under the mouse after the command of the
    // press has run; when that command put the tree on another node (its view
    // shown elsewhere, or none shown) the highlight stays on the current node.
    connect(tv_Menu, &QTreeWidget::itemSelectionChanged, this, [this] {
        QTreeWidgetItem* courant = tv_Menu->currentItem();
        const QList<QTreeWidgetItem*> choisis = tv_Menu->selectedItems();
        if (courant == nullptr || (choisis.size() == 1 && choisis.front() == courant))
            return;
        {
            const QSignalBlocker silence(tv_Menu->selectionModel());
            tv_Menu->selectionModel()->select(tv_Menu->currentIndex(),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        tv_Menu->viewport()->update();
    });
    // The selection moves when the button goes down; the click comes when it is
    // released. A click on the entry that was already current runs it again
    // (a dialog cancelled, a page to show afresh), one that just made it current does not.
    tv_Menu->viewport()->installEventFilter(this);
    connect(tv_Menu, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* noeud) {
        FNoeudRejoue = noeud != nullptr && noeud == FNoeudAvantClic ? noeud : nullptr;
    });
    connect(tv_Menu, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* noeud) {
        const bool rejoue = noeud != nullptr && noeud == FNoeudRejoue;
        FNoeudRejoue = nullptr;
        if (rejoue && !FReconstruit && tv_Menu->currentItem() == noeud)
            tv_MenuChange(noeud);
    });
    connect(ud_Champ, &QSpinBox::valueChanged, this, [this](int valeur) {
        if (FMajUpDown)
            return;
        if (!ud_ChampChangingEx(valeur))
            PlaceUpDown(FPositionUpDown);
    });
    InstalleRaccourcisFavoris(this, [this](int n) { Action1Execute(n); });
}

// ------------------------------------------------------------------ start-up

void Tf_Principale::ArretDemarrage(const std::string& chemin)
{
    // No translator may be there yet: a plain box.
    QMessageBox boite(QMessageBox::NoIcon, Qs(std::string(NomProduit)), Qs("Fichier \"" + chemin + "\" introuvable"),
                      QMessageBox::Ok, this);
    Dialogues().ExecuteModal(boite);
    TagApplication = TagArret;
}

void Tf_Principale::FormCreate()
{
    // 1. The history and the kept pages start empty.
    Precedent->setEnabled(false);
    Suivant->setEnabled(false);
    sb_Back->setEnabled(false);
    sb_Forward->setEnabled(false);

    // 2.
    if (FVersion.empty())
        FVersion = VersionProgramme();

    // 3. File dialogs open in the save folder.
    std::error_code err;
    if (fs::is_directory(FAppDir + "sauvegarde", err))
        fs::current_path(FAppDir + "sauvegarde", err);

    // 4. The settings, and Qt's own dialogs in the language chosen.
    LitReglages();
    ChargeTraductionsQt(FLangue);
    // The window and its panels were made before the language was known, in
    // the desktop's locale, and the pages made in them take their locale from
    // them (a calendar's month and day names): they follow the program's language.
    setLocale(QLocale());

    // 5. The translator.
    const std::string fichierTexte = FAppDir + "texte/Texte" + FLangue + ".txt";
    if (!fs::is_regular_file(fichierTexte, err)) {
        ArretDemarrage(fichierTexte);
        return;
    }
    auto traducteur = std::make_unique<TTraducteur>(fichierTexte);
    traducteur->SetNomProduit(NomProduit);
    FTraducteur = traducteur.get();
    InstalleTraducteur(std::move(traducteur));

    // 6.
    Label1->setText(Qs(Traduit(TexteNavigation)));

    // 7. The championship catalogue.
    const std::string fichierCatalogue = FAppDir + "config/" + FNomCatalogue;
    if (!fs::is_regular_file(fichierCatalogue, err)) {
        ArretDemarrage(fichierCatalogue);
        return;
    }
    auto catalogue = std::make_unique<TLectureParam>(fichierCatalogue);
    FCatalogue = catalogue.get();
    DefinitLectureParam(std::move(catalogue));

    // 8. The help pages of the language.
    FDossierAide = FAppDir + "aide/" + (FLangue == "en" ? "en" : "fr") + "/";
    SetDossierAideFiches(FDossierAide);

    // 9. The menus.
    EnregistrePages();
    FListeMenu = ::ConstruitListeMenu();
    FTitres.clear();
    SetEtatFichier(false, false);

    // 10.
    const std::string titre = std::string(NomProduit) + " " + FVersion;
    QCoreApplication::setApplicationName(Qs(titre));
    setWindowTitle(Qs(titre));

    // 11. The display: the rest of the start still runs, then the program ends.
    const TInfoEcran ecran = Ecran().Info();
    if (NombreCouleursEcran(ecran) < MinCouleurs) {
        MessageUtil(TraduitFmt(TexteCouleurs), BoutonsMessage::Ok);
        TagApplication = TagArret;
    } else if (ecran.Hauteur < 480 || ecran.Largeur < 640) {
        MessageUtil(TraduitFmt(TexteTaille), BoutonsMessage::Ok);
        TagApplication = TagArret;
    }

    // 12. The past seasons, the crests and the pictures.
    FStats = std::make_unique<TStats>();
    FStats->ChargeDossier(FAppDir + "stats/");
    auto blasons = std::make_unique<TBlasons>(FAppDir);
    FBlasons = blasons.get();
    InstalleBlasons(std::move(blasons));
    auto images = std::make_unique<TImageManager>(FAppDir + "pict");
    FImages = images.get();
    InstalleImageManager(std::move(images));

    // 13.
    FIdTitre = 3;
}

void Tf_Principale::LitReglages()
{
    FFichiersRecents.clear();
    TFichierIni ini(GetFichierIni());
    FSite = ini.ReadString("Internet", "Site", "https://brevalune.example.org/");
    FLangue = ini.ReadString("General", "Langue", "");
    if (FLangue.empty()) {
        Tf_ChoixLangue forme(this);
        forme.FichierIni = GetFichierIni();
        Dialogues().ExecuteModal(forme);
        FLangue = ini.ReadString("General", "Langue", "fr");
        if (FLangue.empty())
            FLangue = "fr";
    }
    const int nombre = ini.ReadInteger("LastFile", "Count", 0);
    for (int i = 0; i < nombre; ++i) {
        std::string nom = ini.ReadString("LastFile", "File" + std::to_string(i), "");
        if (!nom.empty())
            FFichiersRecents.push_back(std::move(nom));
    }
    FEtatMenu.MenuHaut = ini.ReadBool("General", "MenuHaut", false);
    FEtatMenu.MenuGauche = ini.ReadBool("General", "MenuGauche", true);
}

void Tf_Principale::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FPremiereActivation)
        QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void Tf_Principale::FormActivate()
{
    if (!FPremiereActivation)
        return;
    FPremiereActivation = false;

    // 1. At most 800 x 600, centred; a window as large as the screen is maximised.
    const TInfoEcran ecran = Ecran().Info();
    const int hauteur = std::min(ecran.Hauteur, 600);
    const int largeur = std::min(ecran.Largeur, 800);
    if (ecran.Largeur < 800)
        Image1->hide();
    const int gauche = (ecran.Largeur - largeur) / 2;
    const int haut = (ecran.Hauteur - hauteur) / 2;
    resize(largeur, hauteur);
    move(gauche, haut);
    if (gauche == 0 || haut == 0)
        setWindowState(windowState() | Qt::WindowMaximized);

    // 2. A page shown before the window first showed is left through the gate too.
    CompteurModification = 0;
    if (PeutQuitterPage())
        AfficheAucuneFenetre();
    Statut->SetTextePanneau(1, "");
    setWindowTitle(Qs(TraduitFmt(FIdTitre, {std::string(NomProduit), FVersion})));

    // 3. The tip of the day.
    const TFichierIni ini(GetFichierIni());
    const std::string dernier = ini.ReadString("General", "LastFile", "");
    if (ini.ReadBool("General", "ShowAstuce", true)) {
        Tf_AstuceJour astuce(this);
        astuce.FichierIni = GetFichierIni();
        Dialogues().ExecuteModal(astuce);
    }

    // 5. The opening choice.
    Tf_Ouverture ouverture(this);
    std::error_code err;
    if (!dernier.empty() && fs::is_regular_file(dernier, err)) {
        ouverture.rb_Last->setEnabled(true);
        ouverture.rb_Last->SetCaption(ouverture.rb_Last->Caption() + " (" + SansDossier(dernier) + ")");
        ouverture.rb_Last->SetChecked(true);
    } else {
        ouverture.rb_Last->setEnabled(false);
    }
    if (Dialogues().ExecuteModal(ouverture) != ResultatModal::Ok)
        return;
    if (ouverture.rb_Last->Checked() && ouverture.rb_Last->isEnabled())
        OuvreFichier(dernier);
    else if (ouverture.rb_Ouvrir->Checked())
        OuvreFichier("");
    else if (ouverture.rb_Nouveau->Checked())
        ExecuteCommande(193, -1);
}

void Tf_Principale::EcritFichiersRecents()
{
    TFichierIni ini(GetFichierIni());
    const int nombre = std::min(static_cast<int>(FFichiersRecents.size()), MaxFichiersRecents);
    bool ecrit = ini.WriteInteger("LastFile", "Count", nombre);
    for (int i = 0; i < nombre; ++i)
        ecrit &= ini.WriteString("LastFile", "File" + std::to_string(i), FFichiersRecents[i]);
    if (!ecrit)
        SignaleEchecReglages(GetFichierIni());
}

void Tf_Principale::FormDestroy()
{
    FPrecedents.clear();
    FSuivants.clear();
    // A start stopped before the translator never read the settings through.
    if (FTraducteur != nullptr)
        EcritFichiersRecents();
    FFichiersRecents.clear();
    // Only what this window installed, and is still in place, goes.
    if (FBlasons != nullptr && Blasons() == FBlasons)
        InstalleBlasons(nullptr);
    if (FImages != nullptr && ImageManager() == FImages)
        InstalleImageManager(nullptr);
    FStats.reset();
    FSaison.reset();
    if (FTraducteur != nullptr && Traducteur() == FTraducteur)
        InstalleTraducteur(nullptr);
    if (FCatalogue != nullptr && LectureParam() == FCatalogue)
        DefinitLectureParam(nullptr);
    FListeMenu.clear();
}

void Tf_Principale::AfficheBandeaux(bool statutVisible, bool titreVisible)
{
    Statut->setVisible(statutVisible);
    fc_Titre->setVisible(titreVisible);
    Panel5->setVisible(titreVisible);
}

bool Tf_Principale::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == tv_Menu->viewport() && event->type() == QEvent::MouseButtonPress)
        FNoeudAvantClic = tv_Menu->currentItem();
    return QMainWindow::eventFilter(objet, event);
}

void Tf_Principale::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- the season

TBarreEtat* Tf_Principale::GetBarreEtat()
{
    return Statut;
}

void Tf_Principale::SignaleModification()
{
    if (CompteurModification == 0)
        CompteurModification = 1;
    Statut->SetTextePanneau(1, Traduit(TexteModifie));
}

void Tf_Principale::ReinitAutoSave()
{
    InitAutoSave();
}

void Tf_Principale::RemplaceSaison(std::unique_ptr<TSaison> saison)
{
    AfficheAucuneFenetre();
    LiberePagesGardees(true);
    for (auto& page : FPagesALiberer)
        if (page)
            page->Saison = nullptr;
    VideHistorique();
    FSelections = {-1, -1, -1};
    FCommandeCourante = 0;
    FCommandeRejouee = 0;
    FParamCourant = -1;
    FChampCourant = 0;
    FTitres.clear();
    FSaison = std::move(saison);
}

void Tf_Principale::SetEtatFichier(bool ouvert, bool modifie)
{
    FEtatMenu.SetEtatFichier(ouvert, modifie);
    ConstruitMenus();
}

void Tf_Principale::ValideSaisieEnCours()
{
    if (FPageCourante)
        FPageCourante->ValideSaisieEnCours();
}

void Tf_Principale::ValideAvantEcriture()
{
    ValideSaisieEnCours();
    const std::string refus = FPageCourante ? FPageCourante->SaisieRefusee() : std::string();
    if (!refus.empty())
        MessageUtil(refus + "\n" + Traduit(TexteHorsEcriture), BoutonsMessage::Ok);
}

bool Tf_Principale::PeutQuitterPage(TDepartPage depart)
{
    if (!FPageCourante)
        return true;
    FPageCourante->ValideSaisieEnCours();
    if (depart == TDepartPage::Saison ? FPageCourante->PeutEtreAbandonnee() : FPageCourante->PeutEtreQuittee()) {
        FPageAccordee = FPageCourante;
        return true;
    }
    // Whatever asked to leave (a tree node, the championship up-down) shows
    // again what is still on screen.
    SelectionneNoeudCourant();
    PlaceUpDown(FPositionUpDown);
    return false;
}

void Tf_Principale::ConstruitMenus()
{
    ++FNbReconstructions;
    FReconstruit = true;
    FNoeudAvantClic = nullptr;
    FNoeudRejoue = nullptr;
    FEtatMenu.Saison = FSaison.get();
    FEtatMenu.FichiersRecents = FFichiersRecents;
    LitReglagesMenu(TFichierIni(GetFichierIni()), FEtatMenu);
    // The headings the user opened stay open in the new tree.
    const std::set<QStringList> ouverts = NoeudsOuverts(tv_Menu);
    const int defilement = tv_Menu->verticalScrollBar()->value();
    ::ConstruitMenus(FListeMenu, FEtatMenu, FEtatMenu.MenuGauche ? tv_Menu : nullptr,
                     FEtatMenu.MenuHaut ? mm_Menu : nullptr,
                     [this](int code, int param, const std::string& libelle) { OnMenuBarre(code, param, libelle); });
    if (FEtatMenu.MenuGauche) {
        OuvreNoeuds(tv_Menu, ouverts);
        tv_Menu->verticalScrollBar()->setValue(defilement);
        SelectionneNoeudCourant();
    }
    if (!FEtatMenu.MenuGauche)
        RemplitArbreMenu(tv_Menu, {});
    if (!FEtatMenu.MenuHaut)
        RemplitBarreMenu(mm_Menu, {}, {});
    fc_Menu->setVisible(FEtatMenu.MenuGauche);
    mm_Menu->setVisible(FEtatMenu.MenuHaut);
    Shape1->setVisible(FEtatMenu.MenuHaut);
    FReconstruit = false;
    AfficheCommandeImprimer();
}

void Tf_Principale::OnMenuBarre(int code, int param, const std::string& libelle)
{
    ExecuteCommande(libelle, code, nullptr, param, true);
}

bool Tf_Principale::tv_MenuChange(QTreeWidgetItem* noeud)
{
    if (FReconstruit || noeud == nullptr)
        return true;
    return ExecuteCommande(noeud->text(0).toStdString(), DonneeNoeud(noeud), noeud, -1, true);
}

void Tf_Principale::Action1Execute(int n)
{
    const int code = CodeFavori(FListeMenu, FEtatMenu, n);
    if (code >= CodeMenu::PremiereCommande)
        ExecuteCommande("", code, nullptr, -1, true);
}

void Tf_Principale::AfficheCommandeImprimer()
{
    const bool reconstruit = FReconstruit;
    FReconstruit = true;
    // Whatever was offered goes first; freed later, as the rebuilt menus are.
    for (int code : {CodeMenu::Imprimer, CodeMenu::ExporteHtml})
        while (QTreeWidgetItem* noeud = ChercheNoeud(tv_Menu, code)) {
            QTreeWidgetItem* parent = noeud->parent();
            LibereNoeudsPlusTard(tv_Menu,
                                 {parent != nullptr ? parent->takeChild(parent->indexOfChild(noeud))
                                                    : tv_Menu->takeTopLevelItem(tv_Menu->indexOfTopLevelItem(noeud))});
            ++FNbReconstructions;
        }
    for (QAction* action : mm_Menu->findChildren<QAction*>())
        if (action->property("CommandeImprimer").toBool()) {
            action->setProperty("CommandeImprimer", false);
            for (QObject* o : action->associatedObjects())
                if (auto* menu = qobject_cast<QWidget*>(o))
                    menu->removeAction(action);
            action->deleteLater();
        }
    const auto offre = [this](int code, int texte) {
        const std::string libelle = Traduit(texte);
        if (FEtatMenu.MenuGauche) {
            if (QTreeWidgetItem* titre = ChercheNoeud(tv_Menu, 3)) {
                auto* noeud = new QTreeWidgetItem(titre);
                noeud->setText(0, Qs(libelle));
                noeud->setData(0, Qt::UserRole, code);
                noeud->setForeground(0, VersQColor(CouleurMenu::Commande));
            }
        }
        if (FEtatMenu.MenuHaut) {
            if (QMenu* menu = ChercheMenu(mm_Menu, 2)) {
                QAction* action = menu->addAction(Qs(libelle));
                action->setProperty("CommandeImprimer", true);
                connect(action, &QAction::triggered, this,
                        [this, libelle, code] { ExecuteCommande(libelle, code, nullptr, -1, true); });
            }
        }
    };
    if (FPageCourante && FPageCourante->Imprimable())
        offre(CodeMenu::Imprimer, TexteMenu::Imprimer);
    if (FPageCourante && FPageCourante->ExportableHtml())
        offre(CodeMenu::ExporteHtml, TexteMenu::ExporteHtml);
    FReconstruit = reconstruit;
}

// --------------------------------------------------------------- dispatcher

void Tf_Principale::ReafficheCommande()
{
    // Not a new step of the history: the same view, refilled.
    if (FCommandeCourante >= CodeMenu::PremiereCommande && CommandePage(FCommandeCourante))
        ExecuteCommande("", FCommandeCourante, nullptr, FParamCourant, false, FParam2Courant);
}

bool Tf_Principale::ExecuteCommande(int code, int param, int param2)
{
    return ExecuteCommande("", code, nullptr, param, true, param2);
}

int Tf_Principale::Selection(int famille) const
{
    return famille >= 0 && famille < static_cast<int>(FSelections.size()) ? FSelections[famille] : -1;
}

void Tf_Principale::SetSelection(int famille, int valeur)
{
    if (famille >= 0 && famille < static_cast<int>(FSelections.size()))
        FSelections[famille] = valeur;
}

void Tf_Principale::ReinitSelections(int code)
{
    for (int famille = 0; famille < 3; ++famille)
        if (!DansFamille(famille, code))
            FSelections[famille] = -1;
}

bool Tf_Principale::ExecuteCommande(const std::string& libelle, int code, QTreeWidgetItem* noeud, int param,
                                    bool enregistre, int param2)
{
    if (FReconstruit)
        return true;
    // Once the command is done, the page on screen is the user's again: the
    // next road that replaces it asks the gate anew.
    struct TFinCommande {
        Tf_Principale& F;
        ~TFinCommande() { F.FPageAccordee = F.FPageNeuve = nullptr; }
    } finCommande{*this};
    const uint32_t brut = static_cast<uint32_t>(code);
    // Recent file n.
    if (DonneeFichierRecent(brut)) {
        const uint32_t n = brut >> 8;
        if (n >= 1 && n <= FFichiersRecents.size()) {
            const std::string nom = FFichiersRecents[n - 1];
            if (OuvreFichier(nom)) {
                FCommandeCourante = 0;
                FCommandeRejouee = 0;
            }
        }
        return false;
    }
    // A championship of the season.
    if (DonneeChampionnat(brut)) {
        SelectionneChampionnat(static_cast<int>(brut >> 8), noeud, true, false);
        return false;
    }
    // Headings.
    if (code < CodeMenu::PremiereCommande)
        return true;

    bool enregistrable = libelle.find("...") == std::string::npos && !NonEnregistrable(code);
    if (enregistrable)
        ReinitSelections(code);
    bool rejoue = !SansRejeu(code);
    if (!rejoue)
        FCommandeRejouee = 0;

    const int nbTextesAvant = Statut->NbTextesPage();
    bool gere = ExecuteCommandeShell(code, param, enregistrable);
    if (!gere) {
        if (const TCommandePage* page = CommandePage(code)) {
            // The page shown is left: its half-typed entry goes into the season
            // first, and a value it cannot write keeps the user on it.
            if (!PeutQuitterPage())
                return false;
            // A copy: the command may register pages again while it runs.
            const TCommandePage commande = *page;
            const TReponsePage reponse = commande(*this, code, param, param2);
            if (!reponse.Montre)
                return false;
            param = reponse.Param.value_or(param);
            param2 = reponse.Param2.value_or(param2);
        } else if (CodePage(code)) {
            // A page not built into this program: nothing at all.
            return false;
        } else {
            // Only a command that shows a page is a step the history can replay.
            enregistrable = ExecuteCommandeSupplementaire(code, rejoue, param);
        }
    }

    if (enregistrable) {
        if (enregistre && !(FRejoueHistorique && FChangement) && FCommandeCourante >= CodeMenu::PremiereCommande) {
            FPrecedents.push_front(HistoriqueCourant());
            if (FPrecedents.size() > MaxHistorique)
                FPrecedents.resize(MaxHistorique);
            FSuivants.clear();
            MajBoutonsHistorique();
        }
        if (rejoue)
            FCommandeRejouee = static_cast<uint8_t>(code);
        FCommandeCourante = static_cast<uint8_t>(code);
        FParamCourant = param;
        FParam2Courant = param2;
        FChampCourant = IdChampCourant();
        // A page shown again with other content may print or export otherwise.
        AfficheCommandeImprimer();
        // However the command came (tree, menu bar, favourite key, a page,
        // the history), the tree and the status bar show the page it left on screen.
        SelectionneNoeud(code);
        MajTexteStatut(code, nbTextesAvant);
    }
    return enregistrable;
}

bool Tf_Principale::ExecuteCommandeShell(int code, int /*param*/, bool& enregistrable)
{
    switch (code) {
    case Commande::Nouveau:
        NouvelleSaison();
        break;
    case Commande::Ouvrir:
        OuvreFichier("");
        break;
    case Commande::ControleCalendrier:
        VerifieCalendrier();
        break;
    case Commande::Enregistrer:
        SauveAuto(false);
        break;
    case Commande::EnregistrerSous:
        ValideAvantEcriture();
        SauveSaisonSous();
        break;
    case Commande::Fermer:
        FermeFichier();
        break;
    case Commande::MiseAJour:
        VerifieMiseAJour();
        break;
    case Commande::Quitter:
        close();
        break;
    case Commande::Langue:
        OuvreLangue();
        break;
    case CodeMenu::Personnalisation:
    case CodeMenu::Favoris: {
        ValideSaisieEnCours();
        TFichierIni ini(GetFichierIni());
        if (OuvreFavoris(code, FListeMenu, ini, FEtatMenu, this))
            ConstruitMenus();
        break;
    }
    case CodeMenu::Imprimer:
        ImprimePage();
        break;
    case CodeMenu::ExporteHtml:
        ExportePageHtml();
        break;
    case Commande::ImporteChampionnat:
        ImporteChampionnats(false);
        break;
    case Commande::FusionneSaison:
        ImporteChampionnats(true);
        break;
    case Commande::ExporteChampionnat:
        ExporteChampionnat();
        break;
    case Commande::ExporteSaison:
        ExporteSaison();
        break;
    case Commande::ArchiveDivision:
        CreeHistoriqueDivision();
        break;
    case Commande::APropos:
        OuvreAPropos();
        break;
    case Commande::Aide:
        OuvreAide();
        break;
    default:
        return false;
    }
    // File commands and dialogs show no page: going back must not run them again.
    enregistrable = false;
    return true;
}

bool Tf_Principale::ExecuteCommandeSupplementaire(int /*code*/, bool& /*rejoue*/, int /*param*/)
{
    return false;
}

void Tf_Principale::OuvreLangue()
{
    Tf_ChoixLangue forme(this);
    forme.FichierIni = GetFichierIni();
    Dialogues().ExecuteModal(forme);
}

void Tf_Principale::OuvreAPropos()
{
    Tf_AboutBox forme(this);
    forme.Version = FVersion;
    Dialogues().ExecuteModal(forme);
}

void Tf_Principale::ImprimePage()
{
    if (!FPageCourante || !FPageCourante->Imprimable())
        return;
    ValideAvantEcriture();
    FPageCourante->ImprimeDocument();
}

// ------------------------------------------------------------------- pages

void Tf_Principale::LiberePage(TFootForm* page)
{
    if (page == nullptr)
        return;
    page->hide();
    // Never freed at once: the page may be running the handler that led here.
    page->deleteLater();
    FPagesALiberer.erase(std::remove_if(FPagesALiberer.begin(), FPagesALiberer.end(),
                                        [](const QPointer<TFootForm>& p) { return p.isNull(); }),
                         FPagesALiberer.end());
    FPagesALiberer.emplace_back(page);
}

void Tf_Principale::LiberePagesGardees(bool toutes)
{
    std::vector<QPointer<TFootForm>> restent;
    for (auto& page : FPagesGardees) {
        if (!page)
            continue;
        if (toutes || page->close()) {
            page->Saison = toutes ? nullptr : page->Saison;
            LiberePage(page);
        } else {
            restent.push_back(page);
        }
    }
    FPagesGardees = std::move(restent);
}

int Tf_Principale::NbPagesGardees() const
{
    return static_cast<int>(std::count_if(FPagesGardees.begin(), FPagesGardees.end(),
                                          [](const QPointer<TFootForm>& p) { return !p.isNull(); }));
}

TFootForm* Tf_Principale::AfficheFenetre(const TClassePage& classe)
{
    return AfficheFenetre(&classe, true, false);
}

void Tf_Principale::AfficheAucuneFenetre(bool videNomFichier)
{
    AfficheFenetre(nullptr, false, videNomFichier);
}

TFootForm* Tf_Principale::AfficheFenetre(const TClassePage* classe, bool panneauVisible, bool videNomFichier)
{
    if (videNomFichier)
        FichierCourant.clear();
    Statut->SetTexteFenetre(2, FichierCourant.empty() ? std::string() : TraduitFmt(TexteFichier, {FichierCourant}));

    // Every road that replaces the page asks the gate first: one that did
    // not would drop, without a word, what the page could not write.
    assert(!FPageCourante || FPageCourante == FPageAccordee || FPageCourante == FPageNeuve);
    FPageAccordee = nullptr;
    LiberePagesGardees(false);
    if (FPageCourante) {
        TFootForm* ancienne = FPageCourante;
        FPageCourante = nullptr;
        ancienne->ValideSaisieEnCours();
        if (FGardePages) {
            ancienne->hide();
            FPagesGardees.emplace_back(ancienne);
        } else {
            LiberePage(ancienne);
        }
    }

    TFootForm* page = nullptr;
    if (classe != nullptr && classe->Cree) {
        page = classe->Cree(p_FondAffiche);
        if (page != nullptr) {
            page->OnModification = [this] { SignaleModification(); };
            page->Saison = FSaison.get();
            page->Principale = this;
            page->AppDir = FAppDir;
            page->OnNavigation = [this](int code, int param, int param2) { NavigueDepuisFenetre(code, param, param2); };
            for (QWidget* enfant : p_FondAffiche->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (enfant != page)
                    enfant->hide();
            p_FondAffiche->setVisible(panneauVisible);
            Image1->hide();
            IncrusteFiche(page, p_FondAffiche);
            FPageCourante = page;
            FPageNeuve = page;
        }
    }
    if (page == nullptr) {
        p_FondAffiche->hide();
        Image1->setVisible(Ecran().Info().Largeur >= 800);
    }
    AfficheCommandeImprimer();
    return page;
}

// ------------------------------------------------------------------ history

THistorique Tf_Principale::HistoriqueCourant() const
{
    THistorique h;
    h.Commande = FCommandeCourante;
    h.Param = FParamCourant;
    h.Param2 = FParam2Courant;
    h.IdChamp = FChampCourant;
    return h;
}

int Tf_Principale::IdChampCourant() const
{
    if (!FSaison)
        return 0;
    const TDonneesChampionnat* champ = FSaison->GetChampCourant();
    return champ != nullptr ? champ->CodeChamp : 0;
}

void Tf_Principale::MajBoutonsHistorique()
{
    Precedent->setEnabled(!FPrecedents.empty());
    sb_Back->setEnabled(!FPrecedents.empty());
    Suivant->setEnabled(!FSuivants.empty());
    sb_Forward->setEnabled(!FSuivants.empty());
}

void Tf_Principale::VideHistorique()
{
    FPrecedents.clear();
    FSuivants.clear();
    MajBoutonsHistorique();
}

void Tf_Principale::Navigue(int code, int param, int param2)
{
    NavigueDepuisFenetre(code, param, param2);
}

void Tf_Principale::NavigueDepuisFenetre(int code, int param, int param2, bool champChange)
{
    AllerA(code, param, true, champChange, param2);
}

void Tf_Principale::SelectionneNoeud(int donnee)
{
    const bool reconstruit = FReconstruit;
    FReconstruit = true;
    QTreeWidgetItem* noeud = tv_Menu->currentItem();
    // A favourite's node already shows the command: it stays.
    if (donnee == 0)
        noeud = nullptr;
    else if (DonneeNoeud(noeud) != donnee)
        noeud = ChercheNoeud(tv_Menu, donnee);
    if (noeud != nullptr) {
        for (QTreeWidgetItem* parent = noeud->parent(); parent != nullptr; parent = parent->parent())
            parent->setExpanded(true);
        tv_Menu->setCurrentItem(noeud);
        tv_Menu->scrollToItem(noeud);
    } else {
        tv_Menu->setCurrentItem(nullptr);
        tv_Menu->clearSelection();
    }
    tv_Menu->viewport()->update();
    FReconstruit = reconstruit;
}

void Tf_Principale::SelectionneNoeudCourant()
{
    if (FPageCourante && FCommandeCourante >= CodeMenu::PremiereCommande)
        SelectionneNoeud(FCommandeCourante);
    else
        SelectionneNoeud(IdChampCourant() != 0 ? IdChampCourant() << 8 : 0);
}

void Tf_Principale::MajTexteStatut(int code, int nbTextesAvant)
{
    if (!FPageCourante)
        return;
    std::string libelle;
    for (const auto& entree : FListeMenu)
        if (entree->Code == code && !entree->Libelle.empty()) {
            libelle = entree->Libelle;
            break;
        }
    // A caption that opens a dialog ends with "...", which the status text has no use for.
    if (const auto points = libelle.find("..."); points != std::string::npos)
        libelle.erase(points);
    // What the page prints and exports is titled with its view.
    FPageCourante->SetVue(libelle);
    if (Statut->NbTextesPage() != nbTextesAvant)
        return;
    Statut->SetTexteFenetre(2, libelle);
}

bool Tf_Principale::AllerA(int code, int param, bool enregistre, bool champChange, int param2)
{
    FGardePages = true;
    if (champChange && FSaison) {
        const int id = IdChampCourant();
        for (size_t i = 0; i < FTitres.size(); ++i)
            if (FTitres[i].second == id) {
                l_Titre->setText(Qs(FTitres[i].first));
                PlaceUpDown(static_cast<int>(i) + 1);
            }
    }
    ExecuteCommande("", code, nullptr, param, enregistre, param2);
    FGardePages = false;
    return true;
}

void Tf_Principale::Navigue(std::deque<THistorique>& source, std::deque<THistorique>& destination)
{
    if (source.empty() || !PeutQuitterPage())
        return;
    destination.push_front(HistoriqueCourant());
    if (destination.size() > MaxHistorique)
        destination.resize(MaxHistorique);
    const THistorique etape = source.front();
    source.pop_front();
    MajBoutonsHistorique();

    bool change = false;
    if (FSaison && etape.IdChamp != IdChampCourant() && FSaison->GetChampionnatId(etape.IdChamp) != nullptr) {
        AfficheAucuneFenetre();
        FSaison->SelectChampionnat(etape.IdChamp);
        change = true;
        // The menus follow the options of the championship now current.
        ConstruitMenus();
    }
    FRejoueHistorique = true;
    AllerA(etape.Commande, etape.Param, false, change, etape.Param2);
    FRejoueHistorique = false;
}

void Tf_Principale::sb_BackClick()
{
    Navigue(FPrecedents, FSuivants);
}

void Tf_Principale::sb_ForwardClick()
{
    Navigue(FSuivants, FPrecedents);
}

// ------------------------------------------------------------ championships

void Tf_Principale::PlaceUpDown(int position)
{
    FMajUpDown = true;
    const int maximum = std::max(1, static_cast<int>(FTitres.size()));
    ud_Champ->setRange(1, maximum);
    FPositionUpDown = std::clamp(position, 1, maximum);
    ud_Champ->setValue(FPositionUpDown);
    FMajUpDown = false;
}

void Tf_Principale::RemplitChampionnats()
{
    FTitres.clear();
    if (FSaison)
        FTitres = ListeChampionnats(*FSaison).Titres;
    PlaceUpDown(FPositionUpDown);
    ConstruitMenus();
}

void Tf_Principale::ChangeChampionnat()
{
    FCommandeRejouee = 0;
    FCommandeCourante = 0;
    FTitres.clear();
    if (FSaison)
        FTitres = ListeChampionnats(*FSaison).Titres;
    if (FSaison && FSaison->NbDesc() > 0 && !FSaison->GetDesc(0).Texte.empty() && !FTitres.empty()) {
        AfficheBandeaux(true, true);
        FSaison->SelectChampionnat(FTitres.front().second);
        l_Titre->setText(Qs(FTitres.front().first));
        PlaceUpDown(1);
    } else {
        fc_Titre->hide();
        Panel5->hide();
        PlaceUpDown(1);
    }
    ConstruitMenus();
    InitAutoSave();
}

bool Tf_Principale::ud_ChampChangingEx(int nouvelle)
{
    if (nouvelle < 1 || nouvelle > static_cast<int>(FTitres.size()))
        return false;
    if (!FChangement)
        FSelections = {-1, -1, -1};
    if (!SelectionneChampionnat(nouvelle, nullptr, false, true))
        return false;
    FPositionUpDown = nouvelle;
    return true;
}

bool Tf_Principale::SelectionneChampionnat(int idOuIndex, QTreeWidgetItem* noeud, bool setUpDown, bool parIndex)
{
    if (FChangement || !FSaison)
        return false;
    int id = idOuIndex;
    int position = 1;
    if (parIndex) {
        if (idOuIndex < 1 || idOuIndex > static_cast<int>(FTitres.size()))
            return false;
        id = FTitres[idOuIndex - 1].second;
        position = idOuIndex;
    } else {
        for (size_t i = 0; i < FTitres.size(); ++i)
            if (FTitres[i].second == id) {
                position = static_cast<int>(i) + 1;
                break;
            }
    }
    if (FSaison->GetChampionnatId(id) == nullptr || !PeutQuitterPage())
        return false;
    FChangement = true;
    AfficheAucuneFenetre();
    FSaison->SelectChampionnat(id);
    if (!parIndex || setUpDown)
        PlaceUpDown(position);
    else
        FPositionUpDown = position;

    std::string titre;
    if (noeud != nullptr && noeud->parent() != nullptr)
        titre = noeud->parent()->text(0).toStdString() + " : " + noeud->text(0).toStdString();
    else if (position >= 1 && position <= static_cast<int>(FTitres.size()))
        titre = FTitres[position - 1].first;
    l_Titre->setText(Qs(titre));

    SetEtatFichier(true, true);
    AfficheBandeaux(true, true);

    if (FCommandeRejouee >= CodeMenu::PremiereCommande) {
        const int code = FCommandeRejouee;
        ExecuteCommande("", code, nullptr, -1, true);
        SelectionneNoeud(code);
    }
    FChangement = false;
    return true;
}
