#include "text/utf8.h"

namespace quimerix {
namespace {

// The well-formed sequence at the start of `s` (n bytes left): its character and length, or
// length 0 when the first byte does not start one.
struct Sequencia {
    char32_t c = 0;
    std::size_t llargada = 0;
};

Sequencia llegeix(const unsigned char *s, std::size_t n) {
    const unsigned char b = s[0];
    if (b < 0x80) return {b, 1};
    std::size_t seguits = 0;
    char32_t c = 0, minim = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        seguits = 1, c = b & 0x1F, minim = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        seguits = 2, c = b & 0x0F, minim = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        seguits = 3, c = b & 0x07, minim = 0x10000;
    } else {
        return {};
    }
    if (seguits >= n) return {};
    for (std::size_t k = 1; k <= seguits; ++k) {
        if ((s[k] & 0xC0) != 0x80) return {};
        c = (c << 6) | (s[k] & 0x3F);
    }
    if (c < minim || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
    return {c, seguits + 1};
}

} // namespace

std::u32string a_caracters(const std::string &text) {
    std::u32string r;
    r.reserve(text.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const Sequencia s = llegeix(bytes + i, text.size() - i);
        if (s.llargada == 0) {
            r.push_back(bytes[i]);
            ++i;
        } else {
            r.push_back(s.c);
            i += s.llargada;
        }
    }
    return r;
}

std::string utf8_valid(const std::string &text) {
    std::string r;
    r.reserve(text.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = llegeix(bytes + i, text.size() - i).llargada;
        if (n == 0) {
            r += "\xEF\xBF\xBD";
            ++i;
        } else {
            r.append(text, i, n);
            i += n;
        }
    }
    return r;
}

std::string a_utf8(const std::u32string &text) {
    std::string r;
    r.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            r.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            r.push_back(static_cast<char>(0xC0 | (c >> 6)));
            r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            r.push_back(static_cast<char>(0xE0 | (c >> 12)));
            r.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            r.push_back(static_cast<char>(0xF0 | (c >> 18)));
            r.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            r.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return r;
}

std::size_t longitud(const std::string &text) {
    return a_caracters(text).size();
}

std::string primers_caracters(const std::string &text, std::size_t n) {
    std::u32string s = a_caracters(text);
    if (s.size() <= n) return text;
    s.resize(n);
    return a_utf8(s);
}

std::string primer_caracter(const std::string &text) {
    if (text.empty()) return {};
    const Sequencia s = llegeix(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    return s.llargada == 0 ? a_utf8(std::u32string(1, static_cast<unsigned char>(text[0])))
                           : text.substr(0, s.llargada);
}

} // namespace quimerix
