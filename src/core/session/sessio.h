#pragma once
// The practice session with no widgets: options, start, the exercise cycle, the countdown and the
// end of a set. The window turns its events into calls on Sessió and shows what Sessió holds.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "checking/correccio.h"
#include "checking/diagnosi.h"
#include "checking/estadistiques.h"
#include "data/taules.h"
#include "generation/aleatori.h"
#include "generation/exercici.h"
#include "generation/sorteig.h"
#include "records/codi_examen.h"
#include "records/dades_sessio.h"
#include "records/informe.h"
#include "records/registre.h"
#include "records/revisio.h"
#include "session/missatges.h"
#include "session/panell.h"
#include "session/repeticio.h"

namespace quimerix {

// The task option buttons Option1..Option4.
enum class Opcio_tasca { Formular = 1, Anomenar = 2, Alternat = 3, Aleatori = 4 };

// Where the session stands; decides what "continue" (Enter) means.
enum class Estat {
    Inactiu,  // options editable, no session yet
    Iniciada, // started, waiting for the first Següent
    Pregunta, // an exercise is shown and waits for its correction (of the set or of the round)
    Corregit, // the answer has been corrected; Següent asks the next one
    Acabada,  // the set has ended: its result, the round of mistakes, the review or a new set
};

struct Opcions {
    Caselles families{true, true, true, true, true, true, true}; // Check1..Check7
    Opcio_tasca tasca = Opcio_tasca::Alternat;                   // Option1..Option4
    int nombre_exercicis = 25;                                   // Label45
    int segons = 30;                                             // Label46
    bool assistent = true;                                       // Check8
    bool consulta = true;                                        // Check10
    bool limit_temps = true;                                     // Check11
};

inline constexpr int Segons_maxim = 120;

// Compounds each family box can give (Check1..Check7), counted from the draw's tables.
std::array<int, Nombre_caselles> compostos_per_casella(const Generador &g);
// "hh:mm:ss" of a number of seconds; the hours may pass 23 (55:10:00).
std::string format_temps(long long segons);

class Sessio {
  public:
    // Loads the tables, draws the first task and shuffles the decks, in that order, from `font`.
    Sessio(FontAleatoria &font, Missatges &missatges);
    Sessio(const Sessio &) = delete;
    Sessio &operator=(const Sessio &) = delete;

    // ---- Options (changes are ignored once the session has started) ----

    // The options as they stand.
    const Opcions &opcions() const { return opcions_; }
    // Ticks or unticks a family box (0..6 = Check1..Check7); warns when none is left ticked.
    void posa_familia(int casella, bool marcada);
    // Selects one of the four task options.
    void posa_tasca(Opcio_tasca tasca);
    // Command2 / Command1: one exercise more / fewer, within 1..Nombre_combinacions.
    void augmenta_exercicis();
    void disminueix_exercicis();
    // Command3 / Command4: one second more / fewer per answer, within 1..120.
    void augmenta_temps();
    void disminueix_temps();
    // Sets the number of exercises, clamped to 1..Nombre_combinacions.
    void posa_nombre_exercicis(int n);
    // Sets the seconds per answer, clamped to 1..120.
    void posa_segons(int s);
    // Check8: the spelling assistant.
    void posa_assistent(bool v);
    // Check10: theory notes, symbols and valences may be consulted.
    void posa_consulta(bool v);
    // Check11: time limit per answer (unticking stops the countdown).
    void posa_limit_temps(bool v);
    // Whether a session data file has been chosen (set by the file part when it saves).
    void posa_arxiu_actiu(bool v);
    bool Arxiu_actiu() const { return arxiu_actiu_; }
    // Label47: different compounds the ticked families can give.
    int Nombre_combinacions() const { return nombre_combinacions_; }
    // Label44: estimated time of the set, "hh:mm:ss".
    std::string Temps_Estimat() const;
    // Label48 shown and the start button hidden: no family is ticked.
    bool cal_seleccionar_familia() const { return nombre_combinacions_ == 0; }
    // The options take changes: no set has started and no exam has set them.
    bool opcions_editables() const { return estat_ == Estat::Inactiu && !examen_; }

