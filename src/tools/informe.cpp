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
    const auto bytes = eines::llegeix_fitxer(cami);
    if (!bytes) return falla(cami, Missatge_error_arxiu);
    const Lectura_arxiu lectura = llegeix_arxiu(*bytes);
    const auto *dades = std::get_if<DadesSessio>(&lectura);
    if (dades == nullptr) return falla(cami, Missatge_error_arxiu);
    const auto document = informe(*dades);
    if (!document) return falla(cami, Missatge_error_impressio);

    impressio::AplicacioSensePantalla aplicacio;
    if (!impressio::desa_pdf(*document, QString::fromStdString(sortida)))
        return falla(sortida, "no s'ha pogut escriure el document PDF");
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_informe{
    .nom = "informe",
    .us = "FITXER.qxs --pdf SORTIDA.pdf",
    .descripcio = "escriu en PDF l'informe imprès d'un arxiu de sessió",
    .opcions = {{.nom = "--pdf",
                 .valor = "SORTIDA.pdf",
                 .ajuda = "el document PDF que s'escriu",
                 .obligatoria = true,
                 .admet_buit = false}},
    .posicional = "FITXER.qxs",
    .minim_posicionals = 1,
    .maxim_posicionals = 1,
    .executa = informe_pdf,
};
