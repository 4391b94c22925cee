#include "engine/InfoEquipes.h"

#include "engine/LigueTest.h"

#include <gtest/gtest.h>

namespace {

using namespace InfoEquipes;
enum { A, B, C, D };

struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest({"Arles", "Blois", "Caen", "Dax"}, 6, 2) {}

    // A goal of team index `equipe` at that minute on that day.
    void But(int jour, int equipe, int minute, uint16_t drapeaux = 0)
    {
        Evenement(Championnat.GetButeursJournee(jour), equipe, static_cast<uint16_t>(minute | drapeaux));
    }
    const TSerieMinutes& Serie(const TTableMinutes& T, int equipe, int genre, int portee = PorteeTous)
    {
        return T.Get(equipe, genre, portee);
    }
};

TEST(InfoEquipesSeries, TheLastGoalAtSeventyLeavesTwentyMinutesRunning)
{
    Ligue L;
    L.Match(1, A, B, 1, 0);
    L.But(1, A, 70);
    L.Championnat.JourneeJouee = 1;
    const TTableMinutes T = CalculeSeriesMinutes(L.Championnat);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Courante, 20);
    EXPECT_EQ(L.Serie(T, A, SansMarquer, PorteeDomicile).Courante, 20);
    // Before the goal, the 70 minutes opened the season.
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Meilleure, 70);
    // Away A has no match: nothing counted.
    EXPECT_EQ(L.Serie(T, A, SansMarquer, PorteeExterieur).Meilleure, 0);
    // The opponent's without-conceding series moves with A's goal.
    EXPECT_EQ(L.Serie(T, B, SansEncaisser).Courante, 20);
    EXPECT_EQ(L.Serie(T, B, SansEncaisser, PorteeExterieur).Courante, 20);
    EXPECT_EQ(L.Serie(T, B, SansEncaisser, PorteeDomicile).Courante, 0);
    // B did not score: a whole match without scoring for B, without conceding for A.
    EXPECT_EQ(L.Serie(T, B, SansMarquer).Courante, 90);
    EXPECT_EQ(L.Serie(T, A, SansEncaisser, PorteeDomicile).Meilleure, 90);
}

TEST(InfoEquipesSeries, GoalsAfterNinetyCountAtNinetyAndMissedPenaltiesAreNoGoal)
{
    Ligue L;
    L.Match(1, A, B, 1, 0);
    L.But(1, A, 95);
    L.But(1, A, 97, Evt::PenaltyManque);
    L.Championnat.JourneeJouee = 1;
    const TTableMinutes T = CalculeSeriesMinutes(L.Championnat);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Courante, 0);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Meilleure, 90);
}

// Every goal of a match closes a stretch, not only the last one.
TEST(InfoEquipesSeries, EveryGoalOfAMatchEndsAStretch)
{
    Ligue L;
    L.Match(1, A, B, 2, 0);
    L.But(1, A, 80);
    L.But(1, A, 10);
    L.Championnat.JourneeJouee = 1;
    const TTableMinutes T = CalculeSeriesMinutes(L.Championnat);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Courante, 10);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Meilleure, 70);

    // An older goalless match before it: its 90 minutes join the 10 before
    // the first goal, not the 80 before the last.
    Ligue M;
    M.Match(1, A, C, 0, 0);
    M.Match(2, A, B, 2, 0);
    M.But(2, A, 10);
    M.But(2, A, 80);
    M.Championnat.JourneeJouee = 2;
    const TTableMinutes U = CalculeSeriesMinutes(M.Championnat);
    EXPECT_EQ(M.Serie(U, A, SansMarquer).Courante, 10);
    EXPECT_EQ(M.Serie(U, A, SansMarquer).Meilleure, 100);
}

TEST(InfoEquipesSeries, GoallessMatchesAddNinetyAndVenuesCountTheirOwnMatches)
{
    Ligue L;
    L.Match(1, A, B, 1, 0); // newest last: day 3 is the latest
    L.But(1, A, 30);
    L.Match(2, C, A, 0, 0);
    L.Match(3, A, D, 0, 0);
    L.Championnat.JourneeJouee = 3;
    const TTableMinutes T = CalculeSeriesMinutes(L.Championnat);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Courante, 90 + 90 + 60);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Meilleure, 240);
    EXPECT_EQ(L.Serie(T, A, SansMarquer, PorteeDomicile).Courante, 150);
    EXPECT_EQ(L.Serie(T, A, SansMarquer, PorteeExterieur).Courante, 90);
    EXPECT_FALSE(L.Serie(T, A, SansMarquer, PorteeExterieur).Vu);
    // A score without its scorers entered counts as a goal at minute 0.
    Ligue M;
    M.Match(1, A, B, 1, 0);
    M.Championnat.JourneeJouee = 1;
    const TTableMinutes U = CalculeSeriesMinutes(M.Championnat);
    EXPECT_EQ(M.Serie(U, A, SansMarquer).Courante, 90);
    // Out of the table: a neutral series.
    EXPECT_EQ(U.Get(9, SansMarquer, PorteeTous).Meilleure, 0);
    EXPECT_EQ(U.Get(A, 2, PorteeTous).Meilleure, 0);
}

