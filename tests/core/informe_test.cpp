// The printed report as print operations: page layout, colours, the statistics table and the mark.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checking/estadistiques.h"
#include "records/informe.h"
#include "text/utf8.h"

using namespace quimerix;

namespace {

// One text run or line end with the state the operations left in force.
struct Tros {
    int pagina = 1;
    int linia = 0; // line ends since the page began
    int mida = 0;
    bool negreta = false, subratllat = false;
    Color color = Color::Negre;
    std::string text; // "\n" for a line end
};

std::vector<Tros> trossos(const Document_impressio &d) {
    std::vector<Tros> r;
    Tros t;
    for (const Operacio &op : d.operacions) {
        switch (op.tipus) {
        case Tipus_operacio::Mida:
            t.mida = op.valor;
            break;
        case Tipus_operacio::Negreta:
            t.negreta = op.valor != 0;
            break;
        case Tipus_operacio::Subratllat:
            t.subratllat = op.valor != 0;
            break;
        case Tipus_operacio::Color:
            t.color = op.color;
            break;
        case Tipus_operacio::Text:
            t.text = op.text;
            r.push_back(t);
            break;
        case Tipus_operacio::Fi_linia:
            t.text = "\n";
            r.push_back(t);
            ++t.linia;
            break;
        case Tipus_operacio::Nova_pagina:
            ++t.pagina;
            t.linia = 0;
            break;
        case Tipus_operacio::Barra: // the report draws no chart
            ADD_FAILURE() << "barra a l'informe";
            break;
        }
    }
    return r;
}

const std::string Be =
    " 1    clorur de sodi                         Na Cl                                 CORRECTE\r\n";
const std::string Malament =
    " 2    òxid de ferro (III)                    Fe3 O2                                Fe2 O3\r\n";

// A set of `n` exercises, alternately right and wrong from the first, all of them binary salts.
DadesSessio conjunt(int n) {
    DadesSessio d;
    d.capcalera = "Nom i cognoms: Anna Puig  Data: 3/5/2024";
    Estadistiques e;
    for (int i = 1; i <= n; ++i) {
        d.registres.push_back(i % 2 ? Be : Malament);
        e.compta("MX", i % 2 ? 2 : 1);
    }
    d.text_estadistiques = e.Text_estadistiques();
    d.encerts = e.Encerts_per_tipus;
    d.errors = e.Errors_per_tipus;
    return d;
}

// Splits the plain text into pages of lines.
std::vector<std::vector<std::string>> pagines(const Document_impressio &d) {
    std::vector<std::vector<std::string>> r(1, std::vector<std::string>(1));
    for (char c : text_document(d)) {
        if (c == '\f')
            r.push_back(std::vector<std::string>(1));
        else if (c == '\n')
            r.back().emplace_back();
        else
            r.back().back() += c;
    }
    return r;
}

} // namespace

TEST(Informe, UnExercici) {
    const auto d = informe(conjunt(1));
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->apaisat);
    const std::string esperat =
        "\n\n\n\n        Nom i cognoms: Anna Puig  Data: 3/5/2024\n\n\n\n"
        "            Núm.    Exercici                               Resposta                              "
        "Correcció                   \n\n"
        "             1    clorur de sodi                         Na Cl                                 "
        "CORRECTE\n"
        "\n"
        "                                                                                                  "
        "                           \n"
        "             |                                                 ESTADÍSTIQUES                        "
        "                        |\n"
        "             | Òxids               -----"
        " | Hidrurs             -----"
        " | Sals binàries       1 / 1"
        " | Hidròxids          -----"
        " | \n"
        "             |  metàl·lics         -----"
        " |  metàl·lics         -----"
        " |                          "
        " |                          | \n"
        "             |  no metàl·lics      -----"
        " |  no metàl·lics      -----"
        " | Comp. binàris X-X   -----"
        " | Oxoàcids           -----"
        " | \n"
        "             |                          "
        " |  àcids hidràcids    -----"
        " |                          "
        " | Oxosals            -----"
        " |\n"
        "             |                           |                           |                          "
        " |                          |\n"
        "                Encerts sobre el total:  1 / 1  (100 %)                       NOTA: 10\n" +
        std::string(24, '\n') + "\n\n           Informe elaborat amb el programa QUIMERIX" +
        std::string(68, ' ') + "pàgina 1";
    EXPECT_EQ(text_document(*d), esperat);
}

