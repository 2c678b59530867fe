// Writes the fuzzers' seeds: DIR/arxiu/NOM.qxs (scrambled) and DIR/text_pla/NOM.txt (plain).

#include <filesystem>
#include <fstream>
#include <iostream>

#include "llavors.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "Ús: escriu_llavors CARPETA\n";
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    std::filesystem::create_directories(carpeta / "arxiu");
    std::filesystem::create_directories(carpeta / "text_pla");
    bool be = true;
    const auto escriu = [&](const std::filesystem::path &cami, const std::string &bytes) {
        std::ofstream f(cami, std::ios::binary);
        be = static_cast<bool>(f << bytes) && static_cast<bool>(f.flush()) && be;
        if (!f) std::cerr << "escriu_llavors: no s'ha pogut escriure " << cami << "\n";
    };
    for (const auto &ll : quimerix::llavors()) {
        escriu(carpeta / "arxiu" / (ll.nom + ".qxs"), quimerix::xifra(ll.pla));
        escriu(carpeta / "text_pla" / (ll.nom + ".txt"), ll.pla);
    }
    return be ? 0 : 1;
}
