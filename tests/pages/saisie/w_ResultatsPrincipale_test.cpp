// The main road of a match day through the real main window: open a season
// archive, command 13, type the scores, change day, save with the file
// command, open the archive again and compute the table.

#include "pages/saisie/w_Resultats.h"

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "platform/Ecran.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FenetreSurArchive.h"

#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using RoutePrincipale = testsupport::FenetreSurArchive;

} // namespace

TEST_F(RoutePrincipale, ScoresTypedThroughTheMainWindowComeBackFromTheArchive)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);
    QTest::keyClicks(page->Ligne(0).Score[0], "3");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    QTest::keyClicks(page->Ligne(1).Score[0], "2");
    QTest::keyClicks(page->Ligne(1).Score[1], "2");
    page->TrackBar1->setValue(2);
    ASSERT_EQ(page->Ligne(0).Cadre[0]->Text(), "Dijon");
    QTest::keyClicks(page->Ligne(0).Score[0], "0");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    QTest::keyClicks(page->Ligne(1).Score[0], "4");
    QTest::keyClicks(page->Ligne(1).Score[1], "0");
    EXPECT_EQ(CompteurModification, 1);
    // The save command lets the page commit first.
    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);

    // The archive opened again holds both days.
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    TSaison* relue = Fenetre->GetSaison();
    ASSERT_NE(relue, nullptr);
    const TDonneesChampionnat* c = relue->GetChampionnat(1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->JourneeJouee, 2);
    const std::vector<uint16_t> jour1 = {0, 3, 1, 1, 2, 2, 3, 2};
    const std::vector<uint16_t> jour2 = {3, 0, 0, 1, 1, 4, 2, 0};
    for (int code = 1; code <= 8; ++code) {
        EXPECT_EQ(c->GetValeurMatch(1, code), jour1[code - 1]) << "day 1 code " << code;
        EXPECT_EQ(c->GetValeurMatch(2, code), jour2[code - 1]) << "day 2 code " << code;
    }
    TCalculClassement calcul(c, relue);
    calcul.Calcule(TCalculClassement::General, 1, nullptr, 2);
    const std::vector<std::pair<std::string, int>> attendu = {{"Arles", 6}, {"Brest", 3}, {"Dijon", 1}, {"Caen", 1}};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(calcul.GetNomEquipe(calcul.GetClassement(r, 1)), attendu[r].first) << "place " << r + 1;
        EXPECT_EQ(calcul.GetClassement(r, 2), attendu[r].second) << "place " << r + 1;
    }
}
