// quimerix-eines llegeix: the plain text of a stored session file, in UTF-8.

#include <iostream>
#include <string_view>
#include <variant>

#include "fitxers.h"
#include "ordres.h"
#include "records/arxiu_sessio.h"
#include "records/cp1252.h"
#include "text.h"

using namespace quimerix;

namespace {

int no_llegit(const std::string &cami) {
    std::cerr << "quimerix-eines: " << eines::visible(cami) << ": " << Missatge_error_arxiu << "\n";
    return 1;
}

// The text as it is, line by line: only a stray control character is escaped, so that nothing
// read from a file can act on the terminal.
std::string linies_visibles(std::string_view text) {
    std::string r;
    for (std::size_t p = 0;;) {
        const std::size_t fi = text.find("\r\n", p);
        r += eines::visible(text.substr(p, fi == std::string_view::npos ? std::string_view::npos : fi - p));
        if (fi == std::string_view::npos) return r;
        r += "\r\n";
        p = fi + 2;
    }
}

int llegeix(const eines::Arguments &args) {
    const std::string &cami = args.posicionals().front();
    const auto bytes = eines::llegeix_fitxer(cami);
    if (!bytes) return no_llegit(cami);
    const auto pla = text_pla(*bytes);
    const auto *text = std::get_if<std::string>(&pla);
    if (text == nullptr || std::holds_alternative<Error_arxiu>(llegeix_text_pla(*text)))
        return no_llegit(cami);
    std::cout << linies_visibles(de_cp1252(*text));
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_llegeix{
    .nom = "llegeix",
    .descripcio = "escriu el text d'un arxiu de sessió desat pel programa",
    .posicionals = eines::Un_arxiu,
    .executa = llegeix,
};
