// Oxoacids: the element's oxide plus water. The ordinary family takes one molecule of water (the
// "meta" acids of B, P, As and Sb among them); the special family takes three.

#include "generation/oxoacids.h"

#include <array>
#include <utility>

#include "data/regles.h"
#include "generation/constructors.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

const std::string kRecorda = "Recorda que els subíndexs que tenen valor 1 cal deixar-los en blanc.";
const std::string kUnCop = "   Un cop formulat cal simplificar els subíndexs.";
// The texts of the comments stay one sentence to a line, as the student reads them.
// clang-format off
const std::string kMeta = "   El prefix [meta] indica que és un oxoàcid especial (els de [B], [P], [As] i [Sb]) i que aquí es forma amb una sola molècula d'aigua.";
// clang-format on

// "   L'element ..." paragraph that tells which valence the name gives, n = 2..4; "" otherwise.
std::string paragraf_valencia(const std::string &nom, int n, int p, const std::string &v) {
    if (n < 2 || n > 4) return {};
    const Afixos a = afixos_oxoacid(n, p);
    // The text writes the ending of the first of three valences with a dash.
    const std::string sufix = (n == 3 && p == 1 ? "-" : "") + std::string(a.os ? "ós" : "ic");
    const std::string afixos = a.prefix.empty() ? "el sufix [" + sufix + "]"
                                                : "el prefix [" + a.prefix + "] i el sufix [" + sufix + "]";
    // clang-format off
    return "   L'element " + nom + " pot actuar amb " + quantes_valencies(n) + " valències diferents."
           " En aquest cas sabem que actua amb la " + ordinal(p) + " [" + v + "] (ordenades per ordre creixent) perquè al nom del compost hi ha " + afixos + " que ens ho indica." + CRLF + CRLF;
    // clang-format on
}

// "   Per saber el prefix i el sufix ..." for n valences, position p; "" when n is out of range.
std::string paragraf_prefix_sufix(const std::string &nom, int n, int p, const std::string &v) {
    if (n < 1 || n > 4) return {};
    const Afixos a = afixos_oxoacid(n, p);
    const std::string prefix = a.prefix.empty() ? "no n'hi ha" : a.prefix;
    // The phrase is padded to a fixed column (the single-valence one a little further), and so is
    // the prefix.
    // clang-format off
    const std::string frase = n == 1 ? " només pot actuar amb aquesta valència, es té que:"
                                     : " pot actuar amb " + quantes_valencies(n) + " valències diferents i aquesta, és la " + ordinal(p) + " es té que:";
    const std::size_t columna = n == 1 ? 115 : 111;
    return "   Per saber el prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element " + nom + " en ordre creixent."
           " En aquest cas actua amb la valència [" + v + "]."
           " Com que l'element " + nom + frase + std::string(columna - longitud(frase), ' ') +
           "[prefix] = " + prefix + std::string(30 - prefix.size(), ' ') + "[sufix] = " + (a.os ? "ós" : "ic") + CRLF + CRLF;
    // clang-format on
}

