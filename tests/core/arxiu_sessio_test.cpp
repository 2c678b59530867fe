#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "font_guionada.h"
#include "llavors.h"
#include "records/arxiu_sessio.h"
#include "records/cp1252.h"
#include "session/sessio.h"
#include "text/utf8.h"

using namespace quimerix;

namespace {

std::string amb_zeros(std::string s) {
    return s.append(3, '\0');
}

class MissatgesSi final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return true; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

} // namespace

// Scrambled bytes worked out by hand with K = 157 (0x9D); files already written stay readable.
// With "ÿÿÿÿ" the first addition carries out of its four bytes: only undoing the positions in
// decreasing order gives the text back.
TEST(ArxiuSessio, XifratFetAMa) {
    const std::pair<std::string, std::string> casos[] = {
        {"", std::string(3, '\0')},
        {"0\r\n", std::string("\xCD\xAA\xA7\0\0\0", 6)},
        {"\xFF\xFF", std::string("\x9C\x9D\x01\0\0", 5)},
        {"\xFF\xFF\xFF\xFF", std::string("\x9C\x9D\x9D\x9D\0\0\0", 7)},
    };
    for (const auto &[pla, xifrat] : casos) {
        EXPECT_EQ(xifra(pla), xifrat) << pla;
        EXPECT_EQ(desxifra(xifrat), amb_zeros(pla)) << pla;
    }
}

TEST(ArxiuSessio, DesxifraEsLInversExacte) {
    // Every byte value at every offset of the word, with and without carries.
    std::string tots;
    for (int b = 255; b >= 0; --b)
        tots.push_back(static_cast<char>(b));
    const std::string casos[] = {tots, tots.substr(0, 1), std::string(9, '\xFF'),
                                 std::string(5, '\x63') + "\xFF",
                                 a_cp1252("Òxid de ferro (III) · l’àcid sulfúric · ÿÿÿÿ\r\n")};
    for (const std::string &pla : casos)
        EXPECT_EQ(desxifra(xifra(pla)), amb_zeros(pla));
}

// Lines 1 and 2 when a set starts, all six after the first correction, driven through the
// session; a double quote typed in the answer is stored as an apostrophe.
TEST(ArxiuSessio, ArxiuDIniciIDespresDeLaPrimeraCorreccio) {
    FontGuionada font(2); // the first exercise asks the name of Ag2O
    MissatgesSi m;
    Sessio s(font, m);
    s.posa_arxiu_actiu(true);
    s.posa_tasca(Opcio_tasca::Anomenar);
    std::vector<std::string> escrits;
    s.en_desar = [&](const DadesSessio &d) { escrits.push_back(text_arxiu(d, forma_arxiu(d))); };
    ASSERT_TRUE(s.comenca("Martí Pérez-Lluïsa", "3/4/2024"));
    s.continua();
    ASSERT_EQ(s.Exercici_actual().Nom_compost, "òxid d'argent");
    s.posa_nom("òxid \"d'or");
    s.continua();

    ASSERT_EQ(escrits.size(), 2u);
    const std::string capcalera =
        "\"Nom i cognoms: Mart\xED P\xE9rez-Llu\xEFsa" + std::string(48, ' ') + "  Data: 3/4/2024\"\r\n";
    EXPECT_EQ(escrits[0], "0\r\n" + capcalera);
    EXPECT_EQ(escrits[1],
              "1\r\n" + capcalera + "\" 1   Ag2 O " + std::string(33, ' ') + "\xF2xid 'd'or" +
                  std::string(28, ' ') +
                  "\xF2xid d'argent\r\n\"\r\n"
                  "\"0 / 1\",\"0 / 1\",\"-----\",\"-----\",\"-----\",\"-----\",\"-----\",\"-----\","
                  "\"-----\",\"-----\",\"-----\",\"-----\",\"Encerts sobre el total:\",\"0 / 1\"\r\n"
                  "0,0,0,0,0,0,0,0,0,0\r\n"
                  "1,0,0,0,0,0,0,0,0,0\r\n");
    // What is read back is what the session holds, but for the quote it could not store.
    DadesSessio esperat = s.dades();
    std::replace(esperat.registres[0].begin(), esperat.registres[0].end(), '"', '\'');
    EXPECT_EQ(llegeix_arxiu(xifra(escrits[1])), Lectura_arxiu(esperat));
}

