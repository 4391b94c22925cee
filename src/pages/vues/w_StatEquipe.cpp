#include "pages/vues/w_StatEquipe.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/CanevasQt.h"
#include "controls/ColorStringGrid.h"
#include "controls/Graphe.h"
#include "controls/HotLabel.h"
#include "controls/ImageFond.h"
#include "controls/ImpressionLabels.h"
#include "controls/OwnerPageControl.h"
#include "engine/ClassJoueur.h"
#include "files/Blasons.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/ImpressionParcours.h"
#include "presentation/PageHtml.h"
#include "presentation/VuesStatEquipe.h"

#include <QAction>
#include <QBitmap>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace SE = StatEquipe;

namespace {

// The headings of the players' rankings in their exported page.
enum : int { TexteButeurs = 498, TextePasseurs = 918, TexteAvertis = 3410, TexteExclus = 3411 };

QString Q(const std::string& S)
{
    return QString::fromStdString(S);
}

std::string TexteOu(int Id, const char* Defaut)
{
    std::string T = Traduit(Id);
    return T.empty() ? std::string(Defaut) : T;
}

QColor Couleur(TColor C)
{
    return QColor(static_cast<int>(C & 0xFF), static_cast<int>((C >> 8) & 0xFF), static_cast<int>((C >> 16) & 0xFF));
}

QLabel* NouveauLabel(QWidget* Parent, const std::string& Texte = {})
{
    auto* L = new QLabel(Q(Texte), Parent);
    L->setWordWrap(true);
    return L;
}

// The form charts' least height, so that their curves keep some rise in a low window.
constexpr int HauteurMinGraphe = 80;
// The ground of the charts an exported page shows: the page's own dark blue.
constexpr TColor FondGraphesHtml = 0x6F3000;

constexpr std::array<int, 9> TextesOnglets{683, 684, 685, 686, 687, 688, 961, 979, 1007};
constexpr std::array<const char*, 9> DefautsOnglets{
    "Parcours", "Statistiques", "Détail des buts", "Joueurs", "Affluence", "Composition", "", "", ""};

// The match lines' panel: a dark ground under the coloured lines.
QWidget* PanneauListe(QWidget* Parent, QWidget*& Contenu, const std::string& Titre)
{
    auto* Boite = new QWidget(Parent);
    auto* V = new QVBoxLayout(Boite);
    V->setContentsMargins(0, 0, 0, 0);
    auto* T = NouveauLabel(Boite, Titre);
    T->setStyleSheet("font-weight: bold");
    V->addWidget(T);
    auto* Defile = new QScrollArea(Boite);
    Contenu = new QWidget;
    Contenu->setAutoFillBackground(true);
    QPalette P = Contenu->palette();
    P.setColor(QPalette::Window, QColor(0x20, 0x30, 0x60));
    Contenu->setPalette(P);
    Defile->setWidget(Contenu);
    Defile->setWidgetResizable(false);
    V->addWidget(Defile, 1);
    return Boite;
}

// The ranking kind and the full ranking's command of a players grid's tag.
int GenreGrille(int Tag)
{
    constexpr std::array<int, 4> Genres{GenreClassement::Buteurs, GenreClassement::Passeurs, GenreClassement::Avertis,
                                        GenreClassement::Exclus};
    return Tag >= 1 && Tag <= 4 ? Genres[static_cast<size_t>(Tag - 1)] : GenreClassement::Buteurs;
}
int CommandeGrille(int Tag)
{
    constexpr std::array<int, 4> Codes{Commande::ClassButeurs, Commande::ClassPassesDecisives, Commande::ClassPasseurs,
                                       Commande::ClassJaunes};
    return Tag >= 1 && Tag <= 4 ? Codes[static_cast<size_t>(Tag - 1)] : 0;
}

// Titles of the form, result and score charts, then the goal button's captions.
enum : int { TexteTitreForme = 3280, TexteVoirEncaisses = 3283, TexteVoirMarques = 3284 };

void PrepareBarres(TGraphBarre& G, int NbX, double Echelle, int Graduation)
{
    G.SetNbCourbes(1);
    G.VideCourbes();
    G.SetNbPointX(NbX);
    G.SetEchelleX(Echelle);
    G.SetEspaceGraduerX(Graduation);
    G.SetAutoGraduationX(false);
    G.SetGrille(false);
}

} // namespace

