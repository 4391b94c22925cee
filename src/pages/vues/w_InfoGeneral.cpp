#include "pages/vues/w_InfoGeneral.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/CanevasQt.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/Graphe.h"
#include "controls/ImageFond.h"
#include "controls/OwnerPageControl.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "platform/Imprimante.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"
#include "presentation/SansDonnees.h"
#include "presentation/VuesInfoGeneral.h"

#include <QEvent>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

enum : int {
    TexteNombreButs = 817,
    TexteSpectateursJournee = 972,
    TexteNombreCartons = 990,
    TexteAffluenceJour = 342,
    TexteCartonsJour = 343,
    TexteInformations = 709,
    TexteRepartition = 947,
    TexteMeilleuresAffluences = 3001,
    TexteEvolution = 3262,
};

// A tab caption of the page control, set off by two spaces each side.
QString Onglet(int Id, const char* Defaut)
{
    return QString::fromStdString("  " + TexteOuDefaut(Id, Defaut) + "  ");
}

constexpr TColor FondPage = 0x6F3400;        // #00346F
constexpr TColor FondRepartition = 0x6F3000; // #00306F
constexpr int LargeurIndice = 110;
constexpr TColor CouleurAxes = 0xFFFF00; // #00FFFF
// Below this width the boxes' texts do not fit side by side.
constexpr int LargeurLarge = 720;

QString Q(const std::string& S)
{
    return QString::fromStdString(S);
}

QLabel* Etiquette(QWidget* Parent, const std::string& Texte)
{
    auto* L = new QLabel(Q(Texte), Parent);
    L->setStyleSheet(QString("color: %1;").arg(Q(CouleurVersHtml(CouleursTheme::TexteSurFond))));
    return L;
}

TFondCopie* Boite(QWidget* Parent)
{
    auto* F = new TFondCopie(Parent);
    if (Dessin() != nullptr)
        F->SetModele(Dessin()->FondCarrebleu);
    QFont Police = F->font();
    Police.setPixelSize(11);
    F->setFont(Police);
    return F;
}

// A box of caption and value rows; the values are handed back.
template <size_t N>
void RemplitBoite(TFondCopie* Fond, const std::array<std::pair<int, const char*>, N>& Lignes,
                  std::array<QLabel*, N>& Valeurs, QLabel* Titre = nullptr, std::vector<QLabel*>* Legendes = nullptr)
{
    auto* G = new QGridLayout(Fond);
    G->setContentsMargins(8, 4, 8, 4);
    G->setVerticalSpacing(0);
    int Ligne = 0;
    if (Titre != nullptr)
        G->addWidget(Titre, Ligne++, 0, 1, 2);
    for (size_t i = 0; i < N; ++i, ++Ligne) {
        QLabel* Legende = Etiquette(Fond, TexteOuDefaut(Lignes[i].first, Lignes[i].second));
        if (Legendes != nullptr)
            Legendes->push_back(Legende);
        Valeurs[i] = Etiquette(Fond, "");
        Valeurs[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        G->addWidget(Legende, Ligne, 0);
        G->addWidget(Valeurs[i], Ligne, 1);
    }
}

TGraphBarre* Barres(QWidget* Parent, int LegendeY)
{
    auto* G = new TGraphBarre(Parent);
    if (LegendeY != 0)
        G->SetLegendeY(Traduit(LegendeY));
    return G;
}

// The two distribution charts in one picture, the second under the first.
bool SauveRepartitionPng(TGraphe& Graphe1, TGraphe& Graphe2, TColor Fond, const std::string& Fichier)
{
    return ImageDeuxGraphes(Graphe1, Graphe2, Fond).save(Q(Fichier), "PNG");
}

std::string DossierTemp()
{
    std::filesystem::path Dossier = std::filesystem::path(AppDir()) / "Temp";
    std::error_code Erreur;
    std::filesystem::create_directories(Dossier, Erreur);
    return Dossier.string();
}

// The figures of the page in the order of its value labels: totals, home
// and away, scorers.
std::array<std::string*, 21> Figures(InfoGeneral::TTextes& T)
{
    return {&T.Matchs,
            &T.Nuls,
            &T.AffluenceMoyenne,
            &T.Buts,
            &T.ButsParMatch,
            &T.Meilleur,
            &T.Pire,
            &T.Jaunes,
            &T.JaunesParMatch,
            &T.Rouges,
            &T.RougesParMatch,
            &T.VictoiresDomicile,
            &T.NulsDomicile,
            &T.DefaitesDomicile,
            &T.ButsDomicile,
            &T.ButsExterieur,
            &T.Buteurs[0],
            &T.Buteurs[1],
            &T.Buteurs[2],
            &T.Buteurs[3],
            &T.Buteurs[4]};
}

} // namespace

