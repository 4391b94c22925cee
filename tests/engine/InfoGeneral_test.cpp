#include "engine/InfoGeneral.h"

#include "LigueTest.h"
#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/LectureParametre.h"
#include "model/ListeDonnees.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace InfoGeneral;

struct InfoGeneralTest : ::testing::Test {
    // Day 1 A-B 2-1 (1000) and C-D 1-1 (500); day 2 A-C 0-0 (800) and B-D 3-0.
    TLigueTest<> L{{"A", "B", "C", "D"}, 3, 2};

    InfoGeneralTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        JoueDeuxJournees(L);
    }
    ~InfoGeneralTest() override { InstalleTraducteur(nullptr); }

    TListeDonnees* Buteurs(int jour) { return L.Championnat.GetButeursJournee(jour); }
};

TEST_F(InfoGeneralTest, TheFiguresOfAFourTeamLeague)
{
    const TTextes T = Textes(CalculeInfo(L.Saison, L.Championnat, 0));
    EXPECT_EQ(T.Matchs, "4");
    EXPECT_EQ(T.Nuls, "50,00%");
    EXPECT_EQ(T.AffluenceMoyenne, "575");
    EXPECT_EQ(T.Buts, "8");
    EXPECT_EQ(T.ButsParMatch, "2,00");
    EXPECT_EQ(T.Meilleur, "5 (" + Traduit(85) + " 1)");
    EXPECT_EQ(T.Pire, "3 (" + Traduit(85) + " 2)");
    EXPECT_EQ(T.VictoiresDomicile, "50,00%");
    EXPECT_EQ(T.NulsDomicile, "50,00%");
    EXPECT_EQ(T.DefaitesDomicile, "0,00%");
    EXPECT_EQ(T.ButsDomicile, "75,00%");
    EXPECT_EQ(T.ButsExterieur, "25,00%");
    for (const std::string& B : T.Buteurs)
        EXPECT_EQ(B, "0 (0,00%)");
}

TEST_F(InfoGeneralTest, NothingPlayedShowsDashes)
{
    TLigueTest<> Vide({"A", "B"}, 2, 1);
    const TTextes T = Textes(CalculeInfo(Vide.Saison, Vide.Championnat, 0));
    EXPECT_EQ(T.Matchs, "0");
    for (const std::string* S : {&T.Nuls, &T.AffluenceMoyenne, &T.Buts, &T.ButsParMatch, &T.Meilleur, &T.Pire,
                                 &T.Jaunes, &T.JaunesParMatch, &T.Rouges, &T.RougesParMatch, &T.VictoiresDomicile,
                                 &T.NulsDomicile, &T.DefaitesDomicile, &T.ButsDomicile, &T.ButsExterieur})
        EXPECT_EQ(*S, "-");
    // No match day at all.
    TLigueTest<> SansJour({"A", "B"}, 0, 1);
    EXPECT_EQ(Textes(CalculeInfo(SansJour.Saison, SansJour.Championnat, 0)).Matchs, "0");
}

TEST_F(InfoGeneralTest, TiesKeepTheEarlierDayAndOneDayAlone)
{
    L.Match(3, 0, 3, 2, 1);
    L.Match(3, 1, 2, 0, 0);
    L.Championnat.JourneeJouee = 3;
    // Days of 5, 3 and 3 goals: the poorest stays day 2.
    TInfo I = CalculeInfo(L.Saison, L.Championnat, 0);
    EXPECT_EQ(I.PireJour, 2);
    EXPECT_EQ(I.MeilleurJour, 1);
    // Day 2 alone: its count is the best, day 1 counts 0.
    I = CalculeInfo(L.Saison, L.Championnat, 2);
    EXPECT_EQ(I.MeilleurJour, 2);
    EXPECT_EQ(I.MeilleurNombre, 3);
    EXPECT_EQ(I.PireJour, 1);
    EXPECT_EQ(I.PireNombre, 0);
    I = CalculeInfo(L.Saison, L.Championnat, 1);
    EXPECT_EQ(I.MeilleurJour, 1);
    EXPECT_EQ(I.PireJour, 2);
    EXPECT_EQ(Textes(I).Matchs, "2");
}

TEST_F(InfoGeneralTest, MinutesPositionsOwnGoalsAndMissedPenalties)
{
    L.Saison.AjouteJoueur(7, "Gardien", "G", TLigueTest<>::Id(0), 1);
    L.Saison.AjouteJoueur(8, "Avant", "A", TLigueTest<>::Id(0), 4);
    TLigueTest<>::Evenement(Buteurs(1), 0, 12, 7);                      // goalkeeper, slice 2
    TLigueTest<>::Evenement(Buteurs(1), 0, 97, 8);                      // forward, slice 19
    TLigueTest<>::Evenement(Buteurs(1), 0, 110, 8);                     // no slice
    TLigueTest<>::Evenement(Buteurs(1), 1, Evt::ContreCamp | 44, 8);    // own goal, slice 8
    TLigueTest<>::Evenement(Buteurs(2), 1, Evt::PenaltyManque | 30, 8); // counts nowhere
    TLigueTest<>::Evenement(Buteurs(2), 1, 50, 99);                     // unknown player, slice 10
    const TInfo I = CalculeInfo(L.Saison, L.Championnat, 0);
    EXPECT_EQ(I.Postes, (std::array<int, 4>{1, 0, 0, 2}));
    EXPECT_EQ(I.ContreSonCamp, 1);
    TRepartition Attendue{};
    Attendue[2] = Attendue[19] = Attendue[8] = Attendue[10] = 1;
    EXPECT_EQ(I.Repartition, Attendue);
    EXPECT_EQ(CompteRepartition(L.Championnat, 0), Attendue);
    Attendue[10] = 0;
    EXPECT_EQ(CompteRepartition(L.Championnat, 1), Attendue);
    EXPECT_EQ(Textes(I).Buteurs[3], "2 (25,00%)");
    EXPECT_EQ(Textes(I).Buteurs[4], "1 (12,50%)");
}

// The title names the catalogue's division; a cup composed for the season,
// whose code no catalogue entry holds, by the name the season gives it.
TEST_F(InfoGeneralTest, TheTitleNamesTheDivisionOrTheSeasonsOwnName)
{
    const TLectureParam Catalogue{AppDir() + "config/Championnat.fr"};
    L.Championnat.SetCode(101);
    const std::string Ligue = Catalogue.GetNomCfg(101) + ": " + Catalogue.GetNom(101);
    ASSERT_FALSE(Catalogue.GetNom(101).empty());
    EXPECT_EQ(Titre(L.Championnat, &Catalogue, 0, "Autre nom"), Ligue);
    L.Championnat.SetCode(1001);
    ASSERT_TRUE(Catalogue.GetNom(1001).empty());
    EXPECT_EQ(Titre(L.Championnat, &Catalogue, 0, "Coupe du monde 2022"), "Coupe du monde 2022");
    EXPECT_EQ(Titre(L.Championnat, &Catalogue, 2, "Coupe du monde 2022"),
              TraduitFmt(209, {2, std::string("Coupe du monde 2022")}));
}

TEST(InfoGeneral, ChartScales)
{
    EXPECT_EQ(ArrondiEchelle(0), 1);
    EXPECT_EQ(ArrondiEchelle(1), 1);
    EXPECT_EQ(ArrondiEchelle(7), 7);
    EXPECT_EQ(ArrondiEchelle(11), 20);
    EXPECT_EQ(ArrondiEchelle(20), 20);
    EXPECT_EQ(ArrondiEchelle(123), 200);
    EXPECT_EQ(ArrondiEchelle(999), 1000);
}

} // namespace
