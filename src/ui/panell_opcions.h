#pragma once
// The options of a set in the main window: the families, the task, the assistant, the reference
// panel and the time limit, the number of exercises and the seconds per answer with their derived
// figures, the student's name and the date, and "D'acord". Once a set starts the options freeze:
// only their tick marks stay, with plain captions beside them.

#include <QPalette>
#include <QString>
#include <functional>
#include <tuple>
#include <vector>

#include "layout/disposicio.h"
#include "missatges.h"
#include "session/sessio.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quimerix::ui {

class Controls;
class DisposicioFinestra;

class PanellOpcions {
  public:
    // Every change goes to `sessió`, then `refresca` redraws the window. `missatges` asks about a
    // date after today.
    PanellOpcions(const Controls &c, Sessio &sessio, Missatges &missatges, std::function<void()> refresca);

    void mostra(const Sessio &s);
    // Takes an exam code as if typed in the box and confirmed: a valid one sets the options and
    // the draw, an empty one goes back to a free set, a bad one is refused with a message and
    // changes nothing. True when the code was taken.
    bool posa_codi_examen(const QString &codi);
    // Today's date as the date box shows it.
    static QString data_avui();

    QGroupBox *Frame1, *Frame2, *Frame3;
    QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7;
    QCheckBox *Check8, *Check10, *Check11;
    QRadioButton *Option1, *Option2, *Option3, *Option4;
    // Frozen captions, in the order Check1..Check8, Check10, Check11, Option1..Option4.
    QLabel *Label29, *Label30, *Label31, *Label32, *Label33, *Label34, *Label35, *Label36, *Label37, *Label38,
        *Label39, *Label40, *Label42, *Label43;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    QLabel *Label84, *Label45, *Label93, *Label46, *Label50, *Label47, *Label49, *Label44;
    QLabel *Label41, *Label88;
    QLineEdit *Text10, *Text14;
    // "Codi d'examen": a valid code sets the options from it and freezes them; empty, a free set.
    QLabel *Label94;
    QLineEdit *txtExamen;
    QPushButton *cmdComencar;
    // The prompt above the options, and the warning when no family is ticked.
    QLabel *Label87, *Label48;

  private:
    void construeix_caselles(const Controls &c);
    void construeix_xifres(const Controls &c);
    void connecta();
    void congela();
    // Back to editable options (a new set in the same run): full-width boxes with their captions.
    void descongela();
    void data_canviada(const QString &text);
    // The code in force as the box shows it; empty for a free set.
    QString codi_vigent() const;

    Sessio &sessio_;
    Missatges &missatges_;
    std::function<void()> refresca_;
    DisposicioFinestra *disposicio_finestra_;
    bool congelat_ = false;
    // The boxes' design places and palettes before they were frozen.
    std::vector<std::tuple<QAbstractButton *, disposicio::Rectangle, QPalette>> abans_de_congelar_;
};

} // namespace quimerix::ui
