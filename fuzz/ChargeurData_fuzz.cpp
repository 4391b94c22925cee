// Older files come from anywhere: any bytes must load or fail cleanly, and a
// loaded championship must stand its own queries.
#include "files/ChargeurChamp.h"
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TSaisonFootball saison;
    std::unique_ptr<TDonneesChampionnat> champ;
    TChargeurData chargeur(std::make_unique<TSourceMemoire>(data, size), "EQUIPE12.DAF");
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
