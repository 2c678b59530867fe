#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "checking/estadistiques.h"

using namespace quimerix;

namespace {
const Cel Buida{"-----", Color::Negre};
Cel blau(const std::string &t) {
    return {t, Color::Blau};
}
Cel vermell(const std::string &t) {
    return {t, Color::Vermell};
}
} // namespace

TEST(Estadistiques, Percentatge) {
    const std::pair<std::pair<int, int>, int> casos[] = {
        {{1, 8}, 12}, {{7, 8}, 88},  {{3, 8}, 38}, {{5, 8}, 62},  {{1, 3}, 33},  {{2, 3}, 67},
        {{0, 1}, 0},  {{1, 1}, 100}, {{1, 2}, 50}, {{1, 200}, 0}, {{3, 200}, 2}, {{1, 40}, 2},
    };
    for (const auto &[entrada, esperat] : casos)
        EXPECT_EQ(percentatge(entrada.first, entrada.second), esperat)
            << entrada.first << "/" << entrada.second;
}

TEST(Estadistiques, CelsIPuntuacio) {
    struct Cas {
        std::vector<std::pair<std::string, int>> respostes; // code, Resultat
        std::vector<std::pair<int, Cel>> cel;               // cell index 0..11 (Label65..Label76)
        Cel encerts_sobre_total, percentatge_encerts;
    } casos[] = {
        {{{"OM", 2}},
         {{0, blau("1 / 1")}, {1, blau("1 / 1")}, {2, Buida}, {3, Buida}},
         blau("1 / 1"),
         blau("100 %")},
        {{{"OX", 2}, {"OX", 1}},
         {{0, blau("1 / 2")}, {1, Buida}, {2, blau("1 / 2")}},
         blau("1 / 2"),
         blau("50 %")},
        {{{"MX", 2}, {"MX", 1}, {"MX", 1}}, {{7, vermell("1 / 3")}}, vermell("1 / 3"), vermell("33 %")},
        {{{"HXA", 1}, {"HM", 2}, {"HX", 2}},
         {{3, blau("2 / 3")}, {4, blau("1 / 1")}, {5, blau("1 / 1")}, {6, vermell("0 / 1")}},
         blau("2 / 3"),
         blau("67 %")},
        {{{"XX", 2}, {"OH", 1}, {"HXO", 2}, {"MHX", 1}},
         {{8, blau("1 / 1")}, {9, vermell("0 / 1")}, {10, blau("1 / 1")}, {11, vermell("0 / 1")}},
         blau("2 / 4"),
         blau("50 %")},
        {{{"OM", 1}, {"OM", 1}, {"OM", 1}, {"OM", 1}, {"OM", 1}, {"OM", 1}, {"OM", 1}, {"OX", 2}},
         {{0, vermell("1 / 8")}, {1, vermell("0 / 7")}, {2, blau("1 / 1")}},
         vermell("1 / 8"),
         vermell("12 %")},
        // An unknown code counts nothing and leaves the score as it was.
        {{{"ZZ", 2}, {"OM", 0}}, {{0, Buida}}, {"0 / 0", Color::Negre}, {"----", Color::Negre}},
    };
    for (const auto &c : casos) {
        Estadistiques e;
        for (const auto &[codi, resultat] : c.respostes)
            e.compta(codi, resultat);
        for (const auto &[i, cel] : c.cel)
            EXPECT_EQ(e.cel[i], cel) << "cel " << i << " de " << c.respostes[0].first;
        EXPECT_EQ(e.encerts_sobre_total, c.encerts_sobre_total) << c.respostes[0].first;
        EXPECT_EQ(e.percentatge_encerts, c.percentatge_encerts) << c.respostes[0].first;
    }
}

TEST(Estadistiques, CelsConservenElSeuTextFinsAlReinici) {
    Estadistiques e;
    e.compta("OM", 1);
    e.compta("OX", 2);
    EXPECT_EQ(e.Encerts_totals, 1);
    EXPECT_EQ(e.Exercicis_totals, 2);
    EXPECT_EQ(e.Percentatge, 50);
    const auto text = e.Text_estadistiques();
    EXPECT_EQ(text[0], "1 / 2");
    EXPECT_EQ(text[12], "Encerts sobre el total:");
    EXPECT_EQ(text[13], "1 / 2");
    e.reinicia();
    for (const auto &c : e.cel)
        EXPECT_EQ(c.text, "-----");
    EXPECT_EQ(e.encerts_sobre_total.text, "0 / 0");
    EXPECT_EQ(e.percentatge_encerts.text, "----");
    EXPECT_EQ(e.Encerts_per_tipus, (std::array<int, 10>{}));
    EXPECT_EQ(e.Errors_per_tipus, (std::array<int, 10>{}));
}

TEST(Historial, TresLiniesLaMesNovaPrimer) {
    Historial h;
    h.afegeix("1  a", "ra", "Correcte");
    EXPECT_EQ(h.exercicis(), "1  a\r\n\r\n");
    EXPECT_EQ(h.respostes(), "ra\r\n\r\n");
    EXPECT_EQ(h.correccions(), "Correcte\r\n\r\n");
    h.afegeix("2  b", "rb", "x");
    h.afegeix("3  c", "rc", "Correcte");
    h.afegeix("4  d", "rd", "y");
    EXPECT_EQ(h.exercicis(), "4  d\r\n3  c\r\n2  b");
    EXPECT_EQ(h.respostes(), "rd\r\nrc\r\nrb");
    EXPECT_EQ(h.correccions(), "y\r\nCorrecte\r\nx");
}

TEST(Historial, LiniesSegonsLaTasca) {
    Exercici ca;
    ca.caixes = {"Ca", "", "O", "", "H", "", "2"};
    ca.claudators = true;
    Exercici fe;
    fe.forma_binaria();
    fe.caixes = {"", "", "Fe", "2", "O", "3", ""};
    Resposta r_ca{{"Ca", "", "O", "", "H", "", ""}, ""};
    Resposta r_fe{{}, "oxid de fero (III)"};
    struct Cas {
        Tasca tasca;
        int N;
        const Exercici &e;
        const Resposta &r;
        std::string nom_esperat;
        bool correcte;
        Linies_historial esperat;
    } casos[] = {
        {Tasca::Formular,
         7,
         ca,
         r_ca,
         "hidròxid de calci",
         false,
         {"7  hidròxid de calci", "Ca (O H)", "Ca (O H)2"}},
        {Tasca::Formular,
         7,
         ca,
         r_ca,
         "hidròxid de calci",
         true,
         {"7  hidròxid de calci", "Ca (O H)", "Correcte"}},
        {Tasca::Anomenar,
         12,
         fe,
         r_fe,
         "òxid de ferro (III)",
         false,
         {"12   Fe2 O3", "oxid de fero (III)", "òxid de ferro (III)"}},
        {Tasca::Anomenar,
         12,
         fe,
         r_fe,
         "oxid de ferro (III)",
         true,
         {"12   Fe2 O3", "oxid de fero (III)", "Correcte"}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(linies_historial(c.tasca, c.N, c.e, c.r, c.nom_esperat, c.correcte), c.esperat)
            << digit(c.tasca) << c.correcte;
}
