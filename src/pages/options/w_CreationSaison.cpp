#include "pages/options/w_CreationSaison.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "pages/options/w_Barrage.h"
#include "pages/options/w_ChoixNoeud.h"
#include "pages/options/w_RetirerChamp.h"
#include "presentation/ComposeurSaison.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>
#include <set>

namespace {

enum : int {
    TexteTousFichiers = 11,
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteAjouteFichier = 260,
    TexteTitreAjout = 261,
    TexteNomFichier = 878,
    TexteInclus = 879,
    TexteDisponibles = 880,
    TexteAjoutElement = 881,
    TexteRetirerElement = 882,
    TexteBarrage = 883,
    TexteSeparateur = 884,
    TexteFenetre = 885,
    TexteChampionnatNumero = 2443,
};

constexpr int CommandeComposeur = 193;
constexpr int ModeModification = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
constexpr int ModeConversion = TComposeurSaison::ModeOffre | TComposeurSaison::ModePlace;
constexpr int ModeNouvelle = TComposeurSaison::ModeConstruit | TComposeurSaison::ModeAjout;

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

// The program folder of a settings file that lives in it.
std::string DossierDe(const std::string& fichierIni)
{
    if (fichierIni.empty())
        return AppDir();
    const std::string dossier = std::filesystem::path(fichierIni).parent_path().string();
    return dossier.empty() ? std::string("./") : dossier + "/";
}

} // namespace

Tf_CreationSaison::Tf_CreationSaison(TSaison* saison, QWidget* parent)
    : TDialogue(parent), FSaison(saison), FComposeur(std::make_unique<TComposeurSaison>(saison))
{
    setWindowTitle(Qs(TexteOuDefaut(TexteFenetre, "Creation d'une nouvelle saison")));
    setFixedSize(640, 470);

    Label1 = new QLabel(Qs(TexteOuDefaut(TexteNomFichier, "Nom du fichier de sauvegarde")), this);
    Label1->setGeometry(8, 8, 300, 18);
    e_RepSauve = new QLineEdit(this);
    e_RepSauve->setGeometry(8, 28, 624, 22);

    Label2 = new QLabel(Qs(TexteOuDefaut(TexteInclus, "Championnats inclus")), this);
    Label2->setGeometry(8, 60, 300, 18);
    tv_Saison = new QTreeWidget(this);
    tv_Saison->setGeometry(8, 80, 330, 300);
    tv_Saison->setHeaderHidden(true);
    tv_Saison->setAcceptDrops(true);
    tv_Saison->viewport()->installEventFilter(this);
    tv_Saison->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);

    sb_Up = new QToolButton(this);
    sb_Up->setArrowType(Qt::UpArrow);
    sb_Up->setGeometry(344, 180, 22, 22);
    sb_Down = new QToolButton(this);
    sb_Down->setArrowType(Qt::DownArrow);
    sb_Down->setGeometry(344, 206, 22, 22);

    Label3 = new QLabel(Qs(TexteOuDefaut(TexteDisponibles, "Championnats disponibles")), this);
    Label3->setGeometry(374, 60, 258, 18);
    lb_ListeFichier = new QListWidget(this);
    lb_ListeFichier->setGeometry(374, 80, 258, 300);
    lb_ListeFichier->setDragEnabled(true);
    lb_ListeFichier->setDragDropMode(QAbstractItemView::DragOnly);

    bc_AjoutElement = CreeBouton(this, TexteAjoutElement, "Ajouter un élement");
    bc_RetirerElement = CreeBouton(this, TexteRetirerElement, "Retirer l'élement");
    bc_Separateur = CreeBouton(this, TexteSeparateur, "Ajouter séparateur");
    bc_Barrage = CreeBouton(this, TexteBarrage, "Division Barrage");
    bc_AjouteFichier = CreeBouton(this, TexteAjouteFichier, "Ajouter des fichiers");
    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    int x = 8;
    for (TBoutonCopie* b : {bc_AjoutElement, bc_RetirerElement}) {
        b->setFixedWidth(160);
        b->move(x, 388);
        x += 170;
    }
    bc_Separateur->setFixedWidth(160);
    bc_Separateur->move(8, 420);
    bc_Barrage->setFixedWidth(160);
    bc_Barrage->move(178, 420);
    bc_AjouteFichier->setFixedWidth(258);
    bc_AjouteFichier->move(374, 388);
    b_Valider->setFixedWidth(115);
    b_Annuler->setFixedWidth(115);
    b_Valider->move(640 - 8 - 2 * 115 - 8, 434);
    b_Annuler->move(640 - 8 - 115, 434);

    bc_AjoutElement->OnClick = [this] { bc_AjoutElementClick(); };
    bc_RetirerElement->OnClick = [this] { bc_RetirerElementClick(); };
    bc_Separateur->OnClick = [this] { bc_SeparateurClick(); };
    bc_Barrage->OnClick = [this] { bc_BarrageClick(); };
    connect(tv_Saison, &QTreeWidget::itemDoubleClicked, this, [this] { tv_SaisonDblClick(); });
    bc_AjouteFichier->OnClick = [this] { bc_AjouteFichierClick(); };
    b_Valider->OnClick = [this] { b_ValiderClick(); };
    connect(sb_Up, &QToolButton::clicked, this, [this] { sb_UpClick(); });
    connect(sb_Down, &QToolButton::clicked, this, [this] { sb_DownClick(); });
    connect(lb_ListeFichier, &QListWidget::itemDoubleClicked, this, [this] { lb_ListeFichierDblClick(); });
    connect(tv_Saison, &QTreeWidget::currentItemChanged, this, [this] { MajBoutons(); });
    connect(tv_Saison, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { Renomme(item); });
    connect(tv_Saison, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { MajImage(item); });
    connect(tv_Saison, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { MajImage(item); });

    FComposeur->Retrait = [this](const std::vector<int>& codes, std::vector<int>& coches) {
        return FSaison && ChoisitRetraits(*FSaison, codes, coches);
    };
}

