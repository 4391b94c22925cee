#include "model/Championnat.h"

#include <gtest/gtest.h>

#include "FakeSaison.h"

namespace {
// A league of four teams (ids 10..13) over `jours` days.
std::unique_ptr<TDonneesChampionnatFootball> Ligue(FakeSaison& saison, int jours = 3)
{
    auto c = std::make_unique<TDonneesChampionnatFootball>(&saison);
    for (uint16_t id : {10, 11, 12, 13})
        c->AjouteEquipe(id);
    c->SetNbMatch(2);
    c->SetNbJour(jours);
    return c;
}
} // namespace

TEST(Championnat, MatchValueCodes)
{
    FakeSaison saison;
    auto c = Ligue(saison);
    c->AjouteMatch(1, 10, 11, -1, 2, 1);
    c->AjouteMatch(1, 12, 13, -1, 65535, 65535);
    EXPECT_EQ(c->GetValeurMatch(1, 1), 10);
    EXPECT_EQ(c->GetValeurMatch(1, 2), 2);
    EXPECT_EQ(c->GetValeurMatch(1, 3), 11);
    EXPECT_EQ(c->GetValeurMatch(1, 4), 1);
    EXPECT_EQ(c->GetValeurMatch(1, 5), 12);
    EXPECT_EQ(c->GetValeurMatch(1, 6), 65535); // not played
    EXPECT_EQ(c->GetValeurMatch(1, 9), 65535); // no third match
    EXPECT_EQ(c->GetValeurMatch(0, 1), 65535);
    EXPECT_EQ(c->GetValeurMatch(4, 1), 65535);
    c->SetQualifie(1, 10, 11, 1);
    EXPECT_EQ(c->GetJournee(1)->GetMatch(0)->GetScore(1), 0x8001);
    EXPECT_EQ(c->GetValeurMatch(1, 4), 1); // without the qualified flag
}

TEST(Championnat, QualifiedSideLeavesUnplayedScoresAlone)
{
    FakeSaison saison;
    auto c = Ligue(saison);
    c->AjouteMatch(1, 10, 11, -1, 1, 1);
    c->SetQualifie(1, 10, 11, 0);
    EXPECT_EQ(c->GetQualifie(1, 10, 11), 0);
    c->SetQualifie(1, 10, 11, 1);
    EXPECT_EQ(c->GetQualifie(1, 10, 11), 1);
    EXPECT_EQ(c->GetJournee(1)->GetMatch(0)->GetScore(0), 1);
    EXPECT_EQ(c->GetQualifie(1, 11, 10), 2);
    EXPECT_EQ(c->GetQualifie(9, 10, 11), 2);
    // The home score set, the away one not: the away side stays unplayed.
    c->AjouteMatch(1, 12, 13, -1, 3, 65535);
    c->SetQualifie(1, 12, 13, 1);
    EXPECT_EQ(c->GetJournee(1)->GetMatch(1)->GetScore(1), 65535);
    EXPECT_EQ(c->GetJournee(1)->GetMatch(1)->GetScore(0), 3);
}

