#pragma once

// The recap table of a championship: one row and one column per team, the
// cell of (row team, column team) holding the score of the first meeting the
// row team played at home against the column team (on neutral grounds, of
// the first meeting of the pair, the team placed first taken as home). The
// recap page and its template keyword fill their grids from it.

#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;

// One meeting stored in a cell.
struct TRencontreRecap {
    bool Jouee = false;
    int ButsDomicile = 0;
    int ButsExterieur = 0;
};

// What a cell holds: the first meeting of the pair and the latest later one.
struct TCaseRecap {
    TRencontreRecap Premiere;
    TRencontreRecap Suivante;
};

class TRecapitulatif {
public:
    // Reads the played matches of days 1 to the last played day.
    explicit TRecapitulatif(const TDonneesChampionnat& Champ);

    int NbEquipe() const { return NbEquipe_; }
    // The cell of the team at position Ligne against the team at position
    // Colonne, nullptr outside the table.
    const TCaseRecap* GetCase(int Ligne, int Colonne) const;
    // The cell's text: "home - away" of the first meeting, "-" when none,
    // empty on the diagonal and outside the table.
    std::string TexteCase(int Ligne, int Colonne) const;

private:
    int NbEquipe_ = 0;
    std::vector<TCaseRecap> Cases_;
};

namespace Recapitulatif {

// Widths of the page's grid and of the keyword's table.
constexpr int LargeurNoms = 60;
constexpr int LargeurEquipe = 18;
constexpr int LargeurNomsHtml = 80;
constexpr int LargeurEquipeHtml = 36;

// Fills the grid: a header row of abbreviated names, then per team its name
// and its home scores against every other team.
void RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille);

// The table of the "Recapitulatif" keyword. Couleurs: title background, odd
// rows, even rows, title font, row font.
std::string TableHtml(const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                      const std::vector<std::string>& Couleurs);

} // namespace Recapitulatif
