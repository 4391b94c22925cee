#include "pages/vues/w_DiversStat.h"

#include "base/Horloge.h"
#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/Editeur.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/vues/w_ChoixDate.h"
#include "pages/vues/w_InfoGeneral.h"
#include "presentation/DiversStat.h"

#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum : int { TexteChangeJour = 152, TextePlaceOccupee = 785, TexteTousChampionnats = 3261 };

QDate Aujourdhui()
{
    const TDateHeure D = Horloge().Aujourdhui();
    return QDate(D.Annee, D.Mois, D.Jour);
}

// The player card on the player of that id: the player when the card closed
// with OK (nullptr else, or for an unknown id), Change when it changed him.
TJoueur* OuvreJoueur(TSaison& Saison, int Id, bool& Change)
{
    Change = false;
    TJoueur* Joueur = Saison.Joueurs().ChercheId(Id);
    if (Joueur == nullptr)
        return nullptr;
    TJoueur* Entree = Joueur;
    return OuvreFicheJoueur(Saison, Saison.GetNumChampCourant(), Entree, 0x30000 + (Joueur->GetEquipe() & 0xFFFF),
                            &Change)
               ? Joueur
               : nullptr;
}

} // namespace

Tf_DiversStat::Tf_DiversStat(QWidget* parent) : TFootForm(parent)
{
    sb_Fond = new QScrollArea(this);
    sb_Fond->setWidgetResizable(false);
    auto* Contenu = new QWidget(sb_Fond);
    sb_Fond->setWidget(Contenu);
    sg_Stats = new TColorStringGrid(Contenu);
    sg_Stats->SetAutoResize(false);
    sg_Stats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Stats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Stats->OnHotTrackClick = [this](int ACol, int ARow) { sg_StatsLien(ACol, ARow); };
    sg_Stats->OnDblClick = [this] { sg_StatsDblClick(); };
    SetGrillePage(sg_Stats);

    fc_Calendrier = new TFondCopie(Contenu);
    if (Dessin() != nullptr)
        fc_Calendrier->SetModele(Dessin()->FondCarrebleu);
    auto* Boite = new QVBoxLayout(fc_Calendrier);
    Boite->setContentsMargins(8, 8, 8, 8);
    cc_SaisieDateJour = new TCarreCoche(fc_Calendrier);
    cc_SaisieDateJour->SetCaption(TexteOuDefaut(TexteTousChampionnats, "Tous les championnats"));
    cc_SaisieDateJour->setMinimumHeight(20);
    // Light on the dark panel; only the box, the calendar keeps its own colours.
    TexteClair(cc_SaisieDateJour);
    bc_Calendrier = new QCalendarWidget(fc_Calendrier);
    Boite->addWidget(cc_SaisieDateJour);
    Boite->addWidget(bc_Calendrier);
    fc_Calendrier->hide();
    cc_SaisieDateJour->OnClick = [this] { MontreCalendrier(); };
    // Every move of the date, by the mouse or the keys, shows the matches of
    // the new date; Enter and a double-click show them again.
    connect(bc_Calendrier, &QCalendarWidget::selectionChanged, this, [this] { MontreCalendrier(); });
    connect(bc_Calendrier, &QCalendarWidget::activated, this, [this] { MontreCalendrier(); });
    ChoisitAujourdhui();

    Label1 = new QLabel(Contenu);
    Label1->hide();
    l_Vide = new QLabel(Contenu);
    l_Vide->setStyleSheet("color: #000080");
    l_Vide->hide();
    Label142 = new QLabel(QString::fromStdString(TexteOuDefaut(TextePlaceOccupee, "Place occupée")), Contenu);
    Edit4 = new QLineEdit("20", Contenu);
    UpDown3 = new QWidget(Contenu);
    UpDown3Haut = new QToolButton(UpDown3);
    UpDown3Bas = new QToolButton(UpDown3);
    UpDown3Haut->setArrowType(Qt::UpArrow);
    UpDown3Bas->setArrowType(Qt::DownArrow);
    UpDown3Haut->setGeometry(0, 0, 16, 11);
    UpDown3Bas->setGeometry(0, 11, 16, 11);
    connect(UpDown3Haut, &QToolButton::clicked, this, [this] { UpDown3Click(1); });
    connect(UpDown3Bas, &QToolButton::clicked, this, [this] { UpDown3Click(-1); });
    connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    for (QWidget* w : std::initializer_list<QWidget*>{Label142, Edit4, UpDown3})
        w->hide();
    e_Detail = new TEditeur(Contenu);
    e_Detail->JustifyDoc = false;
    // Yellow titles and white lines: a dark ground.
    e_Detail->SetCouleur(0x6F3000);
    e_Detail->Marge = 6;
    e_Detail->hide();

    pm_ChangeJour = new QMenu(this);
    mi_ChangeJour =
        pm_ChangeJour->addAction(QString::fromStdString(TexteOuDefaut(TexteChangeJour, "Changer de journée")));
    connect(mi_ChangeJour, &QAction::triggered, this, [this] { mi_ChangeJourClick(); });
}

