#include "engine/StatEquipe.h"

#include "LigueTest.h"
#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/ClubStade.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/infocomp.h"
#include "support/SaisonTempsJeu.h"

#include <gtest/gtest.h>

namespace {

using namespace StatEquipe;
enum { A, B, C, D };

struct StatEquipeTest : ::testing::Test {
    StatEquipeTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
    }
    ~StatEquipeTest() override { InstalleTraducteur(nullptr); }
};

// A's season: day 1 beats B 3-0 at home (10000), day 2 draws at C 1-1,
// day 3 beats B 3-1 at home (0 spectators), day 4 loses to D 0-2 at home
// (8000), day 5 at B not played yet.
struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest({"ARLES", "blois", "Caen", "Dax"}, 6, 2)
    {
        Match(1, A, B, 3, 0), Match(1, C, D, 0, 0);
        Match(2, C, A, 1, 1), Match(2, B, D, 2, 0);
        Match(3, A, B, 3, 1), Match(3, D, C, 1, 1);
        Match(4, A, D, 0, 2), Match(4, B, C, 0, 0);
        Match(5, B, A, 65535, 65535), Match(5, C, D, 2, 1);
        Championnat.SetAffluence(1, 1, 10000);
        Championnat.SetAffluence(2, 1, 5000);
        Championnat.SetAffluence(4, 1, 8000);
        Championnat.JourneeJouee = 5;
    }
};

TEST_F(StatEquipeTest, RouteWalkLinesRecordsAndAttendance)
{
    Ligue L;
    const TParcours P = CalculeParcours(L.Championnat, L.Saison, A);
    ASSERT_EQ(P.Domicile.size(), 3u);
    ASSERT_EQ(P.Exterieur.size(), 1u);
    EXPECT_EQ(P.Domicile[0].Texte, "Arles - Blois : 3 - 0");
    EXPECT_EQ(P.Domicile[0].Tag, 1 + (1 << 8));
    EXPECT_EQ(P.Domicile[0].Couleur, 0x00FFFF);
    EXPECT_EQ(P.Exterieur[0].Couleur, 0xFFFF00);
    EXPECT_EQ(P.Domicile[2].Couleur, 0x0000FF);
    // Equal biggest own scores keep the earlier day.
    EXPECT_EQ(P.Records[RecordDomPour].Jour, 1);
    EXPECT_EQ(TexteRecord(P.Records[RecordDomPour], true, L.Saison), "3 ( ARLES-blois : 3 - 0 )");
    EXPECT_EQ(TexteRecord(P.Records[RecordDomContre], false, L.Saison), "2 ( ARLES-Dax : 0 - 2 )");
    // The unplayed match changes no record.
    EXPECT_EQ(P.Records[RecordExtPour].Pour, 1);
    EXPECT_EQ(P.Records[RecordExtContre].Contre, 1);
    const TTextesSpect S = TextesSpectateurs(P);
    EXPECT_EQ(S.Moyenne, "9000");
    EXPECT_EQ(S.Maximum, "10000");
    EXPECT_EQ(S.Minimum, "8000");
    EXPECT_EQ(S.Total, "18000");
    // Form: +2, 0, +2, -2 from 40; the unplayed day keeps its value.
    std::vector<int> Forme;
    for (const TPointGraphe& F : P.Forme)
        Forme.push_back(F.Y);
    EXPECT_EQ(Forme, (std::vector<int>{40, 42, 42, 44, 42, 42}));
    // Two wins against B: 6/6; a draw against C: 1/3; a defeat: 0/3.
    const auto Points = PointsParAdversaire(L.Championnat, P, A);
    ASSERT_EQ(Points.size(), 3u);
    EXPECT_EQ(Points[0].second, "6/6");
    EXPECT_EQ(Points[1].second, "1/3");
    EXPECT_EQ(Points[2].second, "0/3");
}

