#include "presentation/ScoresDirect.h"

#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Four teams A-D (ids 0-3) at 3/1/0 points: day 1 A-B 1-0 and C-D 0-0 saved,
// the current day 2 holds A-C and B-D without scores.
class ScoresDirectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TDonneesChampionnat* c = Saison->GetChampCourant();
        c->AjouteMatch(1, 0, 1, -1, 1, 0);
        c->AjouteMatch(1, 2, 3, -1, 0, 0);
        c->AjouteMatch(2, 0, 2, -1, X, X);
        c->AjouteMatch(2, 1, 3, -1, X, X);
        c->JourneeJouee = 1;
        c->NbJournee = 2;
        Direct.OnModification = [this] { ++Modifications; };
        Direct.Remplit();
    }

    TDonneesChampionnat& Champ() { return *Saison->GetChampCourant(); }
    uint16_t Score(int match, int cote) { return Champ().GetMatch(2, match)->GetScore(cote); }
    // Points by team name of the live standings.
    std::map<std::string, std::string> Points()
    {
        TModeleGrille g;
        Direct.AfficheClassement(g);
        std::map<std::string, std::string> p;
        int colNom = -1, colPoints = -1;
        for (int c = 0; c < g.GetColCount(); ++c) {
            if (g.GetTexte(c, 1) == "A" || g.GetTexte(c, 1) == "B" || g.GetTexte(c, 1) == "C" ||
                g.GetTexte(c, 1) == "D")
                colNom = c;
        }
        colPoints = colNom + 1;
        for (int r = 1; r < g.GetRowCount(); ++r)
            p[g.GetTexte(colNom, r)] = g.GetTexte(colPoints, r);
        return p;
    }

    std::unique_ptr<TSaisonFootball> Saison = testsupport::CreeLigueABCD(3);
    TScoresDirect Direct{Saison.get()};
    int Modifications = 0;
};

TEST_F(ScoresDirectTest, ListsTheCompleteMatchesOfTheCurrentDay)
{
    ASSERT_EQ(Direct.NbMatchs(), 2);
    EXPECT_EQ(Direct.GetElement(0)->Texte, std::string("00   \x05") + "A - C");
    EXPECT_EQ(Direct.GetElement(1)->Texte, std::string("01   \x01") + "B - D");
    EXPECT_EQ(Direct.GetSelection(), 0);
    EXPECT_EQ(Direct.NomEquipe(0), "A");
    EXPECT_EQ(Direct.NomEquipe(1), "C");
    EXPECT_EQ(Direct.TexteScore(0), "");
    EXPECT_EQ(Direct.TexteScore(1), "");
    EXPECT_EQ(Direct.GetElement(2), nullptr);
}

TEST_F(ScoresDirectTest, AGoalCountsInTheLiveStandingsAndRemovalTakesItBack)
{
    ASSERT_TRUE(Direct.Plus(0));
    EXPECT_EQ(Score(1, 0), 1);
    EXPECT_EQ(Score(1, 1), 0);
    EXPECT_EQ(Modifications, 1);
    EXPECT_EQ(Direct.TexteScore(0), "1");
    EXPECT_EQ(Direct.TexteScore(1), "0");
    EXPECT_EQ(Direct.DernierJourClassement(), 2);
    const std::map<std::string, std::string> apres{{"A", "6"}, {"B", "0"}, {"C", "1"}, {"D", "1"}};
    EXPECT_EQ(Points(), apres);

    ASSERT_TRUE(Direct.Retire());
    EXPECT_EQ(Score(1, 0), X);
    EXPECT_EQ(Score(1, 1), X);
    EXPECT_EQ(Modifications, 2);
    const std::map<std::string, std::string> avant{{"A", "3"}, {"B", "0"}, {"C", "1"}, {"D", "1"}};
    EXPECT_EQ(Points(), avant);
}

TEST_F(ScoresDirectTest, StepsStayWithinTheScoreBounds)
{
    EXPECT_FALSE(Direct.Moins(0));
    EXPECT_EQ(Score(1, 0), X);
    ASSERT_TRUE(Direct.Plus(0));
    EXPECT_FALSE(Direct.Moins(1));
    EXPECT_EQ(Score(1, 1), 0);
    EXPECT_EQ(Modifications, 1);
    ASSERT_TRUE(Direct.Moins(0));
    EXPECT_EQ(Score(1, 0), 0);

    Champ().GetMatch(2, 1)->SetScore(1, 255);
    EXPECT_FALSE(Direct.Plus(1));
    EXPECT_EQ(Score(1, 1), 255);
    EXPECT_FALSE(Direct.Plus(2));
}

TEST_F(ScoresDirectTest, RemovingAnotherItemLeavesTheSelectedMatchAlone)
{
    ASSERT_TRUE(Direct.Plus(0));
    Direct.Selectionne(1);
    EXPECT_EQ(Direct.GetSelection(), 1);
    ASSERT_TRUE(Direct.Retire());
    EXPECT_EQ(Score(1, 0), 1);
    EXPECT_EQ(Score(1, 1), 0);
    EXPECT_EQ(Score(2, 0), X);
    EXPECT_EQ(Score(2, 1), X);
    ASSERT_EQ(Direct.NbMatchs(), 1);
    EXPECT_EQ(Direct.GetElement(0)->Texte[5], '\x05');
    EXPECT_EQ(Direct.GetSelection(), -1);
    EXPECT_EQ(Direct.NomEquipe(0), "");
    // With no selected match the buttons do nothing.
    EXPECT_FALSE(Direct.Plus(0));
    EXPECT_FALSE(Direct.Retire());
}

TEST_F(ScoresDirectTest, CupScoresAreSteppedWithoutTheQualifiedFlag)
{
    Champ().GetMatch(2, 1)->SetScore(0, 2 | 0x8000);
    Champ().GetMatch(2, 1)->SetScore(1, 1);
    EXPECT_EQ(Direct.TexteScore(0), "2");
    EXPECT_EQ(Direct.TexteScore(1), "1");
    ASSERT_TRUE(Direct.Plus(1));
    EXPECT_EQ(Score(1, 0), 2);
    EXPECT_EQ(Score(1, 1), 2);
}

TEST_F(ScoresDirectTest, NothingToFollowGivesAnEmptyList)
{
    TScoresDirect SansSaison(nullptr);
    SansSaison.Remplit();
    EXPECT_EQ(SansSaison.NbMatchs(), 0);
    EXPECT_FALSE(SansSaison.Plus(0));
    TModeleGrille g;
    SansSaison.AfficheClassement(g);
    EXPECT_EQ(g.GetRowCount(), 0);

    // A day without a complete match, and day 0 read as day 1.
    Champ().AjouteMatch(3, 0, 1, -1, X, X);
    Champ().GetMatch(3, 1)->SetEquipe(1, X);
    Champ().NbJournee = 3;
    Direct.Remplit();
    EXPECT_EQ(Direct.NbMatchs(), 0);
    EXPECT_FALSE(Direct.Moins(0));
    Champ().NbJournee = 0;
    Direct.Remplit();
    ASSERT_EQ(Direct.NbMatchs(), 2);
    EXPECT_EQ(Direct.NomEquipe(1), "B");
}

} // namespace
