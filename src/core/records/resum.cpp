#include "records/resum.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "checking/assistent.h"
#include "records/arxiu_sessio.h"
#include "records/capcalera.h"
#include "records/registre.h"
#include "session/data.h"
#include "text/utf8.h"

namespace quimerix {

const std::array<const char *, Nombre_codis> Noms_familia{"Òxids metàl·lics",
                                                          "Òxids no metàl·lics",
                                                          "Hidrurs metàl·lics",
                                                          "Hidrurs no metàl·lics",
                                                          "Àcids hidràcids",
                                                          "Sals binàries",
                                                          "Compostos binaris no metall-no metall",
                                                          "Hidròxids",
                                                          "Oxoàcids",
                                                          "Oxosals"};

const char *text_estat(Estat_fila e) {
    // In the order of the states.
    static constexpr const char *textos[] = {"correcte", "no quadra", "il·legible", "no és de l'examen"};
    return textos[static_cast<int>(e)];
}

namespace {

std::u32string retalla(std::u32string s) {
    const auto no_espai = [](char32_t c) { return c != U' '; };
    s.erase(std::find_if(s.rbegin(), s.rend(), no_espai).base(), s.end());
    s.erase(s.begin(), std::find_if(s.begin(), s.end(), no_espai));
    return s;
}

// A name has a word: three letters in a row that are small or not ASCII. A formula's pieces
// (Fe2, O3, (aq)) never have one.
bool te_paraula(const std::u32string &s) {
    int seguides = 0;
    for (const char32_t c : s) {
        const bool lletra = (c >= U'a' && c <= U'z') || (c > 0x7F && c != 0xB7);
        seguides = lletra ? seguides + 1 : 0;
        if (seguides >= 3) return true;
    }
    return false;
}

// Compounds in the order a reader expects: letters without case or accent first, then bytes.
std::string clau(const std::string &nom) {
    return Canvi_accents(Canvi_MAJUSCULES_minuscules2(nom));
}

} // namespace

std::optional<Compost_fallat> compost_del_registre(const std::string &linia) {
    const std::optional<Linia_registre> l = llegeix_linia_registre(linia);
    if (!l || l->correcte) return std::nullopt;
    const std::u32string pregunta = retalla(a_caracters(l->pregunta));
    const std::u32string correccio = retalla(a_caracters(l->correccio));
    if (pregunta.empty() || correccio.empty()) return std::nullopt;
    // Formula task: the question is the name and the correction the formula; name task: the other
    // way round.
    const bool formular = te_paraula(pregunta);
    std::u32string formula = formular ? correccio : pregunta;
    formula.erase(std::remove(formula.begin(), formula.end(), U' '), formula.end());
    return Compost_fallat{a_utf8(formular ? pregunta : correccio), a_utf8(formula), 1};
}

namespace {

Fila_resum fila(const Sessio_llegida &s, const Es_de_l_examen &de_l_examen,
                std::map<std::pair<std::string, std::string>, int> &fallats) {
    Fila_resum f;
    f.arxiu = s.arxiu;
    if (!s.dades) {
        f.estat = Estat_fila::Illegible;
        return f;
    }
    const DadesSessio &d = *s.dades;
    const Capcalera nd = llegeix_capcalera(d.capcalera);
    f.nom = nd.nom;
    f.data = nd.data;
    f.encerts = encerts_totals(d);
    f.exercicis = exercicis_totals(d);
    f.percentatge = f.exercicis > 0 ? percentatge(f.encerts, f.exercicis) : 0;
    f.nota = nota(f.encerts, f.exercicis);
    for (int k = 0; k < Nombre_codis; ++k) {
        f.encerts_familia[k] = d.encerts[k];
        f.total_familia[k] = d.encerts[k] + d.errors[k];
    }
    if (de_l_examen && !de_l_examen(d)) {
        f.estat = Estat_fila::No_examen;
        return f;
    }
    int correctes = 0;
    for (const std::string &r : d.registres) {
        if (es_correcte(r))
            ++correctes;
        else if (const auto c = compost_del_registre(r))
            ++fallats[{c->nom, c->formula}];
    }
    const bool quadra = static_cast<int>(d.registres.size()) == f.exercicis && correctes == f.encerts;
    f.estat = quadra ? Estat_fila::Correcte : Estat_fila::No_quadra;
    return f;
}

} // namespace

std::optional<DadesSessio> llegeix_per_resum(std::string_view bytes) {
    const auto pla = text_pla(bytes);
    if (const auto *text = std::get_if<std::string>(&pla)) {
        auto llegit = llegeix_text_pla(*text, true);
        if (auto *d = std::get_if<DadesSessio>(&llegit)) return std::move(*d);
    }
    return std::nullopt;
}

Resum resumeix(const std::vector<Sessio_llegida> &sessions, const Es_de_l_examen &de_l_examen) {
    Resum r;
    std::map<std::pair<std::string, std::string>, int> fallats;
    std::array<Quota_familia, Nombre_codis> quotes{};
    long long suma_notes = 0;
    for (int k = 0; k < Nombre_codis; ++k)
        quotes[k].familia = k;
    for (const Sessio_llegida &s : sessions) {
        r.files.push_back(fila(s, de_l_examen, fallats));
        const Fila_resum &f = r.files.back();
        if (f.estat != Estat_fila::Correcte) ++r.fora_mitjana;
        if (f.estat == Estat_fila::Illegible) {
            ++r.illegibles;
            continue;
        }
        if (f.estat == Estat_fila::No_examen) {
            ++r.fora_examen;
            continue;
        }
        ++r.alumnes;
        if (f.estat == Estat_fila::Correcte && f.exercicis > 0) {
            ++r.alumnes_amb_nota;
            suma_notes += f.nota;
        }
        for (int k = 0; k < Nombre_codis; ++k) {
            quotes[k].encerts += f.encerts_familia[k];
            quotes[k].total += f.total_familia[k];
        }
    }
    if (r.alumnes_amb_nota > 0)
        r.nota_mitjana = static_cast<int>(divideix_arrodonit(suma_notes, r.alumnes_amb_nota));

    // Weakest share first (compared exactly, not as rounded percentages); ties in counter order.
    r.families.assign(quotes.begin(), quotes.end());
    std::stable_sort(
        r.families.begin(), r.families.end(), [](const Quota_familia &a, const Quota_familia &b) {
            if ((a.total == 0) != (b.total == 0)) return b.total == 0;
            if (a.total == 0) return false;
            return static_cast<long long>(a.encerts) * b.total < static_cast<long long>(b.encerts) * a.total;
        });

    // Most missed first; ties by name without case or accents (the key is made once per compound).
    std::vector<std::pair<std::string, Compost_fallat>> ordenats;
    for (const auto &[compost, vegades] : fallats)
        ordenats.push_back({clau(compost.first), {compost.first, compost.second, vegades}});
    const auto primer = [](const auto &a, const auto &b) {
        if (a.second.vegades != b.second.vegades) return a.second.vegades > b.second.vegades;
        return std::tie(a.first, a.second.nom, a.second.formula) <
               std::tie(b.first, b.second.nom, b.second.formula);
    };
    const std::size_t n = std::min(Maxim_fallats, ordenats.size());
    std::partial_sort(ordenats.begin(), ordenats.begin() + static_cast<std::ptrdiff_t>(n), ordenats.end(),
                      primer);
    for (std::size_t i = 0; i < n; ++i)
        r.mes_fallats.push_back(std::move(ordenats[i].second));
    return r;
}

std::array<int, 11> distribucio_notes(const Resum &r) {
    std::array<int, 11> n{};
    for (const Fila_resum &f : r.files)
        if (f.estat == Estat_fila::Correcte && f.exercicis > 0) ++n[std::clamp((f.nota + 50) / 100, 0, 10)];
    return n;
}

void ordena_files(Resum &r,
                  const std::function<int(const std::string &, const std::string &)> &compara_noms) {
    const auto data = [](const std::string &text) { return llegeix_data(text, 2000); };
    std::stable_sort(r.files.begin(), r.files.end(), [&](const Fila_resum &a, const Fila_resum &b) {
        if (a.nom.empty() || b.nom.empty()) return !a.nom.empty() && b.nom.empty();
        if (const int c = compara_noms(a.nom, b.nom); c != 0) return c < 0;
        const auto da = data(a.data), db = data(b.data);
        if (da.has_value() != db.has_value()) return da.has_value();
        if (da && *da != *db) return *da < *db;
        return !da && a.data < b.data;
    });
}

} // namespace quimerix
