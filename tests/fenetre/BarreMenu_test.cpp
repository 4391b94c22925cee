// The menu bar in a real window, driven with the mouse: its menus opened and
// left, and the commands that rebuild the menus (a championship chosen, a file
// opened or closed) chosen from the very menus they rebuild.

#include "fenetre/FenetreReelle.h"

#include "base/FichierIni.h"
#include "model/Championnat.h"
#include "pagebase/Commande.h"
#include "shell/ListeMenu.h"
#include "shell/w_Favoris.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fenetretest;

class BarreMenuReelle : public FenetreReelle {
protected:
    void SetUp() override
    {
        FenetreReelle::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(TFichierIni(FichierIni()).WriteBool("General", "MenuHaut", true));
        Coupe = (Dossier / "coupe.xmc").string();
        fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", Coupe);
    }

    // The championships the menu bar offers, in its order.
    std::vector<int> ChampionnatsBarre() const
    {
        std::vector<int> ids;
        const std::function<void(const QList<QAction*>&)> parcourt = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                const int donnee = a->data().toInt();
                if (a->menu() != nullptr)
                    parcourt(a->menu()->actions());
                else if (donnee > 255 && (donnee & 255) == 0)
                    ids.push_back(donnee >> 8);
            }
        };
        parcourt(Fenetre->mm_Menu->actions());
        return ids;
    }

    int ChampionnatCourant() const
    {
        const TDonneesChampionnat* champ = Fenetre->GetSaison() ? Fenetre->GetSaison()->GetChampCourant() : nullptr;
        return champ != nullptr ? champ->CodeChamp : 0;
    }

    // The window at 800 pixels, as it starts, puts the last titles of the cup
    // season's bar behind the bar's extension button, whose menu runs a loop
    // of its own: widened, as a user does, the bar shows every title.
    void DemarreLarge()
    {
        Demarre();
        ASSERT_FALSE(HasFatalFailure());
        Fenetre->resize(1200, 800);
        ASSERT_TRUE(Attend([this] { return Fenetre->width() == 1200; }));
    }

    std::string Coupe;
};

TEST_F(BarreMenuReelle, ChaqueMenuDeLaBarreSOuvreEtSeQuitteSurLesDeuxSaisons)
{
    DemarreLarge();
    for (const std::string& fichier : {Fichier, Coupe}) {
        Ouvre(fichier);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(Fenetre->mm_Menu->isVisible());
        int titres = 0;
        int sousMenus = 0;
        for (QAction* titre : Fenetre->mm_Menu->actions()) {
            QMenu* menu = titre->menu();
            if (menu == nullptr)
                continue;
            CliqueArticle(*Fenetre->mm_Menu, titre);
            ASSERT_FALSE(HasFatalFailure());
            ++titres;
            for (QAction* article : menu->actions()) {
                QMenu* sous = article->menu();
                if (sous == nullptr)
                    continue;
                CliqueArticle(*menu, article);
                ASSERT_FALSE(HasFatalFailure());
                ++sousMenus;
                testsupport::EnvoieEchap(*sous);
                ASSERT_TRUE(Attend([&] { return !sous->isVisible(); })) << article->text().toStdString();
                EXPECT_TRUE(menu->isVisible()) << "Escape in a sub-menu closes its parent too";
            }
            // Escape closes one menu at a time: the title's, then the extension's, if any.
            while (QWidget* ouvert = QApplication::activePopupWidget()) {
                testsupport::EnvoieEchap(*ouvert);
                ASSERT_TRUE(Attend([ouvert] { return QApplication::activePopupWidget() != ouvert; }));
            }
        }
        EXPECT_GE(titres, 5) << fichier;
        EXPECT_GE(sousMenus, 3) << fichier;
        EXPECT_EQ(EtatDocument(), "");
        EXPECT_NE(Fenetre->GetSaison(), nullptr);
    }
}

