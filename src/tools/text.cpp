#include "text.h"

#include <cstdio>

namespace eines {

namespace {

std::string hex(const char *format, unsigned valor) {
    char buf[8];
    std::snprintf(buf, sizeof buf, format, valor);
    return buf;
}

} // namespace

std::string visible(std::string_view text) {
    std::string sortida;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            sortida += "\\n";
        else if (c == '\t')
            sortida += "\\t";
        else if (c == '\r')
            sortida += "\\r";
        else if (c < 0x20 || c == 0x7F)
            sortida += hex("\\x%02X", c);
        else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                 static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            sortida += hex("\\u%04X", static_cast<unsigned char>(text[++i]));
        else
            sortida += static_cast<char>(c);
    }
    return sortida;
}

std::string json(std::string_view text) {
    std::string sortida = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            sortida += "\\\"";
            break;
        case '\\':
            sortida += "\\\\";
            break;
        case '\b':
            sortida += "\\b";
            break;
        case '\f':
            sortida += "\\f";
            break;
        case '\n':
            sortida += "\\n";
            break;
        case '\r':
            sortida += "\\r";
            break;
        case '\t':
            sortida += "\\t";
            break;
        default:
            if (c < 0x20)
                sortida += hex("\\u%04x", c);
            else
                sortida += ch;
        }
    }
    return sortida + "\"";
}

std::size_t amplada(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string omple(std::string_view text, std::size_t n, bool dreta) {
    const std::size_t a = amplada(text);
    const std::string espais(a < n ? n - a : 0, ' ');
    return dreta ? espais + std::string(text) : std::string(text) + espais;
}

} // namespace eines
