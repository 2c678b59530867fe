#pragma once
// The review of a set: one row per exercise from its record lines (so a set read back from its
// file reviews as a live one), the compound of a row found again in the catalogue, and the lines
// shown after a correction, which the round of mistakes and the review's detail share.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/taules.h"
#include "generation/exercici.h"
#include "records/dades_sessio.h"

namespace quimerix {

enum class Veredicte { Correcte, Incorrecte, Temps };
// "Correcte", "Incorrecte", "Temps esgotat".
std::string text_veredicte(Veredicte v);

struct Fila_revisio {
    int numero = 0;
    std::string pregunta;
    std::string resposta;
    std::string correccio; // the expected answer the record holds; empty when the answer was right
    Veredicte veredicte = Veredicte::Incorrecte;
    bool operator==(const Fila_revisio &) const = default;
};

// One row per record line the reader takes, in the set's order. `esgotats` holds the numbers of
// the exercises whose time ran out (a live set knows them; a file does not keep them).
std::vector<Fila_revisio> files_revisio(const DadesSessio &d, const std::vector<int> &esgotats = {});
// The row as the review's list shows it: number, question, answer and verdict.
std::string text_fila(const Fila_revisio &f);

// The exercise of a row, built again from the catalogue: the task is told by the question (a
// formula asked for its name, or a name asked for its formula).
struct Compost_trobat {
    Tasca tasca = Tasca::Formular;
    Exercici exercici;
};

// Nothing when no compound of the catalogue has that question. The expected answer, when the
// record holds it, tells apart compounds of the same question.
std::optional<Compost_trobat> compost_de_fila(const Taules &t, const Fila_revisio &f);

// What is shown of one answered exercise, in the round after each correction and in the review's
// detail: the question and answer, the verdict, the expected answer, what is wrong in the answer
// and the professor's comment.
struct Correccio_mostrada {
    int numero = 0;
    Tasca tasca = Tasca::Formular;
    std::string pregunta;
    std::string resposta;
    std::string esperada;
    Veredicte veredicte = Veredicte::Incorrecte;
    std::string comentari;             // lines joined by CR LF; empty when unknown
    std::vector<std::string> diagnosi; // what is wrong in the answer, a sentence each
};
// The lines to show, in order. One place, so that every view of a correction reads the same.
std::vector<std::string> linies_correccio(const Correccio_mostrada &c);
// The detail of a review row: its compound's expected answer, the diagnosis of a wrong answer
// (marked with the spelling assistant as `assistent` says) and the comment when the catalogue has
// the compound, else what the record holds.
Correccio_mostrada correccio_de_fila(const Taules &t, const Fila_revisio &f, bool assistent);

} // namespace quimerix
