#include "linia_ordres.h"

namespace quimerix::app {

Ordre llegeix_ordre(const std::vector<std::string> &arguments) {
    for (const std::string &a : arguments) {
        if (a == "--") break;
        if (a == "-h" || a == "--help") return {Ordre::Accio::Ajuda, {}, {}};
        if (a == "--version") return {Ordre::Accio::Versio, {}, {}};
    }
    Ordre ordre;
    bool opcions = true;
    for (const std::string &a : arguments) {
        if (opcions && a == "--") {
            opcions = false;
            continue;
        }
        if (opcions && a.size() > 1 && a[0] == '-')
            return {Ordre::Accio::Error, {}, "opció desconeguda: " + a};
        if (!ordre.fitxer.empty())
            return {Ordre::Accio::Error, {}, "només es pot obrir un arxiu de sessió alhora"};
        if (a.empty()) return {Ordre::Accio::Error, {}, "el nom de l'arxiu és buit"};
        ordre.fitxer = a;
    }
    return ordre;
}

std::string text_ajuda() {
    return "Ús: quimerix [ARXIU.qxs]\n"
           "Pràctica de formulació i nomenclatura dels compostos inorgànics en català.\n"
           "\n"
           "  ARXIU.qxs     obre la vista prèvia de l'informe d'una sessió desada\n"
           "  -h, --help    mostra aquesta ajuda i surt\n"
           "  --version     mostra la versió i surt\n";
}

std::string text_versio() {
    return "quimerix " QUIMERIX_VERSIO "\n";
}

} // namespace quimerix::app
