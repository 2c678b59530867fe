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
    void vista_previa_real_data();
    void vista_previa_real();
    void dialegs_de_qt_en_catala();
    void preguntes_i_avisos_amb_el_teclat_data();
    void preguntes_i_avisos_amb_el_teclat();
};

#ifndef Q_MOC_RUN
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "checking/estadistiques.h"
#include "informe_ui.h"
#include "missatges.h"
#include "records/informe.h"
#include "suport.h"
#include "traduccio.h"

using namespace quimerix;
using namespace quimerix::ui;
using prova::DialegsSilenciosos;

Q_DECLARE_METATYPE(quimerix::ui::Final_previa)

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
    QTest::addColumn<Final_previa>("tria"); // how the student leaves the preview
    QTest::addColumn<QString>("fitxer");    // "" cancels the file dialog; "/" names an unwritable place
    QTest::addColumn<int>("previsualitzacions");
    QTest::addColumn<QStringList>("missatges");
    QTest::addColumn<bool>("pdf_escrit");

    const QString error = QString::fromStdString(Missatge_error_impressio);
    const QString desat = QStringLiteral("S'ha desat l'informe a ");
    QTest::newRow("sense exercicis") << 0 << true << Final_previa::Impresa << "informe.pdf" << 0
                                     << QStringList{error} << false;
    QTest::newRow("imprès") << 3 << true << Final_previa::Impresa << "informe.pdf" << 1 << QStringList{}
                            << false;
    QTest::newRow("tancada") << 3 << true << Final_previa::Tancada << "informe.pdf" << 1 << QStringList{}
                             << false;
    QTest::newRow("impressora amb error")
        << 3 << true << Final_previa::Error_impressora << "informe.pdf" << 1 << QStringList{error} << false;
    QTest::newRow("amb impressora, PDF")
        << 3 << true << Final_previa::Desa_pdf << "informe.pdf" << 1 << QStringList{desat} << true;
    QTest::newRow("sense impressora, tancada")
        << 3 << false << Final_previa::Tancada << "informe.pdf" << 1 << QStringList{} << false;
    QTest::newRow("sense impressora, cancel·la")
        << 3 << false << Final_previa::Desa_pdf << "" << 1 << QStringList{} << false;
    QTest::newRow("sense impressora, PDF")
        << 3 << false << Final_previa::Desa_pdf << "informe.pdf" << 1 << QStringList{desat} << true;
    QTest::newRow("sense impressora, lloc no escrivible")
        << 3 << false << Final_previa::Desa_pdf << "/" << 1 << QStringList{error} << false;
}

void InformeUiTest::flux() {
    QFETCH(int, exercicis);
    QFETCH(bool, impressora);
    QFETCH(Final_previa, tria);
    QFETCH(QString, fitxer);
    QFETCH(int, previsualitzacions);
    QFETCH(QStringList, missatges);
    QFETCH(bool, pdf_escrit);

    QTemporaryDir dir;
    DialegsSilenciosos dialegs;
    dialegs.impressora = impressora;
    dialegs.final_previa = tria;
    if (fitxer == QStringLiteral("/"))
        dialegs.cami = dir.filePath(QStringLiteral("no/hi/es/informe.pdf"));
    else if (!fitxer.isEmpty())
        dialegs.cami = dir.filePath(fitxer);
    prova::MissatgesProva m;

    imprimeix_informe(conjunt(exercicis - exercicis / 3, exercicis / 3), m, dialegs);

    QCOMPARE(dialegs.previsualitzacions, previsualitzacions);
    if (previsualitzacions > 0) {
        QVERIFY(dialegs.textos.back().find("àcid clorós") != std::string::npos);
        QCOMPARE(dialegs.ofereix_impressio.back(), impressora);
    }
    QCOMPARE(int(m.rebuts.size()), int(missatges.size()));
    for (int i = 0; i < missatges.size(); ++i)
        QVERIFY2(QString::fromStdString(m.rebuts[i].text).startsWith(missatges[i]), m.rebuts[i].text.c_str());
    if (tria == Final_previa::Desa_pdf)
        QCOMPARE(QFileInfo(dialegs.proposta).fileName(),
                 QStringLiteral("Informe Marcel·la Ferrà 3-5-2024.pdf"));
    QCOMPARE(QFile::exists(dialegs.cami), pdf_escrit);
    if (pdf_escrit) {
        QFile pdf(dialegs.cami);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }
}

