#include "obre_arxiu.h"

#include "arxiu_actiu.h"
#include "records/arxiu_sessio.h"

namespace quimerix::ui {

void imprimeix_arxiu_desat(const QString &ruta, Missatges &missatges, DiàlegsImpressió &diàlegs) {
    const std::optional<DadesSessió> dades = llegeix_sessió(ruta);
    if (!dades) {
        missatges.avisa(Títol_programa, Missatge_error_arxiu, Icona::Exclamació);
        return;
    }
    imprimeix_informe(*dades, missatges, diàlegs);
}

} // namespace quimerix::ui
