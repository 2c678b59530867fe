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
#include "text/utf8.h"

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
    // The mean leaves out the files that do not add up and the one that cannot be read.
    EXPECT_EQ(r.alumnes_amb_nota, 2);
    EXPECT_EQ(r.nota_mitjana, 604); // (875 + 333) / 2 = 604
    EXPECT_EQ(r.fora_mitjana, 3);
    EXPECT_EQ(text_resum(r).xifres,
              "Alumnes: 4    Arxius il·legibles: 1    Nota mitjana: 6,04 (en deixa fora 3 arxius)");
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

// With an exam, a file that is not the exam's is marked and counts for no class figure.
TEST(Resum, ArxiusQueNoSonDeLExamen) {
    const DadesSessio de_l_examen = sessio("Anna", "1/1/2026", {{"NaCl", 1, true}, {"CO", 2, false}});
    const DadesSessio altre = sessio("Bernat", "1/1/2026", {{"Fe2O3", 1, false}});
    DadesSessio no_quadra = de_l_examen;
    no_quadra.encerts = {};
    const auto es_de_l_examen = [&](const DadesSessio &d) { return d.registres == de_l_examen.registres; };
    const Resum r =
        resumeix({{"a.qxs", de_l_examen}, {"b.qxs", altre}, {"c.qxs", no_quadra}, {"d.qxs", std::nullopt}},
                 es_de_l_examen);
    std::vector<Estat_fila> estats;
    for (const Fila_resum &f : r.files)
        estats.push_back(f.estat);
    EXPECT_EQ(estats, (std::vector<Estat_fila>{Estat_fila::Correcte, Estat_fila::No_examen,
                                               Estat_fila::No_quadra, Estat_fila::Illegible}));
    EXPECT_EQ(r.alumnes, 2);
    EXPECT_EQ(r.fora_examen, 1);
    EXPECT_EQ(r.fora_mitjana, 3);
    EXPECT_EQ(r.alumnes_amb_nota, 1);
    EXPECT_EQ(r.nota_mitjana, 500);
    // Bernat's iron oxide is not among the class's mistakes, nor among its oxides.
    EXPECT_EQ(r.mes_fallats, (std::vector<Compost_fallat>{{"Monòxid de carboni", "CO", 2}}));
    for (const Quota_familia &q : r.families)
        if (Codis_exercici[q.familia] == std::string("OM")) {
            EXPECT_EQ(q.total, 0);
        }
    EXPECT_EQ(text_resum(r).xifres,
              "Alumnes: 2    Arxius il·legibles: 1    No són de l'examen: 1    Nota mitjana: "
              "5 (en deixa fora 3 arxius)");
    EXPECT_NE(csv_resum(r).find("\r\nb.qxs,Bernat,1/1/2026,1,0,0,0,no és de l'examen,"), std::string::npos);
    // Without an exam every file read is the class's.
    EXPECT_EQ(resumeix({{"a.qxs", de_l_examen}, {"b.qxs", altre}}).alumnes, 2);
}

TEST(Resum, FilesPerNomIData) {
    // Names compared by bytes here (the tool compares them in Catalan); then the date, read as a date.
    const auto fila = [](std::string arxiu, std::string nom, std::string data) {
        Fila_resum f;
        f.arxiu = std::move(arxiu);
        f.nom = std::move(nom);
        f.data = std::move(data);
        return f;
    };
    Resum r;
    r.files = {fila("1", "Bet", "10/1/2026"),
               fila("2", "", ""),
               fila("3", "Anna", "9/2/2026"),
               fila("4", "Bet", "9/1/26"),
               fila("5", "Anna", "ahir"),
               fila("6", "Anna", "10/01/2026"),
               fila("7", "", ""),
               fila("8", "Anna", "abans"),
               fila("9", "Bet", "10/1/2026")};
    ordena_files(r, [](const std::string &a, const std::string &b) { return a.compare(b); });
    std::string ordre;
    for (const Fila_resum &f : r.files)
        ordre += f.arxiu;
    EXPECT_EQ(ordre, "638541927");
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
        int pagines;      // the charts' page included
        bool bloc_a_part; // the shares, the compounds and the legend on a page without the table
    } casos[] = {{1, 2, false}, {8, 2, false}, {9, 3, true}, {30, 3, true}, {31, 3, false}, {60, 4, true}};
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
        const std::string text_blocs = text.substr(0, text.rfind('\f'));
        const std::string blocs = text_blocs.substr(text_blocs.rfind('\f') + 1);
        EXPECT_EQ(blocs.find("Arxiu ") == std::string::npos, c.bloc_a_part) << c.alumnes;
        EXPECT_NE(blocs.find(Titol_fallats), std::string::npos) << c.alumnes;
        EXPECT_NE(blocs.find("no quadra: els comptadors"), std::string::npos) << c.alumnes;
        EXPECT_NE(darrera.find(Titol_grafic_families), std::string::npos) << c.alumnes;
        EXPECT_NE(darrera.find(Titol_grafic_notes), std::string::npos) << c.alumnes;
        EXPECT_NE(darrera.find("pàgina " + std::to_string(c.pagines)), std::string::npos) << c.alumnes;
    }
}

// The charts' bars, 50 characters wide: the share of each family, and the files of each mark.
TEST(Resum, GrafiquesDelResumImpres) {
    const Resum r = resumeix({{"a.qxs", sessio("A", "1",
                                               {{"NaCl", 1, true},
                                                {"NaCl", 2, false},
                                                {"KCl", 1, true},
                                                {"CO", 1, false},
                                                {"Fe2O3", 2, true}})},
                              {"b.qxs", sessio("B", "1", {{"NaCl", 1, false}, {"CaO", 1, false}})},
                              {"c.qxs", sessio("C", "1", {{"NaCl", 1, true}})}});
    EXPECT_EQ(distribucio_notes(r), (std::array<int, 11>{1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1}));
    const std::string text = text_document(document_resum(r));
    const std::string grafics = text.substr(text.rfind('\f') + 1);
    const std::string ple(50, '#'), buit(50, '.');
    // The names are padded to the longest, "Compostos binaris no metall-no metall (XX)", and two spaces.
    const auto familia = [](const std::string &nom) {
        return "      " + nom + std::string(44 - longitud(nom), ' ');
    };
    for (const std::string &linia : {
             familia("Òxids metàl·lics (OM)") + std::string(25, '#') + std::string(25, '.') + "  50 %  (1/2)",
             familia("Sals binàries (MX)") + std::string(30, '#') + std::string(20, '.') + "  60 %  (3/5)",
             familia("Òxids no metàl·lics (OX)") + buit + "  0 %  (0/1)",
             familia("Hidrurs metàl·lics (HM)") + "sense exercicis",
             std::string("         0  ") + ple + "  1 arxiu",
             std::string("         5  ") + buit + "  0 arxius",
             std::string("         6  ") + ple + "  1 arxiu",
             std::string("        10  ") + ple + "  1 arxiu",
         })
        EXPECT_NE(grafics.find(linia + "\n"), std::string::npos) << linia << "\n" << grafics;
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
