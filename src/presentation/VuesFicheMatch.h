#pragma once

// What the pre-match sheet shows, without any widget: the frame captions, the
// head-to-head lines and the list of meetings, each side's standings lines,
// series report and last results, and the "FicheMatch" keyword's HTML. The
// page and its keyword take their texts here.

#include "engine/FicheMatch.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;
class TStat;

namespace VuesFicheMatch {

// The sheet's frame caption: team name and general position.
std::string TitreCadre(const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                       const FicheMatch::TCoteFiche& C);
// The venue word of a side: "à domicile", "à l'extérieur", empty overall.
std::string MotLieu(int Cote, bool General);

// The head-to-head count's three lines: home wins, draws, away wins.
std::array<std::string, 3> LignesBilan(const FicheMatch::TBilan& Bilan, const std::string& NomDomicile,
                                       const std::string& NomExterieur);
// The list of at most N played meetings, newest first: year, winner, score;
// "Aucun Match" when there is none. The grid is sized to show every row.
void RemplitRencontres(TModeleGrille& Grille, const TStat& Archive, const std::string& NomDomicile,
                       const std::string& NomExterieur, int N);

// The six standings lines of a side: position, wins, draws, defeats, goals
// for, goals against; and the position line's hint.
std::array<std::string, 6> LignesClassement(const FicheMatch::TCoteFiche& C, int Cote);
std::string BulleClassement(const FicheMatch::TCoteFiche& C, int Cote);

// One line of the series report with its colour code.
struct TLigneSerie {
    std::string Texte;
    uint8_t Couleur = 11;
};
// The current run (the first line, empty when there is none), then the runs
// without defeat, without a win, without conceding and without scoring that
// are going on.
std::vector<TLigneSerie> LignesSerie(const FicheMatch::TCoteFiche& C, int Cote);

// A last result as shown: names and goals.
struct TResultatAffiche {
    std::string Domicile;
    std::string Exterieur;
    std::string ButsDomicile;
    std::string ButsExterieur;
};
std::vector<TResultatAffiche> Resultats(const TContexteSaison& Saison, const FicheMatch::TCoteFiche& C);

// What the keyword shows, and in which colours.
struct TOptionsHtml {
    bool Classement = false;
    bool Serie = false;
    bool Matchs = false;
    std::string CouleurTitre = "#000080";
    std::string FonteTitre = "#F0E020";
    std::string CouleurLigne1 = "#C0C0C0";
    std::string CouleurLigne2 = "#FFFFFF";
};
// The sheet of the teams at positions Domicile and Exterieur as HTML, each
// side at its venue.
std::string FicheHtml(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Domicile, int Exterieur,
                      const TOptionsHtml& Options);

} // namespace VuesFicheMatch
