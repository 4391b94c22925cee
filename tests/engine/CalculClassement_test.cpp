#include "engine/CalculClassement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"

namespace {

using Noms = std::vector<std::string>;
const Noms Six = {"Rennes", "Brest", "Caen", "Dijon", "Évian", "Angers"};
enum { A, B, C, D, E, F };

// A round robin of six teams over five days.
struct Ligue1 : TLigueTest<> {
    Ligue1() : TLigueTest(Six, 5, 3)
    {
        Match(1, A, B, 2, 0), Match(1, C, D, 1, 1), Match(1, E, F, 2, 3);
        Match(2, A, C, 1, 0), Match(2, B, E, 2, 2), Match(2, D, F, 0, 1);
        Match(3, A, D, 3, 1), Match(3, B, F, 1, 1), Match(3, C, E, 2, 0);
        Match(4, A, E, 0, 0), Match(4, B, D, 1, 2), Match(4, C, F, 2, 2);
        Match(5, A, F, 1, 2), Match(5, B, C, 0, 1), Match(5, D, E, 3, 2);
    }
};

// The same fixtures with three teams level on 8 points and three on 5.
struct Ligue2 : TLigueTest<> {
    Ligue2() : TLigueTest(Six, 5, 3)
    {
        Match(1, A, B, 1, 0), Match(1, C, D, 2, 0), Match(1, E, F, 1, 0);
        Match(2, A, C, 1, 0), Match(2, B, E, 2, 1), Match(2, D, F, 4, 0);
        Match(3, A, D, 1, 1), Match(3, B, F, 1, 1), Match(3, C, E, 1, 1);
        Match(4, A, E, 0, 0), Match(4, B, D, 0, 0), Match(4, C, F, 2, 2);
        Match(5, A, F, 0, 1), Match(5, B, C, 0, 3), Match(5, D, E, 3, 0);
    }
};

TEST(CalculClassement, OrdinaryLeagueWithGoalDifferenceThenGoalsFor)
{
    Ligue1 l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 11, 3, 2, 0, 9, 6, 3},
                          {"Rennes", 10, 3, 1, 1, 7, 3, 4},
                          {"Caen", 8, 2, 2, 1, 6, 4, 2},
                          {"Dijon", 7, 2, 1, 2, 7, 8, -1},
                          {"Évian", 2, 0, 2, 3, 6, 10, -4},
                          {"Brest", 2, 0, 2, 3, 4, 8, -4}});
    // Row columns of the general sort.
    EXPECT_EQ(c.GetClassement(0, 4), 9);
    EXPECT_EQ(c.GetClassement(0, 5), 3);
    EXPECT_EQ(c.GetClassement(0, 8), 6);
}

TEST(CalculClassement, HeadToHeadPointsDecideThreeTeamsLevelOnPoints)
{
    Ligue2 l;
    l.Championnat.OrdreClassement = "ua";
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    // Caen and Dijon have the better goal differences, Rennes took the most
    // points against them; Brest, Évian and Angers likewise among themselves.
    VerifieClassement(c, {{"Rennes", 8, 2, 2, 1, 3, 2, 1},
                          {"Caen", 8, 2, 2, 1, 8, 4, 4},
                          {"Dijon", 8, 2, 2, 1, 8, 3, 5},
                          {"Brest", 5, 1, 2, 2, 3, 6, -3},
                          {"Évian", 5, 1, 2, 2, 3, 6, -3},
                          {"Angers", 5, 1, 2, 2, 4, 8, -4}});

    l.Championnat.OrdreClassement = "a";
    c.Calcule(1, 1, nullptr, 5);
    const Noms ordre = Ordre(c);
    const Noms debut(ordre.begin(), ordre.begin() + 3);
    EXPECT_EQ(debut, (Noms{"Dijon", "Caen", "Rennes"}));
    EXPECT_EQ(ordre[5], "Angers");
}

