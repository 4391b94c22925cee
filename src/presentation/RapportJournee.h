#pragma once

// What the results page prints and writes of a match day: the printed day
// laid out on a canvas, the page's own small HTML page, and the texts of the
// "Score" (a day's results table) and "RapportMatch" (one match's report)
// template keywords. Nothing here needs the page: the keywords answer from
// the season alone.

#include <functional>
#include <string>

class TCanevas;
class TDonneesChampionnat;
class TSaison;

namespace RapportJournee {

// Draws day `jour` as the results page prints it; `nouvellePage` is called
// before a line that would pass `hauteurPage`, and the lines go on from the
// top of the new page.
void Dessine(TCanevas& canevas, const TSaison& saison, const TDonneesChampionnat& champ, int jour, int hauteurPage,
             const std::function<void()>& nouvellePage);

// The results page's HTML page of day `jour`, titled `titre`, lines ended by CR LF.
std::string PageHtml(const TSaison& saison, const TDonneesChampionnat& champ, int jour, const std::string& titre);

// The parameters of "Score", defaults as the keyword reads them.
struct TParamScore {
    int Journee = 0;
    std::string NbColonne = "3";
    std::string CouleurTitre = "#000080";
    std::string FonteTitre = "#F0E020";
    std::string CouleurLigne1 = "#C0C0C0";
    std::string CouleurLigne2 = "#FFFFFF";
    std::string FonteLigne = "#000000";
    std::string FormatLigne; // empty: the default row
    std::string FicheDetail;
    std::string ParametreLien;
    std::string ExtraExt;
};
// The default row of "Score".
std::string FormatLigneDefaut();
// Empty for a day the championship does not have.
std::string Score(const TSaison& saison, const TDonneesChampionnat& champ, const TParamScore& p);

struct TParamRapport {
    int Journee = 0;
    int Match = 1;
    std::string CouleurTitre = "#000080";
    std::string FonteTitre = "#F0E020";
    std::string CouleurLigne1 = "#C0C0C0";
    std::string CouleurLigne2 = "#FFFFFF";
    std::string FonteLigne = "#000000";
    bool Affluence = false;
    bool Arbitre = false;
    bool Stade = false;
    bool Buteur = false;
    bool Carton = false;
    bool Effectif = false;
};
// Empty when that day and number hold no match with both teams.
std::string RapportMatch(const TSaison& saison, const TDonneesChampionnat& champ, const TParamRapport& p);

} // namespace RapportJournee
