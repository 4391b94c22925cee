// Loading and saving season archives, next to what libzip alone takes to
// inflate and deflate the same entry. The ratios are the point: reading and
// writing the XML must cost little beside the compression. They are taken on
// the thread's processor time, which other programs on the machine do not
// disturb; the flush that makes a save survive a crash waits on the disk and
// is timed apart, on the clock.
//
// The large season: 20 leagues of 20 teams, 38 days, every match with
// scorers, cards and both line-ups (about 18 MB of XML). The small one: one
// league without line-ups (about 85 KB).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "base/Horloge.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

namespace {

using Horloge = std::chrono::steady_clock;

double TempsProcesseur()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

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

std::unique_ptr<TSaisonFootball> CreeSaison(int NbChamps, int NbEquipes, bool compos, int JoueursParEquipe)
{
    const int NbJours = 2 * (NbEquipes - 1);
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
                const auto premier = [&](int equipe) { return equipe * std::max(JoueursParEquipe, 1) + 1; };
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
            for (int p = 0; compos && p < NbEquipes; ++p) {
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

// Built once per season: the season, its archive on disk and its document.
struct Donnees {
    std::unique_ptr<TSaisonFootball> Saison;
    std::string Dossier;
    std::string Fichier;
    std::string Document;
    std::size_t TailleArchive = 0;

    Donnees(std::unique_ptr<TSaisonFootball> saison, const std::string& nom)
        : Saison(std::move(saison)), Dossier(std::filesystem::temp_directory_path().string() + "/brevalune_bench_" +
                                             nom + "_" + std::to_string(::getpid())),
          Fichier(Dossier + "/saison.xmc")
    {
        std::filesystem::create_directories(Dossier);
        TChargeurXmp(Fichier).SauveSaison(*Saison);
        TailleArchive = std::filesystem::file_size(Fichier);
        TChargeurXmp::LitEntreeFichier(Fichier, Document);
    }
    ~Donnees() { std::filesystem::remove_all(Dossier); }
};

Donnees& Grande()
{
    static Donnees d(CreeSaison(20, 20, true, 18), "grande");
    return d;
}

Donnees& Petite()
{
    static Donnees d(CreeSaison(1, 10, false, 3), "petite");
    return d;
}

Donnees& Choisie(const benchmark::State& state)
{
    return state.range(0) ? Grande() : Petite();
}

// Times libzip alone and the work measured in turns, and reports the best
// time of each and their ratio: the machine's other work only ever adds. What
// the work returns is freed outside the timing.
// `prepare` runs untimed before each turn of the work.
template <class Reference, class Travail, class Preparation = void (*)()>
void EnAlternance(
    benchmark::State& state, const Donnees& d, Reference reference, Travail travail, const char* nomReference,
    const char* nomRatio, Preparation prepare = [] {})
{
    double meilleureReference = 1e30, meilleur = 1e30;
    for (auto _ : state) {
        double debut = TempsProcesseur();
        reference();
        meilleureReference = std::min(meilleureReference, TempsProcesseur() - debut);
        prepare();
        debut = TempsProcesseur();
        auto resultat = travail();
        meilleur = std::min(meilleur, TempsProcesseur() - debut);
        benchmark::DoNotOptimize(resultat);
    }
    state.counters["archive_KB"] = static_cast<double>(d.TailleArchive) / 1e3;
    state.counters["xml_KB"] = static_cast<double>(d.Document.size()) / 1e3;
    state.counters[nomReference] = meilleureReference * 1e3;
    state.counters["ms"] = meilleur * 1e3;
    state.counters[nomRatio] = meilleur / meilleureReference;
}

void BM_ChargeSaison(benchmark::State& state)
{
    Donnees& d = Choisie(state);
    EnAlternance(
        state, d,
        [&] {
            std::string contenu;
            TChargeurXmp::LitEntreeFichier(d.Fichier, contenu);
            benchmark::DoNotOptimize(contenu.data());
        },
        [&] {
            auto saison = std::make_unique<TSaisonFootball>();
            if (!TChargeurXmp(d.Fichier).ChargeSaison(*saison))
                state.SkipWithError("load failed");
            return saison;
        },
        "inflate_ms", "x_inflate");
}

// Building the archive and writing it out, without the flush to the disk.
void BM_SauveSaison(benchmark::State& state)
{
    Donnees& d = Choisie(state);
    const std::string fichier = d.Dossier + "/sauve.xmc";
    EnAlternance(
        state, d,
        [&] {
            std::string archive;
            TChargeurXmp::CreeArchive(d.Document, archive);
            benchmark::DoNotOptimize(archive.data());
        },
        [&] {
            TProgression progression;
            std::string archive;
            if (!TChargeurXmp::EcritArchive(*d.Saison, archive, progression))
                state.SkipWithError("archive failed");
            std::FILE* f = std::fopen(fichier.c_str(), "wb");
            if (!f || std::fwrite(archive.data(), 1, archive.size(), f) != archive.size())
                state.SkipWithError("write failed");
            if (f)
                std::fclose(f);
            return archive;
        },
        "deflate_ms", "x_deflate",
        // A save writes a new file and renames it, never rewriting one in place
        // (which the file system would make cost more).
        [&] { std::remove(fichier.c_str()); });
}

// The whole save as the program makes it, on the clock: the difference with
// the save above is the flush to the disk.
void BM_SauveSaisonDurable(benchmark::State& state)
{
    Donnees& d = Choisie(state);
    const std::string fichier = d.Dossier + "/durable.xmc";
    double horloge = 0, processeur = 0;
    for (auto _ : state) {
        const auto debut = Horloge::now();
        const double debutProcesseur = TempsProcesseur();
        if (!TChargeurXmp(fichier).SauveSaison(*d.Saison))
            state.SkipWithError("save failed");
        processeur += TempsProcesseur() - debutProcesseur;
        horloge += std::chrono::duration<double>(Horloge::now() - debut).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["clock_ms"] = horloge * 1e3 / n;
    state.counters["waiting_ms"] = (horloge - processeur) * 1e3 / n;
}

} // namespace

// Argument 0: the small season; 1: the large one.
BENCHMARK(BM_ChargeSaison)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// The best of a few turns: one slow turn of the machine says nothing of the save.
BENCHMARK(BM_SauveSaison)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SauveSaisonDurable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
