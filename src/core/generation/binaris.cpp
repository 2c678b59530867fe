// Binary salts of a metal and a non-metal ("MX") and compounds of two non-metals ("XX").

#include "generation/binaris_comu.h"
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
std::string cal_simplificar(const Exercici &ex, const std::string &vA, const std::string &vB) {
    if (ex[Subindex2] != vB && ex[Subindex3] != vA && vA != "1" && vB != "1")
        return "   Un cop formulat cal simplificar els subíndexs." + CRLF + CRLF;
    return {};
}

const std::string kSubindexsEnBlanc =
    "   Recorda que quan als subíndexs hi correspon un 1 s'han de deixar en blanc.";

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

    // The texts of the comments stay one sentence to a line, as the student reads them.
    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És tracta d'una sal binària en la què es combinen un element metal·lic, " + nomA + " [" + simbolA + "] que actua amb valència [" + vA + "] i un element no metàl·lic, " + nomB + " [" + simbolB + "] que actua sempre amb la valència característica del grup [" + vB + "]." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        c += "   Es formula escrivint primer el símbol de l'element metàl·lic [" + simbolA + "] amb el subíndex [" + vB + "], que correspon a la valència característica del no metall."
             " Després s'escriu el símbol del no metall [" + simbolB + "] amb el subíndex [" + vA + "] que correspon a la valència del metall " + nomA + "." + CRLF + CRLF;
        c += cal_simplificar(ex, vA, vB);
        if (ex[Subindex2].empty() || ex[Subindex3].empty()) c += kSubindexsEnBlanc;
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (t.diverses_valencies(a.element))
            c += "   S'anomena seguint l'estructura:   [element no metàl·lic]+ur de [element metàl·lic] (valència del metall)" + CRLF + CRLF +
                 "   Cal indicar la valència de l'element metal·lic " + nomA + " entre parèntesi i amb nombres romans perquè pot actuar amb més d'una.";
        else
            c += "   S'anomena seguint l'estructura:   [element no metàl·lic]+ur de [element metàl·lic]" + CRLF + CRLF +
                 "   No cal indicar la valència de l'element metal·lic " + nomA + " perquè únicament pot actuar amb aquesta.";
    }
    // clang-format on
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

    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no metàl·lics: " + nomA + " [" + simbolA + "] i " + nomB + " [" + simbolB + "]."
        " El no metall més electronegatiu (el de més a la dreta) sempre actua amb la valència característica del grup." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        c += "   Es formula escrivint primer el símbol de l'element menys electronegatiu [" + simbolA + "] amb el subíndex [" + vB + "], que correspon a la valència característica del no metall més electronegatiu (" + nomB + ")."
             " Després s'escriu el símbol de l'element més electronegatiu [" + simbolB + "] amb el subíndex [" + vA + "] que correspon a la valència de l'altre element (" + nomA + ")." + CRLF + CRLF;
        c += cal_simplificar(ex, vA, vB);
        if (algun_en_blanc) c += kSubindexsEnBlanc;
    }
    if (Mode_actual == Tasca::Anomenar) {
        c += "   S'anomena seguint l'estructura:   [prefix]+[element més electronegatiu]+ur de [prefix]+[element menys electronegatiu]" + CRLF + CRLF +
             "   Recorda que l'element més electronegatiu és el que està a la dreta (" + simbolB + ") i el menys electronegatiu el que hi ha a l'esquerra (" + simbolA + ")." + CRLF + CRLF +
             "   Els prefixos fan referència als subíndexs que acompanyen el símbol de cada element un cop simplificats (si ha estat necessari) i no pas a les valències pròpies.";
        if (algun_en_blanc) c += " Recorda que el prefix mono s'omet sempre en els compostos binaris no metall-no metall.";
    }
    // clang-format on
    return ex;
}

} // namespace quimerix
