#include "records/registre.h"

#include "checking/correccio.h"
#include "data/regles.h"
#include "text/utf8.h"

namespace quimerix {
namespace {

constexpr std::size_t Amplada_pregunta = 38;
constexpr std::size_t Amplada_resposta = 37;
const std::string Correcte = "CORRECTE";

std::string amplada(const std::string &s, std::size_t n) {
    const std::size_t llarg = longitud(s);
    return llarg < n ? s + std::string(n - llarg, ' ') : s;
}

// The number field: " 7   ", " 42  ", "1234  ".
std::string camp_numero(int N) {
    const std::string n = std::to_string(N);
    return N < 10 ? " " + n + "   " : N < 1000 ? " " + n + "  " : n + "  ";
}

std::u32string sense_espais_finals(std::u32string s) {
    while (!s.empty() && s.back() == U' ')
        s.pop_back();
    return s;
}

// A formula written box by box. One of two elements starts with the space that follows its hidden
// first symbol: that space is the column's own, and is left out.
std::string formula(const std::array<std::string, Nombre_caixes> &caixes, const Exercici &e) {
    std::string f = formula_amb_espais(caixes, e.claudators);
    if (!e.visibles[Simbol1] && f.starts_with(' ')) f.erase(0, 1);
    return f;
}

} // namespace

std::string escriu_linia_registre(const Linia_registre &l) {
    return camp_numero(l.numero) + amplada(l.pregunta, Amplada_pregunta) + " " +
           amplada(l.resposta, Amplada_resposta) + " " + (l.correcte ? Correcte : l.correccio) + CRLF;
}

std::optional<Linia_registre> llegeix_linia_registre(std::string_view linia) {
    if (linia.ends_with(CRLF)) linia.remove_suffix(CRLF.size());
    const std::u32string l = a_caracters(std::string(linia));
    std::size_t i = l.starts_with(U' ') ? 1 : 0;
    const std::size_t inici = i;
    while (i < l.size() && i - inici < 9 && l[i] >= U'0' && l[i] <= U'9')
        ++i;
    if (i == inici) return std::nullopt;
    Linia_registre r;
    r.numero = std::stoi(a_utf8(l.substr(inici, i - inici)));
    const std::u32string camp = a_caracters(camp_numero(r.numero));
    const std::size_t w = camp.size();
    if (l.compare(0, w, camp) != 0 || l.size() < w + Amplada_pregunta + Amplada_resposta + 2 ||
        l[w + Amplada_pregunta] != U' ' || l[w + Amplada_pregunta + 1 + Amplada_resposta] != U' ')
        return std::nullopt;
    r.pregunta = a_utf8(sense_espais_finals(l.substr(w, Amplada_pregunta)));
    r.resposta = a_utf8(sense_espais_finals(l.substr(w + Amplada_pregunta + 1, Amplada_resposta)));
    r.correccio = a_utf8(l.substr(w + Amplada_pregunta + Amplada_resposta + 2));
    r.correcte = r.correccio == Correcte;
    if (r.correcte) r.correccio.clear();
    return r;
}

bool es_correcte(std::string_view linia) {
    if (linia.ends_with(CRLF)) linia.remove_suffix(CRLF.size());
    return linia.ends_with(Correcte);
}

std::string linia_registre_formula(int N, const std::string &nom_demanat, const Exercici &esperat,
                                   const std::array<std::string, Nombre_caixes> &resposta, bool correcte) {
    return escriu_linia_registre(
        {N, nom_demanat, formula(resposta, esperat), formula(esperat.caixes, esperat), correcte});
}

std::string linia_registre_nom(int N, const Exercici &pregunta, const std::string &resposta,
                               const std::string &nom_esperat, bool correcte) {
    return escriu_linia_registre({N, formula(pregunta.caixes, pregunta), resposta, nom_esperat, correcte});
}

std::string formula_registre(const Exercici &e) {
    return formula(e.caixes, e);
}

bool Registre::afegeix(std::string linia) {
    if (linies_.size() >= static_cast<std::size_t>(Maxim_registres)) return false;
    linies_.push_back(std::move(linia));
    return true;
}

} // namespace quimerix
