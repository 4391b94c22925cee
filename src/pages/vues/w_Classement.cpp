#include "pages/vues/w_Classement.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/w_ClassJoueur.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The general standings end with a block of five columns for the home
// matches and one for the away matches, each under its band.
constexpr int PremiereColonneBlocs = 10;
constexpr int LargeurBloc = 5;

enum : int {
    TexteValider = 29,
    TexteAideLieu = 132,
    TexteAideJournees = 133,
    TexteSansGroupe = 622,
    TexteGeneral = 670,
    TexteBareme = 758,
    TexteDomicile = 759,
    TexteDomVictoire = 760,
    TexteDomNul = 761,
    TexteDomDefaite = 762,
    TexteExterieur = 763,
    TexteExtVictoire = 764,
    TexteExtNul = 765,
    TexteExtDefaite = 766,
    TexteJaune = 767,
    TexteRouge = 768,
    TexteChoixJournees = 871,
    TexteAnnuler = 125,
    TexteChoixEtendue = 745,
    TexteEffectuer = 746,
    TexteTotalite = 747,
    TexteDeLaJournee = 748,
    TexteSixDernieres = 749,
    TexteAlaJournee = 750,
    TexteAllers = 751,
    TexteRetours = 752,
};

QLabel* Etiquette(QWidget* Parent, int Texte, const char* Defaut)
{
    return new QLabel(QString::fromStdString(TexteOuDefaut(Texte, Defaut)), Parent);
}

QString Texte(int Id, const char* Defaut)
{
    return QString::fromStdString(TexteOuDefaut(Id, Defaut));
}

// A legend panel: its labels in rows, yellow on the panels' blue.
TFondCopie* CreeLegende(QWidget* Parent, const std::vector<std::vector<std::pair<int, const char*>>>& Lignes)
{
    auto* Fond = new TFondCopie(Parent);
    if (Dessin() != nullptr)
        Fond->SetModele(Dessin()->FondCarrebleu);
    auto* Grille = new QGridLayout(Fond);
    Grille->setContentsMargins(8, 6, 8, 6);
    Grille->setVerticalSpacing(1);
    const QString Style =
        QString("color: %1;").arg(QString::fromStdString(CouleurVersHtml(CouleursTheme::TexteSurFond)));
    for (size_t L = 0; L < Lignes.size(); ++L)
        for (size_t C = 0; C < Lignes[L].size(); ++C) {
            auto* Etiquette = new QLabel(Texte(Lignes[L][C].first, Lignes[L][C].second), Fond);
            Etiquette->setStyleSheet(Style);
            Grille->addWidget(Etiquette, static_cast<int>(L), static_cast<int>(C));
        }
    return Fond;
}

// The group of the tab's data, nullptr for the tab without group.
const TGroupeEquipe* GroupeOnglet(const TDonneesChampionnat& Champ, const QTabBar& Onglets)
{
    const int Onglet = Onglets.currentIndex();
    if (Onglet < 0)
        return nullptr;
    return Champ.GetGroupe(Onglets.tabData(Onglet).toInt());
}

// Positions of a group's clubs, in the group's order; ids the championship
// does not hold are left out.
std::vector<int> FiltreGroupe(const TDonneesChampionnat& Champ, const TGroupeEquipe& Groupe)
{
    std::vector<int> Filtre;
    for (int i = 0; i < Groupe.NbEquipe(); ++i)
        if (const int Position = Champ.IndexEquipe(Groupe.GetEquipe(i)); Position >= 0)
            Filtre.push_back(Position);
    return Filtre;
}

} // namespace

// --- Tf_Classement -----------------------------------------------------------

