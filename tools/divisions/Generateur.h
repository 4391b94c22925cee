#pragma once

// What the build adds to the program folder beside the copy of data/: the
// standard division files the catalogue names (each with the clubs of the
// division's real season and no match), a sample season holding the two French
// divisions with every real result, and the crest catalogue with a shield for
// each country of the catalogue. The same inputs always give the same bytes.

#include <memory>
#include <string>
#include <vector>

#include "ResultatsReels.h"

class TLectureParam;
class TSaison;

// The results file that gives the clubs of each league division of the catalogue.
struct TSourceDivision {
    int Code;
    const char* Fichier;
};
const std::vector<TSourceDivision>& SourcesDivisions();
// The divisions of the sample season, in season order.
inline constexpr int DivisionsExemple[] = {101, 102};
inline constexpr const char* NomExemple = "sauvegarde/exemple.xmc";

// A division file's season: one league of the division's code and catalogue
// options with the clubs of the season, n / 2 matches a day and 2 (n - 1)
// days, none played. Null with a message when the results do not hold the
// number of clubs the catalogue gives the division.
std::unique_ptr<TSaison> CreeSaisonDivision(int code, const TResultatsReels& resultats, const TLectureParam& catalogue,
                                            std::string& erreur);

// The sample season: under a heading of the first division's catalogue entry,
// one league per division, with every club and every match on its matchday
// with its date and full-time score (a match without a score stays unplayed).
struct TDivisionExemple {
    int Code;
    const TResultatsReels* Resultats;
};
std::unique_ptr<TSaison> CreeSaisonExemple(const std::vector<TDivisionExemple>& divisions,
                                           const TLectureParam& catalogue, std::string& erreur);

// Writes "blasons/blasons.txt" anew with one country per catalogue entry that
// has divisions, each with a shield of its colours as its picture.
bool EcritBlasons(const std::string& dossierProgramme, const TLectureParam& catalogue, std::string& erreur);

// Everything above and the tournament season (CoupeDuMonde.h), from the
// catalogue file, the folder of results files and the tournament's folder,
// into the program folder (all folders ending with "/"). The archives are
// stamped with the date of the last league match read, so the files do not
// depend on the day of the build.
bool GenereDonnees(const std::string& fichierCatalogue, const std::string& dossierResultats,
                   const std::string& dossierCoupe, const std::string& dossierProgramme, std::string& erreur);
