#include "pages/vues/w_FicheMatch.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/Editeur.h"
#include "controls/HotLabel.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/vues/w_Agrandissement.h"
#include "platform/Couleurs.h"
#include "presentation/PageHtml.h"
#include "presentation/VuesFicheMatch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The fixture every sheet shows, the forecast's included.
int NumeroMatchFiche = 0;

enum : int {
    TexteChoixEquipe = 17,
    TexteAucuneEquipe = 294,
    TexteSerieEnCours = 1202,
    TexteDerniersMatchs = 1203,
    TexteHistoriqueDes = 1204,
    TexteDernieresRencontres = 1205,
    TexteChercher = 1206,
    TexteBulleSerie = 1303,
    TexteBulleDerniers = 1305,
    TexteStatsLieu = 1306,
    TexteStatsGenerales = 1307,
    TexteChangerMatch = 2720,
    TexteChangerEquipe = 2721,
};

constexpr TColor FondPage = 0x6F3000;
constexpr TColor CouleurResultat = 0xFFFF00;
constexpr int HauteurResultat = 18;

QString Q(const std::string& S)
{
    return QString::fromStdString(S);
}

TFondModele* Modele(const char* Nom)
{
    return Dessin() ? Dessin()->Fond(Nom) : nullptr;
}

TFondCopie* Panneau(QWidget* Parent)
{
    auto* P = new TFondCopie(Parent);
    P->SetModele(Modele("FondCarrebleu"));
    return P;
}

QLabel* Etiquette(QWidget* Parent, const std::string& Texte = {})
{
    auto* L = new QLabel(Q(Texte), Parent);
    TexteClair(L);
    return L;
}

THotLabel* Lien(QWidget* Parent, const std::string& Texte, const std::string& Bulle)
{
    auto* L = new THotLabel(Q(Texte), Parent);
    StyleTexteJaune(L);
    L->setToolTip(Q(Bulle));
    return L;
}

TEditeur* Rapport(QWidget* Parent)
{
    auto* E = new TEditeur(Parent);
    E->SetCouleur(FondPage);
    E->setMinimumSize(220, 100);
    E->SetNbLigne(1);
    E->JustifyDoc = false;
    return E;
}

TFondScroll* PanneauResultats(QWidget* Parent)
{
    auto* F = new TFondScroll(Parent);
    F->SetModele(Modele("FondToutBleu"));
    F->SetModeleScroll(Modele("FondToutBleu"));
    // Five rows and the scroll bar that long names bring.
    F->setMinimumSize(220, 5 * HauteurResultat + 40);
    return F;
}

} // namespace

