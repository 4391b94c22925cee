#include "pages/saisie/w_Resultats.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/CanevasQt.h"
#include "controls/Dessin.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/saisie/w_AjoutEquipeCoupe.h"
#include "pages/saisie/w_Penaltys.h"
#include "pages/saisie/w_Validation.h"
#include "platform/Couleurs.h"
#include "platform/Dialogues.h"
#include "platform/Imprimante.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"
#include "presentation/RapportJournee.h"
#include "presentation/ResultatsCoupe.h"

#include <QActionGroup>
#include <QDateEdit>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr int HauteurBarre = 64;
constexpr int LargeurListe = 150;
// Left when every team is placed, wide enough to drop a team back on.
constexpr int LargeurListeVide = 20;
// Rows tightened for a narrow window: the space around and inside a row.
constexpr int MargeSerree = 3, EcartSerre = 4, EcartLarge = 15;
// The frames shrink no further; their names are then shortened.
constexpr int LargeurCadreMini = 40;
// A row's frames and scores rise this far above its line.
constexpr int HausseLigne = 5;

// Where the first row's line lies: half a gap down, and never so high that
// the row rises out of the panel when many rows leave only small gaps.
int HautPremiereLigne(int gap)
{
    return std::max(gap / 2, HausseLigne + MargeSerree);
}

QDate VersQDate(TDateMatch d)
{
    return QDate(AnneeDateMatch(d), MoisDateMatch(d), JourDateMatch(d));
}

TDateMatch VersDateMatch(const QDate& d)
{
    return EncodeDateMatch(d.day(), d.month(), d.year());
}

QLabel* LabelJaune(QWidget* parent, const QString& texte)
{
    auto* label = new QLabel(texte, parent);
    StyleTexteJaune(label);
    return label;
}

TFondModele* Modele(const char* nom)
{
    return Dessin() ? Dessin()->Fond(nom) : nullptr;
}

} // namespace

// ---------------------------------------------------------------- frame and list

void TCadreResultat::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (OnMenu)
            OnMenu(event->globalPosition().toPoint());
        return;
    }
    TCadreDrop::mousePressEvent(event);
}

void TCadreResultat::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

void TCadreResultat::dropEvent(QDropEvent* event)
{
    if (!AccepteDepot(event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (OnDepot)
        OnDepot(event->source());
}

void TListeEquipes::mouseDoubleClickEvent(QMouseEvent* event)
{
    TListe::mouseDoubleClickEvent(event);
    if (OnDblClick)
        OnDblClick();
}

void TListeEquipes::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OnDblClick) {
        OnDblClick();
        return;
    }
    TListe::keyPressEvent(event);
}

