#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "checking/assistent.h"
#include "font_guionada.h"
#include "session/sessio.h"
#include "session/vista.h"
#include "text/utf8.h"

using namespace quimerix;

namespace {

// Answers the questions from a script (No once it runs out) and keeps every text shown.
class MissatgesGuionats final : public Missatges {
  public:
    std::deque<bool> respostes;
    std::vector<std::string> preguntes, avisos;
    bool pregunta(const std::string &titol, const std::string &text, Icona) override {
        preguntes.push_back(titol + "|" + text);
        if (respostes.empty()) return false;
        const bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    void avisa(const std::string &titol, const std::string &text, Icona) override {
        avisos.push_back(titol + "|" + text);
    }
};

const std::string Q_arxiu = " Atenció !|No es crearà cap arxiu de dades amb els exercicis. Vols continuar?";
const std::string Q_nom = " Atenció !|No has posat el teu 'NOM i COGNOMS'. Vols continuar?";
const std::string Q_data = " Atenció !|El camp 'DATA' està buit. Vols continuar?";
const std::string Q_fi = " Informació !|Has completat tots els exercicits. Vols imprimir-ne un informe?";
const std::string A_temps = " Atenció !|S'ha acabat el temps!";
const std::string A_familia = " Atenció !|Cal seleccionar algun tipus d'exercici";

// The record lines of the 25 exercises, as the session file and the report get them.
// clang-format off
const std::string kRegistre25[25] = {
    " 1   Ni3 (B O3)2                            borat de niquel (II)                  CORRECTE\r\n",
    " 2   clorur de beril·li                     Be Cl2                                CORRECTE\r\n",
    " 3   Mn (Cl O3)3                            CLORAT DE MANGANES (III)              CORRECTE\r\n",
    " 4   pentafluorur d'antimoni                sb F5                                 Sb F5\r\n",
    " 5   Sb2 O3                                 trioxid de diantimoni                 CORRECTE\r\n",
    " 6   carbonat d'estany (IV)                 Sn (C O3)2                            CORRECTE\r\n",
    " 7   H2 O                                   aigua                                 CORRECTE\r\n",
    " 8   hidrur de rubidi                       rb H                                  Rb H\r\n",
    " 9   Co N                                   NITRUR DE COBALT (III)                CORRECTE\r\n",
    " 10  clorit de sodi                         Na Cl O2                              CORRECTE\r\n",
    " 11  Pb3 Sb4                                antimonur de plom (IV)                CORRECTE\r\n",
    " 12  antimonur de coure (I)                 cu3 Sb                                Cu3 Sb\r\n",
    " 13  Cr I3                                                                        iodur de crom (III)\r\n",
    " 14  pentabromur de iode                    I Br5                                 CORRECTE\r\n",
    " 15  N F3                                   TRIFLUORUR DE NITROGEN                CORRECTE\r\n",
    " 16  carbur de mercuri (II)                 hg2 C                                 Hg2 C\r\n",
    " 17  Al2 O3                                 oxid d'alumini                        CORRECTE\r\n",
    " 18  carbonat de cadmi                      Cd C O3                               CORRECTE\r\n",
    " 19  H Cl O4                                acid percloric                        CORRECTE\r\n",
    " 20  fosfonit d'argent                      ag3 P O3                              Ag3 P O3\r\n",
    " 21  P Cl5                                  PENTACLORUR DE FOSFOR                 CORRECTE\r\n",
    " 22  hipoiodit de magnesi                   Mg (I O)2                             CORRECTE\r\n",
    " 23  Sn (Br O3)2                            bromat d'estany (II)                  CORRECTE\r\n",
    " 24  fosfina                                p H3                                  P H3\r\n",
    " 25  Pt I4                                  iodur de plati (IV)                   CORRECTE\r\n",
};
// clang-format on

// The history shown after exercises 3, 13 (run out of time) and 25: exercises, answers, corrections.
const std::map<int, std::array<std::string, 3>> kHistorial25 = {
    {3,
     {"3  Mn (Cl O3)3\r\n2  clorur de beril·li\r\n1  Ni3 (B O3)2",
      "CLORAT DE MANGANES (III)\r\n Be Cl2\r\nborat de niquel (II)", "Correcte\r\nCorrecte\r\nCorrecte"}},
    {13,
     {"13   Cr I3\r\n12  antimonur de coure (I)\r\n11   Pb3 Sb4", "\r\n cu3 Sb\r\nantimonur de plom (IV)",
      "iodur de crom (III)\r\n Cu3 Sb\r\nCorrecte"}},
    {25,
     {"25   Pt I4\r\n24  fosfina\r\n23  Sn (Br O3)2", "iodur de plati (IV)\r\n p H3\r\nbromat d'estany (II)",
      "Correcte\r\n P H3\r\nCorrecte"}}};

// Types the expected formula into the visible boxes.
void escriu_formula(Sessio &s, bool be) {
    const Exercici &e = s.Exercici_actual();
    bool primer = true;
    for (int c = 0; c < Nombre_caixes; ++c) {
        if (!e.visibles[c]) continue;
        std::string text = e.caixes[c];
        if (!be && primer) text = Canvi_MAJUSCULES_minuscules2(text); // "fe" for "Fe"
        primer = false;
        s.posa_caixa(static_cast<Caixa>(c), text);
    }
}

} // namespace

TEST(Sessio, OpcionsPerDefecteIComptesDelCataleg) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    EXPECT_EQ(compostos_per_casella(s.generador()), (std::array<int, 7>{76, 59, 518, 236, 37, 26, 703}));
    EXPECT_EQ(s.Nombre_combinacions(), 1655);
    EXPECT_EQ(s.opcions().nombre_exercicis, 25);
    EXPECT_EQ(s.opcions().segons, 30);
    EXPECT_EQ(s.opcions().tasca, Opcio_tasca::Alternat);
    EXPECT_TRUE(s.opcions().assistent && s.opcions().consulta && s.opcions().limit_temps);
    EXPECT_EQ(s.Temps_Estimat(), "00:12:30");
    EXPECT_EQ(s.estat(), Estat::Inactiu);
    EXPECT_FALSE(s.Sessio_iniciada());
    EXPECT_EQ(s.numero_exercici(), 0);
}