Tf_FicheMatch::Tf_FicheMatch(QWidget* parent) : TFootForm(parent)
{
    QVBoxLayout* Page = PageDefilante(*this);
    QWidget* Contenu = Page->parentWidget();

    // The two teams, the arrows between them and the kind of statistics.
    Panel1 = new QWidget(Contenu);
    auto* Bande = new QHBoxLayout(Panel1);
    Bande->setContentsMargins(0, 0, 0, 0);
    c_EqDomicile = new TCadre(Panel1);
    c_EqExterieur = new TCadre(Panel1);
    for (TCadre* C : {c_EqDomicile, c_EqExterieur}) {
        C->SetModele(Modele("BoutonCreuxBleu"));
        C->setMinimumSize(140, 25);
        C->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    UpDown1 = new QWidget(Panel1);
    UpDown1->setToolTip(Q(Traduit(TexteChangerMatch)));
    auto* Fleches = new QVBoxLayout(UpDown1);
    Fleches->setContentsMargins(0, 0, 0, 0);
    Fleches->setSpacing(0);
    UpDown1Haut = new QToolButton(UpDown1);
    UpDown1Haut->setArrowType(Qt::UpArrow);
    UpDown1Bas = new QToolButton(UpDown1);
    UpDown1Bas->setArrowType(Qt::DownArrow);
    for (QToolButton* B : {UpDown1Haut, UpDown1Bas}) {
        B->setFixedSize(20, 13);
        Fleches->addWidget(B);
    }
    connect(UpDown1Haut, &QToolButton::clicked, this, [this] { UpDown1Click(true); });
    connect(UpDown1Bas, &QToolButton::clicked, this, [this] { UpDown1Click(false); });
    cb_TypeStat = new QComboBox(Panel1);
    cb_TypeStat->addItem(Q(Traduit(TexteStatsLieu)));
    cb_TypeStat->addItem(Q(Traduit(TexteStatsGenerales)));
    cb_TypeStat->setCurrentIndex(0);
    connect(cb_TypeStat, &QComboBox::currentIndexChanged, this, [this] { cb_TypeStatChange(); });
    Bande->addWidget(c_EqDomicile, 1);
    Bande->addWidget(UpDown1);
    Bande->addWidget(c_EqExterieur, 1);
    Bande->addSpacing(12);
    Bande->addWidget(cb_TypeStat);
    Page->addWidget(Panel1);

    // The head-to-head.
    FondCopie1 = Panneau(Contenu);
    auto* Historique = new QGridLayout(FondCopie1);
    Historique->setContentsMargins(10, 8, 10, 8);
    Label1 = Etiquette(FondCopie1, Traduit(TexteHistoriqueDes));
    Label2 = Etiquette(FondCopie1, Traduit(TexteDernieresRencontres));
    ud_nbrenc = new QSpinBox(FondCopie1);
    ud_nbrenc->setRange(1, 200);
    ud_nbrenc->setValue(10);
    connect(ud_nbrenc, &QSpinBox::valueChanged, this, [this] { Edit1Change(); });
    bc_Modifier = BoutonTexte(FondCopie1, TexteChercher);
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    auto* Compte = new QHBoxLayout;
    Compte->addWidget(Label1);
    Compte->addWidget(ud_nbrenc);
    Compte->addWidget(Label2);
    Compte->addStretch(1);
    Compte->addWidget(bc_Modifier);
    Historique->addLayout(Compte, 0, 0, 1, 3);
    l_Vict = Etiquette(FondCopie1);
    l_Nul = Etiquette(FondCopie1);
    l_Def = Etiquette(FondCopie1);
    Historique->addWidget(l_Vict, 1, 0);
    Historique->addWidget(l_Nul, 1, 1, Qt::AlignHCenter);
    Historique->addWidget(l_Def, 1, 2, Qt::AlignRight);
    FondCopie1->hide();
    Page->addWidget(FondCopie1);

    // The standings blocks.
    auto* Classements = new QHBoxLayout;
    FondCopie35 = Panneau(Contenu);
    FondCopie36 = Panneau(Contenu);
    for (int Cote = 0; Cote < 2; ++Cote) {
        TFondCopie* Fond = Cote == 0 ? FondCopie35 : FondCopie36;
        auto* Lignes = new QVBoxLayout(Fond);
        Lignes->setContentsMargins(10, 8, 10, 8);
        for (int I = 0; I < 6; ++I) {
            QLabel* L = nullptr;
            if (I == 0) {
                auto* H = Lien(Fond, "", "");
                H->Tag = Cote + 2;
                H->OnClick = [this, H] { Lf1Click(H->Tag); };
                L = H;
            } else {
                L = Etiquette(Fond);
            }
            lf[static_cast<size_t>(6 * Cote + I)] = L;
            Lignes->addWidget(L);
        }
        Classements->addWidget(Fond, 1);
    }
    Page->addLayout(Classements);

    // The series reports.
    FondCopie3 = Panneau(Contenu);
    auto* Series = new QVBoxLayout(FondCopie3);
    Series->setContentsMargins(10, 8, 10, 8);
    Label7 = Lien(FondCopie3, Traduit(TexteSerieEnCours), Traduit(TexteBulleSerie));
    Label7->OnClick = [this] { Label7Click(); };
    Series->addWidget(Label7);
    auto* Rapports = new QHBoxLayout;
    Editeur3 = Rapport(FondCopie3);
    Editeur4 = Rapport(FondCopie3);
    Rapports->addWidget(Editeur3, 1);
    Rapports->addWidget(Editeur4, 1);
    Series->addLayout(Rapports, 1);
    Page->addWidget(FondCopie3);

    // The last five results.
    FondCopie4 = Panneau(Contenu);
    auto* Derniers = new QGridLayout(FondCopie4);
    Derniers->setContentsMargins(10, 8, 10, 8);
    Label8 = Lien(FondCopie4, Traduit(TexteDerniersMatchs), Traduit(TexteBulleDerniers));
    Label3 = Lien(FondCopie4, Traduit(TexteDerniersMatchs), Traduit(TexteBulleDerniers));
    Label8->OnClick = [this] { Label8Click(); };
    Label3->OnClick = [this] { Label3Click(); };
    fs_ResultatDom = PanneauResultats(FondCopie4);
    fs_ResultatExt = PanneauResultats(FondCopie4);
    Derniers->addWidget(Label8, 0, 0);
    Derniers->addWidget(Label3, 0, 1);
    Derniers->addWidget(fs_ResultatDom, 1, 0);
    Derniers->addWidget(fs_ResultatExt, 1, 1);
    Page->addWidget(FondCopie4);
    Page->addStretch(1);

    PopupMenu3 = new QMenu(this);
    PopupMenu3->addAction(Q(Traduit(TexteChangerEquipe)), this, [this] { Changerdquipe1Click(); });
    PopupMenu4 = new QMenu(this);
    PopupMenu4->addAction(Q(Traduit(TexteChangerEquipe)), this, [this] { Changerdequipe2Click(); });
    connect(c_EqDomicile, &QWidget::customContextMenuRequested, this, [this](const QPoint& P) {
        if (FMode == 1)
            PopupMenu3->popup(c_EqDomicile->mapToGlobal(P));
    });
    connect(c_EqExterieur, &QWidget::customContextMenuRequested, this, [this](const QPoint& P) {
        if (FMode == 1)
            PopupMenu4->popup(c_EqExterieur->mapToGlobal(P));
    });
}

Tf_FicheMatch::~Tf_FicheMatch() = default;

QVBoxLayout* PageDefilante(QWidget& Page)
{
    QPalette Palette = Page.palette();
    Palette.setColor(QPalette::Window, VersQColor(FondPage));
    Page.setPalette(Palette);
    Page.setAutoFillBackground(true);
    auto* Defile = new QScrollArea(&Page);
    Defile->setFrameShape(QFrame::NoFrame);
    Defile->setWidgetResizable(true);
    Defile->setPalette(Palette);
    auto* Contenu = new QWidget;
    Contenu->setPalette(Palette);
    Contenu->setAutoFillBackground(true);
    Defile->setWidget(Contenu);
    auto* Boite = new QVBoxLayout(&Page);
    Boite->setContentsMargins(0, 0, 0, 0);
    Boite->addWidget(Defile);
    auto* Colonne = new QVBoxLayout(Contenu);
    Colonne->setContentsMargins(8, 8, 8, 8);
    Colonne->setSpacing(6);
    return Colonne;
}

TBoutonCopie* BoutonTexte(QWidget* Parent, int Texte)
{
    auto* B = new TBoutonCopie(Parent);
    B->SetModele(Dessin() ? Dessin()->Bouton("BoutonOrange") : nullptr);
    B->SetCaption(Traduit(Texte));
    B->setMinimumSize(std::max(80, QFontMetrics(B->font()).horizontalAdvance(Q(Traduit(Texte))) + 16), 25);
    return B;
}

int Tf_FicheMatch::NumeroMatch()
{
    return NumeroMatchFiche;
}

void Tf_FicheMatch::SetNumeroMatch(int Match)
{
    NumeroMatchFiche = Match;
}

TDonneesChampionnat* Tf_FicheMatch::Championnat() const
{
    return Saison != nullptr ? Saison->GetChampCourant() : nullptr;
}

bool Tf_FicheMatch::Afficher(TStat* Archive, int Mode, int Match)
{
    FMode = Mode;
    UpDown1->setVisible(Mode == 2);
    FArchive = Archive;
    TDonneesChampionnat* Champ = Championnat();
    if (Champ == nullptr)
        return true;
    int Domicile = -1;
    int Exterieur = -1;
    if (Mode != 1) {
        NumeroMatchFiche = Mode == 2 && Match == 0 ? 1 : Match;
        FicheMatch::EquipesMatch(*Champ, Champ->NbJournee, NumeroMatchFiche, Domicile, Exterieur);
    } else {
        const int Suivie = Champ->GetOption(10);
        Domicile = Suivie;
        Exterieur = Suivie;
        if (!Tf_ChoixEquipe::Choisir(Saison, Traduit(TexteChoixEquipe) + " 1", 0, Domicile, this))
            return false;
        if (!Tf_ChoixEquipe::Choisir(Saison, Traduit(TexteChoixEquipe) + " 2", Domicile + 1, Exterieur, this))
            return false;
    }
    if (Domicile != -1 && Exterieur != -1) {
        AfficherConfrontations(Domicile, Exterieur);
        AfficherEquipe(Domicile, FicheMatch::CoteDomicile);
        AfficherEquipe(Exterieur, FicheMatch::CoteExterieur);
    }
    return true;
}

void Tf_FicheMatch::AfficherConfrontations(int Domicile, int Exterieur)
{
    FondCopie1->setVisible(FArchive != nullptr);
    const TDonneesChampionnat* Champ = Championnat();
    if (FArchive == nullptr || Champ == nullptr)
        return;
    const FicheMatch::TBilan Bilan =
        FicheMatch::CompterConfrontations(*Saison, *Champ, Domicile, Exterieur, ud_nbrenc->value(), FArchive);
    const auto Lignes = VuesFicheMatch::LignesBilan(Bilan, FicheMatch::NomEquipe(*Saison, *Champ, Domicile),
                                                    FicheMatch::NomEquipe(*Saison, *Champ, Exterieur));
    l_Vict->setText(Q(Lignes[0]));
    l_Nul->setText(Q(Lignes[1]));
    l_Def->setText(Q(Lignes[2]));
}

void Tf_FicheMatch::AfficherEquipe(int Equipe, int Cote)
{
    const TDonneesChampionnat* Champ = Championnat();
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe() || (Cote != 1 && Cote != 2))
        return;
    const bool General = FicheMatch::ModeGeneral(*Champ, cb_TypeStat->currentIndex() == 1);
    const FicheMatch::TCoteFiche C = FicheMatch::CalculeCote(*Saison, *Champ, Equipe, Cote, General, true);
    const bool Domicile = Cote == FicheMatch::CoteDomicile;
    (Domicile ? c_EqDomicile : c_EqExterieur)->SetText(VuesFicheMatch::TitreCadre(*Saison, *Champ, C));
    // Both frames as wide as the longer title asks; the band scrolls with the page.
    const int Largeur = LargeurCadrePour(*c_EqDomicile, {c_EqDomicile->Text(), c_EqExterieur->Text()}, 140);
    for (TCadre* Cadre : {c_EqDomicile, c_EqExterieur})
        Cadre->setMinimumWidth(Largeur);
    FEquipes[static_cast<size_t>(Cote - 1)] = Equipe;

    const size_t Base = Domicile ? 0 : 6;
    const auto Lignes = VuesFicheMatch::LignesClassement(C, Cote);
    for (size_t I = 0; I < Lignes.size(); ++I)
        lf[Base + I]->setText(Q(Lignes[I]));
    lf[Base]->setToolTip(Q(VuesFicheMatch::BulleClassement(C, Cote)));

    TEditeur* Editeur = Domicile ? Editeur3 : Editeur4;
    const std::vector<VuesFicheMatch::TLigneSerie> Series = VuesFicheMatch::LignesSerie(C, Cote);
    Editeur->SetNbLigne(static_cast<int>(Series.size()));
    for (size_t I = 0; I < Series.size(); ++I)
        Editeur->SetLigne(static_cast<int>(I) + 1, Series[I].Texte, true, false, Series[I].Couleur);
    Editeur->update();

    MontreResultats(Domicile ? fs_ResultatDom : fs_ResultatExt, C);
}

