#include "disposicio_qt.h"

#include <QWidget>

#include "linia.h"

namespace quimerix::ui {

using disposicio::Rectangle;
using disposicio::Tipus;
using disposicio::Twips_per_píxel;

namespace {

int a_píxels(int twips) {
    return twips / Twips_per_píxel;
}

} // namespace

Disposició::Disposició(QWidget *superfície) : superfície_(superfície) {}

void Disposició::registra(QWidget *control, Tipus tipus, Rectangle disseny) {
    Control c{control, tipus, disposicio::registra(tipus, disseny), disseny};
    índex_.insert(control, controls_.size());
    controls_.append(c);
    // The control starts at its design geometry, so that its current sign (parked or not) is known.
    if (tipus == Tipus::Línia) {
        if (auto *l = dynamic_cast<Línia *>(control))
            l->posa_extrems(a_píxels(disseny.a), a_píxels(disseny.b), a_píxels(disseny.c),
                            a_píxels(disseny.d));
    } else if (tipus != Tipus::Fix) {
        control->setGeometry(a_píxels(disseny.a), a_píxels(disseny.b), a_píxels(disseny.c),
                             a_píxels(disseny.d));
    }
    col·loca(controls_.last());
}

void Disposició::canvia_disseny(QWidget *control, Rectangle disseny) {
    const auto i = índex_.value(control, -1);
    if (i < 0) return;
    Control &c = controls_[i];
    c.registre = disposicio::registra(c.tipus, disseny);
    col·loca(c);
}

Rectangle Disposició::registre(const QWidget *control) const {
    const auto i = índex_.value(control, -1);
    return i < 0 ? Rectangle{-1, -1, -1, -1} : controls_[i].registre;
}

Rectangle Disposició::actual(const QWidget *control) const {
    const auto i = índex_.value(control, -1);
    return i < 0 ? Rectangle{-1, -1, -1, -1} : controls_[i].actual;
}

void Disposició::redimensiona() {
    percent_amplada_ =
        disposicio::percentatge(superfície_->width() * Twips_per_píxel, disposicio::Amplada_disseny);
    percent_alçada_ =
        disposicio::percentatge(superfície_->height() * Twips_per_píxel, disposicio::Alçada_disseny);
    for (Control &c : controls_)
        col·loca(c);
    escala_lletres();
}

void Disposició::escala_lletres() {
    const double factor = disposicio::factor_lletra(percent_amplada_, percent_alçada_);
    if (factor == 1.0 && lletres_.isEmpty()) return;
    // The surface, and every widget on it with a font of its own; the others inherit theirs.
    QList<QWidget *> amb_lletra{superfície_};
    for (QWidget *w : superfície_->findChildren<QWidget *>())
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

void Disposició::posa_línia(Línia *línia, Rectangle extrems) {
    const auto i = índex_.value(línia, -1);
    if (i >= 0) controls_[i].actual = extrems;
    línia->posa_extrems(a_píxels(extrems.a), a_píxels(extrems.b), a_píxels(extrems.c), a_píxels(extrems.d));
}

void Disposició::col·loca(Control &c) {
    QWidget *w = c.widget;
    if (!w) return;
    const bool etiqueta_fixa = w->property("tag").toString() == QStringLiteral("1");
    bool aparcat_a = false;
    bool aparcat_c = false;
    auto *línia = c.tipus == Tipus::Línia ? dynamic_cast<Línia *>(w) : nullptr;
    if (línia) {
        aparcat_a = c.actual.a < 0;
        aparcat_c = c.actual.c < 0;
    } else {
        aparcat_a = w->x() < 0;
    }
    const auto on = disposicio::col·loca(c.tipus, c.registre, percent_amplada_, percent_alçada_, aparcat_a,
                                         aparcat_c, etiqueta_fixa);
    if (!on.mou) return;
    c.actual = on.on;
    if (línia) {
        línia->posa_extrems(a_píxels(on.on.a), a_píxels(on.on.b), a_píxels(on.on.c), a_píxels(on.on.d));
    } else if (on.amb_alçada) {
        w->setGeometry(a_píxels(on.on.a), a_píxels(on.on.b), a_píxels(on.on.c), a_píxels(on.on.d));
    } else {
        w->setGeometry(a_píxels(on.on.a), a_píxels(on.on.b), a_píxels(on.on.c), w->height());
    }
}

} // namespace quimerix::ui
