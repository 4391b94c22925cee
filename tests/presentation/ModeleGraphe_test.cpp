#include "presentation/ModeleGraphe.h"

#include "support/CanevasTest.h"

#include <gtest/gtest.h>

using testsupport::TCanevasTest;
using G = TCanevasTest::TGenre;

TEST(ModeleGraphe, CalculPas)
{
    EXPECT_EQ(TModeleGraphe::CalculPas(0, 20), 1);
    EXPECT_EQ(TModeleGraphe::CalculPas(150, 20), 8);
    EXPECT_EQ(TModeleGraphe::CalculPas(230, 20), 20);
    EXPECT_EQ(TModeleGraphe::CalculPas(23, 1), 30);
    EXPECT_EQ(TModeleGraphe::CalculPas(95, 1), 100);
    EXPECT_EQ(TModeleGraphe::CalculPas(150, 1), 200);
    EXPECT_EQ(TModeleGraphe::CalculPas(7, 0), 7);
    EXPECT_EQ(TModeleGraphe::CalculPas(-5, 20), 1);
}

TEST(ModeleGraphe, SeriesPoints)
{
    TCourbe C;
    C.CouleursDefaut = CouleursPoint(0x111111);
    C.SetPoint(5, 10);
    C.SetPoint(2, 4);
    C.SetPointEx(3, -1, CouleursPointEx(0x00FF00, 0x0000FF)); // a new X: inserted with Y -1
    ASSERT_EQ(C.Points().size(), 3u);
    EXPECT_EQ(C.Points()[1].X, 3);
    EXPECT_EQ(C.GetY(3), -1);
    C.SetPoint(3, 7); // same X: Y replaced, colours kept
    EXPECT_EQ(C.GetY(3), 7);
    EXPECT_EQ(C.GetCouleurs(3), CouleursPointEx(0x00FF00, 0x0000FF));
    C.SetCouleurs(3, CouleursPoint(0x222222)); // Y kept
    EXPECT_EQ(C.GetY(3), 7);
    EXPECT_EQ(C.GetCouleurs(2), CouleursPoint(0x111111)); // no colour of its own
    EXPECT_EQ(C.GetCouleurs(9), CouleursPoint(0x111111));
    EXPECT_EQ(C.MaxX(), 5);
    EXPECT_EQ(C.MaxY(), 10);
    EXPECT_EQ(C.GetY(4), -1);

    TModeleGraphLigne Graphe;
    Graphe.SetNbCourbes(2);
    Graphe.SetPoint(1, 4, 9);
    Graphe.SetPoint(7, 4, 9); // no such series: nothing
    EXPECT_EQ(Graphe.GetPoint(1, 4), 9);
    EXPECT_EQ(Graphe.GetPoint(7, 4), -1);
    EXPECT_EQ(Graphe.GetCouleurPoint(7, 4), 0);
    Graphe.SetCourbeVisible(1, false);
    EXPECT_EQ(Graphe.MaxY(), 0);
}

TEST(ModeleGraphe, LabelTables)
{
    TLegendeRemplace L;
    L.SetLegende(5, "cinq");
    L.SetLegende(1, "un");
    L.SetLegende(5, "V");
    EXPECT_EQ(L.Count(), 2);
    EXPECT_EQ(L.GetLegende(5), "V");
    EXPECT_EQ(L.GetLegende(1), "un");
    EXPECT_EQ(L.GetLegende(3), "");
    EXPECT_EQ(L.GetLegende(99), "");

    // A graduation without an entry shows its value.
    TModeleGraphLigne Graphe;
    Graphe.SetTaille(300, 200);
    Graphe.SetNbCourbes(1);
    Graphe.SetPoint(0, 1, 40); // step 2 over 20 graduations
    Graphe.LegendeRemplaceY().SetLegende(5, "cinq");
    Graphe.SetEcrireX(false);
    TCanevasTest C;
    Graphe.Dessine(C);
    std::vector<std::string> Textes;
    for (const auto& T : C.DuGenre(G::Texte))
        Textes.push_back(T.Texte);
    EXPECT_NE(std::find(Textes.begin(), Textes.end(), "cinq"), Textes.end());
    EXPECT_NE(std::find(Textes.begin(), Textes.end(), "20"), Textes.end());
    EXPECT_EQ(std::find(Textes.begin(), Textes.end(), "10"), Textes.end());
}

