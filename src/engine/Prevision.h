#pragma once

// The forecast of a match day, without any widget: each fixture's two teams
// rated from their recent results (at their venue and overall) and, with an
// archive of past seasons, from their head-to-head record; the two ratings
// make three percentages, home win, draw and away win.

#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TStat;

namespace Prevision {

// The six settings: weights and counts.
struct TReglages {
    int PoidsForme = 40;      // "Prevision1"
    int NbMatchForme = 5;     // "Prevision2": matches of the venue performance
    int PoidsPerf = 40;       // "Prevision3"
    int NbMatchPerf = 5;      // "Prevision4": matches of the overall form
    int PoidsHistorique = 20; // "Prevision5"
    int NbRencontres = 10;    // "Prevision6": meetings of the head-to-head
};

// Venue performance of a team (id) over its last N matches on the side's
// ground (0 home, 1 away), the latest weighing most: 0 to 2.
double Perf(const TDonneesChampionnat& Champ, int Id, int N, int Cote);
// Overall form over the last N matches, away results worth more: 0 to 6.
double Forme(const TDonneesChampionnat& Champ, int Id, int N);

// The three percentages of two ratings (0 to 5); Definis false when the
// weights in use add up to 0 and the ratings mean nothing.
struct TPourcentages {
    bool Definis = false;
    double Domicile = 0;
    double Nul = 0;
    double Exterieur = 0;
    // Which cell stands out: 0 home, 1 draw, 2 away; -1 when no percentage is
    // greater than both others.
    int Meilleur() const;
};
TPourcentages Pourcentages(double Domicile, double Exterieur);

// One forecast fixture.
struct TPrevisionMatch {
    int Index = 0;     // 0-based match index in the day
    int Domicile = -1; // positions in the championship
    int Exterieur = -1;
    int PositionDomicile = 0; // general standings
    int PositionExterieur = 0;
    double NoteDomicile = 0;
    double NoteExterieur = 0;
    TPourcentages Pourcentages;
};

// Every fixture of day Jour that has both teams.
std::vector<TPrevisionMatch> CalculePrevision(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                                              const TReglages& Reglages, const TStat* Archive);

} // namespace Prevision
