#pragma once
// The command line of `quimerix`: help and version (answered before any window exists) and the
// session file to open.

#include <string>
#include <vector>

namespace quimerix::app {

struct Ordre {
    enum class Accio { Obre, Ajuda, Versio, Error };
    Accio accio = Accio::Obre;
    std::string fitxer; // Obre: the session file given, or empty
    std::string error;  // Error: what was wrong, in Catalan
    std::string examen; // Obre: the exam code given with --examen, or empty
};

// `arguments` without the program's name. Help and version win wherever they stand; "--" ends
// the options. An exam code given with --examen is read here: a bad one is an error.
Ordre llegeix_ordre(const std::vector<std::string> &arguments);

// The texts printed for --help and --version.
std::string text_ajuda();
std::string text_versio();

} // namespace quimerix::app
