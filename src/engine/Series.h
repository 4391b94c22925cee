#pragma once

// The series table of a championship: per team, in team order, a record of 57
// bytes holding its runs of consecutive results over all, home and away
// matches, as they stand at its latest match and as the longest of the
// season. The series page, the team statistics page and the pre-match sheet
// read it; the record's layout is shared by all of them, so they read it
// through the accessors below.
//
// Positions in a record are 1-based. Three kinds of block:
// - result blocks (5 bytes): working series, latest series, longest series of
//   kind 1 (win), 2 (draw), 3 (defeat); a series byte holds (kind shl 6) or
//   length;
// - yes/no blocks (4 bytes): working series, latest series, longest series of
//   kind 1 (yes) and 2 (no);
// - run blocks (3 bytes): current length, latest run (128 for a latest run of
//   length 0), longest run.
// Series lengths stop at 63, run lengths at 127.

#include <cstdint>
#include <functional>
#include <vector>

class TDonneesChampionnat;

namespace Series {

constexpr int TailleEquipe = 57;

// Venue scopes of the blocks.
enum TPortee : int { Tous = 0, Domicile = 1, Exterieur = 2 };
// The scope of a venue code (1 home, 2 away, 3 all).
constexpr int PorteeLieu(int lieu)
{
    return ((lieu % 3) + 3) % 3;
}

// First position of each block for a scope.
constexpr int BlocResultats(int portee)
{
    return 1 + 5 * portee;
}
constexpr int BlocMarque(int portee) // 1 the team scored, 2 it did not
{
    return 16 + 4 * portee;
}
constexpr int BlocEncaisse(int portee) // 1 the team conceded, 2 it did not
{
    return 28 + 4 * portee;
}
constexpr int BlocInvaincu(int portee) // a win or a draw continues
{
    return 40 + 3 * portee;
}
constexpr int BlocSansVictoire(int portee) // a draw or a defeat continues
{
    return 49 + 3 * portee;
}

// Kinds of the result blocks, and of the yes/no blocks.
enum : int { Victoire = 1, Nul = 2, Defaite = 3 };
enum : int { Oui = 1, Non = 2 };

constexpr int LongueurMaxSerie = 63;
constexpr int LongueurMaxCourse = 127;
constexpr uint8_t CourseVide = 128;

} // namespace Series

class TTableSeries {
public:
    TTableSeries() = default;
    explicit TTableSeries(int nbEquipe);

    int NbEquipe() const { return NbEquipe_; }
    // The byte at 1-based position of a team's record; 0 outside.
    uint8_t GetOctet(int equipe, int position) const;
    void SetOctet(int equipe, int position, uint8_t valeur);
    // The whole table, team after team.
    const std::vector<uint8_t>& Octets() const { return Octets_; }

    // --- Result and yes/no blocks (bloc: the block's first position) ---
    // Kind and length of the series that ends with the latest match.
    int GenreDerniere(int equipe, int bloc) const { return GetOctet(equipe, bloc + 1) >> 6; }
    int LongueurDerniere(int equipe, int bloc) const { return GetOctet(equipe, bloc + 1) & 63; }
    // The latest series' length when it is of that kind, else 0.
    int SerieEnCours(int equipe, int bloc, int genre) const;
    // The longest series of a kind.
    int PlusLongue(int equipe, int bloc, int genre) const;
    // The longest series of a kind is the latest one: still running.
    bool PlusLongueEnCours(int equipe, int bloc, int genre) const;

    // --- Run blocks ---
    // The latest run's length (a latest run of length 0 reads 0).
    int CourseEnCours(int equipe, int bloc) const { return GetOctet(equipe, bloc + 1) & 127; }
    int CourseLongue(int equipe, int bloc) const { return GetOctet(equipe, bloc + 2); }
    bool CourseLongueEnCours(int equipe, int bloc) const;

private:
    int NbEquipe_ = 0;
    std::vector<uint8_t> Octets_;
};

// Calls Match(day, 0-based index in the day) for every match of the
// championship's past, newest first: by days from the last played day down,
// each day's matches in order, or by calendar dates backwards, each date's
// matches on their day, when the championship dates its days or keeps its
// calendar by date. Unplayed matches are handed over too.
void ParcourtMatchsRecents(const TDonneesChampionnat& championnat,
                           const std::function<void(int Jour, int Index)>& Match);

// Walks the played matches newest first (by days from the last played day
// down, or by calendar dates backwards when the championship dates its days
// or keeps its calendar by date) and builds the table.
TTableSeries CalculeSeries(const TDonneesChampionnat& championnat);
