// Start-up of the program's main window beside a bare QMainWindow, as whole processes: each run
// starts this program again to build one window offscreen and show it until no event is left, so
// that each side pays what a student waits for (the application object, the fonts, the window).
// After the runs the ratio of the two means is printed.
// Run: build/bin/quimerix_bench_finestra

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "finestra.h"
#include "generation/aleatori.h"

extern char **environ;

namespace {

class MissatgesMuts final : public quimerix::Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, quimerix::Icona) override { return false; }
    void avisa(const std::string &, const std::string &, quimerix::Icona) override {}
};

const char *programa = nullptr;
double mitjana_buida = 0, mitjana_text = 0, mitjana_quimerix = 0;

// The child: one window, shown until the event queue is empty.
// "text" is a bare window with one caption: it pays for reading the system's fonts, as any window
// with text does, and so shows how much of the difference is the fonts alone.
int una_finestra(int argc, char **argv, const std::string &quina) {
    QApplication app(argc, argv);
    quimerix::FontRellotge font(1);
    MissatgesMuts missatges;
    std::unique_ptr<QWidget> finestra;
    if (quina == "quimerix") {
        finestra = std::make_unique<quimerix::ui::frmQUIMERIX>(font, missatges);
    } else {
        auto buida = std::make_unique<QMainWindow>();
        if (quina == "text") buida->setCentralWidget(new QLabel(QStringLiteral("QUIMERIX")));
        finestra = std::move(buida);
    }
    finestra->show();
    if (!QTest::qWaitForWindowExposed(finestra.get())) return 1;
    QCoreApplication::processEvents();
    return 0;
}

void mesura(benchmark::State &state, const char *quina, double &mitjana) {
    double total = 0;
    for (auto _ : state) {
        char opcio[] = "--una";
        std::string nom = quina;
        char *arguments[] = {const_cast<char *>(programa), opcio, nom.data(), nullptr};
        const auto inici = std::chrono::steady_clock::now();
        pid_t fill = 0;
        int estat = 0;
        if (posix_spawn(&fill, programa, nullptr, nullptr, arguments, environ) != 0 ||
            waitpid(fill, &estat, 0) != fill || !WIFEXITED(estat) || WEXITSTATUS(estat) != 0) {
            state.SkipWithError("la finestra no s'ha pogut obrir");
            break;
        }
        const std::chrono::duration<double> temps = std::chrono::steady_clock::now() - inici;
        state.SetIterationTime(temps.count());
        total += temps.count();
    }
    if (state.iterations() > 0) mitjana = total / static_cast<double>(state.iterations());
}

void BM_FinestraBuida(benchmark::State &state) {
    mesura(state, "buida", mitjana_buida);
}
BENCHMARK(BM_FinestraBuida)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FinestraAmbText(benchmark::State &state) {
    mesura(state, "text", mitjana_text);
}
BENCHMARK(BM_FinestraAmbText)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FinestraQuimerix(benchmark::State &state) {
    mesura(state, "quimerix", mitjana_quimerix);
}
BENCHMARK(BM_FinestraQuimerix)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--una") == 0) {
        int n = 1;
        return una_finestra(n, argv, argv[2]);
    }
    static std::string propi = [] {
        char ruta[4096];
        const ssize_t n = readlink("/proc/self/exe", ruta, sizeof ruta - 1);
        return std::string(ruta, n > 0 ? static_cast<std::size_t>(n) : 0);
    }();
    programa = propi.c_str();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (mitjana_buida > 0 && mitjana_text > 0 && mitjana_quimerix > 0)
        std::printf("Arrencada de la finestra: %.2f vegades la d'una QMainWindow buida (%.1f ms / %.1f ms), "
                    "%.2f vegades la d'una amb un text (%.1f ms)\n",
                    mitjana_quimerix / mitjana_buida, mitjana_quimerix * 1e3, mitjana_buida * 1e3,
                    mitjana_quimerix / mitjana_text, mitjana_text * 1e3);
    return 0;
}
