#pragma once

// The season file (".sai") of format versions 3 to 13: a table of body
// offsets, the season's teams, people, statistics groups, tree and
// championship headers, the play-offs, then one body per championship.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/Chargeur.h"

class TChargeurSaison : public TChargeur {
public:
    using TChargeur::TChargeur;

    // Fills the season; the championships go into it as they are read, so
    // `championnat` is not touched. False when any part of the file, a
    // championship's body included, cannot be read: the season is then to be
    // thrown away.
    bool Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat) override;
    // A season file has no description of its own.
    bool LitDescription(TDescriptionFichier&) override { return false; }
    int Importe() override { return 0; }

protected:
    int LitId(uint8_t premier) override;
    int32_t LitEntier() override;
    int32_t LitEntierMots() override;
    int32_t LitDate() override;

private:
    // Everything up to the bodies.
    bool LitCorps(TListeRenumerotation& joueurs, TListeRenumerotation& arbitres, TListeRenumerotation& entraineurs);
    bool LitDescSaison();
    bool LitEntetes();
    bool LitBarrages();
    // The bodies, at the offsets of the table; false at the first that fails.
    bool LitFin();

    std::vector<int64_t> Offsets;
    std::vector<TDonneesChampionnat*> Championnats;
};
