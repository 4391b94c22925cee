#include "presentation/FeuilleMatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "SaisonFeuilles.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

struct TEvt {
    int Joueur;
    uint16_t Equipe;
    uint16_t Mot;
    bool operator==(const TEvt&) const = default;
};

std::vector<TEvt> Evenements(const TListeDonnees* l)
{
    std::vector<TEvt> v;
    for (int i = 0; l && i < l->Nombre(); ++i)
        v.push_back({l->Get(i)->GetJoueur(), l->Get(i)->GetEquipe(), l->Get(i)->GetMot()});
    return v;
}

// Teams 0 Arles, 1 Brest, 2 Caen, 3 Dijon; two matches a day on ten days,
// Arles-Brest and Caen-Dijon on day 1; players 11-13 of Arles, 21-22 of Brest.
class FeuilleMatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
        EtatFeuilles() = TEtatFeuilles{};
        Champ = testsupport::CreeLigueFeuilles(Saison, {"Arles", "Brest", "Caen", "Dijon"}, 10, 1);
        Joueur(11, "Martin", 0);
        Joueur(12, "Petit", 0);
        Joueur(13, "Durand", 0);
        Joueur(21, "Zidane", 1);
        Joueur(22, "Blanc", 1);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    void Joueur(int id, const char* nom, uint16_t equipe)
    {
        Saison.Joueurs().AjouteSimple(Saison.CreeJoueur(nom, "Jean", id, equipe));
    }
    void Score(int jour, int m, uint16_t s1, uint16_t s2)
    {
        Champ->SetScoreMatch(jour, m - 1, 0, s1);
        Champ->SetScoreMatch(jour, m - 1, 1, s2);
    }
    template <class F> std::unique_ptr<F> Ouvre()
    {
        auto f = std::make_unique<F>(&Saison);
        f->OnModification = [this] { ++Notices; };
        f->Affiche();
        return f;
    }

    TSaisonFootball Saison;
    TDonneesChampionnat* Champ = nullptr;
    int Notices = 0;
};

TEST_F(FeuilleMatchTest, UpDownSkipsIncompleteMatchesWrapsAndWritesFirst)
{
    Champ->SetNbMatch(3);
    Champ->AjouteMatch(2, 0, 1, -1, X, X);
    Champ->AjouteMatch(2, 2, 3, -1, X, X);
    Champ->NbJournee = 2;
    auto f = Ouvre<TFeuilleButeurs>();
    EXPECT_EQ(f->GetMatch(), 1);
    EXPECT_EQ(f->GetNomEquipe(1), "Arles");
    ASSERT_TRUE(f->ChangeMatch(1));
    EXPECT_EQ(f->GetMatch(), 2);
    ASSERT_TRUE(f->ChangeMatch(1));
    EXPECT_EQ(f->GetMatch(), 1) << "wraps past the last complete match";
    ASSERT_TRUE(f->ChangeMatch(-1));
    EXPECT_EQ(f->GetMatch(), 2);

    // A minute typed, then a move: the shown match is written first.
    f->DoubleClicEquipe(1, 0, "Caen");
    f->SetMinute(3, 0, "12");
    ASSERT_TRUE(f->ChangeMatch(1));
    EXPECT_EQ(Evenements(Champ->GetCartonsJournee(2)), (std::vector<TEvt>{{0, 2, 12}}));

    // One complete match: nothing moves.
    Champ->SupprimeMatch(2, 2, 3);
    f->Affiche();
    EXPECT_FALSE(f->ChangeMatch(1));
    EXPECT_FALSE(f->ChangeMatch(-1));
}

