// The session file of a set of 1,700 exercises, the most a set can hold: written (plain text in
// Windows-1252, then scrambled) after every answer, and read back to be printed. Each under 5 ms.

#include <benchmark/benchmark.h>

#include <variant>

#include "records/arxiu_sessio.h"

using namespace quimerix;

namespace {

// Record lines as wide as the program writes them: question, answer and correction in columns.
DadesSessio sessio_de_1700() {
    DadesSessio d;
    d.capcalera = "Nom i cognoms: Núria Gómez i Çanadell" + std::string(44, ' ') + "  Data: 3/4/2024";
    for (int i = 1; i <= Maxim_registres; ++i) {
        std::string r = (i < 1000 ? " " : "") + std::to_string(i) + "  ";
        r += "hidrogenoortoarseniat de plom (IV)" + std::string(4, ' ');
        r += "hidrogen ortoarsenat de plom (IV)" + std::string(5, ' ');
        r += "hidrogenoortoarseniat de plom (IV)\r\n";
        d.registres.push_back(std::move(r));
        ++d.errors[static_cast<std::size_t>(i % Nombre_codis)];
    }
    d.text_estadistiques = {"0 / 170",
                            "0 / 170",
                            "-----",
                            "0 / 340",
                            "-----",
                            "-----",
                            "-----",
                            "0 / 170",
                            "0 / 170",
                            "0 / 170",
                            "0 / 170",
                            "0 / 170",
                            "Encerts sobre el total:",
                            "0 / 1700"};
    return d;
}

void BM_EscriuArxiu1700(benchmark::State &state) {
    const DadesSessio d = sessio_de_1700();
    for (auto _ : state)
        benchmark::DoNotOptimize(arxiu_sessio(d).value());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * arxiu_sessio(d).value().size()));
}
BENCHMARK(BM_EscriuArxiu1700)->Unit(benchmark::kMillisecond);

void BM_LlegeixArxiu1700(benchmark::State &state) {
    const std::string arxiu = arxiu_sessio(sessio_de_1700()).value();
    if (!std::holds_alternative<DadesSessio>(llegeix_arxiu(arxiu))) state.SkipWithError("arxiu il·legible");
    for (auto _ : state)
        benchmark::DoNotOptimize(llegeix_arxiu(arxiu));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * arxiu.size()));
}
BENCHMARK(BM_LlegeixArxiu1700)->Unit(benchmark::kMillisecond);

} // namespace
