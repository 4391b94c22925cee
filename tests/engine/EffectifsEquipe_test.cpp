#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/EffectifsEquipe.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"

namespace {

// Teams Arles (0), Brest (1) and Caen (2). Championship 1: a national league
// of division 101 between Arles and Brest; championship 2: a cup of division
// 505 without the national flag, Arles against Caen; championship 3: a league
// of division 102 where Arles plays without any line-up. Season 2024.
// Player 1 (Alpha, Arles) plays and scores twice in the league and plays once
// without scoring in the cup; player 2 (Bravo, Brest) does nothing.
struct SaisonEffectifs {
    TSaisonFootball Saison;
    TJoueur* Alpha = nullptr;
    TJoueur* Bravo = nullptr;

    SaisonEffectifs()
    {
        Saison.AjouteEquipe("Arles", 0);
        Saison.AjouteEquipe("Brest", 1);
        Saison.AjouteEquipe("Caen", 2);
        auto& ligue = Ajoute(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 101, {0, 1});
        ligue.SetOption(8, 124);
        ligue.AjouteMatch(1, 0, 1, -1, 2, 0);
        ligue.SetCompoMatch(1, 0, 1, 1);
        Evenement(ligue.GetButeursJournee(1), 1, 0, 10);
        Evenement(ligue.GetButeursJournee(1), 1, 0, 55);
        auto& coupe = Ajoute(TDonneesChampionnat::TypeCoupe, 505, {0, 2});
        coupe.AjouteMatch(1, 0, 2, -1, 0, 0);
        coupe.SetCompoMatch(1, 0, 3, 1);
        auto& autre = Ajoute(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 102, {0, 1});
        autre.AjouteMatch(1, 1, 0, -1, 1, 1);
        Alpha = Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Alpha", "Albert", 1, 0));
        Bravo = Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Bravo", "Bruno", 2, 1));
    }

    TDonneesChampionnat& Ajoute(uint8_t genre, int division, std::vector<uint16_t> equipes)
    {
        auto c = Saison.CreeChampionnat(genre);
        c->CodeChamp = Saison.NbChampionnat() + 1;
        c->Division = division;
        for (uint16_t e : equipes)
            c->AjouteEquipe(e);
        c->SetNbJour(1);
        c->SetNbMatch(1);
        Saison.AjouteChampionnat(std::move(c));
        return *Saison.GetChampionnat(Saison.NbChampionnat());
    }
    static void Evenement(TListeDonnees* liste, int joueur, uint16_t equipe, uint16_t mot)
    {
        liste->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, mot));
    }
};

std::vector<TStatHistorique> Historique(const TJoueur& j)
{
    std::vector<TStatHistorique> h;
    for (int i = 0; i < j.NbHistorique(); ++i)
        h.push_back(*j.GetHistorique(i));
    return h;
}

} // namespace

TEST(EffectifsEquipe, ArchivesOneRecordPerChampionshipPlayed)
{
    SaisonEffectifs s;
    s.Alpha->AjouteHistorique({1999, 7, 3, 20, 4, 0, 0});
    s.Alpha->AjouteHistorique({2030, 7, 3, 1, 1, 0, 0});
    // Stale figures are recounted first: the archive holds what the sheets say.
    s.Alpha->SetMatchs(3, 9);

    AjouteLignesJoueur(124, 5, s.Saison, *s.Alpha);

    // Each record goes before the first one of its year: the championships of
    // one season end up last to first.
    const std::vector<TStatHistorique> attendu = {
        {1999, 7, 3, 20, 4, 0, 0},
        {2024, 505, 5, 0, 0, 1, 0}, // no national flag: the international figures
        {2024, 101, 5, 1, 2, 0, 0}, // national: the national ones
        {2030, 7, 3, 1, 1, 0, 0},
    };
    EXPECT_EQ(Historique(*s.Alpha), attendu);

    AjouteLignesJoueur(124, 5, s.Saison, *s.Bravo);
    EXPECT_EQ(s.Bravo->NbHistorique(), 0) << "a season without a match or a goal archives nothing";
}

TEST(EffectifsEquipe, TransferArchivesAndMovesThePlayer)
{
    SaisonEffectifs s;
    s.Alpha->Contrat = 3;
    s.Alpha->Maillot = 9;
    s.Alpha->MaillotNational = 7;

    TJoueur* j = TransfereJoueur(s.Saison, *s.Alpha, 0, 2);

    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->EquipeClub, 2);
    EXPECT_EQ(j->Contrat, 99);
    EXPECT_EQ(j->Maillot, 0);
    EXPECT_EQ(j->MaillotNational, 7);
    EXPECT_EQ(j->Duree, 124);
    EXPECT_EQ(s.Saison.GetClubPrec(j->ClubPrec), "Arles");
    ASSERT_EQ(j->NbHistorique(), 2);
    EXPECT_EQ(j->GetHistorique(0)->Equipe, j->ClubPrec);
    EXPECT_TRUE(s.Saison.Joueurs().GetListeEquipe(0)->empty());
    EXPECT_EQ(s.Saison.Joueurs().GetListeEquipe(2)->size(), 1u);

    // A second move finds the former club already listed.
    const int clubs = s.Saison.NbClubPrec();
    TransfereJoueur(s.Saison, *s.Bravo, 1, 2);
    TransfereJoueur(s.Saison, *j, 2, 1);
    EXPECT_EQ(s.Saison.NbClubPrec(), clubs + 2);
}

TEST(EffectifsEquipe, ReleaseKeepsThePlayerWithoutATeam)
{
    SaisonEffectifs s;
    TJoueur* j = LibereJoueur(s.Saison, *s.Alpha, 0);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->EquipeClub, 65535);
    EXPECT_EQ(j->Contrat, 100);
    EXPECT_EQ(j->Duree, 124);
    EXPECT_EQ(s.Saison.GetClubPrec(j->ClubPrec), "Arles");
    EXPECT_EQ(s.Saison.Joueurs().Nombre(), 2);
    EXPECT_EQ(j->NbHistorique(), 0) << "a release archives nothing";
    EXPECT_TRUE(s.Saison.Joueurs().GetListeEquipe(0)->empty());
}

TEST(EffectifsEquipe, QuickEntryMoveFollowsTheCurrentChampionship)
{
    SaisonEffectifs s;
    TJoueur* j = ArriveeJoueur(s.Saison, *s.Alpha, 1);
    EXPECT_EQ(j->EquipeClub, 1);
    EXPECT_EQ(j->Duree, 124);
    EXPECT_EQ(s.Saison.GetClubPrec(j->ClubPrec), "Arles");
    EXPECT_EQ(j->NbHistorique(), 0);

    // In an international championship only the national team changes.
    s.Saison.GetChampCourant()->Genre = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeInternational;
    s.Bravo->ClubPrec = 4;
    j = ArriveeJoueur(s.Saison, *s.Bravo, 2);
    EXPECT_EQ(j->EquipeClub, 1);
    EXPECT_EQ(j->EquipeNationale, 2);
    EXPECT_EQ(j->ClubPrec, 4);
    EXPECT_EQ(s.Saison.Joueurs().GetListeEquipe(2)->size(), 1u);
}
