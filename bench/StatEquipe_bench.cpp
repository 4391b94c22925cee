#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "SaisonBanc.h"
#include "engine/ClassJoueur.h"
#include "engine/StatEquipe.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "presentation/VuesStatEquipe.h"

namespace {

constexpr int NbEquipes = 20;
constexpr int NbJours = 2 * (NbEquipes - 1);
constexpr int NbJoueurs = 22;

// A double round robin of 20 clubs of 22 players each: every match played,
// both line-ups entered with three substitutions, a goal, an assist, a
// warning and now and then a sending-off, spread by a fixed rule.
std::unique_ptr<TSaisonFootball> SaisonComplete()
{
    auto Saison = std::make_unique<TSaisonFootball>();
    auto Champ = ChampionnatAllerRetour(*Saison, NbEquipes);
    for (int i = 0; i < NbEquipes; ++i) {
        for (int j = 0; j < NbJoueurs; ++j)
            Saison->Joueurs().AjouteSimple(
                Saison->CreeJoueurComplet("Nom" + std::to_string(j), "Club" + std::to_string(i), 1 + i * NbJoueurs + j,
                                          0, 'M', 0, static_cast<uint16_t>(i), 65535, 0, 0, 0));
    }
    Champ->SetOption(4, 3);
    Champ->SetOption(5, 1);
    TDonneesChampionnatFootball* C = Champ.get();
    Saison->AjouteChampionnat(std::move(Champ));
    Saison->SetNumChampCourant(1);
    unsigned Graine = 12345;
    for (int d = 0; d < NbJours; ++d)
        for (int m = 0; m < NbEquipes / 2; ++m) {
            const int Tour = d % (NbEquipes - 1);
            int a = m == 0 ? NbEquipes - 1 : (Tour + m) % (NbEquipes - 1);
            int b = (Tour + NbEquipes - 1 - m) % (NbEquipes - 1);
            if (d >= NbEquipes - 1)
                std::swap(a, b);
            Graine = Graine * 1103515245 + 12345;
            const int Index = C->AjouteMatch(d + 1, a, b, -1, static_cast<uint16_t>((Graine >> 16) % 4),
                                             static_cast<uint16_t>((Graine >> 20) % 3));
            C->SetAffluence(d + 1, Index + 1, static_cast<int>((Graine >> 8) % 40000));
            for (int Equipe : {a, b}) {
                const auto Id = static_cast<uint16_t>(Equipe);
                const int Premier = 1 + Equipe * NbJoueurs;
                for (int i = 1; i <= 11; ++i)
                    C->SetCompoMatch(d + 1, Equipe, i, static_cast<uint16_t>(Premier + i - 1));
                for (int k = 1; k <= 3; ++k) {
                    C->SetCompoMatch(d + 1, Equipe, 2 * k + 10, static_cast<uint16_t>(Premier + (d + k) % 11));
                    C->SetCompoMatch(d + 1, Equipe, 2 * k + 11, static_cast<uint16_t>(Premier + 11 + (d + k) % 11));
                    C->SetCompoMatch(d + 1, Equipe, k + 17, static_cast<uint16_t>(55 + 10 * k));
                }
                C->SetCompoMatch(d + 1, Equipe, 20,
                                 static_cast<uint16_t>(C->GetCompoMatch(d + 1, Equipe, 20) | 0xFF00));
                const int Joueur = Premier + static_cast<int>((Graine >> 4) % 11);
                C->GetButeursJournee(d + 1)->Ajoute(
                    std::make_unique<TDonneesEvt>(Joueur, Id, static_cast<uint16_t>((Graine >> 4) % 90)));
                C->GetPasseursJournee(d + 1)->Ajoute(
                    std::make_unique<TDonneesEvt>(Premier + (d % 11), Id, static_cast<uint16_t>(20)));
                C->GetCartonsJournee(d + 1)->Ajoute(std::make_unique<TDonneesEvt>(
                    Premier + ((d + 3) % 11), Id,
                    static_cast<uint16_t>(((Graine >> 12) % 5 == 0 ? Evt::ContreCamp : 0) | 70)));
            }
        }
    C->JourneeJouee = NbJours;
    Saison->RensClubs().Cree(0)->SiteInternet = "www.club0.fr";
    return Saison;
}

void BM_CalculeTempsJeu(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    for (auto _ : State)
        benchmark::DoNotOptimize(StatEquipe::CalculeTempsJeu(*Saison, 0));
}
BENCHMARK(BM_CalculeTempsJeu)->Unit(benchmark::kMillisecond);

// What the seven keywords that give tables or text build for one team.
void BM_TextesMotsCles(benchmark::State& State)
{
    auto Saison = SaisonComplete();
    const TDonneesChampionnat& Champ = *Saison->GetChampCourant();
    const std::vector<std::string> Couleurs{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    for (auto _ : State) {
        std::string Html = VuesStatEquipe::ResultatEquipe(Champ, *Saison, 0, 7, true, "#000000", "#000000");
        Html += VuesStatEquipe::AdminEquipe(*Saison, 0, Couleurs);
        Html += VuesStatEquipe::StatClassementEquipe(Champ, *Saison, 0, 2, Couleurs);
        Html += VuesStatEquipe::EvolutionScoreEquipe(StatEquipe::RemplitEvolutionScore(Champ, *Saison, 0, 1), "",
                                                     "#000080");
        TModeleGrille Temps, Joueurs, Points;
        VuesStatEquipe::AfficheTempsJeu(*Saison, 0, Temps);
        TClassJoueur::AfficheEquipe(*Saison, 0, false, Joueurs, GenreClassement::Buteurs);
        VuesStatEquipe::RemplitPointsPris(Points, Champ, *Saison, 0, StatEquipe::CalculeParcours(Champ, *Saison, 0));
        Html += Temps.GetTableHtml(Couleurs) + Joueurs.GetTableHtml(Couleurs) + Points.GetTableHtml(Couleurs);
        benchmark::DoNotOptimize(Html);
    }
}
BENCHMARK(BM_TextesMotsCles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