// Pages, column titles, exercise lines per page and the blank lines after the mark.
TEST(Informe, Pagines) {
    struct Cas {
        int exercicis;
        std::vector<bool> titols; // per page
        std::vector<int> exercicis_pagina;
        int linies_finals; // blank lines between the mark and the last footer
    };
    const Cas casos[] = {
        {1, {true}, {1}, 24},
        {30, {true, false}, {30, 0}, 27},
        {36, {true, false}, {36, 0}, 27},
        {37, {true, true}, {36, 1}, 24},
        {47, {true, true}, {36, 11}, 14},
        {61, {true, true}, {36, 25}, 0},
        {62, {true, true, false}, {36, 26, 0}, 27},
        {73, {true, true, true}, {36, 36, 1}, 24},
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.exercicis);
        const auto d = informe(conjunt(c.exercicis));
        ASSERT_TRUE(d);
        const auto p = pagines(*d);
        ASSERT_EQ(p.size(), c.titols.size());
        for (std::size_t i = 0; i < p.size(); ++i) {
            const auto &l = p[i];
            EXPECT_EQ(l[8].find("Núm.    Exercici") != std::string::npos, c.titols[i]) << i;
            int n = 0;
            for (const std::string &s : l)
                n += s.rfind("             1    ", 0) == 0 || s.rfind("             2    ", 0) == 0;
            EXPECT_EQ(n, c.exercicis_pagina[i]) << i;
            const std::string peu = "pàgina " + std::to_string(i + 1);
            EXPECT_EQ(l.back().substr(l.back().size() - peu.size()), peu);
            // Every footer is the line after two line ends; on every page but the last it is line 50,
            // whether 36 exercise lines or fewer and blank lines came before it.
            EXPECT_EQ(l[l.size() - 2], "");
            EXPECT_EQ(l[l.size() - 3], "");
            if (i + 1 < p.size()) {
                EXPECT_EQ(l.size(), 8u + 2 + 36 + 1 + 2 + 1) << i;
            }
        }
        // The blank lines after the mark, all at the size of every other page.
        const auto t = trossos(*d);
        std::size_t nota = 0;
        for (std::size_t i = 0; i < t.size(); ++i)
            if (t[i].text.find("NOTA: ") != std::string::npos) nota = i;
        ASSERT_GT(nota, 0u);
        EXPECT_EQ(t[nota].mida, 16);
        int blanques = 0;
        for (std::size_t i = nota + 3; i < t.size() && t[i].text == "\n"; ++i, ++blanques)
            EXPECT_EQ(t[i].mida, 10);
        EXPECT_EQ(blanques, c.linies_finals + 2);
        EXPECT_EQ(t.back().mida, 10);
        EXPECT_TRUE(t.back().negreta);
    }
}

TEST(Informe, SenseExercicisNoHiHaInforme) {
    DadesSessio d = conjunt(0);
    EXPECT_FALSE(informe(d));
    d.registres.push_back(Be); // records without counters: nothing to share out either
    EXPECT_FALSE(informe(d));
    EXPECT_EQ(Missatge_error_impressio, "Hi ha hagut un problema i s'ha cancel·lat el procés d'impressió");
}

TEST(Informe, ColorsIEstilsDeLesLinies) {
    const auto d = informe(conjunt(4));
    ASSERT_TRUE(d);
    struct Cas {
        std::string inici;
        Color color;
        bool negreta, subratllat;
        int mida;
    };
    const Cas casos[] = {
        {"Nom i cognoms:", Color::Negre, true, true, 12},
        {"Núm.    Exercici", Color::Negre, true, true, 10},
        {"             1    clorur", Color::Negre, false, false, 10},
        {"             2    òxid", Color::Vermell, false, false, 10},
        {"|                                                 ESTADÍSTIQUES", Color::Negre, true, true, 10},
        {"                Encerts sobre", Color::Negre, true, false, 10},
        {"                       NOTA: ", Color::Negre, true, false, 16},
        {"Informe elaborat", Color::Negre, false, false, 8},
        {"QUIMERIX", Color::Blau, false, false, 9},
        {std::string(68, ' ') + "pàgina", Color::Negre, true, false, 10},
    };
    const auto t = trossos(*d);
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.inici);
        int trobats = 0;
        for (const Tros &x : t) {
            if (x.text.find(c.inici) != 0 && x.text.find(c.inici) != 11) continue;
            ++trobats;
            EXPECT_EQ(x.color, c.color);
            EXPECT_EQ(x.negreta, c.negreta);
            EXPECT_EQ(x.subratllat, c.subratllat);
            EXPECT_EQ(x.mida, c.mida);
        }
        EXPECT_GE(trobats, 1);
    }
}

