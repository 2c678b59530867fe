// Saving a whole file atomically: every way a save can fail leaves the previous file as it was
// and no stray file beside it; a process killed while saving leaves one whole file.

#include <QtTest>

class DesaTest : public QObject {
    Q_OBJECT
  private slots:
    void save_data();
    void save();
    void kill_while_saving();
};

#ifndef Q_MOC_RUN
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "desa.h"
#include "suport.h"
#endif

using quimerix::ui::desa_atòmicament;

namespace {

const QByteArray Previ = QByteArray("previ\r\n").repeated(10);

// Everything in a folder, hidden files included.
QStringList contingut(const QString &carpeta) {
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray llegeix(const QString &camí) {
    QFile f(camí);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cap>");
}

// For as long as it lives, files may grow to `límit` bytes at most (a full disk, as writing sees
// it); going past gives EFBIG instead of killing the process.
struct DiscPle {
    rlimit abans{};
    void (*senyal)(int);
    explicit DiscPle(rlim_t límit) {
        getrlimit(RLIMIT_FSIZE, &abans);
        senyal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nou = abans;
        nou.rlim_cur = límit;
        setrlimit(RLIMIT_FSIZE, &nou);
    }
    ~DiscPle() {
        setrlimit(RLIMIT_FSIZE, &abans);
        std::signal(SIGXFSZ, senyal);
    }
};

// For as long as it lives, this thread meets file permissions as an ordinary user would, even when
// the tests run as root (the file-system identity is per thread and can be given back).
struct SenseDrets {
    bool fet = true;
    SenseDrets() {
        if (geteuid() != 0) return;
        setfsgid(65534);
        setfsuid(65534);
        fet = setfsuid(static_cast<uid_t>(-1)) == 65534;
    }
    ~SenseDrets() {
        if (geteuid() != 0) return;
        setfsuid(0);
        setfsgid(0);
    }
};

enum class Cas { Nou, Substitueix, Disc_ple, Carpeta_només_lectura, Carpeta_esborrada, És_carpeta };

} // namespace

void DesaTest::save_data() {
    QTest::addColumn<Cas>("cas");
    QTest::addColumn<bool>("desat");
    QTest::newRow("new file") << Cas::Nou << true;
    QTest::newRow("replaces the previous file") << Cas::Substitueix << true;
    QTest::newRow("full disk") << Cas::Disc_ple << false;
    QTest::newRow("read-only folder") << Cas::Carpeta_només_lectura << false;
    QTest::newRow("folder gone") << Cas::Carpeta_esborrada << false;
    QTest::newRow("a folder with the file's name") << Cas::És_carpeta << false;
}

void DesaTest::save() {
    QFETCH(Cas, cas);
    QFETCH(bool, desat);
    QTemporaryDir arrel;
    // An ordinary user must be able to reach the folder.
    QFile::setPermissions(arrel.path(), QFile::permissions(arrel.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString carpeta = arrel.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(carpeta));
    const QString camí = carpeta + QStringLiteral("/exam.qxs");
    if (cas == Cas::És_carpeta) QVERIFY(QDir().mkpath(camí));
    const bool amb_previ = cas != Cas::Nou && cas != Cas::Carpeta_esborrada && cas != Cas::És_carpeta;
    if (amb_previ) QVERIFY(desa_atòmicament(camí, Previ));
    const QStringList abans = contingut(carpeta);
    // Larger than any buffer, so that a write failure cannot hide in one.
    QByteArray nou;
    for (int i = 0; nou.size() < 200000; ++i)
        nou += QByteArray::number(i) + "\r\n";

    bool resultat = false;
    switch (cas) {
    case Cas::Disc_ple: {
        DiscPle ple(Previ.size() + 100);
        resultat = desa_atòmicament(camí, nou);
        break;
    }
    case Cas::Carpeta_només_lectura: {
        QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        {
            SenseDrets usuari;
            if (!usuari.fet) QSKIP("cannot give up root's file permissions here");
            resultat = desa_atòmicament(camí, nou);
        }
        QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        break;
    }
    case Cas::Carpeta_esborrada:
        QVERIFY(QDir(carpeta).removeRecursively());
        resultat = desa_atòmicament(camí, nou);
        QVERIFY(!QFileInfo::exists(carpeta));
        return;
    default:
        resultat = desa_atòmicament(camí, nou);
    }
    QCOMPARE(resultat, desat);
    if (desat) {
        QVERIFY(llegeix(camí) == nou);
        QCOMPARE(contingut(carpeta), QStringList{"exam.qxs"});
        return;
    }
    QCOMPARE(contingut(carpeta), abans);
    if (amb_previ) QVERIFY(llegeix(camí) == Previ);
}

// A child saves two contents in turn as fast as it can and is killed at random moments: the file
// is always one of them, whole.
void DesaTest::kill_while_saving() {
    QTemporaryDir arrel;
    const QString camí = arrel.filePath(QStringLiteral("exam.qxs"));
    const QByteArray a(150000, 'a'), b = QByteArray("b\r\n").repeated(70000);
    QVERIFY(desa_atòmicament(camí, a));
    std::mt19937 motor(7);
    for (int vegada = 0; vegada < 12; ++vegada) {
        const pid_t fill = fork();
        QVERIFY(fill >= 0);
        if (fill == 0) {
            for (int i = 0;; ++i)
                desa_atòmicament(camí, i % 2 ? a : b);
        }
        usleep(2000 + motor() % 20000);
        kill(fill, SIGKILL);
        int estat = 0;
        waitpid(fill, &estat, 0);
        QVERIFY(WIFSIGNALED(estat));
        const QByteArray ara = llegeix(camí);
        QVERIFY2(ara == a || ara == b, qPrintable(QStringLiteral("%1 bytes").arg(ara.size())));
    }
}

PROVA_MAIN(DesaTest)
#include "desa_test.moc"
