#include "presentation/AjustementPoints.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "model/Penalites.h"
#include "presentation/ModeleGrille.h"

namespace {

enum { Lyon, Nice, Paris };

class AjustementPointsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        l.Match(1, Lyon, Nice, 2, 0);
        l.Match(2, Paris, Lyon, 1, 1);
        l.Championnat.JourneeJouee = 2;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    int Points(int equipe)
    {
        TCalculClassement c(&l.Championnat, &l.Saison);
        c.Calcule(TCalculClassement::General, 1, nullptr, 2);
        return c.GetTotal(equipe, 1);
    }
    TPenalites& Penalites() { return l.Championnat.GetPenalites(); }

    TLigueTest<> l{{"Lyon", "Nice", "Paris"}, 4, 1};
};

TEST_F(AjustementPointsTest, AddingEditingAndRemovingPointsMovesTheStandings)
{
    const uint16_t lyon = l.Id(Lyon), nice = l.Id(Nice);
    ASSERT_EQ(Points(Lyon), 4);
    EXPECT_TRUE(AjustementPoints::AjoutePoints(Penalites(), lyon, -5));
    EXPECT_TRUE(AjustementPoints::AjoutePoints(Penalites(), nice, 3));
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), lyon), -5);
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), nice), 3);
    EXPECT_EQ(Points(Lyon), -1);
    EXPECT_EQ(Points(Nice), 3);

    // A bonus turns the deduction round, then cancels it.
    EXPECT_TRUE(AjustementPoints::AjoutePoints(Penalites(), lyon, 7));
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), lyon), 2);
    EXPECT_EQ(Points(Lyon), 6);
    EXPECT_TRUE(AjustementPoints::AjoutePoints(Penalites(), lyon, -2));
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), lyon), 0);
    EXPECT_EQ(Points(Lyon), 4);
    EXPECT_EQ(Penalites().GetJournee(0).size(), 2u);
}

TEST_F(AjustementPointsTest, NothingChangesForZeroOrBeyondWhatARecordHolds)
{
    const uint16_t lyon = l.Id(Lyon);
    EXPECT_FALSE(AjustementPoints::AjoutePoints(Penalites(), lyon, 0));
    EXPECT_EQ(Penalites().Nombre(), 0);
    EXPECT_TRUE(AjustementPoints::AjoutePoints(Penalites(), lyon, 255));
    EXPECT_FALSE(AjustementPoints::AjoutePoints(Penalites(), lyon, 10));
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), lyon), 255);
}

TEST_F(AjustementPointsTest, OnlyDayZeroBonusesAndDeductionsOfTheTeamCount)
{
    const uint16_t lyon = l.Id(Lyon), nice = l.Id(Nice);
    Penalites().AjouteMatch(lyon, nice, 3, 0, 1);             // a result set by hand
    Penalites().Ajoute(lyon, 0, 4, 0, 2, TPenalite::Retrait); // not of day 0
    Penalites().Ajoute(nice, 0, 6, 0, 0, TPenalite::Retrait);
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), lyon), 0);
    // Two records of one team (an older file) count together, as in the standings.
    Penalites().Ajoute(nice, 0, 2, 0, 0, TPenalite::Ajout);
    EXPECT_EQ(AjustementPoints::Ajustement(Penalites(), nice), -4);
    EXPECT_EQ(Points(Nice), -4);
}

TEST_F(AjustementPointsTest, GridListsTheTeamsWithTheirAdjustmentAndTheFollowedTeamHighlighted)
{
    AjustementPoints::AjoutePoints(Penalites(), l.Id(Nice), -5);
    AjustementPoints::AjoutePoints(Penalites(), l.Id(Paris), 3);
    l.Championnat.SetOption(10, Paris);
    TModeleGrille g;
    AjustementPoints::RemplitTableau(l.Saison, l.Championnat, g);
    ASSERT_EQ(g.GetRowCount(), 4);
    ASSERT_EQ(g.GetColCount(), 2);
    EXPECT_EQ(g.GetFixedRows(), 1);
    EXPECT_EQ(g.GetFixedCols(), 0);
    EXPECT_EQ(g.GetLargeurColonne(0), 200);
    EXPECT_EQ(g.GetLargeurColonne(1), 150);
    EXPECT_EQ(g.GetTexte(0, 0), "Equipe");
    EXPECT_EQ(g.GetTexte(1, 0), "Points");
    const char* noms[] = {"Lyon", "Nice", "Paris"};
    const char* points[] = {"0", "-5", "3"};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(g.GetTexte(0, r), noms[r - 1]);
        EXPECT_EQ(g.GetTexte(1, r), points[r - 1]);
        EXPECT_EQ(g.GetAlignementH(1, r), 1);
        TColor fond = 0, texte = 0;
        CouleurLigneSelection(r, fond, texte, r == 3);
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(g.GetCouleurFond(c, r), fond) << c << "," << r;
            EXPECT_EQ(g.GetCouleurTexte(c, r), texte) << c << "," << r;
        }
    }
    EXPECT_EQ(g.GetCouleurFond(0, 3), 0x800000);

    // Only the points column follows a change.
    AjustementPoints::AjoutePoints(Penalites(), l.Id(Lyon), 2);
    AjustementPoints::RemplitPoints(l.Championnat, g);
    EXPECT_EQ(g.GetTexte(1, 1), "2");

    TLigueTest<> vide({}, 0, 0);
    AjustementPoints::RemplitTableau(vide.Saison, vide.Championnat, g);
    EXPECT_EQ(g.GetRowCount(), 1);
    EXPECT_EQ(g.GetTexte(0, 0), "Equipe");
}

} // namespace
