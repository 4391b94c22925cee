#include "engine/CalculClassement.h"

#include <gtest/gtest.h>

#include <map>

#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "presentation/ModeleGrille.h"

namespace {

using Textes = std::vector<std::string>;
const Textes Six = {"Rennes", "Brest", "Caen", "Dijon", "Évian", "Angers"};
enum { A, B, C, D, E, F };

// A round robin of six teams over five days.
struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest(Six, 5, 3)
    {
        Match(1, A, B, 2, 0), Match(1, C, D, 1, 1), Match(1, E, F, 2, 3);
        Match(2, A, C, 1, 0), Match(2, B, E, 2, 2), Match(2, D, F, 0, 1);
        Match(3, A, D, 3, 1), Match(3, B, F, 1, 1), Match(3, C, E, 2, 0);
        Match(4, A, E, 0, 0), Match(4, B, D, 1, 2), Match(4, C, F, 2, 2);
        Match(5, A, F, 1, 2), Match(5, B, C, 0, 1), Match(5, D, E, 3, 2);
    }
};

// The French captions, the sizes exactly as set (no enlargement).
struct AffichageClassement : ::testing::Test {
    TModeleGrille Grille;
    AffichageClassement()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        Grille.SetAutoResize(false);
    }
    ~AffichageClassement() override { InstalleTraducteur(nullptr); }

    Textes Ligne(int r, int premiere = 0, int derniere = -1) const
    {
        Textes t;
        for (int c = premiere; c <= (derniere < 0 ? Grille.GetColCount() - 1 : derniere); ++c)
            t.push_back(Grille.GetTexte(c, r));
        return t;
    }
    Textes Colonne(int c) const
    {
        Textes t;
        for (int r = 1; r < Grille.GetRowCount(); ++r)
            t.push_back(Grille.GetTexte(c, r));
        return t;
    }
    std::vector<int> Largeurs() const
    {
        std::vector<int> l;
        for (int c = 0; c < Grille.GetColCount(); ++c)
            l.push_back(Grille.GetLargeurColonne(c));
        return l;
    }
    // Background and text colour of every cell of a row, checked alike.
    void VerifieCouleurs(int r, TColor fond, TColor texte) const
    {
        for (int c = 0; c < Grille.GetColCount(); ++c) {
            SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(c));
            EXPECT_EQ(Grille.GetCouleurFond(c, r), fond);
            EXPECT_EQ(Grille.GetCouleurTexte(c, r), texte);
        }
    }
};

constexpr TColor Blanc = 0xFFFFFF, Zebre = 0xF8CD87, Titre = 0xDFCF20;

