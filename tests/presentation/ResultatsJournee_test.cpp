#include "presentation/ResultatsJournee.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Horloge.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// A season of four teams (ids 0 Arles, 1 Brest, 2 Caen, 3 Dijon) and one
// championship of them, two matches a day; the clock says 15/03/2024.
struct TSaisonJournee {
    std::unique_ptr<TSaisonFootball> Saison = std::make_unique<TSaisonFootball>();
    TDonneesChampionnat* Champ = nullptr;
    THorlogeFixe Horloge{{2024, 3, 15}};
    int Notices = 0;

    explicit TSaisonJournee(uint8_t genre = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational,
                            int nbJour = 3, bool basket = false)
    {
        for (const char* nom : {"Arles", "Brest", "Caen", "Dijon"})
            Saison->AjouteEquipe(nom);
        std::unique_ptr<TDonneesChampionnat> c =
            basket ? std::make_unique<TDonneesChampionnatBasket>(Saison.get(), 2, genre)
                   : Saison->CreeChampionnat(genre);
        c->SetNbEquipe(4);
        for (int p = 0; p < 4; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(p));
        c->SetNbMatch(2);
        c->SetNbJour(nbJour);
        c->SetOption(4, 3);
        c->SetOption(5, 1);
        c->SetOption(6, 0);
        Saison->AjouteChampionnat(std::move(c));
        Champ = Saison->GetChampionnat(1);
        DateJours();
    }
    // Dated days: loading them writes nothing.
    void DateJours()
    {
        for (int n = 1; n <= Champ->GetNbJour(); ++n)
            Champ->SetDateJournee(n, EncodeDateMatch(n, 2, 2024));
    }

    std::unique_ptr<TResultatsJournee> Ouvre()
    {
        auto page = std::make_unique<TResultatsJournee>(Saison.get(), &Horloge);
        page->OnModification = [this] { ++Notices; };
        page->Initialiser();
        page->CreerLignes();
        return page;
    }
    uint16_t Valeur(int jour, int code) const { return Champ->GetValeurMatch(jour, code); }
    void But(int jour, uint16_t equipe, int joueur = 1)
    {
        Champ->GetButeursJournee(jour)->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, 10));
    }
    int Buts(int jour, uint16_t equipe) const
    {
        const TListeDonnees* l = Champ->GetButeursJournee(jour);
        int n = 0;
        for (int i = 0; i < l->Nombre(); ++i)
            n += l->Get(i)->GetEquipe() == equipe;
        return n;
    }
};

void Scores(TResultatsJournee& page, int ligne, const std::string& s1, const std::string& s2)
{
    page.SetScore(ligne, 0, s1);
    page.SetScore(ligne, 1, s2);
}

class ResultatsJourneeTextes : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

} // namespace

TEST(ResultatsJournee, LeagueDayTypedAndSaved)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(1, 2, 3, -1, X, X);
    auto page = s.Ouvre();
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Arles");
    EXPECT_EQ(page->GetLigne(1)->Equipe[1], "Dijon");
    EXPECT_TRUE(page->GetLigne(0)->Score[0].empty());
    EXPECT_TRUE(page->GetEquipesLibres().empty());
    EXPECT_EQ(s.Notices, 0);

    Scores(*page, 0, "2", "1");
    Scores(*page, 1, "0", "0");
    EXPECT_TRUE(page->EstModifiee());
    page->ValideSaisieEnCours();

    EXPECT_EQ(s.Notices, 1);
    EXPECT_FALSE(page->EstModifiee());
    const std::vector<uint16_t> attendu = {0, 2, 1, 1, 2, 0, 3, 0};
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(s.Valeur(1, code), attendu[code - 1]) << "code " << code;
    EXPECT_EQ(s.Champ->JourneeJouee, 1);
    EXPECT_EQ(s.Champ->GetPenalites().Nombre(), 0);

    // Nothing typed since: the commit and a second save change nothing.
    page->ValideSaisieEnCours();
    page->EnregistrerJournee();
    EXPECT_EQ(s.Notices, 1);
    EXPECT_EQ(s.Valeur(1, 2), 2);
}

