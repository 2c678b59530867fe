#pragma once
// The constant chemistry tables: the element catalogue, the multiplying prefixes and the
// initial letters before which "de" is contracted. Built once when the program loads.

#include <array>
#include <optional>
#include <string>

namespace quimerix {

// Whether an element is a metal; row 0 of the catalogue is neither.
enum class Tipus_element { Cap, Metall, No_metall };

// Columns of Taula_elements. The type (column 0) and the electronegativity (column 11) are kept
// as typed fields beside the text columns.
enum Columna : int {
    Nom = 1,
    Simbol,
    Valencia1,
    Valencia2,
    Valencia3,
    Valencia4,
    Valencia_caracteristica,
    Hidrur_invers,
    Arrel_ur,
    Arrel_acid,
    Acid_especial = 12, // column 11 is the electronegativity
    Arrel_oxoanio,
};
// The numbering is part of the catalogue's layout: every column keeps its place.
static_assert(Simbol == 2 && Valencia1 == 3 && Valencia4 == 6 && Arrel_acid == 10 && Arrel_oxoanio == 13);

inline constexpr int Nombre_elements = 41;
inline constexpr int Fila_hidrogen = 26;
inline constexpr int Fila_oxigen = 34;

// Which (element row, valence column) a builder works on.
struct Parell {
    int element = 0; // row 1..41 of Taula_elements
    int columna = 0; // valence column 3..6
    bool operator==(const Parell &) const = default;
};

// The text tables have no "{}" initialiser: their strings start empty all the same, and with one
// clang 14's front end crashes on any local Taules (it tries to evaluate 588 strings as a constant).
struct Taules {
    // Row 0 is never filled; rows 1..41 are the elements. Empty text means "absent".
    std::array<std::array<std::string, 14>, 42> Taula_elements;
    std::array<Tipus_element, 42> Tipus{};
    // Pauling electronegativity of the non-metals; none for the metals.
    std::array<std::optional<double>, 42> Electronegativitat{};
    // Prefixos[n][f]: n = 1..7, f = 1 capitalised, 2 lower case, 3/4 elided forms (n = 4..7).
    std::array<std::array<std::string, 5>, 8> Prefixos;
    // Vocals[1..6]: "a", "e", "", "o", "u", "h"; slot 0 and slot 3 stay empty.
    std::array<std::string, 7> Vocals;

    // Fills the three tables; the result never changes afterwards.
    static Taules carrega();

    const std::string &cel(int fila, int columna) const { return Taula_elements.at(fila).at(columna); }
    const std::string &nom(int fila) const { return cel(fila, Nom); }
    const std::string &simbol(int fila) const { return cel(fila, Simbol); }
    // The valence text of a pair ("" when the element has no such valence).
    const std::string &valencia(Parell p) const { return cel(p.element, p.columna); }
    bool es_metall(int fila) const { return Tipus.at(fila) == Tipus_element::Metall; }
    bool es_no_metall(int fila) const { return Tipus.at(fila) == Tipus_element::No_metall; }
    // B, P, As and Sb: their oxoacids and oxosalts have a special family.
    bool acid_especial(int fila) const { return cel(fila, Acid_especial) == "àcid especial"; }
    // Hydrogen is written first in the hydride of this element.
    bool hidrur_invers(int fila) const { return cel(fila, Hidrur_invers) == "hidrur invers"; }
    // A metal with more than one valence is named with a Roman numeral.
    bool diverses_valencies(int fila) const { return !cel(fila, Valencia2).empty(); }
    // Number of filled valence columns (1..4).
    int nombre_valencies(int fila) const;
};

} // namespace quimerix
