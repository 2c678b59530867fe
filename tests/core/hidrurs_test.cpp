#include <gtest/gtest.h>

#include "generation/constructors.h"
#include "proves.h"

using namespace quimerix;

namespace {

const Taules t = Taules::carrega();

struct Cas {
    int fila, columna;
    std::array<const char *, 4> caixes; // Símbol2, Subíndex2, Símbol3, Subíndex3
    const char *nom;
    const char *codi;
};

const Cas kHidrurs[] = {
    {2, 3, {"Na", "", "H", ""}, "Hidrur de sodi", "HM"},
    {9, 3, {"Ca", "", "H", "2"}, "Hidrur de calci", "HM"},
    {18, 4, {"Fe", "", "H", "3"}, "Hidrur de ferro (III)", "HM"},
    {14, 3, {"Al", "", "H", "3"}, "Hidrur d'alumini", "HM"},
    {15, 3, {"Cu", "", "H", ""}, "Hidrur de coure (I)", "HM"},
    {27, 3, {"B", "", "H", "3"}, "Borà", "HX"},
    {28, 4, {"C", "", "H", "4"}, "Metà", "HX"},
    {29, 4, {"Si", "", "H", "4"}, "Silà", "HX"},
    {30, 4, {"N", "", "H", "3"}, "Amoníac", "HX"},
    {31, 4, {"P", "", "H", "3"}, "Fosfina", "HX"},
    {32, 4, {"As", "", "H", "3"}, "Arsina", "HX"},
    {33, 4, {"Sb", "", "H", "3"}, "Estibina", "HX"},
    {34, 3, {"H", "2", "O", ""}, "Aigua", "HX"},
    {35, 3, {"H", "2", "S", ""}, "sulfur d'hidrogen", "HX"},
    {36, 3, {"H", "2", "Se", ""}, "selenur d'hidrogen", "HX"},
    {37, 3, {"H", "2", "Te", ""}, "tel·lurur d'hidrogen", "HX"},
    {38, 3, {"H", "", "F", ""}, "fluorur d'hidrogen", "HX"},
    {39, 3, {"H", "", "Cl", ""}, "clorur d'hidrogen", "HX"},
    {41, 3, {"H", "", "I", ""}, "iodur d'hidrogen", "HX"},
};

const Cas kHidracids[] = {
    {35, 3, {"H", "2", "S", "(aq)"}, "Àcid sulfhídric", "HXA"},
    {36, 3, {"H", "2", "Se", "(aq)"}, "Àcid selenhídric", "HXA"},
    {37, 3, {"H", "2", "Te", "(aq)"}, "Àcid tel·lurhídric", "HXA"},
    {38, 3, {"H", "", "F", "(aq)"}, "Àcid fluorhídric", "HXA"},
    {39, 3, {"H", "", "Cl", "(aq)"}, "Àcid clorhídric", "HXA"},
    {40, 3, {"H", "", "Br", "(aq)"}, "Àcid bromhídric", "HXA"},
    {41, 3, {"H", "", "I", "(aq)"}, "Àcid iodhídric", "HXA"},
};

void comprova(const Exercici &ex, const Cas &c) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(ex.caixes,
              (std::array<std::string, 7>{"", "", c.caixes[0], c.caixes[1], c.caixes[2], c.caixes[3], ""}));
    EXPECT_EQ(ex.Nom_compost, c.nom);
    EXPECT_EQ(ex.Codi_exercici, c.codi);
    EXPECT_EQ(ex.visibles, (std::array<bool, 7>{false, false, true, true, true, true, false}));
    EXPECT_FALSE(ex.claudators);
}

TEST(Hidrurs, FormulaNomICodi) {
    for (const Cas &c : kHidrurs)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova(formularHIDRURS(t, {c.fila, c.columna}, mode), c);
    for (const Cas &c : kHidracids)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova(formularHIDRURSHIDRACIDS(t, {c.fila, c.columna}, mode), c);
    EXPECT_EQ(formularHIDRURSHIDRACIDS(t, {39, 3}, kFormular).formula(), "HCl(aq)");
}

