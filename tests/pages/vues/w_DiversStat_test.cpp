#include "pages/vues/w_DiversStat.h"

#include "base/Horloge.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "controls/OwnerPageControl.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/vues/PageVues.h"
#include "pages/vues/SaisonVues.h"
#include "pages/vues/w_InfoGeneral.h"
#include "platform/Imprimante.h"
#include "presentation/PageHtml.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

class DiversStatPage : public testsupport::TPageVuesTest<Tf_DiversStat> {
protected:
    void SetUp() override
    {
        TPageVuesTest::SetUp();
        AncienneHorloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 21}));
        TSaison* Saison = Principale.GetSaison();
        // The cup (id 8) dates its matches: its day-2 match on 21/09/2024, unplayed.
        TDonneesChampionnat* Coupe = Saison->GetChampionnatId(8);
        Coupe->SetOption(11, 4);
        Coupe->AjouteMatchDate(2, 3, 4, EncodeDateMatch(21, 9, 2024), -1, TInfoComp::Aucun, TInfoComp::Aucun);
        // Day 6 of the league: one match postponed.
        TDonneesChampionnat* Ligue = Saison->GetChampCourant();
        Ligue->SetScoreMatch(6, 1, 0, TInfoComp::Aucun);
        Ligue->SetScoreMatch(6, 1, 1, TInfoComp::Aucun);
        Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Sansprenom", "", 5, 2));
    }
    void TearDown() override
    {
        InstalleHorloge(AncienneHorloge);
        EnregistreFicheJoueur(nullptr);
        TPageVuesTest::TearDown();
    }

    std::shared_ptr<THorloge> AncienneHorloge;
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
    // The old page may be freed and the new one built at its address: a mark
    // on the old page tells them apart.
    Matchs->setProperty("pageDesMatchs", true);
    Tf_DiversStat* Joueurs = Commande(151);
    ASSERT_NE(Joueurs, nullptr);
    EXPECT_FALSE(Joueurs->property("pageDesMatchs").toBool()) << "the players' list is not a page of its own";
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

TEST_F(DiversStatPage, DayViewsOnTheRememberedDay)
{
    testsupport::TDialoguesScriptes Dialogues;
    // Cancelled: nothing shown.
    const TCommandePage* f = CommandePage(27);
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE((*f)(Principale, 27, -1, 0).Montre);
    EXPECT_EQ(Principale.GetPageCourante(), nullptr);
    Dialogues.Repond([](QDialog& d) {
        auto* Choix = dynamic_cast<Tf_ChoixJournee*>(&d);
        ASSERT_NE(Choix, nullptr);
        Choix->ScrollBar1->setValue(3);
        Choix->BoutonCopie1Click();
        Choix->SetModalResult(ResultatModal::Ok);
    });
    const TReponsePage Reponse = (*f)(Principale, 27, -1, 0);
    EXPECT_TRUE(Reponse.Montre);
    EXPECT_EQ(Reponse.Param, std::optional<int>(3));
    auto* Page = dynamic_cast<Tf_DiversStat*>(Principale.GetPageCourante());
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetGenre(), 5);
    EXPECT_EQ(Page->sg_Stats->GetTexte(1, 1), "0-0"); // Lyon - Angers, day 3: (0 + 3) % 3 goals
    // Attendances on the remembered day without asking again.
    const TReponsePage Spectateurs = (*CommandePage(28))(Principale, 28, -1, 0);
    EXPECT_EQ(Spectateurs.Param, std::optional<int>(3));
    EXPECT_EQ(Principale.GetPageCourante(), Page);
    EXPECT_EQ(Page->GetGenre(), 8);
    EXPECT_EQ(Page->Label1->text().toStdString(), TraduitFmt(341, {15000, 3000}));
    // A cancelled change of day keeps the view.
    Page->mi_ChangeJour->trigger();
    EXPECT_EQ(Page->GetGenre(), 8);
    EXPECT_EQ(Page->sg_Stats->GetRowCount(), 6);
    // A team link asks for the team statistics with its position.
    (*f)(Principale, 27, 3, 0);
    std::vector<std::tuple<int, int, int>> Demandes;
    Page->OnNavigation = [&](int c, int p, int p2) { Demandes.emplace_back(c, p, p2); };
    Page->sg_StatsLien(2, 1);
    Page->sg_StatsLien(1, 1);
    ASSERT_EQ(Demandes.size(), 2u);
    EXPECT_EQ(Demandes[0], std::make_tuple(123, 9, 0));
    EXPECT_EQ(Demandes[1], std::make_tuple(14, (3 << 8) + 1, 0));
    testsupport::RendPng(*Page, "diversstat_resultats");
}