void TListeEquipes::dropEvent(QDropEvent* event)
{
    if (!AccepteDepot(event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (OnDepot)
        OnDepot(event->source());
}

// ---------------------------------------------------------------- page

Tf_Resultats::Tf_Resultats(QWidget* parent) : TFootForm(parent)
{
    FondMatch = new TFondScroll(this);
    FondMatch->SetModele(Modele("FondCarrebleu"));
    FondMatch->SetModeleScroll(Modele("FondToutBleu"));
    FondMatch->OnResize = [this] { FondMatchresize(); };

    l_Equipe = new TListeEquipes(this);
    l_Equipe->SetItemHeight(13);
    l_Equipe->SetGagneElement(true);
    l_Equipe->OnDblClick = [this] { l_EquipeDblClick(); };
    l_Equipe->OnDepot = [this](QObject* source) { l_EquipeDragDrop(source); };

    FondCopie2 = new TFondCopie(this);
    FondCopie2->SetModele(Modele("FondToutBleu"));
    Label1 = LabelJaune(FondCopie2, QString::fromUtf8("Journée n°10"));
    Label143 = LabelJaune(FondCopie2, QString::fromUtf8("Date de la journée"));
    TrackBar1 = new QSlider(Qt::Horizontal, FondCopie2);
    TrackBar1->setMinimum(1);
    TrackBar1->setPageStep(1);
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    bde_DateJour = new QDateEdit(FondCopie2);
    bde_DateJour->setDisplayFormat("dd/MM/yyyy");
    bde_DateJour->setCalendarPopup(true);
    connect(bde_DateJour, &QDateEdit::dateChanged, this, [this] { bde_DateJourChange(); });
    connect(bde_DateJour, &QDateEdit::editingFinished, this, [this] { e_DateJourExit(); });

    TBoutonModele* modeleBouton = Dessin() ? Dessin()->BoutonOrange : nullptr;
    for (TBoutonCopie** b : {&b_Completer, &b_Verification, &BoutonCopie1}) {
        *b = new TBoutonCopie(FondCopie2);
        (*b)->SetModele(modeleBouton);
        (*b)->resize(150, 31);
    }
    b_Completer->SetCaption("Compléter le calendrier");
    b_Verification->SetCaption("Vérification");
    BoutonCopie1->SetCaption("Tout effacer");
    b_Completer->OnClick = [this] {
        if (FJournee)
            FJournee->Completer();
    };
    b_Verification->OnClick = [this] {
        if (FJournee)
            FJournee->Verifier();
    };
    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };

    pm_AjouteEquipeCoupe = new QMenu(this);
    mi_AjoutEquipe = pm_AjouteEquipeCoupe->addAction(QString::fromUtf8("Ajouter des équipes"));
    connect(mi_AjoutEquipe, &QAction::triggered, this, [this] { mi_AjoutEquipeClick(); });
    l_Equipe->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(l_Equipe, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (FJournee && FJournee->EstCoupe())
            pm_AjouteEquipeCoupe->popup(l_Equipe->mapToGlobal(p));
    });

    pm_Forfait = new QMenu(this);
    auto* groupe = new QActionGroup(pm_Forfait);
    mi_Forfait = pm_Forfait->addAction("Gagnant par forfait");
    mi_TapisVert = pm_Forfait->addAction("Gagnant sur tapis vert");
    mi_MatchNormal = pm_Forfait->addAction("Match Normal");
    for (QAction* a : {mi_Forfait, mi_TapisVert, mi_MatchNormal}) {
        a->setCheckable(true);
        groupe->addAction(a);
    }
    mi_MatchNormal->setChecked(true);
    connect(mi_Forfait, &QAction::triggered, this, [this] { mi_ForfaitClick(); });
    connect(mi_TapisVert, &QAction::triggered, this, [this] { mi_TapisVertClick(); });
    connect(mi_MatchNormal, &QAction::triggered, this, [this] { mi_MatchNormalClick(); });

    l_Finale = LabelJaune(this, "Finale");
    l_PetiteFinale = LabelJaune(this, QString::fromUtf8("Match pour la troisième place"));
    for (QLabel* l : {l_Finale, l_PetiteFinale}) {
        l->setAlignment(Qt::AlignHCenter);
        l->adjustSize();
        l->hide();
    }
    resize(640, 440);
}

Tf_Resultats::~Tf_Resultats()
{
    if (FJournee) {
        // The view goes first: only the model may still hear of the save.
        FJournee->SurAffichage = nullptr;
        FJournee->SurLignesCreees = nullptr;
        FJournee->SurLigneAjoutee = nullptr;
        FJournee->Quitte();
    }
}

QWidget* Tf_Resultats::Contenu() const
{
    return FondMatch->Contenu();
}

void Tf_Resultats::Initialiser(TSaison* saison)
{
    Saison = saison;
    FJournee = std::make_unique<TResultatsJournee>(saison);
    FJournee->OnModification = [this] { Modifie(); };
    FJournee->SurAffichage = [this] { Affiche(); };
    FJournee->SurLignesCreees = [this] { ConstruitLignes(); };
    FJournee->SurLigneAjoutee = [this] {
        AjouteControlesLigne(NbLignes());
        FondMatchresize();
    };
    // Cup decision after a score, calendar completion and the day check.
    TServicesResultats services;
    services.DemandeTirsAuBut = [this](uint16_t id1, uint16_t id2) { return DemandeTirsAuBut(Saison, id1, id2, this); };
    services.AfficheVerification = [this](const ControleCalendrier::TVerification& v) { AfficheVerification(v, this); };
    services.ApresVerification = [this] {
        if (FJournee && !FJournee->ParDate())
            TrackBar1->setFocus();
    };
    BrancheResultatsCoupe(*FJournee, std::move(services));
    l_Finale->setParent(Contenu());
    l_PetiteFinale->setParent(Contenu());
    l_Finale->hide();
    l_PetiteFinale->hide();

    Label143->setText(QString::fromStdString(Traduit(739)));
    b_Completer->SetCaption(Traduit(740));
    b_Verification->SetCaption(Traduit(741));
    BoutonCopie1->SetCaption(Traduit(1201));
    mi_AjoutEquipe->setText(QString::fromStdString(Traduit(897)));
    mi_Forfait->setText(QString::fromStdString(Traduit(929)));
    mi_TapisVert->setText(QString::fromStdString(Traduit(930)));
    mi_MatchNormal->setText(QString::fromStdString(Traduit(931)));
    // The captions over a cup's final and third-place match: the final is the
    // round name of the day titles.
    l_Finale->setText(QString::fromStdString(Traduit(271)));
    l_PetiteFinale->setText(QString::fromStdString(Traduit(3293)));
    l_Finale->adjustSize();
    l_PetiteFinale->adjustSize();

    FEnAffichage = true;
    FJournee->Initialiser();
    const TDonneesChampionnat* c = FJournee->GetChampionnat();
    const int n = c ? c->GetNbJour() : 0;
    TrackBar1->setMaximum(std::max(1, FJournee->MaxPiste()));
    TrackBar1->setFixedWidth(n > 0 ? (200 / n) * n + 24 : 24);
    TrackBar1->setValue(std::max(1, FJournee->PositionPiste()));
    FEnAffichage = false;
    if (saison)
        Label1->setText(QString::fromStdString(GetTitreJournee(*saison)));
    PlaceZones();
}