// The cells take the colour of their share, and the table's bars line up whatever the captions.
TEST(Informe, CelesDeLesEstadistiques) {
    struct Resposta {
        const char *codi;
        int resultat;
    };
    const std::vector<Resposta> respostes = {{"OM", 2},  {"HM", 2},  {"HM", 1}, {"HXA", 1},
                                             {"HXA", 1}, {"HXA", 2}, {"MHX", 1}};
    DadesSessio dades = conjunt(0);
    Estadistiques e;
    for (const Resposta &r : respostes)
        e.compta(r.codi, r.resultat);
    for (int n = 0; n < 12; ++n) // twelve oxoacids right: a caption of 7 characters
        e.compta("HXO", 2);
    dades.registres.assign(respostes.size() + 12, Be);
    dades.text_estadistiques = e.Text_estadistiques();
    dades.encerts = e.Encerts_per_tipus;
    dades.errors = e.Errors_per_tipus;
    const auto d = informe(dades);
    ASSERT_TRUE(d);

    // Cells in the order they are printed: Label65, 68, 72, 74, 66, 69, 67, 70, 73, 75, 71, 76.
    const std::vector<std::pair<std::string, Color>> esperades = {
        {"  1 / 1", Color::Blau},  {"  2 / 5", Color::Vermell}, {"  -----", Color::Negre},
        {"  -----", Color::Negre}, {"  1 / 1", Color::Blau},    {"  1 / 2", Color::Blau},
        {"  -----", Color::Negre}, {"  -----", Color::Negre},   {"  -----", Color::Negre},
        {"12 / 12", Color::Blau},  {"  1 / 3", Color::Vermell}, {"  0 / 1", Color::Vermell},
    };
    std::vector<std::pair<std::string, Color>> celles;
    for (const Tros &x : trossos(*d)) {
        const auto c = x.text.find_first_not_of(' ');
        if (x.text.size() >= 7 && c != std::string::npos &&
            (x.text.substr(c) == "-----" || x.text.find(" / ") != std::string::npos) &&
            x.text.find("Encerts") == std::string::npos)
            celles.emplace_back(x.text, x.color);
    }
    EXPECT_EQ(celles, esperades);

    const auto p = pagines(*d);
    const auto &l = p.back();
    std::size_t titol = 0;
    while (titol < l.size() && l[titol].find("ESTADÍSTIQUES") == std::string::npos)
        ++titol;
    ASSERT_LT(titol + 6, l.size());
    const std::vector<std::size_t> barres = {13, 41, 69, 97, 124}; // columns counted from 0
    for (std::size_t i = titol + 1; i <= titol + 5; ++i) {
        const std::u32string s = a_caracters(l[i]);
        std::vector<std::size_t> trobades;
        for (std::size_t k = 0; k < s.size(); ++k)
            if (s[k] == U'|') trobades.push_back(k);
        EXPECT_EQ(trobades, barres) << l[i];
    }
    EXPECT_EQ(longitud(l[titol - 1]), 13u + 112);
    EXPECT_EQ(longitud(l[titol]), 13u + 112);
}

