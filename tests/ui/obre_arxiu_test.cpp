// `quimerix ARXIU.qxs`: a stored set's report straight from its file, or the reader's message.

#include <QtTest>

class ObreArxiuTest : public QObject {
    Q_OBJECT
  private slots:
    void arxiu_data();
    void arxiu();
};

#ifndef Q_MOC_RUN
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "obre_arxiu.h"
#include "records/arxiu_sessio.h"
#include "records/informe.h"
#include "suport.h"

using namespace quimerix;
using namespace quimerix::ui;
using prova::DialegsSilenciosos;

namespace {

QByteArray contingut(const QString &ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void ObreArxiuTest::arxiu_data() {
    QTest::addColumn<QByteArray>(
        "bytes");                        // the file's contents; "-" for no file, "/" for a folder, "|" a FIFO
    QTest::addColumn<QString>("alumne"); // in the report shown; empty when nothing is shown
    QTest::addColumn<std::string>("missatge");

    const QByteArray tres = contingut(QFINDTESTDATA("../tools/sessio_tres.qxs"));
    const QByteArray buida = contingut(QFINDTESTDATA("../tools/sessio_buida.qxs"));
    QVERIFY(!tres.isEmpty() && !buida.isEmpty());
    QByteArray tallat = tres.left(tres.size() / 2);
    QByteArray alterat = tres;
    alterat[0] = static_cast<char>(alterat[0] ^ 0x40); // the count of records is no longer a number

    QTest::newRow("tres exercicis") << tres << QStringLiteral("Núria Gómez i Ça·l·lí") << std::string();
    // A set stored before any answer has nothing to show, and the student is told why.
    QTest::newRow("sense exercicis") << buida << QString() << Missatge_arxiu_sense_exercicis;
    QTest::newRow("inexistent") << QByteArray("-") << QString() << std::string(Missatge_error_arxiu);
    QTest::newRow("carpeta") << QByteArray("/") << QString() << std::string(Missatge_error_arxiu);
    // Nobody writes to it: opening it to read would wait for ever.
    QTest::newRow("FIFO") << QByteArray("|") << QString() << std::string(Missatge_error_arxiu);
    QTest::newRow("buit") << QByteArray() << QString() << std::string(Missatge_error_arxiu);
    QTest::newRow("tallat") << tallat << QString() << std::string(Missatge_error_arxiu);
    QTest::newRow("alterat") << alterat << QString() << std::string(Missatge_error_arxiu);
}

void ObreArxiuTest::arxiu() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, alumne);
    QFETCH(std::string, missatge);

    QTemporaryDir dir;
    QString ruta = dir.filePath(QStringLiteral("sessió.qxs"));
    if (bytes == "/") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sessió.qxs")));
    } else if (bytes == "|") {
        QVERIFY(::mkfifo(QFile::encodeName(ruta).constData(), 0600) == 0);
    } else if (bytes != "-") {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    prova::MissatgesProva missatges;
    DialegsSilenciosos dialegs;
    imprimeix_arxiu_desat(ruta, missatges, dialegs);

    QCOMPARE(dialegs.textos.size(), alumne.isEmpty() ? size_t{0} : size_t{1});
    if (!alumne.isEmpty()) QVERIFY(dialegs.textos[0].find(alumne.toStdString()) != std::string::npos);
    QCOMPARE(missatges.rebuts.size(), missatge.empty() ? size_t{0} : size_t{1});
    if (!missatge.empty()) {
        QCOMPARE(missatges.rebuts[0].text, missatge);
        QCOMPARE(missatges.rebuts[0].titol, Titol_programa);
    }
}

QTEST_MAIN(ObreArxiuTest)
#include "obre_arxiu_test.moc"
#endif
