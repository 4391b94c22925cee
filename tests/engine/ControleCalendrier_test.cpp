#include "engine/ControleCalendrier.h"

#include <gtest/gtest.h>

#include <set>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CoupeTest.h"
#include "engine/LigueTest.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"

namespace {

using namespace ControleCalendrier;
using testsupport::TMessagesScriptes;
enum { A, B, C, D, E, F, G, H };

class Calendrier : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
};

std::vector<std::string> Noms(int n)
{
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i)
        v.push_back("Club " + std::to_string(i + 1));
    return v;
}

// Twenty teams, 38 days, the first half (days 1 to 19) drawn as a round robin.
struct TLigue20 : TLigueTest<> {
    TLigue20() : TLigueTest(Noms(20), 38, 10)
    {
        // Circle method: team 19 stays, the others turn.
        for (int jour = 1; jour <= 19; ++jour)
            for (int k = 0; k < 10; ++k) {
                const int r = jour - 1;
                const int a = k == 0 ? 19 : (r + k) % 19;
                const int b = k == 0 ? r : (r - k + 19) % 19;
                Match(jour, jour % 2 ? a : b, jour % 2 ? b : a, 65535, 65535);
            }
    }
    std::pair<int, int> Paire(int jour, int k) const
    {
        return {Championnat.GetValeurMatch(jour, 4 * k + 1), Championnat.GetValeurMatch(jour, 4 * k + 3)};
    }
    // Day `cible` holds the matches of day `source`, home and away swapped.
    void VerifieMiroir(int source, int cible) const
    {
        SCOPED_TRACE("day " + std::to_string(cible) + " from day " + std::to_string(source));
        ASSERT_EQ(Championnat.GetJournee(cible)->NbMatch(), 10);
        for (int k = 0; k < 10; ++k) {
            const auto [dom, ext] = Paire(source, k);
            EXPECT_EQ(Paire(cible, k), std::make_pair(ext, dom));
        }
    }
};

TEST_F(Calendrier, TheFirstHalfIsARoundRobin)
{
    TLigue20 l;
    std::set<std::pair<int, int>> vus;
    for (int jour = 1; jour <= 19; ++jour) {
        std::set<int> equipes;
        for (int k = 0; k < 10; ++k) {
            auto [a, b] = l.Paire(jour, k);
            equipes.insert(a), equipes.insert(b);
            vus.insert({std::min(a, b), std::max(a, b)});
        }
        EXPECT_EQ(equipes.size(), 20u);
    }
    EXPECT_EQ(vus.size(), 190u);
}

TEST_F(Calendrier, LeagueAnsweredYesShiftsTheReturnHalfAndMirrorsDayOneOnTheLastDay)
{
    TLigue20 l;
    l.Championnat.NbJournee = 25;
    TMessagesScriptes messages;
    messages.Repond(ReponseMessage::Oui);
    int enregistre = 0, modifie = 0, recharge = 0;
    std::vector<int> jours;
    TActionsCompletion actions{[&] { ++enregistre; },
                               [&](int jour) {
                                   jours.push_back(jour);
                                   l.Championnat.NbJournee = static_cast<uint8_t>(jour);
                               },
                               [&] { ++modifie; }, [&] { ++recharge; }};

    EXPECT_TRUE(CompleterCalendrier(l.Championnat, true, actions));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(1244));
    EXPECT_FALSE(messages.Messages[0].Texte.empty());
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Oui | BoutonsMessage::Non);
    EXPECT_EQ(enregistre, 1);
    EXPECT_EQ(jours, std::vector<int>{19});
    EXPECT_EQ(modifie, 1);
    EXPECT_EQ(recharge, 0);
    for (int t = 20; t <= 37; ++t)
        l.VerifieMiroir(t - 18, t);
    l.VerifieMiroir(1, 38);
}

TEST_F(Calendrier, LeagueAnsweredNoMirrorsDayKOnDayKPlusHalf)
{
    TLigue20 l;
    l.Championnat.NbJournee = 3;
    TMessagesScriptes messages;
    messages.Repond(ReponseMessage::Non);
    std::vector<int> jours;
    TActionsCompletion actions;
    actions.ChangeJournee = [&](int jour) { jours.push_back(jour); };

    EXPECT_TRUE(CompleterCalendrier(l.Championnat, true, actions));
    EXPECT_TRUE(jours.empty());
    for (int t = 20; t <= 38; ++t)
        l.VerifieMiroir(t - 19, t);
    // A second run finds every slot filled.
    messages.Repond(ReponseMessage::Non);
    EXPECT_FALSE(CompleterCalendrier(l.Championnat, true, actions));
}

