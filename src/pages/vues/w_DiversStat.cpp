#include "pages/vues/w_DiversStat.h"

#include "base/Horloge.h"
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
#include "presentation/DiversStat.h"

#include <QCalendarWidget>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum : int { TexteChangeJour = 152 };

QDate Aujourdhui()
{
    const TDateHeure D = Horloge().Aujourdhui();
    return QDate(D.Annee, D.Mois, D.Jour);
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
    cc_SaisieDateJour->SetCaption("Tous les championnats");
    cc_SaisieDateJour->setMinimumHeight(20);
    bc_Calendrier = new QCalendarWidget(fc_Calendrier);
    Boite->addWidget(cc_SaisieDateJour);
    Boite->addWidget(bc_Calendrier);
    fc_Calendrier->hide();
    cc_SaisieDateJour->OnClick = [this] { AfficherCalendrier(); };
    connect(bc_Calendrier, &QCalendarWidget::clicked, this, [this] { AfficherCalendrier(); });
    connect(bc_Calendrier, &QCalendarWidget::activated, this, [this] { AfficherCalendrier(); });
    bc_Calendrier->setSelectedDate(Aujourdhui());

    pm_ChangeJour = new QMenu(this);
    mi_ChangeJour =
        pm_ChangeJour->addAction(QString::fromStdString(TexteOuDefaut(TexteChangeJour, "Changer de journée")));
}

Tf_DiversStat::~Tf_DiversStat() = default;

void Tf_DiversStat::Montre(int Genre)
{
    FGenre = Genre;
    sb_Fond->setProperty("Tag", Genre);
    fc_Calendrier->setVisible(Genre == DiversStat::GenreCalendrier);
    sg_Stats->setVisible(Genre != DiversStat::GenreJourneeDetail);
    sg_Stats->ReinitColonnes();
    sg_Stats->TriCol = false;
    sg_Stats->SetSelectionVisible(Genre == DiversStat::GenreListeJoueurs);
}

void Tf_DiversStat::AfficherCalendrier()
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
    Dispose();
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
    const int Largeur = std::max(Client - 24, 50);
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
    sg_Stats->setGeometry(6, 6, Largeur, Hauteur);
    sb_Fond->widget()->resize(Largeur + 12, Hauteur + 12);
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
    TJoueur* Joueur = Saison->Joueurs().ChercheId(Id);
    if (Joueur == nullptr)
        return;
    TJoueur* Entree = Joueur;
    bool Change = false;
    if (!OuvreFicheJoueur(*Saison, Saison->GetNumChampCourant(), Entree, 0x30000 + (Joueur->GetEquipe() & 0xFFFF),
                          &Change))
        return;
    DiversStat::RemplitLigneJoueur(*sg_Stats, Ligne, *Saison, Id);
    if (Change)
        Modifie();
}

void Tf_DiversStat::Imprime()
{
    sg_Stats->Imprime();
}

void Tf_DiversStat::ExporteHtml(const std::string& NomFichier)
{
    if (!sg_Stats->ExporteHtml(NomFichier, true))
        SignaleEchecEcriture(NomFichier);
}

void EnregistrePagesDiversStat()
{
    using namespace Commande;
    EnregistrePage<Tf_DiversStat>(
        {Calendrier},
        [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
            Page.Saison = Principale.GetSaison();
            Page.AfficherCalendrier();
        },
        true);
    EnregistrePage<Tf_DiversStat>({ListeMatchs}, [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.AfficherListeMatchs();
    });
    EnregistrePage<Tf_DiversStat>({ListeJoueurs}, [](Tf_DiversStat& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.AfficherListeJoueurs();
    });
}
