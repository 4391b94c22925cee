// Writing and reading a season-sized document (about 20 MB) with the XML layer.
// Run by hand: ./ioXml_bench; the bytes/s column is the document's throughput.

#include "files/ioXml.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr size_t TailleVisee = 20u << 20;

// Shaped like a season: championships of match days of matches, with players,
// attributes, escaped texts and the writer's indentation.
void EcritDocument(TXmlWriter& W, const std::string& Sortie)
{
    W.EcritLigne("<!DOCTYPE Brevalune>");
    W.OuvreElement("Brevalune");
    W.AjouteAttribut("Type", "Saison");
    W.OuvreElement("SaisonData");
    W.OuvreElement("Joueurs");
    for (int I = 0; I < 20000; ++I) {
        W.OuvreElement("Joueur");
        W.AjouteAttributInt("ID", I);
        W.EcritElement("Nom", "Dupont-Lefèvre");
        W.EcritElement("Prenom", "Jean & Marie");
        W.EcritElementInt("Poste", I % 5);
        W.EcritElement("Pays2", "France");
        W.FermeElement("Joueur");
    }
    W.FermeElement("Joueurs");
    W.FermeElement("SaisonData");
    W.OuvreElement("Championnats");
    int Champ = 0;
    while (Champ < 1000) {
        W.OuvreElement("Championnat");
        W.AjouteAttributInt("Code", Champ++);
        for (int J = 1; J <= 38; ++J) {
            W.OuvreElement("Journee");
            W.AjouteAttributInt("Numero", J);
            for (int M = 0; M < 10; ++M) {
                W.OuvreElement("Match");
                W.EcritElementInt("Dom", M * 2);
                W.EcritElementInt("Ext", M * 2 + 1);
                W.EcritElementInt("ScoreDom", M % 4);
                W.EcritElementInt("ScoreExt", (M + J) % 3);
                W.EcritElementInt("Spectateurs", 12000 + M * 17);
                W.EcritElement("Commentaire", "Match <tendu> #1 du jour");
                W.FermeElement("Match");
            }
            W.FermeElement("Journee");
        }
        W.FermeElement("Championnat");
        if (Sortie.size() >= TailleVisee)
            break;
    }
    W.FermeJusqua(0);
}

const std::string& Document()
{
    static const std::string D = [] {
        std::string S;
        S.reserve(TailleVisee + (1u << 20));
        TXmlMemoryStreamWriter W(S, true);
        EcritDocument(W, S);
        W.Ferme();
        return S;
    }();
    return D;
}

void BM_EcritureXml(benchmark::State& State)
{
    size_t Octets = 0;
    for (auto _ : State) {
        std::string S;
        S.reserve(TailleVisee + (1u << 20));
        TXmlMemoryStreamWriter W(S, true);
        EcritDocument(W, S);
        W.Ferme();
        Octets = S.size();
        benchmark::DoNotOptimize(S.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Octets));
    State.counters["MB"] = static_cast<double>(Octets) / 1e6;
}

void BM_LectureXml(benchmark::State& State)
{
    const std::string& D = Document();
    for (auto _ : State) {
        TXmlStreamReader R(D);
        size_t Somme = 0;
        for (int G = R.LitNoeud(); G != XML_FIN; G = R.LitNoeud()) {
            // What every reader does: compare the name, take the value.
            if (R.GetNom() == "Nom" || R.GetNom() == "Commentaire")
                Somme += R.GetTexte().size();
            else if (G == XML_COMPLET)
                Somme += static_cast<size_t>(R.GetTexteInt());
            else if (G == XML_OUVRANT)
                Somme += R.GetAttribut("Numero").size();
        }
        benchmark::DoNotOptimize(Somme);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * D.size()));
    State.counters["MB"] = static_cast<double>(D.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_EcritureXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LectureXml)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
