#include "presentation/VuesInfoEquipes.h"

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "engine/InfoEquipes.h"
#include "engine/LigueTest.h"
#include "presentation/ModeleGrille.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace VuesInfoEquipes;
using Textes = std::vector<std::string>;
enum { A, B, C, D };
constexpr int NumChamp = 1;

struct VuesInfoEquipesTest : ::testing::Test {
    TLigueTest<> L{{"Arles", "Blois", "Caen", "Dax"}, 6, 2};
    TModeleGrille G;

    VuesInfoEquipesTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        for (int e = A; e <= D; ++e)
            L.Saison.Joueurs.AjouteEquipe(L.Id(e));
    }
    ~VuesInfoEquipesTest() override { InstalleTraducteur(nullptr); }

    TJoueur* Joueur(int id, const char* nom, int equipe, int buts)
    {
        TJoueur* J = L.Saison.AjouteJoueur(id, nom, "Jean", L.Id(equipe));
        J->SetStat(NumChamp, 0, 3);
        J->SetStat(NumChamp, 1, buts);
        return J;
    }
    Textes Colonne(int c, int premiere = 1) const
    {
        Textes t;
        for (int r = premiere; r < G.GetRowCount(); ++r)
            t.push_back(G.GetTexte(c, r));
        return t;
    }
    // Players at positions 12..17 as three substitutions per line-up entered.
    void Compo(int jour, int equipe, int remplacements, uint16_t premier = 1)
    {
        auto& Ch = L.Championnat;
        Ch.SetCompoMatch(jour, equipe, 20, 0xFF00);
        for (int Mot = 1; Mot <= 11; ++Mot)
            Ch.SetCompoMatch(jour, equipe, Mot, static_cast<uint16_t>(premier + Mot - 1));
        for (int k = 0; k < remplacements; ++k) {
            Ch.SetCompoMatch(jour, equipe, 12 + 2 * k, premier);
            Ch.SetCompoMatch(jour, equipe, 13 + 2 * k, static_cast<uint16_t>(premier + 20 + k));
        }
    }
};

TEST_F(VuesInfoEquipesTest, BestScorersListEveryTiedPlayerAndTheEmptyTeams)
{
    L.Match(1, A, B, 3, 0);
    L.Match(1, C, D, 0, 0);
    L.Championnat.JourneeJouee = 1;
    Joueur(1, "Alpha", A, 1);
    Joueur(2, "Bravo", A, 2);
    Joueur(3, "Charlie", A, 2);
    Joueur(4, "Delta", B, 0);
    Joueur(5, "Echo", C, 4); // goals of another competition's count, but C scored none
    AfficheMeilleursJoueurs(G, L.Saison, L.Championnat, NumChamp, 0);

    ASSERT_EQ(G.GetColCount(), 5);
    EXPECT_EQ(G.GetFixedRows(), 1);
    EXPECT_EQ(G.GetFixedCols(), 0);
    EXPECT_EQ((Textes{G.GetTexte(0, 0), G.GetTexte(1, 0), G.GetTexte(2, 0), G.GetTexte(3, 0), G.GetTexte(4, 0)}),
              (Textes{Traduit(176), Traduit(71), Traduit(102), Traduit(177), Traduit(178)}));
    EXPECT_EQ(G.GetCouleurFond(0, 0), TColor(0x401060));
    EXPECT_EQ(G.GetCouleurLigne(0), TColor(0x800000));
    EXPECT_EQ(G.GetLargeurColonne(0), 160);
    EXPECT_EQ(G.GetLargeurColonne(1), 150);
    // A: Bravo and Charlie tied on 2; B, C, D one empty row each.
    ASSERT_EQ(G.GetRowCount(), 6);
    EXPECT_EQ(Colonne(0), (Textes{"Arles", "", "Blois", "Caen", "Dax"}));
    EXPECT_EQ(Colonne(1), (Textes{"Bravo  Jean", "Charlie  Jean", Traduit(108), Traduit(108), Traduit(108)}));
    EXPECT_EQ(Colonne(2), (Textes{"2", "2", " - ", " - ", " - "}));
    EXPECT_EQ(Colonne(3), (Textes{"3", "3", " - ", " - ", " - "}));
    EXPECT_EQ(Colonne(4), (Textes{"66%", "66%", " - ", " - ", " - "}));
    EXPECT_TRUE(G.GetLien(1, 1));
    EXPECT_EQ(G.GetDonnee(1, 2), 3);
    EXPECT_FALSE(G.GetLien(1, 3));
    // A navy line closes each team's block.
    EXPECT_EQ(G.GetCouleurLigne(1), TColor(0));
    EXPECT_EQ(G.GetCouleurLigne(2), TColor(0x800000));
    EXPECT_EQ(G.GetCouleurLigne(3), TColor(0x800000));
}

