// The referee and stadium lists through the real main window: commands 148
// and 152, the real cards they open, the referee ranking's card, printing and
// the HTML page.

#include "pages/fiches/w_Arbitres.h"
#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheStade.h"
#include "pages/fiches/w_Stades.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "pages/vues/w_ClassJoueur.h"
#include "platform/Imprimante.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ListesPersonnes;

class ListesPrincipale : public testsupport::FenetreSurArchive {
protected:
    // Paul Arbitre (no country) refereed the league's first match; Gerland is in France.
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonComplete(); }

    template <class P> P* Commande(int code)
    {
        DemarreSurArchive();
        if (HasFatalFailure())
            return nullptr;
        Fenetre->resize(800, 600);
        Fenetre->show();
        if (!Fenetre->ExecuteCommande(code))
            return nullptr;
        return dynamic_cast<P*>(Fenetre->GetPageCourante());
    }
};

TEST_F(ListesPrincipale, LesArbitresEtLeurFiche)
{
    auto* page = Commande<Tf_Arbitres>(148);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaysChoisi(), TousLesPays);
    EXPECT_EQ(page->l_Nation->ItemIndex(), 0);
    ASSERT_EQ(page->sg_Tableau->GetRowCount(), 3);
    EXPECT_EQ(page->sg_Tableau->GetTexte(0, 1), "Arbitre");
    EXPECT_EQ(page->sg_Tableau->GetTexte(2, 1), "1") << "the match he refereed";

    // The double click opens the real card; a change marks the document.
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheArbitre&>(d);
        f.e_Prenom->setText("Pierre");
        f.b_ValiderClick();
    });
    page->sg_Tableau->SelectionneCellule(0, 1);
    page->sg_Tableau->OnDblClick();
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(page->PaysChoisi(), SansPays) << "his country is shown";
    EXPECT_EQ(page->sg_Tableau->GetTexte(1, 1), "Pierre");

    // He refereed: he stays, and the user is told why.
    Messages.Messages.clear();
    page->sg_Tableau->SelectionneCellule(0, 1);
    QTest::keyClick(page->sg_Tableau, Qt::Key_Delete);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(2580));
    EXPECT_EQ(Fenetre->GetSaison()->Arbitres().Nombre(), 1);

    // A surname typed on the entry row, then leaving the row.
    page->sg_Tableau->setFocus();
    page->sg_Tableau->SelectionneCellule(0, 2);
    QTest::keyClick(page->sg_Tableau, 'Z'); // opens the cell editor
    EXPECT_TRUE(page->e_Saisie->isVisible());
    QTest::keyClicks(page->e_Saisie, "idane");
    QTest::keyClick(page->e_Saisie, Qt::Key_Return);
    QTest::keyClick(page->sg_Tableau, Qt::Key_Up);
    const TPersonnel* typed = Fenetre->GetSaison()->Arbitres().ChercheNom("ZIDANE", "");
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->CodePays, 65535);
    EXPECT_EQ(page->sg_Tableau->GetRowCount(), 4);

    testsupport::TempDir dossier;
    const std::string pdf = (dossier / "arbitres.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
    const std::string html = (dossier / "arbitres.htm").string();
    page->ExporteHtml(html);
    EXPECT_NE(testsupport::ReadWholeFile(html).find("Zidane"), std::string::npos);
    testsupport::RendPng(*page, "liste_arbitres");
}

TEST_F(ListesPrincipale, UnStadeChangeDePays)
{
    auto* page = Commande<Tf_Stades>(152);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaysChoisi(), TousLesPays);
    ASSERT_EQ(page->sg_Tableau->GetRowCount(), 3);
    EXPECT_EQ(page->sg_Tableau->GetTexte(0, 1), "Stade de Gerland");
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheStade&>(d);
        f.cb_Pays->setEditText("Italie");
        f.b_ValiderClick();
    });
    page->sg_Tableau->SelectionneCellule(0, 1);
    page->mi_EditerClick();
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(page->PaysChoisi(), 1);
    EXPECT_EQ(CodeElementPays(page->l_Nation->Texte(page->l_Nation->ItemIndex())), 1);
    EXPECT_EQ(page->sg_Tableau->GetTexte(2, 1), "Italie");
    testsupport::RendPng(*page, "liste_stades");

    // Deleting it takes it out of the matches and the club record too.
    page->mi_EffacerClick();
    EXPECT_EQ(Fenetre->GetSaison()->Stades().Nombre(), 0);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->GetMatch(1, 1)->GetStade(), 65535);
}

TEST_F(ListesPrincipale, LeClassementDesArbitresOuvreLaVraieFiche)
{
    auto* page = Commande<Tf_ClassJoueur>(116);
    ASSERT_NE(page, nullptr);
    int ligne = -1;
    for (int r = 1; r < page->sg_Classjoueurs->GetRowCount(); ++r)
        if (StrToIntDef(page->sg_Classjoueurs->GetTexte(3, r), 0) == 1)
            ligne = r;
    ASSERT_GT(ligne, 0);
    std::string nom;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheArbitre&>(d);
        nom = f.e_Nom->text().toStdString();
        f.e_Prenom->setText("Pierre");
        f.b_ValiderClick();
    });
    page->sg_Classjoueurs->SelectionneCellule(1, ligne);
    page->sg_ClassjoueursDblClick();
    EXPECT_EQ(nom, "Arbitre");
    EXPECT_EQ(CompteurModification, 1);
}

} // namespace
