// The load (tables, fourteen decks, availability tables) and the whole catalogue of compounds.
#include <benchmark/benchmark.h>

#include "generation/sorteig.h"

using namespace quimerix;

static void BM_Carrega(benchmark::State &state) {
    for (auto _ : state) {
        const Taules t = Taules::carrega();
        FontRellotge font(42);
        Generador g(t, font);
        benchmark::DoNotOptimize(g.Comptador());
    }
}
BENCHMARK(BM_Carrega)->Unit(benchmark::kMillisecond);

static void BM_CatalegSencer(benchmark::State &state) {
    const Taules t = Taules::carrega();
    for (auto _ : state) {
        std::size_t n = 0;
        for (const Entrada_cataleg &e : cataleg(t)) {
            const Exercici ex = construeix(t, e.tipus, e.a, e.b, Tasca::Formular);
            n += ex.Nom_compost.size();
        }
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_CatalegSencer)->Unit(benchmark::kMillisecond);
