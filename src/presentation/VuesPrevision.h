#pragma once

// What the forecast shows, without any widget: the grid of a match day's
// forecast with its header, each fixture's row and its highlighted
// percentage, and the list of the day's fixtures for the pre-match sheet.
// The page and the "Prevision" keyword fill their grids here.

#include "engine/Prevision.h"

#include <cstdint>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;
class TStat;

namespace VuesPrevision {

// The background of the percentage that stands out ($00BBGGRR).
constexpr int32_t CouleurMeilleur = 0x00FFFF;

// A fixture the user may open the pre-match sheet of.
struct TMatchListe {
    std::string Texte; // "home - away"
    int Index = 0;     // 0-based match index in the day
};

// A percentage as the grid writes it: two significant digits, no decimals.
std::string TextePourcentage(double Valeur);

// Six columns and the header row, the grid cut to it.
void Entete(TModeleGrille& Grille);
// The header, then one row per fixture of day Jour with both teams; the
// fixtures go to Matchs when given.
void RemplitPrevision(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                      const Prevision::TReglages& Reglages, const TStat* Archive,
                      std::vector<TMatchListe>* Matchs = nullptr);

} // namespace VuesPrevision
