#include "shell/w_Favoris.h"

#include "base/FichierIni.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "controls/TreeViewCombo.h"
#include "platform/Ecran.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"

#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

class FavorisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
        Liste = ConstruitListeMenu();
        Menu = GetListeMenu(Liste);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TListeMenu Liste;
    std::vector<TEntreeListeMenu> Menu;
};

QTreeWidgetItem* NoeudCode(QTreeWidget* arbre, int code)
{
    QTreeWidgetItemIterator it(arbre);
    for (; *it != nullptr; ++it)
        if (CodeNoeudListe(*it) == code)
            return *it;
    return nullptr;
}

QTreeWidgetItem* NoeudTexte(QTreeWidget* arbre, const char* texte)
{
    const auto trouves = arbre->findItems(QString::fromUtf8(texte), Qt::MatchExactly | Qt::MatchRecursive);
    return trouves.isEmpty() ? nullptr : trouves.front();
}

// The distinct codes of the menu.
std::set<int> CodesMenu(const std::vector<TEntreeListeMenu>& menu)
{
    std::set<int> codes;
    for (const auto& e : menu)
        if (e.Code() != 0)
            codes.insert(e.Code());
    return codes;
}

std::set<int> Coches(TTreeViewCombo* arbre)
{
    std::set<int> codes;
    QTreeWidgetItemIterator it(arbre);
    for (; *it != nullptr; ++it) {
        const int etat = arbre->Etat(*it);
        if (CodeNoeudListe(*it) != 0 && (etat == TTreeViewCombo::Coche || etat == TTreeViewCombo::CocheGris))
            codes.insert(CodeNoeudListe(*it));
    }
    return codes;
}

} // namespace

TEST_F(FavorisTest, TreeIsRebuiltFromTheLevels)
{
    QTreeWidget arbre;
    ConstruitArbreNiveaux(&arbre, Menu);
    QTreeWidgetItem* fichier = arbre.topLevelItem(0);
    ASSERT_NE(fichier, nullptr);
    EXPECT_EQ(fichier->text(0).toStdString(), "Fichier");
    EXPECT_EQ(fichier->childCount(), 8);
    EXPECT_EQ(fichier->child(7)->text(0).toStdString(), "Quitter");
    // Two levels up at once: the player ratings (level 3) are followed by the referees (level 1).
    QTreeWidgetItem* gardien = NoeudCode(&arbre, 73);
    ASSERT_NE(gardien, nullptr);
    EXPECT_EQ(gardien->parent()->text(0).toStdString(), "Notes");
    EXPECT_EQ(gardien->parent()->parent()->text(0).toStdString(), "Joueur");
    QTreeWidgetItem* arbitres = NoeudCode(&arbre, 116)->parent();
    EXPECT_EQ(arbitres->text(0).toStdString(), "Arbitres");
    EXPECT_EQ(arbitres->parent()->text(0).toStdString(), "Classement");
    int racines = 0;
    for (const auto& e : Menu)
        racines += e.Niveau() == 0;
    EXPECT_EQ(arbre.topLevelItemCount(), racines);
}

