#include "pages/vues/w_recap.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "presentation/Recapitulatif.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

class RecapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        auto Saison = testsupport::CreeSaisonVues(2);
        testsupport::AjouteCoupeTroisClubs(*Saison);
        Principale.SetSaison(std::move(Saison));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    Tf_recap* Commande()
    {
        const TCommandePage* f = CommandePage(170);
        EXPECT_NE(f, nullptr);
        if (f != nullptr)
            (*f)(Principale, 170, 0, 0);
        return dynamic_cast<Tf_recap*>(Principale.GetPageCourante());
    }

    TFaussePrincipale Principale;
};

TEST_F(RecapTest, CommandShowsTheCurrentChampionshipsTable)
{
    Tf_recap* Page = Commande();
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->Imprimable());
    const TColorStringGrid& g = *Page->sg_recap;
    ASSERT_EQ(g.GetRowCount(), 11);
    ASSERT_EQ(g.GetColCount(), 11);
    EXPECT_EQ(g.GetTexte(1, 0), "Lyo.");
    EXPECT_EQ(g.GetTexte(0, 1), "Lyon");
    // Day d: position i at home to 9 - i, (i + d) % 3 goals to 0.
    EXPECT_EQ(g.GetTexte(10, 1), "1 - 0"); // Lyon - Angers, day 1
    EXPECT_EQ(g.GetTexte(1, 10), "-");
    EXPECT_EQ(g.GetTexte(9, 2), "2 - 0"); // Nice - Metz, day 1
    EXPECT_EQ(g.GetTexte(2, 2), "");
    EXPECT_EQ(g.GetCouleurFond(2, 2), 0);
    EXPECT_EQ(g.GetTexte(3, 1), "-");
    // The whole table is shown, its columns as wide as the scores at least.
    EXPECT_GE(g.GetLargeurColonne(0), 60);
    EXPECT_GE(g.GetLargeurColonne(5), g.fontMetrics().horizontalAdvance("2 - 0"));
    EXPECT_GE(g.width(), g.LargeurContenu());

    Principale.SetSaison(nullptr);
    Page = Commande();
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->sg_recap->GetRowCount(), 0);
}

TEST_F(RecapTest, PrintsAndExportsTheGrid)
{
    Tf_recap* Page = Commande();
    ASSERT_NE(Page, nullptr);
    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "recap.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    const std::string Html = (Dossier / "recap.htm").string();
    // A page that could not be written is said, with its name.
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    const std::string Texte = testsupport::ReadWholeFile(Html);
    EXPECT_NE(Texte.find("<html>"), std::string::npos);
    EXPECT_NE(Texte.find(">1 - 0<"), std::string::npos);
}

TEST_F(RecapTest, KeywordTakesTheDivisionWithoutChangingTheCurrentChampionship)
{
    const TGestionFonction::TEntree* Entree = GestionFonction().Cherche("Recapitulatif");
    ASSERT_NE(Entree, nullptr);
    EXPECT_EQ(Entree->Code, CodeFonction::Championnat);

    TSaison* Saison = Principale.GetSaison();
    std::string Resultat;
    Tf_recap::ExecuteFonction("Recapitulatif", {"Division=8", "CouleurTitre=#112233"}, Resultat, "", Saison);
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
    const TDonneesChampionnat* Coupe = Saison->GetChampionnatId(8);
    ASSERT_NE(Coupe, nullptr);
    EXPECT_EQ(Resultat,
              Recapitulatif::TableHtml(*Saison, *Coupe, {"#112233", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"}));
    EXPECT_NE(Resultat.find(">4 - 1<"), std::string::npos);
    EXPECT_NE(Resultat.find("<td nowrap"), std::string::npos);

    Tf_recap::ExecuteFonction("Recapitulatif", {"Division="}, Resultat, "", Saison);
    EXPECT_EQ(Resultat, Recapitulatif::TableHtml(*Saison, *Saison->GetChampCourant(),
                                                 {"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"}));
    Tf_recap::ExecuteFonction("Recapitulatif", {"Division=99"}, Resultat, "", Saison);
    EXPECT_EQ(Resultat, "");
    Tf_recap::ExecuteFonction("Recapitulatif", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "");
}

} // namespace
