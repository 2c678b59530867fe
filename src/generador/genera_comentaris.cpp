// Build step: turns data/comentaris.txt into the C++ source of the core's table of comment texts.
// Usage: genera_comentaris COMENTARIS.txt SORTIDA.cpp

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include "generation/format_comentaris.h"

using namespace quimerix;

namespace {

// A C++ string literal of the text: UTF-8 kept as it is, CR LF, quotes and backslashes escaped.
std::string literal(const std::string &text) {
    std::string s = "\"";
    for (char c : text) {
        switch (c) {
        case '\r':
            s += "\\r";
            break;
        case '\n':
            s += "\\n";
            break;
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        default:
            s += c;
        }
    }
    return s + "\"";
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "Ús: genera_comentaris COMENTARIS.txt SORTIDA.cpp\n";
        return 2;
    }
    std::ifstream entrada(argv[1], std::ios::binary);
    std::stringstream contingut;
    contingut << entrada.rdbuf();
    if (!entrada) {
        std::cerr << argv[1] << ": no s'ha pogut llegir\n";
        return 1;
    }
    std::vector<Text_comentari> textos;
    try {
        textos = llegeix_comentaris(contingut.str());
    } catch (const Error_comentaris &e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    std::sort(textos.begin(), textos.end(), [](const auto &a, const auto &b) { return a.clau < b.clau; });

    std::string cpp =
        "// Written by genera_comentaris from data/comentaris.txt when the core is built: edit that file.\n"
        "#include \"generation/comentaris.h\"\n\n"
        "namespace quimerix {\n\n"
        "namespace {\n\n"
        "constexpr Plantilla kPlantilles[] = {\n";
    for (const Text_comentari &t : textos)
        cpp += "    {" + literal(t.clau) + ",\n     " + literal(t.text) + "},\n";
    cpp += "};\n\n"
           "} // namespace\n\n"
           "std::span<const Plantilla> plantilles_comentaris() { return kPlantilles; }\n\n"
           "} // namespace quimerix\n";
    std::ofstream sortida(argv[2], std::ios::binary);
    sortida << cpp;
    if (!sortida.flush()) {
        std::cerr << argv[2] << ": no s'ha pogut escriure\n";
        return 1;
    }
    return 0;
}
