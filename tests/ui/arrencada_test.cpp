// Before the window opens: the screen's size and a copy already running.

#include <QtTest>

class ArrencadaTest : public QObject {
    Q_OBJECT
  private slots:
    void pantalla_data();
    void pantalla();
    void segona_copia_data();
    void segona_copia();
    void bloqueig_abandonat_es_pren();
    void fitxer_de_bloqueig_data();
    void fitxer_de_bloqueig();
    void bloqueig_a_la_carpeta_d_execucio();
    void estat_de_sortida_data();
    void estat_de_sortida();
    void lliurament_a_la_copia_en_marxa_data();
    void lliurament_a_la_copia_en_marxa();
};

#ifndef Q_MOC_RUN
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

#include "arrencada.h"
#include "entrega.h"
#include "suport.h"
#endif

using namespace prova;

void ArrencadaTest::pantalla_data() {
    QTest::addColumn<QSize>("resolucio");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("obre");
    QTest::newRow("800x600") << QSize(800, 600) << 1.0 << true;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.0 << true;
    QTest::newRow("799 d'amplada") << QSize(799, 600) << 1.0 << false;
    QTest::newRow("599 d'alçada") << QSize(800, 599) << 1.0 << false;
    // Physical pixels count: logical size times the device pixel ratio.
    QTest::newRow("1920x1080 al 200 %") << QSize(960, 540) << 2.0 << true;
    QTest::newRow("1366x768 al 150 %") << QSize(911, 512) << 1.5 << true;
    QTest::newRow("800x600 al 150 %") << QSize(533, 400) << 1.5 << true;
    QTest::newRow("800x600 al 200 %") << QSize(400, 300) << 2.0 << true;
    QTest::newRow("798 d'amplada al 200 %") << QSize(399, 300) << 2.0 << false;
    QTest::newRow("640x480 al 100 %") << QSize(640, 480) << 1.0 << false;
}

void ArrencadaTest::pantalla() {
    QFETCH(QSize, resolucio);
    QFETCH(qreal, ratio);
    QFETCH(bool, obre);
    MissatgesProva m;
    QCOMPARE(quimerix::ui::comprova_pantalla(m, resolucio, ratio), obre);
    if (obre) {
        QVERIFY(m.rebuts.empty());
        return;
    }
    QCOMPARE(m.rebuts.size(), std::size_t{1});
    QCOMPARE(m.rebuts[0].text,
             std::string("L'aplicació no es pot obrir. Per a què aquesta funcioni correctament cal "
                         "una resolució mínima de pantalla de 800x600"));
    QCOMPARE(m.rebuts[0].titol, std::string(" Atenció !"));
    QVERIFY(!m.rebuts[0].pregunta && m.rebuts[0].icona == quimerix::Icona::Exclamacio);
}

void ArrencadaTest::segona_copia_data() {
    QTest::addColumn<bool>("resposta");
    QTest::newRow("No acaba el programa") << false;
    QTest::newRow("Sí obre una altra finestra") << true;
}

void ArrencadaTest::segona_copia() {
    QFETCH(bool, resposta);
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("quimerix.lock");
    quimerix::ui::Instancia primera(ruta);
    MissatgesProva m;
    QVERIFY(quimerix::ui::comprova_segona_copia(m, primera, "quimerix"));
    QVERIFY(m.rebuts.empty());

    quimerix::ui::Instancia segona(ruta);
    m.respostes = {resposta};
    QCOMPARE(quimerix::ui::comprova_segona_copia(m, segona, "quimerix"), resposta);
    QCOMPARE(m.textos(),
             std::vector<std::string>{"L'aplicació quimerix ja s'està executant. Vols obrir una nova "
                                      "finestra amb la mateixa aplicació?"});
    QCOMPARE(m.rebuts[0].titol, std::string(" Atenció !"));
    QVERIFY(m.rebuts[0].pregunta && m.rebuts[0].icona == quimerix::Icona::Informacio);
}

void ArrencadaTest::bloqueig_abandonat_es_pren() {
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
    QStringList linies = contingut.split('\n');
    QCOMPARE(linies[0], QString::number(QCoreApplication::applicationPid()));
    linies[0] = QString::number(pid_mort);
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(linies.join('\n').toUtf8());
    f.close();

    quimerix::ui::Instancia instancia(ruta);
    MissatgesProva m;
    QVERIFY(quimerix::ui::comprova_segona_copia(m, instancia, "quimerix"));
    QVERIFY(m.rebuts.empty());
    QVERIFY(instancia.presa());
}

