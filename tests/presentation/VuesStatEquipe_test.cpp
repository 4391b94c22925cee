#include "presentation/VuesStatEquipe.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "presentation/ModeleGrille.h"
#include "support/SaisonTempsJeu.h"

#include <gtest/gtest.h>

namespace {

using Textes = std::vector<std::string>;

struct VuesStatEquipeTest : ::testing::Test {
    testsupport::SaisonTempsJeu Saison;
    TModeleGrille Grille;
    VuesStatEquipeTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
    }
    ~VuesStatEquipeTest() override { InstalleTraducteur(nullptr); }

    Textes Ligne(int R) const
    {
        Textes T;
        for (int C = 0; C < Grille.GetColCount(); ++C)
            T.push_back(Grille.GetTexte(C, R));
        return T;
    }
};

TEST_F(VuesStatEquipeTest, PlayingTimeGridByMinutesThenMatches)
{
    ASSERT_TRUE(VuesStatEquipe::AfficheTempsJeu(Saison, 0, Grille));
    // The fourteen who played (player 15 did not) and the title row.
    ASSERT_EQ(Grille.GetColCount(), 9);
    ASSERT_EQ(Grille.GetRowCount(), 15);
    EXPECT_EQ(Grille.GetFixedRows(), 1);
    EXPECT_EQ(Ligne(0), (Textes{Traduit(74), Traduit(71), Traduit(72), Traduit(171), Traduit(68), Traduit(172),
                                Traduit(173), Traduit(87), Traduit(174)}));
    EXPECT_EQ(Grille.GetCouleurFond(4, 0), 0xB4FF64u);
    EXPECT_EQ(Grille.GetLargeurColonne(1), 120);
    // 180 minutes first, then 150, 120, 90 (ties in the team's list order),
    // then the substitutes by minutes, and 14 with a match and no minute last.
    Textes Noms;
    for (int R = 1; R < Grille.GetRowCount(); ++R)
        Noms.push_back(Grille.GetTexte(1, R));
    EXPECT_EQ(Noms, (Textes{"J01", "J04", "J05", "J06", "J08", "J09", "J10", "J02", "J07", "J03", "J11", "J13", "J12",
                            "J14"}));
    EXPECT_EQ(Ligne(1)[0], "G");
    EXPECT_EQ(Ligne(1)[2], "P1");
    EXPECT_EQ(Ligne(1)[7], "180");
    EXPECT_EQ(Ligne(1)[8], "90");
    // 12: two matches, one exit, two entries, 20 minutes, 10 a match.
    int R12 = 0;
    for (int R = 1; R < Grille.GetRowCount(); ++R)
        if (Grille.GetTexte(1, R) == "J12")
            R12 = R;
    ASSERT_GT(R12, 0);
    EXPECT_EQ(Ligne(R12)[3], "2");
    EXPECT_EQ(Ligne(R12)[5], "1");
    EXPECT_EQ(Ligne(R12)[6], "2");
    EXPECT_EQ(Ligne(R12)[7], "20");
    EXPECT_EQ(Ligne(R12)[8], "10");
    // Zebra rows; names left, figures centred.
    EXPECT_EQ(Grille.GetCouleurFond(0, 1), 0xFFFFFFu);
    EXPECT_EQ(Grille.GetCouleurFond(0, 2), 0xF8CD87u);
    EXPECT_EQ(Grille.GetAlignementH(1, 1), 0);
    EXPECT_EQ(Grille.GetAlignementH(7, 1), 1);

    // A team without players.
    EXPECT_FALSE(VuesStatEquipe::AfficheTempsJeu(Saison, 1, Grille));
}

} // namespace
