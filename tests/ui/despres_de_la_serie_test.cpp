// After a set, driven as a student would: the mark on screen, the round of the student's own
// mistakes, the review of the set (live and read back from its file) and a new set in the same run,
// with the keyboard's focus and mnemonics in each state; the double Enter; the step buttons held.

#include <QtTest>

class DespresDeLaSerieTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void serie_repeticio_revisio_i_nova_serie();
    void botons_de_pas_mantinguts_es_repeteixen_i_diuen_la_xifra();
};

#ifndef Q_MOC_RUN
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include "arxius.h"
#include "arxius_finestra.h"
#include "records/arxiu_sessio.h"
#include "records/informe.h"
#include "suport.h"
#endif

using namespace prova;
using quimerix::Estat;
using quimerix::ui::frmArxius;

namespace {

QTemporaryDir &casa() {
    static QTemporaryDir d;
    return d;
}

QString documents() {
    return casa().filePath(QStringLiteral("Documents"));
}

QByteArray contingut(const QString &cami) {
    QFile f(cami);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Chooses a file with "Guardar", checking the name the chooser proposes first.
void tria_arxiu(Banc &b, const QString &proposat, const QString &nom) {
    QTimer::singleShot(0, [proposat, nom] {
        auto *f = dynamic_cast<frmArxius *>(QApplication::activeModalWidget());
        QVERIFY(f);
        QCOMPARE(f->Text1->text(), proposat);
        f->Text1->setText(nom);
        QTest::keyClick(f->Text1, Qt::Key_Return);
    });
    b.finestra.arxius().cmdSave->click();
    // The window is the active one again once the chooser has closed.
    QApplication::setActiveWindow(&b.finestra);
    QVERIFY(QTest::qWaitForWindowActive(&b.finestra));
}

// Answers the exercise on screen, right or with a wrong symbol.
void respon(Banc &b, bool be) {
    b.escriu_formula_correcta();
    if (!be) {
        QLineEdit *caixa = b.finestra.exercici().Text2;
        caixa->selectAll();
        QTest::keyClicks(caixa, QStringLiteral("Qq"));
    }
    b.finestra.exercici().cmdCorregir->click();
}

// A set of four formula exercises without a time limit, answered by `guio` (B right, E wrong).
std::vector<std::string> juga(Banc &b, const char *guio) {
    auto &f = b.finestra;
    std::vector<std::string> formules;
    b.missatges.respostes = {false}; // no report at the end
    for (const char *c = guio; *c; ++c) {
        formules.push_back(f.sessio().Exercici_actual().formula());
        respon(b, *c == 'B');
        f.exercici().cmdSeguent->click();
    }
    return formules;
}

void comenca_de_quatre(Banc &b) {
    auto &f = b.finestra;
    while (f.opcions().Label45->text() != QStringLiteral("4"))
        f.opcions().Command1->click();
    b.comenca(f.opcions().Option1);
}

} // namespace

void DespresDeLaSerieTest::initTestCase() {
    qputenv("HOME", QFile::encodeName(casa().path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa().filePath(QStringLiteral(".config"))));
}

void DespresDeLaSerieTest::serie_repeticio_revisio_i_nova_serie() {
    Banc b;
    auto &f = b.finestra;
    auto &e = f.exercici();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.opcions().Text10); // the student starts with the name
    tria_arxiu(b, QString(), QStringLiteral("sessio"));
    const QString primer = documents() + QStringLiteral("/sessio.qxs");
    comenca_de_quatre(b);
    const std::vector<std::string> formules = juga(b, "BEBE");

    // The end: the mark as the report writes it, the three actions, the focus on the first.
    QCOMPARE(f.sessio().estat(), Estat::Acabada);
    const quimerix::Nota_informe nota = quimerix::nota_informe(f.sessio().dades());
    QCOMPARE(e.lblNota->text(), QStringLiteral("NOTA: 5"));
    QCOMPARE(e.lblNota->text(), qs(nota.text_nota));
    QVERIFY(e.lblNota->isVisible());
    QVERIFY(e.lblResultat->text().startsWith(QStringLiteral("50 %")));
    QVERIFY(e.lblResultat->text().contains(QStringLiteral("2 encerts de 4 exercicis")));
    for (QPushButton *boto : {e.cmdRepeteix, e.cmdRevisa, e.cmdNova, f.cmdPrint, f.cmdSortir})
        QVERIFY2(boto->isVisible(), qPrintable(boto->objectName()));
    QCOMPARE(QApplication::focusWidget(), e.cmdRepeteix);
    // A screen reader says the result as the keyboard lands on the first action.
    QCOMPARE(e.cmdRepeteix->accessibleDescription(),
             QStringLiteral("S'han completat tots els exercicis. NOTA: 5, 50 %. 2 encerts de 4 exercicis."));
    QVERIFY(mnemonics_unics(f));
    QCOMPARE(prova::sense_nom(f), QStringList());
    QVERIFY(f.consulta().cmdTeoria->isVisible() && f.consulta().cmdTeoria->isEnabled());
    QVERIFY(f.arxius().espera_desades());
    const QByteArray arxiu = contingut(primer);
    QVERIFY(!arxiu.isEmpty());

