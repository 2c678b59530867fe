#pragma once
// The identification line of a set (Capçalera_sessió), line 2 of the session file and the first
// line of every page of the report: "Nom i cognoms: " + the name padded to 66 characters +
// "  Data: " + the date. Its one writer and its one reader.

#include <cstddef>
#include <string>
#include <string_view>

namespace quimerix {

// The longest name and date a set keeps, in characters, and the longest line they make.
inline constexpr std::size_t Maxim_nom_alumne = 100;
inline constexpr std::size_t Maxim_data = 20;
inline constexpr std::size_t Maxim_capcalera = 15 + Maxim_nom_alumne + 8 + Maxim_data;

struct Capcalera {
    std::string nom;
    std::string data;
    bool operator==(const Capcalera &) const = default;
};

// The line as a set writes it; a name of 66 characters or more runs straight into "  Data: ".
std::string escriu_capcalera(const Capcalera &c);

// Name and date back from a line, without the spaces around them. The separator is looked for
// where the padding puts it, then anywhere after the prefix; a line without the prefix is all name.
Capcalera llegeix_capcalera(std::string_view linia);

} // namespace quimerix