std::array<QLabel*, 21> Tf_InfoGeneral::LabelsFigures() const
{
    std::array<QLabel*, 21> Labels{};
    auto Fin = std::copy(ValeursTotaux.begin(), ValeursTotaux.end(), Labels.begin());
    Fin = std::copy(ValeursDomicile.begin(), ValeursDomicile.end(), Fin);
    std::copy(ValeursButeurs.begin(), ValeursButeurs.end(), Fin);
    return Labels;
}

// --- Tf_InfoGeneral ------------------------------------------------------------

Tf_InfoGeneral::Tf_InfoGeneral(QWidget* parent) : TFootForm(parent)
{
    setAutoFillBackground(true);
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, QColor(0x00, 0x34, 0x6F));
    setPalette(Palette);

    tab9 = new TOwnerPageControl(this);
    tab9->SetCouleur(FondPage);
    ts_Info = new QWidget;
    ts_Repartition = new QWidget;
    ts_Affluence = new QWidget;
    ts_Evolution = new QWidget;
    tab9->addTab(ts_Info, Onglet(TexteInformations, "Informations générales"));
    tab9->addTab(ts_Repartition, Onglet(TexteRepartition, "Répartition des buts"));
    tab9->addTab(ts_Affluence, Onglet(TexteMeilleuresAffluences, "Meilleures affluences"));
    tab9->addTab(ts_Evolution, Onglet(TexteEvolution, "Évolution"));
    // Each sheet lays itself out when the page control has given it its size.
    for (QWidget* Feuille : {ts_Info, ts_Repartition, ts_Affluence, ts_Evolution}) {
        Feuille->setAutoFillBackground(true);
        Feuille->setPalette(Palette);
        Feuille->installEventFilter(this);
    }

    // Information sheet.
    FondCopie27 = Boite(ts_Info);
    GraphBarre3 = Barres(FondCopie27, TexteNombreButs);
    Labelequipe = Etiquette(FondCopie27, "");
    Labelequipe->setWordWrap(true);
    Labelequipe->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    FondCopie23 = Boite(ts_Info);
    Label12 = Etiquette(FondCopie23, "");
    QFont Gras = Label12->font();
    Gras.setBold(true);
    Label12->setFont(Gras);
    FondCopie24 = Boite(FondCopie23);
    FondCopie25 = Boite(FondCopie23);
    FondCopie26 = Boite(FondCopie23);
    std::vector<QLabel*> Legendes;
    RemplitBoite<11>(FondCopie24,
                     {{{800, "Nombre de match total"},
                       {801, "Pourcentage de matchs nuls"},
                       {802, "Nombre moyen de spectateurs"},
                       {803, "Nombre de buts marquées"},
                       {804, "Moyenne de buts par match"},
                       {805, "Maximum de buts en une journée"},
                       {806, "Minimum de buts en une journée"},
                       {807, "Nombre de cartons jaunes distribués"},
                       {808, "Moyenne par match"},
                       {809, "Nombre de cartons rouges distribués"},
                       {808, "Moyenne par match"}}},
                     ValeursTotaux, nullptr, &Legendes);
    Label16 = Legendes[4];
    Label17 = Legendes[5];
    RemplitBoite<5>(FondCopie25,
                    {{{810, "Victoires à domicile"},
                      {811, "matchs nuls à domicile"},
                      {812, "défaites à domicile"},
                      {813, "buts marqués à domicile"},
                      {814, "buts marqués à l'exterieur"}}},
                    ValeursDomicile);
    RemplitBoite<5>(FondCopie26,
                    {{{791, "Gardiens de but"},
                      {792, "Défenseurs"},
                      {793, "Milieux de terrain"},
                      {794, "Attaquants"},
                      {816, "Contre son camp"}}},
                    ValeursButeurs, Etiquette(FondCopie26, TexteOuDefaut(815, "Répartition des buteurs")));

    // Distribution sheet.
    GraphBarre4 = Barres(ts_Repartition, 0);
    GraphBarre5 = Barres(ts_Repartition, 0);
    GraphBarre4->Textin = GraphBarre5->Textin = true;

    // Best attendances.
    sg_Affluence = new TColorStringGrid(ts_Affluence);
    sg_Affluence->SetColCount(8);
    sg_Affluence->SetFixedRows(0);
    sg_Affluence->SetFixedCols(0);
    sg_Affluence->SetAutoResize(false);
    sg_Affluence->SetSelectionVisible(false);
    sg_Affluence->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Affluence->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l_SansAffluence = Etiquette(ts_Affluence, "");
    l_SansAffluence->setAlignment(Qt::AlignCenter);
    l_SansAffluence->hide();

    // Evolution.
    gb_But = Barres(ts_Evolution, TexteNombreButs);
    gl_Carton = new TGraphLigne(ts_Evolution);
    gl_Carton->SetLegendeY(Traduit(TexteNombreCartons));
    gb_Affluence = Barres(ts_Evolution, TexteSpectateursJournee);
    Label9 = Etiquette(ts_Evolution, "");
    Label6 = Etiquette(ts_Evolution, "");
    Label3 = Etiquette(ts_Evolution, "");
    for (QLabel* L : {Label9, Label6, Label3}) {
        L->setWordWrap(true);
        L->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    }

    GraphBarre3->OnMouseDown = [this](Qt::MouseButton Bouton, int X, int Y) {
        if (Bouton == Qt::LeftButton)
            GraphBarre3MouseDown(X, Y);
    };
    for (TGraphe* G : std::initializer_list<TGraphe*>{GraphBarre3, gb_But, gl_Carton, gb_Affluence})
        G->OnMouseMove = [this, G](int X, int Y) { SurvolGraphe(G, X, Y); };
    // Axes and legends light on the page's dark blue.
    for (TGraphe* G :
         std::initializer_list<TGraphe*>{GraphBarre3, GraphBarre4, GraphBarre5, gb_But, gl_Carton, gb_Affluence}) {
        G->Modele().SetCouleurContours(CouleurAxes);
        G->Modele().SetEcritureContours(CouleurAxes);
    }
    connect(tab9, &QTabWidget::currentChanged, this, [this](int Index) { OngletChange(Index); });
}

