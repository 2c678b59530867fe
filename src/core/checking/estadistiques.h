#pragma once
// Statistics by family code and the history of the last three exercises.

#include <array>
#include <string>

#include "checking/correccio.h"
#include "generation/exercici.h"

namespace quimerix {

enum class Color { Negre, Vermell, Blau };

// A share of right answers in red when under half, in blue otherwise; black when nothing counted.
Color color_de_quota(int encerts, int total);

// A caption with its text colour.
struct Cel {
    std::string text;
    Color color = Color::Negre;
    bool operator==(const Cel &) const = default;
};

inline constexpr int Nombre_codis = 10;
// "OM", "OX", "HM", "HX", "HXA", "MX", "XX", "OH", "HXO", "MHX", in counter order.
extern const std::array<const char *, Nombre_codis> Codis_exercici;
// Counter index of a family code; -1 for any other text.
int index_codi(const std::string &Codi_exercici);

inline constexpr int Nombre_cel = 12;
// Row captions of the twelve cells Label65..Label76.
extern const std::array<const char *, Nombre_cel> Titols_cel;

// Right answers and all answers that feed cell `i` (0..11 = Label65..Label76).
struct Recompte {
    int encerts = 0, total = 0;
};
Recompte recompte_cel(int i, const std::array<int, Nombre_codis> &Encerts_per_tipus,
                      const std::array<int, Nombre_codis> &Errors_per_tipus);

class Estadistiques {
  public:
    Estadistiques() { reinicia(); }
    // Session start: counters 0, cells "-----", hits over total "0 / 0", percentage "----".
    void reinicia();
    // Counts one corrected answer (Resultat 1 wrong, 2 right) and refreshes cells and score.
    void compta(const std::string &Codi_exercici, int Resultat);

    std::array<int, Nombre_codis> Encerts_per_tipus{};
    std::array<int, Nombre_codis> Errors_per_tipus{};
    int Encerts_totals = 0;
    int Exercicis_totals = 0;
    int Percentatge = 0;
    std::array<Cel, Nombre_cel> cel{}; // Label65..Label76
    Cel encerts_sobre_total;           // "Encerts_totals / Exercicis_totals"
    Cel percentatge_encerts;           // "Percentatge %"

    // The fourteen captions Label65..Label78 (Label77 is "Encerts sobre el total:").
    std::array<std::string, 14> Text_estadistiques() const;
};

// num / den (den > 0, num >= 0) rounded to nearest, halves to the even neighbour.
long long divideix_arrodonit(long long num, long long den);
// Rounded to nearest, halves to the even neighbour: 12.5 -> 12, 87.5 -> 88.
int percentatge(int encerts, int total);

// The three history columns, line 0 the newest.
class Historial {
  public:
    // Shifts every column down and puts the new lines on top.
    void afegeix(const std::string &exercici, const std::string &resposta, const std::string &correccio);
    // Caption of each column (exercises, answers, corrections): three lines joined by CR LF.
    std::string exercicis() const;
    std::string respostes() const;
    std::string correccions() const;

    std::array<std::string, 3> Linies_exercici{};
    std::array<std::string, 3> Linies_resposta{};
    std::array<std::string, 3> Linies_correccio{};
};

// The three new history lines of an exercise just corrected, for its own task.
struct Linies_historial {
    std::string exercici, resposta, correccio;
    bool operator==(const Linies_historial &) const = default;
};
// `nom_esperat` is the expected name as the correction left it (with its accents after a wrong name).
Linies_historial linies_historial(Tasca tasca, int N, const Exercici &e, const Resposta &r,
                                  const std::string &nom_esperat, bool correcte);

} // namespace quimerix
