#include "obre_arxiu.h"

#include "arxiu_actiu.h"
#include "records/arxiu_sessio.h"

namespace quimerix::ui {

void imprimeix_arxiu_desat(const QString &ruta, Missatges &missatges, DialegsImpressio &dialegs) {
    const std::optional<DadesSessio> dades = llegeix_sessio(ruta);
    if (!dades) {
        missatges.avisa(Titol_programa, Missatge_error_arxiu, Icona::Exclamacio);
        return;
    }
    imprimeix_informe(*dades, missatges, dialegs);
}

} // namespace quimerix::ui
