#include "model/Penalites.h"

#include <gtest/gtest.h>

TEST(Penalites, NetPointsRecordOnDayZero)
{
    TPenalites p;
    p.AjoutePoints(7, -3);
    p.AjoutePoints(7, 5);
    ASSERT_EQ(p.Nombre(), 1);
    EXPECT_EQ(p.Get(0)->Type, TPenalite::Ajout);
    EXPECT_EQ(p.Get(0)->Valeur1, 2);
    EXPECT_EQ(p.Get(0)->Journee, 0);
    EXPECT_EQ(p.Get(0)->Equipe2, 0);
    p.AjoutePoints(7, -10);
    EXPECT_EQ(p.Get(0)->Type, TPenalite::Retrait);
    EXPECT_EQ(p.Get(0)->Valeur1, 8);
    // The net cannot leave its byte: it stops at the limit instead of wrapping.
    p.AjoutePoints(8, 200);
    p.AjoutePoints(8, 200);
    EXPECT_EQ(p.Cherche(8, 0, 0)->Valeur1, 255);
    EXPECT_EQ(p.Cherche(8, 0, 0)->Type, TPenalite::Ajout);
    p.AjoutePoints(9, -300);
    EXPECT_EQ(p.Cherche(9, 0, 0)->Valeur1, 255);
    EXPECT_EQ(p.Cherche(9, 0, 0)->Type, TPenalite::Retrait);
}

TEST(Penalites, DayOrderNewestFirstAndLookups)
{
    TPenalites p;
    p.AjouteMatch(1, 2, 3, 0, 2);
    p.AjouteMatch(3, 4, 1, 1, 4);
    p.Ajoute(5, 6, 2, 0, 4, TPenalite::ResultatAttribue); // any type is kept
    p.AjouteMatch(7, 8, 0, 0, 3);
    ASSERT_EQ(p.Nombre(), 4);
    EXPECT_EQ(p.Get(0)->Journee, 2);
    EXPECT_EQ(p.Get(1)->Journee, 3);
    EXPECT_EQ(p.Get(2)->Equipe1, 5); // before the earlier day-4 record
    EXPECT_EQ(p.Get(2)->Type, TPenalite::ResultatAttribue);
    EXPECT_EQ(p.Get(4), nullptr);
    EXPECT_EQ(p.GetJournee(4).size(), 2u);
    EXPECT_TRUE(p.GetJournee(9).empty());
    EXPECT_EQ(p.Cherche(3, 4, 4)->Valeur1, 1);
    EXPECT_EQ(p.Cherche(3, 4, 3), nullptr);
    EXPECT_EQ(p.Cherche(4, 3, 4), nullptr);
    p.SupprimeJournee(4);
    EXPECT_EQ(p.Nombre(), 2);
}

TEST(GroupeEquipe, KeepsEachTeamOnce)
{
    TGroupeEquipe g("Poule A");
    g.AjouteEquipe(4);
    g.AjouteEquipe(2);
    g.AjouteEquipe(4);
    EXPECT_EQ(g.NbEquipe(), 2);
    EXPECT_EQ(g.GetEquipe(1), 2);
    EXPECT_EQ(g.GetEquipe(2), -1);
}

TEST(Barrage, RoundsAndDivisions)
{
    TDonneesBarrage b;
    TTourCoupe* t = b.AjouteTour(2, 2);
    EXPECT_EQ(t->GetNumero(), 1);
    EXPECT_EQ(b.AjouteTour(1, 1)->GetNumero(), 2);
    EXPECT_EQ(t->AjouteMatch(1, 2, 0, 0), 1);
    EXPECT_EQ(t->AjouteMatch(3, 4, 5, 6), 2);
    EXPECT_EQ(t->AjouteMatch(7, 8, 0, 0), -1);
    EXPECT_EQ(t->GetMatchs()[1].Valeur4, 6);
    EXPECT_EQ(b.GetTour(3), nullptr);
    b.AjouteDivision({{1, 2}}, 10);
    b.SetPlacesDivision({{3, 4}, {5, 6}}, 10);
    ASSERT_EQ(b.GetDivision(0)->Places.size(), 2u);
    EXPECT_EQ(b.GetDivision(0)->Places[1].Max, 6);
    EXPECT_EQ(b.GetDivision(1), nullptr);
    b.SetOption(19, 9);
    EXPECT_EQ(b.GetOption(19), 0);
}
