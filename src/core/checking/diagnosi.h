#pragma once
// The diagnosis of a wrong answer: what is wrong in it, named by kind and told in one Catalan
// sentence written for this compound and this answer. It never changes the verdict of the
// correction and it is empty for a right answer.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "checking/correccio.h"
#include "generation/sorteig.h"

namespace quimerix {

enum class Tipus_troballa {
    Altre_compost, // the answer is another compound of the catalogue
    Majuscula,     // formula: a symbol with the wrong case
    Ordre,         // formula: the right pieces in the wrong order
    Simplificacio, // formula: not simplified, or simplified where it must not be
    Subindex,      // formula: a subscript that does not follow from the valences
    Parentesi,     // formula: brackets missing or where none go
    Element,       // another element, a symbol that is no element, a misspelt element name
    Numeral,       // name: the Stock numeral wrong, missing or extra
    Prefix,        // name: a multiplying prefix wrong, missing or extra
    Terminacio,    // name: the ending of a word (-ós/-ic, -it/-at, -ur, -id)
    Hipo_per,      // name: hipo- or per- missing, extra or swapped
    Espai,         // name: only spaces differ
    Ortografia,    // name: only accents, apostrophes, capitals or l·l differ
    Buida,         // nothing written at all
    Desconegut,    // none of the above
};

// The ASCII key of a kind, as the tool writes it: "altre_compost", "majuscula"...
std::string_view clau(Tipus_troballa t);

struct Troballa {
    Tipus_troballa tipus;
    std::string text;
    bool operator==(const Troballa &) const = default;
};

// One compound of the catalogue with the pieces the diagnosis speaks of.
struct Compost {
    Tipus_compost tipus;
    Parell a, b;
    Exercici exercici; // built for the formula task
    std::string formula;
    std::string nom; // as the exercise shows it (first letter small)
};

// The catalogue indexed by formula and by name (in the spelling assistant's tolerant form). Built
// once: the diagnosis of one answer then costs a few look-ups.
class Index_cataleg {
  public:
    explicit Index_cataleg(const Taules &t);
    const std::vector<Compost> &composts() const { return composts_; }
    std::vector<const Compost *> per_formula(const std::string &formula) const;
    // `nom` as typed or as built; compared in the tolerant form.
    std::vector<const Compost *> per_nom(const std::string &nom) const;
    // The compound of an exercise (same formula and same name); null when it is not in the
    // catalogue.
    const Compost *de(const Exercici &e) const;

  private:
    std::vector<Compost> composts_;
    std::unordered_map<std::string, std::vector<int>> formules_;
    std::unordered_map<std::string, std::vector<int>> noms_;
};

// The index of the catalogue of the program's tables, built on first use.
const Index_cataleg &index_cataleg(const Taules &t);

// The correction of a name typed for the formula of `e`: right when it is the expected name, or the
// name of another compound of the catalogue with the same formula (AuPO3 is both metafosfat d'or
// (I) and fosfonit d'or (III): a student cannot tell which one was drawn).
Correccio_nom corregeix_nom_de_formula(const Taules &t, const Exercici &e, const std::string &teclejat,
                                       const std::string &esperat, bool assistent);

// The name in the tolerant form the catalogue is indexed by: lower case, the assistant's spaces,
// no accents, "de plata" as "d'argent", "de" elided.
std::string forma_tolerant(const std::string &nom);

// The diagnosis of an answer to `esperat` for the task. Formula task: the seven boxes of
// `resposta`; name task: its name, marked with the spelling assistant as `assistent` says.
// Empty when the answer is right. `claudators_escrits`, when known (a formula typed as one line),
// says whether the student wrote the brackets of a group.
std::vector<Troballa> diagnostica(const Taules &t, const Exercici &esperat, Tasca tasca,
                                  const Resposta &resposta, bool assistent,
                                  std::optional<bool> claudators_escrits = {});

// The compounds an expected answer names: by its formula for the formula task (as `cataleg` writes
// it; spaces, as in a session's records, are ignored), by its name for the name task (as built,
// or in the tolerant form). Two for a formula two compounds share; none outside the catalogue.
std::vector<const Compost *> composts_esperats(const Taules &t, Tasca tasca, const std::string &esperat);

// The diagnosis of an answer held as text, as a set read back from its file holds it: the
// expected formula or name and the answer as typed (a formula on one line). Nothing when the
// expected answer names no single compound or the formula does not fit the compound's boxes.
std::optional<std::vector<Troballa>> diagnostica_text(const Taules &t, Tasca tasca,
                                                      const std::string &esperat, const std::string &resposta,
                                                      bool assistent);

// A formula typed as one line ("Fe2(SO4)3") read into the boxes of an exercise as the window holds
// them. Nothing when it does not fit those boxes (more pieces than boxes, a subscript too long).
struct Formula_llegida {
    std::array<std::string, Nombre_caixes> caixes{};
    bool claudators = false; // the student wrote brackets
};
std::optional<Formula_llegida> llegeix_formula(const Taules &t, const std::string &text,
                                               const Exercici &esperat);

} // namespace quimerix
