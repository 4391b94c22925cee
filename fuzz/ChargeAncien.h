#pragma once

// Older files come from anywhere: any bytes must load or fail cleanly, and a
// loaded championship must stand its own queries. One body for every loader
// of older files; each target names its loader and a file name of its kind.
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <cstddef>
#include <cstdint>
#include <memory>

template <class Chargeur> int ChargeAncien(const uint8_t* data, size_t size, const char* nom)
{
    TSaisonFootball saison;
    std::unique_ptr<TDonneesChampionnat> champ;
    Chargeur chargeur(std::make_unique<TSourceMemoire>(data, size), nom);
    if (chargeur.Charge(&saison, champ)) {
        if (champ)
            saison.AjouteChampionnat(std::move(champ));
        for (int n = 1; n <= saison.NbChampionnat(); ++n) {
            const TDonneesChampionnat* c = saison.GetChampionnat(n);
            for (int d = 1; d <= c->GetNbJour(); ++d)
                for (int k = 1; k <= 4 * c->GetNbMatchJournee(d); ++k)
                    c->GetValeurMatch(d, k);
        }
    }
    TDescriptionFichier description;
    chargeur.LitDescription(description);
    chargeur.Importe();
    return 0;
}
