#include "text/normalitza.h"

#include "text/nfc.h"
#include "text/utf8.h"

namespace quimerix {
namespace {

bool invisible(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || c == 0x2060 || c == 0xFEFF;
}

} // namespace

bool es_control(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string controls_a_espais(const std::string &text) {
    std::u32string r = a_caracters(text);
    for (char32_t &c : r)
        if (es_control(c)) c = U' ';
    return a_utf8(r);
}

std::string normalitza_entrada(const std::string &text) {
    std::u32string r;
    r.reserve(text.size() + 2);
    for (char32_t c : a_caracters(text)) {
        if (invisible(c)) continue;
        if (es_control(c) || c == 0x00A0 || c == 0x202F)
            r.push_back(U' ');
        else if (c == 0x2019)
            r.push_back(U'\'');
        else if (c == 0x0140)
            r += U"l·";
        else if (c == 0x013F)
            r += U"L·";
        else
            r.push_back(c);
    }
    const std::size_t inici = r.find_first_not_of(U' ');
    if (inici == std::u32string::npos) return {};
    r = r.substr(inici, r.find_last_not_of(U' ') - inici + 1);
    return a_utf8(forma_c(r));
}

} // namespace quimerix
