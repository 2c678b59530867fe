// The class summary of 30 session files of 100 exercises each as a spreadsheet: files read from
// disk, summarised, and the workbook made with libxlsxwriter (its bytes in memory).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../classe_comu.h"
#include "full_calcul.h"
#include "records/arxiu_sessio.h"
#include "records/resum.h"
#include "sessions_prova.h"

using namespace quimerix;

namespace {

void BM_ResumXlsx30x100(benchmark::State &state) {
    const auto carpeta = std::filesystem::temp_directory_path() / "quimerix_bench_xlsx";
    const std::vector<std::string> camins = escriu_classe(carpeta);
    for (auto _ : state) {
        std::vector<Sessio_llegida> sessions;
        for (const std::string &cami : camins) {
            std::ifstream f(cami, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
            sessions.push_back({cami, llegeix_per_resum(bytes)});
        }
        std::string motiu;
        const auto llibre = eines::llibre_xlsx(fulls_resum(resumeix(sessions)), motiu);
        if (!llibre) state.SkipWithError(motiu.c_str());
        benchmark::DoNotOptimize(llibre);
    }
    std::filesystem::remove_all(carpeta);
}
BENCHMARK(BM_ResumXlsx30x100)->Unit(benchmark::kMillisecond);

} // namespace
