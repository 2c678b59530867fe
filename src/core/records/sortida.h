#pragma once
// Where an output file is written, decided in one place for every writer (the class summary's CSV,
// every PDF): an existing path that is not a regular file is refused, a symbolic link is written
// through to the file it names, and a file that is replaced keeps its permissions.

#include <optional>
#include <string>
#include <variant>

namespace quimerix {

struct Desti {
    std::string cami;               // the file created or replaced: a link's target, followed to the end
    std::optional<unsigned> permis; // the permission bits of the file replaced; nothing for a new file
    bool operator==(const Desti &) const = default;
};

// The file the output path `cami` leads to, checked before anything is written, or the reason in
// Catalan why nothing may be written there: a folder, a device, a pipe or a socket (also through a
// link), a folder that does not exist, a name too long for the file system.
std::variant<Desti, std::string> desti_de_sortida(const std::string &cami);

// The reason of a failed system call (an errno value) in Catalan words: "el disc és ple", "el nom
// és massa llarg".
std::string motiu_error(int error);

} // namespace quimerix