TEST_F(StatEquipeTest, UncheckedWinsLeaveRecordsAndCounts)
{
    Ligue L;
    const TParcours P = CalculeParcours(L.Championnat, L.Saison, A, {false, true, true});
    EXPECT_EQ(P.Domicile.size(), 1u);
    EXPECT_EQ(P.Exterieur.size(), 1u);
    EXPECT_EQ(P.Resultat.size(), 2u);
    std::vector<int> Forme;
    for (const TPointGraphe& F : P.Forme)
        Forme.push_back(F.Y);
    EXPECT_EQ(Forme, (std::vector<int>{40, 40, 40, 40, 38, 38}));
    // Win days give empty score bars and no attendance point.
    EXPECT_EQ(P.Score[1].Y, 0);
    EXPECT_EQ(P.SpectDomicile.size(), 2u); // point 0 and day 4
    EXPECT_EQ(P.Records[RecordDomPour].Pour, 3);
    EXPECT_EQ(TextesSpectateurs(P).Total, "18000");
    EXPECT_EQ(PointsParAdversaire(L.Championnat, P, A)[0].second, "6/6");
}

TEST_F(StatEquipeTest, NoAttendanceAndNeutralGrounds)
{
    Ligue L;
    const TTextesSpect S = TextesSpectateurs(CalculeParcours(L.Championnat, L.Saison, D));
    EXPECT_EQ(S.Moyenne, "-");
    EXPECT_EQ(S.Maximum, "-");
    EXPECT_EQ(S.Minimum, "-");
    EXPECT_EQ(S.Total, "0");

    L.Championnat.SetOption(11, 2);
    const TParcours P = CalculeParcours(L.Championnat, L.Saison, A);
    EXPECT_EQ(P.Domicile.size(), 4u);
    EXPECT_TRUE(P.Exterieur.empty());
    EXPECT_EQ(TexteRecord(P.Records[RecordExtPour], true, L.Saison), "-");
    EXPECT_EQ(TextesSpectateurs(P).Total, "23000");
}

TEST_F(StatEquipeTest, WinAndDrawAgainstOneOpponent)
{
    TLigueTest<> L({"A", "B"}, 2, 1);
    L.Match(1, A, B, 2, 0);
    L.Match(2, B, A, 1, 1);
    L.Championnat.JourneeJouee = 2;
    const TParcours P = CalculeParcours(L.Championnat, L.Saison, A);
    EXPECT_EQ(PointsParAdversaire(L.Championnat, P, A)[0].second, "4/6");
}

TEST_F(StatEquipeTest, DateWalkWithDatesPerDayKeepsEveryPoint)
{
    // A rests on day 2: its third match is at X = 3 while the counter is 2.
    TLigueTest<> L({"A", "B", "C"}, 3, 1);
    L.Championnat.SetOption(11, 1);
    L.Championnat.AjouteMatchDate(1, 1, 2, EncodeDateMatch(1, 8, 2026), -1, 1, 0);
    L.Championnat.AjouteMatchDate(2, 2, 3, EncodeDateMatch(8, 8, 2026), -1, 0, 0);
    L.Championnat.AjouteMatchDate(3, 3, 1, EncodeDateMatch(15, 8, 2026), -1, 0, 2);
    L.Championnat.JourneeJouee = 3;
    const TParcours P = CalculeParcours(L.Championnat, L.Saison, A);
    ASSERT_EQ(P.Forme.size(), 3u);
    EXPECT_EQ(P.Forme.back().X, 3);
    EXPECT_GT(P.NbPointsForme, 3);
    EXPECT_GT(P.NbPointsScore, P.Score.back().X);
    ASSERT_EQ(P.Domicile.size(), 1u);
    EXPECT_EQ(P.Domicile[0].Texte, "01/08/2026: A - B : 1 - 0");
}

