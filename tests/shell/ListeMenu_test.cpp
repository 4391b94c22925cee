#include "shell/ListeMenu.h"

#include "base/FichierIni.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "pagebase/Commande.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class ListeMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto t = std::make_unique<TTraducteur>("texte/Textefr.txt");
        t->SetNomProduit("Brevalune");
        InstalleTraducteur(std::move(t));
        Liste = ConstruitListeMenu();
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // A season open in the window, its current championship the league or the cup.
    void OuvreSaison(bool coupe, uint8_t option11 = 0)
    {
        Saison = testsupport::CreeSaisonComplete();
        Saison->SetNumChampCourant(coupe ? 2 : 1);
        Saison->GetChampCourant()->SetOption(11, option11);
        Etat.Saison = Saison.get();
        Etat.SetEtatFichier(true, true);
    }

    TModeleMenus Modele() const { return ConstruitModeleMenus(Liste, Etat); }

    TListeMenu Liste;
    TEtatMenu Etat;
    std::unique_ptr<TSaisonFootball> Saison;
};

// The named codes are exactly the table's commands, plus the print command
// the window adds itself.
TEST_F(ListeMenuTest, ChaqueCommandeDeLaTableANom)
{
    std::set<int> table{Commande::Imprimer, Commande::ExportePageHtml};
    for (const auto& e : Liste)
        if (e->Code >= CodeMenu::PremiereCommande)
            table.insert(e->Code);
    const std::set<int> noms(Commande::Toutes.begin(), Commande::Toutes.end());
    EXPECT_EQ(noms.size(), Commande::Toutes.size()) << "a code named twice";
    EXPECT_EQ(noms, table);
    EXPECT_TRUE(std::is_sorted(Commande::Toutes.begin(), Commande::Toutes.end()));
}

// The tree as lines: one blank per depth, then the caption.
void Aplatit(const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds, std::vector<std::string>& lignes,
             int profondeur = 0)
{
    for (const auto& n : noeuds) {
        lignes.push_back(std::string(profondeur, ' ') + n->Libelle);
        Aplatit(n->Enfants, lignes, profondeur + 1);
    }
}

std::vector<std::string> Lignes(const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds)
{
    std::vector<std::string> lignes;
    Aplatit(noeuds, lignes);
    return lignes;
}

void Codes(const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds, std::set<int>& codes)
{
    for (const auto& n : noeuds) {
        codes.insert(n->Donnee);
        Codes(n->Enfants, codes);
    }
}

std::set<int> Codes(const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds)
{
    std::set<int> codes;
    Codes(noeuds, codes);
    return codes;
}

const TNoeudMenu* Cherche(const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds, const std::string& libelle)
{
    for (const auto& n : noeuds) {
        if (n->Libelle == libelle)
            return n.get();
        if (const TNoeudMenu* r = Cherche(n->Enfants, libelle))
            return r;
    }
    return nullptr;
}

} // namespace

TEST_F(ListeMenuTest, TableHoldsEveryDefinitionWithTranslatedCaptions)
{
    ASSERT_EQ(Liste.size(), 159u);
    const int ancres[] = {8, 10, 148};
    EXPECT_EQ(Liste[8]->Niveau(), NiveauMenu::AncreRecents);
    EXPECT_EQ(Liste[10]->Niveau(), NiveauMenu::AncreFavoris);
    EXPECT_EQ(Liste[148]->Niveau(), NiveauMenu::AncreChampionnats);
    for (int i : ancres) {
        EXPECT_EQ(Liste[i]->Groupe(), Liste[i]->Niveau());
        EXPECT_TRUE(Liste[i]->Libelle.empty());
    }
    // Every caption exists in both languages.
    TTraducteur anglais("texte/Texteen.txt");
    for (size_t i = 0; i < Liste.size(); ++i) {
        if (std::find(std::begin(ancres), std::end(ancres), static_cast<int>(i)) != std::end(ancres))
            continue;
        EXPECT_FALSE(Liste[i]->Libelle.empty()) << "row " << i + 1 << " text " << Liste[i]->IdTexte;
        EXPECT_FALSE(anglais.Traduit(Liste[i]->IdTexte).empty()) << "text " << Liste[i]->IdTexte;
    }
    for (int id : {TexteMenu::Recents, TexteMenu::Favoris, TexteMenu::Imprimer})
        EXPECT_FALSE(Traduit(id).empty() || anglais.Traduit(id).empty()) << id;
    EXPECT_EQ(Liste[158]->Libelle, "Aide de Brevalune");
    EXPECT_EQ(Liste[158]->Code, 198);
    EXPECT_EQ(Liste[11]->Niveau(), NiveauMenu::BarreSeule);
    EXPECT_EQ(Liste[12]->Cle, (1u << 8) + 0u);
}

