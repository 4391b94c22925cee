#include "model/infocomp.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "FakeSaison.h"

using namespace std::chrono;

TEST(DateMatch, PackingPrintingAndComparing)
{
    const TDateMatch d = EncodeDateMatch(5, 3, 2007);
    EXPECT_EQ(d, 5u | (3u << 8) | (20u << 16) | (7u << 24));
    EXPECT_EQ(DateMatchToStr(d), "05/03/2007");
    EXPECT_EQ(DateMatchToStr(d, true), "05/03/07");
    EXPECT_EQ(OctetDateMatch(d, 3), 20);
    EXPECT_EQ(SetOctetDateMatch(d, 1, 9), EncodeDateMatch(9, 3, 2007));

    EXPECT_GT(CompareDateMatch(d, EncodeDateMatch(6, 3, 2007)), 0);
    EXPECT_LT(CompareDateMatch(d, EncodeDateMatch(28, 12, 2006)), 0);
    EXPECT_EQ(CompareDateMatch(d, d), 0);

    EXPECT_EQ(MoisEntre(EncodeDateMatch(31, 1, 2007), EncodeDateMatch(28, 2, 2007)), 0);
    EXPECT_EQ(MoisEntre(EncodeDateMatch(31, 1, 2007), EncodeDateMatch(1, 3, 2007)), 1);
    EXPECT_EQ(MoisEntre(EncodeDateMatch(15, 1, 2007), EncodeDateMatch(15, 2, 2007)), 1);
    EXPECT_EQ(MoisEntre(EncodeDateMatch(15, 11, 2006), EncodeDateMatch(15, 2, 2007)), 3);
}

TEST(DateMatch, ConversionsRefuseTheNoDateValue)
{
    const sys_days t = year{2007} / March / 5;
    EXPECT_EQ(DateTimeToDateMatch(t), EncodeDateMatch(5, 3, 2007));
    EXPECT_EQ(DateMatchToDateTime(EncodeDateMatch(5, 3, 2007)), t);
    EXPECT_FALSE(DateMatchToDateTime(0).has_value());
    EXPECT_FALSE(DateMatchToDateTime(EncodeDateMatch(31, 2, 2007)).has_value());
    EXPECT_TRUE(DateCorrespond(5, -1, 2007, t));
    EXPECT_FALSE(DateCorrespond(-1, 4, -1, t));
}

TEST(InfoComp, LabelAndQualifiedFlag)
{
    FakeSaison saison;
    saison.Equipes = {{1, "A"}, {2, "B"}};
    TInfoComp m(1, 2);
    EXPECT_EQ(m.GetLibelle(saison), "A - B");
    m.SetScore(0, 2);
    EXPECT_EQ(m.GetLibelle(saison), "A - B");
    m.SetScore(1, 1);
    EXPECT_EQ(m.GetLibelle(saison), "A - B : 2 - 1");
    m.SetScore(0, 32770); // 2 goals, and the home side went through
    EXPECT_EQ(m.GetLibelle(saison), "A - B : 2 - 1");
}

TEST(InfoComp, DefaultsAndBounds)
{
    TInfoComp m(3, 4);
    EXPECT_EQ(m.GetScore(0), 65535);
    EXPECT_EQ(m.GetAffluence(), -1);
    EXPECT_EQ(m.GetArbitre(1), -1);
    EXPECT_EQ(m.GetArbitre(4), -1);
    EXPECT_EQ(m.GetNoteJoueur(3, 1), 255);
    EXPECT_EQ(m.GetNoteJoueur(4, 15), 0);
    EXPECT_EQ(m.GetScorePeriode(1, 6), 255);
    EXPECT_EQ(m.GetScorePeriode(1, 7), 0);

    // A team that plays neither side writes nothing and reads 0.
    m.SetCompo(9, 1, 77);
    m.SetNoteJoueur(9, 1, 7);
    EXPECT_EQ(m.GetCompo(3, 1), 0);
    EXPECT_EQ(m.GetCompo(4, 1), 0);
    EXPECT_EQ(m.GetCompo(9, 1), 0);
    EXPECT_EQ(m.GetNoteJoueur(3, 1), 255);
    EXPECT_EQ(m.GetNoteJoueur(4, 1), 255);
    EXPECT_EQ(m.GetNoteJoueur(9, 1), 0);

    m.SetCompo(4, 21, 12);
    m.SetCompo(4, 22, 13);
    EXPECT_EQ(m.GetCompo(4, 21), 12);
    EXPECT_EQ(m.GetCompo(4, 22), 0);
}

