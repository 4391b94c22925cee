#pragma once

// What the championship information page draws, without any widget: the two
// goal-distribution charts, the evolution charts day by day, the table of the
// best attendances and the HTML forms of the figures. The page, its HTML
// rendering and its keywords fill their charts and grids here.

#include "engine/InfoGeneral.h"
#include "presentation/ModeleGraphe.h"

#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;
class TModeleGraphBarre;
class TModeleGraphLigne;

namespace VuesInfoGeneral {

// The page's default bar colours: the distribution bars, and the odd and
// even days of the per-day charts.
TCouleurs CouleursRepartition();
TCouleurs CouleursJourImpair();
TCouleurs CouleursJourPair();

// The 15-minute chart (7 bars, the last one minutes 90 to 104) and the
// 5-minute chart (19 bars); a first colour 0 takes the default pair.
void AfficheGrapheRepartition(const InfoGeneral::TRepartition& R, TModeleGraphBarre& Quart, TModeleGraphBarre& Cinq,
                              TCouleurs Couleur1, TCouleurs Couleur2, const std::string& LegendeY);

// One value per day, x = day 1..values, odd and even days in their colours.
void RemplitGrapheJours(TModeleGraphe& Graphe, const std::vector<int64_t>& Valeurs, TCouleurs Impair, TCouleurs Pair);
// Yellow and red cards per day as two series.
void RemplitGrapheCartons(TModeleGraphe& Graphe, const std::vector<int>& Jaunes, const std::vector<int>& Rouges);

// The evolution charts of days 1 to the last played day (a chart given as
// nullptr is skipped); with Essais the goal chart counts the scorer-list
// events of each day and the attendance is 0.
void AfficheGrapheEvolution(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGraphe* Buts,
                            TModeleGraphe* Cartons, TModeleGraphe* Affluence, TCouleurs Couleur1, TCouleurs Couleur2,
                            bool Essais);

// The best attendances: at most 20 rows, at most MaxLignes of them when more
// than 10 (21-pixel rows, else 24), down to the first attendance 0.
void RemplitAffluences(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                       int MaxLignes);
// The height the table takes with its rows.
int HauteurAffluences(const TModeleGrille& Grille);

// The body of the information sheet's HTML page, line by line.
std::vector<std::string> LignesHtmlInfo(const InfoGeneral::TTextes& T);
// The two tables of the "StatChampionnat" keyword. Couleurs: title
// background, title font, label cells, value cells, row font.
std::string GetHtmlInfo(const InfoGeneral::TInfo& Info, const std::string& Titre,
                        const std::vector<std::string>& Couleurs);

} // namespace VuesInfoGeneral
