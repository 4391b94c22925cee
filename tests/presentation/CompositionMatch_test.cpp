#include "presentation/CompositionMatch.h"
#include "presentation/NotesMatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SaisonFeuilles.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"

namespace {

// Teams 0 A and 1 B meet on days 1 to 4 (with C-D beside them); A has
// players 101-115 wearing 1-15, B players 201-215 wearing 1-15.
class CompositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
        EtatFeuilles() = TEtatFeuilles{};
        Champ = testsupport::CreeLigueFeuilles(Saison, {"A", "B", "C", "D"}, 4, 4);
        for (int e = 0; e < 2; ++e)
            for (int i = 1; i <= 15; ++i)
                Saison.Joueurs().AjouteSimple(Saison.CreeJoueurComplet("Joueur" + std::to_string(100 * (e + 1) + i),
                                                                       "Jean", 100 * (e + 1) + i, 0, 'M',
                                                                       static_cast<uint8_t>(i), e, 65535, 0, 0, 0));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    void Compo(int jour, int p, int capitaine)
    {
        for (int s = 1; s <= 11; ++s)
            Champ->SetCompoMatch(jour, p, s, static_cast<uint16_t>(100 * (p + 1) + s));
        Champ->SetCompoMatch(jour, p, 21, static_cast<uint16_t>(capitaine));
        Champ->SetCompoMatch(jour, p, 20, 0xFF00);
    }
    uint16_t Mot(int jour, int p, int i) const { return Champ->GetCompoMatch(jour, p, i); }
    std::unique_ptr<TCompositionMatch> Ouvre(int jour)
    {
        Champ->NbJournee = static_cast<uint8_t>(jour);
        auto f = std::make_unique<TCompositionMatch>(&Saison);
        f->OnModification = [this] { ++Notices; };
        f->Affiche();
        return f;
    }

    TSaisonFootball Saison;
    TDonneesChampionnat* Champ = nullptr;
    int Notices = 0;
};

TEST_F(CompositionTest, LineUpProposedFromTheLatestEnteredDayAndFlaggedOnlyWithPlayers)
{
    Compo(1, 0, 105);
    auto f = Ouvre(2);
    EXPECT_EQ(f->GetPlace(1, 5)->Texte, "Joueur105 (cap.)");
    EXPECT_EQ(f->GetPlace(1, 1)->Boite, "1");
    EXPECT_TRUE(f->GetPlace(1, 13)->Vide());
    EXPECT_TRUE(f->GetPlace(2, 1)->Vide());
    f->Enregistre(true);
    for (int s = 1; s <= 11; ++s)
        EXPECT_EQ(Mot(2, 0, s), 100 + s);
    EXPECT_EQ(Mot(2, 0, 21), 105);
    EXPECT_EQ(Mot(2, 0, 20) & 0xFF00, 0xFF00);
    for (int i = 1; i <= 21; ++i)
        EXPECT_EQ(Mot(2, 1, i), 0) << i;
    EXPECT_FALSE(Champ->CompoSaisie(2, 1));
}

TEST_F(CompositionTest, DayCheckSeesLineUpsEnteredOnlyOnceBothHavePlayers)
{
    Champ->SetScoreMatch(1, 0, 0, 0);
    Champ->SetScoreMatch(1, 0, 1, 0);
    auto f = Ouvre(1);
    f->DoubleClicEquipe(1, 101);
    f->Enregistre(false);
    int nombre = 0;
    EXPECT_EQ(Champ->ControleJournee(1, nombre)[3], 0);
    f->DoubleClicEquipe(2, 201);
    f->Enregistre(false);
    EXPECT_EQ(Champ->ControleJournee(1, nombre)[3], 1);
}

TEST_F(CompositionTest, EachCaptainFromHisTeamsOwnDay)
{
    Compo(3, 0, 103);
    Compo(1, 1, 208);
    auto f = Ouvre(4);
    EXPECT_EQ(f->GetCapitaine(1), 3);
    EXPECT_EQ(f->GetCapitaine(2), 8);
    EXPECT_EQ(f->GetPlace(2, 8)->Texte, "Joueur208 (cap.)");
}

TEST_F(CompositionTest, MinutesOfEmptyPairsAreZeroAndKeepTheEnteredFlag)
{
    auto f = Ouvre(1);
    for (int s = 1; s <= 3; ++s)
        ASSERT_TRUE(f->DoubleClicEquipe(1, static_cast<uint16_t>(100 + s)));
    ASSERT_TRUE(f->DoubleClicPlace(1, 1));
    ASSERT_TRUE(f->DoubleClicPlace(1, 2));
    f->SetMinute(1, 1, "130");
    f->SetMinute(1, 2, "255");
    EXPECT_TRUE(f->SetMinute(1, 3, "300")) << "nothing to refuse in an empty pair";
    EXPECT_EQ(f->GetMinute(1, 3), "0") << "both frames of pair 3 are empty";
    f->Enregistre(false);
    EXPECT_EQ(Mot(1, 0, 12), 101);
    EXPECT_EQ(Mot(1, 0, 18), 130);
    EXPECT_EQ(Mot(1, 0, 19), 255);
    EXPECT_EQ(Mot(1, 0, 20), 0xFF00);
}