TEST(CalculClassement, AGroupWhoseTeamsNeverMetDoesNotUndoAnotherGroupsHeadToHead)
{
    enum { P, Q, R, S, T, U };
    TLigueTest<> l({"Paris", "Quimper", "Reims", "Sedan", "Toulon", "Ussel"}, 4, 3);
    l.Match(1, P, Q, 2, 1), l.Match(1, R, T, 1, 0), l.Match(1, S, U, 3, 0);
    l.Match(2, Q, T, 3, 0), l.Match(2, P, U, 1, 0);
    l.Match(3, Q, U, 2, 0);
    l.Match(4, T, U, 0, 0);
    l.Championnat.OrdreClassement = "ua";
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 4);
    // Paris beat Quimper; Reims and Sedan never met, so goal difference
    // decides them; Toulon and Ussel drew, so it decides them too.
    VerifieClassement(c, {{"Paris", 6, 2, 0, 0, 3, 1, 2},
                          {"Quimper", 6, 2, 0, 1, 6, 2, 4},
                          {"Sedan", 3, 1, 0, 0, 3, 0, 3},
                          {"Reims", 3, 1, 0, 0, 1, 0, 1},
                          {"Toulon", 1, 0, 1, 2, 0, 4, -4},
                          {"Ussel", 1, 0, 1, 3, 0, 6, -6}});
}

TEST(CalculClassement, SmallerFirstHeadToHeadLetterReadsOnlyTheGroup)
{
    Ligue2 l;
    // "n": fewer goals conceded against each other. Among Rennes, Caen and
    // Dijon: Rennes 1, Caen 1, Dijon 3; Rennes and Caen stay level and goal
    // difference puts Caen first.
    l.Championnat.OrdreClassement = "na";
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    const Noms ordre = Ordre(c);
    const Noms debut(ordre.begin(), ordre.begin() + 3);
    EXPECT_EQ(debut, (Noms{"Caen", "Rennes", "Dijon"}));
}

TEST(CalculClassement, EmptyOrderKeepsThePointsPassOrder)
{
    Ligue1 l;
    l.Championnat.OrdreClassement.clear();
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    // The exchange sort leaves Évian ahead of Brest once points are level.
    EXPECT_EQ(Ordre(c), (Noms{"Angers", "Rennes", "Caen", "Dijon", "Évian", "Brest"}));
    // Goal difference leaves them level; fewer goals conceded puts Brest first.
    l.Championnat.OrdreClassement = "ad";
    c.Calcule(1, 1, nullptr, 5);
    EXPECT_EQ(Ordre(c)[4], "Brest");
}

// Brest - Angers of day 3 awarded 0-3, Rennes docked 3 points, Brest given 1.
struct LigueSanctions : Ligue1 {
    LigueSanctions()
    {
        Match(3, B, F, 0, 3);
        Championnat.GetPenalites().AjouteMatch(Id(B), Id(F), 0, 3, 3);
        Championnat.GetPenalites().Ajoute(Id(A), 0, 3, 0, 0, TPenalite::Retrait);
        Championnat.GetPenalites().Ajoute(Id(B), 0, 1, 0, 0, TPenalite::Ajout);
    }
};

TEST(CalculClassement, DeductionsAndAwardedResultsWithTheirOptions)
{
    LigueSanctions l;
    l.Championnat.SetOption(15, static_cast<uint8_t>(-1)); // the awarded loser loses a point
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 13, 4, 1, 0, 11, 5, 6},
                          {"Caen", 8, 2, 2, 1, 6, 4, 2},
                          {"Rennes", 7, 3, 1, 1, 7, 3, 4},
                          {"Dijon", 7, 2, 1, 2, 7, 8, -1},
                          {"Évian", 2, 0, 2, 3, 6, 10, -4},
                          {"Brest", 1, 0, 1, 4, 3, 10, -7}});

    // A point for every loss, two for an awarded loss.
    l.Championnat.SetOption(6, 1);
    l.Championnat.SetOption(15, 2);
    c.Calcule(1, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 13, 4, 1, 0, 11, 5, 6},
                          {"Caen", 9, 2, 2, 1, 6, 4, 2},
                          {"Dijon", 9, 2, 1, 2, 7, 8, -1},
                          {"Rennes", 8, 3, 1, 1, 7, 3, 4},
                          {"Brest", 7, 0, 1, 4, 3, 10, -7},
                          {"Évian", 5, 0, 2, 3, 6, 10, -4}});

    // Days 1 and 2 do not hold the awarded result; the adjustments of day 0 stay.
    c.Calcule(1, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(B, 1), 1 + 1 + 1);
    EXPECT_EQ(c.GetTotal(A, 1), 6 - 3);
    // Only the general standings carry adjustments.
    c.Calcule(2, 1, nullptr, 5);
    EXPECT_EQ(c.GetTotal(A, 1), 3 * 3 + 1 + 1);
}

