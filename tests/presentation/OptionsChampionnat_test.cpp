#include "presentation/OptionsChampionnat.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr const char* Catalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<config>
  <championnat Id="0"><nom>Championnats personnels</nom></championnat>
  <championnat Id="1"><nom>France</nom>
    <divis Id="101"><nom>Ligue 1</nom></divis>
  </championnat>
  <championnat Id="2"><nom>Angleterre</nom>
    <divis Id="201"><nom>Premier League</nom></divis>
    <divis Id="202"><nom>Championship</nom></divis>
  </championnat>
</config>
)";

class OptionsChampionnat : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::WriteWholeFile(dir / "Championnat.fr", Catalogue);
        DefinitLectureParam(std::make_unique<TLectureParam>((dir / "Championnat.fr").string()));
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        saison = testsupport::CreeLigueQuatreEquipes();
        c = saison->GetChampionnat(1);
        saison->SetNumChampCourant(1);
    }
    void TearDown() override
    {
        DefinitLectureParam(nullptr);
        InstalleTraducteur(nullptr);
    }

    // Loaded as the dialog shows it; the caller then plays the user.
    TOptionsChampionnat& Ouvre()
    {
        o = std::make_unique<TOptionsChampionnat>(*saison);
        o->ConfirmeReduction = [this](int jour) {
            ++questions;
            premierJourDemande = jour;
            return reponse;
        };
        o->Charge();
        return *o;
    }

    testsupport::TempDir dir;
    std::unique_ptr<TSaisonFootball> saison;
    TDonneesChampionnat* c = nullptr;
    std::unique_ptr<TOptionsChampionnat> o;
    int questions = 0;
    int premierJourDemande = 0;
    bool reponse = false;
};

TEST_F(OptionsChampionnat, UnChampionnatValideSansRetoucheResteIntact)
{
    const std::array<uint8_t, 19> octets{5,  0,  4, 2, 2, 1, 1, 2, 124, 25, 2, 5, 0, 1, 2, static_cast<uint8_t>(-3),
                                         10, 11, 12};
    for (int i = 0; i < 19; ++i)
        c->SetOption(i, octets[i]);
    c->Division = 999; // not in the catalogue
    c->CodePerso = 77;
    c->BonusBut = 4;
    c->PointBonusBut = 1;
    c->BonusEcart = 7;
    c->OrdreClassement = "ukac";
    for (int g = 0; g < 4; ++g) {
        auto groupe = std::make_unique<TGroupeEquipe>("G" + std::to_string(g));
        groupe->AjouteEquipe(g);
        c->AjouteGroupe(std::move(groupe));
    }
    const std::array<uint8_t, 5> arbitres{1, 1, 3, 4, 50};
    for (int i = 0; i < 5; ++i)
        c->SetOptionArbitre(i, arbitres[i]);
    const uint8_t genre = c->Genre;

    TOptionsChampionnat& v = Ouvre();
    EXPECT_EQ(v.Forfait, -3);
    EXPECT_EQ(v.Annees, "2024/25");
    EXPECT_EQ(v.Portee, 1); // 5 shows the first button
    EXPECT_EQ(v.IndexDivision, 0);
    EXPECT_TRUE(v.CodePersoVisible());
    EXPECT_EQ(v.Lettres(), "ukac");
    EXPECT_EQ(v.Criteres()[0].Numero, 21);

    // Byte 0 = 5 is the one value written back as 1: the only change.
    c->SetOption(0, 1);
    Ouvre();
    EXPECT_EQ(o->Valide(), 0);
    for (int i = 1; i < 19; ++i)
        EXPECT_EQ(c->GetOption(i), octets[i]) << i;
    EXPECT_EQ(c->Division, 999);
    EXPECT_EQ(c->CodePerso, 77);
    EXPECT_EQ(c->BonusBut, 4);
    EXPECT_EQ(c->BonusEcart, 7);
    EXPECT_EQ(c->OrdreClassement, "ukac");
    EXPECT_EQ(c->Genre, genre);
    ASSERT_EQ(c->NbGroupe(), 4);
    EXPECT_EQ(c->GetGroupe(3)->NomGroupe, "G3");
    EXPECT_EQ(c->GetGroupe(3)->GetEquipe(0), 3);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(c->GetOptionArbitre(i), arbitres[i]) << i;
    EXPECT_EQ(c->GetNbJour(), 2);

    c->SetOption(0, 5);
    Ouvre();
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->GetOption(0), 1);
}

