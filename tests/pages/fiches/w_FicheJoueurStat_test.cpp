// The statistics side of the player card: the season panel, the hand-corrected
// career totals, the detail lists and the match-history graph.

#include "pages/fiches/w_FicheJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/GraphHorizontal.h"
#include "model/SaisonFoot.h"
#include "pages/options/w_ChoixNoeud.h"
#include "support/SaisonExemple.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace {

using testsupport::TDialoguesScriptes;

constexpr int Id = 1;

std::string T(const QString& s)
{
    return s.toStdString();
}

class FicheJoueurStatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        for (const char* nom : {"Lyon", "Nice", "Lens", "Metz"})
            S->AjouteEquipe(nom);
        S->AjouteClubPrec("Ancien club");
        J = S->Joueurs().AjouteSimple(S->CreeJoueurComplet("Martin", "Paul", Id, 95, 'A', 9, 0, 65535, 0, 120, 3));
        S->Joueurs().AjouteSimple(S->CreeJoueurComplet("Roux", "Luc", 2, 95, 'D', 4, 0, 65535, 0, 120, 3));
        // The league: Lyon's starter on days 1 to 10, on as a substitute on day 11.
        auto& ligue = Championnat(101, 12, "Ligue");
        for (int d = 1; d <= 10; ++d)
            ligue.SetCompoMatch(d, 0, 1, Id);
        ligue.SetNoteJoueurMatch(1, 0, 1, 7);
        ligue.SetCompoMatch(11, 0, 1, 2);
        ligue.SetCompoMatch(11, 0, 12, 2);
        ligue.SetCompoMatch(11, 0, 13, Id);
        ligue.SetCompoMatch(11, 0, 18, 60);
        Evt(ligue.GetButeursJournee(1), 10);
        Evt(ligue.GetButeursJournee(3), Evt::Penalty | 30);
        Evt(ligue.GetCartonsJournee(2), 20);
        Evt(ligue.GetCartonsJournee(4), Evt::ContreCamp | 70);
        Evt(ligue.GetPasseursJournee(5), 0);
        S->AjouteStatChamp("France : Ligue 1", 101);
        J->AjouteStatCarriere(101, 0, 0);
        J->AjouteStatCarriere(55, 30, 4);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesChampionnatFootball& Championnat(int Code, int NbJour, const std::string& Nom)
    {
        return testsupport::AjouteChampionnatQuatre(*S, Code, NbJour, Nom);
    }
    static void Evt(TListeDonnees* L, uint16_t Mot) { L->Ajoute(std::make_unique<TDonneesEvt>(Id, 0, Mot)); }

    // Runs the card on the player with the scripted treatment; whether it changed anything.
    bool Ouvre(std::function<void(Tf_FicheJoueurEx&)> Action)
    {
        Dialogues.Repond([Action](QDialog& d) { Action(dynamic_cast<Tf_FicheJoueurEx&>(d)); });
        bool change = false;
        TJoueur* joueur = J;
        EXPECT_TRUE(ExecuteFicheJoueur(*S, 1, joueur, 0x30000, &change));
        return change;
    }

    std::unique_ptr<TSaisonFootball> S = std::make_unique<TSaisonFootball>();
    TJoueur* J = nullptr;
    TDialoguesScriptes Dialogues;
};

TEST_F(FicheJoueurStatTest, LesTotauxSaisisSontStockesEnCorrectionsSignees)
{
    EXPECT_FALSE(Ouvre([](Tf_FicheJoueurEx& F) {
        EXPECT_EQ(T(F.e_Match->text()), "11");
        EXPECT_EQ(T(F.e_Buts->text()), "2");
        F.b_ValiderClick();
    })) << "an untouched OK stores nothing";

    EXPECT_TRUE(Ouvre([](Tf_FicheJoueurEx& F) {
        F.e_Match->setText("13");
        F.cb_ChoixChampStat->setCurrentIndex(1);
        EXPECT_EQ(T(F.e_Match->text()), "30");
        F.b_ValiderClick();
    }));
    EXPECT_EQ(J->GetStatCarriere(0), (TStatCarriere{101, 2, 0}));
    EXPECT_EQ(J->GetStatCarriere(1), (TStatCarriere{55, 30, 4}));

    // Typed below the computed figure, without switching entry: OK commits it.
    EXPECT_TRUE(Ouvre([](Tf_FicheJoueurEx& F) {
        EXPECT_EQ(T(F.e_Match->text()), "13");
        F.e_Match->setText("9");
        F.b_ValiderClick();
    }));
    EXPECT_EQ(J->GetNbMatchHist(101, 0), -2);
    Ouvre([](Tf_FicheJoueurEx& F) {
        EXPECT_EQ(T(F.e_Match->text()), "9");
        F.b_ValiderClick();
    });
}

