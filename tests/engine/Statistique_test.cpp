#include "engine/Statistique.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "engine/LigueTest.h"
#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"

namespace {

using Noms = std::vector<std::string>;
enum { A, B, C, D };
using TT = TTableSituation;

TEST(Statistique, ScoreFrequenciesMostFrequentFirst)
{
    TLigueTest<> l({"Rennes", "Brest", "Caen", "Dijon"}, 4, 2);
    l.Match(1, A, B, 2, 0), l.Match(1, C, D, 1, 1);
    l.Match(2, A, C, 0, 2), l.Match(2, B, D, 9, 1);
    l.Match(3, A, D, 2, 0), l.Match(3, B, C, 1, 1);
    l.Match(4, D, A, 1, 0);
    l.Championnat.AjouteMatch(4, 2, 3, -1, 3, 65535); // not played
    int nombre = 0;
    TFrequencesScores table;
    TStatistique::FrequenceScores(l.Championnat, nombre, table);
    EXPECT_EQ(nombre, 7);
    auto cellule = [](int a, int b) { return static_cast<uint16_t>(8 * a + b); };
    EXPECT_EQ(table[0].Frequence, 2);
    EXPECT_EQ(table[0].Score, cellule(1, 1));
    EXPECT_EQ(table[1].Frequence, 2);
    EXPECT_EQ(table[1].Score, cellule(2, 0));
    // 9-1 is counted as 7-1; the rest keep cell order.
    EXPECT_EQ(table[2].Score, cellule(0, 2));
    EXPECT_EQ(table[3].Score, cellule(1, 0));
    EXPECT_EQ(table[4].Score, cellule(7, 1));
    EXPECT_EQ(table[4].Frequence, 1);
    EXPECT_EQ(table[5].Frequence, 0);

    // On neutral grounds 0-2 and 2-0 are one score.
    l.Championnat.SetOption(11, 2);
    TStatistique::FrequenceScores(l.Championnat, nombre, table);
    EXPECT_EQ(table[0].Score, cellule(2, 0));
    EXPECT_EQ(table[0].Frequence, 3);
}

// Rennes: home 2-1 after conceding first; away 0-0; home 1-2 after leading
// at half-time; away 1-3 after scoring first.
struct LigueSituations : TLigueTest<> {
    LigueSituations() : TLigueTest({"Rennes", "Brest", "Caen", "Dijon"}, 5, 2)
    {
        Match(1, A, B, 2, 1), Buteur(1, B, 10), Buteur(1, A, 30), Buteur(1, A, 60);
        Match(2, C, A, 0, 0);
        Match(3, A, D, 1, 2), Buteur(3, A, 45), Buteur(3, D, 46), Buteur(3, D, 80);
        Match(4, B, A, 3, 1), Buteur(4, A, 5), Buteur(4, B, 20), Buteur(4, B, 20), Buteur(4, B, 70);
        Buteur(4, A, Evt::PenaltyManque | 30); // no goal
        Championnat.AjouteMatch(5, Id(A), Id(C), -1, 1, 65535);
    }
    void Buteur(int jour, int equipe, uint16_t mot) { Evenement(Championnat.GetButeursJournee(jour), equipe, mot); }
};

TEST(Statistique, ResultsByMatchSituation)
{
    LigueSituations l;
    TTableSituation t;
    int nombre = 0;
    TStatistique::CalculEquipe(l.Championnat, l.Id(A), t, nombre);
    EXPECT_EQ(nombre, 4);
    int total = 0;
    for (int r = 1; r <= 3; ++r)
        for (int s = 1; s <= 6; ++s)
            for (int v = 1; v <= 2; ++v)
                total += t.Get(r, s, v);
    EXPECT_EQ(total, 10);
    EXPECT_EQ(t.Get(TT::Victoire, TT::EncaissePremier, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Victoire, TT::EgaliteMiTemps, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Victoire, TT::Renversement, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Nul, TT::EgaliteMiTemps, TT::Exterieur), 1); // goalless: nobody scored first
    EXPECT_EQ(t.Get(TT::Defaite, TT::MarquePremier, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Defaite, TT::MeneMiTemps, TT::Domicile), 1); // the 45th minute counts
    EXPECT_EQ(t.Get(TT::Defaite, TT::Renversement, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Defaite, TT::MarquePremier, TT::Exterieur), 1);
    EXPECT_EQ(t.Get(TT::Defaite, TT::MeneeMiTemps, TT::Exterieur), 1);
    EXPECT_EQ(t.Get(TT::Defaite, TT::Renversement, TT::Exterieur), 1);
    EXPECT_EQ(t.Get(0, 1, 1), 0);

    // Brest: won 3-1 at home after conceding first, lost away after leading.
    TStatistique::CalculEquipe(l.Championnat, l.Id(B), t, nombre);
    EXPECT_EQ(nombre, 2);
    EXPECT_EQ(t.Get(TT::Victoire, TT::EncaissePremier, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Victoire, TT::MeneMiTemps, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Victoire, TT::Renversement, TT::Domicile), 1);
    EXPECT_EQ(t.Get(TT::Defaite, TT::MarquePremier, TT::Exterieur), 1);
}

TEST(Statistique, StandingsByMatchSituation)
{
    LigueSituations l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    struct Cas {
        int Genre, Gagnes, Nuls, Perdus, Points, ParMatch;
    };
    // Rennes: scored first (100-102), conceded first (103-105), level at
    // half-time (109-111), trailing at half-time (112-114).
    const Cas cas[] = {{100, 0, 0, 2, 0, 0},   {101, 0, 0, 1, 0, 0},   {103, 1, 0, 0, 3, 300},
                       {104, 1, 0, 0, 3, 300}, {105, 0, 0, 0, 0, 0},   {109, 1, 1, 0, 4, 200},
                       {110, 1, 0, 0, 3, 300}, {111, 0, 1, 0, 1, 100}, {114, 0, 0, 1, 0, 0}};
    for (const Cas& k : cas) {
        SCOPED_TRACE("kind " + std::to_string(k.Genre));
        c.Calcule(k.Genre, 1, nullptr, 5);
        EXPECT_EQ(c.GetTotal(A, 2), k.Gagnes);
        EXPECT_EQ(c.GetTotal(A, 3), k.Nuls);
        EXPECT_EQ(c.GetTotal(A, 4), k.Perdus);
        EXPECT_EQ(c.GetTotal(A, 5), k.Gagnes + k.Nuls + k.Perdus);
        EXPECT_EQ(c.GetTotal(A, 1), k.Points);
        EXPECT_EQ(c.GetTotal(A, 6), k.ParMatch);
    }
    // Sorted on points per match, names descending when level.
    c.Calcule(103, 1, nullptr, 5);
    EXPECT_EQ(Ordre(c), (Noms{"Rennes", "Dijon", "Brest", "Caen"}));
    EXPECT_EQ(Colonne(c, 2), (std::vector<int>{300, 300, 300, 0}));
}

TEST(Statistique, ResultsByMatchSituationCountOnlyMatchesWhoseGoalsAreAllEntered)
{
    LigueSituations l;
    TTableSituation t;
    int nombre = 0;
    TStatistique::CalculEquipe(l.Championnat, l.Id(A), t, nombre);
    EXPECT_EQ(t.GetClasses(TT::Domicile), 2);
    EXPECT_EQ(t.GetClasses(TT::Exterieur), 2) << "the goalless draw is classified";

    // Day 5: Rennes 2-0 Caen typed with one scorer: played, in no situation.
    l.Match(5, A, C, 2, 0);
    l.Buteur(5, A, 30);
    // Day 6: 1-1 where Rennes's goal is a Caen own goal the list credits to
    // Rennes: every goal is accounted for.
    l.Championnat.SetNbJour(7);
    l.Match(6, C, A, 1, 1);
    l.Buteur(6, C, 20);
    l.Buteur(6, A, Evt::ContreCamp | 40);
    // Day 7: a 0-1 win at Dijon whose scorer is Dijon's, credited to Dijon.
    l.Match(7, D, A, 0, 1);
    l.Buteur(7, D, 15);
    TStatistique::CalculEquipe(l.Championnat, l.Id(A), t, nombre);
    EXPECT_EQ(nombre, 7);
    EXPECT_EQ(t.GetClasses(TT::Domicile), 2);
    EXPECT_EQ(t.GetClasses(TT::Exterieur), 3);
    EXPECT_EQ(t.Get(TT::Victoire, TT::MarquePremier, TT::Domicile), 0);
    EXPECT_EQ(t.Get(TT::Victoire, TT::MeneMiTemps, TT::Domicile), 0);
    EXPECT_EQ(t.Get(TT::Victoire, TT::EgaliteMiTemps, TT::Domicile), 1) << "day 1 only";
    EXPECT_EQ(t.Get(TT::Nul, TT::EncaissePremier, TT::Exterieur), 1);
    EXPECT_EQ(t.Get(TT::Nul, TT::EgaliteMiTemps, TT::Exterieur), 2);
    for (int s = 1; s <= 6; ++s)
        EXPECT_EQ(t.Get(TT::Victoire, s, TT::Exterieur), 0) << "situation " << s;

    // The standings by situation leave the same matches out.
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(110, 1, nullptr, 7); // level at half-time, at home
    EXPECT_EQ(c.GetTotal(A, 5), 1);
    c.Calcule(106, 1, nullptr, 7); // leading at half-time
    EXPECT_EQ(c.GetTotal(A, 5), 1) << "day 3";
    c.Calcule(100, 1, nullptr, 7); // scored first
    EXPECT_EQ(c.GetTotal(A, 5), 2) << "days 3 and 4";
}

TEST(Statistique, RugbyMatchesAreClassifiedWhenTheirListsMakeUpTheScore)
{
    TLigueTest<TDonneesChampionnatRugby> l({"Agen", "Brive", "Castres"}, 2, 1);
    // 10-3: a converted try and a drop against a penalty goal.
    l.Match(1, A, B, 10, 3);
    l.Evenement(l.Championnat.GetButeursJournee(1), A, 50);
    l.Evenement(l.Championnat.GetTransfosJournee(1), A, 50);
    l.Evenement(l.Championnat.GetDropsJournee(1), A, 30);
    l.Evenement(l.Championnat.GetPenalitesJournee(1), B, 10);
    // 15-0 with one try entered of three.
    l.Match(2, B, A, 0, 15);
    l.Evenement(l.Championnat.GetButeursJournee(2), A, 20);
    TTableSituation t;
    int nombre = 0;
    TStatistique::CalculEquipe(l.Championnat, l.Id(A), t, nombre);
    EXPECT_EQ(nombre, 2);
    EXPECT_EQ(t.GetClasses(TT::Domicile), 1);
    EXPECT_EQ(t.GetClasses(TT::Exterieur), 0);
    EXPECT_EQ(t.Get(TT::Victoire, TT::EgaliteMiTemps, TT::Domicile), 1) << "tries alone weigh at half-time";
    EXPECT_EQ(t.Get(TT::Victoire, TT::MarquePremier, TT::Exterieur), 0);
}

// Every result of the shipped sample was typed without its match sheet: only
// its goalless draws, which need no scorer, can be put in a situation.
TEST(Statistique, TheSampleSeasonClassifiesOnlyItsGoallessDraws)
{
    const std::unique_ptr<TSaison> saison = testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/exemple.xmc");
    ASSERT_NE(saison, nullptr);
    const TDonneesChampionnat& l1 = *saison->GetChampionnat(1);
    TCalculClassement c(&l1, saison.get());
    int tous = 0;
    for (int p = 0; p < l1.GetNbEquipe(); ++p) {
        const auto id = static_cast<uint16_t>(l1.GetEquipe(p));
        SCOPED_TRACE(saison->GetNomEquipe(id));
        int zeroZero[3] = {0, 0, 0};
        for (int jour = 1; jour <= l1.GetNbJour(); ++jour)
            for (int m = 0; m < l1.GetNbMatchJournee(jour); ++m)
                for (int lieu = 1; lieu <= 2; ++lieu)
                    if (l1.GetValeurMatch(jour, 4 * m + 2 * lieu - 1) == id &&
                        l1.GetValeurMatch(jour, 4 * m + 2) == 0 && l1.GetValeurMatch(jour, 4 * m + 4) == 0)
                        ++zeroZero[lieu];
        TTableSituation t;
        int nombre = 0;
        TStatistique::CalculEquipe(l1, id, t, nombre);
        EXPECT_GT(nombre, 30);
        for (int v = 1; v <= 2; ++v) {
            EXPECT_EQ(t.GetClasses(v), zeroZero[v]);
            for (int r = 1; r <= 3; ++r)
                for (int s = 1; s <= 6; ++s)
                    EXPECT_EQ(t.Get(r, s, v), r == TT::Nul && s == TT::EgaliteMiTemps ? zeroZero[v] : 0)
                        << r << " " << s << " " << v;
        }
        tous += zeroZero[1] + zeroZero[2];
        for (int genre = 100; genre <= 114; ++genre) {
            c.Calcule(genre, 1, nullptr, l1.GetNbJour());
            const int attendu = genre == 109   ? zeroZero[1] + zeroZero[2]
                                : genre == 110 ? zeroZero[1]
                                : genre == 111 ? zeroZero[2]
                                               : 0;
            EXPECT_EQ(c.GetTotal(p, 5), attendu) << "kind " << genre;
        }
    }
    EXPECT_GT(tous, 0) << "the sample has goalless draws";
}

TEST(Statistique, PenaltyAndScoringEventKindsLeaveMissedPenaltiesOut)
{
    LigueSituations l;
    l.Buteur(1, A, Evt::Penalty | 30); // one of Rennes's two goals was a penalty
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(40, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 6), 5);
    EXPECT_EQ(c.GetTotal(B, 6), 4);
    c.Calcule(41, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 6), 6); // 1 + 2 + 3
    EXPECT_EQ(c.GetTotal(B, 6), 4);
    c.Calcule(30, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 6), 1);
    EXPECT_EQ(Ordre(c)[0], "Rennes");
    c.Calcule(31, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(B, 6), 1);
    EXPECT_EQ(c.GetTotal(A, 6), 0);
    // The general standings carry the same counts in columns 8 and 9.
    c.Calcule(1, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 8), 5);
    EXPECT_EQ(c.GetTotal(A, 9), 6);
    // Rugby-only lists on a football championship count nothing.
    c.Calcule(42, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 6), 0);
}

