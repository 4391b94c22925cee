#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "SaisonBanc.h"
#include "engine/InfoEquipes.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "presentation/VuesInfoEquipes.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int JoueursParEquipe = 22;

int IdJoueur(int Equipe, int k)
{
    return Equipe * JoueursParEquipe + k + 1;
}

// A double round robin of 20 clubs of 22 players each: every match played,
// each goal with its scorer and minute, both line-ups entered with three
// substitutions, an attendance; the players' statistics counted.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    auto Champ = ChampionnatAllerRetour(*Saison, NbEquipes);
    for (int i = 0; i < NbEquipes; ++i)
        for (int k = 0; k < JoueursParEquipe; ++k)
            Saison->Joueurs().AjouteSimple(Saison->CreeJoueur("Joueur" + std::to_string(IdJoueur(i, k)), "Jean",
                                                              IdJoueur(i, k), static_cast<uint16_t>(i)));
    unsigned Graine = 12345;
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            Graine = Graine * 1103515245 + 12345;
            const std::array<int, 2> Buts{static_cast<int>((Graine >> 16) % 4), static_cast<int>((Graine >> 20) % 3)};
            const std::array<int, 2> Equipes{a, b};
            const int Index =
                Champ->AjouteMatch(d + 1, a, b, -1, static_cast<uint16_t>(Buts[0]), static_cast<uint16_t>(Buts[1]));
            Champ->SetAffluence(d + 1, Index + 1, static_cast<int>((Graine >> 8) % 40000));
            for (int Cote = 0; Cote < 2; ++Cote) {
                const int E = Equipes[static_cast<size_t>(Cote)];
                for (int g = 0; g < Buts[static_cast<size_t>(Cote)]; ++g)
                    Champ->GetButeursJournee(d + 1)->Ajoute(std::make_unique<TDonneesEvt>(
                        IdJoueur(E, (g + d) % 11), static_cast<uint16_t>(E), static_cast<uint16_t>((g * 37 + d) % 95)));
                Champ->SetCompoMatch(d + 1, E, 20, 0xFF00);
                for (int w = 1; w <= 17; ++w)
                    Champ->SetCompoMatch(d + 1, E, w, static_cast<uint16_t>(IdJoueur(E, (w + d) % JoueursParEquipe)));
            }
        }
    Champ->JourneeJouee = NbJours;
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    Saison->RecalculeJoueurs();
    return Saison;
}

void BM_SeriesMinutes(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(InfoEquipes::CalculeSeriesMinutes(*Saison->GetChampCourant()));
}
BENCHMARK(BM_SeriesMinutes)->Unit(benchmark::kMillisecond);

// Each view into its grid: 0 best scorers, 1 attendances, 2 players used,
// 3 substitutions, 11 series of minutes (the table included).
void BM_Vue(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    const TDonneesChampionnat& Champ = *Saison->GetChampCourant();
    TModeleGrille Grille;
    const int Page = static_cast<int>(State.range(0));
    for (auto _ : State) {
        switch (Page) {
        case VuesInfoEquipes::PageAffluences:
            VuesInfoEquipes::AfficheAffluences(Grille, *Saison, Champ);
            break;
        case VuesInfoEquipes::PageJoueursUtilises:
        case VuesInfoEquipes::PageRemplacements:
            VuesInfoEquipes::AfficheCompositions(Grille, *Saison, Champ, Page == VuesInfoEquipes::PageRemplacements);
            break;
        case VuesInfoEquipes::PageSansMarquer:
            VuesInfoEquipes::AfficheSeriesMinutes(Grille, *Saison, Champ, InfoEquipes::CalculeSeriesMinutes(Champ), {});
            break;
        default:
            VuesInfoEquipes::AfficheMeilleursJoueurs(Grille, *Saison, Champ, 1, 0);
            break;
        }
        benchmark::DoNotOptimize(Grille.GetRowCount());
    }
}
BENCHMARK(BM_Vue)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(11)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
