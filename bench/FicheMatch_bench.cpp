#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "SaisonBanc.h"
#include "engine/FicheMatch.h"
#include "engine/Prevision.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "presentation/VuesFicheMatch.h"
#include "presentation/VuesPrevision.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbSaisons = 20;
constexpr int JourPrevu = 30;

// A double round robin (circle method) of 20 clubs, played up to the day
// before the one forecast, with scores spread by a fixed rule.
std::unique_ptr<TSaisonFootball> Saison()
{
    auto S = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < NbEquipes; ++i)
        S->AjouteEquipe("Club " + std::to_string(i), i);
    auto Champ = std::make_unique<TDonneesChampionnatFootball>(S.get());
    for (uint16_t id = 0; id < NbEquipes; ++id)
        Champ->AjouteEquipe(id);
    Champ->SetNbJour(NbJours);
    Champ->SetNbMatch(NbEquipes / 2);
    Champ->SetOption(4, 3);
    Champ->SetOption(5, 1);
    unsigned Graine = 12345;
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            Graine = Graine * 1103515245 + 12345;
            const bool Joue = d + 1 < JourPrevu;
            Champ->AjouteMatch(d + 1, a, b, -1, Joue ? static_cast<uint16_t>((Graine >> 16) % 4) : 65535,
                               Joue ? static_cast<uint16_t>((Graine >> 20) % 3) : 65535);
        }
    Champ->JourneeJouee = JourPrevu - 1;
    Champ->NbJournee = JourPrevu;
    S->AjouteChampionnat(std::move(Champ));
    S->SetNumChampCourant(1);
    return S;
}

// Twenty archived seasons of the same clubs, every pairing played.
TStat Archive()
{
    TStat A;
    for (int i = 0; i < NbEquipes; ++i)
        A.NumeroEquipe("Club " + std::to_string(i));
    for (int s = 0; s < NbSaisons; ++s) {
        auto Saison = std::make_unique<TSaisonStat>(NbEquipes, 100 + s);
        for (int i = 0; i < NbEquipes; ++i)
            Saison->AjouteEquipe(i);
        for (int i = 0; i < NbEquipes; ++i)
            for (int j = 0; j < NbEquipes; ++j)
                if (i != j)
                    Saison->SetScore(i, j, static_cast<uint8_t>((i + s) % 4), static_cast<uint8_t>((j + 2 * s) % 3));
        A.AjouteSaison(std::move(Saison));
    }
    return A;
}

// The forecast of a ten-match day, grid included, with the archive.
void BM_Prevision(benchmark::State& State)
{
    auto S = Saison();
    const TStat A = Archive();
    TModeleGrille Grille;
    std::vector<VuesPrevision::TMatchListe> Matchs;
    for (auto _ : State)
        VuesPrevision::RemplitPrevision(Grille, *S, *S->GetChampCourant(), JourPrevu, Prevision::TReglages{}, &A,
                                        &Matchs);
}
BENCHMARK(BM_Prevision)->Unit(benchmark::kMillisecond);

// One pre-match sheet: head-to-head and both sides with their lines.
void BM_FicheMatch(benchmark::State& State)
{
    auto S = Saison();
    const TStat A = Archive();
    const TDonneesChampionnat& Champ = *S->GetChampCourant();
    int Domicile = 0;
    int Exterieur = 0;
    FicheMatch::EquipesMatch(Champ, JourPrevu, 1, Domicile, Exterieur);
    for (auto _ : State) {
        benchmark::DoNotOptimize(FicheMatch::CompterConfrontations(*S, Champ, Domicile, Exterieur, 10, &A));
        for (int Cote : {FicheMatch::CoteDomicile, FicheMatch::CoteExterieur}) {
            const FicheMatch::TCoteFiche C =
                FicheMatch::CalculeCote(*S, Champ, Cote == 1 ? Domicile : Exterieur, Cote, false, true);
            benchmark::DoNotOptimize(VuesFicheMatch::LignesClassement(C, Cote));
            benchmark::DoNotOptimize(VuesFicheMatch::LignesSerie(C, Cote));
            benchmark::DoNotOptimize(VuesFicheMatch::Resultats(*S, C));
        }
    }
}
BENCHMARK(BM_FicheMatch)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