void Tf_FicheMatch::VideResultats(TFondScroll* Panneau)
{
    auto& Lignes = Panneau == fs_ResultatDom ? FResultatsDom : FResultatsExt;
    for (auto& Ligne : Lignes)
        for (QLabel* L : Ligne)
            delete L;
    Lignes.clear();
}

void Tf_FicheMatch::MontreResultats(TFondScroll* Panneau, const FicheMatch::TCoteFiche& C)
{
    VideResultats(Panneau);
    auto& Lignes = Panneau == fs_ResultatDom ? FResultatsDom : FResultatsExt;
    const std::vector<VuesFicheMatch::TResultatAffiche> Resultats = VuesFicheMatch::Resultats(*Saison, C);
    const QFontMetrics Mesure(font());
    // The names' columns take the widest name, 80 pixels at least.
    int Nom = 80;
    for (const auto& R : Resultats)
        for (const std::string& N : {R.Domicile, R.Exterieur})
            Nom = std::max(Nom, Mesure.horizontalAdvance(Q(Capitalise(N))) + 4);
    const int Trait = std::max(7, Mesure.horizontalAdvance("-") + 2);
    const int Score = std::max(20, Mesure.horizontalAdvance("00") + 4);
    const int Hauteur = std::max(HauteurResultat - 1, Mesure.height());
    for (size_t K = 0; K < Resultats.size(); ++K) {
        const auto& R = Resultats[K];
        const int Haut = HauteurResultat * static_cast<int>(K + 1) - 15;
        std::vector<QLabel*> Ligne;
        int Gauche = 8;
        const auto Ajoute = [&](const std::string& Texte, int Largeur, int Apres) {
            auto* L = new QLabel(Q(Texte));
            L->setAlignment(Qt::AlignCenter);
            L->setAttribute(Qt::WA_TranslucentBackground);
            QPalette P = L->palette();
            P.setColor(QPalette::WindowText, VersQColor(CouleurResultat));
            L->setPalette(P);
            L->setGeometry(Gauche, Haut, Largeur, Hauteur);
            Panneau->InsereControle(L);
            Ligne.push_back(L);
            Gauche += Largeur + Apres;
        };
        Ajoute(Capitalise(R.Domicile), Nom, 0);
        Ajoute("-", Trait, 0);
        Ajoute(Capitalise(R.Exterieur), Nom, 0);
        Ajoute(":", Trait, 0);
        Ajoute(R.ButsDomicile, Score, 0);
        Ajoute("-", Trait, 0);
        Ajoute(R.ButsExterieur, Score, 0);
        Lignes.push_back(std::move(Ligne));
    }
    Panneau->MiseAJourScroll();
}