    // The round: the two mistakes, the first answered wrong again and so asked a third time.
    QTest::keyClick(e.cmdRepeteix, Qt::Key_Return);
    QVERIFY(f.sessio().en_repeticio());
    QCOMPARE(e.lblProgres->text(), QStringLiteral("Errors pendents: 2 de 2"));
    QVERIFY(e.cmdDeixa->isVisible() && mnemonics_unics(f));
    QVERIFY(e.Text11->isVisible() || e.Text2->isVisible());
    std::vector<std::string> preguntades;
    bool primer_cop = true;
    while (f.sessio().en_repeticio()) {
        preguntades.push_back(f.sessio().Exercici_actual().formula());
        respon(b, !primer_cop);
        QCOMPARE(e.Label5->isVisible(), primer_cop);
        if (primer_cop) {
            f.estadistiques().cmdAjuda->click();
            const QString text = f.estadistiques().txtProfessor->toPlainText();
            QVERIFY(text.contains(QStringLiteral("Incorrecte")));
            QVERIFY(text.contains(QStringLiteral("Resposta esperada: ") + qs(preguntades.back())));
            QVERIFY(text.contains(QStringLiteral("Comentari del professor:")));
            QCOMPARE(e.lblProgres->text(), QStringLiteral("Errors pendents: 2 de 2"));
        }
        primer_cop = false;
        e.cmdSeguent->click();
    }
    QCOMPARE(preguntades.size(), std::size_t{3});
    QCOMPARE(preguntades.front(), preguntades.back());
    QVERIFY((preguntades[0] == formules[1] && preguntades[1] == formules[3]) ||
            (preguntades[0] == formules[3] && preguntades[1] == formules[1]));
    QCOMPARE(e.lblRepeticio->text(),
             QStringLiteral("Repetició acabada: 2 de 2 errors corregits, 1 a la primera."));
    QVERIFY(e.lblNota->isVisible() && !e.lblProgres->isVisible() && !e.cmdDeixa->isVisible());
    QCOMPARE(QApplication::focusWidget(), e.cmdRepeteix);
    QVERIFY(e.cmdRepeteix->accessibleDescription().endsWith(
        QStringLiteral(" Repetició acabada: 2 de 2 errors corregits, 1 a la primera.")));
    QCOMPARE(contingut(primer), arxiu);
    QCOMPARE(f.sessio().registre().Nombre_registres(), 4);
    QCOMPARE(f.xifres().Label24->text(), QStringLiteral("4"));

    // A round left early.
    e.cmdRepeteix->click();
    QVERIFY(f.sessio().en_repeticio());
    e.cmdDeixa->click();
    QCOMPARE(e.lblRepeticio->text(),
             QStringLiteral("Repetició deixada: 0 de 2 errors corregits, 0 a la primera."));
    QCOMPARE(contingut(primer), arxiu);

