#pragma once

// What the player search page shows and does, without its widgets: the result
// grid of a search or of the duplicate check, the last action redone after
// every change, and delete, transfer and merge on the players of its rows.

#include "engine/RechercheJoueurs.h"

#include <functional>
#include <string>
#include <vector>

class TJoueur;
class TModeleGrille;
class TSaison;

namespace VuesRecherche {

constexpr int ColonneId = 7; // hidden: the player's id as text
constexpr int AucunId = -1;  // the id of the row that says nobody was found
constexpr int HauteurLigne = 20;

// Columns, titles, widths and sort types, with the single row saying nobody
// was found.
void PrepareGrille(TModeleGrille& Grille);
// One row per player, zebra rows; the single text-185 row when there is none.
void AfficheJoueurs(const TSaison& Saison, const std::vector<TJoueur*>& Joueurs, TModeleGrille& Grille);
// Each run of namesakes in its own text colour, alternating, on white rows.
void AfficheDoublons(const TSaison& Saison, const std::vector<std::vector<TJoueur*>>& Series, TModeleGrille& Grille);
// The id of a row, AucunId for the title, the empty row and rows outside.
int IdLigne(const TModeleGrille& Grille, int Ligne);
// The height that shows every row: (row height + 1) per row.
int HauteurGrille(const TModeleGrille& Grille);

} // namespace VuesRecherche

// The page's state and operations: the grid it fills is the page's.
class TControleurRecherche {
public:
    enum class TAction { Aucune, Recherche, Verification };

    TControleurRecherche(TSaison& Saison, TModeleGrille& Grille) : FSaison(Saison), FGrille(Grille) {}

    // The first showing: the players' figures recounted, the empty grid.
    void Prepare();
    void Cherche(const RechercheJoueurs::TCriteres& Criteres);
    void Verifie();
    // The last search or check again, so the list shows the season as it is.
    void Refait();
    TAction DerniereAction() const { return FAction; }

    TJoueur* JoueurLigne(int Ligne) const;

    // Deletes the row's player for good; a player match data still name is
    // kept and the user told so (text 298). True when the season changed.
    bool Supprime(int Ligne);
    // The player of row Source dropped on that of row Cible: asked (text 297),
    // then merged into the latter, whose card OuvreFiche is given to show.
    // True when the season changed.
    bool Fusionne(int Cible, int Source, const std::function<void(int Id)>& OuvreFiche);

private:
    TSaison& FSaison;
    TModeleGrille& FGrille;
    TAction FAction = TAction::Aucune;
    RechercheJoueurs::TCriteres FCriteres;
};
