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
    G.Dessine(Canevas, 600);
    const auto lignes = Canevas.DuGenre(TCanevasTest::TGenre::Decoupe);
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[0].R, Rect(0, 20, 580, 40));
    EXPECT_EQ(lignes[1].R, Rect(0, 60, 580, 80)) << "each line on the row of its day";
    // The axes, then nineteen minute marks.
    bool axe = false;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Ligne))
        axe = axe || t.R == Rect(100, 20, 100, 20 * 4 + 20);
    EXPECT_TRUE(axe);
    int marques = 0;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Texte))
        marques += t.Police.Couleur == TLigneMatch::CouleurExterieur && t.R.Top < 20;
    EXPECT_EQ(marques, 19);

    // On a narrow graph the figures keep a space between them.
    TCanevasTest Etroit;
    G.Dessine(Etroit, 300);
    std::vector<TRect> figures;
    for (const auto& t : Etroit.DuGenre(TCanevasTest::TGenre::Texte))
        if (t.Police.Couleur == TLigneMatch::CouleurExterieur && t.R.Top < 20)
            figures.push_back(t.R);
    ASSERT_GE(figures.size(), 3u);
    for (size_t i = 1; i < figures.size(); ++i)
        EXPECT_GE(figures[i].Left - figures[i - 1].Right, 7) << "figures " << i - 1 << " and " << i;
}

// A long opponent's name pushes the day numbers and the bars right, so that
// the number never covers the name, and the minute scale follows the bars.
TEST(GraphHorizontal, LesNumerosDeJourNeCouvrentPasLesNoms)
{
    auto Saison = testsupport::CreeLigueABCD(4);
    TDonneesChampionnat& C = *Saison->GetChampionnat(1);
    Saison->SetNomEquipe(C.GetEquipe(1), "Paris Saint-Germain FC");
    C.AjouteMatch(1, 0, 1, -1, 1, 0);
    C.SetCompoMatch(1, 0, 1, 5);
    TModeleGraphHorizontal G;
    G.Remplit(*Saison, C, 0, 5);
    ASSERT_EQ(G.NbLignesMatch(), 1);

    TCanevasTest Canevas(7, 13, 8);
    G.Dessine(Canevas, 600);
    const TCanevasTest::TTrace* nom = nullptr;
    const TCanevasTest::TTrace* jour = nullptr;
    const auto textes = Canevas.DuGenre(TCanevasTest::TGenre::Texte);
    for (const auto& t : textes) {
        if (t.Texte == "Paris Saint-Germain FC")
            nom = &t;
        if (t.Texte == "1" && t.R.Top > 20)
            jour = &t;
    }
    ASSERT_NE(nom, nullptr);
    ASSERT_NE(jour, nullptr);
    EXPECT_GT(jour->R.Left, nom->R.Right) << "the day number over the name";
    // The bar of the match and the vertical axis start past the number.
    bool barre = false;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Remplit))
        if (t.Couleur == 0xFFFFFF && t.R.Top == 20 && t.R.Width() > 0) {
            barre = true;
            EXPECT_GE(t.R.Left, jour->R.Right);
        }
    EXPECT_TRUE(barre);
    bool axe = false;
    for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Ligne))
        axe = axe || (t.R.Left == t.R.Right && t.R.Top == 20 && t.R.Bottom == 20 * 4 + 20 && t.R.Left >= jour->R.Right);
    EXPECT_TRUE(axe) << "the axis where the bars start";
}

// On a narrow card a name too long for half the graph is cut, and the bars
// keep the other half: they start before the right edge and run rightwards.
TEST(GraphHorizontal, UnNomTropLongSurUnGrapheEtroitEstCoupe)
{
    auto Saison = testsupport::CreeLigueABCD(4);
    TDonneesChampionnat& C = *Saison->GetChampionnat(1);
    const std::string nom = "Association Sportive de Saint-Etienne Loire";
    Saison->SetNomEquipe(C.GetEquipe(1), nom);
    C.AjouteMatch(1, 0, 1, -1, 1, 0);
    C.SetCompoMatch(1, 0, 1, 5);
    TModeleGraphHorizontal G;
    G.Remplit(*Saison, C, 0, 5);
    ASSERT_EQ(G.NbLignesMatch(), 1);

    for (int largeur : {300, 200}) {
        TCanevasTest Canevas(7, 13, 8);
        G.Dessine(Canevas, largeur);
        int gauche = -1;
        for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Ligne))
            if (t.R.Left == t.R.Right && t.R.Top == 20)
                gauche = t.R.Left;
        ASSERT_GE(gauche, 0) << largeur;
        EXPECT_LE(gauche, (largeur - 40) / 2) << largeur;
        bool barre = false;
        for (const auto& t : Canevas.DuGenre(TCanevasTest::TGenre::Remplit))
            if (t.Couleur == 0xFFFFFF && t.R.Top == 20) {
                barre = true;
                EXPECT_GT(t.R.Width(), 0) << largeur;
                EXPECT_GE(t.R.Left, gauche) << largeur;
                EXPECT_LE(t.R.Right, largeur - 20) << largeur;
            }
        EXPECT_TRUE(barre) << largeur;
        const TCanevasTest::TTrace* libelle = nullptr;
        const TCanevasTest::TTrace* jour = nullptr;
        const auto textes = Canevas.DuGenre(TCanevasTest::TGenre::Texte);
        for (const auto& t : textes) {
            if (t.R.Top > 20 && t.R.Left == 0)
                libelle = &t;
            if (t.Texte == "1" && t.R.Top > 20)
                jour = &t;
        }
        ASSERT_NE(libelle, nullptr) << largeur;
        ASSERT_NE(jour, nullptr) << largeur;
        EXPECT_NE(libelle->Texte, nom) << largeur;
        EXPECT_EQ(libelle->Texte.substr(libelle->Texte.size() - 3), "...") << largeur;
        EXPECT_EQ(nom.rfind(libelle->Texte.substr(0, libelle->Texte.size() - 3), 0), 0u) << largeur;
        EXPECT_LT(libelle->R.Right, jour->R.Left) << "the cut name clear of the day number";
    }
}

} // namespace
