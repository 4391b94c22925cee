#include "presentation/ModeleGrille.h"

#include "base/Ajustement.h"
#include "base/Contraste.h"
#include "base/Format.h"
#include "base/Utilities.h"
#include "files/Image.h"
#include "presentation/PageHtml.h"
#include "support/CanevasTest.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::TCanevasTest;

namespace {

// One title row, then the given texts in column 0; column 1 carries the row's
// fill position as text so a test can see where each row went.
void Remplit(TModeleGrille& G, const std::vector<std::string>& Textes, int LignesFin = 0)
{
    G.SetAutoResize(false);
    G.SetColCount(2);
    G.SetRowCount(static_cast<int>(Textes.size()) + 1 + LignesFin);
    G.SetFixedRows(1);
    G.SetCellule(0, 0, nullptr, true, 0xFFFFFF, 0, 1, 1, "Valeur");
    for (size_t I = 0; I < Textes.size(); ++I) {
        int R = static_cast<int>(I) + 1;
        G.SetCellule(0, R, nullptr, false, 0xFFFFFF, 0, 1, 2, Textes[I]);
        G.SetCellule(1, R, nullptr, false, 0xFFFFFF, 0, 1, 0, "r" + std::to_string(R));
    }
}

std::vector<std::string> Colonne(const TModeleGrille& G, int C)
{
    std::vector<std::string> R;
    for (int L = G.GetFixedRows(); L < G.GetRowCount(); ++L)
        R.push_back(G.GetTexte(C, L));
    return R;
}

using V = std::vector<std::string>;

} // namespace

TEST(CouleurLigne, ZebraAndSelection)
{
    TColor Fond = 0, Texte = 7;
    CouleurLigne(1, Fond);
    EXPECT_EQ(Fond, 0xFFFFFF);
    CouleurLigne(2, Fond);
    EXPECT_EQ(Fond, 0xF8CD87);
    CouleurLigneSelection(3, Fond, Texte, false);
    EXPECT_EQ(Fond, 0xFFFFFF);
    EXPECT_EQ(Texte, 0);
    CouleurLigneSelection(2, Fond, Texte, true);
    EXPECT_EQ(Fond, 0x800000);
    EXPECT_EQ(Texte, 0xFFFFFF);
}

TEST(ValeurNumerique, ReadsSignsAndSeparators)
{
    EXPECT_DOUBLE_EQ(ValeurNumerique("12"), 12);
    EXPECT_DOUBLE_EQ(ValeurNumerique("-3"), -3);
    EXPECT_DOUBLE_EQ(ValeurNumerique("1,25 pts"), 1.25);
    EXPECT_DOUBLE_EQ(ValeurNumerique("1.5.5"), 2.0); // each separator restarts at tenths
    EXPECT_DOUBLE_EQ(ValeurNumerique(""), 0);
    EXPECT_DOUBLE_EQ(ValeurNumerique("abc"), 0);
}

TEST(ModeleGrille, CellAttributesDefaultWithoutRecord)
{
    TModeleGrille G;
    EXPECT_EQ(G.GetColCount(), 5);
    EXPECT_EQ(G.GetRowCount(), 5);
    EXPECT_EQ(G.GetCouleurFond(1, 1), 0xFFFFFF);
    EXPECT_EQ(G.GetAlignementV(1, 1), 1);
    EXPECT_EQ(G.GetCellObject(1, 1), nullptr);
    G.SetTexte(1, 1, "x");
    EXPECT_EQ(G.GetCellObject(1, 1), nullptr); // a plain text needs no record
    G.SetDonnee(1, 1, 42);
    EXPECT_EQ(G.GetDonnee(1, 1), 42);
    // Out of range: neutral values, nothing happens.
    G.SetTexte(9, 9, "x");
    EXPECT_EQ(G.GetTexte(9, 9), "");
    EXPECT_EQ(G.GetDonnee(-1, 0), 0);
    EXPECT_EQ(G.GetTraitLigne(99), (G.GetOptions() & goHorzLine) != 0);
}

