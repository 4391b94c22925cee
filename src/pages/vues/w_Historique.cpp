#include "pages/vues/w_Historique.h"

#include "base/Horloge.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ComboBox.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/w_ChoixHistorique.h"
#include "pages/vues/w_EquipeHistorique.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

enum : int {
    TexteChercher = 1206,
    TexteEnregistrer = 655,
    TexteAjouter = 932,
    TexteDomicile = 357,
    TexteExterieur = 358,
    TexteDepuis = 359,
    TexteSaison = 360,
    TexteRetour = 279,
    TexteMatchs = 67,
    TexteAns = 840,
    TexteClassement = 669,
    TexteEffacer = 1070,
    TexteVictoireA3 = 3400,
    TexteVictoireA2 = 3401,
    TexteBonusEcart = 3402,
};

// The history family of the main window's remembered selections.
constexpr int FamilleHistorique = 2;

QLabel* Libelle(QWidget* parent, int Texte, const char* Defaut)
{
    auto* l = new QLabel(QString::fromStdString(TexteOuDefaut(Texte, Defaut)), parent);
    TexteClair(l);
    return l;
}

TRondCoche* Rond(QWidget* parent, int Texte, const char* Defaut, int Groupe)
{
    auto* r = new TRondCoche(parent);
    r->SetGroupe(Groupe);
    r->SetCaption(TexteOuDefaut(Texte, Defaut));
    r->setMinimumSize(150, 20);
    TexteClair(r);
    return r;
}

} // namespace