TEST(ResultatsJournee, TeamsPlacedOnAnEmptyDayMakeItsMatches)
{
    TSaisonJournee s;
    auto page = s.Ouvre();
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_EQ(page->GetEquipesLibres(), (std::vector<std::string>{"Arles", "Brest", "Caen", "Dijon"}));
    EXPECT_FALSE(page->ScoreEditable(0));

    for (const char* nom : {"Caen", "Arles", "Dijon"})
        EXPECT_TRUE(page->PlaceEquipe(nom));
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Caen");
    EXPECT_EQ(page->GetLigne(0)->Equipe[1], "Arles");
    EXPECT_TRUE(page->ScoreEditable(0));
    EXPECT_FALSE(page->ScoreEditable(1));
    EXPECT_EQ(page->GetEquipesLibres(), std::vector<std::string>{"Brest"});
    Scores(*page, 0, "1", "3");

    // A row left incomplete is not stored, and drops nothing here.
    const int avant = s.Notices;
    page->EnregistrerJournee();
    EXPECT_EQ(s.Notices, avant + 1);
    EXPECT_EQ(s.Champ->GetNbMatchJournee(1), 2);
    EXPECT_EQ(s.Champ->GetJournee(1)->NbMatch(), 1);
    EXPECT_EQ(s.Valeur(1, 1), 2);
    EXPECT_EQ(s.Valeur(1, 4), 3);
    EXPECT_EQ(s.Champ->GetMatch(1, 1)->GetDate(), EncodeDateMatch(1, 2, 2024));

    page->EnregistrerJournee();
    EXPECT_EQ(s.Notices, avant + 1) << "an incomplete row that drops nothing is no change";

    // Unknown names never reach a frame.
    testsupport::TMessagesScriptes messages;
    EXPECT_FALSE(page->PlaceEquipe("Nulle part"));
    EXPECT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(page->GetLigne(1)->Equipe[1].empty());
}

TEST_F(ResultatsJourneeTextes, UnknownNameInARowIsSkippedWithAMessage)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 0);
    s.Champ->AjouteMatch(1, 2, 3, -1, 2, 2);
    auto page = s.Ouvre();
    testsupport::TMessagesScriptes messages;
    // A season team outside the championship is unknown here too.
    s.Saison->AjouteEquipe("Evian");
    page->SetEquipe(1, 1, "Evian");
    page->EnregistrerJournee();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages[0].Texte.find("Evian"), std::string::npos);
    ASSERT_EQ(s.Champ->GetJournee(1)->NbMatch(), 1);
    EXPECT_EQ(s.Valeur(1, 1), 0);
    EXPECT_EQ(s.Notices, 1) << "dropping Caen - Dijon is a change";
}

TEST(ResultatsJournee, LoweredScoreDropsThatTeamsScorersOnly)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 3, 1);
    s.Champ->AjouteMatch(1, 2, 3, -1, 0, 0);
    for (int i = 0; i < 3; ++i)
        s.But(1, 0, 10 + i);
    s.But(1, 1, 20);
    auto page = s.Ouvre();

    Scores(*page, 0, "2", "1");
    page->EnregistrerJournee();
    EXPECT_EQ(s.Valeur(1, 2), 2);
    EXPECT_EQ(s.Buts(1, 0), 0);
    EXPECT_EQ(s.Buts(1, 1), 1);

    // Raising a score keeps the scorers.
    s.But(1, 0, 10);
    page->SetScore(0, 0, "4");
    page->EnregistrerJournee();
    EXPECT_EQ(s.Valeur(1, 2), 4);
    EXPECT_EQ(s.Buts(1, 0), 1);
}

TEST(ResultatsJournee, EmptiedScoreDropsBothTeamsEventsAndKeepsLineUps)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 2, 1);
    s.Champ->AjouteMatch(1, 2, 3, -1, 0, 0);
    s.But(1, 0);
    s.But(1, 1);
    s.But(1, 2);
    s.Champ->GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(5, 1, 30));
    s.Champ->SetCompoMatch(1, 0, 1, 7);
    auto page = s.Ouvre();

    page->SetScore(0, 1, "");
    page->EnregistrerJournee();
    EXPECT_EQ(s.Valeur(1, 2), X);
    EXPECT_EQ(s.Valeur(1, 4), X);
    EXPECT_EQ(s.Buts(1, 0), 0);
    EXPECT_EQ(s.Buts(1, 1), 0);
    EXPECT_EQ(s.Buts(1, 2), 1);
    EXPECT_EQ(s.Champ->GetCartonsJournee(1)->Nombre(), 0);
    EXPECT_EQ(s.Champ->GetCompoMatch(1, 0, 1), 7);
    EXPECT_EQ(s.Champ->JourneeJouee, 1);
}