TEST(ModeleGrille, AlternateTextsFollowTheSortStates)
{
    TModeleGrille G;
    Remplit(G, {"3|", "5|2"});
    EXPECT_EQ(G.GetTexte(0, 1), "3");
    EXPECT_EQ(G.GetTexteAlternatif(0, 1), " ");
    EXPECT_TRUE(G.GetColonneAlternative(0));
    G.TriCol = true;
    G.Trie(0); // state 1: alternate texts shown
    EXPECT_TRUE(G.GetTexteAlternatifAffiche());
    EXPECT_EQ(Colonne(G, 0), (V{"2", " "}));
    G.Trie(0);
    G.Trie(0); // back to 0: main texts and fill order
    EXPECT_EQ(Colonne(G, 0), (V{"3", "5"}));
    EXPECT_FALSE(G.GetTexteAlternatifAffiche());
}

TEST(ModeleGrille, NumericSortThreeStatesWithTiesInFillOrder)
{
    TModeleGrille G;
    Remplit(G, {"10", "9", "10"});
    G.Trie(0);
    EXPECT_EQ(G.GetEtatTri(0), 1);
    EXPECT_EQ(Colonne(G, 1), (V{"r1", "r3", "r2"}));
    G.Trie(0);
    EXPECT_EQ(G.GetEtatTri(0), 2);
    EXPECT_EQ(Colonne(G, 1), (V{"r2", "r3", "r1"}));
    G.Trie(0);
    EXPECT_EQ(G.GetEtatTri(0), 0);
    EXPECT_EQ(Colonne(G, 1), (V{"r1", "r2", "r3"}));
    // The title row never moves.
    EXPECT_EQ(G.GetTexte(0, 0), "Valeur");
}

TEST(ModeleGrille, NegativeDifferencesSortBelowPositives)
{
    TModeleGrille G;
    Remplit(G, {"-5", "3", "0", "-12"});
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 0), (V{"3", "0", "-5", "-12"}));
}

TEST(ModeleGrille, TextSortIgnoresCaseAndKeepsFillOrderOnTies)
{
    TModeleGrille G;
    Remplit(G, {"abc", "Zed", "ABC", "mid"});
    G.SetTypeTri(0, 1);
    G.Trie(0); // state 1 is the reverse order
    EXPECT_EQ(Colonne(G, 1), (V{"r2", "r4", "r1", "r3"}));
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 1), (V{"r3", "r1", "r4", "r2"}));
}

TEST(ModeleGrille, FixedEndRowAndOneSortedColumnAtATime)
{
    TModeleGrille G;
    Remplit(G, {"1", "3", "2"}, 1);
    G.SetCellule(0, 4, nullptr, true, 0xFFFFFF, 0, 1, 2, "6");
    G.SetCellule(1, 4, nullptr, true, 0xFFFFFF, 0, 1, 0, "Total");
    G.FixedEndRow = 1;
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 0), (V{"3", "2", "1", "6"}));
    G.SetTypeTri(1, 1); // also clears every sort state
    EXPECT_EQ(G.GetEtatTri(0), 0);
    G.Trie(0);
    G.Trie(1);
    EXPECT_EQ(G.GetEtatTri(0), 0);
    EXPECT_EQ(G.GetEtatTri(1), 1);
    EXPECT_EQ(G.GetTexte(1, 4), "Total");
}

TEST(ModeleGrille, ColoursStayInPlaceWithTriConserveFond)
{
    TModeleGrille G;
    Remplit(G, {"1", "2"});
    G.SetCouleurFond(0, 1, 0x00FF00);
    G.SetCouleurTexte(1, 1, 0x0000FF);
    G.TriConserveFond = true;
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 0), (V{"2", "1"}));
    EXPECT_EQ(G.GetCouleurFond(0, 1), 0x00FF00);
    EXPECT_EQ(G.GetCouleurFond(0, 2), 0xFFFFFF);
    EXPECT_EQ(G.GetCouleurTexte(1, 1), 0x0000FF);
    // Without it the colours travel with their rows.
    G.TriConserveFond = false;
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 0), (V{"1", "2"}));
    EXPECT_EQ(G.GetCouleurFond(0, 2), 0x00FF00);
}

