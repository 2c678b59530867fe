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

std::vector<std::string> línies_de(const std::string &fitxer) {
    std::ifstream in(std::string(QUIMERIX_DATA_DIR) + "/" + fitxer, std::ios::binary);
    EXPECT_TRUE(in) << fitxer;
    std::vector<std::string> línies;
    for (std::string l; std::getline(in, l);) {
        EXPECT_TRUE(l.empty() || l.back() != '\r') << "CR in " << fitxer;
        línies.push_back(l);
    }
    return línies;
}

const std::string Separador(100, '_');

std::size_t posició(const std::vector<std::string> &línies, const std::string &text) {
    for (std::size_t i = 0; i < línies.size(); ++i)
        if (línies[i] == text) return i;
    ADD_FAILURE() << "missing line: " << text;
    return línies.size();
}

} // namespace

TEST(Apunts, ExemplesSonDelCatalegAmbElMateixNom) {
    const Taules t = Taules::carrega();
    std::map<std::string, std::pair<std::string, std::string>> per_fórmula; // formula → code, name
    for (const Entrada_catàleg &e : catàleg(t)) {
        const Exercici x = construeix(t, e.tipus, e.a, e.b, Tasca::Formular);
        per_fórmula[x.fórmula()] = {x.Codi_exercici, x.Nom_compost};
    }
    const std::regex exemple(R"(^ +(\S+)  →  (\S.*\S)$)");
    std::set<std::string> codis;
    int exemples = 0;
    for (const std::string &l : línies_de("teoria.txt")) {
        if (l.find("→") == std::string::npos) continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l, m, exemple)) << l;
        const auto trobat = per_fórmula.find(m[1]);
        ASSERT_NE(trobat, per_fórmula.end()) << l;
        EXPECT_EQ(trobat->second.second, m[2].str()) << l;
        codis.insert(trobat->second.first);
        ++exemples;
    }
    EXPECT_EQ(codis, (std::set<std::string>{"OM", "OX", "HM", "HX", "HXA", "MX", "XX", "OH", "HXO", "MHX"}));
    EXPECT_GE(exemples, 50);
}

TEST(Apunts, SeccionsEnOrdreSeparadesIAmbLesDuesRegles) {
    const std::vector<std::string> línies = línies_de("teoria.txt");
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
    for (const auto &[títol, separat] : seccions) {
        pos.push_back(posició(línies, títol));
        ASSERT_LT(pos.back(), línies.size());
        ASSERT_GE(pos.back(), 2u);
        EXPECT_EQ(línies[pos.back() - 2] == Separador, separat) << títol;
        if (pos.size() > 1) {
            EXPECT_GT(pos.back(), pos[pos.size() - 2]) << títol;
        }
    }
    pos.push_back(línies.size());
    // Every family (a section with no subsection) has its two rules.
    for (std::size_t s = 0; s + 1 < seccions.size(); ++s) {
        const std::string &títol = seccions[s].first;
        if (s == 0 || títol == "1) COMPOSTOS BINÀRIS" || títol == "2) COMPOSTOS TERNÀRIS" ||
            títol == "1.1) ÒXIDS" || títol == "1.2) HIDRURS")
            continue;
        int formular = 0, anomenar = 0;
        for (std::size_t i = pos[s]; i < pos[s + 1]; ++i) {
            formular += línies[i].rfind("   - Formular: ", 0) == 0;
            anomenar += línies[i].rfind("   - Anomenar: ", 0) == 0;
        }
        EXPECT_EQ(formular, 1) << títol;
        EXPECT_EQ(anomenar, 1) << títol;
    }
    for (const std::string &l : línies)
        if (l.find('_') != std::string::npos) {
            EXPECT_EQ(l, Separador);
        }
    posició(línies, "      1 - Mono     2 - Di     3 - Tri     4 - Tetra     5 - Penta     6 - Hexa     7 - Hepta");
    posició(línies, "      Si > B > Sb > As > Te > P > H > Se > C > S > I > Br > N > Cl > O > F");
}

TEST(Apunts, GuiaAmbTitolICapcalera) {
    const std::vector<std::string> línies = línies_de("guia.txt");
    ASSERT_GT(línies.size(), 3u);
    EXPECT_EQ(línies[0], "QUIMERIX");
    EXPECT_FALSE(línies[1].empty());
    EXPECT_EQ(línies[3], "FUNCIONAMENT DEL PROGRAMA");
}
