#include "linia.h"

#include <QPainter>
#include <algorithm>

namespace quimerix::ui {

Linia::Linia(QWidget *pare) : QWidget(pare) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linia::posa_extrems(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int esquerra = std::min(x1, x2);
    const int dalt = std::min(y1, y2);
    setGeometry(esquerra, dalt, std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
}

void Linia::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace quimerix::ui
