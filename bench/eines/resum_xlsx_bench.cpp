// The class summary of 30 session files of 100 exercises each as a spreadsheet: files read from
// disk, summarised, and the workbook made with libxlsxwriter (its bytes in memory).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "full_calcul.h"
#include "records/arxiu_sessio.h"
#include "records/resum.h"
#include "sessions_prova.h"

using namespace quimerix;

namespace {

void BM_ResumXlsx30x100(benchmark::State &state) {
    const auto carpeta = std::filesystem::temp_directory_path() / "quimerix_bench_xlsx";
    std::filesystem::create_directories(carpeta);
    std::vector<std::string> camins;
    const auto &compostos = prova::compostos();
    for (int alumne = 0; alumne < 30; ++alumne) {
        std::vector<prova::Exercici_fet> fets;
        auto it = std::next(compostos.begin(), alumne * 37 % 1500);
        for (int i = 0; i < 100; ++i, ++it)
            fets.push_back({it->first, 1 + i % 2, (i * 7 + alumne) % 10 < 7});
        const std::string cami = (carpeta / ("alumne" + std::to_string(alumne) + ".qxs")).string();
        std::ofstream(cami, std::ios::binary)
            << arxiu_sessio(prova::sessio("Alumne " + std::to_string(alumne), "08/12/2026", fets)).value();
        camins.push_back(cami);
    }
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
