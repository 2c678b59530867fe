#include "checking/utf8.h"

namespace quimerix {

std::u32string a_caràcters(const std::string &text) {
    std::u32string r;
    r.reserve(text.size());
    const auto n = text.size();
    for (std::size_t i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(text[i]);
        int seguits = 0;
        char32_t c = b;
        if (b >= 0xF0 && b < 0xF8) {
            seguits = 3;
            c = b & 0x07;
        } else if (b >= 0xE0) {
            seguits = 2;
            c = b & 0x0F;
        } else if (b >= 0xC0) {
            seguits = 1;
            c = b & 0x1F;
        }
        bool bo = b < 0x80 || (seguits > 0 && b < 0xF8);
        if (bo && i + seguits >= n + (seguits ? 0 : 1)) bo = false;
        for (int k = 1; bo && k <= seguits; ++k) {
            const auto s = static_cast<unsigned char>(text[i + k]);
            if ((s & 0xC0) != 0x80)
                bo = false;
            else
                c = (c << 6) | (s & 0x3F);
        }
        if (!bo) {
            r.push_back(b);
            ++i;
        } else {
            r.push_back(c);
            i += 1 + seguits;
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
    return a_caràcters(text).size();
}

std::string primers_caràcters(const std::string &text, std::size_t n) {
    std::u32string s = a_caràcters(text);
    if (s.size() <= n) return text;
    s.resize(n);
    return a_utf8(s);
}

} // namespace quimerix