TEST(ResultatsJournee, SwappedTeamsMakeANewMatchAndDropTheOld)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 2, 1);
    s.Champ->AjouteMatch(1, 2, 3, -1, 0, 0);
    s.Champ->SetAffluence(1, 1, 12000);
    s.Champ->SetCompoMatch(1, 0, 1, 7);
    s.But(1, 0);
    auto page = s.Ouvre();

    page->EchangeEquipes(0, 0, 0, 1);
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Brest");
    page->EnregistrerJournee();
    const TInfoComp* m = s.Champ->GetMatch(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetEquipe(0), 1);
    EXPECT_EQ(m->GetEquipe(1), 0);
    // The score edits stay where they were.
    EXPECT_EQ(s.Valeur(1, 2), 2);
    EXPECT_EQ(s.Valeur(1, 4), 1);
    EXPECT_EQ(s.Champ->GetAffluence(1, 1), -1);
    EXPECT_EQ(s.Champ->GetCompoMatch(1, 0, 1), 0);
    EXPECT_EQ(s.Buts(1, 0), 0);
    EXPECT_EQ(s.Champ->GetJournee(1)->NbMatch(), 2);
}

TEST(ResultatsJournee, AwardedResultWritesItsRecordAndNothingElse)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 2, 1);
    s.Champ->AjouteMatch(1, 2, 3, -1, 0, 0);
    s.Champ->GetPenalites().Ajoute(0, 1, 3, 0, 2, TPenalite::ResultatManuel);
    s.Champ->GetPenalites().AjoutePoints(2, -3);
    s.Champ->SetAffluence(1, 1, 12000);
    s.But(1, 0);
    auto page = s.Ouvre();
    // The record of day 2 for the same pairing does not mark day 1.
    EXPECT_EQ(page->GetLigne(0)->TypeResultat, TLigneResultat::Normal);

    page->TapisVert(0);
    Scores(*page, 0, "0", "3");
    page->EnregistrerJournee();

    const std::vector<TPenalite*> jour1 = s.Champ->GetPenalites().GetJournee(1);
    ASSERT_EQ(jour1.size(), 1u);
    EXPECT_EQ(jour1[0]->Equipe1, 0);
    EXPECT_EQ(jour1[0]->Equipe2, 1);
    EXPECT_EQ(jour1[0]->Valeur1, 0);
    EXPECT_EQ(jour1[0]->Valeur2, 3);
    EXPECT_EQ(jour1[0]->Type, TPenalite::ResultatAttribue);
    EXPECT_EQ(s.Champ->GetPenalites().Nombre(), 3);
    EXPECT_EQ(s.Champ->GetAffluence(1, 1), 12000);
    EXPECT_EQ(s.Champ->GetJournee(1)->NbMatch(), 2);

    // Loaded again, the row is marked; back to normal, the record goes and
    // that alone is a change.
    page->CreerLignes();
    EXPECT_EQ(page->GetLigne(0)->TypeResultat, TLigneResultat::TapisVert);
    const int avant = s.Notices;
    page->MatchNormal(0);
    page->EnregistrerJournee();
    EXPECT_EQ(s.Notices, avant + 1);
    EXPECT_TRUE(s.Champ->GetPenalites().GetJournee(1).empty());
    EXPECT_EQ(s.Champ->GetPenalites().Nombre(), 2);
}

