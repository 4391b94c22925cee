#include "support/ImagesTest.h"

namespace testsupport {

TImage ImageUnie(int Largeur, int Hauteur, uint8_t R, uint8_t G, uint8_t B)
{
    TImage Image(Largeur, Hauteur);
    for (int Y = 0; Y < Hauteur; ++Y)
        for (int X = 0; X < Largeur; ++X)
            Image.SetPixel(X, Y, R, G, B);
    return Image;
}

} // namespace testsupport
