// The squads page through the real main window: command 147 on the followed
// team, another team from the list, the real player card, a half-typed
// surname saved with the season, the quick entry, printing and the HTML page.

#include "pages/fiches/w_Effectifs.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/fiches/w_SaisieRapide.h"

#include "controls/ColorStringGrid.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "platform/Imprimante.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EffectifsPrincipale : public testsupport::FenetreSurArchive {
protected:
    // Nice (position 1, players Charlie and Delta) is the followed team.
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeSaisonComplete();
        s->GetChampionnat(1)->SetOption(10, 1);
        return s;
    }

    Tf_Effectifs* Ouvre()
    {
        DemarreSurArchive();
        if (HasFatalFailure())
            return nullptr;
        Fenetre->show();
        // The window's first activation (its size, its opening choice) comes first.
        QApplication::processEvents();
        Fenetre->resize(1000, 650);
        Dialogues.TitresFormes.clear();
        if (!Fenetre->ExecuteCommande(147))
            return nullptr;
        return dynamic_cast<Tf_Effectifs*>(Fenetre->GetPageCourante());
    }
    static int Ligne(const Tf_Effectifs& page, const std::string& nom)
    {
        for (int r = 1; r < page.sg_TableauEquipe->GetRowCount(); ++r)
            if (page.sg_TableauEquipe->GetTexte(2, r) == nom)
                return r;
        return -1;
    }
};

TEST_F(EffectifsPrincipale, LaPageDeLEquipeSuivieEtLaFiche)
{
    Tf_Effectifs* page = Ouvre();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Controleur()->Equipe(), 1);
    EXPECT_EQ(page->l_Equipe->ItemIndex(), 1);
    ASSERT_EQ(page->sg_TableauEquipe->GetRowCount(), 4);
    EXPECT_EQ(page->sg_TableauEquipe->GetTexte(2, 1), "Delta") << "the goalkeeper first";
    EXPECT_EQ(page->sg_TableauEquipe->GetTexte(2, 2), "Charlie");
    EXPECT_EQ(CompteurModification, 0);

    // Another team by a click in the list.
    page->l_Equipe->setCurrentRow(0);
    EXPECT_EQ(page->Controleur()->Equipe(), 0);
    EXPECT_GE(Ligne(*page, "Alpha"), 1);
    EXPECT_EQ(CompteurModification, 0) << "looking at a team changes nothing";

    // The real card on a double click; a change marks the document and shows.
    int montre = 0;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheJoueur&>(d);
        montre = f.Joueur ? f.Joueur->Numero : -1;
        f.e_NumMaillot->setText("42");
        f.b_ValiderClick();
    });
    const int r = Ligne(*page, "Alpha");
    page->sg_TableauEquipe->SelectionneCellule(1, r);
    page->sg_TableauEquipe->OnDblClick();
    EXPECT_EQ(montre, 1);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(page->sg_TableauEquipe->GetTexte(1, Ligne(*page, "Alpha")), "42");
    QApplication::processEvents();
    testsupport::RendPng(*Fenetre, "effectifs");

    // Insert: the real card creates a defender when opened on a defender's row.
    int poste = -1;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheJoueur&>(d);
        poste = f.cb_Poste->currentIndex();
        f.e_Nom->setText("Hotel");
        f.b_ValiderClick();
    });
    page->sg_TableauEquipe->SelectionneCellule(1, Ligne(*page, "Golf"));
    page->sg_TableauEquipe->setFocus();
    QTest::keyClick(page->sg_TableauEquipe, Qt::Key_Insert);
    EXPECT_EQ(poste, 1);
    const int hotel = Ligne(*page, "Hotel");
    ASSERT_GE(hotel, 1);
    EXPECT_EQ(page->sg_TableauEquipe->GetTexte(0, hotel), "D");
    EXPECT_EQ(CompteurModification, 1);

    // Delete releases him at once.
    page->sg_TableauEquipe->SelectionneCellule(1, hotel);
    QTest::keyClick(page->sg_TableauEquipe, Qt::Key_Delete);
    EXPECT_EQ(Ligne(*page, "Hotel"), -1);
    const TJoueur* libre = Fenetre->GetSaison()->Joueurs().ChercheNom("Hotel", "");
    ASSERT_NE(libre, nullptr);
    EXPECT_EQ(libre->EquipeClub, 65535);

    testsupport::TempDir dossier;
    const std::string pdf = (dossier / "effectifs.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
    const std::string html = (dossier / "effectifs.htm").string();
    page->ExporteHtml(html);
    EXPECT_NE(testsupport::ReadWholeFile(html).find("Alpha"), std::string::npos);
}

TEST_F(EffectifsPrincipale, UnNomEnCoursDeSaisieEstEnregistreAvecLaSaison)
{
    Tf_Effectifs* page = Ouvre();
    ASSERT_NE(page, nullptr);
    const int entree = page->sg_TableauEquipe->GetRowCount() - 1;
    page->sg_TableauEquipe->setFocus();
    page->sg_TableauEquipe->SelectionneCellule(2, entree);
    QTest::keyClick(page->sg_TableauEquipe, 'Z'); // opens the cell editor
    ASSERT_TRUE(page->e_Saisie->isVisible());
    QTest::keyClicks(page->e_Saisie, "orro");

    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0) << "saved";
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TJoueur* zorro = Fenetre->GetSaison()->Joueurs().ChercheNom("Zorro", "");
    ASSERT_NE(zorro, nullptr);
    EXPECT_EQ(zorro->EquipeClub, 1);
}

TEST_F(EffectifsPrincipale, LaSaisieRapideAjouteUnJoueur)
{
    Tf_Effectifs* page = Ouvre();
    ASSERT_NE(page, nullptr);
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_SaisieRapide&>(d);
        EXPECT_EQ(f.lb_JoueursPresents->count(), 2);
        f.cb_AjoutJoueur->setEditText("Nouveau Joe");
        f.b_AjouterClick();
        EXPECT_EQ(f.lb_JoueursPresents->count(), 3);
        f.b_Continuer->Click();
    });
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_FicheJoueur&>(d);
        EXPECT_EQ(f.e_Nom->text(), "Nouveau");
        f.b_ValiderClick();
    });
    page->mi_SaisieRapideClick();
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_GE(Ligne(*page, "Nouveau"), 1);

    // Nothing typed: nothing changes.
    Fenetre->ExecuteCommande(7);
    ASSERT_EQ(Fenetre->GetPageCourante(), page);
    ASSERT_EQ(CompteurModification, 0);
    Dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_SaisieRapide&>(d);
        f.b_AjouterClick();
        f.b_Continuer->Click();
    });
    page->mi_SaisieRapideClick();
    EXPECT_EQ(CompteurModification, 0);
}

} // namespace
