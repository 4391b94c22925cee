#include "files/ChargeurChamp.h"

#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "support/FaultyIo.h"
#include "support/FichiersAnciens.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace testsupport;

namespace {

template <class C>
bool Charge(const std::vector<uint8_t>& octets, TSaison& saison, std::unique_ptr<TDonneesChampionnat>& champ,
            const std::string& nom = "x.chf")
{
    C chargeur(std::make_unique<TSourceMemoire>(octets), nom);
    return chargeur.Charge(&saison, champ);
}

// Every prefix of a file of these kinds lacks something the reader needs.
template <class C> void ChaqueTroncatureEchoue(const std::vector<uint8_t>& octets, const std::string& nom)
{
    for (size_t n = 0; n < octets.size(); ++n) {
        TSaisonFootball saison;
        std::unique_ptr<TDonneesChampionnat> champ;
        EXPECT_FALSE(Charge<C>(std::vector<uint8_t>(octets.begin(), octets.begin() + n), saison, champ, nom))
            << nom << " cut at " << n;
        EXPECT_EQ(champ, nullptr);
    }
    for (size_t apres : {size_t{0}, size_t{5}, octets.size() / 2}) {
        TSaisonFootball saison;
        std::unique_ptr<TDonneesChampionnat> champ;
        C chargeur(std::make_unique<FaultySource>(octets, apres, 3), nom);
        EXPECT_FALSE(chargeur.Charge(&saison, champ));
    }
}

class ChampionnatParVersion : public ::testing::TestWithParam<int> {};

TEST_P(ChampionnatParVersion, HandsBackTheChampionshipWithItsBody)
{
    const int v = GetParam();
    TSaisonFootball s;
    std::unique_ptr<TDonneesChampionnat> c;
    ASSERT_TRUE(Charge<TChargeurChampionnat>(EcritChampionnat(ExempleSaison(v), v), s, c));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(s.NbChampionnat(), 0) << "the caller adds it";
    EXPECT_EQ(s.GetNomEquipe(1), "Nantes");
    EXPECT_EQ(c->GetNbEquipe(), 4);
    EXPECT_EQ(c->GetEquipe(2), 2);
    EXPECT_EQ(c->GetNbJour(), 6);
    EXPECT_EQ(c->GetNbMatch(), 2);
    EXPECT_EQ(s.NbClubPrec(), 2);
    EXPECT_EQ(s.Joueurs().Nombre(), 3);
    EXPECT_EQ(s.Arbitres().Nombre(), v >= 8 ? 1 : 0);
    EXPECT_EQ(s.Stades().Nombre(), v >= 13 ? 1 : 0);
    EXPECT_EQ(c->Division, 12);
    EXPECT_EQ(c->GetValeurMatch(1, 2), 2);
    EXPECT_EQ(c->GetValeurMatch(2, 8), 3);
    EXPECT_EQ(c->GetAffluence(1, 1), 12345);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 20), 300);
    const TListeDonnees* buteurs = c->GetButeursJournee(1);
    ASSERT_EQ(buteurs->Nombre(), 2);
    EXPECT_EQ(buteurs->Get(0)->GetJoueur(), 7);
    EXPECT_EQ(buteurs->Get(1)->GetJoueur(), 7) << "the merge's renumbering reaches the returned championship";
    EXPECT_EQ(c->GetCartonsJournee(1)->Get(0)->GetEquipe(), 1);
    EXPECT_EQ(c->GetPenalites().Nombre(), v >= 9 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, ChampionnatParVersion, ::testing::Values(3, 4, 7, 13));

TEST(ChargeurChampionnat, DivisionAndDescriptionReadTheirOwnBytes)
{
    SaisonAncienne s = ExempleSaison(7);
    s.Championnats[0].Options[16] = 42;
    const std::vector<uint8_t> octets = EcritChampionnat(s, 7);
    TChargeurChampionnat chargeur(std::make_unique<TSourceMemoire>(octets), "x.chf");
    EXPECT_EQ(chargeur.Importe(), 42) << "the body byte at offset 16";
    TDescriptionFichier d;
    d.Drapeau = 9;
    ASSERT_TRUE(chargeur.LitDescription(d));
    EXPECT_EQ(d.NbEquipe, 4);
    EXPECT_EQ(d.Drapeau, 0);
    EXPECT_EQ(d.Annee, 2007);
    EXPECT_EQ(d.Annee2, 8);
    EXPECT_EQ(d.Journee, 2);
}

