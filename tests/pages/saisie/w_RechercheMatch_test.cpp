#include "pages/saisie/w_RechercheMatch.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/saisie/w_AjoutEquipeCoupe.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/SaisonVues.h"
#include "shell/ListeMenu.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/FenetreSurArchive.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "controls/ComboBox.h"

namespace {

// A 38-day league of 20 teams "E0".."E19" (id = position) in which E3 meets
// E7 on days 5 (E3 at home) and 24 (E7 at home).
std::unique_ptr<TSaisonFootball> Ligue38()
{
    auto saison = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < 20; ++i)
        saison->AjouteEquipe("E" + std::to_string(i));
    auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp);
    c->SetNbEquipe(20);
    for (int p = 0; p < 20; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->SetNbMatch(10);
    c->SetNbJour(38);
    c->AjouteMatch(5, 3, 7, -1, 1, 0);
    c->AjouteMatch(24, 7, 3, -1, 2, 2);
    c->AjouteMatch(6, 3, 8, -1, 1, 0);
    saison->AjouteChampionnat(std::move(c));
    return saison;
}

class DialoguesJournee : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

} // namespace

TEST_F(DialoguesJournee, MatchSearchListsAPairingsDaysByHalf)
{
    auto saison = Ligue38();
    Tf_RechercheMatch dialogue;
    dialogue.Saison = saison.get();
    dialogue.show();
    ASSERT_EQ(dialogue.ComboBox1->count(), 20);
    EXPECT_FALSE(dialogue.b_Voir1->isEnabled());

    // Without a selection, or with one team twice, nothing is found.
    dialogue.BoutonCopie1Click();
    EXPECT_TRUE(dialogue.Label5->text().isEmpty());
    dialogue.ComboBox1->setCurrentIndex(7);
    dialogue.ComboBox2->setCurrentIndex(7);
    dialogue.BoutonCopie1Click();
    EXPECT_TRUE(dialogue.Label5->text().isEmpty());

    dialogue.ComboBox2->setCurrentIndex(3);
    dialogue.BoutonCopie1Click();
    EXPECT_EQ(dialogue.Label5->text().toStdString(), "Journée 5 : E3 - E7");
    EXPECT_EQ(dialogue.Label6->text().toStdString(), "Journée 24 : E7 - E3");
    EXPECT_TRUE(dialogue.b_Voir1->isEnabled());
    EXPECT_EQ(dialogue.b_Voir1->Tag, 5);
    EXPECT_EQ(dialogue.b_Voir2->Tag, 24);

    dialogue.b_Voir2->Click();
    EXPECT_EQ(dialogue.Tag, 24);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
}

// Enter searches (the default button), Escape cancels and closes.
TEST_F(DialoguesJournee, MatchSearchAnswersEnterAndEscape)
{
    auto saison = Ligue38();
    Tf_RechercheMatch dialogue;
    dialogue.Saison = saison.get();
    dialogue.setModal(true);
    dialogue.show();
    dialogue.ComboBox1->setCurrentIndex(3);
    dialogue.ComboBox2->setCurrentIndex(7);
    QTest::keyClick(dialogue.ComboBox2, Qt::Key_Return);
    EXPECT_EQ(dialogue.Label5->text().toStdString(), "Journée 5 : E3 - E7");
    EXPECT_TRUE(dialogue.isVisible());
    QTest::keyClick(dialogue.ComboBox1, Qt::Key_Escape);
    EXPECT_FALSE(dialogue.isVisible());
    EXPECT_EQ(dialogue.result(), ResultatModal::Annuler);
}

TEST_F(DialoguesJournee, Command22OpensTheResultsPageOnTheDayFound)
{
    EnregistrePages();
    testsupport::TFaussePrincipale principale(Ligue38());
    testsupport::TDialoguesScriptes dialogues;
    dialogues.Repond([](QDialog& d) {
        auto& recherche = dynamic_cast<Tf_RechercheMatch&>(d);
        recherche.ComboBox1->setCurrentIndex(3);
        recherche.ComboBox2->setCurrentIndex(7);
        recherche.BoutonCopie1->Click();
        recherche.b_Voir1->Click();
    });
    // The results page is the view shown: the search is none.
    EXPECT_FALSE((*CommandePage(22))(principale, 22, 0, 0).Montre);
    EXPECT_EQ(principale.GetSaison()->GetChampCourant()->NbJournee, 5);
    ASSERT_EQ(principale.Navigations.size(), 1u);
    EXPECT_EQ(principale.Navigations[0].Code, 13);

    // Cancelled: nothing moves.
    (*CommandePage(22))(principale, 22, 0, 0);
    EXPECT_EQ(principale.Navigations.size(), 1u);
}

TEST_F(DialoguesJournee, DayChooserReturnsTheDay)
{
    auto saison = Ligue38();
    Tf_ChoixJournee dialogue;
    dialogue.Saison = saison.get();
    dialogue.Tag = 12;
    dialogue.show();
    EXPECT_EQ(dialogue.ScrollBar1->maximum(), 38);
    EXPECT_EQ(dialogue.ScrollBar1->pageStep(), 3);
    EXPECT_EQ(dialogue.Edit1->text().toStdString(), std::string(18, ' ') + "Journée n°12");
    dialogue.ScrollBar1->setValue(30);
    EXPECT_EQ(dialogue.Edit1->text().toStdString(), std::string(18, ' ') + "Journée n°30");
    dialogue.BoutonCopie1->Click();
    EXPECT_EQ(dialogue.Tag, 30);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
}

