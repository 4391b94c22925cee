#include "pages/vues/w_DiversStat.h"

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QCalendarWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

class DiversStatPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        AncienneHorloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 21}));
        EnregistrePages();
        auto Saison = testsupport::CreeSaisonVues(6);
        testsupport::AjouteCoupeTroisClubs(*Saison);
        // The cup (id 8) dates its matches: its day-2 match on 21/09/2024, unplayed.
        TDonneesChampionnat* Coupe = Saison->GetChampionnatId(8);
        Coupe->SetOption(11, 4);
        Coupe->AjouteMatchDate(2, 3, 4, EncodeDateMatch(21, 9, 2024), -1, TInfoComp::Aucun, TInfoComp::Aucun);
        // Day 6 of the league: one match postponed.
        TDonneesChampionnat* Ligue = Saison->GetChampCourant();
        Ligue->SetScoreMatch(6, 1, 0, TInfoComp::Aucun);
        Ligue->SetScoreMatch(6, 1, 1, TInfoComp::Aucun);
        auto J = Saison->CreeJoueur("Sansprenom", "", 5, 2);
        Saison->Joueurs().AjouteSimple(std::move(J));
        Principale.SetSaison(std::move(Saison));
    }
    void TearDown() override
    {
        InstalleHorloge(AncienneHorloge);
        InstalleTraducteur(nullptr);
        EnregistreFicheJoueur(nullptr);
    }

    Tf_DiversStat* Commande(int Code)
    {
        const TCommandePage* f = CommandePage(Code);
        EXPECT_NE(f, nullptr);
        if (f != nullptr)
            (*f)(Principale, Code, 0, 0);
        auto* Page = dynamic_cast<Tf_DiversStat*>(Principale.GetPageCourante());
        if (Page != nullptr && !Page->isVisible()) {
            Page->resize(640, 560);
            Page->show();
        }
        return Page;
    }

    std::shared_ptr<THorloge> AncienneHorloge;
    TFaussePrincipale Principale;
};

TEST_F(DiversStatPage, TheCalendarOfTodayAndItsLinks)
{
    Tf_DiversStat* Page = Commande(21);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetGenre(), 13);
    EXPECT_FALSE(Page->fc_Calendrier->isHidden());
    EXPECT_EQ(Page->bc_Calendrier->selectedDate(), QDate(2024, 9, 21));
    // The league dates nothing: one empty row.
    EXPECT_EQ(Page->sg_Stats->GetRowCount(), 2);
    QTest::mouseClick(Page->cc_SaisieDateJour, Qt::LeftButton);
    ASSERT_EQ(Page->sg_Stats->GetRowCount(), 2);
    EXPECT_EQ(Page->sg_Stats->GetTexte(1, 1), "Lens - Brest");
    EXPECT_EQ(Commande(21), Page);
    std::vector<std::tuple<int, int, int>> Demandes;
    Page->OnNavigation = [&](int c, int p, int p2) { Demandes.emplace_back(c, p, p2); };
    Page->sg_StatsLien(1, 1);
    ASSERT_EQ(Demandes.size(), 1u);
    EXPECT_EQ(Demandes[0], std::make_tuple(19, (2 << 8) + 0, 1));
    EXPECT_EQ(Principale.GetSaison()->GetChampCourant()->CodeChamp, 8);
    testsupport::RendPng(*Page, "diversstat_calendrier");
}

TEST_F(DiversStatPage, OutstandingMatchesAndIncompletePlayersOnNewPages)
{
    Tf_DiversStat* Matchs = Commande(24);
    ASSERT_NE(Matchs, nullptr);
    EXPECT_EQ(Matchs->GetGenre(), 11);
    ASSERT_EQ(Matchs->sg_Stats->GetRowCount(), 2);
    EXPECT_EQ(Matchs->sg_Stats->GetTexte(0, 1), "6");
    EXPECT_EQ(Matchs->sg_Stats->GetTexte(1, 1), "Nice - Metz");
    Tf_DiversStat* Joueurs = Commande(151);
    ASSERT_NE(Joueurs, nullptr);
    EXPECT_NE(Joueurs, Matchs);
    ASSERT_EQ(Joueurs->sg_Stats->GetRowCount(), 2);
    EXPECT_EQ(Joueurs->sg_Stats->GetTexte(0, 1), "Sansprenom");
    EXPECT_EQ(Joueurs->sg_Stats->GetTexte(3, 1), "Paris");

    // A double-click opens the card; a change rewrites the row and is said.
    int Modifications = 0;
    Joueurs->OnModification = [&] { ++Modifications; };
    EnregistreFicheJoueur([](TSaison&, int, TJoueur*& Joueur, int, bool* Change) {
        Joueur->Prenom = "Pierre";
        if (Change)
            *Change = true;
        return true;
    });
    Joueurs->sg_Stats->SelectionneCellule(1, 1);
    Joueurs->sg_StatsDblClick();
    EXPECT_EQ(Joueurs->sg_Stats->GetTexte(1, 1), "Pierre");
    EXPECT_EQ(Modifications, 1);
    EnregistreFicheJoueur([](TSaison&, int, TJoueur*&, int, bool* Change) {
        if (Change)
            *Change = false;
        return true;
    });
    Joueurs->sg_StatsDblClick();
    EXPECT_EQ(Modifications, 1);

    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "liste.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Joueurs->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
}

} // namespace