void Tf_Resultats::CreerLignes()
{
    if (FJournee)
        FJournee->CreerLignes();
}

void Tf_Resultats::AfficherJournee(bool depuisCompletion)
{
    if (FJournee)
        FJournee->AfficherJournee(depuisCompletion);
}

void Tf_Resultats::EnregistrerJournee()
{
    if (FJournee)
        FJournee->EnregistrerJournee();
}

void Tf_Resultats::TrierMatchsSelonClassement()
{
    if (FJournee)
        FJournee->TrierMatchsSelonClassement();
}

std::string Tf_Resultats::GetTitreJournee(const TSaison& saison)
{
    return TResultatsJournee::GetTitreJournee(saison);
}

void Tf_Resultats::ValideSaisieEnCours()
{
    if (FJournee)
        FJournee->ValideSaisieEnCours();
}

void Tf_Resultats::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    // Shown again after being kept hidden: what it shows may be old.
    if (FMontree && FJournee)
        FJournee->Rafraichit();
    FMontree = true;
}

// ---------------------------------------------------------------- rows

void Tf_Resultats::LibererLignes()
{
    for (TControlesLigne& l : FLignes) {
        delete l.Date;
        for (int c = 0; c < 2; ++c) {
            delete l.Cadre[c];
            delete l.Score[c];
        }
        delete l.Separateur;
        delete l.Info;
    }
    FLignes.clear();
}

std::vector<std::string> Tf_Resultats::NomsEquipes() const
{
    std::vector<std::string> noms;
    const TDonneesChampionnat* c = FJournee ? FJournee->GetChampionnat() : nullptr;
    if (Saison != nullptr && c != nullptr)
        for (int p = 0; p < c->GetNbEquipe(); ++p)
            noms.push_back(Saison->GetNomEquipeChamp(p));
    return noms;
}

int Tf_Resultats::LargeurDate(const QLineEdit& edition)
{
    // The widest date the mask takes, inside the frame and Qt's two-pixel margins.
    QStyleOptionFrame option;
    option.initFrom(&edition);
    const int cadre = edition.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edition);
    const int texte = edition.fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000"));
    return std::max(66, texte + 2 * (cadre + 2) + 4);
}

void Tf_Resultats::AjouteControlesLigne(int i)
{
    const TLigneResultat* ligne = FJournee->GetLigne(i);
    if (!ligne)
        return;
    TControlesLigne l;
    QWidget* contenu = Contenu();
    const bool glisse = FJournee->GlissementPermis();
    if (ligne->AvecDate) {
        l.Date = new QLineEdit(contenu);
        l.Date->setInputMask("00/00/0000; ");
        l.Date->setFixedWidth(LargeurDate(*l.Date));
        connect(l.Date, &QLineEdit::textEdited, this, [this, i] {
            if (!FEnAffichage)
                FJournee->SetDate(i, FLignes[i].Date->displayText().toStdString());
        });
        connect(l.Date, &QLineEdit::editingFinished, this, [this, i] { DateMatchExit(i); });
    }
    for (int c = 0; c < 2; ++c) {
        auto* cadre = new TCadreResultat(contenu);
        // A row added later may bring a team added to the cup with a longer name.
        if (c == 0) {
            const int largeur = LargeurCadrePour(*cadre, NomsEquipes(), 120);
            FLargeurCadre = i == 0 ? largeur : std::max(FLargeurCadre, largeur);
        }
        cadre->resize(FLargeurCadre, 25);
        cadre->SetDrag(glisse);
        cadre->setAcceptDrops(glisse);
        cadre->OnDblClick = [this, i, c] { CadreDblClick(i, c); };
        cadre->OnMenu = [this, i, c](QPoint p) { CadreMouseDown(i, c, p); };
        cadre->OnDepot = [this, i, c](QObject* source) { CadreDragDrop(i, c, source); };
        l.Cadre[c] = cadre;

        auto* score = new TEditRond(contenu);
        score->SetMaxlength(3);
        score->SetTabStop(true);
        score->OnKeyPress = [this, i](QString& touche) {
            if (!FJournee->ScoreEditable(i))
                touche.clear();
        };
        score->OnChange = [this, i, c] {
            if (!FEnAffichage)
                FJournee->SetScore(i, c, FLignes[i].Score[c]->Text());
        };
        score->OnExit = [this, i, c] { ScoreExit(i, c); };
        l.Score[c] = score;
    }
    l.Separateur = LabelJaune(contenu, "-");
    l.Separateur->adjustSize();
    if (ligne->AvecInfo) {
        l.Info = LabelJaune(contenu, "");
        l.Info->setMinimumWidth(150);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{l.Date, l.Cadre[0], l.Cadre[1], l.Score[0], l.Score[1], l.Separateur, l.Info})
        if (w) {
            w->move(1, 1);
            w->show();
        }
    FLignes.push_back(l);
    // Scores in row order first, then the dates.
    QWidget* precedent = nullptr;
    for (const TControlesLigne& x : FLignes)
        for (QWidget* w : {static_cast<QWidget*>(x.Score[0]), static_cast<QWidget*>(x.Score[1])}) {
            if (precedent)
                setTabOrder(precedent, w);
            precedent = w;
        }
    for (const TControlesLigne& x : FLignes)
        if (x.Date) {
            if (precedent)
                setTabOrder(precedent, x.Date);
            precedent = x.Date;
        }
}

