// The main road of a match day on a season archive: open it, type the scores
// on the results page, change day, save, open it again, compute the table.

#include "pages/saisie/w_Resultats.h"

#include "base/Horloge.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"

#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void EcritArchive(const std::string& fichier)
{
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(fichier, *testsupport::CreeLigueQuatreEquipes(), true, "", "", nullptr,
                                                {}, false));
}

} // namespace

TEST(RouteJournee, ScoresTypedOnThePageComeBackFromTheArchive)
{
    InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
    auto horloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 20}));
    testsupport::TempDir dossier;
    const std::string fichier = (dossier / "saison.xmc").string();
    EcritArchive(fichier);

    {
        std::unique_ptr<TSaison> saison = testsupport::ChargeParDispatcheur(fichier);
        ASSERT_NE(saison, nullptr);
        EnregistrePages();
        testsupport::TFaussePrincipale principale(std::move(saison));
        principale.Fond.resize(800, 500);
        (*CommandePage(13))(principale, 13, 0, 0);
        auto* page = dynamic_cast<Tf_Resultats*>(principale.GetPageCourante());
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
        // What the main window does before saving: the page commits.
        page->ValideSaisieEnCours();
        EXPECT_GE(principale.NbModifications, 2);
        ASSERT_TRUE(
            TTraiteurFichier::SauveAvecEtat(fichier, *principale.GetSaison(), true, "", "", nullptr, {}, false));
    }

    std::unique_ptr<TSaison> relue = testsupport::ChargeParDispatcheur(fichier);
    ASSERT_NE(relue, nullptr);
    const TDonneesChampionnat* c = relue->GetChampionnat(1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->JourneeJouee, 2);
    EXPECT_EQ(c->NbJournee, 2);
    const std::vector<uint16_t> jour1 = {0, 3, 1, 1, 2, 2, 3, 2};
    const std::vector<uint16_t> jour2 = {3, 0, 0, 1, 1, 4, 2, 0};
    for (int code = 1; code <= 8; ++code) {
        EXPECT_EQ(c->GetValeurMatch(1, code), jour1[code - 1]) << "day 1 code " << code;
        EXPECT_EQ(c->GetValeurMatch(2, code), jour2[code - 1]) << "day 2 code " << code;
    }

    TCalculClassement calcul(c, relue.get());
    calcul.Calcule(TCalculClassement::General, 1, nullptr, 2);
    // Arles 6 (4-1), Brest 3 (5-3), Caen 1 (2-6), Dijon 1 (2-3).
    const std::vector<std::pair<std::string, int>> attendu = {{"Arles", 6}, {"Brest", 3}, {"Dijon", 1}, {"Caen", 1}};
    for (int r = 0; r < 4; ++r) {
        const int t = calcul.GetClassement(r, 1);
        EXPECT_EQ(calcul.GetNomEquipe(t), attendu[r].first) << "place " << r + 1;
        EXPECT_EQ(calcul.GetClassement(r, 2), attendu[r].second) << "place " << r + 1;
    }
    InstalleHorloge(horloge);
    InstalleTraducteur(nullptr);
}