TEST(Championnat, MatchCountsOfLeaguesCalendarsAndCups)
{
    FakeSaison saison;
    auto c = Ligue(saison);
    c->AjouteMatch(2, 10, 11, -1, 65535, 65535);
    EXPECT_EQ(c->GetNbMatchJournee(2), 2);
    c->SetOption(11, 8); // calendar by date: what the day holds
    EXPECT_EQ(c->GetNbMatchJournee(2), 1);
    EXPECT_EQ(c->GetNbMatchJournee(3), 0);
    EXPECT_EQ(c->GetNbMatchJournee(9), 0);

    TDonneesChampionnatFootball coupe(&saison, 0, TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    coupe.CreeToursCoupe({{1, 8, 1}, {2, 4, 1}, {3, 1, 1}});
    coupe.PetiteFinale = true;
    EXPECT_EQ(coupe.GetNbMatchJournee(1), 8);
    EXPECT_EQ(coupe.GetNbMatchJournee(3), 2); // the final and the third-place match
    EXPECT_EQ(coupe.GetNbMatchJournee(4), 0);
    coupe.NbJournee = 2;
    EXPECT_EQ(coupe.GetNbMatchCourant(), 4);
    coupe.SetNbMatch(9);
    EXPECT_EQ(coupe.GetNbMatch(), 0);
}

TEST(Championnat, CupRoundsExpandIntoDaysWithTheirLegs)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison, 0, TDonneesChampionnat::TypeCoupe);
    c.CreeToursCoupe({{1, 16, 1}, {2, 8, 4}, {3, 4, 7}, {4, 2, 9}});
    ASSERT_EQ(c.GetNbTourCoupe(), 11);
    EXPECT_EQ(c.GetNbJour(), 11);
    std::vector<uint32_t> types;
    for (int i = 0; i < c.GetNbTourCoupe(); ++i)
        types.push_back(c.GetTourCoupe(i)->TypeMatch);
    EXPECT_EQ(types, (std::vector<uint32_t>{0x01, 0x44, 0x84, 0xC4, 0x17, 0x37, 0x57, 0x77, 0x97, 0xB7, 0xD7}));
    EXPECT_EQ(c.GetTourCoupe(3)->nTour, 2);
    EXPECT_EQ(c.GetTourCoupe(3)->NbMatch, 8);
    EXPECT_NE(c.GetButeursJournee(11), nullptr);

    TDonneesChampionnatFootball d(&saison, 0, TDonneesChampionnat::TypeCoupe);
    d.CreeToursCoupe({{1, 4, 2}, {2, 2, 3}, {3, 1, 5}, {4, 1, 6}});
    types.clear();
    for (int i = 0; i < d.GetNbTourCoupe(); ++i)
        types.push_back(d.GetTourCoupe(i)->TypeMatch);
    EXPECT_EQ(types, (std::vector<uint32_t>{0x42, 0x82, 0x43, 0xC3, 0x15, 0x35, 0x55, 0x16, 0x36, 0x56, 0x76, 0x96}));
    d.AjouteTourCoupe({5, 1, 0xC2}); // as older files hold it
    EXPECT_EQ(d.GetTourCoupe(12)->TypeMatch, 0x82u);
}

TEST(Championnat, ByesBySlot)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison, 0, TDonneesChampionnat::TypeCoupe);
    EXPECT_EQ(c.GetMatchSuiv(0), -1);
    c.AjouteMatchSuiv(0, 65535, 65535);
    EXPECT_TRUE(c.GetMatchsSuiv().empty());
    c.AjouteMatchSuiv(2, 65535, 7);
    c.AjouteMatchSuiv(40, 9, 65535); // slot 20: beyond 4 bits
    EXPECT_EQ(c.GetMatchSuiv(1), 7);
    EXPECT_EQ(c.GetMatchSuiv(20), 9);
    EXPECT_EQ(c.GetMatchSuiv(4), -2);
    EXPECT_EQ(c.GetMatchSuiv(0), -1);
    EXPECT_EQ(c.GetMatchSuiv(30), -3);
}

TEST(Championnat, AddingAMatchReplacesTheTeamsOtherMatchesOfThatDay)
{
    FakeSaison saison;
    auto c = Ligue(saison);
    const TDateMatch d = EncodeDateMatch(4, 8, 2007);
    c->AjouteMatch(1, 10, 11, -1, 65535, 65535);
    c->AjouteMatch(1, 12, 13, -1, 65535, 65535);
    EXPECT_EQ(c->AjouteMatchDate(1, 13, 11, d, -1, 2, 0), 0); // takes the place of 10 - 11
    const TInfoCompJour* j = c->GetJournee(1);
    ASSERT_EQ(j->NbMatch(), 1);
    EXPECT_EQ(j->GetMatch(0)->GetEquipe(0), 13);
    EXPECT_EQ(j->GetMatch(0)->GetDate(), d);
    EXPECT_EQ(c->GetJournees().ChercheDate(d)->NbMatch(), 1);
    // The same pair again only writes the scores that are set.
    EXPECT_EQ(c->AjouteMatch(1, 13, 11, -1, 65535, 4), 0);
    EXPECT_EQ(j->GetMatch(0)->GetScore(0), 2);
    EXPECT_EQ(j->GetMatch(0)->GetScore(1), 4);
    EXPECT_EQ(c->AjouteMatch(1, -1, 11, -1, 0, 0), -1);
    EXPECT_EQ(c->AjouteMatch(1, 65535, 11, -1, 0, 0), -1);
    EXPECT_EQ(c->AjouteMatch(1, 10, 12, 0, 65535, 65535), 0);
    EXPECT_EQ(c->GetJournee(1)->GetMatch(1)->GetEquipe(0), 13);
}