TEST(Sessio, TempsEstimat) {
    const std::pair<long long, std::string> casos[] = {
        {0, "00:00:00"},     {750, "00:12:30"},        {86399, "23:59:59"},
        {86400, "24:00:00"}, {1655 * 120, "55:10:00"}, {3600 * 100 + 61, "100:01:01"},
    };
    for (const auto &[segons, text] : casos)
        EXPECT_EQ(format_temps(segons), text);

    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_nombre_exercicis(5000);
    s.posa_segons(500);
    EXPECT_EQ(s.opcions().nombre_exercicis, 1655);
    EXPECT_EQ(s.opcions().segons, 120);
    EXPECT_EQ(s.Temps_Estimat(), "55:10:00");
}

TEST(Sessio, LimitsDelsBotonsDePas) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    for (int i = 0; i < 200; ++i)
        s.augmenta_temps();
    EXPECT_EQ(s.opcions().segons, 120);
    for (int i = 0; i < 200; ++i)
        s.disminueix_temps();
    EXPECT_EQ(s.opcions().segons, 1);
    for (int i = 0; i < 30; ++i)
        s.disminueix_exercicis();
    EXPECT_EQ(s.opcions().nombre_exercicis, 1);
    EXPECT_EQ(s.Temps_Estimat(), "00:00:01");
    s.posa_nombre_exercicis(-4);
    EXPECT_EQ(s.opcions().nombre_exercicis, 1);
}

