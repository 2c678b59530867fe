#pragma once
// Proportional layout of the main window: the window is drawn for an 800 x 600 screen and every
// control keeps its share of the window when the window changes size. All lengths are twips
// (15 to a pixel of the 800 x 600 design).

namespace quimerix::disposicio {

inline constexpr int Twips_per_pixel = 15;
inline constexpr int Amplada_disseny = 800 * Twips_per_pixel;
inline constexpr int Alcada_disseny = 600 * Twips_per_pixel;
// Controls parked outside the window (negative left) are recorded shifted by this much.
inline constexpr int Desplacament_aparcat = 75000;

enum class Tipus {
    Ordinari, // left, top, width and height
    Linia,    // two end points x1, y1, x2, y2
    Fix,      // timers, images, menus: never moved
    Combo,    // left, top and width; the height follows the font
};

// Four numbers: left, top, width, height; for a line x1, y1, x2, y2.
struct Rectangle {
    int a = 0, b = 0, c = 0, d = 0;
    bool operator==(const Rectangle &) const = default;
};

// What the record keeps of a control's design geometry: a negative horizontal position is
// stored plus Desplaçament_aparcat, so that every stored number is positive.
Rectangle registra(Tipus tipus, Rectangle disseny);

// Whole percentage of the current inner size over the recorded one:
// (current x 100, rounded) integer-divided by the recorded size.
int percentatge(double actual, int registrat);

struct Collocacio {
    bool mou = false;       // false: the control keeps whatever geometry it has
    bool amb_alcada = true; // false for a combo box
    Rectangle on;
};

// Where a control goes for the given percentages. `aparcat_a` and `aparcat_c` say whether the
// control's current left (a line's current x1 and x2) is negative: a parked control stays outside
// the window at every size. `etiqueta_fixa` is a control whose tag is "1": it is not moved.
Collocacio colloca(Tipus tipus, Rectangle registre, int percent_amplada, int percent_alcada, bool aparcat_a,
                   bool aparcat_c, bool etiqueta_fixa);

// How much the fonts shrink for the given percentages: below the design size they shrink with the
// controls, as much as the tighter of the two directions; at and above it they stay as designed.
double factor_lletra(int percent_amplada, int percent_alcada);

} // namespace quimerix::disposicio
