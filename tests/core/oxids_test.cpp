#include <gtest/gtest.h>

#include "generation/constructors.h"
#include "proves.h"

using namespace quimerix;

namespace {

const Taules t = Taules::carrega();

struct CasOxid {
    int fila, columna;
    std::array<const char *, 4> caixes; // Símbol2, Subíndex2, Símbol3, Subíndex3
    const char *nom;
    const char *codi;
};

const CasOxid kOxids[] = {
    {2, 3, {"Na", "2", "O", ""}, "Òxid de sodi", "OM"},
    {8, 3, {"Mg", "", "O", ""}, "Òxid de magnesi", "OM"},
    {18, 4, {"Fe", "2", "O", "3"}, "Òxid de ferro (III)", "OM"},
    {23, 4, {"Pb", "", "O", "2"}, "Òxid de plom (IV)", "OM"},
    {17, 3, {"Au", "2", "O", ""}, "Òxid d'or (I)", "OM"},
    {6, 3, {"Ag", "2", "O", ""}, "Òxid d'argent", "OM"},
    {14, 3, {"Al", "2", "O", "3"}, "Òxid d'alumini", "OM"},
    {22, 3, {"Sn", "", "O", ""}, "Òxid d'estany (II)", "OM"},
    {15, 3, {"Cu", "2", "O", ""}, "Òxid de coure (I)", "OM"},
    {25, 5, {"Mn", "", "O", "2"}, "Òxid de manganès (IV)", "OM"},
    {41, 5, {"I", "2", "O", "5"}, "Pentaòxid de diiode", "OX"},
    {28, 3, {"C", "", "O", ""}, "Monòxid de carboni", "OX"},
    {28, 4, {"C", "", "O", "2"}, "Diòxid de carboni", "OX"},
    {35, 5, {"S", "", "O", "3"}, "Triòxid de sofre", "OX"},
    {30, 5, {"N", "2", "O", "5"}, "Pentaòxid de dinitrogen", "OX"},
    {39, 6, {"Cl", "2", "O", "7"}, "Heptaòxid de diclor", "OX"},
    {39, 3, {"Cl", "2", "O", ""}, "Monòxid de diclor", "OX"},
    {38, 3, {"F", "2", "O", ""}, "Monòxid de difluor", "OX"},
    {32, 5, {"As", "2", "O", "5"}, "Pentaòxid de diarsènic", "OX"},
    {36, 5, {"Se", "", "O", "3"}, "Triòxid de seleni", "OX"},
};

TEST(Oxids, FormulaNomICodi) {
    for (const CasOxid &c : kOxids) {
        for (Tasca mode : {kFormular, kAnomenar}) {
            const Exercici ex = formularOXIDS(t, {c.fila, c.columna}, mode);
            SCOPED_TRACE(c.nom);
            EXPECT_EQ(ex[Simbol1], "");
            EXPECT_EQ(ex[Subindex1], "");
            EXPECT_EQ(ex[Simbol2], c.caixes[0]);
            EXPECT_EQ(ex[Subindex2], c.caixes[1]);
            EXPECT_EQ(ex[Simbol3], c.caixes[2]);
            EXPECT_EQ(ex[Subindex3], c.caixes[3]);
            EXPECT_EQ(ex[Subindex_grup], "");
            EXPECT_EQ(ex.Nom_compost, c.nom);
            EXPECT_EQ(ex.Codi_exercici, c.codi);
            EXPECT_EQ(ex.visibles, (std::array<bool, 7>{false, false, true, true, true, true, false}));
            EXPECT_FALSE(ex.claudators);
        }
    }
}

struct CasComentari {
    int fila, columna;
    Tasca mode;
    const char *comentari;
};

const CasComentari kComentaris[] = {
    // Simplified, and both subscripts blank.
    {8, 3, kFormular,
     "   És un òxid metàl·lic en el què es combinen magnesi [Mg] amb valència 2 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Mg] amb el "
     "subíndex [2] "
     "(valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de l'element magnesi "
     "[2] "
     "com a subíndex.\r\n\r\n   Un cop formulat cal simplificar els subíndexs. Els subíndexs 1 es deixen en "
     "blanc."},
    // Neither simplified nor blank.
    {18, 4, kFormular,
     "   És un òxid metàl·lic en el què es combinen ferro [Fe] amb valència 3 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Fe] amb el "
     "subíndex [2] "
     "(valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de l'element ferro "
     "[3] "
     "com a subíndex.\r\n\r\n"},
    // Blank without simplification.
    {2, 3, kFormular,
     "   És un òxid metàl·lic en el què es combinen sodi [Na] amb valència 1 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element metàl·lic [Na] amb el "
     "subíndex [2] "
     "(valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de l'element sodi [1] "
     "com a subíndex.\r\n\r\n Els subíndexs 1 es deixen en blanc."},
    {2, 3, kAnomenar,
     "   És un òxid metàl·lic en el què es combinen sodi [Na] amb valència 1 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   S'anomena seguint l'estructura:   òxid de [element]\r\n\r\n   No cal indicar la "
     "valència del metall entre parèntesi i amb nombres romans perquè sodi només en té una."},
    {23, 4, kAnomenar,
     "   És un òxid metàl·lic en el què es combinen plom [Pb] amb valència 4 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   S'anomena seguint l'estructura:   òxid de [element] (valència)\r\n\r\n   Cal "
     "indicar "
     "la valència del metall entre parèntesi i amb nombres romans perquè plom en té més d'una. Cal estar "
     "alerta "
     "a possibles simplificacions que s'hagin pogut fer."},
    {8, 3, kAnomenar,
     "   És un òxid metàl·lic en el què es combinen magnesi [Mg] amb valència 2 i oxigen [O] que sempre té "
     "valència 2.\r\n\r\n   S'anomena seguint l'estructura:   òxid de [element]\r\n\r\n   No cal indicar la "
     "valència del metall entre parèntesi i amb nombres romans perquè magnesi només en té una. Cal estar "
     "alerta "
     "a possibles simplificacions que s'hagin pogut fer."},
    {30, 5, kFormular,
     "   És un òxid no metàl·lic en el què es combinen nitrogen [N] amb valència 5 i oxigen [O] que sempre "
     "actua "
     "amb valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element no metàl·lic [N] amb el "
     "subíndex [2] (valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de "
     "l'element "
     "nitrogen [5]. com a subíndex.\r\n\r\n"},
    {28, 3, kFormular,
     "   És un òxid no metàl·lic en el què es combinen carboni [C] amb valència 2 i oxigen [O] que sempre "
     "actua "
     "amb valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element no metàl·lic [C] amb el "
     "subíndex [2] (valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de "
     "l'element "
     "carboni [2]. com a subíndex.\r\n\r\n   Un cop formulat cal simplificar els subíndexs. Els subíndexs 1 "
     "es "
     "deixen en blanc."},
    {39, 3, kFormular,
     "   És un òxid no metàl·lic en el què es combinen clor [Cl] amb valència 1 i oxigen [O] que sempre "
     "actua "
     "amb valència 2.\r\n\r\n   Es formula escrivint primer el símbol de l'element no metàl·lic [Cl] amb el "
     "subíndex [2] (valència de l'oxigen) i a continuació el símbol de l'oxigen [O] amb la valència de "
     "l'element "
     "clor [1]. com a subíndex.\r\n\r\n Els subíndexs 1 es deixen en blanc."},
    {28, 4, kAnomenar,
     "   És un òxid no metàl·lic en el què es combinen carboni [C] amb valència 4 i oxigen [O] que sempre "
     "actua "
     "amb valència 2.\r\n\r\n   S'anomena seguint l'estructura:   [prefix]+òxid de "
     "[prefix]+[element]\r\n\r\n   "
     "Els prefixos fan referència als subíndexs que acompanyen el símbol de cada element un cop simplificats "
     "(si "
     "ha estat necessari) i no pas a les valències pròpies. Recorda que el prefix mono s'omet si va davant "
     "l'element no metàl·lic."},
    {39, 6, kAnomenar,
     "   És un òxid no metàl·lic en el què es combinen clor [Cl] amb valència 7 i oxigen [O] que sempre "
     "actua "
     "amb valència 2.\r\n\r\n   S'anomena seguint l'estructura:   [prefix]+òxid de "
     "[prefix]+[element]\r\n\r\n   "
     "Els prefixos fan referència als subíndexs que acompanyen el símbol de cada element un cop simplificats "
     "(si "
     "ha estat necessari) i no pas a les valències pròpies."},
};

TEST(Oxids, ComentariSencer) {
    for (const CasComentari &c : kComentaris)
        EXPECT_EQ(formularOXIDS(t, {c.fila, c.columna}, c.mode).Comentari, c.comentari)
            << "fila " << c.fila << " columna " << c.columna << " mode " << digit(c.mode);
}

} // namespace