Tf_StatEquipe::Tf_StatEquipe(QWidget* parent) : TFootForm(parent)
{
    setToolTip(Q(Traduit(1302)));
    auto* Principal = new QVBoxLayout(this);
    Principal->setContentsMargins(4, 4, 4, 4);
    auto* Entete = new QHBoxLayout;
    Logo = new TLogo(this);
    Logo->setFixedSize(48, 48);
    Label14 = new QLabel(this);
    QFont F = Label14->font();
    F.setPointSize(16);
    F.setBold(true);
    Label14->setFont(F);
    Entete->addWidget(Logo);
    Entete->addWidget(Label14, 1);
    Principal->addLayout(Entete);

    tab4 = new TOwnerPageControl(this);
    Principal->addWidget(tab4, 1);
    for (size_t N = 0; N < Onglets.size(); ++N) {
        Onglets[N] = new QWidget;
        tab4->addTab(Onglets[N], Q(TexteOu(TextesOnglets[N], DefautsOnglets[N])));
    }
    connect(tab4, &QTabWidget::currentChanged, this, [this](int I) {
        Onglet = I + 1;
        if (Onglet == 3)
            Status(Traduit(b_ChangeBut->property("Tag").toInt() == 1 ? 135 : 136));
        else if (Saison != nullptr)
            Status(TraduitFmt(134, {Saison->GetNomEquipeChamp(Equipe)}));
        if (Principale != nullptr)
            Principale->AfficheCommandeImprimer();
    });

    // Route tab: result boxes, the two match lists and the biggest scores.
    {
        auto* G = new QGridLayout(Onglets[0]);
        auto* Cases = new QHBoxLayout;
        CCVict = new TCarreCoche(Onglets[0]);
        CCNul = new TCarreCoche(Onglets[0]);
        CCDef = new TCarreCoche(Onglets[0]);
        const std::array<std::pair<TCarreCoche*, int>, 3> Boites{{{CCVict, 852}, {CCNul, 853}, {CCDef, 854}}};
        for (auto [Case, Texte] : Boites) {
            Case->SetCaption(TexteOu(Texte, ""));
            Case->SetChecked(true);
            Case->setMinimumHeight(20);
            Case->setMinimumWidth(110);
            Case->OnClick = [this] { GraphParcours(); };
            Cases->addWidget(Case);
        }
        Cases->addStretch(1);
        G->addLayout(Cases, 0, 0, 1, 2);
        G->addWidget(PanneauListe(Onglets[0], mdomicile, Traduit(64)), 1, 0);
        pexterieur = PanneauListe(Onglets[0], mexterieur, Traduit(65));
        G->addWidget(pexterieur, 1, 1);
        G->setRowStretch(1, 1);
        for (int I = 0; I < 4; ++I) {
            auto* Titre = NouveauLabel(Onglets[0], Traduit(I % 2 == 0 ? 610 : 611));
            LabelsRecord[static_cast<size_t>(I)] = NouveauLabel(Onglets[0], "-");
            auto* Ligne = new QHBoxLayout;
            Ligne->addWidget(Titre);
            Ligne->addWidget(LabelsRecord[static_cast<size_t>(I)], 1);
            G->addLayout(Ligne, 2 + I % 2, I / 2);
        }
    }

    // Standings tab: three boxes, the series report and three charts.
    {
        auto* G = new QGridLayout(Onglets[1]);
        const std::array<std::pair<int, int>, 3> Liens{{{855, 40}, {759, 41}, {763, 42}}};
        for (size_t I = 0; I < 3; ++I) {
            auto* Lien = new THotLabel(Q(Traduit(Liens[I].first)), Onglets[1]);
            const std::string Mot = I == 0 ? std::string() : Traduit(I == 1 ? 164 : 165);
            Lien->setToolTip(Q(TraduitFmt(1304, {Mot})));
            const int Code = Liens[I].second;
            Lien->OnClick = [this, Code] { Navigue(Code, 0); };
            LiensClassement[I] = Lien;
            BoitesClassement[I] = new TFondCopie(Onglets[1]);
            auto* Lignes = new QVBoxLayout(BoitesClassement[I]);
            Lignes->setContentsMargins(0, 0, 0, 0);
            Lignes->setSpacing(0);
            for (QLabel*& Ligne : LignesClassement[I]) {
                Ligne = NouveauLabel(BoitesClassement[I]);
                Lignes->addWidget(Ligne);
            }
            Lignes->addStretch(1);
            auto* Boite = new QVBoxLayout;
            Boite->addWidget(Lien);
            Boite->addWidget(BoitesClassement[I], 1);
            G->addLayout(Boite, static_cast<int>(I), 0);
        }
        Editserie = NouveauLabel(Onglets[1]);
        Editserie->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        G->addWidget(Editserie, 3, 0);
        Graph2 = new TGraphLigne(Onglets[1]);
        Graph3 = new TGraphBarre(Onglets[1]);
        Graph4 = new TGraphBarre(Onglets[1]);
        Graph3->LegendeRemplaceY().SetLegende(1, "D");
        Graph3->LegendeRemplaceY().SetLegende(2, "N");
        Graph3->LegendeRemplaceY().SetLegende(3, "V");
        // The charts draw every match of the season: in a column of their
        // own, each under its title, none reads as the chart of the venue
        // box beside it.
        auto* Graphes = new QVBoxLayout;
        const std::array<TGraphe*, 3> Ordre{Graph2, Graph3, Graph4};
        for (size_t I = 0; I < Ordre.size(); ++I) {
            TitresGraphes[I] = NouveauLabel(Onglets[1], Traduit(static_cast<int>(TexteTitreForme + I)));
            TitresGraphes[I]->setStyleSheet("font-weight: bold");
            Graphes->addWidget(TitresGraphes[I]);
            Ordre[I]->setMinimumHeight(HauteurMinGraphe);
            Graphes->addWidget(Ordre[I], 1);
        }
        G->addLayout(Graphes, 0, 1, 4, 1);
        G->setColumnStretch(0, 2);
        G->setColumnStretch(1, 3);
    }

    // Goals by time.
    {
        auto* V = new QVBoxLayout(Onglets[2]);
        auto* Haut = new QHBoxLayout;
        TitreButs = NouveauLabel(Onglets[2]);
        TitreButs->setStyleSheet("font-weight: bold");
        b_ChangeBut = new TBouton(Onglets[2]);
        b_ChangeBut->setFixedSize(200, 24);
        b_ChangeBut->OnClick = [this] { b_ChangeButClick(); };
        Haut->addWidget(TitreButs, 1);
        Haut->addWidget(b_ChangeBut);
        V->addLayout(Haut);
        GraphBarre1 = new TGraphBarre(Onglets[2]);
        GraphBarre2 = new TGraphBarre(Onglets[2]);
        for (TGraphBarre* B : {GraphBarre1, GraphBarre2}) {
            B->SetLegendeX(TexteOu(92, "Minute"));
            B->SetLegendeY(TexteOu(818, "Nombre de buts"));
            V->addWidget(B, 1);
        }
    }

    // Attendance.
    {
        auto* G = new QGridLayout(Onglets[4]);
        GraphSpect = new TGraphLigne(Onglets[4]);
        GraphSpect->SetLegendeY(Traduit(860));
        GraphSpect->setMouseTracking(true);
        GraphSpect->OnMouseMove = [this](int X, int Y) { SurvolSpectateurs(X, Y); };
        FondCopie21 = new QLabel(GraphSpect);
        FondCopie21->setStyleSheet("background: #FFFFE0; border: 1px solid black; padding: 2px");
        FondCopie21->hide();
        G->addWidget(GraphSpect, 0, 0, 1, 8);
        G->setRowStretch(0, 1);
        const std::array<int, 4> Titres{606, 608, 607, 609};
        for (size_t I = 0; I < 4; ++I) {
            G->addWidget(NouveauLabel(Onglets[4], Traduit(Titres[I])), 1, static_cast<int>(2 * I));
            LabelsSpect[I] = NouveauLabel(Onglets[4], "-");
            G->addWidget(LabelsSpect[I], 1, static_cast<int>(2 * I + 1));
        }
    }

    // Score evolution.
    {
        auto* V = new QVBoxLayout(Onglets[6]);
        auto* Lieux = new QHBoxLayout;
        rc_General = new TRondCoche(Onglets[6]);
        rc_Domicile = new TRondCoche(Onglets[6]);
        rc_Exterieur = new TRondCoche(Onglets[6]);
        const std::array<std::pair<TRondCoche*, int>, 3> Ronds{
            {{rc_General, 213}, {rc_Domicile, 164}, {rc_Exterieur, 165}}};
        for (auto [Rond, Texte] : Ronds) {
            Rond->SetCaption(Traduit(Texte));
            Rond->setMinimumSize(130, 20);
            Rond->OnClick = [this] { RemplitEvolution(); };
            Lieux->addWidget(Rond);
        }
        Lieux->addStretch(1);
        rc_General->SetChecked(true);
        V->addLayout(Lieux);
        auto* Grille = new QGridLayout;
        for (size_t E = 0; E < LabelsEvolution.size(); ++E) {
            if (E >= 12 && E < 16)
                continue;
            auto* L = NouveauLabel(Onglets[6]);
            const size_t Bloc = E < 12 ? E / 4 : (E < 24 ? 3 + (E - 16) / 4 : 5);
            const bool Titre = (E < 24 && E % 4 == 0) || E >= 24;
            if (Titre)
                L->setStyleSheet("font-weight: bold");
            LabelsEvolution[E] = L;
            Grille->addWidget(L, static_cast<int>(E < 24 ? E % 4 : E - 24) + static_cast<int>(Bloc / 2) * 5,
                              static_cast<int>(Bloc % 2));
        }
        V->addLayout(Grille);
        V->addStretch(1);
    }

    // Points per opponent.
    {
        auto* V = new QVBoxLayout(Onglets[7]);
        sg_PointPris = new TColorStringGrid(Onglets[7]);
        sg_PointPris->SetColCount(2);
        sg_PointPris->SetFixedCols(0);
        sg_PointPris->SetLargeurColonne(0, 200);
        sg_PointPris->SetLargeurColonne(1, 60);
        V->addWidget(sg_PointPris, 1);
    }

    // Players: four rankings, each with its popup to the full ranking.
    pm_VoirClassement = new QMenu(this);
    mi_ClassementComplet = pm_VoirClassement->addAction(Q(TexteOu(2663, "Voir le classement complet")));
    connect(mi_ClassementComplet, &QAction::triggered, this,
            [this] { VoirClassementComplet(pm_VoirClassement->property("Tag").toInt()); });
    {
        int Tag = 0;
        for (TColorStringGrid** G : {&sg_Buteur, &sg_Passeur, &sg_Averti, &sg_Exclus}) {
            auto* Grille = new TColorStringGrid(Onglets[3]);
            Grille->setProperty("Tag", ++Tag);
            Grille->SetFixedCols(0);
            Grille->SetAutoResize(false);
            Grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            Grille->OnDblClick = [this, Grille] { sg_ButeurDblClick(Grille); };
            Grille->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(Grille, &QWidget::customContextMenuRequested, this, [this, Grille, Tag](const QPoint& Point) {
                pm_VoirClassement->setProperty("Tag", Tag);
                pm_VoirClassement->popup(Grille->mapToGlobal(Point));
            });
            *G = Grille;
        }
        Onglets[3]->installEventFilter(this);
    }

    // Line-ups: the playing-time grid in a box of its own.
    {
        auto* V = new QVBoxLayout(Onglets[5]);
        V->setContentsMargins(0, 0, 0, 0);
        sb_Composition = new QScrollArea(Onglets[5]);
        sb_Composition->setWidgetResizable(false);
        sb_Composition->setAlignment(Qt::AlignCenter);
        sg_Composition = new TColorStringGrid;
        sg_Composition->SetFixedCols(0);
        sg_Composition->SetAutoResize(false);
        sg_Composition->SetDefaultRowHeight(20);
        sg_Composition->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        sg_Composition->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        sb_Composition->setWidget(sg_Composition);
        V->addWidget(sb_Composition, 1);
    }

    // Club information: the record's fields, its stadium and coach, the crest.
    {
        auto* G = new QGridLayout(Onglets[8]);
        auto Libelle = [&](int Texte, const char* Defaut, int Ligne, int Colonne) {
            G->addWidget(NouveauLabel(Onglets[8], TexteOu(Texte, Defaut)), Ligne, Colonne);
        };
        auto Ligne = [&](QLineEdit*& Champ, int Texte, const char* Defaut, int Rang) {
            Libelle(Texte, Defaut, Rang, 0);
            Champ = new QLineEdit(Onglets[8]);
            G->addWidget(Champ, Rang, 1, 1, 3);
        };
        Ligne(e_DateCreation, 1011, "Date de création", 0);
        Ligne(e_CouleurMaillot, 1012, "Couleur Maillot", 1);
        Ligne(e_CouleurRechange, 1013, "Couleur du maillot de rechange", 2);
        Ligne(e_siteInternet, 1017, "Site internet", 3);
        Ligne(e_Budget, 1018, "Budget", 4);
        Ligne(e_President, 1016, "Président", 5);
        Ligne(e_Statut, 1071, "Statut", 6);
        auto Liste = [&](QComboBox*& Boite, TBoutonCopie*& Fiche, TBoutonCopie*& Cree, int Texte, const char* Defaut,
                         int Rang) {
            Libelle(Texte, Defaut, Rang, 0);
            Boite = new QComboBox(Onglets[8]);
            Boite->setMinimumWidth(160);
            G->addWidget(Boite, Rang, 1);
            Fiche = CreeBouton(Onglets[8], 1019, "Fiche");
            Fiche->setFixedSize(80, 25);
            Cree = CreeBouton(Onglets[8], 900, "Créer");
            Cree->setFixedSize(80, 25);
            G->addWidget(Fiche, Rang, 2);
            G->addWidget(Cree, Rang, 3);
        };
        Liste(cb_Stade, bc_FicheStade, bc_CreeStade, 1010, "Stade", 7);
        Liste(cb_Entraineur, b_FicheEntr, b_CreeEntr, 1015, "Entraineur", 8);
        bc_FicheStade->OnClick = [this] { bc_FicheStadeClick(); };
        bc_CreeStade->OnClick = [this] { bc_CreeStadeClick(); };
        b_FicheEntr->OnClick = [this] { b_FicheEntrClick(); };
        b_CreeEntr->OnClick = [this] { b_CreeEntrClick(); };
        Libelle(1014, "Palmarès", 0, 4);
        m_Palmares = new QPlainTextEdit(Onglets[8]);
        G->addWidget(m_Palmares, 1, 4, 4, 2);
        Libelle(2660, "Remarques", 5, 4);
        m_Remarque = new QPlainTextEdit(Onglets[8]);
        G->addWidget(m_Remarque, 6, 4, 3, 2);
        bc_Modifier = CreeBouton(Onglets[8], 2661, "Modifier");
        bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
        G->addWidget(bc_Modifier, 9, 1);
        pb_Logo = new TLogo(Onglets[8]);
        pb_Logo->setFixedSize(35, 35);
        pb_Logo->SetCouleurFond(0xFFFFFF);
        pb_Logo->OnPaint = [this](QPainter& P) { pb_LogoPaint(P); };
        G->addWidget(pb_Logo, 9, 4, Qt::AlignRight);
        bc_changeLogo = CreeBouton(Onglets[8], 2662, "Changer le logo");
        bc_changeLogo->OnClick = [this] { bc_changeLogoClick(); };
        G->addWidget(bc_changeLogo, 9, 5);
        G->setRowStretch(10, 1);
        G->setColumnStretch(1, 1);
        G->setColumnStretch(4, 1);
        G->setColumnStretch(5, 1);
    }

    PopupMenu1 = new QMenu(this);
    connect(PopupMenu1->addAction(Q(TexteOu(861, "Changer d'équipe"))), &QAction::triggered, this,
            [this] { Changerdequipe1Click(); });
}