TEST(InfoEquipesSeries, CalendarByDateWalksTheDatesBackwards)
{
    Ligue L;
    L.Championnat.SetOption(11, 8);
    // Day 1 is played after day 2 by the calendar.
    L.Championnat.AjouteMatchDate(1, L.Id(A), L.Id(B), EncodeDateMatch(20, 9, 2024), -1, 1, 0);
    L.Championnat.AjouteMatchDate(2, L.Id(A), L.Id(C), EncodeDateMatch(10, 9, 2024), -1, 1, 0);
    L.But(1, A, 50);
    L.But(2, A, 20);
    L.Championnat.JourneeJouee = 2;
    const TTableMinutes T = CalculeSeriesMinutes(L.Championnat);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Courante, 40);
    EXPECT_EQ(L.Serie(T, A, SansMarquer).Meilleure, 50 + 70);
}

TEST(InfoEquipesAffluences, TheEarliestOfEqualAttendancesIsTheRecord)
{
    Ligue L;
    L.Match(1, A, B, 1, 0);
    L.Match(1, C, D, 0, 0);
    L.Match(2, A, C, 2, 2);
    L.Match(3, B, A, 1, 1);
    L.Championnat.SetAffluence(1, 1, 5000);
    L.Championnat.SetAffluence(2, 1, 5000);
    L.Championnat.SetAffluence(3, 1, 9000); // B at home
    L.Championnat.JourneeJouee = 3;
    const std::vector<TRecordAffluence> R = RecordsAffluence(L.Championnat);
    ASSERT_EQ(R.size(), 4u);
    EXPECT_EQ(R[A].Jour, 1);
    EXPECT_EQ(R[A].Match, 1);
    EXPECT_EQ(R[A].Affluence, 5000);
    EXPECT_EQ(R[B].Affluence, 9000);
    EXPECT_EQ(R[C].Jour, 0); // no attendance above 0
    EXPECT_EQ(R[D].Jour, 0);
}

TEST(InfoEquipesCompositions, DistinctPlayersLineUpsAndCompleteSubstitutions)
{
    Ligue L;
    L.Match(1, A, B, 1, 0);
    L.Match(2, C, A, 0, 0);
    L.Match(3, A, D, 0, 0);
    L.Championnat.JourneeJouee = 3;
    auto& Ch = L.Championnat;
    for (int Jour : {1, 2}) {
        Ch.SetCompoMatch(Jour, A, 20, 0xFF00);
        for (int Mot = 1; Mot <= 11; ++Mot)
            Ch.SetCompoMatch(Jour, A, Mot, static_cast<uint16_t>(Mot + (Jour == 2 && Mot == 11 ? 100 : 0)));
    }
    // Day 1: one complete pair and one half; day 2: two complete pairs.
    Ch.SetCompoMatch(1, A, 12, 5), Ch.SetCompoMatch(1, A, 13, 50), Ch.SetCompoMatch(1, A, 14, 6);
    Ch.SetCompoMatch(2, A, 12, 5), Ch.SetCompoMatch(2, A, 13, 50);
    Ch.SetCompoMatch(2, A, 16, 7), Ch.SetCompoMatch(2, A, 17, 51);
    // Day 3's words without the line-up entered do not count.
    Ch.SetCompoMatch(3, A, 1, 99);
    const std::vector<TComptesCompos> Comptes = CompteCompositions(Ch);
    EXPECT_EQ(Comptes[A].Compos, 2);
    EXPECT_EQ(Comptes[A].Joueurs, 11 + 1 + 2); // 1..11, 111, 50 and 51
    EXPECT_EQ(Comptes[A].Remplacements, 3);
    EXPECT_DOUBLE_EQ(RemplacementsParMatch(Comptes[A]), 1.5);
    EXPECT_EQ(Comptes[B].Compos, 0);
    EXPECT_EQ(Comptes[B].Joueurs, 0);
    EXPECT_DOUBLE_EQ(RemplacementsParMatch(Comptes[B]), 0.0);
}

TEST(InfoEquipesCompositions, EqualKeysPutTheLaterTeamFirst)
{
    EXPECT_EQ(OrdreCroissant({3, 1, 3, 0, 1}), (std::vector<int>{3, 4, 1, 2, 0}));
    EXPECT_TRUE(OrdreCroissant({}).empty());
}

TEST(InfoEquipesStatistiques, ValuesFromThePlayersCounters)
{
    FakeSaison S;
    TJoueur* J = S.AjouteJoueur(1, "Roux", "Paul", 1);
    J->SetStat(2, 1, 7);
    EXPECT_EQ(ValeurStatistique(*J, 2, 0), 7);
    EXPECT_EQ(ValeurStatistique(*J, 2, 1), 35);
    EXPECT_EQ(ValeurStatistique(*J, 1, 0), 0);
    // Ratios without attempts and statistics outside 0..7 read 0.
    EXPECT_EQ(ValeurStatistique(*J, 2, 3), 0);
    EXPECT_EQ(ValeurStatistique(*J, 2, 8), 0);
    EXPECT_EQ(ValeurStatistique(*J, 2, -1), 0);
}

} // namespace
