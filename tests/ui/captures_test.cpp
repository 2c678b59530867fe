// Checks that nothing the window shows is clipped or lies on top of another control, in each
// state a student meets: at the design size, at 1280 x 1024, and at the logical sizes of
// high-density screens, smaller than the design, where the fonts shrink with the controls. With
// QUIMERIX_CAPTURES set to a folder it also saves a picture of each state there
// (tests/ui/captures.sh runs it under Xvfb).

#include <QtTest>

class Captures : public QObject {
    Q_OBJECT
  private slots:
    void mides_data();
    void mides();
};

#ifndef Q_MOC_RUN
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScreen>

#include "linia.h"
#include "suport.h"
#endif

using namespace prova;

namespace {

// Single-line labels and buttons whose text is wider than the control.
QStringList retallats(QWidget *superficie) {
    QStringList fora;
    for (QLabel *l : superficie->findChildren<QLabel *>()) {
        if (!l->isVisible() || l->wordWrap() || l->text().isEmpty()) continue;
        const QFontMetrics m(l->font());
        const QStringList linies = l->text().split('\n');
        int amplada = 0;
        for (const QString &linia : linies)
            amplada = std::max(amplada, m.horizontalAdvance(linia));
        const int alcada = m.height() * static_cast<int>(linies.size());
        if (amplada > l->contentsRect().width() || alcada > l->contentsRect().height() + 2)
            fora << l->objectName();
    }
    for (QAbstractButton *b : superficie->findChildren<QAbstractButton *>()) {
        if (!b->isVisible() || b->width() < 30) // a frozen option keeps only its tick mark
            continue;
        QString text = b->text();
        text.remove('&');
        const int marge = qobject_cast<QPushButton *>(b) ? 8 : 22; // button border, tick mark
        if (QFontMetrics(b->font()).horizontalAdvance(text) + marge > b->width()) fora << b->objectName();
    }
    return fora;
}

// Visible controls laid on the window that overlap one another (frames and lines excepted).
QStringList encavalcats(QWidget *superficie) {
    QList<QWidget *> controls;
    for (QObject *o : superficie->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || !w->isVisible() || qobject_cast<QGroupBox *>(w) || dynamic_cast<quimerix::ui::Linia *>(w))
            continue;
        controls << w;
    }
    QStringList parells;
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                parells << controls[i]->objectName() + "/" + controls[j]->objectName();
    return parells;
}

void comprova(Banc &b, const QString &nom) {
    QWidget *s = b.finestra.centralWidget();
    QApplication::processEvents();
    const QString carpeta = qEnvironmentVariable("QUIMERIX_CAPTURES");
    if (!carpeta.isEmpty()) {
        QDir().mkpath(carpeta);
        const QString fitxer =
            QString("%1/%2-%3x%4.png").arg(carpeta, nom).arg(b.finestra.width()).arg(b.finestra.height());
        b.finestra.grab().save(fitxer);
    }
    QVERIFY2(retallats(s).isEmpty(), qPrintable(nom + ": " + retallats(s).join(", ")));
    QVERIFY2(encavalcats(s).isEmpty(), qPrintable(nom + ": " + encavalcats(s).join(", ")));
    // The diagnosis of a wrong answer wraps inside its place.
    const QLabel *diagnosi = b.finestra.estadistiques().lblDiagnosi;
    if (diagnosi->isVisible())
        QVERIFY2(diagnosi->heightForWidth(diagnosi->width()) <= diagnosi->height(), qPrintable(nom));
}

void respon_malament(Banc &b) {
    auto &f = b.finestra;
    if (f.sessio().Mode_exercici() == quimerix::Tasca::Anomenar)
        QTest::keyClicks(f.exercici().Text1, "nom equivocat");
    else
        QTest::keyClicks(f.exercici().Text2, "Xx");
    f.exercici().cmdCorregir->click();
}

