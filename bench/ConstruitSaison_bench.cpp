// The one step of a new season the user waits on: building it from the
// standard division files of the program's Data folder and saving it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/Utilities.h"
#include "files/TraiteurFichier.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"

namespace {

// A section per catalogue entry and a division per data file found, in the
// catalogue's order, as the composer flattens them.
TLignesComposeur LignesDonnees(const TLectureParam& catalogue, const std::string& dossier)
{
    TLignesComposeur lignes;
    int code = 0;
    for (int i = 0; i < catalogue.NbCfg(); ++i) {
        const TCfgChampionnat& cfg = *catalogue.GetCfg(i);
        bool section = false;
        for (int d = 0; d < cfg.NbDivisions(); ++d) {
            const TDivisionCfg& division = *cfg.GetDivision(d);
            const std::string fichier = dossier + division.NomFichier;
            if (division.NomFichier.empty() || !std::filesystem::exists(fichier))
                continue;
            if (!section)
                lignes.push_back({"$#" + std::to_string(cfg.Id), 1});
            section = true;
            const std::string id = "#" + std::to_string(division.Id);
            lignes.push_back({"$" + id, 2});
            lignes.push_back({fichier + "|" + id, 3, -1, ++code});
        }
    }
    return lignes;
}

void ConstruitEtSauve(benchmark::State& state)
{
    const TLectureParam catalogue(AppDir() + "config/Championnat.fr");
    const TLignesComposeur lignes = LignesDonnees(catalogue, AppDir() + "Data/");
    if (lignes.empty()) {
        state.SkipWithError("no division file in Data/");
        return;
    }
    const std::string sortie = (std::filesystem::temp_directory_path() / "brevalune_bench_saison.xmc").string();
    for (auto _ : state) {
        TSaisonFootball saison;
        if (!TTraiteurFichier::ConstruitSaison(saison, lignes, AppDir() + "Dll/") ||
            !TTraiteurFichier::SauveAvecEtat(sortie, saison, false, AppDir() + "Dll/", "", nullptr, {}, false)) {
            state.SkipWithError("build or save failed");
            break;
        }
        benchmark::DoNotOptimize(saison.NbChampionnat());
    }
    std::filesystem::remove(sortie);
    state.counters["fichiers"] = static_cast<double>(
        std::count_if(lignes.begin(), lignes.end(), [](const TLigneComposeur& l) { return l.Niveau == 3; }));
}
BENCHMARK(ConstruitEtSauve)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
