#pragma once
// Typed text in the form the comparisons expect.

#include <string>

namespace quimerix {

// Composes a vowel or c followed by a combining grave, acute, diaeresis or cedilla into the
// precomposed letter (both cases), reads the typographic apostrophe as ', and ŀ / Ŀ as l· / L·.
std::string normalitza_entrada(const std::string &text);

} // namespace quimerix