Tf_CreationSaison::~Tf_CreationSaison() = default;

void Tf_CreationSaison::InitNomFichier(const std::string& fichierIni, const std::string& appDir, TBarreEtat* statut)
{
    FComposeur->InitNomFichier(fichierIni, appDir);
    FComposeur->BarreEtat = statut;
    e_RepSauve->setText(Qs(FComposeur->NomFichierSauve));
}

void Tf_CreationSaison::AjouteFichier(const std::string& texte, int codeChamp, int idCatalogue)
{
    FComposeur->AjouteFichier(texte, codeChamp, idCatalogue);
}

void Tf_CreationSaison::showEvent(QShowEvent* event)
{
    if (!FAffiche) {
        FAffiche = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_CreationSaison::FormShow()
{
    FComposeur->Mode = Tag;
    bc_AjouteFichier->setVisible((Tag & TComposeurSaison::ModeAjout) != 0);
    const bool construit = (Tag & TComposeurSaison::ModeConstruit) == TComposeurSaison::ModeConstruit;
    Label1->setVisible(construit);
    e_RepSauve->setVisible(construit);
    if (!construit) {
        // Without the file name the rest of the form closes up over its place.
        constexpr int Bande = 52;
        for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w != Label1 && w != e_RepSauve)
                w->move(w->x(), w->y() - Bande);
        setFixedSize(width(), height() - Bande);
    }
    FComposeur->Initialise();
    AfficheListe();
    AfficheArbre(nullptr);
}

// --- Showing ---

TNoeudComposeur* Tf_CreationSaison::Noeud(const QTreeWidgetItem* item) const
{
    return item ? reinterpret_cast<TNoeudComposeur*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* Tf_CreationSaison::Item(const TNoeudComposeur* noeud) const
{
    for (QTreeWidgetItemIterator it(tv_Saison); *it; ++it)
        if (Noeud(*it) == noeud)
            return *it;
    return nullptr;
}

TNoeudComposeur* Tf_CreationSaison::Selection() const
{
    return Noeud(tv_Saison->currentItem());
}

void Tf_CreationSaison::Selectionne(const TNoeudComposeur* noeud)
{
    if (QTreeWidgetItem* item = Item(noeud))
        tv_Saison->setCurrentItem(item);
}

void Tf_CreationSaison::MajImage(QTreeWidgetItem* item)
{
    const TNoeudComposeur* n = Noeud(item);
    if (!n)
        return;
    QStyle::StandardPixmap image = QStyle::SP_FileIcon;
    if (n->Niveau < 3)
        image = item->isExpanded() ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
    item->setIcon(0, style()->standardIcon(image));
}

void Tf_CreationSaison::AfficheArbre(const TNoeudComposeur* selection)
{
    FRemplissage = true;
    tv_Saison->clear();
    std::function<void(TNoeudComposeur&, QTreeWidgetItem*)> ajoute = [&](TNoeudComposeur& n, QTreeWidgetItem* parent) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tv_Saison);
        item->setText(0, Qs(n.Niveau == 0 ? TexteOuDefaut(TexteInclus, "Championnats inclus") : n.Texte));
        item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&n)));
        if (FComposeur->EditionPermise(n))
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        for (auto& enfant : n.Enfants)
            ajoute(*enfant, item);
    };
    ajoute(FComposeur->Racine(), nullptr);
    tv_Saison->expandAll();
    for (QTreeWidgetItemIterator it(tv_Saison); *it; ++it)
        MajImage(*it);
    FRemplissage = false;
    Selectionne(selection ? selection : &FComposeur->Racine());
    MajBoutons();
}