TEST_F(FavorisTest, FavouritesAreAddedOnceRemovedAndReordered)
{
    Tf_Favoris f;
    f.RemplitListe(Menu, {40, 13, 999});
    // Shown in menu order.
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 40}));

    // A heading cannot be added, by the button or by a drop.
    f.tv_Option->setCurrentItem(NoeudTexte(f.tv_Option, "Classement"));
    EXPECT_FALSE(f.Button1->isEnabled());
    f.Button1Click();
    f.lb_Fonctions->OnDepot();
    EXPECT_EQ(f.Codes().size(), 2u);

    f.tv_Option->setCurrentItem(NoeudCode(f.tv_Option, 41));
    EXPECT_TRUE(f.Button1->isEnabled());
    f.Button1->click();
    f.Button1Click();
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 40, 41}));
    // A drop from the tree adds its selection; other sources are refused.
    EXPECT_TRUE(f.lb_Fonctions->AccepteSource(f.tv_Option));
    EXPECT_FALSE(f.lb_Fonctions->AccepteSource(f.lb_Fonctions));
    EXPECT_FALSE(f.lb_Fonctions->AccepteSource(nullptr));
    f.tv_Option->setCurrentItem(NoeudCode(f.tv_Option, 197));
    f.lb_Fonctions->OnDepot();
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 40, 41, 197}));
    EXPECT_EQ(f.lb_Fonctions->item(3)->text().toStdString(), "A propos...");

    // Up from index 1 on, down up to the last but one; the item stays selected.
    f.lb_Fonctions->setCurrentRow(0);
    f.sb_Up->click();
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 40, 41, 197}));
    f.lb_Fonctions->setCurrentRow(2);
    f.sb_Up->click();
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 41, 40, 197}));
    EXPECT_EQ(f.lb_Fonctions->currentRow(), 1);
    EXPECT_TRUE(f.lb_Fonctions->currentItem()->isSelected());
    f.sb_Down->click();
    f.sb_Down->click();
    f.sb_Down->click();
    EXPECT_EQ(f.Codes(), (std::vector<int>{13, 40, 197, 41}));

    // Several selected items go at once; Delete does the same.
    f.lb_Fonctions->clearSelection();
    f.lb_Fonctions->item(0)->setSelected(true);
    f.lb_Fonctions->item(2)->setSelected(true);
    f.Button2->click();
    EXPECT_EQ(f.Codes(), (std::vector<int>{40, 41}));
    f.lb_Fonctions->clearSelection();
    f.lb_Fonctions->item(1)->setSelected(true);
    QTest::keyClick(f.lb_Fonctions, Qt::Key_Delete);
    EXPECT_EQ(f.Codes(), (std::vector<int>{40}));
}

TEST_F(FavorisTest, CustomisationTreeStartsFromTheShownCodes)
{
    Tf_FavorisEx f;
    EXPECT_EQ(f.cb_modes->count(), 4);
    EXPECT_EQ(f.cb_modes->currentIndex(), Tf_FavorisEx::Personnalise);
    EXPECT_EQ(f.cb_modes->itemText(0).toStdString(), "Débutant");

    // Empty: everything checked, the locked codes and their headings grey.
    f.RemplitArbre(Menu, {}, false, true);
    EXPECT_EQ(Coches(f.tvc_Option), CodesMenu(Menu));
    EXPECT_TRUE(f.CodesAffiches().empty());
    EXPECT_EQ(f.tvc_Option->Etat(NoeudCode(f.tvc_Option, 5)), TTreeViewCombo::CocheGris);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Fichier")), TTreeViewCombo::CocheGris);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Classement")), TTreeViewCombo::Coche);
    EXPECT_FALSE(f.MenuHaut());
    EXPECT_TRUE(f.MenuGauche());

    // A list: only its codes and the locked ones; headings unchecked unless grey.
    f.RemplitArbre(Menu, {40, 13}, true, false);
    std::set<int> attendu(CodesVerrouilles().begin(), CodesVerrouilles().end());
    attendu.insert({40, 13});
    EXPECT_EQ(Coches(f.tvc_Option), attendu);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Classement")), TTreeViewCombo::NonCoche);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Aide")), TTreeViewCombo::NonCocheGris);
    EXPECT_TRUE(f.MenuHaut());
    EXPECT_FALSE(f.MenuGauche());

    // Locked codes cannot be unticked, one by one or through their heading.
    f.tvc_Option->ChangeEtat(NoeudCode(f.tvc_Option, 7), -1);
    f.tvc_Option->ChangeEtat(NoeudTexte(f.tvc_Option, "Fichier"), -1);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudCode(f.tvc_Option, 7)), TTreeViewCombo::CocheGris);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudCode(f.tvc_Option, 12)), TTreeViewCombo::CocheGris);
    const std::vector<int> affiches = f.CodesAffiches();
    for (int code : CodesVerrouilles())
        EXPECT_NE(std::find(affiches.begin(), affiches.end(), code), affiches.end()) << code;
    // A plain command is toggled.
    f.tvc_Option->ChangeEtat(NoeudCode(f.tvc_Option, 40), -1);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudCode(f.tvc_Option, 40)), TTreeViewCombo::NonCoche);
}

