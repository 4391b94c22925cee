// The miscellaneous statistics page from the main window, on a saved season:
// the remembered day of the day views and the navigation record.

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "model/ListeDonnees.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/vues/SaisonVues.h"
#include "pages/vues/w_DiversStat.h"
#include "platform/Imprimante.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

class DiversStatFenetre : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto Saison = testsupport::CreeSaisonVues(6);
        TDonneesChampionnat* Ligue = Saison->GetChampCourant();
        Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Buteur", "Jean", 9, 0));
        Ligue->GetButeursJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, 23));
        Ligue->GetCartonsJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(9, 0, Evt::ContreCamp | 70));
        return Saison;
    }

    Tf_DiversStat* Page() const { return dynamic_cast<Tf_DiversStat*>(Fenetre->GetPageCourante()); }

    void ChoisitJour(int Jour)
    {
        Dialogues.Repond([Jour](QDialog& d) {
            auto* Choix = dynamic_cast<Tf_ChoixJournee*>(&d);
            ASSERT_NE(Choix, nullptr);
            Choix->ScrollBar1->setValue(Jour);
            Choix->BoutonCopie1Click();
            Choix->SetModalResult(ResultatModal::Ok);
        });
    }
};

TEST_F(DiversStatFenetre, BackAndForwardShowTheSameDayWithoutAsking)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ChoisitJour(3);
    ASSERT_TRUE(Fenetre->ExecuteCommande(27, -1));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 5);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0"); // Lyon - Angers on day 3
    const size_t Formes = Dialogues.TitresFormes.size();
    // Attendances of day 5: the remembered day changes.
    ASSERT_TRUE(Fenetre->ExecuteCommande(28, 5));
    EXPECT_EQ(Page()->GetGenre(), 8);
    Fenetre->Precedent->trigger();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 5);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0");
    Fenetre->Suivant->trigger();
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 8);
    EXPECT_EQ(Page()->Label1->text().toStdString(), TraduitFmt(341, {15000, 3000}));
    Fenetre->Precedent->trigger();
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0");
    EXPECT_EQ(Dialogues.TitresFormes.size(), Formes);
    testsupport::RendPng(*Fenetre, "diversstat_fenetre_resultats");
}

TEST_F(DiversStatFenetre, TheDetailedReportOfTheRememberedDayPrintsItself)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    ChoisitJour(3);
    ASSERT_TRUE(Fenetre->ExecuteCommande(26, -1));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->GetGenre(), 10);
    EXPECT_FALSE(Page()->e_Detail->isHidden());
    EXPECT_TRUE(Page()->sg_Stats->isHidden());
    ASSERT_GT(Page()->e_Detail->GetNbLigne(), 3);
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Texte, "Lyon - Angers : 0 - 0");
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Couleurs[0], 14);
    // The report's rows lie inside the scrolled area.
    EXPECT_GE(Page()->sb_Fond->widget()->height(), Page()->e_Detail->geometry().bottom());
    Fenetre->resize(1000, 700);
    QApplication::processEvents();
    testsupport::RendPng(*Fenetre, "diversstat_detail");
    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "detail.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page()->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    // The HTML export writes the report, its titles in bold.
    const std::string Html = (Dossier / "detail.htm").string();
    Page()->ExporteHtml(Html);
    EXPECT_NE(testsupport::ReadWholeFile(Html).find("Lyon - Angers : 0 - 0"), std::string::npos);
}

