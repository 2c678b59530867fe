#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font_guionada.h"
#include "session/sessio.h"

using namespace quimerix;

namespace {

// Yes to every question but the offer to print at the end of the set.
class Missatges_si final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &text, Icona) override {
        return text.find("imprimir") == std::string::npos;
    }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

// The eight buttons in the order cmdTeoria, cmdValències, cmdSímbols, cmdInforme, cmdAjuda,
// cmdHelp, cmdCrèdits, cmdAutor: '-' not offered, 'a' enabled, 'p' pressed (disabled).
std::string botons(const Sessio &s) {
    std::string r;
    for (int b = 0; b < Nombre_botons; ++b) {
        const EstatBoto e = s.boto(static_cast<Boto>(b));
        EXPECT_EQ(e.actiu, e.ofert && !e.premut);
        r += !e.ofert ? '-' : e.premut ? 'p' : 'a';
    }
    return r;
}

void fes(Sessio &s, const std::string &accio) {
    static const std::vector<std::pair<std::string, Boto>> premsa{
        {"teoria", Boto::Teoria},   {"valències", Boto::Valencies}, {"símbols", Boto::Simbols},
        {"informe", Boto::Informe}, {"ajuda", Boto::Ajuda},         {"guia", Boto::Guia},
        {"crèdits", Boto::Credits}, {"autor", Boto::Autor}};
    for (const auto &[nom, b] : premsa)
        if (accio == nom) return s.prem(b);
    if (accio == "comença") {
        ASSERT_TRUE(s.comenca("Anna", "1/1/2026"));
    } else if (accio == "següent") {
        s.Seguent();
    } else if (accio == "tic") {
        s.tic_imatge();
    } else if (accio == "bé" || accio == "malament") {
        const Exercici &e = s.Exercici_actual();
        if (accio == "bé")
            for (int c = 0; c < Nombre_caixes; ++c)
                if (e.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), e.caixes[c]);
        s.corregeix();
        ASSERT_EQ(s.Resultat(), accio == "bé" ? Resultat_correcte : Resultat_incorrecte);
    } else if (accio != "inici") {
        FAIL() << accio;
    }
}

struct Pas {
    const char *accio;
    Vista vista;
    const char *botons;
    int imatge; // credits picture shown, -1 none
};

void recorre(bool consulta, const std::vector<Pas> &passos) {
    FontGuionada font(3);
    Missatges_si m;
    Sessio s(font, m);
    s.posa_tasca(Opcio_tasca::Formular);
    s.posa_nombre_exercicis(2);
    s.posa_consulta(consulta);
    for (const Pas &p : passos) {
        fes(s, p.accio);
        SCOPED_TRACE(p.accio);
        EXPECT_EQ(s.panell().vista(), p.vista);
        EXPECT_EQ(botons(s), p.botons);
        EXPECT_EQ(s.panell().imatge(), p.imatge);
        EXPECT_EQ(s.panell().mostra_autor(), p.vista == Vista::Credits || p.vista == Vista::Autor);
    }
}

using V = Vista;

} // namespace

TEST(Panell, AmbApuntsConsultables) {
    recorre(true, {
                      // T V S I A G C Au
                      // With no exercise in hand the notes and tables can be read.
                      {"inici", V::Credits, "aaa--apa", 0},
                      {"tic", V::Credits, "aaa--apa", 1},
                      {"ajuda", V::Credits, "aaa--apa", 1},
                      {"teoria", V::Teoria, "paa--aaa", -1},
                      {"guia", V::Guia, "aaa--paa", -1},
                      {"tic", V::Guia, "aaa--paa", -1},
                      {"autor", V::Autor, "aaa--aap", -1},
                      {"crèdits", V::Credits, "aaa--apa", 0},
                      {"comença", V::Estadistiques, "aaap-aaa", -1},
                      {"teoria", V::Teoria, "paaa-aaa", -1},
                      {"teoria", V::Teoria, "paaa-aaa", -1},
                      {"següent", V::Estadistiques, "aaap-aaa", -1},
                      {"valències", V::Valencies, "apaa-aaa", -1},
                      {"ajuda", V::Valencies, "apaa-aaa", -1},
                      // A wrong answer brings up its diagnosis over the comment; no button is pressed.
                      {"malament", V::Diagnosi, "aaaaaaaa", -1},
                      {"ajuda", V::Professor, "aaaapaaa", -1},
                      {"símbols", V::Simbols, "aapaaaaa", -1},
                      {"crèdits", V::Credits, "aaaaaapa", 0},
                      {"ajuda", V::Professor, "aaaapaaa", -1},
                      {"següent", V::Estadistiques, "aaap-aaa", -1},
                      {"autor", V::Autor, "aaaa-aap", -1},
                      {"bé", V::Estadistiques, "aaap-aaa", -1},
                      {"símbols", V::Simbols, "aapa-aaa", -1},
                      {"ajuda", V::Simbols, "aapa-aaa", -1},
                      {"següent", V::Estadistiques, "aaap-aaa", -1},
                      {"teoria", V::Teoria, "paaa-aaa", -1},
                      {"guia", V::Guia, "aaaa-paa", -1},
                      {"crèdits", V::Credits, "aaaa-apa", 0},
                      {"informe", V::Estadistiques, "aaap-aaa", -1},
                  });
}

TEST(Panell, SenseApuntsElsTresBotonsNoSurtenMai) {
    recorre(false, {
                       {"inici", V::Credits, "-----apa", 0},
                       {"comença", V::Estadistiques, "---p-aaa", -1},
                       {"teoria", V::Estadistiques, "---p-aaa", -1},
                       {"següent", V::Estadistiques, "---p-aaa", -1},
                       {"valències", V::Estadistiques, "---p-aaa", -1},
                       {"malament", V::Diagnosi, "---aaaaa", -1},
                       {"ajuda", V::Professor, "---apaaa", -1},
                       {"símbols", V::Professor, "---apaaa", -1},
                       {"informe", V::Estadistiques, "---paaaa", -1},
                       {"següent", V::Estadistiques, "---p-aaa", -1},
                       {"bé", V::Estadistiques, "---p-aaa", -1},
                       {"següent", V::Estadistiques, "---p-aaa", -1},
                   });
}
