// Hydrides of metals ("HM") and of non-metals ("HX"), and hydracids ("HXA").

#include <array>
#include <string>
#include <utility>

#include "generation/binaris_comu.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"

namespace quimerix {

using namespace binaris;

namespace {

// How a formula with hydrogen first is written, from "el símbol de l'hidrogen" on; shared by the
// non-metal hydrides and the hydracids.
std::string hidrogen_primer(Frases &f, const std::string &v) {
    f.amb("subindex_hidrogen", f(v == "1" ? "hidrogen.sense_subindex" : "hidrogen.amb_subindex"));
    return f("hidrogen.primer");
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

Exercici hidrur_metallic(const Taules &t, Parell p, Tasca Mode_actual) {
    const Element_valencia x = element_valencia(t, p);
    Exercici ex = exercici_binari("HM", x.simbol, "", t.simbol(Fila_hidrogen), subindex(x.v));
    ex.Nom_compost = "Hidrur " + de(t, x.nom) + sufix_valencia(t, x.e, x.v);
    ex.Comentari = comentari_per_valencia(t, x, "hm", Mode_actual);
    return ex;
}

Exercici hidrur_no_metallic(const Taules &t, Parell p, Tasca Mode_actual) {
    const auto [e, v, nom, simbol] = element_valencia(t, p);
    const std::string &H = t.simbol(Fila_hidrogen);

    // Hydrogen goes first for the elements flagged "hidrur invers".
    Exercici ex = t.hidrur_invers(e) ? exercici_binari("HX", H, subindex(v), simbol, "")
                                     : exercici_binari("HX", simbol, "", H, subindex(v));
    const char *tradicional = nom_tradicional(simbol);
    ex.Nom_compost = tradicional ? std::string(tradicional) : arrel_ur(t, e) + "ur d'hidrogen";

    Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = ex.Comentari;
    c = f("hx.cap");
    if (Mode_actual == Tasca::Formular) {
        // Water is written with hydrogen first, like the hydrides of the elements after it.
        if (tradicional && t.hidrur_invers(e)) {
            f.amb("hidrogen_primer", hidrogen_primer(f, v));
            c += f("hx.tradicional") + f("hx.formula.tradicional_hidrogen_primer");
        } else if (tradicional) {
            c += f("hx.tradicional") + f("hx.formula.tradicional");
        } else {
            f.amb("hidrogen_primer", hidrogen_primer(f, v));
            c += f("hx.formula");
        }
    }
    if (Mode_actual == Tasca::Anomenar) {
        if (tradicional)
            c += f("hx.tradicional") + f("hx.nom.tradicional");
        else
            c += f("hx.nom") + f("comu.valencia_caracteristica");
    }
    return ex;
}

} // namespace

Exercici formularHIDRURS(const Taules &t, Parell p, Tasca Mode_actual) {
    return t.es_metall(p.element) ? hidrur_metallic(t, p, Mode_actual)
                                  : hidrur_no_metallic(t, p, Mode_actual);
}

Exercici formularHIDRURSHIDRACIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    const auto [e, v, nom, simbol] = element_valencia(t, p);

    Exercici ex = exercici_binari("HXA", t.simbol(Fila_hidrogen), subindex(v), simbol, "(aq)");
    ex.Nom_compost = "Àcid " + arrel_ur(t, e) + "hídric";

    Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = ex.Comentari;
    c = f("hxa.cap");
    if (Mode_actual == Tasca::Formular) {
        // The text writes "és a dir" before a valence of 1 and "es a dir" before the others.
        f.amb("es_a_dir", f(v == "1" ? "hxa.es_a_dir.valencia_1" : "hxa.es_a_dir"));
        f.amb("hidrogen_primer", hidrogen_primer(f, v));
        c += f("hxa.formula");
    }
    if (Mode_actual == Tasca::Anomenar) c += f("hxa.nom") + f("comu.valencia_caracteristica");
    return ex;
}

} // namespace quimerix