TEST_F(DiversStatFenetre, TheTeamViewsOnOneKeptPage)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(1000, 700);
    ASSERT_TRUE(Fenetre->ExecuteCommande(157, -1));
    Tf_DiversStat* Vue = Page();
    ASSERT_NE(Vue, nullptr);
    const std::pair<int, int> Genres[] = {{157, 1}, {161, 12}, {162, 2}, {163, 3}, {164, 4}, {165, 4}, {171, 6}};
    for (const auto& [Code, Genre] : Genres) {
        ASSERT_TRUE(Fenetre->ExecuteCommande(Code, -1)) << Code;
        EXPECT_EQ(Page(), Vue) << Code;
        EXPECT_EQ(Vue->GetGenre(), Genre) << Code;
        EXPECT_GT(Vue->sg_Stats->GetRowCount(), 1) << Code;
        QApplication::processEvents();
        testsupport::RendPng(*Fenetre, "diversstat_equipes_" + std::to_string(Code));
    }
    // Every view whole in a small window as well, the day views included.
    Fenetre->resize(800, 600);
    for (const int Code : {157, 161, 162, 163, 164, 165, 171, 26, 27, 28, 29}) {
        ASSERT_TRUE(Fenetre->ExecuteCommande(Code, Code >= 26 && Code <= 29 ? 3 : -1)) << Code;
        QApplication::processEvents();
        for (const std::string& Defaut : testsupport::VerifieDisposition(*Fenetre))
            ADD_FAILURE() << Code << ": " << Defaut;
    }
    testsupport::RendPng(*Fenetre, "diversstat_joueurs_800");

    // "Place occupée": position 1 and the leader, then the last place typed.
    // A home behaviour team link asks for the team's statistics by position.
    ASSERT_TRUE(Fenetre->ExecuteCommande(162, -1));
    std::vector<std::pair<int, int>> Equipes;
    Vue->OnNavigation = [&](int c, int p, int) { Equipes.emplace_back(c, p); };
    Vue->sg_StatsLien(0, 1);
    ASSERT_EQ(Equipes.size(), 1u);
    EXPECT_EQ(Equipes[0], std::make_pair(121, Vue->sg_Stats->GetDonnee(0, 1)));
    EXPECT_EQ(Vue->sg_Stats->GetTexte(0, 1), Fenetre->GetSaison()->GetNomEquipeChamp(Vue->sg_Stats->GetDonnee(0, 1)));

    ASSERT_TRUE(Fenetre->ExecuteCommande(163, -1));
    EXPECT_FALSE(Vue->Edit4->isHidden());
    EXPECT_EQ(Vue->Edit4->text(), "1");
    EXPECT_EQ(Vue->sg_Stats->GetTexte(1, 0), TraduitFmt(214, {1}));
    EXPECT_EQ(Vue->sg_Stats->GetColCount(), 4);
    EXPECT_EQ(Vue->sg_Stats->GetRowCount(), 7);
    Vue->Edit4->selectAll();
    QTest::keyClicks(Vue->Edit4, "10");
    EXPECT_EQ(Vue->sg_Stats->GetTexte(3, 0), Traduit(216));
    EXPECT_EQ(Vue->sg_Stats->GetColCount(), 4);
    Vue->Edit4->setText("abc");
    EXPECT_EQ(Vue->sg_Stats->GetRowCount(), 1);
    Vue->UpDown3Haut->click();
    EXPECT_EQ(Vue->Edit4->text(), "1");

    // Sent off per day: Lyon's one red card of day 3 is an empty red cell.
    ASSERT_TRUE(Fenetre->ExecuteCommande(164, -1));
    EXPECT_EQ(Vue->sg_Stats->GetTexte(3, 1), "");
    EXPECT_EQ(Vue->sg_Stats->GetCouleurFond(3, 1), TColor(0x0000FF));
    EXPECT_EQ(Vue->sg_Stats->GetCouleurFond(2, 1), TColor(0xF0E0F0));
    // A team link asks for the team's players with its position.
    std::vector<std::pair<int, int>> Demandes;
    Vue->OnNavigation = [&](int c, int p, int) { Demandes.emplace_back(c, p); };
    Vue->sg_StatsLien(0, 3);
    ASSERT_EQ(Demandes.size(), 1u);
    EXPECT_EQ(Demandes[0], std::make_pair(125, 2));
    testsupport::TempDir Dossier;
    const std::string Pdf = (Dossier / "jours.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Vue->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
}

