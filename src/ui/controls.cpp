#include "controls.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "disposicio_qt.h"
#include "linia.h"
#include "text/normalitza.h"

namespace quimerix::ui {

using disposicio::Rectangle;
using disposicio::Tipus;

namespace {

class SenseControls : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &text, int &) const override {
        const std::string net = controls_a_espais(text.toStdString());
        if (net != text.toStdString()) text = QString::fromStdString(net);
        return Acceptable;
    }
};

} // namespace

void sense_controls(QLineEdit *caixa) {
    caixa->setValidator(new SenseControls(caixa));
}

QString en_linies(const std::string &s) {
    QString q = qs(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

QColor color_qt(Color c) {
    switch (c) {
    case Color::Vermell:
        return QColor(255, 0, 0);
    case Color::Blau:
        return QColor(0, 0, 255);
    case Color::Negre:
        break;
    }
    return QColor(0, 0, 0);
}

void pinta(QLabel *l, const QColor &c) {
    QPalette p = l->palette();
    if (p.color(QPalette::WindowText) == c) return;
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

void mida_lletra(QWidget *w, int punts, bool negreta) {
    QFont f = w->font();
    f.setPointSize(punts);
    f.setBold(negreta);
    w->setFont(f);
}

QLabel *Controls::etiqueta(const char *nom, const QString &text, Rectangle r) const {
    auto *l = new QLabel(text, superficie_);
    l->setObjectName(QString::fromUtf8(nom));
    disposicio_finestra_.registra(l, Tipus::Ordinari, r);
    return l;
}

QPushButton *Controls::boto(const char *nom, const QString &text, const QString &consell, Rectangle r) const {
    auto *b = new QPushButton(text, superficie_);
    b->setObjectName(QString::fromUtf8(nom));
    b->setToolTip(consell);
    disposicio_finestra_.registra(b, Tipus::Ordinari, r);
    return b;
}

QCheckBox *Controls::casella(const char *nom, const QString &text, const QString &consell,
                             Rectangle r) const {
    auto *c = new QCheckBox(text, superficie_);
    c->setObjectName(QString::fromUtf8(nom));
    c->setToolTip(consell);
    c->setChecked(true);
    disposicio_finestra_.registra(c, Tipus::Ordinari, r);
    return c;
}

QRadioButton *Controls::opcio(const char *nom, const QString &text, const QString &consell,
                              Rectangle r) const {
    auto *o = new QRadioButton(text, superficie_);
    o->setObjectName(QString::fromUtf8(nom));
    o->setToolTip(consell);
    disposicio_finestra_.registra(o, Tipus::Ordinari, r);
    return o;
}

QGroupBox *Controls::marc(const char *nom, const QString &titol, Rectangle r) const {
    auto *g = new QGroupBox(titol, superficie_);
    g->setObjectName(QString::fromUtf8(nom));
    disposicio_finestra_.registra(g, Tipus::Ordinari, r);
    return g;
}

Linia *Controls::linia(const char *nom, int x1, int y1, int x2, int y2) const {
    auto *l = new Linia(superficie_);
    l->setObjectName(QString::fromUtf8(nom));
    disposicio_finestra_.registra(l, Tipus::Linia, px(x1, y1, x2, y2));
    return l;
}

std::pair<QWidget *, QHBoxLayout *> Controls::fila(const char *nom, Rectangle r) const {
    auto *w = new QWidget(superficie_);
    w->setObjectName(QString::fromUtf8(nom));
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    disposicio_finestra_.registra(w, Tipus::Ordinari, r);
    return {w, l};
}

QLabel *Controls::peca(QWidget *fila, const char *nom, int punts, bool negreta) {
    auto *l = new QLabel(fila);
    l->setObjectName(QString::fromUtf8(nom));
    mida_lletra(l, punts, negreta);
    return l;
}

void Controls::posa(QHBoxLayout *fila, QWidget *w, int baixada) {
    auto *columna = new QVBoxLayout;
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addSpacing(baixada);
    columna->addWidget(w);
    columna->addStretch(1);
    fila->addLayout(columna);
}

int Controls::baixada(QWidget *simbol, QWidget *subindex) {
    return QFontMetrics(simbol->font()).ascent() - QFontMetrics(subindex->font()).ascent() / 2;
}

} // namespace quimerix::ui