TEST_F(FavorisTest, EachModeSelectsItsExactCodes)
{
    EXPECT_EQ(Tf_FavorisEx::CodesMode(Tf_FavorisEx::Debutant).size(), 71u);
    EXPECT_EQ(Tf_FavorisEx::CodesMode(Tf_FavorisEx::Amateur).size(), 106u);
    const std::set<int> menu = CodesMenu(Menu);
    const std::set<int> verrouilles(CodesVerrouilles().begin(), CodesVerrouilles().end());

    Tf_FavorisEx f;
    f.RemplitArbre(Menu, {40}, true, true);
    for (int mode : {Tf_FavorisEx::Debutant, Tf_FavorisEx::Amateur}) {
        f.ChoisitMode(mode);
        std::set<int> attendu = verrouilles;
        for (int code : Tf_FavorisEx::CodesMode(mode))
            if (menu.count(code))
                attendu.insert(code);
        EXPECT_EQ(Coches(f.tvc_Option), attendu) << mode;
        // Grey nodes are untouched, headings unchecked.
        EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Fichier")), TTreeViewCombo::NonCocheGris);
        EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Classement")), TTreeViewCombo::NonCoche);
    }
    EXPECT_EQ(Coches(f.tvc_Option).count(43), 1u);
    f.ChoisitMode(Tf_FavorisEx::Debutant);
    EXPECT_EQ(Coches(f.tvc_Option).count(43), 0u);
    const std::set<int> debutant = Coches(f.tvc_Option);
    f.ChoisitMode(Tf_FavorisEx::Personnalise);
    EXPECT_EQ(Coches(f.tvc_Option), debutant);
    f.ChoisitMode(Tf_FavorisEx::Professionnel);
    EXPECT_EQ(Coches(f.tvc_Option), menu);
    EXPECT_EQ(f.tvc_Option->Etat(NoeudTexte(f.tvc_Option, "Classement")), TTreeViewCombo::Coche);
    EXPECT_TRUE(f.CodesAffiches().empty()); // every command: stored as "all"
}

TEST_F(FavorisTest, OneMenuPositionIsRequired)
{
    testsupport::TMessagesScriptes messages;
    Tf_FavorisEx f;
    f.RemplitArbre(Menu, {}, false, true);
    f.setModal(true);
    f.show();
    f.cb_MenuGauche->SetChecked(false);
    f.b_Valider->Click();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(1301));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok);
    EXPECT_TRUE(f.isVisible());
    f.cb_MenuHaut->SetChecked(true);
    f.b_Valider->Click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), ResultatModal::Ok);
    EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST_F(FavorisTest, SettingsThatCannotBeWrittenAreSaid)
{
    testsupport::TempDir dossier;
    const std::string absent = (dossier / "absent" / "brevalune.ini").string();
    TFichierIni ini(absent);
    testsupport::TDialoguesScriptes dialogues;
    testsupport::TMessagesScriptes messages;
    TEtatMenu etat;
    dialogues.Repond([](QDialog& d) { dynamic_cast<Tf_Favoris&>(d).b_Valider->Click(); });
    EXPECT_TRUE(OuvreFavoris(CodeMenu::Favoris, Liste, ini, etat));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2341, {absent}));
}