TEST(ResultatsJournee, ForfeitClearsTheMatchOfItsTwoTeams)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 1);
    s.Champ->AjouteMatch(1, 2, 3, -1, 1, 2);
    s.Champ->SetAffluence(1, 1, 500);
    s.Champ->SetAffluence(1, 2, 800);
    s.Champ->SetArbitre(1, 2, 1, 4);
    s.Champ->SetCompoMatch(1, 3, 5, 9);
    s.Champ->SetNoteJoueurMatch(1, 2, 1, 6);
    s.But(1, 2);
    s.But(1, 3);
    s.But(1, 0);
    auto page = s.Ouvre();
    // The first row shows Caen - Dijon, the day's second match, once the frames moved.
    page->EchangeEquipes(0, 0, 1, 0);
    page->EchangeEquipes(0, 1, 1, 1);
    ASSERT_EQ(page->GetLigne(0)->Equipe[0], "Caen");

    page->Forfait(0);
    EXPECT_EQ(page->GetLigne(0)->Score[0], "3");
    EXPECT_EQ(page->GetLigne(0)->Score[1], "0");
    EXPECT_EQ(s.Champ->GetAffluence(1, 2), 0);
    EXPECT_EQ(s.Champ->GetArbitre(1, 2, 1), -1);
    EXPECT_EQ(s.Champ->GetAffluence(1, 1), 500);
    EXPECT_EQ(s.Champ->GetCompoMatch(1, 3, 5), 0);
    EXPECT_EQ(s.Champ->GetNoteJoueurMatch(1, 2, 1), 255);
    EXPECT_EQ(s.Buts(1, 2), 0);
    EXPECT_EQ(s.Buts(1, 3), 0);
    EXPECT_EQ(s.Buts(1, 0), 1);

    page->EnregistrerJournee();
    EXPECT_EQ(s.Valeur(1, 6), 3);
    EXPECT_EQ(s.Valeur(1, 8), 0);
    const std::vector<TPenalite*> jour1 = s.Champ->GetPenalites().GetJournee(1);
    ASSERT_EQ(jour1.size(), 1u);
    EXPECT_EQ(jour1[0]->Equipe1, 2);
    EXPECT_EQ(jour1[0]->Valeur1, 3);
    EXPECT_EQ(jour1[0]->Valeur2, 0);
    EXPECT_EQ(jour1[0]->Type, TPenalite::ResultatManuel);
}

TEST(ResultatsJournee, ForfeitClearsTheBoxScoresOfABasketballMatch)
{
    TSaisonJournee s(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 3, true);
    auto* basket = dynamic_cast<TDonneesChampionnatBasket*>(s.Champ);
    ASSERT_NE(basket, nullptr);
    s.Champ->AjouteMatch(1, 0, 1, -1, 80, 75);
    s.Champ->AjouteMatch(1, 2, 3, -1, 60, 70);
    auto lignes = [&](int k, uint16_t equipe) {
        const TListeDonnees* l = basket->GetStatJournee(1, k);
        int n = 0;
        for (int i = 0; i < l->Nombre(); ++i)
            n += l->Get(i)->GetEquipe() == equipe;
        return n;
    };
    for (int k = 0; k < TDonneesChampionnatBasket::NbStats; ++k)
        for (uint16_t equipe : {0, 1, 2})
            basket->GetStatJournee(1, k)->Ajoute(std::make_unique<TDonneesEvt>(10 + equipe, equipe, 20));
    auto page = s.Ouvre();
    int ligne = 0;
    while (page->GetLigne(ligne) && page->GetLigne(ligne)->Equipe[0] != "Arles")
        ++ligne;
    ASSERT_NE(page->GetLigne(ligne), nullptr);

    page->Forfait(ligne);
    for (int k = 0; k < TDonneesChampionnatBasket::NbStats; ++k) {
        EXPECT_EQ(lignes(k, 0), 0) << "box score " << k;
        EXPECT_EQ(lignes(k, 1), 0) << "box score " << k;
        EXPECT_EQ(lignes(k, 2), 1) << "another match keeps box score " << k;
    }
}

