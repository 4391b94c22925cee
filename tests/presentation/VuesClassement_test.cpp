#include "presentation/VuesClassement.h"

#include <gtest/gtest.h>

using namespace VuesClassement;

TEST(VuesClassementTest, CommandesDonnentLesIndex)
{
    const std::pair<int, int> Attendus[] = {{40, 0},    {41, 1},    {42, 2},    {43, 3},   {44, 4},   {45, 5},
                                            {62, 6},    {63, 7},    {64, 29},   {65, 30},  {137, 99}, {138, 102},
                                            {139, 105}, {140, 108}, {141, 111}, {142, 114}};
    for (const auto& [Code, Index] : Attendus)
        EXPECT_EQ(IndexCommandeClassement(Code), Index) << Code;
    EXPECT_EQ(IndexCommandeClassement(46), -1);
    EXPECT_EQ(IndexCommandeClassement(66), -1);

    const std::pair<int, int> Joueurs[] = {{66, 0}, {67, 1}, {68, 2},   {69, 3},   {70, 4},   {71, 5},  {73, 6},
                                           {72, 7}, {33, 8}, {116, 11}, {117, 12}, {118, 13}, {119, 14}};
    for (const auto& [Code, Index] : Joueurs)
        EXPECT_EQ(IndexCommandeJoueur(Code), Index) << Code;
    EXPECT_EQ(IndexCommandeJoueur(40), -1);
}

TEST(VuesClassementTest, GenreSelonIndexTerrainEtLieu)
{
    // General standings: the home and away blocks, but not on neutral grounds.
    EXPECT_EQ(GenreClassement(0, 0, TLieu::Tous), 9);
    EXPECT_EQ(GenreClassement(0, 2, TLieu::Tous), 1);
    EXPECT_EQ(GenreClassement(0, 0, TLieu::Domicile), 9) << "no venue choice for the general standings";
    EXPECT_EQ(GenreClassement(3, 0, TLieu::Tous), 4);
    EXPECT_EQ(GenreClassement(29, 0, TLieu::Exterieur), 30);
    EXPECT_EQ(GenreClassement(114, 0, TLieu::Domicile), 115) << "team age has no venue";

    EXPECT_EQ(GenreClassement(4, 0, TLieu::Domicile), 10);
    EXPECT_EQ(GenreClassement(5, 0, TLieu::Domicile), 11);
    EXPECT_EQ(GenreClassement(4, 0, TLieu::Exterieur), 12);
    EXPECT_EQ(GenreClassement(5, 0, TLieu::Exterieur), 13);
    EXPECT_EQ(GenreClassement(5, 2, TLieu::Exterieur), 6) << "neutral grounds keep all matches";

    EXPECT_EQ(GenreClassement(99, 0, TLieu::Tous), 100);
    EXPECT_EQ(GenreClassement(99, 0, TLieu::Domicile), 101);
    EXPECT_EQ(GenreClassement(111, 0, TLieu::Exterieur), 114);
    EXPECT_EQ(GenreClassement(111, 2, TLieu::Exterieur), 112);

    EXPECT_EQ(MenuClassement(0, 0), TMenuClassement::Journees);
    EXPECT_EQ(MenuClassement(2, 2), TMenuClassement::Journees);
    EXPECT_EQ(MenuClassement(3, 0), TMenuClassement::Aucun);
    EXPECT_EQ(MenuClassement(4, 0), TMenuClassement::Lieu);
    EXPECT_EQ(MenuClassement(4, 2), TMenuClassement::Aucun);
    EXPECT_EQ(MenuClassement(105, 0), TMenuClassement::Lieu);
    EXPECT_EQ(MenuClassement(114, 0), TMenuClassement::Aucun);
    EXPECT_EQ(CodeLieu(TLieu::Tous), 1);
    EXPECT_EQ(CodeLieu(TLieu::Domicile), 2);
    EXPECT_EQ(CodeLieu(TLieu::Exterieur), 3);
}

TEST(VuesClassementTest, EtenduesDesBoutons)
{
    int De = 0, A = 0;
    EtendueTotale(14, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(1, 14));
    EtendueSixDernieres(14, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(9, 14));
    EtendueSixDernieres(6, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(1, 6));
    EtendueSixDernieres(7, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(2, 7));
    EtendueAller(10, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(1, 9));
    EtendueRetour(10, De, A);
    EXPECT_EQ(std::make_pair(De, A), std::make_pair(10, 18));
}

TEST(VuesClassementTest, EtendueSaisieBornee)
{
    int Tag = -7;
    ASSERT_TRUE(LitEtendue("3", "10", 14, Tag));
    EXPECT_EQ(Tag, 10 + (3 << 8));
    EXPECT_EQ(PremiereJourneeTag(Tag), 3);
    EXPECT_EQ(DerniereJourneeTag(Tag), 10);
    ASSERT_TRUE(LitEtendue("10", "18", 14, Tag));
    EXPECT_EQ(Tag, 14 + (10 << 8)) << "the end is limited to the last played day";
    ASSERT_TRUE(LitEtendue("12", "8", 14, Tag));
    EXPECT_EQ(Tag, 8 + (8 << 8)) << "a first day after the last is brought down to it";
    ASSERT_TRUE(LitEtendue(" 2 ", " 5", 14, Tag));
    EXPECT_EQ(Tag, 5 + (2 << 8));
    ASSERT_TRUE(LitEtendue("99999999999999", "99999999999999", 255, Tag));
    EXPECT_EQ(Tag, 255 + (255 << 8));
    ASSERT_TRUE(LitEtendue("300", "400", 255, Tag));
    EXPECT_EQ(Tag, 255 + (255 << 8)) << "both days fit their 8 bits";
}

