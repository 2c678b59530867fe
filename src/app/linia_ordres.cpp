#include "linia_ordres.h"

namespace quimerix::app {

Ordre llegeix_ordre(const std::vector<std::string> &arguments) {
    for (const std::string &a : arguments) {
        if (a == "--") break;
        if (a == "-h" || a == "--help") return {Ordre::Acció::Ajuda, {}, {}};
        if (a == "--version") return {Ordre::Acció::Versió, {}, {}};
    }
    Ordre ordre;
    bool opcions = true;
    for (const std::string &a : arguments) {
        if (opcions && a == "--") {
            opcions = false;
            continue;
        }
        if (opcions && a.size() > 1 && a[0] == '-')
            return {Ordre::Acció::Error, {}, "opció desconeguda: " + a};
        if (!ordre.fitxer.empty())
            return {Ordre::Acció::Error, {}, "només es pot obrir un fitxer de sessió alhora"};
        if (a.empty()) return {Ordre::Acció::Error, {}, "el nom del fitxer és buit"};
        ordre.fitxer = a;
    }
    return ordre;
}

std::string text_ajuda() {
    return "Ús: quimerix [FITXER.qxs]\n"
           "Pràctica de formulació i nomenclatura dels compostos inorgànics en català.\n"
           "\n"
           "  FITXER.qxs    obre la vista prèvia de l'informe d'una sessió desada\n"
           "  -h, --help    mostra aquesta ajuda i surt\n"
           "  --version     mostra la versió i surt\n";
}

std::string text_versió() { return "quimerix " QUIMERIX_VERSIO "\n"; }

} // namespace quimerix::app