namespace {

const std::string Pregunta_copia =
    "L'aplicació quimerix ja s'està executant. Vols obrir una nova finestra amb la mateixa aplicació?";

} // namespace

// What is found where the lock goes, and whether the student is asked about a second copy.
void ArrencadaTest::fitxer_de_bloqueig_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<bool>("pregunta");
    QTest::addColumn<bool>("presa");
    QTest::newRow("res") << "res" << false << true;
    QTest::newRow("bloqueig d'una còpia en marxa") << "viva" << true << false;
    QTest::newRow("fitxer de bloqueig buit") << "buit" << false << true;
    QTest::newRow("brossa al fitxer de bloqueig") << "brossa" << false << true;
    QTest::newRow("sense número de procés") << "sense_pid" << false << true;
    QTest::newRow("falta la carpeta") << "sense_carpeta" << false << false;
    QTest::newRow("la carpeta és un fitxer") << "carpeta_fitxer" << false << false;
    QTest::newRow("carpeta només de lectura") << "nomes_lectura" << false << false;
    QTest::newRow("una carpeta al lloc del bloqueig") << "carpeta" << false << false;
    QTest::newRow("enllaç penjat") << "enllac_penjat" << false << true;
    QTest::newRow("enllaç a un fitxer") << "enllac" << false << true;
    QTest::newRow("bloqueig d'un procés viu en una altra màquina") << "altra_maquina" << false << true;
    QTest::newRow("bloqueig d'una altra màquina retingut ara mateix")
        << "altra_maquina_viva" << true << false;
}

void ArrencadaTest::fitxer_de_bloqueig() {
    QFETCH(QString, cas);
    QFETCH(bool, pregunta);
    QFETCH(bool, presa);
    QTemporaryDir carpeta;
    QString ruta = carpeta.filePath("quimerix.lock");
    std::optional<QLockFile> altra;
    int descriptor = -1;
    auto escriu = [&](const QByteArray &contingut) {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contingut);
    };
    if (cas == "viva") {
        altra.emplace(ruta);
        QVERIFY(altra->tryLock(0));
    } else if (cas == "buit") {
        escriu({});
    } else if (cas == "brossa") {
        escriu("\x01\xff garbage\nmore\n");
    } else if (cas == "sense_pid") {
        escriu("\nquimerix\nmaquina\n");
    } else if (cas == "carpeta") {
        QVERIFY(QDir(carpeta.path()).mkdir("quimerix.lock"));
    } else if (cas == "enllac_penjat") {
        QVERIFY(QFile::link(carpeta.filePath("no_hi_es"), ruta));
    } else if (cas == "enllac") {
        QFile f(carpeta.filePath("altre"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(f.fileName(), ruta));
    } else if (cas.startsWith("altra_maquina")) {
        // This process is alive, but the lock says it runs elsewhere.
        escriu(QByteArray::number(QCoreApplication::applicationPid()) + "\nquimerix\naltra-maquina\n");
        if (cas == "altra_maquina_viva") {
            // A live holder keeps the file's own lock.
            const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY);
            QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0);
            descriptor = fd;
        }
    } else if (cas == "sense_carpeta") {
        ruta = carpeta.filePath("no_hi_es/quimerix.lock");
    } else if (cas == "carpeta_fitxer") {
        escriu("x");
        ruta = carpeta.filePath("quimerix.lock/quimerix.lock");
    } else if (cas == "nomes_lectura") {
        QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::ExeOwner));
        QFile prova(carpeta.filePath("prova"));
        const bool escrivible = prova.open(QIODevice::WriteOnly);
        prova.remove();
        if (escrivible) {
            QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes in read-only folders (root)");
        }
    }
    quimerix::ui::Instancia instancia(ruta);
    MissatgesProva m;
    m.respostes = {false};
    QCOMPARE(quimerix::ui::comprova_segona_copia(m, instancia, "quimerix"), !pregunta);
    QCOMPARE(m.textos(), pregunta ? std::vector<std::string>{Pregunta_copia} : std::vector<std::string>{});
    QCOMPARE(instancia.presa(), presa);
    if (presa) {
        // The lock now names this process: a second copy is asked about.
        quimerix::ui::Instancia segona(ruta);
        QCOMPARE(segona.pren(), quimerix::ui::Instancia::Resultat::AltraCopia);
    }
    QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (descriptor >= 0) ::close(descriptor);
}

