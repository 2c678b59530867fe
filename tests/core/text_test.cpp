#include <gtest/gtest.h>

#include <string>

#include "text/normalitza.h"
#include "text/utf8.h"

using namespace quimerix;

namespace {

struct Cas {
    std::string entrada, esperat;
};

} // namespace

// Each malformed byte is read as the Latin-1 character of its value, and decoding goes on.
TEST(Utf8, SequenciesMalformades) {
    const struct {
        const char *nom;
        std::string bytes;
        std::u32string caracters;
    } casos[] = {
        {"ascii", "Fe2O3", U"Fe2O3"},
        {"dos_bytes", "\xC3\xB2", U"ò"},
        {"tres_bytes", "\xE2\x80\x99", U"\u2019"},
        {"quatre_bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
        {"darrer_valid", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
        {"continuacio_sola", "a\x80z", U"a\u0080z"},
        {"tallada", "a\xC3", U"a\u00C3"},
        {"tallada_al_mig", "\xE2\x80z", U"\u00E2\u0080z"},
        {"nul_llarg", std::string("\xC0\x80", 2), U"\u00C0\u0080"},
        {"d_llarga", "\xC1\xA4", U"\u00C1\u00A4"},
        {"llarga_de_tres", "\xE0\x81\xA4", U"\u00E0\u0081\u00A4"},
        {"llarga_de_quatre", "\xF0\x80\x81\xA4", U"\u00F0\u0080\u0081\u00A4"},
        {"surrogat", "\xED\xA0\x80", U"\u00ED\u00A0\u0080"},
        {"per_sobre_10FFFF", "\xF4\x90\x80\x80", U"\u00F4\u0090\u0080\u0080"},
        {"cap_F5", "\xF5\x80\x80\x80", U"\u00F5\u0080\u0080\u0080"},
        {"cap_FF", "\xFF", U"\u00FF"},
    };
    for (const auto &c : casos) {
        EXPECT_EQ(a_caracters(c.bytes), c.caracters) << c.nom;
        EXPECT_EQ(a_caracters(a_utf8(c.caracters)), c.caracters) << c.nom;
    }
    EXPECT_EQ(primer_caracter("òxid"), "ò");
    EXPECT_EQ(primer_caracter("\xC0\x80"), "\u00C0");
    EXPECT_EQ(primers_caracters("tel·luri", 4), "tel·");
}

// One reading of typed text for the window and the tool: invisible characters, apostrophes, the
// Catalan middle dot, and normal form C.
TEST(Normalitza, FormaCompostaIApostrofs) {
    const Cas casos[] = {
        {"o\u0300xid", "òxid"},
        {"O\u0300XID", "ÒXID"},
        {"a\u0300 e\u0301 i\u0308 o\u0301 u\u0308", "à é ï ó ü"},
        {"A\u0301 E\u0300 I\u0301 U\u0300 O\u0308", "Á È Í Ù Ö"},
        {"c\u0327 C\u0327", "ç Ç"},
        {"n\u0301", "\u0144"},
        {"c\u0300", "c\u0300"},
        {"\u0301x", "\u0301x"},
        {"d\u2019alumini", "d'alumini"},
        {"beri\u0140li", "beril·li"},
        {"BERI\u013FLI", "BERIL·LI"},
        {"òxid", "òxid"},
        {"", ""},
        // Normal form C beyond the Catalan letters.
        {"tel\u0387luri", "tel·luri"},
        {"\u212Bngstr\u00F6m", "\u00C5ngstr\u00F6m"},
        {"a\u0323\u0302", "\u1EAD"},
        {"a\u0302\u0323", "\u1EAD"},
        {"e\u0327\u0301", "\u0229\u0301"},
        {"\u0915\u093C", "\u0915\u093C"},
        {"\u1100\u1161\u11A8", "\uAC01"},
        {"o\u0308\u0308", "\u00F6\u0308"},
        // No-break spaces are spaces; zero-width characters, direction marks and the byte-order
        // mark are dropped, even between a letter and its accent.
        {"clorur\u00A0de\u202Fsodi", "clorur de sodi"},
        {"\uFEFFclorur de sodi\u200B", "clorur de sodi"},
        {"cl\u200Corur\u200D \u200E\u200Fde\u2060 sodi", "clorur de sodi"},
        {"\u202A\u202B\u202C\u202D\u202Eòxid", "òxid"},
        {"o\u200B\u0300xid", "òxid"},
        {"\u200A\u2061", "\u200A\u2061"},
        // A pasted line break or tab is a space, and the spaces at either end go.
        {"fluorur de ferro (II)\n", "fluorur de ferro (II)"},
        {"fluorur de ferro (II)\r\n", "fluorur de ferro (II)"},
        {"\tJúlia\rPuig\x1b\x7f", "Júlia Puig"},
        {"a\u0085b\u2028c\u2029d\u009Fe", "a b c d e"},
        {std::string("Fe\0", 3), "Fe"},
        {"  òxid  ", "òxid"},
        {"\r\n \u00A0", ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(normalitza_entrada(c.entrada), c.esperat) << "entrada: [" << c.entrada << "]";
}
