// The diagnosis of one wrong answer, formula and name, with the catalogue's index already built
// (it is built once, on the first wrong answer of a run).
#include <benchmark/benchmark.h>

#include "checking/diagnosi.h"

using namespace quimerix;

namespace {

const Compost &compost(const Taules &t, const std::string &formula) {
    return *index_cataleg(t).per_formula(formula).front();
}

void BM_DiagnosiFormula(benchmark::State &state) {
    const Taules t = Taules::carrega();
    const Exercici &e = compost(t, "Fe2(SO4)3").exercici;
    Resposta r;
    r.caixes = {"Fe", "3", "S", "", "O", "4", "2"};
    for (auto _ : state)
        benchmark::DoNotOptimize(diagnostica(t, e, Tasca::Formular, r, false));
}
BENCHMARK(BM_DiagnosiFormula)->Unit(benchmark::kMicrosecond);

void BM_DiagnosiNom(benchmark::State &state) {
    const Taules t = Taules::carrega();
    const Exercici &e = compost(t, "Na2SO4").exercici;
    Resposta r;
    r.nom = "sulfit de sodi";
    for (auto _ : state)
        benchmark::DoNotOptimize(diagnostica(t, e, Tasca::Anomenar, r, false));
}
BENCHMARK(BM_DiagnosiNom)->Unit(benchmark::kMicrosecond);

// The first diagnosis of a run: the index of the whole catalogue is built first.
void BM_IndexCataleg(benchmark::State &state) {
    const Taules t = Taules::carrega();
    for (auto _ : state)
        benchmark::DoNotOptimize(Index_cataleg(t).composts().size());
}
BENCHMARK(BM_IndexCataleg)->Unit(benchmark::kMillisecond);

} // namespace
