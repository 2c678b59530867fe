#include "linia_ordres.h"

#include <variant>

#include "records/codi_examen.h"

namespace quimerix::app {

Ordre llegeix_ordre(const std::vector<std::string> &arguments) {
    for (const std::string &a : arguments) {
        if (a == "--") break;
        if (a == "-h" || a == "--help") return {Ordre::Accio::Ajuda, {}, {}, {}};
        if (a == "--version") return {Ordre::Accio::Versio, {}, {}, {}};
    }
    Ordre ordre;
    bool opcions = true;
    bool examen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (opcions && a == "--") {
            opcions = false;
            continue;
        }
        if (opcions && (a == "--examen" || a.starts_with("--examen="))) {
            if (examen) return {Ordre::Accio::Error, {}, "l'opció --examen s'ha donat més d'una vegada", {}};
            examen = true;
            if (a == "--examen" && i + 1 >= arguments.size())
                return {Ordre::Accio::Error, {}, "falta el codi de --examen", {}};
            ordre.examen = a == "--examen" ? arguments[++i] : a.substr(9);
            const auto lectura = llegeix_codi_examen(ordre.examen);
            if (const auto *motiu = std::get_if<std::string>(&lectura))
                return {Ordre::Accio::Error, {}, "codi d'examen refusat: " + *motiu, {}};
            continue;
        }
        if (opcions && a.size() > 1 && a[0] == '-')
            return {Ordre::Accio::Error, {}, "opció desconeguda: " + a, {}};
        if (!ordre.fitxer.empty())
            return {Ordre::Accio::Error, {}, "només es pot obrir un arxiu de sessió alhora", {}};
        if (a.empty()) return {Ordre::Accio::Error, {}, "el nom de l'arxiu és buit", {}};
        ordre.fitxer = a;
    }
    return ordre;
}

std::string text_ajuda() {
    return "Ús: quimerix [--examen CODI] [ARXIU.qxs]\n"
           "Pràctica de formulació i nomenclatura dels compostos inorgànics en català.\n"
           "\n"
           "  ARXIU.qxs      obre la vista prèvia de l'informe d'una sessió desada\n"
           "  --examen CODI  prepara la sèrie de l'examen del codi: les opcions i els exercicis\n"
           "  -h, --help     mostra aquesta ajuda i surt\n"
           "  --version      mostra la versió i surt\n";
}

std::string text_versio() {
    return "quimerix " QUIMERIX_VERSIO "\n";
}

} // namespace quimerix::app
