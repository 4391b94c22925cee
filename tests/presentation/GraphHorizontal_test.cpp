#include "presentation/GraphHorizontal.h"

#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "support/CanevasTest.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TCanevasTest;

TEST(LigneMatch, GeometrieDUneLigne)
{
    TLigneMatch L("Nice", false, 10, 70, 0);
    L.AjouteValeur(25);
    L.AjouteValeur(Evt::Penalty | 60);
    L.AjouteMarque(30);
    L.AjouteMarqueSpeciale(89);
    const TGeometrieLigne G = L.Geometrie(300, 20);
    EXPECT_EQ(G.CouleurLibelle, TLigneMatch::CouleurExterieur);
    EXPECT_EQ(G.Jour, "10");
    EXPECT_EQ(G.Barre, Rect(100, 0, 100 + 180 * 70 / 90, 20));
    ASSERT_EQ(G.Cercles.size(), 2u);
    EXPECT_EQ(G.Cercles[0].X, 150);
    EXPECT_EQ(G.Cercles[0].Rayon, 7);
    EXPECT_EQ(G.Cercles[0].Contour, 0);
    EXPECT_EQ(G.Cercles[1].Contour, 0x0000FF);
    ASSERT_EQ(G.Cartons.size(), 2u);
    EXPECT_EQ(G.Cartons[0].R, Rect(153, 2, 167, 18));
    EXPECT_EQ(G.Cartons[1].Couleur, 0x0000FF);
    EXPECT_EQ(G.Cartons[1].R.Left, 100 + 180 * 89 / 90 - 7);

    // A substitute who never came on still gets a bar of no width.
    TLigneMatch remplace("Nice", true, 3, 40, 60);
    EXPECT_EQ(remplace.Geometrie(300, 20).Barre.Width(), 0);
    EXPECT_TRUE(remplace.Geometrie(300, 20).Jour.empty());
}

TEST(GraphHorizontal, LesLignesSurLeursJournees)
{
    auto Saison = testsupport::CreeLigueABCD(4);
    TDonneesChampionnat& C = *Saison->GetChampionnat(1);
    C.AjouteMatch(1, 0, 1, -1, 1, 0);
    C.AjouteMatch(3, 1, 0, -1, 1, 0);
    C.SetCompoMatch(1, 0, 1, 5);
    TModeleGraphHorizontal G;
    G.Remplit(*Saison, C, 0, 5);
    EXPECT_EQ(G.NbLignes(), 4);
    EXPECT_EQ(G.HauteurGraphe(), 25 * 4 + 40);
    ASSERT_EQ(G.NbLignesMatch(), 2) << "days 2 and 4 without a match of his team";
    EXPECT_EQ(G.GetLigne(1)->GetFin(), 0);

    TCanevasTest Canevas;
    G.Dessine(Canevas, 400);
    const auto lignes = Canevas.DuGenre(TCanevasTest::TGenre::Decoupe);
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[0].R, Rect(0, 20, 380, 40));
    EXPECT_EQ(lignes[1].R, Rect(0, 60, 380, 80)) << "each line on the row of its day";
    // The axes, then nineteen minute marks.
    bool axe = false;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Ligne))
        axe = axe || t.R == Rect(100, 20, 100, 20 * 4 + 20);
    EXPECT_TRUE(axe);
    int marques = 0;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Texte))
        marques += t.Police.Couleur == TLigneMatch::CouleurExterieur && t.R.Top < 20;
    EXPECT_EQ(marques, 19);
}

} // namespace
