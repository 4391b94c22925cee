#include "pages/fiches/w_Recherche.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace VuesRecherche;

namespace {

// What a row dragged onto another carries: the grid's own rows only.
constexpr const char* FormatGlisse = "application/x-brevalune-joueur-recherche";

QString Texte(int Id)
{
    return QString::fromStdString(Traduit(Id));
}

TRondCoche* Rond(QWidget* parent, int Id)
{
    auto* r = new TRondCoche(parent);
    r->SetAutoSize(true);
    r->SetCaption(Id ? Traduit(Id) : std::string());
    r->setFixedSize(r->width(), 20);
    return r;
}

QLineEdit* Champ(QWidget* parent, int largeur)
{
    auto* e = new QLineEdit(parent);
    e->setFixedWidth(largeur);
    return e;
}

QHBoxLayout* Ligne(std::initializer_list<QWidget*> controles)
{
    auto* l = new QHBoxLayout;
    l->setSpacing(4);
    for (QWidget* c : controles)
        l->addWidget(c);
    l->addStretch();
    return l;
}

} // namespace

// ---------------------------------------------------------------- Tf_TransJoueur

Tf_TransJoueur::Tf_TransJoueur(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    setWindowTitle(Texte(991));
    Label20 = new QLabel(Texte(994), this);
    cb_Club = new QComboBox(this);
    cb_Club->setEditable(false);
    cb_Club->setMinimumWidth(220);
    b_Valider = CreeBoutonValider(this, 29, "Valider");
    b_Annuler = CreeBoutonAnnuler(this, 125, "Annuler");
    auto* boite = new QVBoxLayout(this);
    boite->addWidget(Label20);
    boite->addWidget(cb_Club);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(b_Valider);
    boutons->addWidget(b_Annuler);
    boutons->addStretch();
    boite->addLayout(boutons);
}

void Tf_TransJoueur::showEvent(QShowEvent* event)
{
    TDialogue::showEvent(event);
    FormShow();
}

void Tf_TransJoueur::FormShow()
{
    cb_Club->clear();
    if (!Saison)
        return;
    QStringList noms;
    for (int i = 0; i < Saison->NbEquipe(); ++i)
        noms << QString::fromStdString(Saison->GetNomEquipeIndex(i));
    noms.sort(Qt::CaseInsensitive);
    cb_Club->addItems(noms);
}

// ---------------------------------------------------------------- Tf_Recherche

Tf_Recherche::Tf_Recherche(QWidget* parent) : TFootForm(parent)
{
    auto* zone = new QScrollArea(this);
    zone->setFrameShape(QFrame::NoFrame);
    zone->setWidgetResizable(true);
    auto* contenu = new QWidget;
    zone->setWidget(contenu);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(zone);

    Label94 = new QLabel(Texte(836), contenu);
    Edit1 = new QLineEdit(contenu);
    Edit1->setMaxLength(20);
    Edit1->setFixedWidth(180);
    b_Rechercher = CreeBouton(contenu, 841, "Rechercher");
    b_Verifier = CreeBouton(contenu, 741, "Vérification");
    Label89 = new QLabel(Texte(74), contenu);
    clb_Poste = new QListWidget(contenu);
    clb_Poste->setFixedWidth(120);
    Label90 = new QLabel(Texte(73), contenu);
    RondCoche4 = Rond(contenu, 837);
    RondCoche4->SetChecked(true);
    RondCoche5 = Rond(contenu, 838);
    Edit2 = Champ(contenu, 32);
    Edit2->setText("18");
    Label104 = new QLabel(Texte(839), contenu);
    Edit3 = Champ(contenu, 32);
    Edit3->setText("24");
    Label105 = new QLabel(Texte(840), contenu);
    rc_naissance = Rond(contenu, 0);
    e_AgeJour = Champ(contenu, 30);
    e_AgeMois = Champ(contenu, 30);
    e_AgeAnnee = Champ(contenu, 46);
    Label91 = new QLabel(Texte(835), contenu);
    Label91->setAlignment(Qt::AlignCenter);

    auto* criteres = new QGridLayout;
    criteres->setHorizontalSpacing(14);
    criteres->setVerticalSpacing(4);
    criteres->addWidget(Label94, 0, 0);
    criteres->addWidget(Edit1, 1, 0);
    criteres->addWidget(b_Rechercher, 2, 0);
    criteres->addWidget(b_Verifier, 3, 0);
    criteres->addWidget(Label89, 0, 1);
    criteres->addWidget(clb_Poste, 1, 1, 3, 1, Qt::AlignTop);
    criteres->addWidget(Label90, 0, 2);
    criteres->addWidget(RondCoche4, 1, 2);
    criteres->addLayout(Ligne({RondCoche5, Edit2, Label104, Edit3, Label105}), 2, 2);
    criteres->addLayout(Ligne({rc_naissance, e_AgeJour, e_AgeMois, e_AgeAnnee}), 3, 2);
    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addLayout(criteres);
    centre->addStretch();

    // The grid is placed by hand in its panel: as high as its rows, centred.
    FPanneau = new QWidget(contenu);
    sg_Recherche = new TColorStringGrid(FPanneau);
    sg_Recherche->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Recherche->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Recherche->SetAutoResize(false);
    SetGrillePage(sg_Recherche);
    PrepareGrille(*sg_Recherche);

    auto* boite = new QVBoxLayout(contenu);
    boite->setContentsMargins(8, 8, 8, 8);
    boite->addLayout(centre);
    boite->addSpacing(6);
    boite->addWidget(Label91);
    boite->addWidget(FPanneau, 1);

    pm_Recherche = new QMenu(this);
    mi_Editer = pm_Recherche->addAction(Texte(910));
    mi_Effacer = pm_Recherche->addAction(Texte(909));
    mi_Transferer = pm_Recherche->addAction(Texte(991));
    pm_Recherche->setDefaultAction(mi_Editer);
    connect(mi_Editer, &QAction::triggered, this, [this] { mi_EditerClick(); });
    connect(mi_Effacer, &QAction::triggered, this, [this] { mi_EffacerClick(); });
    connect(mi_Transferer, &QAction::triggered, this, [this] { mi_TransfererClick(); });

    connect(Edit1, &QLineEdit::returnPressed, this, [this] { b_RechercherClick(); });
    b_Rechercher->OnClick = [this] { b_RechercherClick(); };
    b_Verifier->OnClick = [this] { b_VerifierClick(); };
    RondCoche4->OnClick = [this] { RondCoche4Click(); };
    RondCoche5->OnClick = [this] { RondCoche5Click(); };
    rc_naissance->OnClick = [this] { rc_naissanceClick(); };
    sg_Recherche->OnDblClick = [this] { mi_EditerClick(); };
    sg_Recherche->viewport()->setAcceptDrops(true);
    sg_Recherche->viewport()->installEventFilter(this);
    FPanneau->installEventFilter(this);
    ActiveChampsAge();
}

