#include "records/cp1252.h"

#include <array>

#include "text/utf8.h"

namespace quimerix {

namespace {

// Bytes 0x80..0x9F; every other byte is the Latin-1 character of the same value.
constexpr std::array<char32_t, 32> Alt_1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char byte_de(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Alt_1252.size(); ++i)
        if (Alt_1252[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

bool ascii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

// Both directions copy runs of ASCII as they are and convert only the runs in between.
void afegeix_cp1252(std::string &r, std::string_view utf8) {
    for (std::size_t p = 0, q = 0; p < utf8.size(); p = q) {
        while (q < utf8.size() && ascii(utf8[q]))
            ++q;
        r.append(utf8, p, q - p);
        for (p = q; q < utf8.size() && !ascii(utf8[q]);)
            ++q;
        if (q > p)
            for (char32_t c : a_caracters(std::string(utf8.substr(p, q - p))))
                r.push_back(byte_de(c));
    }
}

std::string a_cp1252(std::string_view utf8) {
    std::string r;
    r.reserve(utf8.size());
    afegeix_cp1252(r, utf8);
    return r;
}

std::string de_cp1252(std::string_view bytes) {
    std::string r;
    r.reserve(bytes.size() + bytes.size() / 8);
    std::u32string alts;
    for (std::size_t p = 0, q = 0; p < bytes.size(); p = q) {
        while (q < bytes.size() && ascii(bytes[q]))
            ++q;
        r.append(bytes, p, q - p);
        alts.clear();
        for (; q < bytes.size() && !ascii(bytes[q]); ++q) {
            const auto b = static_cast<unsigned char>(bytes[q]);
            alts.push_back(b < 0xA0 ? Alt_1252[b - 0x80] : char32_t{b});
        }
        r += a_utf8(alts);
    }
    return r;
}

} // namespace quimerix
