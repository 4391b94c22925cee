#pragma once

// What the team information page compares between the teams of a
// championship, computed from its matches, events and line-ups: the players'
// statistic values, each team's record home attendance, the players each team
// used and its substitutions, and each team's series of minutes without
// scoring and without conceding. Nothing is kept between calls.

#include <array>
#include <cstdint>
#include <vector>

class TDonneesChampionnat;
class TPersonnelStat;

namespace InfoEquipes {

// --- Player statistics -------------------------------------------------------

// Statistics 0 to 7: goals (tries), rugby points, basket points, 2-point,
// 3-point and free-throw success (per mille), rebounds, assists.
constexpr int NbStatistiques = 8;
constexpr bool EstPourMille(int Stat)
{
    return Stat >= 3 && Stat <= 5;
}
// The player's value of statistic Stat in the championship numbered Cle; 0
// for a statistic outside 0..7.
int ValeurStatistique(const TPersonnelStat& Joueur, uint16_t Cle, int Stat);

// --- Record attendance -------------------------------------------------------

// A team's largest attendance at home over days 1 to the last played day;
// the earliest match keeps a tie. Jour 0 when the team never had one above 0.
struct TRecordAffluence {
    int Jour = 0;
    int Match = 0; // 1-based in the day
    int Affluence = 0;
};
// One record per team position.
std::vector<TRecordAffluence> RecordsAffluence(const TDonneesChampionnat& Champ);

// --- Line-ups ------------------------------------------------------------------

// Over the days 1 to the last played day on which a team's line-up is
// entered: the distinct players of line-up words 1 to 17, the line-ups and
// the substitutions (pairs 12/13, 14/15, 16/17 with both words set).
struct TComptesCompos {
    int Joueurs = 0;
    int Compos = 0;
    int Remplacements = 0;
};
// One count per team position.
std::vector<TComptesCompos> CompteCompositions(const TDonneesChampionnat& Champ);
// Substitutions per line-up, 0 without any.
double RemplacementsParMatch(const TComptesCompos& Comptes);

// Team positions by ascending key; a team goes before the teams already
// placed with an equal key, so of equal keys the later team comes first.
std::vector<int> OrdreCroissant(const std::vector<double>& Cles);

// --- Series of minutes ---------------------------------------------------------

// The two kinds of series and their three venues.
enum : int { SansMarquer = 0, SansEncaisser = 1 };
enum : int { PorteeTous = 0, PorteeDomicile = 1, PorteeExterieur = 2 };

// One series: the minutes since the latest event (Courante, complete once
// Vu), the stretch being walked back (Course) and the longest stretch seen.
struct TSerieMinutes {
    uint16_t Courante = 0;
    bool Vu = false;
    uint16_t Course = 0;
    uint16_t Meilleure = 0;
};

class TTableMinutes {
public:
    TTableMinutes() = default;
    explicit TTableMinutes(int NbEquipe);

    int NbEquipe() const { return static_cast<int>(Series_.size()); }
    // A neutral series outside the table.
    const TSerieMinutes& Get(int Equipe, int Genre, int Portee) const;
    TSerieMinutes* Modifie(int Equipe, int Genre, int Portee);

private:
    std::vector<std::array<TSerieMinutes, 6>> Series_;
};

// Walks the played matches newest first (as the series of results do). A
// side that scored nothing adds a whole match to its without-scoring series
// (all matches and its venue) and to the opponent's without-conceding series
// (all matches and the opponent's venue); a side that scored closes those
// series on its goals: the minutes after its last goal end the stretch that
// ran into it, every gap between two of its goals is a stretch of its own,
// and the stretch carried into older matches starts at its first goal.
// Minutes above 90 count as 90; missed penalties are no goal.
TTableMinutes CalculeSeriesMinutes(const TDonneesChampionnat& Champ);

} // namespace InfoEquipes
