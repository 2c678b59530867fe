#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "font_guionada.h"
#include "generation/sorteig.h"
#include "proves.h"

using namespace quimerix;
using T = Tipus_compost;

namespace {

Caselles nomes(int casella) {
    Caselles c{};
    c[casella] = true;
    return c;
}

int fila(const std::string &simbol) {
    return parell(simbol, "1").element;
}

} // namespace

TEST(Sorteig, BarallaEsUnaPermutacioDelsParells) {
    FontRellotge font(7);
    const Baralla b = Generacio_exercicis(font);
    std::set<std::pair<int, int>> vistos;
    for (int i = 1; i <= Mida_baralla; ++i) {
        const Parell p = b.parells[i];
        EXPECT_GE(p.element, 1);
        EXPECT_LE(p.element, 41);
        EXPECT_GE(p.columna, 3);
        EXPECT_LE(p.columna, 6);
        vistos.insert({p.element, p.columna});
    }
    EXPECT_EQ(vistos.size(), 164u);
}

TEST(Sorteig, TaulesDeDisponibilitatEnCarregar) {
    FontRellotge font(3);
    const Generador g(taules(), font);
    const std::pair<T, int> esperat[] = {
        {T::Hidroxid, 37},          {T::Oxoacid, 20}, {T::Oxoacid_especial, 6}, {T::Sal_binaria, 518},
        {T::Binari_no_metall, 236}, {T::Oxosal, 592}, {T::Oxosal_especial, 111}};
    for (const auto &[tipus, n] : esperat)
        EXPECT_EQ(g.disponibles_restants(tipus), n) << static_cast<int>(tipus);
}

TEST(Sorteig, CatalegPerFamilia) {
    std::map<T, int> n;
    for (const Entrada_cataleg &e : cataleg(taules()))
        ++n[e.tipus];
    const std::map<T, int> esperat = {{T::Oxid, 76},
                                      {T::Hidrur, 52},
                                      {T::Hidracid, 7},
                                      {T::Sal_binaria, 518},
                                      {T::Binari_no_metall, 236},
                                      {T::Hidroxid, 37},
                                      {T::Oxoacid, 20},
                                      {T::Oxoacid_especial, 6},
                                      {T::Oxosal, 592},
                                      {T::Oxosal_especial, 111}};
    EXPECT_EQ(n, esperat);
}

TEST(Sorteig, ReglesDeDisponibilitat) {
    const Taules &t = taules();
    // The first deck of the non-metal pairs holds the less electronegative element.
    EXPECT_TRUE(disponible_binari_no_metall(t, parell("Si", "4"), parell("Cl", "1")));
    EXPECT_FALSE(disponible_binari_no_metall(t, parell("Cl", "1"), parell("Si", "4")));
    EXPECT_FALSE(disponible_binari_no_metall(t, parell("N", "5"), parell("F", "1")));
    EXPECT_FALSE(disponible_binari_no_metall(t, parell("N", "5"), parell("Cl", "1")));
    EXPECT_TRUE(disponible_binari_no_metall(t, parell("N", "5"), parell("Br", "1")) ==
                (*t.Electronegativitat[fila("N")] < *t.Electronegativitat[fila("Br")]));
    EXPECT_FALSE(disponible_binari_no_metall(t, parell("S", "2"), parell("S", "2")));
    EXPECT_TRUE(disponible_sal_binaria(t, parell("Na", "1"), parell("Cl", "1")));
    EXPECT_FALSE(disponible_sal_binaria(t, parell("Na", "1"), parell("Cl", "3")));
    EXPECT_FALSE(disponible_sal_binaria(t, parell("Na", "1"), parell("O", "2")));
    EXPECT_TRUE(disponible_oxoacid(t, parell("Cl", "7")));
    EXPECT_FALSE(disponible_oxoacid(t, parell("Br", "7")));
    EXPECT_FALSE(disponible_oxoacid(t, parell("Te", "6")));
    EXPECT_TRUE(disponible_oxoacid_especial(t, parell("As", "3")));
    EXPECT_FALSE(disponible_oxoacid_especial(t, parell("As", "1")));
    EXPECT_TRUE(disponible_oxosal(t, parell("Cl", "7"), parell("Na", "1")));
    EXPECT_TRUE(disponible_oxosal(t, parell("P", "5"), parell("Ca", "2")));
    EXPECT_FALSE(disponible_oxosal(t, parell("Br", "7"), parell("Na", "1")));
    EXPECT_FALSE(disponible_oxosal(t, parell("Te", "6"), parell("Na", "1")));
    EXPECT_FALSE(disponible_oxosal(t, parell("Na", "1"), parell("Cl", "7")));
    EXPECT_FALSE(disponible_oxosal_especial(t, parell("P", "1"), parell("Na", "1")));
    EXPECT_TRUE(disponible_oxosal_especial(t, parell("P", "3"), parell("Na", "1")));
    EXPECT_FALSE(usable_oxid(t, parell("O", "2")));
    EXPECT_FALSE(usable_oxid(t, parell("H", "1")));
    EXPECT_FALSE(usable_hidrur(t, parell("N", "5")));
    EXPECT_TRUE(usable_hidrur(t, parell("N", "3")));
    EXPECT_TRUE(usable_hidracid(t, parell("S", "2")));
    EXPECT_FALSE(usable_hidracid(t, parell("S", "4")));
    EXPECT_FALSE(usable_hidracid(t, parell("N", "3")));
}