void Tf_CreationSaison::AfficheListe()
{
    const int ligne = lb_ListeFichier->currentRow();
    lb_ListeFichier->clear();
    for (const auto& e : FComposeur->Disponibles())
        lb_ListeFichier->addItem(Qs(e->Texte));
    if (lb_ListeFichier->count() > 0)
        lb_ListeFichier->setCurrentRow(std::clamp(ligne, 0, lb_ListeFichier->count() - 1));
}

void Tf_CreationSaison::MajBoutons()
{
    const TNoeudComposeur* n = Selection();
    bc_RetirerElement->setEnabled(n && n->Niveau >= 1);
    bc_Separateur->setVisible(n && n->Niveau == 1);
    bc_Barrage->setVisible(n && TComposeurSaison::PeutCreerBarrage(*n));
    sb_Up->setEnabled(n && FComposeur->PeutMonter(*n));
    sb_Down->setEnabled(n && FComposeur->PeutDescendre(*n));
}

void Tf_CreationSaison::Renomme(QTreeWidgetItem* item)
{
    TNoeudComposeur* n = Noeud(item);
    // Icons change with expansion too: only an edited label is a rename.
    if (FRemplissage || !n || !FComposeur->EditionPermise(*n) || item->text(0).toStdString() == n->Texte)
        return;
    if (!FComposeur->Renomme(*n, item->text(0).toStdString())) {
        // Refused (an empty name): the label shows the node's name again.
        FRemplissage = true;
        item->setText(0, Qs(n->Texte));
        FRemplissage = false;
    }
}

// --- Commands ---

void Tf_CreationSaison::bc_AjouteFichierClick()
{
    TDemandeFichier demande;
    demande.Titre = Traduit(TexteTitreAjout);
    demande.Filtre = TraduitFmt(TexteTousFichiers, {std::string("Brevalune")}) + "|*.chp;*.chf;*.daf;*.xmc;*.xmd";
    demande.ExtensionDefaut = "xmc";
    // A new season is made of the standard division files.
    demande.DossierInitial =
        FComposeur->AppDir() +
        ((Tag & TComposeurSaison::ModeConstruit) == TComposeurSaison::ModeConstruit ? "Data/" : "sauvegarde/");
    const std::vector<std::string> noms = Dialogues().OuvreFichiers(demande);
    if (noms.empty())
        return;
    FComposeur->AjouteFichiers(noms);
    AfficheListe();
}

