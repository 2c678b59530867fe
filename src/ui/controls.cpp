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

QString sense_mnemonic(const QString &text) {
    QString net;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        net += text[i];
    }
    return net;
}

QString en_linies(const std::string &s) {
    QString q = qs(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
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

void Controls::registra_control(QWidget *control, Tipus tipus, Rectangle r) const {
    disposicio_finestra_.registra(control, tipus, r);
}

QLabel *Controls::etiqueta(const char *nom, const QString &text, Rectangle r) const {
    return registra(new QLabel(text, superficie_), nom, r);
}

template <class Boto>
Boto *Controls::amb_consell(const char *nom, const QString &text, const QString &consell, Rectangle r) const {
    auto *b = registra(new Boto(text, superficie_), nom, r);
    b->setToolTip(consell);
    return b;
}

QPushButton *Controls::boto(const char *nom, const QString &text, const QString &consell, Rectangle r) const {
    return amb_consell<QPushButton>(nom, text, consell, r);
}

QCheckBox *Controls::casella(const char *nom, const QString &text, const QString &consell,
                             Rectangle r) const {
    auto *c = amb_consell<QCheckBox>(nom, text, consell, r);
    c->setChecked(true);
    return c;
}

QRadioButton *Controls::opcio(const char *nom, const QString &text, const QString &consell,
                              Rectangle r) const {
    return amb_consell<QRadioButton>(nom, text, consell, r);
}

QGroupBox *Controls::marc(const char *nom, const QString &titol, Rectangle r) const {
    return registra(new QGroupBox(titol, superficie_), nom, r);
}

Linia *Controls::linia(const char *nom, int x1, int y1, int x2, int y2) const {
    return registra(new Linia(superficie_), nom, px(x1, y1, x2, y2), Tipus::Linia);
}

std::tuple<Linia *, Linia *, Linia *, Linia *> Controls::vora(int primer, int x1, int y1, int x2,
                                                              int y2) const {
    auto nom = [primer](int i) { return "Line" + std::to_string(primer + i); };
    Linia *dalt = linia(nom(0).c_str(), x1, y1, x2, y1);
    Linia *baix = linia(nom(1).c_str(), x1, y2, x2, y2);
    Linia *esquerra = linia(nom(2).c_str(), x1, y1, x1, y2);
    Linia *dreta = linia(nom(3).c_str(), x2, y1, x2, y2);
    return {dalt, baix, esquerra, dreta};
}

std::pair<QWidget *, QHBoxLayout *> Controls::fila(const char *nom, Rectangle r) const {
    auto *w = new QWidget(superficie_);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    return {registra(w, nom, r), l};
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
