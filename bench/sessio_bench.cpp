// A headless session of every compound: each exercise drawn, answered, corrected and recorded.

#include <benchmark/benchmark.h>

#include "generation/aleatori.h"
#include "session/sessio.h"

using namespace quimerix;

namespace {

class MissatgesSilenciosos final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return false; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

// What the window waits for at start-up: the tables, the decks, the availability tables and the
// count of compounds per family box.
void BM_SessioConstruccio(benchmark::State &state) {
    std::uint64_t llavor = 1;
    for (auto _ : state) {
        FontRellotge font(llavor++);
        MissatgesSilenciosos m;
        Sessio s(font, m);
        benchmark::DoNotOptimize(s.Nombre_combinacions());
    }
}
BENCHMARK(BM_SessioConstruccio)->Unit(benchmark::kMicrosecond);

void BM_Sessio1655(benchmark::State &state) {
    std::uint64_t llavor = 1;
    for (auto _ : state) {
        FontRellotge font(llavor++);
        MissatgesSilenciosos m;
        Sessio s(font, m);
        s.posa_arxiu_actiu(true);
        s.posa_limit_temps(false);
        s.posa_nombre_exercicis(s.Nombre_combinacions());
        s.comenca("Anna", "1/1/2024");
        while (s.estat() == Estat::Pregunta) {
            const Exercici &e = s.Exercici_actual();
            if (s.Mode_exercici() == Tasca::Formular) {
                for (int c = 0; c < Nombre_caixes; ++c)
                    if (e.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), e.caixes[c]);
            } else {
                s.posa_nom(e.Nom_compost);
            }
            s.continua();
            s.continua();
        }
        benchmark::DoNotOptimize(s.registre().Nombre_registres());
    }
}
BENCHMARK(BM_Sessio1655)->Unit(benchmark::kMillisecond);

} // namespace
