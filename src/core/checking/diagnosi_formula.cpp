// The diagnosis of a formula typed in the boxes: its symbols, subscripts, order and brackets read
// against the compound's elements and valences.

#include <algorithm>
#include <cctype>
#include <numeric>

#include "checking/assistent.h"
#include "checking/diagnosi_comu.h"
#include "data/regles.h"
#include "generation/oxoacids.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix::detall_diagnosi {

// ---- Formulas ----------------------------------------------------------------------------------

// The element symbols of the visible boxes with their subscripts.
std::vector<Unitat> unitats(const Exercici &e, const std::array<std::string, Nombre_caixes> &caixes) {
    std::vector<Unitat> u;
    for (Caixa s : {Simbol1, Simbol2, Simbol3})
        if (e.visibles[s]) u.push_back({caixes[s], caixes[s + 1]});
    return u;
}

// A subscript box as a number ("" is 1); the "(aq)" of a hydracid is set apart. -1: unreadable.
int numero(std::string s) {
    if (s.ends_with("(aq)")) s.resize(s.size() - 4);
    if (s.empty()) return 1;
    if (!std::all_of(s.begin(), s.end(),
                     [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }))
        return -1;
    return std::stoi(s);
}

// The symbol that the letters spell with the right case, when one exists.
std::string simbol_ben_escrit(const Taules &t, const std::string &s) {
    if (s.empty() || fila_de_simbol(t, s)) return s;
    for (int f = 1; f <= Nombre_elements; ++f)
        if (minuscules_ascii(t.simbol(f)) == minuscules_ascii(s)) return t.simbol(f);
    return s;
}

std::string valencies_creuades(const Context &cx) {
    const Taules &t = cx.t;
    const std::vector<Part> p = cx.parts();
    const std::string &codi = cx.e.Codi_exercici;
    if (codi == "OH" && !p.empty())
        return "El subíndex del grup OH és la valència " + del(t.nom(p[0].fila)) + " (" +
               std::to_string(p[0].valencia) + "): " + cx.formula + ".";
    if (codi == "HXO" && cx.c) {
        const Exercici oxid = construeix(t, Tipus_compost::Oxid, cx.c->a, {}, Tasca::Formular);
        return "L'àcid surt de l'òxid " + oxid.formula() + " " + del(t.nom(cx.c->a.element)) + " (valència " +
               t.valencia(cx.c->a) + ") amb aigua: " + cx.formula + ".";
    }
    if (codi == "MHX" && cx.c && !p.empty()) {
        const int vm = p[0].valencia;
        const int m = numero(cx.e[Subindex1]), g = numero(cx.e[Subindex_grup]);
        const int q = g > 0 ? vm * m / g : 0;
        const std::string anio = cx.e[Simbol2] + cx.e[Subindex2] + cx.e[Simbol3] + cx.e[Subindex3];
        return majuscula_inicial(amb_article(t.nom(p[0].fila))) + " hi actua amb valència " +
               std::to_string(vm) + " i l'anió " + anio + " té càrrega " + std::to_string(q) +
               ": es creuen i donen " + cx.formula + ".";
    }
    if (p.size() == 2) {
        std::string s = amb_article(t.nom(p[0].fila)) + " hi actua amb valència " +
                        std::to_string(p[0].valencia) + " i " + amb_article(t.nom(p[1].fila)) +
                        " amb valència " + std::to_string(p[1].valencia) +
                        ": les valències es creuen i donen " + cx.formula + ".";
        s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
        return s;
    }
    return "La fórmula és " + cx.formula + ".";
}