void Tf_CreationSaison::lb_ListeFichierDblClick()
{
    DeposeSur(Item(&FComposeur->Racine()), lb_ListeFichier->currentRow());
}

bool Tf_CreationSaison::AccepteDepot(QTreeWidgetItem* item, int index) const
{
    const TNoeudComposeur* n = Noeud(item);
    return n && FComposeur->AccepteDepot(index, *n);
}

void Tf_CreationSaison::DeposeSur(QTreeWidgetItem* item, int index)
{
    TNoeudComposeur* n = Noeud(item);
    if (!n)
        return;
    if (TNoeudComposeur* place = FComposeur->Place(index, *n)) {
        AfficheListe();
        AfficheArbre(place);
    } else {
        // A refused replacement may still have changed nothing but the view's state.
        AfficheListe();
    }
}

void Tf_CreationSaison::bc_AjoutElementClick()
{
    Tf_ChoixNoeud choix(this);
    choix.RemplitListe(false);
    if (Dialogues().ExecuteModal(choix) != ResultatModal::Ok || choix.Choix < 0)
        return;
    TNoeudComposeur* section = FComposeur->AjouteSection(choix.Choix);
    AfficheArbre(section);
    if (section && section->Donnee == 0)
        tv_Saison->editItem(Item(section), 0);
}

void Tf_CreationSaison::bc_SeparateurClick()
{
    if (TNoeudComposeur* n = Selection())
        if (TNoeudComposeur* separateur = FComposeur->AjouteSeparateur(*n))
            AfficheArbre(separateur);
}

void Tf_CreationSaison::bc_BarrageClick()
{
    TNoeudComposeur* n = Selection();
    if (!n || !TComposeurSaison::PeutCreerBarrage(*n))
        return;
    Tf_Barrage dialogue(this);
    dialogue.Nouveau(FComposeur->CandidatsBarrage(*n));
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return;
    TNoeudComposeur* barrage = FComposeur->CreeBarrage(*n, dialogue.PrendResultat(), dialogue.Promotion());
    if (!barrage)
        return;
    AfficheArbre(barrage);
    tv_Saison->editItem(Item(barrage), 0);
}

void Tf_CreationSaison::tv_SaisonDblClick()
{
    TNoeudComposeur* n = Selection();
    if (!n || !n->EstBarrage())
        return;
    // The dialog works on a copy: Cancel here, or in the composer, keeps the definition.
    std::unique_ptr<TDonneesBarrage> copie = FComposeur->CopieBarrage(n->Donnee & ~TNoeudComposeur::BitBarrage);
    if (!copie)
        return;
    Tf_Barrage dialogue(this);
    dialogue.Edite(*copie, [this](int code) { return FComposeur->NomSource(code); });
    if (Dialogues().ExecuteModal(dialogue) == ResultatModal::Ok)
        FComposeur->RemplaceBarrage(std::move(copie));
}

void Tf_CreationSaison::bc_RetirerElementClick()
{
    TNoeudComposeur* n = Selection();
    if (!n || !FComposeur->Retire(*n))
        return;
    AfficheListe();
    AfficheArbre(nullptr);
}

void Tf_CreationSaison::sb_UpClick()
{
    TNoeudComposeur* n = Selection();
    if (n && FComposeur->Monte(*n))
        AfficheArbre(n);
}

void Tf_CreationSaison::sb_DownClick()
{
    TNoeudComposeur* n = Selection();
    if (n && FComposeur->Descend(*n))
        AfficheArbre(n);
}

void Tf_CreationSaison::b_ValiderClick()
{
    FComposeur->NomFichierSauve = e_RepSauve->text().toStdString();
    if (FComposeur->Valide() == TComposeurSaison::TResultat::Ok)
        SetModalResult(ResultatModal::Ok);
    else
        AfficheListe();
    e_RepSauve->setText(Qs(FComposeur->NomFichierSauve));
}

