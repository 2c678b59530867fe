#pragma once
// The reference tables of the panel: the valences of every element grouped by their pattern, and
// the elements' names with their symbols. Both are fixed texts shown in a fixed-pitch font, kept
// as data (data/valencies.txt, data/simbols.txt).

#include <array>
#include <string>

namespace quimerix {

// Label81: ten lines; the group valence of a non-metal is the one in brackets.
const std::array<std::string, 10> &Taula_de_Valencies();
// Label92: nine lines of five columns, alphabetical by name down each column.
const std::array<std::string, 9> &Simbols();
// Label86: the about text, lines joined by CR LF.
std::string Autor(const std::string &versio);
// The version of the program, set by the build.
const std::string &Versio();

namespace taules_text {
// The texts of the two tables as data/valencies.txt and data/simbols.txt hold them, a line each.
extern const char *const Text_valencies;
extern const char *const Text_simbols;
} // namespace taules_text

} // namespace quimerix