TEST(ChargeurChampionnat, ZeroBodyOffsetFails)
{
    std::vector<uint8_t> octets = EcritChampionnat(ExempleSaison(7), 7);
    octets[2] = octets[3] = 0;
    TSaisonFootball s;
    std::unique_ptr<TDonneesChampionnat> c = std::make_unique<TDonneesChampionnatFootball>(&s);
    EXPECT_FALSE(Charge<TChargeurChampionnat>(octets, s, c));
    EXPECT_EQ(c, nullptr);
}

TEST(ChargeurChampionnat, EveryTruncationFails)
{
    ChaqueTroncatureEchoue<TChargeurChampionnat>(EcritChampionnat(ExempleSaison(13), 13), "x.chf");
    ChaqueTroncatureEchoue<TChargeurChampionnat>(EcritChampionnat(ExempleSaison(4), 4), "x.chf");
}

// A catalogue of one entry: division 12 sends two teams up and none to the
// champions league, division 13 has three champions-league places.
class ChargeurDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteWholeFile(dossier / "Championnat.fr",
                       "<config>\r\n  <championnat Id=\"1\">\r\n    <nom>Pays</nom>\r\n"
                       "    <divis Id=\"12\">\r\n      <nom>Haute</nom>\r\n      <nPromu>2</nPromu>\r\n"
                       "      <nRelegue>3</nRelegue>\r\n      <PtsVictoire>2</PtsVictoire>\r\n"
                       "      <nBarragePromu>1</nBarragePromu>\r\n    </divis>\r\n"
                       "    <divis Id=\"13\">\r\n      <nom>Basse</nom>\r\n      <nChampLigue>3</nChampLigue>\r\n"
                       "      <nEuropeen>4</nEuropeen>\r\n      <nPromu>2</nPromu>\r\n    </divis>\r\n"
                       "  </championnat>\r\n</config>\r\n");
        DefinitLectureParam(std::make_unique<TLectureParam>((dossier / "Championnat.fr").string()));
    }
    void TearDown() override { DefinitLectureParam(nullptr); }

    TempDir dossier;
};

