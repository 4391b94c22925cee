#pragma once

// Finding players over the whole season and the operations the player search
// offers on them: the search by surname pattern, position and age or birth
// date, the check for players entered twice, whether match data still name a
// player, deleting, transferring and merging players.

#include <string>
#include <vector>

class TJoueur;
class TSaison;

namespace RechercheJoueurs {

enum class TCritereAge { Tous, Entre, Naissance };

// The criteria as the user typed them.
struct TCriteres {
    // A trailing "*" makes it a prefix; empty finds everybody.
    std::string Motif;
    // The position codes wanted.
    std::vector<int> Postes;
    TCritereAge Age = TCritereAge::Tous;
    // Between these two ages, in years, in either order; a text that is no
    // number counts as 0.
    std::string AgeDe = "18";
    std::string AgeA = "24";
    // Birth date; a field that is no number matches any value.
    std::string Jour;
    std::string Mois;
    std::string Annee;
};

// The season's first year minus 1900, from the current championship; 0 without one.
int AnneeSaison(const TSaison& Saison);

// Whether a surname fits the pattern: folded, the whole name, or its first
// characters when the pattern ends with "*".
bool NomCorrespond(const std::string& Motif, const std::string& Nom);

// The players that fit, ordered by folded surname with the namesakes of one
// first name and team kept together. Players of id 65535 are never found.
std::vector<TJoueur*> Cherche(const TSaison& Saison, const TCriteres& Criteres);

// The runs of players of equal folded surname and first name, in the
// registry's order.
std::vector<std::vector<TJoueur*>> Doublons(const TSaison& Saison);

// Whether any championship still names the player: an event of any per-day
// list of its sport, a line-up word or a captaincy.
bool JoueurUtilise(const TSaison& Saison, int Id);

// Removes and frees a player no match data names; false, nothing changed,
// when some do (his id would pass to the next player created).
bool SupprimeJoueur(TSaison& Saison, const TJoueur* Joueur);

// Merges B into A: A's career figures of each competition are raised to B's
// where lower, B's match data name A, and B leaves the registry and is freed.
void FusionneJoueurs(TSaison& Saison, TJoueur& A, const TJoueur* B);

} // namespace RechercheJoueurs