TEST_F(AffichageClassement, GeneralStandingsWithZoneLinesAndTheFollowedTeam)
{
    Ligue l;
    l.Championnat.SetOption(12, 1); // champion
    l.Championnat.SetOption(2, 2);  // European places
    l.Championnat.SetOption(3, 1);  // one relegated
    l.Championnat.SetOption(10, C); // Caen followed
    l.Saison.Logos[TLigueTest<>::Id(F)] = 1007;
    TCalculClassement c(&l.Championnat, &l.Saison);
    std::string statut;
    c.Affiche(1, Grille, nullptr, &statut, true, 5);

    EXPECT_EQ(statut, "Classement général");
    ASSERT_EQ(Grille.GetRowCount(), 7);
    ASSERT_EQ(Grille.GetColCount(), 10);
    EXPECT_EQ(Largeurs(), (std::vector<int>{24, 160, 30, 30, 30, 30, 30, 30, 30, 30}));
    EXPECT_EQ(Grille.GetLargeur(), 448);
    EXPECT_TRUE(Grille.GetVisible());
    EXPECT_EQ(Grille.GetFixedRows(), 1);
    EXPECT_EQ(Grille.GetTypeTri(1), 1);
    EXPECT_EQ(Grille.GetEtatTri(0), 1);
    EXPECT_EQ(Ligne(0), (Textes{"", "Equipe", "Pts", "G", "N", "P", "Bp", "Bc", "Diff", "J"}));
    VerifieCouleurs(0, Titre, 0);
    EXPECT_EQ(Grille.GetAlignementH(1, 0), 0);
    EXPECT_EQ(Grille.GetAlignementH(2, 0), 1);

    EXPECT_EQ(Ligne(1), (Textes{"1", "Angers", "11", "3", "2", "0", "9", "6", "3", "5"}));
    EXPECT_EQ(Ligne(2), (Textes{"2", "Rennes", "10", "3", "1", "1", "7", "3", "4", "5"}));
    EXPECT_EQ(Ligne(3), (Textes{"3", "Caen", "8", "2", "2", "1", "6", "4", "2", "5"}));
    EXPECT_EQ(Ligne(4), (Textes{"4", "Dijon", "7", "2", "1", "2", "7", "8", "-1", "5"}));
    EXPECT_EQ(Ligne(5), (Textes{"5", "Évian", "2", "0", "2", "3", "6", "10", "-4", "5"}));
    EXPECT_EQ(Ligne(6), (Textes{"6", "Brest", "2", "0", "2", "3", "4", "8", "-4", "5"}));
    // Points level but no tie sign in the general table.
    EXPECT_EQ(Grille.GetTexteAlternatif(0, 6), "");

    VerifieCouleurs(1, Blanc, 0);
    VerifieCouleurs(2, Zebre, 0);
    VerifieCouleurs(3, 0x800000, Blanc); // the followed team
    VerifieCouleurs(4, Zebre, 0);
    EXPECT_EQ(Grille.GetAlignementH(1, 1), 0);
    EXPECT_EQ(Grille.GetAlignementH(0, 1), 1);
    EXPECT_EQ(Grille.GetAlignementH(5, 1), 1);

    // Red lines under the champion, the European places and above the drop.
    for (int r = 0; r < 7; ++r) {
        SCOPED_TRACE(r);
        const bool zone = r == 1 || r == 2 || r == 5;
        EXPECT_EQ(Grille.GetTraitLigne(r), zone);
        EXPECT_EQ(Grille.GetCouleurLigne(r), zone ? 255 : 0);
    }
    // Crest number and team id; no link in the general table.
    EXPECT_EQ(Grille.GetBlason(1, 1), 1007);
    EXPECT_EQ(Grille.GetBlason(1, 2), 0);
    EXPECT_EQ(Grille.GetDonnee(1, 1), TLigueTest<>::Id(F));
    EXPECT_EQ(Grille.GetDonnee(4, 2), TLigueTest<>::Id(A));
    EXPECT_FALSE(Grille.GetLien(1, 1));
    TColor b1 = 1, b2 = 1;
    Grille.GetCouleursBarre(2, b1, b2);
    EXPECT_EQ(b1, 0);
}

TEST_F(AffichageClassement, NoZoneLineForAnOptionAtZeroAndAFilterOnlyHidesRows)
{
    Ligue l;
    l.Championnat.SetOption(12, 0);
    l.Championnat.SetOption(2, 3);
    l.Championnat.SetOption(3, 0);
    TCalculClassement c(&l.Championnat, &l.Saison);
    const std::vector<int> filtre = {B, C, E, F};
    c.Affiche(1, Grille, &filtre, nullptr, true, 5);
    ASSERT_EQ(Grille.GetRowCount(), 5);
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "3", "4"}));
    EXPECT_EQ(Colonne(1), (Textes{"Angers", "Caen", "Évian", "Brest"}));
    EXPECT_EQ(Colonne(2), (Textes{"11", "8", "2", "2"})); // every match still counts
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(Grille.GetTraitLigne(r), r == 3) << r;
}