TEST(Statistique, RugbyPenaltyGoalsAndDrops)
{
    TLigueTest<TDonneesChampionnatRugby> l({"Agen", "Brive", "Castres"}, 1, 1);
    l.Match(1, A, B, 9, 3);
    l.Evenement(l.Championnat.GetPenalitesJournee(1), A, 10);
    l.Evenement(l.Championnat.GetPenalitesJournee(1), A, 20);
    l.Evenement(l.Championnat.GetPenalitesJournee(1), B, 30);
    l.Evenement(l.Championnat.GetDropsJournee(1), A, 40);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(42, 1, nullptr, 1);
    EXPECT_EQ(Colonne(c, 2), (std::vector<int>{2, 1, 0}));
    c.Calcule(43, 1, nullptr, 1);
    EXPECT_EQ(c.GetTotal(B, 6), 2);
    EXPECT_EQ(c.GetTotal(A, 6), 1);
    c.Calcule(44, 1, nullptr, 1);
    EXPECT_EQ(c.GetTotal(A, 6), 1);
    c.Calcule(45, 1, nullptr, 1);
    EXPECT_EQ(c.GetTotal(B, 6), 1);
    // English table, rugby: two points an away win.
    l.Match(1, B, A, 3, 9);
    c.Calcule(4, 1, nullptr, 1);
    EXPECT_EQ(c.GetTotal(A, 1), 2);
    EXPECT_EQ(c.GetTotal(B, 1), -2);
}

