// Printing the report from the window: the preview, the PDF offered when there is no printer, and
// the printing message for every failure. The dialogs answer from a script, except the real
// print preview, which is closed by a timer once it has painted the pages.

#include <QtTest>

class InformeUiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void flux_data();
    void flux();
    void vista_previa_real();
};

#ifndef Q_MOC_RUN
#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "checking/estadistiques.h"
#include "informe_ui.h"
#include "records/informe.h"
#include "suport.h"

using namespace quimerix;
using namespace quimerix::ui;
using prova::DialegsSilenciosos;

namespace {

DadesSessio conjunt(int encerts, int errors) {
    DadesSessio d;
    d.capcalera = "Nom i cognoms: Marcel·la Ferrà" + std::string(51, ' ') + "  Data: 3/5/2024";
    Estadistiques e;
    for (int i = 0; i < encerts + errors; ++i) {
        d.registres.push_back(" " + std::to_string(i + 1) + "    àcid clorós     H Cl O2    CORRECTE\r\n");
        e.compta("HXO", i < encerts ? 2 : 1);
    }
    d.text_estadistiques = e.Text_estadistiques();
    d.encerts = e.Encerts_per_tipus;
    d.errors = e.Errors_per_tipus;
    return d;
}

} // namespace

void InformeUiTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void InformeUiTest::flux_data() {
    QTest::addColumn<int>("exercicis");
    QTest::addColumn<bool>("impressora");
    QTest::addColumn<bool>("impressio_correcta");
    QTest::addColumn<bool>("vol_pdf");
    QTest::addColumn<QString>("fitxer"); // "" cancels the file dialog; "/" names an unwritable place
    QTest::addColumn<int>("previsualitzacions");
    QTest::addColumn<QStringList>("missatges");
    QTest::addColumn<bool>("pdf_escrit");

    const QString error = QString::fromStdString(Missatge_error_impressio);
    const QString pregunta = QString::fromStdString(Pregunta_pdf);
    QTest::newRow("sense exercicis") << 0 << true << true << true << "informe.pdf" << 0 << QStringList{error}
                                     << false;
    QTest::newRow("vista prèvia") << 3 << true << true << true << "informe.pdf" << 1 << QStringList{}
                                  << false;
    QTest::newRow("impressora amb error")
        << 3 << true << false << true << "informe.pdf" << 1 << QStringList{error} << false;
    QTest::newRow("sense impressora, no vol PDF")
        << 3 << false << true << false << "informe.pdf" << 0 << QStringList{pregunta} << false;
    QTest::newRow("sense impressora, cancel·la")
        << 3 << false << true << true << "" << 0 << QStringList{pregunta} << false;
    QTest::newRow("sense impressora, PDF")
        << 3 << false << true << true << "informe.pdf" << 0
        << QStringList{pregunta, QStringLiteral("S'ha desat l'informe a ")} << true;
    QTest::newRow("sense impressora, lloc no escrivible")
        << 3 << false << true << true << "/" << 0 << QStringList{pregunta, error} << false;
}

void InformeUiTest::flux() {
    QFETCH(int, exercicis);
    QFETCH(bool, impressora);
    QFETCH(bool, impressio_correcta);
    QFETCH(bool, vol_pdf);
    QFETCH(QString, fitxer);
    QFETCH(int, previsualitzacions);
    QFETCH(QStringList, missatges);
    QFETCH(bool, pdf_escrit);

    QTemporaryDir dir;
    DialegsSilenciosos dialegs;
    dialegs.impressora = impressora;
    dialegs.impressio_correcta = impressio_correcta;
    if (fitxer == QStringLiteral("/"))
        dialegs.cami = dir.filePath(QStringLiteral("no/hi/es/informe.pdf"));
    else if (!fitxer.isEmpty())
        dialegs.cami = dir.filePath(fitxer);
    prova::MissatgesProva m;
    m.respostes = {vol_pdf};

    imprimeix_informe(conjunt(exercicis - exercicis / 3, exercicis / 3), m, dialegs);

    QCOMPARE(dialegs.previsualitzacions, previsualitzacions);
    if (previsualitzacions > 0) QVERIFY(dialegs.textos.back().find("àcid clorós") != std::string::npos);
    QCOMPARE(int(m.rebuts.size()), int(missatges.size()));
    for (int i = 0; i < missatges.size(); ++i)
        QVERIFY2(QString::fromStdString(m.rebuts[i].text).startsWith(missatges[i]), m.rebuts[i].text.c_str());
    if (!impressora && vol_pdf)
        QCOMPARE(QFileInfo(dialegs.proposta).fileName(),
                 QStringLiteral("Informe Marcel·la Ferrà 3-5-2024.pdf"));
    QCOMPARE(QFile::exists(dialegs.cami), pdf_escrit);
    if (pdf_escrit) {
        QFile pdf(dialegs.cami);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }
}

// The real preview paints the report's pages; a timer closes it once it is up.
void InformeUiTest::vista_previa_real() {
    DialegsImpressioQt dialegs;
    const auto d = informe(conjunt(30, 10));
    QVERIFY(d);
    int pagines = -1;
    QTimer::singleShot(0, [&] {
        auto *vista = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (vista == nullptr) return;
        QApplication::processEvents();
        const auto *widget = vista->findChild<QPrintPreviewWidget *>();
        if (widget != nullptr && vista->printer()->pageLayout().orientation() == QPageLayout::Landscape)
            pagines = widget->pageCount();
        vista->reject();
    });
    QVERIFY(dialegs.previsualitza(*d));
    QCOMPARE(pagines, 2);
}
#endif

QTEST_MAIN(InformeUiTest)
#include "informe_ui_test.moc"
