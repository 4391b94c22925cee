#include "pages/vues/w_Prevision.h"

#include "base/FichierIni.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/Pages.h"
#include "pages/vues/w_FicheMatch.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <fstream>

namespace {

class PrevisionPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        Principale.SetSaison(testsupport::CreeLigueABCD(38));
        Principale.FichierIni = (Dossier / "brevalune.ini").string();
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesChampionnat* Champ() { return Principale.GetSaison()->GetChampCourant(); }
    Tf_Prevision* Commande()
    {
        (*CommandePage(Commande::Prevision))(Principale, Commande::Prevision, 0, 0);
        return dynamic_cast<Tf_Prevision*>(Principale.GetPageCourante());
    }

    testsupport::TempDir Dossier;
    testsupport::TFaussePrincipale Principale;
};

TEST_F(PrevisionPage, SettingsAndTheDayShownComeAndGoWithThePage)
{
    std::ofstream(Principale.FichierIni) << "[General]\nPrevision1=beaucoup\nPrevision3=30\n";
    Champ()->NbJournee = 5;
    Tf_Prevision* Page = Commande();
    ASSERT_NE(Page, nullptr);
    // Not a number, or missing: the default.
    EXPECT_EQ(Page->ud_PourcForme->value(), 40);
    EXPECT_EQ(Page->ud_PourcPerf->value(), 30);
    EXPECT_EQ(Page->ud_nMatchForme->value(), 5);
    EXPECT_EQ(Page->ud_nbrenc->value(), 5);
    EXPECT_EQ(Page->ud_PourcHist->value(), 20);
    EXPECT_EQ(Page->ud_nRenc->value(), 10);
    EXPECT_EQ(Champ()->NbJournee, 6);
    EXPECT_EQ(Page->TrackBar1->value(), 6);
    EXPECT_EQ(Page->TrackBar1->maximum(), 38);
    EXPECT_EQ(Page->Label7->text().toStdString(), TraduitFmt(151, {6}));
    Page->TrackBar1->setValue(9);
    EXPECT_EQ(Champ()->NbJournee, 9);
    EXPECT_EQ(Page->Label7->text().toStdString(), TraduitFmt(151, {9}));
    Page->ud_nRenc->setValue(7);
    // Another page: the day found comes back and the six settings are written.
    Principale.AfficheFenetre(TClassePage{std::type_index(typeid(void)), nullptr});
    EXPECT_EQ(Champ()->NbJournee, 5);
    const TFichierIni Ini(Principale.FichierIni);
    const int Attendus[] = {40, 5, 30, 5, 20, 7};
    for (int I = 0; I < 6; ++I)
        EXPECT_EQ(Ini.ReadString("General", "Prevision" + std::to_string(I + 1), ""), std::to_string(Attendus[I]));
    // On the last day the page shows the last day.
    Champ()->NbJournee = 38;
    Commande();
    EXPECT_EQ(Champ()->NbJournee, 38);
}

TEST_F(PrevisionPage, KeywordForecastsTheDayAfterJournee)
{
    TDonneesChampionnat* C = Champ();
    C->AjouteMatch(1, 0, 1, -1, 2, 0);
    C->AjouteMatch(1, 2, 3, -1, 1, 1);
    C->JourneeJouee = 1;
    C->AjouteMatch(2, 1, 2, -1, TInfoComp::Aucun, TInfoComp::Aucun);
    C->AjouteMatch(2, 3, 0, -1, TInfoComp::Aucun, TInfoComp::Aucun);
    std::string Html;
    Tf_Prevision::ExecuteFonction("Prevision", {"Journee=1"}, Html, "", Principale.GetSaison());
    EXPECT_NE(Html.find("B (4)"), std::string::npos);
    EXPECT_NE(Html.find("D (3)"), std::string::npos);
    EXPECT_NE(Html.find("%N"), std::string::npos);
    // Day 38 has no day after it; day 3 has no fixture.
    Tf_Prevision::ExecuteFonction("Prevision", {"Journee=38"}, Html, "", Principale.GetSaison());
    EXPECT_EQ(Html, "");
    Tf_Prevision::ExecuteFonction("prevision", {"Journee=2"}, Html, "", Principale.GetSaison());
    EXPECT_EQ(Html.find("B ("), std::string::npos);
    // The keyword moves nothing.
    EXPECT_EQ(C->NbJournee, 1);
}