TEST(Sorteig, BandesDelTipus) {
    const std::pair<int, T> casos[] = {{1, T::Oxid},
                                       {10, T::Oxid},
                                       {11, T::Hidrur},
                                       {17, T::Hidrur},
                                       {18, T::Hidracid},
                                       {19, T::Sal_binaria},
                                       {46, T::Binari_no_metall},
                                       {62, T::Hidroxid},
                                       {63, T::Oxoacid},
                                       {66, T::Oxoacid_especial},
                                       {67, T::Oxosal},
                                       {95, T::Oxosal_especial},
                                       {100, T::Oxosal_especial}};
    for (const auto &[n, tipus] : casos)
        EXPECT_EQ(tipus_de_banda(n), tipus) << n;
}

TEST(Sorteig, TipusForcatAmbFontGuionada) {
    FontGuionada font(5);
    Generador g(taules(), font);
    // Only "Hidrurs" ticked: 18 gives a hydracid, 11..17 a hydride; an unticked band is drawn again.
    font.afegeix({valor_per(18, 100), valor_per(12, 100), valor_per(30, 100), valor_per(17, 100)});
    EXPECT_EQ(g.Sorteig_tipus_exercici(nomes(1), kFormular)->Codi_exercici, "HXA");
    const std::string codi = g.Sorteig_tipus_exercici(nomes(1), kFormular)->Codi_exercici;
    EXPECT_TRUE(codi == "HM" || codi == "HX") << codi;
    EXPECT_EQ(g.Sorteig_tipus_exercici(nomes(1), kFormular)->Codi_exercici.substr(0, 1), "H");
    EXPECT_EQ(g.Tipus_exercici(), 17);
    EXPECT_EQ(font.pendents(), 0u);
}

TEST(Sorteig, HidracidsUnCopCadaSetHidrurs) {
    int hidracids = 0, hidrurs = 0;
    for (unsigned llavor = 1; llavor <= 100; ++llavor) {
        FontRellotge font(llavor);
        Generador g(taules(), font);
        for (int i = 0; i < 20; ++i) {
            const auto e = g.Sorteig_tipus_exercici(nomes(1), kFormular);
            ASSERT_TRUE(e);
            if (g.ple(T::Hidracid) || g.ple(T::Hidrur)) break;
            (e->Codi_exercici == "HXA" ? hidracids : hidrurs) += 1;
        }
    }
    const double proporcio = static_cast<double>(hidrurs) / hidracids;
    EXPECT_GT(proporcio, 5.5);
    EXPECT_LT(proporcio, 8.5);
}

TEST(Sorteig, FamiliaDeDuesParellesPlenaAlSeuLimit) {
    FontRellotge font(11);
    Generador g(taules(), font);
    int n = 0;
    while (g.Sorteig_tipus_exercici(nomes(2), kFormular))
        ++n;
    EXPECT_EQ(n, 518);
    EXPECT_TRUE(g.ple(T::Sal_binaria));
    EXPECT_EQ(g.Comptador()[3], 518);
    EXPECT_EQ(g.disponibles_restants(T::Sal_binaria), 0);
    EXPECT_TRUE(g.Exhaurits());
}