TEST_F(ListeMenuTest, WithoutFileOnlyFileIndependentCommandsShow)
{
    Etat.MenuHaut = true;
    const TModeleMenus m = Modele();
    const std::vector<std::string> attendu = {"Fichier",
                                              " Nouvelle saison...",
                                              " Ouvrir...",
                                              " Importer...",
                                              " Mise à jour",
                                              " Quitter",
                                              "Historique",
                                              " Saisie des résultats",
                                              " Confrontations",
                                              " Tableau des résultats",
                                              " Classements",
                                              "Options",
                                              " Gérer les favoris",
                                              " Personnaliser le menu",
                                              " Langue",
                                              " Affichage",
                                              "Aide",
                                              " A propos...",
                                              " Aide de Brevalune"};
    EXPECT_EQ(Lignes(m.Arbre), attendu);
    // The menu bar follows its own hierarchy: the history heading stands one
    // level below the last top item kept.
    EXPECT_EQ(Lignes(m.Barre)[0], "Fichier");
    std::set<int> barre = Codes(m.Barre);
    EXPECT_EQ(barre, Codes(m.Arbre));
    // C4-C6 are ignored without a season: a season held but no file open changes nothing.
    Saison = testsupport::CreeSaisonComplete();
    Saison->SetNumChampCourant(2);
    Etat.Saison = Saison.get();
    Etat.SetEtatFichier(false, false);
    Etat.Saison = nullptr; // the window drops the season on close
    EXPECT_EQ(Lignes(Modele().Arbre), attendu);
}

TEST_F(ListeMenuTest, LeagueAndCupFollowTheChampionshipConditions)
{
    OuvreSaison(false);
    const std::set<int> ligue = Codes(Modele().Arbre);
    for (int code : {7, 8, 9, 13, 14, 18, 21, 40, 41, 42, 43, 44, 45, 62, 63, 153, 154, 155, 162, 163, 170, 192, 193})
        EXPECT_TRUE(ligue.count(code)) << code;
    EXPECT_TRUE(Cherche(Modele().Arbre, "Saison") != nullptr);

    OuvreSaison(true);
    const std::set<int> coupe = Codes(Modele().Arbre);
    for (int code : {40, 41, 42, 43, 44, 45, 153, 154, 155, 163})
        EXPECT_FALSE(coupe.count(code)) << code;
    for (int code : {62, 63, 64, 65, 162, 164})
        EXPECT_TRUE(coupe.count(code)) << code;
    // The team-standings heading keeps its other children.
    const TModeleMenus m = Modele();
    const TNoeudMenu* equipes = Cherche(m.Arbre, "Classement")->Enfants[0].get();
    EXPECT_EQ(equipes->Libelle, "Equipes");
    EXPECT_EQ(equipes->Enfants.front()->Donnee, 64);

    OuvreSaison(false, 2); // neutral grounds
    const std::set<int> neutre = Codes(Modele().Arbre);
    for (int code : {41, 42, 43, 63, 162})
        EXPECT_FALSE(neutre.count(code)) << code;
    EXPECT_TRUE(neutre.count(40) && neutre.count(44) && neutre.count(163));

    OuvreSaison(false, 8); // calendar by date
    const std::set<int> dates = Codes(Modele().Arbre);
    for (int code : {153, 154, 217, 218, 161, 163, 164, 165, 170, 173})
        EXPECT_FALSE(dates.count(code)) << code;
    EXPECT_TRUE(dates.count(155) && dates.count(162) && dates.count(171));
}

