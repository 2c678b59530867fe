#pragma once
// The one source of randomness: doubles uniform in [0, 1). The program seeds it from the clock;
// tests script it.

#include <cstdint>
#include <random>

namespace quimerix {

class FontAleatoria {
  public:
    virtual ~FontAleatoria() = default;
    virtual double seguent() = 0;
    // Integer part of (random × n) + 1: a whole number from 1 to n.
    int entre_1_i(int n) {
        const int valor = static_cast<int>(seguent() * n) + 1;
        return valor > n ? n : valor;
    }
};

class FontRellotge final : public FontAleatoria {
  public:
    FontRellotge();
    explicit FontRellotge(std::uint64_t llavor) : motor_(llavor) {}
    double seguent() override { return distribucio_(motor_); }

  private:
    std::mt19937_64 motor_;
    std::uniform_real_distribution<double> distribucio_{0.0, 1.0};
};

} // namespace quimerix
