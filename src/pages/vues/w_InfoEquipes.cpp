#include "pages/vues/w_InfoEquipes.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "presentation/SansDonnees.h"
#include "presentation/VuesInfoEquipes.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

using namespace VuesInfoEquipes;

enum : int {
    TexteSerieEnCours = 206,
    TexteMeilleuresSeries = 207,
    TexteDomicile = 759,
    TexteExterieur = 763,
    TexteGeneral = 855,
};

constexpr int LargeurPanneau = 150;
constexpr int HauteurPanneau = 160;
constexpr int HauteurLigne = 20; // 21 pixels a row with its line
constexpr int Marge = 20;

// The page of each command.
int PageDeCommande(int Code)
{
    using namespace Commande;
    switch (Code) {
    case InfoAffluenceMoyenne:
        return PageAffluences;
    case InfoStades:
        return PageJoueursUtilises;
    case InfoEntraineurs:
        return PageRemplacements;
    case InfoRecords:
        return PageSansMarquer;
    case InfoSerieEnCours:
        return PageSansEncaisser;
    default:
        return PageButeurs;
    }
}

// What a keyword builds: a best-players statistic (0..7), or a view.
struct TMotCle {
    const char* Nom;
    int Page;
    int Stat;
};
constexpr std::array<TMotCle, 12> MotsCles{{
    {"MeilleursButeursEquipe", PageButeurs, 0},
    {"MeilleursEssaiEquipe", PageButeurs, 0},
    {"MeilleursRealisateurEquipe", PageButeurs, 1},
    {"MeilleursMarqueurEquipe", PageButeurs, 2},
    {"MeilleureReussite2ptsEquipe", PageButeurs, 3},
    {"MeilleureReussite3ptsEquipe", PageButeurs, 4},
    {"MeilleureReussiteLFEquipe", PageButeurs, 5},
    {"MeilleursRebondEquipe", PageButeurs, 6},
    {"MeilleursPasseurEquipe", PageButeurs, 7},
    {"MeilleursAffluencesEquipe", PageAffluences, -1},
    {"JoueursUtilisesEquipe", PageJoueursUtilises, -1},
    {"NbRemplacementEquipe", PageRemplacements, -1},
}};

const TMotCle* ChercheMotCle(const std::string& Nom)
{
    const std::string Cle = MinusculesAscii(Nom);
    for (const TMotCle& M : MotsCles)
        if (MinusculesAscii(M.Nom) == Cle)
            return &M;
    return nullptr;
}

TRondCoche* NouveauRond(QWidget* Parent, QVBoxLayout* Boite, int Texte, const char* Defaut, int Groupe)
{
    auto* Rond = new TRondCoche(Parent);
    Rond->SetCaption(TexteOuDefaut(Texte, Defaut));
    Rond->SetCouleurCoche(CouleursTheme::TexteSurFond);
    TexteClair(Rond); // the panel is dark
    Rond->SetGroupe(Groupe);
    Rond->setMinimumHeight(20);
    Boite->addWidget(Rond);
    return Rond;
}

TColorStringGrid* NouvelleGrille(QWidget* Parent)
{
    auto* G = new TColorStringGrid(Parent);
    G->SetAutoResize(false);
    G->SetDefaultRowHeight(HauteurLigne);
    G->SetSelectionVisible(false);
    G->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G->hide();
    return G;
}

} // namespace

Tf_InfoEquipes::Tf_InfoEquipes(QWidget* parent) : TFootForm(parent)
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setWidgetResizable(false);
    auto* Contenu = new QWidget(ScrollBox1);
    ScrollBox1->setWidget(Contenu);
    sg_Buteur = NouvelleGrille(Contenu);
    sg_Buteur->setObjectName("sg_Buteur");
    sg_Buteur->SetTypeTri(0, 1);
    sg_Buteur->SetTypeTri(1, 1);
    sg_Buteur->OnHotTrackClick = [this](int ACol, int ARow) { sg_ButeurHotTrackClick(ACol, ARow); };
    sg_Affluence = NouvelleGrille(Contenu);
    sg_Affluence->setObjectName("sg_Affluence");
    l_Vide = new QLabel(Contenu);
    l_Vide->hide();

    fc_Param = new TFondCopie(this);
    if (Dessin() != nullptr)
        fc_Param->SetModele(Dessin()->FondCarrebleu);
    auto* Boite = new QVBoxLayout(fc_Param);
    Boite->setContentsMargins(10, 10, 10, 10);
    rc_General = NouveauRond(fc_Param, Boite, TexteGeneral, "En général", 0);
    rc_Domicile = NouveauRond(fc_Param, Boite, TexteDomicile, "A Domicile", 0);
    rc_Exterieur = NouveauRond(fc_Param, Boite, TexteExterieur, "A l'exterieur", 0);
    Boite->addSpacing(6);
    rc_SerieCours = NouveauRond(fc_Param, Boite, TexteSerieEnCours, "Serie en cours", 1);
    rc_MeilleureSerie = NouveauRond(fc_Param, Boite, TexteMeilleuresSeries, "Meilleures series", 1);
    Boite->addStretch(1);
    rc_General->SetChecked(true);
    rc_SerieCours->SetChecked(true);
    for (TRondCoche* Rond : {rc_General, rc_Domicile, rc_Exterieur, rc_SerieCours, rc_MeilleureSerie})
        Rond->OnClick = [this] { rc_SerieCoursClick(); };
    fc_Param->hide();
}