Tf_DiversStat::~Tf_DiversStat() = default;

void Tf_DiversStat::Montre(int Genre)
{
    FGenre = Genre;
    sb_Fond->setProperty("Tag", Genre);
    fc_Calendrier->setVisible(Genre == DiversStat::GenreCalendrier);
    Label1->setVisible(Genre == DiversStat::GenreJourneeSpectateur);
    sg_Stats->setVisible(Genre != DiversStat::GenreJourneeDetail);
    e_Detail->setVisible(Genre == DiversStat::GenreJourneeDetail);
    for (QWidget* w : std::initializer_list<QWidget*>{Label142, Edit4, UpDown3})
        w->setVisible(Genre == DiversStat::GenrePlaceOccupee);
    l_Vide->clear();
    l_Vide->hide();
    sg_Stats->ReinitColonnes();
    sg_Stats->TriCol = false;
    sg_Stats->SetSelectionVisible(Genre == DiversStat::GenreListeJoueurs);
}

void Tf_DiversStat::ChoisitAujourdhui()
{
    // The caller shows the date: not once more through the selection's signal.
    const QSignalBlocker Silence(bc_Calendrier);
    bc_Calendrier->setSelectedDate(Aujourdhui());
}

void Tf_DiversStat::AfficherCalendrier()
{
    ChoisitAujourdhui();
    MontreCalendrier();
}

void Tf_DiversStat::MontreCalendrier()
{
    Montre(DiversStat::GenreCalendrier);
    const QDate D = bc_Calendrier->selectedDate();
    if (Saison != nullptr)
        DiversStat::AfficherCalendrier(*sg_Stats, *Saison, EncodeDateMatch(D.day(), D.month(), D.year()),
                                       cc_SaisieDateJour->Checked());
    else
        sg_Stats->SetRowCount(0);
    Dispose();
}

void Tf_DiversStat::AfficherListeJoueurs()
{
    Montre(DiversStat::GenreListeJoueurs);
    if (Saison != nullptr)
        DiversStat::AfficherListeJoueurs(*sg_Stats, *Saison);
    else
        sg_Stats->SetRowCount(0);
    sg_Stats->SelectionneCellule(1, std::min(1, sg_Stats->GetRowCount() - 1));
    Dispose();
}

void Tf_DiversStat::AfficherListeMatchs()
{
    Montre(DiversStat::GenreListeMatchs);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        DiversStat::AfficherListeMatchs(*sg_Stats, *Saison, *Champ);
    else
        sg_Stats->SetRowCount(0);
    MontreVide();
    Dispose();
}

void Tf_DiversStat::AfficherJourneeSimple(int Jour)
{
    FJour = Jour;
    FVueJour = DiversStat::VueResultats;
    Montre(DiversStat::GenreJourneeSimple);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        DiversStat::AfficherJourneeSimple(*sg_Stats, *Saison, *Champ, Jour);
    else
        sg_Stats->SetRowCount(0);
    Dispose();
}

