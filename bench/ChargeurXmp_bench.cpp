// Loading and saving a large season archive, next to what libzip alone takes
// to inflate and deflate the same entry. The ratios are the point: reading and
// writing the XML must cost little beside the compression.
//
// The season: 20 leagues of 20 teams, 38 days, every match with scorers,
// cards and both line-ups (about 12 MB of XML).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "base/Horloge.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

namespace {

using Horloge = std::chrono::steady_clock;

constexpr int NbChamps = 20;
constexpr int NbEquipes = 20;
constexpr int NbJours = 38;
constexpr int JoueursParEquipe = 18;

// A fixed sequence, so every run compresses the same bytes; the values vary
// as a real season's do, so the archive compresses like a real one.
struct Hasard {
    uint32_t Etat = 12345;
    int operator()(int n)
    {
        Etat = Etat * 1103515245u + 12345u;
        return static_cast<int>((Etat >> 8) % static_cast<uint32_t>(n));
    }
};

std::string Nom(Hasard& h)
{
    static const char* const Syllabes[] = {"ba", "ri", "to", "mel", "dan", "su", "lo", "ver", "ka", "ni", "op", "ze"};
    std::string nom;
    for (int i = 0, n = 2 + h(3); i < n; ++i)
        nom += Syllabes[h(12)];
    nom[0] = static_cast<char>(nom[0] - 'a' + 'A');
    return nom;
}

std::unique_ptr<TSaisonFootball> CreeGrandeSaison()
{
    Hasard h;
    auto s = std::make_unique<TSaisonFootball>();
    s->Pays().Ajoute("France");
    int idJoueur = 1;
    for (int c = 0; c < NbChamps; ++c) {
        auto champ = s->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        champ->CodeChamp = c + 1;
        champ->SetCode(1001 + c);
        const int base = c * NbEquipes;
        for (int e = 0; e < NbEquipes; ++e) {
            s->AjouteEquipe(Nom(h) + " " + std::to_string(base + e), base + e);
            champ->AjouteEquipe(static_cast<uint16_t>(base + e));
            for (int j = 0; j < JoueursParEquipe; ++j, ++idJoueur)
                s->Joueurs().AjouteSimple(s->CreeJoueurComplet(Nom(h), Nom(h), idJoueur, 95, "GDMA"[j % 4],
                                                               static_cast<uint8_t>(j + 1),
                                                               static_cast<uint16_t>(base + e), 65535, 0, 120, 2));
        }
        champ->SetNbJour(NbJours);
        champ->SetNbMatch(NbEquipes / 2);
        auto* foot = dynamic_cast<TDonneesChampionnatFootball*>(champ.get());
        for (int jour = 1; jour <= NbJours; ++jour) {
            for (int m = 0; m < NbEquipes / 2; ++m) {
                // A round-robin: team positions paired differently each day.
                const int a = (jour + m) % NbEquipes;
                const int b = (jour + NbEquipes - 1 - m) % NbEquipes;
                const int dom = base + a;
                const int ext = base + b;
                const int butsDom = h(4), butsExt = h(3);
                champ->AjouteMatch(jour, dom, ext, -1, static_cast<uint16_t>(butsDom), static_cast<uint16_t>(butsExt));
                champ->SetAffluence(jour, m + 1, 5000 + h(40000));
                const auto premier = [&](int equipe) { return equipe * JoueursParEquipe + 1; };
                for (int k = 0; k < butsDom; ++k)
                    champ->GetButeursJournee(jour)->Ajoute(
                        std::make_unique<TDonneesEvt>(premier(dom) + h(14), dom, static_cast<uint16_t>(1 + h(90))));
                for (int k = 0; k < butsExt; ++k)
                    champ->GetButeursJournee(jour)->Ajoute(
                        std::make_unique<TDonneesEvt>(premier(ext) + h(14), ext, static_cast<uint16_t>(1 + h(90))));
                champ->GetCartonsJournee(jour)->Ajoute(
                    std::make_unique<TDonneesEvt>(premier(dom) + h(14), dom, static_cast<uint16_t>(1 + h(90))));
                champ->GetCartonsJournee(jour)->Ajoute(
                    std::make_unique<TDonneesEvt>(premier(ext) + h(14), ext, static_cast<uint16_t>(1 + h(90))));
                if (butsDom > 0)
                    foot->GetPasseursJournee(jour)->Ajoute(
                        std::make_unique<TDonneesEvt>(premier(dom) + h(14), dom, static_cast<uint16_t>(1 + h(90))));
            }
            for (int p = 0; p < NbEquipes; ++p) {
                const int premierJoueur = (base + p) * JoueursParEquipe + 1;
                // The eleven starters picked among the squad's fourteen first players.
                const int decale = h(4);
                for (int w = 1; w <= 11; ++w)
                    champ->SetCompoMatch(jour, p, w, static_cast<uint16_t>(premierJoueur + (w - 1 + decale) % 14));
                champ->SetCompoMatch(jour, p, 20, static_cast<uint16_t>(0xFF00 | 80));
                champ->SetCompoMatch(jour, p, 21, static_cast<uint16_t>(premierJoueur));
            }
        }
        s->AjouteDesc("Championnat " + std::to_string(c + 1), 3, c + 1);
        s->AjouteChampionnat(std::move(champ));
    }
    return s;
}

template <class F> double Meilleur(int essais, F f)
{
    double meilleur = 1e30;
    for (int i = 0; i < essais; ++i) {
        const auto debut = Horloge::now();
        f();
        meilleur = std::min(meilleur, std::chrono::duration<double>(Horloge::now() - debut).count());
    }
    return meilleur;
}

// Built once: the season, its archive on disk, and libzip's own times on its entry.
struct Donnees {
    std::unique_ptr<TSaisonFootball> Saison = CreeGrandeSaison();
    std::string Dossier = std::filesystem::temp_directory_path().string() + "/brevalune_bench";
    std::string Fichier = Dossier + "/grande.xmc";
    std::string Document;
    std::size_t TailleArchive = 0;
    double Inflate = 0;
    double Deflate = 0;

