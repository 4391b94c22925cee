#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "files/Stats.h"
#include "presentation/Historique.h"
#include "presentation/ModeleGrille.h"

namespace {

constexpr int NbSaisons = 50;
constexpr int NbEquipes = 20;

// Fifty archived seasons of twenty clubs, every pairing played with scores
// spread by a fixed rule.
TStat ArchiveComplete()
{
    TStat Archive;
    std::vector<std::string> Noms;
    for (int i = 0; i < NbEquipes; ++i)
        Noms.push_back("Club " + std::to_string(i));
    for (int s = 0; s < NbSaisons; ++s) {
        TSaisonStat* Saison = Historique::AjouteSaison(Archive, 1975 + s, Noms);
        for (int i = 0; i < NbEquipes; ++i)
            for (int j = 0; j < NbEquipes; ++j)
                if (i != j)
                    Saison->SetScore(i, j, static_cast<uint8_t>((i + s) % 4), static_cast<uint8_t>((j + 2 * s) % 3));
    }
    return Archive;
}

void BM_Confrontations(benchmark::State& State)
{
    const TStat Archive = ArchiveComplete();
    Historique::TCritere Critere;
    Critere.Domicile = 0;
    Critere.Exterieur = 1;
    Critere.Limite = NbSaisons;
    Critere.Retour = true;
    Critere.AnneeCourante = 2025;
    TModeleGrille Grille;
    for (auto _ : State)
        benchmark::DoNotOptimize(Historique::Confrontations(Archive, Critere, Grille));
}
BENCHMARK(BM_Confrontations)->Unit(benchmark::kMillisecond);

void BM_Tableau(benchmark::State& State)
{
    const TStat Archive = ArchiveComplete();
    TModeleGrille Grille;
    for (auto _ : State)
        Historique::RemplitTableau(Archive, Archive.GetSaison(0), Grille);
}
BENCHMARK(BM_Tableau)->Unit(benchmark::kMillisecond);

void BM_Classement(benchmark::State& State)
{
    const TStat Archive = ArchiveComplete();
    TModeleGrille Grille;
    const int Genre = static_cast<int>(State.range(0));
    for (auto _ : State)
        Historique::RemplitClassement(Archive, Archive.GetSaison(0), Genre, Grille);
}
BENCHMARK(BM_Classement)
    ->Arg(Historique::General)
    ->Arg(Historique::Domicile)
    ->Arg(Historique::Exterieur)
    ->Arg(Historique::Attaque)
    ->Arg(Historique::Defense)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