TEST(Championnat, DaysGrowAndShrinkWithTheirLists)
{
    FakeSaison saison;
    auto c = Ligue(saison, 2);
    c->AjouteMatch(2, 10, 11, -1, 1, 0);
    c->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(5, 10, 12));
    c->AjoutePenaltys(2, 10, 11, 4, 3);
    c->SetNbJour(5);
    EXPECT_NE(c->GetPasseursJournee(5), nullptr);
    EXPECT_EQ(c->GetButeursJournee(2)->Nombre(), 1);
    c->SetNbJour(1);
    EXPECT_EQ(c->GetButeursJournee(2), nullptr);
    EXPECT_EQ(c->GetPasseursJournee(2), nullptr);
    EXPECT_EQ(c->GetJournee(2), nullptr);
    EXPECT_EQ(c->CherchePenaltys(2, 10, 11), nullptr);
    // A match on a day past the last one grows the championship.
    c->AjouteMatch(4, 10, 11, -1, 65535, 65535);
    EXPECT_EQ(c->GetNbJour(), 4);
    EXPECT_NE(c->GetCartonsJournee(4), nullptr);
    EXPECT_NE(c->GetPasseursJournee(4), nullptr);
}

TEST(Championnat, TeamsCodesAndOptions)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison);
    c.SetNbEquipe(2);
    EXPECT_EQ(c.GetEquipe(0), 65535);
    EXPECT_TRUE(c.AjouteEquipe(7));
    EXPECT_EQ(c.GetEquipe(0), 7);
    EXPECT_FALSE(c.AjouteEquipe(7));
    EXPECT_TRUE(c.AjouteEquipe(8));
    EXPECT_TRUE(c.AjouteEquipe(9)); // full: grows by one slot
    EXPECT_EQ(c.GetNbEquipe(), 3);
    EXPECT_EQ(c.IndexEquipe(9), 2);
    EXPECT_EQ(c.IndexEquipe(-1), -1);
    EXPECT_EQ(c.GetEquipe(3), -1);
    c.SetNbEquipe(0);
    for (int id = 0; id < 255; ++id)
        ASSERT_TRUE(c.AjouteEquipe(static_cast<uint16_t>(id)));
    EXPECT_FALSE(c.AjouteEquipe(300));
    EXPECT_EQ(c.GetNbEquipe(), 255);

    c.SetCode(1000);
    EXPECT_EQ(c.Division, 1000);
    EXPECT_EQ(c.GetCode(), 1000);
    c.SetCode(1001);
    EXPECT_EQ(c.Division, 0);
    EXPECT_EQ(c.CodePerso, 1);
    EXPECT_EQ(c.GetCode(), 1001);

    EXPECT_EQ(c.GetOption(4), 3);
    EXPECT_EQ(c.GetOption(10), 255);
    EXPECT_EQ(c.GetOptionArbitre(2), 6);
    c.SetOption(19, 7);
    c.SetOption(-1, 7);
    c.SetOptionArbitre(5, 7);
    EXPECT_EQ(c.GetOption(19), 0);
    EXPECT_EQ(c.GetOption(-1), 0);
    EXPECT_EQ(c.GetOptionArbitre(5), 0);
    EXPECT_EQ(c.OrdreClassement, "ac");
}

TEST(Championnat, SortsTeamsByName)
{
    FakeSaison saison;
    saison.Equipes = {{1, "Nantes"}, {2, "auxerre"}, {3, "Brest"}};
    TDonneesChampionnatFootball c(&saison);
    for (uint16_t id : {1, 2, 3})
        c.AjouteEquipe(id);
    c.TrieEquipes(saison);
    EXPECT_EQ(c.GetEquipe(0), 2);
    EXPECT_EQ(c.GetEquipe(1), 3);
    EXPECT_EQ(c.GetEquipe(2), 1);
}

