#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "records/impressio.h"
#include "records/resum.h"
#include "sessions_prova.h"

using namespace quimerix;
using namespace prova;

TEST(Resum, CompostDeCadaRegistreDelCatalegEnLesDuesTasques) {
    int n = 0;
    for (const auto &[fórmula, c] : compostos()) {
        const int N = std::array{1, 9, 10, 99, 999, 1000, 1700}[n++ % 7];
        for (const int mode : {1, 2}) {
            const auto fallat = compost_del_registre(registre(N, c, mode, false));
            ASSERT_TRUE(fallat) << fórmula << " mode " << mode;
            EXPECT_EQ(fallat->nom, c.formular.Nom_compost) << fórmula << " mode " << mode;
            EXPECT_EQ(fallat->fórmula, fórmula) << " mode " << mode;
            EXPECT_FALSE(compost_del_registre(registre(N, c, mode, true))) << fórmula;
            EXPECT_TRUE(registre_correcte(registre(N, c, mode, true))) << fórmula;
            EXPECT_FALSE(registre_correcte(registre(N, c, mode, false))) << fórmula;
        }
    }
}

TEST(Resum, RegistresQueNoSeguenLaForma) {
    for (const std::string &línia :
         std::vector<std::string>{"", "\r\n", "abc\r\n", " 1   Òxid de sodi\r\n", std::string(200, ' ') + "x",
                                  " x   " + std::string(100, 'a')})
        EXPECT_FALSE(compost_del_registre(línia)) << línia;
}

