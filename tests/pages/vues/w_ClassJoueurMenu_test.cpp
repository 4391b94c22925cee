// Every rankings entry of the main window's menu, players and referees:
// what its caption says is the ranking the page then shows.

#include "pages/vues/w_ClassJoueur.h"

#include "controls/ColorStringGrid.h"
#include "shell/ListeMenu.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

class MenuClassements : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonComplete(); }
};

TEST_F(MenuClassements, EachEntryShowsTheRankingItsCaptionNames)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    struct Entree {
        int Code;
        const char* Rubrique; // the heading the entry sits under
        const char* Libelle;
        const char* Titre; // heading of the ranking's value column
    };
    const Entree entrees[] = {
        {66, "Joueur", "Buteurs", "Buts"},
        {67, "Joueur", "Avertissements", "Avertissements"},
        {68, "Joueur", "Expulsions", "Expulsions"},
        {69, "Joueur", "Doublés", "Doublés"},
        {70, "Joueur", "Triplés", "Triplés"},
        {33, "Joueur", "Buts contre son camp", "Buts contre son camp"},
        {71, "Joueur", "Passes décisives", "Passes décisives"},
        {73, "Notes", "Gardien", "Note moyenne"},
        {72, "Notes", "Joueur", "Note moyenne"},
        {116, "Arbitres", "Penaltys sifflés", "Penaltys sifflés"},
        {117, "Arbitres", "Avertissements", "Avertissements"},
        {118, "Arbitres", "Expulsions", "Expulsions"},
        {119, "Arbitres", "Sévérité", "Sévérité"},
    };
    for (const Entree& e : entrees) {
        SCOPED_TRACE("command " + std::to_string(e.Code));
        QTreeWidgetItem* noeud = ChercheNoeud(Fenetre->tv_Menu, e.Code);
        ASSERT_NE(noeud, nullptr);
        ASSERT_NE(noeud->parent(), nullptr);
        EXPECT_EQ(noeud->parent()->text(0).toStdString(), e.Rubrique);
        EXPECT_EQ(noeud->text(0).toStdString(), e.Libelle);
        Fenetre->tv_Menu->setCurrentItem(noeud);
        auto* page = dynamic_cast<Tf_ClassJoueur*>(Fenetre->GetPageCourante());
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->sg_Classjoueurs->GetTexte(2, 0), e.Titre);
    }
}

} // namespace