void Tf_DiversStat::AfficherJourneeSpectateur(int Jour)
{
    FJour = Jour;
    FVueJour = DiversStat::VueSpectateurs;
    Montre(DiversStat::GenreJourneeSpectateur);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    Label1->clear();
    if (Champ != nullptr)
        Label1->setText(
            QString::fromStdString(DiversStat::AfficherJourneeSpectateur(*sg_Stats, *Saison, *Champ, Jour)));
    else
        sg_Stats->SetRowCount(0);
    Dispose();
}

void Tf_DiversStat::AfficherJourneeJoueurs(int Jour, int Genre)
{
    FJour = Jour;
    FVueJour = Genre + 2;
    Montre(DiversStat::GenreJourneeJoueurs);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        DiversStat::AfficherJourneeJoueurs(*sg_Stats, *Saison, *Champ, Jour, Genre);
    else
        sg_Stats->SetRowCount(0);
    Dispose();
}

void Tf_DiversStat::AfficherJourneeDetail(int Jour)
{
    FJour = Jour;
    FVueJour = DiversStat::VueDetail;
    Montre(DiversStat::GenreJourneeDetail);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        DiversStat::AfficherJourneeDetail(*e_Detail, *Saison, *Champ, Jour, false);
    else
        e_Detail->SetNbLigne(0);
    Dispose();
}

template <class F> void Tf_DiversStat::AfficheEquipes(int Genre, F Remplit)
{
    Montre(Genre);
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ != nullptr)
        Remplit(*Champ);
    else
        sg_Stats->SetRowCount(0);
    Dispose();
}

void Tf_DiversStat::AfficherFormeEquipe()
{
    AfficheEquipes(DiversStat::GenreFormeEquipe, [this](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherFormeEquipe(*sg_Stats, *Saison, Champ);
    });
}

void Tf_DiversStat::AfficherComportementDomicile()
{
    AfficheEquipes(DiversStat::GenreComportementDomicile, [this](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherComportementDomicile(*sg_Stats, *Saison, Champ);
        // Sortable by name, shown sorted on the share dropped.
        sg_Stats->TriCol = true;
        sg_Stats->SetTypeTri(0, 1);
        sg_Stats->SetEtatTri(3, 2);
    });
}

void Tf_DiversStat::AfficherPlaceOccupee()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    FMaxPosition = Champ != nullptr ? std::max(Champ->GetNbEquipe(), 1) : 1;
    Montre(DiversStat::GenrePlaceOccupee);
    // Through "2" so that the change to "1" is always seen.
    Edit4->setText("2");
    Edit4->setText("1");
}

void Tf_DiversStat::Edit4Change()
{
    if (FGenre != DiversStat::GenrePlaceOccupee)
        return;
    const int Position = StrToIntDef(Trim(Edit4->text().toStdString()), 0);
    AfficheEquipes(DiversStat::GenrePlaceOccupee, [this, Position](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherPlaceOccupee(*sg_Stats, *Saison, Champ, Position);
    });
}

void Tf_DiversStat::UpDown3Click(int Sens)
{
    const int Position = StrToIntDef(Trim(Edit4->text().toStdString()), 0) + Sens;
    Edit4->setText(QString::number(std::clamp(Position, 1, FMaxPosition)));
}

void Tf_DiversStat::AfficherStatParJournee(int Genre)
{
    AfficheEquipes(DiversStat::GenreStatParJournee, [this, Genre](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherStatParJournee(*sg_Stats, *Saison, Champ, Genre, false);
    });
    MontreVide(Genre);
    Dispose();
}

void Tf_DiversStat::MontreVide(int Stat)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    const std::string Ligne = Champ != nullptr ? DiversStat::LigneVide(FGenre, Stat, *sg_Stats, *Champ) : "";
    l_Vide->setText(QString::fromStdString(Ligne));
    l_Vide->setVisible(!Ligne.empty());
}

void Tf_DiversStat::AfficherScoresFrequents()
{
    AfficheEquipes(DiversStat::GenreScoresFrequents, [this](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherScoresFrequents(*sg_Stats, *Saison, Champ);
    });
}

