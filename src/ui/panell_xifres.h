#pragma once
// The figures of a set under way, top left of the main window: the exercise number out of how
// many, the countdown in its frame, and the right answers so far.

class QGroupBox;
class QLabel;

namespace quimerix {
class Sessio;
struct DadesSessio;
} // namespace quimerix

namespace quimerix::ui {

class Controls;
class Linia;

class PanellXifres {
  public:
    explicit PanellXifres(const Controls &c);

    void mostra(const Sessio &s);
    // The captions of a set read back from its file.
    void mostra_desades(const DadesSessio &d);

    QGroupBox *Frame4;
    QLabel *Label23, *Label24, *Label26, *Label27, *Label25, *Label28;
    Linia *Line1, *Line2, *Line3, *Line4;
    QLabel *Label77, *Label78, *Label91, *Label90;
};

} // namespace quimerix::ui