void Tf_Resultats::ConstruitLignes()
{
    LibererLignes();
    for (int i = 0; i < FJournee->NbLignes(); ++i)
        AjouteControlesLigne(i);
    const bool manuel = FJournee->PlacementManuel();
    l_Equipe->SetCanDrag(manuel);
    l_Equipe->setAcceptDrops(manuel);
    // The team list's width follows what the new rows ask.
    PlaceZones();
    Place(true);
}

void Tf_Resultats::FondMatchresize()
{
    Place(false);
}

void Tf_Resultats::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    PlaceZones();
}

void Tf_Resultats::PlaceZones()
{
    // The bar below: the day's title over its track bar and the day date on
    // the left, the buttons on the right; when the page is too narrow for
    // both, the buttons take a second row rather than lie over the track bar.
    constexpr int Marge = 8, Ecart = 10, HauteurLigne = 31;
    int gauche = Marge;
    if (!Label1->isHidden()) {
        Label1->setGeometry(Marge, 4, std::max(TrackBar1->width(), Label1->sizeHint().width()), 18);
        TrackBar1->move(Marge, 26);
        gauche = std::max(Label1->geometry().right(), TrackBar1->geometry().right()) + 1 + 2 * Ecart;
    }
    Label143->setGeometry(gauche, 4, std::max(110, Label143->sizeHint().width()), 18);
    bde_DateJour->setGeometry(gauche, 26, 110, 24);
    if (!Label143->isHidden())
        gauche = std::max(Label143->geometry().right(), bde_DateJour->geometry().right()) + 1 + 2 * Ecart;

    std::vector<TBoutonCopie*> boutons;
    for (TBoutonCopie* b : {b_Completer, b_Verification, BoutonCopie1})
        if (!b->isHidden())
            boutons.push_back(b);
    int largeurBoutons = 0;
    for (TBoutonCopie* b : boutons)
        largeurBoutons += b->width() + Ecart;
    const bool uneLigne = gauche + largeurBoutons + Marge - Ecart <= width();
    const int hauteurBarre = uneLigne ? HauteurBarre : HauteurBarre + HauteurLigne + Ecart;
    int x = width() - Marge - largeurBoutons + Ecart;
    const int y = uneLigne ? 16 : HauteurBarre - 4;
    for (TBoutonCopie* b : boutons) {
        b->move(std::max(x, Marge), y);
        x += b->width() + Ecart;
    }

    // The page's own areas: the rows, the team list on the right, the bar below.
    const int haut = std::max(0, height() - hauteurBarre);
    const int liste = LargeurListeEquipes(haut);
    FondMatch->setGeometry(0, 0, std::max(0, width() - liste), haut);
    l_Equipe->setGeometry(std::max(0, width() - liste), 0, liste, haut);
    FondCopie2->setGeometry(0, haut, width(), hauteurBarre);
}

int Tf_Resultats::LargeurLigne(bool creation) const
{
    if (FLignes.empty())
        return 0;
    // The rows as laid out below when the room is there: their left edge at
    // five pixels at least, as much on the right.
    const int date = FLignes[0].Date ? FLignes[0].Date->width() : 0;
    const int milieu = creation ? 90 : 100;
    if (!FLignes[0].Date)
        return 10 + 2 * FLargeurCadre + milieu + 5;
    return date + (creation ? 44 : 14) + 2 * FLargeurCadre + milieu + 5;
}

