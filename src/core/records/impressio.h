#pragma once
// A printed document as a list of plain operations (size, bold, underline, colour, text, line end,
// new page), in the manner of a line printer: text runs on from where the last text ended, a line
// end moves down by the height of a line of the current size. One painter turns the list into
// paper, a print preview or a PDF; the report and the class summary both write such lists.

#include <string>
#include <vector>

#include "checking/estadistiques.h"

namespace quimerix {

enum class Tipus_operació : unsigned char {
    Mida,       // font size in points (valor)
    Negreta,    // bold on (valor 1) or off (0)
    Subratllat, // underline on (1) or off (0); spaces are underlined too
    Color,      // text colour; Negre is the ink of ordinary text
    Text,       // UTF-8 text without line ends
    Fi_línia,   // back to the left margin, one line lower
    Nova_pàgina,
};

struct Operació {
    Tipus_operació tipus = Tipus_operació::Text;
    int valor = 0;
    Color color = Color::Negre;
    std::string text;
    bool operator==(const Operació &) const = default;
};

struct Document_impressió {
    bool apaïsat = true; // landscape pages
    std::vector<Operació> operacions;
};

// Appends operations to a document.
class Redactor_impressió {
  public:
    explicit Redactor_impressió(Document_impressió &d) : ops_(d.operacions) {}
    void mida(int punts) { ops_.push_back({Tipus_operació::Mida, punts, Color::Negre, {}}); }
    void negreta(bool v) { ops_.push_back({Tipus_operació::Negreta, v ? 1 : 0, Color::Negre, {}}); }
    void subratllat(bool v) { ops_.push_back({Tipus_operació::Subratllat, v ? 1 : 0, Color::Negre, {}}); }
    void color(Color c) { ops_.push_back({Tipus_operació::Color, 0, c, {}}); }
    void text(std::string t) { ops_.push_back({Tipus_operació::Text, 0, Color::Negre, std::move(t)}); }
    void espais(int n) { text(std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' ')); }
    // `n` line ends (none when n <= 0).
    void fi_línia(int n = 1) {
        for (int i = 0; i < n; ++i)
            ops_.push_back({Tipus_operació::Fi_línia, 0, Color::Negre, {}});
    }
    void nova_pàgina() { ops_.push_back({Tipus_operació::Nova_pàgina, 0, Color::Negre, {}}); }

  private:
    std::vector<Operació> &ops_;
};

// The document's text alone: line ends as "\n", page breaks as "\f".
std::string text_document(const Document_impressió &d);

} // namespace quimerix
