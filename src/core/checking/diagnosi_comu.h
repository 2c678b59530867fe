#pragma once
// What the three parts of the diagnosis share (the index and the public entry points, the rules of
// names, the rules of formulas): the compound's pieces and the words of the sentences. Only the
// diagnosis includes this header.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "checking/diagnosi.h"
#include "data/regles.h"

namespace quimerix::detall_diagnosi {

int fila_de_simbol(const Taules &t, const std::string &simbol);

// One element of the compound with the valence it has there.
struct Part {
    int fila = 0;
    int valencia = 0;
};

struct Context {
    const Taules &t;
    const Exercici &e;
    const Compost *c; // null for an exercise outside the catalogue
    std::string formula;

    int valencia(int fila) const {
        if (c && fila == c->a.element) return enter(t.valencia(c->a));
        if (c && fila == c->b.element && c->b.element != 0) return enter(t.valencia(c->b));
        if (fila == Fila_oxigen) return 2;
        if (fila == Fila_hidrogen) return 1;
        return 0;
    }
    // The elements of the formula, in the order they are written.
    std::vector<Part> parts() const {
        std::vector<Part> r;
        for (Caixa s : {Simbol1, Simbol2, Simbol3})
            if (e.visibles[s] && !e[s].empty()) {
                const int f = fila_de_simbol(t, e[s]);
                r.push_back({f, valencia(f)});
            }
        return r;
    }
    // The metal named with its valence (Stock numeral), if the compound has one.
    std::optional<Part> metall() const {
        for (const Part &p : parts())
            if (t.es_metall(p.fila)) return p;
        return std::nullopt;
    }
};

struct Unitat {
    std::string simbol;
    std::string subindex;
};

// Words of the sentences.
bool comenca_per_vocal_o_h(const std::string &paraula);
std::string amb_article(const std::string &nom);
std::string del(const std::string &nom);
std::string del_compost(const std::string &nom);
std::string familia(const std::string &codi);
std::string majuscula_inicial(std::string s);
std::string romans(int n);

// A finding added once; whether a kind is found already.
void afegeix(std::vector<Troballa> &r, Tipus_troballa tipus, std::string text);
bool te(const std::vector<Troballa> &r, Tipus_troballa tipus);
// What another compound of the catalogue differs in from the expected one, said in a few words.
std::string diferencia(const Context &cx, const Compost &altre);

std::string minuscules_ascii(std::string s);
std::string simbol_ben_escrit(const Taules &t, const std::string &s);

// The diagnosis of a typed name, and of the boxes of a formula.
std::vector<Troballa> diagnostica_nom(const Context &cx, const std::string &teclejat, bool assistent);
std::vector<Troballa> diagnostica_formula(const Context &cx, std::array<std::string, Nombre_caixes> caixes,
                                          std::optional<bool> claudators_escrits);

} // namespace quimerix::detall_diagnosi