TEST_F(VuesInfoEquipesTest, WithoutPlayedDayEveryTeamHasTheEmptyRow)
{
    Joueur(1, "Alpha", A, 2);
    AfficheMeilleursJoueurs(G, L.Saison, L.Championnat, NumChamp, 0);
    EXPECT_EQ(Colonne(1), Textes(4, Traduit(108)));
    // Statistics beyond the goals do not ask for goals: still nothing here,
    // the football counters stop at the goals.
    AfficheMeilleursJoueurs(G, L.Saison, L.Championnat, NumChamp, 6);
    EXPECT_EQ(Colonne(1), Textes(4, Traduit(108)));
}

TEST_F(VuesInfoEquipesTest, ValuesOutsideFootballAndPerMille)
{
    EXPECT_EQ(TexteValeur(3, 456), "45,6");
    EXPECT_EQ(TexteValeur(5, 1000), "100,0");
    EXPECT_EQ(TexteValeur(0, 456), "456");
    TLigueTest<TDonneesChampionnatRugby> R({"Agen", "Brive"}, 2, 1);
    AfficheMeilleursJoueurs(G, R.Saison, R.Championnat, NumChamp, 1);
    ASSERT_EQ(G.GetColCount(), 4);
    EXPECT_EQ(G.GetTexte(2, 0), Traduit(503));
    EXPECT_EQ(G.GetTexte(2, 1), " - ");
    // Pages and their statistics.
    EXPECT_EQ(StatistiquePage(0), 0);
    EXPECT_EQ(StatistiquePage(4), 1);
    EXPECT_EQ(StatistiquePage(10), 7);
    EXPECT_EQ(StatistiquePage(11), -1);
    EXPECT_EQ(PageValide(13), 0);
    EXPECT_EQ(PageValide(-1), 0);
    EXPECT_EQ(PageValide(12), 12);
}

TEST_F(VuesInfoEquipesTest, RecordAttendancesLeaveOutTeamsWithoutAny)
{
    L.Match(1, A, B, 2, 1);
    L.Match(1, C, D, 0, 0);
    L.Match(2, B, A, 1, 1);
    L.Championnat.SetAffluence(1, 1, 4000);
    L.Championnat.SetAffluence(2, 1, 12000);
    L.Championnat.JourneeJouee = 2;
    AfficheAffluences(G, L.Saison, L.Championnat);
    EXPECT_EQ(G.GetFixedRows(), 0);
    ASSERT_EQ(G.GetRowCount(), 2);
    EXPECT_EQ(Colonne(0, 0), (Textes{"Arles", "Blois"}));
    EXPECT_EQ(Colonne(1, 0), (Textes{"2", "1"}));
    EXPECT_EQ(Colonne(2, 0), (Textes{"-", "-"}));
    EXPECT_EQ(Colonne(4, 0), (Textes{"Blois", "Arles"}));
    EXPECT_EQ(Colonne(5, 0), (Textes{"4000 " + Traduit(51), "12000 " + Traduit(51)}));
    EXPECT_EQ(G.GetCouleurFond(0, 0), TColor(0xFFFFFF));
    EXPECT_EQ(G.GetCouleurFond(0, 1), TColor(0xF8CD87));
    EXPECT_FALSE(G.GetTraitColonne(3));
    EXPECT_TRUE(G.GetTraitColonne(4));
    EXPECT_EQ(G.GetLargeurColonne(5), 150);
}

