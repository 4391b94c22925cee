#include "engine/DecisionCoupe.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CoupeTest.h"
#include "support/MessagesScriptes.h"

namespace {

using namespace DecisionCoupe;
enum { A, B, C, D, E, F };

class Decision : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
};

TEST_F(Decision, ReplayedRoundDecidedOnItsFirstMatchPairsIntoTheNextRoundsFirstDay)
{
    TCoupeTest t(4, {Tour(2, 2, 3), Tour(1, 1, 1)});
    ASSERT_EQ(TypeJour(t.Coupe, 1), 0x43);
    ASSERT_EQ(TypeJour(t.Coupe, 2), 0xC3);
    t.Match(1, A, B), t.Match(1, C, D);

    EXPECT_EQ(t.Saisit(1, 0, "2", "1").Qualifie, 0);
    // The partner tie is still unknown: nothing is paired yet.
    EXPECT_TRUE(t.Journee(3).empty());
    EXPECT_EQ(t.Saisit(1, 1, "0", "1").Qualifie, 1);

    // The replay day belongs to the same round and stays empty.
    EXPECT_TRUE(t.Journee(2).empty());
    EXPECT_EQ(t.Journee(3), (Paires{{A, D}}));
}

TEST_F(Decision, ReplayedDrawnMatchAddsTheReplayAndTheReplayIsDecidedOnPenalties)
{
    TCoupeTest t(4, {Tour(2, 2, 3), Tour(1, 1, 1)});
    t.Match(1, A, B), t.Match(1, C, D);

    const TLigneCoupe nul = t.Saisit(1, 0, "1", "1");
    EXPECT_EQ(nul.Qualifie, 2);
    EXPECT_EQ(t.NbDemandes, 0);
    EXPECT_EQ(t.Journee(2), (Paires{{B, A}}));
    t.Saisit(1, 1, "3", "0");
    EXPECT_TRUE(t.Journee(3).empty());

    t.Reponses = {(3 << 16) + 4};
    const TLigneCoupe replay = t.Saisit(2, 0, "0", "0");
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(replay.Info, "(3 - 4 aux tirs au but)");
    EXPECT_EQ(replay.Qualifie, 1);
    // The tie's slot is its row on the round's first day: A came from row 0.
    EXPECT_EQ(t.Journee(3), (Paires{{A, C}}));
}

TEST_F(Decision, TwoLegsWithADeciderCountLegsWonAndAddTheDeciderOnlyWhenLevel)
{
    TCoupeTest t(4, {Tour(2, 2, 4), Tour(1, 1, 1)});
    ASSERT_EQ(TypeJour(t.Coupe, 2), 0x84);
    t.Match(1, A, B, 2, 0), t.Match(1, C, D, 1, 0);
    t.Match(2, B, A), t.Match(2, D, C);

    EXPECT_EQ(t.Saisit(2, 0, "0", "1").Qualifie, 1);
    EXPECT_TRUE(t.Journee(4).empty());
    EXPECT_EQ(t.Saisit(2, 1, "2", "0").Qualifie, 2);
    // One leg each: the decider, home side the away team of the second leg.
    EXPECT_EQ(t.Journee(3), (Paires{{C, D}}));

    t.Reponses = {(5 << 16) + 4};
    const TLigneCoupe belle = t.Saisit(3, 0, "1", "1");
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(belle.Qualifie, 0);
    EXPECT_EQ(t.Journee(4), (Paires{{A, C}}));
}