TEST(ResultatsJournee, PlayedLeagueDayIsReorderedByTheStandingsOnOpen)
{
    TSaisonJournee s;
    // After day 1 Dijon and Caen lead; day 2 lists Arles - Brest first.
    s.Champ->AjouteMatch(1, 3, 0, -1, 2, 0);
    s.Champ->AjouteMatch(1, 2, 1, -1, 1, 0);
    s.Champ->AjouteMatch(2, 0, 1, -1, 0, 0);
    s.Champ->AjouteMatch(2, 2, 3, -1, 1, 1);
    s.Champ->JourneeJouee = 2;
    s.Champ->NbJournee = 2;
    auto page = s.Ouvre();
    EXPECT_EQ(s.Notices, 0) << "showing the day in another order is no change";
    EXPECT_EQ(s.Valeur(2, 1), 2);
    EXPECT_EQ(s.Valeur(2, 3), 3);
    EXPECT_EQ(s.Valeur(2, 5), 0);
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Caen");

    // Not yet played: left as it stands.
    s.Champ->AjouteMatch(3, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(3, 2, 3, -1, X, X);
    page->ChangeJournee(3);
    EXPECT_EQ(s.Valeur(3, 1), 0);
    EXPECT_EQ(s.Notices, 0);
    EXPECT_EQ(s.Champ->NbJournee, 3);
}

TEST(ResultatsJournee, ChangingDaySavesTheRowsFirst)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(1, 2, 3, -1, X, X);
    s.Champ->AjouteMatch(2, 1, 2, -1, X, X);
    s.Champ->AjouteMatch(2, 3, 0, -1, X, X);
    auto page = s.Ouvre();
    Scores(*page, 0, "1", "0");
    Scores(*page, 1, "1", "1");
    page->ChangeJournee(2);
    EXPECT_EQ(s.Valeur(1, 2), 1);
    EXPECT_EQ(s.Valeur(1, 6), 1);
    EXPECT_EQ(page->GetJournee(), 2);
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Brest");
    Scores(*page, 0, "0", "2");
    page->Quitte();
    EXPECT_EQ(s.Valeur(2, 4), 2);
    EXPECT_EQ(s.Champ->JourneeJouee, 2);
}

// Whatever the three-digit edit takes comes back as typed: an edit shown
// empty would make the next day change erase the match and its events.
TEST(ResultatsJournee, ScoresAboveAByteComeBackAfterADayChange)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(1, 2, 3, -1, 1, 0);
    s.Champ->AjouteMatch(2, 1, 2, -1, X, X);
    s.But(1, 2);
    s.But(1, 0);
    auto page = s.Ouvre();
    // Arles and Dijon lead the played day's standings: its order stays.
    Scores(*page, 0, "999", "1");
    Scores(*page, 1, "255", "300");
    page->ChangeJournee(2);
    page->ChangeJournee(1);
    ASSERT_EQ(page->GetLigne(0)->Equipe[0], "Arles");
    EXPECT_EQ(page->GetLigne(0)->Score[0], "999");
    EXPECT_EQ(page->GetLigne(0)->Score[1], "1");
    EXPECT_EQ(page->GetLigne(1)->Score[0], "255");
    EXPECT_EQ(page->GetLigne(1)->Score[1], "300");
    // A second round trip through another day changes nothing more.
    page->ChangeJournee(2);
    page->ChangeJournee(1);
    EXPECT_EQ(s.Valeur(1, 2), 999);
    EXPECT_EQ(s.Valeur(1, 4), 1);
    EXPECT_EQ(s.Valeur(1, 6), 255);
    EXPECT_EQ(s.Valeur(1, 8), 300);
    EXPECT_EQ(s.Buts(1, 0), 1);
    EXPECT_EQ(s.Buts(1, 2), 1) << "a raised score keeps its scorers";
    EXPECT_EQ(s.Champ->JourneeJouee, 1);
}

// A forfeit's record holds a byte per side and the standings find the loser by
// comparing them: 256-1 must not come out as 0-1.
TEST(ResultatsJournee, AForfeitAboveAByteKeepsItsWinner)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(1, 2, 3, -1, X, X);
    auto page = s.Ouvre();
    page->Forfait(0);
    Scores(*page, 0, "256", "1");
    page->EnregistrerJournee();
    EXPECT_EQ(s.Valeur(1, 2), 256);
    const std::vector<TPenalite*> jour1 = s.Champ->GetPenalites().GetJournee(1);
    ASSERT_EQ(jour1.size(), 1u);
    EXPECT_EQ(jour1[0]->Valeur1, 255);
    EXPECT_EQ(jour1[0]->Valeur2, 1);
}

TEST(ResultatsJournee, UneditedPageWritesNothingWhenItGoes)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 0);
    s.Champ->AjouteMatch(1, 2, 3, -1, 2, 2);
    auto page = s.Ouvre();
    // Newer work elsewhere (another page) while this one is kept hidden.
    s.Champ->GetMatch(1, 1)->SetScore(0, 5);
    page->ValideSaisieEnCours();
    page->Quitte();
    EXPECT_EQ(s.Valeur(1, 2), 5);
    EXPECT_EQ(s.Notices, 0);

    // Shown again, it reloads what the model holds.
    auto autre = s.Ouvre();
    autre->Rafraichit();
    EXPECT_EQ(autre->GetLigne(0)->Score[0], "5");
}