TEST_F(FeuilleMatchTest, MatchMenuListsEveryMatchOfABigCupDay)
{
    std::unique_ptr<TDonneesChampionnat> c = Saison.CreeChampionnat(TDonneesChampionnat::TypeCoupe);
    c->SetNbEquipe(48);
    for (int p = 0; p < 48; ++p) {
        const int id = p < 4 ? p : Saison.AjouteEquipe("equipe " + std::to_string(p));
        c->SetEquipe(p, static_cast<uint16_t>(id));
    }
    c->SetNbMatch(24);
    c->SetNbJour(1);
    c->AjouteTourCoupe(TTourCoupeJour{1, 24, 1});
    for (int m = 0; m < 24; ++m)
        c->AjouteMatch(1, c->GetEquipe(2 * m), c->GetEquipe(2 * m + 1), -1, X, X);
    Saison.AjouteChampionnat(std::move(c));
    ASSERT_TRUE(Saison.SetNumChampCourant(2));
    ASSERT_EQ(Saison.GetChampCourant()->GetNbMatchJournee(1), 24);
    auto f = Ouvre<TFeuilleButeurs>();
    const auto items = f->ListeMatchs();
    ASSERT_EQ(items.size(), 24u);
    EXPECT_EQ(items[0].first, "Arles-Brest");
    EXPECT_EQ(items[20].first, "Equipe 40-Equipe 41");
    f->ChoisitMatch(21);
    EXPECT_EQ(f->GetMatch(), 21);
    EXPECT_EQ(f->GetNomEquipe(1), "equipe 40");
}

TEST_F(FeuilleMatchTest, DayChooserKeepsOrResetsTheMatchAndStaleNumbersAreCorrected)
{
    Champ->AjouteMatch(3, 1, 0, -1, X, X);
    Champ->AjouteMatch(3, 3, 2, -1, X, X);
    EtatFeuilles().MatchCourant = 40; // left over from a bigger championship
    auto f = Ouvre<TFeuilleButeurs>();
    EXPECT_EQ(f->GetMatch(), 1);
    f->ChoisitMatch(2);
    f->ChoisitJournee(1);
    EXPECT_EQ(f->GetMatch(), 2) << "the same day keeps the match";
    f->ChoisitJournee(3);
    EXPECT_EQ(Champ->NbJournee, 3);
    EXPECT_EQ(f->GetMatch(), 1);
    EXPECT_EQ(f->GetNomEquipe(1), "Brest");
    // A day without a complete match empties the page and writes nothing.
    f->ChoisitJournee(5);
    EXPECT_FALSE(f->MatchAffiche());
    EXPECT_EQ(f->GetEquipe(1), nullptr);
    EXPECT_EQ(f->GetListe(1)->Nombre(), 0);
    f->Enregistre(true);
    EXPECT_EQ(Notices, 0);
}

TEST_F(FeuilleMatchTest, ClearingACardRowPacksTheRows)
{
    auto f = Ouvre<TFeuilleButeurs>();
    for (uint16_t j : {11, 12, 13})
        f->DoubleClicEquipe(1, j, std::to_string(j)); // no goal row: yellow cards
    TListeCartons& jaunes = *f->GetListe(3);
    ASSERT_EQ(jaunes.Nombre(), 4);
    ASSERT_TRUE(f->RendCarton(1, 3, 1));
    ASSERT_EQ(jaunes.Nombre(), 3);
    EXPECT_EQ(jaunes.Lignes[0].Texte, "11");
    EXPECT_EQ(jaunes.Lignes[1].Texte, "13");
    EXPECT_TRUE(jaunes.Lignes[2].Vide());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(jaunes.Lignes[i].Tag >> 16, static_cast<uint32_t>(i + 1));
}

