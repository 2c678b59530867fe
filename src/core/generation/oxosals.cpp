// Oxosalts: a metal in place of the hydrogen of an oxoacid. The ordinary family takes the
// one-water acids (named "Meta..." for the special elements); the special family the three-water
// acids of boron and phosphorus.

#include <array>
#include <string>

#include "data/regles.h"
#include "data/taules.h"
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

// Why the non-metal acts with this valence, after "és [v".
std::string rao_valencia(int n, int p) {
    const Afixos a = afixos_oxoacid(n, p);
    const std::string sufix = a.os ? "[it] que equival al sufix [ós]" : "[at] que equival al sufix [ic]";
    // The texts of the comments stay one sentence to a line, as the student reads them.
    // clang-format off
    std::string r = "] perquè l'anió té " + (a.prefix.empty() ? "" : "el prefix [" + a.prefix + "] i ") + "el sufix " + sufix + " dels oxoàcids.";
    if (n == 1) return r + " Com que aquest element només pot actuar amb aquesta valència no pot haver-hi confusió.";
    // The text says "quatres" for the second of four.
    const std::string quantes = quantes_valencies(n) + (n == 4 && p == 2 ? "s" : "");
    return r + " Com que aquest element pot actuar amb " + quantes + " valències, aquest " + (a.prefix.empty() ? "sufix" : "prefix i sufix") + " ens indica que serà la " + ordinal(p) + " d'elles.";
    // clang-format on
}

// The prefix and suffix paragraph that tells how the anion is named; no line break after it.
std::string paragraf_prefix_sufix(const Taules &t, const Sal &s) {
    const Afixos a = afixos_oxoacid(s.n, s.p);
    const std::string &NX = t.nom(s.X);
    // clang-format off
    const std::string afixos = "   [prefix] = " + (a.prefix.empty() ? "no n'hi ha" : a.prefix) + "   [sufix] = " + (a.os ? "it" : "at");
    const std::string cas = s.n == 1 ? " només pot actuar amb aquesta valència, es té que:"
                                     : " pot actuar amb " + quantes_valencies(s.n) + " valències diferents i aquesta, és la " + ordinal(s.p) + " es té que:";
    return " Per saber el prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element " + NX + " en ordre creixent."
           " En aquest cas actua amb la valència [" + s.v + "]."
           " Com que l'element " + NX + cas + afixos;
    // clang-format on
}

// What the name says about the metal's valence.
std::string frase_metall(const Taules &t, const Sal &s) {
    const std::string cap = "L'element " + t.nom(s.M) + " [" + t.simbol(s.M) + "] ";
    // clang-format off
    if (!t.diverses_valencies(s.M)) return cap + "només actua amb valència, [" + s.w + "] i com que no pot actuar amb cap més, no cal indicar-la.";
    return cap + "actua amb valència, [" + s.w + "] i com que pot actuar amb més d'una, cal indicar-la.";
    // clang-format on
}

