#include "engine/StatFicheJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

#include <memory>

using namespace StatFicheJoueur;

namespace {

constexpr int Id = 1; // the player followed, of team A (id 0)

// Teams A, B, C, D (ids 0-3) and the player followed; championships are added
// with A - B and C - D every day (A at home on odd days).
struct SaisonTest {
    std::unique_ptr<TSaisonFootball> S = std::make_unique<TSaisonFootball>();
    TJoueur* J = nullptr;

    SaisonTest()
    {
        for (const char* nom : {"A", "B", "C", "D"})
            S->AjouteEquipe(nom);
        J = S->Joueurs().AjouteSimple(S->CreeJoueurComplet("Martin", "Paul", Id, 95, 'A', 9, 0, 65535, 0, 120, 3));
        // A team-mate, to tell the player's events from others'.
        S->Joueurs().AjouteSimple(S->CreeJoueurComplet("Autre", "Luc", 2, 95, 'D', 4, 0, 65535, 0, 120, 3));
    }
    TDonneesChampionnatFootball& Ajoute(int Code, int NbJour, const std::string& Nom)
    {
        return testsupport::AjouteChampionnatQuatre(*S, Code, NbJour, Nom);
    }
    static void Evt(TListeDonnees* L, int Joueur, uint16_t Equipe, uint16_t Mot)
    {
        L->Ajoute(std::make_unique<TDonneesEvt>(Joueur, Equipe, Mot));
    }
    static void But(TDonneesChampionnat& C, int Jour, uint16_t Mot, int Joueur = Id, uint16_t Equipe = 0)
    {
        Evt(C.GetButeursJournee(Jour), Joueur, Equipe, Mot);
    }
    // Starter in slot 1 of team A.
    static void Titulaire(TDonneesChampionnat& C, int Jour, int Joueur = Id) { C.SetCompoMatch(Jour, 0, 1, Joueur); }
    void Recompte() { S->RecalculeJoueurs(); }
};

class StatFicheJoueurTest : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
    SaisonTest T;
};

TEST_F(StatFicheJoueurTest, LePanneauDonneLesTotauxOuLaFormeChampionnatTotal)
{
    auto& ligue = T.Ajoute(101, 3, "Ligue");
    SaisonTest::Titulaire(ligue, 1);
    SaisonTest::Titulaire(ligue, 2);
    SaisonTest::But(ligue, 1, 10);
    SaisonTest::Evt(ligue.GetCartonsJournee(2), Id, 0, 40);
    T.Recompte();

    TPanneauSaison P = CalculePanneau(*T.S, *T.J, 1);
    EXPECT_EQ(P.Textes, (std::array<std::string, 5>{"2", "1", "1", "0", "0"})) << "one championship: plain totals";
    EXPECT_EQ(P.Boutons, (std::array<bool, 5>{true, true, true, false, false}));
    EXPECT_TRUE(P.Detail);

    auto& coupe = T.Ajoute(1005, 2, "Coupe");
    SaisonTest::Titulaire(coupe, 1);
    SaisonTest::But(coupe, 1, 20);
    SaisonTest::But(coupe, 1, 25);
    SaisonTest::Evt(coupe.GetPasseursJournee(1), Id, 0, 0);
    T.Recompte();
    P = CalculePanneau(*T.S, *T.J, 1);
    EXPECT_EQ(P.Textes, (std::array<std::string, 5>{"2(3)", "1(3)", "1", "0", "0(1)"}));
    EXPECT_EQ(P.Boutons, (std::array<bool, 5>{true, true, true, false, true}));
    EXPECT_EQ(CalculePanneau(*T.S, *T.J, -1).Textes[Buts], "3") << "no championship on the card: totals";

    // The detail button follows the season's current championship.
    T.S->SetNumChampCourant(2);
    EXPECT_TRUE(CalculePanneau(*T.S, *T.J, 1).Detail);
    T.S->GetChampionnat(2)->SetCompoMatch(1, 0, 1, 0);
    T.S->GetChampionnat(2)->GetButeursJournee(1)->Vide();
    T.Recompte();
    EXPECT_FALSE(CalculePanneau(*T.S, *T.J, 1).Detail) << "an assist alone does not open the graph";
}

