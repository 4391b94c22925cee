#pragma once

// The cup rounds dialog without its widgets: one row per round (its number
// of matches and match type), the round labels, and the list of rounds
// from the first played to the final.

#include "model/Penalites.h"

#include <string>
#include <vector>

class TCreationCoupe {
public:
    struct TLigne {
        int NbMatch = 1;
        int Type = 1; // 1..7
    };
    static constexpr int NbTypes = 7;

    // One row for the final.
    TCreationCoupe();

    // Rows above n are freed, missing ones are added (2 to the power r - 1
    // matches, the preset type); the result is emptied.
    void SetNbTours(int n);
    int NbTours() const { return static_cast<int>(FLignes.size()); }
    // The type of the rows made from now on.
    int TypePreset = 1;

    TLigne& Ligne(int r) { return FLignes[r - 1]; } // r from 1, the final
    const TLigne& Ligne(int r) const { return FLignes[r - 1]; }
    // "Finale", "Demi-finale" ... then text 277 with the round's number counted
    // from the first round.
    std::string Libelle(int r) const;

    // The rounds, the first played first; false for no round at all.
    bool Valide();
    const std::vector<TTourCoupeJour>& Resultat() const { return FResultat; }

private:
    std::vector<TLigne> FLignes;
    std::vector<TTourCoupeJour> FResultat;
};
