#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/RechercheJoueurs.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"

#include "SaisonBanc.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int JoueursParEquipe = 100; // 2,000 players
constexpr int IdAbsent = 1'000'000;   // named by no match: the whole season is read

int IdJoueur(int equipe, int i)
{
    return equipe * JoueursParEquipe + i + 1;
}

// A double round robin of 20 clubs of 100 players each (every tenth one a
// namesake of a player of the next club), every match with both line-ups,
// substitutions and captains, three scorers, two cards and two assists.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto saison = std::make_unique<TSaisonFootball>();
    for (int e = 0; e < NbEquipes; ++e) {
        saison->AjouteEquipe("Club " + std::to_string(e), e);
        for (int i = 0; i < JoueursParEquipe; ++i) {
            const int nom = i % 10 == 0 ? (e / 2) * JoueursParEquipe + i : e * JoueursParEquipe + i;
            saison->Joueurs().AjouteSimple(saison->CreeJoueurComplet(
                "Nom" + std::to_string(nom), "Prenom", IdJoueur(e, i), static_cast<uint8_t>(70 + i % 30), "GDMA"[i % 4],
                0, static_cast<uint16_t>(e), 65535, 0, 0, 0));
        }
    }
    auto champ = std::make_unique<TDonneesChampionnatFootball>(saison.get());
    for (uint16_t id = 0; id < NbEquipes; ++id)
        champ->AjouteEquipe(id);
    champ->SetNbJour(NbJours);
    champ->SetNbMatch(NbEquipes / 2);
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            const int index = champ->AjouteMatch(d + 1, a, b, -1, 2, 1);
            TInfoComp* match = champ->GetMatch(d + 1, index + 1);
            for (int cote = 0; cote < 2; ++cote) {
                const int equipe = cote == 0 ? a : b;
                for (int w = 1; w <= 17; ++w)
                    match->SetCompoCote(cote, w, static_cast<uint16_t>(IdJoueur(equipe, (d + w) % 30)));
                match->SetCompoCote(cote, 21, static_cast<uint16_t>(IdJoueur(equipe, 1)));
            }
            for (int k = 0; k < 3; ++k)
                champ->GetButeursJournee(d + 1)->Ajoute(std::make_unique<TDonneesEvt>(
                    IdJoueur(k < 2 ? a : b, (d + k) % 30), static_cast<uint16_t>(k < 2 ? a : b), 10 + 20 * k));
            for (int k = 0; k < 2; ++k) {
                const int equipe = k == 0 ? a : b;
                champ->GetCartonsJournee(d + 1)->Ajoute(
                    std::make_unique<TDonneesEvt>(IdJoueur(equipe, (d + 5) % 30), static_cast<uint16_t>(equipe), 40));
                champ->GetPasseursJournee(d + 1)->Ajoute(
                    std::make_unique<TDonneesEvt>(IdJoueur(a, (d + 7 + k) % 30), static_cast<uint16_t>(a), 10));
            }
        }
    champ->SetOption(8, 103);
    saison->AjouteChampionnat(std::move(champ));
    saison->SetNumChampCourant(1);
    return saison;
}

void BM_Doublons(benchmark::State& State)
{
    auto saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(RechercheJoueurs::Doublons(*saison));
}
BENCHMARK(BM_Doublons)->Unit(benchmark::kMillisecond);

void BM_JoueurUtilise(benchmark::State& State)
{
    auto saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(RechercheJoueurs::JoueurUtilise(*saison, IdAbsent));
}
BENCHMARK(BM_JoueurUtilise)->Unit(benchmark::kMillisecond);

// Everybody found: each of the 2,000 players is placed among those before him.
void BM_ChercheTous(benchmark::State& State)
{
    auto saison = SaisonComplete();
    RechercheJoueurs::TCriteres criteres;
    criteres.Postes = {0, 1, 2, 3, 4};
    for (auto _ : State)
        benchmark::DoNotOptimize(RechercheJoueurs::Cherche(*saison, criteres));
}
BENCHMARK(BM_ChercheTous)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
