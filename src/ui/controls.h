#pragma once
// What every area of the main window uses to put its controls on the shared surface: design
// geometry in pixels of the 800 x 600 design, controls made with their objectName and recorded
// for the proportional layout, and the few conversions between the session's texts and Qt's.

#include <QColor>
#include <QString>
#include <string>
#include <tuple>
#include <utility>

#include "layout/disposicio.h"
#include "pintor.h"
#include "session/sessio.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quimerix::ui {

class DisposicioFinestra;
class Linia;

constexpr int T = disposicio::Twips_per_pixel;

// Design geometry given in pixels of the 800 x 600 design.
constexpr disposicio::Rectangle px(int x, int y, int w, int h) {
    return {x * T, y * T, w * T, h * T};
}

inline QString qs(const std::string &s) {
    return QString::fromStdString(s);
}
// Typed text handed to the session, which reads it (the same reading as the command-line tool's).
inline std::string entrada(const QString &text) {
    return text.toStdString();
}
// A text box that turns a typed or pasted control character (a line break, a tab) into a space as
// it arrives, so that what it shows is what the session reads.
void sense_controls(QLineEdit *caixa);
// A caption without its mnemonic marks ("&Formular" reads "Formular"; "&&" stands for "&").
QString sense_mnemonic(const QString &text);
// Captions joined by CR LF are shown line by line.
QString en_linies(const std::string &s);
using impressio::color_qt;
// The text colour of a label, changed only when it differs.
void pinta(QLabel *l, const QColor &c);
void mida_lletra(QWidget *w, int punts, bool negreta = false);

// Makes the controls of one area on the window's surface, each recorded for the layout.
class Controls {
  public:
    Controls(QWidget *superficie, DisposicioFinestra &disposicio_finestra)
        : superficie_(superficie), disposicio_finestra_(disposicio_finestra) {}

    QWidget *superficie() const { return superficie_; }
    DisposicioFinestra &disposicio_finestra() const { return disposicio_finestra_; }

    QLabel *etiqueta(const char *nom, const QString &text, disposicio::Rectangle r) const;
    QPushButton *boto(const char *nom, const QString &text, const QString &consell,
                      disposicio::Rectangle r) const;
    // A family or option check box, ticked as it starts.
    QCheckBox *casella(const char *nom, const QString &text, const QString &consell,
                       disposicio::Rectangle r) const;
    QRadioButton *opcio(const char *nom, const QString &text, const QString &consell,
                        disposicio::Rectangle r) const;
    QGroupBox *marc(const char *nom, const QString &titol, disposicio::Rectangle r) const;
    // A frame line between two end points in design pixels.
    Linia *linia(const char *nom, int x1, int y1, int x2, int y2) const;
    // The four frame lines of a box between corners (x1, y1) and (x2, y2), made in the order top,
    // bottom, left, right and named "Line" with the numbers from `primer` on.
    std::tuple<Linia *, Linia *, Linia *, Linia *> vora(int primer, int x1, int y1, int x2, int y2) const;
    // A row that holds the pieces of a formula, laid out by Qt inside its recorded place.
    std::pair<QWidget *, QHBoxLayout *> fila(const char *nom, disposicio::Rectangle r) const;
    // One piece of a formula in a row: a symbol, a subscript or a bracket.
    static QLabel *peca(QWidget *fila, const char *nom, int punts, bool negreta = true);
    // Puts a piece in its row, `baixada` pixels below the row's top.
    static void posa(QHBoxLayout *fila, QWidget *w, int baixada);
    // How far a subscript sits below its symbol: half its own height below the symbol's top line.
    static int baixada(QWidget *simbol, QWidget *subindex);

  private:
    // Names `control` and records it for the layout at its design place `r`.
    template <class Control>
    Control *registra(Control *control, const char *nom, disposicio::Rectangle r,
                      disposicio::Tipus tipus = disposicio::Tipus::Ordinari) const {
        control->setObjectName(QString::fromUtf8(nom));
        registra_control(control, tipus, r);
        return control;
    }
    // A button, check box or radio button with its text and tooltip.
    template <class Boto>
    Boto *amb_consell(const char *nom, const QString &text, const QString &consell,
                      disposicio::Rectangle r) const;
    void registra_control(QWidget *control, disposicio::Tipus tipus, disposicio::Rectangle r) const;

    QWidget *superficie_;
    DisposicioFinestra &disposicio_finestra_;
};

} // namespace quimerix::ui