TEST(Sessio, CasellesDeFamilia) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_nombre_exercicis(38);
    // Only "Hidròxids" left: 37, and 38 exercises drop to 37.
    for (int c : {0, 1, 2, 3, 5, 6})
        s.posa_familia(c, false);
    EXPECT_EQ(s.Nombre_combinacions(), 37);
    EXPECT_EQ(s.opcions().nombre_exercicis, 37);
    EXPECT_TRUE(m.avisos.empty());
    s.augmenta_exercicis();
    EXPECT_EQ(s.opcions().nombre_exercicis, 37);
    // None ticked: warning, start refused; ticking one again brings the start back.
    s.posa_familia(4, false);
    EXPECT_EQ(s.Nombre_combinacions(), 0);
    EXPECT_TRUE(s.cal_seleccionar_familia());
    EXPECT_EQ(m.avisos, std::vector<std::string>{A_familia});
    EXPECT_FALSE(s.comenca("Anna", "1/1/2024"));
    EXPECT_TRUE(m.preguntes.empty());
    s.posa_familia(5, true);
    EXPECT_FALSE(s.cal_seleccionar_familia());
    EXPECT_EQ(s.Nombre_combinacions(), 26);
    EXPECT_EQ(s.opcions().nombre_exercicis, 26);
    s.posa_familia(5, false);
    EXPECT_EQ(m.avisos.size(), 2u);
}

TEST(Sessio, PreguntesDInici) {
    struct Cas {
        bool arxiu;
        std::string nom, data;
        std::deque<bool> respostes;
        std::vector<std::string> preguntes;
        bool comenca;
    } casos[] = {
        {false, "", "", {true, true, true}, {Q_arxiu, Q_nom, Q_data}, true},
        {false, "", "", {false}, {Q_arxiu}, false},
        {false, "", "", {true, false}, {Q_arxiu, Q_nom}, false},
        {false, "", "", {true, true, false}, {Q_arxiu, Q_nom, Q_data}, false},
        {true, "Anna", "1/1/2024", {}, {}, true},
        {true, "", "1/1/2024", {true}, {Q_nom}, true},
        {false, "Anna", "", {true, true}, {Q_arxiu, Q_data}, true},
    };
    for (const auto &c : casos) {
        FontGuionada font(5);
        MissatgesGuionats m;
        m.respostes = c.respostes;
        Sessio s(font, m);
        s.posa_arxiu_actiu(c.arxiu);
        int desats = 0;
        s.en_desar = [&](const DadesSessio &) { ++desats; };
        EXPECT_EQ(s.comenca(c.nom, c.data), c.comenca) << c.nom << c.data << c.arxiu;
        EXPECT_EQ(m.preguntes, c.preguntes);
        EXPECT_EQ(s.Sessio_iniciada(), c.comenca);
        EXPECT_EQ(s.estat(), c.comenca ? Estat::Iniciada : Estat::Inactiu);
        EXPECT_EQ(desats, c.comenca && c.arxiu ? 1 : 0);
        // The countdown shows the seconds per answer until the first exercise.
        EXPECT_EQ(s.segons_restants(), c.comenca ? 30 : 0);
        // Refused: the options stay editable.
        s.augmenta_temps();
        EXPECT_EQ(s.opcions().segons, c.comenca ? 30 : 31);
    }
}

TEST(Sessio, CapcaleraAmbNomDe66) {
    const std::pair<std::string, std::string> casos[] = {
        {"Anna", "Nom i cognoms: Anna" + std::string(62, ' ') + "  Data: 3/4/2024"},
        {"Àngel Çà", "Nom i cognoms: Àngel Çà" + std::string(58, ' ') + "  Data: 3/4/2024"},
        {std::string(66, 'x'), "Nom i cognoms: " + std::string(66, 'x') + "  Data: 3/4/2024"},
        {std::string(70, 'x'), "Nom i cognoms: " + std::string(70, 'x') + "  Data: 3/4/2024"},
    };
    for (const auto &[nom, capcalera] : casos) {
        FontGuionada font(5);
        MissatgesGuionats m;
        Sessio s(font, m);
        s.posa_arxiu_actiu(true);
        ASSERT_TRUE(s.comenca(nom, "3/4/2024"));
        EXPECT_EQ(s.Capcalera_sessio(), capcalera);
    }
}