TEST_F(ListeMenuTest, SeasonWithoutCurrentChampionshipCountsAsNone)
{
    auto vide = std::make_unique<TSaisonFootball>();
    Etat.Saison = vide.get();
    Etat.SetEtatFichier(true, true);
    const std::set<int> codes = Codes(Modele().Arbre);
    // Cup-hidden and date-hidden rows are all there: C4-C6 are not evaluated.
    for (int code : {40, 41, 154, 163, 170})
        EXPECT_TRUE(codes.count(code)) << code;
    EXPECT_TRUE(ListeChampionnats(*vide).Noeuds.empty());
}

TEST_F(ListeMenuTest, FavouritesAreNumberedByStoredPosition)
{
    OuvreSaison(true);
    Etat.MenuHaut = true;
    // 41 is hidden in a cup, 250 is no command: their numbers stay free.
    Etat.Favoris = {13, 41, 250, 62, 5, 6, 7, 8, 9, 21, 12};
    const TModeleMenus m = Modele();
    ASSERT_GE(m.Arbre.size(), 2u);
    const TNoeudMenu& favoris = *m.Arbre[1];
    EXPECT_EQ(favoris.Libelle, "Favoris");
    EXPECT_EQ(favoris.Donnee, CodeMenu::TitreGenere);
    EXPECT_EQ(Lignes(favoris.Enfants),
              (std::vector<std::string>{"Résultats (ctrl+1)", "Fair-play (ctrl+4)", "Nouvelle saison... (ctrl+5)",
                                        "Ouvrir... (ctrl+6)", "Enregistrer (ctrl+7)", "Enregistrer sous... (ctrl+8)",
                                        "Fermer (ctrl+9)", "Calendrier (ctrl+0)", "Quitter"}));
    EXPECT_EQ(favoris.Enfants[0]->Donnee, 13);
    EXPECT_EQ(favoris.Couleur, CouleurMenu::TitreGenere);
    EXPECT_EQ(favoris.Enfants[0]->Couleur, CouleurMenu::Favori);
    EXPECT_EQ(Lignes(m.Barre[1]->Enfants), Lignes(favoris.Enfants));

    // The shortcuts run only commands that are visible.
    EXPECT_EQ(CodeFavori(Liste, Etat, 1), 13);
    EXPECT_EQ(CodeFavori(Liste, Etat, 2), 0);
    EXPECT_EQ(CodeFavori(Liste, Etat, 3), 0);
    EXPECT_EQ(CodeFavori(Liste, Etat, 4), 62);
    EXPECT_EQ(CodeFavori(Liste, Etat, 5), 5);
    EXPECT_EQ(CodeFavori(Liste, Etat, 11), 12);
    EXPECT_EQ(CodeFavori(Liste, Etat, 12), 0);
    Etat.SetEtatFichier(false, false);
    Etat.Saison = nullptr;
    EXPECT_EQ(CodeFavori(Liste, Etat, 1), 0); // no file: no results page
    EXPECT_EQ(CodeFavori(Liste, Etat, 0), 0);

    // No visible favourite: no heading.
    Etat.Favoris = {41, 250};
    EXPECT_EQ(Cherche(Modele().Arbre, "Favoris"), nullptr);
}

TEST_F(ListeMenuTest, MenuFilterHidesUnlistedCommandsButNeverLockedOnes)
{
    OuvreSaison(false);
    Etat.Filtre = {40, 13};
    const TModeleMenus m = Modele();
    EXPECT_EQ(Lignes(m.Arbre), (std::vector<std::string>{"Fichier",
                                                         " Nouvelle saison...",
                                                         " Ouvrir...",
                                                         " Enregistrer",
                                                         " Enregistrer sous...",
                                                         " Fermer",
                                                         " Quitter",
                                                         "Saisie",
                                                         " Résultats",
                                                         "Classement",
                                                         " Equipes",
                                                         "  Classement général",
                                                         "#1",
                                                         " #101",
                                                         " Ma coupe",
                                                         "Options",
                                                         " Gérer les favoris",
                                                         " Personnaliser le menu",
                                                         "Aide",
                                                         " A propos...",
                                                         " Aide de Brevalune"}));
    // Favourites are not filtered.
    Etat.Favoris = {62};
    EXPECT_NE(Cherche(Modele().Arbre, "Fair-play (ctrl+1)"), nullptr);
}

