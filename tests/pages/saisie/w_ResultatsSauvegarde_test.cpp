// What the match-day pages put into a season must come back from its file as
// it was put in: a score the edit takes, a comment typed after blanks, the
// matches the calendar completion adds. Each is entered through the real
// main window, saved, opened again and, for the document as a whole, saved
// a second time under the same clock: both saves must be the same bytes.

#include "pages/saisie/w_Resultats.h"

#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/saisie/w_Passeurs.h"
#include "shell/w_Principale.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"

#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// A, B, C and D over six dated days: the first half entered, the return half empty.
class SauvegardeJournee : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeLigueABCD(6);
        TDonneesChampionnat* c = s->GetChampionnat(1);
        const int aller[3][4] = {{0, 1, 2, 3}, {3, 0, 1, 2}, {0, 2, 1, 3}};
        for (int n = 1; n <= 3; ++n) {
            c->AjouteMatch(n, aller[n - 1][0], aller[n - 1][1], -1, X, X);
            c->AjouteMatch(n, aller[n - 1][2], aller[n - 1][3], -1, X, X);
        }
        for (int n = 1; n <= 6; ++n)
            c->SetDateJournee(n, EncodeDateMatch(4 * n, 9, 2024));
        c->NbJournee = 1;
        return s;
    }
    void SetUp() override
    {
        FenetreSurArchive::SetUp();
        EtatFeuilles() = TEtatFeuilles{};
    }
    // Saves the season the window holds into its file and gives the file's bytes.
    std::string Sauve()
    {
        Fenetre->ExecuteCommande(Commande::Enregistrer);
        EXPECT_EQ(CompteurModification, 0) << "the save went through";
        return testsupport::ReadWholeFile(Fichier);
    }
    // Opens the file again and saves it with nothing changed: the bytes must not move.
    void RelitEtResauve(const std::string& premiere)
    {
        ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
        EXPECT_EQ(CompteurModification, 0) << "opening changes nothing";
        // An unchanged season is not written again: the count makes it.
        CompteurModification = 1;
        const std::string seconde = Sauve();
        EXPECT_EQ(seconde.size(), premiere.size());
        EXPECT_TRUE(seconde == premiere) << "a second save of the reopened season gives other bytes";
    }
    const TDonneesChampionnat& Champ() const { return *Fenetre->GetSaison()->GetChampionnat(1); }
};

} // namespace

TEST_F(SauvegardeJournee, AScoreAboveAByteSurvivesADayChangeASaveAndAReopen)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Resultats>(13);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Ligne(0).Cadre[0]->Text(), "A");
    QTest::keyClicks(page->Ligne(0).Score[0], "300");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    page->TrackBar1->setValue(2);
    page->TrackBar1->setValue(1);
    EXPECT_EQ(page->Ligne(0).Score[0]->Text(), "300");
    EXPECT_EQ(page->Ligne(0).Score[1]->Text(), "1");
    // Another row typed: the save writes every row of the day again.
    QTest::keyClicks(page->Ligne(1).Score[0], "2");
    QTest::keyClicks(page->Ligne(1).Score[1], "2");

    const std::string premiere = Sauve();
    EXPECT_EQ(Champ().GetValeurMatch(1, 2), 300);
    RelitEtResauve(premiere);
    EXPECT_EQ(Champ().GetValeurMatch(1, 2), 300);
    EXPECT_EQ(Champ().GetValeurMatch(1, 4), 1);
    EXPECT_EQ(Champ().JourneeJouee, 1);
    page = PageDe<Tf_Resultats>(13);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Ligne(0).Score[0]->Text(), "300");
    EXPECT_EQ(page->Ligne(0).Score[1]->Text(), "1");
}

TEST_F(SauvegardeJournee, ACommentTypedAfterBlanksIsKeptAsTheFileGivesItBack)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* passes = PageDe<Tf_Passeurs>(16);
    ASSERT_NE(passes, nullptr);
    passes->m_Commentaire->setPlainText("   Beau match\nsous la pluie  ");

    const std::string premiere = Sauve();
    EXPECT_EQ(Champ().GetCommentaireMatch(1, 0, 1), "Beau match\nsous la pluie  ");
    // Kept without its blanks, the comment is no change at the next commit.
    passes->ValideSaisieEnCours();
    EXPECT_EQ(CompteurModification, 0);
    RelitEtResauve(premiere);
    EXPECT_EQ(Champ().GetCommentaireMatch(1, 0, 1), "Beau match\nsous la pluie  ");
}

TEST_F(SauvegardeJournee, MatchesTheCompletionAddsToADatedDayKeepTheirDate)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Resultats>(13);
    ASSERT_NE(page, nullptr);
    Messages.Repond(ReponseMessage::Non);
    page->b_Completer->OnClick();
    ASSERT_NE(Champ().GetJournee(4), nullptr);
    ASSERT_EQ(Champ().GetJournee(4)->NbMatch(), 2);
    // Day 4 mirrors day 1 and takes its own date, as the file will give it.
    EXPECT_EQ(Champ().GetValeurMatch(4, 1), 1);
    EXPECT_EQ(Champ().GetDateMatch(4, 1), EncodeDateMatch(16, 9, 2024));
    EXPECT_EQ(Champ().GetDateMatch(6, 2), EncodeDateMatch(24, 9, 2024));

    const std::string premiere = Sauve();
    RelitEtResauve(premiere);
    EXPECT_EQ(Champ().GetJournee(6)->NbMatch(), 2);
    EXPECT_EQ(Champ().GetDateMatch(6, 2), EncodeDateMatch(24, 9, 2024));
}