Tf_StatEquipe::~Tf_StatEquipe() = default;

void Tf_StatEquipe::Status(const std::string& Texte)
{
    if (Principale != nullptr)
        if (TBarreEtat* Barre = Principale->GetBarreEtat())
            Barre->SetTextePanneau(1, Texte);
}

void Tf_StatEquipe::SetEquipe(int Position)
{
    Equipe = Position;
    if (Saison == nullptr)
        return;
    Label14->setText(Q(Saison->GetNomEquipeChamp(Position)));
    const TDonneesChampionnat* Champ = Saison->GetChampCourant();
    ChargeLogo(Champ != nullptr ? Saison->GetLogoEquipe(Champ->GetEquipe(Position)) : 0);
}

void Tf_StatEquipe::ChargeLogo(int Numero)
{
    if (Numero < 1)
        Logo->SetImage(nullptr);
    else
        Logo->ChargeFichier(AppDir + "blasons/" + std::to_string(Numero) + ".png");
    AjusteLogoClub();
}

std::string Tf_StatEquipe::EquipeDocument() const
{
    return IdEquipe() != 65535 ? Saison->GetNomEquipeChamp(Equipe) : std::string();
}

uint16_t Tf_StatEquipe::IdEquipe() const
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return 65535;
    return static_cast<uint16_t>(Champ->GetEquipe(Equipe));
}

void Tf_StatEquipe::AfficheOnglet(int N)
{
    if (N < 1 || N > NbOnglets)
        return;
    tab4->setCurrentIndex(N - 1);
    Onglet = N;
}

int Tf_StatEquipe::Lieu() const
{
    if (rc_General->Checked())
        return 1;
    return rc_Domicile->Checked() ? 2 : 3;
}

void Tf_StatEquipe::SetLieu(int Lieu)
{
    TRondCoche* Rond = Lieu == 2 ? rc_Domicile : (Lieu == 3 ? rc_Exterieur : rc_General);
    for (TRondCoche* R : {rc_General, rc_Domicile, rc_Exterieur})
        R->SetChecked(R == Rond);
}

void Tf_StatEquipe::Rafraichir()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return;
    Onglets[1]->setEnabled(!Champ->EstCoupe());
    SansLieu = (Champ->GetOption(11) & 2) != 0;
    pexterieur->setVisible(!SansLieu);
    for (size_t I = 1; I < 3; ++I) {
        LiensClassement[I]->setVisible(!SansLieu);
        BoitesClassement[I]->setVisible(!SansLieu);
    }
    for (TRondCoche* R : {rc_General, rc_Domicile, rc_Exterieur})
        R->setVisible(!SansLieu);
    if (Onglet != 3)
        Status(TraduitFmt(134, {Saison->GetNomEquipeChamp(Equipe)}));
    GraphParcours();
    RemplitClassement();
    RemplitEvolution();
    AfficheButsMarques();
    AfficheJoueurs();
    AfficheTempsJeu();
    RemplitInfoAdmin();
}

void Tf_StatEquipe::RemplitGrilleJoueurs(TColorStringGrid& Grille)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return;
    TClassJoueur::AfficheEquipe(*Saison, static_cast<uint16_t>(Champ->GetEquipe(Equipe)), false, Grille,
                                GenreGrille(Grille.property("Tag").toInt()));
    Grille.AjusteColonnesAuTexte();
    Grille.update();
}

void Tf_StatEquipe::AfficheJoueurs()
{
    for (TColorStringGrid* G : {sg_Buteur, sg_Passeur, sg_Averti, sg_Exclus})
        RemplitGrilleJoueurs(*G);
    sb_InfoJoueurResize();
}

