#include "generation/comentaris.h"

#include <algorithm>
#include <stdexcept>

namespace quimerix {

namespace {

// The name as kMarques holds it, so that a value's name never points into a caller's string.
std::string_view marca_coneguda(std::string_view nom) {
    for (std::string_view m : kMarques)
        if (m == nom) return m;
    throw std::logic_error("marca desconeguda als comentaris: {" + std::string(nom) + "}");
}

} // namespace

std::string_view plantilla(std::string_view clau) {
    const auto taula = plantilles_comentaris();
    const auto it = std::lower_bound(taula.begin(), taula.end(), clau,
                                     [](const Plantilla &p, std::string_view c) { return p.clau < c; });
    if (it == taula.end() || it->clau != clau)
        throw std::logic_error("clau desconeguda als comentaris: " + std::string(clau));
    return it->text;
}

std::string omple(std::string_view text, const Valors &valors) {
    std::string sortida;
    sortida.reserve(text.size() + 64);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t obre = text.find_first_of("{}", i);
        sortida.append(text.substr(i, obre - i));
        if (obre == std::string_view::npos) break;
        const std::size_t tanca = text.find('}', obre);
        if (text[obre] == '}' || tanca == std::string_view::npos)
            throw std::logic_error("clau sense parella en un comentari: " + std::string(text));
        const std::string_view nom = text.substr(obre + 1, tanca - obre - 1);
        const auto valor =
            std::find_if(valors.begin(), valors.end(), [&](const auto &v) { return v.first == nom; });
        if (valor == valors.end())
            throw std::logic_error("falta el valor de {" + std::string(nom) + "} en un comentari");
        sortida += valor->second;
        i = tanca + 1;
    }
    return sortida;
}

Frases::Frases(std::initializer_list<std::pair<std::string_view, std::string>> valors) {
    for (const auto &[nom, valor] : valors)
        amb(nom, valor);
}

Frases &Frases::amb(std::string_view nom, std::string valor) {
    nom = marca_coneguda(nom);
    const auto v =
        std::find_if(valors_.begin(), valors_.end(), [&](const auto &p) { return p.first == nom; });
    if (v != valors_.end())
        v->second = std::move(valor);
    else
        valors_.emplace_back(nom, std::move(valor));
    return *this;
}

std::string Frases::operator()(std::string_view clau) const {
    try {
        return omple(plantilla(clau), valors_);
    } catch (const std::logic_error &e) {
        throw std::logic_error(std::string(clau) + ": " + e.what());
    }
}

} // namespace quimerix
