// Start-up of the main window beside a bare QMainWindow, offscreen, in the same run: each is built
// and shown until no event is left. After the runs the ratio of the two means is printed. Qt's own
// start (the application object, the platform plugin) is paid once before both, so the ratio is
// that of the windows alone, not of whole processes.
// Run: QT_QPA_PLATFORM=offscreen build/bin/quimerix_bench_finestra

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <memory>

#include "finestra.h"
#include "generation/aleatori.h"

namespace {

class MissatgesMuts final : public quimerix::Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, quimerix::Icona) override { return false; }
    void avisa(const std::string &, const std::string &, quimerix::Icona) override {}
};

double mitjana_buida = 0, mitjana_quimerix = 0;

// Builds and shows a window until the event queue is empty; the time excludes its destruction.
template <class Crea> void mesura(benchmark::State &state, Crea crea, double &mitjana) {
    double total = 0;
    for (auto _ : state) {
        const auto inici = std::chrono::steady_clock::now();
        std::unique_ptr<QWidget> finestra = crea();
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get())) state.SkipWithError("la finestra no s'ha mostrat");
        QCoreApplication::processEvents();
        const std::chrono::duration<double> temps = std::chrono::steady_clock::now() - inici;
        state.SetIterationTime(temps.count());
        total += temps.count();
        finestra.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (state.iterations() > 0) mitjana = total / static_cast<double>(state.iterations());
}

void BM_FinestraBuida(benchmark::State &state) {
    mesura(state, [] { return std::make_unique<QMainWindow>(); }, mitjana_buida);
}
BENCHMARK(BM_FinestraBuida)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FinestraQuimerix(benchmark::State &state) {
    quimerix::FontRellotge font(1);
    MissatgesMuts missatges;
    mesura(state, [&] { return std::make_unique<quimerix::ui::frmQUIMERIX>(font, missatges); }, mitjana_quimerix);
}
BENCHMARK(BM_FinestraQuimerix)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (mitjana_buida > 0 && mitjana_quimerix > 0)
        std::printf("Arrencada de la finestra: %.2f vegades la d'una QMainWindow buida (%.2f ms / %.2f ms)\n",
                    mitjana_quimerix / mitjana_buida, mitjana_quimerix * 1e3, mitjana_buida * 1e3);
    return 0;
}
