// The miscellaneous statistics page from the main window, on a saved season:
// the remembered day of the day views and the navigation record.

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "model/ListeDonnees.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/vues/SaisonVues.h"
#include "pages/vues/w_DiversStat.h"
#include "platform/Imprimante.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class DiversStatFenetre : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto Saison = testsupport::CreeSaisonVues(6);
        TDonneesChampionnat* Ligue = Saison->GetChampCourant();
        Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Buteur", "Jean", 9, 0));
        Ligue->GetButeursJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, 23));
        Ligue->GetCartonsJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, Evt::ContreCamp | 70));
        return Saison;
    }

    Tf_DiversStat* Page() const { return dynamic_cast<Tf_DiversStat*>(Fenetre->GetPageCourante()); }

    void ChoisitJour(int Jour)
    {
        Dialogues.Repond([Jour](QDialog& d) {
            auto* Choix = dynamic_cast<Tf_ChoixJournee*>(&d);
            ASSERT_NE(Choix, nullptr);
            Choix->ScrollBar1->setValue(Jour);
            Choix->BoutonCopie1Click();
            Choix->SetModalResult(ResultatModal::Ok);
        });
    }
};

TEST_F(DiversStatFenetre, BackAndForwardShowTheSameDayWithoutAsking)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ChoisitJour(3);
    ASSERT_TRUE(Fenetre->ExecuteCommande(27, -1));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 5);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0"); // Lyon - Angers on day 3
    const size_t Formes = Dialogues.TitresFormes.size();
    // Attendances of day 5: the remembered day changes.
    ASSERT_TRUE(Fenetre->ExecuteCommande(28, 5));
    EXPECT_EQ(Page()->GetGenre(), 8);
    Fenetre->Precedent->trigger();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 5);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0");
    Fenetre->Suivant->trigger();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 8);
    EXPECT_EQ(Page()->Label1->text().toStdString(), TraduitFmt(341, {15000, 3000}));
    Fenetre->Precedent->trigger();
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0");
    EXPECT_EQ(Dialogues.TitresFormes.size(), Formes);
    testsupport::RendPng(*Fenetre, "diversstat_fenetre_resultats");
}

TEST_F(DiversStatFenetre, TheDetailedReportOfTheRememberedDayPrintsItself)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ChoisitJour(3);
    ASSERT_TRUE(Fenetre->ExecuteCommande(26, -1));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 10);
    EXPECT_FALSE(Page()->e_Detail->isHidden());
    EXPECT_TRUE(Page()->sg_Stats->isHidden());
    ASSERT_GT(Page()->e_Detail->GetNbLigne(), 3);
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Texte, "Lyon - Angers : 0 - 0");
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Couleurs[0], 14);
    // The report's rows lie inside the scrolled area.
    EXPECT_GE(Page()->sb_Fond->widget()->height(), Page()->e_Detail->geometry().bottom());
    Fenetre->resize(1000, 700);
    QApplication::processEvents();
    testsupport::RendPng(*Fenetre, "diversstat_detail");
    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "detail.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page()->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    // The HTML export writes the report, its titles in bold.
    const std::string Html = (Dossier / "detail.htm").string();
    Page()->ExporteHtml(Html);
    EXPECT_NE(testsupport::ReadWholeFile(Html).find("Lyon - Angers : 0 - 0"), std::string::npos);
}

} // namespace
