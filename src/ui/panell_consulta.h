#pragma once
// The reference panel's own contents: the theory notes, the valence and symbol tables, the guide,
// the about text with the credits pictures, and the buttons that bring them up. Which view is up
// and which buttons are offered is the session's business; this class only draws it.

#include <QObject>
#include <array>
#include <memory>

#include "session/panell.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QTimer;
class QWidget;

namespace quimerix {
class Sessio;
}

namespace quimerix::ui {

class DisposicioFinestra;
class LlocArea;

class PanellConsulta : public QObject {
  public:
    PanellConsulta(QWidget *superficie, DisposicioFinestra &disposicio_finestra);
    ~PanellConsulta() override;

    // Shows the view, the buttons and the picture as the session holds them.
    void mostra(const Sessio &s);
    // Writes the guide afresh (each time its button is pressed).
    void escriu_guia();
    // Makes the controls of the views (the notes, the tables, the guide, the review): they are made
    // when one is first shown, and until then Text6 .. txtRevisio are null.
    void construeix_vistes();
    // The button of this panel that brings up a view; nullptr for the statistics and professor's
    // buttons, which belong to the window.
    QPushButton *boto(Boto b) const;
    // What the keyboard should reach in a view: its text or table; nullptr when it has none.
    QWidget *contingut(Vista v) const;
    // Offered, enabled and pressed look of a tab button.
    static void pinta_boto(QPushButton *b, EstatBoto e);

    QPlainTextEdit *Text6 = nullptr;
    QTextEdit *Text8 = nullptr;
    QLabel *Label81 = nullptr, *Label92 = nullptr, *Label86;
    QScrollArea *Taula81 = nullptr,
                *Taula92 = nullptr; // Label81 and Label92 scroll inside them when too wide
    std::array<QLabel *, Nombre_imatges> ratoli{};
    // The review of a set: its exercises, and the detail of the one chosen.
    QListWidget *lstRevisio = nullptr;
    QPlainTextEdit *txtRevisio = nullptr;
    QTimer *tmrImage;
    QPushButton *cmdTeoria, *cmdValencies, *cmdSimbols, *cmdHelp, *cmdCredits, *cmdAutor;

  protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

  private:
    void fes_vistes(QWidget *s);
    void construeix_textos(QWidget *s);
    void colloca_vistes();
    void construeix_botons(QWidget *s);
    void omple(Vista v);
    void ajusta_taula(QScrollArea *area, QLabel *taula);
    void colloca_autor(bool inactiu);
    void mostra_revisio(const Sessio &s);
    void mostra_detall();

    QWidget *superficie_;
    DisposicioFinestra &disposicio_finestra_;
    std::unique_ptr<LlocArea> lloc_vistes_;
    int inactiu_vist_ = -1;
    const Sessio *sessio_ = nullptr; // the session last shown, for the detail of a chosen row
};

} // namespace quimerix::ui
