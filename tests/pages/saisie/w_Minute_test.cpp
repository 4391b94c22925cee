// The live scores page from the main window: command 23 on a season archive
// whose current day is under way, the plus button, the results page
// afterwards and the page's print and HTML forms.

#include "pages/saisie/w_Minute.h"

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "pages/VingtClubs.h"
#include "pages/saisie/w_Resultats.h"
#include "platform/Imprimante.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDisposition.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Four teams A-D: day 1 A-B 1-0 and C-D 0-0 saved, day 2 (current) A-C and
// B-D to play.
class MinutePrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeLigueABCD(2);
        TDonneesChampionnat* c = s->GetChampCourant();
        c->AjouteMatch(1, 0, 1, -1, 1, 0);
        c->AjouteMatch(1, 2, 3, -1, 0, 0);
        c->AjouteMatch(2, 0, 2, -1, X, X);
        c->AjouteMatch(2, 1, 3, -1, X, X);
        c->JourneeJouee = 1;
        c->NbJournee = 2;
        return s;
    }

    Tf_Minute* Ouvre()
    {
        DemarreSurArchive();
        if (HasFatalFailure())
            return nullptr;
        Fenetre->resize(800, 600);
        Fenetre->show();
        QApplication::processEvents(); // the first activation and its opening choice
        EXPECT_TRUE(Fenetre->ExecuteCommande(23));
        return dynamic_cast<Tf_Minute*>(Fenetre->GetPageCourante());
    }

    // Points of a team in the live standings grid, "" when not found.
    static std::string Points(const TColorStringGrid& g, const std::string& equipe)
    {
        for (int r = 0; r < g.GetRowCount(); ++r)
            for (int c = 0; c + 1 < g.GetColCount(); ++c)
                if (g.GetTexte(c, r) == equipe)
                    return g.GetTexte(c + 1, r);
        return "";
    }
};

TEST_F(MinutePrincipale, PlusWritesTheScoreThatTheResultsPageThenShows)
{
    Tf_Minute* page = Ouvre();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Listbox1->Nb(), 2);
    EXPECT_EQ(page->Listbox1->Texte(1).substr(6), "B - D");
    EXPECT_EQ(page->Cadre9->Text(), "A");
    EXPECT_EQ(page->EditRond1->Text(), "");
    // The side panel stands at the right, the standings fill the rest.
    EXPECT_EQ(page->FondCopie17->geometry().right(), page->width() - 1);
    EXPECT_GT(page->sg_Classement->width(), page->width() / 2);
    EXPECT_EQ(Points(*page->sg_Classement, "A"), "3");
    QApplication::processEvents();
    EXPECT_LE(page->sg_Classement->height(), page->height() - 10);
    testsupport::RendPng(*Fenetre, "minute");

    EXPECT_EQ(CompteurModification, 0);
    QTest::mouseClick(page->Bp1, Qt::LeftButton);
    EXPECT_EQ(page->EditRond1->Text(), "1");
    EXPECT_EQ(page->EditRond2->Text(), "0");
    EXPECT_EQ(Points(*page->sg_Classement, "A"), "6");
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Fenetre->Statut->TextePanneau(1), Traduit(18));
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampCourant();
    EXPECT_EQ(c->GetValeurMatch(2, 2), 1);
    EXPECT_EQ(c->GetValeurMatch(2, 4), 0);

    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* resultats = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(resultats, nullptr);
    EXPECT_EQ(resultats->Ligne(0).Score[0]->Text(), "1");
    EXPECT_EQ(resultats->Ligne(0).Score[1]->Text(), "0");
}

TEST_F(MinutePrincipale, RightClickRemovesThatMatchOnly)
{
    Tf_Minute* page = Ouvre();
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page->Bp1, Qt::LeftButton);
    page->Listbox1MouseDown(page->Listbox1->ItemHeight() + 2, QPoint(0, 0));
    EXPECT_EQ(page->Cadre9->Text(), "B");
    page->PopupMenu8->hide();
    page->mi_RetirerMatch->trigger();
    ASSERT_EQ(page->Listbox1->Nb(), 1);
    EXPECT_EQ(page->Listbox1->Texte(0)[5], '\x05');
    EXPECT_EQ(page->Cadre9->Text(), "");
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampCourant();
    EXPECT_EQ(c->GetValeurMatch(2, 2), 1);
    EXPECT_EQ(c->GetValeurMatch(2, 6), X);
    // Nothing selected: the buttons do nothing.
    QTest::mouseClick(page->bp2, Qt::LeftButton);
    EXPECT_EQ(c->GetValeurMatch(2, 8), X);
}