int Tf_Resultats::LargeurListeEquipes(int hauteur) const
{
    // The list keeps its width while the rows have room beside it; else it
    // gives the rows what its teams do not need.
    const int bords = 2 * FondMatch->ScrollLeft();
    if (width() - LargeurListe >= LargeurLigne(false) + bords)
        return LargeurListe;
    if (l_Equipe->Nb() == 0)
        return LargeurListeVide;
    const QFontMetrics mesure(l_Equipe->font());
    int texte = 0;
    for (int i = 0; i < l_Equipe->Nb(); ++i)
        texte = std::max(texte, mesure.horizontalAdvance(QString::fromStdString(l_Equipe->Texte(i))));
    int largeur = texte + 2 * l_Equipe->frameWidth() + 8;
    if (l_Equipe->Nb() * l_Equipe->ItemHeight() > hauteur - 2 * l_Equipe->frameWidth())
        largeur += l_Equipe->verticalScrollBar()->sizeHint().width();
    return std::clamp(largeur, LargeurListeVide, LargeurListe);
}

void Tf_Resultats::Place(bool creation)
{
    const int largeurVue = FondMatch->width() - 2 * FondMatch->ScrollLeft();
    PlaceLignes(creation, largeurVue);
    // Rows that reach below the view bring the vertical bar, which takes its width from them.
    const int hauteurVue = FondMatch->height() - 2 * FondMatch->ScrollTop();
    if (FondMatch->HauteurContenu() > hauteurVue && FondMatch->ScrollVertical())
        PlaceLignes(creation, largeurVue - FondMatch->MyScrollv()->sizeHint().width());
    FondMatch->MiseAJourScroll();
}

void Tf_Resultats::PlaceLignes(bool creation, int largeurVue)
{
    const int r = NbLignes();
    if (r == 0 || !FJournee)
        return;
    if (LargeurLigne(creation) > largeurVue) {
        PlaceLignesSerrees(largeurVue);
        PlaceTitresFinales();
        return;
    }
    for (const TControlesLigne& l : FLignes)
        for (TCadreResultat* c : l.Cadre)
            c->resize(FLargeurCadre, c->height());
    const int h = FondMatch->height();
    const int w = FondMatch->width();
    const int gap = h - 30 * r - 20 > 4 * r ? (h - 30 * r - 20) / r : 5;
    const int pas = gap + 30;
    const int y0 = HautPremiereLigne(gap);
    // Frames and date edits as wide as the real names and dates ask, never
    // narrower than 120 and 66; the row keeps its gaps around them.
    const int cadre = FLignes[0].Cadre[0]->width();
    const int date = FLignes[0].Date ? FLignes[0].Date->width() : 0;
    int x;
    if (!FLignes[0].Date) {
        x = w - (2 * cadre + 120);
        x = x <= 20 ? 10 : x / 2;
    } else {
        const int mini = date + (creation ? 44 : 14);
        x = w - (2 * cadre + 220);
        x = x <= 2 * mini ? mini : x / 2;
    }
    for (int i = 0; i < r; ++i) {
        const TControlesLigne& l = FLignes[i];
        const int t = pas * i + y0;
        if (l.Date)
            l.Date->move(x - date - (creation ? 39 : 9), t - HausseLigne);
        l.Cadre[0]->move(x, t - HausseLigne);
        l.Cadre[1]->move(x + cadre + (creation ? 90 : 100), t - HausseLigne);
        l.Score[0]->move(x + cadre + 15, t - HausseLigne);
        l.Score[1]->move(x + cadre + 60, t - HausseLigne);
        l.Separateur->move(x + cadre + 48, t);
        if (l.Info)
            l.Info->move(x + cadre, t + (creation ? 22 : 28));
    }
    if (FJournee->FinalesVisibles() || creation)
        PlaceTitresFinales();
}