TEST_F(Calendrier, LeagueQuestionClosedWithoutAnswerChangesNothing)
{
    TLigue20 l;
    TMessagesScriptes messages; // answers Cancel
    int enregistre = 0;
    TActionsCompletion actions;
    actions.Enregistre = [&] { ++enregistre; };
    EXPECT_FALSE(CompleterCalendrier(l.Championnat, true, actions));
    EXPECT_EQ(enregistre, 1);
    EXPECT_EQ(l.Championnat.GetJournee(20), nullptr);
}

TEST_F(Calendrier, MirroringIntoAPartlyFilledDayOverwritesNothing)
{
    TLigue20 l;
    // Day 20 already holds the pairing of day 1's third match, as on day 1.
    const auto [dom, ext] = l.Paire(1, 2);
    l.Championnat.AjouteMatch(20, dom, ext, -1, 2, 1);

    EXPECT_TRUE(CopierJourneeInversee(l.Championnat, 1, 20));
    const TInfoCompJour* j = l.Championnat.GetJournee(20);
    ASSERT_EQ(j->NbMatch(), 9);
    EXPECT_EQ(l.Paire(20, 0), std::make_pair(static_cast<int>(dom), static_cast<int>(ext)));
    EXPECT_EQ(j->GetMatch(0)->GetScore(0), 2);
    // Slot 1 was taken; slots 2 to 10 come from day 1, but the third pairing
    // already plays.
    for (int k = 1; k < 10; ++k)
        if (k != 2) {
            const auto [a, b] = l.Paire(1, k);
            EXPECT_GE(j->IndexEquipes(static_cast<uint16_t>(b), static_cast<uint16_t>(a)), 0) << k;
        }
}

TEST_F(Calendrier, CupSecondLegFromTheFirstLegWithSidesSwapped)
{
    TCoupeTest t(4, {Tour(2, 2, 2), Tour(1, 1, 1)});
    t.Match(1, A, B), t.Match(1, C, D);
    t.Coupe.NbJournee = 1;
    int recharge = 0, modifie = 0;
    TActionsCompletion actions;
    actions.RechargeJournee = [&] { ++recharge; };
    actions.Modifie = [&] { ++modifie; };

    // Run by the page itself, a change reloads the day too.
    EXPECT_TRUE(CompleterCalendrier(t.Coupe, false, actions));
    EXPECT_EQ(t.Journee(2), (Paires{{B, A}, {D, C}}));
    EXPECT_EQ(recharge, 1);
    EXPECT_EQ(modifie, 1);
    EXPECT_FALSE(CompleterCalendrier(t.Coupe, true, actions));
    EXPECT_EQ(recharge, 1);

    t.Coupe.SupprimeMatch(2, TCoupeTest::Id(C), TCoupeTest::Id(D));
    EXPECT_TRUE(CompleterCalendrier(t.Coupe, true, actions));
    EXPECT_EQ(recharge, 2);
    EXPECT_EQ(t.Journee(2), (Paires{{B, A}, {D, C}}));

    // Nothing from a round that decides on its first day or from the last day.
    EXPECT_FALSE(CompleteCoupe(t.Coupe, 2));
    EXPECT_FALSE(CompleteCoupe(t.Coupe, 3));
}

TEST_F(Calendrier, SeriesOfFiveKeepsTheSidesOfGameOneOnGamesTwoAndFive)
{
    TCoupeTest t(2, {Tour(2, 1, 6), Tour(1, 1, 1)});
    t.Match(1, A, B, 1, 0);
    EXPECT_TRUE(CompleteCoupe(t.Coupe, 1));
    EXPECT_EQ(t.Journee(2), (Paires{{A, B}}));
    t.Coupe.GetMatch(2, 1)->SetScore(0, 0), t.Coupe.GetMatch(2, 1)->SetScore(1, 1);

    EXPECT_TRUE(CompleteCoupe(t.Coupe, 3));
    EXPECT_EQ(t.Journee(3), (Paires{{B, A}}));
    // Game 4 only once game 3 has left the series open.
    EXPECT_FALSE(CompleteCoupe(t.Coupe, 4));
    t.Coupe.GetMatch(3, 1)->SetScore(0, 0), t.Coupe.GetMatch(3, 1)->SetScore(1, 1);
    EXPECT_TRUE(CompleteCoupe(t.Coupe, 4));
    EXPECT_EQ(t.Journee(4), (Paires{{B, A}}));
    t.Coupe.GetMatch(4, 1)->SetScore(0, 2), t.Coupe.GetMatch(4, 1)->SetScore(1, 0);
    EXPECT_TRUE(CompleteCoupe(t.Coupe, 5));
    EXPECT_EQ(t.Journee(5), (Paires{{A, B}}));
}

