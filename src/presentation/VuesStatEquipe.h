#pragma once

// What the team statistics page shows in grids and HTML, without any widget:
// the playing-time grid, the club record's fields as the club tab edits
// them, and the texts of the team keywords. The page, its HTML rendering and
// the keywords fill their grids and tables here.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;
class TSaison;
namespace StatEquipe {
struct TParcours;
}

namespace VuesStatEquipe {

// The points taken against each opponent of team position `Equipe`, one row
// per opponent under a title row.
void RemplitPointsPris(TModeleGrille& Grille, const TDonneesChampionnat& Champ, const TContexteSaison& Saison,
                       int Equipe, const StatEquipe::TParcours& P);

// The route tab as an HTML page titled Titre: home and away match lines side
// by side in their colours (darkened where the row's ground needs it), the
// away column empty on neutral grounds.
std::string HtmlParcours(const StatEquipe::TParcours& P, const std::string& Titre);

// The playing-time grid of team position `Equipe` of the current
// championship: nine columns, one row per player who played, by minutes then
// matches; the row colour is the zebra colour of the player's rank. False
// (the grid left with its title row alone) when the team has no player.
bool AfficheTempsJeu(TSaison& Saison, int Equipe, TModeleGrille& Grille);

// --- Keywords ----------------------------------------------------------------
// Table colours in the grid's order: title background, first and second row
// backgrounds, title font, row font.
using TCouleursTable = std::vector<std::string>;

// The team's played matches of days 1 to the last played day whose result
// is in Type (bit 1 wins, 2 draws, 4 defeats): seven cells a match in the
// home-match or away-match font; with Separe home matches on the left and
// away matches on the right.
std::string ResultatEquipe(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe, int Type,
                           bool Separe, const std::string& FonteDom, const std::string& FonteExt);
// The club record of the team as label and value rows.
std::string AdminEquipe(const TSaison& Saison, uint16_t Id, const TCouleursTable& Couleurs);
// The position and totals of one venue (1 general, 2 home, 3 away); at home
// the average of the recorded attendances, when there is one.
std::string StatClassementEquipe(const TDonneesChampionnat& Champ, const TSaison& Saison, int Equipe, int Lieu,
                                 const TCouleursTable& Couleurs);
// The score-evolution texts: one block by its name, "resume" the two
// summaries, anything else the five blocks and the summaries.
std::string EvolutionScoreEquipe(const std::array<std::string, 26>& Textes, const std::string& TypeEvol,
                                 const std::string& Couleur);
// The ranking kind of a "ClassementJoueurEquipe" type name (case aside); 0
// for any other.
int GenreTypeJoueur(const std::string& Type);

} // namespace VuesStatEquipe
