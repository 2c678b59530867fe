// Oxosalts: a metal in place of the hydrogen of an oxoacid. The ordinary family takes the
// one-water acids (named "Meta..." for the special elements); the special family the three-water
// acids of boron and phosphorus.

#include <array>
#include <string>

#include "data/regles.h"
#include "data/taules.h"
#include "generation/comentaris.h"
#include "generation/constructors.h"
#include "generation/oxoacids.h"

namespace quimerix {

namespace {

// The material of one salt, with the formula already simplified.
struct Sal {
    int X = 0;     // row of the acid-forming non-metal
    int M = 0;     // row of the metal
    std::string v; // valence of X
    std::string w; // valence of M
    int n = 0;     // number of valences of X
    int p = 0;     // position of v among them, 1 = the lowest
    Exercici e;
};

// Formula of the salt. aigües: molecules of water added to the oxide (1 ordinary, 3 special).
Sal prepara(const Taules &t, Parell a, Parell b, int aigues) {
    Sal s;
    s.X = a.element;
    s.M = b.element;
    s.v = t.valencia(a);
    s.w = t.valencia(b);
    s.n = t.nombre_valencies(s.X);
    s.p = posicio_valencia(a);

    // The oxide X2Ov, simplified.
    auto [oxigen, element] = simplifica(enter(s.v), 2);
    // The acid: water added, the metal takes the place of the hydrogen.
    std::array<int, 3> acid{oxigen + aigues, element, 2 * aigues};
    simplifica_successiu(acid);
    // The salt: the metal's valence goes to the group, against the anion's charge.
    std::array<int, 2> sal{enter(s.w), acid[2]};
    simplifica_successiu(sal);

    Exercici &e = s.e;
    e.Codi_exercici = "MHX";
    e[Simbol1] = t.simbol(s.M);
    e[Subindex1] = subindex(sal[1]);
    e[Simbol2] = t.simbol(s.X);
    e[Subindex2] = subindex(acid[1]);
    e[Simbol3] = t.simbol(Fila_oxigen);
    e[Subindex3] = subindex(acid[0]);
    e[Subindex_grup] = subindex(sal[0]);
    if (e[Subindex_grup].empty()) {
        e.visibles = {true, true, true, true, true, true, false};
        e.claudators = false;
    } else {
        e.visibles = {true, true, true, true, true, true, true};
        e.claudators = true;
    }
    return s;
}

// The anion's word: the acid's "hipo"/"per", and "it" where the acid ends in "ós", "at" for "ic".
std::string paraula_anio(const Taules &t, const Sal &s) {
    const std::string &arrel_anio = t.cel(s.X, Arrel_oxoanio);
    const std::string arrel = arrel_anio.empty() ? t.nom(s.X) : arrel_anio;
    const Afixos afixos = afixos_oxoacid(s.n, s.p);
    return afixos.prefix + arrel + (afixos.os ? "it" : "at");
}

// " de metall" with the Roman numeral when the metal has more than one valence.
std::string part_metall(const Taules &t, const Sal &s) {
    return " " + preposicio_de(t, t.nom(s.M)) + t.nom(s.M) + sufix_valencia(t, s.M, s.w);
}

// The values of a salt's comment: the non-metal's name, symbol and valence, then the metal's; what
// the anion's prefix and suffix say ({afixos}, {confusio}), and what the name says about the metal.
Frases frases(const Taules &t, const Sal &s) {
    Frases f{{"nom", t.nom(s.X)},  {"simbol", t.simbol(s.X)},  {"valencia", s.v},
             {"nom2", t.nom(s.M)}, {"simbol2", t.simbol(s.M)}, {"valencia2", s.w}};
    const Afixos a = afixos_oxoacid(s.n, s.p);
    f.amb("prefix", a.prefix).amb("sufix", a.os ? "ós" : "ic").amb("sufix_anio", a.os ? "it" : "at");
    // The text says "quatres" for the second of four.
    f.amb("quantes", quantes_valencies(s.n) + (s.n == 4 && s.p == 2 ? "s" : "")).amb("ordinal", ordinal(s.p));
    f.amb("afixos", f(a.prefix.empty() ? "mhx.afixos.sufix" : "mhx.afixos.prefix_sufix"));
    f.amb("confusio", f(s.n == 1           ? "mhx.confusio.una_valencia"
                        : a.prefix.empty() ? "mhx.confusio.sufix"
                                           : "mhx.confusio.prefix_sufix"));
    f.amb("frase_metall",
          f(t.diverses_valencies(s.M) ? "mhx.metall.diverses_valencies" : "mhx.metall.una_valencia"));
    return f;
}

// The prefix and suffix paragraph that tells how the anion is named; no line break after it.
std::string paragraf_prefix_sufix(Frases f, const Sal &s) {
    const Afixos a = afixos_oxoacid(s.n, s.p);
    if (a.prefix.empty()) f.amb("prefix", f("afixos.sense_prefix"));
    f.amb("quantes", quantes_valencies(s.n));
    f.amb("frase", f(s.n == 1 ? "afixos.frase.una_valencia" : "afixos.frase.diverses_valencies"));
    return f("mhx.prefix_sufix");
}

std::string comentari_oxosal(const Taules &t, const Sal &s, Tasca Mode_actual) {
    const Frases f = frases(t, s);
    const Exercici &e = s.e;
    std::string c = f("mhx.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("mhx.formula");
        c += f(t.acid_especial(s.X) ? "mhx.formula.meta" : "mhx.formula.sense_meta");
        if (e[Subindex_grup] != s.w && s.w != "1") c += f("mhx.formula.simplificar");
        if (e[Subindex1].empty() || e[Subindex_grup].empty()) c += f("mhx.formula.en_blanc");
    } else if (Mode_actual == Tasca::Anomenar) {
        if (!t.acid_especial(s.X)) {
            c += f("mhx.nom");
            if (t.diverses_valencies(s.M)) c += f("mhx.nom.valencia_metall");
            c += f("mhx.nom.metall");
        } else {
            c += f("mhx.nom.meta");
        }
        c += paragraf_prefix_sufix(f, s);
    }
    return c;
}

std::string comentari_oxosal_especial(const Taules &t, const Sal &s, Tasca Mode_actual) {
    const Frases f = frases(t, s);
    const Exercici &e = s.e;
    const bool amb_paragraf = s.n == 1 || s.n == 3;
    std::string c = f("mhx_especial.cap");
    if (Mode_actual == Tasca::Formular) {
        c += f("mhx_especial.formula");
        if (amb_paragraf) c += f("mhx_especial.formula.valencia_no_metall");
        c += f("mhx_especial.formula.sense_meta");
        if (e[Subindex_grup] != s.w && s.w != "1") c += f("mhx_especial.formula.simplificar");
        if (e[Subindex1].empty() || e[Subindex_grup].empty()) c += f("mhx_especial.formula.en_blanc");
    } else if (Mode_actual == Tasca::Anomenar) {
        c += f("mhx_especial.nom");
        if (amb_paragraf) c += paragraf_prefix_sufix(f, s);
    }
    return c;
}

} // namespace

Exercici formularOXISALS(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    Sal s = prepara(t, a, b, 1);
    std::string nom = paraula_anio(t, s);
    if (t.acid_especial(s.X)) nom = (primer_caracter(t.nom(s.X)) == "a" ? "Met" : "Meta") + nom;
    s.e.Nom_compost = nom + part_metall(t, s);
    s.e.Comentari = comentari_oxosal(t, s, Mode_actual);
    return s.e;
}

Exercici formularOXISALSESPECIALS(const Taules &t, Parell a, Parell b, Tasca Mode_actual) {
    Sal s = prepara(t, a, b, 3);
    std::string nom = paraula_anio(t, s) + part_metall(t, s);
    // The salts of the phosphorus acid of valence 3 are phosphonites.
    static const std::string kFosfit = "fosfit";
    if (nom.starts_with(kFosfit)) nom = "fosfonit" + nom.substr(kFosfit.size());
    s.e.Nom_compost = nom;
    s.e.Comentari = comentari_oxosal_especial(t, s, Mode_actual);
    return s.e;
}

} // namespace quimerix
