// The championship options dialog through the real main window.

#include "pages/options/w_Options.h"

#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "pages/vues/w_Classement.h"
#include "presentation/ModeleGrille.h"
#include "presentation/OptionsChampionnat.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class OptionsFenetre : public testsupport::FenetreSurArchive {
protected:
    // The four-team league with its first day played: Arles and Caen won.
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeLigueQuatreEquipes();
        TDonneesChampionnat* c = s->GetChampionnat(1);
        c->AjouteMatch(1, 0, 1, 0, 3, 1);
        c->AjouteMatch(1, 2, 3, 1, 2, 0);
        c->JourneeJouee = 1;
        return s;
    }

    std::string PointsPremier()
    {
        auto* page = dynamic_cast<Tf_ClassementEx*>(Fenetre->GetPageCourante());
        return page ? page->sg_Classement->GetTexte(2, 1) : std::string("no page");
    }
};

TEST_F(OptionsFenetre, DeuxPointsParVictoireSeVoientAuClassement)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->ExecuteCommande(40);
    EXPECT_EQ(PointsPremier(), "3");
    CompteurModification = 0;

    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Option&>(d);
        EXPECT_EQ(f.PageControl->count(), 6);
        EXPECT_EQ(f.Edit1->value(), 3);
        EXPECT_TRUE(f.FondPoint->isVisibleTo(&f));
        EXPECT_FALSE(f.cc_PetiteFinale->isVisibleTo(&f));
        EXPECT_EQ(f.ComboBox1->count(), 5);
        EXPECT_EQ(f.Edit12->text().toStdString(), "ac");
        EXPECT_EQ(f.clb_Classement->count(), TOptionsChampionnat::NbCriteres);
        testsupport::RendPng(f, "w_Options");
        f.PageControl->setCurrentIndex(4);
        testsupport::RendPng(f, "w_Options_criteres");
        f.Edit1->setValue(2);
        f.b_Valider->Click();
    });
    Fenetre->ExecuteCommande(176);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampCourant()->GetOption(4), 2);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(PointsPremier(), "2");

    // Cancel after changes: nothing of them stays.
    CompteurModification = 0;
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Option&>(d);
        f.Edit1->setValue(5);
        f.Edit12->setText("gda");
        f.bc_AjouterClick();
        f.lb_Equipe->setCurrentRow(1);
        f.Button1Click();
        EXPECT_EQ(f.tv_Groupe->topLevelItem(0)->childCount(), 1);
        f.PageControl->setCurrentIndex(2);
        testsupport::RendPng(f, "w_Options_groupes");
        f.b_Annuler->Click();
    });
    Fenetre->ExecuteCommande(176);
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampCourant();
    EXPECT_EQ(c->GetOption(4), 2);
    EXPECT_EQ(c->OrdreClassement, "ac");
    EXPECT_EQ(c->NbGroupe(), 0);
    EXPECT_EQ(CompteurModification, 0);
}

} // namespace
