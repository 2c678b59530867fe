#pragma once
// Proportional layout of a window's controls: the design geometry of every control is recorded
// once, and on every resize each control is placed and sized in proportion to the window's inner
// size. The arithmetic is in layout/disposicio.h; this class applies it to widgets.

#include <QHash>
#include <QList>
#include <QPointer>

#include "layout/disposicio.h"

class QWidget;

namespace quimerix::ui {

class Línia;

class Disposició {
  public:
    // `superfície` is the widget whose direct children are laid out; its design inner size is
    // 800 x 600 pixels (12000 x 9000 twips).
    explicit Disposició(QWidget *superfície);

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

    // Places and sizes every recorded control for the surface's current size.
    void redimensiona();
    int percent_amplada() const { return percent_amplada_; }
    int percent_alçada() const { return percent_alçada_; }
    // Moves a line's end points (twips, already scaled) without touching its record.
    void posa_línia(Línia *línia, disposicio::Rectangle extrems);

  private:
    struct Control {
        QPointer<QWidget> widget;
        disposicio::Tipus tipus;
        disposicio::Rectangle registre;
        disposicio::Rectangle actual;
    };
    void col·loca(Control &c);

    QWidget *superfície_;
    QList<Control> controls_;
    QHash<const QWidget *, qsizetype> índex_;
    int percent_amplada_ = 100;
    int percent_alçada_ = 100;
};

} // namespace quimerix::ui
