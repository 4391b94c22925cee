#include "engine/EditeursEquipes.h"

#include "files/Blasons.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace EditeursEquipes;

namespace {

// The complete season: Lyon 0, Nice 1, Paris 2, Lens 3 in the league (the
// current championship), Brest 4 and Metz 5 in the cup only.
class EditeursEquipesTest : public ::testing::Test {
protected:
    void SetUp() override { Saison = testsupport::CreeSaisonComplete(); }
    std::vector<std::string> Textes(const std::vector<TElement>& liste) const
    {
        std::vector<std::string> t;
        for (const TElement& e : liste)
            t.push_back(TexteElement(e));
        return t;
    }
    int AjouteJoueur(const std::string& Nom, uint16_t Equipe, uint16_t Pays)
    {
        auto j = Saison->CreeJoueur(Nom, "", -1, Equipe);
        j->CodePays = Pays;
        return Saison->Joueurs().AjouteSimple(std::move(j))->Numero;
    }
    std::unique_ptr<TSaisonFootball> Saison;
};

TEST_F(EditeursEquipesTest, ListeDesEquipes)
{
    Saison->AjouteEquipe("Amiens");
    EXPECT_EQ(Textes(ListeEquipes(*Saison)),
              (std::vector<std::string>{"00001 Lyon", "00011 Nice", "00021 Paris", "00031 Lens", "00060 Amiens",
                                        "00040 Brest", "00050 Metz"}));
    EXPECT_EQ(CodeElement("00060 Amiens"), 6);
    EXPECT_EQ(CodeElement("x"), -1);
}

TEST_F(EditeursEquipesTest, RenommerGardeLEquipeSuivie)
{
    TDonneesChampionnat* ligue = Saison->GetChampionnat(1);
    ligue->SetOption(10, 0); // Lyon is followed
    bool change = false;
    EXPECT_EQ(RenommeEquipe(*Saison, 0, "Zurich", change), TRefus::Aucun);
    EXPECT_TRUE(change);
    EXPECT_EQ(Saison->GetNomEquipe(0), "Zurich");
    EXPECT_EQ(ligue->GetEquipe(0), 3) << "Lens first now";
    EXPECT_EQ(ligue->GetEquipe(3), 0);
    EXPECT_EQ(ligue->GetEquipe(ligue->GetOption(10)), 0) << "still Lyon, now Zurich";
    EXPECT_EQ(Saison->GetChampionnat(2)->GetEquipe(0), 2) << "the cup, where he does not play, is left alone";

    EXPECT_EQ(RenommeEquipe(*Saison, 0, "Zurich", change), TRefus::Aucun);
    EXPECT_FALSE(change) << "the same text";
    EXPECT_EQ(RenommeEquipe(*Saison, 0, "", change), TRefus::NomIncorrect);
    EXPECT_EQ(RenommeEquipe(*Saison, 0, "NICE", change), TRefus::NomIncorrect) << "another team's name";
    EXPECT_FALSE(change);
    EXPECT_EQ(Saison->GetNomEquipe(0), "Zurich");
    EXPECT_EQ(RenommeEquipe(*Saison, 0, "ZURICH", change), TRefus::Aucun) << "its own name in capitals";
    EXPECT_TRUE(change);
}

TEST_F(EditeursEquipesTest, SupprimerUneEquipe)
{
    const int solo = Saison->AjouteEquipe("Solo");
    const int joueur = AjouteJoueur("Seul", static_cast<uint16_t>(solo), 0);
    EXPECT_EQ(ChampionnatDeLEquipe(*Saison, solo), "");
    EXPECT_EQ(SupprimeEquipe(*Saison, solo), TRefus::Aucun);
    EXPECT_EQ(Saison->ChercheEquipe("Solo"), -1);
    EXPECT_EQ(Saison->Joueurs().ChercheId(joueur), nullptr) << "his players go with him";

    EXPECT_EQ(SupprimeEquipe(*Saison, 4), TRefus::EquipeEngagee);
    EXPECT_EQ(ChampionnatDeLEquipe(*Saison, 4), Saison->GetNomChampDesc(Saison->GetChampionnat(2)->CodeChamp));
    EXPECT_EQ(Saison->GetNomEquipe(4), "Brest");
}

TEST_F(EditeursEquipesTest, ToutImporterParNomPlie)
{
    testsupport::TempDir dossier;
    std::filesystem::create_directory(dossier / "blasons");
    testsupport::WriteWholeFile(dossier / "blasons" / "blasons.txt",
                                "1-0-France#1001-1-LYON#1002-1-Nîmes#1003-1-Brèst#");
    const TBlasons blasons(dossier.str());
    ASSERT_EQ(blasons.Count(), 4);
    EXPECT_TRUE(ImporteBlasons(*Saison, blasons));
    EXPECT_EQ(Saison->GetLogoEquipe(0), 1001);
    EXPECT_EQ(Saison->GetLogoEquipe(4), 1003) << "accents and case ignored";
    EXPECT_EQ(Saison->GetLogoEquipe(1), 101) << "no entry for Nice";
    EXPECT_FALSE(ImporteBlasons(*Saison, blasons)) << "every matched team already has its crest";

    testsupport::WriteWholeFile(dossier / "blasons" / "blasons.txt", "1-0-France#1002-1-Nîmes#");
    EXPECT_FALSE(ImporteBlasons(*Saison, TBlasons(dossier.str())));
}

TEST_F(EditeursEquipesTest, PaysRenommesSupprimesEtFusionnes)
{
    // France (0) and Italie (1) share the seven players; 12 more for France, 3 for a new country.
    for (int i = 0; i < 12; ++i)
        AjouteJoueur("F" + std::to_string(i), 0, 0);
    const int grece = Saison->Pays().Ajoute("Grèce");
    for (int i = 0; i < 3; ++i)
        AjouteJoueur("G" + std::to_string(i), 0, static_cast<uint16_t>(grece));
    auto arbitre = std::make_unique<TPersonnelStat>("Papas", "Nikos", 0, -1);
    arbitre->CodePays = static_cast<uint16_t>(grece);
    Saison->Arbitres().Ajoute(std::move(arbitre));
    Saison->Entraineurs().Get(0)->CodePays = static_cast<uint16_t>(grece);
    Saison->Stades().Get(0)->CodePays = static_cast<uint16_t>(grece);

    EXPECT_EQ(Textes(ListePays(*Saison)),
              (std::vector<std::string>{"00000 France (16)", "00020 Grèce (3)", "00010 Italie (3)"}));

    EXPECT_FALSE(RenommePays(*Saison, 1, "Italie"));
    EXPECT_TRUE(RenommePays(*Saison, 1, "Italia"));
    EXPECT_EQ(TextePays(*Saison, 1), "Italia (3)");

    EXPECT_EQ(FusionnePays(*Saison, grece, 0), 0) << "France has more players";
    EXPECT_EQ(Saison->Joueurs().NbJoueursPays(0), 19);
    EXPECT_EQ(Saison->Pays().GetNom(grece), "");
    EXPECT_EQ(Saison->Arbitres().ChercheNom("PAPAS", "Nikos")->CodePays, 0);
    EXPECT_EQ(Saison->Entraineurs().Get(0)->CodePays, 0);
    EXPECT_EQ(Saison->Stades().Get(0)->CodePays, 0);

    // A tie keeps the first one given.
    const int suisse = Saison->Pays().Ajoute("Suisse");
    for (int i = 0; i < 3; ++i)
        AjouteJoueur("S" + std::to_string(i), 0, static_cast<uint16_t>(suisse));
    EXPECT_EQ(FusionnePays(*Saison, suisse, 1), suisse);
    EXPECT_EQ(Saison->Pays().GetNom(1), "");

    SupprimePays(*Saison, suisse);
    EXPECT_EQ(Textes(ListePays(*Saison)), (std::vector<std::string>{"00000 France (19)"}));
}

} // namespace
