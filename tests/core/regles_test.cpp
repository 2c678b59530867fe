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
    EXPECT_EQ(t.simbol(Fila_oxigen), "O");
    EXPECT_EQ(t.cel(Fila_oxigen, Valencia1), "2");
    EXPECT_EQ(t.cel(Fila_oxigen, Valencia2), "");
    EXPECT_EQ(t.cel(Fila_oxigen, Hidrur_invers), "hidrur invers");
    EXPECT_EQ(t.simbol(Fila_hidrogen), "H");
    EXPECT_EQ(t.cel(Fila_hidrogen, Valencia_caracteristica), "1");
    EXPECT_EQ(t.cel(Fila_hidrogen, Hidrur_invers), "");
    EXPECT_EQ(t.nom(7), "beril·li");
    EXPECT_EQ(t.nom(37), "tel·luri");
    EXPECT_EQ(t.cel(31, Acid_especial), "àcid especial");
    EXPECT_TRUE(t.acid_especial(31));
    EXPECT_FALSE(t.acid_especial(30));
    EXPECT_TRUE(t.hidrur_invers(Fila_oxigen));
    EXPECT_FALSE(t.hidrur_invers(Fila_hidrogen));
    int amb_quarta = 0, metalls = 0;
    for (int f = 1; f <= Nombre_elements; ++f) {
        if (!t.cel(f, Valencia4).empty()) {
            ++amb_quarta;
            EXPECT_EQ(t.cel(f, Valencia4), "7");
        }
        metalls += t.es_metall(f);
        EXPECT_EQ(t.es_metall(f), f <= 25) << f;
    }
    EXPECT_EQ(amb_quarta, 3);
    EXPECT_EQ(metalls, 25);
}

TEST(Taules, ElectronegativitatDelsNoMetalls) {
    const Taules t = Taules::carrega();
    const std::pair<const char *, double> valors[] = {
        {"Si", 1.9}, {"B", 2.04},  {"Sb", 2.05}, {"As", 2.1}, {"Te", 2.18}, {"P", 2.19},
        {"H", 2.2},  {"Se", 2.54}, {"C", 2.55},  {"S", 2.58}, {"I", 2.66},  {"Br", 2.96},
        {"N", 3.04}, {"Cl", 3.16}, {"O", 3.4},   {"F", 3.98},
    };
    auto fila = [&](const std::string &s) {
        for (int f = 26; f <= 41; ++f)
            if (t.simbol(f) == s) return f;
        return 0;
    };
    for (const auto &[simbol, valor] : valors) {
        EXPECT_EQ(t.Electronegativitat[fila(simbol)], valor) << simbol;
        EXPECT_EQ(t.Tipus[fila(simbol)], Tipus_element::No_metall) << simbol;
    }
    for (int f = 1; f <= 25; ++f) {
        EXPECT_FALSE(t.Electronegativitat[f].has_value()) << f;
        EXPECT_EQ(t.Tipus[f], Tipus_element::Metall) << f;
    }
    EXPECT_EQ(t.Tipus[0], Tipus_element::Cap);
    EXPECT_FALSE(t.es_metall(0) || t.es_no_metall(0));
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
        const char *preposicio;
    };
    for (const Cas c : {Cas{"alumini", "d'"}, Cas{"or", "d'"}, Cas{"estany", "d'"}, Cas{"sodi", "de "},
                        Cas{"iode", "de "}, Cas{"hidrogen", "d'"}, Cas{"argent", "d'"}, Cas{"urani", "d'"},
                        Cas{"òxid", "de "}, Cas{"Or", "de "}, Cas{"", "de "}})
        EXPECT_EQ(preposicio_de(t, c.paraula), c.preposicio) << c.paraula;
    EXPECT_EQ(numeral_roma(1), " (I)");
    EXPECT_EQ(numeral_roma(4), " (IV)");
    EXPECT_EQ(numeral_roma(7), " (VII)");
    EXPECT_EQ(sufix_valencia(t, 15, "1"), " (I)"); // copper acting with 1 still gets the numeral
    EXPECT_EQ(sufix_valencia(t, 2, "1"), "");      // sodium has one valence
    EXPECT_EQ(subindex(1), "");
    EXPECT_EQ(subindex(3), "3");
    EXPECT_EQ(arrel_ur(t, 41), "iod");
    EXPECT_EQ(arrel_ur(t, 39), "clor");
}
