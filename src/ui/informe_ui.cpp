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

void error_impressió(Missatges &m) { m.avisa(Títol_programa, Missatge_error_impressió, Icona::Exclamació); }

} // namespace

bool DiàlegsImpressióQt::hi_ha_impressora() { return !QPrinterInfo::defaultPrinter().isNull(); }

bool DiàlegsImpressióQt::previsualitza(const Document_impressió &d) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setDocName(QStringLiteral("Informe de QUIMERIX"));
    impressora.setPageOrientation(d.apaïsat ? QPageLayout::Landscape : QPageLayout::Portrait);
    impressora.setPageMargins(QMarginsF(14, 14, 14, 14), QPageLayout::Point);
    QPrintPreviewDialog diàleg(&impressora, pare_);
    diàleg.setWindowTitle(QStringLiteral("Informe"));
    bool bé = true;
    QObject::connect(&diàleg, &QPrintPreviewDialog::paintRequested, &diàleg, [&](QPrinter *p) {
        if (!impressio::pinta(d, *p)) bé = false;
    });
    diàleg.exec();
    return bé;
}

QString DiàlegsImpressióQt::demana_pdf(const QString &proposta) {
    QString camí = QFileDialog::getSaveFileName(pare_, QStringLiteral("Desa l'informe en PDF"), proposta,
                                                QStringLiteral("Documents PDF (*.pdf)"));
    if (!camí.isEmpty() && !camí.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        camí += QStringLiteral(".pdf");
    return camí;
}

void imprimeix_informe(const DadesSessió &d, Missatges &missatges, DiàlegsImpressió &diàlegs) {
    const auto document = informe(d);
    if (!document) {
        error_impressió(missatges);
        return;
    }
    if (diàlegs.hi_ha_impressora()) {
        if (!diàlegs.previsualitza(*document)) error_impressió(missatges);
        return;
    }
    if (!missatges.pregunta(Títol_informació, Pregunta_pdf, Icona::Informació)) return;
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) carpeta = QDir::homePath();
    const QString proposta = QDir(carpeta).filePath(QString::fromStdString(nom_pdf_informe(d.capçalera)));
    const QString camí = diàlegs.demana_pdf(proposta);
    if (camí.isEmpty()) return;
    if (!impressio::desa_pdf(*document, camí)) {
        error_impressió(missatges);
        return;
    }
    missatges.avisa(Títol_informació, "S'ha desat l'informe a " + QDir::toNativeSeparators(camí).toStdString(),
                    Icona::Informació);
}

} // namespace quimerix::ui