// The name is padded by characters, not bytes: a 66-letter name of accented letters takes 66 bytes
// and no space before "  Data: ".
TEST(ArxiuSessio, CapcaleraDe66Caracters) {
    struct Cas {
        int lletres;
        std::string linia_2;
    } casos[] = {
        {65, "\"Nom i cognoms: " + std::string(65, '\xE0') + "   Data: 1/1/2025\"\r\n"},
        {66, "\"Nom i cognoms: " + std::string(66, '\xE0') + "  Data: 1/1/2025\"\r\n"},
        {67, "\"Nom i cognoms: " + std::string(67, '\xE0') + "  Data: 1/1/2025\"\r\n"},
    };
    for (const Cas &c : casos) {
        FontGuionada font(2);
        MissatgesSi m;
        Sessio s(font, m);
        s.posa_arxiu_actiu(true);
        std::string nom;
        for (int i = 0; i < c.lletres; ++i)
            nom += "à";
        ASSERT_TRUE(s.comenca(nom, "1/1/2025"));
        EXPECT_EQ(text_arxiu(s.dades(), Forma_arxiu::Inici), "0\r\n" + c.linia_2) << c.lletres;
        const auto llegit = llegeix_arxiu(arxiu_sessio(s.dades()).value());
        ASSERT_TRUE(std::holds_alternative<DadesSessio>(llegit));
        EXPECT_EQ(std::get<DadesSessio>(llegit), s.dades());
    }
}

TEST(ArxiuSessio, AnadaITornada) {
    DadesSessio amb_cometes = sessio_de_mostra(1, "Joan \"Xiquet\" Roca");
    DadesSessio cometes_llegides = amb_cometes;
    cometes_llegides.capcalera = "Nom i cognoms: Joan 'Xiquet' Roca  Data: 3/4/2024";
    DadesSessio fora = sessio_de_mostra(2, "Łucja");
    DadesSessio fora_llegida = fora;
    fora_llegida.capcalera = "Nom i cognoms: ?ucja  Data: 3/4/2024";
    DadesSessio inici = sessio_de_mostra(0);
    inici.text_estadistiques = Estadistiques().Text_estadistiques();
    struct Cas {
        const char *nom;
        DadesSessio escrit;
        Forma_arxiu forma;
        DadesSessio llegit;
    } casos[] = {
        {"inici", inici, Forma_arxiu::Inici, inici},
        {"zero registres sencer", sessio_de_mostra(0), Forma_arxiu::Completa, sessio_de_mostra(0)},
        {"un registre", sessio_de_mostra(1), Forma_arxiu::Completa, sessio_de_mostra(1)},
        {"tres registres", sessio_de_mostra(3), Forma_arxiu::Completa, sessio_de_mostra(3)},
        {"1700 registres", sessio_de_mostra(1700), Forma_arxiu::Completa, sessio_de_mostra(1700)},
        {"ròssec fora de la paraula", sessio_de_mostra(2, "ÿÿÿÿ"), Forma_arxiu::Completa,
         sessio_de_mostra(2, "ÿÿÿÿ")},
        {"cometes", amb_cometes, Forma_arxiu::Completa, cometes_llegides},
        {"fora del joc de caràcters", fora, Forma_arxiu::Completa, fora_llegida},
    };
    for (const Cas &c : casos) {
        const auto llegit = llegeix_arxiu(xifra(text_arxiu(c.escrit, c.forma)));
        ASSERT_TRUE(std::holds_alternative<DadesSessio>(llegit)) << c.nom;
        EXPECT_EQ(std::get<DadesSessio>(llegit), c.llegit) << c.nom;
    }
    EXPECT_EQ(forma_arxiu(sessio_de_mostra(0)), Forma_arxiu::Inici);
    EXPECT_EQ(forma_arxiu(sessio_de_mostra(1)), Forma_arxiu::Completa);
}