bool Tf_CreationSaison::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == tv_Saison->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDropEvent*>(event);
            const bool accepte =
                e->source() == lb_ListeFichier &&
                AccepteDepot(tv_Saison->itemAt(e->position().toPoint()), lb_ListeFichier->currentRow());
            // Entering is always allowed, so that moves over the tree keep being asked.
            if (accepte || event->type() == QEvent::DragEnter)
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            QTreeWidgetItem* item = tv_Saison->itemAt(e->position().toPoint());
            const int index = lb_ListeFichier->currentRow();
            if (e->source() == lb_ListeFichier && AccepteDepot(item, index)) {
                e->setDropAction(Qt::CopyAction);
                e->accept();
                DeposeSur(item, index);
            } else {
                e->ignore();
            }
            return true;
        }
        default:
            break;
        }
    }
    return TDialogue::eventFilter(objet, event);
}

// --- Openers ---

std::string ComposeNouvelleSaison(const std::string& fichierIni, TBarreEtat* statut, QWidget* parent)
{
    Tf_CreationSaison dialogue(nullptr, parent ? parent->window() : nullptr);
    dialogue.Tag = ModeNouvelle;
    dialogue.InitNomFichier(fichierIni, DossierDe(fichierIni), statut);
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return std::string();
    return dialogue.Composeur().FichierCree();
}

bool AfficheComposeurSaison(TPrincipale& principale)
{
    TSaison* saison = principale.GetSaison();
    auto* fenetre = dynamic_cast<QWidget*>(&principale);
    if (saison == nullptr) {
        const std::string fichier =
            ComposeNouvelleSaison(principale.GetFichierIni(), principale.GetBarreEtat(), fenetre);
        if (fichier.empty())
            return false;
        principale.OuvreFichier(fichier);
        return true;
    }
    const std::string ini = principale.GetFichierIni();
    Tf_CreationSaison dialogue(saison, fenetre);
    dialogue.Tag = ModeModification;
    dialogue.InitNomFichier(ini, DossierDe(ini), principale.GetBarreEtat());
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return false;
    principale.SignaleModification();
    principale.RemplitChampionnats();
    return true;
}

bool ConvertitEnSaison(TSaison& saison, const std::string& fichierIni, const std::string& appDir, TBarreEtat* statut,
                       QWidget* parent)
{
    Tf_CreationSaison dialogue(&saison, parent ? parent->window() : nullptr);
    dialogue.Tag = ModeConversion;
    dialogue.InitNomFichier(fichierIni, appDir, statut);
    // The tree finds each championship by its code: codes shared or missing
    // (older files) would lose championships, so they are numbered afresh.
    std::set<int> codes;
    for (int n = 1; n <= saison.NbChampionnat(); ++n)
        codes.insert(saison.GetChampionnat(n)->CodeChamp);
    if (static_cast<int>(codes.size()) != saison.NbChampionnat() || *codes.begin() < 1)
        for (int n = 1; n <= saison.NbChampionnat(); ++n)
            saison.GetChampionnat(n)->CodeChamp = n;
    const TLectureParam* catalogue = LectureParam();
    for (int n = 1; n <= saison.NbChampionnat(); ++n) {
        const TDonneesChampionnat* c = saison.GetChampionnat(n);
        std::string nom = catalogue ? catalogue->GetNom(c->Division) : std::string();
        if (nom.empty())
            nom = TraduitFmt(TexteChampionnatNumero, {n});
        dialogue.AjouteFichier(nom, c->CodeChamp,
                               catalogue && catalogue->ChercheDivision(c->Division) ? c->Division : 0);
    }
    return Dialogues().ExecuteModal(dialogue) == ResultatModal::Ok;
}

void EnregistrePagesComposeur()
{
    EnregistreCommandePage(CommandeComposeur,
                           [](TPrincipale& principale, int, int, int) { AfficheComposeurSaison(principale); });
}
