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
#include "support_ui/DossierProgramme.h"

#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {


void EcritArchive(const std::string& fichier)
{
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(fichier, *testsupport::CreeLigueQuatreEquipes(), true, "", "", nullptr,
                                                {}, false));
}

class ClassementRoute : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::CopieDossierProgramme(Dossier.path());
        AncienneHorloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 20}));
    }
    void TearDown() override
    {
        Fenetre.reset();
        InstalleHorloge(AncienneHorloge);
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    TEtatSauveQt EtatSauve;
    std::shared_ptr<THorloge> AncienneHorloge;
    std::unique_ptr<Tf_Principale> Fenetre;
};

} // namespace

TEST_F(ClassementRoute, LeClassementApresLaSaisieDUneJournee)
{
    const std::string fichier = (Dossier / "saison.xmc").string();
    EcritArchive(fichier);
    Messages.ReponseParDefaut = ReponseMessage::Ok;
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    ASSERT_EQ(Fenetre->TagApplication, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(fichier));
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
