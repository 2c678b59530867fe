// Proportional layout: the arithmetic on its own, then applied to widgets.

#include <QtTest>

class DisposicioTest : public QObject {
    Q_OBJECT
  private slots:
    void percentage_data();
    void percentage();
    void placement_data();
    void placement();
    void widgets_follow_the_surface();
};

#ifndef Q_MOC_RUN
#include <QComboBox>
#include <QLabel>

#include "disposicio_qt.h"
#include "layout/disposicio.h"
#include "linia.h"
#include "suport.h"
#endif

namespace d = quimerix::disposicio;
using d::Rectangle;
using d::Tipus;
Q_DECLARE_METATYPE(Rectangle)
Q_DECLARE_METATYPE(Tipus)

void DisposicioTest::percentage_data() {
    QTest::addColumn<double>("actual");
    QTest::addColumn<int>("registrat");
    QTest::addColumn<int>("percent");
    QTest::newRow("design size") << 12000.0 << 12000 << 100;
    QTest::newRow("1024 wide") << 15360.0 << 12000 << 128;
    QTest::newRow("768 high") << 11520.0 << 9000 << 128;
    QTest::newRow("1280 wide") << 19200.0 << 12000 << 160;
    QTest::newRow("rounded then cut") << 12119.996 << 12000 << 101; // 1211999.6 -> 1212000
    QTest::newRow("whole percent, cut") << 12119.0 << 12000 << 100; // 1211900 \ 12000 = 100
    QTest::newRow("smaller window") << 9000.0 << 12000 << 75;
}

void DisposicioTest::percentage() {
    QFETCH(double, actual);
    QFETCH(int, registrat);
    QFETCH(int, percent);
    QCOMPARE(d::percentatge(actual, registrat), percent);
}

void DisposicioTest::placement_data() {
    QTest::addColumn<Tipus>("tipus");
    QTest::addColumn<Rectangle>("disseny");
    QTest::addColumn<int>("pw");
    QTest::addColumn<int>("ph");
    QTest::addColumn<bool>("etiqueta1");
    QTest::addColumn<bool>("mou");
    QTest::addColumn<bool>("amb_alçada");
    QTest::addColumn<Rectangle>("on");
    QTest::newRow("100 %: unchanged") << Tipus::Ordinari << Rectangle{1000, 300, 2000, 450} << 100 << 100
                                      << false << true << true << Rectangle{1000, 300, 2000, 450};
    QTest::newRow("1024 x 768: left 1000 -> 1280")
        << Tipus::Ordinari << Rectangle{1000, 300, 2000, 450} << 128 << 128 << false << true << true
        << Rectangle{1280, 384, 2560, 576};
    QTest::newRow("integer division") << Tipus::Ordinari << Rectangle{999, 7, 1, 15} << 128 << 160 << false
                                      << true << true << Rectangle{1278, 11, 1, 24};
    QTest::newRow("parked control stays outside")
        << Tipus::Ordinari << Rectangle{-3000, 300, 2000, 450} << 160 << 160 << false << true << true
        << Rectangle{-4800, 480, 3200, 720};
    QTest::newRow("line: end points") << Tipus::Línia << Rectangle{2280, 2640, 10560, 2640} << 128 << 160
                                      << false << true << true << Rectangle{2918, 4224, 13516, 4224};
    QTest::newRow("line: one end parked") << Tipus::Línia << Rectangle{-1500, 100, 600, 100} << 200 << 100
                                          << false << true << true << Rectangle{-3000, 100, 1200, 100};
    QTest::newRow("tag 1 is not moved") << Tipus::Ordinari << Rectangle{1000, 300, 2000, 450} << 128 << 128
                                        << true << false << true << Rectangle{};
    QTest::newRow("line with tag 1 still moves")
        << Tipus::Línia << Rectangle{100, 100, 200, 100} << 200 << 200 << true << true << true
        << Rectangle{200, 200, 400, 200};
    QTest::newRow("timer, image: never moved") << Tipus::Fix << Rectangle{1000, 300, 2000, 450} << 128 << 128
                                               << false << false << true << Rectangle{};
    QTest::newRow("combo box: no height") << Tipus::Combo << Rectangle{1000, 300, 2000, 450} << 128 << 128
                                          << false << true << false << Rectangle{1280, 384, 2560, 576};
}

void DisposicioTest::placement() {
    QFETCH(Tipus, tipus);
    QFETCH(Rectangle, disseny);
    QFETCH(int, pw);
    QFETCH(int, ph);
    QFETCH(bool, etiqueta1);
    QFETCH(bool, mou);
    QFETCH(bool, amb_alçada);
    QFETCH(Rectangle, on);
    const Rectangle registre = d::registra(tipus, disseny);
    // Every recorded number is positive.
    QVERIFY(registre.a >= 0 && registre.c >= 0);
    const auto c = d::col·loca(tipus, registre, pw, ph, disseny.a < 0, tipus == Tipus::Línia && disseny.c < 0,
                               etiqueta1);
    QCOMPARE(c.mou, mou);
    if (!mou) return;
    QCOMPARE(c.amb_alçada, amb_alçada);
    QCOMPARE(c.on, on);
}

void DisposicioTest::widgets_follow_the_surface() {
    QWidget superfície;
    superfície.resize(800, 600);
    quimerix::ui::Disposició disp(&superfície);
    auto *etiqueta = new QLabel(&superfície);
    auto *fixa = new QLabel(&superfície);
    fixa->setProperty("tag", "1");
    auto *aparcada = new QLabel(&superfície);
    auto *combo = new QComboBox(&superfície);
    auto *línia = new quimerix::ui::Línia(&superfície);
    disp.registra(etiqueta, Tipus::Ordinari, {1000, 300, 1500, 450});
    disp.registra(fixa, Tipus::Ordinari, {1500, 1500, 1500, 300});
    disp.registra(aparcada, Tipus::Ordinari, {-3000, 300, 1500, 450});
    disp.registra(combo, Tipus::Combo, {3000, 3000, 3000, 300});
    disp.registra(línia, Tipus::Línia, {2280, 2640, 10560, 2640});
    const int alçada_combo = combo->height();
    QCOMPARE(etiqueta->geometry(), QRect(66, 20, 100, 30));

    superfície.resize(1024, 768);
    disp.redimensiona();
    QCOMPARE(disp.actual(etiqueta).a, 1280);
    QCOMPARE(etiqueta->geometry(), QRect(1280 / 15, 384 / 15, 1920 / 15, 576 / 15));
    QCOMPARE(fixa->geometry(), QRect(100, 100, 100, 20));
    QVERIFY(aparcada->x() + aparcada->width() <= 0);
    QCOMPARE(combo->geometry(), QRect(3840 / 15, 3840 / 15, 3840 / 15, alçada_combo));
    QCOMPARE(línia->x1(), 2918 / 15);
    QCOMPARE(línia->x2(), 13516 / 15);
    QCOMPARE(línia->y1(), 3379 / 15);
    QCOMPARE(línia->geometry().height(), 1);

    superfície.resize(1600, 1200); // grows twice: the parked label is still outside
    disp.redimensiona();
    QVERIFY(aparcada->x() + aparcada->width() <= 0);
    superfície.resize(800, 600);
    disp.redimensiona();
    QCOMPARE(etiqueta->geometry(), QRect(66, 20, 100, 30));
    QCOMPARE(aparcada->x(), -200);
}

PROVA_MAIN(DisposicioTest)
#include "disposicio_test.moc"
