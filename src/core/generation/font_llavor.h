#pragma once
// The random source of an exam: the same sequence of doubles from the same seed with any compiler
// and standard library. xoshiro256** seeded through splitmix64; each double is the top 53 bits of
// one 64-bit output times 2^-53, so it lies in [0, 1) and is computed with integers alone.

#include <cstdint>

#include "generation/aleatori.h"

namespace quimerix {

class FontLlavor final : public FontAleatoria {
  public:
    explicit FontLlavor(std::uint64_t llavor) {
        for (std::uint64_t &s : estat_)
            s = splitmix64(llavor);
    }
    double seguent() override { return static_cast<double>(enter() >> 11) * 0x1.0p-53; }
    // The next 64-bit output of xoshiro256**.
    std::uint64_t enter() {
        const std::uint64_t resultat = rota(estat_[1] * 5, 7) * 9;
        const std::uint64_t t = estat_[1] << 17;
        estat_[2] ^= estat_[0];
        estat_[3] ^= estat_[1];
        estat_[1] ^= estat_[2];
        estat_[0] ^= estat_[3];
        estat_[2] ^= t;
        estat_[3] = rota(estat_[3], 45);
        return resultat;
    }

  private:
    static std::uint64_t rota(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t splitmix64(std::uint64_t &x) {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t estat_[4]{};
};

} // namespace quimerix