TEST_F(Decision, TwoLegFirstRoundWithByesPairsEachWinnerWithItsByeInSlotOrder)
{
    TCoupeTest t(6, {Tour(3, 2, 2), Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Coupe.AjouteMatchSuiv(1, TCoupeTest::Id(E), 65535);
    t.Coupe.AjouteMatchSuiv(3, TCoupeTest::Id(F), 65535);
    t.Match(1, A, B, 1, 0), t.Match(1, C, D, 2, 2);
    t.Match(2, B, A), t.Match(2, D, C);

    EXPECT_EQ(t.Saisit(2, 1, "0", "1").Qualifie, 1);
    EXPECT_EQ(t.Journee(3), (Paires{{F, C}}));
    EXPECT_EQ(t.Saisit(2, 0, "1", "1").Qualifie, 1);
    EXPECT_EQ(t.Journee(3), (Paires{{E, A}, {F, C}}));
    EXPECT_TRUE(t.Journee(4).empty());
}

TEST_F(Decision, TwoLegsLevelOnAggregateGoThroughOnAwayGoalsWithoutAShootOut)
{
    TCoupeTest t(4, {Tour(2, 2, 2), Tour(1, 1, 1)});
    ASSERT_EQ(TypeJour(t.Coupe, 1), 0x42);
    ASSERT_EQ(TypeJour(t.Coupe, 2), 0x82);
    t.Match(1, A, B, 2, 1), t.Match(1, C, D, 0, 0);
    t.Match(2, B, A), t.Match(2, D, C);

    t.Saisit(2, 1, "1", "3");
    const TLigneCoupe retour = t.Saisit(2, 0, "1", "0");
    EXPECT_EQ(retour.Qualifie, 0);
    EXPECT_EQ(t.NbDemandes, 0);
    EXPECT_TRUE(retour.Info.empty());
    EXPECT_EQ(t.Journee(3), (Paires{{B, C}}));

    // Level on aggregate and on away goals: a shoot-out.
    t.Coupe.SupprimeMatch(3, TCoupeTest::Id(B), TCoupeTest::Id(C));
    EXPECT_EQ(t.Saisit(2, 0, "2", "1").Qualifie, 2);
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_TRUE(t.Journee(3).empty());
}

TEST_F(Decision, FirstLegChangesNothingNotEvenTheLabel)
{
    TCoupeTest t(2, {Tour(1, 1, 2)});
    t.Match(1, A, B);
    TLigneCoupe l = t.Ligne(1, 0);
    l.Score1 = "1", l.Score2 = "1";
    l.Info = "ancien", l.TirsAuBut = 7, l.Qualifie = 0;
    t.Coupe.NbJournee = 1;
    EXPECT_FALSE(ScoreExit(t.Coupe, t.Saison, 0, l, t.Demande()));
    EXPECT_EQ(l.Info, "ancien");
    EXPECT_EQ(l.TirsAuBut, 7);
    EXPECT_EQ(l.Qualifie, 0);
    EXPECT_TRUE(t.Journee(2).empty());
}

TEST_F(Decision, LevelSingleMatchAsksForTheShootOutOnceAndItDecides)
{
    TCoupeTest t(4, {Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Match(1, A, B), t.Match(1, C, D);
    t.Coupe.NbJournee = 1;

    TLigneCoupe l = t.Ligne(1, 0);
    l.Score1 = "1", l.Score2 = "1";
    t.Reponses = {(4 << 16) + 3};
    ScoreExit(t.Coupe, t.Saison, 0, l, t.Demande());
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(l.Info, "(4 - 3 aux tirs au but)");
    EXPECT_EQ(l.TirsAuBut, (4 << 16) + 3);
    EXPECT_EQ(l.Qualifie, 0);
    // Leaving the edit again keeps the shoot-out.
    ScoreExit(t.Coupe, t.Saison, 0, l, t.Demande());
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(l.Qualifie, 0);

    // "1" and "01" differ as texts: no shoot-out, and 1 is not more than 1.
    TLigneCoupe autre = t.Ligne(1, 1);
    autre.Score1 = "1", autre.Score2 = "01";
    autre.Info = "(2 - 1 aux tirs au but)", autre.TirsAuBut = (2 << 16) + 1;
    ScoreExit(t.Coupe, t.Saison, 1, autre, t.Demande(), [&](int ligne) { return ligne == 0 ? l.Qualifie : 2; });
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(autre.Qualifie, 1);
    EXPECT_EQ(autre.TirsAuBut, 0);
    EXPECT_TRUE(autre.Info.empty());
    // Row 0 is not saved yet: its side comes from the page's rows.
    EXPECT_EQ(t.Journee(2), (Paires{{A, D}}));
}

TEST_F(Decision, ShootOutLeftUnansweredQualifiesNobodyAndClearsAStaleSide)
{
    TCoupeTest t(4, {Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Match(1, A, B, 2, 1), t.Match(1, C, D, 1, 0);
    t.Coupe.SetQualifie(1, TCoupeTest::Id(A), TCoupeTest::Id(B), 0);
    t.Coupe.SetQualifie(1, TCoupeTest::Id(C), TCoupeTest::Id(D), 0);

    const TLigneCoupe l = t.Saisit(1, 0, "1", "1");
    EXPECT_EQ(t.NbDemandes, 1);
    EXPECT_EQ(l.Qualifie, 2);
    EXPECT_EQ(l.TirsAuBut, 0);
    EXPECT_EQ(t.Coupe.GetQualifie(1, TCoupeTest::Id(A), TCoupeTest::Id(B)), 2);
    EXPECT_TRUE(t.Journee(2).empty());
}

TEST_F(Decision, BestOfSevenWonFourOneAddsNoGameAndPairsTheWinners)
{
    TCoupeTest t(4, {Tour(2, 2, 7), Tour(1, 1, 1)});
    ASSERT_EQ(TypeJour(t.Coupe, 5), 0x97);
    // A - B: A wins games 1 to 3, B game 4. C - D: C wins games 1 to 3.
    t.Match(1, A, B, 1, 0), t.Match(1, C, D, 2, 0);
    t.Match(2, A, B, 2, 0), t.Match(2, C, D, 1, 0);
    t.Match(3, B, A, 0, 1), t.Match(3, D, C, 0, 3);
    t.Match(4, B, A, 2, 0), t.Match(4, D, C);
    t.Match(5, A, B), t.Match(5, C, D);

    // Four games to none: the game already set for day 5 goes.
    EXPECT_EQ(t.Saisit(4, 1, "0", "1").Qualifie, 1);
    EXPECT_EQ(t.Journee(5), (Paires{{A, B}}));
    EXPECT_TRUE(t.Journee(8).empty());

    EXPECT_EQ(t.Saisit(5, 0, "3", "1").Qualifie, 0);
    EXPECT_TRUE(t.Journee(6).empty());
    EXPECT_EQ(t.Journee(8), (Paires{{A, C}}));
}

TEST_F(Decision, OpenSeriesAddsTheNextGame)
{
    TCoupeTest sept(2, {Tour(2, 1, 7), Tour(1, 1, 1)});
    sept.Match(1, A, B, 1, 0), sept.Match(2, A, B, 0, 1);
    sept.Match(3, B, A, 0, 1), sept.Match(4, B, A, 1, 0);
    sept.Match(5, A, B);
    // Three games to two: still open, game 6 with the sides swapped.
    EXPECT_EQ(sept.Saisit(5, 0, "2", "1").Qualifie, 2);
    EXPECT_EQ(sept.Journee(6), (Paires{{B, A}}));

    // Best of five, game 4 (two all): game 5 keeps the sides of game 4.
    TCoupeTest cinq(2, {Tour(2, 1, 6), Tour(1, 1, 1)});
    ASSERT_EQ(TypeJour(cinq.Coupe, 4), 0x76);
    cinq.Match(1, A, B, 1, 0), cinq.Match(2, A, B, 0, 1), cinq.Match(3, B, A, 0, 1);
    cinq.Match(4, B, A);
    EXPECT_EQ(cinq.Saisit(4, 0, "2", "0").Qualifie, 2);
    EXPECT_EQ(cinq.Journee(5), (Paires{{B, A}}));

    // Best of five three games to none: decided after three.
    TCoupeTest net(2, {Tour(1, 1, 6)});
    net.Match(1, A, B, 1, 0), net.Match(2, A, B, 2, 0), net.Match(3, B, A);
    EXPECT_EQ(net.Saisit(3, 0, "0", "1").Qualifie, 1);
    EXPECT_TRUE(net.Journee(4).empty());
}

TEST_F(Decision, DecisionTableEdges)
{
    TCoupeTest t(2, {Tour(1, 1, 5)});
    ASSERT_EQ(TypeJour(t.Coupe, 3), 0x55);
    // A deciding game that ends level goes to team 2.
    EXPECT_EQ(Decide(t.Coupe, 3, 1, 2, 1, 1, true), TIssue::Equipe2);
    EXPECT_EQ(Decide(t.Coupe, 1, 1, 2, 5, 0, false), TIssue::PasDeDecision);
    // A day without a record has no rule.
    EXPECT_EQ(Decide(t.Coupe, 9, 1, 2, 5, 0, false), TIssue::SansRegle);
}

TEST_F(Decision, UnknownTeamNamesDecideTheRowButAddNothing)
{
    TCoupeTest t(4, {Tour(2, 2, 3), Tour(1, 1, 1)});
    t.Coupe.NbJournee = 1;
    TLigneCoupe l;
    l.Equipe1 = "Inconnue", l.Equipe2 = t.Nom(B);
    l.Score1 = "0", l.Score2 = "0";
    EXPECT_FALSE(ScoreExit(t.Coupe, t.Saison, 0, l, t.Demande()));
    EXPECT_EQ(l.Qualifie, 2);
    EXPECT_TRUE(t.Journee(2).empty());
    // Names are compared folded.
    EXPECT_EQ(IdEquipeNom(t.Coupe, t.Saison, " e3"), -1);
    EXPECT_EQ(IdEquipeNom(t.Coupe, t.Saison, "é3"), TCoupeTest::Id(C));
}

TEST_F(Decision, RetypedSemiFinalsAlwaysLeaveExactlyTheTwoWinnersInTheFinal)
{
    TCoupeTest t(4, {Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Match(1, A, B), t.Match(1, C, D);
    testsupport::TMessagesScriptes messages;

    t.Saisit(1, 0, "2", "0");
    t.Saisit(1, 1, "1", "0");
    EXPECT_EQ(t.Journee(2), (Paires{{A, C}}));
    t.Saisit(1, 1, "1", "2");
    EXPECT_EQ(t.Journee(2), (Paires{{A, D}}));
    t.Saisit(1, 0, "0", "3");
    EXPECT_EQ(t.Journee(2), (Paires{{B, D}}));
    t.Saisit(1, 1, "4", "1");
    EXPECT_EQ(t.Journee(2), (Paires{{B, C}}));
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(Decision, AWinnerIsNeverPairedWithItselfAndTheUserIsTold)
{
    // A bye into the final's slot given to a team that also plays a semi-final.
    TCoupeTest t(4, {Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Match(1, A, B), t.Match(1, C, D);
    t.Coupe.AjouteMatchSuiv(2, TCoupeTest::Id(C), 65535);
    testsupport::TMessagesScriptes messages;

    const TLigneCoupe l = t.Saisit(1, 1, "2", "1");
    EXPECT_EQ(l.Qualifie, 0);
    EXPECT_TRUE(t.Journee(2).empty());
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, "« E3 » serait opposée à elle-même au tour suivant après le match E3 - E4 : "
                                          "cette rencontre n'est pas créée.");
    // The other winner still goes nowhere wrong.
    t.Saisit(1, 1, "0", "1");
    EXPECT_EQ(t.Journee(2), (Paires{{C, D}}));
    EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST_F(Decision, NoPairingLeavesTheFinalOrADayPastTheLastRound)
{
    // Two rounds recorded in the cup's options; the calendar holds two more
    // day records that belong to no round of it.
    TCoupeTest t(4, {Tour(2, 2, 1), Tour(1, 1, 1)});
    t.Coupe.SetOption(1, 2);
    t.Coupe.AjouteTourCoupe(Tour(3, 2, 1));
    t.Coupe.AjouteTourCoupe(Tour(4, 1, 1));
    t.Coupe.SetNbJour(4);
    // The final and the third-place match.
    t.Match(2, A, D), t.Match(2, B, C);

    t.Saisit(2, 0, "3", "1");
    t.Saisit(2, 1, "2", "0");
    EXPECT_TRUE(t.Journee(3).empty());

    t.Match(3, A, C), t.Match(3, B, D);
    t.Saisit(3, 0, "1", "0");
    t.Saisit(3, 1, "1", "0");
    EXPECT_TRUE(t.Journee(4).empty());

    // Without the option, the first day's round gives the number of rounds.
    t.Coupe.SetOption(1, 0);
    t.Saisit(2, 0, "0", "2");
    t.Saisit(3, 1, "0", "2");
    EXPECT_EQ(t.Journee(3), (Paires{{A, C}, {B, D}}));
    EXPECT_TRUE(t.Journee(4).empty());
}

} // namespace
