// Proportional layout applied to widgets (the arithmetic is tested in the core's tests).

#include <QtTest>

class DisposicioTest : public QObject {
    Q_OBJECT
  private slots:
    void els_controls_segueixen_la_superficie();
    void la_vora_tanca_el_quadre_data();
    void la_vora_tanca_el_quadre();
};

#ifndef Q_MOC_RUN
#include <QComboBox>
#include <QLabel>

#include "controls.h"
#include "disposicio_qt.h"
#include "layout/disposicio.h"
#include "linia.h"
#include "suport.h"
#endif

namespace d = quimerix::disposicio;
using d::Tipus;

void DisposicioTest::els_controls_segueixen_la_superficie() {
    QWidget superficie;
    superficie.resize(800, 600);
    quimerix::ui::DisposicioFinestra disp(&superficie);
    auto *etiqueta = new QLabel(&superficie);
    auto *fixa = new QLabel(&superficie);
    fixa->setProperty("tag", "1");
    auto *aparcada = new QLabel(&superficie);
    auto *combo = new QComboBox(&superficie);
    auto *linia = new quimerix::ui::Linia(&superficie);
    disp.registra(etiqueta, Tipus::Ordinari, {1000, 300, 1500, 450});
    disp.registra(fixa, Tipus::Ordinari, {1500, 1500, 1500, 300});
    disp.registra(aparcada, Tipus::Ordinari, {-3000, 300, 1500, 450});
    disp.registra(combo, Tipus::Combo, {3000, 3000, 3000, 300});
    disp.registra(linia, Tipus::Linia, {2280, 2640, 10560, 2640});
    const int alcada_combo = combo->height();
    QCOMPARE(etiqueta->geometry(), QRect(66, 20, 100, 30));

    superficie.resize(1024, 768);
    disp.redimensiona();
    QCOMPARE(disp.actual(etiqueta).a, 1280);
    QCOMPARE(etiqueta->geometry(), QRect(1280 / 15, 384 / 15, 1920 / 15, 576 / 15));
    QCOMPARE(fixa->geometry(), QRect(100, 100, 100, 20));
    QVERIFY(aparcada->x() + aparcada->width() <= 0);
    QCOMPARE(combo->geometry(), QRect(3840 / 15, 3840 / 15, 3840 / 15, alcada_combo));
    QCOMPARE(linia->x1(), 2918 / 15);
    QCOMPARE(linia->x2(), 13516 / 15);
    QCOMPARE(linia->y1(), 3379 / 15);
    QCOMPARE(linia->geometry().height(), 1);

    superficie.resize(1600, 1200); // grows twice: the parked label is still outside
    disp.redimensiona();
    QVERIFY(aparcada->x() + aparcada->width() <= 0);
    superficie.resize(800, 600);
    disp.redimensiona();
    QCOMPARE(etiqueta->geometry(), QRect(66, 20, 100, 30));
    QCOMPARE(aparcada->x(), -200);
}

void DisposicioTest::la_vora_tanca_el_quadre_data() {
    QTest::addColumn<int>("primer");
    QTest::addColumn<QRect>("quadre"); // corners (x1, y1) and (x2, y2) as left, top, right, bottom
    QTest::newRow("estadístiques") << 31 << QRect(QPoint(306, 262), QPoint(690, 493));
    QTest::newRow("compte enrere") << 1 << QRect(QPoint(10, 78), QPoint(144, 112));
}

// The four lines of a box meet at its corners, in the order top, bottom, left, right, each named
// with its number.
void DisposicioTest::la_vora_tanca_el_quadre() {
    QFETCH(int, primer);
    QFETCH(QRect, quadre);
    QWidget superficie;
    superficie.resize(800, 600);
    quimerix::ui::DisposicioFinestra disp(&superficie);
    const quimerix::ui::Controls c(&superficie, disp);
    const auto [dalt, baix, esquerra, dreta] =
        c.vora(primer, quadre.left(), quadre.top(), quadre.right(), quadre.bottom());
    const std::pair<quimerix::ui::Linia *, QLine> esperades[] = {
        {dalt, QLine(quadre.topLeft(), quadre.topRight())},
        {baix, QLine(quadre.bottomLeft(), quadre.bottomRight())},
        {esquerra, QLine(quadre.topLeft(), quadre.bottomLeft())},
        {dreta, QLine(quadre.topRight(), quadre.bottomRight())}};
    int numero = primer;
    for (const auto &[linia, esperada] : esperades) {
        QCOMPARE(linia->objectName(), QStringLiteral("Line%1").arg(numero++));
        QCOMPARE(QLine(linia->x1(), linia->y1(), linia->x2(), linia->y2()), esperada);
    }
}

PROVA_MAIN(DisposicioTest)
#include "disposicio_test.moc"
