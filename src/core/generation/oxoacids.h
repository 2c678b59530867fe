#pragma once
// Pieces of the oxoacids that the oxosalt builders share: the acid's subscripts and the position
// of the valence that chooses prefix and ending.

#include <string>

#include "data/taules.h"
#include "generation/exercici.h"

namespace quimerix {

// Subscripts of an acid HxXyOz as numbers (1 is still 1 here, not yet blank).
struct Subindexs_oxoacid {
    int hidrogen = 0;
    int element = 0;
    int oxigen = 0;
    bool operator==(const Subindexs_oxoacid &) const = default;
};

// The element's oxide X2Ov, simplified, plus `aigües` molecules of water, then the three
// subscripts simplified together (each divisor 1..7 on the values left by the previous one).
Subindexs_oxoacid subindexs_oxoacid(const Taules &t, Parell p, int aigues);

// Position of the valence among the element's valences in increasing order (1 = the lowest).
inline int posicio_valencia(Parell p) {
    return p.columna - 2;
}

// What the position p of the valence in use among the element's n valences gives the acid's
// name: the prefix ("hipo", "per" or none) and the ending, "ós" (the oxosalt's "it") or "ic"
// ("at"). The one rule behind the names and behind every comment that explains them.
struct Afixos {
    std::string prefix;
    bool os = false;
};
Afixos afixos_oxoacid(int n, int p);

// Words of the comments: how many valences (2..4) and which one (1..4).
std::string quantes_valencies(int n);
std::string ordinal(int p);

// The acid's name as the pieces give it, before the accent fix-up: "Àcid " (or "Àcid meta",
// "Àcid met" when `meta`) + prefix + stem + "ós" / "ic".
std::string nom_oxoacid_sense_accents(const Taules &t, Parell p, bool meta);

} // namespace quimerix
