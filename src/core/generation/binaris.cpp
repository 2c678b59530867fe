// Binary salts of a metal and a non-metal ("MX") and compounds of two non-metals ("XX").

#include "generation/binaris_comu.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

namespace {

// Crossed and simplified formula of A then B: A takes B's valence, B takes A's.
Exercici creuament(const Taules &t, const char *codi, Parell a, Parell b) {
    const auto [subindex_a, subindex_b] = simplifica(enter(t.valencia(b)), enter(t.valencia(a)));
    return exercici_binari(codi, t.simbol(a.element), subindex(subindex_a), t.simbol(b.element),
                           subindex(subindex_b));
}

// The values of the comment's texts: {nom}, {simbol} and {valencia} of A, the same of B ending in 2.
Frases frases(const Element_valencia &a, const Element_valencia &b) {
    return Frases{{"nom", a.nom},  {"simbol", a.simbol},  {"valencia", a.v},
                  {"nom2", b.nom}, {"simbol2", b.simbol}, {"valencia2", b.v}};
}

// The comment's heading `clau`.cap and, for the formula task, `clau`.formula with the notes on a
// crossing that simplifies (when neither subscript stayed the other element's valence and neither
// valence is 1: Cr4Si2 becomes Cr2Si) and on a subscript left blank.
std::string comentari_creuament(const Frases &f, const std::string &clau, const Exercici &ex,
                                const Element_valencia &a, const Element_valencia &b, Tasca tasca) {
    std::string c = f(clau + ".cap");
    if (tasca != Tasca::Formular) return c;
    c += f(clau + ".formula");
    if (ex[Subindex2] != b.v && ex[Subindex3] != a.v && a.v != "1" && b.v != "1")
        c += f("binari.simplificar");
    if (ex[Subindex2].empty() || ex[Subindex3].empty()) c += f("binari.en_blanc");
    return c;
}

} // namespace

Exercici formularSALSBINARIES(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const Element_valencia A = element_valencia(t, a), B = element_valencia(t, b);
    Exercici ex = creuament(t, "MX", a, b);
    ex.Nom_compost = arrel_ur(t, B.e) + "ur " + de(t, A.nom) + sufix_valencia(t, A.e, A.v);

    const Frases f = frases(A, B);
    std::string &c = ex.Comentari;
    c = comentari_creuament(f, "mx", ex, A, B, Mode_actual);
    if (Mode_actual == Tasca::Anomenar)
        c += f(t.diverses_valencies(A.e) ? "mx.nom.diverses_valencies" : "mx.nom.una_valencia");
    return ex;
}

Exercici formularCOMPOSTOSBINARISNoMetallNoMetall(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const Element_valencia A = element_valencia(t, a), B = element_valencia(t, b);
    Exercici ex = creuament(t, "XX", a, b);
    const int n_a = ex[Subindex2].empty() ? 1 : enter(ex[Subindex2]);
    const int n_b = ex[Subindex3].empty() ? 1 : enter(ex[Subindex3]);

    // Mono is always omitted; the prefixes count the simplified subscripts.
    const std::string arrel_b = arrel_ur(t, B.e);
    ex.Nom_compost =
        prefix(t, n_b, true, arrel_b) + arrel_b + "ur " + de(t, prefix(t, n_a, false, A.nom) + A.nom);

    const Frases f = frases(A, B);
    std::string &c = ex.Comentari;
    c = comentari_creuament(f, "xx", ex, A, B, Mode_actual);
    if (Mode_actual == Tasca::Anomenar) {
        c += f("xx.nom") + f("comu.prefixos");
        if (ex[Subindex2].empty() || ex[Subindex3].empty()) c += f("xx.nom.mono");
    }
    return ex;
}

} // namespace quimerix
