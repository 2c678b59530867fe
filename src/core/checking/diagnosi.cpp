#include "checking/diagnosi.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "checking/assistent.h"
#include "data/regles.h"
#include "generation/oxoacids.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix {

std::string_view clau(Tipus_troballa t) {
    // In the order of the kinds.
    static constexpr std::string_view claus[] = {
        "altre_compost", "majuscula", "ordre",      "simplificacio", "subindex", "parentesi",  "element",
        "numeral",       "prefix",    "terminacio", "hipo_per",      "espai",    "ortografia", "desconegut"};
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

namespace {

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

// One element of the compound with the valence it has there.
struct Part {
    int fila = 0;
    int valencia = 0;
};

struct Context {
    const Taules &t;
    const Exercici &e;
    const Compost *c; // null for an exercise outside the catalogue
    std::string formula;

    int valencia(int fila) const {
        if (c && fila == c->a.element) return enter(t.valencia(c->a));
        if (c && fila == c->b.element && c->b.element != 0) return enter(t.valencia(c->b));
        if (fila == Fila_oxigen) return 2;
        if (fila == Fila_hidrogen) return 1;
        return 0;
    }
    // The elements of the formula, in the order they are written.
    std::vector<Part> parts() const {
        std::vector<Part> r;
        for (Caixa s : {Simbol1, Simbol2, Simbol3})
            if (e.visibles[s] && !e[s].empty()) {
                const int f = fila_de_simbol(t, e[s]);
                r.push_back({f, valencia(f)});
            }
        return r;
    }
    // The metal named with its valence (Stock numeral), if the compound has one.
    std::optional<Part> metall() const {
        for (const Part &p : parts())
            if (t.es_metall(p.fila)) return p;
        return std::nullopt;
    }
};

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

// ---- Names -------------------------------------------------------------------------------------

std::string minuscules_ascii(std::string s) {
    for (char &ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

// The words of a name, lower case, without accents, "d'" read as "de".
std::vector<std::string> paraules(const std::string &nom) {
    std::string text = minuscules_ascii(Canvi_accents(Suprimir_espais(Canvi_MAJUSCULES_minuscules2(nom))));
    std::vector<std::string> r;
    std::string actual;
    auto tanca = [&] {
        if (!actual.empty()) r.push_back(actual);
        actual.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == ' ') {
            tanca();
        } else if (ch == '\'' && actual == "d") {
            actual = "de";
            tanca();
        } else {
            actual += ch;
        }
    }
    tanca();
    return r;
}

// The value of a Stock numeral word "(iii)" or "(3)"; 0 when the word is none; -1 when unreadable.
int numeral(const std::string &w) {
    if (w.size() < 3 || w.front() != '(' || w.back() != ')') return 0;
    const std::string n = w.substr(1, w.size() - 2);
    if (!n.empty() &&
        std::all_of(n.begin(), n.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }))
        return std::stoi(n);
    static const char *const kRomans[] = {"i", "ii", "iii", "iv", "v", "vi", "vii"};
    for (int i = 0; i < 7; ++i)
        if (n == kRomans[i]) return i + 1;
    return -1;
}

// A word of a name split in the pieces the rules choose: multiplying prefix, hipo/per, stem and
// ending.
struct Peces {
    int multiplicador = 0; // 0: none; 1 mono, 2 di...
    std::string hipo_per;
    std::string arrel;
    std::string final;
};

const std::pair<const char *, int> kMultiplicadors[] = {
    {"tetra", 4}, {"penta", 5}, {"hexa", 6}, {"hepta", 7}, {"mono", 1}, {"tetr", 4},
    {"pent", 5},  {"hex", 6},   {"hept", 7}, {"mon", 1},   {"tri", 3},  {"di", 2},
};
const char *const kFinals[] = {"hidric", "os", "ic", "it", "at", "ur", "id"};
// Words that say the family by themselves.
bool paraula_de_familia(const std::string &w) {
    return w == "oxid" || w == "hidroxid" || w == "hidrur" || w == "acid";
}

class Arrels {
  public:
    explicit Arrels(const Taules &t) {
        for (int f = 1; f <= Nombre_elements; ++f)
            for (Columna c : {Nom, Arrel_ur, Arrel_acid, Arrel_oxoanio}) {
                const std::string a = minuscules_ascii(Canvi_accents(t.cel(f, c)));
                if (!a.empty()) arrels_.push_back({a, f});
                if (!a.empty() && c == Nom) noms_.push_back(a);
            }
        // Longest first: "fosfor" before "fosf".
        std::stable_sort(arrels_.begin(), arrels_.end(),
                         [](const auto &x, const auto &y) { return x.first.size() > y.first.size(); });
    }
    // The element whose name or stem begins the text (0 when none).
    int element(const std::string &text) const {
        for (const auto &[a, f] : arrels_)
            if (text.starts_with(a)) return f;
        return 0;
    }
    // The text is an element's name ("arsenic" is not a stem with an ending).
    bool es_nom(const std::string &text) const {
        return std::find(noms_.begin(), noms_.end(), text) != noms_.end();
    }

  private:
    std::vector<std::pair<std::string, int>> arrels_;
    std::vector<std::string> noms_;
};

const Arrels &arrels(const Taules &t) {
    static const Arrels a(t);
    return a;
}

Peces peces(const Taules &t, const std::string &w) {
    Peces p;
    std::string r = w;
    for (const auto &[m, n] : kMultiplicadors) {
        const std::string pre = m;
        if (!r.starts_with(pre) || r.size() < pre.size() + 3) continue;
        const std::string resta = r.substr(pre.size());
        if (resta == "oxid" || arrels(t).element(resta)) {
            p.multiplicador = n;
            r = resta;
            break;
        }
    }
    for (const char *hp : {"hipo", "per"}) {
        const std::string h = hp;
        if (r.starts_with(h) && arrels(t).element(r.substr(h.size()))) {
            p.hipo_per = h;
            r = r.substr(h.size());
            break;
        }
    }
    if (!paraula_de_familia(r))
        for (const char *fi : kFinals) {
            const std::string f = fi;
            if (r.size() > f.size() + 1 && r.ends_with(f) && !arrels(t).es_nom(r)) {
                p.final = f;
                r.resize(r.size() - f.size());
                break;
            }
        }
    p.arrel = r;
    return p;
}

std::string nom_final(const std::string &f) {
    if (f == "os") return "-ós";
    if (f == "hidric") return "-hídric";
    return f.empty() ? "cap terminació" : "-" + f;
}

// The sentences about one word of the typed name against the expected word.
void compara_paraula(const Context &cx, const std::string &wt, const std::string &we,
                     const std::string &we_escrita, std::vector<Troballa> &r) {
    if (wt == we) return;
    const Taules &t = cx.t;
    const Peces pt = peces(t, wt), pe = peces(t, we);
    const std::string escrit = "«" + we_escrita + "»";
    if (paraula_de_familia(pe.arrel) || paraula_de_familia(pt.arrel)) {
        if (pt.arrel != pe.arrel)
            afegeix(r, Tipus_troballa::Terminacio,
                    "«" + wt + "» no correspon a aquest compost: " + cx.formula + " és " +
                        familia(cx.e.Codi_exercici) + ", i s'escriu " + escrit + ".");
    }
    if (pt.multiplicador != pe.multiplicador) {
        if (pe.multiplicador == 0)
            afegeix(r, Tipus_troballa::Prefix,
                    "Aquí no hi va cap prefix multiplicador: s'escriu " + escrit + ".");
        else
            afegeix(r, Tipus_troballa::Prefix,
                    "El prefix multiplicador diu quants àtoms hi ha: a " + cx.formula + " n'hi ha " +
                        std::to_string(pe.multiplicador) + ", i s'escriu " + escrit + ".");
    }
    const int fe = arrels(t).element(pe.arrel);
    const std::string el = fe ? t.nom(fe) : std::string{};
    const std::string amb_valencia =
        fe ? "amb valència " + std::to_string(cx.valencia(fe)) + " " + amb_article(el) + " fa " + escrit
           : escrit;
    if (pt.hipo_per != pe.hipo_per) {
        std::string s;
        if (pe.hipo_per.empty())
            s = "Aquí no hi va " + pt.hipo_per + "-: " + amb_valencia + ".";
        else if (pt.hipo_per.empty())
            s = "Hi falta " + pe.hipo_per + "-: " + amb_valencia + ".";
        else
            s = "Hi va " + pe.hipo_per + "-, no " + pt.hipo_per + "-: " + amb_valencia + ".";
        s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
        afegeix(r, Tipus_troballa::Hipo_per, s);
    }
    if (pt.final != pe.final && !paraula_de_familia(pe.arrel) && !paraula_de_familia(pt.arrel)) {
        const auto parell = [](const std::string &f) {
            return f == "os" || f == "ic" ? 1 : (f == "it" || f == "at" ? 2 : 0);
        };
        if (parell(pt.final) && parell(pt.final) == parell(pe.final))
            afegeix(r, Tipus_troballa::Terminacio,
                    "La terminació " + nom_final(pt.final) + " no és la que toca: " + amb_valencia +
                        ", amb " + nom_final(pe.final) + ".");
        else
            afegeix(r, Tipus_troballa::Terminacio,
                    "«" + wt + "» no porta la terminació d'aquest compost: " + cx.formula + " és " +
                        familia(cx.e.Codi_exercici) + " i s'escriu " + escrit + ".");
    }
    if (fe && pt.arrel != pe.arrel && !paraula_de_familia(pe.arrel) && !paraula_de_familia(pt.arrel)) {
        const int ft = arrels(t).element(pt.arrel);
        // The same element with another stem goes with another ending ("sulfur", "sulfat"): the
        // ending says it.
        if (ft && ft == fe && pt.final != pe.final) return;
        const std::string nom_e = fe ? amb_article(el) + " (" + t.simbol(fe) + ")" : escrit;
        if (ft && ft != fe)
            afegeix(r, Tipus_troballa::Element,
                    "«" + wt + "» parla " + del(t.nom(ft)) + ", però " + cx.formula + " té " + nom_e + ": " +
                        escrit + ".");
        else
            afegeix(r, Tipus_troballa::Element,
                    "«" + wt + "» no és com s'escriu " +
                        (fe ? amb_article(el) : std::string("aquesta paraula")) +
                        " en aquest nom: " + escrit + ".");
    }
}

std::vector<Troballa> diagnostica_nom(const Context &cx, const std::string &teclejat, bool assistent) {
    std::vector<Troballa> r;
    const std::string esperat = nom_esperat(cx.e.Nom_compost);
    const Correccio_nom c = corregeix_nom(teclejat, esperat, assistent);
    if (c.correcte) return r;
    const std::string mostrat = c.resposta_mostrada;
    const bool accepta = !assistent && corregeix_nom(mostrat, esperat, true).correcte;
    const std::string accepta_text = accepta ? " L'assistent ortogràfic accepta aquesta resposta." : "";

    // Spaces, accents, apostrophes, capitals, l·l.
    const auto sense = [](std::string s, std::string_view treure) {
        std::string o;
        for (char ch : s)
            if (treure.find(ch) == std::string_view::npos) o += ch;
        return o;
    };
    const auto plega = [&](const std::string &s, bool espais) {
        std::string x = Canvi_accents(Canvi_MAJUSCULES_minuscules2(normalitza_entrada(s)));
        for (const char *p : {"·", "’"})
            for (std::size_t i; (i = x.find(p)) != std::string::npos;)
                x.erase(i, std::string(p).size());
        return minuscules_ascii(sense(x, espais ? "'.- " : "'.-"));
    };
    const std::string t_min = Apostrofa(Canvi_MAJUSCULES_minuscules2(mostrat));
    const std::string e_min = Canvi_MAJUSCULES_minuscules2(esperat);
    const bool nomes_espais = sense(t_min, " ") == sense(e_min, " ");
    const bool nomes_ortografia = plega(mostrat, false) == plega(esperat, false);
    if (nomes_espais || plega(mostrat, true) == plega(esperat, true)) {
        if (!nomes_ortografia)
            afegeix(r, Tipus_troballa::Espai,
                    "Només hi ha diferències d'espais: s'escriu «" + esperat + "»." + accepta_text);
        if (!nomes_espais)
            afegeix(r, Tipus_troballa::Ortografia,
                    "Només hi ha diferències d'accents, apòstrofs, majúscules o l·l: s'escriu «" + esperat +
                        "»." + accepta_text);
        return r;
    }

    // Another compound's name.
    const Index_cataleg &index = index_cataleg(cx.t);
    for (const Compost *altre : index.per_nom(mostrat))
        if (altre != cx.c && altre->formula != cx.formula) {
            std::string d = diferencia(cx, *altre);
            afegeix(r, Tipus_troballa::Altre_compost,
                    "«" + mostrat + "» és el nom de " + altre->formula + ", no de " + cx.formula +
                        (d.empty() ? "." : ": " + d + "."));
        }

    // Word by word, numerals apart.
    std::vector<std::string> pt = paraules(mostrat), pe = paraules(esperat);
    std::vector<std::string> pe_escrites;
    {
        // The expected words as written, to quote them with their accents.
        std::string x = Suprimir_espais(Canvi_MAJUSCULES_minuscules2(esperat));
        std::string actual;
        for (char ch : x + " ") {
            if (ch == ' ' || (ch == '\'' && actual == "d")) {
                if (!actual.empty() && actual != "d") pe_escrites.push_back(actual);
                if (actual == "d") pe_escrites.push_back("de");
                actual.clear();
            } else {
                actual += ch;
            }
        }
    }
    int nt = 0, ne = 0;
    std::string nt_escrit;
    std::vector<std::string> wt, we, we_escrites;
    for (const std::string &w : pt)
        if (int n = numeral(w)) {
            nt = n;
            nt_escrit = w;
            for (char &ch : nt_escrit)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        } else {
            wt.push_back(w);
        }
    for (std::size_t i = 0; i < pe.size(); ++i)
        if (int n = numeral(pe[i]))
            ne = n;
        else {
            we.push_back(pe[i]);
            we_escrites.push_back(i < pe_escrites.size() ? pe_escrites[i] : pe[i]);
        }

    if (nt != ne) {
        const std::optional<Part> m = cx.metall();
        if (ne == 0 && m)
            afegeix(r, Tipus_troballa::Numeral,
                    "El nom no porta numeral: " + amb_article(cx.t.nom(m->fila)) + " només té una valència.");
        else if (ne == 0)
            afegeix(r, Tipus_troballa::Numeral,
                    "El nom no porta numeral: " + cx.formula + " s'anomena sense xifres romanes.");
        else if (nt == 0)
            afegeix(r, Tipus_troballa::Numeral,
                    "Hi falta el numeral (" + romans(ne) + "): a " + cx.formula + " " +
                        (m ? amb_article(cx.t.nom(m->fila)) : std::string("el metall")) +
                        " actua amb valència " + std::to_string(ne) + ".");
        else
            afegeix(r, Tipus_troballa::Numeral,
                    "El numeral ha de ser (" + romans(ne) + "), no " + nt_escrit + ": a " + cx.formula + " " +
                        (m ? amb_article(cx.t.nom(m->fila)) : std::string("el metall")) +
                        " actua amb valència " + std::to_string(ne) + ".");
    }
    // Word by word when the words stand at the same places and some of them are right; a name
    // with words missing, extra or all different is too far from the right one to say more.
    std::size_t iguals = 0;
    for (std::size_t i = 0; i < std::min(wt.size(), we.size()); ++i)
        iguals += wt[i] == we[i];
    const bool alineades = wt.size() == we.size() && (iguals > 0 || wt.size() == 1);
    if (alineades)
        for (std::size_t i = 0; i < wt.size(); ++i)
            compara_paraula(cx, wt[i], we[i], we_escrites[i], r);
    if (r.empty() || !alineades)
        afegeix(r, Tipus_troballa::Desconegut,
                "El nom no s'assembla prou al correcte per dir-ne l'errada: és «" + esperat + "».");
    return r;
}

// ---- Formulas ----------------------------------------------------------------------------------

struct Unitat {
    std::string simbol;
    std::string subindex;
};

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

} // namespace

std::vector<Troballa> diagnostica(const Taules &t, const Exercici &esperat, Tasca tasca,
                                  const Resposta &resposta, bool assistent,
                                  std::optional<bool> claudators_escrits) {
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