TEST(CalculClassement, ScoreAndLosingMarginBonuses)
{
    TLigueTest<> l({"Agen", "Brive", "Castres", "Dax"}, 2, 2);
    l.Match(1, A, B, 2, 1), l.Match(1, C, D, 0, 0);
    l.Match(2, B, A, 0, 4), l.Match(2, D, C, 1, 0);
    l.Championnat.BonusBut = 1;
    l.Championnat.BonusEcart = 1;
    l.Championnat.PointBonusBut = 1;
    TCalculClassement c(&l.Championnat, &l.Saison);

    // After the 2-1: both scored, and Brive lost by one.
    c.Calcule(1, 1, nullptr, 1);
    EXPECT_EQ(c.GetTotal(A, 1), 4);
    EXPECT_EQ(c.GetTotal(B, 1), 2);
    EXPECT_EQ(c.GetBrut(A, 11), 1);
    EXPECT_EQ(c.GetBrut(B, 12), 2);
    EXPECT_EQ(c.GetTotal(C, 1), 1); // a goalless draw earns nothing more

    c.Calcule(1, 1, nullptr, 2);
    VerifieClassement(c, {{"Agen", 8, 2, 0, 0, 6, 1, 5},
                          {"Dax", 5, 1, 1, 0, 1, 0, 1},
                          {"Castres", 2, 0, 1, 1, 0, 1, -1},
                          {"Brive", 2, 0, 0, 2, 1, 6, -5}});
    EXPECT_EQ(c.GetTotal(A, 10), 2);
    EXPECT_EQ(c.GetTotal(C, 10), 1);
    c.Calcule(2, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 1), 4);
    EXPECT_EQ(c.GetTotal(C, 1), 1);

    l.Championnat.PointBonusBut = 2;
    c.Calcule(1, 1, nullptr, 2);
    EXPECT_EQ(c.GetTotal(A, 1), 10);

    l.Championnat.BonusBut = 0;
    l.Championnat.BonusEcart = 5;
    c.Calcule(1, 1, nullptr, 2);
    EXPECT_EQ(Colonne(c, 2), (std::vector<int>{6, 4, 1, 0}));
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(c.GetTotal(t, 10), 0);
}

TEST(CalculClassement, HomeAwayAndEnglishTables)
{
    Ligue1 l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(2, 1, nullptr, 5);
    VerifieClassement(c, {{"Rennes", 10, 3, 1, 1, 7, 3, 4},
                          {"Caen", 5, 1, 2, 0, 5, 3, 2},
                          {"Dijon", 3, 1, 0, 1, 3, 3, 0},
                          {"Brest", 2, 0, 2, 2, 4, 6, -2},
                          {"Angers", 0, 0, 0, 0, 0, 0, 0},
                          {"Évian", 0, 0, 0, 1, 2, 3, -1}});
    c.Calcule(3, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 11, 3, 2, 0, 9, 6, 3},
                          {"Dijon", 4, 1, 1, 1, 4, 5, -1},
                          {"Caen", 3, 1, 0, 1, 1, 1, 0},
                          {"Évian", 2, 0, 2, 2, 4, 7, -3},
                          {"Rennes", 0, 0, 0, 0, 0, 0, 0},
                          {"Brest", 0, 0, 0, 1, 0, 2, -2}});
    // Away wins and draws earn, home draws and losses cost.
    c.Calcule(4, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 11, 3, 2, 0, 9, 6, 3},
                          {"Dijon", 1, 2, 1, 2, 7, 8, -1},
                          {"Caen", -1, 2, 2, 1, 6, 4, 2},
                          {"Évian", -1, 0, 2, 3, 6, 10, -4},
                          {"Rennes", -5, 3, 1, 1, 7, 3, 4},
                          {"Brest", -10, 0, 2, 3, 4, 8, -4}});
}

