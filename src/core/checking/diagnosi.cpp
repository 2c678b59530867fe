#include "checking/diagnosi.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "checking/assistent.h"
#include "checking/diagnosi_comu.h"
#include "data/regles.h"
#include "generation/oxoacids.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix {

std::string_view clau(Tipus_troballa t) {
    // In the order of the kinds.
    static constexpr std::string_view claus[] = {"altre_compost", "majuscula",  "ordre",     "simplificacio",
                                                 "subindex",      "parentesi",  "element",   "numeral",
                                                 "prefix",        "terminacio", "hipo_per",  "espai",
                                                 "ortografia",    "buida",      "desconegut"};
    return claus[static_cast<int>(t)];
}

std::string forma_tolerant(const std::string &nom) {
    std::string text = Canvi_accents(Suprimir_espais(Canvi_MAJUSCULES_minuscules2(normalitza_entrada(nom))));
    const std::string plata = "de plata";
    if (text.ends_with(plata)) text.replace(text.size() - plata.size(), plata.size(), "d'argent");
    return Apostrofa(text);
}

Index_cataleg::Index_cataleg(const Taules &t) {
    for (const Entrada_cataleg &e : cataleg(t)) {
        Compost c{e.tipus, e.a, e.b, construeix(t, e.tipus, e.a, e.b, Tasca::Formular), {}, {}};
        c.formula = c.exercici.formula();
        c.nom = nom_esperat(c.exercici.Nom_compost);
        const int i = static_cast<int>(composts_.size());
        formules_[c.formula].push_back(i);
        noms_[forma_tolerant(c.nom)].push_back(i);
        composts_.push_back(std::move(c));
    }
}

namespace {
std::vector<const Compost *> busca(const std::unordered_map<std::string, std::vector<int>> &m,
                                   const std::string &k, const std::vector<Compost> &composts) {
    std::vector<const Compost *> r;
    if (auto it = m.find(k); it != m.end())
        for (int i : it->second)
            r.push_back(&composts[i]);
    return r;
}
} // namespace

std::vector<const Compost *> Index_cataleg::per_formula(const std::string &formula) const {
    return busca(formules_, formula, composts_);
}

std::vector<const Compost *> Index_cataleg::per_nom(const std::string &nom) const {
    return busca(noms_, forma_tolerant(nom), composts_);
}

const Compost *Index_cataleg::de(const Exercici &e) const {
    for (const Compost *c : per_formula(e.formula()))
        if (c->exercici.Nom_compost == e.Nom_compost) return c;
    return nullptr;
}

const Index_cataleg &index_cataleg(const Taules &t) {
    // The tables never change once loaded, so one index serves every caller.
    static const Index_cataleg index(t);
    return index;
}

Correccio_nom corregeix_nom_de_formula(const Taules &t, const Exercici &e, const std::string &teclejat,
                                       const std::string &esperat, bool assistent) {
    Correccio_nom c = corregeix_nom(teclejat, esperat, assistent);
    if (c.correcte) return c;
    for (const Compost *altre : index_cataleg(t).per_formula(e.formula())) {
        if (altre->nom == esperat) continue;
        Correccio_nom d = corregeix_nom(teclejat, altre->nom, assistent);
        if (d.correcte) return d;
    }
    return c;
}

