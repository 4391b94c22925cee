#include "presentation/ModeleEditeur.h"
#include "presentation/PageHtml.h"

#include "support/CanevasTest.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

using testsupport::TCanevasTest;

namespace {

// The x of every character drawn, in order.
std::vector<TCanevasTest::TTrace> Caracteres(TModeleEditeur& E, TCanevasTest& C)
{
    E.Dessine(C, Rect(0, 0, E.GetLargeur(), E.GetHauteur()), false);
    return C.DuGenre(TCanevasTest::TGenre::Texte);
}

} // namespace

TEST(ModeleEditeur, SetLigneResults)
{
    TModeleEditeur E; // 100 x 100, 7 pixels a character, 14 high
    E.SetNbLigne(7);
    EXPECT_EQ(E.SetLigne(0, "x", false, false, 0), 255);
    EXPECT_EQ(E.SetLigne(8, "x", false, false, 0), 255);
    EXPECT_EQ(E.SetLigne(1, "hello", false, false, 4), 0);
    EXPECT_EQ(E.SetLigne(1, "!!", false, true, 2), 0);
    EXPECT_EQ(E.GetLigne(1)->Texte, "hello!!");
    EXPECT_EQ(E.GetLigne(1)->Couleurs, (std::vector<uint8_t>{4, 4, 4, 4, 4, 2, 2}));
    // Too wide: 15 characters are 105 pixels.
    EXPECT_EQ(E.SetLigne(1, "abcdefghijklmno", false, false, 0), 1);
    EXPECT_EQ(E.GetLigne(1)->Texte, "hello!!");
    // Too low: 14 + 6 x 18 > 100.
    EXPECT_EQ(E.SetLigne(7, "x", false, false, 0), 2);
    EXPECT_EQ(E.GetLigne(7)->Texte, "");
    // The last report of a text takes it: its control scrolls to the line.
    E.Defilant = true;
    EXPECT_EQ(E.SetLigne(7, "x", false, false, 0), 0);
    EXPECT_EQ(E.SetLigne(7, "abcdefghijklmno", false, false, 0), 1) << "still no wider than the control";
    E.Defilant = false;
    EXPECT_EQ(E.SetLigne(7, "abcdefghijklmno", true, false, 1), 0);
    EXPECT_EQ(E.GetLigne(7)->Couleurs.size(), 15u);
    // Colour codes count characters, not bytes.
    EXPECT_EQ(E.SetLigne(2, "é€", false, false, 3), 0);
    EXPECT_EQ(E.GetLigne(2)->Couleurs.size(), 2u);
    E.EffaceLigne(1);
    EXPECT_TRUE(E.GetLigne(1)->Texte.empty());
    EXPECT_TRUE(E.GetLigne(1)->Couleurs.empty());
    E.SetNbLigne(2);
    EXPECT_EQ(E.GetNbLigne(), 2);
    EXPECT_EQ(E.GetLigne(3), nullptr);
}

TEST(ModeleEditeur, HtmlRunsByColour)
{
    TModeleEditeur E;
    E.SetNbLigne(3);
    E.SetLigne(1, "ab", true, false, 4);
    E.SetLigne(3, "x", true, false, 0);
    E.SetLigne(3, "<&>", true, true, 9);
    E.SetLigne(3, "y", true, true, 99);
    EXPECT_EQ(E.GetTexteHtml(), "<FONT COLOR=#FF0000>ab</FONT><BR>"
                                "<BR>"
                                "<FONT COLOR=#000000>x</FONT><FONT COLOR=#0000FF>&lt;&amp;&gt;</FONT>"
                                "<FONT COLOR=#000080>y</FONT><BR>");
    testsupport::TempDir Dossier;
    std::string Fichier = (Dossier / "r.htm").string();
    ASSERT_TRUE(E.ExporteHtml(Fichier, true));
    std::string Html = testsupport::ReadWholeFile(Fichier);
    // The head every exported page has, the report's own runs right after it.
    EXPECT_EQ(Html, DebutPageHtml("", "#00306F") + E.GetTexteHtml() + "\r\n" + FinPageHtml());

    // A titled report: the title, and the heading light on the dark background.
    ASSERT_TRUE(E.ExporteHtml(Fichier, true, "L1 - Journée 3"));
    Html = testsupport::ReadWholeFile(Fichier);
    EXPECT_NE(Html.find("    <title>L1 - Journée 3</title>\r\n"), std::string::npos);
    EXPECT_NE(Html.find("  <body bgcolor=\"#00306F\">\r\n    <h1><font color=\"#FFFFFF\">L1 - Journée 3</font></h1>\r\n"
                        "<FONT COLOR=#FF0000>ab"),
              std::string::npos);
}

