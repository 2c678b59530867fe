// The class summary of 30 session files of 100 exercises each: files read from disk, unscrambled,
// parsed, summarised and written out as the table and the CSV.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "classe_comu.h"
#include "records/arxiu_sessio.h"
#include "records/resum.h"
#include "sessions_prova.h"

using namespace quimerix;

namespace {

void BM_Resum30x100(benchmark::State &state) {
    const auto carpeta = std::filesystem::temp_directory_path() / "quimerix_bench_resum";
    const std::vector<std::string> camins = escriu_classe(carpeta);
    for (auto _ : state) {
        std::vector<Sessio_llegida> sessions;
        for (const std::string &cami : camins) {
            std::ifstream f(cami, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
            sessions.push_back({cami, llegeix_per_resum(bytes)});
        }
        const Resum r = resumeix(sessions);
        benchmark::DoNotOptimize(taula_resum(r));
        benchmark::DoNotOptimize(csv_resum(r));
    }
    std::filesystem::remove_all(carpeta);
}
BENCHMARK(BM_Resum30x100)->Unit(benchmark::kMillisecond);

// The largest file the reader accepts: 1,700 records, every text as long as the reader takes it.
// Read from memory, unscrambled, parsed and summarised.
void BM_ArxiuMaximResumit(benchmark::State &state) {
    const auto &compostos = prova::compostos();
    std::vector<prova::Exercici_fet> fets;
    auto it = compostos.begin();
    for (int i = 0; i < Maxim_registres; ++i, ++it) {
        if (it == compostos.end()) it = compostos.begin();
        fets.push_back({it->first, 1 + i % 2, i % 3 == 0});
    }
    DadesSessio d = prova::sessio("Alumne", "08/12/2026", fets);
    d.capcalera += std::string(Maxim_capcalera - d.capcalera.size(), 'x');
    for (std::string &r : d.registres)
        r.insert(r.size() - 2, std::string(Maxim_registre - r.size(), 'x'));
    for (std::string &e : d.text_estadistiques)
        e.resize(Maxim_estadistica, 'x');
    const std::string bytes = arxiu_sessio(d).value();
    for (auto _ : state) {
        std::vector<Sessio_llegida> sessions{{"maxim.qxs", llegeix_per_resum(bytes)}};
        if (!sessions[0].dades) state.SkipWithError("the largest file was not read back");
        benchmark::DoNotOptimize(resumeix(sessions));
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ArxiuMaximResumit)->Unit(benchmark::kMillisecond);

} // namespace