TEST(ModeleGrille, RefillAfterSortStartsAFreshFillOrder)
{
    TModeleGrille G;
    Remplit(G, {"1", "2", "3"});
    G.Trie(0);
    EXPECT_EQ(Colonne(G, 0), (V{"3", "2", "1"}));
    // The page writes new content into the sorted grid.
    G.SetTypeTri(0, 0);
    G.SetEtatTri(1, 1); // a state the page sets while filling stays
    for (int R = 1; R <= 3; ++R) {
        G.SetCellule(0, R, nullptr, false, 0xFFFFFF, 0, 1, 2, std::to_string(10 * R));
        G.SetCellule(1, R, nullptr, false, 0xFFFFFF, 0, 1, 0, "n" + std::to_string(R));
    }
    EXPECT_EQ(G.GetEtatTri(0), 0);
    EXPECT_EQ(G.GetEtatTri(1), 1);
    G.Trie(0);
    G.Trie(0);
    G.Trie(0); // back to the fill order of the new content
    EXPECT_EQ(Colonne(G, 1), (V{"n1", "n2", "n3"}));
}

TEST(ModeleGrille, ColumnMaximumFollowsAmounts)
{
    ChoisitLangueNombres("fr");
    TModeleGrille G;
    Remplit(G, {"12,5", "3", "8"});
    G.SetCouleursBarre(0, 0xFF0000, 0x00FF00);
    EXPECT_EQ(G.GetMaxBarre(0), 1250);
    G.SetTexte(0, 2, "20");
    EXPECT_EQ(G.GetMaxBarre(0), 2000);
    G.SetTexte(0, 2, "1"); // the maximum shrinks: recomputed at the next drawing
    EXPECT_EQ(G.GetMaxBarre(0), 1250);
    // Title texts never count.
    G.SetTexte(0, 0, "999");
    EXPECT_EQ(G.GetMaxBarre(0), 1250);
}

TEST(ModeleGrille, BarLengthsFollowTheColumnMaximum)
{
    TModeleGrille G;
    Remplit(G, {"10", "5"});
    G.SetCouleursBarre(0, 0xFF0000, 0x00FF00);
    auto Longueur = [&G](int Ligne) {
        TCanevasTest C;
        G.DessineCellule(C, 0, Ligne, Rect(0, 0, 104, 20), false, false, false);
        int N = 0;
        for (const auto& T : C.DuGenre(TCanevasTest::TGenre::Ligne))
            if (T.R.Left == T.R.Right && T.R.Top == 2 && T.R.Bottom == 18)
                ++N;
        return N;
    };
    EXPECT_EQ(Longueur(1), 100); // cell less margins 2
    EXPECT_EQ(Longueur(2), 50);
    G.SetTexte(0, 1, "5");
    EXPECT_EQ(Longueur(2), 100);
}

TEST(ModeleGrille, RedimensionneGrowsAtMostByMaxAgrandissement)
{
    TModeleGrille G;
    G.SetAutoResize(false);
    G.SetColCount(2);
    G.SetRowCount(4);
    G.SetDefaultRowHeight(19); // designed total 4 x 20 = 80
    G.SetLargeurColonne(0, 99);
    G.SetLargeurColonne(1, 49); // designed total 150
    G.SetAutoResize(true);
    G.SetTailleControle(300, 160);       // twice the designed sizes
    EXPECT_EQ(G.GetHauteurLigne(0), 28); // trunc(19 x 1.5)
    EXPECT_EQ(G.GetHauteur(), 4 * 29);
    EXPECT_EQ(G.GetLargeurColonne(0), 148);
    EXPECT_EQ(G.GetLargeurColonne(1), 73);
    EXPECT_EQ(G.GetLargeur(), 149 + 74);
    // A smaller control takes the designed sizes again, never less.
    G.SetTailleControle(50, 40);
    EXPECT_EQ(G.GetHauteurLigne(0), 19);
    EXPECT_EQ(G.GetHauteur(), 80);
    EXPECT_EQ(G.GetLargeur(), 150);
    // A little more room grows in proportion.
    G.SetTailleControle(165, 88);
    EXPECT_EQ(G.GetLargeurColonne(0), 108); // trunc(99 x 1.1)
    EXPECT_EQ(G.GetHauteurLigne(0), 20);
}

TEST(ModeleGrille, CalculEchelle)
{
    TModeleGrille G;
    EXPECT_EQ(G.CalculEchelle({19, 19}, 0, 500), 19 + 1 + 19 + 1 + 1);
    EXPECT_EQ(G.CalculEchelle({10, 20}, 32, 64), 15 + 1 + 30 + 1 + 1); // ratio 2 capped at 1.5
}

