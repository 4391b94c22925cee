#include "base/Contraste.h"

#include <algorithm>
#include <cmath>

namespace {

double Canal(TColor Couleur, int Decalage)
{
    const double V = ((Couleur >> Decalage) & 0xFF) / 255.0;
    return V <= 0.04045 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4);
}

double Luminance(TColor Couleur)
{
    return 0.2126 * Canal(Couleur, 0) + 0.7152 * Canal(Couleur, 8) + 0.0722 * Canal(Couleur, 16);
}

// Each channel moved Fraction (0 to 1) of the way towards Cible (0 or 255).
TColor Melange(TColor Couleur, int Cible, double Fraction)
{
    TColor Resultat = 0;
    for (int Decalage = 0; Decalage <= 16; Decalage += 8) {
        const int V = (Couleur >> Decalage) & 0xFF;
        const int M = static_cast<int>(std::lround(V + (Cible - V) * Fraction));
        Resultat |= std::clamp(M, 0, 255) << Decalage;
    }
    return Resultat;
}

} // namespace

double Contraste(TColor A, TColor B)
{
    const double LA = Luminance(A & 0xFFFFFF), LB = Luminance(B & 0xFFFFFF);
    return (std::max(LA, LB) + 0.05) / (std::min(LA, LB) + 0.05);
}

TColor EncreLisible(TColor Encre, TColor Fond, double Minimum)
{
    Encre &= 0xFFFFFF;
    Fond &= 0xFFFFFF;
    if (Contraste(Encre, Fond) >= Minimum)
        return Encre;
    // Light ground: darken towards black; dark ground: lighten towards white.
    const int Cible = Luminance(Fond) > 0.18 ? 0 : 255;
    for (int Pas = 1; Pas <= 20; ++Pas) {
        const TColor Essai = Melange(Encre, Cible, Pas / 20.0);
        if (Contraste(Essai, Fond) >= Minimum)
            return Essai;
    }
    return Cible == 0 ? 0x000000 : 0xFFFFFF;
}