TEST(ModeleGraphe, TooSmallDrawsNothing)
{
    TModeleGraphLigne Graphe;
    Graphe.SetTaille(35, 200);
    TCanevasTest C;
    Graphe.Dessine(C);
    EXPECT_TRUE(C.Traces.empty());
    Graphe.SetTaille(36, 30);
    Graphe.Dessine(C);
    EXPECT_TRUE(C.Traces.empty());
}

TEST(ModeleGraphe, GridHasNoArrowHeadsAndLightInnerLines)
{
    auto Dessin = [](bool Grille) {
        TModeleGraphBarre Graphe;
        Graphe.SetTaille(300, 200);
        Graphe.SetCouleurContours(0x101010);
        Graphe.SetGrille(Grille);
        Graphe.SetEcrireX(false);
        Graphe.SetNbPointY(4);
        TCanevasTest C;
        Graphe.Dessine(C);
        return C.DuGenre(G::Ligne);
    };
    auto Sans = Dessin(false);
    auto Avec = Dessin(true);
    // Axes with arrow heads (2 + 2), then 4 short graduation ticks.
    ASSERT_EQ(Sans.size(), 6u + 4u);
    ASSERT_EQ(Avec.size(), 2u + 4u);
    for (size_t I = 2; I < 5; ++I)
        EXPECT_EQ(Avec[I].Couleur, TModeleGraphe::CouleurGrille);
    EXPECT_EQ(Avec[5].Couleur, 0x101010);
    EXPECT_EQ(Avec[5].R.Right, 300 - 8); // across the plot
}

TEST(ModeleGraphe, LineChartJoinsThePointsItHas)
{
    TModeleGraphLigne Graphe;
    Graphe.SetTaille(300, 200);
    Graphe.SetNbCourbes(1);
    Graphe.SetCouleurCourbe(0, 0x123456);
    Graphe.SetPoint(0, 1, 5);
    Graphe.GetCourbe(0)->SetPointEx(2, -1, TCouleurs{}); // skipped
    Graphe.SetPoint(0, 3, 8);
    TCanevasTest C;
    Graphe.Dessine(C);
    std::vector<TCanevasTest::TTrace> Lignes;
    for (const auto& T : C.DuGenre(G::Ligne))
        if (T.Couleur == 0x123456)
            Lignes.push_back(T);
    ASSERT_EQ(Lignes.size(), 1u);
    auto D = Graphe.CalculDimensions();
    EXPECT_EQ(Lignes[0].R.Left, Graphe.GetX0() + D.Largeur * 1 / D.MaxXr);
    EXPECT_EQ(Lignes[0].R.Right, Graphe.GetX0() + D.Largeur * 3 / D.MaxXr);
    EXPECT_EQ(Lignes[0].R.Bottom, Graphe.GetY0() - D.Hauteur * 8 / D.MaxYr);
    // Squares on the points with Carre.
    Graphe.Carre = true;
    TCanevasTest C2;
    Graphe.Dessine(C2);
    EXPECT_EQ(C2.DuGenre(G::Remplit).size(), 2u);
    // Hit test near the second point.
    int Serie = -1;
    const TPointCourbe* P = Graphe.PointA(Lignes[0].R.Right + 1, Lignes[0].R.Bottom - 1, Serie);
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->X, 3);
    EXPECT_EQ(Serie, 0);
    EXPECT_EQ(Graphe.PointA(Lignes[0].R.Right, Lignes[0].R.Bottom + 30, Serie), nullptr);
}

