// Oxides of metals ("OM") and of non-metals ("OX").

#include "generation/binaris_comu.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

Exercici formularOXIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const auto [e, v, nom, simbol] = element_valencia(t, p);

    // Crossing: the element takes oxygen's 2, oxygen takes the element's valence; then simplify.
    const auto [oxigen, element] = simplifica(enter(v), 2);
    const bool metall = t.es_metall(e);
    Exercici ex = exercici_binari(metall ? "OM" : "OX", simbol, subindex(element), t.simbol(Fila_oxigen),
                                  subindex(oxigen));
    const std::string &subindex_element = ex[Subindex2];
    const std::string &subindex_oxigen = ex[Subindex3];
    // The element's subscript is no longer oxygen's 2.
    const bool Simplificat = subindex_element != "2";
    const bool algun_en_blanc = subindex_element.empty() || subindex_oxigen.empty();

    if (metall) {
        ex.Nom_compost = "Òxid " + de(t, nom) + sufix_valencia(t, e, v);
    } else {
        // Mono is written only before "òxid" ("Mon"), never before the element.
        const std::string prefix_oxigen = oxigen == 1 ? t.Prefixos[1][1].substr(0, 3) : t.Prefixos[oxigen][1];
        ex.Nom_compost = prefix_oxigen + "òxid " + de(t, prefix(t, element, false, nom) + nom);
    }

    const Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = ex.Comentari;
    c = f(metall ? "om.cap" : "ox.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f(metall ? "om.formula" : "ox.formula");
        if (Simplificat) c += f("comu.simplificar");
        if (algun_en_blanc) c += f("oxid.en_blanc");
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (metall) {
            c += f(t.diverses_valencies(e) ? "om.nom.diverses_valencies" : "om.nom.una_valencia");
            if (Simplificat) c += f("om.nom.simplificat");
        } else {
            c += f("ox.nom") + f("comu.prefixos");
            if (subindex_element.empty()) c += f("ox.nom.mono");
        }
    }
    return ex;
}

} // namespace quimerix
