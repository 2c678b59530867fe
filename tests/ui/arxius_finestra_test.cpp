// The session file from the main window: "Guardar" chooses it, every start and correction writes
// it whole, a failing save is told once and the set goes on, "Imprimir Arxiu" reads it back.

#include <QtTest>

class ArxiusFinestraTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void controls_en_repos();
    void desat_cancellat();
    void conjunt_desat_despres_de_cada_correccio();
    void desats_fallits_avisats_un_cop();
    void lloc_no_escrivible_refusat_data();
    void lloc_no_escrivible_refusat();
    void obre_data();
    void obre();
};

#ifndef Q_MOC_RUN
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "arxius.h"
#include "arxius_finestra.h"
#include "records/arxiu_sessio.h"
#include "suport.h"
#endif

using namespace prova;
using quimerix::DadesSessio;
using quimerix::ui::avis_no_escrivible;
using quimerix::ui::frmArxius;

namespace {

const QString Sense_arxiu = QStringLiteral(
    "Per crear un arxiu que guardi els exercicis prem 'GUARDAR' i especifica'n el nom i la ruta");
const std::string Error_obrir = "Hi ha hagut un problema a l'obrir l'arxiu i no s'ha pogut obrir";

// The personal folder of the tests: the chooser opens in its Documents.
QTemporaryDir &casa() {
    static QTemporaryDir d;
    return d;
}
QString documents() {
    return casa().filePath(QStringLiteral("Documents"));
}

// Acts on the chooser as soon as it is shown (modal: it has its own event loop).
void al_selector(std::function<void(frmArxius &)> accio) {
    QTimer::singleShot(0, [accio] {
        auto *f = dynamic_cast<frmArxius *>(QApplication::activeModalWidget());
        QVERIFY(f);
        accio(*f);
    });
}

// Chooses `nom` in Documents with "Guardar".
void tria_arxiu(Banc &b, const QString &nom) {
    al_selector([nom](frmArxius &f) {
        f.Text1->setText(nom);
        QTest::keyClick(f.Text1, Qt::Key_Return);
    });
    b.finestra.arxius().cmdSave->click();
}

std::optional<DadesSessio> llegit(const QString &cami) {
    return quimerix::ui::llegeix_sessio(cami);
}

// Three exercises answered: right, wrong, and run out of time.
void tres_exercicis(Banc &b, const std::function<void()> &cada_vegada) {
    auto &f = b.finestra;
    // The saves are written off the window's thread: each check waits for them first.
    auto despres_de_cada = [&] {
        f.arxius().espera_desades();
        cada_vegada();
    };
    for (int i = 0; i < 22; ++i)
        f.opcions().Command1->click();
    b.comenca(f.opcions().Option1, true);
    despres_de_cada();
    b.escriu_formula_correcta();
    f.exercici().cmdCorregir->click();
    despres_de_cada();
    f.exercici().cmdSeguent->click();
    QTest::keyClicks(f.exercici().Text11, QStringLiteral("Zz"));
    f.exercici().cmdCorregir->click();
    despres_de_cada();
    f.exercici().cmdSeguent->click();
    while (f.exercici().cmdCorregir->isVisible())
        f.tic_crono();
    despres_de_cada();
}

} // namespace

void ArxiusFinestraTest::initTestCase() {
    qputenv("HOME", QFile::encodeName(casa().path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa().filePath(QStringLiteral(".config"))));
}

void ArxiusFinestraTest::controls_en_repos() {
    Banc b;
    auto &a = b.finestra.arxius();
    QCOMPARE(a.cmdSave->text(), QStringLiteral("G&uardar"));
    QCOMPARE(a.cmdOpen->text(), QStringLiteral("Imprimir Arxiu"));
    QCOMPARE(a.Label89->text(), Sense_arxiu);
    for (QWidget *w : {static_cast<QWidget *>(a.cmdSave), static_cast<QWidget *>(a.cmdOpen),
                       static_cast<QWidget *>(a.Label89)})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!a.txtRuta_Arxiu->isVisible());
}

// Cancelling the choice keeps the notice, makes no file and still asks about the missing file.
void ArxiusFinestraTest::desat_cancellat() {
    Banc b;
    auto &a = b.finestra.arxius();
    const QStringList abans = QDir(documents()).entryList(QDir::Files);
    al_selector([](frmArxius &f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("Guardar un arxiu de la sessió"));
        f.Text1->setText(QStringLiteral("no"));
        f.Command2->click();
    });
    a.cmdSave->click();
    QCOMPARE(a.txtRuta_Arxiu->text(), QStringLiteral("Cancel"));
    QCOMPARE(a.Label89->text(), Sense_arxiu);
    QVERIFY(!b.finestra.sessio().Arxiu_actiu());
    b.comenca(b.finestra.opcions().Option1);
    QCOMPARE(b.missatges.textos().front(), Pregunta_arxiu);
    QCOMPARE(QDir(documents()).entryList(QDir::Files), abans);
}

