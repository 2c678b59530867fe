// Oxoacids: the element's oxide plus water. The ordinary family takes one molecule of water (the
// "meta" acids of B, P, As and Sb among them); the special family takes three.

#include "generation/oxoacids.h"

#include <array>
#include <utility>

#include "data/regles.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

// "   L'element ..." paragraph that tells which valence the name gives, n = 2..4; "" otherwise.
std::string paragraf_valencia(Frases f, int n, int p) {
    if (n < 2 || n > 4) return {};
    const Afixos a = afixos_oxoacid(n, p);
    // The text writes the ending of the first of three valences with a dash.
    f.amb("prefix", a.prefix).amb("sufix", (n == 3 && p == 1 ? "-" : "") + std::string(a.os ? "ós" : "ic"));
    f.amb("afixos", f(a.prefix.empty() ? "hxo.afixos.sufix" : "hxo.afixos.prefix_sufix"));
    f.amb("quantes", quantes_valencies(n)).amb("ordinal", ordinal(p));
    return f("hxo.valencia");
}

// "   Per saber el prefix i el sufix ..." for n valences, position p; "" when n is out of range.
std::string paragraf_prefix_sufix(Frases f, int n, int p) {
    if (n < 1 || n > 4) return {};
    const Afixos a = afixos_oxoacid(n, p);
    const std::string prefix = a.prefix.empty() ? f("afixos.sense_prefix") : a.prefix;
    f.amb("prefix", prefix).amb("sufix", a.os ? "ós" : "ic");
    f.amb("quantes", quantes_valencies(n)).amb("ordinal", ordinal(p));
    // The phrase is padded to a fixed column (the single-valence one a little further), and so is
    // the prefix.
    const std::string frase = f(n == 1 ? "afixos.frase.una_valencia" : "afixos.frase.diverses_valencies");
    const std::size_t columna = n == 1 ? 115 : 111;
    f.amb("frase", frase).amb("farciment", std::string(columna - longitud(frase), ' '));
    f.amb("farciment_prefix", std::string(30 - prefix.size(), ' '));
    return f("hxo.prefix_sufix");
}

// The "Recorda" sentence: joined to "Un cop formulat ..." when the hydrogen was simplified.
std::string recorda(const Exercici &e, const Frases &f) {
    if (!e[Subindex1].empty() && !e[Subindex2].empty() && !e[Subindex3].empty()) return {};
    return f(e[Subindex1] != "2" ? "hxo.recorda" : "hxo.recorda.paragraf");
}

using Correccio = std::pair<const char *, const char *>;

constexpr Correccio kAccentsOxoacids[] = {
    {"Àcid metaboric", "Àcid metabòric"},       {"Àcid carbonic", "Àcid carbònic"},
    {"Àcid silicic", "Àcid silícic"},           {"Àcid nitric", "Àcid nítric"},
    {"Àcid metafosforic", "Àcid metafosfòric"}, {"Àcid metarsenic", "Àcid metarsènic"},
    {"Àcid metantimonic", "Àcid metantimònic"}, {"Àcid sulfuric", "Àcid sulfúric"},
    {"Àcid selenic", "Àcid selènic"},           {"Àcid tel·luric", "Àcid tel·lúric"},
    {"Àcid fluoric", "Àcid fluòric"},           {"Àcid cloric", "Àcid clòric"},
    {"Àcid percloric", "Àcid perclòric"},       {"Àcid bromic", "Àcid bròmic"},
    {"Àcid perbromic", "Àcid perbròmic"},       {"Àcid iodic", "Àcid iòdic"},
    {"Àcid periodic", "Àcid periòdic"},
};

constexpr Correccio kAccentsEspecials[] = {
    {"Àcid boric", "Àcid bòric"},
    {"Àcid fosforic", "Àcid fosfòric"},
    {"Àcid arsenic", "Àcid arsènic"},
    {"Àcid antimonic", "Àcid antimònic"},
};

template <std::size_t N> std::string amb_accents(const std::string &nom, const Correccio (&taula)[N]) {
    for (const auto &[sense, amb] : taula)
        if (nom == sense) return amb;
    return nom;
}

// Formula boxes and shape shared by both families: H, X, O with their subscripts, no brackets and
// no group subscript.
Exercici exercici_acid(const Taules &t, Parell p, int aigues) {
    Exercici e;
    e.Codi_exercici = "HXO";
    const Subindexs_oxoacid s = subindexs_oxoacid(t, p, aigues);
    e[Simbol1] = t.simbol(Fila_hidrogen);
    e[Subindex1] = subindex(s.hidrogen);
    e[Simbol2] = t.simbol(p.element);
    e[Subindex2] = subindex(s.element);
    e[Simbol3] = t.simbol(Fila_oxigen);
    e[Subindex3] = subindex(s.oxigen);
    e.visibles = {true, true, true, true, true, true, false};
    e.claudators = false;
    return e;
}

} // namespace

