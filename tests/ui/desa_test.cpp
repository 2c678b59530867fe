// Saving a whole file atomically: every way a save can fail leaves the previous file as it was
// and no stray file beside it; a process killed while saving leaves one whole file.

#include <QtTest>

class DesaTest : public QObject {
    Q_OBJECT
  private slots:
    void desa_data();
    void desa();
    void mort_mentre_desa();
    void avisa_un_cop_per_fallada_data();
    void avisa_un_cop_per_fallada();
    void esborra_les_seves_restes();
    void mort_a_mig_conjunt();
    void desa_en_segon_pla();
};

#ifndef Q_MOC_RUN
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <functional>
#include <mutex>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "arxiu_actiu.h"
#include "cua_desades.h"
#include "desa.h"
#include "records/arxiu_sessio.h"
#include "suport.h"
#endif

using quimerix::DadesSessio;
using quimerix::ui::ArxiuSessio;
using quimerix::ui::desa_atomicament;
using quimerix::ui::llegeix_sessio;

namespace {

const QByteArray Previ = QByteArray("previ\r\n").repeated(10);

// Everything in a folder, hidden files included.
QStringList contingut(const QString &carpeta) {
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                   QDir::Name);
}

QByteArray llegeix(const QString &cami) {
    QFile f(cami);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cap>");
}

// For as long as it lives, files may grow to `límit` bytes at most (a full disk, as writing sees
// it); going past gives EFBIG instead of killing the process.
struct DiscPle {
    rlimit abans{};
    void (*senyal)(int);
    explicit DiscPle(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &abans);
        senyal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nou = abans;
        nou.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &nou);
    }
    ~DiscPle() {
        setrlimit(RLIMIT_FSIZE, &abans);
        std::signal(SIGXFSZ, senyal);
    }
};

// A headless set of `n` exercises answered right and wrong in turn; `en_desar` sees every save.
void fes_sessio(int n, const std::function<void(const quimerix::DadesSessio &)> &en_desar,
                std::uint64_t llavor = 3) {
    prova::FontProva font(llavor);
    prova::MissatgesProva m;
    quimerix::Sessio s(font, m);
    s.en_desar = en_desar;
    s.posa_arxiu_actiu(true);
    s.posa_limit_temps(false);
    s.posa_nombre_exercicis(n);
    s.comenca("Núria Çabà i Pérez", "3/2/2025");
    for (bool be = true; s.estat() == quimerix::Estat::Pregunta; be = !be) {
        const auto &e = s.Exercici_actual();
        if (s.Mode_exercici() == quimerix::Tasca::Formular) {
            for (int c = 0; c < quimerix::Nombre_caixes; ++c)
                if (e.visibles[c]) s.posa_caixa(static_cast<quimerix::Caixa>(c), be ? e.caixes[c] : "Xx");
        } else {
            s.posa_nom(be ? e.Nom_compost : "òxid d'en ningú");
        }
        s.continua();
        s.continua();
    }
}

// Every save of a set of `n` exercises, in order.
std::vector<DadesSessio> desades(int n) {
    std::vector<DadesSessio> v;
    fes_sessio(n, [&](const quimerix::DadesSessio &d) { v.push_back(d); });
    return v;
}

enum class Cas { Nou, Substitueix, Disc_ple, Carpeta_nomes_lectura, Carpeta_esborrada, Es_carpeta };

// A save as the window makes it, waited for: whether it reached the disk.
bool desa_ara(ArxiuSessio &arxiu, const DadesSessio &d) {
    arxiu.desa(d);
    return arxiu.espera();
}

} // namespace

void DesaTest::desa_data() {
    QTest::addColumn<Cas>("cas");
    QTest::addColumn<bool>("desat");
    QTest::newRow("fitxer nou") << Cas::Nou << true;
    QTest::newRow("substitueix el fitxer anterior") << Cas::Substitueix << true;
    QTest::newRow("disc ple") << Cas::Disc_ple << false;
    QTest::newRow("carpeta només de lectura") << Cas::Carpeta_nomes_lectura << false;
    QTest::newRow("carpeta esborrada") << Cas::Carpeta_esborrada << false;
    QTest::newRow("una carpeta amb el nom del fitxer") << Cas::Es_carpeta << false;
}