Tf_Classement::Tf_Classement(QWidget* parent) : TFootForm(parent)
{
    Popupclassement = new QMenu(this);
    auto* Groupe = new QActionGroup(Popupclassement);
    mi_General = Popupclassement->addAction(Texte(TexteGeneral, "Général"));
    mi_Domicile = Popupclassement->addAction(Texte(TexteDomicile, "A domicile"));
    mi_Exterieur = Popupclassement->addAction(Texte(TexteExterieur, "A l'extérieur"));
    for (QAction* Item : {mi_General, mi_Domicile, mi_Exterieur}) {
        Item->setCheckable(true);
        Groupe->addAction(Item);
        connect(Item, &QAction::triggered, this, [this, Item] { mi_ExterieurClick(Item); });
    }
    mi_General->setChecked(true);
    Popupchoixj = new QMenu(this);
    mi_ChoixJournees = Popupchoixj->addAction(Texte(TexteChoixJournees, "Choix des journées"));
    connect(mi_ChoixJournees, &QAction::triggered, this, [this] { mi_ChoixJourneesClick(); });

    FondAnglais = CreeLegende(
        this, {{{TexteBareme, "Barème :"}},
               {{TexteDomicile, "A domicile"}, {TexteExterieur, "A l'extérieur"}},
               {{TexteDomVictoire, " 0 point pour une victoire"}, {TexteExtVictoire, " 3 points pour une victoire"}},
               {{TexteDomNul, "-2 points pour un match nul"}, {TexteExtNul, " 1 point pour un match nul"}},
               {{TexteDomDefaite, "-3 points pour une défaite"}, {TexteExtDefaite, " 0 point pour une défaite"}}});
    Fondfairplay = CreeLegende(this, {{{TexteBareme, "Barème :"}},
                                      {{TexteJaune, "1 point par carton jaune"}},
                                      {{TexteRouge, "3 points par carton rouge"}}});
    FondAnglais->hide();
    Fondfairplay->hide();

    tc_Classement = new QTabBar(this);
    tc_Classement->setVisible(false);
    connect(tc_Classement, &QTabBar::currentChanged, this, [this] { tc_ClassementChange(); });

    sb_Tableau = new QScrollArea(this);
    sb_Tableau->setFrameShape(QFrame::NoFrame);
    Contenu = new QWidget;
    sb_Tableau->setWidget(Contenu);
    sg_titre = new TColorStringGrid(Contenu);
    sg_titre->hide();
    sg_Classement = new TColorStringGrid(Contenu);
    SetGrillePage(sg_Classement);
    // Both grids are sized to their content; the box scrolls, not they.
    for (TColorStringGrid* Grille : {sg_titre, sg_Classement}) {
        Grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    // The heading over the home and away blocks takes the widths it is given.
    sg_titre->SetAutoResize(false);
    sb_Tableau->viewport()->installEventFilter(this);

    auto* Legendes = new QHBoxLayout;
    Legendes->addStretch();
    Legendes->addWidget(FondAnglais);
    Legendes->addWidget(Fondfairplay);
    Legendes->addStretch();
    auto* Boite = new QVBoxLayout(this);
    Boite->setContentsMargins(0, 0, 0, 0);
    Boite->setSpacing(2);
    Boite->addWidget(tc_Classement);
    Boite->addWidget(sb_Tableau, 1);
    Boite->addLayout(Legendes);
}

Tf_Classement::~Tf_Classement() = default;

VuesClassement::TLieu Tf_Classement::Lieu() const
{
    if (mi_Domicile->isChecked())
        return VuesClassement::TLieu::Domicile;
    if (mi_Exterieur->isChecked())
        return VuesClassement::TLieu::Exterieur;
    return VuesClassement::TLieu::Tous;
}

void Tf_Classement::RemplitOnglets()
{
    const QSignalBlocker Bloque(tc_Classement);
    while (tc_Classement->count() > 0)
        tc_Classement->removeTab(0);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr && Champ->NbGroupe() > 0) {
        tc_Classement->setTabData(tc_Classement->addTab(Texte(TexteSansGroupe, "Tous")), -1);
        for (int i = 0; i < Champ->NbGroupe(); ++i)
            tc_Classement->setTabData(tc_Classement->addTab(QString::fromStdString(Champ->GetGroupe(i)->NomGroupe)), i);
        tc_Classement->setCurrentIndex(0);
    }
    tc_Classement->setVisible(tc_Classement->count() > 0);
}

