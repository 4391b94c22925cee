#include "pages/vues/w_InfoGeneral.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Graphe.h"
#include "controls/ImageFond.h"
#include "controls/OwnerPageControl.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/vues/PageVues.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::TFaussePrincipale;

class InfoGeneraleTest : public testsupport::TPageVuesTest<Tf_InfoGeneralEx> {
protected:
    TDonneesChampionnat& Champ() { return *Principale.GetSaison()->GetChampCourant(); }

    // A point of the chart over the bar of day Jour, or (-1, -1).
    static QPoint PointBarre(TGraphBarre& G, int Jour)
    {
        G.grab(); // lays the plot out
        for (int Y = G.height() - 1; Y >= 0; Y -= 3)
            for (int X = 0; X < G.width(); ++X)
                if (const TPointCourbe* P = G.BarreA(X, Y, 0); P != nullptr && P->X == Jour)
                    return {X, Y};
        return {-1, -1};
    }
};

TEST_F(InfoGeneraleTest, TheFourCommandsShowTheirSheetOnOnePage)
{
    Tf_InfoGeneralEx* Page = Commande(172);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->tab9->currentIndex(), 0);
    EXPECT_EQ(Page->ValeursTotaux[0]->text(), "30");
    EXPECT_EQ(Page->IdTexteButs(1), 102);
    const std::pair<int, int> Feuilles[] = {{174, 1}, {175, 2}, {173, 3}, {172, 0}};
    for (const auto& [Code, Index] : Feuilles) {
        EXPECT_EQ(Commande(Code), Page) << Code;
        EXPECT_EQ(Page->tab9->currentIndex(), Index) << Code;
    }
    // The best attendances: 5000 at the top, ten rows at most at this height.
    EXPECT_EQ(Page->sg_Affluence->GetTexte(0, 0), "1");
    EXPECT_EQ(Page->sg_Affluence->GetTexte(6, 0), "5000 " + Traduit(51));
    EXPECT_EQ(Page->sg_Affluence->GetRowCount(), 20);
    EXPECT_EQ(Page->sg_Affluence->GetTexte(6, 19), "2000 " + Traduit(51));
    // A day's distribution makes the next sheet command build a new page.
    Page->AfficheRepartition(2);
    EXPECT_TRUE(Page->RepartitionJournee);
    EXPECT_EQ(Page->tab9->currentIndex(), 1);
    Tf_InfoGeneralEx* Autre = Commande(172);
    EXPECT_NE(Autre, nullptr);
    EXPECT_FALSE(Autre->RepartitionJournee);
}

TEST_F(InfoGeneraleTest, VenueAndDateOptionsHideTheirBoxes)
{
    Champ().SetOption(11, 2 | 8);
    Tf_InfoGeneralEx* Page = Commande(172);
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->FondCopie25->isHidden());
    EXPECT_TRUE(Page->FondCopie27->isHidden());
    EXPECT_TRUE(Page->Label16->isHidden());
    EXPECT_TRUE(Page->Label17->isHidden());
    EXPECT_FALSE(Page->FondCopie26->isHidden());
}

TEST_F(InfoGeneraleTest, AClickOnADayBarShowsThatDayAlone)
{
    Tf_InfoGeneralEx* Page = Commande(172);
    ASSERT_NE(Page, nullptr);
    const std::string Tout = Page->Label12->text().toStdString();
    const QPoint P = PointBarre(*Page->GraphBarre3, 3);
    ASSERT_GE(P.x(), 0);
    Page->GraphBarre3MouseDown(P.x(), P.y());
    EXPECT_TRUE(Page->ModeJournee);
    EXPECT_EQ(Page->Label12->text().toStdString(), TraduitFmt(209, {3, Tout}));
    EXPECT_EQ(Page->ValeursTotaux[0]->text(), "5");
    // The hint of the bar.
    Page->SurvolGraphe(Page->GraphBarre3, P.x(), P.y());
    EXPECT_FALSE(Page->Labelequipe->text().isEmpty());
    Page->SurvolGraphe(Page->GraphBarre3, 0, 0);
    EXPECT_TRUE(Page->Labelequipe->text().isEmpty());
    // Another sheet brings the whole championship back.
    Commande(173);
    EXPECT_FALSE(Page->ModeJournee);
    EXPECT_EQ(Page->ValeursTotaux[0]->text(), "30");
    Commande(172);
    Page->GraphBarre3MouseDown(P.x(), P.y());
    Page->GraphBarre3MouseDown(0, 0);
    EXPECT_FALSE(Page->ModeJournee);
    EXPECT_EQ(Page->Label12->text().toStdString(), Tout);
}

