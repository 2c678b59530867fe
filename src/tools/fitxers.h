#pragma once
// Files of quimerix-eines: whole reads, and writes that never leave a half-written file.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "records/sortida.h"

namespace eines {

// The bytes of a regular file; nothing when it cannot be read or is larger than any session file.
std::optional<std::string> llegeix_fitxer(const std::string &cami);

// The option value that names standard output instead of a file.
inline constexpr const char *Sortida_estandard = "-";

// One file a subcommand writes: the path as given, where it leads (checked with
// quimerix::desti_de_sortida before anything is made) and its contents.
struct Escriptura {
    std::string cami;
    quimerix::Desti desti;
    std::string contingut;
};

struct Error_escriptura {
    std::string cami;                // the path that could not be written, as given
    std::string motiu;               // in Catalan
    std::vector<std::string> desats; // paths already in place when it failed
};

// Writes every file or none. Each content goes to a temporary file in its destination's folder,
// made with the mode the file will have (the old file's permissions, or 0666 less the umask for a
// new one); only when all of them are whole on disk does each take its destination's place, with
// one rename, so that an old file stays whole when anything fails.
std::optional<Error_escriptura> desa_fitxers(const std::vector<Escriptura> &escriptures);

} // namespace eines
