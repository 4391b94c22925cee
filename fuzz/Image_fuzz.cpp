#include "files/Image.h"

#include <cstddef>
#include <cstdint>

namespace {

// Missing JPEG data is decoded as grey to the picture's end, and a few bytes
// of RLE bitmap can leave a whole picture transparent, so a header that claims
// a huge picture costs a picture of that size. The tests decode such pictures;
// here they would only slow the search, which then spends its time on them.
constexpr uint64_t PixelsEssayes = uint64_t{1} << 20;

bool JpegGeant(const uint8_t* Donnees, size_t Taille)
{
    for (size_t I = 2; I + 8 < Taille; ++I) {
        const uint8_t Marque = Donnees[I + 1];
        if (Donnees[I] == 0xFF && Marque >= 0xC0 && Marque <= 0xCF && Marque != 0xC4 && Marque != 0xC8 &&
            Marque != 0xCC) {
            const uint32_t Hauteur = Donnees[I + 5] << 8 | Donnees[I + 6];
            const uint32_t Largeur = Donnees[I + 7] << 8 | Donnees[I + 8];
            return uint64_t{Largeur} * Hauteur > PixelsEssayes;
        }
    }
    return false;
}

bool BmpGeant(const uint8_t* Donnees, size_t Taille)
{
    if (Taille < 26 || Donnees[0] != 'B' || Donnees[1] != 'M')
        return false;
    auto Lit = [&](size_t I, int Octets) {
        uint32_t V = 0;
        for (int K = Octets - 1; K >= 0; --K)
            V = V << 8 | Donnees[I + static_cast<size_t>(K)];
        return V;
    };
    const bool Court = Lit(14, 4) == 12;
    const int64_t Largeur = Court ? Lit(18, 2) : static_cast<int32_t>(Lit(18, 4));
    const int64_t Hauteur = Court ? Lit(20, 2) : static_cast<int32_t>(Lit(22, 4));
    return static_cast<uint64_t>(Largeur < 0 ? -Largeur : Largeur) *
               static_cast<uint64_t>(Hauteur < 0 ? -Hauteur : Hauteur) >
           PixelsEssayes;
}

} // namespace

// Each decoder refuses input without its signature at once, so feeding every
// decoder the same bytes costs little and one corpus serves all four.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Donnees, size_t Taille)
{
    DecodePng(Donnees, Taille);
    if (!JpegGeant(Donnees, Taille))
        DecodeJpeg(Donnees, Taille);
    DecodeGif(Donnees, Taille);
    if (!BmpGeant(Donnees, Taille))
        DecodeBmp(Donnees, Taille);
    return 0;
}