Tf_InfoEquipes::~Tf_InfoEquipes() = default;

TColorStringGrid* Tf_InfoEquipes::GrilleMontree() const
{
    return Tag == PageAffluences ? sg_Affluence : sg_Buteur;
}

void Tf_InfoEquipes::Afficher(int n)
{
    n = PageValide(n);
    Tag = n;
    sg_Buteur->ReinitTri();
    sg_Buteur->ReinitColonnes();
    sg_Buteur->hide();
    sg_Affluence->hide();
    sg_Buteur->TriCol = PageTriable(n);
    fc_Param->setVisible(EstPageSeries(n));
    FSeries.reset();

    TColorStringGrid* Grille = GrilleMontree();
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        Grille->SetRowCount(0);
    } else if (n == PageAffluences) {
        AfficheAffluences(*Grille, *Saison, *Champ);
    } else if (n == PageJoueursUtilises || n == PageRemplacements) {
        AfficheCompositions(*Grille, *Saison, *Champ, n == PageRemplacements);
    } else if (EstPageSeries(n)) {
        AfficheSeries();
    } else {
        // The players' figures are not kept in the file: counted from the
        // match sheets, as every page that shows them does.
        Saison->RecalculeJoueurs();
        AfficheMeilleursJoueurs(*Grille, *Saison, *Champ, FChampionnat, StatistiquePage(n));
    }
    Grille->show();
    const std::string Vide =
        n == PageAffluences && Champ != nullptr ? SansDonnees::LigneAffluences(*Champ) : std::string();
    l_Vide->setText(QString::fromStdString(Vide));
    l_Vide->setVisible(!Vide.empty());
    Dispose();
}

void Tf_InfoEquipes::AfficheSeries()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        sg_Buteur->SetRowCount(0);
        return;
    }
    if (!FSeries)
        FSeries = std::make_unique<InfoEquipes::TTableMinutes>(InfoEquipes::CalculeSeriesMinutes(*Champ));
    TChoixSerie Choix;
    Choix.Genre = Tag == PageSansMarquer ? InfoEquipes::SansMarquer : InfoEquipes::SansEncaisser;
    Choix.Portee = rc_Domicile->Checked()    ? InfoEquipes::PorteeDomicile
                   : rc_Exterieur->Checked() ? InfoEquipes::PorteeExterieur
                                             : InfoEquipes::PorteeTous;
    Choix.Meilleure = rc_MeilleureSerie->Checked();
    AfficheSeriesMinutes(*sg_Buteur, *Saison, *Champ, *FSeries, Choix);
}

void Tf_InfoEquipes::rc_SerieCoursClick()
{
    if (!EstPageSeries(Tag))
        return;
    sg_Buteur->ReinitColonnes();
    sg_Buteur->ReinitTri();
    AfficheSeries();
    Dispose();
}

void Tf_InfoEquipes::sg_ButeurHotTrackClick(int ACol, int ARow)
{
    if (Saison == nullptr || ACol != 1 || ARow < 1 || ARow >= sg_Buteur->GetRowCount())
        return;
    const int Donnee = sg_Buteur->GetDonnee(ACol, ARow);
    if (EstPageSeries(Tag)) {
        Navigue(Commande::StatEquipe, Donnee);
        return;
    }
    bool Change = false;
    const TJoueur* Joueur = AfficheFicheJoueur(Donnee, Saison, &Change);
    if (Joueur == nullptr)
        return;
    if (Change)
        Modifie();
    sg_Buteur->SetTexte(ACol, ARow, Joueur->Nom + "  " + Joueur->Prenom);
}

