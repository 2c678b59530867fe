#pragma once
// Small pieces shared by the builders of oxides, hydrides, binary compounds and hydroxides.

#include <string>

#include "data/regles.h"
#include "data/taules.h"
#include "generation/exercici.h"

namespace quimerix::binaris {

// A binary exercise: positions 2 and 3 only, no brackets.
inline Exercici exercici_binari(std::string codi, std::string s2, std::string i2, std::string s3,
                                std::string i3) {
    Exercici ex;
    ex.forma_binaria();
    ex[Simbol2] = std::move(s2);
    ex[Subindex2] = std::move(i2);
    ex[Simbol3] = std::move(s3);
    ex[Subindex3] = std::move(i3);
    ex.Codi_exercici = std::move(codi);
    return ex;
}

// Multiplying prefix for a count n placed before a word: nothing for 1 (mono omitted), the full
// form otherwise, or the elided form (4 to 7) when the word begins with "a".
inline std::string prefix(const Taules &t, int n, bool majuscula, const std::string &paraula) {
    if (n < 2 || n > 7) return {};
    const bool elidit = n >= 4 && primer_caracter(paraula) == "a";
    return t.Prefixos[n][(majuscula ? 1 : 2) + (elidit ? 2 : 0)];
}

// "de " + word, or "d'" + word when the word begins with a letter of Vocals.
inline std::string de(const Taules &t, const std::string &paraula) {
    return preposicio_de(t, paraula) + paraula;
}

} // namespace quimerix::binaris
