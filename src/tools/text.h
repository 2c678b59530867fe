#pragma once
// Text helpers of quimerix-eines: what reaches a terminal or a JSON reader safely.

#include <string>
#include <string_view>

namespace eines {

// The text with every control character escaped (\n, \t, \r, \xNN, \u0085 for C1 controls), so
// that nothing typed or read from a file can move the cursor or change a terminal's state.
std::string visible(std::string_view text);
// A JSON string literal: quotes and backslashes escaped, and every character below U+0020.
std::string json(std::string_view text);
// Characters (code points) in a UTF-8 text, for aligning columns.
std::size_t amplada(std::string_view text);
// The text padded with spaces on the right (or on the left when `dreta`) to `n` characters.
std::string omple(std::string_view text, std::size_t n, bool dreta = false);

} // namespace eines
