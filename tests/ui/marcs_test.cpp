// With a real window frame, the window made to fill the work area at load is brought inside it,
// title bar included, and the controls are laid out for the size it ends with. Run offscreen with
// frames, and under Xvfb with a window manager (tests/escriptori).

#include <QtTest>

class MarcsTest : public QObject {
    Q_OBJECT
  private slots:
    void cap_a_l_area_de_treball_i_s_hi_adapta();
};

#ifndef Q_MOC_RUN
#include <QScreen>

#include "suport.h"
#endif

namespace {

// The whole frame inside the work area, and the exit button inside the window and on screen.
QString fora_de_lloc(const quimerix::ui::frmQUIMERIX &f) {
    const QRect area = f.screen()->availableGeometry();
    if (!area.contains(f.frameGeometry()))
        return QStringLiteral("frame %1,%2 %3x%4 outside the work area %5x%6")
            .arg(f.frameGeometry().x())
            .arg(f.frameGeometry().y())
            .arg(f.frameGeometry().width())
            .arg(f.frameGeometry().height())
            .arg(area.width())
            .arg(area.height());
    const QWidget *superficie = f.centralWidget();
    if (!superficie->rect().contains(f.cmdSortir->geometry()))
        return QStringLiteral("Sortir outside the window");
    const QRect sortir(f.cmdSortir->mapToGlobal(QPoint(0, 0)), f.cmdSortir->size());
    if (!area.contains(sortir)) return QStringLiteral("Sortir off the screen");
    if (f.disposicio_finestra().percent_amplada() != superficie->width() * 100 / 800 ||
        f.disposicio_finestra().percent_alcada() != superficie->height() * 100 / 600)
        return QStringLiteral("controls laid out for another size");
    return {};
}

} // namespace

void MarcsTest::cap_a_l_area_de_treball_i_s_hi_adapta() {
    prova::FontProva font;
    prova::MissatgesProva missatges;
    quimerix::ui::frmQUIMERIX f(font, missatges);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // A window manager frames the window a moment after it is mapped.
    QTRY_VERIFY_WITH_TIMEOUT(f.frameGeometry().height() > f.height(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(fora_de_lloc(f), QString(), 5000);
    const QRect area = f.screen()->availableGeometry();
    qInfo("work area %dx%d, device pixel ratio %g, window %dx%d", area.width(), area.height(),
          f.devicePixelRatio(), f.width(), f.height());
    // The window fills the work area in at least one direction.
    QVERIFY(f.frameGeometry().width() == area.width() || f.frameGeometry().height() == area.height());

    // Made larger than the screen by the program or the student: brought back inside.
    f.resize(area.size() + QSize(200, 150));
    QTRY_COMPARE_WITH_TIMEOUT(fora_de_lloc(f), QString(), 5000);

    // Never smaller than the size at which every caption still fits.
    f.resize(100, 80);
    QTRY_COMPARE_WITH_TIMEOUT(f.size(), quimerix::ui::Mida_minima_finestra, 5000);
    QCOMPARE(fora_de_lloc(f), QString());
}

int main(int argc, char **argv) {
    prova::prepara_pantalla(true);
    QApplication app(argc, argv);
    MarcsTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "marcs_test.moc"
