// The team, crest and nationality editors: their lists and buttons on a
// season, then through the real main window.

#include "pages/fiches/w_ModifierEquipe.h"
#include "pages/fiches/w_ModifierLogo.h"
#include "pages/fiches/w_ModifierNat.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/w_Classement.h"
#include "support/ImagesTest.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::TDialoguesScriptes;
using testsupport::TMessagesScriptes;

std::vector<std::string> Items(const TListe& l)
{
    std::vector<std::string> t;
    for (int i = 0; i < l.Nb(); ++i)
        t.push_back(l.Texte(i));
    return t;
}

// A catalogue of three crests with their pictures, in a program folder.
void EcritCatalogue(const testsupport::TempDir& Dossier)
{
    std::filesystem::create_directory(Dossier / "blasons");
    testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt", "1-0-France#1001-1-Lyon#1002-1-Nice#");
    const TBlasons blasons(Dossier.str());
    for (uint16_t id : {1001, 1002})
        ASSERT_TRUE(blasons.EnregistreImage(id, testsupport::ImageUnie(8, 8, 200, 0, 0)));
}

class EditeursTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
    }
    void TearDown() override { InstalleTraducteur(nullptr); }
    std::unique_ptr<TSaisonFootball> Saison;
    TDialoguesScriptes Dialogues;
    TMessagesScriptes Messages;
};

TEST_F(EditeursTest, EquipesRenommeesEtSupprimees)
{
    Tf_ModifierEquipe f(*Saison);
    EXPECT_EQ(Items(*f.l_Equipe), (std::vector<std::string>{"00001 Lyon", "00011 Nice", "00021 Paris", "00031 Lens",
                                                            "00040 Brest", "00050 Metz"}));
    f.l_Equipe->SetItemIndex(1);
    EXPECT_EQ(f.TagNom, 1);
    EXPECT_EQ(f.e_NomEquipe->text().toStdString(), "Nice");
    f.e_NomEquipe->setText("Nice Côte d'Azur");
    f.bc_ModifierClick();
    EXPECT_EQ(f.Tag, 1);
    EXPECT_EQ(f.l_Equipe->Texte(1), "00011 Nice Côte d'Azur");
    EXPECT_EQ(Saison->GetNomEquipe(1), "Nice Côte d'Azur");

    f.e_NomEquipe->setText("paris");
    f.bc_ModifierClick();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(2582));
    EXPECT_EQ(Saison->GetNomEquipe(1), "Nice Côte d'Azur");

    f.bc_EffacerClick();
    ASSERT_EQ(Messages.Messages.size(), 2u);
    EXPECT_EQ(Messages.Messages[1].Texte,
              TraduitFmt(2581, {Saison->GetNomChampDesc(Saison->GetChampionnat(1)->CodeChamp)}));
    EXPECT_EQ(f.l_Equipe->Nb(), 6);

    Saison->AjouteEquipe("Solo");
    Tf_ModifierEquipe g(*Saison);
    g.l_Equipe->SetItemIndex(g.l_Equipe->Nb() - 1);
    ASSERT_EQ(g.e_NomEquipe->text().toStdString(), "Solo");
    g.bc_EffacerClick();
    EXPECT_EQ(g.l_Equipe->Nb(), 6) << "gone from the list at once";
    EXPECT_EQ(Saison->ChercheEquipe("Solo"), -1);
    EXPECT_EQ(g.Tag, 1);
}

