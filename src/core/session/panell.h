#pragma once
// The reference panel on the right of the window: one area shared by several read-only views,
// chosen with a column of buttons that behave like tabs. Which view is up and which buttons are
// offered, enabled or pressed is decided here; the window only draws it.

#include <array>

namespace quimerix {

// What the shared area shows.
// Diagnosi: after a wrong answer, what is wrong in it over the professor's comment; no button
// brings it up and none is pressed while it is up. Revisio: the review of a set, brought up by its
// own action rather than a tab.
enum class Vista {
    Estadistiques,
    Professor,
    Teoria,
    Valencies,
    Simbols,
    Guia,
    Credits,
    Autor,
    Diagnosi,
    Revisio
};

// The panel's buttons, in the order cmdTeoria, cmdValències, cmdSímbols, cmdInforme, cmdAjuda,
// cmdHelp, cmdCrèdits, cmdAutor. Each one brings up the view of the same position in `Vista_de`.
enum class Boto { Teoria, Valencies, Simbols, Informe, Ajuda, Guia, Credits, Autor };
inline constexpr int Nombre_botons = 8;

inline constexpr std::array<Vista, Nombre_botons> Vista_de{
    Vista::Teoria,    Vista::Valencies, Vista::Simbols, Vista::Estadistiques,
    Vista::Professor, Vista::Guia,      Vista::Credits, Vista::Autor};

struct EstatBoto {
    bool ofert = false;  // visible
    bool actiu = false;  // enabled (offered and not the pressed tab)
    bool premut = false; // the tab whose view is up: disabled, painted as the button face
    bool operator==(const EstatBoto &) const = default;
};

// What the panel needs to know of the session.
enum class Fase { Inactiu, EnCurs, Acabada };
struct Situacio_panell {
    Fase fase = Fase::Inactiu;
    bool consulta = false;   // notes, symbols and valences may be consulted (Check10)
    bool incorrecte = false; // the exercise on screen has been corrected and was wrong
};

inline constexpr int Nombre_imatges = 4;

class Panell {
  public:
    Vista vista() const { return vista_; }
    EstatBoto boto(Boto b, const Situacio_panell &s) const;
    // A press on a button: brings its view up when the button is enabled; true when it did.
    bool prem(Boto b, const Situacio_panell &s);

    // The start, each new exercise and the end of a set bring the statistics back.
    void mostra_estadistiques();
    // A wrong answer brings up its diagnosis; a right one takes the credits and the about text
    // away, and other views stay.
    void despres_de_corregir(bool incorrecte);
    // The review of a set, brought up by its own action rather than a tab.
    void mostra_revisio() { vista_ = Vista::Revisio; }

    // The about text (Label86) is up.
    bool mostra_autor() const { return vista_ == Vista::Credits || vista_ == Vista::Autor; }
    // Which of the four credits pictures is shown (0..3), or -1 for none.
    int imatge() const { return vista_ == Vista::Credits ? imatge_ : -1; }
    // One tick of the picture timer: the next picture while the credits are up.
    void tic_imatge();

  private:
    Vista vista_ = Vista::Credits; // the idle window greets with the credits
    int imatge_ = 0;
};

} // namespace quimerix