void Tf_Classement::AfficheClassement(int Index)
{
    RemplitOnglets();
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    const int Option11 = Champ != nullptr ? Champ->GetOption(11) : 0;
    MenuIndex = Index;
    Genre = VuesClassement::GenreClassement(Index, Option11, Lieu());
    sg_Classement->SetCouleursBarre(2, 0, 0);

    switch (VuesClassement::MenuClassement(Index, Option11)) {
    case VuesClassement::TMenuClassement::Lieu:
        PopupCourant = Popupclassement;
        sg_Classement->setToolTip(Texte(TexteAideLieu, ""));
        break;
    case VuesClassement::TMenuClassement::Journees:
        PopupCourant = Popupchoixj;
        sg_Classement->setToolTip(Texte(TexteAideJournees, ""));
        break;
    default:
        PopupCourant = nullptr;
        sg_Classement->setToolTip({});
        break;
    }
    FondAnglais->setVisible(Index + 1 == TCalculClassement::Anglais);
    Fondfairplay->setVisible(Index + 1 == TCalculClassement::Discipline);

    PremierJour = 1;
    DernierJour = Champ != nullptr ? Champ->JourneeJouee : 0;
    Calcule(nullptr);
}

void Tf_Classement::Calcule(const std::vector<int>* Filtre)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        sg_Classement->SetRowCount(0);
        sg_titre->hide();
        sg_Classement->OnHotTrackClick = nullptr;
        return;
    }
    std::string Titre;
    {
        TCalculClassement Calcul(Champ, Saison);
        Calcul.Affiche(Genre, *sg_Classement, Filtre, &Titre, true, DernierJour, PremierJour, sg_titre);
    }
    if (BarreEtat != nullptr && !Titre.empty())
        BarreEtat->SetTextePanneau(2, Titre);
    const bool Lien = Genre == TCalculClassement::Affluence ||
                      (Genre >= TCalculClassement::PremiereSituation && Genre <= TCalculClassement::DerniereSituation);
    if (Lien)
        sg_Classement->OnHotTrackClick = [this](int ACol, int ARow) { ClicCellule(ACol, ARow); };
    else
        sg_Classement->OnHotTrackClick = nullptr;
    FondScroll4resize();
}

void Tf_Classement::ClicCellule(int ACol, int ARow)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr || ARow < sg_Classement->GetFixedRows() || ARow >= sg_Classement->GetRowCount())
        return;
    const int Position = Champ->IndexEquipe(sg_Classement->GetDonnee(ACol, ARow));
    if (Position < 0)
        return;
    if (Genre == TCalculClassement::Affluence)
        Navigue(Commande::StatEquipeAffluence, Position);
    else
        Navigue(Commande::StatEquipeSituations, Position + (VuesClassement::CodeLieu(Lieu()) << 24));
}

void Tf_Classement::mi_ExterieurClick(QAction* Item)
{
    Item->setChecked(true);
    AfficheClassement(MenuIndex);
}

void Tf_Classement::mi_ChoixJourneesClick()
{
    Tf_Choixclass Choix(Saison, this);
    if (Dialogues().ExecuteModal(Choix) == ResultatModal::Ok) {
        PremierJour = VuesClassement::PremiereJourneeTag(Choix.Tag);
        DernierJour = VuesClassement::DerniereJourneeTag(Choix.Tag);
        // Every club again: the tab follows.
        if (tc_Classement->count() > 0) {
            const QSignalBlocker Bloque(tc_Classement);
            tc_Classement->setCurrentIndex(0);
        }
        Calcule(nullptr);
    }
    FondScroll4resize();
}

void Tf_Classement::tc_ClassementChange()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return;
    if (const TGroupeEquipe* Groupe = GroupeOnglet(*Champ, *tc_Classement)) {
        const std::vector<int> Filtre = FiltreGroupe(*Champ, *Groupe);
        Calcule(&Filtre);
    } else {
        Calcule(nullptr);
    }
}