TEST(Resum, NomIDataDeLaCapcalera) {
    const std::string llarg(70, 'n');
    const struct {
        std::string capçalera;
        Nom_i_data esperat;
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
        EXPECT_EQ(llegeix_capçalera(c.capçalera), c.esperat) << c.capçalera;
}

TEST(Resum, TresAlumnesUnQueNoQuadraIUnIllegible) {
    // Anna: 7 of 8; Bernat: 1 of 3; Carla: counters say 2 of 2 but her records hold one right line and
    // one wrong; Dídac: counters 1 of 2 but only one record.
    DadesSessió carla = sessió("Carla", "09/12/2026", {{"NaOH", 1, true}, {"Fe2O3", 2, false}});
    carla.errors = {};
    carla.encerts = {};
    carla.encerts[índex_codi("OH")] = 1;
    carla.encerts[índex_codi("OM")] = 1;
    DadesSessió dídac = sessió("Dídac", "09/12/2026", {{"NaCl", 1, false}});
    dídac.encerts[índex_codi("MX")] = 1;
    const std::vector<Sessió_llegida> sessions{
        {"anna.qxs", sessió("Anna Puig", "08/12/2026",
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
         sessió("Bernat", "08/12/2026", {{"NaCl", 1, false}, {"Fe2O3", 2, false}, {"CO", 1, true}})},
        {"carla.qxs", carla},
        {"didac.qxs", dídac},
    };
    const Resum r = resumeix(sessions);

    auto fila = [](std::string arxiu, std::string nom, std::string data, int exercicis, int encerts, int pc,
                   int nota, std::map<std::string, std::pair<int, int>> per_família, Estat_fila estat) {
        Fila_resum f{
            std::move(arxiu), std::move(nom), std::move(data), exercicis, encerts, pc, nota, {}, {}, estat};
        for (const auto &[codi, et] : per_família) {
            f.encerts_família[índex_codi(codi)] = et.first;
            f.total_família[índex_codi(codi)] = et.second;
        }
        return f;
    };
    std::vector<Fila_resum> esperades{
        fila("anna.qxs", "Anna Puig", "08/12/2026", 8, 7, 88, 875,
             {{"OM", {2, 2}}, {"OX", {1, 1}}, {"MX", {1, 2}}, {"OH", {2, 2}}, {"HXO", {1, 1}}},
             Estat_fila::Correcte),
        fila("perdut.qxs", "", "", 0, 0, 0, 0, {}, Estat_fila::Il·legible),
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
    EXPECT_EQ(r.il·legibles, 1);
    EXPECT_EQ(r.alumnes_amb_nota, 4);
    EXPECT_EQ(r.nota_mitjana, 677); // (875 + 333 + 1000 + 500) / 4 = 677
    // MX 2/5, OM 3/4, OH 3/3, OX 2/2, HXO 1/1; the untouched families follow in counter order.
    std::vector<std::string> ordre;
    for (const Quota_família &q : r.famílies)
        ordre.push_back(Codis_exercici[q.família]);
    EXPECT_EQ(ordre,
              (std::vector<std::string>{"MX", "OM", "OX", "OH", "HXO", "HM", "HX", "HXA", "XX", "MHX"}));
    EXPECT_EQ(r.famílies[0], (Quota_família{índex_codi("MX"), 2, 5}));
    // NaCl missed three times (Anna, Bernat, Dídac), iron(III) oxide twice (Bernat, Carla).
    EXPECT_EQ(r.més_fallats, (std::vector<Compost_fallat>{{"clorur de sodi", "NaCl", 3},
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
        DadesSessió d;
        for (const auto &[codi, bé, malament] : c.quotes) {
            d.encerts[índex_codi(codi)] = bé;
            d.errors[índex_codi(codi)] = malament;
        }
        const Resum r = resumeix({{"a.qxs", d}});
        std::vector<std::string> ordre;
        for (std::size_t i = 0; i < c.ordre.size(); ++i)
            ordre.push_back(Codis_exercici[r.famílies[i].família]);
        EXPECT_EQ(ordre, c.ordre);
    }
}

TEST(Resum, EmpatsDelsMesFallatsPerCompostINomesDeu) {
    // Twelve compounds missed once each by one student, two of them missed again by another: the two
    // come first, then the rest by name, without case or accents (Àcid, clorur, Òxid), cut at ten.
    const std::vector<std::string> fórmules{"Fe2O3",   "NaCl", "H2SO4", "CO",    "Na2O",      "NaOH",
                                            "Ca(OH)2", "KCl",  "CaO",   "H3PO4", "Fe2(SO4)3", "Al2S3"};
    std::vector<Exercici_fet> fets;
    for (const std::string &f : fórmules)
        fets.push_back({f, 1, false});
    const Resum r = resumeix({{"a.qxs", sessió("A", "1", fets)},
                              {"b.qxs", sessió("B", "1", {{"KCl", 2, false}, {"CaO", 1, false}})}});
    std::vector<std::string> obtinguts;
    for (const Compost_fallat &c : r.més_fallats)
        obtinguts.push_back(std::to_string(c.vegades) + " " + c.nom);
    EXPECT_EQ(obtinguts, (std::vector<std::string>{
                             "2 clorur de potassi", "2 Òxid de calci", "1 Àcid fosfòric", "1 Àcid sulfúric",
                             "1 clorur de sodi", "1 Hidròxid de calci", "1 Hidròxid de sodi",
                             "1 Monòxid de carboni", "1 Òxid de ferro (III)", "1 Òxid de sodi"}));
}

TEST(Resum, PaginesDelResumImpres) {
    const struct {
        int alumnes;
        int pàgines;
        bool bloc_a_part; // the shares and the compounds on a page without the table
    } casos[] = {{1, 1, false}, {13, 1, false}, {14, 2, true}, {30, 2, true}, {31, 2, false}, {60, 3, true}};
    for (const auto &c : casos) {
        std::vector<Sessió_llegida> sessions;
        for (int i = 0; i < c.alumnes; ++i)
            sessions.push_back(
                {"a" + std::to_string(i) + ".qxs", sessió("A", "1", {{"NaCl", 1, i % 2 == 0}})});
        const Document_impressió d = document_resum(resumeix(sessions));
        EXPECT_TRUE(d.apaïsat);
        const std::string text = text_document(d);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f') + 1, c.pàgines) << c.alumnes;
        const std::string darrera = text.substr(text.rfind('\f') + 1);
        EXPECT_EQ(darrera.find("Arxiu ") == std::string::npos, c.bloc_a_part) << c.alumnes;
        EXPECT_NE(darrera.find(Títol_fallats), std::string::npos) << c.alumnes;
        EXPECT_NE(darrera.find("pàgina " + std::to_string(c.pàgines)), std::string::npos) << c.alumnes;
    }
}

TEST(Resum, ResumImpresEnVermellElsArxiusQueNoQuadrenOIllegibles) {
    DadesSessió no_quadra = sessió("B", "1", {{"NaCl", 1, true}});
    no_quadra.encerts = {};
    no_quadra.errors[0] = 1;
    const Document_impressió d = document_resum(
        resumeix({{"bo.qxs", sessió("A", "1", {{"NaCl", 1, true}})}, {"nq.qxs", no_quadra}, {"il.qxs", {}}}));
    std::map<std::string, Color> color_de;
    Color actual = Color::Negre;
    for (const Operació &op : d.operacions) {
        if (op.tipus == Tipus_operació::Color) actual = op.color;
        if (op.tipus == Tipus_operació::Text && op.text.find(".qxs") != std::string::npos)
            color_de[op.text.substr(op.text.find_first_not_of(' '), 6)] = actual;
    }
    EXPECT_EQ(color_de,
              (std::map<std::string, Color>{
                  {"bo.qxs", Color::Negre}, {"nq.qxs", Color::Vermell}, {"il.qxs", Color::Vermell}}));
}
