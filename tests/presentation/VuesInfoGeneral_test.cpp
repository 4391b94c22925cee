#include "presentation/VuesInfoGeneral.h"

#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <gtest/gtest.h>

namespace {

using namespace VuesInfoGeneral;

struct VuesInfoGeneralTest : ::testing::Test {
    VuesInfoGeneralTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
    }
    ~VuesInfoGeneralTest() override { InstalleTraducteur(nullptr); }
};

// Six clubs over nine days, three matches a day, attendance 100 x (day +
// match), all played 1-0.
struct LigueAffluences : TLigueTest<> {
    LigueAffluences() : TLigueTest({"A", "B", "C", "D", "E", "F"}, 9, 3)
    {
        for (int d = 1; d <= 9; ++d)
            for (int m = 0; m < 3; ++m) {
                Match(d, 2 * m, 2 * m + 1, 1, 0);
                Championnat.SetAffluence(d, m + 1, 100 * (d + m));
            }
        Championnat.JourneeJouee = 9;
    }
};

TEST_F(VuesInfoGeneralTest, BestAttendancesAtMostTwentyRowsInTheExchangeSortsOrder)
{
    LigueAffluences L;
    TModeleGrille G;
    RemplitAffluences(G, L.Saison, L.Championnat, 100);
    ASSERT_EQ(G.GetRowCount(), 20);
    EXPECT_EQ(G.GetColCount(), 8);
    EXPECT_EQ(G.GetHauteurLigne(0), 21);
    EXPECT_EQ(G.GetTexte(0, 0), "1");
    EXPECT_EQ(G.GetTexte(6, 0), "1100 " + Traduit(51));
    EXPECT_EQ(G.GetTexte(7, 0), TraduitFmt(151, {9}));
    EXPECT_EQ(G.GetTexte(1, 0), "E");
    EXPECT_EQ(G.GetTexte(2, 0), "1");
    EXPECT_EQ(G.GetTexte(3, 0), "-");
    EXPECT_EQ(G.GetCouleurFond(0, 0), TColor(0x802090));
    // 1000 twice, day 8 then day 9 in the calendar: the exchange sort puts
    // day 9's first, where a stable sort would not.
    EXPECT_EQ(G.GetTexte(6, 1), "1000 " + Traduit(51));
    EXPECT_EQ(G.GetTexte(6, 2), "1000 " + Traduit(51));
    EXPECT_EQ(G.GetTexte(7, 1), TraduitFmt(151, {9}));
    EXPECT_EQ(G.GetTexte(7, 2), TraduitFmt(151, {8}));
    RemplitAffluences(G, L.Saison, L.Championnat, 15);
    EXPECT_EQ(G.GetRowCount(), 15);

    // The table stops at the first attendance 0; few rows are taller.
    TLigueTest<> P({"A", "B", "C", "D"}, 2, 2);
    P.Match(1, 0, 1, 1, 0);
    P.Match(1, 2, 3, 1, 0);
    P.Championnat.SetAffluence(1, 1, 300);
    P.Championnat.SetAffluence(1, 2, 0);
    P.Championnat.JourneeJouee = 1;
    P.Championnat.SetOption(11, 8);
    P.Championnat.SetDateJournee(1, EncodeDateMatch(7, 9, 2024));
    RemplitAffluences(G, P.Saison, P.Championnat, 5);
    ASSERT_EQ(G.GetRowCount(), 1);
    EXPECT_EQ(G.GetHauteurLigne(0), 24);
    EXPECT_EQ(G.GetTexte(7, 0), "07/09/2024");
}

TEST_F(VuesInfoGeneralTest, DistributionChartsGatherTheirSlices)
{
    InfoGeneral::TRepartition R{};
    for (int s = 0; s < InfoGeneral::NbTranches; ++s)
        R[static_cast<size_t>(s)] = s + 1;
    TModeleGraphBarre Quart;
    TModeleGraphBarre Cinq;
    AfficheGrapheRepartition(R, Quart, Cinq, {}, CouleursPoint(0x123456), "Buts");
    EXPECT_EQ(Quart.GetPoint(0, 1), 1 + 2 + 3);
    EXPECT_EQ(Quart.GetPoint(0, 7), 19 + 20 + 21);
    EXPECT_EQ(Quart.GetPoint(0, 8), -1);
    EXPECT_EQ(Quart.GetNbPointX(), 7);
    EXPECT_EQ(Quart.GetEspaceGraduerX(), 15);
    EXPECT_DOUBLE_EQ(Quart.GetEchelleX(), 1.0 / 15);
    EXPECT_EQ(Quart.GetEspaceGraduerY(), InfoGeneral::ArrondiEchelle(60 / 4));
    EXPECT_EQ(Quart.GetLegendeY(), "Buts");
    EXPECT_EQ(Quart.GetCouleurPoint(0, 1), CouleursRepartition().Couleur1);
    EXPECT_EQ(Cinq.GetNbPointX(), 19);
    EXPECT_EQ(Cinq.GetPoint(0, 19), 19);
    EXPECT_EQ(Cinq.GetPoint(0, 20), -1);
    EXPECT_DOUBLE_EQ(Cinq.GetEchelleX(), 0.2);
    EXPECT_EQ(Cinq.GetEspaceGraduerY(), 20);
    EXPECT_EQ(Cinq.GetCouleurPoint(0, 3), TColor(0x123456));
    EXPECT_TRUE(Quart.Textin);
}

