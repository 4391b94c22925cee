#include "pages/vues/w_Statistique.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/vues/PageVues.h"
#include "pages/vues/SaisonVues.h"
#include "pages/vues/w_Agrandissement.h"
#include "pages/vues/w_ClassJoueur.h"
#include "platform/Imprimante.h"
#include "presentation/PageHtml.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

// The title text of grid sg_PartN in the particularities mode.
int TitresAttendus(int n)
{
    static constexpr std::array<int, 8> Titres{188, 189, 190, 191, 192, 193, 194, 195};
    return Titres[static_cast<size_t>(n - 1)];
}

using StatistiqueTest = testsupport::TPageVuesTest<Tf_Statistique>;

TEST_F(StatistiqueTest, TheThreeCommandsShowTheirModeOnOnePage)
{
    Tf_Statistique* Page = Commande(158);
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->Imprimable());
    EXPECT_EQ(Page->Tag, 0);
    for (TColorStringGrid* G : Page->sg_Part) {
        EXPECT_EQ(G->GetRowCount(), 5);
        EXPECT_NE(G->GetTexte(0, 1), "");
    }
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(0, 0), Traduit(188));
    EXPECT_EQ(Page->sg_Part[1]->GetTexte(0, 0), Traduit(189));
    EXPECT_EQ(Page->sg_Part[7]->GetTexte(0, 0), Traduit(195));
    EXPECT_EQ(Commande(159), Page);
    EXPECT_EQ(Page->Tag, 1);
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(0, 0), Traduit(198));
    EXPECT_EQ(Commande(160), Page);
    EXPECT_EQ(Page->Tag, 2);
    EXPECT_EQ(Page->sg_Part[7]->GetTexte(0, 0), Traduit(205));
}

TEST_F(StatistiqueTest, TheVenueBoxesRefillAndNeutralGroundsHideThem)
{
    Tf_Statistique* Page = Commande(158);
    ASSERT_NE(Page, nullptr);
    // All clubs at positions 0..4 play at home: the most wins at home are theirs.
    const TDonneesChampionnat* Champ = Principale.GetSaison()->GetChampCourant();
    TCalculClassement Calcul(Champ, Principale.GetSaison());
    Calcul.Calcule(1, 1, nullptr, 6);
    QTest::mouseClick(Page->RondCoche2, Qt::LeftButton);
    ASSERT_TRUE(Page->RondCoche2->Checked());
    EXPECT_EQ(Page->Lieu(), 1);
    int Max = 0;
    for (int e = 0; e < 10; ++e)
        Max = std::max<int>(Max, Calcul.GetBrut(e, 1));
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(1, 1), std::to_string(Max));
    // The away clubs won nothing away.
    QTest::mouseClick(Page->RondCoche3, Qt::LeftButton);
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(1, 1), "0");
    EXPECT_FALSE(Page->FondCopie22->isHidden());

    Principale.GetSaison()->GetChampCourant()->SetOption(11, 2);
    Commande(158);
    EXPECT_TRUE(Page->FondCopie22->isHidden());
}

TEST_F(StatistiqueTest, TheGridsSitInTwoColumnsOfFour)
{
    Tf_Statistique* Page = Commande(159);
    ASSERT_NE(Page, nullptr);
    const auto& G = Page->sg_Part;
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(G[2 * r]->x(), 8);
        EXPECT_GT(G[2 * r + 1]->x(), G[2 * r]->geometry().right());
        EXPECT_EQ(G[2 * r]->y(), G[2 * r + 1]->y());
        if (r > 0) {
            EXPECT_GT(G[2 * r]->y(), G[2 * r - 2]->geometry().bottom());
        }
    }
    EXPECT_GE(G[0]->width(), 181);
    EXPECT_LE(G[0]->width(), 300);
    EXPECT_GE(G[0]->height(), 120);
    testsupport::RendPng(*Page, "statistique_series");
}

TEST_F(StatistiqueTest, ARightClickOffersTheFullRanking)
{
    Tf_Statistique* Page = Commande(158);
    ASSERT_NE(Page, nullptr);
    // In the particularities the second grid shows the fewest wins: table 6.
    Page->ClicDroit(2);
    EXPECT_EQ(Page->GetTagPopup(), 6);
    testsupport::TDialoguesScriptes Dialogues;
    int Lignes = 0;
    int Hauteur = 0;
    std::string Premier;
    Dialogues.Inspecte = [&](QDialog& d) {
        auto* A = dynamic_cast<Tf_Agrandissement*>(&d);
        ASSERT_NE(A, nullptr);
        Lignes = A->sg_TabPart->GetRowCount();
        Hauteur = A->height();
        Premier = A->sg_TabPart->GetTexte(0, 0);
    };
    Page->Classementcomplet1->trigger();
    EXPECT_EQ(Lignes, 11);
    EXPECT_EQ(Hauteur, 10 * 20 + 40);
    EXPECT_EQ(Premier, Traduit(189));
    ASSERT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(Dialogues.TitresFormes[0], Traduit(197));

    Commande(160);
    Page->ClicDroit(2);
    EXPECT_EQ(Page->GetTagPopup(), 22);
    Page->Classementcomplet1Click();
    EXPECT_EQ(Premier, Traduit(199));
    EXPECT_EQ(Dialogues.TitresFormes.back(), Traduit(207));
    // A real right click opens the popup on that table.
    const QPoint Centre = Page->sg_Part[4]->viewport()->rect().center();
    QMouseEvent Clic(QEvent::MouseButtonPress, QPointF(Centre),
                     Page->sg_Part[4]->viewport()->mapToGlobal(QPointF(Centre)), Qt::RightButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Page->sg_Part[4]->viewport(), &Clic);
    EXPECT_EQ(Page->GetTagPopup(), 25);
    EXPECT_TRUE(Page->PopupParticule->isVisible());
    Page->PopupParticule->hide();
}