TEST(VuesClassementTest, EtendueRefuseCeQuiNEstPasUnJour)
{
    for (const auto& [De, A] : std::vector<std::pair<std::string, std::string>>{{"", "5"},
                                                                                {"1", ""},
                                                                                {"0", "5"},
                                                                                {"1", "0"},
                                                                                {"-3", "5"},
                                                                                {"1", "-5"},
                                                                                {"abc", "5"},
                                                                                {"1", "5x"},
                                                                                {"1.5", "5"},
                                                                                {"$10", "12"},
                                                                                {"0x2", "12"},
                                                                                {"+2", "12"}}) {
        int Tag = 1234;
        EXPECT_FALSE(LitEtendue(De, A, 14, Tag)) << De << " .. " << A;
        EXPECT_EQ(Tag, 1234);
    }
    int Tag = 1234;
    EXPECT_FALSE(LitEtendue("1", "5", 0, Tag)) << "no day played yet";
    EXPECT_EQ(Tag, 1234);
}

TEST(VuesClassementTest, MotsClesDesModeles)
{
    EXPECT_EQ(GenreMotCleEquipe("general"), 1);
    EXPECT_EQ(GenreMotCleEquipe("GeneralComplet"), 9);
    EXPECT_EQ(GenreMotCleEquipe("domicile"), 2);
    EXPECT_EQ(GenreMotCleEquipe("EXTERIEUR"), 3);
    EXPECT_EQ(GenreMotCleEquipe("moyenneanglaise"), 4);
    EXPECT_EQ(GenreMotCleEquipe("attaque"), 5);
    EXPECT_EQ(GenreMotCleEquipe("defense"), 6);
    EXPECT_EQ(GenreMotCleEquipe("attaqueessai"), 40);
    EXPECT_EQ(GenreMotCleEquipe("defenseessai"), 41);
    EXPECT_EQ(GenreMotCleEquipe("penalitemarque"), 42);
    EXPECT_EQ(GenreMotCleEquipe("penaliteconcede"), 43);
    EXPECT_EQ(GenreMotCleEquipe("dropmarque"), 44);
    EXPECT_EQ(GenreMotCleEquipe("dropconcede"), 45);
    EXPECT_EQ(GenreMotCleEquipe("discipline"), 7);
    EXPECT_EQ(GenreMotCleEquipe("affluence"), 8);
    EXPECT_EQ(GenreMotCleEquipe(""), 1);
    EXPECT_EQ(GenreMotCleEquipe("nimporte"), 1);

    EXPECT_EQ(GenreMotCleJoueur("Buteur", ""), 0);
    EXPECT_EQ(GenreMotCleJoueur("essai", ""), 0);
    EXPECT_EQ(GenreMotCleJoueur("averti", ""), 1);
    EXPECT_EQ(GenreMotCleJoueur("passeur", ""), 5);
    EXPECT_EQ(GenreMotCleJoueur("passeurs", ""), 25);
    EXPECT_EQ(GenreMotCleJoueur("efficaciteLF", ""), 20);
    EXPECT_EQ(GenreMotCleJoueur("rebondoff", ""), 21);
    EXPECT_EQ(GenreMotCleJoueur("fautesprovoquees", ""), 31);
    EXPECT_EQ(GenreMotCleJoueur("autre", "Oui"), 0);
    EXPECT_EQ(GenreMotCleJoueur("drop", "Oui"), 13) << "per-match variants start at kind 14";
    EXPECT_EQ(GenreMotCleJoueur("point", "Oui"), 32);
    EXPECT_EQ(GenreMotCleJoueur("balleperdu", "Oui"), 44);
    EXPECT_EQ(GenreMotCleJoueur("tempsjeu", "Oui"), 48);
    EXPECT_EQ(GenreMotCleJoueur("point", "Non"), 14);

    EXPECT_EQ(GenreMotCleArbitre("jaune"), 1);
    EXPECT_EQ(GenreMotCleArbitre("Rouge"), 2);
    EXPECT_EQ(GenreMotCleArbitre("penalty"), 0);
    EXPECT_EQ(GenreMotCleArbitre("severite"), 3);
    EXPECT_EQ(GenreMotCleArbitre("autre"), 3);
}

TEST(VuesClassementTest, IndexDesClassementsJoueurs)
{
    EXPECT_FALSE(EstIndexArbitre(10));
    EXPECT_TRUE(EstIndexArbitre(11));
    EXPECT_TRUE(EstIndexArbitre(28));
    EXPECT_FALSE(EstIndexArbitre(29));
    EXPECT_EQ(GenreIndexJoueur(5), 5);
    EXPECT_EQ(GenreIndexJoueur(29), 9);
    EXPECT_EQ(GenreIndexJoueur(40), 20);
}
