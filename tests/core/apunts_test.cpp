// The theory notes and the guide are data files shown as they are: their headings are checked here,
// and every example of the notes must be a compound the program asks, with the very name it expects.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "generation/sorteig.h"

using namespace quimerix;

namespace {

std::vector<std::string> linies_de(const std::string &fitxer) {
    std::ifstream in(std::string(QUIMERIX_DATA_DIR) + "/" + fitxer, std::ios::binary);
    EXPECT_TRUE(in) << fitxer;
    std::vector<std::string> linies;
    for (std::string l; std::getline(in, l);) {
        EXPECT_TRUE(l.empty() || l.back() != '\r') << "CR in " << fitxer;
        linies.push_back(l);
    }
    return linies;
}

const std::string Separador(100, '_');

std::size_t posicio(const std::vector<std::string> &linies, const std::string &text) {
    for (std::size_t i = 0; i < linies.size(); ++i)
        if (linies[i] == text) return i;
    ADD_FAILURE() << "missing line: " << text;
    return linies.size();
}

} // namespace

TEST(Apunts, ExemplesSonDelCatalegAmbElMateixNom) {
    const Taules t = Taules::carrega();
    std::map<std::string, std::pair<std::string, std::string>> per_formula; // formula → code, name
    for (const Entrada_cataleg &e : cataleg(t)) {
        const Exercici x = construeix(t, e.tipus, e.a, e.b, Tasca::Formular);
        per_formula[x.formula()] = {x.Codi_exercici, x.Nom_compost};
    }
    const std::regex exemple(R"(^ +(\S+)  →  (\S.*\S)$)");
    std::set<std::string> codis;
    int exemples = 0;
    for (const std::string &l : linies_de("teoria.txt")) {
        if (l.find("→") == std::string::npos) continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l, m, exemple)) << l;
        const auto trobat = per_formula.find(m[1]);
        ASSERT_NE(trobat, per_formula.end()) << l;
        EXPECT_EQ(trobat->second.second, m[2].str()) << l;
        codis.insert(trobat->second.first);
        ++exemples;
    }
    EXPECT_EQ(codis, (std::set<std::string>{"OM", "OX", "HM", "HX", "HXA", "MX", "XX", "OH", "HXO", "MHX"}));
    EXPECT_GE(exemples, 50);
}

TEST(Apunts, SeccionsEnOrdreSeparadesIAmbLesDuesRegles) {
    const std::vector<std::string> linies = linies_de("teoria.txt");
    // Sections open after a line of 100 underscores; subsections do not.
    const std::vector<std::pair<std::string, bool>> seccions{
        {"0) INTRODUCCIÓ", true},
        {"1) COMPOSTOS BINÀRIS", true},
        {"1.1) ÒXIDS", true},
        {"1.1.a) ÒXIDS NO METÀLICS", false},
        {"1.1.b) ÒXIDS METÀLICS", false},
        {"1.2) HIDRURS", true},
        {"1.2.a) HIDRURS NO METÀLICS", false},
        {"1.2.b) HIDRURS METÀLICS", false},
        {"1.2.c) HIDRURS HIDRÀCIDS", false},
        {"1.3) SALS BINÀRIES", true},
        {"1.4) COMPOSTOS BINÀRIS NO METALL-NO METALL", true},
        {"2) COMPOSTOS TERNÀRIS", true},
        {"2.1) Hidròxids", true},
        {"2.2) Oxoàcids", true},
        {"2.3) Oxosals", true},
    };
    std::vector<std::size_t> pos;
    for (const auto &[titol, separat] : seccions) {
        pos.push_back(posicio(linies, titol));
        ASSERT_LT(pos.back(), linies.size());
        ASSERT_GE(pos.back(), 2u);
        EXPECT_EQ(linies[pos.back() - 2] == Separador, separat) << titol;
        if (pos.size() > 1) {
            EXPECT_GT(pos.back(), pos[pos.size() - 2]) << titol;
        }
    }
    pos.push_back(linies.size());
    // Every family (a section with no subsection) has its two rules.
    for (std::size_t s = 0; s + 1 < seccions.size(); ++s) {
        const std::string &titol = seccions[s].first;
        if (s == 0 || titol == "1) COMPOSTOS BINÀRIS" || titol == "2) COMPOSTOS TERNÀRIS" ||
            titol == "1.1) ÒXIDS" || titol == "1.2) HIDRURS")
            continue;
        int formular = 0, anomenar = 0;
        for (std::size_t i = pos[s]; i < pos[s + 1]; ++i) {
            formular += linies[i].rfind("   - Formular: ", 0) == 0;
            anomenar += linies[i].rfind("   - Anomenar: ", 0) == 0;
        }
        EXPECT_EQ(formular, 1) << titol;
        EXPECT_EQ(anomenar, 1) << titol;
    }
    for (const std::string &l : linies)
        if (l.find('_') != std::string::npos) {
            EXPECT_EQ(l, Separador);
        }
    posicio(linies,
            "      1 - Mono     2 - Di     3 - Tri     4 - Tetra     5 - Penta     6 - Hexa     7 - Hepta");
    posicio(linies, "      Si > B > Sb > As > Te > P > H > Se > C > S > I > Br > N > Cl > O > F");
}

TEST(Apunts, GuiaAmbTitolICapcalera) {
    const std::vector<std::string> linies = linies_de("guia.txt");
    ASSERT_GT(linies.size(), 3u);
    EXPECT_EQ(linies[0], "QUIMERIX");
    EXPECT_FALSE(linies[1].empty());
    EXPECT_EQ(linies[3], "FUNCIONAMENT DEL PROGRAMA");
}
