#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "SaisonBanc.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/Effectifs.h"
#include "presentation/ModeleGrille.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbJoueurs = 40;

// Player n of team e has id e * NbJoueurs + n + 1.
uint16_t IdJoueur(int Equipe, int n)
{
    return static_cast<uint16_t>(Equipe * NbJoueurs + n + 1);
}

// A double round robin of 20 clubs of 40 players each; every match has its
// line-ups (eleven starters, three substitutes), two scorers and a caution.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < NbEquipes; ++i)
        Saison->AjouteEquipe("Club " + std::to_string(i), i);
    const char Postes[] = "GDDDDMMMMAA";
    for (int e = 0; e < NbEquipes; ++e)
        for (int n = 0; n < NbJoueurs; ++n) {
            auto j = Saison->CreeJoueur("Joueur" + std::to_string(n), "Club" + std::to_string(e), IdJoueur(e, n),
                                        static_cast<uint16_t>(e));
            j->SetLettrePoste(Postes[n % 11]);
            j->AjouteStatCarriere(101, n, n / 3);
            Saison->Joueurs().AjouteSimple(std::move(j));
        }
    auto Champ = std::make_unique<TDonneesChampionnatFootball>(Saison.get());
    Champ->Division = 101;
    for (uint16_t id = 0; id < NbEquipes; ++id)
        Champ->AjouteEquipe(id);
    Champ->SetNbJour(NbJours);
    Champ->SetNbMatch(NbEquipes / 2);
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            Champ->AjouteMatch(d + 1, a, b, -1, 2, 1);
            for (int cote = 0; cote < 2; ++cote) {
                const int e = cote == 0 ? a : b;
                const int p = Champ->IndexEquipe(e);
                for (int w = 1; w <= 14; ++w)
                    Champ->SetCompoMatch(d + 1, p, w, IdJoueur(e, (w + d) % NbJoueurs));
            }
            TListeDonnees* Buteurs = Champ->GetButeursJournee(d + 1);
            Buteurs->Ajoute(std::make_unique<TDonneesEvt>(IdJoueur(a, 9), static_cast<uint16_t>(a), 20));
            Buteurs->Ajoute(std::make_unique<TDonneesEvt>(IdJoueur(a, 10), static_cast<uint16_t>(a), 60));
            Buteurs->Ajoute(std::make_unique<TDonneesEvt>(IdJoueur(b, 9), static_cast<uint16_t>(b), 75));
            Champ->GetCartonsJournee(d + 1)->Ajoute(
                std::make_unique<TDonneesEvt>(IdJoueur(b, 3), static_cast<uint16_t>(b), 40));
        }
    Champ->JourneeJouee = NbJours;
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    return Saison;
}

// The grid of one 40-player squad with its season figures; Arg(1) recounts
// every player first, as the page's first fill does.
void BM_RemplitTableau(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    TModeleGrille Grille;
    const bool Recompte = State.range(0) != 0;
    bool Recalcul = true;
    for (auto _ : State) {
        Recalcul = Recompte || Recalcul;
        Effectifs::RemplitTableau(true, 7, 1, Recalcul, *Saison, Grille, 1);
        benchmark::DoNotOptimize(Grille.GetRowCount());
    }
}
BENCHMARK(BM_RemplitTableau)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