TEST(Sessio, SenseLimitDeTempsComencaDirectamentIElRellotgeNoCompta) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_limit_temps(false);
    s.posa_arxiu_actiu(true);
    ASSERT_TRUE(s.comenca("Anna", "1/1/2024"));
    EXPECT_EQ(s.estat(), Estat::Pregunta);
    EXPECT_EQ(s.numero_exercici(), 1);
    const int abans = s.segons_restants();
    for (int i = 0; i < 200; ++i)
        s.tic();
    EXPECT_EQ(s.segons_restants(), abans);
    EXPECT_EQ(s.estat(), Estat::Pregunta);
    EXPECT_FALSE(s.crono_actiu());
}

TEST(Sessio, CompteEnreraIFiDelTemps) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_arxiu_actiu(true);
    s.posa_tasca(Opcio_tasca::Anomenar);
    ASSERT_TRUE(s.comenca("Anna", "1/1/2024"));
    s.tic(); // before the first exercise nothing counts
    EXPECT_EQ(s.numero_exercici(), 0);
    s.Seguent();
    s.posa_nom("òxid");
    EXPECT_EQ(s.segons_restants(), 30);
    EXPECT_FALSE(s.temps_gairebe_esgotat());
    // Tick by tick: value after the tick, red, corrected.
    for (int t = 1; t <= 30; ++t) {
        s.tic();
        const int queden = 30 - t;
        const std::string avis = queden == 15   ? "Queda la meitat del temps: 15 segons"
                                 : queden == 10 ? "Queden 10 segons"
                                 : queden == 5  ? "Queden 5 segons"
                                                : "";
        EXPECT_EQ(vista_opcions(s).avis_temps, avis) << t;
        EXPECT_EQ(s.segons_restants(), 30 - t);
        EXPECT_EQ(s.temps_gairebe_esgotat(), 30 - t <= 5) << t;
        EXPECT_EQ(s.estat(), t < 30 ? Estat::Pregunta : Estat::Corregit) << t;
    }
    EXPECT_EQ(m.avisos, std::vector<std::string>{A_temps});
    EXPECT_EQ(s.Resultat(), Resultat_incorrecte);
    EXPECT_TRUE(vista_exercici(s).anunci.starts_with(
        "Temps esgotat. Resposta esperada: " + s.nom_esperat_mostrat() + "."))
        << vista_exercici(s).anunci;
    EXPECT_EQ(s.resposta().nom, "òxid");
    ASSERT_EQ(s.registre().Nombre_registres(), 1);
    // Later ticks change nothing.
    for (int i = 0; i < 5; ++i)
        s.tic();
    EXPECT_EQ(m.avisos.size(), 1u);
    EXPECT_EQ(s.registre().Nombre_registres(), 1);
    // The next exercise starts black from the full time.
    s.Seguent();
    EXPECT_EQ(s.segons_restants(), 30);
    EXPECT_FALSE(s.temps_gairebe_esgotat());
    EXPECT_TRUE(s.crono_actiu());
    s.corregeix();
    EXPECT_FALSE(s.crono_actiu());
}

TEST(Sessio, DobleEnterNoCorregeixDuesVegadesNiSaltaExercicis) {
    FontGuionada font(5);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_arxiu_actiu(true);
    ASSERT_TRUE(s.comenca("Anna", "1/1/2024"));
    s.continua(); // first exercise
    EXPECT_EQ(s.numero_exercici(), 1);
    s.continua();
    s.corregeix(); // a second correction of the same exercise is ignored
    EXPECT_EQ(s.estat(), Estat::Corregit);
    EXPECT_EQ(s.registre().Nombre_registres(), 1);
    EXPECT_EQ(s.estadistiques().Exercicis_totals, 1);
    s.continua();
    EXPECT_EQ(s.numero_exercici(), 2);
    EXPECT_EQ(s.estat(), Estat::Pregunta);
    s.Seguent(); // no skipping while an answer is pending
    EXPECT_EQ(s.numero_exercici(), 2);
    // Options are frozen.
    s.posa_familia(0, false);
    s.posa_tasca(Opcio_tasca::Formular);
    EXPECT_TRUE(s.opcions().families[0]);
    EXPECT_EQ(s.opcions().tasca, Opcio_tasca::Alternat);
}