TEST_F(FeuilleMatchTest, OwnGoalDropAndTheDragRules)
{
    Score(1, 1, 0, 1);
    auto f = Ouvre<TFeuilleButeurs>();
    ASSERT_EQ(f->GetListe(2)->Nombre(), 1);
    const TSourceGlisse martin = TSourceGlisse::Equipe(1, 11, "Martin");
    EXPECT_FALSE(f->AccepteDepot(4, 0, martin)) << "a home player on an away card row";
    ASSERT_TRUE(f->Depose(2, 0, martin));
    const TEtatCarton& csc = *f->GetCarton(2, 0);
    EXPECT_EQ(csc.Texte, "Martin(csc)");
    EXPECT_EQ(csc.Tag & GenreCarton::ContreCamp, GenreCarton::ContreCamp);
    EXPECT_EQ(csc.Colonne(), 1);
    // The own goal's tag goes to no other tag; the credited side's squad takes it.
    f->DoubleClicEquipe(2, 21, "Zidane");
    EXPECT_FALSE(f->AccepteDepot(4, 1, TSourceGlisse::Carton(2, 0)));
    EXPECT_FALSE(f->AccepteRetour(1, 2, 0));
    EXPECT_TRUE(f->AccepteRetour(2, 2, 0));
    EXPECT_FALSE(f->AccepteRetour(2, 4, 1)) << "an empty tag";

    f->Enregistre(false);
    EXPECT_EQ(Evenements(Champ->GetButeursJournee(1)), (std::vector<TEvt>{{11, 1, 0x80}}));
    EXPECT_EQ(Evenements(Champ->GetCartonsJournee(1)), (std::vector<TEvt>{{21, 1, 0}}));
}

TEST_F(FeuilleMatchTest, ScorersWriteKeepsShownGoalsAndMissedPenalties)
{
    Score(1, 1, 2, 0);
    TListeDonnees* buts = Champ->GetButeursJournee(1);
    for (int minute : {10, 20, 30})
        buts->Ajoute(std::make_unique<TDonneesEvt>(11, 0, minute));
    buts->Ajoute(std::make_unique<TDonneesEvt>(12, 0, Evt::PenaltyManque));
    buts->Ajoute(std::make_unique<TDonneesEvt>(31, 2, 5)); // another match
    auto f = Ouvre<TFeuilleButeurs>();
    ASSERT_EQ(f->GetListe(1)->Nombre(), 2);
    EXPECT_EQ(f->GetCarton(1, 1)->Minute, "20");
    EXPECT_TRUE(EtatFeuilles().Modifie);
    f->Enregistre(false);
    EXPECT_EQ(Evenements(buts), (std::vector<TEvt>{{12, 0, 0x800}, {31, 2, 5}, {11, 0, 10}, {11, 0, 20}}));
    EXPECT_EQ(Notices, 1);
}

TEST_F(FeuilleMatchTest, UnplayedMatchWriteLeavesOnlyMissedPenalties)
{
    TListeDonnees* buts = Champ->GetButeursJournee(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(11, 0, 10));
    buts->Ajoute(std::make_unique<TDonneesEvt>(21, 1, Evt::PenaltyManque));
    auto f = Ouvre<TFeuilleButeurs>();
    EXPECT_EQ(f->GetListe(1)->Nombre(), 0);
    EXPECT_FALSE(EtatFeuilles().Modifie);
    f->SetAffluence("1234");
    f->Enregistre(false);
    EXPECT_EQ(Evenements(buts), (std::vector<TEvt>{{21, 1, 0x800}}));
    EXPECT_EQ(Champ->GetAffluence(1, 1), 1234);
}

TEST_F(FeuilleMatchTest, GoalKindsAndMinutes)
{
    Score(1, 1, 3, 0);
    auto f = Ouvre<TFeuilleButeurs>();
    for (uint16_t j : {11, 12, 13})
        f->DoubleClicEquipe(1, j, "x");
    f->SetMinute(1, 0, "10");
    f->ChoisitGenre(1, 0, 1);
    EXPECT_EQ(f->GetCarton(1, 0)->Texte, "Martin (pen)");
    EXPECT_EQ(f->GenreCoche(1, 0), 1);
    f->SetMinute(1, 1, "127");
    f->ChoisitGenre(1, 1, 2);
    f->SetMinute(1, 2, "x");
    f->ChoisitGenre(1, 2, 0);
    EXPECT_EQ(f->GetCarton(1, 2)->Texte, "Durand");
    f->DoubleClicEquipe(1, 11, "Martin"); // a yellow card: no goal row is free
    ASSERT_TRUE(f->Depose(5, 0, TSourceGlisse::Equipe(1, 12, "Petit")));
    f->SetMinute(5, 0, "77");
    f->Enregistre(false);
    EXPECT_EQ(Evenements(Champ->GetButeursJournee(1)),
              (std::vector<TEvt>{{11, 0, 0x10A}, {12, 0, 0x200 + 127}, {13, 0, 0}}));
    EXPECT_EQ(Evenements(Champ->GetCartonsJournee(1)), (std::vector<TEvt>{{11, 0, 0}, {12, 0, 0x80 + 77}}));
}

