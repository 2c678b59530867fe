#include <gtest/gtest.h>

#include "text.h"

namespace {

struct Cas {
    std::string entrada, visible, json;
};

// What reaches a terminal and what reaches a JSON reader, for the characters that could harm.
const Cas casos[] = {
    {"Òxid de ferro (III)", "Òxid de ferro (III)", "\"Òxid de ferro (III)\""},
    {"a\r\nb\tc", "a\\r\\nb\\tc", "\"a\\r\\nb\\tc\""},
    {"\x1b[2J", "\\x1B[2J", "\"\\u001b[2J\""},
    {std::string("a\0b", 3), "a\\x00b", "\"a\\u0000b\""},
    {"\x01\x08\x0c\x1f", "\\x01\\x08\\x0C\\x1F", "\"\\u0001\\b\\f\\u001f\""},
    {"\x7f", "\\x7F", "\"\x7f\""},
    {"x\xc2\x9b"
     "31m",
     "x\\u009B31m",
     "\"x\xc2\x9b"
     "31m\""},                                                        // C1 control introducer
    {"\xc2\xa0\xc3\xa0", "\xc2\xa0\xc3\xa0", "\"\xc2\xa0\xc3\xa0\""}, // no-break space and à stay
    {"\"cometes\" i \\", "\"cometes\" i \\", "\"\\\"cometes\\\" i \\\\\""},
};

TEST(TextEines, EscapaElsCaractersDeControl) {
    for (const Cas &c : casos) {
        EXPECT_EQ(eines::visible(c.entrada), c.visible) << c.visible;
        EXPECT_EQ(eines::json(c.entrada), c.json) << c.visible;
    }
}

TEST(TextEines, OmpleComptaCaracters) {
    EXPECT_EQ(eines::omple("Òxid", 6), "Òxid  ");
    EXPECT_EQ(eines::omple("8,75", 6, true), "  8,75");
    EXPECT_EQ(eines::omple("il·legible", 4), "il·legible");
}

} // namespace
