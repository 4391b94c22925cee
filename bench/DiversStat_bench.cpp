#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "SaisonBanc.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/DiversStat.h"
#include "presentation/ModeleGrille.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbJoueurs = 500;

// A double round robin (circle method) of 20 clubs with 500 players, every
// match played but one in seven, with a scorer and a card each, one card in
// five a sending-off; one player in four lacks his first name.
std::unique_ptr<TSaisonFootball> SaisonDivers()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    auto Champ = ChampionnatAllerRetour(*Saison, NbEquipes);
    for (int j = 1; j <= NbJoueurs; ++j) {
        auto Joueur = Saison->CreeJoueur("Joueur " + std::to_string(j), j % 4 == 0 ? "" : "Prenom", j,
                                         static_cast<uint16_t>(j % NbEquipes));
        Joueur->Age = static_cast<uint8_t>(j % 7 == 0 ? 0 : 90);
        Saison->Joueurs().AjouteSimple(std::move(Joueur));
    }
    Champ->SetOption(4, 3);
    Champ->SetOption(5, 1);
    unsigned Graine = 12345;
    int Numero = 0;
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const auto [a, b] = RencontreAllerRetour(NbEquipes, d, m);
            Graine = Graine * 1103515245 + 12345;
            const bool Joue = ++Numero % 7 != 0;
            Champ->AjouteMatch(d + 1, a, b, -1, Joue ? static_cast<uint16_t>((Graine >> 16) % 4) : TInfoComp::Aucun,
                               Joue ? static_cast<uint16_t>((Graine >> 20) % 3) : TInfoComp::Aucun);
            const int Joueur = a + NbEquipes * static_cast<int>((Graine >> 8) % (NbJoueurs / NbEquipes)) + 1;
            Champ->GetButeursJournee(d + 1)->Ajoute(std::make_unique<TDonneesEvt>(
                Joueur, static_cast<uint16_t>(a), static_cast<uint16_t>((Graine >> 4) % 95)));
            Champ->GetCartonsJournee(d + 1)->Ajoute(std::make_unique<TDonneesEvt>(
                Joueur, static_cast<uint16_t>(a),
                static_cast<uint16_t>((Numero % 5 == 0 ? Evt::ContreCamp : 0) | ((Graine >> 6) % 90))));
        }
    Champ->JourneeJouee = NbJours;
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    return Saison;
}

void BM_ListeMatchs(benchmark::State& State)
{
    auto Saison = SaisonDivers();
    TModeleGrille Grille;
    for (auto _ : State)
        DiversStat::AfficherListeMatchs(Grille, *Saison, *Saison->GetChampCourant());
}
BENCHMARK(BM_ListeMatchs)->Unit(benchmark::kMillisecond);

void BM_ListeJoueurs(benchmark::State& State)
{
    auto Saison = SaisonDivers();
    TModeleGrille Grille;
    for (auto _ : State)
        DiversStat::AfficherListeJoueurs(Grille, *Saison);
}
BENCHMARK(BM_ListeJoueurs)->Unit(benchmark::kMillisecond);

// The six team views: 0 form, 1 home behaviour, 2 position held (a middle
// position), 3 best and worst position, 4 frequent scores, 5 goals per day.
void BM_VuesEquipes(benchmark::State& State)
{
    auto Saison = SaisonDivers();
    const TDonneesChampionnat& Champ = *Saison->GetChampCourant();
    TModeleGrille Grille;
    for (auto _ : State)
        switch (State.range(0)) {
        case 0:
            DiversStat::AfficherFormeEquipe(Grille, *Saison, Champ);
            break;
        case 1:
            DiversStat::AfficherComportementDomicile(Grille, *Saison, Champ);
            break;
        case 2:
            DiversStat::AfficherPlaceOccupee(Grille, *Saison, Champ, 10);
            break;
        case 3:
            DiversStat::AfficherFourchetteClass(Grille, *Saison, Champ);
            break;
        case 4:
            DiversStat::AfficherScoresFrequents(Grille, *Saison, Champ);
            break;
        default:
            DiversStat::AfficherStatParJournee(Grille, *Saison, Champ, 1 + static_cast<int>(State.range(0)) - 5, false);
            break;
        }
}
BENCHMARK(BM_VuesEquipes)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
