// The exam code in the options area: a valid code sets and freezes the options and the set drawn
// is the exam's list; a bad code is refused with its message and changes nothing; an empty box
// goes back to a free set.

#include <QtTest>

class ExamenTest : public QObject {
    Q_OBJECT
  private slots:
    void la_finestra_pregunta_la_llista_de_l_examen_data();
    void la_finestra_pregunta_la_llista_de_l_examen();
    void un_codi_dolent_no_canvia_res();
    void la_caixa_buida_torna_a_la_serie_lliure();
};

#ifndef Q_MOC_RUN
#include <variant>

#include "records/codi_examen.h"
#include "session/examen.h"
#include "suport.h"
#endif

using namespace prova;
using namespace quimerix;

namespace {

QString codi(const Examen &e) {
    return QString::fromStdString(*escriu_codi_examen(e));
}

// Types the code in the box and confirms it with Return.
void escriu_codi(Banc &b, const QString &text) {
    QLineEdit *caixa = b.finestra.opcions().txtExamen;
    caixa->setFocus();
    caixa->selectAll();
    QTest::keyClick(caixa, Qt::Key_Backspace);
    QTest::keyClicks(caixa, text);
    QTest::keyClick(caixa, Qt::Key_Return);
}

} // namespace

void ExamenTest::la_finestra_pregunta_la_llista_de_l_examen_data() {
    QTest::addColumn<QString>("codi");
    const Caselles totes{true, true, true, true, true, true, true};
    QTest::newRow("formular") << codi({totes, 1, 6, 0, false, false, 101});
    QTest::newRow("anomenar amb temps") << codi({totes, 2, 6, 20, true, true, 102});
    QTest::newRow("alternat") << codi({totes, 3, 9, 0, true, false, 103});
    QTest::newRow("aleatori, oxosals")
        << codi({{false, false, false, false, false, false, true}, 4, 9, 45, false, true, 104});
}

void ExamenTest::la_finestra_pregunta_la_llista_de_l_examen() {
    QFETCH(QString, codi);
    const Examen e = std::get<Examen>(llegeix_codi_examen(codi.toStdString()));
    Banc b;
    auto &o = b.finestra.opcions();
    // Options played with before the code: the code's win.
    o.Check3->click();
    o.Option1->click();
    escriu_codi(b, codi.toLower().remove('-'));
    QCOMPARE(o.txtExamen->text(), codi);
    QCheckBox *families[] = {o.Check1, o.Check2, o.Check3, o.Check4, o.Check5, o.Check6, o.Check7};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(families[i]->isChecked(), e.families[i]);
        QVERIFY(!families[i]->isEnabled());
    }
    QRadioButton *tasques[] = {o.Option1, o.Option2, o.Option3, o.Option4};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tasques[i]->isChecked(), i + 1 == e.tasca);
    QCOMPARE(o.Check8->isChecked(), e.assistent);
    QCOMPARE(o.Check10->isChecked(), e.consulta);
    QCOMPARE(o.Check11->isChecked(), e.segons > 0);
    QCOMPARE(o.Label45->text(), QString::number(e.exercicis));
    QVERIFY(!o.Command2->isEnabled());
    // A click on a frozen box changes nothing.
    o.Command2->click();
    QCOMPARE(b.finestra.sessio().opcions().nombre_exercicis, e.exercicis);

    o.Text10->setText(QStringLiteral("Anna Puig"));
    o.cmdComencar->click();
    QVERIFY(!o.txtExamen->isVisible());
    const auto llista = exercicis_examen(e);
    auto &x = b.finestra.exercici();
    std::size_t i = 0;
    while (!b.finestra.sessio().serie_acabada()) {
        if (b.finestra.sessio().estat() != Estat::Pregunta) {
            x.cmdSeguent->click();
            continue;
        }
        QVERIFY(i < llista.size());
        const auto &s = b.finestra.sessio();
        QCOMPARE(s.Mode_exercici(), std::optional<Tasca>(llista[i].tasca));
        if (llista[i].tasca == Tasca::Formular) {
            QCOMPARE(x.Label7->text(), qs(llista[i].pregunta));
        } else {
            QCOMPARE(qs(s.Exercici_actual().formula()), qs(llista[i].pregunta));
            QCOMPARE(qs(s.nom_esperat_mostrat()), qs(llista[i].resposta));
        }
        ++i;
        x.cmdCorregir->click();
    }
    QCOMPARE(i, llista.size());
}

void ExamenTest::un_codi_dolent_no_canvia_res() {
    Banc b;
    auto &o = b.finestra.opcions();
    const QString bo = codi({{true, false, false, false, false, false, false}, 2, 5, 0, false, false, 7});
    escriu_codi(b, bo);
    QVERIFY(b.finestra.sessio().examen().has_value());
    const Opcions abans = b.finestra.sessio().opcions();
    QString mal = bo;
    mal[4] = mal[4] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    escriu_codi(b, mal);
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{1});
    QCOMPARE(b.missatges.rebuts[0].titol, Titol_atencio);
    QCOMPARE(b.missatges.rebuts[0].text,
             std::string("El codi d'examen no és correcte: revisa'n els caràcters."));
    QCOMPARE(o.txtExamen->text(), bo);
    QCOMPARE(b.finestra.sessio().opcions().families, abans.families);
    QCOMPARE(b.finestra.sessio().opcions().nombre_exercicis, abans.nombre_exercicis);
    QCOMPARE(*b.finestra.sessio().examen(), std::get<Examen>(llegeix_codi_examen(bo.toStdString())));
    // Leaving the box afterwards asks nothing again.
    o.Text10->setFocus();
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{1});
}

void ExamenTest::la_caixa_buida_torna_a_la_serie_lliure() {
    Banc b;
    auto &o = b.finestra.opcions();
    escriu_codi(b, codi({{false, false, false, false, true, false, false}, 1, 5, 0, false, false, 9}));
    QVERIFY(!o.Check1->isEnabled());
    escriu_codi(b, QString());
    QVERIFY(!b.finestra.sessio().examen().has_value());
    QVERIFY(o.Check1->isEnabled());
    QVERIFY(o.Command2->isEnabled());
    o.Check1->click();
    QVERIFY(b.finestra.sessio().opcions().families[0]);
    QVERIFY(b.missatges.rebuts.empty());
}

PROVA_MAIN(ExamenTest)
#include "examen_test.moc"
