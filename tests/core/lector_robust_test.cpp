// The reader against damaged files: it refuses them or reads a set that writes back to the very
// same bytes; it never crashes. Replays the fuzzers' seeds and every input they ever found.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>

#include "comprova_lector.h"
#include "llavors.h"

using namespace quimerix;

TEST(LectorRobust, TallsICanvisDUnByte) {
    const std::string bo = xifra(text_arxiu(sessio_de_mostra(3), Forma_arxiu::Completa));
    ASSERT_TRUE(std::holds_alternative<DadesSessio>(llegeix_arxiu(bo)));
    for (std::size_t mida = 0; mida < bo.size(); ++mida)
        EXPECT_TRUE(std::holds_alternative<Error_arxiu>(llegeix_arxiu(bo.substr(0, mida)))) << mida;
    for (std::size_t p = 0; p < bo.size(); ++p) {
        std::string canviat = bo;
        for (int b = 1; b < 256; ++b) {
            canviat[p] = static_cast<char>(bo[p] ^ b);
            const std::string fallada = comprova_arxiu(canviat);
            ASSERT_EQ(fallada, "") << "byte " << p << " xor " << b;
        }
    }
}

TEST(LectorRobust, LlavorsITroballesDelFuzzer) {
    for (const Llavor &ll : llavors()) {
        EXPECT_TRUE(std::holds_alternative<DadesSessio>(llegeix_text_pla(ll.pla))) << ll.nom;
        EXPECT_EQ(comprova_text_pla(ll.pla), "") << ll.nom;
        EXPECT_EQ(comprova_arxiu(xifra(ll.pla)), "") << ll.nom;
    }
    int troballes = 0;
    for (const auto &entrada : std::filesystem::directory_iterator(QUIMERIX_TROBALLES)) {
        if (!entrada.is_regular_file() || entrada.path().filename() == "README") continue;
        std::ifstream f(entrada.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        EXPECT_EQ(comprova_arxiu(bytes), "") << entrada.path();
        EXPECT_EQ(comprova_text_pla(bytes), "") << entrada.path();
        ++troballes;
    }
    RecordProperty("troballes", troballes);
}