TEST_F(ListeMenuTest, RecentFilesGoWhereTheAnchorStands)
{
    Etat.MenuHaut = true;
    EXPECT_EQ(Cherche(Modele().Arbre, "Fichiers récents"), nullptr);
    Etat.FichiersRecents = {"/home/u/saisons/ligue.xmc", "C:\\foot\\coupe.xmc"};
    const TModeleMenus m = Modele();
    const TNoeudMenu& fichier = *m.Arbre[0];
    ASSERT_EQ(fichier.Enfants.size(), 6u);
    const TNoeudMenu& recents = *fichier.Enfants[4];
    EXPECT_EQ(recents.Libelle, "Fichiers récents");
    EXPECT_EQ(fichier.Enfants[5]->Libelle, "Quitter");
    EXPECT_EQ(Lignes(recents.Enfants), (std::vector<std::string>{"ligue.xmc", "coupe.xmc"}));
    EXPECT_EQ(recents.Enfants[1]->Donnee, (2 << 8) + 255);
    EXPECT_EQ(recents.Enfants[0]->Indice, "/home/u/saisons/ligue.xmc");
    EXPECT_EQ(recents.Enfants[0]->Couleur, CouleurMenu::Titre);
    const TNoeudMenu* barre = Cherche(m.Barre, "Fichiers récents");
    ASSERT_NE(barre, nullptr);
    EXPECT_EQ(barre->Enfants[1]->Libelle, "C:\\foot\\coupe.xmc");
}

TEST_F(ListeMenuTest, TreeColoursFollowTheNodeKinds)
{
    OuvreSaison(false);
    const TModeleMenus m = Modele();
    const TNoeudMenu* classement = Cherche(m.Arbre, "Classement");
    EXPECT_EQ(classement->Couleur, CouleurMenu::Titre);
    EXPECT_EQ(classement->Enfants[0]->Couleur, CouleurMenu::Titre);
    EXPECT_EQ(classement->Enfants[0]->Enfants[0]->Couleur, CouleurMenu::Commande);
    const TNoeudMenu* aide = Cherche(m.Arbre, "Aide");
    EXPECT_EQ(aide->Donnee, 3);
    EXPECT_EQ(aide->Enfants[0]->Couleur, CouleurMenu::Commande);
}

TEST_F(ListeMenuTest, ChampionshipsOfTheSeasonGoAtTheirAnchor)
{
    OuvreSaison(false);
    Saison->VideDesc();
    Saison->AjouteDesc("France", 1, 0);
    Saison->AjouteDesc("Ligue", 3, 1);
    Saison->AjouteDesc("Fantôme", 3, 77); // no such championship
    Saison->AjouteDesc("Coupes", 2, 0);
    Saison->AjouteDesc("Coupe A", 3, 2);
    Saison->AjouteDesc("Coupe B", 3, 1);
    Saison->AjouteDesc("Seule", 2, 0); // one championship: no sub-group
    Saison->AjouteDesc("Unique", 3, 2);
    const TChampionnatsMenu c = ListeChampionnats(*Saison);
    EXPECT_EQ(Lignes(c.Noeuds),
              (std::vector<std::string>{"France", " Ligue", " Coupes", "  Coupe A", "  Coupe B", " Unique"}));
    EXPECT_EQ(c.Noeuds[0]->Donnee, 255);
    EXPECT_EQ(c.Noeuds[0]->Enfants[0]->Donnee, 1 << 8);
    ASSERT_EQ(c.Titres.size(), 4u);
    EXPECT_EQ(c.Titres[0], (std::pair<std::string, int>{"France : Ligue", 1}));
    EXPECT_EQ(c.Titres[1], (std::pair<std::string, int>{"France : Coupes - Coupe A", 2}));
    EXPECT_EQ(c.Titres[3], (std::pair<std::string, int>{"France : Unique", 2}));

    // In the tree: after the season heading, before the options.
    const std::vector<std::string> lignes = Lignes(Modele().Arbre);
    const auto saison = std::find(lignes.begin(), lignes.end(), "Saison");
    const auto france = std::find(lignes.begin(), lignes.end(), "France");
    const auto options = std::find(lignes.begin(), lignes.end(), "Options");
    EXPECT_TRUE(saison < france && france < options);
}