    // ---- The exam (only before the start) ----

    // Sets the options from the exam and freezes them, and draws the set from the exam's seed: the
    // first task and the decks are drawn again, in the order of the start-up, from a source seeded
    // with it, so that the same exam gives the same exercises, in the same order and tasks,
    // everywhere. The number of exercises is clamped as the step buttons clamp it. False (nothing
    // changed) once the set has started.
    bool posa_examen(const Examen &e);
    // Back to a free set: the options editable again, the first task and the decks drawn again
    // from the program's own source.
    void treu_examen();
    const std::optional<Examen> &examen() const { return examen_; }

    // ---- Start ----

    // "D'acord": asks about the missing file, name and date (each may refuse, leaving everything
    // as it was), then clears records and statistics, freezes the options and starts. True when
    // the session started. Without a time limit the first exercise is shown at once. The name and
    // the date are taken as typed and read here (normal form, no control characters, within the
    // lengths a session file takes).
    bool comenca(const std::string &nom_teclejat, const std::string &data_teclejada);
    // "Nom i cognoms: " + name padded to 66 characters + "  Data: " + date.
    const std::string &Capcalera_sessio() const { return capcalera_; }
    // Set by the start; the countdown only runs after it.
    bool Sessio_iniciada() const { return estat_ != Estat::Inactiu; }

    // ---- Cycle (each call does nothing in a state where it has no meaning) ----

    // Where the session stands.
    Estat estat() const { return estat_; }
    // ---- After the set ----

    // The set's result as the report writes it (meaningful once the set has ended).
    Nota_informe nota() const { return nota_informe(dades()); }
    // "Repeteix els errors" offered: the set has ended, no round is under way, and some exercise
    // was wrong or ran out of time.
    bool ofereix_repeticio() const { return estat_ == Estat::Acabada && !errors_serie_.empty(); }
    // Starts the round of mistakes with the set's time limit and assistant; nothing of the set
    // (records, statistics, history, file) changes while it runs.
    void repeteix_errors();
    // "Deixa la repetició": ends the round where it stands.
    void deixa_repeticio();
    // A round is under way (its exercises are the ones in hand).
    bool en_repeticio() const { return ronda_activa_; }
    // The round under way or the last one played; nullptr before any.
    const Repeticio *repeticio() const { return repeticio_ ? &*repeticio_ : nullptr; }
    // The set's exercises answered wrong or out of time, in the set's order.
    const std::vector<Error_serie> &errors_serie() const { return errors_serie_; }
    // Numbers of the set's exercises whose time ran out.
    const std::vector<int> &esgotats() const { return esgotats_; }
    // "Nova sessió": back to the idle window with the options of the set just played, no session
    // file chosen, the decks going on (a used-up family dealt again from a fresh deck).
    void nova_serie();

    // ---- The review ----

    // A set read back from its file, to review while the window is idle.
    void posa_desada(DadesSessio d);
    // "Revisa la sessió" offered: the set has ended, or a set read back from its file is at hand.
    bool ofereix_revisio() const;
    // Brings the review up in the reference area.
    void revisa();
    // The rows of the set under review (the set just played, else the one read back).
    std::vector<Fila_revisio> files_revisio() const;
    // The lines shown for row `i` (0-based) of the review.
    std::vector<std::string> detall_revisio(int i) const;
    // The lines shown after the round's last correction (the same place as the review's detail).
    std::vector<std::string> detall_repeticio() const;

    // cmdSegüent: draws and shows the next exercise, or ends the set.
    void Seguent();
    // cmdCorregir: corrects the answer as it stands in resposta() (only while one is pending).
    void corregeix();
    // Enter: corrects when an answer is pending, asks the next exercise when one was corrected.
    void continua();
    // One tick of the 1-second timer: counts down and corrects when the time is up.
    void tic();

    // ---- The answer as typed ----

