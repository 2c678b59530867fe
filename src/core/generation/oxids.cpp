// Oxides of metals ("OM") and of non-metals ("OX").

#include "generation/binaris_comu.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

Exercici formularOXIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const int e = p.element;
    const std::string &v = t.valencia(p);
    const std::string &nom = t.nom(e);
    const std::string &simbol = t.simbol(e);

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

    // The texts of the comments stay one sentence to a line, as the student reads them.
    // clang-format off
    std::string &c = ex.Comentari;
    if (metall) {
        c = "   És un òxid metàl·lic en el què es combinen " + nom + " [" + simbol + "] amb valència " + v + " i oxigen [O] que sempre té valència 2." + CRLF + CRLF;
        if (Mode_actual == Tasca::Formular) {
            c += "   Es formula escrivint primer el símbol de l'element metàl·lic [" + simbol + "] amb el subíndex [2] (valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de l'element " + nom + " [" + v + "]" + " com a subíndex." + CRLF + CRLF;
            if (Simplificat) c += "   Un cop formulat cal simplificar els subíndexs.";
            if (algun_en_blanc) c += " Els subíndexs 1 es deixen en blanc.";
        }
        if (Mode_actual == Tasca::Anomenar) {
            if (!t.diverses_valencies(e))
                c += "   S'anomena seguint l'estructura:   òxid de [element]" + CRLF + CRLF +
                     "   No cal indicar la valència del metall entre parèntesi i amb nombres romans perquè " + nom + " només en té una.";
            else
                c += "   S'anomena seguint l'estructura:   òxid de [element] (valència)" + CRLF + CRLF +
                     "   Cal indicar la valència del metall entre parèntesi i amb nombres romans perquè " + nom + " en té més d'una.";
            if (Simplificat) c += " Cal estar alerta a possibles simplificacions que s'hagin pogut fer.";
        }
    } else {
        c = "   És un òxid no metàl·lic en el què es combinen " + nom + " [" + simbol + "] amb valència " + v + " i oxigen [O] que sempre actua amb valència 2." + CRLF + CRLF;
        if (Mode_actual == Tasca::Formular) {
            c += "   Es formula escrivint primer el símbol de l'element no metàl·lic [" + simbol + "] amb el subíndex [2] (valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de l'element " + nom + " [" + v + "]." + " com a subíndex." + CRLF + CRLF;
            if (Simplificat) c += "   Un cop formulat cal simplificar els subíndexs.";
            if (algun_en_blanc) c += " Els subíndexs 1 es deixen en blanc.";
        }
        if (Mode_actual == Tasca::Anomenar) {
            c += "   S'anomena seguint l'estructura:   [prefix]+òxid de [prefix]+[element]" + CRLF + CRLF +
                 "   Els prefixos fan referència als subíndexs que acompanyen el símbol de cada element un cop simplificats (si ha estat necessari) i no pas a les valències pròpies.";
            if (subindex_element.empty()) c += " Recorda que el prefix mono s'omet si va davant l'element no metàl·lic.";
        }
    }
    // clang-format on
    return ex;
}

} // namespace quimerix
