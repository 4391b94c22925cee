#include "engine/FicheMatch.h"

#include <gtest/gtest.h>

#include "engine/LigueTest.h"
#include "files/Stats.h"
#include "model/infocomp.h"

#include <memory>
#include <vector>

namespace {

using namespace FicheMatch;
enum { A, B, C, D };

struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest({"Arles", "Brest", "Caen", "Dijon"}, 8, 2) {}
    void Prevu(int jour, int dom, int ext)
    {
        Championnat.AjouteMatch(jour, Id(dom), Id(ext), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    }
};

// An archive of the four names, seasons newest first from 2024; Joue(i)
// says whether Arles met Brest at home in season i (2-1 then 1-1 alternately).
std::unique_ptr<TStat> Archive(int NbSaisons, const std::vector<bool>& Joue)
{
    auto Stat = std::make_unique<TStat>();
    for (const char* Nom : {"ARLES", "Brest", "Caen", "Dijon"})
        Stat->NumeroEquipe(Nom);
    for (int I = 0; I < NbSaisons; ++I) {
        auto S = std::make_unique<TSaisonStat>(4, 124 - I);
        for (int N = 0; N < 4; ++N)
            S->AjouteEquipe(N);
        if (Joue[static_cast<size_t>(I)])
            S->SetScore(0, 1, static_cast<uint8_t>(I % 2 == 0 ? 2 : 1), 1);
        Stat->AjouteSaison(std::move(S));
    }
    return Stat;
}

TEST(FicheMatch, HeadToHeadCountsAtMostNPlayedMeetingsNewestFirst)
{
    Ligue L;
    // The second season has no meeting: the first, third and fourth count.
    const auto Stat = Archive(5, {true, false, true, true, true});
    const std::vector<TRencontre> R = Rencontres(*Stat, "Arles", "Brest", 3);
    ASSERT_EQ(R.size(), 3u);
    EXPECT_EQ(R[0].Annee, 2024);
    EXPECT_EQ(R[1].Annee, 2022);
    EXPECT_EQ(R[2].Annee, 2021);
    const TBilan Bilan = CompterConfrontations(L.Saison, L.Championnat, A, B, 3, Stat.get());
    EXPECT_EQ(Bilan.Victoires, 2); // 2024 and 2022: 2-1
    EXPECT_EQ(Bilan.Nuls, 1);      // 2021: 1-1
    EXPECT_EQ(Bilan.Defaites, 0);
    // The return match is another meeting: Brest never played at Arles.
    EXPECT_EQ(CompterConfrontations(L.Saison, L.Championnat, B, A, 3, Stat.get()).Total(), 0);
    // A team missing from the name table matches nothing, and no archive counts nothing.
    L.Saison.Equipes[L.Id(A)] = "Avignon";
    EXPECT_EQ(CompterConfrontations(L.Saison, L.Championnat, A, B, 3, Stat.get()).Total(), 0);
    EXPECT_EQ(CompterConfrontations(L.Saison, L.Championnat, A, B, 3, nullptr).Total(), 0);
    EXPECT_TRUE(Rencontres(*Stat, "Arles", "Brest", 0).empty());
}

TEST(FicheMatch, SidesShowTheirVenueTableUnlessGeneralOrNeutral)
{
    Ligue L;
    L.Match(1, A, B, 2, 1);
    L.Match(1, C, D, 0, 0);
    L.Match(2, B, C, 3, 0);
    L.Match(2, D, A, 1, 1);
    L.Championnat.JourneeJouee = 2;
    // Arles: general 4 points, first; at home one win of 2-1, behind Brest's 3-0.
    TCoteFiche Cote = CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, false, true);
    EXPECT_EQ(Cote.PositionGenerale, 1);
    EXPECT_EQ(Cote.Position, 2);
    EXPECT_EQ(Cote.Victoires, 1);
    EXPECT_EQ(Cote.Nuls, 0);
    EXPECT_EQ(Cote.ButsPour, 2);
    EXPECT_EQ(Cote.ButsContre, 1);
    ASSERT_EQ(Cote.Derniers.size(), 1u); // its home match only
    EXPECT_EQ(Cote.Derniers[0].Domicile, L.Id(A));
    // Brest away: one defeat; overall it won too.
    Cote = CalculeCote(L.Saison, L.Championnat, B, CoteExterieur, false, true);
    EXPECT_EQ(Cote.Victoires, 0);
    EXPECT_EQ(Cote.Defaites, 1);
    Cote = CalculeCote(L.Saison, L.Championnat, B, CoteExterieur, true, true);
    EXPECT_EQ(Cote.Victoires, 1);
    EXPECT_EQ(Cote.Defaites, 1);
    ASSERT_EQ(Cote.Derniers.size(), 2u);
    EXPECT_EQ(Cote.Derniers[0].ButsDomicile, 3); // newest first
    // Neutral grounds show every side overall, whatever the user chose.
    EXPECT_FALSE(ModeGeneral(L.Championnat, false));
    EXPECT_TRUE(ModeGeneral(L.Championnat, true));
    L.Championnat.SetOption(11, 2);
    EXPECT_TRUE(ModeGeneral(L.Championnat, false));
}

