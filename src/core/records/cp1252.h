#pragma once
// The Windows-1252 code page of the session file, both ways.

#include <string>
#include <string_view>

namespace quimerix {

// UTF-8 text to Windows-1252 bytes. A character the code page cannot hold is written as '?'.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// control characters of the same value, so that every byte survives a round trip.
std::string a_cp1252(std::string_view utf8);
// The same, appended to `bytes`.
void afegeix_cp1252(std::string &bytes, std::string_view utf8);
// Windows-1252 bytes to UTF-8 text; every one of the 256 bytes has its character.
std::string de_cp1252(std::string_view bytes);

} // namespace quimerix