Tf_Historique::Tf_Historique(QWidget* parent) : TFootForm(parent)
{
    pc_Historique = new QStackedWidget(this);
    auto* Fond = new QVBoxLayout(this);
    Fond->setContentsMargins(4, 4, 4, 4);
    Fond->addWidget(pc_Historique);

    // Head-to-head.
    auto* ts_Match = new QWidget;
    auto* Match = new QGridLayout(ts_Match);
    cb_Domicile = new QComboBox(ts_Match);
    cb_Exterieur = new QComboBox(ts_Match);
    Match->addWidget(Libelle(ts_Match, TexteDomicile, "Equipe domicile"), 0, 0);
    Match->addWidget(cb_Domicile, 0, 1);
    Match->addWidget(Libelle(ts_Match, TexteExterieur, "Equipe exterieure"), 1, 0);
    Match->addWidget(cb_Exterieur, 1, 1);
    rb_Annee = Rond(ts_Match, TexteDepuis, "Historique depuis", 0);
    rb_Annee->SetChecked(true);
    ud_Annee = new QSpinBox(ts_Match);
    ud_Annee->setRange(1, 200);
    ud_Annee->setValue(10);
    rb_Match = Rond(ts_Match, TexteDepuis, "Historique depuis", 0);
    ud_Match = new QSpinBox(ts_Match);
    ud_Match->setRange(1, 200);
    ud_Match->setValue(10);
    Match->addWidget(rb_Annee, 2, 0);
    Match->addWidget(ud_Annee, 2, 1);
    Match->addWidget(Libelle(ts_Match, TexteAns, "ans"), 2, 2);
    Match->addWidget(rb_Match, 3, 0);
    Match->addWidget(ud_Match, 3, 1);
    Match->addWidget(Libelle(ts_Match, TexteMatchs, "matchs"), 3, 2);
    cc_Retour = new TCarreCoche(ts_Match);
    cc_Retour->SetCaption(TexteOuDefaut(TexteRetour, "Match aller/retour"));
    cc_Retour->setMinimumSize(180, 20);
    TexteClair(cc_Retour);
    Match->addWidget(cc_Retour, 4, 0, 1, 2);
    bc_Modifier = CreeBouton(ts_Match, TexteChercher, "Chercher");
    bc_Modifier->setFixedSize(113, 28);
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    Match->addWidget(bc_Modifier, 5, 0);
    sg_Resultat = new TColorStringGrid(ts_Match);
    sg_Resultat->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Resultat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Resultat->hide();
    Match->addWidget(sg_Resultat, 6, 0, 1, 3);
    l_Vict = new QLabel(ts_Match);
    l_Nul = new QLabel(ts_Match);
    l_Def = new QLabel(ts_Match);
    for (QLabel* l : {l_Vict, l_Nul, l_Def})
        TexteClair(l);
    Match->addWidget(l_Vict, 7, 0, 1, 3);
    Match->addWidget(l_Nul, 8, 0, 1, 3);
    Match->addWidget(l_Def, 9, 0, 1, 3);
    Match->setRowStretch(10, 1);
    Match->setColumnStretch(3, 1);
    for (TRondCoche* r : {rb_Annee, rb_Match})
        r->OnClick = [this] { bc_ModifierClick(); };
    cc_Retour->OnClick = [this] { bc_ModifierClick(); };
    connect(ud_Annee, &QSpinBox::valueChanged, this, [this] { bc_ModifierClick(); });
    connect(ud_Match, &QSpinBox::valueChanged, this, [this] { bc_ModifierClick(); });
    pc_Historique->addWidget(ts_Match);

    // Results table.
    auto* ts_Tableau = new QWidget;
    auto* Tableau = new QVBoxLayout(ts_Tableau);
    cb_Saison = new QComboBox(ts_Tableau);
    Tableau->addWidget(Libelle(ts_Tableau, TexteSaison, "Saison à consulter"));
    Tableau->addWidget(cb_Saison, 0, Qt::AlignLeft);
    sg_recap = new TColorStringGrid(ts_Tableau);
    Tableau->addWidget(sg_recap, 1);
    SetGrillePage(sg_recap);
    connect(cb_Saison, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!FRemplit && i >= 0)
            RemplitTableau(i);
    });
    pc_Historique->addWidget(ts_Tableau);

    // Standings.
    auto* ts_Classement = new QWidget;
    auto* Classement = new QGridLayout(ts_Classement);
    cb_Saison2 = new QComboBox(ts_Classement);
    Classement->addWidget(Libelle(ts_Classement, TexteSaison, "Saison à consulter"), 0, 0);
    Classement->addWidget(cb_Saison2, 1, 0);
    Classement->addWidget(Libelle(ts_Classement, TexteClassement, "Classement"), 0, 1);
    rc_General = Rond(ts_Classement, 670, "Classement général", 1);
    rc_Domicile = Rond(ts_Classement, 671, "Domicile", 1);
    rc_exterieur = Rond(ts_Classement, 672, "Extérieur", 1);
    rc_Attaque = Rond(ts_Classement, 674, "Meilleure attaque", 1);
    rc_Defense = Rond(ts_Classement, 675, "Meilleure défense", 1);
    int Ligne = 1;
    for (auto [r, Genre] : {std::pair{rc_General, Historique::General},
                            {rc_Domicile, Historique::Domicile},
                            {rc_exterieur, Historique::Exterieur},
                            {rc_Attaque, Historique::Attaque},
                            {rc_Defense, Historique::Defense}}) {
        Classement->addWidget(r, Ligne++, 1);
        r->OnClick = [this, Genre = Genre] {
            FGenre = Genre;
            RemplitClassement(cb_Saison2->currentIndex());
        };
    }
    rc_General->SetChecked(true);
    sg_Classement = new TColorStringGrid(ts_Classement);
    Classement->addWidget(sg_Classement, Ligne, 0, 1, 3);
    Classement->setRowStretch(Ligne, 1);
    Classement->setColumnStretch(2, 1);
    connect(cb_Saison2, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!FRemplit)
            RemplitClassement(i);
    });
    pc_Historique->addWidget(ts_Classement);

    // Entry.
    auto* ts_Saisie = new QWidget;
    auto* Saisie = new QVBoxLayout(ts_Saisie);
    auto* Haut = new QHBoxLayout;
    cb_Saison3 = new QComboBox(ts_Saisie);
    // The kind of points gives way to the season in a narrow page: it shortens
    // with an ellipsis and its tooltip.
    auto* Type = new TComboAbrege(ts_Saisie);
    Type->setMinimumContentsLength(8);
    cb_Type = Type;
    cb_Type->addItems({QString::fromStdString(TexteOuDefaut(TexteVictoireA3, "Victoire à 3 points")),
                       QString::fromStdString(TexteOuDefaut(TexteVictoireA2, "Victoire à 2 points")),
                       QString::fromStdString(TexteOuDefaut(TexteBonusEcart, "Bonus de 1 point pour 3 buts d'ecart"))});
    Haut->addWidget(Libelle(ts_Saisie, TexteSaison, "Saison à consulter"));
    Haut->addWidget(cb_Saison3);
    Haut->addWidget(cb_Type);
    Haut->addStretch(1);
    Saisie->addLayout(Haut);
    csg_Saisie = new TColorStringGrid(ts_Saisie);
    // A season of twenty teams is far wider than the page: the grid keeps the
    // room the page gives it and scrolls to the cell being typed.
    csg_Saisie->SetAutoResize(false);
    csg_Saisie->SetOptions(csg_Saisie->GetOptions() | goEditing);
    csg_Saisie->installEventFilter(this);
    csg_Saisie->OnSelectCell = [this](int Col, int Row) {
        return FCurseur == nullptr || FCurseur->Selectionne(Col, Row);
    };
    Saisie->addWidget(csg_Saisie, 1);
    auto* Bas = new QHBoxLayout;
    bc_Enregistrer = CreeBouton(ts_Saisie, TexteEnregistrer, "Enregistrer");
    bc_Ajouter = CreeBouton(ts_Saisie, TexteAjouter, "Ajouter");
    bc_Retirer = CreeBouton(ts_Saisie, TexteEffacer, "Effacer");
    for (TBoutonCopie* b : {bc_Enregistrer, bc_Ajouter, bc_Retirer}) {
        b->setFixedSize(113, 28);
        Bas->addWidget(b);
    }
    Bas->addStretch(1);
    Saisie->addLayout(Bas);
    bc_Enregistrer->OnClick = [this] { bc_EnregistrerClick(); };
    bc_Ajouter->OnClick = [this] { bc_AjouterClick(); };
    bc_Retirer->OnClick = [this] { bc_RetirerClick(); };
    connect(cb_Saison3, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!FRemplit) {
            ValideSaisieEnCours();
            RemplitSaisie(i);
        }
    });
    connect(cb_Type, &QComboBox::currentIndexChanged, this, [this] {
        if (!FRemplit)
            FSaisieModifiee = true;
    });
    pc_Historique->addWidget(ts_Saisie);
    for (QComboBox* c : {cb_Domicile, cb_Exterieur, cb_Saison, cb_Saison2, cb_Saison3, cb_Type})
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A season is read whole: its list never gets less than its longest entry.
    for (QComboBox* c : {cb_Saison, cb_Saison2, cb_Saison3})
        c->setSizePolicy(QSizePolicy::Minimum, c->sizePolicy().verticalPolicy());
}