void Tf_Resultats::PlaceLignesSerrees(int largeurVue)
{
    // Too narrow for the usual gaps: the row closes them, then its frames
    // take what is left, their names shortened with the whole in the tooltip.
    const int r = NbLignes();
    const int h = FondMatch->height();
    const int gap = h - 30 * r - 20 > 4 * r ? (h - 30 * r - 20) / r : 5;
    const int pas = gap + 30;
    const int y0 = HautPremiereLigne(gap);
    const TControlesLigne& l0 = FLignes[0];
    const int date = l0.Date ? l0.Date->width() : 0;
    const int rond = l0.Score[0]->width();
    const int separateur = l0.Separateur->width();
    // The gaps beside the date and the scores; the separator keeps its two pixels.
    const int nbEcarts = l0.Date ? 3 : 2;
    const int fixe = 2 * MargeSerree + date + 2 * rond + separateur + 4;
    const int reste = largeurVue - fixe - nbEcarts * EcartSerre;
    const int cadre = std::clamp(reste / 2, LargeurCadreMini, FLargeurCadre);
    const int ecart = std::min(EcartLarge, EcartSerre + std::max(0, reste - 2 * cadre) / nbEcarts);
    const int largeur = fixe - 2 * MargeSerree + nbEcarts * ecart + 2 * cadre;
    const int x0 = std::max(MargeSerree, (largeurVue - largeur) / 2);
    const int droite = x0 + largeur;
    for (int i = 0; i < r; ++i) {
        const TControlesLigne& l = FLignes[i];
        const int t = pas * i + y0 - HausseLigne;
        int x = x0;
        if (l.Date) {
            l.Date->move(x, t);
            x += date + ecart;
        }
        l.Cadre[0]->setGeometry(x, t, cadre, l.Cadre[0]->height());
        x += cadre + ecart;
        l.Score[0]->move(x, t);
        x += rond + 2;
        l.Separateur->move(x, t + HausseLigne);
        x += separateur + 2;
        l.Score[1]->move(x, t);
        x += rond + ecart;
        l.Cadre[1]->setGeometry(x, t, cadre, l.Cadre[1]->height());
        if (l.Info)
            l.Info->move(std::max(x0, std::min(l.Cadre[0]->geometry().right() + 1, droite - l.Info->width())), t + 33);
    }
}

void Tf_Resultats::PlaceTitresFinales()
{
    const int r = NbLignes();
    if (r == 2 && FJournee->FinalesVisibles()) {
        const QLabel* separateurs[2] = {FLignes[0].Separateur, FLignes[1].Separateur};
        QLabel* titres[2] = {l_Finale, l_PetiteFinale};
        for (int k = 0; k < 2; ++k) {
            titres[k]->adjustSize();
            titres[k]->move(separateurs[k]->x() - titres[k]->width() / 2 + 2, FLignes[k].Cadre[0]->y() - 20);
            titres[k]->show();
            titres[k]->raise();
        }
    } else {
        l_Finale->hide();
        l_PetiteFinale->hide();
    }
}

void Tf_Resultats::ColorerLigne(int i)
{
    const TLigneResultat* ligne = FJournee->GetLigne(i);
    if (!ligne || i >= NbLignes())
        return;
    const bool rouge = ligne->Speciale();
    const char* cadre = rouge ? "BoutonCreuxRouge" : i % 2 == 0 ? "BoutonCreuxBleu" : "BoutonCreuxOrange";
    const char* rond = rouge ? "RondCreuxRouge" : i % 2 == 0 ? "RondCreuxBleu" : "RondCreuxOrange";
    for (int c = 0; c < 2; ++c) {
        FLignes[i].Cadre[c]->SetModele(Modele(cadre));
        FLignes[i].Score[c]->SetModele(Modele(rond));
    }
}

void Tf_Resultats::AfficheLigne(int i)
{
    const TLigneResultat* ligne = FJournee->GetLigne(i);
    if (!ligne || i >= NbLignes())
        return;
    TControlesLigne& l = FLignes[i];
    if (l.Date)
        l.Date->setText(QString::fromStdString(ligne->Date));
    for (int c = 0; c < 2; ++c) {
        l.Cadre[c]->SetText(ligne->Equipe[c]);
        const int id = FJournee->IdEquipe(ligne->Equipe[c]);
        l.Cadre[c]->SetNumero(static_cast<uint16_t>(id < 0 ? 0 : id));
        l.Score[c]->SetText(ligne->Score[c]);
    }
    if (l.Info) {
        l.Info->setText(QString::fromStdString(ligne->Info));
        l.Info->adjustSize();
    }
    ColorerLigne(i);
}

void Tf_Resultats::Affiche()
{
    FEnAffichage = true;
    for (int i = 0; i < NbLignes(); ++i)
        AfficheLigne(i);
    l_Equipe->Vide();
    for (const std::string& nom : FJournee->GetEquipesLibres())
        l_Equipe->Ajoute(nom);
    const bool titre = FJournee->TitreVisible();
    Label1->setVisible(titre);
    TrackBar1->setVisible(titre);
    b_Completer->setVisible(titre);
    const bool date = FJournee->DateJourVisible();
    Label143->setVisible(date);
    bde_DateJour->setVisible(date);
    if (JourDateMatch(FJournee->GetDatePicker()) != 0)
        bde_DateJour->setDate(VersQDate(FJournee->GetDatePicker()));
    if (Saison)
        Label1->setText(QString::fromStdString(GetTitreJournee(*Saison)));
    TrackBar1->setValue(std::max(1, FJournee->PositionPiste()));
    FEnAffichage = false;
    PlaceZones();
}