TEST_F(EditeursTest, BlasonsChoisisEtImportes)
{
    testsupport::TempDir dossier;
    EcritCatalogue(dossier);
    if (HasFatalFailure())
        return;
    TBlasons blasons(dossier.str());
    Saison->SetLogoEquipe(0, 1001);
    Tf_ModifierLogo f(*Saison, &blasons, dossier.str());
    EXPECT_EQ(f.l_Equipe->ItemIndex(), 0);
    EXPECT_EQ(f.TagLogo, 0);
    EXPECT_NE(f.Logo1->Image(), nullptr) << "Lyon's crest";

    f.l_Equipe->SetItemIndex(2); // Paris: no catalogued crest
    EXPECT_EQ(f.Logo1->Image(), nullptr);
    Dialogues.Repond([](QDialog& d) {
        auto& choix = dynamic_cast<Tf_Blasons&>(d);
        choix.RemplitArbre(1002);
        choix.bc_ChoisirClick();
    });
    f.bc_ModifierClick();
    EXPECT_EQ(Saison->GetLogoEquipe(2), 1002);
    EXPECT_NE(f.Logo1->Image(), nullptr);
    EXPECT_EQ(f.Tag, 1);

    // Lyon has his crest already; Nice gets his by name.
    Tf_ModifierLogo g(*Saison, &blasons, dossier.str());
    g.bc_ImporterClick();
    EXPECT_EQ(Saison->GetLogoEquipe(1), 1002);
    EXPECT_EQ(g.Tag, 1);
    Tf_ModifierLogo h(*Saison, &blasons, dossier.str());
    h.bc_ImporterClick();
    EXPECT_EQ(h.Tag, 0) << "nothing changes";
}

TEST_F(EditeursTest, NationalitesFusionnees)
{
    Tf_ModifierNat f(*Saison);
    EXPECT_EQ(Items(*f.l_Nationalite), (std::vector<std::string>{"00000 France (4)", "00010 Italie (3)"}));
    EXPECT_FALSE(f.bc_Fusionner->isVisibleTo(&f));
    f.l_Nationalite->item(1)->setSelected(true);
    EXPECT_TRUE(f.bc_Effacer->isVisibleTo(&f));
    f.l_Nationalite->item(0)->setSelected(true);
    EXPECT_TRUE(f.bc_Fusionner->isVisibleTo(&f));
    EXPECT_FALSE(f.bc_Effacer->isVisibleTo(&f));
    testsupport::RendPng(f, "modifier_nat");
    f.bc_FusionnerClick();
    EXPECT_EQ(Items(*f.l_Nationalite), (std::vector<std::string>{"00000 France (7)"}));
    EXPECT_EQ(Saison->Pays().GetNom(1), "");
    EXPECT_EQ(f.Tag, 1);
    EXPECT_FALSE(f.bc_Fusionner->isVisibleTo(&f));
}

class EditeursPrincipale : public testsupport::FenetreSurArchive {};

TEST_F(EditeursPrincipale, RenommerPuisEnregistrer)
{
    EcritCatalogue(Dossier);
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Fenetre->ExecuteCommande(40));
    ASSERT_NE(dynamic_cast<Tf_Classement*>(Fenetre->GetPageCourante()), nullptr);

    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_ModifierEquipe&>(d);
        f.l_Equipe->SetItemIndex(0);
        f.e_NomEquipe->setText("Arles-Avignon");
        f.bc_ModifierClick();
        f.bc_Terminer->Click();
    });
    Fenetre->ExecuteCommande(144);
    EXPECT_EQ(CompteurModification, 1);
    auto* page = dynamic_cast<Tf_Classement*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr) << "the standings are shown again";
    bool vu = false;
    for (int r = 0; r < page->sg_Classement->GetRowCount(); ++r)
        for (int c = 0; c < page->sg_Classement->GetColCount(); ++c)
            vu = vu || page->sg_Classement->GetTexte(c, r) == "Arles-Avignon";
    EXPECT_TRUE(vu);

    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_ModifierLogo&>(d);
        f.l_Equipe->SetItemIndex(1);
        f.bc_ModifierClick(); // answered below
        f.bc_Terminer->Click();
    });
    Dialogues.Repond([](QDialog& d) {
        auto& choix = dynamic_cast<Tf_Blasons&>(d);
        choix.RemplitArbre(1002);
        choix.bc_ChoisirClick();
    });
    Fenetre->ExecuteCommande(145);
    Dialogues.RepondResultat(ResultatModal::Ok);
    Fenetre->ExecuteCommande(146);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 4u);
    EXPECT_EQ(Dialogues.TitresFormes[3], Traduit(1068));

    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    TSaison* relue = Fenetre->GetSaison();
    EXPECT_EQ(relue->GetNomEquipe(0), "Arles-Avignon");
    EXPECT_EQ(relue->GetLogoEquipe(relue->GetChampCourant()->GetEquipe(1)), 1002);
}

} // namespace