// The menu bar is rebuilt for the championship chosen in it, while the
// item chosen is still being handled.
TEST_F(BarreMenuReelle, LeChampionnatSeChoisitDansLaBarreVingtFoisDeSuiteSurLesDeuxSaisons)
{
    DemarreLarge();
    for (const std::string& fichier : {Fichier, Coupe}) {
        Ouvre(fichier);
        ASSERT_FALSE(HasFatalFailure());
        const std::vector<int> ids = ChampionnatsBarre();
        ASSERT_GE(ids.size(), 2u) << fichier;
        // A view shown first: it is shown again in each championship chosen.
        const int vue = !CheminBarre(40).empty() ? 40 : 13;
        ChoisitDansBarre(vue);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(Attend([&] { return Fenetre->GetPageCourante() != nullptr; }));
        for (int fois = 0; fois < 20; ++fois) {
            const int id = fois % 2 == 0 ? ids.back() : ids.front();
            ChoisitDansBarre(id << 8);
            ASSERT_FALSE(HasFatalFailure()) << fichier << ", switch " << fois;
            ASSERT_TRUE(Attend([&] { return ChampionnatCourant() == id; })) << fichier << ", switch " << fois;
            ASSERT_TRUE(Attend([] { return QApplication::activePopupWidget() == nullptr; }));
        }
        EXPECT_EQ(ChampionnatCourant(), ids.front());
        EXPECT_NE(Fenetre->GetPageCourante(), nullptr) << "the view is not shown again";
        EXPECT_EQ(EtatDocument(), "");
    }
}

TEST_F(BarreMenuReelle, OuvrirUnFichierRecentEtFermerDepuisLaBarre)
{
    DemarreLarge();
    RepondOuverture(Fichier);
    ChoisitDansBarre(Commande::Ouvrir);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Attend([this] { return Fenetre->GetSaison() != nullptr; })) << "the season does not open";
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();
    EXPECT_EQ(Fenetre->FichierCourant, Fichier);

    RepondOuverture(Coupe);
    ChoisitDansBarre(Commande::Ouvrir);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Attend([this] { return Fenetre->FichierCourant == Coupe; }));
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();

    // Recent file 2, the one opened first.
    ChoisitDansBarre((2 << 8) + 255);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Attend([this] { return Fenetre->FichierCourant == Fichier; }));
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();
    EXPECT_EQ(Fenetre->GetFichiersRecents().front(), Fichier);

    ChoisitDansBarre(Commande::Fermer);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Attend([this] { return Fenetre->GetSaison() == nullptr; }));
    EXPECT_TRUE(CheminBarre(40).empty());
    EXPECT_FALSE(CheminBarre(Commande::Ouvrir).empty());
}

// The two dialogs that shape the menus, confirmed from the bar and from the
// tree: the menus are rebuilt from the handler of one of their own entries.
TEST_F(BarreMenuReelle, PersonnaliserLeMenuEtLesFavorisValidesDepuisLaBarreEtLArbre)
{
    DemarreLarge();
    Ouvre(Fichier);
    const auto valide = [this](QWidget& modal) {
        if (auto* favoris = qobject_cast<Tf_Favoris*>(&modal))
            Clique(*favoris->b_Valider);
        else if (auto* menus = qobject_cast<Tf_FavorisEx*>(&modal))
            Clique(*menus->b_Valider);
        else
            ADD_FAILURE() << modal.metaObject()->className();
    };
    for (const int code : {CodeMenu::Personnalisation, CodeMenu::Favoris}) {
        const std::size_t formes = Surveilles.Formes.size();
        Surveilles.Traite(valide);
        ChoisitDansBarre(code);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        Active();
        EXPECT_EQ(Surveilles.Formes.size(), formes + 1);

        Surveilles.Traite(valide);
        ASSERT_TRUE(CliqueNoeud(code));
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        Active();
        EXPECT_EQ(Surveilles.Formes.size(), formes + 2);
    }
    // Both views are still there, the season with them.
    EXPECT_FALSE(CheminBarre(40).empty());
    EXPECT_NE(Noeud(40), nullptr);
    EXPECT_EQ(EtatDocument(), "");
    EXPECT_TRUE(Surveilles.Blocages.empty());
}

} // namespace
