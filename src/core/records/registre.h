#pragma once
// The record line of one answered exercise (Registre_exercicis): its one writer and its one
// reader, and the record of a set that holds them.
//
// A line is four columns after the exercise's number, in the same places for both tasks:
//   number field (5 characters up to 999, the number and two spaces beyond), the question padded
//   to 38 characters, a space, the answer padded to 37, a space, then the expected answer, or
//   "CORRECTE" when the answer was right; CR LF ends it.
// The question is the name asked (formula task) or the formula shown (name task); formulas are
// written box by box with spaces ("Fe2 O3", "Ca (O H)2", "H2 S O4").

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/exercici.h"

namespace quimerix {

// Most records a set holds, and so a session file.
inline constexpr int Maxim_registres = 1700;

struct Linia_registre {
    int numero = 0;
    std::string pregunta;
    std::string resposta;
    std::string correccio; // the expected answer; not written when the answer was right
    bool correcte = false;
    bool operator==(const Linia_registre &) const = default;
};

std::string escriu_linia_registre(const Linia_registre &l);
// The columns of a line (with or without its CR LF), the question and the answer without the
// padding after them; nothing when the line is not laid out as the writer lays it out.
std::optional<Linia_registre> llegeix_linia_registre(std::string_view linia);
// Whether a line (with or without its CR LF) records a right answer: it ends in "CORRECTE".
bool es_correcte(std::string_view linia);

// The line of a formula exercise: `nom_demanat` is the name asked; `esperat` gives the expected
// boxes and the brackets; `resposta` the boxes as typed.
std::string linia_registre_formula(int N, const std::string &nom_demanat, const Exercici &esperat,
                                   const std::array<std::string, Nombre_caixes> &resposta, bool correcte);
// The line of a name exercise: `pregunta` is the exercise whose formula was shown, `resposta` the
// answer as typed, `nom_esperat` the expected name as generated.
std::string linia_registre_nom(int N, const Exercici &pregunta, const std::string &resposta,
                               const std::string &nom_esperat, bool correcte);

// The expected formula of an exercise as a record line writes it ("Fe2 O3", "Ca (O H)2").
std::string formula_registre(const Exercici &e);

// Registre_exercicis: at most Maxim_registres lines, Nombre_registres the index of the newest.
class Registre {
  public:
    // Appends a line; false (and nothing stored) when the record is full.
    bool afegeix(std::string linia);
    void buida() { linies_.clear(); }
    int Nombre_registres() const { return static_cast<int>(linies_.size()); }
    // Line i, 1..Nombre_registres.
    const std::string &Registre_exercicis(int i) const { return linies_.at(static_cast<std::size_t>(i - 1)); }
    const std::vector<std::string> &linies() const { return linies_; }

  private:
    std::vector<std::string> linies_;
};

} // namespace quimerix
