#include "checking/assistent.h"

#include <array>
#include <utility>

#include "text/utf8.h"

namespace quimerix {
namespace {

using Text = std::u32string;

// Lower-casing table: capital, small.
constexpr std::array<std::pair<char32_t, char32_t>, 38> Minuscules{{
    {U'Q', U'q'}, {U'W', U'w'}, {U'E', U'e'}, {U'R', U'r'}, {U'T', U't'}, {U'Y', U'y'}, {U'U', U'u'},
    {U'I', U'i'}, {U'O', U'o'}, {U'P', U'p'}, {U'A', U'a'}, {U'S', U's'}, {U'D', U'd'}, {U'F', U'f'},
    {U'G', U'g'}, {U'H', U'h'}, {U'J', U'j'}, {U'K', U'k'}, {U'L', U'l'}, {U'Ñ', U'ñ'}, {U'Ç', U'ç'},
    {U'Z', U'z'}, {U'X', U'x'}, {U'C', U'c'}, {U'V', U'v'}, {U'B', U'b'}, {U'N', U'n'}, {U'M', U'm'},
    {U'À', U'à'}, {U'È', U'è'}, {U'Ì', U'ì'}, {U'Ò', U'ò'}, {U'Ù', U'ù'}, {U'Á', U'á'}, {U'É', U'é'},
    {U'Í', U'í'}, {U'Ó', U'ó'}, {U'Ú', U'ú'},
}};

// Accent table: each accented vowel, small and capital, and the small plain vowel both become.
struct Accent {
    char32_t minuscula, majuscula, pla;
};
constexpr std::array<Accent, 15> Accents{{
    {U'à', U'À', U'a'},
    {U'á', U'Á', U'a'},
    {U'ä', U'Ä', U'a'},
    {U'é', U'É', U'e'},
    {U'è', U'È', U'e'},
    {U'ë', U'Ë', U'e'},
    {U'í', U'Í', U'i'},
    {U'ì', U'Ì', U'i'},
    {U'ï', U'Ï', U'i'},
    {U'ò', U'Ò', U'o'},
    {U'ó', U'Ó', U'o'},
    {U'ö', U'Ö', U'o'},
    {U'ú', U'Ú', U'u'},
    {U'ù', U'Ù', U'u'},
    {U'ü', U'Ü', U'u'},
}};

template <std::size_t N>
char32_t tradueix(const std::array<std::pair<char32_t, char32_t>, N> &taula, char32_t c) {
    for (const auto &[de, a] : taula)
        if (c == de) return a;
    return c;
}

template <std::size_t N>
Text tradueix_tot(const std::array<std::pair<char32_t, char32_t>, N> &taula, Text s) {
    for (auto &c : s)
        c = tradueix(taula, c);
    return s;
}

Text numeral(Text s) {
    static const std::array<std::pair<Text, Text>, 7> numerals{{
        {U"(i)", U"(I)"},
        {U"(ii)", U"(II)"},
        {U"(iii)", U"(III)"},
        {U"(iv)", U"(IV)"},
        {U"(v)", U"(V)"},
        {U"(vi)", U"(VI)"},
        {U"(vii)", U"(VII)"},
    }};
    for (const auto &[petit, gran] : numerals) {
        if (s.ends_with(petit)) {
            s.replace(s.size() - petit.size(), petit.size(), gran);
            break;
        }
    }
    return s;
}

// Every small accented vowel, and every capital one when `majuscules`, becomes its small plain
// vowel; then a final Stock numeral goes back to capitals.
std::string treu_accents(const std::string &text, bool majuscules) {
    Text s = a_caracters(text);
    for (char32_t &c : s) {
        for (const Accent &a : Accents) {
            if (c == a.minuscula || (majuscules && c == a.majuscula)) {
                c = a.pla;
                break;
            }
        }
    }
    return a_utf8(numeral(std::move(s)));
}

// Replaces every occurrence of `de` by `a`, repeating until none is left.
void substitueix_tot(Text &s, const Text &de, const Text &a) {
    for (auto p = s.find(de); p != Text::npos; p = s.find(de))
        s.replace(p, de.size(), a);
}

// The two characters before position i are "io".
bool precedit_de_io(const Text &s, std::size_t i) {
    return i >= 2 && s[i - 2] == U'i' && s[i - 1] == U'o';
}

// Inserts a space before every occurrence of `grup` that is not at the start and has no space
// before it; with `guarda_io`, not where "io" precedes it either (so "iode" stays whole).
void espai_abans(Text &s, const Text &grup, bool guarda_io) {
    bool canvi = true;
    while (canvi) {
        canvi = false;
        for (std::size_t i = 1; i + grup.size() <= s.size(); ++i) {
            if (s.compare(i, grup.size(), grup) == 0 && s[i - 1] != U' ' &&
                !(guarda_io && precedit_de_io(s, i))) {
                s.insert(i, 1, U' ');
                canvi = true;
                break;
            }
        }
    }
}

} // namespace

std::string Canvi_MAJUSCULES_minuscules(const std::string &text) {
    Text s = a_caracters(text);
    if (!s.empty()) s[0] = tradueix(Minuscules, s[0]);
    return a_utf8(s);
}

std::string Canvi_MAJUSCULES_minuscules2(const std::string &text) {
    return a_utf8(numeral(tradueix_tot(Minuscules, a_caracters(text))));
}

std::string Suprimir_espais(const std::string &text) {
    Text s = a_caracters(text);
    substitueix_tot(s, U"  ", U" "); // 1
    while (!s.empty() && s.front() == U' ')
        s.erase(0, 1); // 2
    while (!s.empty() && s.back() == U' ')
        s.pop_back();                 // 3
    substitueix_tot(s, U"( ", U"(");  // 4
    substitueix_tot(s, U" )", U")");  // 5
    espai_abans(s, U"(", false);      // 6
    substitueix_tot(s, U"' ", U"'");  // 7
    substitueix_tot(s, U" '", U"'");  // 8
    espai_abans(s, U"de", true);      // 9
    espai_abans(s, U"d'", true);      // 10
    for (bool canvi = true; canvi;) { // 11
        canvi = false;
        for (std::size_t i = 0; i + 2 <= s.size(); ++i) {
            if (s[i] == U'd' && s[i + 1] == U'e' && (i + 2 == s.size() || s[i + 2] != U' ') &&
                !precedit_de_io(s, i)) {
                s.insert(i + 2, 1, U' ');
                canvi = true;
                break;
            }
        }
    }
    for (std::size_t p = 0; p + 2 < s.size(); ++p) // 12
        if (s[p] == U'l' && s[p + 2] == U'l') s[p + 1] = U'·';
    return a_utf8(s);
}

std::string Canvi_accents(const std::string &text) {
    return treu_accents(text, true);
}

std::string Canvi_accents_esperat(const std::string &text) {
    return treu_accents(text, false);
}

std::string Apostrofa(const std::string &text) {
    Text s = a_caracters(text);
    substitueix_tot(s, U"de a", U"d'a");
    substitueix_tot(s, U"de e", U"d'e");
    substitueix_tot(s, U"de o", U"d'o");
    substitueix_tot(s, U"de h", U"d'h");
    return a_utf8(s);
}

} // namespace quimerix