// Each row spoils one thing in the plain text of a valid 1-record set (or replaces it whole).
TEST(ArxiuSessio, TextPlaRebutjat) {
    const std::string bo = text_arxiu(sessio_de_mostra(1), Forma_arxiu::Completa);
    const std::string inici = text_arxiu(sessio_de_mostra(0), Forma_arxiu::Inici);
    const std::string comptes = "0,1,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n";
    const auto canvia = [&](const std::string &de, const std::string &a) {
        std::string t = bo;
        const auto p = t.find(de);
        EXPECT_NE(p, std::string::npos) << de;
        return p == std::string::npos ? t : t.replace(p, de.size(), a);
    };
    using D = Defecte_arxiu;
    const std::pair<std::string, D> casos[] = {
        {"", D::Nombre_registres},
        {canvia("1\r\n", "-1\r\n"), D::Nombre_registres},
        {canvia("1\r\n", "01\r\n"), D::Nombre_registres},
        {canvia("1\r\n", " 1\r\n"), D::Nombre_registres},
        {canvia("1\r\n", "1.0\r\n"), D::Nombre_registres},
        {canvia("1\r\n", "1701\r\n"), D::Nombre_registres},
        {canvia("1\r\n", "99999999999999999999\r\n"), D::Nombre_registres},
        {canvia("1\r\n", "1\n"), D::Nombre_registres},
        {"0\r\nNom\r\n", D::Capcalera},
        {"0\r\n\"Nom\"", D::Capcalera},
        {"0\r\n\"Nom\r\n\"\r\n", D::Capcalera},
        {"0\r\n\"Nom", D::Capcalera},
        {canvia("1\r\n", "2\r\n"), D::Registre},
        {canvia("CORRECTE\r\n\"", "CORRECTE\""), D::Registre},
        {canvia("1  ", "1\r\n"), D::Registre},
        {canvia("\"3 / 5\",", ""), D::Estadistiques},
        {canvia("\"3 / 5\",", "\"3 / 5\",\"x\","), D::Estadistiques},
        {canvia("\"3 / 5\",", "\"3\r\n5\","), D::Estadistiques},
        {canvia("\"3 / 5\",", "\"3 / 5\" ,"), D::Estadistiques},
        {canvia("\"3 / 5\",", "3 / 5,"), D::Estadistiques},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n"), D::Comptadors},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n"), D::Comptadors},
        {canvia(comptes, "0, 1,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n"), D::Comptadors},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0,0\r\n"), D::Comptadors},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0"), D::Comptadors},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,1701\r\n"), D::Comptadors},
        {canvia(comptes, "0,1,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,1\r\n"), D::Comptes_incoherents},
        {canvia(comptes, "0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n"), D::Comptes_incoherents},
        {bo + "\r\n", D::Sobrant},
        {bo + std::string(1, '\0'), D::Sobrant},
        {inici + "\r\n", D::Estadistiques},
        // Longer than anything the program writes: refused before the rest is looked at.
        {"0\r\n\"" + std::string(Maxim_capcalera + 1, 'x') + "\"\r\n", D::Capcalera},
        {"0\r\n\"" + std::string(15 << 20, 'x') + "\"\r\n", D::Capcalera},
        {canvia("CORRECTE\r\n\"", std::string(Maxim_registre, 'x') + "\r\n\""), D::Registre},
        {canvia("\"3 / 5\",", "\"" + std::string(Maxim_estadistica + 1, '5') + "\","), D::Estadistiques},
    };
    for (const auto &[text, defecte] : casos) {
        const auto llegit = llegeix_text_pla(text);
        ASSERT_TRUE(std::holds_alternative<Error_arxiu>(llegit)) << text;
        EXPECT_EQ(std::get<Error_arxiu>(llegit).defecte, defecte) << text;
    }
}

TEST(ArxiuSessio, ArxiuXifratRebutjat) {
    const std::string bo = xifra(text_arxiu(sessio_de_mostra(1), Forma_arxiu::Completa));
    std::string ultim_canviat = bo;
    ultim_canviat.back() = '\x01';
    const std::pair<std::string, Defecte_arxiu> casos[] = {
        {"", Defecte_arxiu::Massa_curt},
        {std::string(2, '\0'), Defecte_arxiu::Massa_curt},
        {std::string(3, '\0'), Defecte_arxiu::Nombre_registres},
        {ultim_canviat, Defecte_arxiu::Sense_zeros},
        {bo + std::string(1, '\0'), Defecte_arxiu::Sense_zeros},
        {text_arxiu(sessio_de_mostra(1), Forma_arxiu::Completa),
         Defecte_arxiu::Sense_zeros}, // never scrambled
    };
    for (const auto &[bytes, defecte] : casos) {
        const auto llegit = llegeix_arxiu(bytes);
        ASSERT_TRUE(std::holds_alternative<Error_arxiu>(llegit)) << bytes.size();
        EXPECT_EQ(std::get<Error_arxiu>(llegit).defecte, defecte) << bytes.size();
    }
}

