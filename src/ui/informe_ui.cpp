#include "informe_ui.h"

#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "pintor.h"
#include "records/informe.h"

namespace quimerix::ui {

namespace {

void error_impressio(Missatges &m) {
    m.avisa(Titol_programa, Missatge_error_impressio, Icona::Exclamacio);
}

} // namespace

bool DialegsImpressioQt::hi_ha_impressora() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool DialegsImpressioQt::previsualitza(const Document_impressio &d) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setDocName(QStringLiteral("Informe de QUIMERIX"));
    impressora.setPageOrientation(d.apaisat ? QPageLayout::Landscape : QPageLayout::Portrait);
    impressora.setPageMargins(QMarginsF(14, 14, 14, 14), QPageLayout::Point);
    QPrintPreviewDialog dialeg(&impressora, pare_);
    dialeg.setWindowTitle(QStringLiteral("Informe"));
    bool be = true;
    QObject::connect(&dialeg, &QPrintPreviewDialog::paintRequested, &dialeg, [&](QPrinter *p) {
        if (!impressio::pinta(d, *p)) be = false;
    });
    dialeg.exec();
    return be;
}

QString DialegsImpressioQt::demana_pdf(const QString &proposta) {
    QString cami = QFileDialog::getSaveFileName(pare_, QStringLiteral("Desa l'informe en PDF"), proposta,
                                                QStringLiteral("Documents PDF (*.pdf)"));
    if (!cami.isEmpty() && !cami.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        cami += QStringLiteral(".pdf");
    return cami;
}

void imprimeix_informe(const DadesSessio &d, Missatges &missatges, DialegsImpressio &dialegs) {
    const auto document = informe(d);
    if (!document) {
        error_impressio(missatges);
        return;
    }
    if (dialegs.hi_ha_impressora()) {
        if (!dialegs.previsualitza(*document)) error_impressio(missatges);
        return;
    }
    if (!missatges.pregunta(Titol_informacio, Pregunta_pdf, Icona::Informacio)) return;
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) carpeta = QDir::homePath();
    const QString proposta = QDir(carpeta).filePath(QString::fromStdString(nom_pdf_informe(d.capcalera)));
    const QString cami = dialegs.demana_pdf(proposta);
    if (cami.isEmpty()) return;
    if (!impressio::desa_pdf(*document, cami)) {
        error_impressio(missatges);
        return;
    }
    missatges.avisa(Titol_informacio,
                    "S'ha desat l'informe a " + QDir::toNativeSeparators(cami).toStdString(),
                    Icona::Informacio);
}

} // namespace quimerix::ui
