// The date box: today written in the Catalan manner, typed dates read back and compared with today.

#include <gtest/gtest.h>

#include "session/data.h"

using quimerix::Data;

TEST(Data, EscriuData) {
    EXPECT_EQ(quimerix::escriu_data({2026, 12, 8}), "08/12/2026");
    EXPECT_EQ(quimerix::escriu_data({2027, 1, 31}), "31/01/2027");
}

TEST(Data, LlegeixData) {
    const struct {
        const char *text;
        std::optional<Data> data;
    } casos[] = {
        {"08/12/2026", Data{2026, 12, 8}}, {"8/12/26", Data{2026, 12, 8}},
        {"8/1/2027", Data{2027, 1, 8}},    {"8-12-2026", Data{2026, 12, 8}},
        {"8.12.99", Data{2099, 12, 8}}, // a two-digit year is this century's
        {"00/12/26", std::nullopt},        {" 9/12/2026 ", Data{2026, 12, 9}},
        {"29/02/2028", Data{2028, 2, 29}}, {"29/02/2027", std::nullopt},
        {"29/02/2100", std::nullopt}, // not a leap year
        {"29/02/2000", Data{2000, 2, 29}}, {"31/04/2026", std::nullopt},
        {"32/12/2026", std::nullopt},      {"8/13/2026", std::nullopt},
        {"8/0/2026", std::nullopt},        {"8/12-2026", std::nullopt}, // two different separators
        {"8/12/202", std::nullopt},        {"8/12/20266", std::nullopt},
        {"008/12/2026", std::nullopt},     {"8/12", std::nullopt},
        {"8/12/", std::nullopt},           {"8 Dec 2026", std::nullopt},
        {"2026-12-08", std::nullopt},      {"", std::nullopt},
        {"8/12/2026x", std::nullopt},
    };
    for (const auto &c : casos)
        EXPECT_EQ(quimerix::llegeix_data(c.text, 2026), c.data) << c.text;
}

TEST(Data, EsPosterior) {
    const Data avui{2026, 12, 8};
    const struct {
        const char *text;
        bool posterior;
    } casos[] = {
        {"08/12/2026", false}, {"9/12/26", true},    {"7/12/2026", false}, {"1/1/27", true},
        {"31/12/2025", false}, {"08/12/2126", true}, {"1/11/2027", true},  {"30/11/2026", false},
        {"9/12", false},       {"demà", false},      {"31/12/2026", true},
    };
    for (const auto &c : casos)
        EXPECT_EQ(quimerix::es_posterior(c.text, avui), c.posterior) << c.text;
}