void Tf_Classement::FondScroll4resize()
{
    sb_Tableau->horizontalScrollBar()->setValue(0);
    sb_Tableau->verticalScrollBar()->setValue(0);
    const QSize Boite = sb_Tableau->viewport()->size();
    const bool General = MenuIndex == 0;
    int H = 0, W = 0;
    sg_Classement->CalculTaille(Boite.width() - 20, Boite.height() - (General ? 50 : 20), H, W);
    // The grid's enlargement rounds each row and column down: what follows
    // is placed after the size it really took.
    sg_Classement->resize(W, std::max(H - 1, 0));
    sg_Classement->Redimensionne(); // also while the page is hidden
    W = sg_Classement->width();
    const int Hauteur = sg_Classement->height();
    const int Gauche = std::max((Boite.width() - W) / 2, 2);
    const bool Titre =
        General && sg_titre->GetVisible() && sg_Classement->GetColCount() >= PremiereColonneBlocs + 2 * LargeurBloc;
    const int HauteurTitre = Titre ? sg_Classement->GetHauteurLigne(0) - 1 : 0;
    int Haut = (Boite.height() - Hauteur - HauteurTitre) / 2 + HauteurTitre;
    // The bands above the grid stay inside the page.
    const int HautMin = Titre ? HauteurTitre + 1 : 0;
    if (Haut < HautMin)
        Haut = General ? std::max(23, HautMin) : 2;
    sg_Classement->move(Gauche, Haut);
    if (Titre) {
        // Each band spans its five columns exactly, lines included.
        int Debut = 0;
        for (int c = 0; c < PremiereColonneBlocs; ++c)
            Debut += sg_Classement->GetLargeurColonne(c) + 1;
        int Largeurs[2] = {0, 0};
        for (int b = 0; b < 2; ++b)
            for (int c = 0; c < LargeurBloc; ++c)
                Largeurs[b] += sg_Classement->GetLargeurColonne(PremiereColonneBlocs + b * LargeurBloc + c) + 1;
        sg_titre->SetLargeurColonne(0, Largeurs[0] - 1);
        sg_titre->SetLargeurColonne(1, Largeurs[1] - 1);
        sg_titre->SetHauteurLigne(0, HauteurTitre);
        sg_titre->setGeometry(Gauche + Debut, Haut - HauteurTitre - 1, Largeurs[0] + Largeurs[1], HauteurTitre + 1);
    }
    Contenu->resize(std::max(Boite.width(), sg_Classement->geometry().right() + 2),
                    std::max(Boite.height(), sg_Classement->geometry().bottom() + 2));
}

void Tf_Classement::contextMenuEvent(QContextMenuEvent* event)
{
    if (PopupCourant != nullptr)
        PopupCourant->popup(event->globalPos());
}

bool Tf_Classement::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == sb_Tableau->viewport() && event->type() == QEvent::Resize)
        FondScroll4resize();
    return TFootForm::eventFilter(objet, event);
}

void Tf_Classement::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                    const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"classementequipe", "ageequipe"}, Nom, Params, Resultat, Args, Saison))
        return;
    const std::string Cle = MinusculesAscii(Nom);
    const TDonneesChampionnat* Champ = ChampionnatParametre(Params, Saison);
    if (Champ == nullptr)
        return;
    int Genre = TCalculClassement::AgeEquipe;
    std::vector<int> Filtre;
    bool AvecFiltre = false;
    if (Cle == "classementequipe") {
        Genre = VuesClassement::GenreMotCleEquipe(LitParametre("Type", Params, ""));
        const std::string NomGroupe = LitParametre("Groupe", Params, "");
        for (int i = 0; i < Champ->NbGroupe() && !AvecFiltre; ++i)
            if (Champ->GetGroupe(i)->NomGroupe == NomGroupe) {
                Filtre = FiltreGroupe(*Champ, *Champ->GetGroupe(i));
                AvecFiltre = true;
            }
    }
    TModeleGrille Grille;
    Grille.SetFixedCols(0);
    TCalculClassement Calcul(Champ, Saison);
    Calcul.Affiche(Genre, Grille, AvecFiltre ? &Filtre : nullptr, nullptr, false, Champ->JourneeJouee, 1, nullptr);
    Resultat = Grille.GetTableHtml(CouleursTableParam(Params));
}

// --- Commands ----------------------------------------------------------------

void AfficheClassementCommande(Tf_ClassementEx& Page, TPrincipale& Principale, int Code)
{
    const int Index = VuesClassement::IndexCommandeClassement(Code);
    Page.Saison = Principale.GetSaison();
    Page.BarreEtat = Principale.GetBarreEtat();
    const TDonneesChampionnat* Champ = Page.Saison != nullptr ? Page.Saison->GetChampCourant() : nullptr;
    const bool Ligue = Champ != nullptr && (Champ->Genre & TDonneesChampionnat::TypeChamp) != 0;
    Page.Tag = Ligue ? Index : Index - 6;
    Page.AfficheClassement(Index);
}

