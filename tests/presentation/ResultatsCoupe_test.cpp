#include "presentation/ResultatsCoupe.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "presentation/ResultatsJournee.h"

namespace {

enum : uint16_t { Arles, Brest, Caen, Dijon };

// A season of four teams and a cup of two-leg semi-finals and a final.
struct TCoupeSaison {
    std::unique_ptr<TSaisonFootball> Saison = std::make_unique<TSaisonFootball>();
    TDonneesChampionnat* Coupe = nullptr;
    THorlogeFixe Horloge{{2024, 3, 15}};
    int Notices = 0;
    int Demandes = 0;
    int Reponse = 0;
    // What happens while the question is open (the edit losing the focus to it).
    std::function<void()> PendantQuestion;
    std::vector<ControleCalendrier::TVerification> Verifications;

    TCoupeSaison()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        for (const char* nom : {"Arles", "Brest", "Caen", "Dijon"})
            Saison->AjouteEquipe(nom);
        auto c = Saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
        c->SetNbEquipe(4);
        for (int p = 0; p < 4; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(p));
        c->CreeToursCoupe({{2, 2, 2}, {1, 1, 1}});
        Saison->AjouteChampionnat(std::move(c));
        Coupe = Saison->GetChampionnat(1);
        for (int n = 1; n <= Coupe->GetNbJour(); ++n)
            Coupe->SetDateJournee(n, EncodeDateMatch(n, 2, 2024));
        Coupe->AjouteMatch(1, Arles, Brest, -1, 65535, 65535);
        Coupe->AjouteMatch(1, Caen, Dijon, -1, 65535, 65535);
    }
    std::unique_ptr<TResultatsJournee> Ouvre(int jour)
    {
        Coupe->NbJournee = static_cast<uint8_t>(jour);
        auto page = std::make_unique<TResultatsJournee>(Saison.get(), &Horloge);
        page->OnModification = [this] { ++Notices; };
        TServicesResultats services;
        services.DemandeTirsAuBut = [this](uint16_t, uint16_t) {
            ++Demandes;
            if (PendantQuestion)
                PendantQuestion();
            return Reponse;
        };
        services.AfficheVerification = [this](const ControleCalendrier::TVerification& v) {
            Verifications.push_back(v);
        };
        BrancheResultatsCoupe(*page, services);
        page->Initialiser();
        page->CreerLignes();
        return page;
    }
    std::string Paire(int jour, int m) const
    {
        const TInfoComp* match = Coupe->GetMatch(jour, m);
        return match ? Saison->GetNomEquipe(match->GetEquipe(0)) + "-" + Saison->GetNomEquipe(match->GetEquipe(1))
                     : std::string();
    }
};

void Saisit(TResultatsJournee& page, int ligne, const std::string& s1, const std::string& s2)
{
    page.SetScore(ligne, 0, s1);
    page.SetScore(ligne, 1, s2);
    page.SortieScore(ligne, 1);
}

TEST(ResultatsCoupe, FirstLegShownCompletesTheSecondLegThenTheSecondLegDecidesAndPairs)
{
    TCoupeSaison s;
    auto page = s.Ouvre(1);
    // No score on day 1: the second legs are laid out, sides swapped.
    EXPECT_EQ(s.Paire(2, 1), "Brest-Arles");
    EXPECT_EQ(s.Paire(2, 2), "Dijon-Caen");
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Arles");

    Saisit(*page, 0, "2", "1");
    Saisit(*page, 1, "0", "0");
    EXPECT_EQ(page->GetLigne(0)->Qualifie, 2);
    page->ChangeJournee(2);
    ASSERT_EQ(page->GetLigne(0)->Equipe[0], "Brest");

    Saisit(*page, 0, "1", "0"); // away goal: Brest
    EXPECT_EQ(page->GetLigne(0)->Qualifie, 0);
    s.Reponse = (5 << 16) + 4;
    Saisit(*page, 1, "0", "0"); // level on aggregate and away goals
    EXPECT_EQ(s.Demandes, 1);
    EXPECT_EQ(page->GetLigne(1)->Info, "(5 - 4 aux tirs au but)");
    EXPECT_EQ(page->GetLigne(1)->Qualifie, 0);
    // Row 0 not saved yet: its side comes from the row.
    EXPECT_EQ(s.Paire(3, 1), "Brest-Dijon");

    page->EnregistrerJournee();
    EXPECT_EQ(s.Coupe->GetQualifie(2, Brest, Arles), 0);
    EXPECT_EQ(s.Coupe->GetQualifie(2, Dijon, Caen), 0);
    ASSERT_NE(s.Coupe->CherchePenaltys(2, Dijon, Caen), nullptr);
    EXPECT_EQ(s.Coupe->CherchePenaltys(2, Dijon, Caen)->But1, 5);
}