TEST(ResultatsJournee, DayDateAndMatchDatesGoIntoTheCalendar)
{
    TSaisonJournee s;
    s.Champ->SetOption(11, 1 | 4);
    s.Champ->AjouteMatch(1, 0, 1, -1, X, X);
    s.Champ->AjouteMatch(1, 2, 3, -1, X, X);
    // As an older file may hold them.
    s.Champ->DeplaceMatchDate(1, 1, 0);
    s.Champ->DeplaceMatchDate(1, 2, 0);
    auto page = s.Ouvre();
    EXPECT_TRUE(page->DateJourVisible());
    ASSERT_TRUE(page->GetLigne(0)->AvecDate);
    // Matches without a date of their own take the day's.
    EXPECT_EQ(page->GetLigne(0)->Date, "01/02/2024");
    EXPECT_EQ(s.Champ->GetDateMatch(1, 1), EncodeDateMatch(1, 2, 2024));
    EXPECT_EQ(s.Notices, 2);
    s.Notices = 0;

    const TDateMatch d = EncodeDateMatch(9, 2, 2024);
    page->ValideDateJour(d);
    EXPECT_EQ(s.Champ->GetDateJournee(1), d);
    EXPECT_EQ(s.Champ->GetDateMatch(1, 2), d);
    EXPECT_EQ(page->GetLigne(1)->Date, "09/02/2024");
    EXPECT_EQ(s.Notices, 1);

    page->SetDate(1, "10/02/2024");
    EXPECT_TRUE(page->ValideDateMatch(1));
    const TDateMatch d2 = EncodeDateMatch(10, 2, 2024);
    EXPECT_EQ(s.Champ->GetDateMatch(1, 2), d2);
    const TInfoCompJour* liste = s.Champ->GetJournees().ChercheDate(d2);
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->IndexMatch(s.Champ->GetMatch(1, 2)), 0);
    EXPECT_EQ(s.Champ->GetJournees().ChercheDate(d)->IndexMatch(s.Champ->GetMatch(1, 2)), -1);
    EXPECT_FALSE(page->ValideDateMatch(1)) << "the same date again moves nothing";

    // A date the calendar does not have is refused and the edit shows the match's again.
    for (const char* faux : {"31/02/2024", "  /  /    ", "12/13/2024"}) {
        page->SetDate(1, faux);
        EXPECT_FALSE(page->ValideDateMatch(1)) << faux;
        EXPECT_EQ(page->GetLigne(1)->Date, "10/02/2024");
        EXPECT_EQ(s.Champ->GetDateMatch(1, 2), d2);
    }
}

TEST(ResultatsJournee, UndatedDayTakesTodaysDate)
{
    TSaisonJournee s;
    s.Champ->SetDateJournee(2, 0);
    s.Champ->NbJournee = 2;
    auto page = s.Ouvre();
    EXPECT_EQ(s.Champ->GetDateJournee(2), EncodeDateMatch(15, 3, 2024));
    EXPECT_EQ(page->GetDateJour(), EncodeDateMatch(15, 3, 2024));
    EXPECT_EQ(s.Notices, 1);
}