TEST_F(Calendrier, CupCompletionNeverRecreatesWhatADecisionRemoved)
{
    // Two legs and a decider: A - B decided on the second leg, C - D level.
    TCoupeTest t(4, {Tour(2, 2, 4), Tour(1, 1, 1)});
    t.Match(1, A, B, 2, 0), t.Match(1, C, D, 1, 0);
    t.Match(2, B, A, 0, 1), t.Match(2, D, C, 2, 0);
    EXPECT_TRUE(CompleteCoupe(t.Coupe, 3));
    EXPECT_EQ(t.Journee(3), (Paires{{D, C}}));
    EXPECT_FALSE(CompleteCoupe(t.Coupe, 3));

    // A series won three to none after three games gets no game 4.
    TCoupeTest serie(2, {Tour(2, 1, 6), Tour(1, 1, 1)});
    serie.Match(1, A, B, 1, 0), serie.Match(2, A, B, 1, 0), serie.Match(3, B, A, 0, 1);
    EXPECT_FALSE(CompleteCoupe(serie.Coupe, 4));
    EXPECT_TRUE(serie.Journee(4).empty());
}

TEST_F(Calendrier, VerificationListsEachProblemOfTheCheckedMatchesInAlternatingColours)
{
    TLigueTest<> l(Noms(8), 1, 4);
    l.Match(1, A, B, 0, 0);
    l.Match(1, C, D, 0, 0);
    l.Match(1, E, F, 3, 0);
    l.Match(1, G, H, 65535, 65535);
    TDonneesChampionnat& c = l.Championnat;
    c.SetAffluence(1, 2, 1500);
    for (int p : {C, D})
        c.SetCompoMatch(1, p, 20, 0x100);
    // A substitution of C without its minute.
    c.SetCompoMatch(1, C, 12, 7), c.SetCompoMatch(1, C, 13, 8);
    // A result set by hand is not checked.
    c.GetPenalites().AjouteMatch(l.Id(E), l.Id(F), 3, 0, 1);
    // A scorer in a goalless match: a fault, listed before what is missing.
    l.Evenement(c.GetButeursJournee(1), C, 10);

    const TVerification v = VerifieJournee(c, l.Saison, 1);
    EXPECT_EQ(v.NbControles, 2);
    ASSERT_EQ(v.Lignes.size(), 4u);
    EXPECT_EQ(v.Lignes[0].Texte, "Club 3 - Club 4 : " + Traduit(154));
    EXPECT_EQ(v.Lignes[1].Texte, "Club 1 - Club 2 : " + Traduit(153));
    EXPECT_EQ(v.Lignes[2].Texte, "Club 1 - Club 2 : " + Traduit(156));
    EXPECT_EQ(v.Lignes[3].Texte, "Club 3 - Club 4 : " + Traduit(157));
    EXPECT_EQ(v.Lignes[0].Couleur, 0x80FF80u);
    EXPECT_EQ(v.Lignes[1].Couleur, 0xFFFF00u);
    EXPECT_EQ(v.Lignes[2].Couleur, 0x80FF80u);
    EXPECT_EQ(v.Lignes[0].Haut, 4);
    EXPECT_EQ(v.Lignes[1].Haut, 19);
    EXPECT_EQ(v.Lignes[2].Gauche, 10);
    EXPECT_EQ(v.Resume, "2 matchs vérifiés");
}

