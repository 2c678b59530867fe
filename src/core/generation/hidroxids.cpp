// Hydroxides ("OH"): a metal with the hydroxide group, bracketed when the valence is above 1.

#include "generation/binaris_comu.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

Exercici formularHIDROXIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const int e = p.element;
    const std::string &v = t.valencia(p);
    const std::string &nom = t.nom(e);
    const std::string &simbol = t.simbol(e);

    Exercici ex;
    ex.Codi_exercici = "OH";
    ex[Simbol1] = simbol;
    ex[Subindex1] = "";
    ex[Simbol2] = t.simbol(Fila_oxigen);
    ex[Subindex2] = "";
    ex[Simbol3] = t.simbol(Fila_hidrogen);
    ex[Subindex3] = "";
    ex[Subindex_grup] = subindex(v);
    if (v == "1") {
        // NaOH: no brackets, and no answer boxes for the subscripts of O and H.
        ex.visibles = {true, true, true, false, true, false, true};
        ex.claudators = false;
    } else {
        ex.visibles = {true, true, true, true, true, true, true};
        ex.claudators = true;
    }
    ex.Nom_compost = "Hidròxid " + de(t, nom) + sufix_valencia(t, e, v);

    const Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = ex.Comentari;
    c = f("oh.cap");
    if (Mode_actual == Tasca::Formular) c += f(v == "1" ? "oh.formula.valencia_1" : "oh.formula");
    if (Mode_actual == Tasca::Anomenar)
        c += f(t.diverses_valencies(e) ? "oh.nom.diverses_valencies" : "oh.nom.una_valencia");
    return ex;
}

} // namespace quimerix
