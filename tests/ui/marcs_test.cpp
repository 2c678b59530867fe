// With a real window frame, the window made to fill the work area at load is brought inside it and
// the controls are laid out for the size it ends with.

#include <QtTest>

class MarcsTest : public QObject {
    Q_OBJECT
  private slots:
    void fits_work_area_and_lays_out_for_it();
};

#ifndef Q_MOC_RUN
#include <QScreen>

#include "suport.h"
#endif

void MarcsTest::fits_work_area_and_lays_out_for_it() {
    prova::FontProva font;
    prova::MissatgesProva missatges;
    quimerix::ui::frmQUIMERIX f(font, missatges);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QApplication::processEvents();
    const QRect àrea = f.screen()->availableGeometry();
    QVERIFY(f.frameGeometry().width() > f.width()); // the frame is really there
    QVERIFY(f.frameGeometry().width() <= àrea.width());
    QVERIFY(f.frameGeometry().height() <= àrea.height());
    const QWidget *superfície = f.centralWidget();
    QCOMPARE(f.disposició().percent_amplada(), superfície->width() * 100 / 800);
    QCOMPARE(f.disposició().percent_alçada(), superfície->height() * 100 / 600);
    // The exit button, designed at the bottom right corner, is on the surface.
    QVERIFY(superfície->rect().contains(f.cmdSortir->geometry()));
}

int main(int argc, char **argv) {
    prova::prepara_pantalla(true);
    QApplication app(argc, argv);
    MarcsTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "marcs_test.moc"