Tf_InfoGeneral::~Tf_InfoGeneral() = default;

void Tf_InfoGeneral::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    Dispose();
}

bool Tf_InfoGeneral::eventFilter(QObject* Objet, QEvent* Event)
{
    if (Event->type() == QEvent::Resize &&
        (Objet == ts_Info || Objet == ts_Repartition || Objet == ts_Affluence || Objet == ts_Evolution))
        Dispose();
    return TFootForm::eventFilter(Objet, Event);
}

void Tf_InfoGeneral::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    FormShow();
    Dispose();
}

void Tf_InfoGeneral::Dispose()
{
    tab9->setGeometry(0, 0, width(), height());
    const int W = std::max(ts_Info->width(), 100);
    const int H = std::max(ts_Info->height(), 100);
    // Information sheet: the chart above the three boxes; the totals box
    // left of the other two, or above them side by side when the sheet is too
    // narrow for their texts.
    const bool Etroit = W < LargeurLarge;
    const int HTitre = Label12->sizeHint().height();
    const int H24 = FondCopie24->sizeHint().height();
    const int H25 = FondCopie25->isHidden() ? 0 : FondCopie25->sizeHint().height();
    const int H26 = FondCopie26->sizeHint().height();
    const int HBoites = Etroit ? H24 + 4 + std::max(H25, H26) : std::max(H24, H25 + (H25 > 0 ? 4 : 0) + H26);
    const int HautGraphe = FondCopie27->isHidden() ? 0 : std::max(H - HBoites - HTitre - 16, 80);
    FondCopie27->setGeometry(0, 0, W, HautGraphe);
    GraphBarre3->setGeometry(0, 0, std::max(W - LargeurIndice, 50), HautGraphe);
    Labelequipe->setGeometry(W - LargeurIndice + 4, 8, LargeurIndice - 8, std::max(HautGraphe - 16, 20));
    FondCopie23->setGeometry(0, HautGraphe, W, H - HautGraphe);
    Label12->setGeometry(8, 4, W - 16, HTitre);
    const int Haut = HTitre + 8;
    if (Etroit) {
        FondCopie24->setGeometry(8, Haut, W - 16, H24);
        const int Demi = (W - 20) / 2;
        const int Haut2 = Haut + H24 + 4;
        if (H25 > 0) {
            FondCopie25->setGeometry(8, Haut2, Demi, H25);
            FondCopie26->setGeometry(12 + Demi, Haut2, W - 20 - Demi, H26);
        } else {
            FondCopie26->setGeometry(8, Haut2, W - 16, H26);
        }
    } else {
        const int Gauche = (W - 18) * 5 / 9;
        FondCopie24->setGeometry(8, Haut, Gauche - 16, H24);
        FondCopie25->setGeometry(Gauche, Haut, W - Gauche - 8, H25);
        FondCopie26->setGeometry(Gauche, Haut + H25 + (H25 > 0 ? 4 : 0), W - Gauche - 8, H26);
    }

    // Distribution: two charts one above the other.
    const int HR = ts_Repartition->height();
    GraphBarre4->setGeometry(0, 0, ts_Repartition->width(), (HR - 4) / 2);
    GraphBarre5->setGeometry(0, (HR - 4) / 2 + 4, ts_Repartition->width(), HR - (HR - 4) / 2 - 4);

    PlaceAffluences();

    // Evolution: three charts, their hints on the right.
    const int WE = ts_Evolution->width();
    const int Tiers = ts_Evolution->height() / 3;
    int K = 0;
    for (auto [G, L] : {std::pair<TGraphe*, QLabel*>{gb_But, Label9}, {gl_Carton, Label6}, {gb_Affluence, Label3}}) {
        G->setGeometry(0, K * Tiers, std::max(WE - LargeurIndice, 50), Tiers);
        L->setGeometry(WE - LargeurIndice + 4, K * Tiers + 8, LargeurIndice - 8, std::max(Tiers - 16, 20));
        ++K;
    }
}