void Tf_StatEquipe::sb_InfoJoueurResize()
{
    const int Largeur = std::max(0, (Onglets[3]->width() - 35) / 2);
    const int Hauteur = std::max(0, (Onglets[3]->height() - 35) / 2);
    // A short ranking takes only its rows' height: the one below follows it.
    auto Place = [&](TColorStringGrid* G, int X, int Y) {
        const int Voulue = G->HauteurContenu() + 2 * G->frameWidth() + 2;
        G->setVerticalScrollBarPolicy(Voulue <= Hauteur ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
        G->setGeometry(X, Y, Largeur, std::min(Hauteur, Voulue));
        return Y + G->height() + 20;
    };
    const int X2 = 10 + Largeur + 8;
    Place(sg_Passeur, 10, Place(sg_Buteur, 10, 10));
    Place(sg_Exclus, X2, Place(sg_Averti, X2, 10));
}

bool Tf_StatEquipe::eventFilter(QObject* Objet, QEvent* Evenement)
{
    if (Objet == Onglets[3] && Evenement->type() == QEvent::Resize)
        sb_InfoJoueurResize();
    return TFootForm::eventFilter(Objet, Evenement);
}

void Tf_StatEquipe::sg_ButeurDblClick(TColorStringGrid* Grille)
{
    if (Saison == nullptr || Grille == nullptr)
        return;
    const int Ligne = Grille->GetRow();
    if (Ligne < 1 || Ligne >= Grille->GetRowCount())
        return;
    bool Change = false;
    AfficheFicheJoueur(StrToIntDef(Grille->GetTexte(3, Ligne), 0), Saison, &Change);
    if (!Change)
        return;
    Modifie();
    RemplitGrilleJoueurs(*Grille);
    sb_InfoJoueurResize();
}

void Tf_StatEquipe::VoirClassementComplet(int TagGrille)
{
    if (const int Code = CommandeGrille(TagGrille); Code != 0)
        Navigue(Code, 0);
}

void Tf_StatEquipe::AfficheTempsJeu()
{
    if (Saison == nullptr)
        return;
    sg_Composition->setVisible(VuesStatEquipe::AfficheTempsJeu(*Saison, Equipe, *sg_Composition));
    sb_CompositionResize();
    sg_Composition->update();
}

void Tf_StatEquipe::sb_CompositionResize()
{
    sb_Composition->horizontalScrollBar()->setValue(0);
    sb_Composition->verticalScrollBar()->setValue(0);
    // Columns as wide as their headings ("Minutes par match") and texts.
    sg_Composition->AjusteColonnesAuTexte();
    sg_Composition->resize(std::max(710, sg_Composition->LargeurContenu() + 2),
                           20 * sg_Composition->GetRowCount() + 50);
}

StatEquipe::TFiltreResultats Tf_StatEquipe::FiltreParcours() const
{
    return {CCVict->Checked(), CCNul->Checked(), CCDef->Checked()};
}

void Tf_StatEquipe::GraphParcours()
{
    for (THotLabel* L : LignesMatch)
        delete L;
    LignesMatch.clear();
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return;
    const SE::TParcours P = SE::CalculeParcours(*Champ, *Saison, Equipe, FiltreParcours());

    for (auto [Liste, Lignes] : {std::pair{mdomicile, &P.Domicile}, std::pair{mexterieur, &P.Exterieur}}) {
        int Largeur = 100;
        int N = 0;
        for (const SE::TLigneMatch& Ligne : *Lignes) {
            auto* L = new THotLabel(Q(Ligne.Texte), Liste);
            L->setProperty("Tag", Ligne.Tag);
            QFont F = L->font();
            F.setBold(true);
            L->setFont(F);
            QPalette Pal = L->palette();
            Pal.setColor(QPalette::WindowText, Couleur(Ligne.Couleur));
            L->setPalette(Pal);
            L->adjustSize();
            L->move(10, 20 * N + 10);
            const int Tag = Ligne.Tag;
            L->OnClick = [this, Tag] { Navigue(Commande::Buteurs, Tag); };
            L->show();
            Largeur = std::max(Largeur, L->width() + 20);
            LignesMatch.push_back(L);
            ++N;
        }
        Liste->resize(Largeur, 20 * N + 20);
        // A venue without a match line shows no empty band.
        Liste->setVisible(N > 0);
    }

    const SE::TTextesSpect S = SE::TextesSpectateurs(P);
    for (int I = 0; I < 4; ++I)
        LabelsRecord[static_cast<size_t>(I)]->setText(
            Q(SE::TexteRecord(P.Records[static_cast<size_t>(I)], I % 2 == 0, *Saison)));

    // Form, result and score charts.
    Graph2->SetNbCourbes(1);
    Graph2->VideCourbes();
    Graph2->SetNbPointY(80);
    Graph2->SetAutoGraduationY(false);
    Graph2->SetEspaceGraduerY(10);
    Graph2->SetCouleurCourbe(0, 0xFFFF00);
    Graph2->SetNbPointX(P.NbPointsForme);
    for (const SE::TPointGraphe& Pt : P.Forme)
        Graph2->SetPoint(0, Pt.X, Pt.Y);
    PrepareBarres(*Graph3, P.NbPointsForme, 1.0, 1);
    Graph3->SetNbPointY(3);
    // "D", "N" and "V" each.
    Graph3->SetEspaceGraduerY(1);
    for (const SE::TPointGraphe& Pt : P.Resultat)
        Graph3->SetPoint(0, Pt.X, Pt.Y),
            Graph3->SetCouleursPoint(0, Pt.X, {static_cast<TColor>(Pt.Couleur1), static_cast<TColor>(Pt.Couleur2)});
    PrepareBarres(*Graph4, P.NbPointsScore, 3.0, 3);
    for (const SE::TPointGraphe& Pt : P.Score)
        if (Pt.Couleur1 != 0)
            Graph4->SetPoint(0, Pt.X, Pt.Y),
                Graph4->SetCouleursPoint(0, Pt.X, {static_cast<TColor>(Pt.Couleur1), static_cast<TColor>(Pt.Couleur2)});
        else
            Graph4->SetPoint(0, Pt.X, Pt.Y);

    // Attendance chart: home, away and the opponents (never drawn).
    GraphSpect->SetNbCourbes(3);
    GraphSpect->VideCourbes();
    GraphSpect->SetNbPointY(10);
    GraphSpect->SetNbPointX(P.NbPointsSpect);
    GraphSpect->SetCouleurCourbe(0, 0xFF);
    GraphSpect->SetCouleurCourbe(1, 0xFFFF00);
    GraphSpect->SetCourbeVisible(1, !SansLieu);
    GraphSpect->SetCourbeVisible(2, false);
    for (const SE::TPointGraphe& Pt : P.SpectDomicile)
        GraphSpect->SetPoint(0, Pt.X, Pt.Y);
    for (const SE::TPointGraphe& Pt : P.SpectExterieur)
        GraphSpect->SetPoint(1, Pt.X, Pt.Y);
    for (const SE::TPointGraphe& Pt : P.SpectAdversaire)
        GraphSpect->SetPoint(2, Pt.X, Pt.Y);
    LabelsSpect[0]->setText(Q(S.Moyenne));
    LabelsSpect[1]->setText(Q(S.Maximum));
    LabelsSpect[2]->setText(Q(S.Minimum));
    LabelsSpect[3]->setText(Q(S.Total));

    // Points per opponent.
    VuesStatEquipe::RemplitPointsPris(*sg_PointPris, *Champ, *Saison, Equipe, P);
    sg_PointPris->update();
}

void Tf_StatEquipe::SurvolSpectateurs(int X, int Y)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    int Serie = -1;
    const TPointCourbe* Point = GraphSpect->PointA(X, Y, Serie);
    if (Champ == nullptr || Point == nullptr || Serie < 0 || Serie > 1 || Point->X < 1 ||
        Point->X > Champ->JourneeJouee) {
        FondCopie21->hide();
        return;
    }
    const std::string Propre = Saison->GetNomEquipeChamp(Equipe);
    const std::string Adversaire = Saison->GetNomEquipe(static_cast<uint16_t>(GraphSpect->GetPoint(2, Point->X)));
    const std::string Match = Serie == 0 ? Propre + " - " + Adversaire : Adversaire + " - " + Propre;
    FondCopie21->setText(Q(Match + "\n" + std::to_string(Point->Y)));
    FondCopie21->adjustSize();
    FondCopie21->move(std::min(X + 10, std::max(GraphSpect->width() - FondCopie21->width(), 0)),
                      std::max(Y - FondCopie21->height() - 5, 0));
    FondCopie21->show();
    FondCopie21->raise();
}

