#include "engine/Series.h"

#include "LigueTest.h"
#include "model/infocomp.h"

#include <gtest/gtest.h>

namespace {

using namespace Series;

// Four clubs over six days. Club A's results, oldest first: W W L W W W
// (home on days 1, 3, 5); D loses its last match.
struct LigueSeries : ::testing::Test {
    TLigueTest<> L{{"A", "B", "C", "D"}, 7, 2};

    LigueSeries()
    {
        L.Match(1, 0, 1, 1, 0);
        L.Match(1, 2, 3, 1, 1);
        L.Match(2, 2, 0, 0, 2);
        L.Match(2, 1, 3, 0, 0);
        L.Match(3, 0, 3, 0, 1);
        L.Match(3, 1, 2, 2, 2);
        L.Match(4, 1, 0, 0, 1);
        L.Match(4, 3, 2, 3, 0);
        L.Match(5, 0, 2, 2, 0);
        L.Match(5, 3, 1, 1, 0);
        L.Match(6, 3, 0, 1, 3);
        L.Match(6, 2, 1, 0, 0);
        L.Championnat.JourneeJouee = 6;
    }

    std::vector<int> Octets(const TTableSeries& T, int equipe, int de, int a)
    {
        std::vector<int> v;
        for (int p = de; p <= a; ++p)
            v.push_back(T.GetOctet(equipe, p));
        return v;
    }
};

TEST_F(LigueSeries, AClubsRecordByteByByte)
{
    const TTableSeries T = CalculeSeries(L.Championnat);
    ASSERT_EQ(T.NbEquipe(), 4);
    ASSERT_EQ(T.Octets().size(), 4u * TailleEquipe);
    // Results, all matches: the latest series is 3 wins, the longest of each
    // kind 3 wins, no draw, 1 defeat.
    EXPECT_EQ(Octets(T, 0, 2, 5), (std::vector<int>{(Victoire << 6) | 3, 3, 0, 1}));
    // Home W L W (newest first W, L, W): latest one win; away W W W.
    EXPECT_EQ(Octets(T, 0, 7, 10), (std::vector<int>{(Victoire << 6) | 1, 1, 0, 1}));
    EXPECT_EQ(Octets(T, 0, 12, 15), (std::vector<int>{(Victoire << 6) | 3, 3, 0, 0}));
    // Scored 1 2 0 1 2 3; conceded 0 0 1 0 0 1.
    EXPECT_EQ(Octets(T, 0, 17, 19), (std::vector<int>{(Oui << 6) | 3, 3, 1}));
    EXPECT_EQ(Octets(T, 0, 29, 31), (std::vector<int>{(Oui << 6) | 1, 1, 2}));
    // Unbeaten run: latest 3, longest 3; without a win: latest of length 0.
    EXPECT_EQ(Octets(T, 0, 40, 42), (std::vector<int>{0, 3, 3}));
    EXPECT_EQ(Octets(T, 0, 49, 51), (std::vector<int>{0, CourseVide, 1}));

    EXPECT_EQ(T.SerieEnCours(0, BlocResultats(Tous), Victoire), 3);
    EXPECT_EQ(T.PlusLongue(0, BlocResultats(Tous), Victoire), 3);
    EXPECT_TRUE(T.PlusLongueEnCours(0, BlocResultats(Tous), Victoire));
    EXPECT_EQ(T.PlusLongue(0, BlocResultats(Tous), Defaite), 1);
    EXPECT_FALSE(T.PlusLongueEnCours(0, BlocResultats(Tous), Defaite));
    EXPECT_EQ(T.SerieEnCours(0, BlocResultats(Tous), Defaite), 0);
    EXPECT_EQ(T.CourseEnCours(0, BlocInvaincu(Tous)), 3);
    EXPECT_TRUE(T.CourseLongueEnCours(0, BlocInvaincu(Tous)));
    EXPECT_EQ(T.CourseEnCours(0, BlocSansVictoire(Tous)), 0);
    EXPECT_EQ(T.CourseLongue(0, BlocSansVictoire(Tous)), 1);
    EXPECT_FALSE(T.CourseLongueEnCours(0, BlocSansVictoire(Tous)));
}

TEST_F(LigueSeries, ALatestDefeatLeavesNoUnbeatenRun)
{
    const TTableSeries T = CalculeSeries(L.Championnat);
    // D, oldest first: D D W (away) W W L (home).
    EXPECT_EQ(T.GetOctet(3, BlocInvaincu(Tous) + 1), CourseVide);
    EXPECT_EQ(T.CourseEnCours(3, BlocInvaincu(Tous)), 0);
    EXPECT_EQ(T.CourseLongue(3, BlocInvaincu(Tous)), 5);
    EXPECT_EQ(T.SerieEnCours(3, BlocResultats(Tous), Defaite), 1);
    EXPECT_EQ(T.PlusLongue(3, BlocResultats(Tous), Nul), 2);
    // Away D D W, home W W L: each venue counts its own matches only.
    EXPECT_EQ(T.SerieEnCours(3, BlocResultats(Exterieur), Victoire), 1);
    EXPECT_EQ(T.PlusLongue(3, BlocResultats(Exterieur), Nul), 2);
    EXPECT_EQ(T.SerieEnCours(3, BlocResultats(Domicile), Defaite), 1);
    EXPECT_EQ(T.PlusLongue(3, BlocResultats(Domicile), Victoire), 2);
    EXPECT_EQ(T.CourseLongue(3, BlocInvaincu(Exterieur)), 3);
    EXPECT_TRUE(T.CourseLongueEnCours(3, BlocInvaincu(Exterieur)));
}

TEST_F(LigueSeries, AnUnplayedMatchBreaksNothing)
{
    const TTableSeries Avant = CalculeSeries(L.Championnat);
    L.Match(7, 0, 1, TInfoComp::Aucun, TInfoComp::Aucun);
    L.Match(7, 2, 3, 2, 0);
    L.Championnat.JourneeJouee = 7;
    const TTableSeries Apres = CalculeSeries(L.Championnat);
    for (int p = 1; p <= TailleEquipe; ++p) {
        EXPECT_EQ(Apres.GetOctet(0, p), Avant.GetOctet(0, p)) << p;
        EXPECT_EQ(Apres.GetOctet(1, p), Avant.GetOctet(1, p)) << p;
    }
    EXPECT_EQ(Apres.SerieEnCours(2, BlocResultats(Tous), Victoire), 1);
}

TEST(Series, LengthsStopBeforeTheKindBits)
{
    TLigueTest<> L({"A", "B"}, 70, 1);
    for (int d = 1; d <= 70; ++d)
        L.Match(d, 0, 1, 1, 0);
    L.Championnat.JourneeJouee = 70;
    const TTableSeries T = CalculeSeries(L.Championnat);
    EXPECT_EQ(T.GenreDerniere(0, BlocResultats(Tous)), Victoire);
    EXPECT_EQ(T.SerieEnCours(0, BlocResultats(Tous), Victoire), LongueurMaxSerie);
    EXPECT_EQ(T.GenreDerniere(1, BlocResultats(Tous)), Defaite);
    EXPECT_EQ(T.CourseLongue(0, BlocInvaincu(Tous)), 70);
    EXPECT_TRUE(T.CourseLongueEnCours(0, BlocInvaincu(Tous)));
    EXPECT_TRUE(T.PlusLongueEnCours(0, BlocResultats(Tous), Victoire));
}

TEST(Series, ByDateTheWalkFollowsTheCalendar)
{
    // Day 2 was played before day 1: by date, A's latest match is day 1's
    // defeat; by days it would be day 2's win.
    for (uint8_t Option : {uint8_t(8), uint8_t(1)}) {
        SCOPED_TRACE(Option);
        TLigueTest<> L({"A", "B"}, 2, 1);
        L.Championnat.SetOption(11, Option);
        L.Championnat.AjouteMatchDate(1, 1, 2, EncodeDateMatch(20, 9, 2024), -1, 0, 1);
        L.Championnat.AjouteMatchDate(2, 2, 1, EncodeDateMatch(13, 9, 2024), -1, 0, 2);
        L.Championnat.SetDateJournee(1, EncodeDateMatch(20, 9, 2024));
        L.Championnat.SetDateJournee(2, EncodeDateMatch(13, 9, 2024));
        L.Championnat.JourneeJouee = 2;
        const TTableSeries T = CalculeSeries(L.Championnat);
        EXPECT_EQ(T.GenreDerniere(0, BlocResultats(Tous)), Defaite);
        EXPECT_EQ(T.CourseEnCours(0, BlocInvaincu(Tous)), 0);
        EXPECT_EQ(T.CourseEnCours(0, BlocSansVictoire(Tous)), 1);
    }
    TLigueTest<> L({"A", "B"}, 2, 1);
    L.Championnat.AjouteMatchDate(1, 1, 2, EncodeDateMatch(20, 9, 2024), -1, 0, 1);
    L.Championnat.AjouteMatchDate(2, 2, 1, EncodeDateMatch(13, 9, 2024), -1, 0, 2);
    L.Championnat.JourneeJouee = 2;
    EXPECT_EQ(CalculeSeries(L.Championnat).GenreDerniere(0, BlocResultats(Tous)), Victoire);
}

TEST(Series, NoPlayedMatchNoSeries)
{
    TLigueTest<> L({"A", "B", "C"}, 2, 1);
    const TTableSeries T = CalculeSeries(L.Championnat);
    for (int e = 0; e < 3; ++e) {
        EXPECT_EQ(T.SerieEnCours(e, BlocResultats(Tous), Victoire), 0);
        EXPECT_FALSE(T.PlusLongueEnCours(e, BlocResultats(Tous), Victoire));
        EXPECT_FALSE(T.CourseLongueEnCours(e, BlocInvaincu(Tous)));
        EXPECT_EQ(T.CourseEnCours(e, BlocSansVictoire(Tous)), 0);
    }
    EXPECT_EQ(T.GetOctet(3, 1), 0);
    EXPECT_EQ(T.GetOctet(0, 58), 0);
}

} // namespace
