#include "records/capcalera.h"

#include <algorithm>

#include "text/utf8.h"

namespace quimerix {
namespace {

const std::u32string Prefix = U"Nom i cognoms: ", Separador = U"  Data: ";
constexpr std::size_t Amplada_nom = 66;

std::string retalla(std::u32string s) {
    const auto no_espai = [](char32_t c) { return c != U' '; };
    s.erase(std::find_if(s.rbegin(), s.rend(), no_espai).base(), s.end());
    s.erase(s.begin(), std::find_if(s.begin(), s.end(), no_espai));
    return a_utf8(s);
}

} // namespace

std::string escriu_capcalera(const Capcalera &c) {
    const std::size_t llarg = longitud(c.nom);
    return a_utf8(Prefix) + c.nom + std::string(llarg < Amplada_nom ? Amplada_nom - llarg : 0, ' ') +
           a_utf8(Separador) + c.data;
}

Capcalera llegeix_capcalera(std::string_view linia) {
    const std::u32string text = a_caracters(std::string(linia));
    if (text.rfind(Prefix, 0) != 0) return {retalla(text), ""};
    std::size_t on = Prefix.size() + Amplada_nom;
    if (text.size() < on + Separador.size() || text.compare(on, Separador.size(), Separador) != 0)
        on = text.find(Separador, Prefix.size());
    if (on == std::u32string::npos) return {retalla(text.substr(Prefix.size())), ""};
    return {retalla(text.substr(Prefix.size(), on - Prefix.size())),
            retalla(text.substr(on + Separador.size()))};
}

} // namespace quimerix
