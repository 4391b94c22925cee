#include "model/ListeDonnees.h"

#include <gtest/gtest.h>

#include "FakeSaison.h"
#include "base/oTraducteur.h"

namespace {
TDonneesEvt* Ajoute(TListeDonnees& liste, int joueur, uint16_t equipe, uint16_t mot)
{
    return liste.Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, mot));
}

std::vector<int> Joueurs(const TListeResultat& vue)
{
    std::vector<int> ids;
    for (int i = 0; i < vue.Nombre(); ++i)
        ids.push_back(vue.Get(i)->GetJoueur());
    return ids;
}
} // namespace

TEST(DonneesEvt, KindsAndMinuteKeepTheFlags)
{
    EXPECT_EQ(TDonneesEvt(1, 1, 0x80 | 0x100).GetGenre(), 4);
    EXPECT_EQ(TDonneesEvt(1, 1, 0x100 | 0x200).GetGenre(), 1);
    EXPECT_EQ(TDonneesEvt(1, 1, 0x200).GetGenre(), 2);
    EXPECT_EQ(TDonneesEvt(1, 1, 0x800).GetGenre(), 5);
    EXPECT_EQ(TDonneesEvt(1, 1, 12).GetGenre(), 3);

    TDonneesEvt e(1, 1, 0x100 | 20);
    EXPECT_TRUE(e.SetMinute(127));
    EXPECT_EQ(e.GetMot(), 0x100 | 127) << "the penalty flag stays";
    // Beyond the seven bits no other minute stands for it: nothing changes.
    for (int minute : {128, 200, 353, -1})
        EXPECT_FALSE(e.SetMinute(minute)) << minute;
    EXPECT_EQ(e.GetMot(), 0x100 | 127);
    EXPECT_EQ(e.GetGenre(), 1);
    auto vide = TDonneesEvt::CreateVide();
    EXPECT_EQ(vide->GetJoueur(), 0);
    EXPECT_EQ(vide->GetEquipe(), 65535);
}

TEST(ListeDonnees, MinuteViewsPutMinuteZeroFirstAndNewestFirstAmongEquals)
{
    TListeDonnees liste;
    Ajoute(liste, 1, 5, 30);
    Ajoute(liste, 2, 6, 10);
    Ajoute(liste, 3, 5, 0);
    Ajoute(liste, 4, 5, 30); // same minute as player 1: comes first
    Ajoute(liste, 5, 5, 0x80 | 50);
    Ajoute(liste, 6, 5, 0x800);
    auto vues = liste.ResultatsEquipeParType(5, 6, false, false);
    ASSERT_EQ(vues.size(), 2u);
    EXPECT_EQ(Joueurs(vues[0]), (std::vector<int>{3, 4, 1, 5}));
    EXPECT_EQ(Joueurs(vues[1]), (std::vector<int>{2}));
    auto quatre = liste.ResultatsEquipeParType(5, 6, true, false);
    ASSERT_EQ(quatre.size(), 4u);
    EXPECT_EQ(Joueurs(quatre[0]), (std::vector<int>{3, 4, 1}));
    EXPECT_EQ(Joueurs(quatre[2]), (std::vector<int>{5}));
    auto manques = liste.ResultatsEquipeParType(5, 6, false, true);
    EXPECT_EQ(Joueurs(manques[0]), (std::vector<int>{6}));
    EXPECT_EQ(vues[0].Get(4), nullptr);
}

TEST(ListeDonnees, TeamViewsByKindSortedByPlayerName)
{
    FakeSaison saison;
    saison.AjouteJoueur(1, "martin", "Paul", 5);
    saison.AjouteJoueur(2, "Blanc", "Eric", 5);
    saison.AjouteJoueur(3, "Martin", "Anne", 5);
    TListeDonnees liste(&saison);
    Ajoute(liste, 1, 5, 10);
    Ajoute(liste, 2, 5, 0x80 | 20);
    Ajoute(liste, 3, 5, 30);
    Ajoute(liste, 9, 5, 5); // unknown player: the minute decides
    Ajoute(liste, 1, 7, 5);
    EXPECT_EQ(Joueurs(liste.ResultatsEquipe(5, 2)), (std::vector<int>{9, 3, 1}));
    EXPECT_EQ(Joueurs(liste.ResultatsEquipe(5, 3)), (std::vector<int>{2}));
    EXPECT_EQ(liste.ResultatsEquipe(5, 1).Nombre(), 4);
    EXPECT_EQ(liste.ResultatsEquipe(5, 0).Nombre(), 0);
    EXPECT_EQ(liste.ResultatsEquipe(5, 4).Nombre(), 0);
    EXPECT_EQ(Joueurs(liste.ResultatsJoueur(1, false)), (std::vector<int>{1, 1}));
}

TEST(ListeDonnees, ByTeamViews)
{
    FakeSaison saison;
    saison.Equipes = {{5, "Nantes"}, {6, "angers"}};
    TListeDonnees liste(&saison);
    Ajoute(liste, 1, 5, 10);
    Ajoute(liste, 2, 6, 40);
    Ajoute(liste, 3, 6, 20);
    Ajoute(liste, 4, 5, 5);
    EXPECT_EQ(Joueurs(liste.ListeParMinute()), (std::vector<int>{3, 2, 4, 1}));
    EXPECT_EQ(Joueurs(liste.ListeParJoueur()), (std::vector<int>{3, 2, 4, 1}));
}

