// The reference panel in the window: each button brings up its content and hides the rest, the
// three reference buttons follow Check10, the contents take no typing, the keyboard goes back to
// the answer after a press, and the credits' pictures turn on a real timer.

#include <QtTest>

class PanellTest : public QObject {
    Q_OBJECT
  private slots:
    void cada_boto_mostra_el_seu_contingut_data();
    void cada_boto_mostra_el_seu_contingut();
    void sense_check10_mai_no_surten();
    void els_continguts_no_accepten_escriptura();
    void focus_despres_de_cada_boto_data();
    void focus_despres_de_cada_boto();
    void continguts_i_imatges();
};

#ifndef Q_MOC_RUN
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>

#include "reference/taules_referencia.h"
#include "suport.h"
#endif

using namespace prova;

namespace {

template <class W = QWidget> W *control(const Banc &b, const char *nom) {
    auto *w = b.finestra.findChild<W *>(QString::fromUtf8(nom));
    if (!w) qFatal("no control %s", nom);
    return w;
}

// What each view shows, in the shared area.
const char *const Continguts[] = {"Text6",   "Taula81",      "Taula92", "Text8",
                                  "Label86", "txtProfessor", "Label64"};
const char *const Botons[] = {"cmdTeoria",  "cmdValències", "cmdSímbols", "cmdHelp",
                              "cmdCrèdits", "cmdAutor",     "cmdAjuda",   "cmdInforme"};

// A set under way with a wrong answer corrected, so that every button is offered.
void amb_resposta_erronia(Banc &b) {
    b.comenca(b.finestra.opcions().Option1);
    QTest::keyClicks(b.finestra.exercici().Text2, "Xx");
    b.finestra.exercici().cmdCorregir->click();
}

} // namespace

void PanellTest::cada_boto_mostra_el_seu_contingut_data() {
    QTest::addColumn<QString>("boto");
    QTest::addColumn<QString>("contingut");
    QTest::addColumn<bool>("imatge");
    QTest::newRow("teoria") << "cmdTeoria"
                            << "Text6" << false;
    QTest::newRow("valències") << "cmdValències"
                               << "Taula81" << false;
    QTest::newRow("símbols") << "cmdSímbols"
                             << "Taula92" << false;
    QTest::newRow("guia") << "cmdHelp"
                          << "Text8" << false;
    QTest::newRow("crèdits") << "cmdCrèdits"
                             << "Label86" << true;
    QTest::newRow("autor") << "cmdAutor"
                           << "Label86" << false;
    QTest::newRow("professor") << "cmdAjuda"
                               << "txtProfessor" << false;
    QTest::newRow("estadístiques") << "cmdInforme"
                                   << "Label64" << false;
}

void PanellTest::cada_boto_mostra_el_seu_contingut() {
    QFETCH(QString, boto);
    QFETCH(QString, contingut);
    QFETCH(bool, imatge);
    Banc b;
    amb_resposta_erronia(b);
    // Start from another view, so that the press really changes something.
    control<QPushButton>(b, boto == "cmdTeoria" ? "cmdSímbols" : "cmdTeoria")->click();
    control<QPushButton>(b, boto.toUtf8().constData())->click();
    for (const char *c : Continguts)
        QVERIFY2(control(b, c)->isVisible() == (contingut == c), c);
    for (const char *nom : Botons) {
        auto *x = control<QPushButton>(b, nom);
        QVERIFY2(x->isVisible(), nom);
        QVERIFY2(x->isEnabled() == (boto != nom), nom); // the pressed tab is the disabled one
    }
    QCOMPARE(control(b, "ratoli1")->isVisible(), imatge);
    QCOMPARE(b.finestra.findChild<QTimer *>("tmrImage")->isActive(), imatge);
    for (const char *r : {"ratoli2", "ratoli3", "ratoli4"})
        QVERIFY(!control(b, r)->isVisible());
}

void PanellTest::sense_check10_mai_no_surten() {
    Banc b;
    auto &f = b.finestra;
    QVERIFY(f.opcions().Check10->isVisible() && f.opcions().Check10->isChecked());
    QCOMPARE(f.opcions().Check10->text(), QString("Apunts de teoria, sím&bols i valències consultables"));
    QCOMPARE(f.opcions().Check10->toolTip(),
             QString("Assenyala aquesta casella si vols tenir accés a la consulta dels "
                     "apunts, els símbols dels elements i la taula de valències."));
    f.opcions().Check10->click();
    b.comenca(f.opcions().Option1);
    QVERIFY(!f.opcions().Check10->isEnabled()); // frozen with the other options
    f.opcions().Check10->click();
    QVERIFY(!f.sessio().opcions().consulta);
    for (int i = 0; i < 4; ++i) {
        for (const char *nom : {"cmdTeoria", "cmdValències", "cmdSímbols"})
            QVERIFY2(!control(b, nom)->isVisible(), nom);
        if (i % 2) b.escriu_formula_correcta();
        f.exercici().cmdCorregir->click();
        for (const char *nom : {"cmdTeoria", "cmdValències", "cmdSímbols"})
            QVERIFY2(!control(b, nom)->isVisible(), nom);
        f.estadistiques().cmdAjuda->isVisible() ? f.estadistiques().cmdAjuda->click()
                                                : control<QPushButton>(b, "cmdHelp")->click();
        f.exercici().cmdSeguent->click();
    }
}

