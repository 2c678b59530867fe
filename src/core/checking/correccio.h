#pragma once
// Correction of an answer and the record line of each answered exercise.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "generation/exercici.h"

namespace quimerix {

// What the student typed: the seven formula boxes (Text11, Text12, Text2, Text3, Text4, Text5,
// Text13) and the name box (Text1).
struct Resposta {
    std::array<std::string, Nombre_caixes> caixes{};
    std::string nom;
    bool operator==(const Resposta &) const = default;
};

inline constexpr int Resultat_incorrecte = 1;
inline constexpr int Resultat_correcte = 2;

// Characters each formula box takes (Text11, Text12, Text2, Text3, Text4, Text5, Text13).
inline constexpr std::array<std::size_t, Nombre_caixes> Mida_caixa{2, 1, 2, 1, 2, 4, 1};
// The name box takes at most 36 characters.
inline constexpr std::size_t Mida_nom = 36;
// A name as the name box holds it: typed text read in normal form, cut to Mida_nom characters.
std::string nom_teclejat(const std::string &text);

// The expected name as the exercise shows it and the correction compares it: the built name
// with its first letter small.
std::string nom_esperat(const std::string &Nom_compost);

// Formula task: seven exact, case-sensitive comparisons in box order; the first mismatch decides.
bool corregeix_formula(const std::array<std::string, Nombre_caixes> &resposta, const Exercici &esperat);

struct Correccio_nom {
    bool correcte = false;
    std::string resposta_mostrada;  // the answer as typed, trailing "ç" removed (back into Text1)
    std::string resposta_comparada; // the typed name after every normalisation
    std::string esperat_comparat;   // the expected name as compared (shown after the accents)
    std::string Nom_amb_accents;    // the expected name before the accent step
    // The expected name shown after the correction: Nom_amb_accents when wrong, the compared text
    // when right.
    std::string nom_esperat_mostrat;
};

// Name task: the trailing "ç", lower-casing, the assistant's passes when it is on, the "de plata"
// alias and the elision, then the exact comparison. `esperat` is the expected name as shown.
Correccio_nom corregeix_nom(const std::string &teclejat, const std::string &esperat, bool assistent);

// The formula written box by box: "Fe2 O3 ", or "Ca (O H)2" when bracketed.
std::string formula_amb_espais(const std::array<std::string, Nombre_caixes> &caixes, bool claudators);

} // namespace quimerix