void Tf_StatEquipe::RemplitClassement()
{
    const TDonneesChampionnat* Champ = Saison->GetChampCourant();
    const SE::TClassementEquipe C = SE::RemplitClassement(*Champ, *Saison, Equipe);
    for (size_t I = 0; I < 3; ++I) {
        const SE::TBoiteClassement& B = C.Boites[I];
        const std::array<std::string, 6> Lignes{Traduit(856) + " : " + B.Place,
                                                Traduit(852) + " : " + std::to_string(B.Victoires),
                                                Traduit(853) + " : " + std::to_string(B.Nuls),
                                                Traduit(854) + " : " + std::to_string(B.Defaites),
                                                Traduit(I == 0 ? 1108 : 857) + " : " + std::to_string(B.Pour) + " (" +
                                                    std::to_string(B.RangAttaque) + ")",
                                                Traduit(I == 0 ? 1109 : 858) + " : " + std::to_string(B.Contre) + " (" +
                                                    std::to_string(B.RangDefense) + ")"};
        for (size_t L = 0; L < Lignes.size(); ++L)
            LignesClassement[I][L]->setText(Q(Lignes[L]));
    }
    std::string Series;
    for (const std::string& L : C.Series)
        Series += L + "\n";
    Editserie->setText(Q(Series));
}

void Tf_StatEquipe::RemplitEvolution()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return;
    AfficheEvolutionScore(
        SE::RemplitEvolutionScore(*Champ, *Saison, static_cast<uint16_t>(Champ->GetEquipe(Equipe)), Lieu()));
}

void Tf_StatEquipe::AfficheEvolutionScore(const std::array<std::string, 26>& Textes)
{
    for (size_t E = 0; E < Textes.size(); ++E)
        if (LabelsEvolution[E] != nullptr)
            LabelsEvolution[E]->setText(Q(Textes[E]));
}

void Tf_StatEquipe::AfficheGrapheRepartition(TGraphBarre& Quart, TGraphBarre& Tranches, const SE::TTranches& T,
                                             TCouleurs CouleurQuart, TCouleurs CouleurTranche)
{
    // The labels stand on the bands' bounds, not under their middles: the
    // band of minutes 60 to 74 lies between "60" and "75".
    PrepareBarres(Quart, 7, 1.0 / 15, 15);
    Quart.DecalLegende(false);
    for (int I = 1; I <= 7; ++I)
        Quart.SetPoint(0, I, SE::QuartHeure(T, I)), Quart.SetCouleursPoint(0, I, CouleurQuart);
    PrepareBarres(Tranches, 19, 1.0 / 5, 5);
    Tranches.DecalLegende(false);
    for (int I = 1; I <= 19; ++I)
        Tranches.SetPoint(0, I, T[static_cast<size_t>(I - 1)]), Tranches.SetCouleursPoint(0, I, CouleurTranche);
}

void Tf_StatEquipe::AfficheButsMarques()
{
    AfficheButs(false);
}

void Tf_StatEquipe::AfficheButsEncaisses()
{
    AfficheButs(true);
}

void Tf_StatEquipe::AfficheButs(bool Encaisses)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return;
    const auto Id = static_cast<uint16_t>(Champ->GetEquipe(Equipe));
    AfficheGrapheRepartition(*GraphBarre1, *GraphBarre2,
                             Encaisses ? SE::CompteButsEncaisses(*Champ, Id) : SE::CompteButsMarques(*Champ, Id));
    // The title names the goals shown, the button what it shows instead.
    Status(Traduit(Encaisses ? 136 : 135));
    TitreButs->setText(Q(Traduit(Encaisses ? 136 : 135)));
    b_ChangeBut->SetCaption(Traduit(Encaisses ? TexteVoirMarques : TexteVoirEncaisses));
    b_ChangeBut->setProperty("Tag", Encaisses ? 2 : 1);
}

void Tf_StatEquipe::b_ChangeButClick()
{
    if (b_ChangeBut->property("Tag").toInt() == 1)
        AfficheButsEncaisses();
    else
        AfficheButsMarques();
}

void Tf_StatEquipe::Changerdequipe1Click()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return;
    int Choix = Champ->GetOption(10);
    if (!Tf_ChoixEquipe::Choisir(Saison, Traduit(17), 0, Choix, this))
        return;
    SetEquipe(Choix);
    Rafraichir();
    if (Principale != nullptr)
        Principale->SetSelection(0, Equipe);
}

// --- Club information -----------------------------------------------------------

namespace {

void RemplitListe(QComboBox& Boite, const std::vector<SE::TEntreeListe>& Entrees, int Objet)
{
    Boite.clear();
    for (const SE::TEntreeListe& E : Entrees)
        Boite.addItem(Q(E.Texte), E.Objet);
    // The record's entry by its object; none for the first entry or one not found.
    const int Index = Objet == 65535 ? 0 : Boite.findData(Objet);
    Boite.setCurrentIndex(Index > 0 || Objet == 65535 ? Index : -1);
}

// The object of the selected entry after the first, 65535 otherwise.
int ObjetChoisi(const QComboBox& Boite)
{
    return Boite.currentIndex() > 0 ? Boite.currentData().toInt() : 65535;
}

} // namespace

void Tf_StatEquipe::RemplitInfoAdmin()
{
    if (Saison == nullptr || IdEquipe() == 65535)
        return;
    const SE::TChampsClub C = SE::LitClub(*Saison, IdEquipe());
    AvecFicheClub = C.AvecFiche;
    RemplitListe(*cb_Stade, SE::EntreesStades(*Saison), C.Stade);
    RemplitListe(*cb_Entraineur, SE::EntreesEntraineurs(*Saison), C.Entraineur);
    e_DateCreation->setText(Q(C.Creation));
    e_CouleurMaillot->setText(Q(C.CouleurMaillot));
    e_CouleurRechange->setText(Q(C.CouleurRechange));
    m_Palmares->setPlainText(Q(C.Palmares));
    e_siteInternet->setText(Q(C.SiteInternet));
    e_Budget->setText(Q(C.Budget));
    e_President->setText(Q(C.President));
    e_Statut->setText(Q(C.Statut));
    m_Remarque->setPlainText(Q(C.Remarque));
}

void Tf_StatEquipe::bc_ModifierClick()
{
    if (Saison == nullptr || IdEquipe() == 65535)
        return;
    SE::TChampsClub C;
    C.Creation = e_DateCreation->text().toStdString();
    C.CouleurMaillot = e_CouleurMaillot->text().toStdString();
    C.CouleurRechange = e_CouleurRechange->text().toStdString();
    C.Palmares = m_Palmares->toPlainText().toStdString();
    C.SiteInternet = e_siteInternet->text().toStdString();
    C.Budget = e_Budget->text().toStdString();
    C.President = e_President->text().toStdString();
    C.Statut = e_Statut->text().toStdString();
    C.Remarque = m_Remarque->toPlainText().toStdString();
    C.Stade = ObjetChoisi(*cb_Stade);
    C.Entraineur = ObjetChoisi(*cb_Entraineur);
    AvecFicheClub = SE::EcritClub(*Saison, IdEquipe(), C) != nullptr;
    Modifie();
}

void Tf_StatEquipe::bc_FicheStadeClick()
{
    if (Saison == nullptr || !AvecFicheClub || cb_Stade->currentIndex() < 1)
        return;
    TStade* Stade = Saison->Stades().ChercheCode(cb_Stade->currentData().toInt());
    if (Stade == nullptr)
        return;
    bool Change = false;
    if (!OuvreFicheStade(*Saison, Stade, &Change) || !Change || Stade == nullptr)
        return;
    Modifie();
    cb_Stade->setItemText(cb_Stade->currentIndex(), Q(Stade->NomStade));
}