TEST_F(Calendrier, VerificationSummaryForOneOrNoMatch)
{
    TLigueTest<> l(Noms(4), 1, 2);
    l.Match(1, A, B, 1, 1);
    EXPECT_EQ(VerifieJournee(l.Championnat, l.Saison, 1).Resume, "1 match vérifié");
    EXPECT_EQ(VerifieJournee(l.Championnat, l.Saison, 2).Resume, "0 match vérifié");
}

// The calendar command checks every day: each line says its day, the colours
// run on from one day to the next and the summary counts all days.
TEST_F(Calendrier, VerificationOfTheWholeChampionshipLeadsEachLineWithItsDay)
{
    TLigueTest<> l(Noms(4), 3, 2);
    l.Match(1, A, B, 0, 0);
    l.Match(1, C, D, 65535, 65535);
    l.Match(3, A, C, 0, 0);
    l.Match(3, B, D, 0, 0);
    TDonneesChampionnat& c = l.Championnat;
    for (int p : {A, B, C, D})
        c.SetCompoMatch(1, p, 20, 0x100), c.SetCompoMatch(3, p, 20, 0x100);
    c.SetAffluence(3, 1, 900);
    // A fault of a later day comes before the missing entries of every day.
    c.SetAffluence(3, 2, 900);
    l.Evenement(c.GetButeursJournee(3), B, 10);

    const TVerification v = VerifieChampionnat(c, l.Saison);
    EXPECT_EQ(v.NbControles, 3);
    ASSERT_EQ(v.Lignes.size(), 2u);
    EXPECT_EQ(v.Lignes[0].Texte, "Journée n°3 : Club 2 - Club 4 : " + Traduit(154));
    EXPECT_EQ(v.Lignes[1].Texte, "Journée n°1 : Club 1 - Club 2 : " + Traduit(153));
    EXPECT_EQ(v.Lignes[0].Couleur, 0x80FF80u);
    EXPECT_EQ(v.Lignes[1].Couleur, 0xFFFF00u);
    EXPECT_EQ(v.Lignes[1].Haut, 19);
    EXPECT_EQ(v.Resume, "3 matchs vérifiés");
}

// The verification lines that name a minute beyond the match.
std::vector<std::string> Tardives(const TVerification& v)
{
    std::vector<std::string> lignes;
    for (const TLigneVerification& l : v.Lignes)
        if (l.Texte.find("au-delà") != std::string::npos)
            lignes.push_back(l.Texte);
    return lignes;
}

TEST_F(Calendrier, VerificationFlagsLeagueMinutesBeyondNinety)
{
    TLigueTest<> l(Noms(4), 1, 2);
    l.Match(1, A, B, 3, 1);
    l.Match(1, C, D, 65535, 65535);
    l.Saison.AjouteJoueur(7, "Martin", "Jean", l.Id(A));
    l.Saison.AjouteJoueur(8, "Petit", "Paul", l.Id(B));
    TDonneesChampionnat& c = l.Championnat;
    l.Evenement(c.GetButeursJournee(1), A, 90, 7);
    l.Evenement(c.GetButeursJournee(1), A, 127 | Evt::Penalty, 7);
    l.Evenement(c.GetButeursJournee(1), A, 91 | Evt::ContreCamp, 8); // an own goal: the other side's player
    l.Evenement(c.GetButeursJournee(1), B, 12, 8);
    l.Evenement(c.GetCartonsJournee(1), B, 95 | Evt::ContreCamp, 8);
    l.Evenement(c.GetCartonsJournee(1), C, 120, 9); // a match without a score is not checked

    const TVerification v = VerifieJournee(c, l.Saison, 1);
    const std::string match = "Club 1 - Club 2 : ";
    EXPECT_EQ(Tardives(v), (std::vector<std::string>{
                               match + "But de Martin à la minute 127, au-delà des 90 minutes du match",
                               match + "But de Petit à la minute 91, au-delà des 90 minutes du match",
                               match + "Carton de Petit à la minute 95, au-delà des 90 minutes du match",
                           }));
    // In the line style of the other problems, colours running on.
    for (size_t i = 1; i < v.Lignes.size(); ++i)
        EXPECT_NE(v.Lignes[i].Couleur, v.Lignes[i - 1].Couleur);
    EXPECT_EQ(Tardives(VerifieChampionnat(c, l.Saison)).size(), 3u);
}

