#pragma once
// Typed text in the form the comparisons expect: the one reading of what a student types, used
// by the window and by the tool alike.

#include <string>

namespace quimerix {

// A no-break space (U+00A0, U+202F) becomes a space; zero-width characters, direction marks and
// the byte-order mark (U+200B..U+200F, U+202A..U+202E, U+2060, U+FEFF) are dropped; the
// typographic apostrophe becomes ', and ŀ / Ŀ become l· / L·; then the text is put in normal
// form C, so a letter typed with a combining accent equals the precomposed one.
std::string normalitza_entrada(const std::string &text);

} // namespace quimerix