// ---------------------------------------------------------------- handlers

void Tf_Resultats::TrackBar1Change()
{
    if (FEnAffichage || !FJournee)
        return;
    FJournee->ChangeJournee(TrackBar1->value());
}

void Tf_Resultats::bde_DateJourChange()
{
    if (FEnAffichage || !FJournee)
        return;
    FJournee->ChangeDateJour(VersDateMatch(bde_DateJour->date()));
}

void Tf_Resultats::e_DateJourExit()
{
    if (FEnAffichage || !FJournee)
        return;
    FJournee->ValideDateJour(VersDateMatch(bde_DateJour->date()));
}

void Tf_Resultats::l_EquipeDblClick()
{
    const int i = l_Equipe->ItemIndex();
    if (FJournee && i >= 0 && i < l_Equipe->Nb())
        FJournee->PlaceEquipe(l_Equipe->Texte(i));
}

void Tf_Resultats::BoutonCopie1Click()
{
    if (FJournee)
        FJournee->EffaceJourneeSiConfirme();
}

void Tf_Resultats::mi_AjoutEquipeClick()
{
    if (!FJournee)
        return;
    Tf_AjoutEquipeCoupe dialogue(this);
    dialogue.Saison = Saison;
    dialogue.Presentes = FJournee->EquipesPresentes();
    dialogue.Candidats = FJournee->CandidatsCoupe();
    if (Dialogues().ExecuteModal(dialogue) == QDialog::Accepted)
        FJournee->AjouteEquipesCoupe(dialogue.Choisies);
}

void Tf_Resultats::CadreMouseDown(int ligne, int /*cote*/, QPoint global)
{
    const TLigneResultat* l = FJournee ? FJournee->GetLigne(ligne) : nullptr;
    if (!l)
        return;
    FLigneMenu = ligne;
    (l->TypeResultat == TLigneResultat::Forfait     ? mi_Forfait
     : l->TypeResultat == TLigneResultat::TapisVert ? mi_TapisVert
                                                    : mi_MatchNormal)
        ->setChecked(true);
    if (isVisible())
        pm_Forfait->popup(global);
}

void Tf_Resultats::mi_ForfaitClick()
{
    if (FJournee)
        FJournee->Forfait(FLigneMenu);
}

void Tf_Resultats::mi_TapisVertClick()
{
    if (FJournee)
        FJournee->TapisVert(FLigneMenu);
}

void Tf_Resultats::mi_MatchNormalClick()
{
    if (FJournee)
        FJournee->MatchNormal(FLigneMenu);
}

void Tf_Resultats::CadreDblClick(int ligne, int cote)
{
    if (FJournee)
        FJournee->RendEquipe(ligne, cote);
}

void Tf_Resultats::CadreDragDrop(int ligne, int cote, QObject* source)
{
    if (!FJournee)
        return;
    if (source == l_Equipe) {
        const int i = l_Equipe->ItemIndex();
        if (i >= 0 && i < l_Equipe->Nb())
            FJournee->DeposeEquipe(l_Equipe->Texte(i), ligne, cote);
        return;
    }
    for (int i = 0; i < NbLignes(); ++i)
        for (int c = 0; c < 2; ++c)
            if (FLignes[i].Cadre[c] == source)
                FJournee->EchangeEquipes(i, c, ligne, cote);
}

void Tf_Resultats::l_EquipeDragDrop(QObject* source)
{
    if (!FJournee)
        return;
    for (int i = 0; i < NbLignes(); ++i)
        for (int c = 0; c < 2; ++c)
            if (FLignes[i].Cadre[c] == source)
                FJournee->RendEquipeDeposee(i, c);
}

void Tf_Resultats::DateMatchExit(int ligne)
{
    if (!FJournee || FEnAffichage || ligne >= NbLignes() || !FLignes[ligne].Date)
        return;
    FJournee->SetDate(ligne, FLignes[ligne].Date->displayText().toStdString());
    FJournee->ValideDateMatch(ligne);
}

void Tf_Resultats::ScoreExit(int ligne, int cote)
{
    if (FJournee && !FEnAffichage)
        FJournee->SortieScore(ligne, cote);
}

// ---------------------------------------------------------------- commands

// ---------------------------------------------------------------- printing and HTML

