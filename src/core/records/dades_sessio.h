#pragma once
// One practice set as plain data: what the session file stores, what the report prints and what
// the class summary reads. The running session produces it; the file reader gives it back.

#include <array>
#include <string>
#include <vector>

#include "checking/estadistiques.h"

namespace quimerix {

struct DadesSessio {
    // Capçalera_sessió: "Nom i cognoms: " + name padded to 66 + "  Data: " + date.
    std::string capcalera;
    // Registre_exercicis(1..N): one line per answered exercise, each ending in CR LF.
    std::vector<std::string> registres;
    // Text_estadístiques: the captions of Label65..Label78.
    std::array<std::string, 14> text_estadistiques{};
    // Encerts_per_tipus and Errors_per_tipus, in the counter order of Codis_exercici.
    std::array<int, Nombre_codis> encerts{};
    std::array<int, Nombre_codis> errors{};

    bool operator==(const DadesSessio &) const = default;
};

// Sum of the ten right-answer counters.
int encerts_totals(const DadesSessio &d);
// Sum of all twenty counters.
int exercicis_totals(const DadesSessio &d);

// The mark out of 10 in hundredths (0..1000): encerts / total × 1000, halves to the even
// neighbour; 0 when there is nothing to share out.
int nota(int encerts, int total);
// The mark written with an apostrophe and no trailing zeros: 875 -> "8'75", 5 -> "0'05",
// 330 -> "3'3", 0 -> "0", 1000 -> "10".
std::string text_nota(int nota);

} // namespace quimerix