void Tf_DiversStat::AfficherFourchetteClass()
{
    AfficheEquipes(DiversStat::GenreFourchetteClass, [this](const TDonneesChampionnat& Champ) {
        DiversStat::AfficherFourchetteClass(*sg_Stats, *Saison, Champ);
        sg_Stats->TriCol = true;
        sg_Stats->SetTypeTri(0, 1);
        sg_Stats->SetEtatTri(0, 2);
    });
}

int Tf_DiversStat::ChoisirJournee(TSaison* Saison)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return -1;
    if ((Champ->GetOption(11) & 8) != 0) {
        Tf_ChoixDate Choix;
        if (Dialogues().ExecuteModal(Choix) != ResultatModal::Ok)
            return -1;
        return Champ->GetJournees().NumeroJourneeDate(
            EncodeDateMatch(Choix.Date.Jour, Choix.Date.Mois, Choix.Date.Annee));
    }
    Tf_ChoixJournee Choix;
    Choix.Saison = Saison;
    Choix.Tag = Champ->NbJournee;
    if (Dialogues().ExecuteModal(Choix) != ResultatModal::Ok)
        return -1;
    return Choix.Tag;
}

void Tf_DiversStat::mi_ChangeJourClick()
{
    const int Jour = ChoisirJournee(Saison);
    // A cancelled choice keeps the day and the view shown.
    if (Jour < 0)
        return;
    if (FVueJour == DiversStat::VueResultats)
        AfficherJourneeSimple(Jour);
    else if (FVueJour == DiversStat::VueSpectateurs)
        AfficherJourneeSpectateur(Jour);
    else if (FVueJour >= 3 && FVueJour <= 6)
        AfficherJourneeJoueurs(Jour, FVueJour - 2);
    else if (FVueJour == DiversStat::VueDetail)
        AfficherJourneeDetail(Jour);
}

void Tf_DiversStat::contextMenuEvent(QContextMenuEvent* event)
{
    // Only a day view changes its day.
    const bool VueJour = FGenre == DiversStat::GenreJourneeSimple || FGenre == DiversStat::GenreJourneeJoueurs ||
                         FGenre == DiversStat::GenreJourneeSpectateur || FGenre == DiversStat::GenreJourneeDetail;
    if (FVueJour != 0 && VueJour)
        pm_ChangeJour->popup(event->globalPos());
}

void Tf_DiversStat::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    Dispose();
}

