#include "checking/normalitza.h"

#include "checking/utf8.h"

namespace quimerix {
namespace {

// The precomposed letter of a base letter and a combining mark; 0 when there is none.
char32_t compon(char32_t base, char32_t marca) {
    const bool majúscula = base >= U'A' && base <= U'Z';
    const char32_t petita = majúscula ? base + 0x20 : base;
    char32_t r = 0;
    switch (marca) {
    case 0x0300: // grave
        switch (petita) {
        case U'a':
            r = U'à';
            break;
        case U'e':
            r = U'è';
            break;
        case U'i':
            r = U'ì';
            break;
        case U'o':
            r = U'ò';
            break;
        case U'u':
            r = U'ù';
            break;
        }
        break;
    case 0x0301: // acute
        switch (petita) {
        case U'a':
            r = U'á';
            break;
        case U'e':
            r = U'é';
            break;
        case U'i':
            r = U'í';
            break;
        case U'o':
            r = U'ó';
            break;
        case U'u':
            r = U'ú';
            break;
        }
        break;
    case 0x0308: // diaeresis
        switch (petita) {
        case U'a':
            r = U'ä';
            break;
        case U'e':
            r = U'ë';
            break;
        case U'i':
            r = U'ï';
            break;
        case U'o':
            r = U'ö';
            break;
        case U'u':
            r = U'ü';
            break;
        }
        break;
    case 0x0327: // cedilla
        if (petita == U'c') r = U'ç';
        break;
    }
    // The capitals of these letters sit 0x20 below the small ones.
    return (r != 0 && majúscula) ? r - 0x20 : r;
}

} // namespace

std::string normalitza_entrada(const std::string &text) {
    const std::u32string s = a_caràcters(text);
    std::u32string r;
    r.reserve(s.size() + 2);
    for (char32_t c : s) {
        if (c == 0x2019) {
            r.push_back(U'\'');
        } else if (c == 0x0140) {
            r += U"l·";
        } else if (c == 0x013F) {
            r += U"L·";
        } else if (!r.empty() && (c == 0x0300 || c == 0x0301 || c == 0x0308 || c == 0x0327) &&
                   compon(r.back(), c) != 0) {
            r.back() = compon(r.back(), c);
        } else {
            r.push_back(c);
        }
    }
    return a_utf8(r);
}

} // namespace quimerix
