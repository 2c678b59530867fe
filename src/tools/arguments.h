#pragma once
// The small argument framework shared by every subcommand of quimerix-eines: each subcommand
// describes its options once, and the framework parses, refuses bad use and prints the help.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace eines {

struct Opcio {
    std::string nom{};        // "--esperat"
    std::string valor{};      // placeholder of the value in the help ("NOM"); empty for a flag
    std::string ajuda{};      // one line for the help
    bool obligatoria = false; // the subcommand cannot run without it
    bool admet_buit = true;   // an empty value is accepted
};

// A flag: an option with no value.
inline Opcio marca(std::string nom, std::string ajuda) {
    return {.nom = std::move(nom), .ajuda = std::move(ajuda)};
}
// An option with a value that may not be empty, which the subcommand cannot run without.
inline Opcio obligatoria(std::string nom, std::string valor, std::string ajuda) {
    return {.nom = std::move(nom),
            .valor = std::move(valor),
            .ajuda = std::move(ajuda),
            .obligatoria = true,
            .admet_buit = false};
}
// An option with a value that may not be empty, which may be left out.
inline Opcio opcional(std::string nom, std::string valor, std::string ajuda) {
    return {.nom = std::move(nom), .valor = std::move(valor), .ajuda = std::move(ajuda), .admet_buit = false};
}

// The operands a subcommand takes, and how many.
struct Posicionals {
    std::string nom{}; // their placeholder ("FITXER.qxs"); empty when none
    std::size_t minim = 0;
    std::size_t maxim = 0;
};

// One session file.
inline const Posicionals Un_arxiu{.nom = "FITXER.qxs", .minim = 1, .maxim = 1};

class Arguments {
  public:
    bool te(const std::string &opcio) const { return valors_.count(opcio) != 0; }
    // The value of an option given with a value; nothing when it was not given.
    std::optional<std::string> valor(const std::string &opcio) const;
    const std::vector<std::string> &posicionals() const { return posicionals_; }

  private:
    friend struct Analitzador;
    std::map<std::string, std::string> valors_;
    std::vector<std::string> posicionals_;
};

struct Ordre {
    std::string nom{};        // "corregeix"
    std::string descripcio{}; // one line
    std::vector<Opcio> opcions{};
    Posicionals posicionals{};
    int (*executa)(const Arguments &) = nullptr;
};

// Parses `args` (what follows the subcommand's name) against `o` and runs it. Prints the help
// and returns 0 for -h/--help; refuses bad use with a Catalan message and returns 2.
int executa(const Ordre &o, const std::vector<std::string> &args);

// The usage line and the help of a subcommand. The usage line is made from the operands and the
// options: the operands first ("…" after them when more than one may be given), then each option
// with its value, in brackets unless it is needed.
std::string linia_us(const Ordre &o);
std::string ajuda(const Ordre &o);

// A usage error of a subcommand: the message and the way to its help on standard error.
// Returns 2, the status of a usage error.
int error_us(const Ordre &o, const std::string &missatge);

} // namespace eines