void Tf_InfoGeneral::RemplitAffluences()
{
    FMaxLignes = (tab9->height() - 10) / 20;
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        VuesInfoGeneral::RemplitAffluences(*sg_Affluence, *Saison, *Champ, FMaxLignes);
    else
        sg_Affluence->SetRowCount(0);
    const std::string Vide = Champ != nullptr ? SansDonnees::LigneAffluences(*Champ) : std::string();
    l_SansAffluence->setText(Q(Vide));
    l_SansAffluence->setVisible(!Vide.empty());
    // The empty table would paint over the line that says why it is empty.
    sg_Affluence->setVisible(Vide.empty());
    PlaceAffluences();
}

void Tf_InfoGeneral::PlaceAffluences()
{
    // The rows that fit follow the page's height.
    if (FMaxLignes >= 0 && (tab9->height() - 10) / 20 != FMaxLignes) {
        RemplitAffluences();
        return;
    }
    // A sheet narrower than the table takes the excess from the two name
    // columns, as long as their names still fit.
    const int Disponible = ts_Affluence->width() - 8;
    int Total = 0;
    for (int C = 0; C < sg_Affluence->GetColCount(); ++C)
        Total += sg_Affluence->GetLargeurColonne(C) + 1;
    if (Total > Disponible && sg_Affluence->GetColCount() == 8) {
        int Noms = 40;
        for (int R = 0; R < sg_Affluence->GetRowCount(); ++R)
            for (int C : {1, 5})
                Noms =
                    std::max(Noms, sg_Affluence->fontMetrics().horizontalAdvance(Q(sg_Affluence->GetTexte(C, R))) + 8);
        for (int C : {1, 5}) {
            const int Largeur = sg_Affluence->GetLargeurColonne(C);
            const int Moins = std::min((Total - Disponible + 1) / 2, Largeur - Noms);
            if (Moins > 0)
                sg_Affluence->SetLargeurColonne(C, Largeur - Moins);
        }
    }
    const int HG = VuesInfoGeneral::HauteurAffluences(*sg_Affluence);
    const int HF = ts_Affluence->height();
    const int Haut = HG < HF - 20 ? (HF - HG - 20) / 2 : 2;
    sg_Affluence->setGeometry(2, Haut, std::max(ts_Affluence->width() - 4, 10), std::min(HG, std::max(HF - 4, 10)));
    l_SansAffluence->setGeometry(2, std::max(HF / 2 - 20, 2), std::max(ts_Affluence->width() - 4, 10), 40);
}

void Tf_InfoGeneral::FormShow()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    const int Option = Champ != nullptr ? Champ->GetOption(11) : 0;
    FondCopie25->setVisible((Option & 2) == 0);
    const bool ParDate = (Option & 8) != 0;
    for (QWidget* W :
         std::initializer_list<QWidget*>{FondCopie27, Label16, Label17, ValeursTotaux[4], ValeursTotaux[5]})
        W->setVisible(!ParDate);
    Dispose();
}

