#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "records/capcalera.h"
#include "records/impressio.h"
#include "records/registre.h"
#include "records/resum.h"
#include "sessions_prova.h"

using namespace quimerix;
using namespace prova;

TEST(Resum, CompostDeCadaRegistreDelCatalegEnLesDuesTasques) {
    int n = 0;
    for (const auto &[formula, c] : compostos()) {
        const int N = std::array{1, 9, 10, 99, 999, 1000, 1700}[n++ % 7];
        for (const int mode : {1, 2}) {
            const auto fallat = compost_del_registre(registre(N, c, mode, false));
            ASSERT_TRUE(fallat) << formula << " mode " << mode;
            EXPECT_EQ(fallat->nom, c.formular.Nom_compost) << formula << " mode " << mode;
            EXPECT_EQ(fallat->formula, formula) << " mode " << mode;
            EXPECT_FALSE(compost_del_registre(registre(N, c, mode, true))) << formula;
            EXPECT_TRUE(es_correcte(registre(N, c, mode, true))) << formula;
            EXPECT_FALSE(es_correcte(registre(N, c, mode, false))) << formula;
        }
    }
}

TEST(Resum, RegistresQueNoSeguenLaForma) {
    for (const std::string &linia :
         std::vector<std::string>{"", "\r\n", "abc\r\n", " 1   Òxid de sodi\r\n", std::string(200, ' ') + "x",
                                  " x   " + std::string(100, 'a')})
        EXPECT_FALSE(compost_del_registre(linia)) << linia;
}

