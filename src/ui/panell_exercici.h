#pragma once
// The exercise in the main window: the question (a name to write as a formula, or a formula to
// name), the answer boxes, "Corregir" and "Següent", and the correction frame with the verdict and
// the expected answer.

#include <array>
#include <functional>

#include "session/sessio.h"
#include "session/vista.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quimerix::ui {

class Controls;
class DisposicioFinestra;
class Linia;

class PanellExercici {
  public:
    // Typing, "Corregir" and "Següent" go to `sessió`, then `refresca` redraws the window.
    PanellExercici(const Controls &c, Sessio &sessio, std::function<void()> refresca);

    // Draws the exercise; a new exercise puts the keyboard in its first box, a correction (or a
    // set waiting for its first exercise) on "Següent".
    void mostra(const Sessio &s);
    // After a right answer the frame closes round the expected answer alone; the lines follow the
    // layout, so this is done again after every resize.
    void aplica_linies(const Sessio &s);
    // Where the student works now, as the set last drawn says: the first answer box, the name box
    // or "Següent"; nullptr when none is offered.
    QWidget *lloc_de_treball() const;

    QLabel *Label80, *Label85, *Label7;
    // The formula asked for its name, piece by piece, and its brackets.
    QLabel *Label8, *Label9, *Label10, *Label11, *Label12, *Label13, *Label14;
    QLabel *Label1, *Label2;
    // The formula's answer boxes, in the order of the exercise's boxes, and the name box.
    QLineEdit *Text11, *Text12, *Text2, *Text3, *Text4, *Text5, *Text13, *Text1;
    QPushButton *cmdCorregir, *cmdSeguent;
    Linia *Line22, *Line23, *Line24, *Line25, *Line26, *Line27, *Line28, *Line29, *Line30;
    // INCORRECTE, CORRECTE, the expected formula with its brackets, the expected name.
    QLabel *Label5, *Label6;
    QLabel *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21;
    QLabel *Label3, *Label4, *Label22;
    // The end of a set: the mark, the share and totals, the three actions and the last round's
    // result; the round of mistakes: its progress and the button that leaves it.
    QLabel *lblNota, *lblResultat, *lblRepeticio, *lblProgres;
    QPushButton *cmdRepeteix, *cmdRevisa, *cmdNova, *cmdDeixa;

  private:
    void construeix_pregunta(const Controls &c);
    void construeix_resposta(const Controls &c);
    void construeix_correccio(const Controls &c);
    void construeix_final(const Controls &c);
    void connecta();
    void nou_exercici(const Sessio &s);
    std::array<QLineEdit *, Nombre_caixes> caixes() const;

    Sessio &sessio_;
    std::function<void()> refresca_;
    DisposicioFinestra &disposicio_finestra_;
    QHBoxLayout *fila_pregunta_ = nullptr;
    QHBoxLayout *fila_resposta_ = nullptr;
    Estat estat_vist_ = Estat::Inactiu;
    // What the area shows, as last drawn.
    Vista_exercici vista_;
    int numero_vist_ = -1;
    bool revisa_inactiu_ = false; // where cmdRevisa was last placed
};

} // namespace quimerix::ui
