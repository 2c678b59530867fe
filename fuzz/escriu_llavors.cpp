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
    for (const auto &ll : quimerix::llavors()) {
        std::ofstream(carpeta / "arxiu" / (ll.nom + ".qxs"), std::ios::binary) << quimerix::xifra(ll.pla);
        std::ofstream(carpeta / "text_pla" / (ll.nom + ".txt"), std::ios::binary) << ll.pla;
    }
    return 0;
}
