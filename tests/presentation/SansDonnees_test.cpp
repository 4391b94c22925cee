#include "presentation/SansDonnees.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

namespace {

class SansDonneesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeLigueABCD(2);
        Champ = Saison->GetChampCourant();
        Champ->AjouteMatch(1, 0, 1, -1, 1, 0);
        Champ->AjouteMatch(1, 2, 3, -1, 2, 2);
        Champ->AjouteMatch(2, 0, 2, -1, 0, 3);
        // A second championship of the same teams: its data count for the
        // season, not for the first championship's attendances.
        Autre = &testsupport::AjouteChampionnatQuatre(*Saison, 9, 2, "Coupe");
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::unique_ptr<TSaisonFootball> Saison;
    TDonneesChampionnat* Champ = nullptr;
    TDonneesChampionnat* Autre = nullptr;
};

TEST_F(SansDonneesTest, AttendancesOfTheChampionshipOnly)
{
    EXPECT_EQ(SansDonnees::LigneAffluences(*Champ), Traduit(3263));
    Autre->SetAffluence(1, 1, 12000);
    EXPECT_EQ(SansDonnees::LigneAffluences(*Champ), Traduit(3263));
    // An attendance of 0 is no attendance.
    Champ->SetAffluence(2, 1, 0);
    EXPECT_EQ(SansDonnees::LigneAffluences(*Champ), Traduit(3263));
    Champ->SetAffluence(2, 1, 8500);
    EXPECT_EQ(SansDonnees::LigneAffluences(*Champ), "");
}

TEST_F(SansDonneesTest, LineUpsAndRatingsOfAnyChampionshipOfTheSeason)
{
    EXPECT_EQ(SansDonnees::LigneCompositions(*Saison), Traduit(3264));
    EXPECT_EQ(SansDonnees::LigneNotes(*Saison), Traduit(3265));
    // A starter without the entered flag, as older files hold them.
    Autre->SetCompoMatch(2, 1, 1, 17);
    EXPECT_EQ(SansDonnees::LigneCompositions(*Saison), "");
    Autre->SetCompoMatch(2, 1, 1, 0);
    EXPECT_EQ(SansDonnees::LigneCompositions(*Saison), Traduit(3264));
    Champ->SetCompoMatch(1, 3, 20, 0xFF00);
    EXPECT_EQ(SansDonnees::LigneCompositions(*Saison), "");

    // A rating typed without the entered flag is not yet entered.
    Champ->SetNoteJoueurMatch(1, 0, 1, 6);
    EXPECT_EQ(SansDonnees::LigneNotes(*Saison), Traduit(3265));
    Autre->SetNoteJoueurMatch(1, 2, 15, 1);
    EXPECT_EQ(SansDonnees::LigneNotes(*Saison), "");
}

} // namespace
