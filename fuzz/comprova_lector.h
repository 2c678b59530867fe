#pragma once
// What the session file reader promises for any input: an error, or a set whose file, written
// again, is exactly the bytes it was read from. Shared by the fuzzers and the tests.

#include <string>
#include <string_view>

namespace quimerix {

// Both return an empty text when the promise holds, otherwise what went wrong.
// A whole scrambled file.
std::string comprova_arxiu(std::string_view bytes);
// Plain text (Windows-1252, without the closing zeros).
std::string comprova_text_pla(std::string_view pla);

} // namespace quimerix