TEST_F(FeuilleMatchTest, MinutesBeyondTheEventWordAreRefusedAndKeptAsTyped)
{
    Score(1, 1, 3, 0);
    Champ->AjouteMatch(1, 2, 3, -1, X, X);
    TListeDonnees* buts = Champ->GetButeursJournee(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(11, 0, 5));
    testsupport::TMessagesScriptes messages;
    auto f = Ouvre<TFeuilleButeurs>();
    f->DoubleClicEquipe(1, 12, "Petit");
    f->DoubleClicEquipe(1, 13, "Durand");
    const char* refusees[] = {"128", "255", "353"};
    for (int i = 0; i < 3; ++i) {
        messages.Messages.clear();
        EXPECT_FALSE(f->SetMinute(1, i, refusees[i])) << refusees[i];
        EXPECT_EQ(f->GetCarton(1, i)->Minute, refusees[i]) << "the text stays for correction";
        ASSERT_EQ(messages.Messages.size(), 1u) << refusees[i];
        EXPECT_NE(messages.Messages[0].Texte.find(refusees[i]), std::string::npos);
        EXPECT_NE(messages.Messages[0].Texte.find("de 0 à 127"), std::string::npos) << messages.Messages[0].Texte;
    }

    // A write takes every entry but the refused minutes, silently: they stay
    // on screen, and the page stays on the match until they are corrected.
    EXPECT_TRUE(f->SetMinute(1, 0, "60"));
    f->SetAffluence("12000");
    messages.Messages.clear();
    f->Enregistre(false);
    f->Enregistre(false);
    EXPECT_EQ(Evenements(buts), (std::vector<TEvt>{{11, 0, 60}}));
    EXPECT_EQ(Champ->GetAffluence(1, 1), 12000);
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_FALSE(f->ChangeMatch(1));
    f->ChoisitMatch(2);
    f->ChoisitJournee(2);
    EXPECT_EQ(f->GetMatch(), 1);
    EXPECT_EQ(Champ->NbJournee, 1);
    EXPECT_EQ(f->GetCarton(1, 2)->Minute, "353");
    ASSERT_EQ(messages.Messages.size(), 3u);
    EXPECT_NE(messages.Messages[0].Texte.find("Minute 255"), std::string::npos) << messages.Messages[0].Texte;
    EXPECT_NE(messages.Messages[0].Texte.find("pour quitter"), std::string::npos);

    // Corrected, every minute is written as typed, 127 the last that fits.
    EXPECT_TRUE(f->SetMinute(1, 0, "127"));
    EXPECT_TRUE(f->SetMinute(1, 1, "0"));
    f->SetMinute(1, 2, "90");
    // An empty row's minute is never written: it holds nothing back.
    f->SetMinute(3, 0, "999");
    messages.Messages.clear();
    f->Enregistre(false);
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(Evenements(buts), (std::vector<TEvt>{{11, 0, 127}, {12, 0, 0}, {13, 0, 90}}));
    EXPECT_TRUE(Evenements(Champ->GetCartonsJournee(1)).empty());
}

