// The history page through the main window: the archive chooser the first
// time, the views on one page afterwards, entry and saving.

#include "pages/vues/w_Historique.h"

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "pagebase/Commande.h"
#include "pages/VingtClubs.h"
#include "pages/vues/w_ChoixHistorique.h"
#include "pages/vues/w_EquipeHistorique.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class HistoriquePage : public testsupport::FenetreSurArchive {
protected:
    void SetUp() override
    {
        FenetreSurArchive::SetUp();
        // One archive of two seasons in the program folder's "stats/".
        fs::create_directories(Dossier / "stats");
        TStat archive;
        archive.SetId(9001);
        archive.SetNomFichier((Dossier / "stats" / "stat9001.txt").string());
        for (int annee : {122, 123}) {
            auto s = std::make_unique<TSaisonStat>(3, annee);
            for (const char* nom : {"Alpha", "Beta", "Gamma"})
                s->AjouteEquipe(archive.NumeroEquipe(nom));
            s->SetScore(0, 1, 2, 1);
            archive.AjouteSaison(std::move(s));
        }
        archive.Sauve();
    }

    // The chooser's next answer: the first archive, after a look at its form.
    void ChoisitPremiere(bool* creation = nullptr)
    {
        Dialogues.Repond([creation](QDialog& d) {
            auto& choix = dynamic_cast<Tf_ChoixHistorique&>(d);
            if (creation != nullptr)
                *creation = choix.Panel1->isVisibleTo(&choix);
            // The divisions offered are named as the user knows them, without their codes.
            for (int i = 0; i < choix.cb_Champ->count(); ++i)
                EXPECT_FALSE(choix.cb_Champ->itemText(i).endsWith(
                    QStringLiteral("(%1)").arg(choix.cb_Champ->itemData(i).toInt())))
                    << choix.cb_Champ->itemText(i).toStdString();
            EXPECT_EQ(choix.lb_Choix->currentRow(), -1) << "no archive of the championship's code";
            choix.bc_ChoisirClick();
            EXPECT_TRUE(choix.isVisible()) << "nothing chosen yet";
            choix.lb_Choix->setCurrentRow(0);
            choix.bc_ChoisirClick();
        });
    }

    Tf_Historique* Page() const { return dynamic_cast<Tf_Historique*>(Fenetre->GetPageCourante()); }
    fs::path Fichier() const { return Dossier / "stats" / "stat9001.txt"; }
    // "*123" on the entry grid: 12 - 3 in the first cell pair.
    static void Tape123(Tf_Historique& page)
    {
        for (char32_t c : {U'*', U'1', U'2', U'3'})
            page.csg_SaisieKeyPress(c);
    }
    // The first pairing's score as the archive file holds it.
    std::pair<int, int> ScoreEcrit() const
    {
        TStat relue;
        EXPECT_TRUE(relue.Charge(Fichier().string()));
        uint8_t a = 0, b = 0;
        if (relue.GetSaison(0) != nullptr)
            relue.GetSaison(0)->GetScore(0, 1, a, b);
        return {a, b};
    }
    // The window shown first: its first activation empties the page area.
    void Montre()
    {
        DemarreSurArchive();
        Fenetre->resize(800, 600);
        Fenetre->show();
        QApplication::processEvents();
    }
    void Rend(const std::string& nom)
    {
        QApplication::processEvents();
        testsupport::RendPng(*Fenetre, nom);
    }
};

TEST_F(HistoriquePage, LeChoixDeLArchivePuisLesVuesSurUneMemePage)
{
    Montre();
    Tf_Principale& f = *Fenetre;
    const size_t formes = Dialogues.TitresFormes.size();

    bool creation = true;
    ChoisitPremiere(&creation);
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueTableau, -1));
    EXPECT_FALSE(creation);
    Tf_Historique* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->VueCourante(), 1);
    EXPECT_EQ(page->cb_Saison->count(), 2);
    EXPECT_EQ(page->sg_recap->GetTexte(2, 1), "2 - 1");
    EXPECT_EQ(page->sg_recap->GetTexte(0, 1), "Alpha");

    // Then the standings, without asking, on the same page.
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueClassement, -1));
    EXPECT_EQ(Dialogues.TitresFormes.size(), formes + 1);
    EXPECT_EQ(Page(), page);
    EXPECT_EQ(page->VueCourante(), 2);
    EXPECT_EQ(page->sg_Classement->GetTexte(1, 1), "Alpha");

    // The printed page is the results table.
    EXPECT_TRUE(page->Imprimable());
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueTableau, -1));
    Rend("historique_tableau");
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueConfrontations, -1));
    EXPECT_EQ(Page(), page);
    page->cb_Exterieur->setCurrentIndex(1);
    page->bc_ModifierClick();
    EXPECT_TRUE(page->sg_Resultat->isVisible());
    Rend("historique_confrontations");
}

