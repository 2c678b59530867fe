#include "ordres.h"

#include <iostream>
#include <string>

#include "generation/sorteig.h"
#include "text.h"

using namespace quimerix;
using eines::json;

namespace {

int executa_cataleg(const eines::Arguments &args) {
    const bool en_json = args.te("--json");
    const Taules t = Taules::carrega();
    std::string sortida;
    for (const Entrada_cataleg &e : cataleg(t)) {
        const Exercici formular = construeix(t, e.tipus, e.a, e.b, Tasca::Formular);
        if (!en_json) {
            sortida +=
                formular.Codi_exercici + "\t" + formular.formula() + "\t" + formular.Nom_compost + "\n";
            continue;
        }
        const Exercici anomenar = construeix(t, e.tipus, e.a, e.b, Tasca::Anomenar);
        sortida += "{\"codi\":" + json(formular.Codi_exercici) + ",\"formula\":" + json(formular.formula()) +
                   ",\"caixes\":[";
        for (int c = 0; c < Nombre_caixes; ++c)
            sortida += (c ? "," : "") + json(formular.caixes[c]);
        sortida += "],\"nom\":" + json(formular.Nom_compost) +
                   ",\"comentari_formular\":" + json(formular.Comentari) +
                   ",\"comentari_anomenar\":" + json(anomenar.Comentari) + "}\n";
    }
    std::cout << sortida;
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_cataleg{
    .nom = "cataleg",
    .descripcio = "escriu tots els compostos que el programa pot preguntar",
    .opcions = {eines::marca("--json", "una línia JSON per compost, amb les caixes i els comentaris")},
    .executa = executa_cataleg,
};
