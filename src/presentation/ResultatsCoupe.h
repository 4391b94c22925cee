#pragma once

// The results page's cup and calendar commands: the decision after a score
// entry, the calendar completion (its button and the automatic one) and the
// check of the day, wired into the page's controller. The view supplies the
// two modal windows.

#include "engine/ControleCalendrier.h"
#include "engine/DecisionCoupe.h"

#include <functional>

class TResultatsJournee;

struct TServicesResultats {
    DecisionCoupe::TDemandeTirsAuBut DemandeTirsAuBut;
    std::function<void(const ControleCalendrier::TVerification&)> AfficheVerification;
    // After the check window: the view gives the focus back to the day selector.
    std::function<void()> ApresVerification;
};

// Sets the controller's score-exit, completion and verification hooks. The
// controller must outlive nothing it was given: the hooks hold a reference to it.
void BrancheResultatsCoupe(TResultatsJournee& page, TServicesResultats services);

// The hooks' work, callable on their own.
// Runs the cup decision for row `ligne` of the page; true when it changed the row or the calendar.
bool SortieScoreCoupe(TResultatsJournee& page, int ligne, const DecisionCoupe::TDemandeTirsAuBut& demande);
// "Complete the calendar" (automatique: the page shows a cup day without a score).
bool CompleterResultats(TResultatsJournee& page, bool automatique);
// Saves the rows and checks the current day.
ControleCalendrier::TVerification VerifierResultats(TResultatsJournee& page);