std::vector<std::vector<std::string>> Tf_FicheMatch::TextesResultats(int Cote) const
{
    std::vector<std::vector<std::string>> Textes;
    for (const auto& Ligne : Cote == 1 ? FResultatsDom : FResultatsExt) {
        Textes.emplace_back();
        for (const QLabel* L : Ligne)
            Textes.back().push_back(L->text().toStdString());
    }
    return Textes;
}

void Tf_FicheMatch::Redessine()
{
    const int Domicile = FEquipes[0];
    const int Exterieur = FEquipes[1];
    if (Domicile < 0 || Exterieur < 0)
        return;
    AfficherConfrontations(Domicile, Exterieur);
    AfficherEquipe(Domicile, FicheMatch::CoteDomicile);
    AfficherEquipe(Exterieur, FicheMatch::CoteExterieur);
}

void Tf_FicheMatch::UpDown1Click(bool Monte)
{
    const TDonneesChampionnat* Champ = Championnat();
    if (Champ == nullptr)
        return;
    const int Match = FicheMatch::MatchVoisin(*Champ, Champ->NbJournee, NumeroMatchFiche, Monte);
    int Domicile = -1;
    int Exterieur = -1;
    if (Match == NumeroMatchFiche || !FicheMatch::EquipesMatch(*Champ, Champ->NbJournee, Match, Domicile, Exterieur))
        return;
    NumeroMatchFiche = Match;
    FEquipes = {Domicile, Exterieur};
    Redessine();
}