TEST_F(HistoriquePage, UnChoixAnnuleNeMontreRienEtLaSaisieOffreLaCreation)
{
    Montre();
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    const size_t precedents = f.GetPrecedents().size();
    Dialogues.RepondResultat(ResultatModal::Annuler);
    EXPECT_FALSE(f.ExecuteCommande(Commande::HistoriqueConfrontations, -1));
    EXPECT_EQ(Page(), nullptr);
    EXPECT_EQ(f.GetPrecedents().size(), precedents);

    bool creation = false;
    ChoisitPremiere(&creation);
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueSaisie, -1));
    EXPECT_TRUE(creation);
    Tf_Historique* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->VueCourante(), 3);

    // Typed scores reach the archive file at "Enregistrer".
    Tape123(*page);
    ASSERT_TRUE(page->bc_EnregistrerClick());
    EXPECT_EQ(ScoreEcrit(), std::make_pair(12, 3));
    Rend("historique_saisie");

    // A file that cannot be written: said, and what was typed stays.
    const std::string avant = testsupport::ReadWholeFile(Dossier / "stats" / "stat9001.txt");
    page->GetArchive()->SetNomFichier((Dossier / "absent" / "stat9001.txt").string());
    Messages.Messages.clear();
    EXPECT_FALSE(page->bc_EnregistrerClick());
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte,
              TraduitFmt(2620, {(Dossier / "absent" / "stat9001.txt").string(), Traduit(2624)}));
    EXPECT_EQ(page->csg_Saisie->GetTexte(3, 1), "12");
    EXPECT_EQ(testsupport::ReadWholeFile(Dossier / "stats" / "stat9001.txt"), avant);
}

TEST_F(HistoriquePage, CeQuiEstTapeEstEcritEnQuittantLaPage)
{
    Montre();
    Tf_Principale& f = *Fenetre;
    ChoisitPremiere();
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueSaisie, -1));
    Tf_Historique* page = Page();
    ASSERT_NE(page, nullptr);
    Tape123(*page);

    // Another page: the typed score reaches the archive file without "Enregistrer".
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    EXPECT_EQ(ScoreEcrit(), std::make_pair(12, 3));

    // Nothing typed since: leaving again writes nothing.
    ChoisitPremiere();
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueSaisie, -1));
    const auto avant = fs::last_write_time(Fichier());
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    EXPECT_EQ(fs::last_write_time(Fichier()), avant);
}

TEST_F(HistoriquePage, UneNouvelleSaisonDesNomsDuMemo)
{
    Montre();
    Tf_Principale& f = *Fenetre;
    ChoisitPremiere();
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueSaisie, -1));
    Tf_Historique* page = Page();
    ASSERT_NE(page, nullptr);
    Dialogues.Repond([](QDialog& d) {
        auto& equipes = dynamic_cast<Tf_EquipeHistorique&>(d);
        EXPECT_EQ(equipes.lb_Equipe->count(), 3);
        EXPECT_EQ(equipes.ud_Annee->value(), 2003);
        equipes.ud_Annee->setValue(2024);
        equipes.lb_Equipe->setCurrentRow(1);
        equipes.lb_EquipeDblClick();
        equipes.m_Equipe->appendPlainText("Delta\n\nAlpha\n");
        // A trailing empty line is no team.
        EXPECT_EQ(equipes.Label1->text().toStdString(), TraduitFmt(640, {4}));
        equipes.b_Valider->Click();
    });
    page->bc_AjouterClick();
    ASSERT_EQ(page->GetArchive()->NbSaisons(), 3);
    const TSaisonStat* nouvelle = page->GetArchive()->GetSaison(0);
    EXPECT_EQ(nouvelle->GetAnnee(), 124);
    EXPECT_EQ(nouvelle->NbEquipes(), 3) << "the blank line between the names is skipped";
    EXPECT_EQ(page->cb_Saison3->currentIndex(), 0);
    EXPECT_EQ(page->csg_Saisie->GetTexte(0, 1), "Beta");

    // Removal takes it out; the file changes only at the next "Enregistrer".
    const std::string avant = testsupport::ReadWholeFile(Dossier / "stats" / "stat9001.txt");
    page->bc_RetirerClick();
    EXPECT_EQ(page->GetArchive()->NbSaisons(), 2);
    EXPECT_EQ(testsupport::ReadWholeFile(Dossier / "stats" / "stat9001.txt"), avant);
}

} // namespace