// A page sizes the room it gives a grid from CalculTaille: it must be the size
// the enlargement then produces, to the pixel.
TEST(ModeleGrille, CalculTailleGivesTheSizeRedimensionneProduces)
{
    struct Grille {
        std::vector<int> Lignes, Colonnes;
    };
    for (const Grille& Forme : {Grille{{19, 19, 19, 19}, {99, 49}}, Grille{{24, 17, 17}, {33, 0, 250, 7}},
                                Grille{{1}, {1}}, Grille{{}, {}}}) {
        for (auto [Largeur, Hauteur] : {std::pair{10, 10}, {1000, 1000}, {173, 91}, {400, 61}, {151, 81}}) {
            TModeleGrille G;
            G.SetAutoResize(false);
            G.SetColCount(static_cast<int>(Forme.Colonnes.size()));
            G.SetRowCount(static_cast<int>(Forme.Lignes.size()));
            for (size_t I = 0; I < Forme.Colonnes.size(); ++I)
                G.SetLargeurColonne(static_cast<int>(I), Forme.Colonnes[I]);
            for (size_t I = 0; I < Forme.Lignes.size(); ++I)
                G.SetHauteurLigne(static_cast<int>(I), Forme.Lignes[I]);
            int H = 0, W = 0;
            G.CalculTaille(Largeur, Hauteur, H, W);
            G.SetAutoResize(true);
            G.SetTailleControle(Largeur, Hauteur);
            EXPECT_EQ(H, G.GetHauteur()) << Forme.Lignes.size() << " rows, target " << Hauteur;
            EXPECT_EQ(W, G.GetLargeur()) << Forme.Colonnes.size() << " columns, target " << Largeur;
        }
    }
}

TEST(ModeleGrille, DessineSurCanvasScalesColumnsToThePage)
{
    auto PremiereCellule = [](int Largeur) {
        TModeleGrille G;
        G.SetAutoResize(false);
        G.SetColCount(2);
        G.SetRowCount(3);
        G.SetFixedRows(1);
        G.SetLargeurColonne(0, Largeur / 2);
        G.SetLargeurColonne(1, Largeur / 2);
        TCanevasTest C;
        G.DessineSurCanvas(C, Rect(0, 0, 3000, 2000));
        return C.DuGenre(TCanevasTest::TGenre::Decoupe);
    };
    auto Large = PremiereCellule(300); // k = 80: ten times
    ASSERT_EQ(Large.size(), 6u);
    EXPECT_EQ(Large[0].R, Rect(1, 1, 1501, 401)); // row height 2000 / (3 + 2)
    EXPECT_EQ(Large[1].R, Rect(1501, 1, 3001, 401));
    auto Etroit = PremiereCellule(200); // k = 60: half the page
    EXPECT_EQ(Etroit[1].R.Right - 1, 1500);

    // A long name in a column narrow on screen: on paper the column takes
    // from the room of the sheet what the name needs, and no text leaves its
    // cell; on a sheet too narrow for all, every column shrinks alike.
    for (int Page : {3000, 300}) {
        SCOPED_TRACE(Page);
        TModeleGrille N;
        N.SetAutoResize(false);
        N.SetColCount(2);
        N.SetRowCount(2);
        N.SetFixedRows(1);
        N.SetLargeurColonne(0, 30);
        N.SetLargeurColonne(1, 270);
        N.SetTexte(0, 1, std::string(60, 'E'));
        N.SetTexte(1, 1, "12");
        TCanevasTest C;
        N.DessineSurCanvas(C, Rect(0, 0, Page, 2000));
        const auto Cellules = C.DuGenre(TCanevasTest::TGenre::Decoupe);
        const auto Textes = C.DuGenre(TCanevasTest::TGenre::Texte);
        ASSERT_EQ(Cellules.size(), 4u);
        ASSERT_EQ(Textes.size(), 2u);
        const int Nom = Cellules[2].R.Width();
        if (Page == 3000) {
            EXPECT_LE(Textes[0].R.Right, Cellules[2].R.Right);
            EXPECT_GE(Cellules[3].R.Width(), 30 * 8); // the numbers keep most of theirs
        } else {
            // 458 pixels of need against 23: the name keeps its share.
            EXPECT_GT(Nom, Cellules[3].R.Width() * 10);
            EXPECT_LE(Cellules[3].R.Right, Page + 1);
            // Even at the readable floor the name is too long: it is cut, within its cell.
            EXPECT_EQ(Textes[0].Police.Taille, PlancherLisible);
            EXPECT_TRUE(Textes[0].Texte.ends_with("\u2026")) << Textes[0].Texte;
            EXPECT_LE(Textes[0].R.Right, Cellules[2].R.Right);
        }
    }

    // Every column 0 wide: nothing drawn, no division by zero.
    TModeleGrille G;
    for (int C = 0; C < G.GetColCount(); ++C)
        G.SetLargeurColonne(C, 0);
    TCanevasTest C;
    G.DessineSurCanvas(C, Rect(0, 0, 3000, 2000));
    EXPECT_TRUE(C.Traces.empty());
}