TEST(InfoComp, LineUpTextOrdersByPositionAndShowsSubstitutions)
{
    FakeSaison saison;
    saison.AjouteJoueur(10, "Martin", "Paul", 1, 4);
    saison.AjouteJoueur(11, "Durand", "Luc", 1, 1);
    saison.AjouteJoueur(12, "Petit", "Jean", 1, 4);
    saison.AjouteJoueur(13, "Roux", "Marc", 1, 2);
    saison.AjouteJoueur(20, "Blanc", "Eric", 1, 4);
    TInfoComp m(1, 2);
    m.SetCompo(1, 1, 10);
    m.SetCompo(1, 2, 11);
    m.SetCompo(1, 3, 12);
    m.SetCompo(1, 4, 13);
    m.SetCompo(1, 5, 99);  // not in the registry: left out
    m.SetCompo(1, 14, 12); // substitution 2: Petit off, Blanc on at 70
    m.SetCompo(1, 15, 20);
    m.SetCompo(1, 19, 0xFF00 | 70);
    EXPECT_EQ(m.GetTexteCompo(1, saison), "Luc Durand - Marc Roux - Paul Martin , Jean Petit (Eric Blanc 70°)");
    EXPECT_EQ(m.GetTexteCompo(2, saison), "");
    EXPECT_EQ(m.GetTexteCompo(7, saison), "");
}

TEST(InfoCompJour, InsertsByOrdinal)
{
    TInfoCompJour jour(true);
    TInfoComp* a = new TInfoComp(1, 2);
    TInfoComp* b = new TInfoComp(3, 4);
    TInfoComp* c = new TInfoComp(5, 6);
    EXPECT_EQ(jour.InsereMatch(a, 5), 0);
    EXPECT_EQ(jour.InsereMatch(b, 2), 0);
    EXPECT_EQ(jour.InsereMatch(c, 5), 1); // before the first that is not smaller
    EXPECT_EQ(jour.GetMatch(1), c);
    EXPECT_EQ(jour.IndexEquipe(4), 0);
    EXPECT_EQ(jour.IndexEquipes(2, 1), -1);
    EXPECT_EQ(jour.GetMatchEquipes(1, 2), a);
    jour.DeplaceMatch(0, 2);
    EXPECT_EQ(jour.GetMatch(2), b);
    EXPECT_EQ(jour.GetMatch(3), nullptr);
}

namespace {
// The owner side of the calendar: records the day counts it is asked for.
struct FakeProprietaire : TProprietaireJournees {
    int NbJour = 0;
    int GetNbJour() const override { return NbJour; }
    void SetNbJour(int n) override { NbJour = n; }
};

std::unique_ptr<TInfoComp> Match(uint16_t a, uint16_t b, TDateMatch d = 0)
{
    auto m = std::make_unique<TInfoComp>(a, b);
    m->SetDate(d);
    return m;
}

// Every match is in exactly one round and in exactly one date list, the one of
// its own date; date lists are sorted.
void VerifieCoherence(const TJournees& cal)
{
    std::map<const TInfoComp*, int> rounds, dates;
    for (int n = 1; n <= cal.NbJournees(); ++n)
        for (int i = 0; i < cal.GetJournee(n)->NbMatch(); ++i)
            ++rounds[cal.GetJournee(n)->GetMatch(i)];
    for (int i = 0; i < cal.NbDates(); ++i) {
        const TInfoCompJour* liste = cal.GetDate(i);
        if (i > 0) {
            ASSERT_GT(CompareDateMatch(cal.GetDate(i - 1)->GetDate(), liste->GetDate()), 0) << "dates unsorted";
        }
        for (int j = 0; j < liste->NbMatch(); ++j) {
            const TInfoComp* m = liste->GetMatch(j);
            ASSERT_EQ(m->GetDate(), liste->GetDate());
            ++dates[m];
        }
    }
    ASSERT_EQ(rounds.size(), dates.size());
    for (const auto& [m, nb] : rounds) {
        ASSERT_EQ(nb, 1);
        ASSERT_EQ(dates[m], 1);
    }
}
} // namespace

