#include "generation/exercici.h"

namespace quimerix {

std::string Exercici::fórmula() const {
    std::string f = caixes[Símbol1] + caixes[Subíndex1];
    if (claudàtors) f += "(";
    f += caixes[Símbol2] + caixes[Subíndex2] + caixes[Símbol3] + caixes[Subíndex3];
    if (claudàtors) f += ")";
    return f + caixes[Subíndex_grup];
}

} // namespace quimerix
