// The answer key of the largest exam: every family, tasks at random, 1,700 exercises asked for
// (the families give 1,655): a session played from the code to the end of the set.

#include <benchmark/benchmark.h>

#include "session/examen.h"

using namespace quimerix;

namespace {

void BM_LlistaExamen1700(benchmark::State &state) {
    const Examen e{{true, true, true, true, true, true, true}, 4, 1700, 30, true, true, 424242};
    for (auto _ : state) {
        const auto llista = exercicis_examen(e);
        if (llista.size() != 1655) state.SkipWithError("the exam does not hold every compound");
        benchmark::DoNotOptimize(llista);
    }
}
BENCHMARK(BM_LlistaExamen1700)->Unit(benchmark::kMillisecond);

} // namespace
