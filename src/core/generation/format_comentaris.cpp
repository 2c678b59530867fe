#include "generation/format_comentaris.h"

#include <set>

namespace quimerix {

namespace {

bool lletra_de_nom(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

[[noreturn]] void error(std::size_t linia, const std::string &que) {
    throw Error_comentaris("línia " + std::to_string(linia) + ": " + que);
}

// The piece of text of one line, escapes resolved.
std::string peca(std::string_view linia, std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < linia.size(); ++i) {
        const char c = linia[i];
        if (c == '\t' || c == '\r') error(n, "tabulador o retorn de carro dins del text");
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == linia.size()) error(n, "barra inversa al final de la línia");
        switch (linia[i]) {
        case 'n':
            text += "\r\n";
            break;
        case 's':
            text += ' ';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            error(n, std::string("seqüència desconeguda \\") + linia[i]);
        }
    }
    return text;
}

} // namespace

std::vector<std::string> marques(std::string_view text) {
    std::vector<std::string> noms;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '}') throw Error_comentaris("clau de tancar sense obrir");
        if (text[i] != '{') continue;
        const std::size_t fi = text.find('}', i);
        if (fi == std::string_view::npos) throw Error_comentaris("marca sense tancar");
        const std::string_view nom = text.substr(i + 1, fi - i - 1);
        if (nom.empty()) throw Error_comentaris("marca buida");
        for (char c : nom)
            if (!lletra_de_nom(c)) throw Error_comentaris("marca mal escrita: {" + std::string(nom) + "}");
        noms.emplace_back(nom);
        i = fi;
    }
    return noms;
}

std::vector<Text_comentari> llegeix_comentaris(std::string_view fitxer) {
    std::vector<Text_comentari> textos;
    std::set<std::string, std::less<>> claus;
    std::size_t n = 0;
    auto tanca = [&](std::size_t linia_clau) {
        if (textos.empty()) return;
        if (textos.back().text.empty()) error(linia_clau, "la clau " + textos.back().clau + " no té text");
        try {
            marques(textos.back().text);
        } catch (const Error_comentaris &e) {
            error(linia_clau, textos.back().clau + ": " + e.what());
        }
    };
    std::size_t linia_clau = 0;
    while (!fitxer.empty()) {
        ++n;
        const std::size_t salt = fitxer.find('\n');
        std::string_view linia = fitxer.substr(0, salt);
        fitxer.remove_prefix(salt == std::string_view::npos ? fitxer.size() : salt + 1);
        if (linia.empty() || linia.front() == '#') continue;
        if (linia.back() == ' ' || linia.back() == '\t') error(n, "espai al final de la línia (escriu \\s)");
        if (linia.front() == '@') {
            tanca(linia_clau);
            const std::string clau(linia.substr(1));
            if (clau.empty()) error(n, "clau buida");
            for (char c : clau)
                if (!lletra_de_nom(c) && c != '.') error(n, "clau mal escrita: " + clau);
            if (!claus.insert(clau).second) error(n, "clau repetida: " + clau);
            textos.push_back({clau, {}});
            linia_clau = n;
            continue;
        }
        if (textos.empty()) error(n, "text abans de la primera clau");
        textos.back().text += peca(linia, n);
    }
    tanca(linia_clau);
    return textos;
}

} // namespace quimerix