TEST_F(StatFicheJoueurTest, UneCorrectionSigneeRedonneLeTotalSaisi)
{
    auto& ligue = T.Ajoute(101, 12, "Ligue");
    for (int d = 1; d <= 10; ++d)
        SaisonTest::Titulaire(ligue, d);
    SaisonTest::But(ligue, 1, 10);
    SaisonTest::But(ligue, 2, 50);
    T.Recompte();
    T.S->AjouteStatChamp("France : Ligue 1", 101);
    T.J->AjouteStatCarriere(101, 0, 0);
    T.J->AjouteStatCarriere(55, 30, 4); // a competition outside the season

    auto entrees = EntreesCarriere(*T.S, *T.J);
    ASSERT_EQ(entrees.size(), 2u);
    EXPECT_EQ(entrees[0], (TEntreeCarriere{101, 10, 2, "France : Ligue 1"}));
    EXPECT_EQ(entrees[1].Matchs, 30);
    EXPECT_FALSE(EnregistreCarriere(*T.S, *T.J, entrees)) << "totals as shown store nothing";

    entrees[0].Matchs = 12;
    EXPECT_TRUE(EnregistreCarriere(*T.S, *T.J, entrees));
    EXPECT_EQ(T.J->GetStatCarriere(0), (TStatCarriere{101, 2, 0}));
    EXPECT_EQ(EntreesCarriere(*T.S, *T.J)[0].Matchs, 12);

    entrees[0].Matchs = 8;
    EXPECT_TRUE(EnregistreCarriere(*T.S, *T.J, entrees));
    EXPECT_EQ(T.J->GetNbMatchHist(101, 0), -2);
    EXPECT_EQ(EntreesCarriere(*T.S, *T.J)[0].Matchs, 8) << "a total below the computed one";
    EXPECT_EQ(EntreesCarriere(*T.S, *T.J)[0].Buts, 2);

    // A new competition shows what the season computes for it.
    EXPECT_EQ(EntreeCarriere(*T.S, *T.J, 101).Matchs, 8);
    EXPECT_EQ(EntreeCarriere(*T.S, *T.J, 77).Matchs, 0);
}

TEST_F(StatFicheJoueurTest, LesLignesDeButsOpposentLeChampionnatAuxAutres)
{
    auto& ligue = T.Ajoute(101, 2, "Ligue");
    auto& coupe = T.Ajoute(1005, 2, "Coupe");
    for (int minute : {10, 30, 44, 70})
        SaisonTest::But(ligue, 1, static_cast<uint16_t>(minute));
    SaisonTest::But(ligue, 2, 30, 2); // a team-mate's goal
    SaisonTest::But(coupe, 1, 20);
    SaisonTest::But(coupe, 1, 20);
    T.Recompte();

    TStatButs B = CalculeButs(*T.S, *T.J, 1);
    EXPECT_EQ(B.Largeurs[0], 45);
    EXPECT_EQ(B.Libelles[0], "3(5)");
    EXPECT_EQ(B.Largeurs[1], 15);
    EXPECT_EQ(B.Libelles[1], "1");
    EXPECT_EQ(B.Libelles[2], "4(6)") << "A at home on day 1 in both";
    EXPECT_EQ(B.Libelles[3], "0");
    EXPECT_EQ(B.Libelles[4], "1");
    EXPECT_EQ(B.Largeurs[8], 60);
    EXPECT_EQ(B.Libelles[8], "4(2)");
    EXPECT_EQ(CouleurLigneButs(0), 0x80FFFFu);
    EXPECT_EQ(CouleurLigneButs(2), 0xFFFF80u);

    // Seen from the cup, where he has goals too.
    B = CalculeButs(*T.S, *T.J, 2);
    EXPECT_EQ(B.Libelles[0], "2(5)");
    EXPECT_EQ(B.Largeurs[0], 60);
    EXPECT_EQ(B.Libelles[8], "2(4)");

    // Goals only in other championships: no bar.
    ligue.GetButeursJournee(1)->Vide();
    T.Recompte();
    B = CalculeButs(*T.S, *T.J, 1);
    EXPECT_EQ(B.Largeurs, (std::array<int, 9>{}));
    EXPECT_EQ(B.Libelles[0], "0(2)");
}