Tf_Recherche::~Tf_Recherche() = default;

void Tf_Recherche::FormShow()
{
    if (!FPremierAffichage || !Saison)
        return;
    FPremierAffichage = false;
    Edit1->clear();
    FControleur = std::make_unique<TControleurRecherche>(*Saison, *sg_Recherche);
    FControleur->Prepare();
    clb_Poste->clear();
    for (const TTexteObjet& poste : Saison->ListePostes()) {
        auto* element = new QListWidgetItem(QString::fromStdString(poste.Texte), clb_Poste);
        element->setData(Qt::UserRole, poste.Objet);
        element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
        element->setCheckState(Qt::Checked);
    }
    const int lignes = std::max(clb_Poste->count(), 1);
    clb_Poste->setFixedHeight(clb_Poste->sizeHintForRow(0) * lignes + 2 * clb_Poste->frameWidth() + 2);
    sg_Recherche->SelectionneCellule(1, 1);
    PlaceGrille();
}

RechercheJoueurs::TCriteres Tf_Recherche::Criteres() const
{
    RechercheJoueurs::TCriteres c;
    c.Motif = Edit1->text().toStdString();
    for (int i = 0; i < clb_Poste->count(); ++i)
        if (clb_Poste->item(i)->checkState() == Qt::Checked)
            c.Postes.push_back(clb_Poste->item(i)->data(Qt::UserRole).toInt());
    c.Age = RondCoche5->Checked()     ? RechercheJoueurs::TCritereAge::Entre
            : rc_naissance->Checked() ? RechercheJoueurs::TCritereAge::Naissance
                                      : RechercheJoueurs::TCritereAge::Tous;
    c.AgeDe = Edit2->text().toStdString();
    c.AgeA = Edit3->text().toStdString();
    c.Jour = e_AgeJour->text().toStdString();
    c.Mois = e_AgeMois->text().toStdString();
    c.Annee = e_AgeAnnee->text().toStdString();
    return c;
}

void Tf_Recherche::ActiveChampsAge()
{
    const bool entre = RondCoche5->Checked(), naissance = rc_naissance->Checked();
    for (QLineEdit* e : {Edit2, Edit3})
        e->setEnabled(entre);
    for (QLineEdit* e : {e_AgeJour, e_AgeMois, e_AgeAnnee})
        e->setEnabled(naissance);
}

void Tf_Recherche::RondCoche4Click()
{
    ActiveChampsAge();
}

void Tf_Recherche::RondCoche5Click()
{
    ActiveChampsAge();
}

void Tf_Recherche::rc_naissanceClick()
{
    ActiveChampsAge();
}

void Tf_Recherche::b_RechercherClick()
{
    if (!FControleur)
        return;
    FControleur->Cherche(Criteres());
    sg_Recherche->SelectionneCellule(1, 1);
    PlaceGrille();
}

void Tf_Recherche::b_VerifierClick()
{
    if (!FControleur)
        return;
    FControleur->Verifie();
    sg_Recherche->SelectionneCellule(1, 1);
    PlaceGrille();
}