TEST(ResultatsCoupe, SecondLegDayShownEmptyIsFilledAndItsRowsKeepIt)
{
    TCoupeSaison s;
    s.Coupe->SetScoreMatch(1, 0, 0, 1), s.Coupe->SetScoreMatch(1, 0, 1, 0);
    s.Coupe->SetScoreMatch(1, 1, 0, 2), s.Coupe->SetScoreMatch(1, 1, 1, 2);
    auto page = s.Ouvre(2);
    EXPECT_EQ(page->GetLigne(0)->Equipe[0], "Brest");
    EXPECT_EQ(page->GetLigne(1)->Equipe[1], "Caen");
    // Leaving the day writes the rows: the added legs stay.
    page->ChangeJournee(1);
    EXPECT_EQ(s.Paire(2, 1), "Brest-Arles");
    EXPECT_EQ(s.Paire(2, 2), "Dijon-Caen");
}

TEST(ResultatsCoupe, TheShootOutIsAskedOncePerScoreHoweverOftenTheEditIsLeft)
{
    TCoupeSaison s;
    s.Coupe->SetScoreMatch(1, 0, 0, 1), s.Coupe->SetScoreMatch(1, 0, 1, 0);
    s.Coupe->SetScoreMatch(1, 1, 0, 2), s.Coupe->SetScoreMatch(1, 1, 1, 2);
    auto page = s.Ouvre(2);
    ASSERT_EQ(page->GetLigne(1)->Equipe[0], "Dijon");
    // The question takes the focus from the edit, which is left again meanwhile.
    s.PendantQuestion = [&] { page->SortieScore(1, 1); };
    s.Reponse = (5 << 16) + 4;
    Saisit(*page, 1, "2", "2");
    // The focus comes back and goes again: nothing new was typed.
    page->SortieScore(1, 1);
    page->SortieScore(1, 0);
    EXPECT_EQ(s.Demandes, 1);
    EXPECT_EQ(page->GetLigne(1)->Info, "(5 - 4 aux tirs au but)");
    EXPECT_EQ(page->GetLigne(1)->Qualifie, 0);

    // Dijon through on away goals: the shoot-out goes; level again: asked anew.
    Saisit(*page, 1, "1", "1");
    EXPECT_EQ(page->GetLigne(1)->TirsAuBut, 0u);
    EXPECT_EQ(page->GetLigne(1)->Qualifie, 0);
    s.Reponse = (2 << 16) + 3;
    Saisit(*page, 1, "2", "2");
    EXPECT_EQ(s.Demandes, 2);
    EXPECT_EQ(page->GetLigne(1)->Qualifie, 1);
}

TEST(ResultatsCoupe, VerificationSavesTheRowsAndHandsTheCheckToTheView)
{
    TCoupeSaison s;
    auto page = s.Ouvre(1);
    page->SetScore(0, 0, "0");
    page->SetScore(0, 1, "0");
    page->Verifier();
    ASSERT_EQ(s.Verifications.size(), 1u);
    EXPECT_EQ(s.Verifications[0].NbControles, 1);
    ASSERT_FALSE(s.Verifications[0].Lignes.empty());
    EXPECT_EQ(s.Verifications[0].Lignes[0].Texte, "Arles - Brest : " + Traduit(153));
    EXPECT_EQ(s.Verifications[0].Resume, "1 match vérifié");
}

} // namespace
