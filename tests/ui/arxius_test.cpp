// The file chooser frmArxius, driven offscreen as a student would: typing a name, picking from
// the lists, the keyboard, the overwrite question and the volumes.

#include <QtTest>

class ArxiusTest : public QObject {
    Q_OBJECT
  private slots:
    void controls_per_mode_data();
    void controls_per_mode();
    void nom_teclejat_data();
    void nom_teclejat();
    void cancella_data();
    void cancella();
    void pregunta_de_sobreescriure_data();
    void pregunta_de_sobreescriure();
    void mode_obrir_tria_de_la_llista_data();
    void mode_obrir_tria_de_la_llista();
    void carpetes_i_noms_triats();
    void unitat_illegible();
    void comenca_a_documents();
    void volums_del_sistema();
};

#ifndef Q_MOC_RUN
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>

#include "arxius.h"
#include "suport.h"
#endif

using namespace prova;
using quimerix::ui::frmArxius;
using Mode = frmArxius::Mode;

namespace {

const QString Cancel = QStringLiteral("Cancel");

void escriu(const QString &cami, const QByteArray &contingut) {
    QFile f(cami);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contingut);
}

// A folder "notes" with session files and other files, and a subfolder.
struct Carpeta {
    QTemporaryDir arrel;
    QString notes = arrel.filePath(QStringLiteral("notes"));
    Carpeta() {
        QDir(arrel.path()).mkpath(QStringLiteral("notes/sub"));
        for (const char *nom : {"b.qxs", "a.qxs", "C.qxs", "d.txt", "E.QXS"})
            escriu(QDir(notes).filePath(QString::fromLatin1(nom)), "previ");
        escriu(QDir(notes).filePath(QStringLiteral("sub/dins.qxs")), "x");
    }
    QStringList fitxers() const { return QDir(notes).entryList(QDir::Files, QDir::Name); }
};

// The chooser shown offscreen in `carpeta`, with one volume: the temporary folder.
struct Selector {
    MissatgesProva missatges;
    frmArxius finestra;
    Selector(Mode mode, const Carpeta &c)
        : finestra(mode, c.notes, missatges, nullptr, {{QStringLiteral("prova"), c.arrel.path()}}) {
        finestra.show();
        QApplication::setActiveWindow(&finestra);
    }
    QStringList arxius() const {
        QStringList l;
        for (int i = 0; i < finestra.File1->count(); ++i)
            l << finestra.File1->item(i)->text();
        return l;
    }
    QListWidgetItem *element(QListWidget *llista, const QString &text) const {
        const auto trobats = llista->findItems(text, Qt::MatchEndsWith);
        return trobats.isEmpty() ? nullptr : trobats.first();
    }
};

} // namespace

void ArxiusTest::controls_per_mode_data() {
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("titol");
    QTest::addColumn<QString>("instruccio");
    QTest::newRow("desar") << Mode::Desar << "Guardar un arxiu de la sessió"
                           << "Selecciona la ruta i escriu el nom de l'arxiu que vols guardar";
    QTest::newRow("obrir") << Mode::Obrir << "Obrir un arxiu per imprimir-lo"
                           << "Selecciona la ruta i l'arxiu que vols imprimir";
}

