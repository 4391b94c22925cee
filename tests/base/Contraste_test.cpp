#include "base/Contraste.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Blanc = 0xFFFFFF, Noir = 0x000000, Jaune = 0x00FFFF, Cyan = 0xFFFF00, Rouge = 0x0000FF;
constexpr TColor BleuClair = 0xF8CD87; // the light-blue rows of the team pages

TEST(Contraste, RatiosConnusEtSymetriques)
{
    EXPECT_DOUBLE_EQ(Contraste(Noir, Blanc), 21.0);
    EXPECT_DOUBLE_EQ(Contraste(Blanc, Noir), 21.0);
    EXPECT_DOUBLE_EQ(Contraste(Rouge, Rouge), 1.0);
    EXPECT_LT(Contraste(Jaune, Blanc), 1.2);
    // The byte above the colour is not part of it.
    EXPECT_DOUBLE_EQ(Contraste(static_cast<TColor>(0x01000000), Blanc), 21.0);
}

TEST(Contraste, EncreLisibleGardeUneEncreDejaLisible)
{
    EXPECT_EQ(EncreLisible(Noir, Blanc), Noir);
    EXPECT_EQ(EncreLisible(Blanc, Noir), Blanc);
    EXPECT_EQ(EncreLisible(0x800000, Blanc), 0x800000);
}

TEST(Contraste, EncreLisibleAssombritEnGardantLaTeinte)
{
    for (TColor Fond : {Blanc, BleuClair}) {
        for (TColor Encre : {Jaune, Cyan, Rouge}) {
            const TColor Lisible = EncreLisible(Encre, Fond);
            EXPECT_GE(Contraste(Lisible, Fond), 3.0) << std::hex << Encre << " on " << Fond;
            // Same hue: the channels that were zero stay zero, the others stay equal.
            const int R = Lisible & 0xFF, V = (Lisible >> 8) & 0xFF, B = (Lisible >> 16) & 0xFF;
            if (Encre == Jaune) {
                EXPECT_EQ(R, V);
                EXPECT_EQ(B, 0);
                EXPECT_GT(R, 0);
            }
            if (Encre == Cyan) {
                EXPECT_EQ(V, B);
                EXPECT_EQ(R, 0);
                EXPECT_GT(V, 0);
            }
        }
    }
}

TEST(Contraste, EncreLisibleEclaircitSurUnFondSombre)
{
    const TColor Lisible = EncreLisible(0x400000, Noir);
    EXPECT_GE(Contraste(Lisible, Noir), 3.0);
    // An ink the same as its ground ends black or white.
    EXPECT_EQ(EncreLisible(0x777777, 0x777777, 21.0), Noir);
}

} // namespace
