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
bool cal_simplificar(const Exercici &ex, const std::string &vA, const std::string &vB) {
    return ex[Subindex2] != vB && ex[Subindex3] != vA && vA != "1" && vB != "1";
}

} // namespace

Exercici formularSALSBINARIES(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const std::string &vA = t.valencia(a);
    const std::string &vB = t.valencia(b);
    const std::string &nomA = t.nom(a.element);
    const std::string &nomB = t.nom(b.element);
    const std::string &simbolA = t.simbol(a.element);
    const std::string &simbolB = t.simbol(b.element);

    Exercici ex = creuament(t, "MX", a, b);
    ex.Nom_compost = arrel_ur(t, b.element) + "ur " + de(t, nomA) + sufix_valencia(t, a.element, vA);

    const Frases f{{"nom", nomA},  {"simbol", simbolA},  {"valencia", vA},
                   {"nom2", nomB}, {"simbol2", simbolB}, {"valencia2", vB}};
    std::string &c = ex.Comentari;
    c = f("mx.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("mx.formula");
        if (cal_simplificar(ex, vA, vB)) c += f("binari.simplificar");
        if (ex[Subindex2].empty() || ex[Subindex3].empty()) c += f("binari.en_blanc");
    }
    if (Mode_actual == Tasca::Anomenar)
        c += f(t.diverses_valencies(a.element) ? "mx.nom.diverses_valencies" : "mx.nom.una_valencia");
    return ex;
}

Exercici formularCOMPOSTOSBINARISNoMetallNoMetall(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    const std::string &vA = t.valencia(a);
    const std::string &vB = t.valencia(b);
    const std::string &nomA = t.nom(a.element);
    const std::string &nomB = t.nom(b.element);
    const std::string &simbolA = t.simbol(a.element);
    const std::string &simbolB = t.simbol(b.element);

    Exercici ex = creuament(t, "XX", a, b);
    const int n_a = ex[Subindex2].empty() ? 1 : enter(ex[Subindex2]);
    const int n_b = ex[Subindex3].empty() ? 1 : enter(ex[Subindex3]);
    const bool algun_en_blanc = ex[Subindex2].empty() || ex[Subindex3].empty();

    // Mono is always omitted; the prefixes count the simplified subscripts.
    const std::string arrel_b = arrel_ur(t, b.element);
    ex.Nom_compost =
        prefix(t, n_b, true, arrel_b) + arrel_b + "ur " + de(t, prefix(t, n_a, false, nomA) + nomA);

    const Frases f{{"nom", nomA},  {"simbol", simbolA},  {"valencia", vA},
                   {"nom2", nomB}, {"simbol2", simbolB}, {"valencia2", vB}};
    std::string &c = ex.Comentari;
    c = f("xx.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("xx.formula");
        if (cal_simplificar(ex, vA, vB)) c += f("binari.simplificar");
        if (algun_en_blanc) c += f("binari.en_blanc");
    }
    if (Mode_actual == Tasca::Anomenar) {
        c += f("xx.nom") + f("comu.prefixos");
        if (algun_en_blanc) c += f("xx.nom.mono");
    }
    return ex;
}

} // namespace quimerix