TEST(Championnat, DayCheckFlags)
{
    FakeSaison saison;
    auto c = Ligue(saison, 1);
    c->AjouteMatch(1, 10, 11, -1, 2, 1);
    c->AjouteMatch(1, 12, 13, -1, 0, 0);
    TInfoComp* m = c->GetMatch(1, 1);
    m->SetAffluence(-1); // never entered: missing
    TListeDonnees* buts = c->GetButeursJournee(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(1, 10, 12));
    buts->Ajoute(std::make_unique<TDonneesEvt>(2, 10, 0x100 | 40));
    buts->Ajoute(std::make_unique<TDonneesEvt>(3, 11, 0x800));                // a miss: no goal
    c->GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(6, 11, 0)); // a card without its minute
    m->SetCompo(10, 20, 0xFF00 | 80);
    m->SetCompo(11, 20, 0xFF00);
    m->SetCompo(10, 12, 5); // substitution 1 without the player coming on, minute 0
    int nombre = 0;
    std::vector<uint8_t> f = c->ControleJournee(1, nombre);
    ASSERT_EQ(f.size(), 14u);
    EXPECT_EQ(nombre, 2);
    EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 7), (std::vector<uint8_t>{0, 0, 0, 1, 0, 0, 1}));
    // Second match: nothing entered but the score; its result is right (0 - 0).
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + 7, f.end()), (std::vector<uint8_t>{0, 1, 1, 0, 1, 1, 1}));

    buts->Ajoute(std::make_unique<TDonneesEvt>(4, 11, 60));
    m->SetAffluence(20000);
    f = c->ControleJournee(1, nombre);
    EXPECT_EQ(f[0], 1);
    EXPECT_EQ(f[1], 1);

    // A result set by hand is not examined.
    c->GetPenalites().AjouteMatch(12, 13, 3, 0, 1);
    f = c->ControleJournee(1, nombre);
    EXPECT_EQ(nombre, 1);
    EXPECT_EQ(f[13], 0);
}

TEST(Championnat, RenumberingReachesEveryDay)
{
    FakeSaison saison;
    auto c = Ligue(saison, 3);
    for (int n = 1; n <= 3; ++n) {
        c->AjouteMatch(n, 10, 11, -1, 1, 0);
        c->GetButeursJournee(n)->Ajoute(std::make_unique<TDonneesEvt>(5, 10, 10));
        c->GetPasseursJournee(n)->Ajoute(std::make_unique<TDonneesEvt>(5, 10, 0));
        c->SetCompoMatch(n, 0, 3, 5);
        c->SetCompoMatch(n, 1, 21, 5); // the away captain
        c->SetArbitre(n, 1, 2, 40);
    }
    c->NbJournee = 1;
    c->ConvertitJoueurs({{5, 6}});
    c->ConvertitArbitres({{40, 41}});
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(c->GetButeursJournee(n)->Get(0)->GetJoueur(), 6);
        EXPECT_EQ(c->GetPasseursJournee(n)->Get(0)->GetJoueur(), 6);
        EXPECT_EQ(c->GetCompoMatch(n, 0, 3), 6);
        EXPECT_EQ(c->GetCompoMatch(n, 1, 21), 6) << "the captaincy follows the player";
        EXPECT_EQ(c->GetArbitre(n, 1, 2), 41) << "day " << n;
    }
}

TEST(Championnat, PreviousMatchOfAReferee)
{
    FakeSaison saison;
    auto c = Ligue(saison, 5);
    c->AjouteMatch(1, 10, 12, -1, 65535, 65535);
    c->SetArbitre(1, 1, 3, 7);
    c->AjouteMatch(3, 13, 11, -1, 65535, 65535);
    c->SetArbitre(3, 1, 1, 7);
    int jour = 5;
    const TInfoComp* m = c->ChercheArbitrePrecedent(7, 10, 11, jour);
    EXPECT_EQ(jour, 3);
    EXPECT_EQ(m, c->GetMatch(3, 1));
    m = c->ChercheArbitrePrecedent(7, 10, 11, jour);
    EXPECT_EQ(jour, 1);
    m = c->ChercheArbitrePrecedent(7, 10, 11, jour);
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(jour, 0);
}

