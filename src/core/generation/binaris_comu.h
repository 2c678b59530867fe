#pragma once
// Small pieces shared by the builders of oxides, hydrides, binary compounds and hydroxides.

#include <string>

#include "data/regles.h"
#include "data/taules.h"
#include "generation/comentaris.h"
#include "generation/exercici.h"

namespace quimerix::binaris {

// One element at one valence, as a compound's name and comment speak of it.
struct Element_valencia {
    int e;
    const std::string &v;
    const std::string &nom;
    const std::string &simbol;
};

inline Element_valencia element_valencia(const Taules &t, Parell p) {
    return {p.element, t.valencia(p), t.nom(p.element), t.simbol(p.element)};
}

// The comment of a compound of one element that follows its valence alone, from the texts
// `clau`.cap; for the formula task `clau`.formula, or `clau`.formula.valencia_1 at valence 1; for
// the name task `clau`.nom.una_valencia or `clau`.nom.diverses_valencies, as the element has one
// valence or several.
inline std::string comentari_per_valencia(const Taules &t, const Element_valencia &x, const std::string &clau,
                                          Tasca tasca) {
    const Frases f{{"nom", x.nom}, {"simbol", x.simbol}, {"valencia", x.v}};
    std::string c = f(clau + ".cap");
    if (tasca == Tasca::Formular) c += f(clau + (x.v == "1" ? ".formula.valencia_1" : ".formula"));
    if (tasca == Tasca::Anomenar)
        c += f(clau + (t.diverses_valencies(x.e) ? ".nom.diverses_valencies" : ".nom.una_valencia"));
    return c;
}

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
