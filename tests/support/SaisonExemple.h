#pragma once

#include <memory>
#include <string>

#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"

namespace testsupport {

// Installs the shipped championship catalogue for the life of the object and
// removes it afterwards, so tests that rely on its absence are not disturbed.
class CatalogueInstalle {
public:
    CatalogueInstalle();
    ~CatalogueInstalle();
    CatalogueInstalle(const CatalogueInstalle&) = delete;
    CatalogueInstalle& operator=(const CatalogueInstalle&) = delete;
};

// A season holding one of everything the season document stores: teams,
// former clubs, coaches, stadiums, club records, players, referees, countries,
// statistics groups, save options and a season tree; a league (code 101, id 1)
// of teams 0..3 with two days of matches, events, line-ups, a shoot-out-free
// penalty and a group; a cup (id 2) of teams 2..5: two semi-finals played on
// day 1 (one after a shoot-out) and the final between their winners on day 2;
// a play-off definition with a round.
std::unique_ptr<TSaisonFootball> CreeSaisonComplete();

// Arles, Brest, Caen, Dijon: a two-day league (3/1/0 points) with its
// pairings and no score, dated 7 and 14 September 2024.
std::unique_ptr<TSaisonFootball> CreeLigueQuatreEquipes();

// Teams A, B, C and D (ids and positions 0-3) in a league of `nbJour` days of
// two matches at 3/1/0 points, with nothing scheduled: the season's current
// championship.
std::unique_ptr<TSaisonFootball> CreeLigueABCD(int nbJour);

// The four-team league as a championship of that division and code, its teams
// named prefix + 0..3.
std::unique_ptr<TSaisonFootball> CreeLigueDivision(int division, int code, const std::string& prefixe);

// "Equipe 0" to "Equipe 7" in two four-team leagues of one section: codes 1
// and 2, divisions 101 and 102, `jours` days of two matches, no score; with
// their description lines.
std::unique_ptr<TSaisonFootball> CreeDeuxDivisions(int jours);

// Adds to the season (which holds teams 0-3) a football championship of that
// code and NbJour days where 0 - 1 (0 at home on odd days) and 2 - 3 play every
// day, 1 - 0 and 0 - 0; numbered after the others and named Nom in the tree.
TDonneesChampionnatFootball& AjouteChampionnatQuatre(TSaisonFootball& Saison, int Code, int NbJour,
                                                     const std::string& Nom);

// A file read into a new season through the file dispatcher, as the program
// opens it; null when the load fails.
std::unique_ptr<TSaison> ChargeParDispatcheur(const std::string& fichier);

// Where the season plays `domicile` at home against `exterieur`: the
// championship (1..), made current, its current day and the match number of
// that day (1..), also made the sheets' current match; all 0 when it does not.
struct TOuMatch {
    int Championnat = 0;
    int Jour = 0;
    int Match = 0;
};
TOuMatch MontreMatch(TSaison& saison, const std::string& domicile, const std::string& exterieur);

} // namespace testsupport
