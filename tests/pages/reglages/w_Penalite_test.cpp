#include "pages/reglages/w_Penalite.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

class PenaliteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        Principale.SetSaison(testsupport::CreeSaisonVues(6));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesChampionnat& Champ() { return *Principale.GetSaison()->GetChampCourant(); }
    Tf_Penalite* Commande()
    {
        const TCommandePage* f = CommandePage(143);
        EXPECT_NE(f, nullptr);
        if (f != nullptr)
            (*f)(Principale, 143, 0, 0);
        return dynamic_cast<Tf_Penalite*>(Principale.GetPageCourante());
    }
    // Points of the club at a position after every played day.
    int Points(int position)
    {
        TCalculClassement c(&Champ(), Principale.GetSaison());
        c.Calcule(TCalculClassement::General, 1, nullptr, Champ().JourneeJouee);
        return c.GetTotal(position, 1);
    }
    static void Ajoute(Tf_Penalite& Page, int Equipe, int Points)
    {
        Page.cb_Equipe->setCurrentIndex(Equipe);
        Page.e_Point->setValue(Points);
        Page.b_Ajouter->click();
    }

    TFaussePrincipale Principale;
};

TEST_F(PenaliteTest, ShowsEveryTeamWithItsAdjustment)
{
    Champ().GetPenalites().AjoutePoints(static_cast<uint16_t>(Champ().GetEquipe(1)), -5);
    Champ().GetPenalites().AjoutePoints(static_cast<uint16_t>(Champ().GetEquipe(2)), 3);
    Champ().SetOption(10, 2);
    Tf_Penalite* Page = Commande();
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->Imprimable());
    EXPECT_EQ(Page->Label1->text().toStdString(), "points");
    EXPECT_EQ(Page->b_Ajouter->text().toStdString(), "Ajouter");
    EXPECT_EQ(Page->e_Point->minimum(), -100);
    EXPECT_EQ(Page->e_Point->maximum(), 100);
    EXPECT_EQ(Page->e_Point->value(), 0);

    const TColorStringGrid& g = *Page->sg_Penalite;
    ASSERT_EQ(g.GetRowCount(), 11);
    EXPECT_EQ(g.GetTexte(0, 0), "Equipe");
    EXPECT_EQ(g.GetTexte(1, 0), "Points");
    EXPECT_EQ(g.GetTexte(0, 1), "Lyon");
    EXPECT_EQ(g.GetTexte(1, 1), "0");
    EXPECT_EQ(g.GetTexte(1, 2), "-5");
    EXPECT_EQ(g.GetTexte(1, 3), "3");
    EXPECT_EQ(g.GetTexte(0, 10), "Angers");
    EXPECT_EQ(g.GetCouleurFond(0, 3), 0x800000) << "the followed team";
    // Both columns whole, each with the line drawn at its right.
    EXPECT_EQ(g.width(), 200 + 1 + 150 + 1);

    // The chooser: the same teams in the same order, their ids attached, none chosen.
    ASSERT_EQ(Page->cb_Equipe->count(), 10);
    EXPECT_EQ(Page->cb_Equipe->currentIndex(), -1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Page->cb_Equipe->itemText(i).toStdString(), g.GetTexte(0, i + 1));
        EXPECT_EQ(Page->cb_Equipe->itemData(i).toInt(), Champ().GetEquipe(i));
    }
}

TEST_F(PenaliteTest, AddingEditingAndRemovingPointsMovesTheStandings)
{
    const int Avant = Points(4);
    Tf_Penalite* Page = Commande();
    ASSERT_NE(Page, nullptr);

    Ajoute(*Page, 4, -5);
    EXPECT_EQ(Page->sg_Penalite->GetTexte(1, 5), "-5");
    EXPECT_EQ(Principale.NbModifications, 1);
    EXPECT_EQ(Points(4), Avant - 5);

    Ajoute(*Page, 4, 8);
    EXPECT_EQ(Page->sg_Penalite->GetTexte(1, 5), "3");
    EXPECT_EQ(Points(4), Avant + 3);

    Ajoute(*Page, 4, -3);
    EXPECT_EQ(Page->sg_Penalite->GetTexte(1, 5), "0");
    EXPECT_EQ(Points(4), Avant);
    EXPECT_EQ(Principale.NbModifications, 3);
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(Page->sg_Penalite->GetTexte(1, r), "0") << r;

    // A new page reads what was stored.
    Ajoute(*Page, 9, 2);
    Page = Commande();
    EXPECT_EQ(Page->sg_Penalite->GetTexte(1, 10), "2");
}

TEST_F(PenaliteTest, AddDoesNothingWithoutPointsOrTeam)
{
    Tf_Penalite* Page = Commande();
    ASSERT_NE(Page, nullptr);
    Ajoute(*Page, 3, 0);
    Page->cb_Equipe->setCurrentIndex(-1);
    Page->e_Point->setValue(4);
    Page->b_Ajouter->click();
    EXPECT_EQ(Principale.NbModifications, 0);
    EXPECT_EQ(Champ().GetPenalites().Nombre(), 0);

    // The box keeps to its range, and a full record changes nothing.
    Page->e_Point->setValue(500);
    EXPECT_EQ(Page->e_Point->value(), 100);
    Ajoute(*Page, 0, 100), Ajoute(*Page, 0, 100), Ajoute(*Page, 0, 55);
    EXPECT_EQ(Principale.NbModifications, 3);
    Ajoute(*Page, 0, 100);
    EXPECT_EQ(Principale.NbModifications, 3);
    EXPECT_EQ(Page->sg_Penalite->GetTexte(1, 1), "255");
}

TEST_F(PenaliteTest, ChampionshipWithoutTeamsShowsTheHeaderOnly)
{
    auto Saison = std::make_unique<TSaisonFootball>();
    Saison->AjouteChampionnat(std::make_unique<TDonneesChampionnatFootball>(Saison.get()));
    Saison->SetNumChampCourant(1);
    Principale.SetSaison(std::move(Saison));
    Tf_Penalite* Page = Commande();
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->sg_Penalite->GetRowCount(), 1);
    EXPECT_EQ(Page->cb_Equipe->count(), 0);
    Page->e_Point->setValue(3);
    Page->b_Ajouter->click();
    EXPECT_EQ(Principale.NbModifications, 0);

    Principale.SetSaison(nullptr);
    Page = Commande();
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->sg_Penalite->GetRowCount(), 1);
    Page->b_Ajouter->click();
}

TEST_F(PenaliteTest, PrintsAndExportsTheGrid)
{
    Champ().GetPenalites().AjoutePoints(static_cast<uint16_t>(Champ().GetEquipe(0)), -7);
    Tf_Penalite* Page = Commande();
    ASSERT_NE(Page, nullptr);
    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "penalites.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    const std::string Html = (Dossier / "penalites.htm").string();
    // A page that could not be written is said, with its name.
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    const std::string Texte = testsupport::ReadWholeFile(Html);
    EXPECT_NE(Texte.find("<html"), std::string::npos);
    EXPECT_NE(Texte.find(">-7<"), std::string::npos);
    EXPECT_NE(Texte.find("Lyon"), std::string::npos);
}

} // namespace
