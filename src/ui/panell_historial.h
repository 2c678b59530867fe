#pragma once
// The last three exercises, along the bottom of the main window: the compound, the student's
// answer and the correction.

#include <array>

class QLabel;

namespace quimerix {
class Sessio;
}

namespace quimerix::ui {

class Controls;

class PanellHistorial {
  public:
    explicit PanellHistorial(const Controls &c);

    void mostra(const Sessio &s);

    // Column headings: "Exercicis anteriors", "Resposta", "Correcció".
    std::array<QLabel *, 3> Label51{};
    QLabel *Label79, *Label82, *Label83;
};

} // namespace quimerix::ui