// The shipped World Cup on Wales 0-3 England (Rashford 50', Foden 51',
// Rashford 68'), with a yellow card for Foden at 30' stored beside it: a
// refused minute typed over a stored goal or card keeps that event in the
// season as it was, a new row with a refused minute writes nothing, and a
// commit that changes nothing marks nothing.
TEST_F(FeuilleMatchTest, RefusedMinuteKeepsTheStoredGoalAndCardOfTheWorldCup)
{
    const std::unique_ptr<TSaison> coupe =
        testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/coupe-du-monde-2022.xmc");
    auto* saison = dynamic_cast<TSaisonFootball*>(coupe.get());
    ASSERT_NE(saison, nullptr);
    ASSERT_NE(testsupport::MontreMatch(*saison, "Pays de Galles", "Angleterre").Jour, 0);
    TDonneesChampionnat* c = saison->GetChampCourant();
    ASSERT_NE(c, nullptr);
    TListeDonnees* buts = c->GetButeursJournee(c->NbJournee);
    TListeDonnees* cartons = c->GetCartonsJournee(c->NbJournee);
    auto f = std::make_unique<TFeuilleButeurs>(saison);
    f->OnModification = [this] { ++Notices; };
    f->Affiche();
    ASSERT_EQ(f->GetListe(2)->Nombre(), 3);
    ASSERT_EQ(f->GetCarton(2, 0)->Minute, "50");
    const uint16_t angleterre = f->GetIdEquipe(2);
    const uint16_t rashford = f->GetCarton(2, 0)->Joueur, foden = f->GetCarton(2, 1)->Joueur;
    cartons->Ajoute(std::make_unique<TDonneesEvt>(foden, angleterre, 30));
    f->Affiche();
    const std::vector<TEvt> butsLus = Evenements(buts), cartonsLus = Evenements(cartons);

    testsupport::TMessagesScriptes messages;
    EXPECT_FALSE(f->SetMinute(2, 0, "135"));
    f->ChoisitGenre(2, 0, 1); // a kind chosen on the refused row is not written either
    EXPECT_FALSE(f->SetMinute(4, 0, "135"));
    ASSERT_TRUE(f->DoubleClicEquipe(2, rashford, "Rashford")); // a new yellow card
    EXPECT_FALSE(f->SetMinute(4, 1, "200"));
    ASSERT_EQ(messages.Messages.size(), 3u);
    EXPECT_NE(messages.Messages[0].Texte.find("Minute 135"), std::string::npos);
    EXPECT_NE(messages.Messages[0].Texte.find("Le but de Rashford reste enregistré à la minute 50"), std::string::npos)
        << messages.Messages[0].Texte;
    EXPECT_NE(messages.Messages[1].Texte.find("Le carton de Foden reste enregistré à la minute 30"), std::string::npos)
        << messages.Messages[1].Texte;
    EXPECT_NE(messages.Messages[2].Texte.find("Ce carton n'est pas enregistré"), std::string::npos)
        << messages.Messages[2].Texte;
    EXPECT_NE(f->SaisieRefusee().find("minute 50"), std::string::npos) << f->SaisieRefusee();

    f->SetAffluence("45000");
    Notices = 0;
    f->Enregistre(false);
    EXPECT_EQ(Evenements(buts), butsLus);
    EXPECT_EQ(Evenements(cartons), cartonsLus);
    EXPECT_EQ(c->GetAffluence(c->NbJournee, f->GetMatch()), 45000);
    EXPECT_EQ(Notices, 1);
    // Committed again, with the refused minute retyped to another refused
    // one: the season is as it was, and nothing is marked.
    f->SetMinute(2, 0, "136");
    Notices = 0;
    f->ValideSaisieEnCours();
    f->Enregistre(false);
    EXPECT_EQ(Evenements(buts), butsLus);
    EXPECT_EQ(Notices, 0);

    // Corrected, the rows are written as typed.
    EXPECT_TRUE(f->SetMinute(2, 0, "52"));
    EXPECT_TRUE(f->SetMinute(4, 0, "31"));
    EXPECT_TRUE(f->SetMinute(4, 1, "80"));
    EXPECT_TRUE(f->SaisieRefusee().empty());
    Notices = 0;
    f->ValideSaisieEnCours();
    EXPECT_EQ(Notices, 1);
    const TEvt rashford52{rashford, angleterre, static_cast<uint16_t>(Evt::Penalty + 52)};
    const std::vector<TEvt> butsEcrits = Evenements(buts);
    EXPECT_EQ(butsEcrits.size(), butsLus.size());
    EXPECT_NE(std::ranges::find(butsEcrits, rashford52), butsEcrits.end());
    const std::vector<TEvt> cartonsEcrits = Evenements(cartons);
    EXPECT_EQ(std::vector<TEvt>(cartonsEcrits.end() - 2, cartonsEcrits.end()),
              (std::vector<TEvt>{{foden, angleterre, 31}, {rashford, angleterre, 80}}));
}

