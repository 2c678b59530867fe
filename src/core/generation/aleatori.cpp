#include "generation/aleatori.h"

#include <chrono>

namespace quimerix {

FontRellotge::FontRellotge()
    : motor_(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

} // namespace quimerix