namespace detall_diagnosi {

// ---- Words of the sentences ----------------------------------------------------------------

bool comenca_per_vocal_o_h(const std::string &paraula) {
    const std::u32string c = a_caracters(paraula);
    if (c.empty()) return false;
    const std::u32string vocals = U"aeiouàèéíòóúAEIOUÀÈÉÍÒÓÚhH";
    if (vocals.find(c[0]) == std::u32string::npos) return false;
    // "el iode": an i or u before another vowel is not a vowel for the article.
    const bool semivocal =
        (c[0] == U'i' || c[0] == U'u') && c.size() > 1 && vocals.find(c[1]) != std::u32string::npos;
    return !semivocal;
}

// "el ferro", "l'oxigen".
std::string amb_article(const std::string &nom) {
    return (comenca_per_vocal_o_h(nom) ? "l'" : "el ") + nom;
}
// "del ferro", "de l'oxigen".
std::string del(const std::string &nom) {
    return comenca_per_vocal_o_h(nom) ? "de l'" + nom : "del " + nom;
}
// "de l'òxid de ferro (II)", "del clorur de sodi", "de la fosfina".
std::string del_compost(const std::string &nom) {
    const bool femeni = nom.ends_with("ina") || nom == "aigua";
    if (comenca_per_vocal_o_h(nom)) return "de l'" + nom;
    return (femeni ? "de la " : "del ") + nom;
}

std::string familia(const std::string &codi) {
    if (codi == "OM" || codi == "OX") return "un òxid";
    if (codi == "HM" || codi == "HX") return "un hidrur";
    if (codi == "HXA") return "un àcid hidràcid";
    if (codi == "MX") return "una sal binària";
    if (codi == "XX") return "un compost de dos no-metalls";
    if (codi == "OH") return "un hidròxid";
    if (codi == "HXO") return "un oxoàcid";
    if (codi == "MHX") return "una oxosal";
    return "un compost";
}

std::string majuscula_inicial(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

std::string romans(int n) {
    static const char *const kRomans[] = {"", "I", "II", "III", "IV", "V", "VI", "VII"};
    return n >= 1 && n <= 7 ? kRomans[n] : std::to_string(n);
}

// ---- The pieces of the expected compound ------------------------------------------------------

int fila_de_simbol(const Taules &t, const std::string &simbol) {
    for (int f = 1; f <= Nombre_elements; ++f)
        if (t.simbol(f) == simbol) return f;
    return 0;
}

void afegeix(std::vector<Troballa> &r, Tipus_troballa tipus, std::string text) {
    for (const Troballa &x : r)
        if (x.tipus == tipus && x.text == text) return;
    r.push_back({tipus, std::move(text)});
}

bool te(const std::vector<Troballa> &r, Tipus_troballa tipus) {
    return std::any_of(r.begin(), r.end(), [&](const Troballa &x) { return x.tipus == tipus; });
}

// What another compound of the catalogue differs in from the expected one, said in a few words.
std::string diferencia(const Context &cx, const Compost &altre) {
    if (!cx.c) return {};
    const Compost &e = *cx.c;
    if (altre.tipus != e.tipus) return "aquí es demana " + familia(e.exercici.Codi_exercici);
    if (altre.a.element == e.a.element && altre.b.element == e.b.element) {
        for (const Parell *p : {&e.a, &e.b}) {
            const Parell &q = p == &e.a ? altre.a : altre.b;
            if (p->element != 0 && p->columna != q.columna)
                return "aquí " + amb_article(cx.t.nom(p->element)) + " actua amb valència " +
                       cx.t.valencia(*p);
        }
    }
    std::string d = "aquí es demana ";
    for (const Part &p : cx.parts())
        if (p.fila != Fila_oxigen && p.fila != Fila_hidrogen) return d + amb_article(cx.t.nom(p.fila));
    return d + cx.formula;
}

} // namespace detall_diagnosi

using namespace detall_diagnosi;

std::vector<Troballa> diagnostica(const Taules &t, const Exercici &esperat, Tasca tasca,
                                  const Resposta &resposta, bool assistent,
                                  std::optional<bool> claudators_escrits) {
    // An answer left empty (a time-out, a hurried Enter) has nothing to compare: say only that.
    const auto en_blanc = [](const std::string &s) { return s.find_first_not_of(' ') == std::string::npos; };
    const bool buida = tasca == Tasca::Anomenar
                           ? en_blanc(resposta.nom)
                           : std::all_of(resposta.caixes.begin(), resposta.caixes.end(), en_blanc);
    if (buida)
        return {{Tipus_troballa::Buida,
                 tasca == Tasca::Anomenar ? "No has escrit cap nom." : "No has escrit cap fórmula."}};
    const Context cx{t, esperat, index_cataleg(t).de(esperat), esperat.formula()};
    if (tasca == Tasca::Anomenar) return diagnostica_nom(cx, resposta.nom, assistent);
    return diagnostica_formula(cx, resposta.caixes, claudators_escrits);
}

std::vector<const Compost *> composts_esperats(const Taules &t, Tasca tasca, const std::string &esperat) {
    const Index_cataleg &index = index_cataleg(t);
    const std::string text = normalitza_entrada(esperat);
    if (tasca == Tasca::Formular) {
        std::string formula;
        for (char ch : text)
            if (ch != ' ') formula += ch;
        return index.per_formula(formula);
    }
    std::vector<const Compost *> r;
    for (const Compost &c : index.composts())
        if (c.exercici.Nom_compost == text || c.nom == text) r.push_back(&c);
    return r.empty() ? index.per_nom(text) : r;
}

std::optional<std::vector<Troballa>> diagnostica_text(const Taules &t, Tasca tasca,
                                                      const std::string &esperat, const std::string &resposta,
                                                      bool assistent) {
    const std::vector<const Compost *> c = composts_esperats(t, tasca, esperat);
    if (c.size() != 1) return std::nullopt;
    Resposta r;
    if (tasca == Tasca::Anomenar) {
        r.nom = nom_teclejat(resposta);
        return diagnostica(t, c.front()->exercici, tasca, r, assistent);
    }
    const auto llegida = llegeix_formula(t, resposta, c.front()->exercici);
    if (!llegida) return std::nullopt;
    r.caixes = llegida->caixes;
    return diagnostica(t, c.front()->exercici, tasca, r, assistent, llegida->claudators);
}

std::optional<Formula_llegida> llegeix_formula(const Taules &t, const std::string &text,
                                               const Exercici &esperat) {
    Formula_llegida f;
    std::string s;
    for (char ch : normalitza_entrada(text))
        if (ch != ' ') s += ch;
    // "(aq)" at the end belongs to the last subscript box.
    std::string aq;
    if (minuscules_ascii(s).ends_with("(aq)")) {
        aq = s.substr(s.size() - 4);
        s.resize(s.size() - 4);
    }
    // Pieces: letters (symbols) with the digits after them; a bracket and its group subscript.
    std::string grup;
    bool dins = false, tancat = false;
    std::size_t i = 0;
    std::vector<std::string> lletres; // each run of letters, split later
    std::vector<std::string> digits;
    std::vector<bool> en_grup;
    while (i < s.size()) {
        const unsigned char ch = static_cast<unsigned char>(s[i]);
        if (ch == '(') {
            if (dins || tancat) return std::nullopt;
            dins = true;
            f.claudators = true;
            ++i;
        } else if (ch == ')') {
            if (!dins) return std::nullopt;
            dins = false;
            tancat = true;
            ++i;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
                grup += s[i++];
        } else if (std::isalpha(ch)) {
            std::string l;
            while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])))
                l += s[i++];
            std::string d;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
                d += s[i++];
            lletres.push_back(l);
            digits.push_back(d);
            en_grup.push_back(dins);
        } else {
            return std::nullopt;
        }
    }
    if (dins) return std::nullopt;
    int simbols_esperats = 0;
    for (Caixa c : {Simbol1, Simbol2, Simbol3})
        simbols_esperats += esperat.visibles[c];
    // Split each run of letters into symbols: a capital starts one; when that gives another count
    // than the boxes, the letters are read two by two as the symbols they spell regardless of case.
    const auto parteix = [&](const std::string &l, bool per_majuscules) {
        std::vector<std::string> r;
        for (std::size_t k = 0; k < l.size();) {
            if (per_majuscules) {
                std::string sim(1, l[k++]);
                if (k < l.size() && std::islower(static_cast<unsigned char>(l[k])) && sim.size() == 1 &&
                    !std::islower(static_cast<unsigned char>(sim[0])))
                    sim += l[k++];
                else if (k < l.size() && std::islower(static_cast<unsigned char>(l[k])) &&
                         std::islower(static_cast<unsigned char>(sim[0])))
                    sim += l[k++];
                r.push_back(sim);
            } else {
                const bool dos = k + 1 < l.size() && fila_de_simbol(t, simbol_ben_escrit(t, l.substr(k, 2)));
                r.push_back(l.substr(k, dos ? 2 : 1));
                k += dos ? 2 : 1;
            }
        }
        return r;
    };
    std::vector<std::pair<Unitat, bool>> peces;
    for (bool per_majuscules : {true, false}) {
        peces.clear();
        for (std::size_t k = 0; k < lletres.size(); ++k) {
            std::vector<std::string> sims = parteix(lletres[k], per_majuscules);
            for (std::size_t j = 0; j < sims.size(); ++j)
                peces.push_back({{sims[j], j + 1 == sims.size() ? digits[k] : ""}, en_grup[k]});
        }
        if (static_cast<int>(peces.size()) == simbols_esperats) break;
    }
    if (static_cast<int>(peces.size()) > simbols_esperats) return std::nullopt;
    std::size_t k = 0;
    for (Caixa c : {Simbol1, Simbol2, Simbol3}) {
        if (!esperat.visibles[c] || k >= peces.size()) continue;
        f.caixes[c] = peces[k].first.simbol;
        f.caixes[c + 1] = peces[k].first.subindex;
        ++k;
    }
    if (!aq.empty()) f.caixes[Subindex3] += "(aq)";
    f.caixes[Subindex_grup] = grup;
    if (!grup.empty() && !esperat.visibles[Subindex_grup]) return std::nullopt;
    for (int c = 0; c < Nombre_caixes; ++c)
        if (longitud(f.caixes[c]) > Mida_caixa[c]) return std::nullopt;
    return f;
}

} // namespace quimerix
