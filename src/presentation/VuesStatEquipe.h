#pragma once

// What the team statistics page shows in grids and HTML, without any widget:
// the playing-time grid, the club record's fields as the club tab edits
// them, and the texts of the team keywords. The page, its HTML rendering and
// the keywords fill their grids and tables here.

#include <string>

class TModeleGrille;
class TSaison;

namespace VuesStatEquipe {

// The playing-time grid of team position `Equipe` of the current
// championship: nine columns, one row per player who played, by minutes then
// matches; the row colour is the zebra colour of the player's rank. False
// (the grid left with its title row alone) when the team has no player.
bool AfficheTempsJeu(TSaison& Saison, int Equipe, TModeleGrille& Grille);

} // namespace VuesStatEquipe
