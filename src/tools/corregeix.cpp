// quimerix-eines corregeix: marks a typed name as the program does.

#include <iostream>
#include <optional>

#include "checking/assistent.h"
#include "checking/correccio.h"
#include "checking/normalitza.h"
#include "ordres.h"

using namespace quimerix;

int ordre_corregeix(const std::vector<std::string> &args) {
    std::optional<std::string> esperat, resposta;
    bool assistent = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--assistent") {
            assistent = true;
        } else if (a == "--esperat" || a == "--resposta") {
            if (i + 1 >= args.size()) {
                std::cerr << "quimerix-eines corregeix: falta el valor de " << a << ".\n";
                return 2;
            }
            ++i;
            if (a == "--esperat")
                esperat = normalitza_entrada(args[i]);
            else
                resposta = nom_teclejat(args[i]);
        } else {
            std::cerr << "quimerix-eines corregeix: opció desconeguda: " << a << "\n"
                      << "Ús: quimerix-eines corregeix --esperat NOM --resposta TEXT [--assistent]\n";
            return 2;
        }
    }
    if (!esperat || !resposta) {
        std::cerr << "quimerix-eines corregeix: calen --esperat i --resposta.\n"
                  << "Ús: quimerix-eines corregeix --esperat NOM --resposta TEXT [--assistent]\n";
        return 2;
    }
    // The expected name as the exercise shows it, then the correction itself.
    const Correcció_nom c = corregeix_nom(*resposta, Canvi_MAJÚSCULES_minúscules(*esperat), assistent);
    std::cout << (c.correcte ? "CORRECTE" : "INCORRECTE") << "\n"
              << c.resposta_comparada << "\n"
              << c.esperat_comparat << "\n";
    return 0;
}
