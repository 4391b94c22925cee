#include "presentation/VuesPrevision.h"

#include <gtest/gtest.h>

#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "presentation/ModeleGrille.h"

#include <cmath>
#include <memory>

namespace {

using namespace VuesPrevision;

class VuesPrevisionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        L.Match(1, 0, 1, 3, 0);
        L.Match(1, 2, 3, 1, 1);
        L.Championnat.JourneeJouee = 1;
        L.Championnat.AjouteMatch(2, L.Id(2), L.Id(0), -1, TInfoComp::Aucun, TInfoComp::Aucun);
        L.Championnat.AjouteMatch(2, L.Id(3), L.Id(1), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TLigueTest<> L{{"Arles", "Brest", "Caen", "Dijon"}, 4, 2};
};

TEST_F(VuesPrevisionTest, PercentagesTakeTwoDigitsAndAHundredStaysWhole)
{
    EXPECT_EQ(TextePourcentage(45.68), "46");
    EXPECT_EQ(TextePourcentage(100), "100");
    EXPECT_EQ(TextePourcentage(0), "0");
    EXPECT_EQ(TextePourcentage(5.4), "5");
}

TEST_F(VuesPrevisionTest, OneRowPerFixtureWithTheLargestChanceHighlighted)
{
    TModeleGrille Grille;
    std::vector<TMatchListe> Matchs;
    RemplitPrevision(Grille, L.Saison, L.Championnat, 2, Prevision::TReglages{}, nullptr, &Matchs);
    ASSERT_EQ(Grille.GetRowCount(), 3);
    EXPECT_EQ(Grille.GetTexte(1, 0), Traduit(629));
    EXPECT_EQ(Grille.GetTexte(4, 0), "%N");
    EXPECT_EQ(Grille.GetTexte(0, 1), "1");
    EXPECT_EQ(Grille.GetTexte(1, 1), "Caen (2)");
    EXPECT_EQ(Grille.GetTexte(2, 1), "Arles (1)");
    // Caen drew at home (2.25), Arles won at home only (2): close ratings, the draw stands out.
    EXPECT_EQ(Grille.GetCouleurFond(4, 1), CouleurMeilleur);
    EXPECT_NE(Grille.GetCouleurFond(3, 1), CouleurMeilleur);
    EXPECT_NE(Grille.GetCouleurFond(5, 1), CouleurMeilleur);
    EXPECT_EQ(Grille.GetTexte(3, 1), TextePourcentage(45 * 100 / (85 + (10 - std::sqrt(5.0)) * 8)));
    EXPECT_EQ(Grille.GetCouleurFond(0, 1), 0xF8CD87);
    EXPECT_EQ(Grille.GetCouleurFond(0, 2), 0xFFFFFF);
    ASSERT_EQ(Matchs.size(), 2u);
    EXPECT_EQ(Matchs[1].Texte, "Dijon - Brest");
    EXPECT_EQ(Matchs[1].Index, 1);
    // Weights adding up to nothing: no figure and no highlight.
    RemplitPrevision(Grille, L.Saison, L.Championnat, 2, {0, 5, 0, 5, 0, 10}, nullptr);
    for (int Col = 3; Col <= 5; ++Col) {
        EXPECT_EQ(Grille.GetTexte(Col, 1), "-");
        EXPECT_NE(Grille.GetCouleurFond(Col, 1), CouleurMeilleur);
    }
}

} // namespace