TEST(ListeDonnees, DeletingMissedPenaltiesAndTeams)
{
    TListeDonnees liste;
    Ajoute(liste, 1, 5, 0x800);
    Ajoute(liste, 2, 5, 0x100 | 12); // a penalty goal stays
    Ajoute(liste, 3, 6, 0x800);
    Ajoute(liste, 4, 7, 0x800);
    Ajoute(liste, 5, 6, 0x800 | 3); // not exactly the missed-penalty word
    liste.SupprimePenaltysManques({5, 6});
    ASSERT_EQ(liste.Nombre(), 3);
    EXPECT_EQ(liste.Get(0)->GetJoueur(), 2);
    EXPECT_EQ(liste.Get(1)->GetJoueur(), 4);
    liste.SupprimeEquipes({5, 7});
    ASSERT_EQ(liste.Nombre(), 1);
    EXPECT_EQ(liste.Get(0)->GetJoueur(), 5);
    auto retire = liste.Retire(0);
    EXPECT_EQ(retire->GetJoueur(), 5);
    EXPECT_EQ(liste.Nombre(), 0);
    EXPECT_EQ(liste.Get(-1), nullptr);
}

TEST(ListeTemps, SortIsStableAndLookupByNumber)
{
    TListeTemps temps;
    for (int id : {1, 2, 3, 4}) {
        auto t = std::make_unique<TTempsJoueur>(id);
        t->Minutes = id == 3 ? 180 : 90;
        t->Matchs = id == 4 ? 2 : 1;
        t->MinuteEntree = 60;
        temps.Ajoute(std::move(t));
    }
    temps.Trie();
    std::vector<int> ordre;
    for (int i = 0; i < temps.Nombre(); ++i)
        ordre.push_back(temps.Get(i)->GetNumero());
    EXPECT_EQ(ordre, (std::vector<int>{3, 4, 1, 2}));
    temps.VideEntrees();
    EXPECT_EQ(temps.ChercheNumero(2)->MinuteEntree, 0);
    EXPECT_EQ(temps.ChercheNumero(9), nullptr);
}

TEST(ListeNotes, FiltersAveragesAndOrder)
{
    FakeSaison saison;
    saison.Equipes = {{1, "Brest"}, {2, "Auxerre"}};
    saison.AjouteJoueur(10, "Gardien", "", 1, 1);
    saison.AjouteJoueur(11, "Zidane", "", 1, 3);
    saison.AjouteJoueur(12, "Abel", "", 2, 3);
    saison.AjouteJoueur(13, "Blanc", "", 2, 3);
    TListeNotes notes(&saison);
    notes.AjouteNote(99, 8, 2); // not in the registry: nothing
    EXPECT_EQ(notes.Nombre(), 0);
    notes.AjouteNote(10, 6, 1); // a goalkeeper, others only
    EXPECT_EQ(notes.Nombre(), 0);
    notes.AjouteNote(13, 6, 2);
    notes.AjouteNote(11, 6, 2);
    notes.AjouteNote(12, 5, 2);
    notes.AjouteNote(12, 7, 2);
    notes.AjouteNote(10, 8, 0);
    ASSERT_EQ(notes.Nombre(), 4);
    EXPECT_EQ(notes.Get(0)->Joueur, 10); // ascending ids until sorted
    EXPECT_EQ(notes.Get(2)->Joueur, 12);
    notes.Trie();
    std::vector<int> ordre;
    for (int i = 0; i < notes.Nombre(); ++i)
        ordre.push_back(notes.Get(i)->Joueur);
    // 10 (8.0) first; then the 6.0 players by team name, then surname.
    EXPECT_EQ(ordre, (std::vector<int>{10, 12, 13, 11}));
    EXPECT_DOUBLE_EQ(notes.Get(1)->Moyenne, 6.0);
    EXPECT_EQ(notes.Supprime(0)->Joueur, 10);
    EXPECT_EQ(notes.Supprime(5), nullptr);
}

TEST(ListeStatTir, KeyedByPlayerIdSoNamesakesStayApart)
{
    FakeSaison saison;
    saison.AjouteJoueur(1, "Parker", "Tony", 5);
    saison.AjouteJoueur(2, "Parker", "Tony", 6); // a namesake in another team
    TListeStatTir stats(&saison);
    stats.Stocke(2, 5, 1, 12);
    stats.Stocke(1, 5, 1, 20);
    stats.Stocke(7, 5, 1, 4); // not registered: kept too
    stats.Stocke(1, 5, 2, (5 << 8) | 9);
    stats.Stocke(1, 5, 1, 22); // a later event of the same kind replaces the value
    stats.Stocke(1, 5, 11, 3);
    ASSERT_EQ(stats.Nombre(), 3);
    EXPECT_EQ(stats.Get(0)->Joueur, 7);
    EXPECT_EQ(stats.Get(1)->Joueur, 1);
    EXPECT_EQ(stats.Get(2)->Joueur, 2);
    const TStatTir& tony = *stats.Get(1);
    EXPECT_EQ(tony.Valeurs[1], 22);
    EXPECT_EQ(tony.Valeurs[2], 5);
    EXPECT_EQ(tony.Valeurs[3], 9);
    EXPECT_EQ(tony.Valeurs[15], 3);
}

TEST(DonneesEvt, LabelsOfGoalKinds)
{
    InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
    EXPECT_EQ(LibelleTypeBut(0x100 | 0x200), "Penalty");
    EXPECT_EQ(LibelleTypeBut(0x200), "Coup franc");
    EXPECT_EQ(LibelleTypeBut(0x80), "");
    EXPECT_EQ(LibelleGenre(1), "(pen)");
    EXPECT_EQ(LibelleGenre(4), "(csc)");
    EXPECT_EQ(LibelleGenreCourt(4), "csc");
    EXPECT_EQ(LibelleGenre(3), "");
    EXPECT_EQ(LibelleGenreCourt(5), "");
    InstalleTraducteur(nullptr);
}