TEST(ModeleEditeur, LongLinesWrapAtBlanks)
{
    TModeleEditeur E;
    E.JustifyDoc = false;
    E.SetNbLigne(2);
    E.SetLigne(1, "aaaa bbbb cccc dddd eeee", true, false, 0);
    E.SetLigne(2, "z", true, false, 0);
    TCanevasTest C;
    auto Traces = Caracteres(E, C);
    // "aaaa bbbb cccc" fits in 100 pixels (98), the rest goes below.
    std::string Premiere, Seconde;
    int YTroisieme = -1;
    for (const auto& T : Traces) {
        if (T.R.Top == 0)
            Premiere += T.Texte;
        else if (T.R.Top == 18)
            Seconde += T.Texte;
        else
            YTroisieme = T.R.Top;
    }
    EXPECT_EQ(Premiere, "aaaa bbbb cccc");
    EXPECT_EQ(Seconde, "dddd eeee");
    EXPECT_EQ(YTroisieme, 36);
    // A single word wider than the control is cut inside it.
    E.SetLigne(1, "abcdefghijklmnopqrstuvwxyz", true, false, 0);
    TCanevasTest C2;
    for (const auto& T : Caracteres(E, C2))
        EXPECT_LE(T.R.Right, 100);
}

TEST(ModeleEditeur, JustificationAndCarriageReturn)
{
    TModeleEditeur E;
    E.SetNbLigne(4);
    E.SetLigne(1, "ab cd", true, false, 0);
    E.SetLigne(2, "ab cd\r", true, false, 0);
    // A lone word and the last piece of a line cut in two keep their spacing.
    E.SetLigne(3, "Christensen", true, false, 0);
    E.SetLigne(4, "aaaa bbbb cccc dddd eeee", true, false, 0);
    TCanevasTest C;
    std::map<int, std::vector<int>> Rangs; // the x of each character, row by row
    for (const auto& T : Caracteres(E, C))
        Rangs[T.R.Top].push_back(T.R.Left);
    ASSERT_EQ(Rangs.size(), 5u);
    EXPECT_EQ(Rangs[0].back(), 28 + 52); // 65 free pixels spread over five characters
    EXPECT_EQ(Rangs[18].back(), 28);     // ends with a carriage return: not stretched
    EXPECT_EQ(Rangs[36].back(), 70);
    EXPECT_GT(Rangs[54].back(), 91) << "the first piece of a cut line is stretched";
    EXPECT_EQ(Rangs[72].back(), 56);
    E.SetNbLigne(2);
    E.SetLigne(1, "ab", true, false, 0);
    E.SetLigne(2, "ab\r", true, false, 0);
    // Alignment and offset.
    E.JustifyDoc = false;
    E.GetLigne(1)->Alignement = 2;
    E.Marge = 5;
    E.GetLigne(2)->Alignement = 1;
    E.GetLigne(2)->Decalage = 10;
    TCanevasTest C2;
    auto T2 = Caracteres(E, C2);
    EXPECT_EQ(T2[0].R.Left, 100 - 14 - 5);
    EXPECT_EQ(T2[2].R.Left, (100 - 14) / 2 + 10);
}

TEST(ModeleEditeur, ColoursOnScreenBlackOnPaperAndAutoHeight)
{
    TModeleEditeur E;
    E.SetNbLigne(3);
    E.SetLigne(1, "a", true, false, 4);
    E.SetLigne(3, "b", true, false, 12);
    E.AutoHauteur = true;
    E.MargeHaut = 3;
    TCanevasTest C;
    auto T = Caracteres(E, C);
    EXPECT_EQ(T[0].Couleur, 0x0000FF);
    EXPECT_EQ(T[1].Couleur, 0x8080FF);
    EXPECT_EQ(T[1].R.Top, 2 * 18 + 3);
    EXPECT_EQ(E.GetHauteur(), 3 * 18 + 3);
    TCanevasTest Papier;
    E.Dessine(Papier, Rect(0, 0, 100, 100), true);
    for (const auto& P : Papier.DuGenre(TCanevasTest::TGenre::Texte))
        EXPECT_EQ(P.Couleur, 0);
}

TEST(ModeleEditeur, MarkupReachesTheHtmlFormOnlyAndUnescaped)
{
    TModeleEditeur E;
    E.SetNbLigne(3);
    E.AjouteBalise(1, "<hr/>");
    E.AjouteBalise(2, "<b>");
    E.SetLigne(2, "A<B", true, true, 4);
    E.SetLigne(2, " & C", true, true, 9);
    E.AjouteBalise(2, "</b>");
    E.AjouteBalise(3, "<i>");
    E.SetLigne(3, "x", true, true, 4);
    E.AjouteBalise(3, "</i>");
    E.SetLigne(3, "y", true, true, 4);
    EXPECT_EQ(E.GetLigne(2)->Texte, "A<B & C");
    EXPECT_EQ(E.GetTexteHtml(), "<hr/><BR>"
                                "<b><FONT COLOR=#FF0000>A&lt;B</FONT><FONT COLOR=#0000FF> &amp; C</FONT></b><BR>"
                                "<i><FONT COLOR=#FF0000>x</FONT></i><FONT COLOR=#FF0000>y</FONT><BR>");
    // Rewriting a line drops its markup.
    E.SetLigne(2, "z", true, false, 4);
    EXPECT_EQ(E.GetLigne(2)->Balises.size(), 0u);
    // Markup is not drawn.
    TCanevasTest C;
    EXPECT_EQ(Caracteres(E, C).size(), 3u);
}
