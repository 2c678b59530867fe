#pragma once
// The exercise in hand: expected formula, expected name, family code, professor's comment,
// and the shape of the formula (which answer boxes exist, whether the group is bracketed).

#include <array>
#include <string>

#include "data/taules.h"

namespace quimerix {

// The seven formula boxes, left to right.
enum Caixa : int {
    Simbol1 = 0,
    Subindex1,
    Simbol2,
    Subindex2,
    Simbol3,
    Subindex3,
    Subindex_grup,
};
inline constexpr int Nombre_caixes = 7;

// The task of an exercise: write the formula of a given name, or name a given formula.
enum class Tasca { Formular = 1, Anomenar = 2 };
// The digit of a task (1 formula, 2 name), for texts and records that show it.
constexpr int digit(Tasca t) {
    return static_cast<int>(t);
}
// The task of a digit drawn at random (1 formula, anything else name).
constexpr Tasca tasca_de_digit(int d) {
    return d == 1 ? Tasca::Formular : Tasca::Anomenar;
}
// The other task, for alternating sets.
constexpr Tasca altra_tasca(Tasca t) {
    return t == Tasca::Formular ? Tasca::Anomenar : Tasca::Formular;
}

struct Exercici {
    // Expected text of each formula box; a subscript of 1 is "".
    std::array<std::string, Nombre_caixes> caixes{};
    std::string Nom_compost;
    std::string Codi_exercici;
    std::string Comentari;
    // Which answer boxes the student sees for this formula. A binary compound uses positions
    // 2 and 3 only; the builders of each family say what they hide.
    std::array<bool, Nombre_caixes> visibles{true, true, true, true, true, true, true};
    // Brackets around positions 2 and 3 (question, answer boxes and correction row).
    bool claudators = false;

    const std::string &operator[](Caixa c) const { return caixes[c]; }
    std::string &operator[](Caixa c) { return caixes[c]; }

    // Binary shape: position 1, the group subscript and the brackets are hidden.
    void forma_binaria() {
        visibles = {false, false, true, true, true, true, false};
        claudators = false;
    }
    // Formula written plainly: NaCl, Fe2O3, Ca(OH)2, HCl(aq).
    std::string formula() const;

    bool operator==(const Exercici &) const = default;
};

} // namespace quimerix