TEST_F(MinutePrincipale, PrintsAndExportsTheStandings)
{
    Tf_Minute* page = Ouvre();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->Imprimable());
    const std::string pdf = (Dossier / "minute.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
    const std::string html = (Dossier / "minute.htm").string();
    page->ExporteHtml(html);
    const std::string texte = testsupport::ReadWholeFile(html);
    EXPECT_NE(texte.find("<html>"), std::string::npos);
    EXPECT_NE(texte.find(">A<"), std::string::npos);
}

} // namespace

namespace {

// A first division of twenty clubs under way: day 1 saved, day 2 being played.
class MinuteVingtEquipes : public MinutePrincipale {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = std::make_unique<TSaisonFootball>();
        for (const char* nom : testsupport::VingtClubs)
            s->AjouteEquipe(nom);
        auto c = s->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        c->SetNbEquipe(20);
        for (int p = 0; p < 20; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(p));
        c->SetNbMatch(10);
        c->SetNbJour(38);
        c->SetOption(4, 3);
        c->SetOption(5, 1);
        for (int m = 0; m < 10; ++m) {
            c->AjouteMatch(1, 2 * m, 2 * m + 1, -1, static_cast<uint16_t>(m % 4), static_cast<uint16_t>(m % 3));
            c->AjouteMatch(2, 2 * m + 1, (2 * m + 2) % 20, -1, X, X);
        }
        c->JourneeJouee = 1;
        c->NbJournee = 2;
        s->AjouteChampionnat(std::move(c));
        s->SetNumChampCourant(1);
        return s;
    }
};

TEST_F(MinuteVingtEquipes, LeClassementSeLitEntierSansDefilerDeCote)
{
    Tf_Minute* page = Ouvre();
    ASSERT_NE(page, nullptr);
    QApplication::processEvents();
    const TColorStringGrid& g = *page->sg_Classement;
    // Every column whole in the grid's width, every name and figure whole in its column.
    EXPECT_LE(g.LargeurContenu(), g.viewport()->width());
    EXPECT_EQ(g.horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(g.GetRowCount(), 21);
    for (const std::string& d : testsupport::VerifieDisposition(*page))
        ADD_FAILURE() << d;
    // The panel gave up its room but keeps a score and its two buttons side by side.
    EXPECT_LT(page->FondCopie17->width(), 224);
    EXPECT_EQ(page->EditRond1->y(), page->Bm1->y());
    EXPECT_GT(page->EditRond1->y(), page->Cadre9->geometry().bottom());
    testsupport::RendPng(*Fenetre, "minute_vingt_800");

    // A goal more changes the figures, not the fit.
    QTest::mouseClick(page->Bp1, Qt::LeftButton);
    EXPECT_EQ(g.horizontalScrollBar()->maximum(), 0);

    // Wide, the panel shows every match whole on one line per side, and the standings fill the rest.
    Fenetre->resize(1600, 1000);
    QApplication::processEvents();
    const int panneau = page->FondCopie17->width();
    EXPECT_GT(panneau, 224);
    const QFontMetrics mesure(page->Listbox1->font());
    for (int i = 0; i < page->Listbox1->Nb(); ++i)
        EXPECT_LE(mesure.horizontalAdvance(QString::fromStdString(page->Listbox1->Texte(i).substr(6))),
                  page->Listbox1->viewport()->width());
    EXPECT_EQ(page->EditRond1->y(), page->Cadre9->y() - 2);
    EXPECT_EQ(g.width(), page->width() - panneau - 12);
    EXPECT_EQ(g.horizontalScrollBar()->maximum(), 0);
    for (const std::string& d : testsupport::VerifieDisposition(*page))
        ADD_FAILURE() << d;
    testsupport::RendPng(*Fenetre, "minute_vingt_1600");
}

} // namespace
