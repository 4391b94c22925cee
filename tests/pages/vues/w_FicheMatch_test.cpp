// The pre-match sheet through the real main window, on a season archive
// whose division has an archive of past seasons in the program folder.

#include "pages/vues/w_FicheMatch.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/Editeur.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// The four-team league of division 101, day 1 played (Arles - Brest 2-1,
// Caen - Dijon 0-0); day 2 holds Dijon - Arles and Brest - Caen.
class FicheMatchPrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto Saison = testsupport::CreeLigueQuatreEquipes();
        TDonneesChampionnat* Champ = Saison->GetChampionnat(1);
        Champ->SetCode(101);
        Champ->AjouteMatch(1, 0, 1, 0, 2, 1);
        Champ->AjouteMatch(1, 2, 3, 1, 0, 0);
        Champ->JourneeJouee = 1;
        Champ->NbJournee = 1;
        return Saison;
    }

    // Brest at home to Caen: 1-0 in 2023, nothing in 2022, 2-2 in 2021.
    void EcritArchive()
    {
        std::filesystem::create_directories(Dossier / "stats");
        TStat Stat;
        Stat.SetId(101);
        Stat.SetNomFichier((Dossier / "stats" / "stat101.txt").string());
        for (const char* Nom : {"Arles", "Brest", "Caen", "Dijon"})
            Stat.NumeroEquipe(Nom);
        const int Scores[][2] = {{1, 0}, {X & 255, X & 255}, {2, 2}};
        for (int I = 0; I < 3; ++I) {
            auto S = std::make_unique<TSaisonStat>(4, 123 - I);
            for (int N = 0; N < 4; ++N)
                S->AjouteEquipe(N);
            S->SetScore(1, 2, static_cast<uint8_t>(Scores[I][0]), static_cast<uint8_t>(Scores[I][1]));
            Stat.AjouteSaison(std::move(S));
        }
        Stat.Sauve();
    }

    Tf_FicheMatch* Page() const { return dynamic_cast<Tf_FicheMatch*>(Fenetre->GetPageCourante()); }
    TDonneesChampionnat* Champ() const { return Fenetre->GetSaison()->GetChampCourant(); }
};

TEST_F(FicheMatchPrincipale, FixtureOfTheNavigationAndTheArrows)
{
    EcritArchive();
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(800, 600);
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::FicheMatch, (2 << 8) + 1));
    QApplication::processEvents();
    Tf_FicheMatch* P = Page();
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(Champ()->NbJournee, 2);
    EXPECT_EQ(Tf_FicheMatch::NumeroMatch(), 2);
    EXPECT_FALSE(P->UpDown1->isHidden());
    // Brest lost its only match, Caen drew it.
    EXPECT_EQ(P->c_EqDomicile->Text(), "Brest (4)");
    EXPECT_EQ(P->c_EqExterieur->Text(), "Caen (2)");
    ASSERT_NE(P->GetArchive(), nullptr);
    EXPECT_FALSE(P->FondCopie1->isHidden());
    EXPECT_EQ(P->l_Vict->text().toStdString(), TraduitFmt(627, {1, "Brest"}));
    EXPECT_EQ(P->l_Nul->text().toStdString(), TraduitFmt(628, {1}));
    // Brest has no home match yet; Caen's away side neither: overall, each has one.
    EXPECT_TRUE(P->TextesResultats(1).empty());
    P->cb_TypeStat->setCurrentIndex(1);
    ASSERT_EQ(P->TextesResultats(1).size(), 1u);
    EXPECT_EQ(P->TextesResultats(1)[0], (std::vector<std::string>{"Arles", "-", "Brest", ":", "2", "-", "1"}));
    EXPECT_EQ(P->lf[1]->text().toStdString(), TraduitFmt(236, {0, ""}));
    testsupport::RendPng(*Fenetre, "fichematch_principale");

    // The standings link follows the kind shown.
    std::vector<int> Codes;
    P->OnNavigation = [&](int Code, int, int) { Codes.push_back(Code); };
    P->Lf1Click(2);
    P->cb_TypeStat->setCurrentIndex(0);
    P->Lf1Click(2);
    P->Lf1Click(3);
    EXPECT_EQ(Codes, (std::vector<int>{Commande::ClassementGeneral, Commande::ClassementDomicile,
                                       Commande::ClassementExterieur}));

    // The arrows go round the day's two fixtures.
    P->UpDown1Haut->click();
    EXPECT_EQ(Tf_FicheMatch::NumeroMatch(), 1);
    EXPECT_EQ(P->c_EqDomicile->Text(), "Dijon (3)");
    P->UpDown1Bas->click();
    EXPECT_EQ(Tf_FicheMatch::NumeroMatch(), 2);
    EXPECT_EQ(P->c_EqDomicile->Text(), "Brest (4)");
    // A day where the other fixture lacks its teams: nothing moves.
    Champ()->GetMatch(2, 1)->SetEquipe(1, X);
    P->UpDown1Haut->click();
    EXPECT_EQ(Tf_FicheMatch::NumeroMatch(), 2);
}

TEST_F(FicheMatchPrincipale, TwoTeamsChosenFreelyOrNoPage)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    const auto Coche = [](int Equipe) {
        return [Equipe](QDialog& D) {
            auto& Choix = dynamic_cast<Tf_ChoixEquipe&>(D);
            Choix.Cases[static_cast<size_t>(Equipe)]->SetChecked(true);
            Choix.BoutonValider->Click();
        };
    };
    Dialogues.Repond(Coche(3));
    Dialogues.Repond(Coche(0));
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::FicheMatchComparaison));
    Tf_FicheMatch* P = Page();
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->c_EqDomicile->Text(), "Dijon (3)");
    EXPECT_EQ(P->c_EqExterieur->Text(), "Arles (1)");
    EXPECT_TRUE(P->UpDown1->isHidden());
    // No archive for this division: the head-to-head stays hidden.
    EXPECT_TRUE(P->FondCopie1->isHidden());
    P->bc_ModifierClick();
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    // Changing the away team asks once more, the home team disabled.
    Dialogues.Repond(Coche(1));
    P->Changerdequipe2Click();
    EXPECT_EQ(P->c_EqExterieur->Text(), "Brest (4)");

    // A cancelled choice shows no page.
    Dialogues.RepondResultat(ResultatModal::Annuler);
    EXPECT_FALSE(Fenetre->ExecuteCommande(Commande::FicheMatchComparaison));
    EXPECT_EQ(Fenetre->GetPageCourante(), nullptr);
}

TEST_F(FicheMatchPrincipale, OneTeamOpensNothing)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Champ()->SetNbEquipe(1);
    for (int Code : {Commande::FicheMatch, Commande::FicheMatchComparaison, Commande::Prevision}) {
        Messages.Messages.clear();
        EXPECT_FALSE(Fenetre->ExecuteCommande(Code));
        EXPECT_EQ(Fenetre->GetPageCourante(), nullptr);
        ASSERT_EQ(Messages.Messages.size(), 1u) << Code;
        EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(294, {2}));
    }
}

} // namespace