TEST_F(FeuilleMatchTest, RatingsBeyondTheirByteAreRefusedAndKeptAsTyped)
{
    Saison.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 4));
    testsupport::TMessagesScriptes messages;
    auto f = Ouvre<TFeuilleButeurs>();
    f->ChoisitArbitre(0);
    EXPECT_FALSE(f->SetNoteMatch("256"));
    EXPECT_FALSE(f->SetNoteArbitre("999"));
    ASSERT_EQ(messages.Messages.size(), 2u);
    for (const auto& m : messages.Messages)
        EXPECT_NE(m.Texte.find("de 0 à 255"), std::string::npos) << m.Texte;
    EXPECT_EQ(f->NoteMatch, "256");
    Champ->SetNoteMatch(1, 1, 7);
    EXPECT_NE(f->SaisieRefusee().find("Aucune note n'est enregistrée"), std::string::npos) << "none for the referee";
    f->ChoisitArbitre(-1);
    EXPECT_NE(f->SaisieRefusee().find("La note 7 reste enregistrée"), std::string::npos) << f->SaisieRefusee();
    f->ChoisitArbitre(0);
    f->Enregistre(false);
    EXPECT_EQ(Champ->GetNoteMatch(1, 1), 7) << "not written as 255 nor as anything else";
    EXPECT_EQ(Champ->GetArbitrePrincipal(1, 1), 4) << "the referee is written all the same";
    EXPECT_EQ(Champ->GetNoteArbitrePrincipal(1, 1), 0);

    EXPECT_TRUE(f->SetNoteMatch("255"));
    f->Enregistre(false);
    EXPECT_EQ(Champ->GetNoteMatch(1, 1), 255);
    EXPECT_NE(f->SaisieRefusee().find("999"), std::string::npos) << "the referee's rating is still refused";
    EXPECT_TRUE(f->SetNoteArbitre("17"));
    f->Enregistre(false);
    EXPECT_EQ(Champ->GetNoteMatch(1, 1), 255);
    EXPECT_EQ(Champ->GetArbitrePrincipal(1, 1), 4);
    EXPECT_EQ(Champ->GetNoteArbitrePrincipal(1, 1), 17);
}

TEST_F(FeuilleMatchTest, NumbersReadWithinTheirRange)
{
    EXPECT_EQ(LitMinuteBut("x"), 0);
    EXPECT_EQ(LitMinuteBut(""), 0);
    EXPECT_EQ(LitMinuteBut(" 0127"), 127);
    EXPECT_EQ(LitMinuteBut("128"), -1);
    EXPECT_EQ(LitEntierBorne("99999999999", 255), -1) << "too long for an int: beyond, not 0";
    EXPECT_EQ(LitEntierBorne("000000000000255", 255), 255);
}

TEST_F(FeuilleMatchTest, DoubleClicksFillGoalThenYellowThenRedThenNothing)
{
    Score(1, 1, 1, 0);
    auto f = Ouvre<TFeuilleButeurs>();
    const int attendues[] = {1, 3, 5};
    for (int liste : attendues) {
        ASSERT_TRUE(f->DoubleClicEquipe(1, 11, "Martin"));
        EXPECT_EQ(EtatFeuilles().FocusListe, liste);
        EXPECT_EQ(EtatFeuilles().FocusLigne, 0);
    }
    EXPECT_FALSE(f->DoubleClicEquipe(1, 11, "Martin"));
}