TEST(Journees, FirstMatchOfANewDateCreatesItsListInOrder)
{
    TJournees cal;
    const TDateMatch d1 = EncodeDateMatch(1, 9, 2007), d2 = EncodeDateMatch(8, 9, 2007),
                     d3 = EncodeDateMatch(15, 9, 2007);
    cal.AjouteMatch(1, Match(1, 2, d1), d1, -1);
    cal.AjouteMatch(2, Match(3, 4, d3), d3, -1);
    EXPECT_EQ(cal.AjouteMatch(3, Match(5, 6, d2), d2, -1), 0);
    ASSERT_EQ(cal.NbDates(), 3);
    EXPECT_EQ(cal.GetDate(1)->GetDate(), d2);
    EXPECT_EQ(cal.GetDate(1)->GetMatch(0), cal.GetJournee(3)->GetMatch(0));
    EXPECT_EQ(cal.GetDateJournee(3), d2);
    EXPECT_EQ(cal.GetDateJournee(4), 0u);
    EXPECT_EQ(cal.NumeroJourneeDate(d3), 2);
    EXPECT_EQ(cal.NumeroJourneeDate(EncodeDateMatch(1, 1, 2000)), 4);
    VerifieCoherence(cal);
}

TEST(Journees, SettingARoundDateMovesItsMatchesAndKeepsEmptyLists)
{
    TJournees cal;
    const TDateMatch d1 = EncodeDateMatch(1, 9, 2007), d2 = EncodeDateMatch(8, 9, 2007);
    cal.CherchOuCreeMatch(1, 1, -1, true, d1, 2);
    cal.CherchOuCreeMatch(1, 3, -1, true, d1, 4);
    cal.SetDateJournee(1, d2);
    ASSERT_EQ(cal.NbDates(), 2);
    EXPECT_EQ(cal.ChercheDate(d1)->NbMatch(), 0);
    EXPECT_EQ(cal.ChercheDate(d2)->NbMatch(), 2);
    EXPECT_EQ(cal.GetJournee(1)->GetMatch(1)->GetDate(), d2);
    cal.SetDateMatch(1, 2, d1);
    EXPECT_EQ(cal.ChercheDate(d1)->NbMatch(), 1);
    EXPECT_EQ(cal.CherchOuCreeMatch(1, 3, -1, false, 0, 4), cal.GetJournee(1)->GetMatch(1));
    EXPECT_EQ(cal.CherchOuCreeMatch(1, 4, -1, false, 0, 3), nullptr);
    VerifieCoherence(cal);
}

TEST(Journees, CreatingARoundPastTheOwnersLastDayGrowsTheOwner)
{
    FakeProprietaire champ;
    champ.NbJour = 3;
    TJournees cal(&champ);
    EXPECT_EQ(cal.CreeJournee(0), nullptr);
    cal.CreeJournee(2);
    EXPECT_EQ(champ.NbJour, 3);
    cal.CreeJournee(4); // one day past the owner's count
    EXPECT_EQ(champ.NbJour, 4);
    EXPECT_EQ(cal.NbJournees(), 4);
}

