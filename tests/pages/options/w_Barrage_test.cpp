// The play-off definition dialog, alone and from the season composer of the
// real main window.

#include "pages/options/w_Barrage.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/options/w_CreationSaison.h"
#include "presentation/ComposeurSaison.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class DialogueBarrage : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

TEST_F(DialogueBarrage, LignesComptesEtValidation)
{
    Tf_Barrage f;
    f.Nouveau({{"Ligue 1", (1 << 4) + 2}, {"Ligue 2", (2 << 4) + 3}});
    ASSERT_EQ(f.Repartitions.size(), 2u);
    EXPECT_EQ(f.Noms[1]->text().toStdString(), Traduit(269));
    EXPECT_EQ(f.height(), 26 * 2 + 218);
    EXPECT_EQ(f.Repartitions[0]->property("Tag").toInt(), 1 << 8);
    EXPECT_FALSE(f.e_nGroupe->isEnabled());

    f.Repartitions[0]->setText("3 - 5; 1");
    EXPECT_EQ(f.Comptes[0]->text().toStdString(), TraduitFmt(118, {4}));
    f.Repartitions[1]->setText("2;0");
    f.b_Valider->Click();
    EXPECT_EQ(f.ModalResult(), ResultatModal::Aucun);
    EXPECT_EQ(f.Comptes[1]->text().toStdString(), Traduit(115));

    // Relegation: the division below replaces the filler row.
    f.rc_Relegation->SetChecked(true);
    f.rc_PromotionClick();
    ASSERT_EQ(f.Repartitions.size(), 2u);
    EXPECT_EQ(f.Noms[1]->text().toStdString(), "Ligue 2");
    EXPECT_FALSE(f.Promotion());

    f.rc_Championnat->SetChecked(true);
    f.rc_CoupeClick();
    EXPECT_TRUE(f.e_nGroupe->isEnabled());
    f.e_nGroupe->setValue(2);
    f.rc_MoitiePoint->SetChecked(true);
    f.Repartitions[0]->setText("1-2");
    f.Repartitions[1]->setText("17;18");
    testsupport::RendPng(f, "w_Barrage");
    f.b_Valider->Click();
    EXPECT_EQ(f.ModalResult(), ResultatModal::Ok);
    auto b = f.PrendResultat();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->TypeGroupe, 2);
    EXPECT_EQ(b->MoitiePoint, 1);
    ASSERT_EQ(b->NbDivision(), 2);
    EXPECT_EQ(b->GetDivision(1)->Code, 2);
    EXPECT_EQ(b->GetDivision(1)->Places.size(), 2u);
}

// Two leagues of one section, with their description.
class ComposeurBarrageFenetre : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeDeuxDivisions(6); }

    // Command 193 with the composer handled by `reponse`.
    void Composeur(std::function<void(Tf_CreationSaison&)> reponse)
    {
        Dialogues.Repond([reponse](QDialog& d) { reponse(dynamic_cast<Tf_CreationSaison&>(d)); });
        Fenetre->ExecuteCommande(193);
    }

    static TNoeudComposeur* Division(Tf_CreationSaison& f, int i)
    {
        auto& section = *f.Composeur().Racine().Enfants.at(0);
        return section.Enfants.at(static_cast<size_t>(i)).get();
    }
};

TEST_F(ComposeurBarrageFenetre, UnBarrageDefiniDansLeComposeurRejointLaSaison)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    CompteurModification = 0;
    std::string nomNoeud;
    Composeur([&](Tf_CreationSaison& f) {
        // Not on a section, nor on a separator.
        f.Selectionne(&f.Composeur().Racine());
        EXPECT_FALSE(f.bc_Barrage->isVisible());
        f.Selectionne(Division(f, 1));
        EXPECT_TRUE(f.bc_Barrage->isVisible());
        Dialogues.Repond([](QDialog& d) {
            auto& b = dynamic_cast<Tf_Barrage&>(d);
            ASSERT_EQ(b.Repartitions.size(), 2u);
            EXPECT_EQ(b.Noms[0]->text().toStdString(), "Ligue 1");
            EXPECT_EQ(b.Noms[1]->text().toStdString(), "Ligue 2");
            b.Repartitions[0]->setText("3-4");
            b.Repartitions[1]->setText("1;2");
            b.b_Valider->Click();
        });
        f.bc_BarrageClick();
        TNoeudComposeur* barrage = Division(f, 1);
        ASSERT_TRUE(barrage->EstBarrage());
        nomNoeud = barrage->Texte;
        EXPECT_EQ(nomNoeud, Traduit(263) + " (" + Traduit(266) + ")");
        f.b_ValiderClick();
    });
    TSaison* s = Fenetre->GetSaison();
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_EQ(s->GetBarrage(0)->Code, 1);
    ASSERT_EQ(s->GetBarrage(0)->NbDivision(), 2);
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(0)->Code, 1);
    std::string nom;
    const int ligne = s->GetTexteDescCode(1, nom);
    ASSERT_GE(ligne, 0);
    EXPECT_EQ(s->GetDescBrut(ligne).Texte, "#32769#" + nomNoeud);
    EXPECT_EQ(CompteurModification, 1);

    // Saved and opened again, the play-off is still there, in the composer too.
    Fenetre->ExecuteCommande(7);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    s = Fenetre->GetSaison();
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_GE(s->GetTexteDescCode(1, nom), 0);
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 2u);

    // Edited and the composer cancelled: the definition is as it was.
    auto edite = [&](bool valide) {
        Composeur([&](Tf_CreationSaison& f) {
            TNoeudComposeur* barrage = Division(f, 1);
            ASSERT_TRUE(barrage->EstBarrage());
            EXPECT_EQ(barrage->Texte, nomNoeud);
            f.Selectionne(barrage);
            Dialogues.Repond([](QDialog& d) {
                auto& b = dynamic_cast<Tf_Barrage&>(d);
                EXPECT_FALSE(b.rc_Promotion->isEnabled());
                ASSERT_EQ(b.Repartitions.size(), 2u);
                EXPECT_EQ(b.Repartitions[0]->text().toStdString(), "3-4;");
                EXPECT_EQ(b.Noms[1]->text().toStdString(), "Ligue 2");
                b.Repartitions[0]->setText("");
                b.b_Valider->Click();
            });
            f.tv_SaisonDblClick();
            if (valide)
                f.b_ValiderClick();
            else
                f.b_Annuler->Click();
        });
    };
    CompteurModification = 0;
    edite(false);
    s = Fenetre->GetSaison();
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(0)->Places.size(), 1u);
    EXPECT_EQ(CompteurModification, 0);
    edite(true);
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_TRUE(s->GetBarrage(0)->GetDivision(0)->Places.empty());
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(1)->Places.size(), 2u);
    EXPECT_EQ(CompteurModification, 1);
}

} // namespace