void recorre(QSize mida) {
    Banc b;
    auto &f = b.finestra;
    f.resize(mida);
    QApplication::processEvents();
    QCOMPARE(f.size(), mida);
    comprova(b, "1-inactiu");
    if (QTest::currentTestFailed()) return;
    f.findChild<QPushButton *>("cmdHelp")->click();
    comprova(b, "1-inactiu-guia");
    f.findChild<QPushButton *>("cmdCrèdits")->click();
    b.comenca(f.opcions().Option3, true);
    comprova(b, "2-exercici");
    respon_malament(b);
    comprova(b, "3-correccio");
    f.estadistiques().cmdAjuda->click();
    comprova(b, "4-professor");
    f.exercici().cmdSeguent->click();
    comprova(b, "5-exercici");
    respon_malament(b);
    comprova(b, "6-correccio");
    f.exercici().cmdSeguent->click();
    if (f.sessio().Mode_exercici() == quimerix::Tasca::Formular)
        b.escriu_formula_correcta();
    else
        QTest::keyClicks(f.exercici().Text1, qs(f.sessio().Exercici_actual().Nom_compost));
    f.exercici().cmdCorregir->click();
    comprova(b, "7-correcte");
    f.exercici().cmdSeguent->click();
    comprova(b, "8-estadistiques");
    // Each view of the reference panel.
    const std::pair<const char *, const char *> vistes[] = {
        {"cmdTeoria", "9-teoria"}, {"cmdValències", "10-valencies"}, {"cmdSímbols", "11-simbols"},
        {"cmdHelp", "12-guia"},    {"cmdCrèdits", "13-credits"},     {"cmdAutor", "14-autor"}};
    for (const auto &[boto, nom] : vistes) {
        f.findChild<QPushButton *>(QString::fromUtf8(boto))->click();
        comprova(b, nom);
    }
}

// After a set of three with two mistakes: the result, the round of mistakes, the review, and the
// idle window with the notes open.
void recorre_final(QSize mida) {
    Banc b;
    auto &f = b.finestra;
    f.resize(mida);
    for (int i = 0; i < 22; ++i)
        f.opcions().Command1->click();
    b.comenca(f.opcions().Option3, true);
    b.missatges.respostes = {true, false};
    for (int i = 0; i < 3; ++i) {
        respon_malament(b);
        f.exercici().cmdSeguent->click();
    }
    comprova(b, "15-final");
    f.exercici().cmdRepeteix->click();
    comprova(b, "16-repeticio");
    respon_malament(b);
    comprova(b, "17-repeticio-correccio");
    f.exercici().cmdDeixa->click();
    comprova(b, "18-repeticio-deixada");
    f.exercici().cmdRevisa->click();
    comprova(b, "19-revisio");
    f.exercici().cmdNova->click();
    f.findChild<QPushButton *>("cmdValències")->click();
    comprova(b, "20-nova-valencies");
}

} // namespace

void Captures::mides_data() {
    QTest::addColumn<QSize>("mida");
    QTest::newRow("mida de disseny") << QSize(800, 600);
    QTest::newRow("mida gran") << QSize(1280, 1024);
    QTest::newRow("1920x1080 al 200 %") << QSize(960, 540);
    QTest::newRow("1366x768 al 150 %") << QSize(911, 512);
    QTest::newRow("finestra més petita") << quimerix::ui::Mida_minima_finestra;
}

void Captures::mides() {
    QFETCH(QSize, mida);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (area.width() < mida.width() || area.height() < mida.height())
        QSKIP("the screen is smaller than the window");
    recorre(mida);
    if (QTest::currentTestFailed()) return;
    recorre_final(mida);
    if (mida.width() >= 800 && mida.height() >= 600) return;
    // Back at the design size, every font is the one it was designed with.
    Banc dissenyada, tornada;
    tornada.finestra.resize(mida);
    QApplication::processEvents();
    tornada.finestra.resize(800, 600);
    QApplication::processEvents();
    // The two windows are built alike: their widgets come in the same order.
    const auto disseny = dissenyada.finestra.findChildren<QWidget *>();
    const auto despres = tornada.finestra.findChildren<QWidget *>();
    QCOMPARE(despres.size(), disseny.size());
    for (qsizetype i = 0; i < disseny.size(); ++i)
        QVERIFY2(despres[i]->font() == disseny[i]->font(),
                 qPrintable(disseny[i]->objectName() + ": " + despres[i]->font().toString() + " instead of " +
                            disseny[i]->font().toString()));
}

PROVA_MAIN(Captures)
#include "captures_test.moc"