// The file holds lines 1 and 2 after the start, and the whole set after every correction, a
// time-out included; each time it reads back as the set the window holds.
void ArxiusFinestraTest::conjunt_desat_despres_de_cada_correccio() {
    Banc b;
    auto &a = b.finestra.arxius();
    tria_arxiu(b, QStringLiteral("tres"));
    const QString cami = documents() + QStringLiteral("/tres.qxs");
    QCOMPARE(a.txtRuta_Arxiu->text(), cami);
    // The window says where the set goes: the file's name, its whole path on hovering, and the
    // name in the title while the set runs.
    QCOMPARE(a.Label89->text(), QStringLiteral("Els exercicis es desaran a l'arxiu «tres.qxs»."));
    QCOMPARE(a.Label89->toolTip(), cami);
    QCOMPARE(b.finestra.windowTitle(), QStringLiteral("tres.qxs – QUIMERIX"));
    QVERIFY(b.finestra.sessio().Arxiu_actiu());
    QVERIFY(!QFileInfo::exists(cami));
    int desats = 0;
    tres_exercicis(b, [&] {
        const auto d = llegit(cami);
        QVERIFY(d.has_value());
        QCOMPARE(*d, b.finestra.sessio().dades());
        QCOMPARE(int(d->registres.size()), desats++);
    });
    QCOMPARE(desats, 4);
    QVERIFY(!a.cmdSave->isVisible() && !a.cmdOpen->isVisible() && !a.Label89->isVisible());
    for (const auto &t : b.missatges.textos())
        QVERIFY2(t != Pregunta_arxiu && t.find("desar") == std::string::npos, t.c_str());
    QCOMPARE(QDir(documents()).entryList({QStringLiteral("tres*")}, QDir::Files | QDir::Hidden),
             QStringList{"tres.qxs"});
}

// The folder disappears during the set: one notice, the set goes on, and once the folder is back
// the next correction is saved.
void ArxiusFinestraTest::desats_fallits_avisats_un_cop() {
    const QString carpeta = documents() + QStringLiteral("/grup");
    QVERIFY(QDir().mkpath(carpeta));
    Banc b;
    al_selector([&](frmArxius &f) {
        f.Dir1->setFocus();
        f.Dir1->setCurrentItem(f.Dir1->findItems(QStringLiteral("grup"), Qt::MatchEndsWith).first());
        QTest::keyClick(f.Dir1, Qt::Key_Return);
        f.Text1->setText(QStringLiteral("exam.qxs"));
        f.Command1->click();
    });
    b.finestra.arxius().cmdSave->click();
    const QString cami = carpeta + QStringLiteral("/exam.qxs");
    QCOMPARE(b.finestra.arxius().txtRuta_Arxiu->text(), cami);
    int vegada = 0;
    tres_exercicis(b, [&] {
        if (vegada == 0) QVERIFY(QDir(carpeta).removeRecursively());
        if (vegada == 2) QVERIFY(QDir().mkpath(carpeta));
        ++vegada;
    });
    const auto textos = b.missatges.textos();
    const auto avisos =
        std::count(textos.begin(), textos.end(), quimerix::ui::avis_arxiu_no_desat(cami).toStdString());
    QCOMPARE(avisos, 1);
    QCOMPARE(b.finestra.sessio().registre().Nombre_registres(), 3);
    QCOMPARE(llegit(cami), std::optional<DadesSessio>(b.finestra.sessio().dades()));
}

// A place the set cannot be written to is refused as it is chosen: the student is told, the chooser
// stays open for another choice, and nothing is chosen.
void ArxiusFinestraTest::lloc_no_escrivible_refusat_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("carpeta només de lectura") << QStringLiteral("carpeta");
    QTest::newRow("arxiu només de lectura") << QStringLiteral("arxiu");
    QTest::newRow("una carpeta al lloc de l'arxiu") << QStringLiteral("carpeta al lloc");
}