// The lock goes in the user's runtime folder.
void ArrencadaTest::bloqueig_a_la_carpeta_d_execucio() {
    QTemporaryDir carpeta;
    const QByteArray abans = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", carpeta.path().toLocal8Bit());
    const QString ruta = quimerix::ui::Instancia::ruta_per_defecte();
    {
        quimerix::ui::Instancia primera;
        quimerix::ui::Instancia segona;
        QCOMPARE(primera.pren(), quimerix::ui::Instancia::Resultat::Presa);
        QVERIFY(QFile::exists(carpeta.filePath("quimerix.lock")));
        QCOMPARE(segona.pren(), quimerix::ui::Instancia::Resultat::AltraCopia);
    }
    QVERIFY(!QFile::exists(carpeta.filePath("quimerix.lock")));
    qputenv("XDG_RUNTIME_DIR", abans);
    QCOMPARE(ruta, carpeta.filePath("quimerix.lock"));
}

// The program's exit status when it ends before its window opens.
void ArrencadaTest::estat_de_sortida_data() {
    QTest::addColumn<QSize>("resolucio");
    QTest::addColumn<int>("estat");
    // The screen is checked first: no question about a second copy.
    QTest::newRow("pantalla massa petita") << QSize(640, 480) << 1;
    QTest::newRow("segona còpia, No") << QSize(800, 600) << 0;
}

void ArrencadaTest::estat_de_sortida() {
    QFETCH(QSize, resolucio);
    QFETCH(int, estat);
    QTemporaryDir carpeta;
    QLockFile altra(carpeta.filePath("quimerix.lock"));
    QVERIFY(altra.tryLock(0));
    quimerix::ui::Instancia instancia(carpeta.filePath("quimerix.lock"));
    MissatgesProva m;
    m.respostes = {false};
    QCOMPARE(quimerix::ui::comprova_arrencada(m, resolucio, 1.0, instancia, "quimerix"),
             std::optional<int>(estat));
    QCOMPARE(m.rebuts.size(), std::size_t{1});
}

// A second start with a session file hands the file to the running copy and ends with status 0;
// the running copy (this test, with the program's own receiver) gets the file's whole path. With
// no receiver, a start with a file asks about a second copy as a plain start does.
void ArrencadaTest::lliurament_a_la_copia_en_marxa_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("receptor");
    QTest::newRow("lliurat") << QStringLiteral("sessió 1.qxs") << true;
    QTest::newRow("salt de línia al nom") << QStringLiteral("sessió\n2.qxs") << true;
    QTest::newRow("cap còpia no el rep") << QStringLiteral("sessió.qxs") << false;
}

void ArrencadaTest::lliurament_a_la_copia_en_marxa() {
    QFETCH(QString, nom);
    QFETCH(bool, receptor);
    QTemporaryDir carpeta;
    quimerix::ui::Instancia en_marxa(carpeta.filePath("quimerix.lock"));
    QCOMPARE(en_marxa.pren(), quimerix::ui::Instancia::Resultat::Presa);
    QStringList rebuts;
    std::optional<quimerix::ui::ReceptorArxius> r;
    if (receptor) {
        r.emplace(en_marxa.ruta_receptor(), [&rebuts](const QString &ruta) { rebuts << ruta; });
        QVERIFY(r->escolta());
    }
    const QString arxiu = carpeta.filePath(nom);
    if (!receptor) {
        quimerix::ui::Instancia segona(carpeta.filePath("quimerix.lock"));
        MissatgesProva m;
        m.respostes = {false};
        QVERIFY(!quimerix::ui::comprova_segona_copia(m, segona, "quimerix", arxiu));
        QCOMPARE(m.rebuts.size(), std::size_t{1});
        QCOMPARE(m.rebuts[0].text, Pregunta_copia);
        return;
    }
    // The real program, started as a file manager starts it, from another folder.
    QProcess segona;
    QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment();
    entorn.insert("XDG_RUNTIME_DIR", carpeta.path());
    entorn.insert("QT_QPA_PLATFORM", "offscreen");
    segona.setProcessEnvironment(entorn);
    segona.setWorkingDirectory(QDir::rootPath());
    segona.start(QStringLiteral(QUIMERIX_PROGRAMA), {arxiu});
    QVERIFY(segona.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(segona.state() == QProcess::NotRunning, 30000);
    QCOMPARE(segona.exitStatus(), QProcess::NormalExit);
    QCOMPARE(segona.exitCode(), 0);
    QTRY_COMPARE(rebuts, QStringList{arxiu});
}

PROVA_MAIN(ArrencadaTest)
#include "arrencada_test.moc"