void Tf_InfoEquipes::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    Dispose();
}

void Tf_InfoEquipes::Dispose()
{
    const int Panneau = fc_Param->isHidden() ? 0 : LargeurPanneau;
    ScrollBox1->setGeometry(0, 0, std::max(width() - Panneau, 0), height());
    fc_Param->setGeometry(width() - LargeurPanneau, 0, LargeurPanneau, std::min(height(), HauteurPanneau));
    TColorStringGrid* Grille = GrilleMontree();
    Grille->AjusteColonnesAuTexte();
    const int W = Grille->LargeurContenu() + 1;
    const int H = Grille->HauteurContenu() + 1;
    // The box's client area, known before the box has laid its viewport out.
    int Largeur = ScrollBox1->width() - 2 * ScrollBox1->frameWidth();
    int Hauteur = ScrollBox1->height() - 2 * ScrollBox1->frameWidth();
    // A grid larger than the box brings its scroll bars, which narrow the
    // room left (one bar may bring the other).
    const int Barre = ScrollBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool BarreH = false;
    bool BarreV = false;
    for (int Passe = 0; Passe < 2; ++Passe) {
        if (!BarreH && W + 2 > Largeur) {
            BarreH = true;
            Hauteur -= Barre;
        }
        if (!BarreV && H + 6 > Hauteur) {
            BarreV = true;
            Largeur -= Barre;
        }
    }
    const int Gauche = W < Largeur - Marge ? (Largeur - W) / 2 : 2;
    const int Haut = H < Hauteur - Marge ? (Hauteur - H) / 2 : 6;
    Grille->setGeometry(Gauche, Haut, W, H);
    if (!l_Vide->text().isEmpty())
        l_Vide->setGeometry(std::max((Largeur - l_Vide->sizeHint().width()) / 2, 2), Haut + H + 8,
                            l_Vide->sizeHint().width(), l_Vide->sizeHint().height());
    ScrollBox1->widget()->resize(std::max(Largeur, Gauche + W + 2), std::max(Hauteur, Haut + H + 6));
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void Tf_InfoEquipes::Imprime()
{
    GrilleMontree()->Imprime();
}

bool Tf_InfoEquipes::ExporteHtml(const std::string& NomFichier)
{
    if (GrilleMontree()->ExporteHtml(NomFichier, true, TitreDocument()))
        return true;
    SignaleEchecExport(NomFichier);
    return false;
}

void Tf_InfoEquipes::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                     const std::string& Args, TSaison* Saison)
{
    const TMotCle* Mot = ChercheMotCle(Nom);
    if (Mot == nullptr) {
        TFootForm::ExecuteFonction(Nom, Params, Resultat, Args, Saison);
        return;
    }
    Resultat.clear();
    const TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    TModeleGrille Grille;
    const std::vector<std::string> Couleurs = CouleursTableParam(Params);
    if (Mot->Page == PageButeurs) {
        Saison->RecalculeJoueurs();
        AfficheMeilleursJoueurs(Grille, *Saison, *Champ, Saison->GetNumChampCourant(), Mot->Stat);
        Grille.SetFixedCols(0);
        Resultat = Mot->Stat <= 1 ? Grille.GetTableHtmlColonnes(Couleurs) : Grille.GetTableHtml(Couleurs);
        return;
    }
    if (Mot->Page == PageAffluences)
        AfficheAffluences(Grille, *Saison, *Champ);
    else
        AfficheCompositions(Grille, *Saison, *Champ, Mot->Page == PageRemplacements);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(0);
    Resultat = Grille.GetTableHtml(Couleurs);
}

void EnregistrePagesInfoEquipes()
{
    using namespace Commande;
    EnregistrePage<Tf_InfoEquipes>(
        {InfoButeurs, InfoAffluenceMoyenne, InfoStades, InfoEntraineurs, InfoRecords, InfoSerieEnCours},
        [](Tf_InfoEquipes& Page, TPrincipale& Principale, int Code) {
            Page.Saison = Principale.GetSaison();
            Page.SetChampionnat(Page.Saison != nullptr ? Page.Saison->GetNumChampCourant() : 0);
            Page.Afficher(PageDeCommande(Code));
        },
        true);
    static const bool Enregistres = [] {
        for (const TMotCle& M : MotsCles)
            GestionFonction().Ajoute<Tf_InfoEquipes>(M.Nom, CodeFonction::Championnat);
        return true;
    }();
    (void)Enregistres;
}
