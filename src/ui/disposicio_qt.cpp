#include "disposicio_qt.h"

#include <QWidget>

#include "linia.h"

namespace quimerix::ui {

using disposicio::Rectangle;
using disposicio::Tipus;
using disposicio::Twips_per_pixel;

namespace {

int a_pixels(int twips) {
    return twips / Twips_per_pixel;
}

} // namespace

DisposicioFinestra::DisposicioFinestra(QWidget *superficie) : superficie_(superficie) {}

void DisposicioFinestra::registra(QWidget *control, Tipus tipus, Rectangle disseny) {
    Control c{control, tipus, disposicio::registra(tipus, disseny), disseny};
    index_.insert(control, controls_.size());
    controls_.append(c);
    // The control starts at its design geometry, so that its current sign (parked or not) is known.
    if (tipus == Tipus::Linia) {
        if (auto *l = dynamic_cast<Linia *>(control))
            l->posa_extrems(a_pixels(disseny.a), a_pixels(disseny.b), a_pixels(disseny.c),
                            a_pixels(disseny.d));
    } else if (tipus != Tipus::Fix) {
        control->setGeometry(a_pixels(disseny.a), a_pixels(disseny.b), a_pixels(disseny.c),
                             a_pixels(disseny.d));
    }
    colloca(controls_.last());
}

void DisposicioFinestra::canvia_disseny(QWidget *control, Rectangle disseny) {
    const auto i = index_.value(control, -1);
    if (i < 0) return;
    Control &c = controls_[i];
    c.registre = disposicio::registra(c.tipus, disseny);
    colloca(c);
}

Rectangle DisposicioFinestra::registre(const QWidget *control) const {
    const auto i = index_.value(control, -1);
    return i < 0 ? Rectangle{-1, -1, -1, -1} : controls_[i].registre;
}

Rectangle DisposicioFinestra::actual(const QWidget *control) const {
    const auto i = index_.value(control, -1);
    return i < 0 ? Rectangle{-1, -1, -1, -1} : controls_[i].actual;
}

void DisposicioFinestra::redimensiona() {
    percent_amplada_ =
        disposicio::percentatge(superficie_->width() * Twips_per_pixel, disposicio::Amplada_disseny);
    percent_alcada_ =
        disposicio::percentatge(superficie_->height() * Twips_per_pixel, disposicio::Alcada_disseny);
    for (Control &c : controls_)
        colloca(c);
    escala_lletres();
}

void DisposicioFinestra::escala_lletres() {
    const double factor = disposicio::factor_lletra(percent_amplada_, percent_alcada_);
    if (factor == 1.0 && lletres_.isEmpty()) return;
    // The surface, and every widget on it with a font of its own; the others inherit theirs.
    QList<QWidget *> amb_lletra{superficie_};
    for (QWidget *w : superficie_->findChildren<QWidget *>())
        if (!w->isWindow() && (w->testAttribute(Qt::WA_SetFont) || lletres_.contains(w))) amb_lletra << w;
    // Every design font is read before any font changes: a widget whose font sets only some
    // attributes takes the others from its parent, and would otherwise be read already scaled.
    for (QWidget *w : amb_lletra) {
        auto it = lletres_.find(w);
        if (it == lletres_.end())
            lletres_.insert(w, {w, w->font(), w->font()});
        else if (w->font() != it->aplicada) // its owner gave it another font since
            it->disseny = it->aplicada = w->font();
    }
    for (QWidget *w : amb_lletra) {
        Lletra &l = lletres_[w];
        QFont f = l.disseny;
        // A font given in pixels is sized by its owner to fit its box.
        if (factor != 1.0 && f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * factor);
        l.aplicada = f;
        if (w->font() != f) w->setFont(f);
    }
    lletres_.removeIf([](const auto &parell) { return parell.value().widget.isNull(); });
}

void DisposicioFinestra::posa_linia(Linia *linia, Rectangle extrems) {
    const auto i = index_.value(linia, -1);
    if (i >= 0) controls_[i].actual = extrems;
    linia->posa_extrems(a_pixels(extrems.a), a_pixels(extrems.b), a_pixels(extrems.c), a_pixels(extrems.d));
}

void DisposicioFinestra::colloca(Control &c) {
    QWidget *w = c.widget;
    if (!w) return;
    const bool etiqueta_fixa = w->property("tag").toString() == QStringLiteral("1");
    bool aparcat_a = false;
    bool aparcat_c = false;
    auto *linia = c.tipus == Tipus::Linia ? dynamic_cast<Linia *>(w) : nullptr;
    if (linia) {
        aparcat_a = c.actual.a < 0;
        aparcat_c = c.actual.c < 0;
    } else {
        aparcat_a = w->x() < 0;
    }
    const auto on = disposicio::colloca(c.tipus, c.registre, percent_amplada_, percent_alcada_, aparcat_a,
                                        aparcat_c, etiqueta_fixa);
    if (!on.mou) return;
    c.actual = on.on;
    if (linia) {
        linia->posa_extrems(a_pixels(on.on.a), a_pixels(on.on.b), a_pixels(on.on.c), a_pixels(on.on.d));
    } else if (on.amb_alcada) {
        w->setGeometry(a_pixels(on.on.a), a_pixels(on.on.b), a_pixels(on.on.c), a_pixels(on.on.d));
    } else {
        w->setGeometry(a_pixels(on.on.a), a_pixels(on.on.b), a_pixels(on.on.c), w->height());
    }
}

} // namespace quimerix::ui