TEST_F(CompositionTest, SubstitutionMinutesBeyondTheirByteAreRefusedAndKeptAsTyped)
{
    Champ->SetCompoMatch(1, 0, 18, 20);
    auto f = Ouvre(1);
    for (int s = 1; s <= 3; ++s)
        ASSERT_TRUE(f->DoubleClicEquipe(1, static_cast<uint16_t>(100 + s)));
    ASSERT_TRUE(f->DoubleClicPlace(1, 1));
    ASSERT_TRUE(f->DoubleClicPlace(1, 2));
    testsupport::TMessagesScriptes messages;
    for (const char* refusee : {"256", "300", "999"}) {
        messages.Messages.clear();
        EXPECT_FALSE(f->SetMinute(1, 1, refusee)) << refusee;
        EXPECT_EQ(f->GetMinute(1, 1), refusee) << "the text stays for correction";
        ASSERT_EQ(messages.Messages.size(), 1u) << refusee;
        EXPECT_NE(messages.Messages[0].Texte.find(std::string("Minute ") + refusee), std::string::npos);
        EXPECT_NE(messages.Messages[0].Texte.find("de 0 à 255"), std::string::npos) << messages.Messages[0].Texte;
    }
    EXPECT_TRUE(f->SetMinute(1, 2, "0"));

    // Every place and every other minute is written, silently; the refused
    // minute keeps what the file held, and the page stays on the match.
    messages.Messages.clear();
    const int notices = Notices;
    f->Enregistre(false);
    f->Enregistre(false);
    EXPECT_EQ(Mot(1, 0, 12), 101);
    EXPECT_EQ(Mot(1, 0, 14), 102);
    EXPECT_EQ(Mot(1, 0, 18), 20);
    EXPECT_EQ(Mot(1, 0, 20), 0xFF00);
    EXPECT_GT(Notices, notices);
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_FALSE(f->ChangeMatch(1));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages[0].Texte.find("Minute 999"), std::string::npos);
    EXPECT_NE(messages.Messages[0].Texte.find("pour quitter"), std::string::npos);
    EXPECT_EQ(f->GetMinute(1, 1), "999");

    // A refused minute of the away side holds the match back as well; one
    // whose pair is emptied is dropped with it.
    f->DoubleClicEquipe(2, 201);
    ASSERT_TRUE(f->DoubleClicPlace(2, 1));
    EXPECT_FALSE(f->SetMinute(2, 1, "400"));
    EXPECT_TRUE(f->SetMinute(1, 1, "255"));
    EXPECT_NE(f->SaisieRefusee().find("400"), std::string::npos);
    f->VidePlace(2, 12);
    EXPECT_TRUE(f->SaisieRefusee().empty());

    // Corrected, every minute is written as typed.
    messages.Messages.clear();
    f->Enregistre(false);
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(Mot(1, 0, 12), 101);
    EXPECT_EQ(Mot(1, 0, 14), 102);
    EXPECT_EQ(Mot(1, 0, 18), 255);
    EXPECT_EQ(Mot(1, 0, 19), 0);
    EXPECT_EQ(Mot(1, 1, 18), 0);
    EXPECT_EQ(Mot(1, 0, 20), 0xFF00);
    EXPECT_GT(Notices, notices);
}

TEST_F(CompositionTest, CaptainCommandsWriteAtOnce)
{
    Compo(1, 0, 105);
    auto f = Ouvre(1);
    f->ChoisitCapitaine(1, 7);
    EXPECT_EQ(Mot(1, 0, 21), 107);
    EXPECT_EQ(f->GetPlace(1, 5)->Texte, "Joueur105");
    EXPECT_EQ(f->GetPlace(1, 7)->Texte, "Joueur107 (cap.)");
    f->AucunCapitaine(1, 7);
    EXPECT_EQ(Mot(1, 0, 21), 0);
    EXPECT_EQ(f->GetCapitaine(1), 0);

    f->ChoisitCapitaine(1, 2);
    f->RendPlace(1, 1, 9); // a free squad player for the captain's slot
    ASSERT_TRUE(f->DeposeEquipe(1, 2, 1, 109));
    EXPECT_EQ(Mot(1, 0, 21), 0) << "dropping on the captain's slot clears him at once";
}

