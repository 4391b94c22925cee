// The season composer through the real main window: a new season from the
// opening choice, and the tree offered for an older file of several
// championships.

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/saisie/w_Resultats.h"
#include "presentation/ComposeurSaison.h"
#include "shell/w_Ouverture.h"
#include "shell/w_Principale.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using PrincipaleComposeur = testsupport::FenetreSurArchive;

int NbChampionnatsArbre(const TNoeudComposeur& n)
{
    int nombre = n.Niveau == 3;
    for (const auto& e : n.Enfants)
        nombre += NbChampionnatsArbre(*e);
    return nombre;
}

TEST_F(PrincipaleComposeur, LaNouvelleSaisonDeBoutEnBout)
{
    testsupport::CatalogueInstalle catalogue;
    for (auto [nom, division, prefixe] : {std::tuple{"FranceL1.xmd", 101, "A"}, std::tuple{"FranceL2.xmd", 102, "B"}}) {
        auto s = testsupport::CreeLigueDivision(division, 1, prefixe);
        ASSERT_TRUE(
            TTraiteurFichier::ExtraitChampionnat((Dossier / "Data" / nom).string(), *s, false, "", "", nullptr, {}));
    }
    const std::string personnel = (Dossier / "sauvegarde" / "personnel.xmc").string();
    fs::remove(personnel);
    auto nouvelle = [&](std::function<void(Tf_CreationSaison&)> avant) {
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        Dialogues.Repond([](QDialog& d) {
            auto& ouverture = dynamic_cast<Tf_Ouverture&>(d);
            ouverture.rb_Nouveau->SetChecked(true);
            d.done(ResultatModal::Ok);
        });
        Dialogues.RepondFichiers({Dossier.str() + "Data/FranceL1.xmd", Dossier.str() + "Data/FranceL2.xmd"});
        Dialogues.Repond([&](QDialog& d) {
            auto& f = dynamic_cast<Tf_CreationSaison&>(d);
            f.bc_AjouteFichierClick();
            while (f.lb_ListeFichier->count() > 0) {
                f.lb_ListeFichier->setCurrentRow(0);
                f.lb_ListeFichierDblClick();
            }
            if (avant)
                avant(f);
            f.b_Valider->Click();
            // Kept open (No to the replacement): cancelled by the user.
            if (f.result() == 0)
                f.b_Annuler->Click();
        });
        Fenetre->FormActivate();
    };
    nouvelle(nullptr);
    ASSERT_TRUE(fs::exists(personnel));
    EXPECT_EQ(Dialogues.DemandesOuverture.at(0).DossierInitial, Dossier.str() + "Data/");
    EXPECT_EQ(Fenetre->FichierCourant, personnel);
    TSaison* saison = Fenetre->GetSaison();
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    EXPECT_GE(saison->ChercheEquipe("A0"), 0);
    EXPECT_GE(saison->ChercheEquipe("B3"), 0);
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 2u);

    // The results page works on it, and what is typed comes back from the file.
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* page = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);
    QTest::keyClicks(page->Ligne(0).Score[0], "3");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    Fenetre->ExecuteCommande(7);
    ASSERT_TRUE(Fenetre->OuvreFichier(personnel));
    EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->JourneeJouee, 1);

    // Again with the file there: No keeps it, Yes replaces it.
    const auto date = fs::last_write_time(personnel);
    Messages.Repond(ReponseMessage::Non);
    nouvelle(nullptr);
    EXPECT_EQ(fs::last_write_time(personnel), date);
    EXPECT_EQ(Messages.Messages.back().Texte, TraduitFmt(2441, {personnel}));
    Messages.Repond(ReponseMessage::Oui);
    nouvelle([](Tf_CreationSaison& f) { f.Composeur().Retire(*f.Composeur().Racine().Enfants[0]->Enfants[1]); });
    ASSERT_NE(Fenetre->GetSaison(), nullptr);
    EXPECT_EQ(Fenetre->GetSaison()->NbChampionnat(), 1);
}

TEST_F(PrincipaleComposeur, UnFichierDePlusieursChampionnatsSansArbreEstConverti)
{
    testsupport::CatalogueInstalle catalogue;
    auto saison = testsupport::CreeLigueDivision(101, 0, "A");
    auto seconde = testsupport::CreeLigueDivision(102, 0, "B");
    const std::string l2 = Dossier.str() + "l2.xmd";
    ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(l2, *seconde, false, "", "", nullptr, {}));
    ASSERT_NE(TTraiteurFichier::ImporteFichier(*saison, l2, ""), nullptr);
    ASSERT_EQ(saison->NbDesc(), 0);
    const std::string deux = Dossier.str() + "deux.xmc";
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(deux, *saison, true, "", "", nullptr, {}, false));

    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    int places = -1, disponibles = -1;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_CreationSaison&>(d);
        places = NbChampionnatsArbre(f.Composeur().Racine());
        disponibles = f.lb_ListeFichier->count();
        EXPECT_FALSE(f.bc_AjouteFichier->isVisible());
        f.b_Valider->Click();
    });
    ASSERT_TRUE(Fenetre->OuvreFichier(deux));
    EXPECT_EQ(places, 2);
    EXPECT_EQ(disponibles, 0);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Fenetre->Statut->TextePanneau(1), Traduit(18));
    TSaison* s = Fenetre->GetSaison();
    ASSERT_EQ(s->NbChampionnat(), 2);
    EXPECT_GT(s->NbDesc(), 0);
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 2u);
    CompteurModification = 0;
}

} // namespace
