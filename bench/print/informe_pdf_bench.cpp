// The report of the largest set (48 pages) written to a PDF file.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "informe_comu.h"
#include "pintor.h"
#include "records/informe.h"
#include "sense_pantalla.h"

namespace {

void BM_InformePdf1700(benchmark::State &state) {
    quimerix::impressio::AplicacioSensePantalla aplicacio;
    QTemporaryDir dir;
    const auto doc = quimerix::informe(conjunt_1700());
    const QString cami = QDir(dir.path()).filePath(QStringLiteral("informe.pdf"));
    for (auto _ : state)
        if (!quimerix::impressio::desa_pdf(*doc, cami)) state.SkipWithError("no s'ha pogut escriure el PDF");
}
BENCHMARK(BM_InformePdf1700)->Unit(benchmark::kMillisecond);

} // namespace