struct CasComentari {
    bool hidracid;
    int fila, columna;
    Tasca mode;
    const char *comentari;
};

#define TRADICIONAL                                                                                           \
    "   El nom d'aquest compost no segueix les regles de formulació d'aquest tipus de compostos ja que els " \
    "hidrurs no metàl·lics que es formen al combinar-se els elements B, C, Si, N, P, As, Sb i O prenen el " \
    "nom "                                                                                                    \
    "tradicional."
#define CARACTERISTICA                                                                                       \
    "   Com que sempre actua amb la valència característica del grup no és necessari indicar-la ni amb "  \
    "prefixos ni entre parèntesi i amb nombres romans."

const CasComentari kComentaris[] = {
    // Water is written with hydrogen first: the sentence says so.
    {false, 34, 3, kFormular,
     "   És un hidrur no metàl·lic en el què es combinen oxigen [O]  i hidrogen [H] que sempre actua"
     " amb valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (oxigen) actua sempre amb"
     " la valència característica del grup que en aquest cas és la 2.\r\n\r\n   El nom d'aquest"
     " compost no segueix les regles de formulació d'aquest tipus de compostos ja que els hidrurs no"
     " metàl·lics que es formen al combinar-se els elements B, C, Si, N, P, As, Sb i O prenen el nom"
     " tradicional. \r\n\r\n   Es formula escrivint primer el símbol de l'hidrogen [H] (element"
     " menys electronegatiu) amb la valència de l'element oxigen com a subíndex [2] i a continuació"
     " el símbol de l'element oxigen [O] sense subíndex perquè l'hidrogen actua amb valència 1."},
    {false, 2, 3, kFormular,
     "   És un hidrur metàl·lic en el què es combinen sodi [Na] amb valència 1 i hidrogen [H] que sempre "
     "actua "
     "amb valència 1.\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Na] sense "
     "subíndex "
     "(perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] sense subíndex "
     "perquè "
     "l'element sodi actua amb valència 1.\r\n\r\n"},
    {false, 9, 3, kFormular,
     "   És un hidrur metàl·lic en el què es combinen calci [Ca] amb valència 2 i hidrogen [H] que sempre "
     "actua "
     "amb valència 1.\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Ca] sense "
     "subíndex "
     "(perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] amb el subíndex "
     "[2] "
     "que correpon a la valència de l'element calci."},
    {false, 18, 4, kAnomenar,
     "   És un hidrur metàl·lic en el què es combinen ferro [Fe] amb valència 3 i hidrogen [H] que sempre "
     "actua "
     "amb valència 1.\r\n\r\n   S'anomena seguint l'estructura:   hidrur de [element] (valència)\r\n\r\n   "
     "Cal "
     "indicar la valència de l'element ferro entre parèntesi i amb nombres romans perquè pot actuar amb més "
     "d'una."},
    {false, 9, 3, kAnomenar,
     "   És un hidrur metàl·lic en el què es combinen calci [Ca] amb valència 2 i hidrogen [H] que sempre "
     "actua "
     "amb valència 1.\r\n\r\n   S'anomena seguint l'estructura:   hidrur de [element]\r\n\r\n   No cal "
     "indicar "
     "la valència de l'element calci perquè només pot actuar amb aquesta."},
    {false, 30, 4, kFormular,
     "   És un hidrur no metàl·lic en el què es combinen nitrogen [N]  i hidrogen [H] que sempre actua amb "
     "valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (nitrogen) actua sempre amb la valència "
     "característica del grup que en aquest cas és la 3.\r\n\r\n" TRADICIONAL
     " \r\n\r\n   Es formula escrivint primer el símbol de l'element menys electronegatiu [N] sense subíndex "
     "(perquè la valència de l'hidrogen és 1) i a continuació el símbol de l'hidrogen [H] (element més "
     "electronegatiu) amb el subíndex [3] que correpon a la valència característica de l'element nitrogen."},
    {false, 39, 3, kFormular,
     "   És un hidrur no metàl·lic en el què es combinen clor [Cl]  i hidrogen [H] que sempre actua amb "
     "valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (clor) actua sempre amb la valència "
     "característica del grup que en aquest cas és la 1.\r\n\r\n   Es formula escrivint primer el símbol de "
     "l'hidrogen [H] (element menys electronegatiu) sense subíndex (perquè la valència de l'element clor és "
     "1) i "
     "a continuació el símbol de l'element clor [Cl] sense subíndex perquè l'hidrogen actua amb valència 1."},
    {false, 35, 3, kFormular,
     "   És un hidrur no metàl·lic en el què es combinen sofre [S]  i hidrogen [H] que sempre actua amb "
     "valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (sofre) actua sempre amb la valència "
     "característica del grup que en aquest cas és la 2.\r\n\r\n   Es formula escrivint primer el símbol de "
     "l'hidrogen [H] (element menys electronegatiu) amb la valència de l'element sofre com a subíndex [2] i "
     "a "
     "continuació el símbol de l'element sofre [S] sense subíndex perquè l'hidrogen actua amb valència 1."},
    {false, 34, 3, kAnomenar,
     "   És un hidrur no metàl·lic en el què es combinen oxigen [O]  i hidrogen [H] que sempre actua amb "
     "valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (oxigen) actua sempre amb la valència "
     "característica del grup que en aquest cas és la 2.\r\n\r\n" TRADICIONAL
     " No hi ha més remei que aprendre-se'ls"},
    {false, 39, 3, kAnomenar,
     "   És un hidrur no metàl·lic en el què es combinen clor [Cl]  i hidrogen [H] que sempre actua amb "
     "valència 1.\r\n\r\n   En els hidrurs no metàl·lics, l'element (clor) actua sempre amb la valència "
     "característica del grup que en aquest cas és la 1.\r\n\r\n   S'anomena seguint l'estructura:   "
     "[element]+ur d'hidrogen\r\n\r\n" CARACTERISTICA},
    {true, 38, 3, kFormular,
     "   És tracta d'un hidrur no metàl·lic que es troba en dissolució aquosa.\r\n\r\n   Es formula igual "
     "que el "
     "corresponent hidrur no metàl·lic, és a dir, escrivint primer el símbol de l'hidrogen [H] (element "
     "menys "
     "electronegatiu) sense subíndex (perquè la valència de l'element fluor és 1) i a continuació el símbol "
     "de "
     "l'element fluor [F] sense subíndex perquè l'hidrogen actua amb valència 1. Seguidament s'afegeix "
     "\"(aq)\" com si fós un subíndex per tal de diferenciar-lo de l'hidrur no metàl·lic del mateix element "
     "que "
     "no es troba en dissolució aquosa."},
    {true, 35, 3, kFormular,
     "   És tracta d'un hidrur no metàl·lic que es troba en dissolució aquosa.\r\n\r\n   Es formula igual "
     "que el "
     "corresponent hidrur no metàl·lic, es a dir, escrivint primer el símbol de l'hidrogen [H] (element "
     "menys "
     "electronegatiu) amb la valència de l'element sofre com a subíndex [2] i a continuació el símbol de "
     "l'element sofre [S] sense subíndex perquè l'hidrogen actua amb valència 1. Seguidament s'afegeix "
     "\"(aq)\" com si fós un subíndex per tal de diferenciar-lo de l'hidrur no metàl·lic del mateix element "
     "que "
     "no es troba en dissolució aquosa."},
    {true, 39, 3, kAnomenar,
     "   És tracta d'un hidrur no metàl·lic que es troba en dissolució aquosa.\r\n\r\n   S'anomena seguint "
     "l'estructura:   àcid [element]+hídric\r\n\r\n" CARACTERISTICA},
};

TEST(Hidrurs, ComentariSencer) {
    for (const CasComentari &c : kComentaris) {
        const Exercici ex = c.hidracid ? formularHIDRURSHIDRACIDS(t, {c.fila, c.columna}, c.mode)
                                       : formularHIDRURS(t, {c.fila, c.columna}, c.mode);
        EXPECT_EQ(ex.Comentari, c.comentari) << "fila " << c.fila << " mode " << digit(c.mode);
    }
}

} // namespace