TEST(Journees, DeletingTruncatingAndDetaching)
{
    TJournees cal;
    const TDateMatch d = EncodeDateMatch(1, 9, 2007);
    for (int n = 1; n <= 3; ++n) {
        cal.CherchOuCreeMatch(n, 1, -1, true, d, 2);
        cal.CherchOuCreeMatch(n, 3, -1, true, d, 4);
    }
    EXPECT_EQ(cal.SupprimeMatch(1, 2, 1), 0);
    EXPECT_EQ(cal.SupprimeMatch(1, 2, 1), -1);
    EXPECT_EQ(cal.SupprimeMatchsEquipe(2, 4), 1);
    auto detaches = cal.RetireMatchsJournee(3);
    EXPECT_EQ(detaches.size(), 2u);
    EXPECT_EQ(cal.GetJournee(3)->NbMatch(), 0);
    EXPECT_EQ(cal.ChercheMatch(detaches[0].get()).first, 0);
    VerifieCoherence(cal);
    cal.AjouteMatch(3, std::move(detaches[1]), d, -1);
    // Truncation frees the matches; the date lists must not keep them.
    cal.TronqueJournees(1);
    EXPECT_EQ(cal.NbJournees(), 1);
    EXPECT_EQ(cal.ChercheDate(d)->NbMatch(), 1);
    VerifieCoherence(cal);
}

TEST(Journees, RenumberingTeams)
{
    TJournees cal;
    cal.CherchOuCreeMatch(1, 0, -1, true, 0, 2);
    cal.CherchOuCreeMatch(1, 1, -1, true, 0, 65535);
    cal.RenumeroteEquipes(1, 2, {40, 41});
    const TInfoCompJour* j = cal.GetJournee(1);
    EXPECT_EQ(j->GetMatch(0)->GetEquipe(0), 40);
    EXPECT_EQ(j->GetMatch(0)->GetEquipe(1), 65535); // beyond the count
    EXPECT_EQ(j->GetMatch(1)->GetEquipe(0), 41);
    EXPECT_EQ(j->GetMatch(1)->GetEquipe(1), 65535);
}

TEST(Journees, RandomisedOperationsKeepRoundsAndDatesInStep)
{
    std::mt19937 alea(20071);
    auto tire = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); };
    auto date = [&] {
        return tire(0, 6) == 0 ? TDateMatch(0) : EncodeDateMatch(tire(1, 28), tire(1, 12), tire(2006, 2008));
    };
    FakeProprietaire champ;
    TJournees cal(&champ);
    for (int pas = 0; pas < 4000; ++pas) {
        const int n = tire(1, 8);
        switch (tire(0, 11)) {
        case 0:
        case 1:
        case 2:
            cal.AjouteMatch(n, Match(tire(0, 9), tire(0, 9), date()), date(), tire(0, 3) == 0 ? -1 : tire(0, 5));
            break;
        case 3:
            cal.CherchOuCreeMatch(n, tire(0, 9), -1, true, date(), tire(0, 9));
            break;
        case 4:
            cal.SetDateJournee(n, date());
            break;
        case 5:
            cal.SetDateMatch(n, tire(1, 4), date());
            break;
        case 6:
            cal.SupprimeMatchsEquipe(n, tire(0, 9));
            break;
        case 7:
            cal.SupprimeMatch(n, tire(0, 9), tire(0, 9));
            break;
        case 8: {
            auto matchs = cal.RetireMatchsJournee(n);
            for (auto& m : matchs)
                if (tire(0, 1))
                    cal.AjouteMatch(tire(1, 8), std::move(m), date(), -1);
            break;
        }
        case 9:
            cal.TronqueJournees(tire(0, 8));
            break;
        case 10:
            if (tire(0, 20) == 0)
                cal.Vide(0);
            else
                cal.Vide(n);
            break;
        case 11:
            if (const TInfoCompJour* j = cal.GetJournee(n); j && j->NbMatch() > 0)
                cal.DeplaceMatchDate(j->GetMatch(tire(0, j->NbMatch() - 1)), date());
            break;
        }
        VerifieCoherence(cal);
        if (HasFatalFailure())
            FAIL() << "after step " << pas;
    }
}
