#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/taules.h"
#include "reference/taules_referencia.h"
#include "text/utf8.h"

using namespace quimerix;

namespace {

std::string retalla(const std::string &s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// The valences a catalogue row holds, as "1,3,5".
std::string valencies(const Taules &t, int fila) {
    std::string r;
    for (int c = Valencia1; c <= Valencia4; ++c)
        if (!t.cel(fila, c).empty()) r += (r.empty() ? "" : ",") + t.cel(fila, c);
    return r;
}

struct Columna_taula {
    std::string valencies; // "1,3,5"
    std::string grup;      // the one in brackets, or empty
};

// "1,(3),5" → {"1,3,5", "3"}.
Columna_taula capcalera(const std::string &cel) {
    Columna_taula c;
    for (const char ch : cel) {
        if (ch == '(' || ch == ')') continue;
        c.valencies += ch;
    }
    const auto obre = cel.find('(');
    if (obre != std::string::npos) c.grup = cel.substr(obre + 1, cel.find(')') - obre - 1);
    return c;
}

int fila_de_simbol(const Taules &t, const std::string &simbol) {
    for (int f = 1; f <= Nombre_elements; ++f)
        if (t.simbol(f) == simbol) return f;
    return 0;
}

} // namespace

// Every element of the catalogue sits once in the valence table, under a heading that lists its
// valences (a metal's extra valence in brackets beside it) and, for a non-metal, brackets its
// group valence.
TEST(Referencia, TaulaDeValenciesQuadraAmbElCataleg) {
    const Taules t = Taules::carrega();
    const auto &linies = Taula_de_Valencies();
    const std::string &guia = linies[2]; // the rule line has every column border
    std::vector<std::pair<std::size_t, std::size_t>> columnes;
    std::size_t separador = 0;
    for (std::size_t i = 0, anterior = 0; i < guia.size(); ++i) {
        if (guia[i] != '|') continue;
        if (i > 0) columnes.emplace_back(anterior + 1, i - anterior - 1);
        if (guia.compare(anterior + 1, i - anterior - 1, "///////") == 0) separador = columnes.size() - 1;
        anterior = i;
    }
    ASSERT_EQ(columnes.size(), 14u);
    ASSERT_EQ(separador, 7u);

    std::map<int, int> vistos;
    for (std::size_t c = 0; c < columnes.size(); ++c) {
        if (c == separador) continue;
        const bool metalls = c < separador;
        Columna_taula cap;
        for (std::size_t l = 1; l < linies.size(); ++l) {
            ASSERT_EQ(linies[l].size(), guia.size()) << l;
            const std::string cel = retalla(linies[l].substr(columnes[c].first, columnes[c].second));
            if (cel.empty() || cel.find_first_not_of('-') == std::string::npos) continue;
            if (std::isdigit(static_cast<unsigned char>(cel[0])) || cel[0] == '(') {
                cap = capcalera(cel);
                EXPECT_EQ(cap.grup.empty(), metalls) << cel;
                continue;
            }
            SCOPED_TRACE(cel);
            const auto obre = cel.find('(');
            const std::string simbol = cel.substr(0, obre);
            const int f = fila_de_simbol(t, simbol);
            ASSERT_NE(f, 0);
            ++vistos[f];
            EXPECT_EQ(t.es_metall(f), metalls);
            std::string esperades = cap.valencies;
            if (obre != std::string::npos) { // Mn(3): a valence between those of its column
                std::set<std::string> v{cel.substr(obre + 1, 1)};
                std::stringstream ss(cap.valencies);
                for (std::string x; std::getline(ss, x, ',');)
                    v.insert(x);
                esperades.clear();
                for (const auto &x : v)
                    esperades += (esperades.empty() ? "" : ",") + x;
            }
            EXPECT_EQ(valencies(t, f), esperades);
            EXPECT_EQ(t.cel(f, Valencia_caracteristica), cap.grup);
        }
    }
    EXPECT_EQ(vistos.size(), static_cast<std::size_t>(Nombre_elements));
    for (const auto &[f, n] : vistos)
        EXPECT_EQ(n, 1) << t.simbol(f);
    for (std::size_t l = 0; l < linies.size(); ++l)
        EXPECT_EQ(linies[l].substr(columnes[separador].first, 7),
                  std::string(7, l == 0 || l % 2 ? '\\' : '/'))
            << "line " << l;
}

// Every element is listed once with its own name and symbol, and the columns line up.
TEST(Referencia, TaulaDeSimbolsQuadraAmbElCataleg) {
    const Taules t = Taules::carrega();
    std::map<int, int> vistos;
    std::vector<std::size_t> vores;
    for (const std::string &linia : Simbols()) {
        const std::u32string c = a_caracters(linia);
        std::vector<std::size_t> aqui;
        for (std::size_t i = 0; i < c.size(); ++i)
            if (c[i] == U'|') aqui.push_back(i);
        if (vores.empty()) vores = aqui;
        EXPECT_EQ(aqui, vores) << linia;
        EXPECT_EQ(longitud(linia), longitud(Simbols()[0])) << linia;

        std::stringstream ss(linia);
        for (std::string cel; std::getline(ss, cel, '|');) {
            if (retalla(cel).empty()) continue;
            const auto fletxa = cel.find("-> ");
            ASSERT_NE(fletxa, std::string::npos) << cel;
            std::string noms = retalla(cel.substr(0, fletxa));
            noms = noms.substr(0, noms.find_last_not_of('-') + 1);
            const int f = fila_de_simbol(t, retalla(cel.substr(fletxa + 3)));
            ASSERT_NE(f, 0) << cel;
            ++vistos[f];
            std::set<std::string> alternatives;
            std::stringstream sn(noms);
            for (std::string n; std::getline(sn, n, '/');) {
                n[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(n[0])));
                alternatives.insert(n);
            }
            EXPECT_TRUE(alternatives.count(t.nom(f))) << cel << " / " << t.nom(f);
        }
    }
    EXPECT_EQ(vores.size(), 4u);
    EXPECT_EQ(vistos.size(), static_cast<std::size_t>(Nombre_elements));
    for (const auto &[f, n] : vistos)
        EXPECT_EQ(n, 1) << t.simbol(f);
}

TEST(Referencia, TextSobreElPrograma) {
    EXPECT_EQ(Autor("2.3"), " Sobre el programa...\r\n\r\nQUIMERIX\r\nVersió 2.3\r\n\r\n"
                            "Fet per l'equip de QUIMERIX per practicar la formulació inorgànica.");
    EXPECT_FALSE(Versio().empty());
    EXPECT_NE(Versio(), "0");
}