void Tf_Resultats::Imprime()
{
    ValideSaisieEnCours();
    const TDonneesChampionnat* champ = FJournee->GetChampionnat();
    if (Saison == nullptr || champ == nullptr)
        return;
    TImprimante& imprimante = ::Imprimante();
    imprimante.SetOrientation(TImprimante::TOrientation::Portrait);
    if (!imprimante.BeginDoc())
        return;
    {
        // Every page carries the document's title above the day.
        const int titre = imprimante.ImprimeTitre();
        QPainter& p = *imprimante.Canvas();
        p.save();
        p.translate(0, titre);
        // The canvas lets go of the printer's painter before the document ends.
        TPapierQt papier(p, QRect(0, 0, imprimante.PageWidth(), imprimante.PageHeight() - titre),
                         imprimante.Resolution(), font(), PointsImpressionRapport);
        RapportJournee::Dessine(papier.Canevas, *Saison, *champ, FJournee->GetJournee(), papier.Zone.Height(),
                                [&imprimante] {
                                    imprimante.NewPage();
                                    imprimante.ImprimeTitre();
                                });
        p.restore();
    }
    imprimante.EndDoc();
}

bool Tf_Resultats::ExporteHtml(const std::string& NomFichier)
{
    ValideSaisieEnCours();
    const TDonneesChampionnat* champ = FJournee->GetChampionnat();
    if (Saison == nullptr || champ == nullptr)
        return false;
    const std::string html = RapportJournee::PageHtml(*Saison, *champ, FJournee->GetJournee(), TitreDocument());
    if (EcritHtml(NomFichier, html, true))
        return true;
    SignaleEchecExport(NomFichier);
    return false;
}

std::string Tf_Resultats::JourneeDocument() const
{
    return FJournee && FJournee->GetChampionnat() != nullptr ? TexteJournee(FJournee->GetJournee()) : std::string();
}

void Tf_Resultats::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                   const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"score", "rapportmatch"}, Nom, Params, Resultat, Args, Saison))
        return;
    const std::string nom = MinusculesAscii(Nom);
    const TDonneesChampionnat* champ = ChampionnatParametre(Params, Saison);
    if (champ == nullptr)
        return;
    const int jour = LitParametreEntier("Journee", Params, champ->NbJournee);
    auto drapeau = [&Params](const char* mot) {
        return std::any_of(Params.begin(), Params.end(),
                           [mot](const std::string& l) { return MinusculesAscii(l) == MinusculesAscii(mot); });
    };
    if (nom == "score") {
        RapportJournee::TParamScore p;
        p.Journee = jour;
        p.NbColonne = LitParametre("NbColonne", Params, p.NbColonne);
        p.CouleurTitre = LitParametre("CouleurTitre", Params, p.CouleurTitre);
        p.FonteTitre = LitParametre("FonteTitre", Params, p.FonteTitre);
        p.CouleurLigne1 = LitParametre("CouleurLigne1", Params, p.CouleurLigne1);
        p.CouleurLigne2 = LitParametre("CouleurLigne2", Params, p.CouleurLigne2);
        p.FonteLigne = LitParametre("FonteLigne", Params, p.FonteLigne);
        p.FormatLigne = LitParametre("FormatLigne", Params, "");
        p.FicheDetail = LitParametre("FicheDetail", Params, "");
        p.ParametreLien = LitParametre("ParametreLien", Params, "");
        p.ExtraExt = LitParametre("#ExtraExt", Params, "");
        Resultat = RapportJournee::Score(*Saison, *champ, p);
        return;
    }
    RapportJournee::TParamRapport p;
    p.Journee = jour;
    p.Match = LitParametreEntier("Match", Params, 1);
    p.CouleurTitre = LitParametre("CouleurTitre", Params, p.CouleurTitre);
    p.FonteTitre = LitParametre("FonteTitre", Params, p.FonteTitre);
    p.CouleurLigne1 = LitParametre("CouleurLigne1", Params, p.CouleurLigne1);
    p.CouleurLigne2 = LitParametre("CouleurLigne2", Params, p.CouleurLigne2);
    p.FonteLigne = LitParametre("FonteLigne", Params, p.FonteLigne);
    p.Affluence = drapeau("MontreAffluence");
    p.Arbitre = drapeau("MontreArbitre");
    p.Stade = drapeau("MontreStade");
    p.Buteur = drapeau("MontreButeur");
    p.Carton = drapeau("MontreCarton");
    p.Effectif = drapeau("MontreEffectif");
    Resultat = RapportJournee::RapportMatch(*Saison, *champ, p);
}

void EnregistrePagesSaisie()
{
    static const bool motsCles = [] {
        GestionFonction().Ajoute<Tf_Resultats>("Score", CodeFonction::Journee);
        GestionFonction().Ajoute<Tf_Resultats>("RapportMatch", CodeFonction::Match);
        return true;
    }();
    (void)motsCles;
    EnregistrePage<Tf_Resultats>({Commande::Resultats}, [](Tf_Resultats& page, TPrincipale& principale, int) {
        page.Initialiser(principale.GetSaison());
        page.CreerLignes();
        page.FondMatchresize();
    });
}