void EnregistrePagesVues()
{
    using namespace Commande;
    EnregistrePage<Tf_ClassementEx>({ClassementGeneral, ClassementDomicile, ClassementExterieur, ClassementAnglais,
                                     MeilleureAttaque, MeilleureDefense, ClassementDiscipline, ClassementSpectateurs,
                                     PenaltysMarques, PenaltysConcedes, MarqueEnPremier, EncaisseEnPremier, MeneMiTemps,
                                     EgaliteMiTemps, MeneeMiTemps, AgeEquipes},
                                    AfficheClassementCommande, true);
    static const bool MotsCles = [] {
        GestionFonction().Ajoute<Tf_ClassementEx>("ClassementEquipe", CodeFonction::Championnat);
        GestionFonction().Ajoute<Tf_ClassementEx>("AgeEquipe", CodeFonction::Championnat);
        return true;
    }();
    (void)MotsCles;
}

// --- Tf_Choixclass -----------------------------------------------------------

Tf_Choixclass::Tf_Choixclass(TSaison* Saison, QWidget* parent) : TDialogue(parent)
{
    if (const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr) {
        DerniereJournee = Champ->JourneeJouee;
        NbEquipe = Champ->GetNbEquipe();
    }
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteChoixEtendue, "Choix de l'étendu du classement")));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    BoutonCopie3 = CreeBouton(this, TexteTotalite, "Totalité du championnat");
    BoutonCopie4 = CreeBouton(this, TexteSixDernieres, "6 dernières journées");
    BoutonCopie5 = CreeBouton(this, TexteAllers, "Matchs allers");
    BoutonCopie6 = CreeBouton(this, TexteRetours, "Matchs retours");
    BoutonCopie1 = CreeBouton(this, TexteValider, "Valider");
    BoutonCopie1->SetDefault(true);
    BoutonCopie2 = CreeBouton(this, TexteAnnuler, "Annuler");
    BoutonCopie2->SetModalResult(ResultatModal::Annuler);
    BoutonCopie2->SetCancel(true);
    for (TBoutonCopie* Bouton : {BoutonCopie3, BoutonCopie4, BoutonCopie5, BoutonCopie6})
        Bouton->setFixedSize(160, 25);

    auto* Grille = new QGridLayout(this);
    Grille->addWidget(Etiquette(this, TexteEffectuer, "Effectuer le classement"), 0, 0, 1, 4);
    Grille->addWidget(Etiquette(this, TexteDeLaJournee, "de la journée"), 1, 0);
    Grille->addWidget(Edit1, 1, 1);
    Grille->addWidget(Etiquette(this, TexteAlaJournee, "à la journée"), 1, 2);
    Grille->addWidget(Edit2, 1, 3);
    Grille->addWidget(BoutonCopie3, 2, 0, 1, 2);
    Grille->addWidget(BoutonCopie4, 2, 2, 1, 2);
    Grille->addWidget(BoutonCopie5, 3, 0, 1, 2);
    Grille->addWidget(BoutonCopie6, 3, 2, 1, 2);
    Grille->addWidget(BoutonCopie1, 4, 0, 1, 2, Qt::AlignCenter);
    Grille->addWidget(BoutonCopie2, 4, 2, 1, 2, Qt::AlignCenter);

    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };
    BoutonCopie3->OnClick = [this] { BoutonCopie3Click(); };
    BoutonCopie4->OnClick = [this] { BoutonCopie4Click(); };
    BoutonCopie5->OnClick = [this] { BoutonCopie5Click(); };
    BoutonCopie6->OnClick = [this] { BoutonCopie6Click(); };
}

void Tf_Choixclass::showEvent(QShowEvent* event)
{
    if (Edit1->text().isEmpty())
        Edit1->setText("1");
    if (Edit2->text().isEmpty())
        Edit2->setText(QString::number(DerniereJournee));
    TDialogue::showEvent(event);
}

void Tf_Choixclass::Remplit(int de, int a)
{
    Edit1->setText(QString::number(de));
    Edit2->setText(QString::number(a));
}

void Tf_Choixclass::BoutonCopie3Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueTotale(DerniereJournee, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie4Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueSixDernieres(DerniereJournee, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie5Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueAller(NbEquipe, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie6Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueRetour(NbEquipe, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie1Click()
{
    int Valeur = 0;
    if (VuesClassement::LitEtendue(Edit1->text().toStdString(), Edit2->text().toStdString(), DerniereJournee, Valeur)) {
        Tag = Valeur;
        SetModalResult(ResultatModal::Ok);
    } else {
        SetModalResult(ResultatModal::Annuler);
    }
}
