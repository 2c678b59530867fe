// Start-up of the program's main window beside a bare QMainWindow, as whole processes: each run
// starts this program again to build one window offscreen and show it until no event is left, so
// that each side pays what a student waits for (the application object, the fonts, the window).
// After the runs the ratios of the means are printed, in wall time and in the CPU time the child
// used (user and system, from its resource usage), which another program on the machine disturbs
// less.
// Run: build/bin/quimerix_bench_finestra

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
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
struct Mitjanes {
    double temps = 0; // wall time, seconds
    double cpu = 0;   // user and system time of the child, seconds
};
Mitjanes mitjana_buida, mitjana_text, mitjana_quimerix;

// The child: one window, shown until the event queue is empty.
// "text" is a bare window with one caption in the program's font (the window's 8 points): it pays
// for reading the system's fonts, as any window with text does, and so shows how much of the
// difference is the fonts alone.
int una_finestra(int argc, char **argv, const std::string &quina) {
    QApplication app(argc, argv);
    quimerix::FontRellotge font(1);
    MissatgesMuts missatges;
    std::unique_ptr<QWidget> finestra;
    if (quina == "quimerix") {
        finestra = std::make_unique<quimerix::ui::frmQUIMERIX>(font, missatges);
    } else {
        auto buida = std::make_unique<QMainWindow>();
        if (quina == "text") {
            QFont lletra = buida->font();
            lletra.setPointSize(8);
            buida->setFont(lletra);
            buida->setCentralWidget(new QLabel(QStringLiteral("QUIMERIX")));
        }
        finestra = std::move(buida);
    }
    finestra->show();
    if (!QTest::qWaitForWindowExposed(finestra.get())) return 1;
    QCoreApplication::processEvents();
    return 0;
}

double segons(const timeval &t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

void mesura(benchmark::State &state, const char *quina, Mitjanes &mitjana) {
    double total = 0, total_cpu = 0;
    for (auto _ : state) {
        char opcio[] = "--una";
        std::string nom = quina;
        char *arguments[] = {const_cast<char *>(programa), opcio, nom.data(), nullptr};
        const auto inici = std::chrono::steady_clock::now();
        pid_t fill = 0;
        int estat = 0;
        rusage us{};
        if (posix_spawn(&fill, programa, nullptr, nullptr, arguments, environ) != 0 ||
            wait4(fill, &estat, 0, &us) != fill || !WIFEXITED(estat) || WEXITSTATUS(estat) != 0) {
            state.SkipWithError("la finestra no s'ha pogut obrir");
            break;
        }
        const std::chrono::duration<double> temps = std::chrono::steady_clock::now() - inici;
        state.SetIterationTime(temps.count());
        total += temps.count();
        total_cpu += segons(us.ru_utime) + segons(us.ru_stime);
    }
    if (state.iterations() > 0) {
        mitjana.temps = total / static_cast<double>(state.iterations());
        mitjana.cpu = total_cpu / static_cast<double>(state.iterations());
    }
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
    if (mitjana_buida.temps > 0 && mitjana_text.temps > 0 && mitjana_quimerix.temps > 0) {
        std::printf("Arrencada de la finestra: %.2f vegades la d'una QMainWindow buida (%.1f ms / %.1f ms), "
                    "%.2f vegades la d'una amb un text (%.1f ms)\n",
                    mitjana_quimerix.temps / mitjana_buida.temps, mitjana_quimerix.temps * 1e3,
                    mitjana_buida.temps * 1e3, mitjana_quimerix.temps / mitjana_text.temps,
                    mitjana_text.temps * 1e3);
        if (mitjana_text.cpu > 0 && mitjana_buida.cpu > 0)
            std::printf("Temps de CPU: %.2f vegades el d'una QMainWindow buida (%.1f ms / %.1f ms), "
                        "%.2f vegades el d'una amb un text (%.1f ms)\n",
                        mitjana_quimerix.cpu / mitjana_buida.cpu, mitjana_quimerix.cpu * 1e3,
                        mitjana_buida.cpu * 1e3, mitjana_quimerix.cpu / mitjana_text.cpu,
                        mitjana_text.cpu * 1e3);
    }
    return 0;
}
