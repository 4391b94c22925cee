#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/StatFicheJoueur.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbJoueursEquipe = 16;

int IdJoueur(int Equipe, int k)
{
    return Equipe * NbJoueursEquipe + k + 1;
}

// A double round robin (circle method) of 20 clubs of 16 players, every match
// with full sheets: eleven starters and three substitutions a side, ratings,
// scorers, cards and assists spread by a fixed rule.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < NbEquipes; ++i) {
        Saison->AjouteEquipe("Club " + std::to_string(i), i);
        for (int k = 0; k < NbJoueursEquipe; ++k)
            Saison->Joueurs().AjouteSimple(Saison->CreeJoueurComplet("Joueur" + std::to_string(IdJoueur(i, k)), "X",
                                                                     IdJoueur(i, k), 95, 'M', 0,
                                                                     static_cast<uint16_t>(i), 65535, 0, 120, 3));
    }
    auto Champ = std::make_unique<TDonneesChampionnatFootball>(Saison.get());
    for (uint16_t id = 0; id < NbEquipes; ++id)
        Champ->AjouteEquipe(id);
    Champ->SetNbJour(NbJours);
    Champ->SetNbMatch(NbEquipes / 2);
    unsigned Graine = 12345;
    auto Hasard = [&Graine](unsigned n) {
        Graine = Graine * 1103515245 + 12345;
        return static_cast<int>((Graine >> 16) % n);
    };
    for (int d = 1; d <= NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const int Tour = (d - 1) % (NbEquipes - 1);
            int a = m == 0 ? NbEquipes - 1 : (Tour + m) % (NbEquipes - 1);
            int b = (Tour + NbEquipes - 1 - m) % (NbEquipes - 1);
            if (d > NbEquipes - 1)
                std::swap(a, b);
            Champ->AjouteMatch(d, a, b, -1, static_cast<uint16_t>(Hasard(4)), static_cast<uint16_t>(Hasard(3)));
            for (int e : {a, b}) {
                const int p = Champ->IndexEquipe(e);
                for (int s = 1; s <= 11; ++s) {
                    Champ->SetCompoMatch(d, p, s, static_cast<uint16_t>(IdJoueur(e, s - 1)));
                    Champ->SetNoteJoueurMatch(d, p, s, static_cast<uint8_t>(Hasard(10)));
                }
                for (int j = 1; j <= 3; ++j) {
                    Champ->SetCompoMatch(d, p, 10 + 2 * j, static_cast<uint16_t>(IdJoueur(e, 7 + j)));
                    Champ->SetCompoMatch(d, p, 11 + 2 * j, static_cast<uint16_t>(IdJoueur(e, 10 + j)));
                    Champ->SetCompoMatch(d, p, 17 + j, static_cast<uint16_t>(55 + 10 * j));
                }
                Champ->SetCompoMatch(d, p, 20, 0xFF00 | 80);
                for (int g = Hasard(4); g > 0; --g)
                    Champ->GetButeursJournee(d)->Ajoute(std::make_unique<TDonneesEvt>(
                        IdJoueur(e, 6 + Hasard(8)), static_cast<uint16_t>(e), static_cast<uint16_t>(1 + Hasard(90))));
                Champ->GetCartonsJournee(d)->Ajoute(std::make_unique<TDonneesEvt>(
                    IdJoueur(e, Hasard(11)), static_cast<uint16_t>(e), static_cast<uint16_t>(1 + Hasard(90))));
                Champ->GetPasseursJournee(d)->Ajoute(
                    std::make_unique<TDonneesEvt>(IdJoueur(e, Hasard(11)), static_cast<uint16_t>(e), 0));
            }
        }
    Champ->JourneeJouee = NbJours;
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    Saison->RecalculeJoueurs();
    return Saison;
}

// Every figure of one player's card, as it is computed when the card opens.
void BM_FiguresFiche(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    TJoueur& J = *Saison->Joueurs().ChercheId(IdJoueur(7, 8));
    J.AjouteStatCarriere(Saison->GetChampionnat(1)->GetCode(), 3, 1);
    for (auto _ : State) {
        benchmark::DoNotOptimize(StatFicheJoueur::CalculePanneau(*Saison, J, 1));
        benchmark::DoNotOptimize(StatFicheJoueur::EntreesCarriere(*Saison, J));
        benchmark::DoNotOptimize(StatFicheJoueur::CalculeButs(*Saison, J, 1));
        for (int Genre = 1; Genre <= 5; ++Genre)
            benchmark::DoNotOptimize(StatFicheJoueur::DetailChampionnats(*Saison, J, Genre));
        benchmark::DoNotOptimize(StatFicheJoueur::LignesGraphe(*Saison, *Saison->GetChampionnat(1), 7, J.Numero));
    }
}
BENCHMARK(BM_FiguresFiche)->Unit(benchmark::kMicrosecond);

// The season's recount of every player, which the card runs before.
void BM_RecompteJoueurs(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    for (auto _ : State)
        Saison->RecalculeJoueurs();
}
BENCHMARK(BM_RecompteJoueurs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