TEST_F(FeuilleMatchTest, AttendanceRefereeAndStadiumShownWithoutNotice)
{
    Champ->SetAffluence(1, 1, -1);
    auto arbitre = std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 4);
    Saison.Arbitres().Ajoute(std::move(arbitre));
    Champ->SetArbitrePrincipal(1, 1, 4);
    Champ->SetNoteArbitrePrincipal(1, 1, 7);
    Saison.Stades().Ajoute(std::make_unique<TStade>("Parc", 0, "Arles"), false);
    Saison.Stades().Ajoute(std::make_unique<TStade>("Moulin", 0, "Brest"), false);
    const TStade* moulin = Saison.Stades().ChercheNomVille("Moulin", "Brest");
    Saison.RensClubs().Cree(0)->SetStade(moulin);
    testsupport::TMessagesScriptes messages;
    auto f = Ouvre<TFeuilleButeurs>();
    EXPECT_EQ(f->Affluence, "0");
    ASSERT_EQ(f->ArbitreChoisi, 0);
    EXPECT_EQ(f->NoteArbitre, "7");
    EXPECT_EQ(f->NoteMatch, "");
    EXPECT_EQ(f->Stades[f->StadeChoisi].first, "Moulin (Brest)");
    EXPECT_EQ(Notices, 0);
    EXPECT_TRUE(messages.Messages.empty());
    f->Enregistre(false);
    EXPECT_EQ(Champ->GetStadeMatch(1, 1), moulin->Code);

    // Neutral grounds: nothing proposed.
    Champ->SetStadeMatch(1, 1, X);
    Champ->SetOption(11, 2);
    f->Affiche();
    EXPECT_EQ(f->StadeChoisi, -1);
}

class AvertissementArbitreTest : public FeuilleMatchTest {
protected:
    void SetUp() override
    {
        FeuilleMatchTest::SetUp();
        Saison.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 4));
        Champ->SetOptionArbitre(0, 1);
        Champ->NbJournee = 10;
        Champ->AjouteMatch(10, 0, 1, -1, X, X);
        Champ->SetDateJournee(10, EncodeDateMatch(15, 10, 2024));
    }
    std::string Avertit()
    {
        auto f = Ouvre<TFeuilleButeurs>();
        f->ChoisitArbitre(0);
        return f->AvertissementArbitre();
    }
    void Arbitre(int jour, uint16_t e1, uint16_t e2)
    {
        Champ->AjouteMatch(jour, e1, e2, -1, X, X);
        Champ->SetArbitrePrincipal(jour, 1, 4);
    }
};

TEST_F(AvertissementArbitreTest, SamePair)
{
    Champ->SetOptionArbitre(1, 1);
    Arbitre(3, 1, 0);
    EXPECT_EQ(Avertit(), "Cet arbitre a déjà arbitré ces deux équipes lors d'un match cette saison");
}

TEST_F(AvertissementArbitreTest, TooFewMatchDays)
{
    Champ->SetOptionArbitre(2, 3);
    Arbitre(9, 0, 2);
    EXPECT_EQ(Avertit(), "Cet arbitre a déjà arbitré l'équipe de Arles il y a moins de 3 Matchs (journée 9)");
}

TEST_F(AvertissementArbitreTest, TooFewMonthsAndShownOnChoice)
{
    Champ->SetOptionArbitre(2, 0);
    Champ->SetOptionArbitre(3, 2);
    Arbitre(5, 3, 1);
    Champ->SetDateJournee(5, EncodeDateMatch(1, 9, 2024));
    testsupport::TMessagesScriptes messages;
    const std::string texte = "Cet arbitre a déjà arbitré l'équipe de Brest il y a moins de 2 Mois (journée 5)";
    EXPECT_EQ(Avertit(), texte);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, texte);
}

TEST_F(AvertissementArbitreTest, NoWarningWhenOffOrNoEarlierMatch)
{
    Champ->SetOptionArbitre(2, 3);
    EXPECT_EQ(Avertit(), "");
    Arbitre(9, 0, 2);
    Champ->SetOptionArbitre(0, 0);
    EXPECT_EQ(Avertit(), "");
}

