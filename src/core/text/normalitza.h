#pragma once
// Typed text in the form the comparisons expect: the one reading of what a student types, used
// by the session and by the tool alike.

#include <string>

namespace quimerix {

// Whether a character breaks a line or controls a terminal: C0 (TAB, CR and LF among them), DEL,
// C1, and the line and paragraph separators U+2028 and U+2029. None belongs in a box or a file line.
bool es_control(char32_t c);

// Every control character becomes a space, so that a pasted line break or tab cannot reach a
// session file; the rest stays as typed. What a text box holds while it is edited.
std::string controls_a_espais(const std::string &text);

// Control characters become spaces and a no-break space (U+00A0, U+202F) a space; zero-width
// characters, direction marks and the byte-order mark (U+200B..U+200F, U+202A..U+202E, U+2060,
// U+FEFF) are dropped; the typographic apostrophe becomes ', and ŀ / Ŀ become l· / L·; spaces at
// either end are trimmed; then the text is put in normal form C, so a letter typed with a
// combining accent equals the precomposed one.
std::string normalitza_entrada(const std::string &text);

} // namespace quimerix
