#pragma once

// The team comparison without its widgets: which teams are chosen (at most
// four, in five slots), the positions or points curves of the chosen teams
// after each played day, and the table of their coming fixtures. The page and
// the "ComparaisonEquipe" and "ProgrammeEquipe" keywords fill their chart and
// grid through it.

#include "base/Utilities.h"

#include <array>
#include <cstdint>

class TContexteSaison;
class TDonneesChampionnat;
class TModeleGraphLigne;
class TModeleGrille;

class TComparaison {
public:
    static constexpr int NbEmplacements = 5;
    static constexpr int MaxChoisies = 4;
    static constexpr uint8_t Libre = 255;
    // The curve colour of each slot ($00BBGGRR).
    static constexpr std::array<TColor, NbEmplacements> Couleurs{0xFFFF00, 0x00FFFF, 0xFF80FF, 0x00FF00, 0x598FFF};

    // Every slot free.
    void Vide();
    // The team at that position of the championship takes the first free
    // slot; the slot (0-based), or -1 when four teams are already chosen (or
    // it already has one: then that slot).
    int Choisit(int position);
    // Puts a team in a given slot, whatever the count (the keywords' list).
    void Place(int emplacement, int position);
    void Libere(int position);
    // The team's slot, -1 when it is not chosen.
    int Emplacement(int position) const;
    int NbChoisies() const;
    const std::array<uint8_t, NbEmplacements>& Equipes() const { return FEquipes; }

private:
    std::array<uint8_t, NbEmplacements> FEquipes{Libre, Libre, Libre, Libre, Libre};
};

namespace Comparaison {

// The curves of the chosen teams over the played days: their place after
// each day, or their points (from 0 on day 0); free slots' curves hidden.
void TracerCourbes(bool points, TModeleGraphLigne& graphe, const TContexteSaison& saison,
                   const TDonneesChampionnat& champ, const std::array<uint8_t, TComparaison::NbEmplacements>& equipes);

// One 160-pixel column per chosen team in slot order: its name, then its
// match on each of the (at most six) days after the last played one.
void RemplirTableau(TModeleGrille& grille, const TContexteSaison& saison, const TDonneesChampionnat& champ,
                    const std::array<uint8_t, TComparaison::NbEmplacements>& equipes);

} // namespace Comparaison
