// The report of the largest set as print operations.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "informe_comu.h"
#include "records/informe.h"

namespace {

void BM_OperacionsInforme1700(benchmark::State &state) {
    const quimerix::DadesSessio d = conjunt_1700();
    std::size_t operacions = 0;
    for (auto _ : state) {
        auto doc = quimerix::informe(d);
        benchmark::DoNotOptimize(doc->operacions.data());
        operacions = doc->operacions.size();
    }
    state.counters["operacions"] = static_cast<double>(operacions);
    const std::string text = quimerix::text_document(*quimerix::informe(d));
    state.counters["pàgines"] = static_cast<double>(std::ranges::count(text, '\f') + 1);
}
BENCHMARK(BM_OperacionsInforme1700)->Unit(benchmark::kMicrosecond);

} // namespace