TEST_F(ListeMenuTest, ListForTheDialogsCarriesLevelsAndCodes)
{
    const std::vector<TEntreeListeMenu> l = GetListeMenu(Liste);
    EXPECT_EQ(l.size(), 154u); // without the anchors and the two bar-only headings
    EXPECT_EQ(l[0].Libelle, "Fichier");
    EXPECT_EQ(l[0].Objet, 1 << 16);
    EXPECT_EQ(l[1].Objet, (2 << 16) + 5);
    EXPECT_EQ(l[1].Niveau(), 1);
    EXPECT_EQ(l[1].Code(), 5);
    const auto aide = std::find_if(l.begin(), l.end(), [](const TEntreeListeMenu& e) { return e.Libelle == "Aide"; });
    ASSERT_NE(aide, l.end());
    EXPECT_EQ(aide->Objet, 1 << 16); // heading code 3 reads as 0
}

TEST(CodesMenu, SplitJoinAndRead)
{
    EXPECT_TRUE(DecoupeCodes("").empty());
    EXPECT_EQ(DecoupeCodes("12-x-40--7"), (std::vector<int>{12, 0, 40, 0, 7}));
    EXPECT_EQ(JointCodes({5, 40, 215}), "5-40-215");
    EXPECT_EQ(JointCodes({}), "");
    testsupport::TempDir dossier;
    TFichierIni ini((dossier / "brevalune.ini").string());
    TEtatMenu etat;
    LitReglagesMenu(ini, etat);
    EXPECT_FALSE(etat.MenuHaut);
    EXPECT_TRUE(etat.MenuGauche);
    EXPECT_TRUE(etat.Favoris.empty() && etat.Filtre.empty());
    ini.WriteString("General", "Favoris", "13-40");
    ini.WriteString("General", "FavorisEx", "5-6");
    ini.WriteBool("General", "MenuHaut", true);
    ini.WriteBool("General", "MenuGauche", false);
    LitReglagesMenu(ini, etat);
    EXPECT_EQ(etat.Favoris, (std::vector<int>{13, 40}));
    EXPECT_EQ(etat.Filtre, (std::vector<int>{5, 6}));
    EXPECT_TRUE(etat.MenuHaut);
    EXPECT_FALSE(etat.MenuGauche);
    for (int code : CodesVerrouilles())
        EXPECT_TRUE(CodeVerrouille(code));
    EXPECT_FALSE(CodeVerrouille(13));
}

