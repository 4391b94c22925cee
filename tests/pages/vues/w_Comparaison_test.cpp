// The team comparison page from the main window, and its two keywords.

#include "pages/vues/w_Comparaison.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/Graphe.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "presentation/ModeleGrille.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The ten-club league with six played days, club 2 (Paris) followed.
class ComparaisonPrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeSaisonVues(6);
        TDonneesChampionnat* c = s->GetChampCourant();
        c->SetOption(10, 2);
        // Days 7 to 12 to come, the home sides of day 1 away on odd days.
        for (int d = 7; d <= 12; ++d)
            for (int i = 0; i < 5; ++i)
                c->AjouteMatch(d, d % 2 ? 9 - i : i, d % 2 ? i : 9 - i, -1, 65535, 65535);
        return s;
    }

    Tf_Comparaison* Ouvre(int code)
    {
        EXPECT_TRUE(Fenetre->ExecuteCommande(code));
        QApplication::processEvents();
        return dynamic_cast<Tf_Comparaison*>(Fenetre->GetPageCourante());
    }
};

TEST_F(ComparaisonPrincipale, ModesKeepTheChosenTeams)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->resize(800, 600);
    Fenetre->show();
    QApplication::processEvents(); // the first activation and its opening choice

    Tf_Comparaison* page = Ouvre(Commande::ComparaisonTous);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbCadres(), 10);
    EXPECT_EQ(page->Cadre(2)->Text(), "Paris");
    EXPECT_TRUE(page->Cadre(2)->Selectionne());
    EXPECT_EQ(page->Choix().Emplacement(2), 0);
    EXPECT_TRUE(page->Graph1->isVisible());
    EXPECT_TRUE(page->Graph1->GetInverse());
    for (int d = 1; d <= 6; ++d)
        EXPECT_GE(page->Graph1->GetPoint(0, d), 1) << "day " << d;
    testsupport::RendPng(*Fenetre, "comparaison_positions");

    QTest::mouseClick(page->Cadre(5), Qt::LeftButton);
    EXPECT_EQ(page->Choix().Emplacement(5), 1);
    EXPECT_EQ(page->Cadre(5)->Modele(), Dessin()->BoutonCreuxSelJaune);
    EXPECT_TRUE(page->Graph1->GetCourbe(1)->Visible);
    EXPECT_EQ(page->Graph1->GetCourbe(1)->CouleursDefaut.Couleur1, 0x00FFFFu);
    EXPECT_GE(page->Graph1->GetPoint(1, 6), 1);

    EXPECT_EQ(Ouvre(Commande::ComparaisonDeux), page);
    EXPECT_EQ(page->Choix().NbChoisies(), 2);
    EXPECT_FALSE(page->Graph1->GetGrille());
    EXPECT_EQ(page->Graph1->GetPoint(0, 0), 0);

    EXPECT_EQ(Ouvre(Commande::Confrontations), page);
    EXPECT_TRUE(page->sg_Programme->isVisible());
    EXPECT_FALSE(page->Graph1->isVisible());
    ASSERT_EQ(page->sg_Programme->GetColCount(), 2);
    EXPECT_EQ(page->sg_Programme->GetRowCount(), 7);
    EXPECT_EQ(page->sg_Programme->GetTexte(1, 0), "Reims");
    EXPECT_NE(page->sg_Programme->GetTexte(0, 1).find("Nantes"), std::string::npos);
    EXPECT_EQ(page->sg_Programme->width(), 321);
    testsupport::RendPng(*Fenetre, "comparaison_programme");

    const std::string pdf = (Dossier / "programme.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        Fenetre->ExecuteCommande(Commande::Imprimer);
    }
    EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
    const std::string table = (Dossier / "programme.htm").string();
    page->ExporteHtml(table);
    EXPECT_NE(testsupport::ReadWholeFile(table).find(">Reims<"), std::string::npos);

    // Mode 1's page shows the chart saved beside it.
    ASSERT_EQ(Ouvre(Commande::ComparaisonTous), page);
    const std::string graphe = (Dossier / "positions.htm").string();
    page->ExporteHtml(graphe);
    EXPECT_NE(testsupport::ReadWholeFile(graphe).find("<img src=\"positions.png\">"), std::string::npos);
    EXPECT_FALSE(QImage(QString::fromStdString((Dossier / "positions.png").string())).isNull());

    // No team chosen: mode 3 hides the table.
    QTest::mouseClick(page->Cadre(2), Qt::LeftButton);
    QTest::mouseClick(page->Cadre(5), Qt::LeftButton);
    EXPECT_EQ(page->Choix().NbChoisies(), 0);
    Ouvre(Commande::Confrontations);
    EXPECT_FALSE(page->sg_Programme->isVisible());
}