void ArxiusTest::controls_per_mode() {
    QFETCH(Mode, mode);
    QFETCH(QString, titol);
    QFETCH(QString, instruccio);
    Carpeta c;
    Selector s(mode, c);
    auto &f = s.finestra;
    const bool desa = mode == Mode::Desar;
    QCOMPARE(f.windowTitle(), titol);
    QCOMPARE(f.Label1->text(), instruccio);
    const QList<QPair<const char *, QString>> titols{{"FrameUnitat", "Unitat"},
                                                     {"FrameRuta", "Ruta"},
                                                     {"FrameArxius", "Arxius (*.qxs)"},
                                                     {"FrameNomArxiu", "Nom de l'Arxiu"},
                                                     {"FrameSelecció", "Ruta i nom de l'arxiu seleccionat"}};
    for (const auto &[nom, text] : titols)
        QCOMPARE(f.findChild<QGroupBox *>(QString::fromUtf8(nom))->title(), text);
    for (const char *nom : {"Drive1", "Dir1", "File1", "Text1", "Combo1", "Label2"})
        QVERIFY2(f.findChild<QWidget *>(QString::fromLatin1(nom)), nom);
    QCOMPARE(f.Command1->text(), QStringLiteral("Guardar"));
    QCOMPARE(f.Command3->text(), QStringLiteral("Imprimir"));
    QCOMPARE(f.Command2->text(), QStringLiteral("Cancel·lar"));
    QCOMPARE(f.FrameNomArxiu->isVisible(), desa);
    QCOMPARE(f.Command1->isVisible(), desa);
    QCOMPARE(f.Command3->isVisible(), !desa);
    QVERIFY(f.Command2->isVisible());
    // Read aloud: what it asks with its title, each list and box by its frame, the confirm default.
    QCOMPARE(f.accessibleDescription(), instruccio);
    QCOMPARE(prova::sense_nom(f), QStringList());
    QCOMPARE(f.File1->accessibleName(), QStringLiteral("Arxius (*.qxs)"));
    QVERIFY((desa ? f.Command1 : f.Command3)->isDefault());
    // Only session files, exactly as named, sorted without regard to case.
    QCOMPARE(s.arxius(), (QStringList{"a.qxs", "b.qxs", "C.qxs"}));
    QCOMPARE(f.Label2->text(), c.notes);
    QVERIFY(!f.Command1->isEnabled());
    QVERIFY(!f.Command3->isEnabled());
}

void ArxiusTest::nom_teclejat_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("retorn"); // relative to the folder; empty: confirm stays disabled
    QTest::newRow("nom sol") << "exam"
                             << "exam.qxs";
    QTest::newRow("amb extensió") << "exam.qxs"
                                  << "exam.qxs";
    QTest::newRow("altres majúscules") << "exam.QXS"
                                       << "exam.QXS.qxs";
    QTest::newRow("espais i accents") << "Química 1r"
                                      << "Química 1r.qxs";
    QTest::newRow("buit") << ""
                          << "";
    QTest::newRow("extensió sola") << ".qxs"
                                   << "";
}

// Typing a name and pressing Enter saves to the folder shown; nothing is created by the chooser.
void ArxiusTest::nom_teclejat() {
    QFETCH(QString, nom);
    QFETCH(QString, retorn);
    Carpeta c;
    Selector s(Mode::Desar, c);
    auto &f = s.finestra;
    const QStringList abans = c.fitxers();
    // Letters beyond ASCII cannot be sent as key clicks: they arrive as typed text.
    if (QString::fromLatin1(nom.toLatin1()) == nom && !nom.contains(u'í'))
        QTest::keyClicks(f.Text1, nom);
    else
        f.Text1->insert(nom);
    QCOMPARE(f.Command1->isEnabled(), !retorn.isEmpty());
    QTest::keyClick(f.Text1, Qt::Key_Return);
    if (retorn.isEmpty()) {
        QVERIFY(f.isVisible());
        QCOMPARE(f.txtRuta_Arxiu(), Cancel);
    } else {
        const QString esperat = c.notes + u'/' + retorn;
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.txtRuta_Arxiu(), esperat);
        QCOMPARE(f.Label2->text(), esperat);
    }
    QCOMPARE(c.fitxers(), abans);
    QVERIFY(s.missatges.rebuts.empty());
}

void ArxiusTest::cancella_data() {
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("escapada");
    QTest::newRow("desar, Cancel·lar") << Mode::Desar << false;
    QTest::newRow("desar, Escape") << Mode::Desar << true;
    QTest::newRow("obrir, Cancel·lar") << Mode::Obrir << false;
    QTest::newRow("obrir, Escape") << Mode::Obrir << true;
}

void ArxiusTest::cancella() {
    QFETCH(Mode, mode);
    QFETCH(bool, escapada);
    Carpeta c;
    Selector s(mode, c);
    auto &f = s.finestra;
    const QStringList abans = c.fitxers();
    QTest::keyClicks(f.Text1, QStringLiteral("nou"));
    if (mode == Mode::Obrir) f.File1->setCurrentRow(0);
    if (escapada)
        QTest::keyClick(&f, Qt::Key_Escape);
    else
        f.Command2->click();
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QCOMPARE(f.txtRuta_Arxiu(), Cancel);
    QCOMPARE(c.fitxers(), abans);
}