TEST(ModeleGrille, PrintedCellsUseGreyTitlesAndBlackText)
{
    TModeleGrille G;
    Remplit(G, {"x"});
    G.SetCouleurFond(0, 1, 0x00FF00);
    G.SetCouleurTexte(0, 1, 0xFFFFFF);
    TCanevasTest C;
    G.DessineCellule(C, 0, 0, Rect(0, 0, 60, 20), false, true, true);
    G.DessineCellule(C, 0, 1, Rect(0, 20, 60, 40), true, false, true);
    auto Fonds = C.DuGenre(TCanevasTest::TGenre::Remplit);
    ASSERT_EQ(Fonds.size(), 2u);
    EXPECT_EQ(Fonds[0].Couleur, 0xD0D0D0);
    EXPECT_EQ(Fonds[0].R, Rect(0, 0, 61, 21));
    EXPECT_EQ(Fonds[1].Couleur, 0xFFFFFF);
    auto Textes = C.DuGenre(TCanevasTest::TGenre::Texte);
    EXPECT_EQ(Textes.back().Couleur, 0);
    // On screen a selected cell takes the selection colours, a fixed one is not filled.
    TCanevasTest Ecran;
    G.DessineCellule(Ecran, 0, 1, Rect(0, 20, 60, 40), true, false, false);
    G.DessineCellule(Ecran, 0, 0, Rect(0, 0, 60, 20), false, true, false);
    auto FondsEcran = Ecran.DuGenre(TCanevasTest::TGenre::Remplit);
    ASSERT_EQ(FondsEcran.size(), 1u);
    EXPECT_EQ(FondsEcran[0].Couleur, 0x800000);
    EXPECT_EQ(Ecran.DuGenre(TCanevasTest::TGenre::Texte)[0].Couleur, 0xFFFFFF);
}

TEST(ModeleGrille, TextAndPicturePositions)
{
    TModeleGrille G;
    G.SetAutoResize(false);
    // Text 2 characters (14 x 14) in a 90 x 30 cell.
    auto Texte = [&G](uint8_t H, uint8_t Vt) {
        G.SetCellule(0, 1, nullptr, false, 0xFFFFFF, 0, Vt, H, "ab");
        TCanevasTest C;
        G.DessineCellule(C, 0, 1, Rect(10, 100, 100, 130), false, false, false);
        return C.DuGenre(TCanevasTest::TGenre::Texte).at(0).R;
    };
    EXPECT_EQ(Texte(0, 0).Left, 10 + 3);
    EXPECT_EQ(Texte(0, 0).Top, 100 + 1);
    EXPECT_EQ(Texte(1, 1).Left, 10 + 38);
    EXPECT_EQ(Texte(1, 1).Top, 100 + 8);
    EXPECT_EQ(Texte(2, 2).Left, 10 + 90 - 3 - 14);
    EXPECT_EQ(Texte(2, 2).Top, 100 + 30 - 1 - 14);

    auto Image = [&G](int Largeur, int Hauteur, int LargeurCellule) {
        G.SetCellule(0, 1, std::make_unique<TImage>(Largeur, Hauteur), false, 0xFFFFFF, 0, 1, 0, "ab");
        TCanevasTest C;
        G.DessineCellule(C, 0, 1, Rect(0, 0, LargeurCellule, 24), false, false, false);
        auto Images = C.DuGenre(TCanevasTest::TGenre::Image);
        auto Textes = C.DuGenre(TCanevasTest::TGenre::Texte);
        return std::make_pair(Images.empty() ? TRect{} : Images[0].R, Textes[0].R);
    };
    // A picture larger than the cell is shrunk to fit (scale 20/40), text after it.
    auto [Grande, TexteApres] = Image(40, 40, 90);
    EXPECT_EQ(Grande, Rect(3, 3, 23, 23));
    EXPECT_EQ(TexteApres.Left, 3 + 25);
    // A smaller one keeps its own size.
    auto [Petite, TexteP] = Image(10, 8, 90);
    EXPECT_EQ(Petite, Rect(3, 9, 13, 17));
    // A cell too narrow for any picture: the scale stops at 0, nothing drawn.
    auto [Aucune, TexteA] = Image(10, 8, 3);
    EXPECT_EQ(Aucune, TRect{});
}

