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
#include "model/infocomp.h"
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
#include <tuple>

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

namespace {

// The home score of day 1's first match as the archive holds it.
uint16_t ScoreArchive(const std::string& fichier)
{
    TSaisonFootball relue;
    if (!TTraiteurFichier::ChargeXml(fichier, relue, ""))
        return 0xFFFE;
    const TDonneesChampionnat* c = relue.GetChampionnat(1);
    return c ? c->GetValeurMatch(1, 2) : 0xFFFE;
}

// The commands that replace or close the season, each run from the menus.
enum class Commande { Fermer, Ouvrir, Recent, Quitter };

class SaisieAvantFermeture : public testsupport::FenetreSurArchive,
                             public ::testing::WithParamInterface<std::tuple<Commande, uint16_t>> {
protected:
    // Opens the archive, types 3-1 as the score of day 1's first match and
    // runs the command, answering the save question with Reponse.
    void TapeEtLance(Commande commande, uint16_t reponse)
    {
        DemarreSurArchive();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(Fenetre->ExecuteCommande(13));
        Page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
        ASSERT_NE(Page, nullptr);
        QTest::keyClicks(Page->Ligne(0).Score[0], "3");
        QTest::keyClicks(Page->Ligne(0).Score[1], "1");
        Messages.Messages.clear();
        Messages.Repond(reponse);
        switch (commande) {
        case Commande::Fermer:
            Fenetre->ExecuteCommande(9);
            break;
        case Commande::Ouvrir:
            Dialogues.RepondFichier(Fichier);
            Fenetre->ExecuteCommande(6);
            break;
        case Commande::Recent:
            ASSERT_EQ(Fenetre->GetFichiersRecents().front(), Fichier);
            Fenetre->ExecuteCommande((1 << 8) | 255);
            break;
        case Commande::Quitter:
            Fenetre->ExecuteCommande(12);
            break;
        }
    }

    Tf_Resultats* Page = nullptr;
};

} // namespace

TEST_P(SaisieAvantFermeture, TheTypedScoreIsCommittedBeforeTheSaveQuestion)
{
    const auto [commande, reponse] = GetParam();
    TapeEtLance(commande, reponse);
    if (HasFatalFailure())
        return;
    // The question comes first (a save then says it saved).
    ASSERT_FALSE(Messages.Messages.empty());
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(2, {"saison"}));
    if (reponse == ReponseMessage::Annuler) {
        // Nothing closed: the page still shows the score, the season still has it.
        ASSERT_EQ(Fenetre->GetPageCourante(), Page);
        EXPECT_EQ(Page->Ligne(0).Score[0]->Text(), "3");
        EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->GetValeurMatch(1, 2), 3);
        EXPECT_EQ(CompteurModification, 1);
        EXPECT_EQ(ScoreArchive(Fichier), TInfoComp::Aucun);
        return;
    }
    EXPECT_EQ(ScoreArchive(Fichier), reponse == ReponseMessage::Oui ? 3 : TInfoComp::Aucun);
}

INSTANTIATE_TEST_SUITE_P(
    FermerOuvrirRecentQuitter, SaisieAvantFermeture,
    ::testing::Combine(::testing::Values(Commande::Fermer, Commande::Ouvrir, Commande::Recent, Commande::Quitter),
                       ::testing::Values(ReponseMessage::Oui, ReponseMessage::Non, ReponseMessage::Annuler)));
