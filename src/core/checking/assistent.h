#pragma once
// The spelling assistant: fixed text transformations that bring the typed name and the expected
// name to a common form before they are compared. None of them can fail; empty text stays empty.

#include <string>

namespace quimerix {

// Lower-cases the first character when it is a capital of the lower-casing table (expected name,
// each time an exercise is shown).
std::string Canvi_MAJUSCULES_minuscules(const std::string &text);

// Lower-cases every capital of the lower-casing table (Ä Ë Ï Ö Ü stay), then restores a final
// Stock numeral to capitals.
std::string Canvi_MAJUSCULES_minuscules2(const std::string &text);

// The twelve space passes, in order, each repeated until nothing is left to change.
std::string Suprimir_espais(const std::string &text);

// Typed name: accented vowels, small and capital, become small plain vowels.
std::string Canvi_accents(const std::string &text);
// Expected name: only the small accented vowels become plain.
std::string Canvi_accents_esperat(const std::string &text);

// Elision of "de" before a, e, o and h, everywhere in the text.
std::string Apostrofa(const std::string &text);

} // namespace quimerix