    // The review, by keyboard: each row's detail.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier); // an animated click
    QListWidget *llista = f.consulta().lstRevisio;
    QTRY_VERIFY(llista->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), llista);
    QCOMPARE(llista->count(), 4);
    QVERIFY(mnemonics_unics(f));
    for (int i = 0; i < 4; ++i) {
        if (i > 0) QTest::keyClick(llista, Qt::Key_Down);
        QCOMPARE(llista->currentRow(), i);
        const bool be = i % 2 == 0;
        QVERIFY(
            llista->item(i)->text().endsWith(be ? QStringLiteral("Correcte") : QStringLiteral("Incorrecte")));
        const QString detall = f.consulta().txtRevisio->toPlainText();
        QVERIFY2(detall.contains(QStringLiteral("Resposta esperada: ") +
                                 qs(formules[static_cast<std::size_t>(i)])),
                 qPrintable(detall));
        QVERIFY(detall.contains(QStringLiteral("Comentari del professor:")));
    }
    QTest::keyClick(llista, Qt::Key_Return); // Enter on a row keeps the window where it is
    QCOMPARE(f.sessio().estat(), Estat::Acabada);

    // A new set: idle again, the name and options kept, today's date, no file yet.
    f.opcions().Text14->setText(QStringLiteral("1/1/2020"));
    e.cmdNova->click();
    QCOMPARE(f.sessio().estat(), Estat::Inactiu);
    QCOMPARE(f.opcions().Text10->text(), QStringLiteral("Anna Puig"));
    QCOMPARE(f.opcions().Text14->text(), quimerix::ui::PanellOpcions::data_avui());
    QCOMPARE(QApplication::focusWidget(), f.opcions().Text10);
    QVERIFY(f.opcions().Option1->isChecked() && !f.opcions().Check11->isChecked());
    QVERIFY(f.opcions().Check1->isEnabled() && f.opcions().Check1->width() > 100);
    QVERIFY(f.opcions().cmdComencar->isVisible() && f.arxius().cmdSave->isVisible());
    QCOMPARE(f.opcions().Label45->text(), QStringLiteral("4"));
    QVERIFY(!e.lblNota->isVisible() && !e.cmdNova->isVisible() && !e.cmdRevisa->isVisible());
    QVERIFY(mnemonics_unics(f));

    // Its own file, proposed from the last one's name; the first file stays as it was.
    tria_arxiu(b, QStringLiteral("sessio 2"), QStringLiteral("sessio 2"));
    b.missatges.respostes = {};
    f.opcions().cmdComencar->click();
    QCOMPARE(f.sessio().estat(), Estat::Pregunta);
    const std::vector<std::string> segona = juga(b, "BBBB");
    QCOMPARE(f.sessio().estat(), Estat::Acabada);
    QVERIFY(!e.cmdRepeteix->isVisible());
    QCOMPARE(QApplication::focusWidget(), e.cmdRevisa);
    QCOMPARE(e.lblNota->text(), QStringLiteral("NOTA: 10"));
    QVERIFY(e.cmdRevisa->accessibleDescription().startsWith(QStringLiteral("S'han completat")));
    QVERIFY(e.cmdRepeteix->accessibleDescription().isEmpty());
    for (const std::string &x : segona)
        QVERIFY(std::find(formules.begin(), formules.end(), x) == formules.end());
    QVERIFY(f.arxius().espera_desades()); // the saves are written off the window's thread
    QCOMPARE(contingut(primer), arxiu);
    const auto segon = quimerix::ui::llegeix_sessio(documents() + QStringLiteral("/sessio 2.qxs"));
    QVERIFY(segon);
    QCOMPARE(segon->registres.size(), std::size_t{4});

    // The first set read back from its file (as `quimerix FILE.qxs` does) can be reviewed idle.
    e.cmdNova->click();
    const int previstos = b.dialegs.previsualitzacions;
    f.obre_arxiu_desat(primer);
    QCOMPARE(b.dialegs.previsualitzacions, previstos + 1);
    QVERIFY(e.cmdRevisa->isVisible() && mnemonics_unics(f));
    e.cmdRevisa->click();
    QCOMPARE(llista->count(), 4);
    QVERIFY(llista->isVisible());
    llista->setCurrentRow(1);
    QVERIFY(f.consulta().txtRevisio->toPlainText().contains(QStringLiteral("Resposta esperada: ") +
                                                            qs(formules[1])));
    QVERIFY(f.consulta().txtRevisio->toPlainText().contains(QStringLiteral("Comentari del professor:")));
}

// Held down, "-" and "+" go on by themselves.
void DespresDeLaSerieTest::botons_de_pas_mantinguts_es_repeteixen_i_diuen_la_xifra() {
    Banc b;
    auto &o = b.finestra.opcions();
    QVERIFY(QTest::qWaitForWindowActive(&b.finestra));
    for (QPushButton *boto : {o.Command1, o.Command2, o.Command3, o.Command4})
        QVERIFY(boto->autoRepeat());
    QTest::mousePress(o.Command2, Qt::LeftButton);
    QTest::qWait(1000);
    QTest::mouseRelease(o.Command2, Qt::LeftButton);
    QVERIFY2(o.Label45->text().toInt() >= 30, qPrintable(o.Label45->text()));
    // Each says, to a screen reader, what it changes and the figure it has reached.
    const struct {
        QPushButton *boto;
        QString nom, descripcio;
    } passos[] = {{o.Command1, "Menys exercicis", "Nombre d'exercicis: " + o.Label45->text()},
                  {o.Command2, "Més exercicis", "Nombre d'exercicis: " + o.Label45->text()},
                  {o.Command4, "Menys segons per resposta", "Temps per resposta: 30 segons"},
                  {o.Command3, "Més segons per resposta", "Temps per resposta: 30 segons"}};
    for (const auto &p : passos) {
        const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(p.boto);
        QCOMPARE(a->text(QAccessible::Name), p.nom);
        QCOMPARE(a->text(QAccessible::Description), p.descripcio);
    }
}

PROVA_MAIN(DespresDeLaSerieTest)
#include "despres_de_la_serie_test.moc"