Tf_Historique::~Tf_Historique() = default;

int Tf_Historique::VueCourante() const
{
    return pc_Historique->currentIndex();
}

void Tf_Historique::RemplitListeSaisons(QComboBox* Combo, int Saison)
{
    FRemplit = true;
    Combo->clear();
    if (FArchive != nullptr)
        for (const std::string& Ligne : Historique::ListeSaisons(*FArchive))
            Combo->addItem(QString::fromStdString(Ligne));
    Combo->setCurrentIndex(Saison >= 0 && Saison < Combo->count() ? Saison : (Combo->count() > 0 ? 0 : -1));
    FRemplit = false;
}

TSaisonStat* Tf_Historique::SaisonChoisie(const QComboBox* Combo) const
{
    return FArchive != nullptr ? FArchive->GetSaison(Combo->currentIndex()) : nullptr;
}

void Tf_Historique::AfficheMatch(TStat* Archive)
{
    FArchive = Archive;
    for (QComboBox* c : {cb_Domicile, cb_Exterieur}) {
        c->clear();
        if (Archive != nullptr)
            for (int i = 0; i < Archive->NbEquipes(); ++i)
                c->addItem(QString::fromStdString(Archive->NomEquipeIndex(i)),
                           Archive->ChercheNumeroEquipe(Archive->NomEquipeIndex(i)));
    }
    sg_Resultat->hide();
    pc_Historique->setCurrentIndex(0);
}

void Tf_Historique::AfficheTableau(TStat* Archive)
{
    FArchive = Archive;
    RemplitListeSaisons(cb_Saison, -1);
    RemplitTableau(0);
    pc_Historique->setCurrentIndex(1);
}

void Tf_Historique::AfficheClassement(TStat* Archive)
{
    FArchive = Archive;
    FGenre = Historique::General;
    rc_General->SetChecked(true);
    RemplitListeSaisons(cb_Saison2, -1);
    RemplitClassement(0);
    pc_Historique->setCurrentIndex(2);
}

void Tf_Historique::AfficheSaisie(TStat* Archive)
{
    FArchive = Archive;
    RemplitListeSaisons(cb_Saison3, -1);
    RemplitSaisie(0);
    pc_Historique->setCurrentIndex(3);
}

