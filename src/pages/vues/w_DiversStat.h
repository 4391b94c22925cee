#pragma once

// The miscellaneous statistics page: one grid (or report) showing one of the
// views of the current championship, rebuilt from the season each time it is
// shown. This unit holds the frame and the lists: the calendar of a date, the
// players whose record is incomplete and the matches still outstanding.

#include "pagebase/DefType.h"

#include <string>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QToolButton;
class QMenu;
class QAction;
class QScrollArea;
class TCarreCoche;
class TColorStringGrid;
class TEditeur;
class TFondCopie;

class Tf_DiversStat : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_DiversStat(QWidget* parent = nullptr);
    ~Tf_DiversStat() override;

    // The calendar of today's date.
    void AfficherCalendrier();
    // The calendar of the date chosen in bc_Calendrier.
    void MontreCalendrier();
    void AfficherListeJoueurs();
    void AfficherListeMatchs();
    // The day views; day -1 records the view and the day and shows nothing.
    void AfficherJourneeSimple(int Jour);
    void AfficherJourneeSpectateur(int Jour);
    // Genre: 1 scorers, 2 booked, 3 sent off, 4 assists (5 to 8 rugby).
    void AfficherJourneeJoueurs(int Jour, int Genre);
    void AfficherJourneeDetail(int Jour);
    // The team views of the current championship.
    void AfficherFormeEquipe();
    void AfficherComportementDomicile();
    // Prepares the position field (1 to the team count) and shows position 1.
    void AfficherPlaceOccupee();
    // The teams at the position typed in Edit4 (header only for a position
    // outside the table).
    void Edit4Change();
    // Genre: 1 players sent off, 2 goals, 3 tries, 4 penalty goals, 5 drop goals.
    void AfficherStatParJournee(int Genre);
    void AfficherScoresFrequents();
    void AfficherFourchetteClass();
    // The day view shown again on another day (a cancelled choice keeps it).
    void mi_ChangeJourClick();

    // A match day of the current championship: a date for a championship
    // kept by date, else a day number; -1 when cancelled or when there is no
    // championship.
    static int ChoisirJournee(TSaison* Saison);

    // The page kind shown (the Tag of sb_Fond).
    int GetGenre() const { return FGenre; }

    // A link click of the grid (column, row).
    void sg_StatsLien(int ACol, int ARow);
    // A double-click on the grid (the incomplete-players list opens the card).
    void sg_StatsDblClick();
    void Dispose();

    // The keywords of the day views ("JourneeDetail", "JourneeSimple",
    // "JourneeSpectateur", "JourneeJoueurs", "JourneeRealisateur") and of the
    // team views ("FormeEquipe", "ComportementDomicile", "ScoresFrequents",
    // "FourchetteClass", "StatParJournee").
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    std::string JourneeDocument() const override;
    bool Imprimable() const override { return true; }

    QScrollArea* sb_Fond;
    TColorStringGrid* sg_Stats;
    TFondCopie* fc_Calendrier;
    TCarreCoche* cc_SaisieDateJour;
    QCalendarWidget* bc_Calendrier;
    TEditeur* e_Detail; // the detailed report of a day
    QLabel* Label1;     // summary under the attendance view
    QLabel* l_Vide;     // under a view left empty for want of data
    QLabel* Label142;   // caption of the position field
    QLineEdit* Edit4;   // the position of "Place occupée"
    QWidget* UpDown3;   // its arrows
    QToolButton* UpDown3Haut;
    QToolButton* UpDown3Bas;
    QMenu* pm_ChangeJour;
    QAction* mi_ChangeJour;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The common frame of every view: the controls of the kind, no bars.
    void Montre(int Genre);
    // A grid view of the current championship filled by Remplit.
    template <class F> void AfficheEquipes(int Genre, F Remplit);
    void UpDown3Click(int Sens);
    void ChoisitAujourdhui();
    // The line under the grid when the view came out empty (Stat: the count
    // of the statistics per day).
    void MontreVide(int Stat = 0);

    int FGenre = -1;
    int FJour = -1;
    int FVueJour = 0; // 1 results, 2 attendances, 3 to 6 players, 7 detail
    int FMaxPosition = 1;
};

void EnregistrePagesDiversStat();