TEST_F(ChargeurDataTest, CompletesTheChampionshipFromTheCatalogue)
{
    for (int v : {3, 7, 13}) {
        TSaisonFootball s;
        std::unique_ptr<TDonneesChampionnat> c;
        ASSERT_TRUE(Charge<TChargeurData>(EcritData(ExempleSaison(v), v), s, c, "/data/Equipe12.daf")) << v;
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Division, 12);
        EXPECT_EQ(c->GetOption(2), 2);
        EXPECT_EQ(c->GetOption(7), 0);
        EXPECT_EQ(c->GetOption(3), 3);
        EXPECT_EQ(c->GetOption(4), 2);
        EXPECT_EQ(c->GetOption(13), 1);
        EXPECT_EQ(c->GetOption(8), 107);
        EXPECT_EQ(c->GetOption(9), 8);
        EXPECT_EQ(c->GetNbJour(), 6);
        // Players carry running numbers from 1, whatever the version.
        ASSERT_EQ(s.Joueurs().Nombre(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_GE(s.Joueurs().Get(i)->Numero, 1);
        EXPECT_NE(s.Joueurs().ChercheId(1), nullptr);
    }
    TSaisonFootball s;
    std::unique_ptr<TDonneesChampionnat> c;
    ASSERT_TRUE(Charge<TChargeurData>(EcritData(ExempleSaison(7), 7), s, c, "EQUIPE13.DAF"));
    EXPECT_EQ(c->GetOption(2), 4);
    EXPECT_EQ(c->GetOption(7), 1);
    EXPECT_EQ(c->GetOption(12), 3);
}

TEST_F(ChargeurDataTest, DaysOfOldFilesAndCups)
{
    for (const auto& [equipes, jours] : std::vector<std::pair<int, int>>{{20, 38}, {21, 42}, {0, 0}}) {
        SaisonAncienne s = ExempleSaison(3);
        s.Championnats[0].Equipes.assign(static_cast<size_t>(equipes), 0);
        TSaisonFootball saison;
        std::unique_ptr<TDonneesChampionnat> c;
        ASSERT_TRUE(Charge<TChargeurData>(EcritData(s, 3), saison, c, "x.daf")) << equipes;
        EXPECT_EQ(c->GetNbJour(), jours);
        EXPECT_EQ(c->GetNbMatch(), equipes / 2);
    }
    SaisonAncienne s = ExempleSaison(7);
    auto& coupe = s.Championnats[0];
    coupe.Drapeaux = 2;
    coupe.NbJour = 9;
    coupe.Tours = {{1, 1, 2}, {2, 1, 1}, {3, 1, 1}};
    TSaisonFootball saison;
    std::unique_ptr<TDonneesChampionnat> c;
    ASSERT_TRUE(Charge<TChargeurData>(EcritData(s, 7), saison, c, "x.daf"));
    EXPECT_TRUE(c->EstCoupe());
    EXPECT_EQ(c->GetNbJour(), 3) << "as many days as rounds, whatever the days byte says";
}

TEST_F(ChargeurDataTest, DivisionComesFromTheName)
{
    const std::vector<uint8_t> octets = EcritData(ExempleSaison(7), 7);
    for (const auto& [nom, division] : std::vector<std::pair<std::string, int>>{{"/a/b/EQUIPE12.DAF", 12},
                                                                                {"equipe7.daf", 7},
                                                                                {"EQUIPE.DAF", 0},
                                                                                {"LIGUE12.DAF", 0},
                                                                                {"EQUIPEx.daf", 0}}) {
        TChargeurData chargeur(std::make_unique<TSourceMemoire>(octets), nom);
        EXPECT_EQ(chargeur.Importe(), division) << nom;
    }
    TChargeurData chargeur(std::make_unique<TSourceMemoire>(octets), "EQUIPE12.DAF");
    TDescriptionFichier d;
    ASSERT_TRUE(chargeur.LitDescription(d));
    EXPECT_EQ(d.NbEquipe, 4);
    EXPECT_EQ(d.Journee, -1);
    EXPECT_EQ(d.Annee, 2007);
    EXPECT_EQ(d.Description, "Haute : Pays");
}

TEST_F(ChargeurDataTest, EveryTruncationFails)
{
    ChaqueTroncatureEchoue<TChargeurData>(EcritData(ExempleSaison(13), 13), "EQUIPE12.DAF");
    ChaqueTroncatureEchoue<TChargeurData>(EcritData(ExempleSaison(3), 3), "EQUIPE12.DAF");
}

TEST(ChargeurFichierEquipe, ReadsTeamsAndPeopleWithoutChampionship)
{
    for (int v : {7, 13}) {
        TSaisonFootball s;
        std::unique_ptr<TDonneesChampionnat> c;
        ASSERT_TRUE(Charge<TChargeurFichierEquipe>(EcritFichierEquipe(ExempleSaison(v), v), s, c, "x.df")) << v;
        EXPECT_EQ(c, nullptr);
        EXPECT_EQ(s.GetNomEquipe(2), "Évian");
        EXPECT_EQ(s.NbClubPrec(), 2);
        EXPECT_EQ(s.Joueurs().Nombre(), 3);
        EXPECT_EQ(s.Arbitres().Nombre(), v >= 8 ? 1 : 0);
        EXPECT_EQ(s.Entraineurs().Nombre(), v >= 13 ? 1 : 0);
        EXPECT_EQ(s.NbStatChamp(), v >= 5 ? 1 : 0);
    }
    ChaqueTroncatureEchoue<TChargeurFichierEquipe>(EcritFichierEquipe(ExempleSaison(13), 13), "x.df");
    TChargeurFichierEquipe chargeur(std::make_unique<TSourceMemoire>(std::vector<uint8_t>{}), "x.df");
    TDescriptionFichier d;
    EXPECT_FALSE(chargeur.LitDescription(d));
    EXPECT_EQ(chargeur.Importe(), 0);
}

} // namespace