void Tf_Historique::bc_ModifierClick()
{
    sg_Resultat->hide();
    if (FArchive == nullptr || cb_Domicile->currentIndex() < 0 || cb_Exterieur->currentIndex() < 0)
        return;
    Historique::TCritere Critere;
    Critere.Domicile = cb_Domicile->currentData().toInt();
    Critere.Exterieur = cb_Exterieur->currentData().toInt();
    Critere.ParAnnees = rb_Annee->Checked();
    Critere.Limite = Critere.ParAnnees ? ud_Annee->value() : ud_Match->value();
    Critere.Retour = cc_Retour->Checked();
    Critere.AnneeCourante = Horloge().Aujourdhui().Annee;
    const Historique::TBilan Bilan = Historique::Confrontations(*FArchive, Critere, *sg_Resultat);
    // The list is as long as its meetings: no scrolling inside it.
    sg_Resultat->setFixedSize(sg_Resultat->LargeurContenu() + 2, sg_Resultat->HauteurContenu() + 2);
    l_Vict->setText(QString::fromStdString(Bilan.TexteVictoires));
    l_Nul->setText(QString::fromStdString(Bilan.TexteNuls));
    l_Def->setText(QString::fromStdString(Bilan.TexteDefaites));
}

void Tf_Historique::RemplitTableau(int Saison)
{
    Historique::RemplitTableau(*FArchive, FArchive != nullptr ? FArchive->GetSaison(Saison) : nullptr, *sg_recap);
    if (sg_recap->isVisibleTo(this))
        sg_recap->AjusteColonnesAuTexte();
}

void Tf_Historique::RemplitClassement(int Saison)
{
    if (FArchive == nullptr) {
        sg_Classement->hide();
        return;
    }
    Historique::RemplitClassement(*FArchive, FArchive->GetSaison(Saison), FGenre, *sg_Classement);
}

void Tf_Historique::RemplitSaisie(int Saison)
{
    FSaisie = FArchive != nullptr ? FArchive->GetSaison(Saison) : nullptr;
    FSaisieModifiee = false;
    if (FArchive == nullptr) {
        csg_Saisie->hide();
        FCurseur.reset();
        return;
    }
    Historique::RemplitSaisie(*FArchive, FSaisie, *csg_Saisie);
    FCurseur = FSaisie != nullptr ? std::make_unique<Historique::TSaisie>(FSaisie->NbEquipes()) : nullptr;
    if (FSaisie != nullptr) {
        FRemplit = true;
        cb_Type->setCurrentIndex(FSaisie->GetSystemePoints());
        FRemplit = false;
        AjusteSaisie();
        csg_Saisie->SelectionneCellule(FCurseur->Col(), FCurseur->Row());
    }
}

void Tf_Historique::AjusteSaisie()
{
    // Every name and heading whole, and room for the two digits typed after "*".
    csg_Saisie->AjusteColonnesAuTexte();
    const int Score = QFontMetrics(csg_Saisie->font()).horizontalAdvance(QStringLiteral("88")) + 8;
    for (int c = 1; c < csg_Saisie->GetColCount(); ++c)
        csg_Saisie->SetLargeurColonne(c, std::max(csg_Saisie->GetLargeurColonne(c), Score));
    // The fill sized the grid to its columns: the page's layout gives it back its
    // room, and another season starts at its first cell.
    if (QLayout* Disposition = csg_Saisie->parentWidget()->layout()) {
        Disposition->invalidate();
        Disposition->activate();
    }
    csg_Saisie->horizontalScrollBar()->setValue(0);
    csg_Saisie->verticalScrollBar()->setValue(0);
}

void Tf_Historique::csg_SaisieKeyPress(char32_t Caractere)
{
    if (FCurseur != nullptr) {
        FCurseur->Touche(Caractere, *csg_Saisie);
        csg_Saisie->MontreCellule(FCurseur->Col(), FCurseur->Row());
        FSaisieModifiee = true;
    }
}

void Tf_Historique::ValideSaisieEnCours()
{
    // A failed write says so and keeps the flag: the typed scores stay on the grid.
    if (FSaisieModifiee)
        bc_EnregistrerClick();
}

bool Tf_Historique::bc_EnregistrerClick()
{
    if (FArchive == nullptr || FSaisie == nullptr)
        return false;
    Historique::EnregistreSaisie(*csg_Saisie, *FSaisie, std::max(0, cb_Type->currentIndex()));
    try {
        FArchive->Sauve();
    } catch (const EErreurEcriture& e) {
        SignaleEchecSauvegarde(FArchive->GetNomFichier(), e.Erreur);
        return false;
    } catch (const std::exception&) {
        SignaleEchecSauvegarde(FArchive->GetNomFichier(), 0);
        return false;
    }
    FSaisieModifiee = false;
    return true;
}

