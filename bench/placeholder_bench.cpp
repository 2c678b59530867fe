#include <benchmark/benchmark.h>

#include "data/taules.h"

static void BM_Taules(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(quimerix::Taules::carrega());
}
BENCHMARK(BM_Taules);
