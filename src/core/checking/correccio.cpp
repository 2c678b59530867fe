#include "checking/correccio.h"

#include "checking/assistent.h"
#include "data/regles.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix {
namespace {

std::string espais(long long n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

long long llargada_caixes(const std::array<std::string, Nombre_caixes> &caixes) {
    long long total = 0;
    for (const auto &c : caixes)
        total += static_cast<long long>(longitud(c));
    return total;
}

} // namespace

std::string nom_teclejat(const std::string &text) {
    return primers_caràcters(normalitza_entrada(text), Mida_nom);
}

std::string nom_esperat(const std::string &Nom_compost) {
    return Canvi_MAJÚSCULES_minúscules(Nom_compost);
}

bool corregeix_fórmula(const std::array<std::string, Nombre_caixes> &resposta, const Exercici &esperat) {
    for (int c = 0; c < Nombre_caixes; ++c)
        if (resposta[c] != esperat.caixes[c]) return false;
    return true;
}

Correcció_nom corregeix_nom(const std::string &teclejat, const std::string &esperat, bool assistent) {
    Correcció_nom r;
    std::u32string s = a_caràcters(normalitza_entrada(teclejat));
    if (!s.empty() && (s.back() == U'ç' || s.back() == U'Ç')) s.pop_back();
    if (s.ends_with(U" ç") || s.ends_with(U" Ç")) s.resize(s.size() - 2);
    r.resposta_mostrada = a_utf8(s);

    std::string text = Canvi_MAJÚSCULES_minúscules2(r.resposta_mostrada);
    if (assistent) text = Suprimir_espais(text);
    r.Nom_amb_accents = esperat;
    std::string esperat_comparat = esperat;
    if (assistent) {
        text = Canvi_accents(text);
        esperat_comparat = Canvi_accents_esperat(esperat_comparat);
    }
    const std::string plata = "de plata";
    if (text.ends_with(plata)) text.replace(text.size() - plata.size(), plata.size(), "d'argent");
    text = Apostrofa(text);

    r.resposta_comparada = text;
    r.esperat_comparat = esperat_comparat;
    r.correcte = text == esperat_comparat;
    r.nom_esperat_mostrat = r.correcte ? esperat_comparat : r.Nom_amb_accents;
    return r;
}

std::string fórmula_amb_espais(const std::array<std::string, Nombre_caixes> &c, bool claudàtors) {
    if (claudàtors)
        return c[Símbol1] + c[Subíndex1] + " " + "(" + c[Símbol2] + c[Subíndex2] + " " + c[Símbol3] +
               c[Subíndex3] + ")" + c[Subíndex_grup];
    return c[Símbol1] + c[Subíndex1] + " " + c[Símbol2] + c[Subíndex2] + " " + c[Símbol3] + c[Subíndex3] +
           c[Subíndex_grup];
}

std::string línia_registre_fórmula(int N, const std::string &nom_demanat, const Exercici &esperat,
                                   const std::array<std::string, Nombre_caixes> &resposta, bool correcte) {
    const std::string n = std::to_string(N);
    std::string línia = N < 10 ? " " + n + "   " : N < 1000 ? " " + n + "  " : n + "  ";
    const bool ternari = esperat.visibles[Símbol1];
    línia += nom_demanat + espais(38 - static_cast<long long>(longitud(nom_demanat)));
    if (ternari) línia += " ";
    línia += fórmula_amb_espais(resposta, esperat.claudàtors);
    línia += espais(38 - llargada_caixes(resposta) - 2 - (esperat.claudàtors ? 2 : 0));
    if (correcte)
        línia += ternari ? "CORRECTE" : " CORRECTE";
    else
        línia += fórmula_amb_espais(esperat.caixes, esperat.claudàtors);
    return línia + CRLF;
}

std::string línia_registre_nom(int N, const Exercici &pregunta, const std::string &resposta,
                               const std::string &nom_esperat, bool correcte) {
    const std::string n = std::to_string(N);
    std::string línia = N < 10 ? " " + n + "  " : N < 1000 ? " " + n + " " : n + " ";
    const bool ternari = pregunta.visibles[Símbol1];
    if (ternari) línia += " ";
    línia += fórmula_amb_espais(pregunta.caixes, pregunta.claudàtors);
    línia += espais(38 - llargada_caixes(pregunta.caixes) - 2 - (pregunta.claudàtors ? 2 : 0));
    línia += " ";
    if (!ternari) línia += " ";
    línia += resposta + espais(38 - static_cast<long long>(longitud(resposta)));
    línia += correcte ? "CORRECTE" : nom_esperat;
    return línia + CRLF;
}

bool Registre::afegeix(std::string línia) {
    if (línies_.size() >= Màxim) return false;
    línies_.push_back(std::move(línia));
    return true;
}

} // namespace quimerix