TEST_F(PrevisionPage, KeywordOfThePreMatchSheet)
{
    TDonneesChampionnat* C = Champ();
    C->AjouteMatch(1, 0, 1, -1, 2, 0);
    C->JourneeJouee = 1;
    C->AjouteMatch(2, 1, 0, -1, TInfoComp::Aucun, TInfoComp::Aucun);
    std::string Html;
    const TLignesParam Tout{"Equipe1=a", "Equipe2=B", "AfficheClassement=OUI", "AfficheSerie=oui", "AfficheMatchs=oui"};
    Tf_FicheMatch::ExecuteFonction("FicheMatch", Tout, Html, "", Principale.GetSaison());
    EXPECT_NE(Html.find("Fiche du match A - B"), std::string::npos);
    EXPECT_NE(Html.find("<b>Série en cours</b>"), std::string::npos);
    EXPECT_NE(Html.find("<b>Derniers résultats</b>"), std::string::npos);
    EXPECT_NE(Html.find(TraduitFmt(236, {1, Traduit(164)})), std::string::npos);
    Tf_FicheMatch::ExecuteFonction("FicheMatch", {"Match=1", "Journee=2", "AfficheClassement=non"}, Html, "",
                                   Principale.GetSaison());
    EXPECT_NE(Html.find("Fiche du match B - A"), std::string::npos);
    EXPECT_EQ(Html.find("<table width=\"100%\">"), std::string::npos);
    // No fixture there, an unknown team, a team of another championship.
    Tf_FicheMatch::ExecuteFonction("FicheMatch", {"Match=2", "Journee=2"}, Html, "", Principale.GetSaison());
    EXPECT_EQ(Html, "");
    Tf_FicheMatch::ExecuteFonction("FicheMatch", {"Equipe1=Zurich", "Equipe2=B"}, Html, "", Principale.GetSaison());
    EXPECT_EQ(Html, "L'equipe Zurich n'existe pas");
    Principale.GetSaison()->AjouteEquipe("Ailleurs");
    Tf_FicheMatch::ExecuteFonction("FicheMatch", {"Equipe1=A", "Equipe2=Ailleurs"}, Html, "", Principale.GetSaison());
    EXPECT_EQ(Html, "L'equipe Ailleurs n'existe pas");
}

// The forecast through the real main window.
class PrevisionPrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto Saison = testsupport::CreeLigueQuatreEquipes();
        TDonneesChampionnat* Champ = Saison->GetChampionnat(1);
        Champ->AjouteMatch(1, 0, 1, 0, 2, 1);
        Champ->AjouteMatch(1, 2, 3, 1, 0, 0);
        Champ->JourneeJouee = 1;
        Champ->NbJournee = 1;
        return Saison;
    }
};

TEST_F(PrevisionPrincipale, GridOfTheNextDayAndItsPreMatchSheet)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(800, 600);
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::Prevision));
    auto* Page = dynamic_cast<Tf_Prevision*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    TDonneesChampionnat* Champ = Fenetre->GetSaison()->GetChampCourant();
    EXPECT_EQ(Champ->NbJournee, 2);
    ASSERT_EQ(Page->sg_Classement->GetRowCount(), 3);
    EXPECT_EQ(Page->sg_Classement->GetTexte(1, 1), "Dijon (3)");
    EXPECT_EQ(Page->sg_Classement->GetTexte(2, 1), "Arles (1)");
    ASSERT_EQ(Page->cb_Matchs->count(), 2);
    EXPECT_EQ(Page->cb_Matchs->itemText(1).toStdString(), "Brest - Caen");
    testsupport::RendPng(*Fenetre, "prevision_principale");
    // Nothing wider than the page at 800 pixels: the settings panel ends inside it.
    QApplication::processEvents();
    EXPECT_LE(Page->FondCopie1->mapTo(Page, Page->FondCopie1->rect().topRight()).x(), Page->width());
    EXPECT_LE(Page->bc_Voir->mapTo(Page, Page->bc_Voir->rect().topRight()).x(), Page->width());

    Page->cb_Matchs->setCurrentIndex(1);
    Page->bc_VoirClick();
    Tf_FicheMatch* Fiche = Page->Fiche();
    ASSERT_NE(Fiche, nullptr);
    EXPECT_TRUE(Fiche->isWindow());
    EXPECT_TRUE(Fiche->isVisible());
    EXPECT_EQ(Fiche->GetMode(), 3);
    EXPECT_EQ(Fiche->c_EqDomicile->Text(), "Brest (4)");
    EXPECT_EQ(Tf_FicheMatch::NumeroMatch(), 2);
    testsupport::RendPng(*Fiche, "prevision_fiche");
    // The page stays while its sheet is on screen.
    EXPECT_FALSE(Page->close());
    Fiche->hide();
    EXPECT_TRUE(Page->close());
}

} // namespace
