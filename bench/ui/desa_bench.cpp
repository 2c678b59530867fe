// Saving a full session file (1,700 records) as the window does after a correction: encoded,
// scrambled and saved atomically (written, synchronised, renamed, folder synchronised).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>
#include <thread>

#include "arxiu_actiu.h"
#include "arxius_finestra.h"
#include "desa.h"
#include "finestra.h"
#include "generation/aleatori.h"
#include "panell_exercici.h"
#include "panell_opcions.h"
#include "records/arxiu_sessio.h"
#include "session/sessio.h"

using namespace quimerix;

namespace {

class MissatgesMuts final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return false; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

// A set of every compound, right and wrong answers in turn, padded to 1,700 records.
DadesSessio sessio_plena() {
    FontRellotge font(11);
    MissatgesMuts m;
    Sessio s(font, m);
    s.posa_arxiu_actiu(true); // no question about a missing file
    s.posa_limit_temps(false);
    s.posa_nombre_exercicis(s.Nombre_combinacions());
    s.comenca("Martí Ferrer i Solà", "12/03/2025");
    for (bool be = true; s.estat() == Estat::Pregunta; be = !be) {
        const Exercici &e = s.Exercici_actual();
        if (s.Mode_exercici() == quimerix::Tasca::Formular) {
            for (int c = 0; c < Nombre_caixes; ++c)
                if (e.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), be ? e.caixes[c] : "X");
        } else {
            s.posa_nom(be ? e.Nom_compost : "àcid");
        }
        s.continua();
        s.continua();
    }
    DadesSessio d = s.dades();
    // The counters must still add up to the number of records.
    for (std::size_t i = 0; d.registres.size() < Maxim_registres; ++i) {
        d.registres.push_back(d.registres[i]);
        ++d.encerts[0];
    }
    return d;
}

// Folder of the saves: the disk the build is on (each save waits for the disk twice: the file, then
// the folder), or memory (what the program itself costs).
QString carpeta_de(const benchmark::State &state) {
    return state.range(0) == 0 ? QDir::current().path() : QStringLiteral("/dev/shm");
}

void BM_DesaArxiuSessio1700(benchmark::State &state) {
    const DadesSessio d = sessio_plena();
    if (!QFileInfo(carpeta_de(state)).isWritable()) {
        state.SkipWithError("carpeta no disponible");
        return;
    }
    QTemporaryDir carpeta(carpeta_de(state) + QStringLiteral("/bench-arxiu-XXXXXX"));
    const QString cami = carpeta.filePath(QStringLiteral("sessio.qxs"));
    MissatgesMuts m;
    ui::ArxiuSessio arxiu(m);
    arxiu.posa_ruta(cami);
    for (auto _ : state) {
        arxiu.desa(d);
        if (!arxiu.espera()) state.SkipWithError("no s'ha pogut desar");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(QFileInfo(cami).size()));
}
BENCHMARK(BM_DesaArxiuSessio1700)->ArgName("memoria")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LlegeixArxiuSessio1700(benchmark::State &state) {
    QTemporaryDir carpeta(QDir::current().filePath(QStringLiteral("bench-arxiu-XXXXXX")));
    const QString cami = carpeta.filePath(QStringLiteral("sessio.qxs"));
    const std::string bytes = arxiu_sessio(sessio_plena()).value();
    ui::desa_atomicament(cami, QByteArray::fromStdString(bytes));
    for (auto _ : state) {
        auto d = ui::llegeix_sessio(cami);
        if (!d) state.SkipWithError("no s'ha pogut llegir");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_LlegeixArxiuSessio1700)->Unit(benchmark::kMillisecond);

// Enter on an answer until its correction is on screen, while every save of the set waits 50 ms
// for the disk (a slow or stalled disk, injected as the window's save): the saves are written off
// the window's thread, so the correction does not wait for them.
void BM_CorreccioAmbDiscLent(benchmark::State &state) {
    static int argc = 1;
    static char nom[] = "quimerix_bench_arxius";
    static char *argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    QTemporaryDir carpeta;
    FontRellotge font(5);
    MissatgesMuts m;
    std::unique_ptr<ui::frmQUIMERIX> f;
    auto nou_conjunt = [&] {
        f.reset();
        f = std::make_unique<ui::frmQUIMERIX>(font, m);
        f->show();
        f->arxius().posa_funcio_desa([](const QString &, const QByteArray &) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return true;
        });
        f->arxius().posa_ruta_arxiu(carpeta.filePath(QStringLiteral("sessio.qxs")));
        f->opcions().Option2->click(); // naming: one answer box
        if (f->opcions().Check11->isChecked()) f->opcions().Check11->click();
        f->opcions().Text10->setText(QStringLiteral("Anna Puig"));
        f->opcions().cmdComencar->click();
        return f->sessio().estat() == Estat::Pregunta;
    };
    if (!nou_conjunt()) {
        state.SkipWithError("el conjunt no ha començat");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (f->sessio().estat() != Estat::Pregunta && !nou_conjunt())
            state.SkipWithError("no hi ha exercici");
        QLineEdit *nom_compost = f->exercici().Text1;
        nom_compost->setText(QStringLiteral("òxid de res"));
        state.ResumeTiming();
        QTest::keyClick(nom_compost, Qt::Key_Return);
        state.PauseTiming();
        if (!f->exercici().cmdSeguent->isVisible()) state.SkipWithError("la correcció no és a la pantalla");
        f->exercici().cmdSeguent->click();
        state.ResumeTiming();
    }
    f.reset();
}
BENCHMARK(BM_CorreccioAmbDiscLent)->Unit(benchmark::kMillisecond);

} // namespace