TEST_F(FeuilleMatchTest, AddedPlayerJoinsTheSquadOnce)
{
    auto f = Ouvre<TFeuilleButeurs>();
    EXPECT_EQ(f->IdEquipeAjout(2), 1);
    Joueur(23, "Abidal", 1);
    const TJoueur* j = Saison.Joueurs().ChercheId(23);
    ASSERT_TRUE(f->AjouteJoueur(2, j));
    EXPECT_EQ(f->GetEquipe(2)->Get(0)->GetNumero(), 23) << "at his sorted place";
    EXPECT_EQ(Notices, 1);
    EXPECT_FALSE(f->AjouteJoueur(2, j));
    EXPECT_EQ(f->GetEquipe(2)->Nombre(), 3);
}

TEST_F(FeuilleMatchTest, AssistsAndMissedPenalties)
{
    TListeDonnees* buts = Champ->GetButeursJournee(1);
    buts->Ajoute(std::make_unique<TDonneesEvt>(11, 0, Evt::Penalty + 5));
    buts->Ajoute(std::make_unique<TDonneesEvt>(12, 0, Evt::PenaltyManque + Evt::Penalty));
    auto f = Ouvre<TFeuillePasseurs>();
    ASSERT_EQ(f->GetListe(3)->Nombre(), 1) << "a missed penalty with other bits is not shown";
    f->DoubleClicEquipe(1, 11, "Martin");
    f->DoubleClicEquipe(1, 11, "Martin");
    f->DoubleClicEquipe(2, 21, "Zidane");
    ASSERT_TRUE(f->Depose(4, 0, TSourceGlisse::Equipe(2, 22, "Blanc")));
    EXPECT_FALSE(f->AccepteDepot(4, 1, TSourceGlisse::Equipe(1, 12, "Petit")));
    f->Commentaire = "Match fermé";
    f->Enregistre(false);
    const auto* c = static_cast<TDonneesChampionnatFootball*>(Champ);
    EXPECT_EQ(Evenements(c->GetPasseursJournee(1)), (std::vector<TEvt>{{11, 0, 0}, {11, 0, 0}, {21, 1, 0}}));
    EXPECT_EQ(Evenements(buts), (std::vector<TEvt>{{11, 0, 0x105}, {12, 0, 0x900}, {22, 1, 0x800}}));
    EXPECT_EQ(Champ->GetCommentaireMatch(1, 0, 1), "Match fermé");

    Notices = 0;
    f->Affiche();
    EXPECT_EQ(f->GetListe(4)->Lignes[0].Texte, "Blanc");
    f->Enregistre(true);
    EXPECT_EQ(Notices, 0) << "nothing changed";
    f->Affiche();
    f->Commentaire = "Autre";
    f->Enregistre(true);
    EXPECT_EQ(Notices, 1);
}

TEST_F(FeuilleMatchTest, KeptPageWritesNothingWhenDestroyed)
{
    Score(1, 1, 1, 0);
    auto f = Ouvre<TFeuilleButeurs>();
    f->DoubleClicEquipe(1, 11, "Martin");
    f->ValideSaisieEnCours();
    EXPECT_EQ(Evenements(Champ->GetButeursJournee(1)).size(), 1u);
    // Another page changes the day's events meanwhile.
    Champ->GetButeursJournee(1)->Vide();
    EtatFeuilles().Modifie = true;
    f->Quitte();
    EXPECT_TRUE(Evenements(Champ->GetButeursJournee(1)).empty());
}

TEST_F(FeuilleMatchTest, ShownAgainReloadsOnlyAPageThatWasLeft)
{
    Score(1, 1, 1, 0);
    auto f = Ouvre<TFeuillePasseurs>();
    f->SetCommentaire("Tapé");
    f->Rafraichit(); // the window shown again, the page never left
    EXPECT_EQ(f->Commentaire, "Tapé");
    f->ValideSaisieEnCours();
    Champ->SetCommentaireMatch(1, 0, 1, "Changé ailleurs");
    f->Rafraichit();
    EXPECT_EQ(f->Commentaire, "Changé ailleurs");
}

} // namespace