TEST_F(StatistiqueTest, HtmlExportWritesTheLeftColumnThenTheRight)
{
    Tf_Statistique* Page = Commande(158);
    ASSERT_NE(Page, nullptr);
    testsupport::TempDir Dossier;
    const std::string Html = (Dossier / "stat.htm").string();
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    const std::string Texte = testsupport::ReadWholeFile(Html);
    EXPECT_EQ(Texte.rfind("<html>\r\n  <head>\r\n    <meta charset=\"utf-8\">\r\n", 0), 0u);
    EXPECT_NE(Texte.find("  <body bgcolor=\"#80CCFE\">\r\n"), std::string::npos);
    std::vector<size_t> Places;
    for (int n : {1, 3, 5, 7, 2, 4, 6, 8})
        Places.push_back(Texte.find(">" + EchappeHtml(Traduit(TitresAttendus(n))) + "<"));
    for (size_t i = 0; i < Places.size(); ++i) {
        EXPECT_NE(Places[i], std::string::npos) << i;
        if (i > 0) {
            EXPECT_GT(Places[i], Places[i - 1]) << i;
        }
    }
    EXPECT_EQ(Texte.substr(Texte.size() - 20), "  </body>\r\n</html>\r\n");

    const std::string Pdf = (Dossier / "stat.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
}

TEST_F(StatistiqueTest, KeywordsWorkOnTheirDivisionAndLeaveTheCurrentOne)
{
    for (const char* Mot : {"Serie", "Particularite"}) {
        const TGestionFonction::TEntree* Entree = GestionFonction().Cherche(Mot);
        ASSERT_NE(Entree, nullptr);
        EXPECT_EQ(Entree->Code, CodeFonction::Championnat);
        EXPECT_EQ(Entree->Classe, &Tf_Statistique::ExecuteFonction);
    }
    TSaison* Saison = Principale.GetSaison();
    std::string Resultat;
    Tf_Statistique::ExecuteFonction("serie", {"Division=8", "Type=COURS", "lieu=Domicile"}, Resultat, "", Saison);
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
    EXPECT_EQ(Resultat.rfind("<table width=\"100%\"><tr><td>", 0), 0u);
    EXPECT_EQ(Resultat.substr(Resultat.size() - 18), "</td></tr></table>");
    auto Compte = [](const std::string& T, const std::string& Motif) {
        size_t n = 0;
        for (size_t p = T.find(Motif); p != std::string::npos; p = T.find(Motif, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(Compte(Resultat, "<tr><td>") + Compte(Resultat, "</td><td>"), 8u);
    EXPECT_EQ(Compte(Resultat, "</td></tr>"), 4u);
    EXPECT_NE(Resultat.find(EchappeHtml(Traduit(198))), std::string::npos);
    // The cup of three clubs: three rows per table; ongoing home wins: the
    // cup's one home winner has 1.
    EXPECT_NE(Resultat.find("#000080"), std::string::npos);
    const std::string Coupe = Resultat;
    Tf_Statistique::ExecuteFonction("Serie", {"Type=cours", "lieu=domicile"}, Resultat, "", Saison);
    EXPECT_NE(Resultat, Coupe);
    // An unknown id works on the current championship.
    std::string Inconnue;
    Tf_Statistique::ExecuteFonction("Serie", {"Division=99", "Type=cours", "lieu=domicile"}, Inconnue, "", Saison);
    EXPECT_EQ(Inconnue, Resultat);
    Tf_Statistique::ExecuteFonction("Particularite", {"CouleurTitre=#123456"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(EchappeHtml(Traduit(188))), std::string::npos);
    EXPECT_NE(Resultat.find("#123456"), std::string::npos);
    Tf_Statistique::ExecuteFonction("Serie", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "");

    // The player rankings keyword restores the current championship too.
    Saison->SetNumChampCourant(2);
    Tf_ClassJoueur::ExecuteFonction("ClassementJoueur", {"Division=7"}, Resultat, "", Saison);
    EXPECT_EQ(Saison->GetNumChampCourant(), 2);
}

class StatistiqueRoute : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonVues(6); }
};

TEST_F(StatistiqueRoute, TheMenuCommandsShowTheTablesOnOneKeptPage)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Fenetre->ExecuteCommande(158));
    auto* Page = dynamic_cast<Tf_Statistique*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    for (TColorStringGrid* G : Page->sg_Part)
        EXPECT_EQ(G->GetRowCount(), 5);
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(0, 0), Traduit(188));
    ASSERT_TRUE(Fenetre->ExecuteCommande(159));
    EXPECT_EQ(Fenetre->GetPageCourante(), Page);
    EXPECT_EQ(Page->sg_Part[0]->GetTexte(0, 0), Traduit(198));
    ASSERT_TRUE(Fenetre->ExecuteCommande(160));
    EXPECT_EQ(Fenetre->GetPageCourante(), Page);
    EXPECT_EQ(Page->sg_Part[7]->GetTexte(0, 0), Traduit(205));
    Fenetre->resize(800, 600);
    QApplication::processEvents();
    for (size_t n = 1; n < Page->sg_Part.size(); ++n)
        for (size_t m = 0; m < n; ++m)
            EXPECT_FALSE(Page->sg_Part[n]->geometry().intersects(Page->sg_Part[m]->geometry())) << n << " " << m;
    testsupport::RendPng(*Fenetre, "statistique_fenetre");
}

} // namespace
