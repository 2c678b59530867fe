#include "checking/estadistiques.h"

#include <initializer_list>

#include "data/regles.h"

namespace quimerix {

const std::array<const char *, Nombre_codis> Codis_exercici{"OM", "OX", "HM", "HX",  "HXA",
                                                            "MX", "XX", "OH", "HXO", "MHX"};

const std::array<const char *, Nombre_cel> Titols_cel{
    "Òxids",           "metàl·lics",    "no metàl·lics",
    "Hidrurs",         "metàl·lics",    "no metàl·lics",
    "àcids hidràcids", "Sals binàries", "Compostos binàris no metall-no metall",
    "Hidròxids",       "Oxoàcids",      "Oxosals"};

namespace {

// The counters that feed each cell, Label65..Label76; -1 ends a shorter list.
const std::array<std::array<int, 3>, Nombre_cel> Codis_cel{{
    {0, 1, -1},
    {0, -1, -1},
    {1, -1, -1},
    {2, 3, 4},
    {2, -1, -1},
    {3, -1, -1},
    {4, -1, -1},
    {5, -1, -1},
    {6, -1, -1},
    {7, -1, -1},
    {8, -1, -1},
    {9, -1, -1},
}};

} // namespace

Color color_de_quota(int encerts, int total) {
    if (total <= 0) return Color::Negre;
    return 2 * encerts < total ? Color::Vermell : Color::Blau;
}

Recompte recompte_cel(int i, const std::array<int, Nombre_codis> &Encerts_per_tipus,
                      const std::array<int, Nombre_codis> &Errors_per_tipus) {
    Recompte r;
    for (int codi : Codis_cel.at(static_cast<std::size_t>(i))) {
        if (codi < 0) break;
        r.encerts += Encerts_per_tipus[codi];
        r.total += Encerts_per_tipus[codi] + Errors_per_tipus[codi];
    }
    return r;
}

int index_codi(const std::string &Codi_exercici) {
    for (int k = 0; k < Nombre_codis; ++k)
        if (Codi_exercici == Codis_exercici[k]) return k;
    return -1;
}

long long divideix_arrodonit(long long num, long long den) {
    long long q = num / den;
    const long long r = num % den;
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

int percentatge(int encerts, int total) {
    if (total <= 0) return 0;
    return static_cast<int>(divideix_arrodonit(100LL * encerts, total));
}

void Estadistiques::reinicia() {
    Encerts_per_tipus.fill(0);
    Errors_per_tipus.fill(0);
    Encerts_totals = Exercicis_totals = Percentatge = 0;
    for (auto &c : cel)
        c.text = "-----";
    encerts_sobre_total.text = "0 / 0";
    percentatge_encerts.text = "----";
}

void Estadistiques::compta(const std::string &Codi_exercici, int Resultat) {
    const int k = index_codi(Codi_exercici);
    if (k >= 0 && Resultat == 2) ++Encerts_per_tipus[k];
    if (k >= 0 && Resultat == 1) ++Errors_per_tipus[k];

    for (int i = 0; i < Nombre_cel; ++i) {
        const auto [r, t] = recompte_cel(i, Encerts_per_tipus, Errors_per_tipus);
        if (t == 0) continue;
        cel[i] = {std::to_string(r) + " / " + std::to_string(t), color_de_quota(r, t)};
    }

    Encerts_totals = Exercicis_totals = 0;
    for (int i = 0; i < Nombre_codis; ++i) {
        Encerts_totals += Encerts_per_tipus[i];
        Exercicis_totals += Encerts_per_tipus[i] + Errors_per_tipus[i];
    }
    if (Exercicis_totals == 0) return; // nothing counted yet: the score keeps its caption
    Percentatge = percentatge(Encerts_totals, Exercicis_totals);
    const Color c = color_de_quota(Encerts_totals, Exercicis_totals);
    encerts_sobre_total = {std::to_string(Encerts_totals) + " / " + std::to_string(Exercicis_totals), c};
    percentatge_encerts = {std::to_string(Percentatge) + " %", c};
}

std::array<std::string, 14> Estadistiques::Text_estadistiques() const {
    std::array<std::string, 14> r;
    for (int i = 0; i < Nombre_cel; ++i)
        r[i] = cel[i].text;
    r[12] = "Encerts sobre el total:";
    r[13] = encerts_sobre_total.text;
    return r;
}

void Historial::afegeix(const std::string &exercici, const std::string &resposta,
                        const std::string &correccio) {
    for (auto *columna : {&Linies_exercici, &Linies_resposta, &Linies_correccio}) {
        (*columna)[2] = (*columna)[1];
        (*columna)[1] = (*columna)[0];
    }
    Linies_exercici[0] = exercici;
    Linies_resposta[0] = resposta;
    Linies_correccio[0] = correccio;
}

namespace {
std::string uneix(const std::array<std::string, 3> &l) {
    return l[0] + CRLF + l[1] + CRLF + l[2];
}
} // namespace

std::string Historial::exercicis() const {
    return uneix(Linies_exercici);
}
std::string Historial::respostes() const {
    return uneix(Linies_resposta);
}
std::string Historial::correccions() const {
    return uneix(Linies_correccio);
}

Linies_historial linies_historial(Tasca tasca, int N, const Exercici &e, const Resposta &r,
                                  const std::string &nom_esperat, bool correcte) {
    const std::string n = std::to_string(N);
    const std::string formula = formula_amb_espais(e.caixes, e.claudators);
    if (tasca == Tasca::Formular)
        return {n + "  " + nom_esperat, formula_amb_espais(r.caixes, e.claudators),
                correcte ? "Correcte" : formula};
    return {n + "  " + formula, r.nom, correcte ? "Correcte" : nom_esperat};
}

} // namespace quimerix
