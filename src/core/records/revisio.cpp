#include "records/revisio.h"

#include <algorithm>

#include "checking/correccio.h"
#include "checking/diagnosi.h"
#include "generation/sorteig.h"
#include "records/registre.h"

namespace quimerix {

std::string text_veredicte(Veredicte v) {
    // In the order of the verdicts.
    static constexpr const char *textos[] = {"Correcte", "Incorrecte", "Temps esgotat"};
    return textos[static_cast<int>(v)];
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

std::optional<Compost_trobat> compost_de_fila(const Taules &t, const Fila_revisio &f) {
    // A name task shows the formula and expects the name; a formula task the other way round: the
    // question is the expected answer of the other task.
    const std::string &esperada = f.correccio.empty() ? f.resposta : f.correccio;
    for (const Tasca tasca : {Tasca::Anomenar, Tasca::Formular}) {
        const std::vector<const Compost *> candidats = composts_esperats(t, altra_tasca(tasca), f.pregunta);
        if (candidats.empty()) continue;
        const Compost *triat = candidats.front();
        for (const Compost *c : candidats)
            if (composts_esperats(t, tasca, esperada) == std::vector<const Compost *>{c}) triat = c;
        Exercici x = construeix(t, triat->tipus, triat->a, triat->b, tasca);
        x.Nom_compost = nom_esperat(x.Nom_compost);
        return Compost_trobat{tasca, std::move(x)};
    }
    return std::nullopt;
}

std::vector<std::string> linies_correccio(const Correccio_mostrada &c) {
    std::vector<std::string> l;
    l.push_back("Exercici " + std::to_string(c.numero) + ": " + c.pregunta);
    l.push_back("Resposta: " + (c.resposta.empty() ? std::string("(sense resposta)") : c.resposta));
    l.push_back(text_veredicte(c.veredicte));
    if (!c.esperada.empty()) l.push_back("Resposta esperada: " + c.esperada);
    l.insert(l.end(), c.diagnosi.begin(), c.diagnosi.end());
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

Correccio_mostrada correccio_de_fila(const Taules &t, const Fila_revisio &f, bool assistent) {
    Correccio_mostrada c{f.numero, Tasca::Formular, f.pregunta, f.resposta, f.correccio, f.veredicte, {}, {}};
    if (const std::optional<Compost_trobat> trobat = compost_de_fila(t, f)) {
        c.tasca = trobat->tasca;
        c.esperada =
            trobat->tasca == Tasca::Formular ? trobat->exercici.formula() : trobat->exercici.Nom_compost;
        c.comentari = trobat->exercici.Comentari;
        if (f.veredicte != Veredicte::Correcte) {
            for (const Troballa &d : diagnostica_text(t, c.tasca, c.esperada, f.resposta, assistent)
                                         .value_or(std::vector<Troballa>{}))
                c.diagnosi.push_back(d.text);
        }
    } else if (c.esperada.empty()) {
        c.esperada = f.resposta;
    }
    return c;
}

} // namespace quimerix
