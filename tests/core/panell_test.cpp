#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font_guionada.h"
#include "session/sessio.h"

using namespace quimerix;

namespace {

// Yes to every question but the offer to print at the end of the set.
class Missatges_sí final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &text, Icona) override {
        return text.find("imprimir") == std::string::npos;
    }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

// The eight buttons in the order cmdTeoria, cmdValències, cmdSímbols, cmdInforme, cmdAjuda,
// cmdHelp, cmdCrèdits, cmdAutor: '-' not offered, 'a' enabled, 'p' pressed (disabled).
std::string botons(const Sessió &s) {
    std::string r;
    for (int b = 0; b < Nombre_botons; ++b) {
        const EstatBotó e = s.botó(static_cast<Botó>(b));
        EXPECT_EQ(e.actiu, e.ofert && !e.premut);
        r += !e.ofert ? '-' : e.premut ? 'p' : 'a';
    }
    return r;
}

void fes(Sessió &s, const std::string &acció) {
    static const std::vector<std::pair<std::string, Botó>> premsa{
        {"teoria", Botó::Teoria}, {"valències", Botó::Valències}, {"símbols", Botó::Símbols},
        {"informe", Botó::Informe}, {"ajuda", Botó::Ajuda},       {"guia", Botó::Guia},
        {"crèdits", Botó::Crèdits}, {"autor", Botó::Autor}};
    for (const auto &[nom, b] : premsa)
        if (acció == nom) return s.prem(b);
    if (acció == "comença") {
        ASSERT_TRUE(s.comença("Anna", "1/1/2026"));
    } else if (acció == "següent") {
        s.Següent();
    } else if (acció == "tic") {
        s.tic_imatge();
    } else if (acció == "bé" || acció == "malament") {
        const Exercici &e = s.Exercici_actual();
        if (acció == "bé")
            for (int c = 0; c < Nombre_caixes; ++c)
                if (e.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), e.caixes[c]);
        s.corregeix();
        ASSERT_EQ(s.Resultat(), acció == "bé" ? Resultat_correcte : Resultat_incorrecte);
    } else if (acció != "inici") {
        FAIL() << acció;
    }
}

struct Pas {
    const char *acció;
    Vista vista;
    const char *botons;
    int imatge; // credits picture shown, -1 none
};

void recorre(bool consulta, const std::vector<Pas> &passos) {
    FontGuionada font(3);
    Missatges_sí m;
    Sessió s(font, m);
    s.posa_tasca(Opció_tasca::Formular);
    s.posa_nombre_exercicis(2);
    s.posa_consulta(consulta);
    for (const Pas &p : passos) {
        fes(s, p.acció);
        SCOPED_TRACE(p.acció);
        EXPECT_EQ(s.panell().vista(), p.vista);
        EXPECT_EQ(botons(s), p.botons);
        EXPECT_EQ(s.panell().imatge(), p.imatge);
        EXPECT_EQ(s.panell().mostra_autor(), p.vista == Vista::Crèdits || p.vista == Vista::Autor);
    }
}

using V = Vista;

} // namespace

TEST(Panell, AmbApuntsConsultables) {
    recorre(true, {
                      // T V S I A G C Au
                      {"inici", V::Crèdits, "-----apa", 0},
                      {"tic", V::Crèdits, "-----apa", 1},
                      {"ajuda", V::Crèdits, "-----apa", 1},
                      {"teoria", V::Crèdits, "-----apa", 1},
                      {"guia", V::Guia, "-----paa", -1},
                      {"tic", V::Guia, "-----paa", -1},
                      {"autor", V::Autor, "-----aap", -1},
                      {"crèdits", V::Crèdits, "-----apa", 0},
                      {"comença", V::Estadístiques, "aaap-aaa", -1},
                      {"teoria", V::Teoria, "paaa-aaa", -1},
                      {"teoria", V::Teoria, "paaa-aaa", -1},
                      {"següent", V::Estadístiques, "aaap-aaa", -1},
                      {"valències", V::Valències, "apaa-aaa", -1},
                      {"ajuda", V::Valències, "apaa-aaa", -1},
                      {"malament", V::Valències, "apaaaaaa", -1},
                      {"ajuda", V::Professor, "aaaapaaa", -1},
                      {"símbols", V::Símbols, "aapaaaaa", -1},
                      {"crèdits", V::Crèdits, "aaaaaapa", 0},
                      {"ajuda", V::Professor, "aaaapaaa", -1},
                      {"següent", V::Estadístiques, "aaap-aaa", -1},
                      {"autor", V::Autor, "aaaa-aap", -1},
                      {"bé", V::Estadístiques, "aaap-aaa", -1},
                      {"símbols", V::Símbols, "aapa-aaa", -1},
                      {"ajuda", V::Símbols, "aapa-aaa", -1},
                      {"següent", V::Estadístiques, "---p-aaa", -1},
                      {"teoria", V::Estadístiques, "---p-aaa", -1},
                      {"guia", V::Guia, "---a-paa", -1},
                      {"crèdits", V::Crèdits, "---a-apa", 0},
                      {"informe", V::Estadístiques, "---p-aaa", -1},
                  });
}

TEST(Panell, SenseApuntsElsTresBotonsNoSurtenMai) {
    recorre(false, {
                       {"inici", V::Crèdits, "-----apa", 0},
                       {"comença", V::Estadístiques, "---p-aaa", -1},
                       {"teoria", V::Estadístiques, "---p-aaa", -1},
                       {"següent", V::Estadístiques, "---p-aaa", -1},
                       {"valències", V::Estadístiques, "---p-aaa", -1},
                       {"malament", V::Estadístiques, "---paaaa", -1},
                       {"ajuda", V::Professor, "---apaaa", -1},
                       {"símbols", V::Professor, "---apaaa", -1},
                       {"informe", V::Estadístiques, "---paaaa", -1},
                       {"següent", V::Estadístiques, "---p-aaa", -1},
                       {"bé", V::Estadístiques, "---p-aaa", -1},
                       {"següent", V::Estadístiques, "---p-aaa", -1},
                   });
}