// The pop-up of a day view, opened and chosen from the keyboard, asks for
// another day and shows the same view on it.
TEST_F(DiversStatFenetre, ThePopUpEntryChangesTheDayOfTheView)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(1000, 700);
    Fenetre->show();
    ASSERT_TRUE(Fenetre->ExecuteCommande(27, 3));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "0-0"); // Lyon - Angers on day 3
    const size_t Formes = Dialogues.TitresFormes.size();
    ChoisitJour(5);
    QContextMenuEvent Clic(QContextMenuEvent::Mouse, QPoint(20, 20), Page()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(Page(), &Clic);
    ASSERT_TRUE(Page()->pm_ChangeJour->isVisible());
    QTest::keyClick(Page()->pm_ChangeJour, Qt::Key_Down);
    QTest::keyClick(Page()->pm_ChangeJour, Qt::Key_Return);
    EXPECT_EQ(Dialogues.TitresFormes.size(), Formes + 1);
    EXPECT_EQ(Page()->GetGenre(), 5);
    EXPECT_EQ(Page()->sg_Stats->GetTexte(1, 1), "2-0"); // day 5

    // The detailed report follows too; a cancelled choice keeps the day shown.
    ASSERT_TRUE(Fenetre->ExecuteCommande(26, 3));
    ASSERT_GT(Page()->e_Detail->GetNbLigne(), 0);
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Texte, "Lyon - Angers : 0 - 0");
    ChoisitJour(2);
    Page()->mi_ChangeJour->trigger();
    EXPECT_EQ(Page()->GetGenre(), 10);
    ASSERT_GT(Page()->e_Detail->GetNbLigne(), 0);
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Texte, "Lyon - Angers : 2 - 0");
    EXPECT_EQ(Dialogues.TitresFormes.size(), Formes + 2);
    Page()->mi_ChangeJour->trigger();
    EXPECT_EQ(Dialogues.TitresFormes.size(), Formes + 3);
    ASSERT_GT(Page()->e_Detail->GetNbLigne(), 0);
    EXPECT_EQ(Page()->e_Detail->GetLigne(1)->Texte, "Lyon - Angers : 2 - 0");
}

// The league dates its day-7 match, Lyon - Angers, on 21/09/2024, the day
// after the fixture's today.
class DiversStatCalendrier : public DiversStatFenetre {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto Saison = DiversStatFenetre::SaisonArchivee();
        TDonneesChampionnat* Ligue = Saison->GetChampCourant();
        Ligue->SetOption(11, 4);
        Ligue->AjouteMatchDate(7, 0, 9, EncodeDateMatch(21, 9, 2024), -1, TInfoComp::Aucun, TInfoComp::Aucun);
        return Saison;
    }

    QTableView* Jours() const { return Page()->bc_Calendrier->findChild<QTableView*>(); }
};

TEST_F(DiversStatCalendrier, TheKeysMoveTheDateAndCommand21ComesBackToToday)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->resize(1000, 700);
    Fenetre->show();
    ASSERT_TRUE(Fenetre->ExecuteCommande(21, -1));
    ASSERT_NE(Page(), nullptr);
    Tf_DiversStat* Calendrier = Page();
    EXPECT_EQ(Calendrier->bc_Calendrier->selectedDate(), QDate(2024, 9, 20));
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "");
    ASSERT_NE(Jours(), nullptr);

    // One day on with the arrow key: the match of the 21st.
    QTest::keyClick(Jours(), Qt::Key_Right);
    EXPECT_EQ(Calendrier->bc_Calendrier->selectedDate(), QDate(2024, 9, 21));
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(0, 1), "21/09/2024");
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "Lyon - Angers");
    // A week on: nothing that day.
    QTest::keyClick(Jours(), Qt::Key_Down);
    EXPECT_EQ(Calendrier->bc_Calendrier->selectedDate(), QDate(2024, 9, 28));
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "");
    QTest::keyClick(Jours(), Qt::Key_Up);
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "Lyon - Angers");

    // The command again on the kept page: today once more.
    ASSERT_TRUE(Fenetre->ExecuteCommande(21, -1));
    EXPECT_EQ(Page(), Calendrier);
    EXPECT_EQ(Calendrier->bc_Calendrier->selectedDate(), QDate(2024, 9, 20));
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "");
    // From another view of the same page as well.
    QTest::keyClick(Jours(), Qt::Key_Right);
    ASSERT_TRUE(Fenetre->ExecuteCommande(157, -1));
    EXPECT_EQ(Page(), Calendrier);
    ASSERT_TRUE(Fenetre->ExecuteCommande(21, -1));
    EXPECT_EQ(Calendrier->GetGenre(), 13);
    EXPECT_EQ(Calendrier->bc_Calendrier->selectedDate(), QDate(2024, 9, 20));
    EXPECT_EQ(Calendrier->sg_Stats->GetTexte(1, 1), "");
}

} // namespace