TEST(ResultatsJournee, ByDateModeGrowsItsRowsAndItsDays)
{
    TSaisonJournee s(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 1);
    s.Champ->SetOption(11, 8);
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 0);
    auto page = s.Ouvre();
    EXPECT_TRUE(page->ParDate());
    EXPECT_FALSE(page->TitreVisible());
    EXPECT_EQ(page->MaxPiste(), 999);
    ASSERT_EQ(page->NbLignes(), 2);
    int ajouts = 0;
    page->SurLigneAjoutee = [&] { ++ajouts; };
    page->PlaceEquipe("Caen");
    EXPECT_EQ(page->NbLignes(), 3);
    EXPECT_EQ(ajouts, 1);
    page->PlaceEquipe("Dijon");
    EXPECT_EQ(page->NbLignes(), 3);
    Scores(*page, 1, "2", "2");

    // A date no day has yet opens a new day after the last, the rows saved first.
    const TDateMatch d = EncodeDateMatch(20, 4, 2024);
    page->ChangeDateJour(d);
    EXPECT_EQ(s.Valeur(1, 6), 2);
    EXPECT_EQ(s.Champ->NbJournee, 2);
    ASSERT_EQ(page->NbLignes(), 1);
    page->PlaceEquipe("Brest");
    page->PlaceEquipe("Arles");
    EXPECT_EQ(page->NbLignes(), 2);
    page->EnregistrerJournee();
    EXPECT_EQ(s.Champ->GetNbJour(), 2);
    EXPECT_EQ(s.Valeur(2, 1), 1);
    EXPECT_EQ(s.Champ->GetDateJournee(2), d);
    EXPECT_EQ(s.Champ->GetDateMatch(2, 1), d);

    // Back to the first date: its day again.
    page->ChangeDateJour(EncodeDateMatch(1, 2, 2024));
    EXPECT_EQ(s.Champ->NbJournee, 1);
    EXPECT_EQ(page->NbLignes(), 3);
}

TEST(ResultatsJournee, CupRowsShootOutsAndQualifiedSide)
{
    TSaisonJournee s(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    s.Champ->CreeToursCoupe({{2, 2, 1}, {1, 1, 1}});
    ASSERT_EQ(s.Champ->GetNbJour(), 2);
    s.DateJours();
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 1);
    s.Champ->AjoutePenaltys(1, 0, 1, 4, 3);
    s.Champ->AjouteMatch(1, 2, 3, -1, X, X);
    int completions = 0;
    auto page = std::make_unique<TResultatsJournee>(s.Saison.get(), &s.Horloge);
    page->SurCompletion = [&](bool automatique) { completions += automatique; };
    page->Initialiser();
    page->CreerLignes();
    EXPECT_EQ(completions, 0) << "a day with a score is not completed";
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_TRUE(page->GetLigne(0)->AvecInfo);
    EXPECT_EQ(page->GetLigne(0)->TirsAuBut, (4u << 16) + 3u);
    EXPECT_TRUE(page->PlacementManuel());

    // What the cup decision writes into the rows reaches the model.
    page->GetLigne(0)->Qualifie = 0;
    page->GetLigne(1)->SetTirsAuBut(5, 4);
    page->GetLigne(1)->Qualifie = 1;
    Scores(*page, 1, "0", "0");
    page->MarqueModifiee();
    page->EnregistrerJournee();
    EXPECT_EQ(s.Champ->GetQualifie(1, 0, 1), 0);
    EXPECT_EQ(s.Champ->GetQualifie(1, 2, 3), 1);
    EXPECT_EQ(s.Valeur(1, 2), 1);
    const TPenaltys* t = s.Champ->CherchePenaltys(1, 2, 3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->But1, 5);
    EXPECT_EQ(t->But2, 4);
    page->EnregistrerJournee();
    page->GetLigne(1)->SetTirsAuBut(0, 0);
    page->EnregistrerJournee();
    EXPECT_EQ(s.Champ->CherchePenaltys(1, 2, 3), nullptr);

    // A day without scores asks for the automatic completion.
    page->ChangeJournee(2);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(page->NbLignes(), 1);
}