TEST(CalculClassement, AttackAndDefenceTablesBreakTiesByName)
{
    Ligue1 l;
    TCalculClassement c(&l.Championnat, &l.Saison);
    struct Cas {
        int Genre;
        Noms Ordre;
        std::vector<int> Valeurs;
    };
    const Cas cas[] = {
        {5, {"Angers", "Dijon", "Rennes", "Caen", "Évian", "Brest"}, {9, 7, 7, 6, 6, 4}},
        // Names descending on the defence tables.
        {6, {"Évian", "Dijon", "Brest", "Angers", "Caen", "Rennes"}, {10, 8, 8, 6, 4, 3}},
        {10, {"Rennes", "Caen", "Brest", "Dijon", "Évian", "Angers"}, {7, 5, 4, 3, 2, 0}},
        {11, {"Brest", "Évian", "Rennes", "Dijon", "Caen", "Angers"}, {6, 3, 3, 3, 3, 0}},
        {12, {"Angers", "Dijon", "Évian", "Caen", "Brest", "Rennes"}, {9, 4, 4, 1, 0, 0}},
        {13, {"Évian", "Angers", "Dijon", "Brest", "Caen", "Rennes"}, {7, 6, 5, 2, 1, 0}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE("kind " + std::to_string(k.Genre));
        c.Calcule(k.Genre, 1, nullptr, 5);
        EXPECT_EQ(Ordre(c), k.Ordre);
        EXPECT_EQ(Colonne(c, 2), k.Valeurs);
    }
}

TEST(CalculClassement, DisciplineAttendanceGeneralWithBlocksAndHomePointsLost)
{
    Ligue1 l;
    auto carton = [&](int jour, int equipe, uint16_t mot) {
        TLigueTest<>::Evenement(l.Championnat.GetCartonsJournee(jour), equipe, mot);
    };
    carton(1, A, 10);
    carton(2, B, Evt::ContreCamp | 20), carton(3, B, 30);
    carton(1, C, 5), carton(2, C, 6), carton(4, C, 7);
    carton(4, D, Evt::ContreCamp | 80);
    carton(4, 17, 10); // a team outside the championship
    TCalculClassement c(&l.Championnat, &l.Saison);

    c.Calcule(7, 1, nullptr, 5);
    EXPECT_EQ(Ordre(c), (Noms{"Brest", "Dijon", "Caen", "Rennes", "Évian", "Angers"}));
    EXPECT_EQ(Colonne(c, 2), (std::vector<int>{4, 3, 3, 1, 0, 0}));
    EXPECT_EQ(Colonne(c, 3), (std::vector<int>{1, 0, 3, 1, 0, 0}));
    EXPECT_EQ(Colonne(c, 4), (std::vector<int>{1, 1, 0, 0, 0, 0}));

    l.Championnat.SetAffluence(1, 1, 10000), l.Championnat.SetAffluence(2, 1, 12000);
    l.Championnat.SetAffluence(3, 1, 0), l.Championnat.SetAffluence(4, 1, 14000);
    l.Championnat.SetAffluence(1, 2, 70000), l.Championnat.SetAffluence(3, 3, 80000);
    l.Championnat.SetAffluence(2, 2, 5000);
    c.Calcule(8, 1, nullptr, 5);
    EXPECT_EQ(Ordre(c), (Noms{"Caen", "Rennes", "Brest", "Dijon", "Évian", "Angers"}));
    EXPECT_EQ(c.GetAffluenceMoyenne(0), 75000u);
    EXPECT_EQ(c.GetClassement(0, 2), static_cast<int16_t>(75000 & 0xFFFF));
    EXPECT_EQ(c.GetClassement(0, 3), 1);
    EXPECT_EQ(c.GetAffluenceMoyenne(1), 12000u);
    EXPECT_EQ(c.GetAffluenceMoyenne(2), 5000u);
    EXPECT_EQ(c.GetAffluenceMoyenne(3), 0u);

    // Two points a win; Évian passes Brest on goals scored.
    c.Calcule(9, 1, nullptr, 5);
    VerifieClassement(c, {{"Angers", 8, 3, 2, 0, 9, 6, 3},
                          {"Rennes", 7, 3, 1, 1, 7, 3, 4},
                          {"Caen", 6, 2, 2, 1, 6, 4, 2},
                          {"Dijon", 5, 2, 1, 2, 7, 8, -1},
                          {"Évian", 2, 0, 2, 3, 6, 10, -4},
                          {"Brest", 2, 0, 2, 3, 4, 8, -4}});

    // Share of the home points lost, largest first.
    c.Calcule(20, 1, nullptr, 5);
    EXPECT_EQ(Ordre(c), (Noms{"Évian", "Brest", "Dijon", "Caen", "Rennes", "Angers"}));
    EXPECT_EQ(Colonne(c, 2), (std::vector<int>{100, 84, 50, 45, 34, 0}));
    EXPECT_EQ(c.GetTotal(A, 1), 10);
    EXPECT_EQ(c.GetTotal(A, 2), 15);
}

TEST(CalculClassement, DayByDayEndsWhereOneComputationOverTheSeasonDoes)
{
    for (const char* ordre : {"ac", "ua", "qkd"}) {
        SCOPED_TRACE(ordre);
        LigueSanctions l;
        l.Championnat.OrdreClassement = ordre;
        l.Championnat.SetOption(15, static_cast<uint8_t>(-2));
        TCalculClassement jourParJour(&l.Championnat, &l.Saison);
        for (int d = 1; d <= 5; ++d) {
            jourParJour.Calcule(1, d, nullptr, d);
            TCalculClassement dUnCoup(&l.Championnat, &l.Saison);
            dUnCoup.Calcule(1, 1, nullptr, d);
            SCOPED_TRACE("after day " + std::to_string(d));
            for (int r = 0; r < 6; ++r) {
                for (int k = 1; k <= 10; ++k)
                    EXPECT_EQ(jourParJour.GetClassement(r, k), dUnCoup.GetClassement(r, k)) << r << "," << k;
                for (int k = 1; k <= 10; ++k)
                    EXPECT_EQ(jourParJour.GetTotal(r, k), dUnCoup.GetTotal(r, k)) << r << "," << k;
            }
        }
        EXPECT_EQ(jourParJour.GetTotal(B, 1), 0 + 1 + 1 - 2);
    }
}

TEST(CalculClassement, ClearingTheRawTableForgetsTheDaysItHeld)
{
    LigueSanctions l;
    l.Championnat.SetOption(15, static_cast<uint8_t>(-1));
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 3);
    c.VideBrut();
    c.Calcule(1, 4, nullptr, 5);
    // Days 4 and 5 only: the awarded result of day 3 is no longer counted.
    EXPECT_EQ(c.GetTotal(B, 1), 0 + 1);
    EXPECT_EQ(c.GetTotal(B, 4), 2);
}