void DesaTest::desa() {
    QFETCH(Cas, cas);
    QFETCH(bool, desat);
    QTemporaryDir arrel;
    // An ordinary user must be able to reach the folder.
    QFile::setPermissions(arrel.path(),
                          QFile::permissions(arrel.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString carpeta = arrel.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(carpeta));
    const QString cami = carpeta + QStringLiteral("/exam.qxs");
    if (cas == Cas::Es_carpeta) QVERIFY(QDir().mkpath(cami));
    const bool amb_previ = cas != Cas::Nou && cas != Cas::Carpeta_esborrada && cas != Cas::Es_carpeta;
    if (amb_previ) QVERIFY(desa_atomicament(cami, Previ));
    const QStringList abans = contingut(carpeta);
    // Larger than any buffer, so that a write failure cannot hide in one.
    QByteArray nou;
    for (int i = 0; nou.size() < 200000; ++i)
        nou += QByteArray::number(i) + "\r\n";

    bool resultat = false;
    switch (cas) {
    case Cas::Disc_ple: {
        DiscPle ple(Previ.size() + 100);
        resultat = desa_atomicament(cami, nou);
        break;
    }
    case Cas::Carpeta_nomes_lectura: {
        QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
        {
            prova::SenseDrets usuari;
            if (!usuari.fet) QSKIP("cannot give up root's file permissions here");
            resultat = desa_atomicament(cami, nou);
        }
        QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        break;
    }
    case Cas::Carpeta_esborrada:
        QVERIFY(QDir(carpeta).removeRecursively());
        resultat = desa_atomicament(cami, nou);
        QVERIFY(!QFileInfo::exists(carpeta));
        return;
    default:
        resultat = desa_atomicament(cami, nou);
    }
    QCOMPARE(resultat, desat);
    if (desat) {
        QVERIFY(llegeix(cami) == nou);
        QCOMPARE(contingut(carpeta), QStringList{"exam.qxs"});
        return;
    }
    QCOMPARE(contingut(carpeta), abans);
    if (amb_previ) QVERIFY(llegeix(cami) == Previ);
}

// A child saves two contents in turn as fast as it can and is killed at random moments: the file
// is always one of them, whole.
void DesaTest::mort_mentre_desa() {
    QTemporaryDir arrel;
    const QString cami = arrel.filePath(QStringLiteral("exam.qxs"));
    const QByteArray a(150000, 'a'), b = QByteArray("b\r\n").repeated(70000);
    QVERIFY(desa_atomicament(cami, a));
    std::mt19937 motor(7);
    for (int vegada = 0; vegada < 12; ++vegada) {
        const pid_t fill = fork();
        QVERIFY(fill >= 0);
        if (fill == 0) {
            for (int i = 0;; ++i)
                desa_atomicament(cami, i % 2 ? a : b);
        }
        usleep(2000 + motor() % 20000);
        kill(fill, SIGKILL);
        int estat = 0;
        waitpid(fill, &estat, 0);
        QVERIFY(WIFSIGNALED(estat));
        const QByteArray ara = llegeix(cami);
        QVERIFY2(ara == a || ara == b, qPrintable(QStringLiteral("%1 bytes").arg(ara.size())));
    }
}

void DesaTest::avisa_un_cop_per_fallada_data() {
    QTest::addColumn<Cas>("cas");
    QTest::newRow("disc ple") << Cas::Disc_ple;
    QTest::newRow("carpeta només de lectura") << Cas::Carpeta_nomes_lectura;
    QTest::newRow("carpeta esborrada") << Cas::Carpeta_esborrada;
}

// A failing save tells the student once per outage, keeps the previous file, and is tried again at
// the next correction; a new set may tell again.
void DesaTest::avisa_un_cop_per_fallada() {
    QFETCH(Cas, cas);
    const std::vector<DadesSessio> v = desades(3);
    QCOMPARE(v.size(), size_t(4)); // the start and three corrections
    QTemporaryDir arrel;
    QFile::setPermissions(arrel.path(),
                          QFile::permissions(arrel.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString carpeta = arrel.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(carpeta));
    const QString cami = carpeta + QStringLiteral("/exam.qxs");
    prova::MissatgesProva m;
    ArxiuSessio arxiu(m);
    arxiu.posa_ruta(cami);
    QVERIFY(desa_ara(arxiu, v[0]));
    QVERIFY(desa_ara(arxiu, v[1]));
    const QByteArray previ = llegeix(cami);

    // Saves the sets of `i..j` while the fault lasts; true when every one failed.
    auto amb_fallada = [&](std::size_t i, std::size_t j) {
        bool totes = true;
        auto desa = [&] {
            for (std::size_t k = i; k <= j; ++k)
                totes = !desa_ara(arxiu, v[k]) && totes;
        };
        if (cas == Cas::Disc_ple) {
            DiscPle ple(10);
            desa();
        } else if (cas == Cas::Carpeta_nomes_lectura) {
            QFile::setPermissions(carpeta,
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            // The saves are written on the worker: it gives up root's rights there.
            bool sense_drets = true;
            arxiu.posa_funcio_desa([&sense_drets](const QString &r, const QByteArray &c) {
                prova::SenseDrets usuari;
                sense_drets = sense_drets && usuari.fet;
                return desa_atomicament(r, c);
            });
            desa();
            arxiu.posa_funcio_desa(desa_atomicament);
            if (!sense_drets) return false;
            QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            QDir(carpeta).rename(QStringLiteral("exam.qxs"), QStringLiteral("../guardat"));
            QDir(carpeta).removeRecursively();
            desa();
            QDir().mkpath(carpeta);
            QFile::rename(arrel.filePath(QStringLiteral("guardat")), cami);
        }
        return totes;
    };
    if (cas == Cas::Carpeta_nomes_lectura && geteuid() == 0) {
        prova::SenseDrets usuari;
        if (!usuari.fet) QSKIP("cannot give up root's file permissions here");
    }
    QVERIFY(amb_fallada(2, 3));
    QCOMPARE(m.rebuts.size(), size_t(1));
    QCOMPARE(m.rebuts[0].titol, std::string(" Atenció !"));
    QCOMPARE(m.rebuts[0].icona, quimerix::Icona::Exclamacio);
    QVERIFY(!m.rebuts[0].pregunta);
    QCOMPARE(prova::qs(m.rebuts[0].text), quimerix::ui::avis_arxiu_no_desat(cami));
    QVERIFY(llegeix(cami) == previ);
    QCOMPARE(contingut(carpeta), QStringList{"exam.qxs"});

    // Once the fault is gone the next correction is saved, whole.
    QVERIFY(desa_ara(arxiu, v[3]));
    QCOMPARE(llegeix_sessio(cami), std::optional<DadesSessio>(v[3]));
    QCOMPARE(m.rebuts.size(), size_t(1));
    // A second outage in the same set is told again, once.
    QVERIFY(amb_fallada(2, 3));
    QCOMPARE(m.rebuts.size(), size_t(2));
    QVERIFY(desa_ara(arxiu, v[3]));
    // A new set starts, and fails: the student is told again.
    QVERIFY(amb_fallada(0, 1));
    QCOMPARE(m.rebuts.size(), size_t(3));
}

// The first save to a file removes the temporary files that an earlier save, killed halfway, left
// beside it; nothing else.
void DesaTest::esborra_les_seves_restes() {
    QTemporaryDir arrel;
    const QString cami = arrel.filePath(QStringLiteral("exam.qxs"));
    QVERIFY(desa_atomicament(cami, "abans"));
    const QDateTime ara = QFileInfo(cami).lastModified();
    const struct {
        const char *nom;
        qint64 segons; // modified this long before the session file (negative: after)
        bool queda;
    } fitxers[] = {
        {"exam.qxs.Ab3dE9", 60, false}, {"exam.qxs.zzzzzz", 1, false},  {"exam.qxs.Zz9zZ9", -60, true},
        {"exam.qxs.a-bcde", 60, true},  {"exam.qxs.abcdefg", 60, true}, {"altre.qxs.Ab3dE9", 60, true},
        {"exam.qxs", 0, true},
    };
    for (const auto &f : fitxers) {
        if (f.segons == 0) continue;
        QFile fitxer(arrel.filePath(f.nom));
        QVERIFY(fitxer.open(QIODevice::WriteOnly));
        QVERIFY(fitxer.setFileTime(ara.addSecs(-f.segons), QFileDevice::FileModificationTime));
    }
    prova::MissatgesProva m;
    ArxiuSessio arxiu(m);
    arxiu.posa_ruta(cami);
    QVERIFY(desa_ara(arxiu, desades(1)[1]));
    for (const auto &f : fitxers)
        QVERIFY2(QFile::exists(arrel.filePath(f.nom)) == f.queda, f.nom);
}

// A child running a set is killed at random moments: its file always reads back as a whole set.
void DesaTest::mort_a_mig_conjunt() {
    QTemporaryDir arrel;
    const QString cami = arrel.filePath(QStringLiteral("exam.qxs"));
    std::mt19937 motor(11);
    int comprovats = 0;
    for (int vegada = 0; vegada < 8; ++vegada) {
        QFile::remove(cami);
        const pid_t fill = fork();
        QVERIFY(fill >= 0);
        if (fill == 0) {
            prova::MissatgesProva m;
            ArxiuSessio arxiu(m);
            arxiu.posa_ruta(cami);
            fes_sessio(
                1655, [&](const quimerix::DadesSessio &d) { arxiu.desa(d); }, vegada);
            _exit(0);
        }
        usleep(20000 + motor() % 80000);
        kill(fill, SIGKILL);
        waitpid(fill, nullptr, 0);
        if (!QFileInfo::exists(cami)) continue; // killed before the set started
        const auto d = llegeix_sessio(cami);
        QVERIFY2(d.has_value(), qPrintable(QStringLiteral("%1 bytes").arg(QFileInfo(cami).size())));
        QCOMPARE(quimerix::exercicis_totals(*d), int(d->registres.size()));
        ++comprovats;
    }
    QVERIFY(comprovats > 0);
}

// The saves leave the window's thread: a slow disk holds nothing back, the saves are written in
// order, one still waiting gives way to a newer one, the window's wait covers the last, and a
// failing disk is told once.
void DesaTest::desa_en_segon_pla() {
    // The disk answers only when the test opens it: a save under way blocks until then.
    std::mutex mutex;
    std::condition_variable canvi;
    bool obert = false;
    int comencades = 0;
    QStringList escrits;
    std::atomic<bool> falla = false;
    auto lenta = [&](const QString &ruta, const QByteArray &) {
        std::unique_lock bloc(mutex);
        ++comencades;
        canvi.notify_all();
        canvi.wait(bloc, [&] { return obert; });
        escrits << QFileInfo(ruta).fileName();
        return !falla.load();
    };
    QList<bool> resultats;
    {
        quimerix::ui::CuaDesades cua(lenta, [&](bool desat) { resultats << desat; });
        cua.encua(QStringLiteral("a"), "1");
        {
            std::unique_lock bloc(mutex);
            canvi.wait(bloc, [&] { return comencades == 1; }); // "a" is being written
        }
        // Queued while the disk holds "a": the window's thread goes on at once.
        cua.encua(QStringLiteral("b"), "2");
        cua.encua(QStringLiteral("c"), "3"); // "b" was still waiting: it gives way
        QVERIFY(resultats.isEmpty());
        {
            std::lock_guard bloc(mutex);
            obert = true;
        }
        canvi.notify_all();
        QTRY_COMPARE(resultats, (QList<bool>{true, true})); // handed over on the window's thread
        cua.encua(QStringLiteral("d"), "4");
    } // closing waits for "d", and hands its result over
    QCOMPARE(escrits, (QStringList{"a", "c", "d"}));
    QCOMPARE(resultats, (QList<bool>{true, true, true}));

    // A failing disk: every save fails, the student is told once, and the window's wait says so.
    falla = true;
    prova::MissatgesProva m;
    ArxiuSessio arxiu(m, lenta);
    arxiu.posa_ruta(QStringLiteral("exam.qxs"));
    const std::vector<DadesSessio> v = desades(3);
    for (const DadesSessio &d : v)
        arxiu.desa(d);
    QVERIFY(m.rebuts.empty()); // nothing told before the results are back
    QVERIFY(!arxiu.espera());
    QCOMPARE(m.rebuts.size(), size_t(1));
    falla = false;
    QVERIFY(desa_ara(arxiu, v.back()));
}

PROVA_MAIN(DesaTest)
#include "desa_test.moc"
