#include "generation/exercici.h"

namespace quimerix {

std::string Exercici::formula() const {
    std::string f = caixes[Simbol1] + caixes[Subindex1];
    if (claudators) f += "(";
    f += caixes[Simbol2] + caixes[Subindex2] + caixes[Simbol3] + caixes[Subindex3];
    if (claudators) f += ")";
    return f + caixes[Subindex_grup];
}

} // namespace quimerix