void ArxiusFinestraTest::lloc_no_escrivible_refusat() {
    QFETCH(QString, cas);
    QTemporaryDir arrel(documents() + QStringLiteral("/tancada-XXXXXX"));
    const QString cami = arrel.filePath(QStringLiteral("exam.qxs"));
    if (cas == QStringLiteral("arxiu")) {
        QFile f(cami);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(QFile::setPermissions(cami, QFile::ReadOwner));
    } else if (cas == QStringLiteral("carpeta")) {
        QVERIFY(QFile::setPermissions(arrel.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir().mkdir(cami));
    }
    Banc b;
    bool refusat = false, obert = false;
    al_selector([&](frmArxius &f) {
        f.Text1->setText(QDir(documents()).relativeFilePath(cami));
        {
            prova::SenseDrets usuari;
            f.Command1->click();
        }
        refusat = b.missatges.textos() == std::vector<std::string>{avis_no_escrivible(cami).toStdString()};
        obert = f.isVisible();
        f.reject();
    });
    b.finestra.arxius().cmdSave->click();
    QFile::setPermissions(arrel.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(refusat);
    QVERIFY(obert);
    QVERIFY(!b.finestra.sessio().Arxiu_actiu());
    QCOMPARE(QDir(arrel.path()).entryList(QDir::Files | QDir::Hidden),
             cas == QStringLiteral("arxiu") ? QStringList{"exam.qxs"} : QStringList{});
}

void ArxiusFinestraTest::obre_data() {
    QTest::addColumn<QByteArray>("contingut"); // "-": cancelled
    QTest::addColumn<bool>("llegible");
    QTest::newRow("cancel·lat") << QByteArray("-") << false;
    QTest::newRow("no és un fitxer de sessió") << QByteArray("hola\r\n") << false;
    QTest::newRow("buit") << QByteArray() << false;
    const DadesSessio d = [] {
        DadesSessio d;
        d.capcalera = "Nom i cognoms: Pau Ribó" + std::string(57, ' ') + "  Data: 1/2/2025";
        d.registres = {" 1  clorur de sodi   NaCl   NaCl   CORRECTE\r\n"};
        d.text_estadistiques = {"-----",
                                "-----",
                                "-----",
                                "-----",
                                "-----",
                                "1 / 1",
                                "-----",
                                "-----",
                                "-----",
                                "-----",
                                "-----",
                                "-----",
                                "Encerts sobre el total:",
                                "1 / 1"};
        d.encerts[5] = 1;
        return d;
    }();
    QTest::newRow("un conjunt desat") << QByteArray::fromStdString(quimerix::arxiu_sessio(d).value()) << true;
}

// Any failure shows one message and nothing else; a stored set shows its captions and its report.
void ArxiusFinestraTest::obre() {
    QFETCH(QByteArray, contingut);
    QFETCH(bool, llegible);
    const QString cami = documents() + QStringLiteral("/llegeix.qxs");
    QFile::remove(cami);
    if (contingut != "-") {
        QFile fitxer(cami);
        QVERIFY(fitxer.open(QIODevice::WriteOnly));
        fitxer.write(contingut);
    }
    Banc b;
    DialegsSilenciosos dialegs;
    b.finestra.arxius().posa_dialegs(dialegs);
    al_selector([&](frmArxius &f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("Obrir un arxiu per imprimir-lo"));
        if (contingut == "-") {
            QTest::keyClick(&f, Qt::Key_Escape);
            return;
        }
        f.File1->setFocus();
        f.File1->setCurrentItem(f.File1->findItems(QStringLiteral("llegeix.qxs"), Qt::MatchExactly).first());
        QTest::keyClick(f.File1, Qt::Key_Return);
    });
    b.finestra.arxius().cmdOpen->click();
    QCOMPARE(dialegs.previsualitzacions, llegible ? 1 : 0);
    if (llegible) {
        QVERIFY(b.missatges.rebuts.empty());
        QCOMPARE(b.finestra.estadistiques().Label70->text(), QStringLiteral("1 / 1"));
        QCOMPARE(b.finestra.xifres().Label78->text(), QStringLiteral("1 / 1"));
    } else if (contingut == "-") {
        QVERIFY(b.missatges.rebuts.empty());
    } else {
        QCOMPARE(b.missatges.textos(), std::vector<std::string>{Error_obrir});
        QCOMPARE(b.missatges.rebuts[0].titol, std::string("QUIMERIX"));
        QVERIFY(!b.missatges.rebuts[0].pregunta);
        QCOMPARE(b.finestra.xifres().Label78->text(), QStringLiteral("0 / 0"));
    }
    QVERIFY(b.finestra.sessio().estat() == quimerix::Estat::Inactiu);
}

PROVA_MAIN(ArxiusFinestraTest)
#include "arxius_finestra_test.moc"
