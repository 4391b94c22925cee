// The player search through the real main window: command 150 on the
// complete season, its crests, the real card, delete and merge, printing and
// the HTML page.

#include "pages/fiches/w_Recherche.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "platform/Imprimante.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace VuesRecherche;

class RecherchePrincipale : public testsupport::FenetreSurArchive {
protected:
    // The complete season, its teams wearing the catalogue's crests, with a
    // namesake of Alpha at Nice and a player nothing names.
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeSaisonComplete();
        for (int id = 0; id < 4; ++id)
            s->SetLogoEquipe(id, id + 1);
        s->Joueurs().AjouteSimple(s->CreeJoueurComplet("Alpha", "Ali", 8, 97, 'D', 0, 1, 65535, 0, 0, 0));
        s->Joueurs().AjouteSimple(s->CreeJoueurComplet("Libre", "Leo", 9, 0, 'M', 0, 65535, 65535, 0, 0, 0));
        return s;
    }

    Tf_Recherche* Ouvre()
    {
        // Other tests may have left a scripted card or none.
        EnregistrePagesFiches();
        DemarreSurArchive();
        if (HasFatalFailure())
            return nullptr;
        Fenetre->resize(800, 600);
        Fenetre->show();
        QApplication::processEvents(); // the first activation
        if (!Fenetre->ExecuteCommande(150))
            return nullptr;
        return dynamic_cast<Tf_Recherche*>(Fenetre->GetPageCourante());
    }
    static int Ligne(const Tf_Recherche& page, int id)
    {
        for (int r = 1; r < page.sg_Recherche->GetRowCount(); ++r)
            if (IdLigne(*page.sg_Recherche, r) == id)
                return r;
        return -1;
    }
};

TEST_F(RecherchePrincipale, LaRechercheMontreLesBlasonsEtOuvreLaVraieFiche)
{
    Tf_Recherche* page = Ouvre();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->clb_Poste->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(page->clb_Poste->item(i)->checkState(), Qt::Checked);
    EXPECT_TRUE(page->RondCoche4->Checked());
    EXPECT_GT(page->sg_Recherche->GetLargeurColonne(5), 40) << "widened to its title";
    EXPECT_FALSE(page->Edit2->isEnabled());
    const TColorStringGrid& grille = *page->sg_Recherche;
    ASSERT_EQ(grille.GetRowCount(), 2);
    EXPECT_EQ(grille.GetTexte(1, 1), Traduit(185));

    QTest::keyClicks(page->Edit1, "al*");
    QTest::keyClick(page->Edit1, Qt::Key_Return);
    ASSERT_EQ(grille.GetRowCount(), 3);
    const int lyon = grille.GetTexte(4, 1) == "Lyon" ? 1 : 2;
    EXPECT_EQ(grille.GetTexte(4, lyon), "Lyon");
    EXPECT_EQ(grille.GetBlason(4, lyon), 1);
    EXPECT_NE(grille.GetImage(4, lyon), nullptr) << "the crest's picture";
    // At 800 pixels the grid is wider than the page: it scrolls by itself,
    // and the criteria above it stay whole.
    const QScrollBar* defile = page->sg_Recherche->horizontalScrollBar();
    EXPECT_EQ(page->sg_Recherche->height(),
              HauteurGrille(grille) + (defile->isVisible() ? defile->sizeHint().height() : 0));
    EXPECT_LE(page->sg_Recherche->geometry().right(), page->sg_Recherche->parentWidget()->width());
    EXPECT_TRUE(defile->isVisible());
    EXPECT_LE(page->Label105->mapTo(page, page->Label105->rect().bottomRight()).x(), page->width())
        << "the age range's last word";
    page->b_VerifierClick();
    EXPECT_EQ(grille.GetRowCount(), 3) << "the two Alpha";
    testsupport::RendPng(*page, "recherche_doublons");
    page->b_RechercherClick();

    // The card of Lyon's Alpha: a change redoes the search and marks the document.
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheJoueur&>(d);
        f.e_Prenom->setText("Alain");
        f.b_ValiderClick();
    });
    const size_t formes = Dialogues.TitresFormes.size();
    page->sg_Recherche->SelectionneCellule(1, lyon);
    page->sg_Recherche->OnDblClick();
    EXPECT_EQ(Dialogues.TitresFormes.size(), formes + 1);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(grille.GetTexte(2, Ligne(*page, 1)), "Alain");

    testsupport::TempDir dossier;
    const std::string pdf = (dossier / "recherche.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
    const std::string html = (dossier / "recherche.htm").string();
    page->ExporteHtml(html);
    EXPECT_NE(testsupport::ReadWholeFile(html).find("Alain"), std::string::npos);

    page->Edit1->clear();
    page->b_RechercherClick();
    QApplication::processEvents();
    testsupport::RendPng(*Fenetre, "recherche_joueurs");
    page->b_VerifierClick();
    EXPECT_EQ(grille.GetTexte(1, 1), Traduit(185)) << "Alpha and Alain are no namesakes";
}