TEST_F(AffichageClassement, DefenceIsWrittenBottomUpWithTiesMarkedOnTheLowerRow)
{
    Ligue l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    std::string statut = "avant";
    c.Affiche(6, Grille, nullptr, &statut, false, 5);
    EXPECT_EQ(statut, "avant"); // no title asked
    ASSERT_EQ(Grille.GetColCount(), 3);
    EXPECT_EQ(Largeurs(), (std::vector<int>{24, 160, 120}));
    EXPECT_EQ(Grille.GetLargeur(), 307);
    EXPECT_EQ(Ligne(0), (Textes{"", "Equipe", "Buts encaissés"}));

    // Best defence first, numbered 1; Brest and Dijon level on 8.
    EXPECT_EQ(Colonne(1), (Textes{"Rennes", "Caen", "Angers", "Brest", "Dijon", "Évian"}));
    EXPECT_EQ(Colonne(2), (Textes{"3", "4", "6", "8", "8", "10"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "3", "4", "-", "6"}));
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(Grille.GetTexteAlternatif(0, r), r == 5 ? "5" : "") << r;
    VerifieCouleurs(1, Blanc, 0);
    VerifieCouleurs(2, Zebre, 0);
    VerifieCouleurs(6, Zebre, 0);
    TColor b1 = 0, b2 = 0;
    Grille.GetCouleursBarre(2, b1, b2);
    EXPECT_EQ(b1, 0x80FFFF);
    EXPECT_EQ(b2, 0x1C8DFF);
    // No zone lines outside the general tables.
    l.Championnat.SetOption(12, 1);
    c.Affiche(6, Grille, nullptr, nullptr, false, 5);
    EXPECT_FALSE(Grille.GetTraitLigne(1));

    // Away defence is shown as the defence, with its own title.
    c.Affiche(13, Grille, nullptr, &statut, true, 5);
    EXPECT_EQ(statut, "Meilleure défense à l'extérieur");
    EXPECT_EQ(Ligne(0), (Textes{"", "Equipe", "Buts encaissés"}));
    EXPECT_EQ(Colonne(1).front(), "Rennes"); // no away match, nothing conceded
}

TEST_F(AffichageClassement, AttendanceShowsTheWholeAverageAndLinksTheClubs)
{
    Ligue l;
    l.Championnat.SetAffluence(1, 1, 10000), l.Championnat.SetAffluence(2, 1, 12000);
    l.Championnat.SetAffluence(4, 1, 14000);
    l.Championnat.SetAffluence(1, 2, 70000), l.Championnat.SetAffluence(3, 3, 80000);
    l.Championnat.SetAffluence(2, 2, 5000);
    TCalculClassement c(&l.Championnat, &l.Saison);
    std::string statut;
    c.Affiche(8, Grille, nullptr, &statut, true, 5);
    EXPECT_EQ(statut, "Affluence moyenne à domicile");
    EXPECT_EQ(Ligne(0), (Textes{"", "Equipe", "Spectateurs"}));
    EXPECT_EQ(Colonne(1), (Textes{"Caen", "Rennes", "Brest", "Dijon", "Évian", "Angers"}));
    EXPECT_EQ(Colonne(2), (Textes{"75000", "12000", "5000", "0", "0", "0"}));
    EXPECT_EQ(Colonne(0), (Textes{"1", "2", "3", "4", "-", "-"}));
    EXPECT_EQ(Grille.GetTexteAlternatif(0, 5), "5");
    EXPECT_EQ(Grille.GetTexteAlternatif(0, 6), "6");
    for (int r = 1; r <= 6; ++r)
        EXPECT_TRUE(Grille.GetLien(1, r)) << r;
    EXPECT_EQ(Grille.GetDonnee(1, 1), TLigueTest<>::Id(C));
}