void Tf_StatEquipe::bc_CreeStadeClick()
{
    if (Saison == nullptr)
        return;
    TStade* Stade = nullptr;
    if (!OuvreFicheStade(*Saison, Stade) || Stade == nullptr)
        return;
    Modifie();
    cb_Stade->addItem(Q(Stade->NomStade), Stade->Code);
    cb_Stade->setCurrentIndex(cb_Stade->count() - 1);
}

void Tf_StatEquipe::b_FicheEntrClick()
{
    if (Saison == nullptr || !AvecFicheClub || cb_Entraineur->currentIndex() < 1)
        return;
    auto* Entraineur =
        dynamic_cast<TEntraineur*>(Saison->Entraineurs().ChercheId(cb_Entraineur->currentData().toInt()));
    if (Entraineur == nullptr)
        return;
    if (!OuvreFicheEntraineur(*Saison, Entraineur) || Entraineur == nullptr)
        return;
    Modifie();
    cb_Entraineur->setItemText(cb_Entraineur->currentIndex(), Q(Entraineur->GetNomComplet()));
}

void Tf_StatEquipe::b_CreeEntrClick()
{
    if (Saison == nullptr)
        return;
    TEntraineur* Entraineur = nullptr;
    if (!OuvreFicheEntraineur(*Saison, Entraineur) || Entraineur == nullptr)
        return;
    Modifie();
    cb_Entraineur->addItem(Q(Entraineur->GetNomComplet()), Entraineur->Numero);
    cb_Entraineur->setCurrentIndex(cb_Entraineur->count() - 1);
}

void Tf_StatEquipe::bc_changeLogoClick()
{
    const uint16_t Id = IdEquipe();
    if (Saison == nullptr || Id == 65535 || Blasons() == nullptr)
        return;
    Tf_Blasons Choix(*Blasons(), this);
    Choix.RemplitArbre(Saison->GetLogoEquipe(Id));
    if (Dialogues().ExecuteModal(Choix) != ResultatModal::Ok || Choix.Choisi() <= 0)
        return;
    // The crest number is the season's: the change must reach the file.
    if (Choix.Choisi() != Saison->GetLogoEquipe(Id)) {
        Saison->SetLogoEquipe(Id, Choix.Choisi());
        Modifie();
    }
    ChargeLogo(Choix.Choisi());
}

void Tf_StatEquipe::AjusteLogoClub()
{
    const TGraphique* Image = Logo->Image();
    // A picture without width cannot be scaled: the box stays as it is.
    if (Image == nullptr || Image->Image.width() <= 0) {
        pb_Logo->update();
        return;
    }
    pb_Logo->setFixedSize(35, Image->Image.height() * 35 / Image->Image.width());
    pb_Logo->update();
}

void Tf_StatEquipe::pb_LogoPaint(QPainter& Canvas)
{
    const TGraphique* Image = Logo->Image();
    if (Image == nullptr || Image->Image.width() <= 0)
        return;
    QPixmap Dessin = QPixmap::fromImage(Image->Image);
    Dessin.setMask(Dessin.createMaskFromColor(Qt::white));
    Canvas.fillRect(pb_Logo->rect(), palette().window());
    Canvas.drawPixmap(pb_Logo->rect(), Dessin);
}

void Tf_StatEquipe::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

void Tf_StatEquipe::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
}

bool Tf_StatEquipe::Imprimable() const
{
    const int N = tab4->currentIndex() + 1;
    return (N >= 1 && N <= 6) || N == 8;
}

namespace {

// The page's font on paper when the sheet has room for its texts.
constexpr int TailleImpression = 14;

} // namespace

void Tf_StatEquipe::Imprime()
{
    const int N = tab4->currentIndex() + 1;
    if (N == 8 || N == 6) {
        (N == 8 ? sg_PointPris : sg_Composition)->Imprime();
        return;
    }
    if (N == 4) {
        ImprimeUnePage(false, [this](QPainter& P, const QRect& Page, int Dpi) { ImprimeJoueurs(P, Page, Dpi); });
        return;
    }
    ImprimeUnePage(N == 2, [this, N](QPainter& P, const QRect& Page, int /*Dpi*/) {
        QFont F = font();
        F.setPointSize(TailleImpression);
        P.setFont(F);
        P.setPen(QPen(Qt::black, 1));
        if (N == 1) {
            ImprimeParcours(P, Page, ColonnesParcours());
        } else if (N == 2) {
            ImprimeClassement(P, Page);
        } else if (N == 3) {
            GraphBarre1->Imprime(QRect(Page.left(), Page.top(), Page.width(), Page.height() / 2), P);
            GraphBarre2->Imprime(QRect(Page.left(), Page.top() + Page.height() / 2, Page.width(), Page.height() / 2),
                                 P);
        } else if (N == 5) {
            GraphSpect->Imprime(QRect(Page.left(), Page.top(), Page.width(), Page.height() / 2), P);
        }
    });
}

std::vector<TColonneParcours> Tf_StatEquipe::ColonnesParcours() const
{
    std::vector<TColonneParcours> Colonnes;
    for (QWidget* Liste : {mdomicile, mexterieur}) {
        if (Liste == mexterieur && SansLieu)
            break;
        TColonneParcours& C = Colonnes.emplace_back();
        C.Titre = Q(Traduit(Liste == mdomicile ? 64 : 65));
        for (const THotLabel* L : LignesMatch)
            if (L->parentWidget() == Liste)
                C.Lignes.push_back(L->text());
    }
    return Colonnes;
}

void Tf_StatEquipe::ImprimeClassement(QPainter& P, const QRect& Page)
{
    // The team's name heads the page, over a twelfth of it.
    const int Haut = Page.top() + Page.height() / 12;
    ImprimeTexteAjuste(P, TailleImpression, QRect(Page.left(), Page.top(), Page.width(), Haut - Page.top()),
                       Qt::AlignCenter, Label14->text());
    const int H = (Page.bottom() - Haut) / 3;
    const int Moitie = Page.width() / 2;
    constexpr int Ecart = 10;
    // Each box under its caption, as on screen: without it the three boxes
    // cannot be told apart.
    const int Legende = P.fontMetrics().height() * 5 / 4;
    for (size_t I = 0; I < 3; ++I) {
        if (BoitesClassement[I]->isHidden())
            continue;
        const int Y = Haut + static_cast<int>(I) * H;
        ImprimeTexteAjuste(P, TailleImpression, QRect(Page.left(), Y, Moitie - Ecart, Legende),
                           Qt::AlignLeft | Qt::AlignVCenter, LiensClassement[I]->text());
        BoitesClassement[I]->ImprimeLabels(P, QRect(Page.left(), Y + Legende, Moitie - Ecart, H - Ecart - Legende));
    }
    // The charts under the team's name too: drawn after it, the first would
    // cover it. Each under its title, as on screen: the form, result and
    // score charts look alike without it.
    const int Q4 = (Page.bottom() - Haut) / 4;
    const int X = Page.left() + Moitie;
    const std::array<std::pair<TGraphe*, int>, 3> Graphes{{{Graph2, 0}, {Graph3, 1}, {Graph4, 3}}};
    for (size_t I = 0; I < Graphes.size(); ++I) {
        const auto [Graphe, Place] = Graphes[I];
        const int Y = Haut + Place * Q4;
        ImprimeTexteAjuste(P, TailleImpression, QRect(X, Y, Moitie, Legende), Qt::AlignLeft | Qt::AlignVCenter,
                           TitresGraphes[I]->text());
        Graphe->Imprime(QRect(X, Y + Legende, Moitie, Q4 - Legende), P);
    }
    ImprimeTexteAjuste(P, TailleImpression, QRect(X, Haut + 2 * Q4, Moitie, Q4), Qt::AlignLeft | Qt::AlignTop,
                       Editserie->text());
}

