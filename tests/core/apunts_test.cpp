// The theory notes and the guide are data files shown as they are: their headings are checked here,
// every example of the notes must be a compound the program asks, with the very name it expects
// (in lower case, as it shows it), and the rules the texts state are held to what the program does.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "checking/correccio.h"
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

std::string text_de(const std::string &fitxer) {
    std::string text;
    for (const std::string &l : linies_de(fitxer))
        text += l + "\n";
    return text;
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
        per_formula[x.formula()] = {x.Codi_exercici, nom_esperat(x.Nom_compost)};
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

// Phrases each text must hold (or must no longer hold): the rules it states and the way it writes.
TEST(Apunts, FrasesDelsTextos) {
    struct Frase {
        const char *fitxer, *text;
        bool hi_es;
    };
    const Frase frases[] = {
        {"teoria.txt", "basades en les normes de la IUPAC", true},
        {"teoria.txt", "alguns noms i convencions són els tradicionals del programa", true},
        {"teoria.txt", "els noms actuals són fosfà, arsà i estibà", true},
        {"teoria.txt", "la IUPAC l'escriu OF2 i l'anomena difluorur d'oxigen", true},
        {"teoria.txt", "la IUPAC l'escriu sense espai, ferro(III)", true},
        {"teoria.txt", "s'apostrofa davant de qualsevol paraula que comença per vocal o per h", true},
        {"teoria.txt", "davant de «iode» no s'apostrofa (clorur de iode)", true},
        {"teoria.txt", "Davant d'hexa- i d'hepta-, «de» s'apostrofa", true},
        {"teoria.txt", "Davant de hexa", false},
        {"teoria.txt", "En aquest programa no s'utilitzen prefixos", true},
        {"teoria.txt", "triòxid de diferro", true},
        {"teoria.txt", "conserven el prefix meta-: metafosfat", true},
        {"teoria.txt", "Metafosfat", false},
        {"teoria.txt", "majúscula", false},
        {"teoria.txt", "minúscula", false},
        {"teoria.txt", "Monòxid", false},
        {"teoria.txt", "es manté i fa monòxid", true},
        {"teoria.txt", "Les pots consultar", true},
        {"teoria.txt", "podeu", false},
        {"teoria.txt", "\"", false},
        {"guia.txt", "Si no hi ha límit de temps, el primer exercici surt de seguida", true},
        {"guia.txt", "Llavors prem", false},
        {"guia.txt", "no té en compte les majúscules, els accents, els apòstrofs ni els espais", true},
        {"guia.txt", "accepta ferro(III), sense l'espai de davant del numeral", true},
        {"guia.txt", "podeu", false},
        {"guia.txt", "\"", false},
    };
    for (const Frase &f : frases)
        EXPECT_EQ(text_de(f.fitxer).find(f.text) != std::string::npos, f.hi_es) << f.fitxer << ": " << f.text;
}
