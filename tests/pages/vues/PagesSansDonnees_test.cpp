// The pages a shipped season leaves without data say so in a line of their
// own, and the captions of the English program are English.

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "controls/OwnerPageControl.h"
#include "pagebase/Commande.h"
#include "pages/saisie/w_Composition.h"
#include "pages/saisie/w_Notes.h"
#include "pages/saisie/w_RechercheMatch.h"
#include "pages/vues/w_ClassJoueur.h"
#include "pages/vues/w_DiversStat.h"
#include "pages/vues/w_Historique.h"
#include "pages/vues/w_InfoEquipes.h"
#include "pages/vues/w_InfoGeneral.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Both shipped seasons: the results of two leagues, and a World Cup with its
// scorers but no line-up, rating, card, referee or attendance.
class PagesSansDonnees : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        Fenetre->resize(1100, 750);
        Fenetre->show();
        QApplication::processEvents();
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + GetParam()));
        fs::current_path(AncienDossier);
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    template <class P> P* Page(int code)
    {
        EXPECT_TRUE(Fenetre->ExecuteCommande(code, -1)) << code;
        QApplication::processEvents();
        return dynamic_cast<P*>(Fenetre->GetPageCourante());
    }

    // The line is shown, says that, and lies inside its page.
    static void VerifieLigne(const QLabel* ligne, int id, const QWidget& page)
    {
        ASSERT_NE(ligne, nullptr);
        EXPECT_EQ(ligne->text().toStdString(), Traduit(id));
        EXPECT_TRUE(ligne->isVisibleTo(&page)) << id;
        const QRect dans(ligne->mapTo(&page, QPoint(0, 0)), ligne->size());
        EXPECT_TRUE(QRect(QPoint(0, 0), page.size()).contains(dans)) << id;
        EXPECT_GE(ligne->width(), ligne->sizeHint().width() - 1) << id;
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
};

TEST_P(PagesSansDonnees, ChaquePageVideDitQuIlNYARienDeCeGenre)
{
    const std::string nom = fs::path(GetParam()).stem().string();
    auto* matchs = Page<Tf_DiversStat>(Commande::ListeMatchs);
    ASSERT_NE(matchs, nullptr);
    VerifieLigne(matchs->l_Vide, 3268, *matchs);
    testsupport::RendPng(*Fenetre, "vide_matchs_" + nom);

    auto* exclus = Page<Tf_DiversStat>(Commande::StatParJournee);
    ASSERT_NE(exclus, nullptr);
    // Above the teams, which run past the foot of the page.
    const QLabel* ligne = exclus->l_Vide;
    VerifieLigne(ligne, 3267, *ligne->parentWidget());
    EXPECT_LT(ligne->geometry().bottom(), exclus->sg_Stats->geometry().top());
    // Goals per day have nothing missing.
    auto* buts = Page<Tf_DiversStat>(Commande::ButsParJournee);
    ASSERT_NE(buts, nullptr);
    EXPECT_TRUE(buts->l_Vide->isHidden());

    auto* records = Page<Tf_InfoEquipes>(Commande::InfoAffluenceMoyenne);
    ASSERT_NE(records, nullptr);
    VerifieLigne(records->l_Vide, 3263, *records);
    // Another view of the same page has data.
    auto* buteurs = Page<Tf_InfoEquipes>(Commande::InfoButeurs);
    ASSERT_NE(buteurs, nullptr);
    EXPECT_TRUE(buteurs->l_Vide->isHidden());

    auto* affluences = Page<Tf_InfoGeneralEx>(Commande::AffluenceMoyenne);
    ASSERT_NE(affluences, nullptr);
    VerifieLigne(affluences->l_SansAffluence, 3263, *affluences);
    testsupport::RendPng(*Fenetre, "vide_affluences_" + nom);

    auto* compositions = Page<Tf_Composition>(Commande::Compositions);
    ASSERT_NE(compositions, nullptr);
    VerifieLigne(compositions->l_SansComposition, 3264, *compositions);
    EXPECT_LT(compositions->FondEquipeDomicile->geometry().bottom(), compositions->l_SansComposition->y());
    EXPECT_LT(compositions->l_SansComposition->geometry().bottom(), compositions->Label3->y());

    auto* notes = Page<Tf_Notes>(Commande::Notes);
    ASSERT_NE(notes, nullptr);
    VerifieLigne(notes->l_SansNote, 3265, *notes);
    EXPECT_LT(notes->FondEquipeDomicile->geometry().bottom(), notes->l_SansNote->y());
    testsupport::RendPng(*Fenetre, "vide_notes_" + nom);

    for (int code : {Commande::ArbitresMatchs, Commande::ArbitresCartons}) {
        auto* arbitres = Page<Tf_ClassJoueur>(code);
        ASSERT_NE(arbitres, nullptr);
        EXPECT_EQ(arbitres->sg_Classjoueurs->GetTexte(1, 1), Traduit(3266));
    }
}

