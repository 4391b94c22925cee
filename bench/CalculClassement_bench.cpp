#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

#include "SaisonBanc.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);

// A full double round robin (circle method) with scores, scorers, cards and
// attendance spread by a fixed rule, and a tie-break order that reads
// head-to-head tables.
struct TSaisonComplete {
    TSaisonBanc Saison;
    TDonneesChampionnatFootball Championnat{&Saison};

    TSaisonComplete()
    {
        Championnat.SetNbEquipe(NbEquipes);
        for (int i = 0; i < NbEquipes; ++i) {
            Championnat.SetEquipe(i, static_cast<uint16_t>(i + 1));
            Saison.Equipes[static_cast<uint16_t>(i + 1)] = "Club " + std::to_string(100 - i);
        }
        Championnat.SetNbMatch(NbEquipes / 2);
        Championnat.SetNbJour(NbJours);
        Championnat.SetOption(4, 3);
        Championnat.SetOption(5, 1);
        Championnat.OrdreClassement = "uac";
        unsigned graine = 12345;
        auto hasard = [&](int n) {
            graine = graine * 1103515245u + 12345u;
            return static_cast<int>((graine >> 16) % static_cast<unsigned>(n));
        };
        for (int tour = 0; tour < NbEquipes - 1; ++tour)
            for (int m = 0; m < NbEquipes / 2; ++m) {
                int a = m == 0 ? 0 : 1 + (tour + m - 1) % (NbEquipes - 1);
                int b = 1 + (tour + NbEquipes - 1 - m - 1) % (NbEquipes - 1);
                for (int retour = 0; retour < 2; ++retour) {
                    const int jour = tour + 1 + retour * (NbEquipes - 1);
                    const int dom = retour ? b : a, ext = retour ? a : b;
                    const int s1 = hasard(4), s2 = hasard(3);
                    const int i = Championnat.AjouteMatch(jour, dom + 1, ext + 1, m, static_cast<uint16_t>(s1),
                                                          static_cast<uint16_t>(s2));
                    Championnat.SetAffluence(jour, i + 1, 10000 + hasard(30000));
                    for (int k = 0; k < s1 + s2; ++k)
                        Championnat.GetButeursJournee(jour)->Ajoute(std::make_unique<TDonneesEvt>(
                            k, static_cast<uint16_t>((k < s1 ? dom : ext) + 1), static_cast<uint16_t>(hasard(90))));
                    Championnat.GetCartonsJournee(jour)->Ajoute(
                        std::make_unique<TDonneesEvt>(1, static_cast<uint16_t>(dom + 1), hasard(90)));
                }
            }
    }
};

TSaisonComplete& Saison()
{
    static TSaisonComplete s;
    return s;
}

// The standings after every day, one day at a time on one engine.
void JourParJour(const TSaisonComplete& s)
{
    TCalculClassement c(&s.Championnat, &s.Saison);
    for (int d = 1; d <= NbJours; ++d)
        c.Calcule(TCalculClassement::General, d, nullptr, d);
    benchmark::DoNotOptimize(c.GetClassement(0, 1));
}

void BM_ClassementJourParJour(benchmark::State& state)
{
    TSaisonComplete& s = Saison();
    s.Championnat.OrdreClassement = "uac";
    for (auto _ : state)
        JourParJour(s);
}
BENCHMARK(BM_ClassementJourParJour)->Unit(benchmark::kMicrosecond);

// Head-to-head letters beside goal difference alone: the ratio of the season
// day by day under "ukac" to the same under "ac", timed in turns.
void BM_TeteContreDifference(benchmark::State& state)
{
    TSaisonComplete& s = Saison();
    double tete = 0, difference = 0;
    for (auto _ : state) {
        for (const char* ordre : {"ac", "ukac"}) {
            s.Championnat.OrdreClassement = ordre;
            const auto debut = std::chrono::steady_clock::now();
            JourParJour(s);
            const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
            (ordre[0] == 'u' ? tete : difference) += duree;
        }
    }
    s.Championnat.OrdreClassement = "uac";
    state.counters["ac_us"] = difference * 1e6 / static_cast<double>(state.iterations());
    state.counters["ukac_us"] = tete * 1e6 / static_cast<double>(state.iterations());
    state.counters["x_ac"] = tete / difference;
}
BENCHMARK(BM_TeteContreDifference)->Unit(benchmark::kMicrosecond);

// Every kind once over the whole season.
void BM_ToutesLesSortes(benchmark::State& state)
{
    static const int Sortes[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  20,  30,  31,
                                 40,  41,  42,  43,  44,  45,  50,  52,  54,  56,  58,  60,  62,  64,  66,  68,
                                 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115};
    const TSaisonComplete& s = Saison();
    for (auto _ : state) {
        TCalculClassement c(&s.Championnat, &s.Saison);
        for (int sorte : Sortes)
            c.Calcule(sorte, 1, nullptr, NbJours);
        benchmark::DoNotOptimize(c.GetClassement(0, 1));
    }
}
BENCHMARK(BM_ToutesLesSortes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
