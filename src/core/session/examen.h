#pragma once
// An exam's exercises and the files that belong to it. The list is drawn by a session that runs
// the whole set with the exam's code, through the very calls of the window (start, Següent,
// correction), so that it is the set every student with the code is asked.

#include <array>
#include <string>
#include <vector>

#include "generation/exercici.h"
#include "records/codi_examen.h"
#include "records/dades_sessio.h"

namespace quimerix {

struct Exercici_examen {
    int numero = 0;
    Tasca tasca = Tasca::Formular;
    std::string codi;     // Codi_exercici: OM, OX, ...
    std::string pregunta; // as the student sees it: the name asked, or the formula to name
    std::string resposta; // the expected answer: the formula, or the name
    // The question as the record line of the session file writes it.
    std::string pregunta_registre;
    bool operator==(const Exercici_examen &) const = default;
};

// The exam's exercises in the order they are asked.
std::vector<Exercici_examen> exercicis_examen(const Examen &e);

// The option captions of the window: the family boxes Check1..Check7 and the task options
// Option1..Option4.
extern const std::array<const char *, Nombre_caselles> Titols_families;
extern const std::array<const char *, 4> Titols_tasques;

// The answer key: the exam's options, then one aligned line per exercise (number, task, question,
// expected answer), UTF-8 lines without line ends.
std::vector<std::string> clau_examen(const std::string &codi, const Examen &e,
                                     const std::vector<Exercici_examen> &exercicis);
// The answer key on paper: portrait pages of those lines, numbered.
struct Document_impressio;
Document_impressio document_examen(const std::vector<std::string> &clau);

// Whether a stored set is one of the exam's: its records ask the exam's questions, in order, one
// for each of the first exercises (a set left before the end is still the exam's).
bool es_de_l_examen(const DadesSessio &d, const std::vector<Exercici_examen> &examen);

} // namespace quimerix
