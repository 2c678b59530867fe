#include "reference/taules_referencia.h"

#include <stdexcept>
#include <string_view>

#ifndef QUIMERIX_VERSIO
#define QUIMERIX_VERSIO "0"
#endif

namespace quimerix {

namespace {

// The lines of a table text, which must hold exactly N of them (each ended by a line break).
template <std::size_t N> std::array<std::string, N> linies(std::string_view text) {
    std::array<std::string, N> resultat;
    std::size_t n = 0;
    while (!text.empty()) {
        const std::size_t fi = text.find('\n');
        if (n == N || fi == std::string_view::npos) throw std::logic_error("taula de referència mal formada");
        resultat[n++] = std::string(text.substr(0, fi));
        text.remove_prefix(fi + 1);
    }
    if (n != N) throw std::logic_error("taula de referència mal formada");
    return resultat;
}

} // namespace

const std::array<std::string, 10> &Taula_de_Valencies() {
    static const auto taula = linies<10>(taules_text::Text_valencies);
    return taula;
}

const std::array<std::string, 9> &Simbols() {
    static const auto taula = linies<9>(taules_text::Text_simbols);
    return taula;
}

std::string Autor(const std::string &versio) {
    return " Sobre el programa...\r\n\r\nQUIMERIX\r\nVersió " + versio +
           "\r\n\r\nFet per l'equip de QUIMERIX per practicar la formulació inorgànica.";
}

const std::string &Versio() {
    static const std::string v = QUIMERIX_VERSIO;
    return v;
}

} // namespace quimerix