INSTANTIATE_TEST_SUITE_P(SaisonsLivrees, PagesSansDonnees, ::testing::Values("exemple.xmc", "coupe-du-monde-2022.xmc"));

// A line-up typed on a season without any: the line goes at the next display.
TEST(PageCompositionsSansDonnees, LaLigneDisparaitQuandUneCompositionEstSaisie)
{
    testsupport::TempDir dossier;
    const fs::path ancien = fs::current_path();
    testsupport::CopieDossierProgramme(dossier.path());
    testsupport::TDialoguesScriptes dialogues;
    testsupport::TMessagesScriptes messages;
    testsupport::TEcranFixe ecran;
    auto fenetre = std::make_unique<Tf_Principale>(dossier.str());
    ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*fenetre, dossier.str() + "sauvegarde/coupe-du-monde-2022.xmc"));
    ASSERT_TRUE(fenetre->ExecuteCommande(Commande::Compositions, -1));
    auto* page = dynamic_cast<Tf_Composition*>(fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->l_SansComposition->text().isEmpty());
    // A starter placed on the sheet, not yet written: the sheet itself holds
    // a line-up, the line goes at once.
    ASSERT_GE(page->l_EquipeDomicile->Nb(), 1);
    page->l_EquipeDomicile->SetItemIndex(0);
    page->ListeDblClickEquipe(1);
    ASSERT_NE(page->Cadre(1, 1), nullptr);
    EXPECT_FALSE(page->Cadre(1, 1)->Text().empty());
    EXPECT_TRUE(page->l_SansComposition->text().isEmpty());
    EXPECT_TRUE(page->l_SansComposition->isHidden());
    TDonneesChampionnat* champ = fenetre->GetSaison()->GetChampCourant();
    champ->SetCompoMatch(1, 0, 1, 1);
    page->AfficheMatch();
    EXPECT_TRUE(page->l_SansComposition->text().isEmpty());
    EXPECT_TRUE(page->l_SansComposition->isHidden());
    fenetre.reset();
    fs::current_path(ancien);
}

// The English program shows no French caption on these pages.
TEST(LibellesAnglais, LesPagesDisentEnAnglaisCeQuiEtaitResteEnFrancais)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texteen.txt"));
    {
        Tf_DiversStat divers;
        EXPECT_EQ(divers.cc_SaisieDateJour->Caption(), "All championships");
        Tf_Historique historique;
        EXPECT_EQ(historique.bc_Modifier->Caption(), "Search");
        EXPECT_EQ(historique.bc_Retirer->Caption(), "Delete");
        ASSERT_EQ(historique.cb_Type->count(), 3);
        EXPECT_EQ(historique.cb_Type->itemText(0).toStdString(), "3 points for a win");
        EXPECT_EQ(historique.cb_Type->itemText(2).toStdString(), "1 bonus point for a 3-goal margin");
        Tf_RechercheMatch recherche;
        EXPECT_EQ(recherche.b_Voir1->Caption(), "See");
        EXPECT_EQ(recherche.b_Voir2->Caption(), "See");
        Tf_InfoGeneralEx info;
        std::vector<std::string> onglets;
        for (int i = 0; i < info.tab9->count(); ++i)
            onglets.push_back(info.tab9->tabText(i).trimmed().toStdString());
        EXPECT_EQ(onglets, (std::vector<std::string>{"General information", "Goal distribution", "Best attendances",
                                                     "Evolution"}));
    }
    InstalleTraducteur(nullptr);
}

} // namespace