TEST_F(OptionsChampionnat, ChaqueControleEcritSonOctet)
{
    c->SetOption(7, 1);
    for (int i = 16; i < 19; ++i)
        c->SetOption(i, 0);
    TOptionsChampionnat& v = Ouvre();
    v.Victoire = 4;
    v.Nul = 2;
    v.Defaite = 1;
    v.Forfait = -2;
    v.Europeens = 6;
    v.Relegues = 4;
    v.LigueChampions = 2;
    v.Promotion = 1;
    v.Barragistes = 3;
    v.ChoisitSystemeDate(false);
    v.SaisieDateJour = true;
    v.SaisieDateMatch = true;
    v.TerrainsNeutres = true;
    v.Portee = 3;
    v.Annees = "1999/00";
    v.EquipeSuivie = 2;
    v.GestionArbitre = true;
    v.ArbitreMemeMatch = true;
    v.ArbitreMatchs = true;
    v.NbMatchsArbitre = 4;
    v.ArbitreMois = false;
    v.NbMoisArbitre = 5;
    v.PourcentageArbitre = 60;
    v.International = true;
    v.BonusBut = "05";
    EXPECT_EQ(v.Valide(), 1);
    const std::array<int, 19> attendu{3, 0, 6, 4, 4, 2, 1, 1, 99, 0, 1, 7, 2, 1, 3, 254, 0, 0, 0};
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(c->GetOption(i), attendu[i]) << i;
    EXPECT_EQ(c->GetOptionArbitre(0), 1);
    EXPECT_EQ(c->GetOptionArbitre(1), 1);
    EXPECT_EQ(c->GetOptionArbitre(2), 4);
    EXPECT_EQ(c->GetOptionArbitre(3), 0);
    EXPECT_EQ(c->GetOptionArbitre(4), 60);
    EXPECT_TRUE(c->EstInternational());
    EXPECT_EQ(c->Genre & TDonneesChampionnat::TypeNational, 0);
    EXPECT_EQ(c->BonusBut, 5);
    EXPECT_EQ(Ouvre().Annees, "1999/00");
    EXPECT_EQ(o->EquipeSuivie, 2);

    // "05" against a stored 5 is no change; the type alone is one.
    o->International = false;
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(Ouvre().Valide(), 0);
    o->Annees = "2024/25";
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->GetOption(8), 124);
    EXPECT_EQ(c->GetOption(9), 25);

    // The date system clears both date boxes.
    Ouvre().ChoisitSystemeDate(true);
    EXPECT_FALSE(o->SaisieDateJour);
    o->TerrainsNeutres = true;
    o->Valide();
    EXPECT_EQ(c->GetOption(11), 8 + 2);
    Ouvre().EquipeSuivie = 0;
    o->Valide();
    EXPECT_EQ(c->GetOption(10), 255);
}

TEST_F(OptionsChampionnat, NiveauCoupeEtCodes)
{
    // At level 2 the champions-league byte is kept.
    c->SetOption(7, 2);
    c->SetOption(12, 9);
    Ouvre().LigueChampions = 1;
    o->Valide();
    EXPECT_EQ(c->GetOption(12), 9);

    // A cup never writes matches per day or days.
    c->Genre = TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational;
    TOptionsChampionnat& v = Ouvre();
    EXPECT_FALSE(v.Ligue);
    v.NbJours = 9;
    v.MatchsParJour = 7;
    v.PetiteFinale = true;
    EXPECT_EQ(v.Valide(), 1);
    EXPECT_EQ(c->GetNbJour(), 2);
    EXPECT_EQ(c->GetNbMatch(), 2);
    EXPECT_TRUE(c->PetiteFinale);

    // The user's own entry shows the personal code; a division picked stores its code.
    c->Division = 0;
    c->CodePerso = 12;
    TOptionsChampionnat& w = Ouvre();
    ASSERT_EQ(w.Divisions.size(), 4u);
    EXPECT_EQ(w.Divisions[0].first, "Championnats personnels");
    EXPECT_EQ(w.Divisions[3].first, "Angleterre : Championship(202)");
    for (const char* invalide : {"70000", "x", ""}) {
        Ouvre().CodePerso = invalide;
        EXPECT_EQ(o->Valide(), 0) << invalide;
        EXPECT_EQ(c->CodePerso, 12);
    }
    Ouvre().CodePerso = "345";
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->CodePerso, 345);
    Ouvre().ChoisitDivision(3);
    EXPECT_FALSE(o->CodePersoVisible());
    o->CodePerso = "9";
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->Division, 202);
    EXPECT_EQ(c->CodePerso, 345);
    EXPECT_EQ(Ouvre().IndexDivision, 3);
}