void PanellTest::els_continguts_no_accepten_escriptura() {
    Banc b;
    amb_resposta_erronia(b);
    const std::pair<const char *, const char *> casos[] = {
        {"cmdTeoria", "Text6"}, {"cmdHelp", "Text8"}, {"cmdValències", "Label81"}, {"cmdSímbols", "Label92"}};
    for (const auto &[boto, nom] : casos) {
        control<QPushButton>(b, boto)->click();
        QWidget *w = control(b, nom);
        auto text = [&] {
            if (auto *p = qobject_cast<QPlainTextEdit *>(w)) return p->toPlainText();
            if (auto *t = qobject_cast<QTextEdit *>(w)) return t->toPlainText();
            return qobject_cast<QLabel *>(w)->text();
        };
        const QString abans = text();
        QVERIFY2(!abans.isEmpty(), nom);
        w->setFocus();
        QTest::keyClicks(w, "abc");
        QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(), abans);
    }
}

void PanellTest::focus_despres_de_cada_boto_data() {
    QTest::addColumn<QString>("boto");
    QTest::addColumn<bool>("corregit");
    QTest::addColumn<bool>("teclat");
    for (const char *nom : {"cmdTeoria", "cmdValències", "cmdSímbols", "cmdHelp", "cmdCrèdits", "cmdAutor"})
        for (bool corregit : {false, true})
            for (bool teclat : {false, true})
                QTest::addRow("%s %s %s", nom, corregit ? "corregit" : "pregunta",
                              teclat ? "teclat" : "ratolí")
                    << QString::fromUtf8(nom) << corregit << teclat;
    QTest::newRow("cmdAjuda teclat") << "cmdAjuda" << true << true;
    QTest::newRow("cmdInforme ratolí") << "cmdInforme" << true << false;
}

// After a press the keyboard is where the student works: the answer box while a question waits,
// "Següent" once it is corrected; never "Sortir".
void PanellTest::focus_despres_de_cada_boto() {
    QFETCH(QString, boto);
    QFETCH(bool, corregit);
    QFETCH(bool, teclat);
    Banc b;
    auto &f = b.finestra;
    if (corregit)
        amb_resposta_erronia(b);
    else
        b.comenca(f.opcions().Option2);
    if (boto == "cmdInforme") control<QPushButton>(b, "cmdTeoria")->click();
    if (!corregit) f.exercici().Text1->setFocus();
    auto *x = control<QPushButton>(b, boto.toUtf8().constData());
    if (teclat) {
        x->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), x);
        QTest::keyClick(x, Qt::Key_Space);
    } else {
        QTest::mouseClick(x, Qt::LeftButton);
    }
    QVERIFY(!x->isEnabled());
    QWidget *esperat = corregit ? static_cast<QWidget *>(f.exercici().cmdSeguent) : f.exercici().Text1;
    QCOMPARE(QApplication::focusWidget(), esperat);
}

void PanellTest::continguts_i_imatges() {
    Banc b;
    {
        // The notes and tables are written when first asked for, during a set.
        Banc c;
        amb_resposta_erronia(c);
        for (const char *boto : {"cmdValències", "cmdSímbols", "cmdTeoria"})
            control<QPushButton>(c, boto)->click();
        const QString valencies = control<QLabel>(c, "Label81")->text();
        QCOMPARE(valencies.count('\n'), 9);
        QCOMPARE(valencies.split('\n').at(3), QString::fromStdString(quimerix::Taula_de_Valencies()[3]));
        QCOMPARE(control<QLabel>(c, "Label92")->text().split('\n').at(4),
                 QString::fromStdString(quimerix::Simbols()[4]));
        for (const char *t : {"Label81", "Label92"})
            QVERIFY2(QFontInfo(control(c, t)->font()).fixedPitch(), t);
        b.finestra.construeix_arees();
        for (const char *t : {"Text6", "Text8", "Taula81", "Taula92", "txtProfessor"}) // reached with Tab
            QVERIFY2(control(b, t)->focusPolicy() & Qt::TabFocus, t);
        QVERIFY(control<QPlainTextEdit>(c, "Text6")->toPlainText().contains("1.1.a) ÒXIDS NO METÀLICS"));
    }
    control<QPushButton>(b, "cmdHelp")->click();
    QVERIFY(control<QTextEdit>(b, "Text8")->toPlainText().startsWith("QUIMERIX\n"));
    QCOMPARE(control(b, "cmdAutor")->toolTip(), QString("Sobre el programa..."));

    // The idle window greets with the credits; the pictures turn on tmrImage, one at a time.
    control<QPushButton>(b, "cmdCrèdits")->click();
    auto *rellotge = b.finestra.findChild<QTimer *>("tmrImage");
    QVERIFY(rellotge->isActive());
    rellotge->setInterval(5);
    for (int i = 2; i <= 5; ++i) {
        const QString nom = QStringLiteral("ratoli%1").arg((i - 1) % 4 + 1);
        QTRY_VERIFY_WITH_TIMEOUT(control(b, nom.toUtf8().constData())->isVisible(), 2000);
        int visibles = 0;
        for (const char *r : {"ratoli1", "ratoli2", "ratoli3", "ratoli4"}) {
            visibles += control(b, r)->isVisible();
            QCOMPARE(control(b, r)->toolTip(), QString("Gràcies per utilitzar aquesta aplicació. "
                                                       "Continuaré treballant per millorar-la."));
        }
        QCOMPARE(visibles, 1);
    }
    control<QPushButton>(b, "cmdAutor")->click();
    QVERIFY(!rellotge->isActive());
}

PROVA_MAIN(PanellTest)
#include "panell_test.moc"
