// Start-up of the program's main window beside a bare QMainWindow, as whole processes: each run
// starts this program again to build one window offscreen and show it until no event is left, so
// that each side pays what a student waits for (the application object, the fonts, the window).
// The three windows take turns, and after the runs the ratios of the medians are printed, in wall
// time and in the CPU time the child used (user and system, from its resource usage), which
// another program on the machine disturbs less.
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
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

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

// What each kind of window cost, run by run.
struct Mostres {
    std::vector<double> temps; // wall time, seconds
    std::vector<double> cpu;   // user and system time of the child, seconds
};
enum Finestra { Buida, AmbText, Quimerix, Nombre_finestres };
const char *const noms_finestres[Nombre_finestres] = {"buida", "text", "quimerix"};
std::array<Mostres, Nombre_finestres> mostres;

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

// Starts one child that opens the window `quina`; false when it failed.
bool una_arrencada(Finestra quina) {
    char opcio[] = "--una";
    std::string nom = noms_finestres[quina];
    char *arguments[] = {const_cast<char *>(programa), opcio, nom.data(), nullptr};
    const auto inici = std::chrono::steady_clock::now();
    pid_t fill = 0;
    int estat = 0;
    rusage us{};
    if (posix_spawn(&fill, programa, nullptr, nullptr, arguments, environ) != 0 ||
        wait4(fill, &estat, 0, &us) != fill || !WIFEXITED(estat) || WEXITSTATUS(estat) != 0)
        return false;
    const std::chrono::duration<double> temps = std::chrono::steady_clock::now() - inici;
    mostres[quina].temps.push_back(temps.count());
    mostres[quina].cpu.push_back(segons(us.ru_utime) + segons(us.ru_stime));
    return true;
}

// Each iteration opens the three windows one after the other, so that a change in the machine's
// load falls on all three alike; the iteration's time is the program's window.
void BM_Arrencada(benchmark::State &state) {
    for (auto _ : state) {
        for (int quina = 0; quina < Nombre_finestres; ++quina)
            if (!una_arrencada(static_cast<Finestra>(quina))) {
                state.SkipWithError("la finestra no s'ha pogut obrir");
                return;
            }
        state.SetIterationTime(mostres[Quimerix].temps.back());
    }
}
BENCHMARK(BM_Arrencada)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(6.0);

double mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// One line of ratios of the medians: the program's window against the bare one and against the
// one with a caption.
// `article` refers back to `que` ("la" arrencada, "el" temps).
void informa(const char *que, const char *article, std::vector<double> Mostres::*mostra) {
    const double buida = mediana(mostres[Buida].*mostra), text = mediana(mostres[AmbText].*mostra),
                 quimerix = mediana(mostres[Quimerix].*mostra);
    if (buida <= 0 || text <= 0) return;
    std::printf("%s: %.2f vegades %s d'una QMainWindow buida (%.1f ms / %.1f ms), "
                "%.2f vegades %s d'una amb un text (%.1f ms); medianes de %zu arrencades\n",
                que, quimerix / buida, article, quimerix * 1e3, buida * 1e3, quimerix / text, article,
                text * 1e3, mostres[Quimerix].temps.size());
}

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
    informa("Arrencada de la finestra", "la", &Mostres::temps);
    informa("Temps de CPU", "el", &Mostres::cpu);
    return 0;
}
