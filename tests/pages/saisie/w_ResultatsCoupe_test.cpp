#include "pages/saisie/w_Resultats.h"

#include "pages/saisie/PageResultatsTest.h"

#include "base/Horloge.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/saisie/w_Penaltys.h"
#include "pages/saisie/w_Validation.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Four teams (ids 0 Arles .. 3 Dijon) in a cup of single-match semi-finals and a final.
std::unique_ptr<TSaisonFootball> CoupeQuatre()
{
    auto saison = std::make_unique<TSaisonFootball>();
    for (const char* nom : {"Arles", "Brest", "Caen", "Dijon"})
        saison->AjouteEquipe(nom);
    auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    c->SetNbEquipe(4);
    for (int p = 0; p < 4; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->CreeToursCoupe({{2, 2, 1}, {1, 1, 1}});
    for (int n = 1; n <= c->GetNbJour(); ++n)
        c->SetDateJournee(n, EncodeDateMatch(n, 2, 2024));
    c->AjouteMatch(1, 0, 1, -1, X, X);
    c->AjouteMatch(1, 2, 3, -1, X, X);
    saison->AjouteChampionnat(std::move(c));
    return saison;
}

using PageResultatsCoupe = PageResultatsTest;

TEST_F(PageResultatsCoupe, LevelScoreAsksTheShootOutAndTheWinnersMeetInTheFinal)
{
    testsupport::TFaussePrincipale principale(CoupeQuatre());
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    TDonneesChampionnat* c = principale.GetSaison()->GetChampionnat(1);
    testsupport::TDialoguesScriptes dialogues;
    dialogues.Repond([](QDialog& d) {
        auto& p = static_cast<Tf_Penaltys&>(d);
        p.EditRond1->SetText("3");
        p.EditRond2->SetText("5");
        p.bc_Valider->Click();
    });

    QTest::keyClicks(page->Ligne(0).Score[0], "1");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    page->ScoreExit(0, 1);
    EXPECT_EQ(dialogues.TitresFormes, std::vector<std::string>{"Penalty"});
    ASSERT_NE(page->Ligne(0).Info, nullptr);
    EXPECT_EQ(page->Ligne(0).Info->text().toStdString(), "(3 - 5 aux tirs au but)");
    EXPECT_EQ(page->Journee()->GetLigne(0)->Qualifie, 1);

    QTest::keyClicks(page->Ligne(1).Score[0], "2");
    QTest::keyClicks(page->Ligne(1).Score[1], "0");
    page->ScoreExit(1, 1);
    EXPECT_EQ(dialogues.TitresFormes.size(), 1u);
    // Brest went through on penalties, Caen on the score.
    ASSERT_NE(c->GetMatch(2, 1), nullptr);
    EXPECT_EQ(c->GetMatch(2, 1)->GetEquipe(0), 1);
    EXPECT_EQ(c->GetMatch(2, 1)->GetEquipe(1), 2);

    page->ValideSaisieEnCours();
    EXPECT_EQ(c->GetQualifie(1, 0, 1), 1);
    ASSERT_NE(c->CherchePenaltys(1, 0, 1), nullptr);
    EXPECT_EQ(c->CherchePenaltys(1, 0, 1)->But2, 5);
}

TEST_F(PageResultatsCoupe, VerificationButtonShowsTheCheckWindow)
{
    testsupport::TFaussePrincipale principale(CoupeQuatre());
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    QTest::keyClicks(page->Ligne(0).Score[0], "0");
    QTest::keyClicks(page->Ligne(0).Score[1], "0");
    testsupport::TDialoguesScriptes dialogues;
    std::size_t lignes = 0;
    std::string resume;
    dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_Validation&>(d);
        lignes = f.Lignes().size();
        resume = f.Label1->text().toStdString();
        f.BoutonCopie2->Click();
    });
    page->b_Verification->Click();
    EXPECT_EQ(dialogues.TitresFormes, std::vector<std::string>{Traduit(869)});
    // Attendance and line-ups are missing from the one match played.
    EXPECT_EQ(lignes, 2u);
    EXPECT_EQ(resume, "1 match vérifié");
}

} // namespace
