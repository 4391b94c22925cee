#pragma once

// The miscellaneous statistics page: one grid (or report) showing one of the
// views of the current championship, rebuilt from the season each time it is
// shown. This unit holds the frame and the lists: the calendar of a date, the
// players whose record is incomplete and the matches still outstanding.

#include "pagebase/DefType.h"

#include <string>

class QCalendarWidget;
class QMenu;
class QAction;
class QScrollArea;
class TCarreCoche;
class TColorStringGrid;
class TFondCopie;

class Tf_DiversStat : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_DiversStat(QWidget* parent = nullptr);
    ~Tf_DiversStat() override;

    // The calendar of the date of bc_Calendrier (today's at first).
    void AfficherCalendrier();
    void AfficherListeJoueurs();
    void AfficherListeMatchs();

    // The page kind shown (the Tag of sb_Fond).
    int GetGenre() const { return FGenre; }

    // A link click of the grid (column, row).
    void sg_StatsLien(int ACol, int ARow);
    // A double-click on the grid (the incomplete-players list opens the card).
    void sg_StatsDblClick();
    void Dispose();

    void Imprime() override;
    void ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }

    QScrollArea* sb_Fond;
    TColorStringGrid* sg_Stats;
    TFondCopie* fc_Calendrier;
    TCarreCoche* cc_SaisieDateJour;
    QCalendarWidget* bc_Calendrier;
    QMenu* pm_ChangeJour;
    QAction* mi_ChangeJour;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The common frame of every view: the controls of the kind, no bars.
    void Montre(int Genre);

    int FGenre = -1;
};

void EnregistrePagesDiversStat();