// The name box holds 36 characters: what is typed beyond them is never part of the answer.
TEST(Sessio, NomTeclejatTallatA36Caracters) {
    FontGuionada font(7);
    MissatgesGuionats m;
    m.respostes = {true}; // no data file: go on
    Sessio s(font, m);
    s.posa_tasca(Opcio_tasca::Anomenar);
    s.posa_limit_temps(false);
    ASSERT_TRUE(s.comenca("Anna Puig", "12/03/2024"));
    ASSERT_EQ(s.estat(), Estat::Pregunta);
    const std::string nom = s.Exercici_actual().Nom_compost;
    ASSERT_LT(longitud(nom), 36u);
    const std::string caixa = nom + std::string(36 - longitud(nom), ' ');
    s.posa_nom(caixa + "xyz");
    EXPECT_EQ(s.resposta().nom, caixa);
    s.continua();
    EXPECT_TRUE(s.mostra_correcte()) << nom;
}

// 25 exercises, alternating, assistant on: a known mix of right and wrong answers in both tasks,
// exercise 13 left empty until the time runs out.
TEST(Sessio, SessioGuionadaDe25) {
    FontGuionada font(2024);
    MissatgesGuionats m;
    m.respostes = {true}; // no data file: go on
    Sessio s(font, m);
    ASSERT_TRUE(s.comenca("Anna Puig", "12/03/2024"));
    EXPECT_TRUE(m.preguntes.size() == 1 && m.preguntes[0] == Q_arxiu);

    std::array<int, 10> encerts{}, errors{};
    std::array<std::string, 3> pendent{};
    const Tasca primer_mode = s.Mode_actual();
    for (int n = 1; n <= 25; ++n) {
        s.continua();
        ASSERT_EQ(s.estat(), Estat::Pregunta);
        ASSERT_EQ(s.numero_exercici(), n);
        EXPECT_EQ(s.historial_visible(), pendent) << n;
        const Tasca mode = n % 2 == 1 ? primer_mode : altra_tasca(primer_mode);
        ASSERT_EQ(s.Mode_exercici(), mode);
        EXPECT_EQ(s.Pantalla_actual(), mode == Tasca::Formular ? "Formular" : "Anomenar");
        const Exercici e = s.Exercici_actual();
        const std::string nom = e.Nom_compost;
        EXPECT_EQ(nom, Canvi_MAJUSCULES_minuscules(nom));
        EXPECT_EQ(s.nom_demanat(), nom);

        const bool be = n % 4 != 0 && n != 13;
        std::string escrit;
        if (n == 13) {
            for (int t = 0; t < 30; ++t)
                s.tic();
            EXPECT_EQ(m.avisos.back(), A_temps);
        } else {
            if (mode == Tasca::Formular) {
                escriu_formula(s, be);
            } else {
                // Right answers typed in capitals without accents (the assistant forgives them),
                // wrong ones with an extra word.
                escrit = be ? Canvi_accents(nom) : "xx " + nom;
                if (be && n % 3 == 0)
                    for (auto &c : escrit)
                        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
                s.posa_nom(escrit);
            }
            s.continua();
        }
        ASSERT_EQ(s.estat(), Estat::Corregit);
        EXPECT_EQ(s.Resultat(), be ? 2 : 1) << n << " " << nom << " [" << escrit << "]";
        EXPECT_EQ(s.mostra_correcte(), be);
        EXPECT_EQ(s.mostra_incorrecte(), !be);
        EXPECT_EQ(s.ofereix_professor(), !be);

        // The record line, and the history of the exercise's own task shown with the next one.
        if (mode == Tasca::Formular) {
            EXPECT_EQ(s.mostra_formula_esperada(), !be);
        } else {
            EXPECT_EQ(s.resposta().nom, escrit);
            EXPECT_EQ(s.mostra_nom_esperat(), !be);
            if (!be) {
                EXPECT_EQ(s.nom_esperat_mostrat(), nom);
            }
        }
        ASSERT_EQ(s.registre().Nombre_registres(), n);
        EXPECT_EQ(s.registre().Registre_exercicis(n), kRegistre25[n - 1]) << n;
        if (const auto h = kHistorial25.find(n); h != kHistorial25.end()) {
            EXPECT_EQ(s.Historial_pendent(), h->second) << n;
        }
        EXPECT_NE(s.historial_visible(), s.Historial_pendent()) << n;
        pendent = s.Historial_pendent();

        // Statistics.
        const int k = index_codi(e.Codi_exercici);
        ASSERT_GE(k, 0) << e.Codi_exercici;
        (be ? encerts : errors)[k]++;
        EXPECT_EQ(s.estadistiques().Encerts_per_tipus, encerts);
        EXPECT_EQ(s.estadistiques().Errors_per_tipus, errors);
    }
    // 25 answers: 6 wrong (4, 8, 12, 16, 20, 24) and one run out of time (13).
    const auto &est = s.estadistiques();
    EXPECT_EQ(est.encerts_sobre_total, (Cel{"18 / 25", Color::Blau}));
    EXPECT_EQ(est.percentatge_encerts, (Cel{"72 %", Color::Blau}));
    const std::array<std::vector<int>, 12> grups{
        {{0, 1}, {0}, {1}, {2, 3, 4}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}}};
    for (int i = 0; i < 12; ++i) {
        int r = 0, t = 0;
        for (int k : grups[i])
            r += encerts[k], t += encerts[k] + errors[k];
        const Cel esperat = t == 0 ? Cel{"-----", Color::Negre}
                                   : Cel{std::to_string(r) + " / " + std::to_string(t),
                                         2 * r < t ? Color::Vermell : Color::Blau};
        EXPECT_EQ(est.cel[i], esperat) << i;
    }

    // The extra draw ends the set with the number back at 25.
    m.respostes = {false};
    s.continua();
    EXPECT_EQ(s.estat(), Estat::Acabada);
    EXPECT_EQ(s.numero_exercici(), 25);
    EXPECT_TRUE(s.serie_acabada());
    EXPECT_EQ(m.preguntes.back(), Q_fi);
    EXPECT_EQ(s.historial_visible(), pendent);
    EXPECT_FALSE(s.opcions().limit_temps);
    EXPECT_EQ(s.registre().Nombre_registres(), 25);
    s.continua();
    s.tic();
    EXPECT_EQ(s.numero_exercici(), 25);
    EXPECT_EQ(m.preguntes.size(), 2u);
}