void Tf_InfoGeneral::CalculeInfo(int Mode, int Jour)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        Label12->clear();
        for (QLabel* L : ValeursTotaux)
            L->clear();
        for (QLabel* L : ValeursDomicile)
            L->clear();
        for (QLabel* L : ValeursButeurs)
            L->clear();
        for (TGraphe* G : std::initializer_list<TGraphe*>{GraphBarre3, gb_But, gl_Carton, gb_Affluence})
            G->Modele().SetNbCourbes(0);
        return;
    }
    const InfoGeneral::TInfo I = InfoGeneral::CalculeInfo(*Saison, *Champ, Jour);
    const size_t L = static_cast<size_t>(std::clamp<int>(Champ->JourneeJouee, 0, Champ->GetNbJour()));
    const std::vector<int64_t> Buts(I.ButsJournee.begin(), I.ButsJournee.begin() + L);
    const std::vector<int64_t> Affluences(I.AffluenceJournee.begin(), I.AffluenceJournee.begin() + L);
    const TCouleurs Impair = VuesInfoGeneral::CouleursJourImpair();
    const TCouleurs Pair = VuesInfoGeneral::CouleursJourPair();
    if (Mode == 1)
        VuesInfoGeneral::RemplitGrapheJours(*GraphBarre3, Buts, Impair, Pair);
    VuesInfoGeneral::RemplitGrapheJours(*gb_But, Buts, Impair, Pair);
    VuesInfoGeneral::RemplitGrapheCartons(*gl_Carton,
                                          std::vector<int>(I.JaunesJournee.begin(), I.JaunesJournee.begin() + L),
                                          std::vector<int>(I.RougesJournee.begin(), I.RougesJournee.begin() + L));
    VuesInfoGeneral::RemplitGrapheJours(*gb_Affluence, Affluences, Impair, Pair);
    Label12->setText(Q(InfoGeneral::Titre(*Champ, LectureParam(), Jour, Saison->GetNomCompletChamp(Champ->CodeChamp))));
    InfoGeneral::TTextes T = InfoGeneral::Textes(I);
    const auto Valeurs = Figures(T);
    const auto Labels = LabelsFigures();
    for (size_t i = 0; i < Labels.size(); ++i)
        Labels[i]->setText(Q(*Valeurs[i]));
    Labelequipe->clear();
    if (Mode == 1) {
        ButsJournee = I.ButsJournee;
        JaunesJournee = I.JaunesJournee;
        RougesJournee = I.RougesJournee;
        AffluenceJournee = I.AffluenceJournee;
    }
}

void Tf_InfoGeneral::AfficheChampionnat(int Page)
{
    RepartitionJournee = false;
    tab9->setGeometry(0, 0, width(), height());
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    const int NbJour = Champ != nullptr ? Champ->GetNbJour() : 0;
    for (TGraphe* G : std::initializer_list<TGraphe*>{GraphBarre3, gb_But, gl_Carton, gb_Affluence}) {
        G->Modele().SetNbPointX(NbJour);
        G->Modele().SetNbPointY(G == GraphBarre3 ? 10 : 15);
    }
    CalculeInfo(1, 0);
    ModeJournee = false;
    InfoGeneral::TRepartition R{};
    if (Champ != nullptr)
        R = InfoGeneral::CompteRepartition(*Champ, 0);
    VuesInfoGeneral::AfficheGrapheRepartition(R, *GraphBarre4, *GraphBarre5, {}, {}, Traduit(IdTexteButs(2)));
    RemplitAffluences();
    FormShow();
    AffichePage(Page);
}

void Tf_InfoGeneral::AffichePage(int Page)
{
    if (ModeJournee && Page != PageInfo) {
        CalculeInfo(2, 0);
        ModeJournee = false;
    }
    if (Page >= PageInfo && Page <= PageEvolution) {
        FPageCourante = Page;
        tab9->setCurrentIndex(Page - 1);
    }
}

void Tf_InfoGeneral::AfficheRepartition(int Jour)
{
    ModeJournee = true;
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    InfoGeneral::TRepartition R{};
    if (Champ != nullptr)
        R = InfoGeneral::CompteRepartition(*Champ, Jour);
    VuesInfoGeneral::AfficheGrapheRepartition(R, *GraphBarre4, *GraphBarre5, {}, {}, Traduit(IdTexteButs(2)));
    RepartitionJournee = true;
    JourRepartition = Jour;
    AffichePage(PageRepartition);
}

