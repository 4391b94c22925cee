#pragma once

// The figures of the championship information page: matches, draws,
// attendance, goals and cards of the whole championship or of one match day,
// the home and away shares, the scorers by position, the distribution of goals
// by five-minute slice, the texts the page shows for them and the scale of
// its charts. The page, its HTML rendering and its keywords all read them
// here.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TLectureParam;

namespace InfoGeneral {

// Goals by minute: slice s holds minutes 5s to 5s + 4 (slice 20: 100 to 104).
constexpr int NbTranches = 21;
using TRepartition = std::array<int, NbTranches>;

struct TInfo {
    int Jour = 0; // 0: the whole championship
    int Matchs = 0;
    int Nuls = 0;
    int VictoiresDomicile = 0;
    int ButsDomicile = 0;
    int Buts = 0;
    int Jaunes = 0;
    int Rouges = 0;
    int64_t Affluence = 0;
    std::array<int, 4> Postes{}; // goalkeepers, defenders, midfielders, forwards
    int ContreSonCamp = 0;
    // Best and poorest match day (the earlier day keeps a tie).
    int MeilleurJour = 1;
    int MeilleurNombre = 0;
    int PireJour = 1;
    int PireNombre = 0;
    TRepartition Repartition{};
    // Per match day of the calendar, index 0 = day 1 (only what the range
    // covers is counted).
    std::vector<int> ButsJournee;
    std::vector<int> JaunesJournee;
    std::vector<int> RougesJournee;
    std::vector<int64_t> AffluenceJournee;
};

// The played matches of days 1 to the last played day (Jour 0), or of day
// Jour alone; the scorers are looked up in the season's player registry.
TInfo CalculeInfo(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour);
// The distribution alone: missed penalties left out, minutes from 105 on in
// no slice.
TRepartition CompteRepartition(const TDonneesChampionnat& Champ, int Jour);
// A chart graduation step: 1 below 2, N below 10, else N rounded up to its
// leading digit (123 gives 200).
int ArrondiEchelle(int N);

// The texts of the page's figures ("-" where nothing was played).
struct TTextes {
    std::string Matchs, Nuls, AffluenceMoyenne, Buts, ButsParMatch, Meilleur, Pire;
    std::string Jaunes, JaunesParMatch, Rouges, RougesParMatch;
    std::string VictoiresDomicile, NulsDomicile, DefaitesDomicile, ButsDomicile, ButsExterieur;
    std::array<std::string, 5> Buteurs; // the four positions and own goals
};
TTextes Textes(const TInfo& Info);
// The page's title: the catalogue entry and division of the championship's
// code, and with a day, text 209 with it. A code the catalogue does not know
// (a cup composed for the season) is named NomSaison, the season's own name
// for the championship, rather than by a lone ":".
std::string Titre(const TDonneesChampionnat& Champ, const TLectureParam* Catalogue, int Jour,
                  const std::string& NomSaison = {});

} // namespace InfoGeneral
