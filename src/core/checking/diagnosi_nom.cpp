// The diagnosis of a typed name: its words read against the compound's stems, prefixes, numeral
// and endings.

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

} // namespace quimerix::detall_diagnosi
