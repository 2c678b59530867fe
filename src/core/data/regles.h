#pragma once
// The common rules of formula writing and naming, written once and used by every builder.

#include <span>
#include <string>
#include <utility>

#include "data/taules.h"
#include "text/utf8.h"

namespace quimerix {

inline const std::string CRLF = "\r\n";

// Whole number from a valence or subscript cell ("" counts as 0).
int enter(const std::string &text);

// Subscript simplification of a binary formula: for every divisor i from 1 to 7 and quotients
// j, k from 1 to 7, whenever x / i == j and y / i == k exactly (x, y as crossed), the pair becomes
// (j, k). The last divisor that fits wins, so the pair ends divided by its greatest common divisor.
std::pair<int, int> simplifica(int x, int y);

// Simplification of the ternary families: divisors i from 1 to 7 in turn, each working on the
// values left by the previous one; a divisor applies only when every value divided by it is a
// whole number from 1 to 7. (4, 4) stays (2, 2): after dividing by 2, 4 no longer divides.
void simplifica_successiu(std::span<int> valors);

// Blank subscript 1: a subscript of 1 is never written.
std::string subindex(int n);
std::string subindex(const std::string &n);

// True when the first character of the word equals one of Vocals[1..6] (exact comparison).
bool comenca_per_vocal(const Taules &t, const std::string &paraula);

// "d'" before a word that begins with a letter of Vocals, "de " otherwise.
std::string preposicio_de(const Taules &t, const std::string &paraula);

// Roman numeral suffix of a valence, with its leading space: 3 -> " (III)".
std::string numeral_roma(int valencia);

// Roman numeral of the valence when the metal has more than one valence; "" otherwise.
std::string sufix_valencia(const Taules &t, int fila, const std::string &valencia);

// Stem for names in -ur: Arrel_ur, or Nom when that column is empty.
std::string arrel_ur(const Taules &t, int fila);

} // namespace quimerix
