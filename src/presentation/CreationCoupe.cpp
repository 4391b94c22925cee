#include "presentation/CreationCoupe.h"

#include "base/oTraducteur.h"

#include <algorithm>

namespace {

constexpr int TexteFinale = 271; // 271..276: the final to the round of 64
constexpr int TexteTour = 277;
constexpr int MaxTours = 16; // 2 to the power 15 matches: more than any cup holds

} // namespace

TCreationCoupe::TCreationCoupe()
{
    SetNbTours(1);
}

void TCreationCoupe::SetNbTours(int n)
{
    n = std::clamp(n, 0, MaxTours);
    while (NbTours() > n)
        FLignes.pop_back();
    while (NbTours() < n)
        FLignes.push_back({1 << NbTours(), TypePreset});
    FResultat.clear();
}

std::string TCreationCoupe::Libelle(int r) const
{
    // Counted from the rounds there are now, not when the row was made.
    return r <= 6 ? Traduit(TexteFinale + r - 1) : TraduitFmt(TexteTour, {NbTours() - r + 1});
}

bool TCreationCoupe::Valide()
{
    FResultat.clear();
    if (FLignes.empty())
        return false;
    for (int r = 1; r <= NbTours(); ++r)
        FResultat.insert(FResultat.begin(),
                         TTourCoupeJour{static_cast<uint16_t>(r),
                                        static_cast<uint16_t>(std::clamp(Ligne(r).NbMatch, 0, 999)),
                                        static_cast<uint32_t>(std::clamp(Ligne(r).Type, 1, NbTypes))});
    return true;
}