TEST_F(StatEquipeTest, StandingsBoxesAndSeriesReport)
{
    // A wins its last three, unbeaten for four; B and C score 2 each.
    TLigueTest<> L({"A", "B", "C", "D"}, 4, 2);
    L.Match(1, A, B, 1, 1), L.Match(1, C, D, 2, 0);
    L.Match(2, B, A, 0, 1), L.Match(2, D, C, 0, 0);
    L.Match(3, A, C, 2, 0), L.Match(3, B, D, 1, 0);
    L.Match(4, D, A, 0, 3), L.Match(4, C, B, 0, 0);
    L.Championnat.JourneeJouee = 4;
    const TClassementEquipe Tete = RemplitClassement(L.Championnat, L.Saison, A);
    EXPECT_EQ(Tete.Boites[0].Place, Traduit(166));
    EXPECT_EQ(Tete.Boites[0].Victoires, 3);
    EXPECT_EQ(Tete.Boites[0].RangAttaque, 1);
    EXPECT_EQ(Tete.Boites[0].RangDefense, 1); // one goal conceded, the fewest
    EXPECT_NE(std::find(Tete.Series.begin(), Tete.Series.end(), TraduitFmt(161, {3, ""})), Tete.Series.end());
    EXPECT_NE(std::find(Tete.Series.begin(), Tete.Series.end(), TraduitFmt(167, {4, ""})), Tete.Series.end());
    EXPECT_NE(std::find(Tete.Series.begin(), Tete.Series.end(), TraduitFmt(161, {2, Traduit(165)})), Tete.Series.end());

    const TClassementEquipe BB = RemplitClassement(L.Championnat, L.Saison, B);
    const TClassementEquipe CC = RemplitClassement(L.Championnat, L.Saison, C);
    EXPECT_EQ(BB.Boites[0].Pour, CC.Boites[0].Pour);
    EXPECT_EQ(BB.Boites[0].RangAttaque, CC.Boites[0].RangAttaque);
    EXPECT_EQ(BB.Boites[0].RangAttaque, 2);
    EXPECT_EQ(BB.Boites[0].Place, TraduitFmt(139, {BB.Boites[0].Position}));
}

TEST_F(StatEquipeTest, GoalsByTime)
{
    Ligue L;
    TListeDonnees* J1 = L.Championnat.GetButeursJournee(1);
    L.Evenement(J1, A, 90);                                 // slice 18, band 7
    L.Evenement(J1, A, 45);                                 // slice 9, band 4
    L.Evenement(J1, A, 0x80 | 20);                          // own goal by B's player, credited to A
    L.Evenement(J1, A, 0x800 | 30);                         // missed penalty
    L.Evenement(J1, B, 0x80 | 50);                          // own goal by A's player, credited to B
    L.Evenement(J1, B, 0x800 | 60);                         // B's missed penalty
    L.Evenement(J1, A, 115);                                // beyond the slices
    L.Evenement(L.Championnat.GetButeursJournee(1), D, 10); // C - D: not A's match
    const TTranches M = CompteButsMarques(L.Championnat, L.Championnat.GetEquipe(A));
    EXPECT_EQ(M[18], 1);
    EXPECT_EQ(M[9], 1);
    EXPECT_EQ(M[4], 1);
    EXPECT_EQ(M[6], 0);
    EXPECT_EQ(QuartHeure(M, 7), 1);
    EXPECT_EQ(QuartHeure(M, 4), 1);
    int Total = 0;
    for (int N : M)
        Total += N;
    EXPECT_EQ(Total, 3);
    const TTranches E = CompteButsEncaisses(L.Championnat, L.Championnat.GetEquipe(A));
    EXPECT_EQ(E[10], 1);
    EXPECT_EQ(E[12], 0);
    EXPECT_EQ(E[2], 0);

    // A day without a match of the team concedes nothing.
    TLigueTest<> R({"A", "B", "C"}, 1, 1);
    R.Match(1, B, C, 1, 0);
    R.Championnat.JourneeJouee = 1;
    R.Evenement(R.Championnat.GetButeursJournee(1), B, 10);
    const TTranches Rien = CompteButsEncaisses(R.Championnat, R.Championnat.GetEquipe(A));
    EXPECT_EQ(Rien[2], 0);
}

TEST_F(StatEquipeTest, Percentages)
{
    EXPECT_EQ(Pourcentage(2, 3), "66,70%");
    EXPECT_EQ(Pourcentage(1, 7), "14,30%");
    EXPECT_EQ(Pourcentage(5, 5), "100,00%");
    EXPECT_EQ(Pourcentage(0, 0), "0,00%");
}

