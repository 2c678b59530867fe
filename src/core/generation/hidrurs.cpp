// Hydrides of metals ("HM") and of non-metals ("HX"), and hydracids ("HXA").

#include <array>
#include <string>
#include <utility>

#include "generation/binaris_comu.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

namespace {

// How a formula with hydrogen first is written, from "el símbol de l'hidrogen" on; shared by the
// non-metal hydrides and the hydracids.
std::string hidrogen_primer(const std::string &nom, const std::string &simbol, const std::string &v) {
    const std::string subindex_hidrogen =
        v == "1" ? "sense subíndex (perquè la valència de l'element " + nom + " és 1)"
                 : "amb la valència de l'element " + nom + " com a subíndex [" + v + "]";
    // The texts of the comments stay one sentence to a line, as the student reads them.
    // clang-format off
    return "el símbol de l'hidrogen [H] (element menys electronegatiu) " + subindex_hidrogen + " i a continuació el símbol de l'element " + nom + " [" + simbol + "] sense subíndex perquè l'hidrogen actua amb valència 1.";
    // clang-format on
}

// Non-metal hydrides known by their traditional name, by symbol.
constexpr std::array<std::pair<const char *, const char *>, 8> kNomsTradicionals{{
    {"B", "Borà"},
    {"C", "Metà"},
    {"Si", "Silà"},
    {"N", "Amoníac"},
    {"P", "Fosfina"},
    {"As", "Arsina"},
    {"Sb", "Estibina"},
    {"O", "Aigua"},
}};

const char *nom_tradicional(const std::string &simbol) {
    for (const auto &[s, nom] : kNomsTradicionals)
        if (simbol == s) return nom;
    return nullptr;
}

// clang-format off
const std::string kNomTradicionalExplicat =
    "   El nom d'aquest compost no segueix les regles de formulació d'aquest tipus de compostos ja que els hidrurs no metàl·lics que es formen al combinar-se els elements B, C, Si, N, P, As, Sb i O prenen el nom tradicional.";

const std::string kValenciaCaracteristica =
    "   Com que sempre actua amb la valència característica del grup no és necessari indicar-la ni amb prefixos ni entre parèntesi i amb nombres romans.";
// clang-format on

Exercici hidrur_metallic(const Taules &t, Parell p, Tasca Mode_actual) {
    const int e = p.element;
    const std::string &v = t.valencia(p);
    const std::string &nom = t.nom(e);
    const std::string &simbol = t.simbol(e);

    Exercici ex = exercici_binari("HM", simbol, "", t.simbol(Fila_hidrogen), subindex(v));
    ex.Nom_compost = "Hidrur " + de(t, nom) + sufix_valencia(t, e, v);

    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És un hidrur metàl·lic en el què es combinen " + nom + " [" + simbol + "] amb valència " + v + " i hidrogen [H] que sempre actua amb valència 1." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        if (v == "1")
            c += "   Es formula escrivint primer el símbol de l'element metàl·lic [" + simbol + "] sense subíndex (perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] sense subíndex perquè l'element " + nom + " actua amb valència 1." + CRLF + CRLF;
        else
            c += "   Es formula escrivint primer el símbol de l'element metàl·lic [" + simbol + "] sense subíndex (perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] amb el subíndex [" + v + "] que correpon a la valència de l'element " + nom + ".";
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (t.diverses_valencies(e))
            c += "   S'anomena seguint l'estructura:   hidrur de [element] (valència)" + CRLF + CRLF +
                 "   Cal indicar la valència de l'element " + nom + " entre parèntesi i amb nombres romans perquè pot actuar amb més d'una.";
        else
            c += "   S'anomena seguint l'estructura:   hidrur de [element]" + CRLF + CRLF +
                 "   No cal indicar la valència de l'element " + nom + " perquè només pot actuar amb aquesta.";
    }
    // clang-format on
    return ex;
}

Exercici hidrur_no_metallic(const Taules &t, Parell p, Tasca Mode_actual) {
    const int e = p.element;
    const std::string &v = t.valencia(p);
    const std::string &nom = t.nom(e);
    const std::string &simbol = t.simbol(e);
    const std::string &H = t.simbol(Fila_hidrogen);

    // Hydrogen goes first for the elements flagged "hidrur invers".
    Exercici ex = t.hidrur_invers(e) ? exercici_binari("HX", H, subindex(v), simbol, "")
                                     : exercici_binari("HX", simbol, "", H, subindex(v));
    const char *tradicional = nom_tradicional(simbol);
    ex.Nom_compost = tradicional ? std::string(tradicional) : arrel_ur(t, e) + "ur d'hidrogen";

    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És un hidrur no metàl·lic en el què es combinen " + nom + " [" + simbol + "] " + " i hidrogen [H] que sempre actua amb valència 1." + CRLF + CRLF +
        "   En els hidrurs no metàl·lics, l'element (" + nom + ") actua sempre amb la valència característica del grup que en aquest cas és la " + v + "." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        // Water is written with hydrogen first, like the hydrides of the elements after it.
        if (tradicional && t.hidrur_invers(e))
            c += kNomTradicionalExplicat + " " + CRLF + CRLF +
                 "   Es formula escrivint primer " + hidrogen_primer(nom, simbol, v);
        else if (tradicional)
            c += kNomTradicionalExplicat + " " + CRLF + CRLF +
                 "   Es formula escrivint primer el símbol de l'element menys electronegatiu [" + simbol + "] sense subíndex (perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] (element més electronegatiu) amb el subíndex [" + v + "] que correpon a la valència característica de l'element " + nom + ".";
        else
            c += "   Es formula escrivint primer " + hidrogen_primer(nom, simbol, v);
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (tradicional)
            c += kNomTradicionalExplicat + " No hi ha més remei que aprendre-se'ls";
        else
            c += "   S'anomena seguint l'estructura:   [element]+ur d'hidrogen" + CRLF + CRLF + kValenciaCaracteristica;
    }
    // clang-format on
    return ex;
}

} // namespace

Exercici formularHIDRURS(const Taules &t, Parell p, Tasca Mode_actual) {
    return t.es_metall(p.element) ? hidrur_metallic(t, p, Mode_actual)
                                  : hidrur_no_metallic(t, p, Mode_actual);
}

Exercici formularHIDRURSHIDRACIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const int e = p.element;
    const std::string &v = t.valencia(p);
    const std::string &nom = t.nom(e);
    const std::string &simbol = t.simbol(e);

    Exercici ex = exercici_binari("HXA", t.simbol(Fila_hidrogen), subindex(v), simbol, "(aq)");
    ex.Nom_compost = "Àcid " + arrel_ur(t, e) + "hídric";

    // clang-format off
    std::string &c = ex.Comentari;
    c = "   És tracta d'un hidrur no metàl·lic que es troba en dissolució aquosa." + CRLF + CRLF;
    if (Mode_actual == Tasca::Formular) {
        // The text writes "és a dir" before a valence of 1 and "es a dir" before the others.
        c += std::string("   Es formula igual que el corresponent hidrur no metàl·lic, ") + (v == "1" ? "és" : "es") + " a dir, escrivint primer " + hidrogen_primer(nom, simbol, v);
        c += " Seguidament s'afegeix \"(aq)\" com si fós un subíndex per tal de diferenciar-lo de l'hidrur no metàl·lic del mateix element que no es troba en dissolució aquosa.";
    }
    if (Mode_actual == Tasca::Anomenar)
        c += "   S'anomena seguint l'estructura:   àcid [element]+hídric" + CRLF + CRLF + kValenciaCaracteristica;
    // clang-format on
    return ex;
}

} // namespace quimerix