    // Text1, the name box, as typed: read once here, cut to the box's length.
    void posa_nom(const std::string &text);
    // One of the seven formula boxes, as typed: read once here, cut to the box's length.
    void posa_caixa(Caixa caixa, const std::string &text);
    // The answer boxes; after a name correction `nom` holds the answer as typed, without a final ç.
    const Resposta &resposta() const { return resposta_; }
    // Whether the answer boxes accept typing (an exercise is waiting for its correction).
    bool resposta_activa() const { return estat_ == Estat::Pregunta; }

    // ---- What the window shows ----

    // Task of the next exercise as the draw sees it.
    Tasca Mode_actual() const { return mode_actual_; }
    // Task of the exercise on screen; nothing before the first.
    std::optional<Tasca> Mode_exercici() const { return mode_exercici_; }
    // "Formular" or "Anomenar"; empty before the first exercise.
    const std::string &Pantalla_actual() const { return pantalla_; }
    // Label85: "Formula:" or "Anomena:".
    std::string Instruccio() const;
    // The exercise in hand: expected boxes, visible boxes, brackets, code, comment.
    const Exercici &Exercici_actual() const { return exercici_; }
    // The name asked on the formula screen (first letter small).
    const std::string &nom_demanat() const { return nom_demanat_; }
    // The expected name shown after a wrong name (with its accents).
    const std::string &nom_esperat_mostrat() const { return nom_esperat_; }
    // What is wrong in the last answer, when it was wrong and is still on screen; empty otherwise.
    const std::vector<Troballa> &diagnosi() const { return diagnosi_; }
    // The last correction as shown: question, answer, verdict, expected answer and comment.
    const Correccio_mostrada &correccio() const { return correccio_; }
    // Last correction: 0 none yet, 1 wrong, 2 right.
    int Resultat() const { return resultat_; }
    // "CORRECTE" / "INCORRECTE" shown (only once the exercise is corrected).
    bool mostra_correcte() const { return estat_ == Estat::Corregit && resultat_ == Resultat_correcte; }
    bool mostra_incorrecte() const { return estat_ == Estat::Corregit && resultat_ == Resultat_incorrecte; }
    // The expected formula shown: a wrong formula.
    bool mostra_formula_esperada() const { return mostra_incorrecte() && mode_exercici_ == Tasca::Formular; }
    // The brackets of the expected formula shown: a wrong formula with a group subscript.
    bool mostra_claudators_esperats() const;
    // The expected name shown: a wrong name.
    bool mostra_nom_esperat() const { return mostra_incorrecte() && mode_exercici_ == Tasca::Anomenar; }
    // cmdAjuda (the professor's comment) offered: the last answer was wrong.
    bool ofereix_professor() const { return boto(Boto::Ajuda).ofert; }
    // cmdPrint shown (from the start of a set on) and enabled (once an exercise has been corrected).
    bool ofereix_impressio() const { return estat_ != Estat::Inactiu; }
    bool impressio_activa() const { return estat_ != Estat::Inactiu && registre_.Nombre_registres() > 0; }

    // ---- The reference panel ----

    // Which view the shared area shows, and the picture of the credits.
    const Panell &panell() const { return panell_; }
    // What the panel's rules read from the session.
    Situacio_panell situacio_panell() const;
    // Offered, enabled and pressed state of one of the panel's buttons.
    EstatBoto boto(Boto b) const { return panell_.boto(b, situacio_panell()); }
    // A press on one of the panel's buttons; nothing happens when the button is not enabled.
    void prem(Boto b) { panell_.prem(b, situacio_panell()); }
    // One tick of the credits' picture timer.
    void tic_imatge() { panell_.tic_imatge(); }

