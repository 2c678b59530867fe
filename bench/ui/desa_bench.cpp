// Saving a full session file (1,700 records) as the window does after a correction: encoded,
// scrambled and saved atomically (written, synchronised, renamed, folder synchronised).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "arxiu_actiu.h"
#include "desa.h"
#include "generation/aleatori.h"
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
    for (auto _ : state)
        if (!arxiu.desa(d)) state.SkipWithError("no s'ha pogut desar");
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

} // namespace
