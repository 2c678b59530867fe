// Hydroxides ("OH"): a metal with the hydroxide group, bracketed when the valence is above 1.

#include "generation/binaris_comu.h"
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

    // The texts of the comments stay one sentence to a line, as the student reads them.
    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És tracta d'un hidròxid."
        " Aquest és un compost ternari en el què es combinen un metall, l'oxigen i l'hidrogen."
        " L'element metàl·lic " + nom + " [" + simbol + "] que actua amb valència [" + v + "] es combina amb l'ió hidroxil [OH-] que globalment actua sempre amb valència [1]." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        if (v == "1")
            c += "   Es formula escrivint primer el símbol de l'element metàl·lic seguit del grup hidroxil." + CRLF + CRLF +
                 "   No s'ha d'escriure la valència del metall com a subíndex ni la del grup hidroxil perquè són 1 i aquestes s'ometen."
                 " Si es desitja es pot posar el grup hidroxil entre parèntesi tot i que no és obligatori." + CRLF + CRLF;
        else
            c += "   Es formula escrivint primer el símbol de l'element metàl·lic seguit del grup hidroxil entre parèntesi i la valència del metall es posa com a subíndex fora del parèntesi."
                 " La valència del grup hidroxil (OH) s'omet perquè actua amb 1." + CRLF + CRLF;
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (t.diverses_valencies(e))
            c += "   S'anomena seguint l'estructura:   hidròxid de [element] (valència)" + CRLF + CRLF +
                 "   Cal indicar la valència del metall entre parèntesi i amb nombres romans perquè " + nom + " en té més d'una.";
        else
            c += "   S'anomena seguint l'estructura:   hidròxid de [element]" + CRLF + CRLF +
                 "   No s'ha indicar la valència del metall entre parèntesi i amb nombres romans perquè " + nom + " només en té una.";
    }
    // clang-format on
    return ex;
}

} // namespace quimerix
