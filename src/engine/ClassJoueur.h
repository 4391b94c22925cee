#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ListeDonnees.h"

class TContexteSaison;
class TDonneesChampionnat;
class TModeleEditeur;
class TModeleGrille;
class TPersonnels;
class TSaison;

// Kinds of player ranking shared by the engine and the pages.
namespace GenreClassement {
constexpr int Buteurs = 0;
constexpr int Avertis = 1;
constexpr int Exclus = 2;
constexpr int Doublets = 3;
constexpr int Triplets = 4;
constexpr int Passeurs = 5;
constexpr int NotesGardiens = 6; // ratings: built by CreeListeNotes, not Calcule
constexpr int NotesJoueurs = 7;
constexpr int ContreCamp = 8;
constexpr int Realisateurs = 10; // rugby points
constexpr int Transformations = 11;
constexpr int Penalites = 12;
constexpr int Drops = 13;
constexpr int PremierBasket = 14;   // 14..31: totals averaged per match
constexpr int Evaluation = 29;      // basketball evaluation per match
constexpr int PremierParMatch = 32; // 32..46: best single-match value
constexpr int DernierBasket = 46;

// Basketball kinds (14..46): the key is a whole value, not a small count.
inline bool EstBasket(int genre)
{
    return genre >= PremierBasket && genre <= DernierBasket;
}
// 14..31: the key is an average per match in hundredths (a percentage in
// hundredths for 18..20), Nombre the matches (attempts) and Total the sum.
inline bool EstMoyenne(int genre)
{
    return genre >= PremierBasket && genre < PremierParMatch;
}
// 32..46: the key is the player's best match, named by Match.
inline bool EstParMatch(int genre)
{
    return genre >= PremierParMatch && genre <= DernierBasket;
}
// Shooting percentages (18..20 over the season, 36..38 in one match), in hundredths of a percent.
inline bool EstPourcentage(int genre)
{
    return (genre >= 18 && genre <= 20) || (genre >= 36 && genre <= 38);
}
} // namespace GenreClassement

// One player of a ranking.
struct TLigneClassement {
    int Joueur = 0;
    // The player's team as TJoueur::GetEquipe gives it (the national team in an
    // international championship).
    uint16_t Equipe = 65535;
    // The ranking key: the count of the kind; rugby points; for 14..31 the
    // average x 100 (percentages x 10000); for 32..46 the best match's value
    // (percentages x 10000).
    int Valeur = 0;
    // Scorers: how many of the goals were penalties.
    int Second = 0;
    // 14..31: matches counted, or attempts for the percentages; 32..46 matches counted.
    int Nombre = 0;
    // 14..31: the sum that was averaged (shots made for the percentages).
    int Total = 0;
    // 32..46: the match of the best value ("Home - Away : 80 - 75").
    std::string Match;
};

// A player ranking in its display order: key descending, then team name, then
// the player's folded name.
class TListeClassement {
public:
    TListeClassement(int genre, std::vector<TLigneClassement> lignes) : Genre(genre), Lignes(std::move(lignes)) {}

    int GetGenre() const { return Genre; }
    int Nombre() const { return static_cast<int>(Lignes.size()); }
    // Null outside 0..Nombre() - 1.
    const TLigneClassement* Get(int i) const { return i >= 0 && i < Nombre() ? &Lignes[i] : nullptr; }

private:
    int Genre;
    std::vector<TLigneClassement> Lignes;
};

// One line of the season description, as the scope walk reads it: level 1 and
// 2 headings, level 3 a championship whose value is its id.
struct TLigneDesc {
    int Niveau = 0;
    int Valeur = 0;
};

// Player rankings: goals, cards, assists, multi-goal matches, rugby scoring,
// basketball statistics and ratings. Nothing is kept between calls.
class TClassJoueur {
public:
    // Ids of the championships ranked with the current one, whose option 0
    // (low 4 bits) tells how far the scope goes: below 2 the championship
    // alone, 2 those under its heading, 3 those under its top-level heading.
    // The current one alone without `useScope` or when the season tree does not
    // show it; empty without a current championship.
    static std::vector<int> CreeListe(const TSaison& saison, bool useScope);
    // The ranking of a kind over the championships of CreeListe; `equipe`
    // 65535 for every club.
    static TListeClassement Calcule(const TSaison& saison, uint16_t equipe, bool useScope, int genre);
    // Ratings over the championships of CreeListe; `position` is a club's place
    // in the current championship, 65535 for every club.
    static TListeNotes CreeListeNotes(const TSaison& saison, int position, int filtre, bool useScope = true);

