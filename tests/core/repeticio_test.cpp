#include <algorithm>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "font_guionada.h"
#include "records/arxiu_sessio.h"
#include "records/informe.h"
#include "session/repeticio.h"
#include "session/sessio.h"
#include "session/vista.h"

using namespace quimerix;

namespace {

class Missatges_no final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return respon_si; }
    void avisa(const std::string &, const std::string &, Icona) override {}
    bool respon_si = true;
};

std::vector<Error_serie> errors(const std::vector<int> &numeros) {
    std::vector<Error_serie> e;
    for (int n : numeros)
        e.push_back({n, Tasca::Formular, {}});
    return e;
}

// Types the expected formula into the visible boxes, or a wrong first symbol.
void respon(Sessio &s, bool be) {
    const Exercici &x = s.Exercici_actual();
    for (int c = 0; c < Nombre_caixes; ++c)
        if (x.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), x.caixes[c]);
    if (!be) s.posa_caixa(Simbol2, "Qq");
}

// A set of formula exercises with no time limit (or 1 second per answer), saved to a file.
struct Serie {
    FontGuionada font{11};
    Missatges_no m;
    Sessio s{font, m};
    int desades = 0;
    Serie(int casella, int n, bool limit) {
        for (int i = 0; i < Nombre_caselles; ++i)
            s.posa_familia(i, i == casella || casella < 0);
        s.posa_tasca(Opcio_tasca::Formular);
        s.posa_nombre_exercicis(n);
        s.posa_limit_temps(limit);
        s.posa_segons(1);
        s.posa_arxiu_actiu(true);
        s.en_desar = [this](const DadesSessio &) { ++desades; };
        m.respon_si = false; // no report printed at the end
    }
    // Plays the set: 'B' right, 'E' wrong, 'T' out of time; returns the formulas asked.
    std::vector<std::string> juga(const std::string &guio) {
        std::vector<std::string> vistes;
        m.respon_si = true;
        EXPECT_TRUE(s.comenca("Anna", "1/1/2026"));
        m.respon_si = false;
        if (s.estat() == Estat::Iniciada) s.Seguent();
        for (char c : guio) {
            EXPECT_EQ(s.estat(), Estat::Pregunta);
            vistes.push_back(s.Exercici_actual().formula());
            if (c == 'T')
                s.tic();
            else {
                respon(s, c == 'B');
                s.corregeix();
            }
            s.Seguent();
        }
        return vistes;
    }
};

} // namespace

// The round's queue: shuffled order, a wrong answer back to the end, leaving early.
TEST(Repeticio, CuaDeLaRonda) {
    struct Cas {
        const char *nom;
        std::vector<int> errors;
        std::vector<double> barreja;
        std::vector<bool> respostes;
        bool deixa;
        std::vector<int> preguntats;
        std::string progres, resultat;
    } casos[] = {
        {"barrejats",
         {3, 5, 9},
         {valor_per(1, 3), valor_per(1, 2)},
         {true, true, true},
         false,
         {5, 9, 3},
         "Errors pendents: 0 de 3",
         "Repetició acabada: 3 de 3 errors corregits, 3 a la primera."},
        {"una fallada torna al final",
         {3, 5, 9},
         {valor_per(3, 3), valor_per(2, 2)},
         {false, true, false, true, false, true},
         false,
         {3, 5, 9, 3, 9, 9},
         "Errors pendents: 0 de 3",
         "Repetició acabada: 3 de 3 errors corregits, 1 a la primera."},
        {"deixada",
         {3, 5, 9},
         {valor_per(3, 3), valor_per(2, 2)},
         {false, true},
         true,
         {3, 5},
         "Errors pendents: 2 de 3",
         "Repetició deixada: 1 de 3 errors corregits, 1 a la primera."},
        {"un sol error",
         {7},
         {},
         {false, true},
         false,
         {7, 7},
         "Errors pendents: 0 de 1",
         "Repetició acabada: 1 de 1 error corregit, 0 a la primera."},
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.nom);
        FontGuionada font;
        for (double v : c.barreja)
            font.afegeix(v);
        Repeticio r(errors(c.errors), font);
        EXPECT_EQ(font.pendents(), 0u);
        EXPECT_EQ(r.progres(), "Errors pendents: " + std::to_string(c.errors.size()) + " de " +
                                   std::to_string(c.errors.size()));
        std::vector<int> preguntats;
        for (bool b : c.respostes) {
            ASSERT_NE(r.actual(), nullptr);
            preguntats.push_back(r.actual()->numero);
            r.respon(b);
        }
        if (c.deixa) r.deixa();
        EXPECT_EQ(preguntats, c.preguntats);
        EXPECT_TRUE(r.acabada());
        EXPECT_EQ(r.actual(), nullptr);
        EXPECT_EQ(r.progres(), c.progres);
        EXPECT_EQ(r.resultat(), c.resultat);
        EXPECT_EQ(r.respostes(), static_cast<int>(c.respostes.size()));
    }
}