void Tf_FicheMatch::cb_TypeStatChange()
{
    if (FEquipes[0] >= 0)
        AfficherEquipe(FEquipes[0], FicheMatch::CoteDomicile);
    if (FEquipes[1] >= 0)
        AfficherEquipe(FEquipes[1], FicheMatch::CoteExterieur);
}

void Tf_FicheMatch::Edit1Change()
{
    if (FEquipes[0] >= 0 && FEquipes[1] >= 0)
        AfficherConfrontations(FEquipes[0], FEquipes[1]);
}

void Tf_FicheMatch::bc_ModifierClick()
{
    FondCopie1->setVisible(FArchive != nullptr);
    const TDonneesChampionnat* Champ = Championnat();
    if (FArchive == nullptr || Champ == nullptr || FEquipes[0] < 0 || FEquipes[1] < 0)
        return;
    Tf_Agrandissement Agrandissement(this);
    VuesFicheMatch::RemplitRencontres(*Agrandissement.sg_TabPart, *FArchive,
                                      FicheMatch::NomEquipe(*Saison, *Champ, FEquipes[0]),
                                      FicheMatch::NomEquipe(*Saison, *Champ, FEquipes[1]), ud_nbrenc->value());
    Agrandissement.resize(252, 21 * Agrandissement.sg_TabPart->GetRowCount());
    Dialogues().ExecuteModal(Agrandissement);
}