// The result line and the mark: share, percentage and mark rounded with halves to the even side.
TEST(Informe, NotaIPercentatge) {
    struct Cas {
        int encerts, errors;
        std::string percentatge; // the end of the result line
        std::string nota;
        Color color;
    };
    const Cas casos[] = {
        {7, 1, "7 / 8  (88 %) ", "8'75", Color::Blau},
        {1, 2, "1 / 3  (33 %) ", "3'33", Color::Vermell},
        {0, 4, "0 / 4  (0 %)  ", "0", Color::Vermell},
        {5, 0, "5 / 5  (100 %)", "10", Color::Blau},
        {1, 1, "1 / 2  (50 %) ", "5", Color::Blau},
        {1, 7, "1 / 8  (12 %) ", "1'25", Color::Vermell},     // 12.5 % -> 12
        {1, 9, "1 / 10  (10 %) ", "1", Color::Vermell},       // the first two-digit share
        {1, 15, "1 / 16  (6 %)  ", "0'62", Color::Vermell},   // 62.5 -> 62
        {3, 13, "3 / 16  (19 %) ", "1'88", Color::Vermell},   // 18.75 %, 187.5 -> 188
        {1, 199, "1 / 200  (0 %)  ", "0'05", Color::Vermell}, // 0.5 % -> 0
        {3, 197, "3 / 200  (2 %)  ", "0'15", Color::Vermell}, // 1.5 % -> 2
        {33, 67, "33 / 100  (33 %) ", "3'3", Color::Vermell},
        {1699, 1, "1699 / 1700  (100 %)", "9'99", Color::Blau}, // 99.94 %
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.percentatge);
        DadesSessio dades = conjunt(0);
        Estadistiques e;
        for (int i = 0; i < c.encerts; ++i)
            e.compta("OH", 2);
        for (int i = 0; i < c.errors; ++i)
            e.compta("OH", 1);
        dades.registres.assign(static_cast<std::size_t>(c.encerts + c.errors), Be);
        dades.text_estadistiques = e.Text_estadistiques();
        dades.encerts = e.Encerts_per_tipus;
        dades.errors = e.Errors_per_tipus;
        const auto d = informe(dades);
        ASSERT_TRUE(d);
        const auto t = trossos(*d);
        std::size_t i = 0;
        while (i < t.size() && t[i].text != "                       NOTA: ")
            ++i;
        ASSERT_LT(i + 2, t.size());
        EXPECT_EQ(t[i - 1].text, "                Encerts sobre el total:  " + c.percentatge);
        EXPECT_EQ(t[i + 1].text, c.nota);
        EXPECT_EQ(t[i + 1].color, c.color);
        EXPECT_EQ(t[i + 1].mida, 16);
        EXPECT_EQ(t[i + 2].text, "\n");
        // The window shows the same mark, share and colour at the end of the set.
        const Nota_informe n = nota_informe(dades);
        EXPECT_EQ(n.text_nota, "NOTA: " + c.nota);
        EXPECT_TRUE(c.percentatge.find("(" + n.text_percentatge + ")") != std::string::npos)
            << n.text_percentatge;
        EXPECT_EQ(n.suspesa, c.color == Color::Vermell);
    }
}

TEST(Informe, NotaEnCentesimesIEscrita) {
    struct Cas {
        int encerts, total, nota;
        std::string text;
    };
    const Cas casos[] = {
        {0, 4, 0, "0"},      {1, 200, 5, "0'05"},  {1, 20, 50, "0'5"},  {33, 100, 330, "3'3"},
        {3, 10, 300, "3"},   {7, 8, 875, "8'75"},  {4, 4, 1000, "10"},  {1, 3, 333, "3'33"},
        {1, 16, 62, "0'62"}, {3, 16, 188, "1'88"}, {1, 80, 12, "0'12"}, {3, 80, 38, "0'38"},
        {0, 0, 0, "0"},
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(nota(c.encerts, c.total), c.nota);
        EXPECT_EQ(text_nota(c.nota), c.text);
    }
}

namespace {
std::string repeteix(const std::string &s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}
} // namespace

TEST(Informe, NomDelPdf) {
    const std::pair<std::string, std::string> casos[] = {
        {"Nom i cognoms: Anna Puig" + std::string(57, ' ') + "  Data: 3/5/2024",
         "Informe Anna Puig 3-5-2024.pdf"},
        {"Nom i cognoms: Marcel·la Ferrà Gonçalves  Data: 03.05.24",
         "Informe Marcel·la Ferrà Gonçalves 03.05.24.pdf"},
        {"Nom i cognoms: " + std::string(66, ' ') + "  Data: ", "Informe.pdf"},
        {"Nom i cognoms: ../../etc/x:y*  Data: 1/2/2024", "Informe -..-etc-x-y- 1-2-2024.pdf"},
        {"Nom i cognoms: Joan  Data: ", "Informe Joan.pdf"},
        {"", "Informe.pdf"},
        // A long name is shortened by whole characters; the date stays.
        {"Nom i cognoms: " + std::string(100, 'x') + "  Data: 1/2/2024",
         "Informe " + std::string(100, 'x') + " 1-2-2024.pdf"},
        {"Nom i cognoms: " + repeteix("\U0001F600", 100) + "  Data: 1/2/2024",
         "Informe " + repeteix("\U0001F600", 44) + " 1-2-2024.pdf"},
        {"Nom i cognoms: " + std::string(300, 'x') + "  Data: " + std::string(300, '9'),
         "Informe " + std::string(147, 'x') + " " + std::string(40, '9') + ".pdf"},
    };
    for (const auto &[capcalera, nom] : casos) {
        EXPECT_EQ(nom_pdf_informe(capcalera), nom) << capcalera;
        EXPECT_LE(nom_pdf_informe(capcalera).size(), Maxim_bytes_nom_pdf);
    }
}