TEST(ResultatsJournee, TeamsAddedToACup)
{
    TSaisonJournee s(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    s.Champ->CreeToursCoupe({{2, 2, 1}, {1, 1, 1}});
    s.DateJours();
    s.Champ->SetNbEquipe(2);
    s.Champ->SetEquipe(0, 0);
    s.Champ->SetEquipe(1, 1);
    auto page = s.Ouvre();
    const auto candidats = page->CandidatsCoupe();
    ASSERT_EQ(candidats.size(), 2u);
    EXPECT_EQ(candidats[0], (std::pair<std::string, int>{"Caen", 2}));
    EXPECT_EQ(page->EquipesPresentes(), (std::vector<std::string>{"Arles", "Brest"}));

    const int ajoutees = page->AjouteEquipesCoupe({{"Dijon", 3}, {"", -1}, {"Brest", 1}, {"CAEN", -1}, {"Evian", -1}});
    EXPECT_EQ(ajoutees, 3);
    EXPECT_EQ(s.Champ->GetNbEquipe(), 5);
    EXPECT_EQ(s.Champ->IndexEquipe(2), 3) << "the typed name reuses the season's team";
    EXPECT_EQ(s.Saison->NbEquipe(), 5);
    EXPECT_GE(s.Champ->IndexEquipe(s.Saison->ChercheEquipe("Evian")), 0);
    EXPECT_EQ(s.Notices, 1);
}

TEST_F(ResultatsJourneeTextes, DayTitles)
{
    TSaisonJournee ligue;
    ligue.Champ->NbJournee = 3;
    EXPECT_EQ(TResultatsJournee::GetTitreJournee(*ligue.Saison), "Journée n°3");

    TSaisonJournee coupe(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    // Round 8 (kind 2, two legs), a series of the semi-finals, the final.
    coupe.Champ->CreeToursCoupe({{8, 4, 2}, {2, 2, 5}, {1, 1, 1}});
    coupe.Champ->NbJournee = 1;
    EXPECT_EQ(TResultatsJournee::GetTitreJournee(*coupe.Saison), "1e tour - Match aller");
    coupe.Champ->NbJournee = 2;
    EXPECT_EQ(TResultatsJournee::GetTitreJournee(*coupe.Saison), "1e tour - Match retour");
    coupe.Champ->NbJournee = 4;
    EXPECT_EQ(TResultatsJournee::GetTitreJournee(*coupe.Saison), "Demi-finale - Match 2");
    coupe.Champ->NbJournee = 6;
    EXPECT_EQ(TResultatsJournee::GetTitreJournee(*coupe.Saison), "Finale");
}

TEST(ResultatsJournee, CupLegsDecideWhetherTeamsArePlacedByHand)
{
    TSaisonJournee s(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    // Kind 3: a first leg (0x43) and a third match (0xC3); kind 2: 0x42 and 0x82.
    s.Champ->CreeToursCoupe({{3, 2, 3}, {2, 1, 2}});
    s.DateJours();
    auto page = s.Ouvre();
    EXPECT_TRUE(page->PlacementManuel());
    EXPECT_EQ(page->GetEquipesLibres().size(), 4u);

    page->ChangeJournee(2);
    EXPECT_FALSE(page->PlacementManuel());
    EXPECT_TRUE(page->GlissementPermis());
    EXPECT_TRUE(page->GetEquipesLibres().empty());

    page->ChangeJournee(4);
    EXPECT_FALSE(page->PlacementManuel());
    EXPECT_FALSE(page->GlissementPermis());
    const int avant = s.Notices;
    EXPECT_FALSE(page->PlaceEquipe("Arles"));
    EXPECT_EQ(s.Notices, avant);
}

// Score edits hold whatever was typed: a long number neither throws nor
// reaches the qualified-side bit.
TEST(ResultatsJournee, ScoreTextsReadSafely)
{
    EXPECT_EQ(LitScoreSaisi(""), 0);
    EXPECT_EQ(LitScoreSaisi(" 3 "), 3);
    EXPECT_EQ(LitScoreSaisi("3a"), 0);
    EXPECT_EQ(LitScoreSaisi("999"), 999);
    // The largest score that stays a score once the qualified side's bit is set.
    EXPECT_EQ(LitScoreSaisi("40000"), 0x7FFE);
    EXPECT_EQ(LitScoreSaisi("99999999999999999999"), 0x7FFE);
}

// A name typed in another case or without its accents still finds the team,
// as the cup decision finds it.
TEST_F(ResultatsJourneeTextes, TypedNamesAreFoundWhateverTheirCase)
{
    TSaisonJournee s;
    s.Champ->AjouteMatch(1, 0, 1, -1, 1, 0);
    auto page = s.Ouvre();
    testsupport::TMessagesScriptes messages;
    page->SetEquipe(0, 0, "BREST");
    page->SetEquipe(0, 1, "arles");
    page->EnregistrerJournee();
    EXPECT_TRUE(messages.Messages.empty());
    ASSERT_EQ(s.Champ->GetJournee(1)->NbMatch(), 1);
    EXPECT_EQ(s.Valeur(1, 1), 1);
    EXPECT_EQ(s.Valeur(1, 3), 0);
}