TEST_F(StatFicheJoueurTest, PenaltyManqueEtButContreSonCamp)
{
    auto& ligue = T.Ajoute(101, 2, "Ligue");
    SaisonTest::But(ligue, 1, 20);
    SaisonTest::But(ligue, 1, Evt::PenaltyManque | 30);
    SaisonTest::But(ligue, 1, Evt::PenaltyManque);
    SaisonTest::But(ligue, 2, Evt::Penalty | 60);
    T.Recompte();
    TStatButs B = CalculeButs(*T.S, *T.J, 1);
    EXPECT_EQ(B.Compteurs[7][0], 2) << "missed penalties in their row";
    EXPECT_EQ(B.Compteurs[0][0], 1) << "a miss is no first-half goal";
    EXPECT_EQ(B.Compteurs[2][0] + B.Compteurs[3][0], 2) << "nor a home or away goal";
    EXPECT_EQ(B.Compteurs[4][0], 0) << "nor a hat-trick";
    EXPECT_EQ(B.Compteurs[8][0], 1);
    EXPECT_EQ(B.Compteurs[6][0], 1);
    EXPECT_EQ(B.Largeurs[6], 30);

    // His own goal counts for the other side.
    ligue.GetButeursJournee(2)->Vide();
    SaisonTest::But(ligue, 2, 10);
    SaisonTest::But(ligue, 2, 20);
    SaisonTest::But(ligue, 2, Evt::ContreCamp | 80, Id, 1);
    T.Recompte();
    B = CalculeButs(*T.S, *T.J, 1);
    EXPECT_EQ(B.Compteurs[5][0], 1);
    EXPECT_EQ(B.Compteurs[4][0], 1) << "three entries on day 2";
    EXPECT_EQ(B.Compteurs[8][0], 3);
    EXPECT_EQ(B.Compteurs[0][0] + B.Compteurs[1][0], 3) << "the own goal in neither half";
}

TEST_F(StatFicheJoueurTest, ListeDesMatchsMinutesNotesEtDates)
{
    auto& ligue = T.Ajoute(101, 3, "Ligue");
    SaisonTest::Titulaire(ligue, 1);
    ligue.SetNoteJoueurMatch(1, 0, 1, 7);
    SaisonTest::But(ligue, 1, 12);
    SaisonTest::But(ligue, 1, Evt::ContreCamp | 40, Id, 1);
    // Day 2 (B at home): on at 60 for slot 1, off at 80.
    ligue.SetCompoMatch(2, 0, 1, 2);
    ligue.SetCompoMatch(2, 0, 12, 2);
    ligue.SetCompoMatch(2, 0, 13, Id);
    ligue.SetCompoMatch(2, 0, 18, 60);
    ligue.SetCompoMatch(2, 0, 14, Id);
    ligue.SetCompoMatch(2, 0, 15, 2);
    ligue.SetCompoMatch(2, 0, 19, 80);
    T.Recompte();

    auto L = DetailChampionnats(*T.S, *T.J, ListeMatchs);
    ASSERT_EQ(L.size(), 2u) << "one championship: no heading";
    EXPECT_EQ(L[0].Cellules, (std::array<std::string, 5>{"1", "A - B", "90" + Traduit(97), "1", "7"}));
    EXPECT_EQ(L[1].Cellules, (std::array<std::string, 5>{"2", "B - A", "20" + Traduit(98), "0", "-"}));
    EXPECT_EQ(L[0].Zebre, 0);
    EXPECT_EQ(L[1].Zebre, 1);

    ligue.SetOption(11, 8);
    ligue.GetMatch(1, 1)->SetDate(EncodeDateMatch(9, 8, 2025));
    L = DetailChampionnats(*T.S, *T.J, ListeMatchs);
    EXPECT_EQ(L[0].Cellules[0], "09/08/2025") << "a calendar by date";
}