TEST_F(VuesInfoEquipesTest, PlayersUsedAndSubstitutionsByAscendingKey)
{
    L.Match(1, A, B, 1, 0);
    L.Match(1, C, D, 1, 0);
    L.Match(2, A, C, 1, 0);
    L.Match(2, B, D, 1, 0);
    L.Championnat.JourneeJouee = 2;
    // A: 11 + 3 players, 5 substitutions in 2 line-ups; C 11 + 1 and 1;
    // D 11 + 1 and 1; B none entered.
    Compo(1, A, 3);
    Compo(2, A, 2);
    Compo(1, C, 1, 100);
    Compo(2, D, 1, 200);
    L.Championnat.SetOption(10, C);
    AfficheCompositions(G, L.Saison, L.Championnat, false);
    EXPECT_EQ(G.GetFixedRows(), 1);
    EXPECT_EQ(G.GetTexte(2, 0), Traduit(180));
    EXPECT_EQ(Colonne(1), (Textes{"Blois", "Dax", "Caen", "Arles"}));
    EXPECT_EQ(Colonne(2), (Textes{"0", "12", "12", "14"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "-", "4"}));
    // The followed team's row is highlighted.
    EXPECT_EQ(G.GetCouleurFond(1, 3), TColor(0x800000));
    EXPECT_EQ(G.GetCouleurTexte(1, 3), TColor(0xFFFFFF));

    AfficheCompositions(G, L.Saison, L.Championnat, true);
    EXPECT_EQ(G.GetTexte(2, 0), Traduit(181));
    EXPECT_EQ(Colonne(1), (Textes{"Blois", "Dax", "Caen", "Arles"}));
    EXPECT_EQ(Colonne(2), (Textes{"0,00", "1,00", "1,00", "2,50"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "-", "4"}));
}

TEST_F(VuesInfoEquipesTest, SeriesOfMinutesLongestFirstWithTiedRanks)
{
    L.Match(1, A, B, 1, 0);
    L.Match(1, C, D, 1, 1);
    L.Championnat.JourneeJouee = 1;
    L.Evenement(L.Championnat.GetButeursJournee(1), A, 60);
    L.Evenement(L.Championnat.GetButeursJournee(1), C, 60);
    L.Evenement(L.Championnat.GetButeursJournee(1), D, 80);
    const InfoEquipes::TTableMinutes T = InfoEquipes::CalculeSeriesMinutes(L.Championnat);
    AfficheSeriesMinutes(G, L.Saison, L.Championnat, T, {InfoEquipes::SansMarquer, InfoEquipes::PorteeTous, false});
    EXPECT_EQ(G.GetTexte(2, 0), Traduit(92));
    EXPECT_EQ(Colonne(1), (Textes{"Blois", "Arles", "Caen", "Dax"}));
    EXPECT_EQ(Colonne(2), (Textes{"90", "30", "30", "10"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "-", "4"}));
    EXPECT_EQ(G.GetTexteAlternatif(0, 3), "2");
    EXPECT_TRUE(G.GetLien(1, 2));
    EXPECT_EQ(G.GetDonnee(1, 2), A);
    EXPECT_EQ(G.GetDonnee(1, 4), D);
    // Without conceding, away: only B and D played away.
    AfficheSeriesMinutes(G, L.Saison, L.Championnat, T,
                         {InfoEquipes::SansEncaisser, InfoEquipes::PorteeExterieur, true});
    EXPECT_EQ(Colonne(1), (Textes{"Blois", "Dax", "Caen", "Arles"}));
    EXPECT_EQ(Colonne(2), (Textes{"60", "60", "0", "0"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "-", "3", "-"}));
}

} // namespace
