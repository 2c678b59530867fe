#include <gtest/gtest.h>

#include "generation/constructors.h"
#include "proves.h"

using namespace quimerix;

namespace {

const Taules t = Taules::carrega();

struct Cas {
    Parell a, b;
    std::array<const char *, 4> caixes; // Símbol2, Subíndex2, Símbol3, Subíndex3
    const char *nom;
};

const Cas kSals[] = {
    {{2, 3}, {39, 3}, {"Na", "", "Cl", ""}, "clorur de sodi"},
    {{14, 3}, {35, 3}, {"Al", "2", "S", "3"}, "sulfur d'alumini"},
    {{9, 3}, {35, 3}, {"Ca", "", "S", ""}, "sulfur de calci"},
    {{18, 4}, {39, 3}, {"Fe", "", "Cl", "3"}, "clorur de ferro (III)"},
    {{18, 3}, {35, 3}, {"Fe", "", "S", ""}, "sulfur de ferro (II)"},
    {{14, 3}, {40, 3}, {"Al", "", "Br", "3"}, "bromur d'alumini"},
    {{9, 3}, {38, 3}, {"Ca", "", "F", "2"}, "fluorur de calci"},
    {{1, 3}, {30, 4}, {"Li", "3", "N", ""}, "nitrur de liti"},
    {{23, 4}, {28, 4}, {"Pb", "", "C", ""}, "carbur de plom (IV)"},
    {{15, 3}, {41, 3}, {"Cu", "", "I", ""}, "iodur de coure (I)"},
    {{8, 3}, {31, 4}, {"Mg", "3", "P", "2"}, "fosfur de magnesi"},
    {{17, 4}, {33, 4}, {"Au", "", "Sb", ""}, "antimonur d'or (III)"},
    {{2, 3}, {37, 3}, {"Na", "2", "Te", ""}, "tel·lurur de sodi"},
};

const Cas kNoMetalls[] = {
    {{31, 5}, {39, 3}, {"P", "", "Cl", "5"}, "Pentaclorur de fòsfor"},
    {{28, 4}, {35, 3}, {"C", "", "S", "2"}, "Disulfur de carboni"},
    {{29, 4}, {28, 4}, {"Si", "", "C", ""}, "carbur de silici"},
    {{30, 4}, {39, 3}, {"N", "", "Cl", "3"}, "Triclorur de nitrogen"},
    {{27, 3}, {38, 3}, {"B", "", "F", "3"}, "Trifluorur de bor"},
    {{35, 3}, {40, 3}, {"S", "", "Br", "2"}, "Dibromur de sofre"},
    {{29, 4}, {30, 4}, {"Si", "3", "N", "4"}, "Tetranitrur de trisilici"},
    {{29, 4}, {32, 4}, {"Si", "3", "As", "4"}, "Tetrarsenur de trisilici"},
    {{33, 5}, {32, 4}, {"Sb", "3", "As", "5"}, "Pentarsenur de triantimoni"},
    {{33, 4}, {28, 4}, {"Sb", "4", "C", "3"}, "Tricarbur de tetrantimoni"},
    {{33, 3}, {28, 4}, {"Sb", "4", "C", ""}, "carbur de tetrantimoni"},
    {{32, 5}, {39, 3}, {"As", "", "Cl", "5"}, "Pentaclorur d'arsènic"},
    {{32, 4}, {35, 3}, {"As", "2", "S", "3"}, "Trisulfur de diarsènic"},
    // Outside the draw, for the prefixes 6 and 7 that begin with h.
    {{31, 4}, {39, 6}, {"P", "7", "Cl", "3"}, "Triclorur d'heptafòsfor"},
    {{32, 5}, {35, 5}, {"As", "6", "S", "5"}, "Pentasulfur d'hexarsènic"},
};

void comprova(const Exercici &ex, const Cas &c, const char *codi) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(ex.caixes,
              (std::array<std::string, 7>{"", "", c.caixes[0], c.caixes[1], c.caixes[2], c.caixes[3], ""}));
    EXPECT_EQ(ex.Nom_compost, c.nom);
    EXPECT_EQ(ex.Codi_exercici, codi);
    EXPECT_EQ(ex.visibles, (std::array<bool, 7>{false, false, true, true, true, true, false}));
    EXPECT_FALSE(ex.claudators);
}