TEST(Sessio, TotsElsCompostosIAcabaQuanTotesLesFamiliesSonPlenes) {
    FontGuionada font(77);
    MissatgesGuionats m;
    Sessio s(font, m);
    s.posa_arxiu_actiu(true);
    s.posa_limit_temps(false);
    s.posa_tasca(Opcio_tasca::Formular);
    s.posa_nombre_exercicis(s.Nombre_combinacions());
    ASSERT_EQ(s.opcions().nombre_exercicis, 1655);
    int impres = 0;
    s.en_imprimir = [&](const DadesSessio &) { ++impres; };
    m.respostes = {true};
    ASSERT_TRUE(s.comenca("Anna", "1/1/2024"));
    std::map<std::string, int> vistos;
    while (s.estat() == Estat::Pregunta) {
        ++vistos[s.Exercici_actual().formula() + "|" + s.Exercici_actual().Nom_compost];
        escriu_formula(s, true);
        s.continua();
        ASSERT_EQ(s.Resultat(), 2) << s.numero_exercici();
        s.continua();
    }
    EXPECT_EQ(s.estat(), Estat::Acabada);
    EXPECT_EQ(s.numero_exercici(), 1655);
    EXPECT_EQ(s.registre().Nombre_registres(), 1655);
    EXPECT_TRUE(s.generador().Exhaurits());
    EXPECT_EQ(vistos.size(), 1655u);
    EXPECT_EQ(s.estadistiques().encerts_sobre_total.text, "1655 / 1655");
    EXPECT_EQ(impres, 1);
}