TEST_F(OptionsChampionnat, CriteresDeDepartage)
{
    TOptionsChampionnat& v = Ouvre();
    v.AppliqueLettres("gda");
    std::string ordre;
    for (const auto& k : v.Criteres())
        ordre += static_cast<char>(96 + k.Numero);
    EXPECT_EQ(ordre, "gdachijkmnqrstu");
    EXPECT_EQ(v.Lettres(), "gda");
    EXPECT_EQ(v.Valide(), 1);
    EXPECT_EQ(c->OrdreClassement, "gda");

    c->OrdreClassement = "ac";
    Ouvre().AppliqueLettres("zc");
    EXPECT_EQ(o->Lettres(), "ac");
    EXPECT_EQ(o->Valide(), 0);

    // Up and down keep the checks with their items.
    EXPECT_EQ(Ouvre().DescendCritere(0), 1);
    EXPECT_EQ(o->Lettres(), "ca");
    EXPECT_EQ(o->MonteCritere(1), 0);
    EXPECT_EQ(o->MonteCritere(0), 0);
    EXPECT_EQ(o->Lettres(), "ac");
    o->CocheCritere(0, false);
    o->CocheCritere(1, false);
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->OrdreClassement, "");
}

TEST_F(OptionsChampionnat, Groupes)
{
    auto groupe = std::make_unique<TGroupeEquipe>("A");
    groupe->AjouteEquipe(0);
    groupe->AjouteEquipe(1);
    c->AjouteGroupe(std::move(groupe));
    TOptionsChampionnat& v = Ouvre();
    ASSERT_EQ(v.Groupes().size(), 1u);
    EXPECT_EQ(v.Groupes()[0].Equipes, (std::vector<int>{0, 1}));
    EXPECT_EQ(v.AjouteEquipeGroupe(0, 1), 0);
    EXPECT_EQ(v.AjouteEquipeGroupe(0, 42), -1); // not a team of the championship
    EXPECT_EQ(v.AjouteGroupe(), 1);
    EXPECT_EQ(v.Valide(), 1);
    ASSERT_EQ(c->NbGroupe(), 2);
    EXPECT_EQ(c->GetGroupe(0)->NbEquipe(), 2);
    EXPECT_EQ(c->GetGroupe(1)->NomGroupe, "Groupe");
    EXPECT_EQ(c->GetGroupe(1)->NbEquipe(), 0);

    // Without any group, a team makes one.
    c->VideGroupes();
    EXPECT_EQ(Ouvre().AjouteEquipeGroupe(-1, 2), 0);
    EXPECT_EQ(o->Valide(), 1);
    ASSERT_EQ(c->NbGroupe(), 1);
    EXPECT_EQ(c->GetGroupe(0)->GetEquipe(0), 2);
    EXPECT_TRUE(Ouvre().RetireEquipeGroupe(0, 0));
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->GetGroupe(0)->NbEquipe(), 0);
    EXPECT_TRUE(Ouvre().RetireGroupe(0));
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->NbGroupe(), 0);
}

TEST_F(OptionsChampionnat, MoinsDeJoursQueDeResultatsDemandeAvant)
{
    c->SetNbJour(38);
    c->AjouteMatch(34, 0, 1, -1, 2, 1);
    reponse = false;
    Ouvre().NbJours = 30;
    o->Victoire = 2;
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(premierJourDemande, 34);
    EXPECT_EQ(c->GetNbJour(), 38);
    EXPECT_EQ(c->GetMatch(34, 1)->GetScore(0), 2);
    EXPECT_EQ(c->GetOption(4), 2);

    reponse = true;
    Ouvre().NbJours = 30;
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(c->GetNbJour(), 30);
    // Days without results go without a question.
    Ouvre().NbJours = 20;
    EXPECT_EQ(o->Valide(), 1);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(c->GetNbJour(), 20);
}

} // namespace