void Tf_Recherche::mi_EditerClick()
{
    const int id = IdLigne(*sg_Recherche, sg_Recherche->GetRow());
    if (!FControleur || id == AucunId)
        return;
    bool change = false;
    AfficheFicheJoueur(id, Saison, &change);
    if (!change)
        return;
    FControleur->Refait();
    PlaceGrille();
    Modifie();
}

void Tf_Recherche::mi_EffacerClick()
{
    if (!FControleur || !FControleur->Supprime(sg_Recherche->GetRow()))
        return;
    PlaceGrille();
    Modifie();
}

void Tf_Recherche::mi_TransfererClick()
{
    const int ligne = sg_Recherche->GetRow();
    if (!FControleur || !FControleur->JoueurLigne(ligne))
        return;
    Tf_TransJoueur dialogue(this);
    dialogue.Saison = Saison;
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok ||
        !FControleur->Transfere(ligne, dialogue.cb_Club->currentText().toStdString()))
        return;
    PlaceGrille();
    Modifie();
}

void Tf_Recherche::sg_RechercheDragDrop(int Ligne)
{
    if (!FControleur)
        return;
    const auto ouvreFiche = [this](int id) {
        bool change = false;
        AfficheFicheJoueur(id, Saison, &change);
    };
    if (!FControleur->Fusionne(Ligne, sg_Recherche->GetRow(), ouvreFiche))
        return;
    PlaceGrille();
    Modifie();
}

void Tf_Recherche::PlaceGrille()
{
    // Titles and names longer than their column in the user's language widen it.
    sg_Recherche->AjusteColonnesAuTexte();
    // Wider than the page, the grid scrolls sideways by itself and the
    // criteria above stay in view.
    const int contenu = sg_Recherche->LargeurContenu();
    const int largeur = std::min(contenu, std::max(FPanneau->width(), 1));
    const bool defile = largeur < contenu;
    sg_Recherche->setHorizontalScrollBarPolicy(defile ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int hauteur =
        HauteurGrille(*sg_Recherche) + (defile ? sg_Recherche->horizontalScrollBar()->sizeHint().height() : 0);
    FPanneau->setMinimumHeight(hauteur);
    const int gauche = std::max((FPanneau->width() - largeur) / 2, 0);
    sg_Recherche->setGeometry(gauche, 0, largeur, hauteur);
}

bool Tf_Recherche::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == FPanneau && event->type() == QEvent::Resize)
        PlaceGrille();
    if (objet != sg_Recherche->viewport())
        return TFootForm::eventFilter(objet, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* souris = static_cast<QMouseEvent*>(event);
        int c = 0, r = 0;
        const bool cellule = sg_Recherche->CelluleA(souris->position().toPoint(), c, r) && r >= 1;
        FLigneGlissee = -1;
        if (souris->button() == Qt::RightButton && cellule) {
            sg_Recherche->SelectionneCellule(c, r);
            const bool joueur = IdLigne(*sg_Recherche, r) != AucunId;
            for (QAction* a : {mi_Editer, mi_Effacer, mi_Transferer})
                a->setEnabled(joueur);
            pm_Recherche->popup(souris->globalPosition().toPoint());
            return true;
        }
        if (souris->button() == Qt::LeftButton && cellule && IdLigne(*sg_Recherche, r) != AucunId) {
            FLigneGlissee = r;
            FDepartGlisse = souris->position().toPoint();
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        FLigneGlissee = -1;
        break;
    case QEvent::MouseMove: {
        auto* souris = static_cast<QMouseEvent*>(event);
        if (FLigneGlissee < 1 || !(souris->buttons() & Qt::LeftButton) ||
            (souris->position().toPoint() - FDepartGlisse).manhattanLength() < QApplication::startDragDistance())
            break;
        FLigneGlissee = -1;
        auto* donnees = new QMimeData;
        donnees->setData(FormatGlisse, QByteArray::number(sg_Recherche->GetRow()));
        auto* glisse = new QDrag(sg_Recherche->viewport());
        glisse->setMimeData(donnees);
        glisse->exec(Qt::MoveAction);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* glisse = static_cast<QDropEvent*>(event);
        if (glisse->source() == sg_Recherche->viewport() && glisse->mimeData()->hasFormat(FormatGlisse))
            glisse->acceptProposedAction();
        else
            glisse->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* glisse = static_cast<QDropEvent*>(event);
        int c = 0, r = 0;
        if (glisse->source() != sg_Recherche->viewport() || !glisse->mimeData()->hasFormat(FormatGlisse) ||
            !sg_Recherche->CelluleA(glisse->position().toPoint(), c, r))
            return true;
        glisse->acceptProposedAction();
        sg_RechercheDragDrop(r);
        return true;
    }
    default:
        break;
    }
    return TFootForm::eventFilter(objet, event);
}

void EnregistrePagesRecherche()
{
    // A new page every time.
    EnregistrePage<Tf_Recherche>({Commande::Recherche}, [](Tf_Recherche& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.FormShow();
    });
}