bool Tf_FicheMatch::ChoisitEquipe(int Cote)
{
    const size_t I = static_cast<size_t>(Cote - 1);
    const int Autre = FEquipes[1 - I];
    int Equipe = FEquipes[I];
    if (!Tf_ChoixEquipe::Choisir(Saison, Traduit(TexteChoixEquipe), Autre + 1, Equipe, this) || Equipe < 0)
        return false;
    FEquipes[I] = Equipe;
    if (Cote == FicheMatch::CoteDomicile)
        AfficherConfrontations(Equipe, Autre);
    else
        AfficherConfrontations(Autre, Equipe);
    AfficherEquipe(Equipe, Cote);
    return true;
}

void Tf_FicheMatch::Changerdquipe1Click()
{
    ChoisitEquipe(FicheMatch::CoteDomicile);
}

void Tf_FicheMatch::Changerdequipe2Click()
{
    ChoisitEquipe(FicheMatch::CoteExterieur);
}

void Tf_FicheMatch::Lf1Click(int TagLien)
{
    if (cb_TypeStat->currentIndex() == 1)
        Navigue(Commande::ClassementGeneral, 0);
    else
        Navigue(TagLien == 2 ? Commande::ClassementDomicile : Commande::ClassementExterieur, 0);
}

void Tf_FicheMatch::Label7Click()
{
    Navigue(Commande::SeriesEnCours, 0);
}

void Tf_FicheMatch::Label8Click()
{
    Navigue(Commande::StatEquipe, FEquipes[0]);
}

void Tf_FicheMatch::Label3Click()
{
    Navigue(Commande::StatEquipe, FEquipes[1]);
}

// ------------------------------------------------------------------ keyword

