#pragma once
// Conversion between UTF-8 text and characters, for the rules that work character by character.

#include <cstddef>
#include <string>

namespace quimerix {

// Decodes UTF-8. A byte that does not start a well-formed sequence (a stray continuation byte, a
// cut sequence, an overlong form, a surrogate, a code point above U+10FFFF) is read as the
// character of the same value (Latin-1), and decoding goes on with the next byte.
std::u32string a_caracters(const std::string &text);
std::string a_utf8(const std::u32string &text);
// The text with every byte that does not belong to a well-formed sequence replaced by U+FFFD, so
// that it is valid UTF-8 (a file name, say, which may hold any byte).
std::string utf8_valid(const std::string &text);
// Number of characters (code points) of a UTF-8 text.
std::size_t longitud(const std::string &text);
// The first `n` characters of a UTF-8 text (the whole text when it is shorter).
std::string primers_caracters(const std::string &text, std::size_t n);
// The first character of a text as UTF-8 ("" for an empty text).
std::string primer_caracter(const std::string &text);

} // namespace quimerix
