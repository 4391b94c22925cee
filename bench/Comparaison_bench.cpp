#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "presentation/Comparaison.h"
#include "presentation/ModeleGraphe.h"
#include "presentation/ModeleGrille.h"

#include "SaisonBanc.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbJoues = 32;

// A 38-day double round robin of which 32 days are played.
struct TSaisonComplete {
    TSaisonBanc Saison;
    TDonneesChampionnatFootball Championnat{&Saison};
    TComparaison Choix;

    TSaisonComplete()
    {
        Championnat.SetNbEquipe(NbEquipes);
        for (int i = 0; i < NbEquipes; ++i) {
            Championnat.SetEquipe(i, static_cast<uint16_t>(i + 1));
            Saison.Equipes[static_cast<uint16_t>(i + 1)] = "club " + std::to_string(i);
        }
        Championnat.SetNbMatch(NbEquipes / 2);
        Championnat.SetNbJour(NbJours);
        Championnat.SetOption(4, 3);
        Championnat.SetOption(5, 1);
        for (int tour = 0; tour < NbEquipes - 1; ++tour)
            for (int m = 0; m < NbEquipes / 2; ++m) {
                const int a = m == 0 ? 0 : 1 + (tour + m - 1) % (NbEquipes - 1);
                const int b = 1 + (tour + NbEquipes - 1 - m - 1) % (NbEquipes - 1);
                for (int retour = 0; retour < 2; ++retour) {
                    const int jour = tour + 1 + retour * (NbEquipes - 1);
                    const bool joue = jour <= NbJoues;
                    Championnat.AjouteMatch(jour, (retour ? b : a) + 1, (retour ? a : b) + 1, m,
                                            joue ? static_cast<uint16_t>((a + jour) % 4) : 65535,
                                            joue ? static_cast<uint16_t>((b + jour) % 3) : 65535);
                }
            }
        Championnat.JourneeJouee = NbJoues;
        for (int p : {0, 5, 11, 17})
            Choix.Choisit(p);
    }
};

TSaisonComplete& Saison()
{
    static TSaisonComplete s;
    return s;
}

void BM_CourbesPositions(benchmark::State& state)
{
    TSaisonComplete& s = Saison();
    TModeleGraphLigne g;
    for (auto _ : state)
        Comparaison::TracerCourbes(false, g, s.Saison, s.Championnat, s.Choix.Equipes());
}
BENCHMARK(BM_CourbesPositions)->Unit(benchmark::kMicrosecond);

void BM_CourbesPoints(benchmark::State& state)
{
    TSaisonComplete& s = Saison();
    TModeleGraphLigne g;
    for (auto _ : state)
        Comparaison::TracerCourbes(true, g, s.Saison, s.Championnat, s.Choix.Equipes());
}
BENCHMARK(BM_CourbesPoints)->Unit(benchmark::kMicrosecond);

void BM_Programme(benchmark::State& state)
{
    TSaisonComplete& s = Saison();
    TModeleGrille g;
    for (auto _ : state)
        Comparaison::RemplirTableau(g, s.Saison, s.Championnat, s.Choix.Equipes());
}
BENCHMARK(BM_Programme)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
