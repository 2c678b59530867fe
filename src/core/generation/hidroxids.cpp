// Hydroxides ("OH"): a metal with the hydroxide group, bracketed when the valence is above 1.

#include "generation/binaris_comu.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

Exercici formularHIDROXIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const Element_valencia x = element_valencia(t, p);
    const auto &[e, v, nom, simbol] = x;

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
    ex.Comentari = comentari_per_valencia(t, x, "oh", Mode_actual);
    return ex;
}

} // namespace quimerix
