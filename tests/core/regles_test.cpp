#include <gtest/gtest.h>

#include "data/regles.h"
#include "data/taules.h"

using namespace quimerix;

TEST(Taules, FilesBuidesIExtrems) {
    const Taules t = Taules::carrega();
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(t.cel(0, c), "");
    for (int f = 0; f < 5; ++f)
        EXPECT_EQ(t.Prefixos[0][f], "");
    EXPECT_EQ(t.Vocals[0], "");
    EXPECT_EQ(t.Vocals[3], "");
    EXPECT_EQ(t.símbol(Fila_oxigen), "O");
    EXPECT_EQ(t.cel(Fila_oxigen, València1), "2");
    EXPECT_EQ(t.cel(Fila_oxigen, València2), "");
    EXPECT_EQ(t.cel(Fila_oxigen, Hidrur_invers), "hidrur invers");
    EXPECT_EQ(t.símbol(Fila_hidrogen), "H");
    EXPECT_EQ(t.cel(Fila_hidrogen, València_característica), "1");
    EXPECT_EQ(t.cel(Fila_hidrogen, Hidrur_invers), "");
    EXPECT_EQ(t.nom(7), "beril·li");
    EXPECT_EQ(t.nom(37), "tel·luri");
    EXPECT_EQ(t.cel(31, Àcid_especial), "àcid especial");
    int amb_quarta = 0, metalls = 0;
    for (int f = 1; f <= Nombre_elements; ++f) {
        if (!t.cel(f, València4).empty()) {
            ++amb_quarta;
            EXPECT_EQ(t.cel(f, València4), "7");
        }
        metalls += t.és_metall(f);
        EXPECT_EQ(t.és_metall(f), f <= 25) << f;
    }
    EXPECT_EQ(amb_quarta, 3);
    EXPECT_EQ(metalls, 25);
}

TEST(Taules, ElectronegativitatComparadaComATextOrdenaComElsNombres) {
    const Taules t = Taules::carrega();
    const char *ordre[] = {"Si", "B", "Sb", "As", "Te", "P",  "H", "Se",
                           "C",  "S", "I",  "Br", "N",  "Cl", "O", "F"};
    auto fila = [&](const std::string &s) {
        for (int f = 26; f <= 41; ++f)
            if (t.símbol(f) == s) return f;
        return 0;
    };
    for (int i = 0; i + 1 < 16; ++i)
        EXPECT_LT(t.cel(fila(ordre[i]), Electronegativitat), t.cel(fila(ordre[i + 1]), Electronegativitat))
            << ordre[i] << " < " << ordre[i + 1];
}

TEST(Regles, Simplificacio) {
    struct Cas {
        int x, y, j, k;
    };
    for (const Cas c : {Cas{4, 2, 2, 1}, Cas{6, 2, 3, 1}, Cas{3, 2, 3, 2}, Cas{2, 2, 1, 1}, Cas{4, 4, 1, 1},
                        Cas{2, 6, 1, 3}, Cas{7, 1, 7, 1}})
        EXPECT_EQ(simplifica(c.x, c.y), std::make_pair(c.j, c.k)) << c.x << "," << c.y;
}

TEST(Regles, SimplificacioSuccessiva) {
    int a[] = {4, 4};
    simplifica_successiu(a);
    EXPECT_EQ(a[0], 2);
    EXPECT_EQ(a[1], 2);
    int b[] = {6, 2, 4};
    simplifica_successiu(b);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[2], 2);
    int c[] = {9, 3}; // 9 is above 7: it never matches as a quotient of 1
    simplifica_successiu(c);
    EXPECT_EQ(c[0], 3);
    EXPECT_EQ(c[1], 1);
}

TEST(Regles, ContraccioDeINumerals) {
    const Taules t = Taules::carrega();
    struct Cas {
        const char *paraula;
        const char *preposició;
    };
    for (const Cas c : {Cas{"alumini", "d'"}, Cas{"or", "d'"}, Cas{"estany", "d'"}, Cas{"sodi", "de "},
                        Cas{"iode", "de "}, Cas{"hidrogen", "d'"}, Cas{"argent", "d'"}, Cas{"urani", "d'"},
                        Cas{"òxid", "de "}, Cas{"Or", "de "}, Cas{"", "de "}})
        EXPECT_EQ(preposició_de(t, c.paraula), c.preposició) << c.paraula;
    EXPECT_EQ(numeral_romà(1), " (I)");
    EXPECT_EQ(numeral_romà(4), " (IV)");
    EXPECT_EQ(numeral_romà(7), " (VII)");
    EXPECT_EQ(sufix_valència(t, 15, "1"), " (I)"); // copper acting with 1 still gets the numeral
    EXPECT_EQ(sufix_valència(t, 2, "1"), "");      // sodium has one valence
    EXPECT_EQ(subíndex(1), "");
    EXPECT_EQ(subíndex(3), "3");
    EXPECT_EQ(arrel_ur(t, 41), "iod");
    EXPECT_EQ(arrel_ur(t, 39), "clor");
}