    Donnees()
    {
        std::filesystem::create_directories(Dossier);
        TChargeurXmp(Fichier).SauveSaison(*Saison);
        TailleArchive = std::filesystem::file_size(Fichier);
        TChargeurXmp::LitEntreeFichier(Fichier, Document);
        Inflate = Meilleur(5, [&] {
            std::string contenu;
            TChargeurXmp::LitEntreeFichier(Fichier, contenu);
            benchmark::DoNotOptimize(contenu.data());
        });
        Deflate = Meilleur(3, [&] {
            std::string archive;
            TChargeurXmp::CreeArchive(Document, archive);
            benchmark::DoNotOptimize(archive.data());
        });
    }
    ~Donnees() { std::filesystem::remove_all(Dossier); }
};

Donnees& Partagees()
{
    static Donnees d;
    return d;
}

void Rapporte(benchmark::State& state, double total, double reference, const char* nomRatio)
{
    const Donnees& d = Partagees();
    state.counters["archive_MB"] = static_cast<double>(d.TailleArchive) / 1e6;
    state.counters["xml_MB"] = static_cast<double>(d.Document.size()) / 1e6;
    state.counters[nomRatio] = total / static_cast<double>(state.iterations()) / reference;
}

void BM_InflateLibzip(benchmark::State& state)
{
    Donnees& d = Partagees();
    for (auto _ : state) {
        std::string contenu;
        TChargeurXmp::LitEntreeFichier(d.Fichier, contenu);
        benchmark::DoNotOptimize(contenu.data());
    }
}

void BM_DeflateLibzip(benchmark::State& state)
{
    Donnees& d = Partagees();
    for (auto _ : state) {
        std::string archive;
        TChargeurXmp::CreeArchive(d.Document, archive);
        benchmark::DoNotOptimize(archive.data());
    }
}

void BM_ChargeSaison(benchmark::State& state)
{
    Donnees& d = Partagees();
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto saison = std::make_unique<TSaisonFootball>();
        state.ResumeTiming();
        const auto debut = Horloge::now();
        if (!TChargeurXmp(d.Fichier).ChargeSaison(*saison))
            state.SkipWithError("load failed");
        total += std::chrono::duration<double>(Horloge::now() - debut).count();
        state.PauseTiming();
        saison.reset();
        state.ResumeTiming();
    }
    Rapporte(state, total, d.Inflate, "x_inflate");
}

void BM_SauveSaison(benchmark::State& state)
{
    Donnees& d = Partagees();
    const std::string fichier = d.Dossier + "/sauve.xmc";
    double total = 0;
    for (auto _ : state) {
        const auto debut = Horloge::now();
        if (!TChargeurXmp(fichier).SauveSaison(*d.Saison))
            state.SkipWithError("save failed");
        total += std::chrono::duration<double>(Horloge::now() - debut).count();
    }
    Rapporte(state, total, d.Deflate, "x_deflate");
}

} // namespace

BENCHMARK(BM_InflateLibzip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeflateLibzip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChargeSaison)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SauveSaison)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
