#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "generation/comentaris.h"
#include "generation/format_comentaris.h"
#include "generation/sorteig.h"
#include "proves.h"

using namespace quimerix;

namespace {

struct CasLectura {
    const char *fitxer;
    std::vector<Text_comentari> esperat;
};

const CasLectura kLectures[] = {
    {"@a\n   x\\ny\\s\n", {{"a", "   x\r\ny "}}},
    // Lines are joined as they stand; blank and comment lines in between are skipped.
    {"# cap\n@a\nun\n dos\n\n# entre\n tres\n@b.c_2\n\\s\\s\n", {{"a", "un dos tres"}, {"b.c_2", "  "}}},
    {"@a\nx\\\\n{nom}\n", {{"a", "x\\n{nom}"}}},
    {"@a\nsense salt final", {{"a", "sense salt final"}}},
    {"", {}},
};

TEST(Comentaris, LecturaDelFormat) {
    for (const CasLectura &c : kLectures) {
        SCOPED_TRACE(c.fitxer);
        const auto textos = llegeix_comentaris(c.fitxer);
        ASSERT_EQ(textos.size(), c.esperat.size());
        for (std::size_t i = 0; i < textos.size(); ++i) {
            EXPECT_EQ(textos[i].clau, c.esperat[i].clau);
            EXPECT_EQ(textos[i].text, c.esperat[i].text);
        }
    }
}

struct CasError {
    const char *fitxer;
    const char *missatge; // the start of the error
};

const CasError kErrors[] = {
    {"@a\nx \n", "línia 2: espai al final"},
    {"@a\nx\t\n", "línia 2: espai al final"},
    {"@a\nx\r\n", "línia 2: tabulador o retorn"},
    {"@a\nx\\t\n", "línia 2: seqüència desconeguda"},
    {"@a\nx\\\n", "línia 2: barra inversa"},
    {"x\n@a\ny\n", "línia 1: text abans"},
    {"@a\nx\n@a\ny\n", "línia 3: clau repetida"},
    {"@a\n@b\ny\n", "línia 1: la clau a no té text"},
    {"@a\ny\n@b\n", "línia 3: la clau b no té text"},
    {"@\nx\n", "línia 1: clau buida"},
    {"@Clau\nx\n", "línia 1: clau mal escrita"},
    {"@a b\nx\n", "línia 1: clau mal escrita"},
    {"# x\n@a\n{nom\n", "línia 2: a: marca sense tancar"},
    {"@a\nx}\n", "línia 1: a: clau de tancar"},
    {"@a\n{}\n", "línia 1: a: marca buida"},
    {"@a\n{Nom}\n", "línia 1: a: marca mal escrita"},
};

TEST(Comentaris, ErrorsDelFormat) {
    for (const CasError &c : kErrors) {
        SCOPED_TRACE(c.fitxer);
        try {
            llegeix_comentaris(c.fitxer);
            ADD_FAILURE() << "s'esperava un error";
        } catch (const Error_comentaris &e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(c.missatge)) << e.what();
        }
    }
}

TEST(Comentaris, OmpleLesMarques) {
    const Valors valors{{"nom", "ferro"}, {"simbol", "Fe"}, {"valencia", "{nom}"}};
    const std::pair<const char *, const char *> casos[] = {
        {"sense marques", "sense marques"},
        {"{nom} [{simbol}]", "ferro [Fe]"},
        {"{simbol}{simbol}", "FeFe"},
        // A value is never read again for marks.
        {"[{valencia}]", "[{nom}]"},
        {"", ""},
    };
    for (const auto &[text, esperat] : casos)
        EXPECT_EQ(omple(text, valors), esperat) << text;
    for (const char *dolent : {"{ordinal}", "{nom", "nom}", "x {simbol} {}"})
        EXPECT_THROW(omple(dolent, valors), std::logic_error) << dolent;
}

TEST(Comentaris, ClausIMarquesDesconegudes) {
    EXPECT_THROW(plantilla("om.no_hi_es"), std::logic_error);
    EXPECT_THROW(Frases({{"nmo", "ferro"}}), std::logic_error);
    const Frases f{{"nom", "ferro"}};
    EXPECT_THROW(f("om.cap"), std::logic_error); // {simbol} and {valencia} have no value
    EXPECT_THROW(f("no_hi_es"), std::logic_error);
}

// The table compiled into the core is the data file as it stands, sorted by key for the search, and
// every mark of every text is one the builders can fill.
TEST(Comentaris, LaTaulaEsElFitxer) {
    std::ifstream in(std::string(QUIMERIX_DATA_DIR) + "/comentaris.txt", std::ios::binary);
    std::stringstream fitxer;
    fitxer << in.rdbuf();
    auto llegits = llegeix_comentaris(fitxer.str());
    std::sort(llegits.begin(), llegits.end(), [](const auto &a, const auto &b) { return a.clau < b.clau; });
    const auto taula = plantilles_comentaris();
    ASSERT_EQ(taula.size(), llegits.size());
    for (std::size_t i = 0; i < taula.size(); ++i) {
        SCOPED_TRACE(llegits[i].clau);
        EXPECT_EQ(taula[i].clau, llegits[i].clau);
        EXPECT_EQ(taula[i].text, llegits[i].text);
        EXPECT_EQ(plantilla(llegits[i].clau), llegits[i].text);
        for (const std::string &m : marques(taula[i].text))
            EXPECT_NE(std::find(std::begin(kMarques), std::end(kMarques), m), std::end(kMarques)) << m;
    }
}

// Every compound the program can ask, for every task: no builder asks for a key that is not in the
// table or leaves a mark without its value, and no mark is left in a comment.
TEST(Comentaris, TotElCatalegEsComenta) {
    const Taules &t = taules();
    for (const Entrada_cataleg &e : cataleg(t))
        for (Tasca mode : {kFormular, kAnomenar, kCapTasca}) {
            std::string comentari;
            ASSERT_NO_THROW(comentari = construeix(t, e.tipus, e.a, e.b, mode).Comentari)
                << e.a.element << " " << e.b.element;
            EXPECT_EQ(comentari.find_first_of("{}"), std::string::npos) << comentari;
        }
}

} // namespace
