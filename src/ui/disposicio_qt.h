#pragma once
// Proportional layout of a window's controls: the design geometry of every control is recorded
// once, and on every resize each control is placed and sized in proportion to the window's inner
// size. Below the design size the fonts shrink in the same proportion, so that every caption still
// fits. The arithmetic is in layout/disposicio.h; this class applies it to widgets.

#include <QFont>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSize>

#include "layout/disposicio.h"

class QWidget;

namespace quimerix::ui {

class Linia;

// The smallest window: every caption still fits there, its fonts shrunk with the controls (at
// 45 % x 40 % of the design, fonts at 40 %), and it fits with a title bar and a panel in the
// 400 x 300 logical pixels of the smallest screen accepted (800 x 600 at 200 %).
inline constexpr QSize Mida_minima_finestra{360, 240};

class DisposicioFinestra {
  public:
    // `superfície` is the widget whose direct children are laid out; its design inner size is
    // 800 x 600 pixels (12000 x 9000 twips).
    explicit DisposicioFinestra(QWidget *superficie);

    // Records a control with its design geometry in twips and places it for the current size.
    // A line takes its two end points x1, y1, x2, y2. A control whose property "tag" is "1" keeps
    // whatever geometry it is given.
    void registra(QWidget *control, disposicio::Tipus tipus, disposicio::Rectangle disseny);
    // Changes the design geometry of a recorded control (for instance, narrowed to its tick mark).
    void canvia_disseny(QWidget *control, disposicio::Rectangle disseny);
    // The recorded (design) geometry; {-1, -1, -1, -1} for a control never recorded.
    disposicio::Rectangle registre(const QWidget *control) const;
    // Where the last pass put the control, in twips.
    disposicio::Rectangle actual(const QWidget *control) const;

    // Places and sizes every recorded control for the surface's current size, and sizes the fonts
    // of the surface and of everything on it.
    void redimensiona();
    int percent_amplada() const { return percent_amplada_; }
    int percent_alcada() const { return percent_alcada_; }
    // Moves a line's end points (twips, already scaled) without touching its record.
    void posa_linia(Linia *linia, disposicio::Rectangle extrems);

  private:
    struct Control {
        QPointer<QWidget> widget;
        disposicio::Tipus tipus;
        disposicio::Rectangle registre;
        disposicio::Rectangle actual;
    };
    void colloca(Control &c);
    void escala_lletres();

    // A font of its own that a widget shows scaled: as its owner gave it, and as it was last set here.
    struct Lletra {
        QPointer<QWidget> widget;
        QFont disseny;
        QFont aplicada;
    };

    QWidget *superficie_;
    QList<Control> controls_;
    QHash<const QWidget *, qsizetype> index_;
    QHash<const QWidget *, Lletra> lletres_;
    int percent_amplada_ = 100;
    int percent_alcada_ = 100;
};

} // namespace quimerix::ui