// A round asks the set's mistakes again and changes nothing of the set: its records, statistics,
// history, file and report stay byte for byte as they were.
TEST(Repeticio, LaRondaNoCanviaLaSerie) {
    struct Cas {
        const char *guio;
        bool limit;
        std::vector<int> errors, esgotats;
    } casos[] = {
        {"BEBE", false, {2, 4}, {}},
        {"BBBB", false, {}, {}},
        {"TEEB", true, {1, 2, 3}, {1}},
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.guio);
        Serie sr(-1, 4, c.limit);
        Sessio &s = sr.s;
        sr.juga(c.guio);
        ASSERT_EQ(s.estat(), Estat::Acabada);
        std::vector<int> numeros;
        for (const Error_serie &e : s.errors_serie())
            numeros.push_back(e.numero);
        EXPECT_EQ(numeros, c.errors);
        EXPECT_EQ(s.esgotats(), c.esgotats);
        EXPECT_EQ(s.ofereix_repeticio(), !c.errors.empty());
        EXPECT_EQ(vista_exercici(s).primera_accio,
                  c.errors.empty() ? Accio_final::Revisa : Accio_final::Repeteix);

        const DadesSessio abans = s.dades();
        const auto arxiu_abans = arxiu_sessio(abans);
        const auto informe_abans = informe(abans);
        const auto historial_abans = s.historial_visible();
        const int desades = sr.desades;

        s.repeteix_errors();
        if (c.errors.empty()) {
            EXPECT_EQ(s.estat(), Estat::Acabada);
            EXPECT_FALSE(s.en_repeticio());
            continue;
        }
        // The first one asked is answered wrong (left to run out of time when there is a limit),
        // and so asked again; then each one right.
        std::size_t preguntes = 0;
        for (bool primer = true; s.en_repeticio(); primer = false) {
            ++preguntes;
            const std::string f = s.Exercici_actual().formula();
            EXPECT_EQ(s.crono_actiu(), c.limit);
            if (primer && c.limit) {
                s.tic();
            } else {
                respon(s, !primer);
                s.corregeix();
            }
            const std::vector<std::string> d = s.detall_repeticio();
            ASSERT_GE(d.size(), 4u);
            EXPECT_EQ(d[2], !primer ? "Correcte" : c.limit ? "Temps esgotat" : "Incorrecte");
            EXPECT_EQ(d[3], "Resposta esperada: " + f);
            s.continua();
        }
        EXPECT_EQ(preguntes, c.errors.size() + 1);
        EXPECT_EQ(s.estat(), Estat::Acabada);
        EXPECT_EQ(s.dades(), abans);
        EXPECT_EQ(arxiu_sessio(s.dades()), arxiu_abans);
        ASSERT_TRUE(informe_abans);
        EXPECT_EQ(informe(s.dades())->operacions, informe_abans->operacions);
        EXPECT_EQ(s.historial_visible(), historial_abans);
        EXPECT_EQ(sr.desades, desades);
        EXPECT_EQ(s.numero_exercici(), 4);
    }
}

