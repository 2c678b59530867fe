#pragma once
// A printed document as a list of plain operations (size, bold, underline, colour, text, line end,
// new page), in the manner of a line printer: text runs on from where the last text ended, a line
// end moves down by the height of a line of the current size. One painter turns the list into
// paper, a print preview or a PDF; the report and the class summary both write such lists.

#include <string>
#include <vector>

#include "checking/estadistiques.h"

namespace quimerix {

enum class Tipus_operacio : unsigned char {
    Mida,       // font size in points (valor)
    Negreta,    // bold on (valor 1) or off (0)
    Subratllat, // underline on (1) or off (0); spaces are underlined too
    Color,      // text colour; Negre is the ink of ordinary text
    Text,       // UTF-8 text without line ends
    Fi_linia,   // back to the left margin, one line lower
    Nova_pagina,
    Barra, // a bar `valor` characters of the current size wide, filled to `proporcio` (0 to 1) in
           // `color`, on the line's baseline; text runs on after its whole width
};

struct Operacio {
    Tipus_operacio tipus = Tipus_operacio::Text;
    int valor = 0;
    Color color = Color::Negre;
    std::string text;
    double proporcio = 0;
    bool operator==(const Operacio &) const = default;
};

struct Document_impressio {
    bool apaisat = true; // landscape pages
    std::vector<Operacio> operacions;
};

// Appends operations to a document.
class Redactor_impressio {
  public:
    explicit Redactor_impressio(Document_impressio &d) : ops_(d.operacions) {}
    void mida(int punts) { ops_.push_back({Tipus_operacio::Mida, punts, Color::Negre, {}}); }
    void negreta(bool v) { ops_.push_back({Tipus_operacio::Negreta, v ? 1 : 0, Color::Negre, {}}); }
    void subratllat(bool v) { ops_.push_back({Tipus_operacio::Subratllat, v ? 1 : 0, Color::Negre, {}}); }
    void color(Color c) { ops_.push_back({Tipus_operacio::Color, 0, c, {}}); }
    void text(std::string t) { ops_.push_back({Tipus_operacio::Text, 0, Color::Negre, std::move(t)}); }
    void espais(int n) { text(std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ')); }
    // `n` line ends (none when n <= 0).
    void fi_linia(int n = 1) {
        for (int i = 0; i < n; ++i)
            ops_.push_back({Tipus_operacio::Fi_linia, 0, Color::Negre, {}});
    }
    void nova_pagina() { ops_.push_back({Tipus_operacio::Nova_pagina, 0, Color::Negre, {}}); }
    // A bar of a chart: `caracters` wide, filled to `proporcio` (clamped to 0..1).
    void barra(double proporcio, int caracters, Color c) {
        const double p = proporcio < 0 ? 0 : proporcio > 1 ? 1 : proporcio;
        ops_.push_back({Tipus_operacio::Barra, caracters > 0 ? caracters : 0, c, {}, p});
    }

  private:
    std::vector<Operacio> &ops_;
};

// The document's text alone: line ends as "\n", page breaks as "\f", a bar as "#" for its filled
// characters (rounded) and "." for the rest.
std::string text_document(const Document_impressio &d);

} // namespace quimerix