TEST_F(Calendrier, VerificationGivesExtraTimeOnlyToCupDaysThatCanGoToIt)
{
    // A two-legged round, then a one-match final.
    TCoupeTest t(4, {Tour(2, 2, 2), Tour(1, 1, 1)});
    t.Match(1, A, B, 1, 1), t.Match(1, C, D, 0, 0);
    t.Match(2, B, A, 1, 1), t.Match(2, D, C, 2, 0);
    t.Match(3, A, D, 2, 2);
    for (int jour : {1, 2})
        for (int equipe : {A, B, C, D})
            t.Coupe.GetButeursJournee(jour)->Ajoute(std::make_unique<TDonneesEvt>(0, TCoupeTest::Id(equipe), 105));
    t.Coupe.GetButeursJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(0, TCoupeTest::Id(A), 120));
    t.Coupe.GetButeursJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(0, TCoupeTest::Id(D), 121));

    const std::string premiere = "But de ? à la minute 105, au-delà des 90 minutes du match";
    EXPECT_EQ(Tardives(VerifieJournee(t.Coupe, t.Saison, 1)),
              (std::vector<std::string>{"E1 - E2 : " + premiere, "E1 - E2 : " + premiere, "E3 - E4 : " + premiere,
                                        "E3 - E4 : " + premiere}));
    EXPECT_TRUE(Tardives(VerifieJournee(t.Coupe, t.Saison, 2)).empty()) << "a second leg can go to extra time";
    EXPECT_EQ(Tardives(VerifieJournee(t.Coupe, t.Saison, 3)),
              (std::vector<std::string>{"E1 - E4 : But de ? à la minute 121, au-delà des 120 minutes du match"}));
}

// The shipped World Cup: goals of its extra time (the final's 108th and
// 118th minutes) stay within the knockout matches' length.
TEST_F(Calendrier, TheShippedWorldCupHasNoMinuteBeyondItsMatches)
{
    const std::unique_ptr<TSaison> saison =
        testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/coupe-du-monde-2022.xmc");
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    int prolongations = 0;
    for (int n = 1; n <= 2; ++n) {
        const TDonneesChampionnat& c = *saison->GetChampionnat(n);
        EXPECT_TRUE(Tardives(VerifieChampionnat(c, *saison)).empty()) << n;
        for (int jour = 1; jour <= c.GetNbJour(); ++jour)
            for (int i = 0; i < c.GetButeursJournee(jour)->Nombre(); ++i)
                prolongations += c.GetButeursJournee(jour)->Get(i)->GetMinute() > 90;
    }
    EXPECT_GE(prolongations, 3);
}

TEST_F(Calendrier, MatchLengthsOfTheOtherSports)
{
    TLigueTest<TDonneesChampionnatRugby> rugby(Noms(2), 1, 1);
    rugby.Match(1, A, B, 13, 0);
    rugby.Evenement(rugby.Championnat.GetDropsJournee(1), A, 81);
    rugby.Evenement(rugby.Championnat.GetTransfosJournee(1), A, 80);
    EXPECT_EQ(Tardives(VerifieJournee(rugby.Championnat, rugby.Saison, 1)),
              (std::vector<std::string>{"Club 1 - Club 2 : But de ? à la minute 81, au-delà des 80 minutes du match"}));

    TCoupeTest finale(2, {Tour(1, 1, 1)});
    TDonneesChampionnatRugby coupe(&finale.Saison, 1, TDonneesChampionnat::TypeCoupe);
    coupe.SetNbEquipe(2);
    coupe.SetEquipe(0, 1), coupe.SetEquipe(1, 2);
    coupe.CreeToursCoupe({Tour(1, 1, 1)});
    coupe.AjouteMatch(1, 1, 2, -1, 10, 10);
    EXPECT_EQ(DureeMatch(coupe, 1, *coupe.GetMatch(1, 1)), 100);

    // Basketball: the quarters, then five minutes for each overtime played.
    TLigueTest<TDonneesChampionnatBasket> basket(Noms(2), 1, 1);
    basket.Match(1, A, B, 90, 88);
    TInfoComp& m = *basket.Championnat.GetMatch(1, 1);
    EXPECT_EQ(DureeMatch(basket.Championnat, 1, m), 48);
    m.SetScorePeriode(0, 5, 10);
    m.SetScorePeriode(1, 5, 8);
    EXPECT_EQ(DureeMatch(basket.Championnat, 1, m), 53);
}

} // namespace