TEST_F(FicheJoueurStatTest, LeBoutonPlusAjouteUneCompetitionDuCatalogue)
{
    testsupport::CatalogueInstalle catalogue;
    int division = -1;
    Dialogues.Repond([&](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueurEx&>(d);
        Dialogues.Repond([&](QDialog& c) {
            auto& choix = dynamic_cast<Tf_ChoixNoeud&>(c);
            ASSERT_GT(choix.lb_Texte->count(), 3);
            division = choix.lb_Texte->item(2)->data(Qt::UserRole).toInt() - 1;
            choix.lb_TexteDblClick(2);
        });
        F.b_ChoixChampStatClick();
        ASSERT_EQ(F.Entrees().size(), 3u);
        EXPECT_EQ(F.cb_ChoixChampStat->currentIndex(), 2);
        EXPECT_EQ(T(F.e_Match->text()), "0");
        F.e_Match->setText("25");
        F.b_ValiderClick();
    });
    TJoueur* joueur = J;
    bool change = false;
    ASSERT_TRUE(ExecuteFicheJoueur(*S, 1, joueur, 0x30000, &change));
    ASSERT_GT(division, 0);
    const int id = S->GetIdStatChamp(division);
    EXPECT_FALSE(S->GetNomStatChamp(id).empty()) << "named by the season";
    EXPECT_TRUE(change);
    EXPECT_EQ(J->GetStatCarriere(2), (TStatCarriere{id, 25, 0}));
}

TEST_F(FicheJoueurStatTest, PanneauListesEtGraphe)
{
    auto& coupe = Championnat(1005, 2, "Coupe");
    coupe.SetCompoMatch(1, 0, 1, Id);
    Evt(coupe.GetButeursJournee(1), 20);
    Ouvre([&](Tf_FicheJoueurEx& F) {
        F.resize(620, 560);
        F.show();
        EXPECT_EQ(T(F.LabelsSaison[0]->text()), "11(12)");
        EXPECT_EQ(T(F.LabelsSaison[1]->text()), "2(3)");
        EXPECT_EQ(T(F.LabelsSaison[4]->text()), "1");
        for (QPushButton* s : F.BoutonsSaison)
            EXPECT_TRUE(s->isVisibleTo(&F));
        EXPECT_TRUE(F.sb_Detail->isVisibleTo(&F));
        EXPECT_EQ(T(F.LabelsButs[0]->text()), "2(3)");
        EXPECT_EQ(F.Shapes[0]->width(), 60);
        testsupport::RendPng(F, "FicheJoueur_saison");
        F.pc_FicheJoueur->setCurrentWidget(F.ts_Carriere);
        QApplication::processEvents();
        testsupport::RendPng(F, "FicheJoueur_carriere");

        F.s1Click(StatFicheJoueur::ListeMatchs);
        EXPECT_TRUE(F.fs_Match->isVisibleTo(&F));
        EXPECT_TRUE(F.b_RetourFiche->isVisibleTo(&F));
        EXPECT_FALSE(F.b_Valider->isVisibleTo(&F));
        EXPECT_EQ(T(F.windowTitle()), TraduitFmt(93, {"Paul", "Martin", "Lyon"}));
        ASSERT_EQ(F.sg_Match->GetRowCount(), 1 + 1 + 11 + 1 + 1) << "headings of two championships";
        EXPECT_EQ(F.sg_Match->height(), 21 * F.sg_Match->GetRowCount() + 1);
        EXPECT_EQ(F.sg_Match->GetTexte(2, 12), "30" + Traduit(98));
        QApplication::processEvents();
        testsupport::RendPng(F, "FicheJoueur_matchs");

        F.s1Click(StatFicheJoueur::ListeButs);
        EXPECT_EQ(F.sg_Match->GetTexte(3, 3), "30 " + Traduit(314));
        F.b_RetourFicheClick();
        EXPECT_TRUE(F.FondCopie3->isVisibleTo(&F));
        EXPECT_FALSE(F.fs_Match->isVisibleTo(&F));

        F.sb_DetailClick();
        EXPECT_TRUE(F.fs_DetailJoueur->isVisibleTo(&F));
        EXPECT_EQ(F.Graphe->NbLignesMatch(), 12);
        EXPECT_EQ(F.Graphe->height(), 25 * 12 + 40);
        QApplication::processEvents();
        testsupport::RendPng(F, "FicheJoueur_graphe");
        F.b_RetourFicheClick();
        F.b_ValiderClick();
    });
}

TEST_F(FicheJoueurStatTest, UnNouveauJoueurNaAucunBoutonDeStatistique)
{
    Dialogues.Repond([](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueurEx&>(d);
        EXPECT_TRUE(F.FondCopie3->isVisibleTo(&F));
        for (QPushButton* s : F.BoutonsSaison)
            EXPECT_FALSE(s->isVisibleTo(&F));
        EXPECT_FALSE(F.sb_Detail->isVisibleTo(&F));
        EXPECT_EQ(T(F.LabelsButs[8]->text()), "0");
        EXPECT_EQ(F.cb_ChoixChampStat->count(), 0);
        F.b_Annuler->click();
    });
    TJoueur* joueur = nullptr;
    EXPECT_FALSE(ExecuteFicheJoueur(*S, 1, joueur, 0x30000));
}

} // namespace