// The "Recorda" sentence: joined to "Un cop formulat ..." when the hydrogen was simplified.
std::string recorda(const Exercici &e) {
    if (!e[Subindex1].empty() && !e[Subindex2].empty() && !e[Subindex3].empty()) return {};
    return (e[Subindex1] != "2" ? " " : "   ") + kRecorda + CRLF;
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

    // clang-format off
    std::string &c = e.Comentari;
    c = "   És tracta d'un oxoàcid que és un compost format per combinació d'un òxid no metàl·lic amb aigua."
        " En ell es combinen el no metall " + nom + " [" + simbol + "] que actua amb valència [" + v + "] i una molècula d'aigua [H2O].";
    if (Mode_actual == Tasca::Formular) {
        c += CRLF;
        c += paragraf_valencia(nom, n, pos, v);
        c += "   Per formular-lo cal formular l'òxid no metal·lic de l'element " + nom + " [" + simbol + "] i sumar-li una molècula d'aigua [H2O] (es sumen els subíndexs dels elements iguals)."
             " S'escriu sempre seguint l'ordre:   [H] [subíndex]   [" + simbol + "] [subíndex]   [O] [subíndex]." + CRLF + CRLF;
        if (e[Subindex1] != "2") c += kUnCop;
        c += recorda(e);
        if (meta) c += kMeta + CRLF;
    } else if (Mode_actual == Tasca::Anomenar) {
        if (!meta)
            c += " Per saber amb quina valència actua cal restar una molècula d'aigua (H2O) al compost i veure quin és el subíndex que acompanya a l'oxigen [O]."
                 " En el cas que no obtinguem valències coherents cal estar alerta a possibles simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi."
                 " Es pot agafar com a referència que l'oxoàcid sense simplificar hauria de tenir un [2] com a subíndex de l'hidrogen [H] i l'òxid no simplificat hauria de tenir un [2] com a subíndex de l'element " + nom + "."
                 " Per anomenar-los es segueix l'estructura:" + std::string(59, ' ') + "àcid" + std::string(3, ' ') + "[prefix]+[element]+[sufix]" + CRLF;
        else
            c += " Per saber amb quina valència actua es resta una molècula d'aigua (H2O) al compost i es mira quin és el subíndex de l'oxigen [O]."
                 " En el cas que no obtinguem valències coherents cal estar alerta a possibles simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi."
                 " Es pot agafar com a referència que l'oxoàcid sense simplificar hauria de tenir un [2] com a subíndex de l'hidrogen [H] i l'òxid no simplificat hauria de tenir un [2] com a subíndex de l'element " + nom + "."
                 " Per anomenar-los es segueix l'estructura:" + std::string(10, ' ') + "àcid" + std::string(3, ' ') + "meta[prefix]+[element]+[sufix]" + CRLF + kMeta + CRLF;
        c += paragraf_prefix_sufix(nom, n, pos, v);
    }
    // clang-format on
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

    // clang-format off
    std::string &c = e.Comentari;
    c = "   És un oxoàcid especial (els de bor, fòsfor, arsènic i antimoni) que éstà format per combinació d'un òxid no metàl·lic amb aigua."
        " En ell es combinen el no metall " + nom + " [" + simbol + "] que actua amb valència [" + v + "] i tres molècules d'aigua [H2O].";
    if (Mode_actual == Tasca::Formular) {
        c += CRLF;
        if (n == 3) c += paragraf_valencia(nom, n, pos, v);
        c += "   Per formular-lo cal formular l'òxid no metal·lic de l'element " + nom + " [" + simbol + "] i sumar-li tres molècules d'aigua [H2O] (es sumen els subíndexs dels elements iguals)."
             " S'escriu sempre seguint l'ordre:   [H] [subíndex]   [" + simbol + "] [subíndex]   [O] [subíndex]." + CRLF + CRLF;
        c += "   Hem de sumar-hi tres molècules d'aigua enlloc d'una perquè és un oxoàcid especial i no porta el prefix [meta]." + CRLF;
        if (e[Subindex1] != "6") c += kUnCop;
        c += recorda(e);
    } else if (Mode_actual == Tasca::Anomenar) {
        c += " Per saber amb quina valència actua es resten tres molècula d'aigua (H2O) al compost i es mira quin és el subíndex de l'oxigen [O]."
             " En el cas que no obtinguem valències coherents cal estar alerta a possibles simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi."
             " Es té com a referència que l'oxoàcid sense simplificar hauria de tenir un [6] com a subíndex de l'hidrogen [H] i l'òxid no simplificat hauria de tenir un [2] com a subíndex de l'element " + nom + "."
             " S'anomenen segons l'estructura:   àcid   [prefix]+[element]+[sufix]" + CRLF;
        c += "   No s'ha de posar el prefix [meta] per diferenciar-lo de l'oxoàcid del mateix element que es forma amb una sola molècula d'aigua." + CRLF;
        if (n == 1 || n == 3) c += paragraf_prefix_sufix(nom, n, pos, v);
    }
    // clang-format on
    return e;
}

} // namespace quimerix
