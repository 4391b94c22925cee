#pragma once

// What the pre-match sheet computes for two teams of a championship, without
// any widget: their past meetings in the division's archive of past seasons,
// each side's standings line, current series and last results, and the
// stepping through the fixtures of a match day. The forecast counts the same
// meetings. Teams are 0-based positions in the championship's team list.

#include <cstdint>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TStat;

namespace FicheMatch {

// Sides of the sheet.
enum : int { CoteDomicile = 1, CoteExterieur = 2 };

// One played meeting of the archive: the season's year and the goals of the
// home and away teams.
struct TRencontre {
    int Annee = 0;
    int ButsDomicile = 0;
    int ButsExterieur = 0;
};

// The played meetings of NomDomicile at home against NomExterieur, newest
// season first, at most N of them. A name missing from the archive's name
// table (case ignored) matches nothing.
std::vector<TRencontre> Rencontres(const TStat& Archive, const std::string& NomDomicile,
                                   const std::string& NomExterieur, int N);

// Home wins, draws and away wins.
struct TBilan {
    int Victoires = 0;
    int Nuls = 0;
    int Defaites = 0;
    int Total() const { return Victoires + Nuls + Defaites; }
};

// The head-to-head count of the teams at positions Domicile and Exterieur
// over at most N played meetings, Domicile always at home. Nothing without
// an archive.
TBilan CompterConfrontations(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Domicile,
                             int Exterieur, int N, const TStat* Archive);

// Whether a side is shown overall: on neutral grounds always, else when the
// user chose the general statistics.
bool ModeGeneral(const TDonneesChampionnat& Champ, bool StatsGenerales);

// One match of a team's last results, as the calendar holds it.
struct TMatchFiche {
    uint16_t Domicile = 0; // team ids
    uint16_t Exterieur = 0;
    int ButsDomicile = 0;
    int ButsExterieur = 0;
};

// One side of the sheet.
struct TCoteFiche {
    int Equipe = -1;          // position in the championship
    int PositionGenerale = 0; // 1-based, in the general standings
    bool General = true;      // shown overall, else at its venue
    int Position = 0;         // in the standings shown (general, home or away)
    int Victoires = 0;
    int Nuls = 0;
    int Defaites = 0;
    int ButsPour = 0;
    int ButsContre = 0;
    // The current run of results (kind 1 win, 2 draw, 3 defeat; 0 none) and
    // the current runs without defeat, without a win, without conceding and
    // without scoring, all in the scope shown.
    int GenreSerie = 0;
    int LongueurSerie = 0;
    int Invaincu = 0;
    int SansVictoire = 0;
    int SansEncaisser = 0;
    int SansMarquer = 0;
    // At most five played matches, newest first; at its venue only when not general.
    std::vector<TMatchFiche> Derniers;
};

// Side Cote (CoteDomicile or CoteExterieur) of the team at position Equipe:
// standings over days 1 to the last played day. The last results follow the
// calendar dates when ParDates and the championship keeps dates (per day or
// by date), else the match days.
TCoteFiche CalculeCote(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Equipe, int Cote,
                       bool General, bool ParDates);

// The teams (positions) of fixture Match (1-based) of day Jour; false when
// the fixture lacks a team or a team is not in the championship.
bool EquipesMatch(const TDonneesChampionnat& Champ, int Jour, int Match, int& Domicile, int& Exterieur);

// The fixture after (Monte) or before Match on day Jour that has both teams,
// wrapping round the day; Match itself when no other one has.
int MatchVoisin(const TDonneesChampionnat& Champ, int Jour, int Match, bool Monte);

} // namespace FicheMatch