void Tf_StatEquipe::ImprimeJoueurs(QPainter& P, const QRect& Page, int Dpi)
{
    const int L = Page.width() / 2;
    const int H = Page.height() * 2 / 3;
    const std::array<std::pair<TColorStringGrid*, QRect>, 4> Zones{
        {{sg_Buteur, QRect(Page.left(), Page.top(), L, H)},
         {sg_Passeur, QRect(Page.left(), Page.top() + H, L, Page.height() - H)},
         {sg_Averti, QRect(Page.left() + L, Page.top(), Page.width() - L, H)},
         {sg_Exclus, QRect(Page.left() + L, Page.top() + H, Page.width() - L, Page.height() - H)}}};
    for (const auto& [Grille, Zone] : Zones) {
        P.save();
        P.translate(Zone.topLeft());
        Grille->ImprimeSur(P, QRect(0, 0, Zone.width() * 95 / 100, Zone.height() * 95 / 100), Dpi);
        P.restore();
    }
}

// --- HTML -------------------------------------------------------------------------

namespace {

std::string ReponseGraphe(const std::string& Nom)
{
    return "#" + Nom + ".png#<img src=\"" + Nom + ".png\">";
}

// The chart keywords: the route's charts, the attendance and the goals by time.
void ExecuteGraphe(const std::string& Cle, const TLignesParam& Params, std::string& Resultat, TSaison& Saison,
                   const TDonneesChampionnat& Champ, int Equipe)
{
    const std::string Type = MinusculesAscii(Trim(LitParametre("Type", Params, "")));
    const bool Forme = Cle == "graphclassementequipe" && Type == "evolution";
    const bool Barres = (Cle == "graphclassementequipe" && !Forme) || Cle == "detailbutequipe";
    const int Hauteur = std::clamp(LitParametreEntier("Hauteur", Params, Barres ? 180 : 400), 1, 2000);
    const int Largeur = std::clamp(LitParametreEntier("Largeur", Params, Barres ? 450 : 400), 1, 2000);
    const TColor Fond = HtmlVersCouleur(LitParametre("CouleurFond", Params, "#00306F"));
    const auto Lit = [&](const char* Nom, const std::string& Defaut) {
        return HtmlVersCouleur(LitParametre(Nom, Params, Defaut));
    };
    auto Prepare = [&](TGraphe& G, int H) {
        G.resize(Largeur, std::max(1, H));
        G.Modele().SetCouleurContours(Lit("CouleurContours", "#00FFFF"));
        G.Modele().SetEcritureContours(Lit("EcritureContours", "#00FFFF"));
    };
    const uint16_t Id = static_cast<uint16_t>(Champ.GetEquipe(Equipe));
    if (Cle == "detailbutequipe") {
        TGraphBarre Quart;
        TGraphBarre Tranches;
        for (TGraphBarre* G : {&Quart, &Tranches}) {
            Prepare(*G, Hauteur / 2);
            G->SetLegendeX(Traduit(92));
            G->SetLegendeY(Traduit(818));
        }
        Tf_StatEquipe::AfficheGrapheRepartition(Quart, Tranches, SE::CompteButsMarques(Champ, Id),
                                                CouleursPoint(Lit("Couleur10Min", "#8080FF")),
                                                CouleursPoint(Lit("Couleur5Min", "#B080FF")));
        if (SauveImagePng(ImageDeuxGraphes(Quart, Tranches, Fond), "repartequipe"))
            Resultat = ReponseGraphe("repartequipe");
        return;
    }
    const SE::TParcours P = SE::CalculeParcours(Champ, Saison, Equipe);
    if (Cle == "affluenceequipe") {
        TGraphLigne G;
        Prepare(G, Hauteur);
        G.SetNbCourbes(2);
        G.VideCourbes();
        G.SetNbPointY(10);
        G.SetNbPointX(P.NbPointsSpect);
        G.SetCouleurCourbe(0, Lit("CouleurDomicile", "#0000FF"));
        G.SetCouleurCourbe(1, Lit("CouleurExterieur", "#FFFF00"));
        G.SetCourbeVisible(1, !P.SansLieu);
        G.SetLegendeY(Traduit(860));
        for (const SE::TPointGraphe& Pt : P.SpectDomicile)
            G.SetPoint(0, Pt.X, Pt.Y);
        for (const SE::TPointGraphe& Pt : P.SpectExterieur)
            G.SetPoint(1, Pt.X, Pt.Y);
        if (SauveGraphePng(G, "spect", Fond))
            Resultat = ReponseGraphe("spect");
        return;
    }
    if (Forme) {
        TGraphLigne G;
        Prepare(G, Hauteur);
        G.SetNbCourbes(1);
        G.VideCourbes();
        G.SetNbPointY(80);
        G.SetAutoGraduationY(false);
        G.SetEspaceGraduerY(10);
        G.SetEcrireY(false);
        G.SetCouleurCourbe(0, Lit("CouleurCourbe", "#0000FF"));
        G.SetLegendeY("Points");
        G.SetLegendeX(Traduit(85));
        G.SetNbPointX(P.NbPointsForme);
        for (const SE::TPointGraphe& Pt : P.Forme)
            G.SetPoint(0, Pt.X, Pt.Y);
        if (SauveGraphePng(G, "statequipe1", Fond))
            Resultat = ReponseGraphe("statequipe1");
        return;
    }
    TGraphBarre G;
    Prepare(G, Hauteur);
    std::string Image;
    if (Type == "but" || Type == "point") {
        const std::string PointPour = LitParametre("CouleurPointPour", Params, "#0000FF");
        const std::string PointContre = LitParametre("CouleurPointContre", Params, "#0000FF");
        const TColor Pour = Lit("CouleurButPour", PointPour);
        const TColor Contre = Lit("CouleurButContre", PointContre);
        PrepareBarres(G, P.NbPointsScore, 3.0, 3);
        G.SetLegendeY(Traduit(68));
        for (const SE::TPointGraphe& Pt : P.Score) {
            G.SetPoint(0, Pt.X, Pt.Y);
            if (Pt.X % 3 != 0)
                G.SetCouleursPoint(0, Pt.X, CouleursPoint(Pt.X % 3 == 1 ? Pour : Contre));
        }
        Image = "statequipe3";
    } else {
        const std::array<TColor, 3> Couleurs{Lit("CouleurDefaite", "#0000FF"), Lit("CouleurNul", "#0000FF"),
                                             Lit("CouleurVictoire", "#0000FF")};
        PrepareBarres(G, P.NbPointsForme, 1.0, 1);
        G.SetNbPointY(3);
        G.LegendeRemplaceY().SetLegende(1, "D");
        G.LegendeRemplaceY().SetLegende(2, "N");
        G.LegendeRemplaceY().SetLegende(3, "V");
        for (const SE::TPointGraphe& Pt : P.Resultat) {
            G.SetPoint(0, Pt.X, Pt.Y);
            if (Pt.Y >= 1 && Pt.Y <= 3)
                G.SetCouleursPoint(0, Pt.X, CouleursPoint(Couleurs[static_cast<size_t>(Pt.Y - 1)]));
        }
        Image = "statequipe2";
    }
    if (SauveGraphePng(G, Image, Fond))
        Resultat = ReponseGraphe(Image);
}

} // namespace