// A new set after a set: the options kept, a second file, the decks going on, and a used-up family
// dealt again so that the maximum offered is never 0.
TEST(Repeticio, NovaSerieDespresDUnaSerie) {
    struct Cas {
        const char *nom;
        int casella, primera, maxim_despres;
        bool repetits_permesos; // the second set may meet compounds of the first (family dealt again)
    } casos[] = {
        // 10 shown and the extra draw that ends the set: 11 of the 37 hydroxides taken.
        {"les baralles continuen", 4, 10, 26, false},
        // Every oxoacid asked: the family is dealt again.
        {"familia exhaurida", 5, 26, 26, true},
    };
    for (const Cas &c : casos) {
        SCOPED_TRACE(c.nom);
        Serie sr(c.casella, c.primera, false);
        Sessio &s = sr.s;
        s.posa_segons(40);
        s.posa_assistent(false);
        const std::vector<std::string> primera =
            sr.juga(std::string(static_cast<std::size_t>(c.primera), 'B'));
        ASSERT_EQ(s.estat(), Estat::Acabada);
        const Opcions opcions = s.opcions();
        s.nova_serie();
        EXPECT_EQ(s.estat(), Estat::Inactiu);
        EXPECT_FALSE(s.Arxiu_actiu());
        EXPECT_EQ(s.numero_exercici(), 0);
        EXPECT_EQ(s.registre().Nombre_registres(), 0);
        EXPECT_EQ(s.estadistiques().encerts_sobre_total.text, "0 / 0");
        EXPECT_EQ(s.Nombre_combinacions(), c.maxim_despres);
        EXPECT_EQ(s.opcions().families, opcions.families);
        EXPECT_EQ(s.opcions().tasca, Opcio_tasca::Formular);
        EXPECT_EQ(s.opcions().segons, 40);
        EXPECT_FALSE(s.opcions().assistent);
        EXPECT_FALSE(s.opcions().limit_temps);
        EXPECT_EQ(s.opcions().nombre_exercicis, std::min(c.primera, c.maxim_despres));
        EXPECT_EQ(vista_opcions(s).editables, true);

        // The second set, saved to its own file, meets compounds not asked in the first.
        s.posa_nombre_exercicis(c.maxim_despres);
        s.posa_arxiu_actiu(true);
        const int desades = sr.desades;
        const std::vector<std::string> segona =
            sr.juga(std::string(static_cast<std::size_t>(c.maxim_despres), 'B'));
        EXPECT_EQ(s.estat(), Estat::Acabada);
        EXPECT_EQ(s.registre().Nombre_registres(), c.maxim_despres);
        EXPECT_EQ(sr.desades, desades + 1 + c.maxim_despres);
        const std::set<std::string> vistes(primera.begin(), primera.end());
        int repetits = 0;
        for (const std::string &f : segona)
            repetits += static_cast<int>(vistes.count(f));
        if (c.repetits_permesos)
            EXPECT_EQ(std::set<std::string>(segona.begin(), segona.end()), vistes);
        else
            EXPECT_EQ(repetits, 0);
    }
}

// The review: one row per record line with its verdict, and the detail of each row rebuilt from
// the catalogue (a live set and one read back from its file give the same).
TEST(Repeticio, RevisioDeLaSerie) {
    Serie sr(-1, 4, true);
    Sessio &s = sr.s;
    const std::vector<std::string> vistes = sr.juga("BETB");
    ASSERT_EQ(s.estat(), Estat::Acabada);
    const std::vector<Fila_revisio> files = s.files_revisio();
    ASSERT_EQ(files.size(), 4u);
    const Veredicte esperats[] = {Veredicte::Correcte, Veredicte::Incorrecte, Veredicte::Temps,
                                  Veredicte::Correcte};
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(files[i].numero, static_cast<int>(i) + 1);
        EXPECT_EQ(files[i].veredicte, esperats[i]);
        const std::vector<std::string> d = s.detall_revisio(static_cast<int>(i));
        ASSERT_GE(d.size(), 6u);
        EXPECT_EQ(d[2], text_veredicte(esperats[i]));
        EXPECT_EQ(d[3], "Resposta esperada: " + vistes[i]);
        // A wrong answer's diagnosis stands between the expected answer and the comment.
        const auto comentari = std::find(d.begin(), d.end(), "Comentari del professor:");
        ASSERT_NE(comentari, d.end());
        EXPECT_EQ(comentari - d.begin() > 5, esperats[i] != Veredicte::Correcte);
        const auto trobat = compost_de_fila(s.taules(), files[i]);
        ASSERT_TRUE(trobat);
        EXPECT_EQ(trobat->tasca, Tasca::Formular);
        EXPECT_EQ(trobat->exercici.formula(), vistes[i]);
    }
    EXPECT_EQ(text_fila(files[0]).rfind("1. ", 0), 0u);

    // Read back from its file (time-outs are not kept there: they read as wrong).
    const DadesSessio d = s.dades();
    Serie altra(-1, 4, false);
    altra.s.posa_desada(d);
    EXPECT_TRUE(altra.s.ofereix_revisio());
    altra.s.revisa();
    EXPECT_EQ(altra.s.panell().vista(), Vista::Revisio);
    const std::vector<Fila_revisio> llegides = altra.s.files_revisio();
    ASSERT_EQ(llegides.size(), 4u);
    EXPECT_EQ(llegides[2].veredicte, Veredicte::Incorrecte);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(altra.s.detall_revisio(i).back(), s.detall_revisio(i).back()) << i;
    EXPECT_TRUE(altra.s.detall_revisio(4).empty());
}