TEST(CalculClassement, NoMatchPlayedAndOutOfRangeCells)
{
    TLigueTest<> l(Six, 5, 3);
    l.Championnat.AjouteMatch(1, 1, 2, -1, 65535, 65535);
    TCalculClassement c(&l.Championnat, &l.Saison);
    c.Calcule(1, 1, nullptr, 5);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(c.GetClassement(r, 1), r);
        EXPECT_EQ(c.GetClassement(r, 2), 0);
    }
    EXPECT_EQ(c.GetClassement(6, 1), 0);
    EXPECT_EQ(c.GetClassement(-1, 1), 0);
    EXPECT_EQ(c.GetClassement(0, 14), 0);
    EXPECT_EQ(c.GetTotal(0, 11), 0);
    EXPECT_EQ(c.GetBrut(0, 13), 0);
    c.SetTotal(9, 1, 5);
    c.SetTotal(0, 1, 5);
    EXPECT_EQ(c.GetTotal(0, 1), 5);

    // A team added afterwards stays outside the tables.
    l.Championnat.AjouteEquipe(7);
    l.Saison.Equipes[7] = "Lens";
    l.Match(1, 6, A, 5, 0);
    c.Calcule(1, 1, nullptr, 5);
    EXPECT_EQ(c.GetNbEquipe(), 6);
    EXPECT_EQ(c.GetTotal(A, 4), 0);
}

