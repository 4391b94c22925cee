// Filling a play-off through the real main window, and the cup rounds dialog.

#include "pages/reglages/w_CreationBarrage.h"

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/options/w_CreationCoupe.h"
#include "pages/vues/w_Classement.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QComboBox>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

TEST(DialogueCreationCoupe, LesToursSuiventLeNombreDeTours)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    Tf_CreationCoupe f;
    f.cb_TypeMatchs->setCurrentIndex(1);
    f.e_nTour->setValue(3);
    ASSERT_EQ(f.Matchs.size(), 3u);
    EXPECT_EQ(f.Matchs[2]->value(), 4);
    f.Matchs[0]->setValue(1);
    f.e_nTour->setValue(2);
    ASSERT_EQ(f.Matchs.size(), 2u);
    testsupport::RendPng(f, "w_CreationCoupe");
    f.b_ValiderClick();
    EXPECT_EQ(f.ModalResult(), ResultatModal::Ok);
    ASSERT_EQ(f.Coupe().Resultat().size(), 2u);
    EXPECT_EQ(f.Coupe().Resultat()[0].TypeMatch, 2u);
    InstalleTraducteur(nullptr);
}

// Two finished leagues, the first and the second division, and a promotion
// play-off of one group between them.
class BarrageFenetre : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeDeuxDivisions(1);
        for (int n = 0; n < 2; ++n) {
            TDonneesChampionnat* c = s->GetChampionnat(n + 1);
            // The last team of the array wins, the first loses.
            c->AjouteMatch(1, 4 * n + 3, 4 * n, -1, 2, 0);
            c->AjouteMatch(1, 4 * n + 2, 4 * n + 1, -1, 1, 0);
            c->JourneeJouee = 1;
        }
        s->InsereDesc("#32769#Barrage", 2, 0, 2);
        auto b = std::make_unique<TDonneesBarrage>();
        b->Code = 1;
        b->TypeGroupe = 1;
        b->AjouteDivision({{4, 4}}, 1);
        b->AjouteDivision({{1, 1}}, 2);
        s->AjouteBarrage(std::move(b));
        return s;
    }
};

TEST_F(BarrageFenetre, LeBarrageRempliDevientUnChampionnatDeLaSaison)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    CompteurModification = 0;
    Messages.ReponseParDefaut = ReponseMessage::Ok;
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_CreeBarrage&>(d);
        ASSERT_EQ(f.cb_Barrage->count(), 1);
        ASSERT_EQ(f.Divisions.size(), 2u);
        // Last of the first division, first of the second.
        EXPECT_EQ(f.Divisions[0]->Equipes[0]->currentText().toStdString(), "Equipe 0");
        EXPECT_EQ(f.Divisions[1]->Equipes[0]->currentText().toStdString(), "Equipe 7");
        testsupport::RendPng(f, "w_CreationBarrage");
        f.b_ContinuerClick();
    });
    Fenetre->ExecuteCommande(194);
    TSaison* s = Fenetre->GetSaison();
    ASSERT_EQ(s->NbChampionnat(), 3);
    const TDonneesChampionnat* barrage = s->GetChampionnatId(32769);
    ASSERT_NE(barrage, nullptr);
    EXPECT_EQ(barrage->GetNbEquipe(), 2);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 3u);
    EXPECT_NE(ChercheNoeud(Fenetre->tv_Menu, 32769 << 8), nullptr);

    Fenetre->ExecuteCommande(32769 << 8);
    Fenetre->ExecuteCommande(40);
    auto* page = dynamic_cast<Tf_ClassementEx*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    std::vector<std::string> noms{page->sg_Classement->GetTexte(1, 1), page->sg_Classement->GetTexte(1, 2)};
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"Equipe 0", "Equipe 7"}));
}

// Without a definition there is nothing to fill: the dialog closes at once,
// and the command says why and names the menu entry that makes one.
TEST_F(BarrageFenetre, SansDefinitionLaFenetreSeFermeEtDitOuEnCreerUne)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->GetSaison()->SupprimeBarrage(0);
    CompteurModification = 0;
    int resultat = -1;
    Dialogues.Repond([&](QDialog& d) { resultat = d.result(); });
    Fenetre->ExecuteCommande(194);
    EXPECT_EQ(resultat, 5);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    const std::string& texte = Messages.Messages[0].Texte;
    EXPECT_EQ(texte, TCreationBarrage::TexteSansDefinition(*Fenetre->GetSaison()));
    for (int id : {10, 872, 883})
        EXPECT_NE(texte.find(Traduit(id)), std::string::npos) << id;
    EXPECT_EQ(Fenetre->GetSaison()->NbChampionnat(), 2);
    EXPECT_EQ(CompteurModification, 0);
}

} // namespace
