// quimerix-eines informe: the printed report of a stored session, written to PDF with no printer
// and no display.

#include <QString>
#include <iostream>
#include <variant>

#include "fitxers.h"
#include "ordres.h"
#include "pintor.h"
#include "records/arxiu_sessio.h"
#include "records/informe.h"
#include "records/sortida.h"
#include "sense_pantalla.h"
#include "text.h"

using namespace quimerix;

namespace {

int falla(const std::string &cami, const std::string &missatge) {
    std::cerr << "quimerix-eines: " << eines::visible(cami) << ": " << missatge << "\n";
    return 1;
}

int informe_pdf(const eines::Arguments &args) {
    const std::string &cami = args.posicionals().front();
    const std::string sortida = *args.valor("--pdf");
    if (sortida == eines::Sortida_estandard)
        return eines::error_us(eines::ordre_informe,
                               "el PDF no es pot escriure a la sortida estàndard («-»)");
    const auto desti = desti_de_sortida(sortida);
    if (const auto *motiu = std::get_if<std::string>(&desti))
        return falla(sortida, "no s'ha pogut escriure el document PDF: " + *motiu);
    const auto bytes = eines::llegeix_fitxer(cami);
    if (!bytes) return falla(cami, Missatge_error_arxiu);
    const Lectura_arxiu lectura = llegeix_arxiu(*bytes);
    const auto *dades = std::get_if<DadesSessio>(&lectura);
    if (dades == nullptr) return falla(cami, Missatge_error_arxiu);
    const auto document = informe(*dades);
    if (!document) return falla(cami, Missatge_error_impressio);

    impressio::AplicacioSensePantalla aplicacio;
    const auto pdf = impressio::pdf(*document);
    if (!pdf) return falla(sortida, "no s'ha pogut escriure el document PDF");
    if (const auto error = eines::desa_fitxers({{sortida, std::get<Desti>(desti), pdf->toStdString()}}))
        return falla(sortida, "no s'ha pogut escriure el document PDF: " + error->motiu);
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_informe{
    .nom = "informe",
    .descripcio = "escriu en PDF l'informe imprès d'un arxiu de sessió",
    .opcions = {eines::obligatoria("--pdf", "SORTIDA.pdf", "el document PDF que s'escriu")},
    .posicionals = eines::Un_arxiu,
    .executa = informe_pdf,
};