TEST_F(StatEquipeTest, ScoreEvolutionByVenue)
{
    // A scores first in its home win of day 1 and its away draw of day 2, the
    // two matches whose goals are all entered; days 3 and 4 have no scorers.
    Ligue L;
    for (int Minute : {10, 20, 30})
        L.Evenement(L.Championnat.GetButeursJournee(1), A, static_cast<uint16_t>(Minute));
    L.Evenement(L.Championnat.GetButeursJournee(2), A, 10);
    L.Evenement(L.Championnat.GetButeursJournee(2), C, 80);
    const uint16_t Id = static_cast<uint16_t>(L.Championnat.GetEquipe(A));
    const auto Tous = RemplitEvolutionScore(L.Championnat, L.Saison, Id, 1);
    for (size_t E = 12; E < 16; ++E)
        EXPECT_TRUE(Tous[E].empty());
    // Shares of the two classified matches, not of the four played.
    EXPECT_EQ(Tous[0], TraduitFmt(329, {"ARLES", 2, "100,00%"}));
    EXPECT_EQ(Tous[1], TraduitFmt(330, {1, "50,00%"}));
    EXPECT_EQ(Tous[2], TraduitFmt(331, {1, "50,00%"}));
    EXPECT_EQ(Tous[8], TraduitFmt(334, {"ARLES", 2, "100,00%"})) << "ahead at half-time in both";
    EXPECT_EQ(Tous[16], TraduitFmt(3010, {0, "0,00%"})) << "days 3 and 4 are not level for want of scorers";
    const auto Ext = RemplitEvolutionScore(L.Championnat, L.Saison, Id, 3);
    // One match, and none, take the singular.
    EXPECT_EQ(Ext[0], "ARLES a ouvert le score dans 1 match (50,00%)");
    EXPECT_EQ(Ext[1], TraduitFmt(330, {0, "0,00%"}));
    EXPECT_EQ(Ext[2], TraduitFmt(331, {1, "100,00%"}));
    EXPECT_EQ(Ext[5], TraduitFmt(330, {0, "-"}));

    // A team without a played match: shares of 0,00%.
    TLigueTest<> V({"A", "B"}, 1, 1);
    const auto Vide = RemplitEvolutionScore(V.Championnat, V.Saison, 1, 1);
    EXPECT_EQ(Vide[0], "A a ouvert le score dans 0 match (0,00%)");
    EXPECT_EQ(Vide[1], TraduitFmt(330, {0, "-"}));
}

} // namespace

namespace {

struct TAttenduTemps {
    int Joueur, Minutes, Matchs, Entrees, Sorties;
};

} // namespace

TEST(TempsJeu, StartersSubstitutionsAndSendingsOff)
{
    testsupport::SaisonTempsJeu S;
    const std::unique_ptr<TListeTemps> Liste = CalculeTempsJeu(S, 0);
    ASSERT_EQ(Liste->Nombre(), 15);
    // 2 off at 60; 12 on at 60, off at 80 and on at 91; 13 on at 80, then on
    // at 60 and sent off at 75; 14 on at 0 (the pair without a player off on
    // day 1 ignored); 3 sent off at 30, 4 at 95; 11 replaced by a player of
    // another team on day 2, Auxerre's sending-off of an id 1 not counted.
    const TAttenduTemps Attendus[] = {
        {1, 180, 2, 0, 0}, {2, 150, 2, 0, 1}, {3, 120, 2, 0, 0}, {4, 180, 2, 0, 0},
        {5, 180, 2, 0, 1}, {6, 180, 2, 0, 1}, {7, 150, 2, 0, 1}, {11, 90, 1, 0, 0},
        {12, 20, 2, 2, 1}, {13, 25, 2, 2, 0}, {14, 0, 1, 1, 0},  {15, 0, 0, 0, 0},
    };
    for (const TAttenduTemps& A : Attendus) {
        SCOPED_TRACE(A.Joueur);
        const TTempsJoueur* T = Liste->ChercheNumero(A.Joueur);
        ASSERT_NE(T, nullptr);
        EXPECT_EQ(T->Minutes, A.Minutes);
        EXPECT_EQ(T->Matchs, A.Matchs);
        EXPECT_EQ(T->Entrees, A.Entrees);
        EXPECT_EQ(T->Sorties, A.Sorties);
    }
    EXPECT_EQ(Liste->ChercheNumero(99), nullptr);

    // A team without players: an empty table.
    EXPECT_EQ(CalculeTempsJeu(S, 1)->Nombre(), 0);
    EXPECT_EQ(CalculeTempsJeu(S, 7)->Nombre(), 0);
}