void Tf_DiversStat::Dispose()
{
    // Columns at least as wide as their texts in the grid's font.
    sg_Stats->AjusteColonnesAuTexte();
    sb_Fond->setGeometry(0, 0, width(), height());
    // The box's client area, known before the box has laid its viewport out.
    const int Client = width() - 2 * sb_Fond->frameWidth();
    // Never narrower than its columns: the box scrolls across instead.
    const int Contenu = sg_Stats->LargeurContenu() + 2;
    const int Largeur = std::max({Client - 24, 50, Contenu});
    int Hauteur = std::max(height() - 2 * sb_Fond->frameWidth() - 12, 50);
    if (21 * sg_Stats->GetRowCount() + 14 > sb_Fond->height())
        Hauteur = 21 * sg_Stats->GetRowCount() + 1;
    if (FGenre == DiversStat::GenreCalendrier) {
        // The date and its option under the matches of the date.
        Hauteur = std::min(Hauteur, std::max(sg_Stats->HauteurContenu() + 2, 60));
        sg_Stats->setGeometry(6, 6, Largeur, Hauteur);
        fc_Calendrier->setGeometry(6, Hauteur + 12, std::max(fc_Calendrier->sizeHint().width(), 320),
                                   fc_Calendrier->sizeHint().height());
        sb_Fond->widget()->resize(Largeur + 12, fc_Calendrier->geometry().bottom() + 6);
        return;
    }
    if (FGenre == DiversStat::GenreJourneeSpectateur) {
        // The summary 15 pixels under the rows.
        Hauteur = (sg_Stats->GetDefaultRowHeight() + 1) * sg_Stats->GetRowCount() + 2;
        sg_Stats->setGeometry(6, 6, Largeur, Hauteur);
        Label1->setGeometry(6, Hauteur + 21, Largeur, Label1->sizeHint().height());
        sb_Fond->widget()->resize(Largeur + 12, Label1->geometry().bottom() + 6);
        return;
    }
    if (FGenre == DiversStat::GenrePlaceOccupee) {
        // The position field right of the grid.
        const int Grille = std::max({Client - 100, 50, Contenu});
        sg_Stats->setGeometry(6, 6, Grille, Hauteur);
        const int X = std::max(Client, Grille + 100);
        // The bar across, when the field pushes the content wider than the
        // box, takes its height from the rows: content as high as the box
        // would then bring a bar down the side too, laid over the grid's last
        // column and its heading.
        const int ClientHaut = height() - 2 * sb_Fond->frameWidth();
        const int Barre = sb_Fond->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sb_Fond);
        if (X > Client && Hauteur + 12 <= ClientHaut && Hauteur + 12 > ClientHaut - Barre) {
            Hauteur = std::max(ClientHaut - Barre - 12, 50);
            sg_Stats->setGeometry(6, 6, Grille, Hauteur);
        }
        Label142->setGeometry(X - 90, 6, 86, Label142->sizeHint().height());
        Edit4->setGeometry(X - 66, 28, 24, 22);
        UpDown3->setGeometry(X - 42, 28, 16, 22);
        sb_Fond->widget()->resize(X, Hauteur + 12);
        return;
    }
    if (FGenre == DiversStat::GenreStatParJournee) {
        // One narrow column a day: scrolled across rather than squeezed.
        const int Jours =
            Saison != nullptr && Saison->GetChampCourant() != nullptr
                ? std::clamp<int>(Saison->GetChampCourant()->JourneeJouee, 0, Saison->GetChampCourant()->GetNbJour())
                : 0;
        const int LargeurJours = Client < 20 * Jours + 145 ? 20 * Jours + 121 : Client - 28;
        // The line above the teams: they run past the foot of the page.
        int Haut = 6;
        if (!l_Vide->text().isEmpty()) {
            l_Vide->setGeometry(6, 6, l_Vide->sizeHint().width(), l_Vide->sizeHint().height());
            Haut = l_Vide->geometry().bottom() + 8;
        }
        sg_Stats->setGeometry(6, Haut, std::max({LargeurJours, Contenu, 50}), Hauteur);
        sb_Fond->widget()->resize(sg_Stats->geometry().right() + 7, sg_Stats->geometry().bottom() + 7);
        return;
    }
    if (FGenre == DiversStat::GenreJourneeDetail) {
        const int LargeurRapport = std::max(Client - 17, 100);
        // As high as its lines once wrapped to that width.
        const QFontMetrics Mesure(e_Detail->font());
        int Rangees = 1;
        for (int N = 1; N <= e_Detail->GetNbLigne(); ++N)
            Rangees += std::max(1, (Mesure.horizontalAdvance(QString::fromStdString(e_Detail->GetLigne(N)->Texte)) +
                                    LargeurRapport - 1) /
                                       LargeurRapport);
        e_Detail->setGeometry(6, 6, LargeurRapport, std::max(e_Detail->HauteurLigne * Rangees, 50));
        sb_Fond->widget()->resize(LargeurRapport + 12, e_Detail->geometry().bottom() + 6);
        return;
    }
    int Droite = Largeur;
    int Bas = 0;
    if (!l_Vide->text().isEmpty()) {
        // The line right under the rows, not at the foot of an empty grid.
        Hauteur = sg_Stats->HauteurContenu() + 2;
        l_Vide->setGeometry(6, Hauteur + 14, l_Vide->sizeHint().width(), l_Vide->sizeHint().height());
        Droite = std::max(Droite, l_Vide->geometry().right());
        Bas = l_Vide->geometry().bottom() + 6;
    }
    sg_Stats->setGeometry(6, 6, Largeur, Hauteur);
    sb_Fond->widget()->resize(Droite + 12, std::max(Hauteur + 12, Bas));
}

