// Decoding an older Windows-1252 document: the UTF-8 check that fails first,
// then the decoding itself, in bytes per second of the document.

#include <benchmark/benchmark.h>

#include <string>

#include "base/Texte.h"

namespace {

// About 85 KB of season text with the accented letters and quotes of a French
// league, in Windows-1252.
const std::string& Document()
{
    static const std::string d = [] {
        std::string s;
        const char* const lignes[] = {"  <Nom>Saint-\xC9tienne</Nom>\r\n", "  <Prenom>J\xE9r\xF4me</Prenom>\r\n",
                                      "  <Comment>Le c\x9Cur du match \x96 \x93"
                                      "bravo\x94</Comment>\r\n",
                                      "  <e1>12</e1>\r\n  <s1>2</s1>\r\n"};
        for (int i = 0; s.size() < 85000; ++i)
            s += lignes[i % 4];
        return s;
    }();
    return d;
}

void BM_VerifieUtf8(benchmark::State& state)
{
    const std::string& d = Document();
    for (auto _ : state)
        benchmark::DoNotOptimize(EstUtf8Valide(d));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(d.size()));
}
BENCHMARK(BM_VerifieUtf8);

void BM_DecodeWindows1252(benchmark::State& state)
{
    const std::string& d = Document();
    for (auto _ : state) {
        std::string texte = DecodeWindows1252(d);
        benchmark::DoNotOptimize(texte.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(d.size()));
}
BENCHMARK(BM_DecodeWindows1252);

} // namespace

BENCHMARK_MAIN();
