#pragma once

// What the referee and stadium lists show and do, without their widgets: the
// country list, the grid of a country's referees or stadiums with its entry
// row, the delete rules, the referees typed into the grid, and the HTML table
// of the template keywords.

#include <cstdint>
#include <string>
#include <vector>

class TModeleGrille;
class TPersonnelStat;
class TSaison;
class TStade;

namespace ListesPersonnes {

enum class TGenre { Arbitres, Stades };

constexpr int TousLesPays = 99999; // the first entry of the country list
constexpr int SansPays = 65535;    // the last one
constexpr int AucuneEntree = -1;   // what a row without referee or stadium holds

struct TPays {
    int Code = TousLesPays;
    std::string Nom;
};

// "all" first, the countries that have a name and are used by a referee (a
// stadium) in folded name order, "no country" last.
std::vector<TPays> ListePays(const TSaison& Saison, TGenre Genre);
// The item text of the country list: the code on five digits, the character
// of code 5, the name.
std::string TexteElementPays(const TPays& Pays);
// The code of an item text; -1 when its first five characters are no number.
int CodeElementPays(const std::string& Texte);

// The referees (stadiums) of a country, all of them for TousLesPays, one per
// row with its id (code) in column 0's data, under a header row; with
// LigneSaisie an empty $CCFFFF row ends the grid for a new entry.
void RemplitGrille(const TSaison& Saison, TGenre Genre, int Pays, TModeleGrille& Grille, bool LigneSaisie = true);
// The height the page gives its grid: (rows + 2) x 20.
int HauteurGrille(const TModeleGrille& Grille);
// The id or code a row holds; AucuneEntree for the header, a typed or empty
// row and a row outside the grid.
int EntreeLigne(const TModeleGrille& Grille, int Ligne);
TPersonnelStat* ArbitreLigne(const TSaison& Saison, const TModeleGrille& Grille, int Ligne);
TStade* StadeLigne(const TSaison& Saison, const TModeleGrille& Grille, int Ligne);

// Whether a match of any championship names the referee as one of its three officials.
bool ArbitreNomme(const TSaison& Saison, int Id);
// False, nothing changed, when a match still names him: his id would pass to
// the next referee created.
bool SupprimeArbitre(TSaison& Saison, const TPersonnelStat* Arbitre);
// Takes the stadium out of every match and club record first, so none of them
// points at a code a new stadium may take.
void SupprimeStade(TSaison& Saison, const TStade* Stade);

// A text typed in a cell of column 0 or 1; typing on the last row gives the
// grid a new empty entry row (true then).
bool TexteSaisi(TModeleGrille& Grille, int Col, int Ligne, const std::string& Texte);

struct TResultatSaisie {
    bool Change = false;     // the season was changed
    bool Rafraichir = false; // a referee was created or renamed: the grid must be filled again
};
// A typed row to the registry: a row whose surname (column 0) is filled makes
// or renames its referee; a new one gets the country shown (none for "all").
TResultatSaisie ValideLigne(TSaison& Saison, int Pays, TModeleGrille& Grille, int Ligne);
// Every row from 1 on.
TResultatSaisie ValideLignes(TSaison& Saison, int Pays, TModeleGrille& Grille);

// The grid of the country named (all countries for a name that is no
// country) without its entry row, as an HTML table in those colours (title
// background, odd rows, even rows, title font, row font). The season is not changed.
std::string TableHtml(const TSaison& Saison, TGenre Genre, const std::string& NomPays,
                      const std::vector<std::string>& Couleurs);

} // namespace ListesPersonnes
