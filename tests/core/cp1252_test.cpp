#include <gtest/gtest.h>

#include <string>

#include "records/cp1252.h"

using namespace quimerix;

// Every byte of the code page and its character: 0x00..0x7F are ASCII, then one row of 16 per line.
// The five bytes the code page leaves undefined stand for the control character of the same value.
TEST(Cp1252, ElsDosCentsCinquantaSisBytes) {
    std::string bytes, esperat;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    for (int b = 0; b < 0x80; ++b)
        esperat.push_back(static_cast<char>(b));
    esperat += "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
               "\u0090‘’“”•–—˜™š›œ\u009DžŸ"
               "\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
               "°±²³´µ¶·¸¹º»¼½¾¿"
               "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
               "ÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"
               "àáâãäåæçèéêëìíîï"
               "ðñòóôõö÷øùúûüýþÿ";
    EXPECT_EQ(de_cp1252(bytes), esperat);
    EXPECT_EQ(a_cp1252(esperat), bytes);
}

TEST(Cp1252, CaracterFora) {
    const std::pair<std::string, std::string> casos[] = {
        {"Łukasz Wałęsa", "?ukasz Wa??sa"},
        {"l·l i l’àcid", "l\xB7l i l\x92\xE0"
                         "cid"},
        {"\u0080", "?"},         // a control character the code page has no room for
        {"o\u0301", "o?"},       // a combining accent is not a character of its own here
        {"汉字 🧪", "?? ?"}, // one '?' per character, whatever its length in UTF-8
        {"caf\xE9", "caf\xE9"},  // a stray Latin-1 byte keeps its value
        {"", ""},
    };
    for (const auto &[utf8, bytes] : casos)
        EXPECT_EQ(a_cp1252(utf8), bytes) << utf8;
}