TEST_F(CompositionTest, PlacingRules)
{
    auto f = Ouvre(1);
    for (int i = 1; i <= 14; ++i)
        ASSERT_TRUE(f->DoubleClicEquipe(1, static_cast<uint16_t>(100 + i)));
    EXPECT_EQ(f->GetPlace(1, 11)->Joueur, 111);
    EXPECT_EQ(f->GetPlace(1, 13)->Joueur, 112);
    EXPECT_EQ(f->GetPlace(1, 17)->Joueur, 114);
    EXPECT_FALSE(f->DoubleClicEquipe(1, 115)) << "every slot taken";

    ASSERT_TRUE(f->DoubleClicPlace(1, 4));
    EXPECT_EQ(f->GetPlace(1, 12)->Joueur, 104);
    EXPECT_EQ(f->GetPlace(1, 4)->Joueur, 104) << "he keeps his slot";
    EXPECT_FALSE(f->AccepteEchange(1, 14, 1, 15)) << "the on frame of its own pair";
    EXPECT_TRUE(f->AccepteEchange(1, 14, 1, 13));
    EXPECT_FALSE(f->AccepteEquipe(2, 1, 1)) << "away frames refuse the home squad";
    EXPECT_FALSE(f->DeposeEquipe(2, 1, 1, 115));
}

TEST_F(CompositionTest, ShirtNumbers)
{
    auto f = Ouvre(1);
    f->ValideNumero(1, 1, "7");
    EXPECT_EQ(f->GetPlace(1, 1)->Joueur, 107) << "a free player takes the slot";
    f->ValideNumero(1, 2, "3");
    f->ValideNumero(1, 2, "7");
    EXPECT_EQ(f->GetPlace(1, 2)->Joueur, 107) << "a placed player moves";
    EXPECT_EQ(f->GetPlace(1, 1)->Joueur, 103);
    f->ValideNumero(1, 1, "99");
    EXPECT_EQ(f->GetPlace(1, 1)->Boite, "3") << "an unknown number puts the old one back";
    f->ValideNumeroEntree(1, 3, "5");
    EXPECT_EQ(f->GetPlace(1, 3)->Joueur, 105);
    EXPECT_EQ(f->GetPlace(1, 12)->Joueur, 105) << "Enter also sends him off";
}

TEST_F(CompositionTest, DeletedPlayerShowsNothingStaleAndIsWrittenBack)
{
    Compo(2, 0, 0);
    Champ->SetCompoMatch(1, 0, 1, 999);
    Champ->SetCompoMatch(1, 0, 20, 0xFF00);
    auto f = Ouvre(2);
    EXPECT_EQ(f->GetPlace(1, 1)->Joueur, 101);
    f->ChoisitJournee(1);
    EXPECT_TRUE(f->GetPlace(1, 1)->Vide());
    ASSERT_TRUE(f->DeposeEquipe(1, 2, 1, 102));
    f->Enregistre(false);
    EXPECT_EQ(Mot(1, 0, 1), 999);
    EXPECT_EQ(Mot(1, 0, 2), 102);
}

TEST_F(CompositionTest, Ratings)
{
    Compo(1, 0, 0);
    Champ->SetCompoMatch(1, 0, 13, 112);
    Champ->SetCompoMatch(1, 0, 15, 113);
    Champ->SetCompoMatch(1, 0, 17, 999);
    Compo(1, 1, 0);
    Champ->SetScoreMatch(1, 0, 0, 1);
    Champ->SetScoreMatch(1, 0, 1, 0);
    Champ->VideNotes(1, {0, 1});
    Champ->SetNoteJoueurMatch(1, 0, 14, 6);
    EtatFeuilles().MatchCourant = 1; // the match a sheet page showed last
    TNotesMatch f(&Saison);
    f.OnModification = [this] { ++Notices; };
    f.Affiche();
    EXPECT_EQ(f.GetNote(1, 12)->Nom, "Jean Joueur112");
    EXPECT_EQ(f.GetNote(1, 13)->Joueur, 113);
    EXPECT_FALSE(f.GetNote(1, 14)->Visible) << "a player the season does not hold";
    f.GetNote(1, 1)->Note = "7";
    f.GetNote(1, 2)->Note = "x";
    f.GetNote(1, 3)->Note = "";
    f.EnregistrerNotes();
    EXPECT_EQ(Champ->GetNoteJoueurMatch(1, 0, 1), 7);
    EXPECT_EQ(Champ->GetNoteJoueurMatch(1, 0, 2), 255);
    EXPECT_EQ(Champ->GetNoteJoueurMatch(1, 0, 14), 6) << "a hidden slot keeps its rating";
    EXPECT_EQ(Champ->GetNoteJoueurMatch(1, 0, 15), 1);
    EXPECT_EQ(Champ->GetNoteJoueurMatch(1, 1, 15), 0) << "the other team is unchanged";
    EXPECT_EQ(Notices, 1);

    // The up-down skips the unplayed match.
    EXPECT_FALSE(f.ChangeMatch(1));
    Champ->SetScoreMatch(1, 1, 0, 0);
    Champ->SetScoreMatch(1, 1, 1, 0);
    EXPECT_TRUE(f.ChangeMatch(1));
    EXPECT_EQ(f.GetMatch(), 2);
}

} // namespace