namespace {

// A first division of twenty clubs with a season of two-digit scores here and
// there, as an archive of real seasons holds them.
class HistoriqueVingtEquipes : public HistoriquePage {
protected:
    void SetUp() override
    {
        FenetreSurArchive::SetUp();
        fs::create_directories(Dossier / "stats");
        TStat archive;
        archive.SetId(9001);
        archive.SetNomFichier((Dossier / "stats" / "stat9001.txt").string());
        auto s = std::make_unique<TSaisonStat>(20, 123);
        for (const char* nom : testsupport::VingtClubs)
            s->AjouteEquipe(archive.NumeroEquipe(nom));
        for (int i = 0; i < 20; ++i)
            for (int j = 0; j < 20; ++j)
                if (i != j)
                    s->SetScore(i, j, static_cast<uint8_t>((i * 7 + j) % 5), static_cast<uint8_t>((i + j * 3) % 4));
        s->SetScore(1, 2, 10, 0);
        s->SetScore(3, 4, 255, 255);
        archive.AjouteSaison(std::move(s));
        archive.Sauve();
    }
};

TEST_F(HistoriqueVingtEquipes, LaGrilleDeSaisieSeLitEntiere)
{
    Montre();
    ChoisitPremiere();
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::HistoriqueSaisie, -1));
    Tf_Historique* page = Page();
    ASSERT_NE(page, nullptr);
    QApplication::processEvents();
    TColorStringGrid& g = *page->csg_Saisie;
    ASSERT_EQ(g.GetColCount(), 41);
    // Each pair of columns is headed by its team as the results table heads it.
    EXPECT_EQ(g.GetTexte(1, 0), "Oly.");
    EXPECT_EQ(g.GetTexte(3, 0), "Par.");
    EXPECT_EQ(g.GetTexte(39, 0), "Ang.");
    EXPECT_EQ(g.GetTexte(5, 2), "10");
    // Every name, heading and score whole; the grid stays within the page, above its buttons.
    Rend("historique_saisie_800");
    for (const std::string& d : testsupport::VerifieDisposition(*page))
        ADD_FAILURE() << d;

    // A two-digit score typed fits its column, and the cursor stays in sight
    // to the end of the row and on the next.
    for (char32_t c : {U'*', U'1', U'2'})
        page->csg_SaisieKeyPress(c);
    EXPECT_EQ(g.GetTexte(3, 1), "12");
    for (int k = 0; k < 37; ++k)
        page->csg_SaisieKeyPress(U'1');
    EXPECT_EQ(g.GetRow(), 2);
    for (int k = 0; k < 3; ++k)
        page->csg_SaisieKeyPress(U'2');
    EXPECT_EQ(g.GetCol(), 6);
    EXPECT_TRUE(g.viewport()->rect().contains(g.RectCellule(g.GetCol(), g.GetRow())));
    for (int k = 0; k < 34; ++k)
        page->csg_SaisieKeyPress(U'2');
    EXPECT_EQ(g.GetCol(), 40);
    EXPECT_TRUE(g.viewport()->rect().contains(g.RectCellule(g.GetCol(), g.GetRow())));
    for (const std::string& d : testsupport::VerifieDisposition(*page))
        ADD_FAILURE() << d;
    Rend("historique_saisie_800_fin");
}

} // namespace