void ArxiusTest::pregunta_de_sobreescriure_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("sí") << true;
    QTest::newRow("no") << false;
}

// Only an existing file is asked about; No leaves "Cancel" and the window open for another name.
void ArxiusTest::pregunta_de_sobreescriure() {
    QFETCH(bool, si);
    Carpeta c;
    Selector s(Mode::Desar, c);
    auto &f = s.finestra;
    s.missatges.respostes = {si};
    QTest::keyClicks(f.Text1, QStringLiteral("a"));
    f.Command1->click();
    QCOMPARE(s.missatges.rebuts.size(), size_t(1));
    const auto &m = s.missatges.rebuts[0];
    QVERIFY(m.pregunta);
    QCOMPARE(m.titol, std::string(" Atenció !"));
    QCOMPARE(m.text, std::string("Ja existeix un arxiu amb aquest nom i ruta. Vols sobreescriure'l?"));
    QCOMPARE(m.icona, quimerix::Icona::Exclamacio);
    QCOMPARE(f.isVisible(), !si);
    QCOMPARE(f.txtRuta_Arxiu(), si ? c.notes + QStringLiteral("/a.qxs") : Cancel);
    QCOMPARE(QFile(c.notes + QStringLiteral("/a.qxs")).size(), 5);
    if (si) return;
    f.Text1->setText(QStringLiteral("nou"));
    f.Command1->click();
    QCOMPARE(s.missatges.rebuts.size(), size_t(1));
    QCOMPARE(f.txtRuta_Arxiu(), c.notes + QStringLiteral("/nou.qxs"));
    QVERIFY(!f.isVisible());
}

void ArxiusTest::mode_obrir_tria_de_la_llista_data() {
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("teclat");
    QTest::addColumn<int>("preguntes"); // an existing file, picked to save into, is asked about
    QTest::newRow("obrir, doble clic") << Mode::Obrir << false << 0;
    QTest::newRow("obrir, fletxes i Enter") << Mode::Obrir << true << 0;
    QTest::newRow("desar, doble clic") << Mode::Desar << false << 1;
}

