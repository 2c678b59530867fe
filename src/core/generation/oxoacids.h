#pragma once
// Pieces of the oxoacids that the oxosalt builders share: the acid's subscripts and the position
// of the valence that chooses prefix and ending.

#include <string>

#include "data/taules.h"
#include "generation/exercici.h"

namespace quimerix {

// Subscripts of an acid HxXyOz as numbers (1 is still 1 here, not yet blank).
struct Subíndexs_oxoàcid {
    int hidrogen = 0;
    int element = 0;
    int oxigen = 0;
    bool operator==(const Subíndexs_oxoàcid &) const = default;
};

// The element's oxide X2Ov, simplified, plus `aigües` molecules of water, then the three
// subscripts simplified together (each divisor 1..7 on the values left by the previous one).
Subíndexs_oxoàcid subíndexs_oxoàcid(const Taules &t, Parell p, int aigües);

// Position of the valence among the element's valences in increasing order (1 = the lowest).
inline int posició_valència(Parell p) {
    return p.columna - 2;
}

// "hipo" / "per" / "" by the number of valences n and the position p of the one in use.
std::string prefix_oxoàcid(int n, int p);
// True when the acid ends in "ós" (the oxosalt then ends in "it"), false for "ic" ("at").
bool acaba_en_ós(int n, int p);

// The acid's name as the pieces give it, before the accent fix-up: "Àcid " (or "Àcid meta",
// "Àcid met" when `meta`) + prefix + stem + "ós" / "ic".
std::string nom_oxoàcid_sense_accents(const Taules &t, Parell p, bool meta);

} // namespace quimerix