TEST_F(AffichageClassement, DetailedStandingsHaveHomeAndAwayBlocksAndTheSideHeading)
{
    Ligue l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    TModeleGrille titres;
    titres.SetAutoResize(false);
    std::string statut;
    c.Affiche(9, Grille, nullptr, &statut, true, 5, 1, &titres);

    EXPECT_EQ(statut, "Classement général");
    EXPECT_TRUE(titres.GetVisible());
    ASSERT_EQ(titres.GetColCount(), 2);
    EXPECT_EQ(titres.GetTexte(0, 0), "Matchs à domicile");
    EXPECT_EQ(titres.GetTexte(1, 0), "Matchs à l'extérieur");
    EXPECT_EQ(titres.GetLargeurColonne(0), 154);
    EXPECT_EQ(titres.GetLargeur(), 310);

    ASSERT_EQ(Grille.GetColCount(), 20);
    EXPECT_EQ(Grille.GetLargeur(), 742);
    EXPECT_EQ(Grille.GetLargeurColonne(19), 30);
    EXPECT_EQ(Ligne(0, 9), (Textes{"J", "G", "N", "P", "Bp", "Bc", "G", "N", "P", "Bp", "Bc"}));
    for (int col = 2; col < 20; ++col)
        EXPECT_EQ(Grille.GetTraitColonne(col), col == 9 || col == 14 || col == 19) << col;

    // General block in standings order (three points a win), then each club's
    // home and away records on its row.
    EXPECT_EQ(Colonne(1), (Textes{"Angers", "Rennes", "Caen", "Dijon", "Évian", "Brest"}));
    EXPECT_EQ(Ligne(1, 2, 9), (Textes{"11", "3", "2", "0", "9", "6", "3", "5"}));
    EXPECT_EQ(Ligne(1, 10), (Textes{"0", "0", "0", "0", "0", "3", "2", "0", "9", "6"}));
    EXPECT_EQ(Ligne(2, 10), (Textes{"3", "1", "1", "7", "3", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Ligne(3, 10), (Textes{"1", "2", "0", "5", "3", "1", "0", "1", "1", "1"}));
    EXPECT_EQ(Ligne(4, 10), (Textes{"1", "0", "1", "3", "3", "1", "1", "1", "4", "5"}));
    EXPECT_EQ(Ligne(5, 10), (Textes{"0", "0", "1", "2", "3", "0", "2", "2", "4", "7"}));
    EXPECT_EQ(Ligne(6, 10), (Textes{"0", "2", "2", "4", "6", "0", "0", "1", "0", "2"}));
    VerifieCouleurs(2, Zebre, 0);

    // Another kind hides the side heading.
    c.Affiche(1, Grille, nullptr, nullptr, false, 5, 1, &titres);
    EXPECT_FALSE(titres.GetVisible());
    EXPECT_EQ(Grille.GetColCount(), 10);
}

TEST_F(AffichageClassement, ADayRangeCountsOnlyItsDaysInEveryBlock)
{
    Ligue l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Affiche(1, Grille, nullptr, nullptr, false, 5); // the whole season first
    std::string statut;
    TModeleGrille titres;
    c.Affiche(9, Grille, nullptr, &statut, true, 5, 5, &titres);
    EXPECT_EQ(statut, "Classement général (journées 5 à 5)");
    // Day 5: Rennes 1-2 Angers, Brest 0-1 Caen, Dijon 3-2 Évian.
    for (int r = 1; r <= 6; ++r) {
        SCOPED_TRACE(r);
        const std::string nom = Grille.GetTexte(1, r);
        const bool gagne = nom == "Angers" || nom == "Caen" || nom == "Dijon";
        const bool domicile = nom == "Rennes" || nom == "Brest" || nom == "Dijon";
        EXPECT_EQ(Grille.GetTexte(2, r), gagne ? "3" : "0");
        EXPECT_EQ(Grille.GetTexte(9, r), "1");
        EXPECT_EQ(Grille.GetTexte(10, r), domicile && gagne ? "1" : "0");
        EXPECT_EQ(Grille.GetTexte(15, r), !domicile && gagne ? "1" : "0");
    }
}

TEST_F(AffichageClassement, MatchSituationsAndTeamAgeLayouts)
{
    Ligue l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Affiche(100, Grille, nullptr, nullptr, false, 5);
    ASSERT_EQ(Grille.GetColCount(), 7);
    EXPECT_EQ(Largeurs(), (std::vector<int>{24, 160, 40, 40, 40, 40, 80}));
    EXPECT_EQ(Grille.GetLargeur(), 427);
    EXPECT_EQ(Ligne(0, 2), (Textes{"J", "G", "N", "P", "Moy."}));
    EXPECT_TRUE(Grille.GetLien(1, 1));
    // Column 6 is points per match in hundredths: never a tie sign.
    for (int r = 1; r <= 6; ++r) {
        EXPECT_NE(Grille.GetTexte(0, r), "-");
        EXPECT_NE(Grille.GetTexte(6, r).find(','), std::string::npos);
    }

    c.Affiche(115, Grille, nullptr, nullptr, false, 5);
    ASSERT_EQ(Grille.GetColCount(), 5);
    EXPECT_EQ(Largeurs(), (std::vector<int>{24, 160, 80, 60, 60}));
    EXPECT_EQ(Ligne(0, 2), (Textes{"Moy.", "Minimum", "Maximum"}));
    EXPECT_FALSE(Grille.GetLien(1, 1));
}

TEST_F(AffichageClassement, TeamAgeIsTakenOverThePlayersWithAnAgeAndAClubWithoutOneShowsDashes)
{
    Ligue l;
    l.Championnat.SetOption(8, 124); // season 2024-2025
    // Rennes: born 1999 and 2004; Brest: one of each; Caen: nobody with a birth
    // year; the others no player.
    for (int e = A; e <= F; ++e)
        l.Saison.Joueurs.AjouteEquipe(Ligue::Id(e));
    auto joueur = [&](int id, int equipe, uint8_t naissance) {
        l.Saison.AjouteJoueur(id, "J" + std::to_string(id), "P", Ligue::Id(equipe))->Age = naissance;
    };
    joueur(1, A, 99), joueur(2, A, 104);
    joueur(3, B, 100), joueur(4, B, 0);
    joueur(5, C, 0);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Affiche(115, Grille, nullptr, nullptr, false, 5);
    std::map<std::string, Textes> lignes;
    for (int r = 1; r < Grille.GetRowCount(); ++r)
        lignes[Grille.GetTexte(1, r)] = Ligne(r, 2);
    EXPECT_EQ(lignes["Rennes"], (Textes{"22,5", "20", "25"}));
    EXPECT_EQ(lignes["Brest"], (Textes{"24,0", "24", "24"}));
    EXPECT_EQ(lignes["Caen"], (Textes{"-", "-", "-"}));
    EXPECT_EQ(lignes["Dijon"], (Textes{"-", "-", "-"}));
}

TEST_F(AffichageClassement, BasketballShowsLossesAndTheWinRatio)
{
    TLigueTest<TDonneesChampionnatBasket> l({"Pau", "Nancy", "Cholet"}, 2, 1);
    l.Championnat.SetOption(4, 2), l.Championnat.SetOption(6, 1);
    l.Match(1, 0, 1, 80, 70);
    l.Match(2, 2, 0, 90, 85);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Affiche(1, Grille, nullptr, nullptr, false, 2);
    EXPECT_EQ(Ligne(0, 2), (Textes{"Pts", "G", "P", "%", "Bp", "Bc", "Diff", "J"}));
    // Pau: one win, one loss.
    for (int r = 1; r <= 3; ++r) {
        if (Grille.GetTexte(1, r) == "Pau") {
            EXPECT_EQ(Ligne(r, 2), (Textes{"3", "1", "1", "0,500", "165", "160", "5", "2"}));
        }
    }

    l.Championnat.SetOption(11, 8); // ranked by ratio: no points column
    c.Affiche(1, Grille, nullptr, nullptr, false, 2);
    EXPECT_EQ(Grille.GetLargeurColonne(2), 0);
    EXPECT_EQ(Grille.GetLargeur(), 418);
}

} // namespace