// A file written by an earlier build reads back the same: the constant, the order of the lines and
// the code page never change under the students' stored files.
TEST(ArxiuSessio, ArxiuDesatAbans) {
    std::ifstream f(QUIMERIX_MOSTRA_QXS, std::ios::binary);
    const std::string desat{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    EXPECT_EQ(desat, arxiu_sessio(sessio_de_mostra(3)).value());
    EXPECT_EQ(llegeix_arxiu(desat), Lectura_arxiu(sessio_de_mostra(3)));
}

// Every control character in every text of a set: the writer refuses what the reader would refuse
// (a line break), and whatever it writes reads back the same. The longest texts the program
// writes, 1,700 times over, still read back.
TEST(ArxiuSessio, EscriptorILectorDiuenElMateix) {
    for (char32_t c = 0; c < 0x100; ++c) {
        if (c >= 0x20 && c != 0x7F && (c < 0x80 || c > 0x9F)) continue;
        const std::string car = a_utf8(std::u32string(1, c));
        for (int camp = 0; camp < 3; ++camp) {
            DadesSessio d = sessio_de_mostra(2);
            std::string &text = camp == 0   ? d.capcalera
                                : camp == 1 ? d.registres[1]
                                            : d.text_estadistiques[13];
            text.insert(1, car);
            const std::optional<std::string> arxiu = arxiu_sessio(d);
            const bool salt = c == '\r' || c == '\n';
            EXPECT_EQ(arxiu.has_value(), !salt) << static_cast<int>(c) << " al camp " << camp;
            if (!arxiu) continue;
            const Lectura_arxiu llegit = llegeix_arxiu(*arxiu);
            ASSERT_TRUE(std::holds_alternative<DadesSessio>(llegit))
                << static_cast<int>(c) << " al camp " << camp;
            // C1 characters have no place in Windows-1252 and come back as '?', like any other.
            if (c < 0x80) {
                EXPECT_EQ(std::get<DadesSessio>(llegit), d) << static_cast<int>(c) << " al camp " << camp;
            }
        }
    }
    DadesSessio llarga = sessio_de_mostra(1700);
    llarga.capcalera = std::string(Maxim_capcalera, 'n');
    for (std::string &r : llarga.registres)
        r = std::string(Maxim_registre - 2, 'r') + "\r\n";
    llarga.text_estadistiques.fill(std::string(Maxim_estadistica, 'e'));
    ASSERT_TRUE(arxiu_sessio(llarga).has_value());
    EXPECT_EQ(llegeix_arxiu(*arxiu_sessio(llarga)), Lectura_arxiu(llarga));
    llarga.capcalera += "n";
    EXPECT_FALSE(arxiu_sessio(llarga).has_value());
}

// A line break pasted with the name, the date or an answer: the set's file stays readable, the
// header holds the name and date without it, and the answer is marked as typed without it.
TEST(ArxiuSessio, SaltDeLiniaEnganxat) {
    struct Cas {
        const char *nom;
        Opcio_tasca tasca;
        std::string alumne, data, afegit; // `afegit` is pasted after every answer box's text
    } casos[] = {
        {"nom", Opcio_tasca::Anomenar, "Anna Puig\r\n", "3/4/2024", ""},
        {"data", Opcio_tasca::Anomenar, "Anna Puig", "\n3/4/2024\n", ""},
        {"resposta del nom", Opcio_tasca::Anomenar, "Anna Puig", "3/4/2024", "\n"},
        {"caixes de la fórmula", Opcio_tasca::Formular, "\tAnna Puig", "3/4/2024\r", "\r\n"},
    };
    for (const Cas &c : casos) {
        FontGuionada font(2);
        MissatgesSi m;
        Sessio s(font, m);
        s.posa_arxiu_actiu(true);
        s.posa_tasca(c.tasca);
        ASSERT_TRUE(s.comenca(c.alumne, c.data));
        s.continua();
        const Exercici &x = s.Exercici_actual();
        if (c.tasca == Opcio_tasca::Anomenar)
            s.posa_nom(nom_esperat(x.Nom_compost) + c.afegit);
        else
            for (int caixa = 0; caixa < Nombre_caixes; ++caixa)
                if (x.visibles[caixa]) s.posa_caixa(static_cast<Caixa>(caixa), x.caixes[caixa] + c.afegit);
        s.continua();
        EXPECT_TRUE(s.mostra_correcte()) << c.nom;
        const DadesSessio d = s.dades();
        EXPECT_EQ(d.capcalera, "Nom i cognoms: Anna Puig" + std::string(57, ' ') + "  Data: 3/4/2024")
            << c.nom;
        const std::optional<std::string> arxiu = arxiu_sessio(d);
        ASSERT_TRUE(arxiu.has_value()) << c.nom;
        EXPECT_EQ(llegeix_arxiu(*arxiu), Lectura_arxiu(d)) << c.nom;
    }
}