// The real preview paints the report's pages fitted to the width of the screen's work area, offers
// "Imprimeix" only with a printer, as the default button (else "Desa en PDF"), and closes with Esc.
void InformeUiTest::vista_previa_real_data() {
    QTest::addColumn<bool>("impressora");
    QTest::newRow("amb impressora") << true;
    QTest::newRow("sense impressora") << false;
}

void InformeUiTest::vista_previa_real() {
    QFETCH(bool, impressora);
    DialegsImpressioQt dialegs;
    const auto d = informe(conjunt(30, 10));
    QVERIFY(d);
    int pagines = -1;
    bool ajustada = false, amb_boto_imprimeix = !impressora, omple_pantalla = false, defecte = false;
    QTimer::singleShot(0, [&] {
        auto *vista = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (vista == nullptr) return;
        QApplication::processEvents();
        if (const auto *widget = vista->findChild<QPrintPreviewWidget *>()) {
            pagines = widget->pageCount();
            ajustada = widget->zoomMode() == QPrintPreviewWidget::FitToWidth;
        }
        amb_boto_imprimeix = vista->findChild<QPushButton *>(QStringLiteral("cmdImprimeix")) != nullptr;
        const auto *per_defecte = vista->findChild<QPushButton *>(impressora ? QStringLiteral("cmdImprimeix")
                                                                             : QStringLiteral("cmdDesaPdf"));
        defecte = per_defecte && per_defecte->isDefault();
        omple_pantalla = vista->isMaximized();
        QTest::keyClick(vista, Qt::Key_Escape);
    });
    QCOMPARE(dialegs.previsualitza(*d, impressora), Final_previa::Tancada);
    QCOMPARE(pagines, 2);
    QVERIFY(ajustada);
    QCOMPARE(amb_boto_imprimeix, impressora);
    QVERIFY(defecte);
    QVERIFY(omple_pantalla);
}

// Qt's own dialogs (the PDF's file chooser, the print dialog and preview, the buttons of the
// questions) speak Catalan once the program has installed Qt's translation.
void InformeUiTest::dialegs_de_qt_en_catala() {
    QVERIFY(quimerix::ui::installa_traduccio_qt(*QCoreApplication::instance()));
    QMessageBox pregunta;
    pregunta.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(pregunta.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel·la"));
    QFileDialog dialeg;
    dialeg.setOption(QFileDialog::DontUseNativeDialog);
    dialeg.setAcceptMode(QFileDialog::AcceptSave);
    QCOMPARE(dialeg.labelText(QFileDialog::LookIn), QStringLiteral("Cerca a:"));
    QCOMPARE(dialeg.labelText(QFileDialog::Reject), QStringLiteral("Cancel·la"));
}

// The program's questions answer No to Enter and to Esc (the safe answer), Yes to Alt+S; a notice
// closes with either key. A screen reader reads the question as the box's description.
void InformeUiTest::preguntes_i_avisos_amb_el_teclat_data() {
    QTest::addColumn<bool>("pregunta");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<bool>("resposta");
    QTest::newRow("pregunta, Retorn") << true << int(Qt::Key_Return) << false << false;
    QTest::newRow("pregunta, Esc") << true << int(Qt::Key_Escape) << false << false;
    QTest::newRow("pregunta, Alt+S") << true << int(Qt::Key_S) << true << true;
    QTest::newRow("avís, Retorn") << false << int(Qt::Key_Return) << false << false;
    QTest::newRow("avís, Esc") << false << int(Qt::Key_Escape) << false << false;
}

void InformeUiTest::preguntes_i_avisos_amb_el_teclat() {
    QFETCH(bool, pregunta);
    QFETCH(int, tecla);
    QFETCH(bool, alt);
    QFETCH(bool, resposta);
    quimerix::ui::MissatgesQt missatges(nullptr);
    QString llegit;
    QTimer::singleShot(0, [&] {
        QWidget *caixa = QApplication::activeModalWidget();
        if (caixa == nullptr) return;
        llegit = QAccessible::queryAccessibleInterface(caixa)->text(QAccessible::Description);
        QApplication::setActiveWindow(caixa);
        QTest::keyClick(caixa, Qt::Key(tecla), alt ? Qt::AltModifier : Qt::NoModifier);
    });
    const std::string text = "Segur que vols sortir del programa?";
    if (pregunta) {
        QCOMPARE(missatges.pregunta(" Atenció !", text, quimerix::Icona::Exclamacio), resposta);
    } else {
        missatges.avisa(" Atenció !", text, quimerix::Icona::Informacio);
    }
    QCOMPARE(llegit, QString::fromStdString(text));
}

#endif

QTEST_MAIN(InformeUiTest)
#include "informe_ui_test.moc"