void Tf_FicheMatch::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                    const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"fichematch"}, Nom, Params, Resultat, Args, Saison))
        return;
    TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    const auto Oui = [&](const char* Cle) { return MinusculesAscii(Trim(LitParametre(Cle, Params, ""))) == "oui"; };
    VuesFicheMatch::TOptionsHtml Options;
    Options.Classement = Oui("AfficheClassement");
    Options.Serie = Oui("AfficheSerie");
    Options.Matchs = Oui("AfficheMatchs");
    Options.CouleurTitre = LitParametre("CouleurTitre", Params, "#000080");
    Options.FonteTitre = LitParametre("FonteTitre", Params, "#F0E020");
    Options.CouleurLigne1 = LitParametre("CouleurLigne1", Params, "#C0C0C0");
    Options.CouleurLigne2 = LitParametre("CouleurLigne2", Params, "#FFFFFF");
    const int Match = LitParametreEntier("Match", Params, -1);
    int Domicile = -1;
    int Exterieur = -1;
    if (Match == -1) {
        std::array<int*, 2> Equipes{&Domicile, &Exterieur};
        for (int I = 0; I < 2; ++I) {
            const std::string NomEquipe = LitParametre(I == 0 ? "Equipe1" : "Equipe2", Params, "");
            const int Id = Saison->ChercheEquipe(NomEquipe);
            *Equipes[static_cast<size_t>(I)] = Id >= 0 ? Champ->IndexEquipe(Id) : -1;
            // A team of the season that this championship does not hold is as unknown here.
            if (*Equipes[static_cast<size_t>(I)] < 0) {
                Resultat = "L'equipe " + EchappeHtml(NomEquipe) + " n'existe pas";
                return;
            }
        }
    } else if (!FicheMatch::EquipesMatch(*Champ, LitParametreEntier("Journee", Params, -1), Match, Domicile,
                                         Exterieur)) {
        return;
    }
    Resultat = VuesFicheMatch::FicheHtml(*Saison, *Champ, Domicile, Exterieur, Options);
}

// ------------------------------------------------------------------ commands

TDonneesChampionnat* ChampionnatFicheMatch(TPrincipale& Principale)
{
    TSaison* Saison = Principale.GetSaison();
    TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return nullptr;
    if (Champ->GetNbEquipe() < 2) {
        MessageUtil(TraduitFmt(TexteAucuneEquipe, {2}), BoutonsMessage::Ok);
        return nullptr;
    }
    return Champ;
}

TStat* ArchiveChampionnat(TPrincipale& Principale, const TDonneesChampionnat& Champ)
{
    const TStats* Stats = Principale.GetStats();
    return Stats != nullptr ? Stats->ChercheId(Champ.GetCode()) : nullptr;
}

void EnregistrePagesFicheMatch()
{
    EnregistreCommandePage(Commande::FicheMatch,
                           TCommandePage([](TPrincipale& Principale, int, int Param, int) -> TReponsePage {
                               TDonneesChampionnat* Champ = ChampionnatFicheMatch(Principale);
                               if (Champ == nullptr)
                                   return TReponsePage::Aucun();
                               int Index = 0;
                               if (Param >= 1) {
                                   const int Jour = Param >> 8;
                                   Index = Param & 0xFF;
                                   if (Jour >= 1 && Jour <= Champ->GetNbJour())
                                       Champ->NbJournee = static_cast<uint8_t>(Jour);
                               }
                               TStat* Archive = ArchiveChampionnat(Principale, *Champ);
                               auto* Page = PageCommande<Tf_FicheMatch>(Principale);
                               if (Page == nullptr)
                                   return TReponsePage::Aucun();
                               Page->Afficher(Archive, 2, Index + 1);
                               return {};
                           }));
    EnregistreCommandePage(Commande::FicheMatchComparaison,
                           TCommandePage([](TPrincipale& Principale, int, int, int) -> TReponsePage {
                               TDonneesChampionnat* Champ = ChampionnatFicheMatch(Principale);
                               if (Champ == nullptr)
                                   return TReponsePage::Aucun();
                               TStat* Archive = ArchiveChampionnat(Principale, *Champ);
                               auto* Page = PageCommande<Tf_FicheMatch>(Principale);
                               if (Page == nullptr)
                                   return TReponsePage::Aucun();
                               if (!Page->Afficher(Archive, 1, 0)) {
                                   // The page area is left empty, as before any command.
                                   Principale.AfficheFenetre(TClassePage{std::type_index(typeid(void)), nullptr});
                                   return TReponsePage::Aucun();
                               }
                               return {};
                           }));
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_FicheMatch>("FicheMatch", CodeFonction::Championnat);
        return true;
    }();
    (void)MotCle;
}
