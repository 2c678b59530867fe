#pragma once
// Conversion between UTF-8 text and characters, for the rules that work character by character.

#include <cstddef>
#include <string>

namespace quimerix {

// Decodes UTF-8; a malformed byte is read as the character of the same value (Latin-1).
std::u32string a_caràcters(const std::string &text);
std::string a_utf8(const std::u32string &text);
// Number of characters (code points) of a UTF-8 text.
std::size_t longitud(const std::string &text);
// The first `n` characters of a UTF-8 text (the whole text when it is shorter).
std::string primers_caràcters(const std::string &text, std::size_t n);

} // namespace quimerix