void Tf_DiversStat::sg_StatsLien(int ACol, int ARow)
{
    if (!OnNavigation || Saison == nullptr)
        return;
    if (FGenre == DiversStat::GenreCalendrier) {
        if (ACol != 1)
            return;
        const DiversStat::TLienCalendrier Lien = DiversStat::LienCalendrier(sg_Stats->GetDonnee(ACol, ARow));
        const QDate D = bc_Calendrier->selectedDate();
        int Code = 0;
        int Param = 0;
        if (!DiversStat::CibleCalendrier(*Saison, EncodeDateMatch(D.day(), D.month(), D.year()), Lien, Code, Param))
            return;
        const int Numero = Saison->GetNumChampionnatId(Lien.IdChampionnat);
        const bool Autre = Numero != Saison->GetNumChampCourant();
        if (Autre)
            Saison->SetNumChampCourant(Numero);
        Navigue(Code, Param, Autre ? 1 : 0);
        return;
    }
    if (FGenre == DiversStat::GenreJourneeJoueurs) {
        bool Change = false;
        const TJoueur* Joueur = ACol == 1 ? OuvreJoueur(*Saison, sg_Stats->GetDonnee(ACol, ARow), Change) : nullptr;
        if (Joueur == nullptr)
            return;
        if (Change)
            Modifie();
        // The player's name as it stands now, before his minutes.
        const std::string Ancien = sg_Stats->GetTexte(ACol, ARow);
        const size_t Parenthese = Ancien.find(" (");
        sg_Stats->SetTexte(ACol, ARow,
                           Joueur->Nom + (Parenthese == std::string::npos ? std::string() : Ancien.substr(Parenthese)));
        return;
    }
    if (FGenre == DiversStat::GenreComportementDomicile || FGenre == DiversStat::GenreStatParJournee) {
        if (ACol == 0 && sg_Stats->GetLien(ACol, ARow))
            Navigue(FGenre == DiversStat::GenreComportementDomicile ? Commande::StatEquipe
                                                                    : Commande::StatEquipeJoueurs,
                    sg_Stats->GetDonnee(ACol, ARow));
        return;
    }
    if (FGenre == DiversStat::GenreJourneeSimple) {
        const int Donnee = sg_Stats->GetDonnee(ACol, ARow);
        const TDonneesChampionnat* Champ = Saison->GetChampCourant();
        if (Champ == nullptr)
            return;
        if (ACol == 1) {
            Navigue(Commande::Buteurs, (FJour << 8) + Donnee);
        } else if (Donnee >= 65536) {
            bool Change = false;
            if (OuvreJoueur(*Saison, Donnee >> 16, Change) != nullptr && Change)
                Modifie();
        } else if (const int Position = Champ->IndexEquipe(Donnee); Position >= 0) {
            Navigue(Commande::StatEquipeStatistiques, Position);
        }
    }
}

void Tf_DiversStat::sg_StatsDblClick()
{
    if (FGenre != DiversStat::GenreListeJoueurs || Saison == nullptr)
        return;
    const int Ligne = sg_Stats->GetRow();
    if (Ligne < 1 || Ligne >= sg_Stats->GetRowCount())
        return;
    const int Id = StrToIntDef(sg_Stats->GetTexte(4, Ligne), -1);
    bool Change = false;
    if (OuvreJoueur(*Saison, Id, Change) == nullptr)
        return;
    DiversStat::RemplitLigneJoueur(*sg_Stats, Ligne, *Saison, Id);
    if (Change)
        Modifie();
}

void Tf_DiversStat::Imprime()
{
    if (FGenre == DiversStat::GenreJourneeDetail)
        e_Detail->Imprime();
    else
        sg_Stats->Imprime();
}

bool Tf_DiversStat::ExporteHtml(const std::string& NomFichier)
{
    const std::string Titre = TitreDocument();
    const bool Ecrit = FGenre == DiversStat::GenreJourneeDetail ? e_Detail->ExporteHtml(NomFichier, true, Titre)
                                                                : sg_Stats->ExporteHtml(NomFichier, true, Titre);
    if (!Ecrit)
        SignaleEchecExport(NomFichier);
    return Ecrit;
}

