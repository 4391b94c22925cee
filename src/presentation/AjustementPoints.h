#pragma once

// Points a team of a championship is given or docked outside its results:
// the day-0 records of the championship's penalties, which the standings
// engine adds to the team's points. The penalties page shows and changes them
// through these routines.

#include <cstdint>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;
class TPenalites;

namespace AjustementPoints {

constexpr int LargeurEquipe = 200;
constexpr int LargeurPoints = 150;

// The team's net adjustment: its bonuses less its deductions (0 when none).
int Ajustement(const TPenalites& Penalites, uint16_t Equipe);

// Adds Points (negative: deducts) to the team's adjustment; true when the
// adjustment changed (nothing for 0 points or beyond what a record holds).
bool AjoutePoints(TPenalites& Penalites, uint16_t Equipe, int Points);

// The grid of the page: header row, then one row per team in the
// championship's order with its name and its adjustment, striped, the
// followed team's row highlighted.
void RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille);
// Refreshes the adjustment column only.
void RemplitPoints(const TDonneesChampionnat& Champ, TModeleGrille& Grille);

} // namespace AjustementPoints