    // What the three above do, on lines and championships given. Portee is
    // empty when `idCourant` has no championship line.
    static std::vector<int> Portee(const std::vector<TLigneDesc>& desc, int idCourant, int portee);

    // The ranking of a kind over the championships' days 1..NbJournee; `equipe`
    // 65535 for every club, else only that club's events count. Events of
    // players the season does not hold are left out.
    static TListeClassement CalculeChampionnats(const TContexteSaison* saison,
                                                const std::vector<const TDonneesChampionnat*>& champs, uint16_t equipe,
                                                int genre);

    // Average ratings of the players (filtre 0 goalkeepers, 1 outfield players,
    // 2 all) of the club at `position` of `courant` (65535: every club), in
    // order of average. Players rated fewer times than the current
    // championship's share of days to be rated (referee option 4, a percentage
    // of NbJournee, rounded down) are left out.
    static TListeNotes CreeListeNotesChampionnats(const TContexteSaison* saison,
                                                  const std::vector<const TDonneesChampionnat*>& champs,
                                                  const TDonneesChampionnat& courant, int position, int filtre);

    // The ranking of a kind (every club, scope on; 6 and 7 the ratings of
    // goalkeepers and outfield players) on the ranking page: the places that
    // fit `hauteur` in the grid (ties shown "-", the shared place kept as the
    // alternate text; the player id in hidden column 3), the others as a
    // running text in the report below the grid and then the one beside it,
    // when both reports are given. `largeur` is the page's width.
    static void Affiche(const TSaison& saison, int genre, int hauteur, int largeur, TModeleEditeur* editeurCote,
                        TModeleEditeur* editeurBas, TModeleGrille& grille);
    // One club's players for a kind, every one of them, without places.
    static void AfficheEquipe(const TSaison& saison, uint16_t equipe, bool useScope, TModeleGrille& grille, int genre);
};

// One referee of a ranking.
struct TLigneArbitre {
    int Arbitre = 0; // the referee's id
    int Nombre = 0;  // the count of the kind
    int Matchs = 0;
    // Nombre x 100 div Matchs: the ranking key.
    int Ratio = 0;
};

// Referee kinds: 0 penalties given, 1 yellow cards, 2 red cards, 3 severity
// (yellow cards + 5 x red cards).
class TClassArbitre {
public:
    // Over the championships of TClassJoueur::CreeListe with the scope on.
    // Reads the referees' statistics as they stand: call
    // TSaison::RecalculeArbitres first.
    static std::vector<TLigneArbitre> Calcule(const TSaison& saison, int genre);

    // The referees with a count above 0 over the championships numbered
    // `numeros` (1-based, the keys of the referees' statistics), highest ratio
    // first; ties in the order they reached their ratio (registry order
    // within one championship). Every match of the scope counts.
    static std::vector<TLigneArbitre> CalculeNumeros(const TPersonnels& arbitres, const std::vector<int>& numeros,
                                                     int genre);
    // Merges one championship's figures of a referee into a list kept in
    // descending ratio order: his line, if any, takes the sums (16-bit) and
    // moves after the lines of a ratio not below his. No match gives ratio 0.
    static void AjouteArbitre(std::vector<TLigneArbitre>& liste, int arbitre, int nombre, int matchs);

    // The referee ranking of a kind on the ranking page, as
    // TClassJoueur::Affiche does for players (statistics recounted first;
    // the referee id in hidden column 3; nobody highlighted).
    static void Affiche(TSaison& saison, int genre, int hauteur, int largeur, TModeleEditeur* editeurCote,
                        TModeleEditeur* editeurBas, TModeleGrille& grille);
};