// What the exercise area shows in each state of a one-exercise set: a row per state and task.
TEST(Sessio, VistaDeLExerciciPerEstat) {
    using F = Focus_exercici;
    struct Fila {
        const char *estat;
        Tasca tasca;
        bool correcte; // the answer given, in the corrected states
        bool en_curs, corregir, seguent, resposta_activa, marc, marc_curt, incorrecte, correcte_vist,
            nom_esperat, fila_esperada, serie_acabada;
        F focus;
        const char *instruccio;
        const char *anunci; // its start; {esperada} stands for the expected answer
    } files[] = {
        {"inactiu", Tasca::Formular, false, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, F::Cap, "", ""},
        {"iniciada", Tasca::Formular, false, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, F::Seguent, "", ""},
        {"pregunta", Tasca::Formular, false, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, F::Caixa, "Formula:", ""},
        {"pregunta", Tasca::Anomenar, false, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, F::Nom, "Anomena:", ""},
        {"corregit", Tasca::Formular, true, 1, 0, 1, 0, 1, 1, 0, 1, 0, 0, 0, F::Seguent,
         "Formula:", "Correcte."},
        {"corregit", Tasca::Formular, false, 1, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0, F::Seguent,
         "Formula:", "Incorrecte. Resposta esperada: {esperada}. No has escrit cap fórmula."},
        {"corregit", Tasca::Anomenar, true, 1, 0, 1, 0, 1, 1, 0, 1, 0, 0, 0, F::Seguent,
         "Anomena:", "Correcte."},
        {"corregit", Tasca::Anomenar, false, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, F::Seguent,
         "Anomena:", "Incorrecte. Resposta esperada: {esperada}. No has escrit cap nom."},
        {"acabada", Tasca::Anomenar, false, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, F::Accio,
         "Anomena:", "S'han completat tots els exercicis. NOTA: 0, 0 %. 0 encerts de 1 exercici."},
    };
    for (const Fila &f : files) {
        SCOPED_TRACE(std::string(f.estat) + (f.tasca == Tasca::Formular ? " formular" : " anomenar"));
        FontGuionada font(2);
        MissatgesGuionats m;
        m.respostes = {true, false};
        Sessio s(font, m);
        s.posa_tasca(f.tasca == Tasca::Formular ? Opcio_tasca::Formular : Opcio_tasca::Anomenar);
        s.posa_nombre_exercicis(1);
        s.posa_limit_temps(true);
        const std::string estat = f.estat;
        if (estat != "inactiu") {
            ASSERT_TRUE(s.comenca("Anna", "1/1/2026"));
        }
        if (estat != "inactiu" && estat != "iniciada") s.continua();
        const Exercici &x = s.Exercici_actual();
        if (estat == "corregit" || estat == "acabada") {
            if (f.correcte && f.tasca == Tasca::Formular)
                for (int c = 0; c < Nombre_caixes; ++c)
                    s.posa_caixa(static_cast<Caixa>(c), x.caixes[c]);
            if (f.correcte && f.tasca == Tasca::Anomenar) s.posa_nom(nom_esperat(x.Nom_compost));
            s.continua();
        }
        if (estat == "acabada") s.continua();
        const Vista_exercici v = vista_exercici(s);
        EXPECT_EQ(v.en_curs, f.en_curs);
        EXPECT_EQ(v.corregir, f.corregir);
        EXPECT_EQ(v.seguent, f.seguent);
        EXPECT_EQ(v.resposta_activa, f.resposta_activa);
        EXPECT_EQ(v.marc, f.marc);
        EXPECT_EQ(v.marc_curt, f.marc_curt);
        EXPECT_EQ(v.incorrecte, f.incorrecte);
        EXPECT_EQ(v.correcte, f.correcte_vist);
        EXPECT_EQ(v.nom_esperat, f.nom_esperat);
        EXPECT_EQ(v.fila_esperada, f.fila_esperada);
        EXPECT_EQ(v.serie_acabada, f.serie_acabada);
        EXPECT_EQ(v.focus, f.focus);
        EXPECT_EQ(v.instruccio, f.instruccio);
        std::string anunci = f.anunci;
        if (const auto i = anunci.find("{esperada}"); i != std::string::npos)
            anunci.replace(i, 10, f.tasca == Tasca::Formular ? x.formula() : s.nom_esperat_mostrat());
        EXPECT_TRUE(v.anunci.starts_with(anunci)) << v.anunci;
        EXPECT_EQ(v.anunci.empty(), anunci.empty()) << v.anunci;
        const bool formula_demanada = f.en_curs && f.tasca == Tasca::Formular;
        EXPECT_EQ(v.nom_demanat, formula_demanada);
        EXPECT_EQ(v.nom, f.en_curs && !formula_demanada);
        for (int c = 0; c < Nombre_caixes; ++c) {
            EXPECT_EQ(v.caixa[c], formula_demanada && x.visibles[c]) << c;
            EXPECT_EQ(v.pregunta[c], v.nom && x.visibles[c]) << c;
        }
        if (f.focus == F::Caixa) {
            EXPECT_TRUE(x.visibles[v.primera_caixa]);
        }
    }
}