    // Number of the exercise in hand, 0 before the first.
    int numero_exercici() const { return numero_; }
    // Number of exercises requested.
    int exercicis_demanats() const { return opcions_.nombre_exercicis; }
    // Seconds left for the answer.
    int segons_restants() const { return segons_restants_; }
    // Seconds given for each answer in the set or round under way.
    int temps_resposta() const { return temps_resposta_; }
    // The time is nearly up (5 seconds or fewer): the countdown is shown in red.
    bool temps_gairebe_esgotat() const { return vermell_; }
    // The time limit in force: the option in the set, the set's own in the round.
    bool limit_vigent() const { return ronda_activa_ ? opcions_serie_.limit_temps : opcions_.limit_temps; }
    // The countdown counts (the window may keep its timer running; tic() decides).
    bool crono_actiu() const { return crono_; }
    // The set is over ("S'han completat tots els exercicis").
    bool serie_acabada() const { return estat_ == Estat::Acabada; }

    // Counters, the twelve cells, hits over total and percentage.
    const Estadistiques &estadistiques() const { return estadistiques_; }
    // Text_estadístiques: the fourteen statistics captions kept for the session file.
    const std::array<std::string, 14> &Text_estadistiques() const { return text_estadistiques_; }
    // The history as shown: exercises, answers, corrections.
    const std::array<std::string, 3> &historial_visible() const { return historial_visible_; }
    // The captions of the last correction, shown with the next exercise.
    const std::array<std::string, 3> &Historial_pendent() const { return historial_pendent_; }
    // The set as plain data, for the session file, the report and the summary.
    DadesSessio dades() const;
    // Registre_exercicis and Nombre_registres.
    const Registre &registre() const { return registre_; }
    // The tables the exercises are built from.
    const Taules &taules() const { return taules_; }
    // The draw (counters, Exhaurits).
    const Generador &generador() const { return *generador_; }

    // ---- Hooks for the session file and the report ----

    // Called after the start and after each correction when Arxiu_actiu, with the set as the file
    // stores it: rewrite the file.
    std::function<void(const DadesSessio &)> en_desar;
    // Called with the set when the student answers Yes to printing the report at the end of it.
    std::function<void(const DadesSessio &)> en_imprimir;

  private:
    void recalcula_combinacions();
    void Fi_exercicis2();
    // Marks the pending answer; in the set records it and counts it.
    void avalua_resposta();
    // Shows the round's next exercise, or ends the round.
    void seguent_repeticio();

    // Draws the first task and shuffles the decks from `font`, in the order of the start-up.
    void sorteja_inici(FontAleatoria &font);

    Taules taules_;
    FontAleatoria &font_programa_;
    // The source of the draw: the program's own, or the exam's.
    FontAleatoria *font_;
    std::unique_ptr<FontAleatoria> font_examen_;
    std::optional<Examen> examen_;
    Missatges &missatges_;
    Tasca mode_actual_;
    std::unique_ptr<Generador> generador_;
    std::array<int, Nombre_caselles> per_casella_{};

    Opcions opcions_;
    int nombre_combinacions_ = 0;
    bool arxiu_actiu_ = false;

    Estat estat_ = Estat::Inactiu;
    std::string capcalera_;
    int temps_resposta_ = 0;

    Exercici exercici_;
    std::string nom_demanat_;
    std::string nom_esperat_;
    std::string pantalla_;
    std::optional<Tasca> mode_exercici_;
    Resposta resposta_;
    int resultat_ = 0;
    std::vector<Troballa> diagnosi_;

    int numero_ = 0;
    int segons_restants_ = 0;
    bool crono_ = false;
    bool vermell_ = false;

    Estadistiques estadistiques_;
    std::array<std::string, 14> text_estadistiques_{};
    Historial historial_;
    std::array<std::string, 3> historial_visible_{};
    std::array<std::string, 3> historial_pendent_{};
    Registre registre_;
    Panell panell_;

    Opcions opcions_serie_; // the options as the set started with them
    std::vector<Error_serie> errors_serie_;
    std::vector<int> esgotats_;
    bool esgotat_ = false; // the answer being corrected ran out of time
    std::optional<Repeticio> repeticio_;
    bool ronda_activa_ = false;
    Correccio_mostrada correccio_;
    std::optional<DadesSessio> desada_;
};

} // namespace quimerix