void ArxiusTest::mode_obrir_tria_de_la_llista() {
    QFETCH(Mode, mode);
    QFETCH(bool, teclat);
    QFETCH(int, preguntes);
    Carpeta c;
    Selector s(mode, c);
    auto &f = s.finestra;
    if (teclat) {
        f.File1->setFocus();
        f.File1->setCurrentRow(0);
        QTest::keyClick(f.File1, Qt::Key_Down);
        QCOMPARE(f.Label2->text(), c.notes + QStringLiteral("/b.qxs"));
        QVERIFY(f.Command3->isEnabled());
        QTest::keyClick(f.File1, Qt::Key_Return);
    } else {
        QListWidgetItem *b = f.File1->item(1);
        const QPoint centre = f.File1->visualItemRect(b).center();
        QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(f.File1->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(f.txtRuta_Arxiu(), c.notes + QStringLiteral("/b.qxs"));
    QVERIFY(!f.isVisible());
    QCOMPARE(int(s.missatges.rebuts.size()), preguntes);
}

// Folders are opened from Dir1; the names picked from File1 gather in Combo1.
void ArxiusTest::carpetes_i_noms_triats() {
    Carpeta c;
    Selector s(Mode::Desar, c);
    auto &f = s.finestra;
    QListWidgetItem *e = f.File1->item(2);
    QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {}, f.File1->visualItemRect(e).center());
    QCOMPARE(f.Text1->text(), QStringLiteral("C.qxs"));
    QCOMPARE(f.Combo1->count(), 3);
    QCOMPARE(f.Combo1->currentText(), QStringLiteral("a.qxs"));
    f.Combo1->setFocus();
    QTest::keyClick(f.Combo1, Qt::Key_Down);
    QCOMPARE(f.Text1->text(), QStringLiteral("b.qxs"));

    // Enter on a folder opens it and confirms nothing.
    f.Dir1->setFocus();
    f.Dir1->setCurrentItem(s.element(f.Dir1, QStringLiteral("sub")));
    QTest::keyClick(f.Dir1, Qt::Key_Return);
    QVERIFY(f.isVisible());
    QCOMPARE(f.carpeta(), c.notes + QStringLiteral("/sub"));
    QCOMPARE(s.arxius(), QStringList{"dins.qxs"});
    QCOMPARE(f.Label2->text(), c.notes + QStringLiteral("/sub/b.qxs"));
    // Up again by double-clicking the parent, which the list shows above.
    QListWidgetItem *pare = s.element(f.Dir1, QStringLiteral("notes"));
    const QPoint centre = f.Dir1->visualItemRect(pare).center();
    QTest::mouseClick(f.Dir1->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(f.carpeta(), c.notes + QStringLiteral("/sub"));
    QTest::mouseDClick(f.Dir1->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(f.carpeta(), c.notes);

    // In open mode a folder change forgets the file picked in the other folder.
    Selector o(Mode::Obrir, c);
    o.finestra.File1->setFocus();
    QTest::keyClick(o.finestra.File1, Qt::Key_Down);
    QVERIFY(o.finestra.Command3->isEnabled());
    o.finestra.Dir1->setFocus();
    o.finestra.Dir1->setCurrentItem(o.element(o.finestra.Dir1, QStringLiteral("sub")));
    QTest::keyClick(o.finestra.Dir1, Qt::Key_Return);
    QVERIFY(!o.finestra.Command3->isEnabled());
    QCOMPARE(o.finestra.Label2->text(), c.notes + QStringLiteral("/sub"));
}

// A volume that has gone (a stick pulled out) is refused; the list goes back to the current one.
void ArxiusTest::unitat_illegible() {
    Carpeta c;
    MissatgesProva m;
    frmArxius f(Mode::Desar, c.notes, m, nullptr,
                {{QStringLiteral("prova"), c.arrel.path()},
                 {QStringLiteral("USB"), c.arrel.filePath(QStringLiteral("fora"))},
                 {QStringLiteral("disc"), c.notes + QStringLiteral("/sub")}});
    f.show();
    f.Drive1->setFocus();
    QTest::keyClick(f.Drive1, Qt::Key_Down);
    QCOMPARE(m.textos(), std::vector<std::string>{"No es pot llegir la unitat seleccionada"});
    QCOMPARE(m.rebuts[0].titol, std::string("QUIMERIX"));
    QVERIFY(!m.rebuts[0].pregunta);
    QCOMPARE(f.Drive1->currentIndex(), 0);
    QCOMPARE(f.carpeta(), c.notes);
    // A readable volume is opened at its root.
    f.Drive1->setCurrentIndex(1);
    QTest::keyClick(f.Drive1, Qt::Key_Down);
    QCOMPARE(m.rebuts.size(), size_t(1));
    QCOMPARE(f.carpeta(), c.notes + QStringLiteral("/sub"));
    QCOMPARE(f.Drive1->currentIndex(), 2);
}

// With no folder used yet the chooser opens in Documents, created when missing.
void ArxiusTest::comenca_a_documents() {
    QTemporaryDir casa;
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(casa.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa.filePath(QStringLiteral(".config"))));
    MissatgesProva m;
    frmArxius f(Mode::Desar, QString(), m);
    const QString documents = casa.filePath(QStringLiteral("Documents"));
    QCOMPARE(f.carpeta(), documents);
    QVERIFY(QFileInfo(documents).isDir());
    QCOMPARE(f.Label2->text(), documents);
    QCOMPARE(f.Drive1->currentIndex(), 0);
    QVERIFY(f.Drive1->currentText().contains(casa.path()));
    // The folder last used is honoured when it still exists.
    frmArxius g(Mode::Obrir, casa.path(), m);
    QCOMPARE(g.carpeta(), casa.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", xdg);
}

void ArxiusTest::volums_del_sistema() {
    const auto unitats = frmArxius::unitats_del_sistema();
    QVERIFY(!unitats.isEmpty());
    QCOMPARE(unitats.first().arrel, QDir::homePath());
    for (const auto &u : unitats)
        for (const char *sistema : {"/proc", "/sys", "/dev", "/run/user"})
            QVERIFY2(!u.arrel.startsWith(QLatin1String(sistema)), qPrintable(u.arrel));
}

PROVA_MAIN(ArxiusTest)
#include "arxius_test.moc"
