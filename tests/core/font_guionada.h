#pragma once
// A scripted random source for tests: hands out the queued values first, then falls back to a
// seeded generator, so that a test can force a given draw after the decks are shuffled.

#include <deque>
#include <initializer_list>

#include "generation/aleatori.h"

class FontGuionada final : public quimerix::FontAleatoria {
  public:
    explicit FontGuionada(unsigned llavor = 1) : reserva_(llavor) {}
    void afegeix(std::initializer_list<double> valors) { cua_.insert(cua_.end(), valors); }
    void afegeix(double valor) { cua_.push_back(valor); }
    double seguent() override {
        if (cua_.empty()) return reserva_.seguent();
        const double v = cua_.front();
        cua_.pop_front();
        return v;
    }
    std::size_t pendents() const { return cua_.size(); }

  private:
    std::deque<double> cua_;
    quimerix::FontRellotge reserva_;
};

// The value that makes int(value × n) + 1 equal k.
inline double valor_per(int k, int n) {
    return (k - 0.5) / n;
}
