#include "comprova_lector.h"

#include <variant>

#include "records/arxiu_sessio.h"

namespace quimerix {

namespace {

std::string comprova_lectura(const Lectura_arxiu &l, std::string_view pla) {
    if (const auto *e = std::get_if<Error_arxiu>(&l))
        return e->posicio > pla.size() ? "a fault placed after the end of the text" : "";
    const auto &d = std::get<DadesSessio>(l);
    if (text_arxiu(d, Forma_arxiu::Completa) != pla && text_arxiu(d, Forma_arxiu::Inici) != pla)
        return "a set read back is not written back to the same text";
    return {};
}

} // namespace

std::string comprova_text_pla(std::string_view pla) {
    return comprova_lectura(llegeix_text_pla(pla), pla);
}

std::string comprova_arxiu(std::string_view bytes) {
    const auto pla = text_pla(bytes);
    const Lectura_arxiu l = llegeix_arxiu(bytes);
    const auto *text = std::get_if<std::string>(&pla);
    if (text == nullptr)
        return std::holds_alternative<Error_arxiu>(l) ? "" : "a file without its plain text was read";
    if (xifra(*text) != bytes) return "the plain text does not scramble back to the file";
    if (l != llegeix_text_pla(*text)) return "the file and its plain text are read differently";
    return comprova_lectura(l, *text);
}

} // namespace quimerix