TEST(CalculClassement, CaptionsComeFromTheTranslator)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    TLigueTest<> l(Six, 1, 3);
    TCalculClassement c(&l.Championnat, &l.Saison);
    EXPECT_EQ(c.GetLibelle(52), "Classement général");
    EXPECT_EQ(c.GetLibelle(66), "Equipe");
    EXPECT_EQ(c.GetLibelle(1), "");
    InstalleTraducteur(nullptr);
}

// --- The head-to-head order against a separate engine per tie group ---

using Ligne = std::array<int, TCalculClassement::NbColClassement>;

std::vector<Ligne> Lignes(const TCalculClassement& c)
{
    std::vector<Ligne> lignes(c.GetNbEquipe());
    for (int r = 0; r < c.GetNbEquipe(); ++r)
        for (int k = 0; k < TCalculClassement::NbColClassement; ++k)
            lignes[r][k] = c.GetClassement(r, k + 1);
    return lignes;
}

void NumeroteReference(int& ni, int& nj, int& compteur)
{
    if (ni < 1)
        ni = nj = nj < 1 ? compteur++ : nj;
    else
        nj = ni;
}

void TriReference(std::vector<Ligne>& t, int debut, int fin, int colonne, int sens, int& compteur)
{
    for (int i = debut; i < fin; ++i)
        for (int j = i + 1; j <= fin; ++j) {
            const int a = t[i][colonne - 1], b = t[j][colonne - 1];
            if (a == b)
                NumeroteReference(t[i][10], t[j][10], compteur);
            else if (sens > 0 ? b > a : b < a)
                std::swap(t[i], t[j]);
        }
}

// The tie-break passes computed the first way: the points pass from the
// engine, then for each letter and tie group a new engine counting the group's
// matches over days 1..dernierJour.
std::vector<Ligne> OrdreReference(TDonneesChampionnat& champ, const TContexteSaison& saison, int genre, int dernierJour,
                                  int& groupesTete)
{
    const std::string ordre = champ.OrdreClassement;
    champ.OrdreClassement.clear();
    TCalculClassement points(&champ, &saison);
    points.Calcule(genre, 1, nullptr, dernierJour);
    champ.OrdreClassement = ordre;
    std::vector<Ligne> t = Lignes(points);
    const int n = static_cast<int>(t.size());
    static const int Colonnes[10] = {3, 13, 4, 8, 9, 10, 5, 6, 6, 7};
    static const int Sens[10] = {1, 1, 1, -1, 1, -1, 1, 1, -1, -1};
    for (char lettre : ordre) {
        const bool tete = lettre >= 'k';
        const int k = lettre == 'u' ? -1 : tete ? lettre - 'k' : lettre - 'a';
        const int colonne = k < 0 ? 2 : Colonnes[k], sens = k < 0 ? 1 : Sens[k];
        int compteur = 1;
        bool egalites = false;
        for (int s = 0; s < n - 1;) {
            int e = s;
            while (e + 1 < n && t[e + 1][11] == t[e][11])
                ++e;
            if (t[e][11] >= 1 && e != s) {
                egalites = true;
                if (!tete) {
                    TriReference(t, s, e, colonne, sens, compteur);
                } else {
                    std::vector<int> groupe;
                    for (int r = s; r <= e; ++r)
                        groupe.push_back(t[r][0]);
                    TCalculClassement mini(&champ, &saison);
                    mini.CalculeSimple(genre, 1, compteur, colonne * sens, &groupe, dernierJour);
                    const bool rencontre = std::any_of(groupe.begin(), groupe.end(), [&](int g) {
                        return mini.GetTotal(g, 2) + mini.GetTotal(g, 3) + mini.GetTotal(g, 4) > 0;
                    });
                    if (!rencontre) {
                        for (int r = s; r <= e; ++r)
                            t[r][10] = compteur;
                        ++compteur;
                    } else {
                        ++groupesTete;
                        int place = s;
                        for (int r = 0; r < n && place <= e; ++r)
                            for (int q = place; q <= e; ++q)
                                if (t[q][0] == mini.GetClassement(r, 1)) {
                                    t[q][10] = mini.GetClassement(r, 11);
                                    std::swap(t[q], t[place++]);
                                    break;
                                }
                    }
                }
            }
            s = e + 1;
        }
        for (Ligne& r : t) {
            r[11] = r[10];
            r[10] = 0;
        }
        if (!egalites)
            break;
    }
    return t;
}