std::string Tf_DiversStat::JourneeDocument() const
{
    const bool VueJour = FGenre == DiversStat::GenreJourneeSimple || FGenre == DiversStat::GenreJourneeJoueurs ||
                         FGenre == DiversStat::GenreJourneeSpectateur || FGenre == DiversStat::GenreJourneeDetail;
    return VueJour && FVueJour != 0 ? TexteJournee(FJour) : std::string();
}

void Tf_DiversStat::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                    const std::string& Args, TSaison* Saison)
{
    const std::string Cle = MinusculesAscii(Nom);
    static const char* const Equipes[] = {"formeequipe", "comportementdomicile", "scoresfrequents", "fourchetteclass",
                                          "statparjournee"};
    const bool VueEquipes = std::find(std::begin(Equipes), std::end(Equipes), Cle) != std::end(Equipes);
    if (!VueEquipes && Cle != "journeesimple" && Cle != "journeespectateur" && Cle != "journeejoueurs" &&
        Cle != "journeedetail" && Cle != "journeerealisateur") {
        TFootForm::ExecuteFonction(Nom, Params, Resultat, Args, Saison);
        return;
    }
    Resultat.clear();
    const TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    if (VueEquipes) {
        TModeleGrille Grille;
        if (Cle == "formeequipe")
            DiversStat::AfficherFormeEquipe(Grille, *Saison, *Champ);
        else if (Cle == "comportementdomicile")
            DiversStat::AfficherComportementDomicile(Grille, *Saison, *Champ);
        else if (Cle == "scoresfrequents")
            DiversStat::AfficherScoresFrequents(Grille, *Saison, *Champ);
        else if (Cle == "fourchetteclass")
            DiversStat::AfficherFourchetteClass(Grille, *Saison, *Champ);
        else
            DiversStat::AfficherStatParJournee(
                Grille, *Saison, *Champ, DiversStat::GenreMotCleStatParJournee(LitParametre("Type", Params, "")), true);
        Resultat = Grille.GetTableHtml(CouleursTableParam(Params));
        return;
    }
    const int Jour = StrToIntDef(Trim(LitParametre("Journee", Params, "1")), Champ->NbJournee);
    if (Cle == "journeedetail") {
        auto Couleur = [&](const char* Param, const std::string& Defaut) {
            return static_cast<uint8_t>(std::clamp(StrToIntDef(Trim(LitParametre(Param, Params, Defaut)), 15), 0, 255));
        };
        DiversStat::TCouleursDetail Couleurs;
        Couleurs.Titre = Couleur("CouleurMatch", "14");
        Couleurs.Info = Couleur("CouleurInfo", "15");
        Couleurs.Buteur = Couleur("CouleurButeur", std::to_string(Couleurs.Info));
        Couleurs.Averti = Couleur("CouleurAverti", std::to_string(Couleur("CouleurEquipe", "15")));
        Couleurs.Exclus = Couleur("CouleurExclus", "15");
        Couleurs.Effectif = Couleur("CouleurEffectif", "15");
        TModeleEditeur Rapport;
        DiversStat::AfficherJourneeDetail(Rapport, *Saison, *Champ, Jour, true, Couleurs);
        Resultat = Rapport.GetTexteHtml();
        return;
    }
    TModeleGrille Grille;
    const std::vector<std::string> Couleurs = CouleursTableParam(Params);
    if (Cle == "journeesimple") {
        DiversStat::AfficherJourneeSimple(Grille, *Saison, *Champ, Jour);
        Resultat = Grille.GetTableHtmlColonnes(Couleurs);
    } else if (Cle == "journeespectateur") {
        DiversStat::AfficherJourneeSpectateur(Grille, *Saison, *Champ, Jour);
        Resultat = Grille.GetTableHtml(Couleurs);
    } else if (Cle == "journeerealisateur") {
        DiversStat::AfficherJourneeRealisateur(Grille, *Saison, *Champ, Jour);
        Resultat = Grille.GetTableHtml(Couleurs);
    } else {
        DiversStat::AfficherJourneeJoueurs(Grille, *Saison, *Champ, Jour,
                                           DiversStat::GenreMotCleJoueurs(LitParametre("Type", Params, "")));
        Grille.SetLargeurColonne(1, 150);
        Resultat = Grille.GetTableHtmlColonnes(Couleurs);
    }
}