std::vector<Troballa> diagnostica_formula(const Context &cx, std::array<std::string, Nombre_caixes> caixes,
                                          std::optional<bool> claudators_escrits) {
    std::vector<Troballa> r;
    const Taules &t = cx.t;
    const Exercici &e = cx.e;
    const bool claudators_bons = !claudators_escrits || *claudators_escrits == e.claudators;
    if (corregeix_formula(caixes, e) && claudators_bons) return r;

    // Case of the symbols.
    std::vector<std::string> esperats;
    for (const Unitat &u : unitats(e, e.caixes))
        esperats.push_back(u.simbol);
    for (Caixa s : {Simbol1, Simbol2, Simbol3}) {
        if (!e.visibles[s] || caixes[s] == e[s]) continue;
        const std::string ben = simbol_ben_escrit(t, caixes[s]);
        if (ben != caixes[s] && std::find(esperats.begin(), esperats.end(), ben) != esperats.end()) {
            afegeix(r, Tipus_troballa::Majuscula,
                    "«" + caixes[s] + "» s'escriu " + ben +
                        ": un símbol comença amb majúscula i, si té una segona "
                        "lletra, és minúscula.");
            caixes[s] = ben;
        }
    }
    if (corregeix_formula(caixes, e) && claudators_bons) return r;

    // Another compound of the catalogue.
    Exercici com_escrita = e;
    com_escrita.caixes = caixes;
    com_escrita.claudators = claudators_escrits.value_or(!caixes[Subindex_grup].empty());
    const std::string escrita = com_escrita.formula();
    for (const Compost *altre : index_cataleg(t).per_formula(escrita))
        if (altre->formula != cx.formula) {
            const std::string d = diferencia(cx, *altre);
            afegeix(r, Tipus_troballa::Altre_compost,
                    escrita + " és la fórmula " + del_compost(altre->nom) + (d.empty() ? "" : "; " + d) +
                        ".");
        }

    std::vector<Unitat> ua = unitats(e, caixes), ue = unitats(e, e.caixes);
    std::vector<std::string> sa, se;
    for (const Unitat &u : ua)
        sa.push_back(u.simbol);
    for (const Unitat &u : ue)
        se.push_back(u.simbol);

    // Symbols that are no element, or other elements.
    bool elements_bons = true;
    {
        std::vector<std::string> a = sa, b = se;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        if (a != b) {
            elements_bons = false;
            for (std::size_t i = 0; i < ua.size(); ++i) {
                const std::string &s = ua[i].simbol;
                if (std::find(se.begin(), se.end(), s) != se.end()) continue;
                const int f = fila_de_simbol(t, s);
                const int fe = fila_de_simbol(t, se[i]);
                const std::string qui = fe ? amb_article(t.nom(fe)) + " (" + se[i] + ")" : se[i];
                if (s.empty())
                    afegeix(r, Tipus_troballa::Element, "Hi falta un element: " + qui + ".");
                else if (!f)
                    afegeix(r, Tipus_troballa::Element,
                            "«" + s + "» no és el símbol de cap element; aquí va " + qui + ".");
                else
                    afegeix(r, Tipus_troballa::Element,
                            s + " és el símbol " + del(t.nom(f)) + "; " + cx.formula + " té " + qui + ".");
            }
        }
    }
    if (elements_bons && sa != se) {
        // The right symbols in another order: put them back in order to look at the subscripts.
        afegeix(
            r, Tipus_troballa::Ordre,
            "Els elements hi són però en un altre ordre: s'escriu " + cx.formula +
                (e.Codi_exercici == "HXO" || e.Codi_exercici == "HXA"
                     ? " (l'hidrogen primer, en els àcids)."
                     : (e.Codi_exercici == "HX" ? " (en aquest hidrur l'ordre és el de la fórmula)."
                                                : " (primer el metall o l'element menys electronegatiu).")));
        std::vector<Unitat> ordenades;
        std::vector<bool> usat(ua.size(), false);
        for (const std::string &s : se)
            for (std::size_t i = 0; i < ua.size(); ++i)
                if (!usat[i] && ua[i].simbol == s) {
                    usat[i] = true;
                    ordenades.push_back(ua[i]);
                    break;
                }
        ua = ordenades;
        // Subscripts that went with their symbols are right: only the order is wrong.
    }

    if (elements_bons) {
        std::vector<int> na, ne;
        for (const Unitat &u : ua)
            na.push_back(numero(u.subindex));
        for (const Unitat &u : ue)
            ne.push_back(numero(u.subindex));
        int ga = numero(caixes[Subindex_grup]);
        const int ge = numero(e[Subindex_grup]);
        // Atoms of each element: a group's subscript multiplies the last two.
        const auto atoms = [&](const std::vector<int> &n, int g) {
            std::vector<long> a;
            for (std::size_t i = 0; i < n.size(); ++i)
                a.push_back(static_cast<long>(n[i]) * ((n.size() == 3 && i >= 1) ? g : 1));
            return a;
        };
        // x = k·y for a whole k > 1; 0 otherwise.
        const auto multiple = [](const std::vector<long> &x, const std::vector<long> &y) {
            if (y.empty() || x.size() != y.size() || y[0] <= 0 || x[0] % y[0]) return 0L;
            const long k = x[0] / y[0];
            if (k < 2) return 0L;
            for (std::size_t i = 0; i < x.size(); ++i)
                if (x[i] != k * y[i]) return 0L;
            return k;
        };
        const auto proporcionals = [&] {
            return multiple(atoms(na, ga), atoms(ne, ge)) || multiple(atoms(ne, ge), atoms(na, ga));
        };
        // Brackets: the group's subscript written inside the bracket, a group subscript where no
        // group goes, or (from a typed line) brackets missing or extra.
        bool parentesi = false;
        if (e.claudators && ga == 1 && ue.size() == 3 && ne[2] == 1 && na[2] == ge && ge > 1) {
            parentesi = true;
            afegeix(r, Tipus_troballa::Parentesi,
                    "El " + std::to_string(ge) + " multiplica tot el grup: va fora del parèntesi, " +
                        cx.formula + ".");
            na[2] = 1;
            ga = ge;
        } else if (!e.claudators && !caixes[Subindex_grup].empty() && !proporcionals()) {
            parentesi = true;
            afegeix(r, Tipus_troballa::Parentesi,
                    "Aquí no hi ha cap grup entre parèntesis: " + cx.formula + ".");
        } else if (claudators_escrits && *claudators_escrits != e.claudators) {
            parentesi = true;
            afegeix(r, Tipus_troballa::Parentesi,
                    e.claudators ? "El grup va entre parèntesis, perquè n'hi ha més d'un: " + cx.formula + "."
                                 : "Aquí no hi van parèntesis: " + cx.formula + ".");
        }
        const bool aq_a = ua.size() && ua.back().subindex.ends_with("(aq)");
        const bool aq_e = ue.back().subindex.ends_with("(aq)");
        if (aq_a != aq_e) parentesi = true;
        if (aq_a != aq_e)
            afegeix(r, Tipus_troballa::Parentesi,
                    aq_e ? "Un àcid hidràcid porta (aq) al final: " + cx.formula + "."
                         : "El (aq) només el porten els àcids hidràcids: " + cx.formula + ".");
        const bool llegibles = std::none_of(na.begin(), na.end(), [](int x) { return x < 0; }) && ga > 0;
        if (!llegibles) {
            afegeix(r, Tipus_troballa::Subindex,
                    "Un subíndex és un nombre, i l'1 no s'escriu: " + cx.formula + ".");
        } else if (na != ne || ga != ge) {
            const std::vector<long> aa = atoms(na, ga), ae = atoms(ne, ge);
            if (long k = multiple(aa, ae))
                afegeix(r, Tipus_troballa::Simplificacio,
                        "La fórmula no està simplificada: tots els subíndexs es poden dividir per " +
                            std::to_string(k) + ", i queda " + cx.formula + ".");
            else if (multiple(ae, aa))
                afegeix(r, Tipus_troballa::Simplificacio,
                        "Aquí no es pot simplificar tant: la fórmula és " + cx.formula + ".");
            else if ((na.size() >= 2 && na.size() == ne.size() && na[na.size() - 1] == ne[ne.size() - 2] &&
                      na[na.size() - 2] == ne[ne.size() - 1] && ga == ge) ||
                     // the metal's subscript and the group's, swapped
                     (na.size() == 3 && ne.size() == 3 && ga != ge && na[0] == ge && ga == ne[0] &&
                      na[1] == ne[1] && na[2] == ne[2]))
                afegeix(r, Tipus_troballa::Subindex,
                        "Els subíndexs estan intercanviats. " + valencies_creuades(cx));
            else if (!parentesi || na != ne || ga != ge)
                afegeix(r, Tipus_troballa::Subindex,
                        "Els subíndexs no surten de les valències. " + valencies_creuades(cx));
        } else if (!parentesi && !te(r, Tipus_troballa::Ordre)) {
            // Same numbers, different text: a 1 written out.
            afegeix(r, Tipus_troballa::Subindex, "El subíndex 1 no s'escriu: " + cx.formula + ".");
        }
    }
    if (r.empty())
        afegeix(r, Tipus_troballa::Desconegut,
                "La fórmula no s'assembla prou a la correcta per dir-ne l'errada: és " + cx.formula + ".");
    return r;
}

} // namespace quimerix::detall_diagnosi