TEST(ModeleGraphe, BarsStackAndZeroAddsNoSegment)
{
    TModeleGraphBarre Graphe;
    Graphe.SetTaille(300, 200);
    Graphe.ContoursBarre = 0x0F0F0F;
    Graphe.SetNbCourbes(3);
    Graphe.SetPoint(0, 1, 2);
    Graphe.SetPoint(1, 1, 0);
    Graphe.SetPoint(2, 1, 3);
    Graphe.SetPoint(0, 2, 1);
    for (int I = 0; I < 3; ++I)
        Graphe.SetCouleurCourbe(I, 0x0000FF);
    TCanevasTest C;
    Graphe.Dessine(C);
    auto D = Graphe.CalculDimensions();
    std::vector<int> Sommets;
    for (const auto& T : C.DuGenre(G::Ligne))
        if (T.Couleur == 0x0F0F0F && T.R.Top == T.R.Bottom)
            Sommets.push_back(Graphe.GetY0() - T.R.Top);
    ASSERT_EQ(Sommets.size(), 3u); // two segments at X = 1, one at X = 2
    EXPECT_EQ(Sommets[0], D.Hauteur * 2 / D.MaxYr);
    EXPECT_EQ(Sommets[1], D.Hauteur * 5 / D.MaxYr);
    EXPECT_EQ(Sommets[2], D.Hauteur * 1 / D.MaxYr);
    const TPointCourbe* P = Graphe.BarreA(Graphe.GetX0() + 2, Graphe.GetY0() - 1, 0);
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->Y, 2);
    EXPECT_EQ(Graphe.BarreA(Graphe.GetX0() + 2, Graphe.GetY0() - Sommets[1], 0), nullptr);
}

TEST(ModeleGraphe, ZeroScalesAreGuarded)
{
    TModeleGraphBarre Barres;
    Barres.SetTaille(300, 200);
    Barres.SetAutoGraduationY(true); // every value 0: no graduation at all
    Barres.SetNbCourbes(1);
    Barres.SetPoint(0, 1, 0);
    Barres.SetEspaceGraduerY(0);
    Barres.SetEchelleX(0.01);
    TCanevasTest C;
    Barres.Dessine(C);
    EXPECT_EQ(Barres.GetNbPointY(), 0);
    int Serie = 0;
    TModeleGraphLigne Lignes;
    Lignes.SetTaille(300, 200);
    Lignes.SetNbPointX(0);
    Lignes.SetNbCourbes(1);
    Lignes.SetPoint(0, 1, 3);
    Lignes.Dessine(C);
    EXPECT_EQ(Lignes.PointA(50, 50, Serie), nullptr);
}

TEST(ModeleGraphe, DessineDegrade)
{
    TCanevasTest C;
    DessineDegrade(C, Rect(0, 0, 10, 20), {0, 0, 0, 0}, true, 0x0000FF, 0x000000, 1, 2);
    auto L = C.DuGenre(G::Ligne);
    ASSERT_EQ(L.size(), 10u);
    EXPECT_EQ(L[0].R, Rect(0, 19, 10, 19)); // from the bottom edge up
    EXPECT_EQ(L[9].R.Top, 10);
    EXPECT_EQ(L[0].Couleur, 0);
    for (size_t I = 1; I < L.size(); ++I) {
        EXPECT_GT(L[I].Couleur & 0xFF, L[I - 1].Couleur & 0xFF);
        EXPECT_EQ(L[I].Couleur & 0xFFFF00, 0);
    }
    EXPECT_GE(L[9].Couleur & 0xFF, 0xE0);
    // Horizontal, with margins, a rectangle upside down, a maximum of 0.
    TCanevasTest H;
    DessineDegrade(H, Rect(0, 20, 50, 0), {2, 2, 2, 2}, false, 0xFFFFFF, 0, 23, 46);
    auto V = H.DuGenre(G::Ligne);
    ASSERT_EQ(V.size(), 23u);
    EXPECT_EQ(V[0].R, Rect(2, 2, 2, 18));
    TCanevasTest Rien;
    DessineDegrade(Rien, Rect(0, 0, 10, 10), {0, 0, 0, 0}, true, 0, 0, 5, 0);
    EXPECT_TRUE(Rien.Traces.empty());
}
