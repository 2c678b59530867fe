#pragma once
// Files of quimerix-eines: whole reads, and writes that never leave a half-written file.

#include <optional>
#include <string>

namespace eines {

// The bytes of a regular file; nothing when it cannot be read or is larger than any session file.
std::optional<std::string> llegeix_fitxer(const std::string &cami);
// Writes `contingut` to a temporary file beside `camí`, then puts it in place with one rename,
// so that an old file stays whole when the write fails. Gives the Catalan reason of a failure.
std::optional<std::string> desa_fitxer(const std::string &cami, const std::string &contingut);

} // namespace eines