TEST(Statistique, TeamAgeAveragesThePlayersWithABirthYear)
{
    TLigueTest<> l({"Rennes", "Brest", "Caen"}, 1, 1);
    l.Championnat.SetOption(8, 110); // 2010
    for (int t = A; t <= C; ++t)
        l.Saison.Joueurs.AjouteEquipe(l.Id(t));
    auto joueur = [&](int id, int equipe, int age) {
        l.Saison.AjouteJoueur(id, "J" + std::to_string(id), "P", l.Id(equipe))->Age = static_cast<uint8_t>(age);
    };
    joueur(1, A, 85), joueur(2, A, 90), joueur(3, A, 0); // 25, 20, unknown
    joueur(4, B, 88);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(115, 1, nullptr, 1);
    EXPECT_EQ(Ordre(c), (Noms{"Rennes", "Brest", "Caen"}));
    EXPECT_EQ(c.GetTotal(A, 1), 225);
    EXPECT_EQ(c.GetTotal(A, 2), 20);
    EXPECT_EQ(c.GetTotal(A, 3), 25);
    EXPECT_EQ(c.GetTotal(B, 1), 220);
    EXPECT_EQ(c.GetTotal(C, 1), 0);
    EXPECT_EQ(c.GetTotal(C, 2), 255);
    EXPECT_EQ(c.GetTotal(C, 3), 0);
}

