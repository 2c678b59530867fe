#include <gtest/gtest.h>

#include <string>

#include "checking/correccio.h"
#include "records/registre.h"

using namespace quimerix;

namespace {

using Caixes = std::array<std::string, Nombre_caixes>;

Exercici oxid_de_ferro() {
    Exercici e;
    e.forma_binaria();
    e.caixes = {"", "", "Fe", "2", "O", "3", ""};
    e.Nom_compost = "òxid de ferro (III)";
    e.Codi_exercici = "OM";
    return e;
}

Exercici clorur_de_sodi() {
    Exercici e;
    e.forma_binaria();
    e.caixes = {"", "", "Na", "", "Cl", "", ""};
    e.Nom_compost = "clorur de sodi";
    e.Codi_exercici = "MX";
    return e;
}

Exercici hidroxid_de_calci() {
    Exercici e;
    e.caixes = {"Ca", "", "O", "", "H", "", "2"};
    e.claudators = true;
    e.Nom_compost = "hidròxid de calci";
    e.Codi_exercici = "OH";
    return e;
}

std::string sp(int n) {
    return std::string(n, ' ');
}

} // namespace

TEST(Correccio, Formula) {
    struct Cas {
        Exercici e;
        Caixes resposta;
        bool correcte;
    } casos[] = {
        {oxid_de_ferro(), {"", "", "Fe", "2", "O", "3", ""}, true},
        {oxid_de_ferro(), {"", "", "fe", "2", "O", "3", ""}, false},
        {oxid_de_ferro(), {"", "", "Fe ", "2", "O", "3", ""}, false},
        {oxid_de_ferro(), {"", "", "Fe", "3", "O", "2", ""}, false},
        {oxid_de_ferro(), {}, false},
        {clorur_de_sodi(), {"", "", "Na", "", "Cl", "", ""}, true},
        {clorur_de_sodi(), {"", "", "Na", "1", "Cl", "", ""}, false},
        {clorur_de_sodi(), {"", "", "Na", "", "Cl", "1", ""}, false},
        {hidroxid_de_calci(), {"Ca", "", "O", "", "H", "", "2"}, true},
        {hidroxid_de_calci(), {"Ca", "", "O", "", "H", "", ""}, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(corregeix_formula(c.resposta, c.e), c.correcte)
            << c.e.Nom_compost << " " << c.resposta[2] << c.resposta[3] << c.resposta[4] << c.resposta[5];
}

TEST(Correccio, Nom) {
    struct Cas {
        std::string esperat, escrit;
        bool assistent, correcte;
        std::string mostrada; // Text1 after the correction
    } casos[] = {
        {"òxid de ferro (III)", "ÒXID DE FERRO (III)", false, true, "ÒXID DE FERRO (III)"},
        {"òxid de ferro (III)", "òxid de ferro (iii)", false, true, "òxid de ferro (iii)"},
        {"òxid de ferro (III)", "oxid de ferro (III)", false, false, "oxid de ferro (III)"},
        {"òxid de ferro (III)", "oxid de ferro (III)", true, true, "oxid de ferro (III)"},
        {"òxid de ferro (III)", "OXID DE FERRO (III)", false, false, "OXID DE FERRO (III)"},
        {"òxid de ferro (III)", "OXID DE FERRO (III)", true, true, "OXID DE FERRO (III)"},
        {"òxid de ferro (III)", "Òxid de ferro (III)", false, true, "Òxid de ferro (III)"},
        {"òxid de ferro (III)", "ÖXID DE FERRO (III)", false, false, "ÖXID DE FERRO (III)"},
        {"òxid de ferro (III)", "ÖXID DE FERRO (III)", true, true, "ÖXID DE FERRO (III)"},
        {"òxid de ferro (III)", "òxid de ferro (III)ç", false, true, "òxid de ferro (III)"},
        {"òxid de ferro (III)", "òxid de ferro (III)Ç", false, true, "òxid de ferro (III)"},
        {"òxid de ferro (III)", "òxid de ferro (III) çç", false, true, "òxid de ferro (III)"},
        {"òxid de ferro (III)", "òxid de ferro (III) ç", false, false, "òxid de ferro (III) "},
        {"òxid de ferro (III)", "òxid de ferro (III) ç", true, true, "òxid de ferro (III) "},
        {"òxid de ferro (III)", "  òxid  de ferro( iii ) ", true, true, "òxid  de ferro( iii )"},
        {"òxid de ferro (III)", "òxid  de ferro (III)", false, false, "òxid  de ferro (III)"},
        {"òxid de ferro (III)", "o\u0300xid de ferro (III)", false, true, "òxid de ferro (III)"},
        {"òxid de coure (I)", "oxid de coure(i) ", true, true, "oxid de coure(i)"},
        // The numeral without the space before it, as the notes say the assistant accepts.
        {"òxid de ferro (III)", "òxid de ferro(III)", false, false, "òxid de ferro(III)"},
        {"òxid de ferro (III)", "òxid de ferro(III)", true, true, "òxid de ferro(III)"},
        // A pasted line break is a space, trimmed at the end, and the answer is marked as typed.
        {"fluorur de ferro (II)", "fluorur de ferro (II)\n", false, true, "fluorur de ferro (II)"},
        {"fluorur de ferro (II)", "fluorur de\r\nferro (II)", true, true, "fluorur de  ferro (II)"},
        {"fluorur de ferro (II)", "\tfluorur de ferro (III)\r\n", false, false, "fluorur de ferro (III)"},
        {"clorur d'argent", "clorur de plata", false, true, "clorur de plata"},
        {"clorur d'argent", "CLORUR DE PLATA", true, true, "CLORUR DE PLATA"},
        {"òxid d'alumini", "òxid de alumini", false, true, "òxid de alumini"},
        {"hidrur d'hidrogen", "hidrur de hidrogen", false, true, "hidrur de hidrogen"},
        {"òxid d'alumini", "òxid d' alumini", false, false, "òxid d' alumini"},
        {"òxid d'alumini", "òxid d' alumini", true, true, "òxid d' alumini"},
        {"òxid d'alumini", "òxid d\u2019alumini", false, true, "òxid d'alumini"},
        {"òxid de iode (V)", "oxid deiode(v)", true, true, "oxid deiode(v)"},
        {"òxid de iode (V)", "oxid de iode(v)", true, true, "oxid de iode(v)"},
        {"òxid de tel·luri", "oxid de tel.luri", true, true, "oxid de tel.luri"},
        {"òxid de tel·luri", "òxid de tel.luri", false, false, "òxid de tel.luri"},
        {"òxid de ferro (III)", "", false, false, ""},
        {"òxid de ferro (III)", "", true, false, ""},
        // No-break spaces and invisible characters, with the assistant and without it.
        {"clorur de sodi", "clorur\u00A0de\u202Fsodi", false, true, "clorur de sodi"},
        {"clorur de sodi", "clorur\u00A0de\u202Fsodi", true, true, "clorur de sodi"},
        {"clorur de sodi", "\uFEFFclorur\u200B de\u200E sodi\u2060", false, true, "clorur de sodi"},
        {"clorur de sodi", "\u202Bclorur de\u200F sodi\u202C", true, true, "clorur de sodi"},
        {"òxid de ferro (III)", "o\u200D\u0300xid de ferro (III)", false, true, "òxid de ferro (III)"},
    };
    for (const auto &c : casos) {
        const Correccio_nom r = corregeix_nom(c.escrit, c.esperat, c.assistent);
        EXPECT_EQ(r.correcte, c.correcte) << c.escrit << " / " << c.esperat << " assistent " << c.assistent;
        EXPECT_EQ(r.resposta_mostrada, c.mostrada) << c.escrit;
        EXPECT_EQ(r.Nom_amb_accents, c.esperat);
        // After a wrong answer the expected name is shown with its accents.
        if (!c.correcte) {
            EXPECT_EQ(r.nom_esperat_mostrat, c.esperat) << c.escrit;
        }
    }
}

TEST(Correccio, LiniesDeRegistreFormula) {
    const Exercici fe = oxid_de_ferro();
    const Exercici ca = hidroxid_de_calci();
    const std::string q_fe = "òxid de ferro (III)" + sp(19);
    const std::string q_ca = "hidròxid de calci" + sp(21) + " ";
    struct Cas {
        int N;
        const Exercici &e;
        Caixes resposta;
        bool correcte;
        std::string linia;
    } casos[] = {
        {9, fe, fe.caixes, true, " 9   " + q_fe + " Fe2 O3" + sp(31) + " CORRECTE\r\n"},
        {10,
         fe,
         {"", "", "Fe", "3", "O", "2", ""},
         false,
         " 10  " + q_fe + " Fe3 O2" + sp(31) + " Fe2 O3\r\n"},
        {999,
         ca,
         {"Ca", "", "O", "", "H", "", ""},
         false,
         " 999  " + q_ca + "Ca (O H)" + sp(30) + "Ca (O H)2\r\n"},
        {1000, ca, ca.caixes, true, "1000  " + q_ca + "Ca (O H)2" + sp(29) + "CORRECTE\r\n"},
        {1, fe, {}, false, " 1   " + q_fe + "  " + sp(36) + " Fe2 O3\r\n"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(linia_registre_formula(c.N, c.e.Nom_compost, c.e, c.resposta, c.correcte), c.linia) << c.N;
}

TEST(Correccio, LiniesDeRegistreNom) {
    const Exercici fe = oxid_de_ferro();
    const Exercici ca = hidroxid_de_calci();
    struct Cas {
        int N;
        const Exercici &e;
        std::string resposta;
        bool correcte;
        std::string linia;
    } casos[] = {
        {9, fe, "oxid de ferro (III)", false,
         " 9  " + std::string(" Fe2 O3") + sp(31) + "  " + "oxid de ferro (III)" + sp(19) +
             "òxid de ferro (III)\r\n"},
        {10, fe, "òxid de ferro (III)", true,
         " 10 " + std::string(" Fe2 O3") + sp(31) + "  " + "òxid de ferro (III)" + sp(19) + "CORRECTE\r\n"},
        {999, ca, "hidroxid de calci", true,
         " 999  " + std::string("Ca (O H)2") + sp(29) + " " + "hidroxid de calci" + sp(21) + "CORRECTE\r\n"},
        {1000, ca, "", false,
         "1000  " + std::string("Ca (O H)2") + sp(29) + " " + sp(38) + "hidròxid de calci\r\n"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(linia_registre_nom(c.N, c.e, c.resposta, c.e.Nom_compost, c.correcte), c.linia) << c.N;
}

TEST(Correccio, RegistreDe1700Linies) {
    Registre r;
    for (int i = 1; i <= 1700; ++i)
        ASSERT_TRUE(r.afegeix(std::to_string(i)));
    EXPECT_FALSE(r.afegeix("1701"));
    EXPECT_EQ(r.Nombre_registres(), 1700);
    EXPECT_EQ(r.Registre_exercicis(1), "1");
    EXPECT_EQ(r.Registre_exercicis(1700), "1700");
    r.buida();
    EXPECT_EQ(r.Nombre_registres(), 0);
}
