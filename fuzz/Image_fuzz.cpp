#include "files/Image.h"

#include <cstddef>
#include <cstdint>

// Each decoder refuses input without its signature at once, so feeding every
// decoder the same bytes costs little and one corpus serves all four.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Donnees, size_t Taille)
{
    DecodePng(Donnees, Taille);
    DecodeJpeg(Donnees, Taille);
    DecodeGif(Donnees, Taille);
    DecodeBmp(Donnees, Taille);
    return 0;
}
