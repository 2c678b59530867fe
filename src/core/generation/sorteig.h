#pragma once
// The draw: fourteen shuffled decks of (element, valence column) pairs, the availability tables,
// the family counters, and the draw of the family of the next exercise with its deck walk.

#include <array>
#include <optional>
#include <vector>

#include "data/taules.h"
#include "generation/aleatori.h"
#include "generation/exercici.h"

namespace quimerix {

// The ten families of the draw, in the order of their counters' caps below (not of Comptador).
enum class Tipus_compost : int {
    Oxid,
    Hidrur,
    Hidracid,
    Sal_binaria,
    Binari_no_metall,
    Hidroxid,
    Oxoacid,
    Oxoacid_especial,
    Oxosal,
    Oxosal_especial,
};
inline constexpr int Nombre_tipus = 10;
// The seven family check boxes Check1..Check7, index 0..6.
inline constexpr int Nombre_caselles = 7;
using Caselles = std::array<bool, Nombre_caselles>;

struct DadesTipus {
    int banda_inici; // first value of Tipus_exercici of its band
    int banda_final;
    int casella;   // 0..6: Check1..Check7
    int comptador; // index into Comptador
    int limit;     // the cap of that counter
};
const DadesTipus &dades(Tipus_compost t);
Tipus_compost tipus_de_banda(int Tipus_exercici);

// A deck: positions 1..164 hold every (element, valence column) pair once; position 0 unused.
struct Baralla {
    std::array<Parell, 165> parells{};
};
inline constexpr int Mida_baralla = 164;

// Shuffle by rejection (Generació_exercicis): a uniformly random order of the 164 pairs.
Baralla Generacio_exercicis(FontAleatoria &font);

// Availability of one pair or pair of pairs, from the catalogue alone.
bool disponible_hidroxid(const Taules &t, Parell p);
bool disponible_oxoacid(const Taules &t, Parell p);
bool disponible_oxoacid_especial(const Taules &t, Parell p);
bool disponible_sal_binaria(const Taules &t, Parell a, Parell b);
bool disponible_binari_no_metall(const Taules &t, Parell a, Parell b);
bool disponible_oxosal(const Taules &t, Parell a, Parell b);
bool disponible_oxosal_especial(const Taules &t, Parell a, Parell b);
// Single-pair families without a table: whether the builder accepts the pair it meets.
bool usable_oxid(const Taules &t, Parell p);
bool usable_hidrur(const Taules &t, Parell p);
bool usable_hidracid(const Taules &t, Parell p);

// The pure construction of a family's exercise from its pair(s).
Exercici construeix(const Taules &t, Tipus_compost tipus, Parell a, Parell b, Tasca Mode_actual);

// Every compound the draw can give, in the family order of the draw, then element rows and
// valence columns ascending (first pair, then second).
struct Entrada_cataleg {
    Tipus_compost tipus;
    Parell a, b;
};
std::vector<Entrada_cataleg> cataleg(const Taules &t);

// Availability of the two-pair families: cell (a, b) stands for position a of the first deck
// with position b of the second; positions 1..164.
class Disponibles {
  public:
    bool at(int a, int b) const { return cel_[a * 165 + b]; }
    void posa(int a, int b, bool v) { cel_[a * 165 + b] = v; }

  private:
    std::vector<bool> cel_ = std::vector<bool>(165 * 165, false);
};

// The walk of the two-pair families from the cell (a, b): along the row of a first; from the
// 164th miss on, one row and one column a step; nothing after 327 misses.
std::optional<std::pair<int, int>> passeig_disponibles(const Disponibles &d, int a, int b);

class Generador {
  public:
    // Shuffles the fourteen decks in their fixed order and builds each availability table
    // right after its decks.
    Generador(const Taules &t, FontAleatoria &font);

    // Draws the family of the next exercise among the ticked ones and builds it with the task
    // Mode_actual. Returns nothing, and sets Exhaurits, when every family is unticked or full.
    std::optional<Exercici> Sorteig_tipus_exercici(const Caselles &caselles, Tasca Mode_actual);

    bool Exhaurits() const { return exhaurits_; }
    int Tipus_exercici() const { return tipus_exercici_; }
    const std::array<int, Nombre_tipus> &Comptador() const { return comptador_; }
    bool ple(Tipus_compost t) const;
    // Compounds the family can give: every pair (or pair of pairs) its builder takes, counted
    // when the decks were shuffled.
    int combinacions(Tipus_compost t) const { return combinacions_[static_cast<int>(t)]; }
    // Remaining true cells of a family's availability table (for checks and tests).
    int disponibles_restants(Tipus_compost t) const;
    const Baralla &baralla(Tipus_compost t, int quina = 0) const;

    // Compounds the family can still give from its decks in this run: its combinations less the
    // ones already built.
    int restants(Tipus_compost t) const;
    // Deals the family again from fresh decks (a later set of the same run, once the family is
    // used up): the counter goes back to 0 and every compound of the family can come again.
    void renova(Tipus_compost t);

  private:
    void baralla_nova(Tipus_compost t);

    std::optional<Exercici> construeix_familia(Tipus_compost t, Tasca Mode_actual);
    std::optional<Exercici> cami_simple(Tipus_compost t, Tasca Mode_actual);
    std::optional<Exercici> cami_doble(Tipus_compost t, Tasca Mode_actual);

    const Taules &t_;
    FontAleatoria &font_;
    // Index by Tipus_compost; the two-pair families use both, the others the first.
    std::array<std::array<Baralla, 2>, Nombre_tipus> baralles_{};
    std::array<std::array<bool, 165>, Nombre_tipus> disponible_{};
    std::array<Disponibles, Nombre_tipus> disponibles_{};
    std::array<int, Nombre_tipus> combinacions_{};
    std::array<int, Nombre_tipus> comptador_{};
    std::array<int, Nombre_tipus> presos_{};
    bool exhaurits_ = false;
    int tipus_exercici_ = 0;
};

} // namespace quimerix
