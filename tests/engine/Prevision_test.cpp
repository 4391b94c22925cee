#include "engine/Prevision.h"

#include <gtest/gtest.h>

#include "engine/LigueTest.h"
#include "files/Stats.h"

#include <memory>

namespace {

using namespace Prevision;
enum { A, B, C, D };

struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest({"Arles", "Brest", "Caen", "Dijon"}, 10, 2) {}
    void Prevu(int jour, int dom, int ext)
    {
        Championnat.AjouteMatch(jour, Id(dom), Id(ext), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    }
};

TEST(Prevision, PercentagesOfTwoRatings)
{
    TPourcentages P = Pourcentages(0, 0);
    EXPECT_DOUBLE_EQ(P.Domicile, 0);
    EXPECT_DOUBLE_EQ(P.Nul, 100);
    EXPECT_DOUBLE_EQ(P.Exterieur, 0);
    EXPECT_EQ(P.Meilleur(), 1);
    P = Pourcentages(5, 0);
    EXPECT_DOUBLE_EQ(P.Domicile, 100);
    EXPECT_DOUBLE_EQ(P.Nul, 0);
    EXPECT_EQ(P.Meilleur(), 0);
    P = Pourcentages(2.5, 2.5);
    EXPECT_NEAR(P.Domicile, 27.78, 0.01);
    EXPECT_NEAR(P.Nul, 44.44, 0.01);
    EXPECT_NEAR(P.Exterieur, 27.78, 0.01);
    EXPECT_EQ(P.Meilleur(), 1);
    P = Pourcentages(0, 5);
    EXPECT_EQ(P.Meilleur(), 2);
    // Tied maxima stand out nowhere.
    P.Domicile = P.Exterieur = 40;
    P.Nul = 20;
    EXPECT_EQ(P.Meilleur(), -1);
    EXPECT_EQ(TPourcentages{}.Meilleur(), -1);
}

TEST(Prevision, PerformanceAndFormWeighTheLatestMatchesMost)
{
    Ligue L;
    L.Match(1, A, B, 1, 0); // Arles: home win
    L.Match(2, C, A, 2, 0); // away defeat
    L.Match(3, A, D, 1, 1); // home draw
    L.Match(4, B, A, 0, 3); // away win
    L.Championnat.JourneeJouee = 4;
    const double Arles = L.Id(A);
    // At home, newest first: draw (weight 2), win (1): (2 + 2) / 3.
    EXPECT_DOUBLE_EQ(Perf(L.Championnat, static_cast<int>(Arles), 2, 0), 4.0 / 3);
    // Away: win (2), defeat (1): 4 / 3.
    EXPECT_DOUBLE_EQ(Perf(L.Championnat, static_cast<int>(Arles), 2, 1), 4.0 / 3);
    // Overall over three: away win 6 x 3, home draw 2 x 2, away defeat 0: 22 / 6.
    EXPECT_DOUBLE_EQ(Forme(L.Championnat, static_cast<int>(Arles), 3), 22.0 / 6);
    // A team that never played.
    TLigueTest<> Vide({"X", "Y"}, 2, 1);
    EXPECT_DOUBLE_EQ(Perf(Vide.Championnat, Vide.Id(0), 5, 0), 0);
    EXPECT_DOUBLE_EQ(Forme(Vide.Championnat, Vide.Id(0), 5), 0);
}

TEST(Prevision, RatingsAreCappedAndTheFormCountSetsTheVenueMatches)
{
    Ligue L;
    // Brest won every match, all away: a form of 6 and a performance of 2.
    L.Match(1, A, B, 0, 1);
    L.Match(2, C, B, 0, 2);
    L.Match(3, D, B, 1, 3);
    // Arles at home: a defeat, a win, a draw.
    L.Match(2, A, D, 2, 0);
    L.Match(3, A, C, 0, 0);
    L.Championnat.JourneeJouee = 3;
    L.Prevu(4, A, B);
    std::vector<TPrevisionMatch> P = CalculePrevision(L.Saison, L.Championnat, 4, TReglages{}, nullptr);
    ASSERT_EQ(P.size(), 1u);
    EXPECT_EQ(P[0].Exterieur, B);
    EXPECT_DOUBLE_EQ(P[0].NoteExterieur, 5.0);
    // The "form" count decides how many venue matches the performance takes:
    // Arles' last home match was a draw (1), its last three 7 / 6.
    const TPrevisionMatch Un = CalculePrevision(L.Saison, L.Championnat, 4, {0, 1, 40, 5, 0, 10}, nullptr)[0];
    const TPrevisionMatch Trois = CalculePrevision(L.Saison, L.Championnat, 4, {0, 3, 40, 5, 0, 10}, nullptr)[0];
    EXPECT_DOUBLE_EQ(Un.NoteDomicile, 2.5);
    EXPECT_DOUBLE_EQ(Trois.NoteDomicile, 2.5 * 7 / 6);
    // No weight at all: nothing to say.
    EXPECT_FALSE(CalculePrevision(L.Saison, L.Championnat, 4, {0, 5, 0, 5, 20, 10}, nullptr)[0].Pourcentages.Definis);
}

TEST(Prevision, HistoryCountsOnlyWithAnArchiveAndAMeeting)
{
    Ligue L;
    L.Prevu(1, A, B);
    L.Prevu(1, C, D);
    TStat Archive;
    for (const char* Nom : {"Arles", "Brest", "Caen", "Dijon"})
        Archive.NumeroEquipe(Nom);
    auto S = std::make_unique<TSaisonStat>(4, 120);
    for (int N = 0; N < 4; ++N)
        S->AjouteEquipe(N);
    S->SetScore(0, 1, 3, 0); // Arles beat Brest at home
    Archive.AjouteSaison(std::move(S));
    const TReglages R;
    // Nothing played: both ratings 0 without the archive, the draw takes all.
    std::vector<TPrevisionMatch> Sans = CalculePrevision(L.Saison, L.Championnat, 1, R, nullptr);
    ASSERT_EQ(Sans.size(), 2u);
    EXPECT_DOUBLE_EQ(Sans[0].Pourcentages.Nul, 100);
    std::vector<TPrevisionMatch> Avec = CalculePrevision(L.Saison, L.Championnat, 1, R, &Archive);
    // Arles: 5 x 20 / 100 = 1; Brest 0.
    EXPECT_DOUBLE_EQ(Avec[0].NoteDomicile, 1.0);
    EXPECT_DOUBLE_EQ(Avec[0].NoteExterieur, 0.0);
    // Caen and Dijon never met: the history weight is left out.
    EXPECT_DOUBLE_EQ(Avec[1].Pourcentages.Nul, 100);
    EXPECT_EQ(Avec[0].PositionDomicile, 1);
    // A day beyond the last, or a fixture lacking a team, gives nothing.
    EXPECT_TRUE(CalculePrevision(L.Saison, L.Championnat, 11, R, nullptr).empty());
    EXPECT_TRUE(CalculePrevision(L.Saison, L.Championnat, 2, R, nullptr).empty());
}

} // namespace
