#pragma once

// What the series and particularities page shows, without any widget: the
// eight small ranking tables of the current championship (most and fewest
// wins, draws, defeats and goals, or the runs of consecutive results as they
// stand or as the longest of the season), the full ranking of one of them,
// and the "Particularite" and "Serie" keywords' table. The page, its enlarged
// table and the keywords fill their grids here.

#include <array>
#include <span>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;

namespace VuesSeries {

// Venue codes (the page's three boxes give 3, 1, 2).
enum : int { LieuDomicile = 1, LieuExterieur = 2, LieuTous = 3 };
// The page's modes (its Tag).
enum : int { ModeParticularites = 0, ModeEnCours = 1, ModeMeilleures = 2 };
// Kinds of series table.
enum : int { SeriesEnCours = 1, SeriesMeilleures = 2 };
// Which table: 1..8 one table in full, Toutes the eight into their slots.
constexpr int Toutes = 9;

// The page's table slots: slot 0 sg_Part1 ... 6 sg_Part7, 8 sg_Part8; the
// others hold no grid (nullptr) and are skipped.
constexpr int NbEmplacements = 14;
using TEmplacements = std::array<TModeleGrille*, NbEmplacements>;
// The slot of table n (1..8).
constexpr int EmplacementTable(int n)
{
    return n == 8 ? 8 : n - 1;
}
// The shown tables' rows: four, fewer when the championship has fewer teams.
constexpr int LignesTableau = 4;

// Particularities: with Quel = Toutes the eight tables into the slots, four
// rows each; with Quel 1..5 the "most" ranking of particularity Quel, with 6..8
// the "fewest" ranking of particularity Quel - 5, all teams, into Grilles[0].
void AfficheParticularites(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Lieu, int Quel,
                           std::span<TModeleGrille* const> Grilles);
// Series of kind Genre (SeriesEnCours or SeriesMeilleures): with Quel =
// Toutes the eight tables into the slots, else table Quel (1..8) in full into
// Grilles[0].
void AfficheSeries(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Lieu, int Quel, int Genre,
                   std::span<TModeleGrille* const> Grilles);

// The table number a right click on grid sg_PartN names: in the
// particularities mode the grids show most and fewest side by side.
int TableClic(int Mode, int NumeroGrille);
// What the popup's Tag (table + 10 x mode) opens in full: the caption text id
// of the enlarged table (197, 206 or 207).
int TexteAgrandissement(int TagPopup);

// The "lieu" and "Type" words of the keywords (case ignored); anything else
// gives all matches and the best series.
int LieuMotCle(const std::string& Lieu);
int GenreMotCle(const std::string& Type);
// The keywords' answer: the filled slots two per row in one table, each a
// grid table in the given colours.
std::string TableMotCle(const TEmplacements& Grilles, const std::vector<std::string>& Couleurs);

} // namespace VuesSeries