TEST(ClubEquipe, SavingCreatesTheRecordAndTheListsNameTheirEntries)
{
    testsupport::SaisonClub S;
    const auto Stades = EntreesStades(S);
    ASSERT_EQ(Stades.size(), 2u);
    EXPECT_EQ(Stades[0].Objet, 65535);
    EXPECT_EQ(Stades[1].Texte, "Gerland (Lyon)");
    const auto Entraineurs = EntreesEntraineurs(S);
    ASSERT_EQ(Entraineurs.size(), 3u);
    EXPECT_EQ(Entraineurs[1].Texte, Entraineurs[2].Texte);

    // No record: empty texts, budget "0", the first entries.
    TChampsClub C = LitClub(S, S.Lyon);
    EXPECT_FALSE(C.AvecFiche);
    EXPECT_EQ(C.Budget, "0");
    EXPECT_EQ(C.Stade, 65535);
    EXPECT_EQ(C.Entraineur, 65535);

    // The first save creates the record with the next code and all nine fields.
    S.RensClubs().Cree(S.Auxerre);
    const int CodeAuxerre = S.RensClubs().ChercheEquipe(S.Auxerre)->Code;
    C = {"1950", "rouge", "blanc", "2 titres", "www.lyon.fr", "abc", "M. Dupont", "SASP", "rien", Stades[1].Objet, 2};
    const TRensClub* R = EcritClub(S, S.Lyon, C);
    ASSERT_NE(R, nullptr);
    EXPECT_EQ(R, S.RensClubs().ChercheEquipe(S.Lyon));
    EXPECT_EQ(R->Code, CodeAuxerre + 1);
    EXPECT_EQ(R->Budget, 0) << "a budget that is not a number";
    EXPECT_EQ(
        (std::vector<std::string>{R->Creation, R->CouleurMaillot, R->CouleurRechange, R->Palmares, R->SiteInternet,
                                  R->President, R->Statut, R->Remarque}),
        (std::vector<std::string>{"1950", "rouge", "blanc", "2 titres", "www.lyon.fr", "M. Dupont", "SASP", "rien"}));
    EXPECT_EQ(R->CodeStade, Stades[1].Objet);
    EXPECT_EQ(R->NumeroEntraineur, 2);
    EXPECT_EQ(dynamic_cast<TEntraineur*>(S.Entraineurs().ChercheId(2))->ClubActuel, S.Lyon);

    // Read back: the record's own coach of the two alike, the budget as a number.
    C.Budget = "1200000";
    EcritClub(S, S.Lyon, C);
    const TChampsClub Lu = LitClub(S, S.Lyon);
    EXPECT_TRUE(Lu.AvecFiche);
    EXPECT_EQ(Lu.Entraineur, 2);
    EXPECT_EQ(Lu.Budget, "1200000");
    EXPECT_EQ(Lu.Stade, Stades[1].Objet);

    // The first entries clear the stadium and the coach; a record without them selects none.
    C.Stade = 65535;
    C.Entraineur = 65535;
    EcritClub(S, S.Lyon, C);
    EXPECT_EQ(R->CodeStade, 65535);
    EXPECT_EQ(R->NumeroEntraineur, -1);
    EXPECT_EQ(LitClub(S, S.Lyon).Stade, -1);
    EXPECT_EQ(LitClub(S, S.Lyon).Entraineur, -1);
    EXPECT_EQ(S.RensClubs().Nombre(), 2);
}
