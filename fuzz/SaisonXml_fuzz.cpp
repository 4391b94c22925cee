// The season document from arbitrary bytes, without the ZIP container, so the
// fuzzer spends its time in the XML readers. What loads is written and read
// again; the second writing must give the same document.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Horloge.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool horloge = [] {
        InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2026, 1, 1}));
        return true;
    }();
    (void)horloge;
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    TSaisonFootball saison;
    TProgression progression;
    if (!TChargeurXmp::LitDocument(saison, document, progression))
        return 0;
    saison.RecalculeJoueurs();
    TProgression p1;
    const std::string premier = TChargeurXmp::EcritDocument(saison, p1);
    TSaisonFootball seconde;
    TProgression p2;
    if (!TChargeurXmp::LitDocument(seconde, premier, p2))
        __builtin_trap();
    TProgression p3;
    (void)TChargeurXmp::EcritDocument(seconde, p3);
    return 0;
}