std::string comentari_oxosal(const Taules &t, const Sal &s, Tasca Mode_actual) {
    const std::string &NX = t.nom(s.X);
    const std::string &SX = t.simbol(s.X);
    const std::string &NM = t.nom(s.M);
    const std::string &SM = t.simbol(s.M);
    const Exercici &e = s.e;

    // clang-format off
    std::string c = "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic.";
    if (Mode_actual == Tasca::Formular) {
        c += " Per formular aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé."
             " La valència del metall es posa com a subíndex de tot l'ió que prové de l'oxoàcid." + CRLF;
        c += "   Aquí l'oxosal prové de l'oxoàcid de l'element " + NX + " [" + SX + "] amb valència [" + s.v + "] i el metall " + NM + " [" + SM + "] amb valència [" + s.w + "]." + CRLF;
        c += "   La valència del no metall " + NX + " [" + SX + "] és [" + s.v + rao_valencia(s.n, s.p) + CRLF;
        if (t.acid_especial(s.X))
            c += "   El prefix [meta] indica que és una oxosal especial (les de [B], [P], [As] i [Sb])."
                 " Aquesta prové de l'oxoàcid de l'element " + NX + " [" + SX + "] i ens informa que s'ha format amb una sola molècula d'aigua.";
        else
            c += "  ";
        if (e[Subindex_grup] != s.w && s.w != "1")
            c += " Cal simplificar els subíndexs de l'element " + SM + " amb el subíndex de l'ió provenent de l'oxoàcid.";
        if (e[Subindex1].empty() || e[Subindex_grup].empty())
            c += " Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi.";
    } else if (Mode_actual == Tasca::Anomenar) {
        if (!t.acid_especial(s.X)) {
            c += " La valència amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira quin és el subíndex de l'oxigen [O]."
                 " Si no obtenim valències coherents cal estar alerta a possibles simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi."
                 " Com a referència es té que l'oxoàcid sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un subíndex [2] a l'element " + NX + "."
                 " La valència amb què actua el metall és el subíndex que acompanya l'ió provinent de l'oxoàcid vigilant també possibles simplificacions.";
            c += " Per anomenar-los es segueix l'estructura:   [prefix]+[no metall]+[sufix] de [metall]";
            if (t.diverses_valencies(s.M)) c += "   (valència del metall)";
            c += CRLF + "   " + frase_metall(t, s) + CRLF + "  ";
        } else {
            c += " La valència del no metall s'obté de restar a l'oxoàcid previ una molècula d'aigua (H2O) i mirar el subíndex de l'oxigen [O]."
                 " Si no obtenim valències coherents cal vigilar possibles simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi."
                 " Com a referència es té que l'oxoàcid sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat un subíndex [2] a l'element " + NX + "."
                 " La valència del metall serà el subíndex que acompanya l'ió provinent de l'oxoàcid vigilant també possibles simplificacions.";
            c += " Per anomenar-los es segueix l'estructura:   meta[prefix]+[no metall]+[sufix] de [metall]   (valència del metall) " + CRLF +
                 "   El prefix [meta] indica oxoàcid especial ([B],[P],[As] i [Sb]) i que aquí es forma amb una molècula d'aigua.";
            c += " " + frase_metall(t, s);
        }
        c += paragraf_prefix_sufix(t, s);
    }
    // clang-format on
    return c;
}

std::string comentari_oxosal_especial(const Taules &t, const Sal &s, Tasca Mode_actual) {
    const std::string &NX = t.nom(s.X);
    const std::string &SX = t.simbol(s.X);
    const std::string &NM = t.nom(s.M);
    const std::string &SM = t.simbol(s.M);
    const Exercici &e = s.e;
    const bool amb_paragraf = s.n == 1 || s.n == 3;

    // clang-format off
    std::string c = "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un element metàl·lic.";
    if (Mode_actual == Tasca::Formular) {
        c += " Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé."
             " La valència del metall es posa com a subíndex de tot l'ió que prové de l'oxoàcid.";
        c += " Aquí l'oxosal prové de l'oxoàcid especial de l'element " + NX + " [" + SX + "] amb valència [" + s.v + "] i del metall " + NM + " [" + SM + "] amb valència [" + s.w + "].";
        c += " Recorda que els oxoàcids especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una.";
        if (amb_paragraf)
            c += " La valència del no metall " + NX + " [" + SX + "] és [" + s.v + rao_valencia(s.n, s.p);
        c += " No porta el prefix [meta] i això ens informa que l'oxoàcid especial del què prové aquesta oxosal especial s'ha format amb tres molècules d'aigua.";
        if (e[Subindex_grup] != s.w && s.w != "1")
            c += " Cal simplificar els subíndexs de l'element " + SM + " amb el subíndex de l'ió provinent de l'oxoàcid especial.";
        if (e[Subindex1].empty() || e[Subindex_grup].empty())
            c += " Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest correspon al subíndex de l'ió provinent de l'oxoàcid especial no cal posar l'ió entre parèntesi.";
    } else if (Mode_actual == Tasca::Anomenar) {
        c += " S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall) " + CRLF;
        c += "   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha format amb tres molècules d'aigua.";
        c += " " + frase_metall(t, s);
        if (amb_paragraf) c += paragraf_prefix_sufix(t, s);
    }
    // clang-format on
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