// The seconds at which the countdown speaks, for limits around its marks.
TEST(Sessio, AvisosDelCompteEnrere) {
    const struct {
        int limit;
        std::vector<int> marques; // the seconds left that speak, from the limit down to 0
    } files[] = {{1, {}},       {5, {}},           {6, {5}},          {10, {5}},        {11, {10, 5}},
                 {20, {10, 5}}, {21, {11, 10, 5}}, {30, {15, 10, 5}}, {99, {50, 10, 5}}};
    for (const auto &f : files) {
        std::vector<int> marques;
        for (int queden = f.limit; queden >= 0; --queden)
            if (!avis_compte_enrere(f.limit, queden).empty()) marques.push_back(queden);
        EXPECT_EQ(marques, f.marques) << f.limit;
    }
}

// What the options area shows, and the prompt above it, in each state.
TEST(Sessio, VistaDeLesOpcionsPerEstat) {
    struct Fila {
        const char *estat;
        bool limit_temps, sense_families;
        Vista_opcions vista;
    } files[] = {
        {"inactiu", true, false, {1, 0, 1, 1, 0, 0, 1, "Configura les opcions i prem \"D'acord\"", ""}},
        {"inactiu", false, false, {1, 0, 1, 0, 0, 0, 1, "Configura les opcions i prem \"D'acord\"", ""}},
        {"inactiu", true, true, {1, 0, 1, 1, 0, 1, 0, "", ""}},
        {"iniciada", true, false, {0, 1, 0, 0, 1, 0, 0, "Prem Següent per començar el primer exercici", ""}},
        {"pregunta", false, false, {0, 1, 0, 0, 0, 0, 0, "", ""}},
    };
    for (const Fila &f : files) {
        SCOPED_TRACE(f.estat);
        FontGuionada font(2);
        MissatgesGuionats m;
        m.respostes = {true, true, true};
        Sessio s(font, m);
        s.posa_limit_temps(f.limit_temps);
        if (f.sense_families)
            for (int i = 0; i < 7; ++i)
                s.posa_familia(i, false);
        if (std::string(f.estat) != "inactiu") {
            ASSERT_TRUE(s.comenca("Anna", "1/1/2026"));
        }
        if (std::string(f.estat) == "pregunta" && f.limit_temps) s.continua();
        EXPECT_EQ(vista_opcions(s), f.vista);
    }
}