std::string Tf_InfoGeneral::JourneeDocument() const
{
    return RepartitionJournee && FPageCourante == PageRepartition ? TexteJournee(JourRepartition) : std::string();
}

void Tf_InfoGeneral::OngletChange(int Index)
{
    FPageCourante = Index + 1;
    if (ModeJournee && Index != 0) {
        CalculeInfo(2, 0);
        ModeJournee = false;
    }
    // Not every sheet exports: the window's offer follows the sheet.
    if (Principale != nullptr)
        Principale->AfficheCommandeImprimer();
}

void Tf_InfoGeneral::GraphBarre3MouseDown(int X, int Y)
{
    int Serie = 0;
    const TPointCourbe* P = GraphBarre3->BarreA(X, Y, Serie);
    if (P != nullptr && P->X >= 1 && P->X <= static_cast<int>(ButsJournee.size())) {
        ModeJournee = true;
        CalculeInfo(2, P->X);
    } else {
        ModeJournee = false;
        CalculeInfo(2, 0);
    }
}

void Tf_InfoGeneral::SurvolGraphe(TGraphe* Graphe, int X, int Y)
{
    QLabel* Etiquette = Graphe == GraphBarre3 ? Labelequipe
                        : Graphe == gb_But    ? Label9
                        : Graphe == gl_Carton ? Label6
                                              : Label3;
    int Jour = 0;
    if (Graphe == gl_Carton) {
        int Serie = -1;
        if (const TPointCourbe* P = gl_Carton->PointA(X, Y, Serie))
            Jour = P->X;
    } else if (const TPointCourbe* P = static_cast<TGraphBarre*>(Graphe)->BarreA(X, Y, 0)) {
        Jour = P->X;
    }
    const size_t J = static_cast<size_t>(Jour - 1);
    std::string Texte;
    if (Jour >= 1 && J < ButsJournee.size()) {
        if (Graphe == gl_Carton)
            Texte = TraduitFmt(TexteCartonsJour, {Jour, JaunesJournee[J], Jour, RougesJournee[J]});
        else if (Graphe == gb_Affluence)
            Texte = TraduitFmt(TexteAffluenceJour, {Jour}) + "\n" + std::to_string(AffluenceJournee[J]);
        else
            Texte = TraduitFmt(IdTexteButs(1), {Jour}) + "\n" + std::to_string(ButsJournee[J]);
    }
    // The translator's line breaks are carriage returns.
    std::replace(Texte.begin(), Texte.end(), '\r', '\n');
    Etiquette->setText(Q(Texte));
}

