// The standings page on the main road: a season archive opened in the real
// main window, the scores of a day typed on the results page, then the
// standings command.

#include "pages/vues/w_Classement.h"

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "controls/ColorStringGrid.h"
#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/saisie/w_Resultats.h"
#include "platform/Ecran.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FenetreSurArchive.h"

#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using ClassementRoute = testsupport::FenetreSurArchive;

} // namespace

TEST_F(ClassementRoute, LeClassementApresLaSaisieDUneJournee)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* Resultats = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(Resultats, nullptr);
    QTest::keyClicks(Resultats->Ligne(0).Score[0], "3");
    QTest::keyClicks(Resultats->Ligne(0).Score[1], "1");
    QTest::keyClicks(Resultats->Ligne(1).Score[0], "2");
    QTest::keyClicks(Resultats->Ligne(1).Score[1], "2");

    // The day typed is written back when the results page is left.
    Fenetre->ExecuteCommande(40);
    auto* Page = dynamic_cast<Tf_ClassementEx*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampCourant();
    ASSERT_EQ(c->JourneeJouee, 1);
    EXPECT_EQ(Page->GetGenre(), TCalculClassement::GeneralDetaille);

    TModeleGrille Attendu;
    TCalculClassement Calcul(c, Fenetre->GetSaison());
    Calcul.Affiche(TCalculClassement::GeneralDetaille, Attendu, nullptr, nullptr, false, 1, 1, nullptr);
    const TModeleGrille& Vu = *Page->sg_Classement;
    ASSERT_EQ(Vu.GetRowCount(), 5);
    ASSERT_EQ(Vu.GetColCount(), Attendu.GetColCount());
    for (int r = 0; r < Vu.GetRowCount(); ++r)
        for (int col = 0; col < Vu.GetColCount(); ++col)
            EXPECT_EQ(Vu.GetTexte(col, r), Attendu.GetTexte(col, r)) << "cell " << col << ", " << r;
    EXPECT_EQ(Vu.GetTexte(1, 1), "Arles");
    EXPECT_EQ(Vu.GetTexte(2, 1), "3");

    // Another standings command keeps the page.
    Fenetre->ExecuteCommande(44);
    EXPECT_EQ(Fenetre->GetPageCourante(), Page);
    EXPECT_EQ(Page->GetGenre(), TCalculClassement::Attaque);
}
