#include "obre_arxiu.h"

#include "arxiu_actiu.h"
#include "records/arxiu_sessio.h"

namespace quimerix::ui {

std::optional<DadesSessio> llegeix_arxiu_desat(const QString &ruta, Missatges &missatges) {
    std::optional<DadesSessio> dades = llegeix_sessio(ruta);
    if (!dades) {
        missatges.avisa(Titol_programa, Missatge_error_arxiu, Icona::Exclamacio);
    } else if (dades->registres.empty()) {
        missatges.avisa(Titol_programa, Missatge_arxiu_sense_exercicis, Icona::Informacio);
        dades.reset();
    }
    return dades;
}

void imprimeix_arxiu_desat(const QString &ruta, Missatges &missatges, DialegsImpressio &dialegs) {
    if (const auto dades = llegeix_arxiu_desat(ruta, missatges))
        imprimeix_informe(*dades, missatges, dialegs);
}

} // namespace quimerix::ui
