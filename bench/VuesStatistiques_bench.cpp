#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "engine/InfoGeneral.h"
#include "engine/Series.h"
#include "engine/StatEquipe.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "presentation/VuesInfoGeneral.h"
#include "presentation/VuesSeries.h"

#include "SaisonBanc.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);

// A double round robin (circle method) of 20 clubs, every match played with
// scores, a scorer and an attendance spread by a fixed rule.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < NbEquipes; ++i)
        Saison->AjouteEquipe("Club " + std::to_string(i), i);
    auto Champ = std::make_unique<TDonneesChampionnatFootball>(Saison.get());
    for (uint16_t id = 0; id < NbEquipes; ++id)
        Champ->AjouteEquipe(id);
    Champ->SetNbJour(NbJours);
    Champ->SetNbMatch(NbEquipes / 2);
    unsigned Graine = 12345;
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            Graine = Graine * 1103515245 + 12345;
            const int Index = Champ->AjouteMatch(d + 1, a, b, -1, static_cast<uint16_t>((Graine >> 16) % 4),
                                                 static_cast<uint16_t>((Graine >> 20) % 3));
            Champ->SetAffluence(d + 1, Index + 1, static_cast<int>((Graine >> 8) % 40000));
            Champ->GetButeursJournee(d + 1)->Ajoute(
                std::make_unique<TDonneesEvt>(1, static_cast<uint16_t>(a), static_cast<uint16_t>((Graine >> 4) % 95)));
        }
    Champ->JourneeJouee = NbJours;
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    return Saison;
}

void BM_CalculeSeries(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(CalculeSeries(*Saison->GetChampCourant()));
}
BENCHMARK(BM_CalculeSeries)->Unit(benchmark::kMillisecond);

void BM_HuitTables(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    std::array<TModeleGrille, 9> Grilles;
    VuesSeries::TEmplacements E{};
    for (int n = 1; n <= 8; ++n)
        E[static_cast<size_t>(VuesSeries::EmplacementTable(n))] = &Grilles[static_cast<size_t>(n)];
    const int Mode = static_cast<int>(State.range(0));
    for (auto _ : State) {
        if (Mode == 0)
            VuesSeries::AfficheParticularites(*Saison, *Saison->GetChampCourant(), VuesSeries::LieuTous,
                                              VuesSeries::Toutes, E);
        else
            VuesSeries::AfficheSeries(*Saison, *Saison->GetChampCourant(), VuesSeries::LieuTous, VuesSeries::Toutes,
                                      Mode, E);
    }
}
BENCHMARK(BM_HuitTables)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_CalculeInfo(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(InfoGeneral::CalculeInfo(*Saison, *Saison->GetChampCourant(), 0));
}
BENCHMARK(BM_CalculeInfo)->Unit(benchmark::kMillisecond);

void BM_MeilleuresAffluences(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    TModeleGrille Grille;
    for (auto _ : State)
        VuesInfoGeneral::RemplitAffluences(Grille, *Saison, *Saison->GetChampCourant(), 20);
}
BENCHMARK(BM_MeilleuresAffluences)->Unit(benchmark::kMillisecond);

// Everything the team statistics page computes for one team when it opens:
// the route walk, the standings tab, the goals by time and the score evolution.
void BM_StatEquipe(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    const TDonneesChampionnat& Champ = *Saison->GetChampCourant();
    const auto Id = static_cast<uint16_t>(Champ.GetEquipe(0));
    for (auto _ : State) {
        benchmark::DoNotOptimize(StatEquipe::CalculeParcours(Champ, *Saison, 0));
        benchmark::DoNotOptimize(StatEquipe::RemplitClassement(Champ, *Saison, 0));
        benchmark::DoNotOptimize(StatEquipe::CompteButsMarques(Champ, Id));
        benchmark::DoNotOptimize(StatEquipe::CompteButsEncaisses(Champ, Id));
        benchmark::DoNotOptimize(StatEquipe::RemplitEvolutionScore(Champ, *Saison, Id, 1));
    }
}
BENCHMARK(BM_StatEquipe)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