TEST(FicheMatch, SeriesAndLastFiveResults)
{
    Ligue L;
    // Arles: a defeat, then three wins conceding every time; then two more days before them.
    L.Match(1, A, B, 0, 0);
    L.Match(2, C, A, 0, 1);
    L.Match(3, A, D, 0, 2);
    L.Match(4, A, B, 2, 1);
    L.Match(5, C, A, 1, 2);
    L.Match(6, A, D, 3, 1);
    L.Championnat.JourneeJouee = 6;
    const TCoteFiche Cote = CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, true, true);
    EXPECT_EQ(Cote.GenreSerie, 1);
    EXPECT_EQ(Cote.LongueurSerie, 3);
    EXPECT_EQ(Cote.Invaincu, 3);
    EXPECT_EQ(Cote.SansVictoire, 0);
    EXPECT_EQ(Cote.SansEncaisser, 0);
    EXPECT_EQ(Cote.SansMarquer, 0);
    ASSERT_EQ(Cote.Derniers.size(), 5u);
    EXPECT_EQ(Cote.Derniers[0].ButsDomicile, 3);
    EXPECT_EQ(Cote.Derniers[4].Domicile, L.Id(C)); // day 2
    // At home: days 6, 4, 3 and 1 only.
    const TCoteFiche Lieu = CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, false, true);
    EXPECT_EQ(Lieu.Derniers.size(), 4u);
    EXPECT_EQ(Lieu.LongueurSerie, 2);
    // A team that played twice shows two results.
    EXPECT_EQ(CalculeCote(L.Saison, L.Championnat, C, CoteExterieur, true, true).Derniers.size(), 2u);
}

TEST(FicheMatch, LastResultsFollowTheCalendarDatesWhenTheChampionshipKeepsThem)
{
    Ligue L;
    L.Championnat.SetOption(11, 1);
    // Day 2 was played before day 1.
    L.Championnat.AjouteMatchDate(1, L.Id(A), L.Id(B), EncodeDateMatch(20, 9, 2024), -1, 1, 0);
    L.Championnat.AjouteMatchDate(2, L.Id(C), L.Id(A), EncodeDateMatch(13, 9, 2024), -1, 4, 0);
    L.Championnat.JourneeJouee = 2;
    const TCoteFiche ParDates = CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, true, true);
    ASSERT_EQ(ParDates.Derniers.size(), 2u);
    EXPECT_EQ(ParDates.Derniers[0].Domicile, L.Id(A));
    const TCoteFiche ParJournees = CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, true, false);
    ASSERT_EQ(ParJournees.Derniers.size(), 2u);
    EXPECT_EQ(ParJournees.Derniers[0].Domicile, L.Id(C));
}

TEST(FicheMatch, SteppingWrapsAndSkipsFixturesLackingATeam)
{
    TLigueTest<> L({"A", "B", "C", "D", "E", "F", "G", "H"}, 2, 4);
    L.Championnat.AjouteMatch(1, L.Id(A), L.Id(B), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    L.Championnat.AjouteMatch(1, L.Id(C), L.Id(D), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    L.Championnat.AjouteMatch(1, L.Id(4), L.Id(5), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    // Fixture 4 lacks its teams.
    EXPECT_EQ(MatchVoisin(L.Championnat, 1, 3, true), 1);
    EXPECT_EQ(MatchVoisin(L.Championnat, 1, 1, false), 3);
    EXPECT_EQ(MatchVoisin(L.Championnat, 1, 1, true), 2);
    int Dom = 0, Ext = 0;
    EXPECT_TRUE(EquipesMatch(L.Championnat, 1, 3, Dom, Ext));
    EXPECT_EQ(Dom, 4);
    EXPECT_EQ(Ext, 5);
    EXPECT_FALSE(EquipesMatch(L.Championnat, 1, 4, Dom, Ext));
    EXPECT_FALSE(EquipesMatch(L.Championnat, 1, 0, Dom, Ext));
    EXPECT_FALSE(EquipesMatch(L.Championnat, 9, 1, Dom, Ext));
    // Day 2 has one fixture only: the arrows stay on it.
    L.Championnat.AjouteMatch(2, L.Id(A), L.Id(C), -1, TInfoComp::Aucun, TInfoComp::Aucun);
    EXPECT_EQ(MatchVoisin(L.Championnat, 2, 1, true), 1);
    EXPECT_EQ(MatchVoisin(L.Championnat, 2, 1, false), 1);
}

} // namespace