TEST_F(RecherchePrincipale, EffacerEtFusionnerDepuisLaListe)
{
    Tf_Recherche* page = Ouvre();
    ASSERT_NE(page, nullptr);
    page->b_RechercherClick();
    ASSERT_EQ(page->sg_Recherche->GetRowCount(), 10);

    // Golf came on as a substitute: he stays.
    page->sg_Recherche->SelectionneCellule(1, Ligne(*page, 7));
    page->mi_EffacerClick();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(298));
    EXPECT_EQ(CompteurModification, 0);

    page->sg_Recherche->SelectionneCellule(1, Ligne(*page, 9));
    page->mi_EffacerClick();
    EXPECT_EQ(Fenetre->GetSaison()->Joueurs().ChercheId(9), nullptr);
    EXPECT_EQ(page->sg_Recherche->GetRowCount(), 9);
    EXPECT_EQ(CompteurModification, 1);

    // Nice's Alpha dragged onto Lyon's: merged, and Lyon's card shown.
    Messages.Repond(ReponseMessage::Oui);
    int fiche = 0;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheJoueur&>(d);
        fiche = f.Joueur ? f.Joueur->Numero : 0;
        f.b_ValiderClick();
    });
    page->sg_Recherche->SelectionneCellule(1, Ligne(*page, 8));
    page->sg_RechercheDragDrop(Ligne(*page, 1));
    EXPECT_EQ(fiche, 1);
    EXPECT_EQ(Fenetre->GetSaison()->Joueurs().ChercheId(8), nullptr);
    EXPECT_EQ(page->sg_Recherche->GetRowCount(), 8);
}

TEST_F(RecherchePrincipale, LeTransfertChoisitLeClubParmiToutesLesEquipes)
{
    Tf_Recherche* page = Ouvre();
    ASSERT_NE(page, nullptr);
    page->b_RechercherClick();
    page->sg_Recherche->SelectionneCellule(1, Ligne(*page, 5)); // Echo, of Paris

    // Cancelled: nothing moves.
    page->mi_TransfererClick();
    EXPECT_EQ(Fenetre->GetSaison()->Joueurs().ChercheId(5)->GetEquipe(), 2);
    EXPECT_EQ(CompteurModification, 0);

    QStringList clubs;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_TransJoueur&>(d);
        for (int i = 0; i < f.cb_Club->count(); ++i)
            clubs << f.cb_Club->itemText(i);
        for (const std::string& defaut : testsupport::VerifieDisposition(d))
            ADD_FAILURE() << defaut;
        testsupport::RendPng(d, "transfert_joueur");
        f.cb_Club->setCurrentText("Brest");
        f.b_Valider->Click();
    });
    page->mi_TransfererClick();
    EXPECT_EQ(clubs, (QStringList{"Brest", "Lens", "Lyon", "Metz", "Nice", "Paris"}));
    const TJoueur* echo = Fenetre->GetSaison()->Joueurs().ChercheId(5);
    ASSERT_NE(echo, nullptr);
    EXPECT_EQ(Fenetre->GetSaison()->GetNomEquipe(echo->GetEquipe()), "Brest");
    EXPECT_EQ(Fenetre->GetSaison()->GetClubPrec(echo->ClubPrec), "Paris");
    EXPECT_EQ(page->sg_Recherche->GetTexte(4, Ligne(*page, 5)), "Brest");
    EXPECT_EQ(CompteurModification, 1);
}

} // namespace
