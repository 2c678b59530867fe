#pragma once
// The shared area's views of the set itself: the statistics table (right answers per family,
// coloured), the professor's comment on the exercise, with the two buttons that bring them up, and,
// after a wrong answer, what is wrong in it over the comment.

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quimerix {
class Sessio;
struct DadesSessio;
} // namespace quimerix

namespace quimerix::ui {

class Controls;
class DisposicioFinestra;
class Linia;

class PanellEstadistiques {
  public:
    explicit PanellEstadistiques(const Controls &c);

    void mostra(const Sessio &s);
    // The captions of a set read back from its file.
    void mostra_desades(const DadesSessio &d);

    QLabel *Label64;
    QLabel *Label52, *Label53, *Label54, *Label55, *Label56, *Label57, *Label58, *Label59, *Label60, *Label61,
        *Label62, *Label63;
    QLabel *Label65, *Label66, *Label67, *Label68, *Label69, *Label70, *Label71, *Label72, *Label73, *Label74,
        *Label75, *Label76;
    // The same labels in table order.
    std::array<QLabel *, 12> titols{}; // Label52..Label63
    std::array<QLabel *, 12> cel{};    // Label65..Label76
    Linia *Line31, *Line32, *Line33, *Line34, *Line35, *Line36, *Line37;
    QPlainTextEdit *txtProfessor;
    // The diagnosis of a wrong answer, above the comment.
    QLabel *lblDiagnosi;
    QPushButton *cmdInforme, *cmdAjuda;

  private:
    DisposicioFinestra &disposicio_finestra_;
};

} // namespace quimerix::ui
