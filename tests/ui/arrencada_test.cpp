// Before the window opens: the screen's size and a copy already running.

#include <QtTest>

class ArrencadaTest : public QObject {
    Q_OBJECT
  private slots:
    void screen_data();
    void screen();
    void second_copy_data();
    void second_copy();
    void stale_lock_is_taken_over();
};

#ifndef Q_MOC_RUN
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "arrencada.h"
#include "suport.h"
#endif

using namespace prova;

void ArrencadaTest::screen_data() {
    QTest::addColumn<QSize>("resolució");
    QTest::addColumn<bool>("obre");
    QTest::newRow("800x600") << QSize(800, 600) << true;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << true;
    QTest::newRow("799 across") << QSize(799, 600) << false;
    QTest::newRow("599 down") << QSize(800, 599) << false;
}

void ArrencadaTest::screen() {
    QFETCH(QSize, resolució);
    QFETCH(bool, obre);
    MissatgesProva m;
    QCOMPARE(quimerix::ui::comprova_pantalla(m, resolució), obre);
    if (obre) {
        QVERIFY(m.rebuts.empty());
        return;
    }
    QCOMPARE(m.rebuts.size(), std::size_t{1});
    QCOMPARE(m.rebuts[0].text,
             std::string("L'aplicació no es pot obrir. Per a què aquesta funcioni correctament cal "
                         "una resolució mínima de pantalla de 800x600"));
    QCOMPARE(m.rebuts[0].títol, std::string(" Atenció !"));
    QVERIFY(!m.rebuts[0].pregunta && m.rebuts[0].icona == quimerix::Icona::Exclamació);
}

void ArrencadaTest::second_copy_data() {
    QTest::addColumn<bool>("resposta");
    QTest::newRow("No ends the program") << false;
    QTest::newRow("Yes opens another window") << true;
}

void ArrencadaTest::second_copy() {
    QFETCH(bool, resposta);
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("quimerix.lock");
    quimerix::ui::Instància primera(ruta);
    MissatgesProva m;
    QVERIFY(quimerix::ui::comprova_segona_còpia(m, primera, "quimerix"));
    QVERIFY(m.rebuts.empty());

    quimerix::ui::Instància segona(ruta);
    m.respostes = {resposta};
    QCOMPARE(quimerix::ui::comprova_segona_còpia(m, segona, "quimerix"), resposta);
    QCOMPARE(m.textos(),
             std::vector<std::string>{"L'aplicació quimerix ja s'està executant. Vols obrir una nova "
                                      "finestra amb la mateixa aplicació?"});
    QCOMPARE(m.rebuts[0].títol, std::string(" Atenció !"));
    QVERIFY(m.rebuts[0].pregunta && m.rebuts[0].icona == quimerix::Icona::Informació);
}

void ArrencadaTest::stale_lock_is_taken_over() {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("quimerix.lock");
    // The lock of a copy that crashed: its file names a process that no longer runs.
    QString contingut;
    {
        QLockFile l(ruta);
        QVERIFY(l.tryLock(0));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        contingut = QString::fromUtf8(f.readAll());
    }
    QProcess acabat;
    acabat.start("true", {});
    QVERIFY(acabat.waitForStarted());
    const qint64 pid_mort = acabat.processId();
    QVERIFY(acabat.waitForFinished());
    QStringList línies = contingut.split('\n');
    QCOMPARE(línies[0], QString::number(QCoreApplication::applicationPid()));
    línies[0] = QString::number(pid_mort);
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(línies.join('\n').toUtf8());
    f.close();

    quimerix::ui::Instància instància(ruta);
    MissatgesProva m;
    QVERIFY(quimerix::ui::comprova_segona_còpia(m, instància, "quimerix"));
    QVERIFY(m.rebuts.empty());
    QVERIFY(instància.presa());
}

PROVA_MAIN(ArrencadaTest)
#include "arrencada_test.moc"
