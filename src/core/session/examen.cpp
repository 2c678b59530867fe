#include "session/examen.h"

#include <algorithm>

#include "generation/font_llavor.h"
#include "records/impressio.h"
#include "records/registre.h"
#include "session/sessio.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

// The exam's session answers every question No and ignores the notices: it asks nothing of
// anyone, and its set ends without a report.
class Sense_missatges final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return false; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

std::string pregunta_del_registre(const Sessio &s) {
    const Exercici &e = s.Exercici_actual();
    const std::string linia = s.Mode_exercici() == Tasca::Formular
                                  ? linia_registre_formula(1, s.nom_demanat(), e, {}, false)
                                  : linia_registre_nom(1, e, "", s.nom_esperat_mostrat(), false);
    const auto l = llegeix_linia_registre(linia);
    return l ? l->pregunta : std::string();
}

} // namespace

std::vector<Exercici_examen> exercicis_examen(const Examen &e) {
    // The session's own source shuffles its first decks; the exam then draws everything again
    // from its seed, as the window does when a code is typed.
    FontLlavor font(e.llavor);
    Sense_missatges missatges;
    Sessio s(font, missatges);
    s.posa_examen(e);
    // A file "chosen" without a writer: the start asks nothing and writes nothing.
    s.posa_arxiu_actiu(true);
    std::vector<Exercici_examen> llista;
    if (!s.comenca("Examen", "-")) return llista;
    while (!s.serie_acabada()) {
        if (s.estat() == Estat::Pregunta) {
            const Exercici &x = s.Exercici_actual();
            const Tasca t = *s.Mode_exercici();
            llista.push_back({s.numero_exercici(), t, x.Codi_exercici,
                              t == Tasca::Formular ? s.nom_demanat() : x.formula(),
                              t == Tasca::Formular ? x.formula() : s.nom_esperat_mostrat(),
                              pregunta_del_registre(s)});
            s.corregeix();
        } else {
            s.Seguent();
        }
    }
    return llista;
}

const std::array<const char *, Nombre_caselles> Titols_families{
    "Òxids",     "Hidrurs",  "Sals binàries", "Compostos binàris no metall-no metall",
    "Hidròxids", "Oxoàcids", "Oxosals"};
const std::array<const char *, 4> Titols_tasques{"Formular", "Anomenar", "Formular i anomenar (alternat)",
                                                 "Formular i anomenar (aleatori)"};

namespace {

std::string omple(const std::string &text, std::size_t ample) {
    const std::size_t n = longitud(text);
    return n < ample ? text + std::string(ample - n, ' ') : text;
}

std::string si_no(bool v) {
    return v ? "sí" : "no";
}

} // namespace

std::vector<std::string> clau_examen(const std::string &codi, const Examen &e,
                                     const std::vector<Exercici_examen> &exercicis) {
    std::vector<std::string> l;
    l.push_back("Examen " + codi);
    std::string families;
    for (int i = 0; i < Nombre_caselles; ++i)
        if (e.families[i]) families += (families.empty() ? "" : ", ") + std::string(Titols_families[i]);
    l.push_back("Famílies: " + families);
    l.push_back("Tasca: " + std::string(Titols_tasques[e.tasca - 1]));
    l.push_back("Exercicis: " + std::to_string(exercicis.size()) + "    Temps per resposta: " +
                (e.segons > 0 ? std::to_string(e.segons) + " s" : std::string("sense límit")) +
                "    Assistent ortogràfic: " + si_no(e.assistent) + "    Consulta: " + si_no(e.consulta));
    l.emplace_back();
    std::size_t ample_pregunta = longitud("Pregunta");
    for (const Exercici_examen &x : exercicis)
        ample_pregunta = std::max(ample_pregunta, longitud(x.pregunta));
    const std::size_t ample_numero = std::to_string(exercicis.size()).size() + 1;
    const auto linia = [&](const std::string &n, const std::string &t, const std::string &p,
                           const std::string &r) {
        std::string text = std::string(n.size() < ample_numero ? ample_numero - n.size() : 0, ' ') + n +
                           "  " + omple(t, 8) + "  " + omple(p, ample_pregunta) + "  " + r;
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    };
    l.push_back(linia("N.", "Tasca", "Pregunta", "Resposta"));
    for (const Exercici_examen &x : exercicis)
        l.push_back(linia(std::to_string(x.numero) + ".",
                          x.tasca == Tasca::Formular ? "Formular" : "Anomenar", x.pregunta, x.resposta));
    return l;
}

Document_impressio document_examen(const std::vector<std::string> &clau) {
    constexpr std::size_t Linies_pagina = 60;
    constexpr std::size_t Capcalera = 6; // the options, the gap and the column titles
    Document_impressio d;
    d.apaisat = false;
    Redactor_impressio w(d);
    int pagina = 1;
    const auto peu = [&] {
        w.fi_linia();
        w.mida(8);
        w.text("Clau de l'examen elaborada amb el programa QUIMERIX    pàgina " + std::to_string(pagina));
        w.mida(10);
    };
    w.mida(10);
    std::size_t a_la_pagina = 0;
    for (std::size_t i = 0; i < clau.size(); ++i) {
        if (a_la_pagina == Linies_pagina) {
            peu();
            w.nova_pagina();
            ++pagina;
            a_la_pagina = 0;
            // Every page repeats the column titles.
            if (clau.size() >= Capcalera) {
                w.negreta(true);
                w.text(clau[Capcalera - 1]);
                w.negreta(false);
                w.fi_linia();
                ++a_la_pagina;
            }
        }
        const bool titol = i == 0 || i == Capcalera - 1;
        if (titol) w.negreta(true);
        w.text(clau[i]);
        if (titol) w.negreta(false);
        w.fi_linia();
        ++a_la_pagina;
    }
    peu();
    return d;
}

bool es_de_l_examen(const DadesSessio &d, const std::vector<Exercici_examen> &examen) {
    if (d.registres.size() > examen.size()) return false;
    for (std::size_t i = 0; i < d.registres.size(); ++i) {
        const auto l = llegeix_linia_registre(d.registres[i]);
        if (!l || l->numero != static_cast<int>(i + 1) || l->pregunta != examen[i].pregunta_registre)
            return false;
    }
    return true;
}

} // namespace quimerix
