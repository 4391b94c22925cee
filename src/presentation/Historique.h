#pragma once

// What the history page shows of one division's archive of past seasons,
// without a widget: the head-to-head search of two teams over the archived
// seasons, the results table and the standings of one season, and the entry
// grid of a season's scores with its keys and its saving into the season.

#include <string>
#include <vector>

class TModeleGrille;
class TSaison;
class TSaisonStat;
class TStat;

namespace Historique {

// Kinds of standings the page offers.
constexpr int General = 1;
constexpr int Domicile = 2;
constexpr int Exterieur = 3;
constexpr int Attaque = 5;
constexpr int Defense = 6;

// The division an archive belongs to, by the name the user knows it by: an
// archive is filed under a championship's code, which for a championship of
// the user's own making is no catalogue division. The open season's
// championship of that code gives its name; else the catalogue's division of
// that code; else the code itself.
std::string NomDivision(int Id, const TSaison* Saison);

// What the user is told once a season has gone into a division's archive:
// the season's year (as stored, counted from 1900) as the season lists show
// it, the division by its name and the archive's file.
std::string TexteArchive(const TStat& Archive, int Annee, const TSaison* Saison = nullptr);

// The archived seasons as the season lists show them, newest first: "year (n teams)".
std::vector<std::string> ListeSaisons(const TStat& Archive);

// What the head-to-head search is asked.
struct TCritere {
    int Domicile = -1; // team numbers of the archive
    int Exterieur = -1;
    bool ParAnnees = true; // the seasons of the last Limite years, else the last Limite meetings
    int Limite = 10;
    bool Retour = false; // the return match counts too
    int AnneeCourante = 0;
};

// The counts of the search, from the home team's side.
struct TBilan {
    int Victoires = 0;
    int Nuls = 0;
    int Defaites = 0;
    int Rencontres = 0; // seasons that listed a meeting
    int Lignes = 0;     // meetings listed
    // The three count lines under the list.
    std::string TexteVictoires;
    std::string TexteNuls;
    std::string TexteDefaites;
};

// Lists the played meetings of the two teams, newest season first: year,
// winner (or the draw) and score; the return match is written with the
// goals of the team that played away first.
TBilan Confrontations(const TStat& Archive, const TCritere& Critere, TModeleGrille& Grille);

// The results table of a season: abbreviated names across, every home
// score against every away team, the diagonal black. Hidden without a season.
void RemplitTableau(const TStat& Archive, const TSaisonStat* Saison, TModeleGrille& Grille);

// The standings of a season of one kind. Hidden without a season.
void RemplitClassement(const TStat& Archive, const TSaisonStat* Saison, int Genre, TModeleGrille& Grille);

// The entry grid: per home team, two narrow columns per away team (home and
// away goals, headed by the team as in the results table), empty when not
// played. Hidden without a season.
void RemplitSaisie(const TStat& Archive, const TSaisonStat* Saison, TModeleGrille& Grille);

// Writes the entry grid into the season: every cell pair, the diagonal
// included, 255 for an empty or unreadable score.
void EnregistreSaisie(const TModeleGrille& Grille, TSaisonStat& Saison, int SystemePoints);

// A new season of the archive from the year typed and the team memo's lines
// (blank lines skipped; a year above 1900 is counted from 1900). Names not yet
// in the archive join its name table. Null without any team. The season
// replaces one of the same year.
TSaisonStat* AjouteSaison(TStat& Archive, int Annee, const std::vector<std::string>& Lignes);

// The typing of scores into the entry grid of N teams: the cursor, and the
// entry mode after "*" (two-digit scores).
class TSaisie {
public:
    explicit TSaisie(int NbEquipes);

    int Col() const { return Col_; }
    int Row() const { return Row_; }
    // The user may not put the cursor on a team's cells against itself.
    bool Selectionnable(int Col, int Row) const;
    // Puts the cursor on a cell the user chose; false when it may not go there.
    bool Selectionne(int Col, int Row);
    // One typed character: a digit fills the cell under the cursor and, unless
    // it starts a two-digit "*" entry, moves the cursor on; "*" starts such an
    // entry; anything else is dropped.
    void Touche(char32_t Caractere, TModeleGrille& Grille);

private:
    void Avance();

    int N_;
    int Col_ = 3;
    int Row_ = 1;
    int Mode_ = 0;
};

} // namespace Historique