TEST_F(FavorisTest, CommandsWriteTheSettingsAndTheMenusFollow)
{
    testsupport::TempDir dossier;
    TFichierIni ini((dossier / "brevalune.ini").string());
    testsupport::TDialoguesScriptes dialogues;
    auto saison = testsupport::CreeSaisonComplete();
    TEtatMenu etat;
    etat.Saison = saison.get();
    etat.SetEtatFichier(true, true);
    LitReglagesMenu(ini, etat);

    // Favourites: 41 then 13 added and 13 moved up.
    dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Favoris&>(d);
        f.tv_Option->setCurrentItem(NoeudCode(f.tv_Option, 41));
        f.Button1Click();
        f.tv_Option->setCurrentItem(NoeudCode(f.tv_Option, 13));
        f.Button1Click();
        f.lb_Fonctions->setCurrentRow(1);
        f.sb_UpClick();
        f.b_Valider->Click();
    });
    ASSERT_TRUE(OuvreFavoris(CodeMenu::Favoris, Liste, ini, etat));
    EXPECT_EQ(ini.ReadString("General", "Favoris", "?"), "13-41");
    EXPECT_EQ(ini.ReadString("General", "FavorisEx", "?"), "");
    EXPECT_TRUE(ini.ValueExists("General", "MenuHaut"));
    EXPECT_TRUE(ini.ReadBool("General", "MenuGauche", false));

    // Customisation: the beginner's mode, the menu on top as well.
    dialogues.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_FavorisEx&>(d);
        f.ChoisitMode(Tf_FavorisEx::Debutant);
        f.cb_MenuHaut->SetChecked(true);
        f.b_Valider->Click();
    });
    ASSERT_TRUE(OuvreFavoris(CodeMenu::Personnalisation, Liste, ini, etat));
    TEtatMenu relu;
    LitReglagesMenu(ini, relu);
    EXPECT_EQ(relu.Favoris, (std::vector<int>{13, 41}));
    EXPECT_TRUE(relu.MenuHaut);
    EXPECT_TRUE(relu.MenuGauche);
    EXPECT_EQ(relu.Filtre, etat.Filtre);
    EXPECT_EQ(std::count(relu.Filtre.begin(), relu.Filtre.end(), 43), 0);

    // The rebuilt menus: the favourites with their shortcuts, 43 hidden, 40 and the locked codes kept.
    const TModeleMenus m = ConstruitModeleMenus(Liste, etat);
    std::set<std::string> libelles;
    std::set<int> codes;
    std::function<void(const std::vector<std::unique_ptr<TNoeudMenu>>&)> parcourt =
        [&](const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds) {
            for (const auto& n : noeuds) {
                libelles.insert(n->Libelle);
                codes.insert(n->Donnee);
                parcourt(n->Enfants);
            }
        };
    parcourt(m.Arbre);
    EXPECT_TRUE(libelles.count("Résultats (ctrl+1)"));
    EXPECT_TRUE(libelles.count("Domicile (ctrl+2)"));
    EXPECT_FALSE(codes.count(43));
    EXPECT_TRUE(codes.count(40) && codes.count(7) && codes.count(215));
    EXPECT_FALSE(m.Barre.empty());

    // Cancel changes nothing.
    const std::string avant = testsupport::ReadWholeFile(dossier / "brevalune.ini");
    dialogues.RepondResultat(ResultatModal::Annuler);
    EXPECT_FALSE(OuvreFavoris(CodeMenu::Favoris, Liste, ini, etat));
    EXPECT_EQ(testsupport::ReadWholeFile(dossier / "brevalune.ini"), avant);
    EXPECT_FALSE(OuvreFavoris(12, Liste, ini, etat));
}

namespace {

} // namespace

TEST(FavorisFenetre, TheWindowsCommandsRebuildItsMenus)
{
    namespace fs = std::filesystem;
    testsupport::TempDir dossier;
    const fs::path avant = fs::current_path();
    testsupport::CopieDossierProgramme(dossier.path());
    testsupport::TEcranFixe ecran;
    testsupport::TDialoguesScriptes dialogues;
    testsupport::TMessagesScriptes messages;
    {
        Tf_Principale f(dossier.str());
        dialogues.Repond([](QDialog& d) {
            auto& favoris = dynamic_cast<Tf_Favoris&>(d);
            favoris.tv_Option->setCurrentItem(NoeudCode(favoris.tv_Option, 179));
            favoris.Button1Click();
            favoris.b_Valider->Click();
        });
        f.ExecuteCommande(CodeMenu::Favoris);
        ASSERT_EQ(f.tv_Menu->topLevelItem(1)->text(0).toStdString(), "Favoris");
        EXPECT_EQ(f.tv_Menu->topLevelItem(1)->child(0)->text(0).toStdString(), "Langue (ctrl+1)");

        dialogues.Repond([](QDialog& d) {
            auto& ex = dynamic_cast<Tf_FavorisEx&>(d);
            ex.ChoisitMode(Tf_FavorisEx::Debutant);
            ex.cb_MenuHaut->SetChecked(true);
            ex.b_Valider->Click();
        });
        f.ExecuteCommande(CodeMenu::Personnalisation);
        EXPECT_FALSE(f.mm_Menu->isHidden());
        // No beginner's command: the update check and the history pages, whose heading goes too.
        EXPECT_EQ(ChercheNoeud(f.tv_Menu, 11), nullptr);
        EXPECT_EQ(ChercheNoeud(f.tv_Menu, 202), nullptr);
        EXPECT_TRUE(f.tv_Menu->findItems("Historique", Qt::MatchExactly).isEmpty());
        EXPECT_NE(ChercheNoeud(f.tv_Menu, 179), nullptr);
        EXPECT_NE(ChercheNoeud(f.tv_Menu, 6), nullptr);
        TFichierIni ini(f.GetFichierIni());
        EXPECT_EQ(ini.ReadString("General", "Favoris", ""), "179");
        EXPECT_TRUE(ini.ReadBool("General", "MenuHaut", false));
    }
    fs::current_path(avant);
}
