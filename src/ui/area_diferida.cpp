#include "area_diferida.h"

#include <QList>
#include <QWidget>

namespace quimerix::ui {

LlocArea::LlocArea(QWidget *superficie, const char *nom)
    : superficie_(superficie), marca_(new QWidget(superficie)) {
    marca_->setObjectName(QString::fromUtf8(nom));
    // Never shown and never reached by the keyboard; it only marks a place in both orders. It
    // takes Tab focus so that the Tab order can be arranged round it.
    marca_->setFocusPolicy(Qt::TabFocus);
    marca_->hide();
}

void LlocArea::construeix(const std::function<void()> &fes) {
    QWidget *finestra = superficie_->window();
    // A new control joins the end of the window's Tab chain, just before the window itself.
    QWidget *darrer = finestra->previousInFocusChain();
    const qsizetype abans = superficie_->children().size();
    fes();
    // The layers: each new control, in the order it was made, just under the mark.
    const QObjectList fills = superficie_->children();
    for (qsizetype i = abans; i < fills.size(); ++i)
        if (auto *w = qobject_cast<QWidget *>(fills[i])) w->stackUnder(marca_);
    // The Tab order: the new controls that take focus, in their order, just before the mark.
    QList<QWidget *> noves;
    for (QWidget *w = darrer->nextInFocusChain(); w != finestra; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus) noves << w;
    QWidget *anterior = marca_->previousInFocusChain();
    while (anterior != finestra && anterior->focusPolicy() == Qt::NoFocus)
        anterior = anterior->previousInFocusChain();
    if (anterior == finestra) return; // no control before the mark: the new ones stay last
    for (QWidget *w : noves) {
        QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
}

} // namespace quimerix::ui
