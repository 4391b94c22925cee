// The player card through the real main window: opened from the scorers'
// ranking, an untouched OK leaves the document clean, an edit marks it and
// survives a save and a reopen.

#include "pages/fiches/w_FicheJoueur.h"

#include "base/Texte.h"
#include "controls/ColorStringGrid.h"
#include "controls/GraphHorizontal.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/options/w_ChoixNoeud.h"
#include "pages/vues/w_ClassJoueur.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace {

class FicheJoueurPrincipale : public testsupport::FenetreSurArchive {
protected:
    // The league of the complete season has scorers to rank.
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonComplete(); }

    // Double-clicks the ranking row of the first player listed; his id (0 when none).
    int OuvreLaPremiereLigne(Tf_ClassJoueur& Page)
    {
        const TColorStringGrid& Grille = *Page.sg_Classjoueurs;
        for (int r = 1; r < Grille.GetRowCount(); ++r) {
            const int Id = StrToIntDef(Grille.GetTexte(3, r), 0);
            if (Id > 0) {
                Page.sg_Classjoueurs->SelectionneCellule(1, r);
                Page.sg_ClassjoueursDblClick();
                return Id;
            }
        }
        return 0;
    }
};

TEST_F(FicheJoueurPrincipale, LaFicheDuClassementMarqueSeulementUnChangement)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    // The ranking shows as many rows as its page has room for.
    Fenetre->resize(800, 600);
    Fenetre->show();
    ASSERT_TRUE(Fenetre->ExecuteCommande(66));
    auto* Page = dynamic_cast<Tf_ClassJoueur*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    ASSERT_GT(Page->sg_Classjoueurs->GetRowCount(), 1);

    int Vu = -1;
    Dialogues.Repond([&](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueur&>(d);
        Vu = F.Joueur ? F.Joueur->Numero : 0;
        F.b_ValiderClick();
    });
    const int Id = OuvreLaPremiereLigne(*Page);
    ASSERT_GT(Id, 0);
    EXPECT_EQ(Vu, Id) << "the card of that row's player";
    EXPECT_EQ(CompteurModification, 0) << "an untouched OK";

    Dialogues.Repond([](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueur&>(d);
        F.e_NumMaillot->setText("42");
        F.b_ValiderClick();
    });
    OuvreLaPremiereLigne(*Page);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Fenetre->GetPageCourante(), Page) << "the ranking is shown again";
    EXPECT_GT(Page->sg_Classjoueurs->GetRowCount(), 1);

    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TJoueur* Relu = Fenetre->GetSaison()->Joueurs().ChercheId(Id);
    ASSERT_NE(Relu, nullptr);
    EXPECT_EQ(Relu->Maillot, 42);
}

TEST_F(FicheJoueurPrincipale, LesStatistiquesDeLaFicheOuverteDuClassement)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->resize(800, 600);
    Fenetre->show();
    ASSERT_TRUE(Fenetre->ExecuteCommande(66));
    auto* Page = dynamic_cast<Tf_ClassJoueur*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);

    bool Vu = false;
    Dialogues.Repond([&](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueurEx&>(d);
        Vu = true;
        EXPECT_TRUE(F.FondCopie3->isVisibleTo(&F)) << "opened with the season panel";
        EXPECT_NE(F.LabelsSaison[StatFicheJoueur::Buts]->text(), "0") << "a scorer of the ranking";
        EXPECT_TRUE(F.BoutonsSaison[StatFicheJoueur::Buts]->isVisibleTo(&F));

        F.BoutonsSaison[StatFicheJoueur::Matchs]->click();
        EXPECT_TRUE(F.fs_Match->isVisibleTo(&F));
        EXPECT_TRUE(F.b_RetourFiche->isVisibleTo(&F));
        EXPECT_FALSE(F.b_Valider->isVisibleTo(&F));
        F.b_RetourFiche->click();
        EXPECT_FALSE(F.fs_Match->isVisibleTo(&F));
        EXPECT_TRUE(F.FondCopie3->isVisibleTo(&F));
        EXPECT_TRUE(F.b_Valider->isVisibleTo(&F));

        ASSERT_TRUE(F.sb_Detail->isVisibleTo(&F));
        F.sb_Detail->click();
        EXPECT_TRUE(F.fs_DetailJoueur->isVisibleTo(&F));
        const TDonneesChampionnat* Courant = F.Saison->GetChampCourant();
        EXPECT_EQ(F.Graphe->NbLignes(), Courant->GetNbJour()) << "the graph of the current championship";
        F.b_RetourFiche->click();
        F.b_ValiderClick();
    });
    ASSERT_GT(OuvreLaPremiereLigne(*Page), 0);
    EXPECT_TRUE(Vu);
    EXPECT_EQ(CompteurModification, 0) << "looking at the statistics changes nothing";

    // A competition added with its totals corrected by hand.
    Dialogues.Repond([&](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueurEx&>(d);
        Dialogues.Repond([](QDialog& c) { dynamic_cast<Tf_ChoixNoeud&>(c).lb_TexteDblClick(1); });
        F.b_ChoixChampStatClick();
        F.e_Match->setText("40");
        F.b_ValiderClick();
    });
    OuvreLaPremiereLigne(*Page);
    EXPECT_EQ(CompteurModification, 1);
}

} // namespace
