#pragma once
// What each area of the window shows for a set as it stands: which pieces are up, which take
// typing, the prompts' captions and where the keyboard goes. The window applies it as it is.

#include <array>
#include <string>

#include "generation/exercici.h"
#include "session/panell.h"

namespace quimerix {

class Sessio;

// Where the keyboard goes when the area changes.
enum class Focus_exercici {
    Cap,     // nowhere in this area
    Caixa,   // the first answer box of the formula (`primera_caixa`)
    Nom,     // the name box
    Seguent, // the button that asks for the next exercise
    Accio,   // the first action offered at the end of a set
};

// The actions offered at the end of a set, in their order on screen.
enum class Accio_final { Repeteix, Revisa, Nova };

struct Vista_exercici {
    std::string instruccio;                     // the prompt's caption; shown while an exercise is up
    bool en_curs = false;                       // an exercise is up, asked or corrected
    bool nom_demanat = false;                   // the name asked (formula task)
    std::array<bool, Nombre_caixes> pregunta{}; // the pieces of the formula asked (name task)
    std::array<bool, Nombre_caixes> caixa{};    // the answer boxes (formula task)
    std::array<bool, Nombre_caixes> esperada{}; // the pieces of the expected formula
    bool claudators = false;                    // the brackets of the group asked or typed
    bool nom = false;                           // the name box, and the formula asked beside it
    bool fila_esperada = false;                 // the expected formula
    bool resposta_activa = false;               // the answer boxes take typing
    bool incorrecte = false, correcte = false;
    bool claudators_esperats = false; // the brackets of the expected group
    bool nom_esperat = false;         // the expected name
    // What is wrong in a wrong answer, one sentence a line, most useful first; empty otherwise.
    std::string diagnosi;
    bool marc = false;      // the frame of the correction
    bool marc_curt = false; // a right answer keeps only the right half of the frame
    bool serie_acabada = false;
    bool corregir = false, seguent = false; // the buttons
    // The end of a set: the mark and the share of right answers as the report writes them, the
    // set's totals, the actions offered, and the last round's result.
    bool resultat = false;
    std::string nota, percentatge, totals;
    bool suspesa = false;
    bool repeteix = false, revisa = false, nova = false; // `revisa` also idle, for a set read back
    std::string resultat_repeticio;
    // The round of mistakes: its progress and the button that leaves it.
    std::string progres_repeticio;
    bool deixa_repeticio = false;
    // What a screen reader hears when the keyboard lands after a correction (the verdict, the
    // expected answer and what is wrong) or at the end of a set (the mark and the totals).
    std::string anunci;
    Focus_exercici focus = Focus_exercici::Cap;
    int primera_caixa = -1;                        // the first answer box shown, with Focus_exercici::Caixa
    Accio_final primera_accio = Accio_final::Nova; // with Focus_exercici::Accio
    bool operator==(const Vista_exercici &) const = default;
};

Vista_exercici vista_exercici(const Sessio &s);
// True when the area shows any piece at all (the idle window waiting for a set shows none).
bool mostra_alguna_cosa(const Vista_exercici &v);

// The area shared by the statistics, the professor's comment and the diagnosis of a wrong answer.
struct Vista_estadistiques {
    bool graella = false;                // the statistics table of the set under way
    bool comentari = false;              // the professor's comment
    std::string diagnosi;                // what is wrong, above the comment; empty when not shown
    bool informe = false, ajuda = false; // the area's buttons are offered
    bool operator==(const Vista_estadistiques &) const = default;
};

Vista_estadistiques vista_estadistiques(const Sessio &s);
// True when the area shows any piece at all.
bool mostra_alguna_cosa(const Vista_estadistiques &v);

// The options area, and the figures and history that take its place once a set is under way.
struct Vista_opcions {
    bool editables = false;     // the options take changes (no set yet, no exam code)
    bool recompte = false;      // the set's figures, the history and the options' frozen captions
    bool nombre = false;        // the number of exercises and its buttons, the name, the date, the code
    bool temps = false;         // the seconds per answer and their buttons
    bool compte_enrere = false; // the countdown of the set under way
    bool avis_familia = false;  // "choose a family" in place of the start button
    bool comencar = false;      // "D'acord"
    std::string indicacio;      // the prompt above the options; empty when none is shown
    std::string avis_temps;     // the countdown's spoken warning at this second; empty otherwise
    bool operator==(const Vista_opcions &) const = default;
};

Vista_opcions vista_opcions(const Sessio &s);

// The countdown speaks only at a few marks: half the time, 10 and 5 seconds left. `limit` is the
// time given for the answer, `restants` the seconds left; empty between the marks. The time-out
// itself is told by its own message.
std::string avis_compte_enrere(int limit, int restants);

} // namespace quimerix