TEST(Sorteig, NomesOxoacidsExhauritsALaPeticio27) {
    FontRellotge font(13);
    Generador g(taules(), font);
    for (int i = 1; i <= 26; ++i) {
        const auto e = g.Sorteig_tipus_exercici(nomes(5), kAnomenar);
        ASSERT_TRUE(e) << i;
        EXPECT_EQ(e->Codi_exercici, "HXO");
        EXPECT_FALSE(g.Exhaurits());
    }
    EXPECT_FALSE(g.Sorteig_tipus_exercici(nomes(5), kAnomenar));
    EXPECT_TRUE(g.Exhaurits());
    EXPECT_EQ(g.Comptador()[6], 164);
    EXPECT_EQ(g.Comptador()[8], 164);
}

TEST(Sorteig, TotElCatalegUnCopIAcaba) {
    using Clau = std::tuple<std::string, std::string, std::string>;
    std::multiset<Clau> esperat;
    for (const Entrada_cataleg &e : cataleg(taules())) {
        const Exercici ex = construeix(taules(), e.tipus, e.a, e.b, kFormular);
        esperat.insert({ex.Codi_exercici, ex.formula(), ex.Nom_compost});
    }
    ASSERT_EQ(esperat.size(), 1655u);
    FontRellotge font(17);
    Generador g(taules(), font);
    Caselles totes;
    totes.fill(true);
    std::multiset<Clau> obtingut;
    while (const auto e = g.Sorteig_tipus_exercici(totes, kFormular))
        obtingut.insert({e->Codi_exercici, e->formula(), e->Nom_compost});
    EXPECT_TRUE(g.Exhaurits());
    EXPECT_EQ(obtingut, esperat);
    EXPECT_FALSE(g.Sorteig_tipus_exercici(totes, kFormular));
}

TEST(Sorteig, PasseigDeDuesParellesRenunciaDespresDe327Fallades) {
    // From (1, 1): the rest of row 1, then (2, 1), (3, 2) … (164, 163): 327 cells in all.
    struct Cas {
        int a, b;
        bool trobada;
    };
    for (const Cas c : {Cas{1, 1, true}, Cas{1, 164, true}, Cas{2, 1, true}, Cas{100, 99, true},
                        Cas{164, 163, true}, Cas{2, 2, false}, Cas{164, 164, false}, Cas{3, 1, false}}) {
        Disponibles d;
        d.posa(c.a, c.b, true);
        const auto cel = passeig_disponibles(d, 1, 1);
        EXPECT_EQ(cel.has_value(), c.trobada) << c.a << "," << c.b;
        if (cel) {
            EXPECT_EQ(*cel, std::make_pair(c.a, c.b));
        }
    }
    EXPECT_FALSE(passeig_disponibles(Disponibles{}, 57, 120));
    // The row wraps from 164 back to 1.
    Disponibles d;
    d.posa(80, 3, true);
    EXPECT_EQ(passeig_disponibles(d, 80, 100), std::make_pair(80, 3));
}

TEST(Sorteig, LaBarrejaSorteigPrimerElementIDespresColumna) {
    // Element = int(r × 41) + 1, then column = int(r × 4) + 3; a repeated pair is drawn again.
    FontGuionada font(9);
    font.afegeix({valor_per(5, 41), valor_per(2, 4), valor_per(5, 41), valor_per(2, 4), valor_per(7, 41),
                  valor_per(1, 4)});
    const Baralla b = Generacio_exercicis(font);
    EXPECT_EQ(b.parells[1], (Parell{5, 4}));
    EXPECT_EQ(b.parells[2], (Parell{7, 3}));
    // The oxide deck is the first one shuffled at load.
    FontGuionada font2(9);
    font2.afegeix({valor_per(30, 41), valor_per(3, 4)});
    const Generador g(taules(), font2);
    EXPECT_EQ(g.baralla(T::Oxid).parells[1], (Parell{30, 5}));
}

// The counts of each family come from the availability tables of any shuffle and match the
// catalogue.
TEST(Sorteig, CombinacionsDeCadaFamiliaSonLesDelCataleg) {
    std::array<int, Nombre_tipus> esperat{};
    for (const Entrada_cataleg &e : cataleg(taules()))
        ++esperat[static_cast<int>(e.tipus)];
    for (std::uint64_t llavor : {1u, 17u, 4242u}) {
        FontRellotge font(llavor);
        const Generador g(taules(), font);
        for (int i = 0; i < Nombre_tipus; ++i)
            EXPECT_EQ(g.combinacions(static_cast<Tipus_compost>(i)), esperat[i]) << llavor << " " << i;
    }
}
