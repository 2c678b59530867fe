#include "informe_ui.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

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

Final_previa DialegsImpressioQt::previsualitza(const Document_impressio &d, bool impressora) {
    QPrinter paper(QPrinter::HighResolution);
    paper.setDocName(QStringLiteral("Informe de QUIMERIX"));
    paper.setPageOrientation(d.apaisat ? QPageLayout::Landscape : QPageLayout::Portrait);
    paper.setPageMargins(QMarginsF(14, 14, 14, 14), QPageLayout::Point);
    VistaPreviaInforme vista(d, paper, impressora, pare_);
    vista.exec();
    return vista.final_previa();
}

VistaPreviaInforme::VistaPreviaInforme(const Document_impressio &d, QPrinter &paper, bool impressora,
                                       QWidget *pare)
    : QDialog(pare), document_(d), paper_(paper) {
    setObjectName(QStringLiteral("VistaPreviaInforme"));
    setWindowTitle(QStringLiteral("Informe"));
    auto *pagines = new QPrintPreviewWidget(&paper, this);
    pagines->setObjectName(QStringLiteral("pagines"));
    connect(pagines, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *p) {
        if (!impressio::pinta(document_, *p)) pintat_ = false;
    });
    pagines->fitToWidth();
    pagines->setAccessibleName(QStringLiteral("Pàgines de l'informe"));

    auto *botons = new QHBoxLayout;
    botons->addStretch();
    QPushButton *imprimeix = nullptr;
    if (impressora) {
        imprimeix = new QPushButton(QStringLiteral("&Imprimeix"), this);
        imprimeix->setObjectName(QStringLiteral("cmdImprimeix"));
        connect(imprimeix, &QPushButton::clicked, this, &VistaPreviaInforme::imprimeix);
        botons->addWidget(imprimeix);
    }
    auto *pdf = new QPushButton(QStringLiteral("&Desa en PDF"), this);
    pdf->setObjectName(QStringLiteral("cmdDesaPdf"));
    connect(pdf, &QPushButton::clicked, this, [this] { acaba(Final_previa::Desa_pdf); });
    botons->addWidget(pdf);
    // Enter prints, or saves the PDF when there is no printer; Esc closes.
    (imprimeix ? imprimeix : pdf)->setDefault(true);
    auto *tanca = new QPushButton(QStringLiteral("&Tanca"), this);
    tanca->setObjectName(QStringLiteral("cmdTanca"));
    connect(tanca, &QPushButton::clicked, this, &QDialog::reject);
    botons->addWidget(tanca);

    auto *disposicio = new QVBoxLayout(this);
    disposicio->addWidget(pagines, 1);
    disposicio->addLayout(botons);
    // The whole work area of the screen (the window manager keeps the frame on it), so that a
    // page fitted to the width can be read.
    setWindowState(windowState() | Qt::WindowMaximized);
    pagines->setFocus();
}

void VistaPreviaInforme::imprimeix() {
    QPrintDialog dialeg(&paper_, this);
    if (dialeg.exec() != QDialog::Accepted) return;
    acaba(impressio::pinta(document_, paper_) ? Final_previa::Impresa : Final_previa::Error_impressora);
}

void VistaPreviaInforme::acaba(Final_previa f) {
    final_ = f;
    accept();
}

Final_previa VistaPreviaInforme::final_previa() const {
    return pintat_ ? final_ : Final_previa::Error_impressora;
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
    const Final_previa final_previa = dialegs.previsualitza(*document, dialegs.hi_ha_impressora());
    if (final_previa == Final_previa::Error_impressora) error_impressio(missatges);
    if (final_previa != Final_previa::Desa_pdf) return;
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