TEST(Statistique, BasketballKindsAndWinRatio)
{
    TLigueTest<TDonneesChampionnatBasket> l({"Pau", "Nancy", "Limoges"}, 2, 1);
    l.Championnat.SetOption(4, 2);
    l.Championnat.SetOption(6, 1);
    l.Match(1, A, B, 80, 70);
    l.Match(2, B, A, 90, 85);
    auto stat = [&](int jour, int k, int equipe, uint16_t v) {
        l.Evenement(l.Championnat.GetStatJournee(jour, k), equipe, v);
    };
    stat(1, 2, A, 5 * 256 + 9), stat(1, 2, A, 3 * 256 + 3); // 8 of 12
    stat(2, 2, A, 2 * 256 + 4);                             // 10 of 16
    stat(1, 2, B, 1 * 256 + 4);
    stat(1, 5, A, 4 * 256 + 7), stat(2, 5, A, 2 * 256 + 1);
    stat(1, 7, A, 11), stat(2, 7, A, 10);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(50, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 6), 6250); // 62.50 %
    EXPECT_EQ(c.GetTotal(A, 7), 16);
    EXPECT_EQ(c.GetTotal(B, 6), 2500);
    EXPECT_EQ(Ordre(c), (Noms{"Pau", "Nancy", "Limoges"}));
    c.Calcule(56, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 6), 300); // 6 over two matches
    c.Calcule(58, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 6), 400);
    c.Calcule(60, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 6), 1050);

    // No draws in the points; column 3 holds the win ratio.
    c.Calcule(1, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 1), 3);
    EXPECT_EQ(c.GetTotal(A, 3), 500);
    EXPECT_EQ(c.GetTotal(C, 3), 0);
    // Option 11 bit 8 ranks by the ratio.
    l.Championnat.SetOption(4, 0);
    l.Championnat.SetOption(6, 5);
    l.Championnat.SetOption(11, 8);
    l.Match(2, B, A, 80, 85);
    c.Calcule(1, 1, nullptr, 2);
    EXPECT_EQ(Ordre(c)[0], "Pau");
    EXPECT_EQ(c.GetClassement(0, 2), 1000);
}

} // namespace