TEST(Binaris, FormulaNomICodi) {
    for (const Cas &c : kSals)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova(formularSALSBINARIES(t, c.a, c.b, mode), c, "MX");
    for (const Cas &c : kNoMetalls)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova(formularCOMPOSTOSBINARISNoMetallNoMetall(t, c.a, c.b, mode), c, "XX");
}

struct CasComentari {
    bool sal;
    Parell a, b;
    Tasca mode;
    const char *comentari;
};

#define PREFIXOS                                                                                             \
    "   Els prefixos fan referència als subíndexs que acompanyen el símbol de cada element un cop "       \
    "simplificats "                                                                                          \
    "(si ha estat necessari) i no pas a les valències pròpies."

const CasComentari kComentaris[] = {
    // A salt whose crossed subscripts simplify says so, as the non-metal pairs do.
    {true,
     {19, 3},
     {29, 4},
     kFormular,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, crom [Cr] que actua"
     " amb valència [2] i un element no metàl·lic, silici [Si] que actua sempre amb la valència"
     " característica del grup [4].\r\n\r\n   Es formula escrivint primer el símbol de l'element"
     " metàl·lic [Cr] amb el subíndex [4], que correspon a la valència característica del no metall."
     " Després s'escriu el símbol del no metall [Si] amb el subíndex [2] que correspon a la valència"
     " del metall crom.\r\n\r\n   Un cop formulat cal simplificar els subíndexs.\r\n\r\n   Recorda"
     " que quan als subíndexs hi correspon un 1 s'han de deixar en blanc."},
    {true,
     {9, 3},
     {37, 3},
     kFormular,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, calci [Ca] que"
     " actua amb valència [2] i un element no metàl·lic, tel·luri [Te] que actua sempre amb la"
     " valència característica del grup [2].\r\n\r\n   Es formula escrivint primer el símbol de"
     " l'element metàl·lic [Ca] amb el subíndex [2], que correspon a la valència característica del"
     " no metall. Després s'escriu el símbol del no metall [Te] amb el subíndex [2] que correspon a"
     " la valència del metall calci.\r\n\r\n   Un cop formulat cal simplificar els"
     " subíndexs.\r\n\r\n   Recorda que quan als subíndexs hi correspon un 1 s'han de deixar en"
     " blanc."},
    {true,
     {2, 3},
     {39, 3},
     kFormular,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, sodi [Na] que actua amb "
     "valència "
     "[1] i un element no metàl·lic, clor [Cl] que actua sempre amb la valència característica del grup [1]."
     "\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Na] amb el subíndex [1], que "
     "correspon a la valència característica del no metall. Després s'escriu el símbol del no metall [Cl] "
     "amb el "
     "subíndex [1] que correspon a la valència del metall sodi.\r\n\r\n   Recorda que quan als subíndexs hi "
     "correspon un 1 s'han de deixar en blanc."},
    {true,
     {14, 3},
     {35, 3},
     kFormular,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, alumini [Al] que actua amb "
     "valència [3] i un element no metàl·lic, sofre [S] que actua sempre amb la valència característica del "
     "grup "
     "[2].\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Al] amb el subíndex [2], "
     "que "
     "correspon a la valència característica del no metall. Després s'escriu el símbol del no metall [S] amb "
     "el "
     "subíndex [3] que correspon a la valència del metall alumini.\r\n\r\n"},
    {true,
     {18, 4},
     {39, 3},
     kAnomenar,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, ferro [Fe] que actua amb "
     "valència [3] i un element no metàl·lic, clor [Cl] que actua sempre amb la valència característica del "
     "grup "
     "[1].\r\n\r\n   S'anomena seguint l'estructura:   [element no metàl·lic]+ur de [element metàl·lic] "
     "(valència del metall)\r\n\r\n   Cal indicar la valència de l'element metal·lic ferro entre parèntesi i "
     "amb "
     "nombres romans perquè pot actuar amb més d'una."},
    {true,
     {2, 3},
     {39, 3},
     kAnomenar,
     "   És tracta d'una sal binària en la què es combinen un element metal·lic, sodi [Na] que actua amb "
     "valència "
     "[1] i un element no metàl·lic, clor [Cl] que actua sempre amb la valència característica del grup [1]."
     "\r\n\r\n   S'anomena seguint l'estructura:   [element no metàl·lic]+ur de [element metàl·lic]\r\n\r\n  "
     " "
     "No cal indicar la valència de l'element metal·lic sodi perquè únicament pot actuar amb aquesta."},
    // Simplified (C2S4 to CS2) and a blank subscript.
    {false,
     {28, 4},
     {35, 3},
     kFormular,
     "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no "
     "metàl·lics: "
     "carboni [C] i sofre [S]. El no metall més electronegatiu (el de més a la dreta) sempre actua amb la "
     "valència característica del grup.\r\n\r\n   Es formula escrivint primer el símbol de l'element menys "
     "electronegatiu [C] amb el subíndex [2], que correspon a la valència característica del no metall més "
     "electronegatiu (sofre). Després s'escriu el símbol de l'element més electronegatiu [S] amb el subíndex "
     "[4] "
     "que correspon a la valència de l'altre element (carboni).\r\n\r\n   Un cop formulat cal simplificar "
     "els "
     "subíndexs.\r\n\r\n   Recorda que quan als subíndexs hi correspon un 1 s'han de deixar en blanc."},
    // A valence 1: no simplification sentence, a blank subscript.
    {false,
     {31, 5},
     {39, 3},
     kFormular,
     "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no "
     "metàl·lics: "
     "fòsfor [P] i clor [Cl]. El no metall més electronegatiu (el de més a la dreta) sempre actua amb la "
     "valència característica del grup.\r\n\r\n   Es formula escrivint primer el símbol de l'element menys "
     "electronegatiu [P] amb el subíndex [1], que correspon a la valència característica del no metall més "
     "electronegatiu (clor). Després s'escriu el símbol de l'element més electronegatiu [Cl] amb el subíndex "
     "[5] "
     "que correspon a la valència de l'altre element (fòsfor).\r\n\r\n   Recorda que quan als subíndexs hi "
     "correspon un 1 s'han de deixar en blanc."},
    {false,
     {29, 4},
     {30, 4},
     kFormular,
     "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no "
     "metàl·lics: "
     "silici [Si] i nitrogen [N]. El no metall més electronegatiu (el de més a la dreta) sempre actua amb la "
     "valència característica del grup.\r\n\r\n   Es formula escrivint primer el símbol de l'element menys "
     "electronegatiu [Si] amb el subíndex [3], que correspon a la valència característica del no metall més "
     "electronegatiu (nitrogen). Després s'escriu el símbol de l'element més electronegatiu [N] amb el "
     "subíndex "
     "[4] que correspon a la valència de l'altre element (silici).\r\n\r\n"},
    {false,
     {31, 5},
     {39, 3},
     kAnomenar,
     "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no "
     "metàl·lics: "
     "fòsfor [P] i clor [Cl]. El no metall més electronegatiu (el de més a la dreta) sempre actua amb la "
     "valència característica del grup.\r\n\r\n   S'anomena seguint l'estructura:   [prefix]+[element més "
     "electronegatiu]+ur de [prefix]+[element menys electronegatiu]\r\n\r\n   Recorda que l'element més "
     "electronegatiu és el que està a la dreta (Cl) i el menys electronegatiu el que hi ha a l'esquerra (P)."
     "\r\n\r\n" PREFIXOS
     " Recorda que el prefix mono s'omet sempre en els compostos binaris no metall-no metall."},
    {false,
     {29, 4},
     {30, 4},
     kAnomenar,
     "   És tracta d'una compost binari no metall-no metall en el què es combinen dos elements no "
     "metàl·lics: "
     "silici [Si] i nitrogen [N]. El no metall més electronegatiu (el de més a la dreta) sempre actua amb la "
     "valència característica del grup.\r\n\r\n   S'anomena seguint l'estructura:   [prefix]+[element més "
     "electronegatiu]+ur de [prefix]+[element menys electronegatiu]\r\n\r\n   Recorda que l'element més "
     "electronegatiu és el que està a la dreta (N) i el menys electronegatiu el que hi ha a l'esquerra (Si)."
     "\r\n\r\n" PREFIXOS},
};

TEST(Binaris, ComentariSencer) {
    for (const CasComentari &c : kComentaris) {
        const Exercici ex = c.sal ? formularSALSBINARIES(t, c.a, c.b, c.mode)
                                  : formularCOMPOSTOSBINARISNoMetallNoMetall(t, c.a, c.b, c.mode);
        EXPECT_EQ(ex.Comentari, c.comentari)
            << t.simbol(c.a.element) << t.simbol(c.b.element) << " mode " << digit(c.mode);
    }
}

} // namespace