Subindexs_oxoacid subindexs_oxoacid(const Taules &t, Parell p, int aigues) {
    // The element takes oxygen's valence, oxygen the element's.
    std::array<int, 2> oxid{enter(t.valencia(p)), enter(t.cel(Fila_oxigen, Valencia1))};
    simplifica_successiu(oxid);
    std::array<int, 3> acid{oxid[0] + aigues, oxid[1], 2 * aigues};
    simplifica_successiu(acid);
    return {acid[2], acid[1], acid[0]};
}

Afixos afixos_oxoacid(int n, int p) {
    Afixos a;
    if ((n == 3 || n == 4) && p == 1) a.prefix = "hipo";
    if (n == 4 && p == 4) a.prefix = "per";
    a.os = (n == 2 && p == 1) || ((n == 3 || n == 4) && (p == 1 || p == 2));
    return a;
}

std::string quantes_valencies(int n) {
    static const char *const kQuantes[] = {"", "una", "dues", "tres", "quatre"};
    return (n >= 1 && n <= 4) ? kQuantes[n] : "";
}

std::string ordinal(int p) {
    static const char *const kOrdinals[] = {"", "primera", "segona", "tercera", "quarta"};
    return (p >= 1 && p <= 4) ? kOrdinals[p] : "";
}

std::string nom_oxoacid_sense_accents(const Taules &t, Parell p, bool meta) {
    const int e = p.element;
    std::string cap = "Àcid ";
    if (meta && t.acid_especial(e)) {
        cap = "Àcid meta";
        if (primer_caracter(t.nom(e)) == "a" && t.valencia(p) != t.cel(e, Valencia1)) cap = "Àcid met";
    }
    const std::string &arrel_acid = t.cel(e, Arrel_acid);
    const std::string arrel = arrel_acid.empty() ? t.nom(e) : arrel_acid;
    const int n = t.nombre_valencies(e), pos = posicio_valencia(p);
    const Afixos a = afixos_oxoacid(n, pos);
    const std::string final = a.os ? "ós" : arrel.ends_with('i') ? "c" : "ic";
    return cap + a.prefix + arrel + final;
}

Exercici formularOXIACIDS(const Taules &t, Parell p, Tasca Mode_actual) {
    Exercici e = exercici_acid(t, p, 1);
    e.Nom_compost = amb_accents(nom_oxoacid_sense_accents(t, p, true), kAccentsOxoacids);

    const int fila = p.element;
    const std::string &nom = t.nom(fila);
    const std::string &simbol = t.simbol(fila);
    const std::string &v = t.valencia(p);
    const int n = t.nombre_valencies(fila), pos = posicio_valencia(p);
    const bool meta = t.acid_especial(fila);

    Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = e.Comentari;
    c = f("hxo.cap");
    if (Mode_actual == Tasca::Formular) {
        f.amb("paragraf_valencia", paragraf_valencia(f, n, pos));
        c += f("hxo.formula");
        if (e[Subindex1] != "2") c += f("comu.simplificar");
        c += recorda(e, f);
        if (meta) c += f("hxo.meta");
    } else if (Mode_actual == Tasca::Anomenar) {
        c += meta ? f("hxo.nom.meta") + f("hxo.meta") : f("hxo.nom");
        c += paragraf_prefix_sufix(f, n, pos);
    }
    return e;
}

Exercici formularOXIACIDSESPECIALS(const Taules &t, Parell p, Tasca Mode_actual) {
    const int fila = p.element;
    // Three molecules of water for B, P, As and Sb; any other element would take one.
    Exercici e = exercici_acid(t, p, t.acid_especial(fila) ? 3 : 1);
    e.Nom_compost = amb_accents(nom_oxoacid_sense_accents(t, p, false), kAccentsEspecials);

    const std::string &nom = t.nom(fila);
    const std::string &simbol = t.simbol(fila);
    const std::string &v = t.valencia(p);
    const int n = t.nombre_valencies(fila), pos = posicio_valencia(p);

    Frases f{{"nom", nom}, {"simbol", simbol}, {"valencia", v}};
    std::string &c = e.Comentari;
    c = f("hxo_especial.cap");
    if (Mode_actual == Tasca::Formular) {
        f.amb("paragraf_valencia", n == 3 ? paragraf_valencia(f, n, pos) : "");
        c += f("hxo_especial.formula");
        if (e[Subindex1] != "6") c += f("comu.simplificar");
        c += recorda(e, f);
    } else if (Mode_actual == Tasca::Anomenar) {
        c += f("hxo_especial.nom");
        if (n == 1 || n == 3) c += paragraf_prefix_sufix(f, n, pos);
    }
    return e;
}

} // namespace quimerix
