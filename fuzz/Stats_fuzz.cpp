// Past-seasons archives come from the "stats/" folder as they are: any bytes
// must load or fail cleanly, and whatever loads must compute its tables.
#include "files/Stats.h"
#include "files/ioFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TStat stat;
    try {
        TLecteurFichier lecteur(std::make_unique<TSourceMemoire>(data, size));
        stat.Lit(lecteur);
    } catch (const EErreurFichier&) {
        return 0;
    }
    std::vector<TLigneClassementStat> table;
    std::vector<TLigneOrdreStat> ordre;
    for (int i = 0; i < stat.NbSaisons(); ++i)
        for (int mode = 1; mode <= 6; ++mode)
            stat.GetSaison(i)->CalculeClassement(mode, table, ordre);
    return 0;
}