TEST(Championnat, CopyingResultsMapsTeamsByPosition)
{
    FakeSaison saison, autre;
    saison.AjouteStade("Beaujoire");
    autre.AjouteStade("Velodrome");
    auto source = Ligue(saison, 2);
    auto c = std::make_unique<TDonneesChampionnatFootball>(&autre);
    for (uint16_t id : {20, 21, 22, 23})
        c->AjouteEquipe(id);
    c->SetNbJour(1);
    source->NbJournee = 2;
    source->AjouteMatch(2, 10, 12, -1, 3, 1);
    source->SetDateJournee(2, EncodeDateMatch(1, 9, 2007));
    TInfoComp* m = source->GetMatch(2, 1);
    m->SetAffluence(15000);
    m->SetComment("Pluie");
    m->SetArbitre(2, 8);
    m->SetStade(0);
    source->SetCompoMatch(2, 0, 1, 99);
    source->SetCompoMatch(2, 0, 21, 99);
    source->SetNoteJoueurMatch(2, 2, 1, 6);
    source->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(99, 10, 30));
    source->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(98, 500, 31)); // no position: skipped
    source->GetPasseursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(97, 12, 0));

    c->CopieResultats(*source);
    EXPECT_EQ(c->NbJournee, 2);
    EXPECT_EQ(c->GetNbJour(), 2);
    const TInfoComp* copie = c->GetMatch(2, 1);
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie->GetEquipe(0), 20);
    EXPECT_EQ(copie->GetEquipe(1), 22);
    EXPECT_EQ(copie->GetScore(0), 3);
    EXPECT_EQ(copie->GetAffluence(), 15000);
    EXPECT_EQ(copie->GetComment(), "Pluie");
    EXPECT_EQ(copie->GetArbitre(2), 8);
    EXPECT_EQ(c->GetDateJournee(2), EncodeDateMatch(1, 9, 2007));
    EXPECT_EQ(autre.Stades.ChercheCode(copie->GetStade())->NomStade, "Beaujoire");
    EXPECT_EQ(c->GetCompoMatch(2, 0, 1), 99);
    EXPECT_EQ(c->GetCompoMatch(2, 0, 21), 0); // the captain is not copied
    EXPECT_EQ(c->GetNoteJoueurMatch(2, 2, 1), 6);
    ASSERT_EQ(c->GetButeursJournee(2)->Nombre(), 1);
    EXPECT_EQ(c->GetButeursJournee(2)->Get(0)->GetEquipe(), 20);
    EXPECT_EQ(c->GetPasseursJournee(2)->Get(0)->GetEquipe(), 22);
}

TEST(Championnat, EmptyingAndPositions)
{
    FakeSaison saison;
    auto c = Ligue(saison, 2);
    c->AjouteMatch(1, 0, 3, -1, 1, 1); // team fields holding positions
    c->AjouteMatch(1, 2, 7, -1, 1, 1);
    c->ConvertitPositionsJournee(1);
    EXPECT_EQ(c->GetMatch(1, 1)->GetEquipe(0), 10);
    EXPECT_EQ(c->GetMatch(1, 1)->GetEquipe(1), 13);
    EXPECT_EQ(c->GetMatch(1, 2)->GetEquipe(1), 65535);

    c->AjouteMatch(2, 10, 11, -1, 1, 1);
    c->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 10, 3));
    c->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(1, 10, 3));
    c->GetPenalites().AjoutePoints(10, -2);
    c->VideJournee(1);
    EXPECT_EQ(c->GetJournee(1)->NbMatch(), 0);
    EXPECT_EQ(c->GetButeursJournee(1)->Nombre(), 0);
    EXPECT_EQ(c->GetButeursJournee(2)->Nombre(), 1);
    c->Vide(false);
    EXPECT_EQ(c->GetJournee(2), nullptr);
    EXPECT_EQ(c->GetButeursJournee(2)->Nombre(), 1);
    EXPECT_EQ(c->GetPenalites().Nombre(), 0);
    c->Vide(true);
    EXPECT_EQ(c->GetButeursJournee(2)->Nombre(), 0);
}

TEST(Championnat, NextValidMatchOfTheCurrentDay)
{
    FakeSaison saison;
    auto c = Ligue(saison, 2);
    c->SetNbMatch(4);
    c->NbJournee = 2;
    c->AjouteMatch(2, 10, 11, -1, 65535, 65535);
    c->AjouteMatch(2, 12, 13, -1, 65535, 65535);
    c->AjouteMatch(2, 14, 15, -1, 65535, 65535);
    c->AjouteMatch(2, 16, 17, -1, 65535, 65535);
    c->GetMatch(2, 3)->SetEquipe(1, 65535);
    int num = 3;
    EXPECT_EQ(ProchainMatchValide(*c, num), 2);
    EXPECT_EQ(num, 4);
    num = 0;
    EXPECT_EQ(ProchainMatchValide(*c, num), 1);
    EXPECT_EQ(num, 1);
    c->NbJournee = 1; // a day without matches
    num = 2;
    EXPECT_GT(ProchainMatchValide(*c, num), 4);
}
