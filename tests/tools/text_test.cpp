#include <gtest/gtest.h>

#include "text.h"

namespace {

// The 32 characters below U+0020.
constexpr char Tots_els_controls[33] = "\x00\x01\x02\x03\x04\x05\x06\x07\x08\t\n\x0B\x0C\r\x0E\x0F"
                                       "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F";

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
    // Every character below U+0020, in order.
    {std::string(Tots_els_controls, 32),
     "\\x00\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08\\t\\n\\x0B\\x0C\\r\\x0E\\x0F"
     "\\x10\\x11\\x12\\x13\\x14\\x15\\x16\\x17\\x18\\x19\\x1A\\x1B\\x1C\\x1D\\x1E\\x1F",
     "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\b\\t\\n\\u000b\\f\\r\\u000e\\u000f"
     "\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017\\u0018\\u0019\\u001a\\u001b\\u001c\\u001d"
     "\\u001e\\u001f\""},
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
