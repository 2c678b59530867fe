#include "records/revisio.h"

#include <algorithm>

#include "checking/correccio.h"
#include "generation/sorteig.h"
#include "records/registre.h"

namespace quimerix {

std::string text_veredicte(Veredicte v) {
    switch (v) {
    case Veredicte::Correcte:
        return "Correcte";
    case Veredicte::Incorrecte:
        return "Incorrecte";
    case Veredicte::Temps:
        return "Temps esgotat";
    }
    return {};
}

std::vector<Fila_revisio> files_revisio(const DadesSessio &d, const std::vector<int> &esgotats) {
    std::vector<Fila_revisio> files;
    for (const std::string &linia : d.registres) {
        const std::optional<Linia_registre> l = llegeix_linia_registre(linia);
        if (!l) continue;
        Fila_revisio f{l->numero, l->pregunta, l->resposta, l->correccio, Veredicte::Correcte};
        if (!l->correcte)
            f.veredicte = std::find(esgotats.begin(), esgotats.end(), l->numero) != esgotats.end()
                              ? Veredicte::Temps
                              : Veredicte::Incorrecte;
        files.push_back(std::move(f));
    }
    return files;
}

std::string text_fila(const Fila_revisio &f) {
    const std::string resposta = f.resposta.empty() ? "(sense resposta)" : f.resposta;
    return std::to_string(f.numero) + ". " + f.pregunta + " \u2192 " + resposta + " \u2014 " +
           text_veredicte(f.veredicte);
}

// Each compound of the catalogue as both tasks build it, with the texts a record line holds.
struct Index_cataleg::Entrada {
    Tasca tasca;
    std::string formula; // as the record writes it
    std::string nom;     // as the exercise asks and expects it
    Exercici exercici;
};

Index_cataleg::Index_cataleg(const Taules &t) {
    for (const Entrada_cataleg &e : cataleg(t))
        for (Tasca tasca : {Tasca::Formular, Tasca::Anomenar}) {
            Exercici x = construeix(t, e.tipus, e.a, e.b, tasca);
            x.Nom_compost = nom_esperat(x.Nom_compost);
            entrades_.push_back({tasca, formula_registre(x), x.Nom_compost, std::move(x)});
        }
}

Index_cataleg::~Index_cataleg() = default;

std::optional<Compost_trobat> Index_cataleg::cerca(const Fila_revisio &f) const {
    // A name task shows the formula and expects the name; a formula task the other way round.
    // The expected answer, when the record holds it, tells apart compounds of the same question.
    const Entrada *primera = nullptr;
    for (const Entrada &e : entrades_) {
        const bool anomenar = e.tasca == Tasca::Anomenar;
        const std::string &pregunta = anomenar ? e.formula : e.nom;
        const std::string &resposta = anomenar ? e.nom : e.formula;
        if (pregunta != f.pregunta) continue;
        const std::string &esperada = f.correccio.empty() ? f.resposta : f.correccio;
        if (resposta == esperada) return Compost_trobat{e.tasca, e.exercici};
        if (!primera) primera = &e;
    }
    if (primera) return Compost_trobat{primera->tasca, primera->exercici};
    return std::nullopt;
}

std::vector<std::string> linies_correccio(const Correccio_mostrada &c) {
    std::vector<std::string> l;
    l.push_back("Exercici " + std::to_string(c.numero) + ": " + c.pregunta);
    l.push_back("Resposta: " + (c.resposta.empty() ? std::string("(sense resposta)") : c.resposta));
    l.push_back(text_veredicte(c.veredicte));
    if (!c.esperada.empty()) l.push_back("Resposta esperada: " + c.esperada);
    if (!c.comentari.empty()) {
        l.emplace_back();
        l.push_back("Comentari del professor:");
        std::size_t inici = 0;
        for (;;) {
            const std::size_t fi = c.comentari.find("\r\n", inici);
            l.push_back(c.comentari.substr(inici, fi == std::string::npos ? fi : fi - inici));
            if (fi == std::string::npos) break;
            inici = fi + 2;
        }
    }
    return l;
}

Correccio_mostrada correccio_de_fila(const Index_cataleg &index, const Fila_revisio &f) {
    Correccio_mostrada c{f.numero, Tasca::Formular, f.pregunta, f.resposta, f.correccio, f.veredicte, {}};
    if (const std::optional<Compost_trobat> t = index.cerca(f)) {
        c.tasca = t->tasca;
        c.esperada = t->tasca == Tasca::Formular ? t->exercici.formula() : t->exercici.Nom_compost;
        c.comentari = t->exercici.Comentari;
    } else if (c.esperada.empty()) {
        c.esperada = f.resposta;
    }
    return c;
}

} // namespace quimerix