TEST_F(VuesInfoGeneralTest, TheInformationSheetAsHtmlLines)
{
    TLigueTest<> L({"A", "B", "C", "D"}, 3, 2);
    JoueDeuxJournees(L);
    const InfoGeneral::TInfo I = InfoGeneral::CalculeInfo(L.Saison, L.Championnat, 0);
    const std::vector<std::string> Attendues{
        Traduit(800) + " : 4<BR>",
        Traduit(801) + " : 50,00%<BR>",
        Traduit(802) + " : 575<BR><BR>",
        Traduit(803) + " : 8<BR>",
        Traduit(804) + " : 2,00<BR>",
        Traduit(805) + " : 5 (" + Traduit(85) + " 1)<BR>",
        Traduit(806) + " : 3 (" + Traduit(85) + " 2)<BR><BR>",
        "      <table> <tr> <td width=\"250\">" + Traduit(807) + "</td><td align=\"right\" width=\"40\">0</td></tr>",
        "      <tr> <td> " + Traduit(808) + "</td> <td align=\"right\"> 0,00</td></tr>",
        "      <tr> <td> " + Traduit(809) + "</td> <td align=\"right\"> 0</td></tr>",
        "      <tr> <td> " + Traduit(808) + "</td> <td align=\"right\"> 0,00</td></tr> </table><BR>",
        "      <table> <tr> <td width=\"200\"> " + Traduit(810) + "</td><td width=\"50\">50,00%</td></tr>",
        "      <tr> <td>" + Traduit(811) + "</td> <td>50,00%</td></tr>",
        "      <tr> <td>" + Traduit(812) + "</td> <td>0,00%</td></tr>",
        "      <tr> <td>" + Traduit(813) + "</td> <td>75,00%</td></tr>",
        "      <tr> <td>" + Traduit(814) + "</td> <td>25,00%</td></tr></table><br/>",
        "      " + Traduit(815) + " <table>",
        "      <tr> <td Width=200>" + Traduit(791) + "</td> <td align=\"right\">0 (0,00%)</td> </tr>",
        "      <tr> <td Width=200>" + Traduit(792) + "</td> <td align=\"right\">0 (0,00%)</td></tr>",
        "      <tr> <td Width=200>" + Traduit(793) + "</td> <td align=\"right\">0 (0,00%)</td></tr>",
        "      <tr> <td Width=200>" + Traduit(794) + "</td> <td align=\"right\">0 (0,00%)</td></tr>",
        "      <tr> <td Width=200>" + Traduit(816) + "</td> <td align=\"right\">0 (0,00%)</td></tr>",
        "      </table>"};
    EXPECT_EQ(LignesHtmlInfo(InfoGeneral::Textes(I)), Attendues);

    const std::string Html = GetHtmlInfo(I, "Ligue <1>", {"#000080", "#F0E020", "#C0C0C0", "#FFFFFF", "#000000"});
    EXPECT_NE(Html.find("Ligue &lt;1&gt;"), std::string::npos);
    EXPECT_NE(Html.find("<td BGCOLOR=#C0C0C0>" + EchappeHtml(Traduit(800)) + "</td>"), std::string::npos);
    // The coloured labels close their font inside their cell.
    EXPECT_NE(Html.find("<FONT COLOR=#800000>" + EchappeHtml(Traduit(809)) + "</FONT></td>"), std::string::npos);
    EXPECT_EQ(Html.find("</tr></table>"), std::string::npos);
    // The yellow of the cards darkened on the grey label cells.
    EXPECT_EQ(Html.find("#F0E020>" + EchappeHtml(Traduit(807))), std::string::npos);
    EXPECT_NE(Html.find(EchappeHtml(Traduit(807)) + "</FONT>"), std::string::npos);
    EXPECT_LT(Html.find(EchappeHtml(Traduit(814))), Html.find(EchappeHtml(Traduit(815))));
    // Without a played match: row 800, then the scorers table.
    TLigueTest<> Vide({"A", "B"}, 2, 1);
    const std::string SansMatch = GetHtmlInfo(InfoGeneral::CalculeInfo(Vide.Saison, Vide.Championnat, 0), "T", {});
    EXPECT_EQ(SansMatch.find(EchappeHtml(Traduit(801))), std::string::npos);
    EXPECT_NE(SansMatch.find(EchappeHtml(Traduit(816))), std::string::npos);
}

} // namespace
