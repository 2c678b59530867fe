#include "session/repeticio.h"

#include <algorithm>
#include <utility>

namespace quimerix {

Repeticio::Repeticio(std::vector<Error_serie> errors, FontAleatoria &font)
    : total_(static_cast<int>(errors.size())) {
    // Fisher-Yates from the back: position i takes one of the i + 1 still unplaced.
    for (std::size_t i = errors.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(font.entre_1_i(static_cast<int>(i)) - 1);
        std::swap(errors[i - 1], errors[j]);
    }
    cua_.assign(std::make_move_iterator(errors.begin()), std::make_move_iterator(errors.end()));
}

void Repeticio::respon(bool correcte) {
    if (acabada()) return;
    ++respostes_;
    Error_serie e = std::move(cua_.front());
    cua_.pop_front();
    const bool ja_fallat = std::find(fallats_.begin(), fallats_.end(), e.numero) != fallats_.end();
    if (correcte) {
        if (!ja_fallat) ++a_la_primera_;
        return;
    }
    if (!ja_fallat) fallats_.push_back(e.numero);
    cua_.push_back(std::move(e));
}

std::string Repeticio::progres() const {
    return "Errors pendents: " + std::to_string(pendents()) + " de " + std::to_string(total_);
}

std::string Repeticio::resultat() const {
    const int corregits = total_ - pendents();
    std::string r = deixada_ && pendents() > 0 ? "Repetició deixada: " : "Repetició acabada: ";
    r += std::to_string(corregits) + " de " + std::to_string(total_) +
         (total_ == 1 ? " error corregit" : " errors corregits");
    r += ", " + std::to_string(a_la_primera_) + " a la primera.";
    return r;
}

} // namespace quimerix