TEST_F(StatFicheJoueurTest, ListesDesButsCartonsEtPasses)
{
    auto& ligue = T.Ajoute(101, 2, "Ligue");
    auto& coupe = T.Ajoute(1005, 2, "Coupe");
    SaisonTest::Titulaire(ligue, 1);
    SaisonTest::But(ligue, 1, Evt::Penalty | 30);
    SaisonTest::But(ligue, 1, 75);
    SaisonTest::But(ligue, 1, Evt::PenaltyManque);
    SaisonTest::Evt(ligue.GetCartonsJournee(1), Id, 0, 50);
    SaisonTest::Evt(ligue.GetCartonsJournee(2), Id, 0, Evt::ContreCamp | 85);
    SaisonTest::Evt(ligue.GetPasseursJournee(2), Id, 0, 0);
    SaisonTest::Evt(ligue.GetPasseursJournee(2), Id, 0, 0);
    SaisonTest::But(coupe, 2, Evt::CoupFranc | 5);
    T.Recompte();

    auto L = DetailChampionnats(*T.S, *T.J, ListeButs);
    ASSERT_EQ(L.size(), 5u);
    EXPECT_TRUE(L[0].Titre);
    EXPECT_EQ(L[0].Cellules[1], "Ligue");
    EXPECT_EQ(L[1].Cellules, (std::array<std::string, 5>{"1", "A - B", "90" + Traduit(97), "30 " + Traduit(314), "-"}));
    EXPECT_EQ(L[2].Cellules, (std::array<std::string, 5>{"", "", "", "75", ""})) << "the miss gives no row";
    EXPECT_TRUE(L[3].Titre);
    EXPECT_EQ(L[3].Cellules[1], "Coupe");
    EXPECT_EQ(L[4].Cellules, (std::array<std::string, 5>{"2", "B - A", "-", "5 " + Traduit(315), "-"}));
    EXPECT_EQ(L[4].Zebre, 0) << "the counter restarts under a heading";

    // Every championship where he has a figure keeps its heading.
    L = DetailChampionnats(*T.S, *T.J, ListeAvertissements);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[1].Cellules[3], "50");
    EXPECT_TRUE(L[2].Titre);
    L = DetailChampionnats(*T.S, *T.J, ListeExpulsions);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[1].Cellules[0], "2");
    EXPECT_EQ(L[1].Cellules[3], "85");
    L = DetailChampionnats(*T.S, *T.J, ListePasses);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[1].Cellules, (std::array<std::string, 5>{"2", "B - A", "-", "2", "-"}));

    // A provider decides which list each kind reads.
    std::vector<TLigneDetail> lignes;
    int zebre = 0;
    AfficheStatistiques(*T.S, *T.J, ListeButs, 1, lignes, zebre,
                        [&](int, int, int Jour) { return ligue.GetCartonsJournee(Jour); });
    EXPECT_EQ(lignes.size(), 3u);
    EXPECT_EQ(zebre, 2);
}

TEST_F(StatFicheJoueurTest, LignesDuGrapheDesMatchs)
{
    auto& ligue = T.Ajoute(101, 4, "Ligue");
    SaisonTest::Titulaire(ligue, 1);
    SaisonTest::But(ligue, 1, Evt::Penalty | 30);
    SaisonTest::But(ligue, 1, Evt::PenaltyManque | 35);
    SaisonTest::Evt(ligue.GetCartonsJournee(1), Id, 0, 20);
    SaisonTest::Evt(ligue.GetCartonsJournee(1), Id, 0, Evt::ContreCamp | 88);
    ligue.SetCompoMatch(2, 0, 13, Id);
    ligue.SetCompoMatch(2, 0, 18, 60);
    // Day 3: A plays without him; day 4: A has no match.
    ligue.SupprimeMatch(4, 0, 1);
    T.Recompte();

    auto L = LignesGraphe(*T.S, ligue, 0, Id);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Libelle, "B");
    EXPECT_TRUE(L[0].Domicile);
    EXPECT_EQ(L[0].Debut, 0);
    EXPECT_EQ(L[0].Fin, 90);
    EXPECT_EQ(L[0].Valeurs, (std::vector<uint16_t>{Evt::Penalty | 30})) << "no circle for a miss";
    EXPECT_EQ(L[0].Marques, (std::vector<int>{20, 1088}));
    EXPECT_EQ(L[1].Jour, 2);
    EXPECT_FALSE(L[1].Domicile);
    EXPECT_EQ(L[1].Debut, 60);
    EXPECT_EQ(L[1].Fin, 90);
    EXPECT_EQ(L[2].Jour, 3);
    EXPECT_EQ(L[2].Libelle, "B");
    EXPECT_EQ(L[2].Debut, 0);
    EXPECT_EQ(L[2].Fin, 0);
}

} // namespace
