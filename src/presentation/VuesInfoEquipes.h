#pragma once

// What the team information page shows, without any widget: each team's best
// players for a statistic, each team's record home attendance, the players
// each team used, its substitutions per match and its series of minutes
// without scoring or conceding. The page and its template keywords fill
// their grids here.

#include <cstdint>
#include <string>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;

namespace InfoEquipes {
class TTableMinutes;
}

namespace VuesInfoEquipes {

// The page numbers of the views.
enum : int {
    PageButeurs = 0,
    PageAffluences = 1,
    PageJoueursUtilises = 2,
    PageRemplacements = 3,
    PageSansMarquer = 11,
    PageSansEncaisser = 12,
    NbPages = 13,
};
// Page n of the page (13 or more, or below 0, is page 0).
int PageValide(int Page);
// The statistic of a best-players page (0 and 4 to 10), -1 for other pages.
int StatistiquePage(int Page);
// The series pages carry the series panel and their team links navigate.
constexpr bool EstPageSeries(int Page)
{
    return Page == PageSansMarquer || Page == PageSansEncaisser;
}
// Sorting on a title click is offered on every page but the attendance and
// line-up ones.
constexpr bool PageTriable(int Page)
{
    return Page == PageButeurs || Page >= 4;
}

// A statistic's value as shown: the per mille ones as a percentage with one
// decimal.
std::string TexteValeur(int Stat, int Valeur);

// Each team's best players of statistic Stat (0..7) in the championship
// numbered NumChampionnat: every player tied on the team's largest value,
// the first under the team's crest and name; text 108 for a team without
// goal or whose largest value is below 1. Player names are links carrying
// the player's id.
void AfficheMeilleursJoueurs(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                             int NumChampionnat, int Stat);
// Each team's record home attendance, teams without any left out.
void AfficheAffluences(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ);
// The players each team used (Remplacements false) or its substitutions per
// match, by ascending value.
void AfficheCompositions(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                         bool Remplacements);

// Which series of minutes a series page shows.
struct TChoixSerie {
    int Genre = 0;         // InfoEquipes::SansMarquer or SansEncaisser
    int Portee = 0;        // InfoEquipes::PorteeTous, PorteeDomicile or PorteeExterieur
    bool Meilleure = true; // the best series, else the current one
};
// The teams by their series, longest first; the team names are links
// carrying the team's position.
void AfficheSeriesMinutes(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                          const InfoEquipes::TTableMinutes& Table, const TChoixSerie& Choix);

} // namespace VuesInfoEquipes