TEST_F(InfoGeneraleTest, EachSheetPrintsAndExports)
{
    Tf_InfoGeneralEx* Page = Commande(172);
    ASSERT_NE(Page, nullptr);
    testsupport::TempDir Dossier;
    for (int Code : {172, 174, 175, 173}) {
        Commande(Code);
        const std::string Pdf = (Dossier / ("info" + std::to_string(Code) + ".pdf")).string();
        {
            TImprimantePdf Imprimante(Pdf);
            Page->Imprime();
        }
        EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF") << Code;
    }
    Commande(172);
    const std::string Html = (Dossier / "info.htm").string();
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    EXPECT_EQ(testsupport::ReadWholeFile(Html).rfind("<html>\r\n  <head>\r\n", 0), 0u);
    Commande(174);
    const std::string Repart = (Dossier / "repart.htm").string();
    Page->ExporteHtml(Repart);
    EXPECT_NE(testsupport::ReadWholeFile(Repart).find("<img src=\"repart_repart.png\">"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(Dossier / "repart_repart.png"));
    Commande(175);
    const std::string Affluences = (Dossier / "affl.htm").string();
    Page->ExporteHtml(Affluences);
    EXPECT_NE(testsupport::ReadWholeFile(Affluences).find("5000"), std::string::npos);
}

// After a click on a day bar the information sheet exports that day's
// figures, as its labels show them.
TEST_F(InfoGeneraleTest, TheInformationExportWritesTheFiguresShown)
{
    Tf_InfoGeneralEx* Page = Commande(172);
    ASSERT_NE(Page, nullptr);
    const QPoint P = PointBarre(*Page->GraphBarre3, 3);
    ASSERT_GE(P.x(), 0);
    QTest::mouseClick(Page->GraphBarre3, Qt::LeftButton, {}, P);
    ASSERT_TRUE(Page->ModeJournee);
    ASSERT_EQ(Page->ValeursTotaux[0]->text(), "5");
    testsupport::TempDir Dossier;
    const std::string Fichier = (Dossier / "jour.htm").string();
    Page->ExporteHtml(Fichier);
    const std::string Html = testsupport::ReadWholeFile(Fichier);
    auto Ligne = [](int Texte, const QLabel* Valeur, const char* Fin) {
        return Traduit(Texte) + " : " + Valeur->text().toStdString() + Fin;
    };
    EXPECT_NE(Html.find(Ligne(800, Page->ValeursTotaux[0], "<BR>\r\n")), std::string::npos) << Html;
    EXPECT_NE(Html.find(Ligne(803, Page->ValeursTotaux[3], "<BR>\r\n")), std::string::npos);
    EXPECT_NE(Html.find(Ligne(806, Page->ValeursTotaux[6], "<BR><BR>\r\n")), std::string::npos);
    EXPECT_NE(Html.find("<td width=\"50\">" + Page->ValeursDomicile[0]->text().toStdString() + "</td>"),
              std::string::npos);
    EXPECT_NE(Html.find("<td align=\"right\">" + Page->ValeursButeurs[4]->text().toStdString() + "</td></tr>"),
              std::string::npos);

    // Outside the bars: the whole championship again, in the page and in the file.
    QTest::mouseClick(Page->GraphBarre3, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(Page->ValeursTotaux[0]->text(), "30");
    Page->ExporteHtml(Fichier);
    EXPECT_NE(testsupport::ReadWholeFile(Fichier).find(Ligne(800, Page->ValeursTotaux[0], "<BR>\r\n")),
              std::string::npos);
}

TEST_F(InfoGeneraleTest, TheEightKeywords)
{
    TSaison* Saison = Principale.GetSaison();
    const TGestionFonction::TEntree* Entree = GestionFonction().Cherche("JourneeRepartition");
    ASSERT_NE(Entree, nullptr);
    EXPECT_EQ(Entree->Code, CodeFonction::Journee);
    for (const char* Mot : {"AffluenceChampionnat", "RepartitionChampionnat", "ButsChampionnat", "EssaisChampionnat",
                            "CartonsChampionnat", "SpectateursChampionnat", "StatChampionnat"}) {
        const TGestionFonction::TEntree* E = GestionFonction().Cherche(Mot);
        ASSERT_NE(E, nullptr) << Mot;
        EXPECT_EQ(E->Code, CodeFonction::Championnat);
        std::string Resultat;
        Tf_InfoGeneral::ExecuteFonction(Mot, {}, Resultat, "", Saison);
        EXPECT_FALSE(Resultat.empty()) << Mot;
    }
    std::string Resultat;
    Tf_InfoGeneral::ExecuteFonction("RepartitionChampionnat", {}, Resultat, "", Saison);
    EXPECT_EQ(Resultat, "#repart.png#<img src=\"repart.png\">");
    const QImage Image(QString::fromStdString(AppDir() + "Temp/repart.png"));
    EXPECT_EQ(Image.width(), 450);
    EXPECT_EQ(Image.height(), 180);
    Tf_InfoGeneral::ExecuteFonction("ButsChampionnat", {}, Resultat, "", Saison);
    EXPECT_EQ(Resultat, "#butchamp.png#<img src=\"butchamp.png\">");
    Tf_InfoGeneral::ExecuteFonction("JourneeRepartition", {"Journee=abc"}, Resultat, "", Saison);
    EXPECT_EQ(Resultat, "#repart.png#<img src=\"repart.png\">");
    Tf_InfoGeneral::ExecuteFonction("StatChampionnat", {"Division=8"}, Resultat, "", Saison);
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
    EXPECT_NE(Resultat.find(">1<"), std::string::npos); // the cup's one match
    Tf_InfoGeneral::ExecuteFonction("AffluenceChampionnat", {"CouleurTitre=#010203"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find("5000"), std::string::npos);
    Tf_InfoGeneral::ExecuteFonction("StatChampionnat", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "");
}

class InfoGeneraleRoute : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonVues(6); }
};

TEST_F(InfoGeneraleRoute, TheInformationSheetFromTheMainWindow)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->resize(800, 600);
    ASSERT_TRUE(Fenetre->ExecuteCommande(172));
    auto* Page = dynamic_cast<Tf_InfoGeneralEx*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    QApplication::processEvents();
    ASSERT_TRUE(Fenetre->ExecuteCommande(175));
    EXPECT_EQ(Fenetre->GetPageCourante(), Page);
    ASSERT_TRUE(Fenetre->ExecuteCommande(172));
    QApplication::processEvents();
    // The chart above the three boxes, the boxes apart.
    EXPECT_LE(Page->FondCopie27->geometry().bottom(), Page->FondCopie23->geometry().top());
    EXPECT_FALSE(Page->FondCopie24->geometry().intersects(Page->FondCopie25->geometry()));
    EXPECT_FALSE(Page->FondCopie25->geometry().intersects(Page->FondCopie26->geometry()));
    EXPECT_LE(Page->FondCopie26->geometry().bottom(), Page->FondCopie23->height());
    testsupport::RendPng(*Fenetre, "info_generale");
    ASSERT_TRUE(Fenetre->ExecuteCommande(174));
    testsupport::RendPng(*Fenetre, "info_repartition");
    ASSERT_TRUE(Fenetre->ExecuteCommande(173));
    testsupport::RendPng(*Fenetre, "info_evolution");
    ASSERT_TRUE(Fenetre->ExecuteCommande(175));
    testsupport::RendPng(*Fenetre, "info_affluences");
}

} // namespace