void EnregistrePagesDiversStat()
{
    using namespace Commande;
    // One day's goal distribution on a new championship information page.
    EnregistreCommandePage(JourneeMeilleursJoueurs, [](TPrincipale& Principale, int, int Param, int) {
        const int Jour = Param >= 0 ? Param : Tf_DiversStat::ChoisirJournee(Principale.GetSaison());
        if (Jour < 0)
            return TReponsePage::Aucun();
        auto* Page = PageCommande<Tf_InfoGeneralEx>(Principale);
        if (Page == nullptr)
            return TReponsePage::Aucun();
        Page->Saison = Principale.GetSaison();
        Page->AfficheRepartition(Jour);
        return Param >= 0 ? TReponsePage{} : TReponsePage::Avec(Jour);
    });
    // The day views share the remembered day of the general information.
    for (const int Code : {JourneeDetail, JourneeResultats, JourneeSpectateurs, JourneeButeurs, JourneeJaunes,
                           JourneeRouges, JourneePasseurs})
        EnregistreCommandePage(Code, [](TPrincipale& Principale, int Code, int Param, int) {
            int Jour = Param >= 0 ? Param : Principale.Selection(1);
            if (Jour < 0)
                Jour = Tf_DiversStat::ChoisirJournee(Principale.GetSaison());
            if (Jour < 0)
                return TReponsePage::Aucun();
            Principale.SetSelection(1, Jour);
            auto* Page = PageCommande<Tf_DiversStat>(Principale, true);
            if (Page == nullptr)
                return TReponsePage::Aucun();
            Page->Saison = Principale.GetSaison();
            if (Code == JourneeDetail)
                Page->AfficherJourneeDetail(Jour);
            else if (Code == JourneeResultats)
                Page->AfficherJourneeSimple(Jour);
            else if (Code == JourneeSpectateurs)
                Page->AfficherJourneeSpectateur(Jour);
            else
                Page->AfficherJourneeJoueurs(Jour, Code - JourneeButeurs + 1);
            return Param >= 0 ? TReponsePage{} : TReponsePage::Avec(Jour);
        });
    EnregistrePage<Tf_DiversStat>(
        {Calendrier},
        [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
            Page.Saison = Principale.GetSaison();
            Page.AfficherCalendrier();
        },
        true);
    // The team views on the page kept on screen.
    EnregistrePage<Tf_DiversStat>(
        {FormeEquipe, FourchetteClassement, ComportementDomicile, PlacesOccupees, StatParJournee, ButsParJournee,
         ScoresFrequents},
        [](Tf_DiversStat& Page, TPrincipale& Principale, int Code) {
            Page.Saison = Principale.GetSaison();
            switch (Code) {
            case FormeEquipe:
                Page.AfficherFormeEquipe();
                break;
            case FourchetteClassement:
                Page.AfficherFourchetteClass();
                break;
            case ComportementDomicile:
                Page.AfficherComportementDomicile();
                break;
            case PlacesOccupees:
                Page.AfficherPlaceOccupee();
                break;
            case ScoresFrequents:
                Page.AfficherScoresFrequents();
                break;
            default:
                Page.AfficherStatParJournee(Code == StatParJournee ? 1 : 2);
                break;
            }
        },
        true);
    EnregistrePage<Tf_DiversStat>({ListeMatchs}, [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.AfficherListeMatchs();
    });
    static const bool MotsCles = [] {
        for (const char* Mot : {"JourneeDetail", "JourneeSimple", "JourneeSpectateur", "JourneeJoueurs"})
            GestionFonction().Ajoute<Tf_DiversStat>(Mot, CodeFonction::Journee);
        for (const char* Mot : {"JourneeRealisateur", "FormeEquipe", "ComportementDomicile", "ScoresFrequents",
                                "FourchetteClass", "StatParJournee"})
            GestionFonction().Ajoute<Tf_DiversStat>(Mot, CodeFonction::Championnat);
        return true;
    }();
    (void)MotsCles;
    EnregistrePage<Tf_DiversStat>({ListeJoueurs}, [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.AfficherListeJoueurs();
    });
}
