#pragma once
// Sessions of known figures for the summary's tests, the tool's tests and the benchmark: record
// lines written by the correction's own line builders for compounds of the catalogue.

#include <map>
#include <string>
#include <vector>

#include "checking/correccio.h"
#include "data/taules.h"
#include "generation/sorteig.h"
#include "records/dades_sessio.h"
#include "records/registre.h"
#include "text/utf8.h"

namespace prova {

// A compound as both tasks build it.
struct Compost {
    quimerix::Exercici formular, anomenar;
};

// Every compound the program can ask, by its plain formula.
inline const std::map<std::string, Compost> &compostos() {
    using namespace quimerix;
    static const std::map<std::string, Compost> c = [] {
        const Taules t = Taules::carrega();
        std::map<std::string, Compost> m;
        for (const Entrada_cataleg &e : cataleg(t))
            m[construeix(t, e.tipus, e.a, e.b, Tasca::Formular).formula()] = {
                construeix(t, e.tipus, e.a, e.b, Tasca::Formular),
                construeix(t, e.tipus, e.a, e.b, Tasca::Anomenar)};
        return m;
    }();
    return c;
}

// The record line of exercise N as the correction writes it: a formula task (mode 1) answered with
// a wrong element when wrong, or a name task (mode 2) answered "nom equivocat" when wrong.
inline std::string registre(int N, const Compost &c, int mode, bool correcte) {
    using namespace quimerix;
    if (tasca_de_digit(mode) == Tasca::Formular) {
        auto resposta = c.formular.caixes;
        if (!correcte) resposta[Simbol2] = "Xy";
        return linia_registre_formula(N, c.formular.Nom_compost, c.formular, resposta, correcte);
    }
    return linia_registre_nom(N, c.anomenar, correcte ? c.anomenar.Nom_compost : "nom equivocat",
                              c.anomenar.Nom_compost, correcte);
}

struct Exercici_fet {
    std::string formula;
    int mode;
    bool correcte;
};

// A session whose counters agree with its records.
inline quimerix::DadesSessio sessio(const std::string &nom, const std::string &data,
                                    const std::vector<Exercici_fet> &fets) {
    using namespace quimerix;
    DadesSessio d;
    d.capcalera = "Nom i cognoms: " + nom + std::string(66 - longitud(nom), ' ') + "  Data: " + data;
    for (const Exercici_fet &f : fets) {
        const Compost &c = compostos().at(f.formula);
        d.registres.push_back(registre(static_cast<int>(d.registres.size()) + 1, c, f.mode, f.correcte));
        ++(f.correcte ? d.encerts : d.errors)[index_codi(c.formular.Codi_exercici)];
    }
    return d;
}

} // namespace prova
