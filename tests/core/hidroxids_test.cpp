#include <gtest/gtest.h>

#include "generation/constructors.h"
#include "proves.h"

using namespace quimerix;

namespace {

const Taules t = Taules::carrega();

struct Cas {
    int fila, columna;
    const char *simbol;
    const char *grup; // Subíndex_grup
    const char *formula;
    const char *nom;
};

const Cas kHidroxids[] = {
    {2, 3, "Na", "", "NaOH", "Hidròxid de sodi"},
    {9, 3, "Ca", "2", "Ca(OH)2", "Hidròxid de calci"},
    {18, 4, "Fe", "3", "Fe(OH)3", "Hidròxid de ferro (III)"},
    {14, 3, "Al", "3", "Al(OH)3", "Hidròxid d'alumini"},
    {15, 3, "Cu", "", "CuOH", "Hidròxid de coure (I)"},
    {17, 3, "Au", "", "AuOH", "Hidròxid d'or (I)"},
    {17, 4, "Au", "3", "Au(OH)3", "Hidròxid d'or (III)"},
    {25, 5, "Mn", "4", "Mn(OH)4", "Hidròxid de manganès (IV)"},
    {7, 3, "Be", "2", "Be(OH)2", "Hidròxid de beril·li"},
};

TEST(Hidroxids, FormulaNomIForma) {
    for (const Cas &c : kHidroxids) {
        for (Tasca mode : {kFormular, kAnomenar}) {
            SCOPED_TRACE(c.nom);
            const Exercici ex = formularHIDROXIDS(t, {c.fila, c.columna}, mode);
            EXPECT_EQ(ex.caixes, (std::array<std::string, 7>{c.simbol, "", "O", "", "H", "", c.grup}));
            EXPECT_EQ(ex.formula(), c.formula);
            EXPECT_EQ(ex.Nom_compost, c.nom);
            EXPECT_EQ(ex.Codi_exercici, "OH");
            const bool valencia_1 = std::string(c.grup).empty();
            EXPECT_EQ(ex.claudators, !valencia_1);
            using Visibles = std::array<bool, 7>;
            const Visibles esperat = valencia_1 ? Visibles{true, true, true, false, true, false, true}
                                                : Visibles{true, true, true, true, true, true, true};
            EXPECT_EQ(ex.visibles, esperat);
        }
    }
}

struct CasComentari {
    int fila, columna;
    Tasca mode;
    const char *comentari;
};

const CasComentari kComentaris[] = {
    {2, 3, kFormular,
     "   És tracta d'un hidròxid. Aquest és un compost ternari en el què es combinen un metall, l'oxigen i "
     "l'hidrogen. L'element metàl·lic sodi [Na] que actua amb valència [1] es combina amb l'ió hidroxil "
     "[OH-] "
     "que globalment actua sempre amb valència [1].\r\n\r\n   Es formula escrivint primer el símbol de "
     "l'element "
     "metàl·lic seguit del grup hidroxil.\r\n\r\n   No s'ha d'escriure la valència del metall com a subíndex "
     "ni "
     "la del grup hidroxil perquè són 1 i aquestes s'ometen. Si es desitja es pot posar el grup hidroxil "
     "entre "
     "parèntesi tot i que no és obligatori.\r\n\r\n"},
    {9, 3, kFormular,
     "   És tracta d'un hidròxid. Aquest és un compost ternari en el què es combinen un metall, l'oxigen i "
     "l'hidrogen. L'element metàl·lic calci [Ca] que actua amb valència [2] es combina amb l'ió hidroxil "
     "[OH-] "
     "que globalment actua sempre amb valència [1].\r\n\r\n   Es formula escrivint primer el símbol de "
     "l'element "
     "metàl·lic seguit del grup hidroxil entre parèntesi i la valència del metall es posa com a subíndex "
     "fora "
     "del parèntesi. La valència del grup hidroxil (OH) s'omet perquè actua amb 1.\r\n\r\n"},
    {9, 3, kAnomenar,
     "   És tracta d'un hidròxid. Aquest és un compost ternari en el què es combinen un metall, l'oxigen i "
     "l'hidrogen. L'element metàl·lic calci [Ca] que actua amb valència [2] es combina amb l'ió hidroxil "
     "[OH-] "
     "que globalment actua sempre amb valència [1].\r\n\r\n   S'anomena seguint l'estructura:   hidròxid de "
     "[element]\r\n\r\n   No s'ha indicar la valència del metall entre parèntesi i amb nombres romans perquè "
     "calci només en té una."},
    {15, 3, kAnomenar,
     "   És tracta d'un hidròxid. Aquest és un compost ternari en el què es combinen un metall, l'oxigen i "
     "l'hidrogen. L'element metàl·lic coure [Cu] que actua amb valència [1] es combina amb l'ió hidroxil "
     "[OH-] "
     "que globalment actua sempre amb valència [1].\r\n\r\n   S'anomena seguint l'estructura:   hidròxid de "
     "[element] (valència)\r\n\r\n   Cal indicar la valència del metall entre parèntesi i amb nombres romans "
     "perquè coure en té més d'una."},
};

TEST(Hidroxids, ComentariSencer) {
    for (const CasComentari &c : kComentaris)
        EXPECT_EQ(formularHIDROXIDS(t, {c.fila, c.columna}, c.mode).Comentari, c.comentari)
            << "fila " << c.fila << " mode " << digit(c.mode);
}

} // namespace