void Tf_InfoGeneral::Imprime()
{
    if (FPageCourante == PageAffluence) {
        sg_Affluence->Imprime();
        return;
    }
    TImprimante& Imprimante = ::Imprimante();
    Imprimante.SetOrientation(TImprimante::TOrientation::Portrait);
    if (!Imprimante.BeginDoc())
        return;
    QPainter& P = *Imprimante.Canvas();
    // The sheet is laid out under the document's title.
    const int Titre = Imprimante.ImprimeTitre();
    P.translate(0, Titre);
    const int W = Imprimante.PageWidth();
    const int H = Imprimante.PageHeight() - Titre;
    QFont Police = font();
    Police.setPointSize(14);
    P.setFont(Police);
    P.setPen(QPen(Qt::black, 1));
    switch (FPageCourante) {
    case PageInfo: {
        // The chart under the championship's name: drawn over it, its own
        // title in its top left corner would print on the name.
        const int Nom = P.fontMetrics().height() + 20;
        DessineTexte(P, QRect(10, 10, W - 20, P.fontMetrics().height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, Label12->text());
        GraphBarre3->Imprime(QRect(0, Nom, W, H / 3 - Nom), P);
        FondCopie24->ImprimeLabels(P, QRect(QPoint(0, H / 3), QPoint(W / 2, H)));
        if (!FondCopie25->isHidden())
            FondCopie25->ImprimeLabels(P, QRect(QPoint(W / 2, H / 3), QPoint(2 * (W / 2), 2 * (H / 3))));
        FondCopie26->ImprimeLabels(P, QRect(QPoint(W / 2, 2 * (H / 3)), QPoint(2 * (W / 2), H)));
        break;
    }
    case PageRepartition:
        GraphBarre4->Imprime(QRect(0, 0, W, H / 2), P);
        GraphBarre5->Imprime(QRect(0, H / 2, W, H / 2), P);
        break;
    default:
        gb_But->Imprime(QRect(0, 0, W, H / 3), P);
        gl_Carton->Imprime(QRect(0, H / 3, W, H / 3), P);
        gb_Affluence->Imprime(QRect(0, 2 * (H / 3), W, H / 3), P);
        break;
    }
    Imprimante.EndDoc();
}

bool Tf_InfoGeneral::ExporteHtml(const std::string& NomFichier)
{
    bool Ok = true;
    switch (FPageCourante) {
    case PageInfo: {
        const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
        if (Champ == nullptr)
            return false;
        // The figures shown, those of the day whose bar was clicked included.
        InfoGeneral::TTextes Textes;
        const auto Valeurs = Figures(Textes);
        const auto Labels = LabelsFigures();
        for (size_t i = 0; i < Labels.size(); ++i)
            *Valeurs[i] = Labels[i]->text().toStdString();
        std::string Html = DebutPageHtml(TitreDocument(), "#80CCFE");
        for (const std::string& L : VuesInfoGeneral::LignesHtmlInfo(Textes))
            Html += L + "\r\n";
        Ok = EcritHtml(NomFichier, Html + FinPageHtml(), true);
        break;
    }
    case PageRepartition:
        return ExportePageImage(NomFichier, TitreDocument(),
                                ImageDeuxGraphes(*GraphBarre4, *GraphBarre5, FondRepartition), "_repart");
    case PageAffluence:
        Ok = sg_Affluence->ExporteHtml(NomFichier, true, TitreDocument());
        break;
    default:
        return false;
    }
    if (!Ok)
        SignaleEchecExport(NomFichier);
    return Ok;
}

void Tf_InfoGeneral::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                     const std::string& Args, TSaison* Saison)
{
    static const char* const Mots[] = {"journeerepartition",     "repartitionchampionnat", "affluencechampionnat",
                                       "butschampionnat",        "essaischampionnat",      "cartonschampionnat",
                                       "spectateurschampionnat", "statchampionnat"};
    const std::string Cle = MinusculesAscii(Nom);
    if (std::find(std::begin(Mots), std::end(Mots), Cle) == std::end(Mots)) {
        TFootForm::ExecuteFonction(Nom, Params, Resultat, Args, Saison);
        return;
    }
    Resultat.clear();
    const TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    if (Cle == "statchampionnat") {
        const std::vector<std::string> Couleurs{
            LitParametre("CouleurTitre", Params, "#000080"), LitParametre("FonteTitre", Params, "#F0E020"),
            LitParametre("CouleurColonne1", Params, "#C0C0C0"), LitParametre("CouleurColonne2", Params, "#FFFFFF"),
            LitParametre("FonteLigne", Params, "#000000")};
        Resultat = VuesInfoGeneral::GetHtmlInfo(
            InfoGeneral::CalculeInfo(*Saison, *Champ, 0),
            InfoGeneral::Titre(*Champ, LectureParam(), 0, Saison->GetNomCompletChamp(Champ->CodeChamp)), Couleurs);
        return;
    }
    if (Cle == "affluencechampionnat") {
        TModeleGrille Grille;
        VuesInfoGeneral::RemplitAffluences(Grille, *Saison, *Champ, 20);
        Resultat = Grille.GetTableHtml(CouleursTableParam(Params));
        return;
    }
    // Charts.
    const int Hauteur = std::clamp(LitParametreEntier("Hauteur", Params, 180), 1, 2000) / 2;
    const int Largeur = std::clamp(LitParametreEntier("Largeur", Params, 450), 1, 2000);
    const TColor Contours = HtmlVersCouleur(LitParametre("CouleurContours", Params, "#00FFFF"));
    const TColor Ecriture = HtmlVersCouleur(LitParametre("EcritureContours", Params, "#00FFFF"));
    const TColor Fond = HtmlVersCouleur(LitParametre("CouleurFond", Params, "#00306F"));
    auto Prepare = [&](TGraphe& G) {
        G.resize(std::max(Largeur, 1), std::max(Hauteur, 1));
        G.Modele().SetCouleurContours(Contours);
        G.Modele().SetEcritureContours(Ecriture);
    };
    auto Reponse = [](const std::string& Image) { return "#" + Image + "#<img src=\"" + Image + "\">"; };
    if (Cle == "journeerepartition" || Cle == "repartitionchampionnat") {
        int Jour = 0;
        if (Cle == "journeerepartition") {
            const std::string Texte = Trim(LitParametre("Journee", Params, "1"));
            Jour = StrToIntDef(Texte, Champ->NbJournee);
        }
        TGraphBarre Quart;
        TGraphBarre Cinq;
        Prepare(Quart);
        Prepare(Cinq);
        const TColor Couleur1 = HtmlVersCouleur(LitParametre("Couleur10Min", Params, "#8080FF"));
        const TColor Couleur2 = HtmlVersCouleur(LitParametre("Couleur5Min", Params, "#B080FF"));
        VuesInfoGeneral::AfficheGrapheRepartition(InfoGeneral::CompteRepartition(*Champ, Jour), Quart, Cinq,
                                                  CouleursPoint(Couleur1), CouleursPoint(Couleur2), Traduit(102));
        if (SauveRepartitionPng(Quart, Cinq, Fond, DossierTemp() + "/repart.png"))
            Resultat = Reponse("repart.png");
        return;
    }
    const std::string Barre1 = LitParametre("CouleurBarre1", Params, "#E00090");
    const std::string Barre2 = LitParametre("CouleurBarre2", Params, "#8000E0");
    const TCouleurs Couleur1 =
        CouleursPointEx(HtmlVersCouleur(LitParametre("CouleurBarre1Ex", Params, Barre1)), HtmlVersCouleur(Barre1));
    const TCouleurs Couleur2 =
        CouleursPointEx(HtmlVersCouleur(LitParametre("CouleurBarre2Ex", Params, Barre2)), HtmlVersCouleur(Barre2));
    std::string NomImage;
    std::unique_ptr<TGraphe> Graphe;
    if (Cle == "cartonschampionnat") {
        auto Ligne = std::make_unique<TGraphLigne>();
        Prepare(*Ligne);
        VuesInfoGeneral::AfficheGrapheEvolution(*Saison, *Champ, nullptr, Ligne.get(), nullptr, Couleur1, Couleur2,
                                                false);
        Graphe = std::move(Ligne);
        NomImage = "cartonchamp";
    } else {
        auto Barre = std::make_unique<TGraphBarre>();
        Prepare(*Barre);
        const bool Spectateurs = Cle == "spectateurschampionnat";
        VuesInfoGeneral::AfficheGrapheEvolution(*Saison, *Champ, Spectateurs ? nullptr : Barre.get(), nullptr,
                                                Spectateurs ? Barre.get() : nullptr, Couleur1, Couleur2,
                                                Cle == "essaischampionnat");
        Graphe = std::move(Barre);
        NomImage = Spectateurs ? "afflchamp" : "butchamp";
    }
    if (SauveGraphePng(*Graphe, NomImage, Fond))
        Resultat = Reponse(NomImage + ".png");
}