void Tf_Historique::bc_AjouterClick()
{
    if (FArchive == nullptr)
        return;
    Tf_EquipeHistorique Dialogue(QApplication::activeWindow());
    std::vector<std::string> Noms;
    for (int i = 0; i < FArchive->NbEquipes(); ++i)
        Noms.push_back(FArchive->NomEquipeIndex(i));
    Dialogue.RemplitEquipes(Noms);
    if (Dialogues().ExecuteModal(Dialogue) != ResultatModal::Ok)
        return;
    const TSaisonStat* Nouvelle = Historique::AjouteSaison(*FArchive, Dialogue.Annee(), Dialogue.Lignes());
    if (Nouvelle == nullptr)
        return;
    const int Index = FArchive->IndexSaison(Nouvelle);
    RemplitListeSaisons(cb_Saison3, Index);
    RemplitSaisie(Index);
}

void Tf_Historique::bc_RetirerClick()
{
    TSaisonStat* Saison = SaisonChoisie(cb_Saison3);
    if (Saison == nullptr)
        return;
    FArchive->RetireSaison(Saison);
    FSaisie = nullptr;
    RemplitListeSaisons(cb_Saison3, 0);
    RemplitSaisie(0);
}

bool Tf_Historique::eventFilter(QObject* objet, QEvent* event)
{
    // Every typed character of the entry grid is the page's: digits and "*" fill it, the rest is dropped.
    if (objet == csg_Saisie && event->type() == QEvent::KeyPress) {
        const QString Texte = static_cast<QKeyEvent*>(event)->text();
        if (!Texte.isEmpty() && Texte.at(0).isPrint()) {
            csg_SaisieKeyPress(Texte.toUcs4().value(0));
            return true;
        }
    }
    return TFootForm::eventFilter(objet, event);
}

void EnregistrePagesHistorique()
{
    using namespace Commande;
    // The seasons' history opens on the head-to-head of the current division's
    // archive; a division without one is chosen as for the head-to-head.
    EnregistreCommandePage(HistoriqueSaisons, [](TPrincipale& Principale, int, int Param, int Param2) -> TReponsePage {
        const TStats* Stats = Principale.GetStats();
        const TSaison* Saison = Principale.GetSaison();
        const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
        if (Stats != nullptr && Champ != nullptr)
            if (const TStat* Archive = Stats->ChercheId(Champ->GetCode()))
                Principale.SetSelection(FamilleHistorique, Stats->IndexOf(Archive));
        const TCommandePage* Confrontations = CommandePage(HistoriqueConfrontations);
        return Confrontations != nullptr ? (*Confrontations)(Principale, HistoriqueConfrontations, Param, Param2)
                                         : TReponsePage::Aucun();
    });
    for (int Code : {HistoriqueConfrontations, HistoriqueTableau, HistoriqueClassement, HistoriqueSaisie})
        EnregistreCommandePage(Code, [](TPrincipale& Principale, int Code, int, int) -> TReponsePage {
            TStats* Stats = Principale.GetStats();
            if (Stats == nullptr)
                return TReponsePage::Aucun();
            int Position = Principale.Selection(FamilleHistorique);
            if (Position < 0 || Position >= Stats->Count()) {
                const TSaison* Saison = Principale.GetSaison();
                const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
                std::string Dossier = Principale.GetFichierIni();
                Dossier.erase(Dossier.find_last_of('/') + 1);
                Tf_ChoixHistorique Choix(QApplication::activeWindow());
                Choix.RemplitListe(*Stats, Champ != nullptr ? Champ->GetCode() : 1, Dossier, Code == HistoriqueSaisie,
                                   Saison);
                if (Dialogues().ExecuteModal(Choix) != ResultatModal::Ok || Choix.Choix < 0)
                    return TReponsePage::Aucun();
                Position = Choix.Choix;
                Principale.SetSelection(FamilleHistorique, Position);
            }
            auto* Page = PageCommande<Tf_Historique>(Principale, true);
            if (Page == nullptr)
                return TReponsePage::Aucun();
            TStat* Archive = Stats->GetStat(Position);
            switch (Code) {
            case HistoriqueConfrontations:
                Page->AfficheMatch(Archive);
                break;
            case HistoriqueTableau:
                Page->AfficheTableau(Archive);
                break;
            case HistoriqueClassement:
                Page->AfficheClassement(Archive);
                break;
            default:
                Page->AfficheSaisie(Archive);
                break;
            }
            return {};
        });
}
