#pragma once
// The teacher's exam code: the options of a set and the seed of its draw, written as
// "QX-" and three groups of four characters of Crockford's base 32 (no I, L, O nor U, which can be
// misread), the last character a check (Luhn mod 32) that refuses any one mistyped character and
// any two neighbours swapped. Read without regard to case, spaces or dashes; O is read as 0 and
// I and L as 1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "generation/sorteig.h"

namespace quimerix {

inline constexpr int Maxim_exercicis_examen = 1700;
inline constexpr int Maxim_segons_examen = 120;
// The seed takes the bits the options leave free.
inline constexpr int Bits_llavor_examen = 26;
inline constexpr std::uint32_t Maxim_llavor_examen = (1u << Bits_llavor_examen) - 1;

struct Examen {
    Caselles families{};      // Check1..Check7, at least one ticked
    int tasca = 3;            // 1..4: Option1..Option4 (formular, anomenar, alternat, aleatori)
    int exercicis = 25;       // 1..1700
    int segons = 0;           // seconds per answer, 1..120; 0 = no time limit
    bool assistent = false;   // Check8
    bool consulta = false;    // Check10
    std::uint32_t llavor = 0; // 0..Maxim_llavor_examen
    bool operator==(const Examen &) const = default;
};

// The code of an exam; nothing when an option is out of its range.
std::optional<std::string> escriu_codi_examen(const Examen &e);
// The exam of a code, or the reason (a Catalan sentence) it is refused.
std::variant<Examen, std::string> llegeix_codi_examen(std::string_view codi);

// The family box (0..6 = Check1..Check7) of a family code as the catalogue writes it (OM, OX, HM,
// HX, HXA, MX, XX, OH, HXO, MHX), without regard to case; nothing for another text.
std::optional<int> casella_de_codi(std::string_view codi);

} // namespace quimerix
