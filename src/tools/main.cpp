// quimerix-eines: the companion tool for teachers and for checks, built on the program's core.
#include <iostream>
#include <string>
#include <vector>

#include "ordres.h"

namespace {

void ús() {
    std::cerr << "Ús: quimerix-eines cataleg [--json]\n"
                 "    quimerix-eines corregeix --esperat NOM --resposta TEXT [--assistent]\n";
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        ús();
        return 2;
    }
    const std::string ordre = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (ordre == "cataleg") return ordre_cataleg(args);
    if (ordre == "corregeix") return ordre_corregeix(args);
    std::cerr << "quimerix-eines: ordre desconeguda: " << ordre << "\n";
    ús();
    return 2;
}
