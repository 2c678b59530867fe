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

// The crossed subscripts simplify when neither stayed the other element's valence and neither
// valence is 1 (Cr4Si2 becomes Cr2Si).
bool cal_simplificar(const Exercici &ex, const std::string &v_a, const std::string &v_b) {
    return ex[Subindex2] != v_b && ex[Subindex3] != v_a && v_a != "1" && v_b != "1";
}

} // namespace

Exercici formularSALSBINARIES(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const std::string &v_a = t.valencia(a);
    const std::string &v_b = t.valencia(b);
    const std::string &nom_a = t.nom(a.element);
    const std::string &nom_b = t.nom(b.element);
    const std::string &simbol_a = t.simbol(a.element);
    const std::string &simbol_b = t.simbol(b.element);

    Exercici ex = creuament(t, "MX", a, b);
    ex.Nom_compost = arrel_ur(t, b.element) + "ur " + de(t, nom_a) + sufix_valencia(t, a.element, v_a);

    const Frases f{{"nom", nom_a},  {"simbol", simbol_a},  {"valencia", v_a},
                   {"nom2", nom_b}, {"simbol2", simbol_b}, {"valencia2", v_b}};
    std::string &c = ex.Comentari;
    c = f("mx.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("mx.formula");
        if (cal_simplificar(ex, v_a, v_b)) c += f("binari.simplificar");
        if (ex[Subindex2].empty() || ex[Subindex3].empty()) c += f("binari.en_blanc");
    }
    if (Mode_actual == Tasca::Anomenar)
        c += f(t.diverses_valencies(a.element) ? "mx.nom.diverses_valencies" : "mx.nom.una_valencia");
    return ex;
}

Exercici formularCOMPOSTOSBINARISNoMetallNoMetall(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const std::string &v_a = t.valencia(a);
    const std::string &v_b = t.valencia(b);
    const std::string &nom_a = t.nom(a.element);
    const std::string &nom_b = t.nom(b.element);
    const std::string &simbol_a = t.simbol(a.element);
    const std::string &simbol_b = t.simbol(b.element);

    Exercici ex = creuament(t, "XX", a, b);
    const int n_a = ex[Subindex2].empty() ? 1 : enter(ex[Subindex2]);
    const int n_b = ex[Subindex3].empty() ? 1 : enter(ex[Subindex3]);
    const bool algun_en_blanc = ex[Subindex2].empty() || ex[Subindex3].empty();

    // Mono is always omitted; the prefixes count the simplified subscripts.
    const std::string arrel_b = arrel_ur(t, b.element);
    ex.Nom_compost =
        prefix(t, n_b, true, arrel_b) + arrel_b + "ur " + de(t, prefix(t, n_a, false, nom_a) + nom_a);

    const Frases f{{"nom", nom_a},  {"simbol", simbol_a},  {"valencia", v_a},
                   {"nom2", nom_b}, {"simbol2", simbol_b}, {"valencia2", v_b}};
    std::string &c = ex.Comentari;
    c = f("xx.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("xx.formula");
        if (cal_simplificar(ex, v_a, v_b)) c += f("binari.simplificar");
        if (algun_en_blanc) c += f("binari.en_blanc");
    }
    if (Mode_actual == Tasca::Anomenar) {
        c += f("xx.nom") + f("comu.prefixos");
        if (algun_en_blanc) c += f("xx.nom.mono");
    }
    return ex;
}

} // namespace quimerix