// --- Tf_InfoGeneralEx -------------------------------------------------------------

int Tf_InfoGeneralEx::IdTexteButs(int) const
{
    return 102;
}

// --- Commands ---------------------------------------------------------------------

void EnregistrePagesInfoGeneral()
{
    using namespace Commande;
    const std::pair<int, int> Pages[] = {{InfoGenerale, Tf_InfoGeneral::PageInfo},
                                         {AffluenceChampionnat, Tf_InfoGeneral::PageRepartition},
                                         {AffluenceMoyenne, Tf_InfoGeneral::PageAffluence},
                                         {RepartitionButs, Tf_InfoGeneral::PageEvolution}};
    for (const auto& [Code, Page] : Pages) {
        EnregistreCommandePage(Code, [Page](TPrincipale& Principale, int, int, int) {
            auto* Montree = dynamic_cast<Tf_InfoGeneralEx*>(Principale.GetPageCourante());
            if (Montree != nullptr && !Montree->RepartitionJournee) {
                Montree->AffichePage(Page);
                return true;
            }
            auto* Nouvelle = PageCommande<Tf_InfoGeneralEx>(Principale);
            if (Nouvelle == nullptr)
                return false;
            Nouvelle->Saison = Principale.GetSaison();
            Nouvelle->AfficheChampionnat(Page);
            return true;
        });
    }
    static const bool MotsCles = [] {
        GestionFonction().Ajoute<Tf_InfoGeneralEx>("JourneeRepartition", CodeFonction::Journee);
        for (const char* Mot : {"AffluenceChampionnat", "RepartitionChampionnat", "ButsChampionnat",
                                "EssaisChampionnat", "CartonsChampionnat", "SpectateursChampionnat", "StatChampionnat"})
            GestionFonction().Ajoute<Tf_InfoGeneralEx>(Mot, CodeFonction::Championnat);
        return true;
    }();
    (void)MotsCles;
}