TEST_F(ListeMenuTest, QtViewsAreRebuiltWholly)
{
    QTreeWidget arbre;
    QMenuBar barre;
    std::vector<std::tuple<int, int, std::string>> appels;
    const TExecuteMenu execute = [&](int code, int param, const std::string& libelle) {
        appels.emplace_back(code, param, libelle);
    };
    OuvreSaison(false);
    Etat.MenuHaut = true;
    Etat.Favoris = {40};
    Saison->VideDesc();
    Saison->AjouteDesc("Barrage & montée", 1, 0);
    Saison->AjouteDesc("Ligue", 3, 1);
    ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
    const int enSaison = barre.actions().size();
    ASSERT_GT(enSaison, 5);

    QTreeWidgetItem* noeud = ChercheNoeud(&arbre, 40);
    ASSERT_NE(noeud, nullptr);
    EXPECT_EQ(noeud->text(0).toStdString(), "Classement général"); // not the favourite
    EXPECT_EQ(DonneeNoeud(noeud), 40);
    EXPECT_EQ(noeud->foreground(0).color(), QColor(0x3A, 0xB8, 0xFC));
    EXPECT_EQ(DonneeNoeud(ChercheNoeud(&arbre, 1 << 8)), 1 << 8);
    ASSERT_NE(ChercheMenu(&barre, 2), nullptr);
    EXPECT_EQ(ChercheMenu(&barre, 2)->title().toStdString(), "Options");

    // A click in the bar runs the command with its caption.
    QMenu* aide = ChercheMenu(&barre, 3);
    ASSERT_NE(aide, nullptr);
    aide->actions().front()->trigger();
    ASSERT_EQ(appels.size(), 1u);
    EXPECT_EQ(appels[0], (std::tuple<int, int, std::string>{197, -1, "A propos..."}));
    // '&' stays a character of the caption.
    const QList<QAction*> actions = barre.actions();
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(),
                            [](QAction* a) { return a->text() == QStringLiteral("Barrage && montée"); }));

    // Closing the file: nothing of the season stays in either view.
    Etat.Saison = nullptr;
    Etat.SetEtatFichier(false, false);
    ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
    EXPECT_EQ(ChercheNoeud(&arbre, 40), nullptr);
    EXPECT_EQ(ChercheNoeud(&arbre, 1 << 8), nullptr);
    EXPECT_LT(barre.actions().size(), enSaison);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(barre.findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size(), barre.actions().size());
    EXPECT_EQ(arbre.topLevelItemCount(), 4);
    for (QAction* a : barre.actions())
        EXPECT_NE(a->text().toStdString(), "Classement");

    // Without MenuHaut the bar is empty, without MenuGauche the tree.
    Etat.MenuHaut = false;
    Etat.MenuGauche = false;
    ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
    EXPECT_TRUE(barre.actions().isEmpty());
    EXPECT_EQ(arbre.topLevelItemCount(), 0);
}

// A command chosen in a view may rebuild that view: what it was chosen in
// lives on until the event loop has it back.
TEST_F(ListeMenuTest, AViewRebuiltFromOneOfItsOwnHandlersFreesItsItemsLater)
{
    QTreeWidget arbre;
    QMenuBar barre;
    OuvreSaison(false);
    Etat.MenuHaut = true;
    QPointer<QAction> choisie;
    QPointer<QMenu> menu;
    int reconstruites = 0;
    TExecuteMenu execute;
    execute = [&](int, int, const std::string&) {
        ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
        ++reconstruites;
        EXPECT_FALSE(choisie.isNull()) << "the item chosen is freed while its signal runs";
        EXPECT_FALSE(menu.isNull()) << "the menu of the item chosen is freed while its signal runs";
    };
    ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
    menu = ChercheMenu(&barre, 3);
    ASSERT_FALSE(menu.isNull());
    choisie = menu->actions().front();
    choisie->trigger();
    EXPECT_EQ(reconstruites, 1);
    EXPECT_EQ(barre.actions().indexOf(menu->menuAction()), -1) << "the old menu is still in the bar";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(choisie.isNull());
    EXPECT_TRUE(menu.isNull());
    EXPECT_NE(ChercheMenu(&barre, 3), nullptr);

    // The nodes of the tree taken out by a rebuild stay readable until then.
    QTreeWidgetItem* noeud = ChercheNoeud(&arbre, 40);
    ASSERT_NE(noeud, nullptr);
    ConstruitMenus(Liste, Etat, &arbre, &barre, execute);
    EXPECT_EQ(noeud->treeWidget(), nullptr);
    EXPECT_EQ(DonneeNoeud(noeud), 40);
    EXPECT_NE(ChercheNoeud(&arbre, 40), noeud);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(RaccourcisFavoris, TenShortcutsRunTheirFavourite)
{
    QWidget fenetre;
    std::vector<int> lances;
    InstalleRaccourcisFavoris(&fenetre, [&](int n) { lances.push_back(n); });
    InstalleRaccourcisFavoris(&fenetre, [&](int n) { lances.push_back(n); });
    ASSERT_EQ(fenetre.actions().size(), 10);
    EXPECT_EQ(fenetre.actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
    EXPECT_EQ(fenetre.actions()[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    fenetre.actions()[9]->trigger();
    EXPECT_EQ(lances, std::vector<int>{10});
}