TEST_F(DiversStatPage, PlayersOfADayAndTheirCards)
{
    TSaison* Saison = Principale.GetSaison();
    Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Buteur", "Jean", 9, 0));
    Saison->GetChampCourant()->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, 23));
    const TCommandePage* f = CommandePage(29);
    ASSERT_NE(f, nullptr);
    (*f)(Principale, 29, 2, 0);
    auto* Page = dynamic_cast<Tf_DiversStat*>(Principale.GetPageCourante());
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetGenre(), 7);
    int Ligne = -1;
    for (int r = 1; r < Page->sg_Stats->GetRowCount(); ++r)
        if (Page->sg_Stats->GetDonnee(1, r) == 9)
            Ligne = r;
    ASSERT_GT(Ligne, 0);
    EXPECT_EQ(Page->sg_Stats->GetTexte(1, Ligne), "Buteur (23\xC2\xB0)");
    int Modifications = 0;
    Page->OnModification = [&] { ++Modifications; };
    Page->OnNavigation = [](int, int, int) {};
    // An untouched OK: no notice; a change: the notice and the new name.
    EnregistreFicheJoueur([](TSaison&, int, TJoueur*&, int, bool* Change) {
        if (Change)
            *Change = false;
        return true;
    });
    Page->sg_StatsLien(1, Ligne);
    EXPECT_EQ(Modifications, 0);
    EnregistreFicheJoueur([](TSaison&, int, TJoueur*& Joueur, int, bool* Change) {
        Joueur->Nom = "Renomme";
        if (Change)
            *Change = true;
        return true;
    });
    Page->sg_StatsLien(1, Ligne);
    EXPECT_EQ(Modifications, 1);
    EXPECT_EQ(Page->sg_Stats->GetTexte(1, Ligne), "Renomme (23\xC2\xB0)");
}

