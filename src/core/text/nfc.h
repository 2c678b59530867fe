#pragma once
// Unicode normal form C: canonical decomposition, canonical order of combining marks, then
// canonical composition. "e" + U+0301 and "é" become the same text, U+0387 becomes "·".

#include <string>

namespace quimerix {

std::u32string forma_c(const std::u32string &text);

} // namespace quimerix