// Low scores and a few matches left unplayed, so most days have tie groups of
// every size; the results change with the seed.
std::unique_ptr<TLigueTest<>> LigueAuHasard(unsigned graine, int nbEquipes)
{
    Noms noms;
    for (int i = 0; i < nbEquipes; ++i)
        noms.push_back("Club " + std::string(1, static_cast<char>('A' + (i * 7 + graine) % 26)) + std::to_string(i));
    auto l = std::make_unique<TLigueTest<>>(noms, 2 * (nbEquipes - 1), nbEquipes / 2);
    auto hasard = [&](int m) {
        graine = graine * 1103515245u + 12345u;
        return static_cast<int>((graine >> 16) % static_cast<unsigned>(m));
    };
    for (int tour = 0; tour < nbEquipes - 1; ++tour)
        for (int m = 0; m < nbEquipes / 2; ++m) {
            const int a = m == 0 ? 0 : 1 + (tour + m - 1) % (nbEquipes - 1);
            const int b = 1 + (tour + nbEquipes - 2 - m) % (nbEquipes - 1);
            for (int retour = 0; retour < 2; ++retour) {
                const int jour = tour + 1 + retour * (nbEquipes - 1);
                if (hasard(12) == 0)
                    l->Championnat.AjouteMatch(jour, TLigueTest<>::Id(retour ? b : a), TLigueTest<>::Id(retour ? a : b),
                                               -1, 65535, 65535);
                else
                    l->Match(jour, retour ? b : a, retour ? a : b, hasard(3), hasard(3));
            }
        }
    return l;
}

TEST(CalculClassement, HeadToHeadFromTheCountedMatchesMatchesANewEnginePerGroup)
{
    int groupesTete = 0;
    for (unsigned graine : {1u, 7u, 42u, 1234u, 99991u})
        for (const char* ordre : {"ukac", "kuac", "lnub", "qkdm", "uk", "sptc"}) {
            SCOPED_TRACE("seed " + std::to_string(graine) + ", order " + ordre);
            auto l = LigueAuHasard(graine, 6 + static_cast<int>(graine % 7));
            l->Championnat.OrdreClassement = ordre;
            for (int genre : {TCalculClassement::General, TCalculClassement::GeneralDetaille}) {
                TCalculClassement jourParJour(&l->Championnat, &l->Saison);
                for (int d = 1; d <= l->Championnat.GetNbJour(); ++d) {
                    jourParJour.Calcule(genre, d, nullptr, d);
                    ASSERT_EQ(Lignes(jourParJour), OrdreReference(l->Championnat, l->Saison, genre, d, groupesTete))
                        << "kind " << genre << ", after day " << d;
                }
            }
        }
    // The seasons do reach tie groups whose teams have met.
    EXPECT_GT(groupesTete, 500);
}

} // namespace