bool Tf_StatEquipe::HtmlJoueurs(const std::string& NomFichier)
{
    const std::vector<std::string> Couleurs{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    std::string Html = DebutPageHtml(TitreDocument(), "#80CCFE");
    const std::array<std::pair<int, TColorStringGrid*>, 4> Grilles{
        {{TexteButeurs, sg_Buteur}, {TextePasseurs, sg_Passeur}, {TexteAvertis, sg_Averti}, {TexteExclus, sg_Exclus}}};
    for (size_t I = 0; I < Grilles.size(); ++I)
        Html += std::string(I == 0 ? "" : "<BR><BR>\r\n") + "<H2>" + EchappeHtml(Traduit(Grilles[I].first)) +
                "</H2>\r\n" + Grilles[I].second->GetTableHtml(Couleurs);
    if (EcritHtml(NomFichier, Html + FinPageHtml(), true))
        return true;
    SignaleEchecExport(NomFichier);
    return false;
}

bool Tf_StatEquipe::ExportableHtml() const
{
    const int N = tab4->currentIndex() + 1;
    return N == 1 || (N >= 3 && N <= 6) || N == 8;
}

bool Tf_StatEquipe::ExporteHtml(const std::string& NomFichier)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || IdEquipe() == 65535)
        return false;
    const std::string Titre = TitreDocument();
    // The chart and players pages tell their own failures.
    switch (tab4->currentIndex() + 1) {
    case 1:
        if (EcritHtml(
                NomFichier,
                VuesStatEquipe::HtmlParcours(SE::CalculeParcours(*Champ, *Saison, Equipe, FiltreParcours()), Titre),
                true))
            return true;
        break;
    case 3:
        return ExportePageImage(NomFichier, Titre, ImageDeuxGraphes(*GraphBarre1, *GraphBarre2, FondGraphesHtml),
                                "_repart");
    case 4:
        return HtmlJoueurs(NomFichier);
    case 5:
        return ExportePageImage(NomFichier, Titre, GraphSpect->Image(FondGraphesHtml), "_spect");
    case 6:
        if (sg_Composition->ExporteHtml(NomFichier, true, Titre))
            return true;
        break;
    case 8:
        if (sg_PointPris->ExporteHtml(NomFichier, true, Titre))
            return true;
        break;
    default:
        return false;
    }
    SignaleEchecExport(NomFichier);
    return false;
}

void Tf_StatEquipe::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                    const std::string& Args, TSaison* Saison)
{
    static const char* const Mots[] = {
        "resultatequipe",         "affluenceequipe", "statclassementequipe", "graphclassementequipe", "tempsjeuequipe",
        "classementjoueurequipe", "pointprisequipe", "evolutionscoreequipe", "detailbutequipe",       "adminequipe"};
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
    const std::string NomEquipe = LitParametre("Equipe", Params, "");
    const int Id = Saison->ChercheEquipe(NomEquipe);
    const int Equipe = Id >= 0 ? Champ->IndexEquipe(static_cast<uint16_t>(Id)) : -1;
    if (Equipe < 0) {
        Resultat = "Equipe \"" + EchappeHtml(NomEquipe) + "\" inconnue<br/>";
        return;
    }
    const auto Minuscule = [&](const char* Parametre) {
        return MinusculesAscii(Trim(LitParametre(Parametre, Params, "")));
    };
    const std::vector<std::string> Couleurs = CouleursTableParam(Params);
    if (Cle == "resultatequipe") {
        Resultat = VuesStatEquipe::ResultatEquipe(*Champ, *Saison, Equipe, LitParametreEntier("TypeResult", Params, 7),
                                                  Trim(LitParametre("Separe", Params, "")) != "0",
                                                  LitParametre("FonteMatchDom", Params, "#000000"),
                                                  LitParametre("FonteMatchExt", Params, "#000000"));
    } else if (Cle == "adminequipe") {
        Resultat = VuesStatEquipe::AdminEquipe(*Saison, static_cast<uint16_t>(Id), Couleurs);
    } else if (Cle == "statclassementequipe") {
        const std::string Lieu = Minuscule("Lieu");
        Resultat = VuesStatEquipe::StatClassementEquipe(
            *Champ, *Saison, Equipe, Lieu == "domicile" ? 2 : (Lieu == "exterieur" ? 3 : 1), Couleurs);
    } else if (Cle == "evolutionscoreequipe") {
        const std::string Lieu = Minuscule("Lieu");
        const auto Textes = SE::RemplitEvolutionScore(*Champ, *Saison, static_cast<uint16_t>(Id),
                                                      Lieu == "domicile" ? 2 : (Lieu == "exterieur" ? 3 : 1));
        Resultat = VuesStatEquipe::EvolutionScoreEquipe(Textes, LitParametre("TypeEvol", Params, ""),
                                                        LitParametre("CouleurEcriture", Params, "#000080"));
    } else if (Cle == "tempsjeuequipe" || Cle == "classementjoueurequipe") {
        TModeleGrille Grille;
        Grille.SetFixedCols(0);
        if (Cle == "tempsjeuequipe")
            VuesStatEquipe::AfficheTempsJeu(*Saison, Equipe, Grille);
        else
            TClassJoueur::AfficheEquipe(*Saison, static_cast<uint16_t>(Id), false, Grille,
                                        VuesStatEquipe::GenreTypeJoueur(LitParametre("Type", Params, "")));
        Resultat = Grille.GetTableHtml(Couleurs);
    } else if (Cle == "pointprisequipe") {
        TModeleGrille Grille;
        Grille.SetFixedCols(0);
        VuesStatEquipe::RemplitPointsPris(Grille, *Champ, *Saison, Equipe,
                                          SE::CalculeParcours(*Champ, *Saison, Equipe));
        Resultat = Grille.GetTableHtml(Couleurs);
    } else {
        ExecuteGraphe(Cle, Params, Resultat, *Saison, *Champ, Equipe);
    }
}

void EnregistrePagesStatEquipe()
{
    using namespace Commande;
    static const std::array<std::pair<int, int>, 9> Onglets{{{Commande::StatEquipe, 1},
                                                             {StatEquipeStatistiques, 2},
                                                             {StatEquipeButs, 3},
                                                             {StatEquipeJoueurs, 4},
                                                             {StatEquipeAffluence, 5},
                                                             {StatEquipeComposition, 6},
                                                             {StatEquipeSituations, 7},
                                                             {StatEquipePointsPris, 8},
                                                             {StatEquipeClub, 9}}};
    static const bool MotsCles = [] {
        for (const char* Mot :
             {"ResultatEquipe", "AffluenceEquipe", "StatClassementEquipe", "GraphClassementEquipe", "TempsJeuEquipe",
              "ClassementJoueurEquipe", "PointPrisEquipe", "EvolutionScoreEquipe", "DetailButEquipe", "AdminEquipe"})
            GestionFonction().Ajoute<Tf_StatEquipeEx>(Mot, CodeFonction::Equipe);
        return true;
    }();
    (void)MotsCles;
    for (auto [Code, Onglet] : Onglets)
        EnregistreCommandePage(
            Code, TCommandePage([Onglet](TPrincipale& Principale, int, int Param, int) -> TReponsePage {
                TSaison* Saison = Principale.GetSaison();
                const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
                if (Champ == nullptr)
                    return TReponsePage::Aucun();
                if (Champ->GetNbEquipe() == 0) {
                    MessageUtil(Traduit(294), 4);
                    return TReponsePage::Aucun();
                }
                int Equipe = Param < 0 ? -1 : (Param & 0xFFFFFF);
                const int Lieu = Param < 0 ? 0 : (Param >> 24) & 0xFF;
                if (Equipe >= Champ->GetNbEquipe())
                    Equipe = -1;
                auto* Montree = dynamic_cast<Tf_StatEquipe*>(Principale.GetPageCourante());
                if (Montree == nullptr && Equipe < 0) {
                    int Choix = Champ->GetOption(10);
                    if (!Tf_ChoixEquipe::Choisir(Saison, Traduit(17), 0, Choix))
                        return TReponsePage::Aucun();
                    Equipe = Choix;
                }
                Tf_StatEquipe* Page = Montree;
                if (Page == nullptr) {
                    Page = dynamic_cast<Tf_StatEquipe*>(Principale.AfficheFenetre(ClassePage<Tf_StatEquipeEx>()));
                    if (Page == nullptr)
                        return TReponsePage::Aucun();
                    Page->Saison = Saison;
                    Page->Principale = &Principale;
                    if (Lieu >= 1 && Lieu <= 3)
                        Page->SetLieu(Lieu);
                    Page->SetEquipe(Equipe);
                    Page->Rafraichir();
                } else if (Equipe >= 0 && Equipe != Page->GetEquipe()) {
                    Page->SetEquipe(Equipe);
                    Page->Rafraichir();
                }
                Page->AfficheOnglet(Onglet);
                Principale.SetSelection(0, Page->GetEquipe());
                Principale.AfficheCommandeImprimer();
                return TReponsePage::Avec(Page->GetEquipe());
            }));
}