TEST(Resum, NomIDataDeLaCapcalera) {
    const std::string llarg(70, 'n');
    const struct {
        std::string capcalera;
        Capcalera esperat;
    } casos[] = {
        {"Nom i cognoms: Anna Puig" + std::string(57, ' ') + "  Data: 08/12/2026",
         {"Anna Puig", "08/12/2026"}},
        {"Nom i cognoms: Núria Ferré i Solà" + std::string(48, ' ') + "  Data: 8/12/26",
         {"Núria Ferré i Solà", "8/12/26"}},
        {"Nom i cognoms: " + llarg + "  Data: 08/12/2026", {llarg, "08/12/2026"}},
        {"Nom i cognoms: " + std::string(66, ' ') + "  Data: ", {"", ""}},
        // The separator typed inside a name does not move the date.
        {"Nom i cognoms: A  Data: B" + std::string(56, ' ') + "  Data: 01/01/2027",
         {"A  Data: B", "01/01/2027"}},
        {"Nom i cognoms: Joan", {"Joan", ""}},
        {"capçalera estranya", {"capçalera estranya", ""}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(llegeix_capcalera(c.capcalera), c.esperat) << c.capcalera;
}

TEST(Resum, TresAlumnesUnQueNoQuadraIUnIllegible) {
    // Anna: 7 of 8; Bernat: 1 of 3; Carla: counters say 2 of 2 but her records hold one right line and
    // one wrong; Dídac: counters 1 of 2 but only one record.
    DadesSessio carla = sessio("Carla", "09/12/2026", {{"NaOH", 1, true}, {"Fe2O3", 2, false}});
    carla.errors = {};
    carla.encerts = {};
    carla.encerts[index_codi("OH")] = 1;
    carla.encerts[index_codi("OM")] = 1;
    DadesSessio didac = sessio("Dídac", "09/12/2026", {{"NaCl", 1, false}});
    didac.encerts[index_codi("MX")] = 1;
    const std::vector<Sessio_llegida> sessions{
        {"anna.qxs", sessio("Anna Puig", "08/12/2026",
                            {{"Fe2O3", 1, true},
                             {"Na2O", 2, true},
                             {"NaCl", 1, true},
                             {"NaCl", 2, false},
                             {"H2SO4", 1, true},
                             {"NaOH", 2, true},
                             {"Ca(OH)2", 1, true},
                             {"CO", 2, true}})},
        {"perdut.qxs", std::nullopt},
        {"bernat.qxs",
         sessio("Bernat", "08/12/2026", {{"NaCl", 1, false}, {"Fe2O3", 2, false}, {"CO", 1, true}})},
        {"carla.qxs", carla},
        {"didac.qxs", didac},
    };
    const Resum r = resumeix(sessions);

    auto fila = [](std::string arxiu, std::string nom, std::string data, int exercicis, int encerts, int pc,
                   int nota, std::map<std::string, std::pair<int, int>> per_familia, Estat_fila estat) {
        Fila_resum f{
            std::move(arxiu), std::move(nom), std::move(data), exercicis, encerts, pc, nota, {}, {}, estat};
        for (const auto &[codi, et] : per_familia) {
            f.encerts_familia[index_codi(codi)] = et.first;
            f.total_familia[index_codi(codi)] = et.second;
        }
        return f;
    };
    std::vector<Fila_resum> esperades{
        fila("anna.qxs", "Anna Puig", "08/12/2026", 8, 7, 88, 875,
             {{"OM", {2, 2}}, {"OX", {1, 1}}, {"MX", {1, 2}}, {"OH", {2, 2}}, {"HXO", {1, 1}}},
             Estat_fila::Correcte),
        fila("perdut.qxs", "", "", 0, 0, 0, 0, {}, Estat_fila::Illegible),
        fila("bernat.qxs", "Bernat", "08/12/2026", 3, 1, 33, 333,
             {{"OM", {0, 1}}, {"OX", {1, 1}}, {"MX", {0, 1}}}, Estat_fila::Correcte),
        fila("carla.qxs", "Carla", "09/12/2026", 2, 2, 100, 1000, {{"OM", {1, 1}}, {"OH", {1, 1}}},
             Estat_fila::No_quadra),
        fila("didac.qxs", "Dídac", "09/12/2026", 2, 1, 50, 500, {{"MX", {1, 2}}}, Estat_fila::No_quadra),
    };
    ASSERT_EQ(r.files.size(), esperades.size());
    for (std::size_t i = 0; i < esperades.size(); ++i)
        EXPECT_EQ(r.files[i], esperades[i]) << esperades[i].arxiu;

    EXPECT_EQ(r.alumnes, 4);
    EXPECT_EQ(r.illegibles, 1);
    EXPECT_EQ(r.alumnes_amb_nota, 4);
    EXPECT_EQ(r.nota_mitjana, 677); // (875 + 333 + 1000 + 500) / 4 = 677
    // MX 2/5, OM 3/4, OH 3/3, OX 2/2, HXO 1/1; the untouched families follow in counter order.
    std::vector<std::string> ordre;
    for (const Quota_familia &q : r.families)
        ordre.push_back(Codis_exercici[q.familia]);
    EXPECT_EQ(ordre,
              (std::vector<std::string>{"MX", "OM", "OX", "OH", "HXO", "HM", "HX", "HXA", "XX", "MHX"}));
    EXPECT_EQ(r.families[0], (Quota_familia{index_codi("MX"), 2, 5}));
    // NaCl missed three times (Anna, Bernat, Dídac), iron(III) oxide twice (Bernat, Carla).
    EXPECT_EQ(r.mes_fallats, (std::vector<Compost_fallat>{{"clorur de sodi", "NaCl", 3},
                                                          {"Òxid de ferro (III)", "Fe2O3", 2}}));

    EXPECT_EQ(
        csv_resum(r),
        "arxiu,nom,data,exercicis,encerts,percentatge,nota,estat,OM_encerts,OM_total,OX_encerts,OX_total,"
        "HM_encerts,HM_total,HX_encerts,HX_total,HXA_encerts,HXA_total,MX_encerts,MX_total,XX_encerts,"
        "XX_total,OH_encerts,OH_total,HXO_encerts,HXO_total,MHX_encerts,MHX_total\r\n"
        "anna.qxs,Anna Puig,08/12/2026,8,7,88,8.75,correcte,2,2,1,1,0,0,0,0,0,0,1,2,0,0,2,2,1,1,0,0\r\n"
        "perdut.qxs,,,,,,,il·legible,,,,,,,,,,,,,,,,,,,,\r\n"
        "bernat.qxs,Bernat,08/12/2026,3,1,33,3.33,correcte,0,1,1,1,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0\r\n"
        "carla.qxs,Carla,09/12/2026,2,2,100,10,no quadra,1,1,0,0,0,0,0,0,0,0,0,0,0,0,1,1,0,0,0,0\r\n"
        "didac.qxs,Dídac,09/12/2026,2,1,50,5,no quadra,0,0,0,0,0,0,0,0,0,0,1,2,0,0,0,0,0,0,0,0\r\n");
}

TEST(Resum, FamiliesDeLaMesFluixaALaMesForta) {
    const struct {
        std::vector<std::tuple<std::string, int, int>> quotes; // code, right, wrong
        std::vector<std::string> ordre;                        // the first codes of the order
    } casos[] = {
        // 33/100 is weaker than 1/3 although both round to 33 %.
        {{{"OX", 1, 2}, {"OM", 33, 67}}, {"OM", "OX", "HM"}},
        // Equal shares keep the counter order.
        {{{"MHX", 1, 1}, {"HM", 2, 2}, {"OM", 0, 1}}, {"OM", "HM", "MHX", "OX"}},
        // A family nobody answered comes after every practised one, even after a perfect one.
        {{{"XX", 5, 0}}, {"XX", "OM", "OX"}},
        {{}, {"OM", "OX", "HM", "HX", "HXA", "MX", "XX", "OH", "HXO", "MHX"}},
    };
    for (const auto &c : casos) {
        DadesSessio d;
        for (const auto &[codi, be, malament] : c.quotes) {
            d.encerts[index_codi(codi)] = be;
            d.errors[index_codi(codi)] = malament;
        }
        const Resum r = resumeix({{"a.qxs", d}});
        std::vector<std::string> ordre;
        for (std::size_t i = 0; i < c.ordre.size(); ++i)
            ordre.push_back(Codis_exercici[r.families[i].familia]);
        EXPECT_EQ(ordre, c.ordre);
    }
}

TEST(Resum, EmpatsDelsMesFallatsPerCompostINomesDeu) {
    // Twelve compounds missed once each by one student, two of them missed again by another: the two
    // come first, then the rest by name, without case or accents (Àcid, clorur, Òxid), cut at ten.
    const std::vector<std::string> formules{"Fe2O3",   "NaCl", "H2SO4", "CO",    "Na2O",      "NaOH",
                                            "Ca(OH)2", "KCl",  "CaO",   "H3PO4", "Fe2(SO4)3", "Al2S3"};
    std::vector<Exercici_fet> fets;
    for (const std::string &f : formules)
        fets.push_back({f, 1, false});
    const Resum r = resumeix({{"a.qxs", sessio("A", "1", fets)},
                              {"b.qxs", sessio("B", "1", {{"KCl", 2, false}, {"CaO", 1, false}})}});
    std::vector<std::string> obtinguts;
    for (const Compost_fallat &c : r.mes_fallats)
        obtinguts.push_back(std::to_string(c.vegades) + " " + c.nom);
    EXPECT_EQ(obtinguts, (std::vector<std::string>{
                             "2 clorur de potassi", "2 Òxid de calci", "1 Àcid fosfòric", "1 Àcid sulfúric",
                             "1 clorur de sodi", "1 Hidròxid de calci", "1 Hidròxid de sodi",
                             "1 Monòxid de carboni", "1 Òxid de ferro (III)", "1 Òxid de sodi"}));
}

TEST(Resum, PaginesDelResumImpres) {
    const struct {
        int alumnes;
        int pagines;
        bool bloc_a_part; // the shares and the compounds on a page without the table
    } casos[] = {{1, 1, false}, {13, 1, false}, {14, 2, true}, {30, 2, true}, {31, 2, false}, {60, 3, true}};
    for (const auto &c : casos) {
        std::vector<Sessio_llegida> sessions;
        for (int i = 0; i < c.alumnes; ++i)
            sessions.push_back(
                {"a" + std::to_string(i) + ".qxs", sessio("A", "1", {{"NaCl", 1, i % 2 == 0}})});
        const Document_impressio d = document_resum(resumeix(sessions));
        EXPECT_TRUE(d.apaisat);
        const std::string text = text_document(d);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f') + 1, c.pagines) << c.alumnes;
        const std::string darrera = text.substr(text.rfind('\f') + 1);
        EXPECT_EQ(darrera.find("Arxiu ") == std::string::npos, c.bloc_a_part) << c.alumnes;
        EXPECT_NE(darrera.find(Titol_fallats), std::string::npos) << c.alumnes;
        EXPECT_NE(darrera.find("pàgina " + std::to_string(c.pagines)), std::string::npos) << c.alumnes;
    }
}

TEST(Resum, ResumImpresEnVermellElsArxiusQueNoQuadrenOIllegibles) {
    DadesSessio no_quadra = sessio("B", "1", {{"NaCl", 1, true}});
    no_quadra.encerts = {};
    no_quadra.errors[0] = 1;
    const Document_impressio d = document_resum(
        resumeix({{"bo.qxs", sessio("A", "1", {{"NaCl", 1, true}})}, {"nq.qxs", no_quadra}, {"il.qxs", {}}}));
    std::map<std::string, Color> color_de;
    Color actual = Color::Negre;
    for (const Operacio &op : d.operacions) {
        if (op.tipus == Tipus_operacio::Color) actual = op.color;
        if (op.tipus == Tipus_operacio::Text && op.text.find(".qxs") != std::string::npos)
            color_de[op.text.substr(op.text.find_first_not_of(' '), 6)] = actual;
    }
    EXPECT_EQ(color_de,
              (std::map<std::string, Color>{
                  {"bo.qxs", Color::Negre}, {"nq.qxs", Color::Vermell}, {"il.qxs", Color::Vermell}}));
}

TEST(Resum, CellesQueUnFullDeCalculLlegiriaComAFormules) {
    // text | the cell: a quote before a formula's first character, U+FFFD for every stray byte.
    const std::vector<std::pair<std::string, std::string>> casos{
        {"=1+1", "'=1+1"},
        {"+1+1", "'+1+1"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"\t=1+1", "'\t=1+1"},
        {"\r=1+1", "'\r=1+1"},
        {"'=1+1", "'=1+1"},
        {" =1+1", " =1+1"},
        {"Anna=1+1", "Anna=1+1"},
        {"1+1", "1+1"},
        {"", ""},
        {"Òscar", "Òscar"},
        {"nota\xE9.qxs", "nota\xEF\xBF\xBD.qxs"},
        {"=\xFF", "'=\xEF\xBF\xBD"},
        {"\xFF=1", "\xEF\xBF\xBD=1"},
        {"a\xE2\x82", "a\xEF\xBF\xBD\xEF\xBF\xBD"},               // cut short
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // surrogate
        {"\xF0\x9F\x98\x80=", "\xF0\x9F\x98\x80="},               // U+1F600 kept
    };
    for (const auto &[text, cella] : casos)
        EXPECT_EQ(cella_de_text(text), cella) << text;

    // In the CSV every text field goes through it, before quoting; numbers are left alone.
    Resum r;
    r.files.push_back(Fila_resum{"=1+1.qxs", "=SUM(1,2)", "-1", 2, 1, 50, 500, {}, {}, Estat_fila::Correcte});
    const std::string csv = csv_resum(r);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2),
              "'=1+1.qxs,\"'=SUM(1,2)\",'-1,2,1,50,5,correcte,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

// The header and the record line, each read back as it was written and written back byte for byte:
// both tasks, right and wrong, a time-out's empty answer, Catalan letters, the longest fields.
TEST(Formats, CapcaleraILiniaDeRegistreAnadaITornada) {
    const Capcalera capcaleres[] = {
        {"Anna Puig", "3/4/2024"},
        {"Martí Pérez-Lluïsa i Çà·l·lí", ""},
        {"", ""},
        {std::string(66, 'y'), "1/1/2025"},
        {std::string(Maxim_nom_alumne, 'x'), std::string(Maxim_data, '9')},
    };
    for (const Capcalera &c : capcaleres)
        EXPECT_EQ(llegeix_capcalera(escriu_capcalera(c)), c) << c.nom;

    const auto &compostos = prova::compostos();
    for (const char *formula : {"Fe2O3", "H2SO4", "Ca(OH)2", "NaCl", "Fe2(SO4)3", "HCl(aq)"}) {
        const prova::Compost &c = compostos.at(formula);
        for (int N : {1, 42, 999, 1000, 1700})
            for (int mode : {1, 2})
                for (bool correcte : {true, false}) {
                    const std::string linia = prova::registre(N, c, mode, correcte);
                    const auto llegida = llegeix_linia_registre(linia);
                    ASSERT_TRUE(llegida) << linia;
                    EXPECT_EQ(escriu_linia_registre(*llegida), linia);
                    EXPECT_EQ(llegida->numero, N);
                    EXPECT_EQ(llegida->correcte, correcte);
                    EXPECT_EQ(es_correcte(linia), correcte);
                }
        // A time-out leaves the boxes or the name empty.
        const std::string buida = linia_registre_formula(7, c.formular.Nom_compost, c.formular, {}, false);
        const std::string sense_nom = linia_registre_nom(7, c.anomenar, "", c.anomenar.Nom_compost, false);
        for (const std::string &linia : {buida, sense_nom}) {
            const auto llegida = llegeix_linia_registre(linia);
            ASSERT_TRUE(llegida) << linia;
            EXPECT_EQ(escriu_linia_registre(*llegida), linia);
        }
    }
    const Linia_registre llarga{1700, std::string(38, 'q'), "òxid de ferro (III) " + std::string(16, 'z'),
                                "àcid tel·lúric", false};
    EXPECT_EQ(llegeix_linia_registre(escriu_linia_registre(llarga)), llarga);
    EXPECT_EQ(longitud(escriu_linia_registre(llarga)), 6u + 38 + 1 + 37 + 1 + 14 + 2);
    for (const char *dolenta : {"", "x", " 1   massa curta CORRECTE\r\n", "01   "})
        EXPECT_FALSE(llegeix_linia_registre(dolenta)) << dolenta;
}
