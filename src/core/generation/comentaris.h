#pragma once
// The professor's comments. Their texts live in data/comentaris.txt, one per key (the format is
// described in format_comentaris.h), and are compiled into the core when it is built. A builder
// decides which texts apply and writes each with the exercise's values: Frases{{"nom", nom}, ...}
// and then frases("om.cap").

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quimerix {

struct Plantilla {
    std::string_view clau;
    std::string_view text; // CR LF as "\r\n", marks as "{nom}"
};

// Every text, sorted by key. Written by the build from data/comentaris.txt.
std::span<const Plantilla> plantilles_comentaris();

// The text of a key; throws std::logic_error for a key that is not in the table.
std::string_view plantilla(std::string_view clau);

// Every name a mark may have. The first element's name, symbol and valence; the second element's
// (the non-metal of a binary salt, the more electronegative non-metal, the metal of an oxosalt);
// then the pieces that the builders choose or pad and place inside a sentence.
inline constexpr std::string_view kMarques[] = {"nom",
                                                "simbol",
                                                "valencia",
                                                "nom2",
                                                "simbol2",
                                                "valencia2",
                                                "subindex_hidrogen",
                                                "hidrogen_primer",
                                                "es_a_dir",
                                                "paragraf_valencia",
                                                "quantes",
                                                "ordinal",
                                                "afixos",
                                                "prefix",
                                                "sufix",
                                                "sufix_anio",
                                                "frase",
                                                "farciment",
                                                "farciment_prefix",
                                                "confusio",
                                                "frase_metall"};

using Valors = std::vector<std::pair<std::string_view, std::string>>;

// The text with every mark replaced by its value, in one pass (a value is never read again for
// marks). Throws std::logic_error when a mark has no value or a brace is not part of a mark.
std::string omple(std::string_view text, const Valors &valors);

// The values of one exercise, and its texts by key.
class Frases {
  public:
    // Throws std::logic_error for a name that is not in kMarques.
    explicit Frases(std::initializer_list<std::pair<std::string_view, std::string>> valors);
    // Adds a value, or replaces the one of the same name.
    Frases &amb(std::string_view nom, std::string valor);
    // The text of the key filled with the values.
    std::string operator()(std::string_view clau) const;

  private:
    Valors valors_;
};

} // namespace quimerix