TEST(ModeleGrille, SortArrowsOnTheTitleOfTheSortedColumn)
{
    TModeleGrille G;
    Remplit(G, {"1", "2"});
    auto Fleches = [&G] {
        TCanevasTest C;
        G.DessineCellule(C, 0, 0, Rect(0, 0, 64, 24), false, true, false);
        int N = 0;
        for (const auto& T : C.DuGenre(TCanevasTest::TGenre::Ligne))
            if (T.R.Left >= 52 && T.R.Top == T.R.Bottom && T.R.Top >= 8 && T.R.Top <= 14)
                ++N;
        return N;
    };
    EXPECT_EQ(Fleches(), 0);
    G.Trie(0);
    EXPECT_EQ(Fleches(), 4);
}

TEST(ModeleGrille, HtmlOfASmallGrid)
{
    TModeleGrille G;
    G.SetAutoResize(false);
    G.SetColCount(3);
    G.SetRowCount(2);
    G.SetFixedRows(1);
    G.SetLargeurColonne(2, 0);
    G.SetCellule(0, 0, nullptr, true, 0xFFFFFF, 0, 1, 1, "Club");
    G.SetCellule(1, 0, nullptr, false, 0xFFFFFF, 0, 1, 2, "");
    G.SetCellule(0, 1, nullptr, false, 0x87CDF8, 0x000080, 1, 0, "A & <B>");
    G.SetCellule(1, 1, nullptr, false, 0xFFFFFF, 0, 1, 2, "\"3\"");
    G.SetTexte(2, 1, "hidden");
    testsupport::TempDir Dossier;
    std::string Fichier = (Dossier / "grille.htm").string();
    ASSERT_TRUE(G.ExporteHtml(Fichier, true));
    EXPECT_EQ(
        testsupport::ReadWholeFile(Fichier),
        "<html>\r\n"
        "  <head>\r\n"
        "    <meta charset=\"utf-8\">\r\n"
        "    <title></title>\r\n"
        "  </head>\r\n"
        "  <body bgcolor=\"#80CCFE\">\r\n"
        "    <table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n"
        "      <tr>\r\n"
        "        <td bgcolor=\"#F0F0F0\" align=\"center\" width=64><b><font color=\"#000000\">Club</font></b></td>\r\n"
        "        <td bgcolor=\"#F0F0F0\" align=\"right\" width=64><font color=\"#000000\">&nbsp;</font></td>\r\n"
        "      </tr>\r\n"
        "      <tr>\r\n"
        "        <td bgcolor=\"#F8CD87\" align=\"left\" width=64><font color=\"#800000\">A &amp; "
        "&lt;B&gt;</font></td>\r\n"
        "        <td bgcolor=\"#FFFFFF\" align=\"right\" width=64><font color=\"#000000\">&quot;3&quot;</font></td>\r\n"
        "      </tr>\r\n"
        "    </table>\r\n"
        "  </body>\r\n"
        "</html>\r\n");
    // Appending writes the table alone after what is there.
    ASSERT_TRUE(G.ExporteHtml(Fichier, false));
    std::string Tout = testsupport::ReadWholeFile(Fichier);
    EXPECT_EQ(Tout.substr(Tout.size() - 14), "    </table>\r\n");
    EXPECT_FALSE(G.ExporteHtml((Dossier / "absent" / "x.htm").string(), true));

    std::string Table = G.GetTableHtml({"#DFCF20", "#FFFFFF", "#F8CD87", "#000080", "#000000"}, 400);
    EXPECT_EQ(Table, "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"400\">\r\n"
                     "<tr bgcolor=\"#DFCF20\">\r\n"
                     "<td align=\"center\"><b><font color=\"#000080\">Club</font></b></td>\r\n"
                     "<td align=\"right\"><b><font color=\"#000080\">&nbsp;</font></b></td>\r\n"
                     "</tr>\r\n"
                     "<tr bgcolor=\"#FFFFFF\">\r\n"
                     "<td bgcolor=\"#F8CD87\" align=\"left\"><font color=\"#800000\">A &amp; &lt;B&gt;</font></td>\r\n"
                     "<td align=\"right\"><font color=\"#000000\">&quot;3&quot;</font></td>\r\n"
                     "</tr>\r\n"
                     "</table>\r\n");
    std::string Colonnes = G.GetTableHtmlColonnes({"#DFCF20", "#FFFFFF", "#F8CD87", "#000080", "#000000"}, 2);
    EXPECT_EQ(Colonnes.rfind("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">", 0), 0u);
    EXPECT_NE(Colonnes.find("<table cellspacing=\"0\" cellpadding=\"3\">"), std::string::npos);
}

TEST(ModeleGrille, ExportedPagesAreTitledAndDeclareUtf8)
{
    TModeleGrille G;
    G.SetAutoResize(false);
    G.SetColCount(1);
    G.SetRowCount(1);
    G.SetTexte(0, 0, "Équipe");
    testsupport::TempDir Dossier;
    const std::string Fichier = (Dossier / "grille.htm").string();
    ASSERT_TRUE(G.ExporteHtml(Fichier, true, "Ligue 1 : A & B - Classement"));
    const std::string Html = testsupport::ReadWholeFile(Fichier);
    EXPECT_EQ(Html.rfind("<html>\r\n  <head>\r\n    <meta charset=\"utf-8\">\r\n"
                         "    <title>Ligue 1 : A &amp; B - Classement</title>\r\n  </head>\r\n"
                         "  <body bgcolor=\"#80CCFE\">\r\n"
                         "    <h1><font color=\"#000000\">Ligue 1 : A &amp; B - Classement</font></h1>\r\n"
                         "    <table",
                         0),
              0u);
    EXPECT_NE(Html.find("Équipe"), std::string::npos);
}

// Inks chosen for a screen ground: light yellow, cyan and red on white or
// light blue rows. In a page and on paper each keeps its hue, dark enough to read.
TEST(ModeleGrille, EveryInkReadsOnItsGround)
{
    auto Lisible = [](const std::string& Encre, const std::string& Fond) {
        return Contraste(HtmlVersCouleur(Encre), HtmlVersCouleur(Fond)) >= 3.0;
    };
    auto Police = [](const std::string& Html, const std::string& Texte) {
        const size_t P = Html.rfind("<font color=\"", Html.find(Texte));
        return P == std::string::npos ? std::string() : Html.substr(P + 13, 7);
    };
    TModeleGrille G;
    G.SetAutoResize(false);
    G.SetColCount(3);
    G.SetRowCount(2);
    G.SetFixedRows(1);
    G.SetCellule(0, 0, nullptr, false, 0xFFFFFF, 0xFFFFFF, 1, 0, "Titre");
    G.SetCellule(0, 1, nullptr, false, 0xFFFFFF, 0x00FFFF, 1, 0, "Victoire");
    G.SetCellule(1, 1, nullptr, false, 0xF8CD87, 0xFFFF00, 1, 0, "Nul");
    G.SetCellule(2, 1, nullptr, false, 0xF8CD87, 0x0000FF, 1, 0, "Defaite");
    testsupport::TempDir Dossier;
    const std::string Fichier = (Dossier / "g.htm").string();
    ASSERT_TRUE(G.ExporteHtml(Fichier, true, "T"));
    const std::string Page = testsupport::ReadWholeFile(Fichier);
    const std::string Table = G.GetTableHtml({"#000080", "#FFFFFF", "#87CDF8", "#F0E020", "#000000"});
    for (const auto& [Texte, Fond] : {std::pair<const char*, const char*>{"Titre", "#F0F0F0"},
                                      {"Victoire", "#FFFFFF"},
                                      {"Nul", "#87CDF8"},
                                      {"Defaite", "#87CDF8"}}) {
        SCOPED_TRACE(Texte);
        EXPECT_TRUE(Lisible(Police(Page, Texte), Fond)) << Police(Page, Texte);
        if (std::string(Texte) != "Titre") {
            EXPECT_TRUE(Lisible(Police(Table, Texte), Fond)) << Police(Table, Texte);
        }
    }
    // The hue stays: dark yellow, dark cyan, dark red.
    const TColor Jaune = HtmlVersCouleur(Police(Page, "Victoire"));
    EXPECT_TRUE((Jaune & 0xFF) == ((Jaune >> 8) & 0xFF) && (Jaune >> 16) < (Jaune & 0xFF)) << Police(Page, "Victoire");
    const TColor Cyan = HtmlVersCouleur(Police(Page, "Nul"));
    EXPECT_TRUE(((Cyan >> 8) & 0xFF) == (Cyan >> 16) && (Cyan & 0xFF) < (Cyan >> 16)) << Police(Page, "Nul");
    // A colour the template names in its own words is left as it stands.
    EXPECT_EQ(EncreLisibleHtml("yellow", "#FFFFFF"), "yellow");
    EXPECT_EQ(EncreLisibleHtml("#000000", "#FFFFFF"), "#000000");
    // A page's heading reads on a dark page as on a light one.
    EXPECT_NE(DebutPageHtml("T", "#00306F").find("<h1><font color=\"#"), std::string::npos);
    EXPECT_TRUE(Lisible(Police(DebutPageHtml("T", "#00306F"), "T</font></h1>"), "#00306F"));

    // On paper (white, titles grey): white ink black, the others darkened.
    TCanevasTest C;
    for (int Col = 0; Col < 3; ++Col)
        G.DessineCellule(C, Col, 1, Rect(Col * 60, 20, Col * 60 + 60, 40), false, false, true);
    G.DessineCellule(C, 0, 0, Rect(0, 0, 60, 20), false, true, true);
    auto Textes = C.DuGenre(TCanevasTest::TGenre::Texte);
    ASSERT_EQ(Textes.size(), 4u);
    for (size_t I = 0; I < 3; ++I)
        EXPECT_GE(Contraste(Textes[I].Couleur, 0xFFFFFF), 3.0) << Textes[I].Texte;
    EXPECT_EQ(Textes[3].Couleur, 0);
}

TEST(ModeleGrille, PictureNamesAsLinks)
{
    EXPECT_EQ(UrlFichier("page_repart.png"), "page_repart.png");
    EXPECT_EQ(UrlFichier("a#b%c?d e&f.png"), "a%23b%25c%3Fd%20e%26f.png");
    EXPECT_EQ(UrlFichier("Équipe-1~.png"), "%C3%89quipe-1~.png");
}

TEST(ModeleGrille, ShapeChangesKeepRowAndColumnSettings)
{
    TModeleGrille G;
    G.SetAutoResize(false);
    G.SetOptions(G.GetOptions() & ~goHorzLine);
    EXPECT_FALSE(G.GetTraitLigne(2));
    G.SetRowCount(8);
    EXPECT_FALSE(G.GetTraitLigne(7)); // new rows follow the option
    G.SetCouleurLigne(3, 0x0000FF);
    EXPECT_TRUE(G.GetTraitLigne(3));
    G.SetTexte(1, 7, "gone");
    G.SetRowCount(6);
    G.SetRowCount(8);
    EXPECT_EQ(G.GetTexte(1, 7), "");
    EXPECT_EQ(G.GetHauteurLigne(7), G.GetDefaultRowHeight());
}

// Columns take the width of their widest text, bold cells measured in bold;
// none narrows, and a column of no width keeps hiding what it holds.
TEST(ModeleGrille, ColumnsWidenToTheirTexts)
{
    TModeleGrille g;
    g.SetAutoResize(false);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetLargeurColonne(0, 18);
    g.SetLargeurColonne(1, 60);
    g.SetLargeurColonne(2, 0);
    g.SetTexte(0, 0, "2 - 1");                                    // 5 characters
    g.SetCellule(0, 1, nullptr, true, 0xFFFFFF, 0, 1, 1, "Lyo."); // 4 bold characters
    g.SetTexte(1, 1, "Nice");
    g.SetTexte(2, 1, "12345");
    TMesureFixe normale(7), grasse(7, 14, 10);
    grasse.SetGras(true);
    g.AjusteColonnesAuTexte(normale, grasse, 6);
    EXPECT_EQ(g.GetLargeurColonne(0), 46); // the bold text: 4 x 10 + 6
    EXPECT_EQ(g.GetLargeurColonne(1), 60);
    EXPECT_EQ(g.GetLargeurColonne(2), 0);
    EXPECT_EQ(g.LargeurContenu(), 46 + 1 + 60 + 1 + 0 + 1);
    EXPECT_EQ(g.HauteurContenu(), 2 * (g.GetDefaultRowHeight() + 1));
}
