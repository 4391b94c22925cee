// The cup of the sample season through the results page of the real main
// window: its semi-finals typed and typed again, a bye that would pair a team
// with itself, the shoot-out question, and pages that only show.

#include "pages/saisie/w_Resultats.h"

#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/saisie/w_Penaltys.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Team ids of the sample season.
constexpr uint16_t Paris = 2, Lens = 3, Brest = 4, Metz = 5;

class CoupePrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonComplete(); }

    // The archive opened in the window, the cup chosen and its results page shown.
    Tf_Resultats* OuvreCoupe()
    {
        DemarreSurArchive();
        if (HasFatalFailure())
            return nullptr;
        Fenetre->SelectionneChampionnat(2, nullptr, true, false);
        EXPECT_EQ(Fenetre->GetSaison()->GetChampCourant()->CodeChamp, 2);
        EXPECT_TRUE(Fenetre->ExecuteCommande(13));
        return dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    }
    TDonneesChampionnat& Coupe() { return *Fenetre->GetSaison()->GetChampionnatId(2); }

    // Replaces what a score edit holds, key by key, as the user does.
    static void Tape(TEditRond* edit, const char* texte)
    {
        while (!edit->Text().empty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, texte);
    }
    // Types a row's score and leaves its second edit.
    static void Saisit(Tf_Resultats& page, int ligne, const char* s1, const char* s2)
    {
        Tape(page.Ligne(ligne).Score[0], s1);
        Tape(page.Ligne(ligne).Score[1], s2);
        page.ScoreExit(ligne, 1);
    }
    // The matches of a day, home then away.
    std::vector<std::pair<int, int>> Journee(int jour)
    {
        std::vector<std::pair<int, int>> v;
        if (const TInfoCompJour* j = Coupe().GetJournee(jour))
            for (int i = 0; i < j->NbMatch(); ++i)
                v.emplace_back(j->GetMatch(i)->GetEquipe(0), j->GetMatch(i)->GetEquipe(1));
        return v;
    }
};

using Paires = std::vector<std::pair<int, int>>;

TEST_F(CoupePrincipale, SemiFinalsTypedAgainAlwaysLeaveTheirTwoWinnersInTheFinal)
{
    Tf_Resultats* page = OuvreCoupe();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Label1->text().toStdString(), "Demi-finale");
    ASSERT_EQ(page->NbLignes(), 2);
    ASSERT_EQ(page->Ligne(0).Cadre[0]->Text(), "Paris");
    ASSERT_EQ(page->Ligne(1).Cadre[0]->Text(), "Brest");
    ASSERT_EQ(Journee(2), (Paires{{Lens, Brest}}));

    // Each semi-final typed once: Lens (on penalties, already recorded) and Brest.
    Saisit(*page, 0, "1", "1");
    Saisit(*page, 1, "2", "0");
    EXPECT_EQ(Journee(2), (Paires{{Lens, Brest}}));
    // Typed again with the other winner, one after the other.
    Saisit(*page, 1, "1", "2");
    EXPECT_EQ(Journee(2), (Paires{{Lens, Metz}}));
    Saisit(*page, 0, "2", "1");
    EXPECT_EQ(Journee(2), (Paires{{Paris, Metz}}));
    EXPECT_TRUE(Dialogues.TitresFormes.empty()) << "the recorded shoot-out is not asked again";
    EXPECT_TRUE(Messages.Messages.empty());

    // The final's day is titled as such.
    page->TrackBar1->setValue(2);
    EXPECT_EQ(page->Label1->text().toStdString(), "Finale");
}

TEST_F(CoupePrincipale, AByeThatWouldMeetItselfIsNotPairedAndTheUserIsTold)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    // Metz both plays a semi-final and holds a bye into that tie's slot.
    Fenetre->GetSaison()->GetChampionnatId(2)->AjouteMatchSuiv(2, Metz, 65535);
    Fenetre->SelectionneChampionnat(2, nullptr, true, false);
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);

    Saisit(*page, 1, "0", "1");
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, "« Metz » serait opposée à elle-même au tour suivant après le match "
                                          "Brest - Metz : cette rencontre n'est pas créée.");
    EXPECT_EQ(Journee(2), (Paires{{Lens, Brest}}));
}

