#pragma once

// Every figure of the player card's statistics, computed from the season's
// match data each time the card is shown: the season panel, the career totals
// with their hand corrections, the goal statistics rows, the per-match detail
// lists and the lines of the match-history graph. The card only copies these
// into its controls. The per-championship counters read here are those of the
// season's player recount (TSaison::RecalculeJoueurs), which the card runs
// first.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TJoueur;
class TListeDonnees;
class TSaison;

namespace StatFicheJoueur {

// "x" when the championship's figure is the season's total, else "x(t)".
std::string TexteSaison(int X, int T);

// --- Season panel ---------------------------------------------------------

enum : int { Matchs = 0, Buts = 1, Avertissements = 2, Expulsions = 3, Passes = 4, NbFigures = 5 };

struct TPanneauSaison {
    std::array<int, NbFigures> Champ{}; // the card's championship
    std::array<int, NbFigures> Total{}; // every championship
    std::array<std::string, NbFigures> Textes;
    std::array<bool, NbFigures> Boutons{}; // s1..s5: a total to detail
    bool Detail = false;                   // sb_Detail: figures in the current championship
};

// NumChampionnat: the card's championship (1-based), -1 none.
TPanneauSaison CalculePanneau(const TSaison& Saison, const TJoueur& J, int NumChampionnat);

// --- Career totals --------------------------------------------------------

// One competition of the career totals as shown: the stored correction plus
// what the season computes.
struct TEntreeCarriere {
    int Id = 1; // statistics id of the competition
    int Matchs = 0;
    int Buts = 0;
    std::string Nom;
    bool operator==(const TEntreeCarriere&) const = default;
};

// The matches (Valeur 0) or goals (1) the season computes for statistics id
// Id: those of the championship whose code is Id, 0 when none has it.
int ValeurCalculee(const TSaison& Saison, const TJoueur& J, int Id, int Valeur);
// One entry per career statistics record of the player.
std::vector<TEntreeCarriere> EntreesCarriere(const TSaison& Saison, const TJoueur& J);
// An entry for the competition of statistics id Id: its stored and computed
// figures, named by the season.
TEntreeCarriere EntreeCarriere(const TSaison& Saison, const TJoueur& J, int Id);
// Stores, for every entry, the difference between the total shown and the
// computed figures; true when a stored value changed.
bool EnregistreCarriere(const TSaison& Saison, TJoueur& J, const std::vector<TEntreeCarriere>& Entrees);

// --- Goal statistics -------------------------------------------------------

constexpr int NbLignesButs = 9;
// Rows: first half, second half, home, away, hat-tricks, own goals, penalties
// scored, penalties missed, best match.
struct TStatButs {
    // [row][0]: the card's championship, [row][1]: every other one.
    std::array<std::array<int, 2>, NbLignesButs> Compteurs{};
    std::array<int, NbLignesButs> Largeurs{}; // bar widths in pixels
    std::array<std::string, NbLignesButs> Libelles;
};
TStatButs CalculeButs(const TSaison& Saison, const TJoueur& J, int NumChampionnat);
// The bar colour of row i (0-based), $BBGGRR.
uint32_t CouleurLigneButs(int Ligne);

// --- Detail lists ----------------------------------------------------------

enum : int { ListeMatchs = 1, ListeButs = 2, ListeAvertissements = 3, ListeExpulsions = 4, ListePasses = 5 };

struct TLigneDetail {
    std::array<std::string, 5> Cellules;
    bool Titre = false; // a championship heading: white, purple text
    int Zebre = 0;      // the zebra counter of a match row
};

// For a list kind, a championship number and a match day: the scorer list
// (kind 2) or the card list (kinds 3 and 4) of that day, null otherwise.
using TFournisseurListe = std::function<const TListeDonnees*(int Genre, int NumChampionnat, int Jour)>;
// The season's own lists.
TFournisseurListe FournisseurSaison(const TSaison& Saison);

// Appends the rows of championship NumChampionnat for list kind Genre.
void AfficheStatistiques(const TSaison& Saison, const TJoueur& J, int Genre, int NumChampionnat,
                         std::vector<TLigneDetail>& Lignes, int& Zebre, const TFournisseurListe& Fournisseur);
// Whether the player has any matches, goals, cards or assists in championship n.
bool AFigures(const TJoueur& J, int NumChampionnat);
// The rows of every championship where the player has any figure.
std::vector<TLigneDetail> DetailChampionnats(const TSaison& Saison, const TJoueur& J, int Genre);
// Whether the current championship lists its matches by calendar date, which
// puts dates in the first column.
bool ColonneDates(const TSaison& Saison);

// --- Match-history graph ---------------------------------------------------

// One match day of the graph: the minutes played (both 0 when his team played
// without him), his scorer events' words and his cards (a caution's word, or
// 1000 plus the minute of a sending-off).
struct TDonneesLigne {
    std::string Libelle; // the opponent
    bool Domicile = false;
    int Jour = 0;
    int Debut = 0;
    int Fin = 0;
    std::vector<uint16_t> Valeurs;
    std::vector<int> Marques;
};

// The lines of championship Champ for the player of that id in team Equipe,
// in day order.
std::vector<TDonneesLigne> LignesGraphe(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe,
                                        int Joueur);

} // namespace StatFicheJoueur