TEST_F(DiversStatPage, DayViewKeywordsThroughTheGuard)
{
    TSaison* Saison = Principale.GetSaison();
    for (const char* Mot : {"JourneeSimple", "JourneeSpectateur", "JourneeJoueurs"}) {
        const TGestionFonction::TEntree* E = GestionFonction().Cherche(Mot);
        ASSERT_NE(E, nullptr) << Mot;
        EXPECT_EQ(E->Code, CodeFonction::Journee);
    }
    std::string Resultat;
    Tf_DiversStat::ExecuteFonction("JourneeSimple", {"Journee=2"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find("Lyon (1)"), std::string::npos);
    EXPECT_NE(Resultat.find(">2-0<"), std::string::npos); // Lyon - Angers, day 2
    // A day that is not a number: the current day.
    Saison->GetChampCourant()->NbJournee = 2;
    Tf_DiversStat::ExecuteFonction("JourneeSpectateur", {"Journee=abc"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find("5000"), std::string::npos);
    Tf_DiversStat::ExecuteFonction("JourneeJoueurs", {"Journee=1", "Type=EXCLUS"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(EchappeHtml(Traduit(975))), std::string::npos);
    // The cup's day 1 through "Division", the league current again afterwards.
    Tf_DiversStat::ExecuteFonction("JourneeSimple", {"Division=8", "Journee=1"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(">4-1<"), std::string::npos);
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
    Tf_DiversStat::ExecuteFonction("JourneeSimple", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "");

    // The detailed report: titles in bold, the colours of the parameters.
    Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Buteur", "Jean", 9, 0));
    Saison->GetChampCourant()->GetButeursJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, 23));
    Tf_DiversStat::ExecuteFonction("JourneeDetail", {"Journee=2", "CouleurMatch=4", "CouleurInfo=9"}, Resultat, "",
                                   Saison);
    EXPECT_EQ(Resultat.rfind("<b><FONT COLOR=#FF0000>Lyon - Angers : 2 - 0</FONT></b><BR>", 0), 0u);
    EXPECT_NE(Resultat.find("<FONT COLOR=#0000FF>  " + EchappeHtml(Traduit(498)) + " : Buteur (23"), std::string::npos);
    EXPECT_NE(Resultat.find("<hr/><BR><b>"), std::string::npos);
    // A football day: no box score, text 108 for every team.
    Tf_DiversStat::ExecuteFonction("JourneeRealisateur", {"Journee=2"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(EchappeHtml(Traduit(108))), std::string::npos);
    for (const char* Mot : {"JourneeDetail", "JourneeRealisateur"})
        EXPECT_NE(GestionFonction().Cherche(Mot), nullptr) << Mot;
    EXPECT_EQ(GestionFonction().Cherche("JourneeRealisateur")->Code, CodeFonction::Championnat);
}

TEST_F(DiversStatPage, TeamViewKeywordsThroughTheGuard)
{
    TSaison* Saison = Principale.GetSaison();
    Saison->GetChampCourant()->GetCartonsJournee(2)->Ajoute(
        std::make_unique<TDonneesEvt>(65535, 0, Evt::ContreCamp | 9));
    for (const char* Mot :
         {"FormeEquipe", "ComportementDomicile", "ScoresFrequents", "FourchetteClass", "StatParJournee"}) {
        const TGestionFonction::TEntree* E = GestionFonction().Cherche(Mot);
        ASSERT_NE(E, nullptr) << Mot;
        EXPECT_EQ(E->Code, CodeFonction::Championnat);
        std::string Resultat;
        Tf_DiversStat::ExecuteFonction(Mot, {}, Resultat, "", Saison);
        // One table in the default colours, the league's teams in it.
        EXPECT_NE(Resultat.find("#000080"), std::string::npos) << Mot;
        EXPECT_NE(Resultat.find(Mot == std::string("ScoresFrequents") ? EchappeHtml(Traduit(328)) : "Angers"),
                  std::string::npos)
            << Mot;
    }
    std::string Resultat;
    Tf_DiversStat::ExecuteFonction("FormeEquipe", {}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(">" + Majuscules(Traduit(612)) + Majuscules(Traduit(612))), std::string::npos);
    // A single sending-off is written "1"; the cup through "Division", the
    // league current again afterwards.
    Tf_DiversStat::ExecuteFonction("StatParJournee", {"Type=Rouge"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(">1<"), std::string::npos);
    Tf_DiversStat::ExecuteFonction("StatParJournee", {"Type=Rouge", "Division=8"}, Resultat, "", Saison);
    EXPECT_EQ(Resultat.find("Angers"), std::string::npos);
    EXPECT_EQ(Saison->GetNumChampCourant(), 1);
}

TEST_F(DiversStatPage, OneDaysGoalDistributionOnANewInformationPage)
{
    testsupport::TDialoguesScriptes Dialogues;
    const TCommandePage* f = CommandePage(34);
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE((*f)(Principale, 34, -1, 0).Montre);
    const TReponsePage Reponse = (*f)(Principale, 34, 2, 0);
    EXPECT_TRUE(Reponse.Montre);
    auto* Page = dynamic_cast<Tf_InfoGeneralEx*>(Principale.GetPageCourante());
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->RepartitionJournee);
    EXPECT_EQ(Page->tab9->currentIndex(), 1);
    // The whole championship's information next: a fresh page, so the day's
    // page goes. The allocator may hand the new page the old one's address,
    // so its going is watched rather than the addresses compared.
    bool Detruite = false;
    QObject::connect(Page, &QObject::destroyed, [&Detruite] { Detruite = true; });
    (*CommandePage(172))(Principale, 172, 0, 0);
    EXPECT_TRUE(Detruite);
    auto* Nouvelle = dynamic_cast<Tf_InfoGeneralEx*>(Principale.GetPageCourante());
    ASSERT_NE(Nouvelle, nullptr);
    EXPECT_FALSE(Nouvelle->RepartitionJournee);
}

} // namespace
