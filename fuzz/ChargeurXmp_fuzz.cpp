// A season archive from arbitrary bytes: the ZIP container, then the season
// document inside it. Whatever loads is saved again and must load again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    std::string document;
    if (!TChargeurXmp::LitEntree(octets, document))
        return 0;
    TSaisonFootball saison;
    TProgression progression;
    if (!TChargeurXmp::LitDocument(saison, document, progression))
        return 0;
    saison.RecalculeJoueurs();
    saison.RecalculeArbitres();
    TProgression ecriture;
    const std::string ecrit = TChargeurXmp::EcritDocument(saison, ecriture);
    std::string archive;
    if (!TChargeurXmp::CreeArchive(ecrit, archive))
        __builtin_trap();
    std::string relu;
    TSaisonFootball seconde;
    TProgression lecture;
    if (!TChargeurXmp::LitEntree(archive, relu) || relu != ecrit || !TChargeurXmp::LitDocument(seconde, relu, lecture))
        __builtin_trap();
    return 0;
}