TEST_F(DialoguesJournee, CupTeamsChosenFromTheSeasonOrTyped)
{
    Tf_AjoutEquipeCoupe dialogue;
    dialogue.Presentes = {"Arles"};
    dialogue.Candidats = {{"Dijon", 3}, {"Brest", 1}};
    dialogue.show();
    EXPECT_EQ(dialogue.lb_EquipesPresentes->count(), 1);
    ASSERT_EQ(dialogue.cb_AjoutEquipe->count(), 2);
    EXPECT_EQ(dialogue.cb_AjoutEquipe->itemText(0).toStdString(), "Brest");

    dialogue.cb_AjoutEquipe->setCurrentIndex(1);
    dialogue.b_AjouterClick();
    EXPECT_EQ(dialogue.cb_AjoutEquipe->count(), 1);
    dialogue.cb_AjoutEquipe->setEditText("Evian");
    dialogue.b_AjouterClick();
    dialogue.cb_AjoutEquipe->setEditText("  ");
    dialogue.b_AjouterClick();
    dialogue.cb_AjoutEquipe->setEditText("arles");
    dialogue.b_AjouterClick();
    EXPECT_EQ(dialogue.Choisies, (std::vector<std::pair<std::string, int>>{{"Dijon", 3}, {"Evian", -1}}));
    EXPECT_EQ(dialogue.lb_EquipesPresentes->count(), 3);
    dialogue.b_Continuer->Click();
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
}

namespace {

// The real main window on the ten-club league, where Lyon meets Angers on
// days 1 to 6.
class RechercheFenetre : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonVues(6); }

    void Clique(QTreeWidgetItem* noeud)
    {
        Fenetre->tv_Menu->scrollToItem(noeud);
        QTest::mouseClick(Fenetre->tv_Menu->viewport(), Qt::LeftButton, {},
                          Fenetre->tv_Menu->visualItemRect(noeud).center());
    }
    int NoeudChoisi() const
    {
        const QList<QTreeWidgetItem*> choisis = Fenetre->tv_Menu->selectedItems();
        EXPECT_EQ(choisis.size(), 1);
        // The highlighted node is the current one, not the row clicked.
        EXPECT_EQ(choisis.value(0), Fenetre->tv_Menu->currentItem())
            << "highlighted: " << DonneeNoeud(choisis.value(0));
        return DonneeNoeud(Fenetre->tv_Menu->currentItem());
    }
};

TEST_F(RechercheFenetre, ASearchIsOneStepOfTheHistoryOnTheResultsPage)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(1000, 700);
    Fenetre->show();
    Fenetre->tv_Menu->expandAll();
    QTreeWidgetItem* classement = ChercheNoeud(Fenetre->tv_Menu, 40);
    QTreeWidgetItem* recherche = ChercheNoeud(Fenetre->tv_Menu, 22);
    ASSERT_NE(classement, nullptr);
    ASSERT_NE(recherche, nullptr);
    Clique(classement);
    ASSERT_EQ(Fenetre->GetCommandeCourante(), 40);

    Dialogues.Repond([](QDialog& d) {
        auto& dialogue = dynamic_cast<Tf_RechercheMatch&>(d);
        dialogue.ComboBox1->setCurrentIndex(0);
        dialogue.ComboBox2->setCurrentIndex(9);
        dialogue.BoutonCopie1->Click();
        dialogue.b_Voir1->Click();
    });
    Clique(recherche);
    ASSERT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_NE(dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante()), nullptr);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampCourant()->NbJournee, 6);
    EXPECT_EQ(Fenetre->GetCommandeCourante(), 13);
    EXPECT_EQ(NoeudChoisi(), 13);
    ASSERT_EQ(Fenetre->GetPrecedents().size(), 1u);
    EXPECT_EQ(Fenetre->GetPrecedents().front().Commande, 40);

    // Back to the standings, forward to the results: the search is not asked again.
    Fenetre->Precedent->trigger();
    EXPECT_EQ(Fenetre->GetCommandeCourante(), 40);
    EXPECT_EQ(NoeudChoisi(), 40);
    EXPECT_FALSE(Fenetre->Precedent->isEnabled());
    Fenetre->Suivant->trigger();
    EXPECT_EQ(Fenetre->GetCommandeCourante(), 13);
    EXPECT_NE(dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante()), nullptr);
    EXPECT_EQ(NoeudChoisi(), 13);
    EXPECT_FALSE(Fenetre->Suivant->isEnabled());
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);

    // A cancelled search leaves the results and the tree where they were.
    Clique(recherche);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    EXPECT_EQ(Fenetre->GetCommandeCourante(), 13);
    EXPECT_EQ(NoeudChoisi(), 13);
    EXPECT_EQ(Fenetre->GetPrecedents().size(), 1u);
}

} // namespace