TEST_F(ComparaisonPrincipale, AFifthTeamIsRefused)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Tf_Comparaison* page = Ouvre(Commande::ComparaisonTous);
    ASSERT_NE(page, nullptr);
    page->show();
    for (int i : {0, 1, 3})
        QTest::mouseClick(page->Cadre(i), Qt::LeftButton);
    EXPECT_EQ(page->Choix().NbChoisies(), 4);
    QTest::mouseClick(page->Cadre(7), Qt::LeftButton);
    EXPECT_FALSE(page->Cadre(7)->Selectionne());
    EXPECT_EQ(page->Choix().Emplacement(7), -1);
    EXPECT_EQ(page->Choix().NbChoisies(), 4);
}

// ------------------------------------------------------------------ keywords

class MotsClesComparaison : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        Saison = testsupport::CreeSaisonVues(4);
        // A cup of clubs 6 to 9 (Lille, Nantes, Metz, Angers): positions 0 to 3 there.
        auto coupe = std::make_unique<TDonneesChampionnatFootball>(Saison.get());
        coupe->CodeChamp = 8;
        for (uint16_t id : {6, 7, 8, 9})
            coupe->AjouteEquipe(id);
        coupe->SetNbJour(3);
        coupe->SetNbMatch(2);
        coupe->AjouteMatch(1, 6, 7, -1, 2, 0);
        coupe->AjouteMatch(1, 8, 9, -1, 0, 1);
        coupe->AjouteMatch(2, 6, 8, -1, 65535, 65535);
        coupe->AjouteMatch(2, 7, 9, -1, 65535, 65535);
        coupe->JourneeJouee = 1;
        Saison->AjouteChampionnat(std::move(coupe));
        Temp = fs::path(AppDir()) / "Temp";
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::string Lance(const std::string& nom, const TLignesParam& params)
    {
        std::string r = "avant";
        Tf_Comparaison::ExecuteFonction(nom, params, r, "", Saison.get());
        return r;
    }

    std::unique_ptr<TSaisonFootball> Saison;
    fs::path Temp;
};

TEST_F(MotsClesComparaison, ChartIsSavedUnderTempWithASafeName)
{
    fs::remove(Temp / "comparaisonpoint.png");
    EXPECT_EQ(Lance("ComparaisonEquipe", {"Equipe=[Lyon,\"Nice\"]", "Type=point"}),
              "#comparaisonpoint.png#<img src=\"comparaisonpoint.png\">");
    const QImage image(QString::fromStdString((Temp / "comparaisonpoint.png").string()));
    EXPECT_EQ(image.width(), 400);
    EXPECT_EQ(image.height(), 400);

    fs::remove(Temp.parent_path() / "x.png");
    EXPECT_EQ(Lance("ComparaisonEquipe", {"Equipe=Lyon", "Type=../x"}),
              "#comparaisonx.png#<img src=\"comparaisonx.png\">");
    EXPECT_TRUE(fs::exists(Temp / "comparaisonx.png"));
    EXPECT_FALSE(fs::exists(Temp.parent_path() / "x.png"));

    Lance("ComparaisonEquipe", {"Equipe=Lyon", "Type=large", "Largeur=100000", "Hauteur=abc"});
    const QImage large(QString::fromStdString((Temp / "comparaisonlarge.png").string()));
    EXPECT_EQ(large.width(), 2000);
    EXPECT_EQ(large.height(), 400);
}

TEST_F(MotsClesComparaison, TeamsAreThoseOfTheKeywordsChampionship)
{
    const std::string coupe = Lance("ProgrammeEquipe", {"Division=8", "Equipe=[Metz,Inconnue,Lille]"});
    // Metz and Lille head the table; the unknown name leaves its slot free.
    const size_t metz = coupe.find(">Metz<");
    const size_t lille = coupe.find(">Lille<");
    ASSERT_NE(metz, std::string::npos);
    ASSERT_NE(lille, std::string::npos);
    EXPECT_LT(metz, lille);
    EXPECT_NE(Lance("ComparaisonEquipe", {"Division=8", "Equipe=[Metz,Inconnue]"}), "");

    EXPECT_EQ(Lance("ComparaisonEquipe", {"Division=99", "Equipe=Lyon"}), "");
    EXPECT_EQ(Lance("ProgrammeEquipe", {"Division=99", "Equipe=Lyon"}), "");
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
}

TEST_F(MotsClesComparaison, FixturesTableTakesTheDefaultColours)
{
    TComparaison choix;
    choix.Place(0, 0);
    choix.Place(1, 1);
    TModeleGrille grille;
    Comparaison::RemplirTableau(grille, *Saison, *Saison->GetChampCourant(), choix.Equipes());
    EXPECT_EQ(Lance("ProgrammeEquipe", {"Equipe=[Lyon,Nice]"}),
              grille.GetTableHtml({"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"}));
    const TGestionFonction::TEntree* e = GestionFonction().Cherche("ComparaisonEquipe");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Code, CodeFonction::Championnat);
    ASSERT_NE(GestionFonction().Cherche("ProgrammeEquipe"), nullptr);
}

} // namespace
