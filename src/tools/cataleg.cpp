#include "ordres.h"

#include <iostream>
#include <string>

#include "generation/sorteig.h"

using namespace quimerix;

namespace {

std::string json(const std::string &text) {
    std::string sortida = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            sortida += "\\\"";
            break;
        case '\\':
            sortida += "\\\\";
            break;
        case '\r':
            sortida += "\\r";
            break;
        case '\n':
            sortida += "\\n";
            break;
        case '\t':
            sortida += "\\t";
            break;
        default:
            sortida += c;
        }
    }
    return sortida + "\"";
}

} // namespace

int ordre_cataleg(const std::vector<std::string> &args) {
    const bool en_json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !en_json) {
        std::cerr << "quimerix-eines: opció desconeguda per a cataleg. Ús: quimerix-eines cataleg [--json]\n";
        return 2;
    }
    const Taules t = Taules::carrega();
    std::string sortida;
    for (const Entrada_catàleg &e : catàleg(t)) {
        const Exercici formular = construeix(t, e.tipus, e.a, e.b, 1);
        if (!en_json) {
            sortida +=
                formular.Codi_exercici + "\t" + formular.fórmula() + "\t" + formular.Nom_compost + "\n";
            continue;
        }
        const Exercici anomenar = construeix(t, e.tipus, e.a, e.b, 2);
        sortida += "{\"codi\":" + json(formular.Codi_exercici) + ",\"formula\":" + json(formular.fórmula()) +
                   ",\"caixes\":[";
        for (int c = 0; c < Nombre_caixes; ++c)
            sortida += (c ? "," : "") + json(formular.caixes[c]);
        sortida += "],\"nom\":" + json(formular.Nom_compost) +
                   ",\"comentari_formular\":" + json(formular.Comentari) +
                   ",\"comentari_anomenar\":" + json(anomenar.Comentari) + "}\n";
    }
    std::cout << sortida;
    return 0;
}