TEST_F(CoupePrincipale, TheFinalsDayPairsNobodyEvenWithADayRecordAfterIt)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    TDonneesChampionnat& c = *Fenetre->GetSaison()->GetChampionnatId(2);
    // A day record after the final, belonging to no round of the cup.
    TTourCoupeJour apres;
    apres.nTour = 3, apres.NbMatch = 1, apres.TypeMatch = 1;
    c.AjouteTourCoupe(apres);
    c.SetNbJour(3);
    c.AjouteMatch(2, Paris, Metz, -1, 65535, 65535); // the third-place match
    c.NbJournee = 2;
    Fenetre->SelectionneChampionnat(2, nullptr, true, false);
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);

    Saisit(*page, 0, "2", "1");
    Saisit(*page, 1, "0", "1");
    EXPECT_TRUE(Journee(3).empty());
    EXPECT_EQ(Journee(2), (Paires{{Lens, Brest}, {Paris, Metz}}));
}

TEST_F(CoupePrincipale, TheShootOutIsAskedOnceThoughTheEditLosesTheFocusToIt)
{
    Tf_Resultats* page = OuvreCoupe();
    ASSERT_NE(page, nullptr);
    TEditRond* edit = page->Ligne(1).Score[1];
    Dialogues.Repond([edit](QDialog& d) {
        // A window manager gives the dialog the focus: the edit is left again.
        QFocusEvent sortie(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(edit, &sortie);
        auto& p = static_cast<Tf_Penaltys&>(d);
        p.bc_Valider->Click(); // 0 - 0
        p.EditRond1->SetText("5");
        p.EditRond2->SetText("4");
        p.bc_Valider->Click();
    });
    Saisit(*page, 1, "1", "1");
    // The focus comes back to the edit and goes to another control.
    QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &sortie);

    EXPECT_EQ(Dialogues.TitresFormes, std::vector<std::string>{"Penalty"});
    ASSERT_EQ(Messages.Messages.size(), 1u) << "the level answer was refused with its reason";
    EXPECT_EQ(Messages.Messages[0].Texte,
              "Une séance de tirs au but ne peut pas finir sur une égalité : saisissez deux nombres différents.");
    EXPECT_EQ(page->Ligne(1).Info->text().toStdString(), "(5 - 4 aux tirs au but)");
    testsupport::RendPng(*page, "resultats_coupe_tirs_au_but");
    page->ValideSaisieEnCours();
    const TPenaltys* tirs = Coupe().CherchePenaltys(1, Brest, Metz);
    ASSERT_NE(tirs, nullptr);
    EXPECT_EQ(tirs->But1, 5);
    EXPECT_EQ(tirs->But2, 4);
    EXPECT_EQ(Journee(2), (Paires{{Lens, Brest}}));
}

TEST_F(CoupePrincipale, ShowingTheCupsDaysLeavesTheDocumentUnmodified)
{
    Tf_Resultats* page = OuvreCoupe();
    ASSERT_NE(page, nullptr);
    page->TrackBar1->setValue(2);
    ASSERT_EQ(page->Ligne(0).Cadre[0]->Text(), "Lens");
    page->TrackBar1->setValue(1);
    ASSERT_TRUE(Fenetre->ExecuteCommande(40));
    EXPECT_EQ(CompteurModification, 0);
}

// The four-team league with day 2 played, its matches stored out of the
// standings' order, and shown at day 2.
class LiguePrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto saison = testsupport::CreeLigueQuatreEquipes();
        TDonneesChampionnat* c = saison->GetChampionnat(1);
        auto score = [c](int jour, int m, uint16_t s1, uint16_t s2) {
            c->GetMatch(jour, m)->SetScore(0, s1);
            c->GetMatch(jour, m)->SetScore(1, s2);
        };
        score(1, 1, 0, 1); // Arles 0 - 1 Brest
        score(1, 2, 2, 2); // Caen 2 - 2 Dijon
        score(2, 1, 0, 1); // Dijon 0 - 1 Arles; Brest - Caen not played
        c->NbJournee = 2;
        return saison;
    }
};

TEST_F(LiguePrincipale, OpeningTheResultsPageInStandingsOrderLeavesTheDocumentUnmodified)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    // Brest lead the table: their match comes first.
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), "Brest");
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->ExecuteCommande(40));
    EXPECT_EQ(CompteurModification, 0);
}

} // namespace
