// quimerix-eines resum: the teacher's summary of a class's session files.

#include <iostream>
#include <variant>

#include "fitxers.h"
#include "ordres.h"
#include "pintor.h"
#include "records/arxiu_sessio.h"
#include "records/impressio.h"
#include "records/resum.h"
#include "sense_pantalla.h"
#include "text.h"

using namespace quimerix;

namespace {

// Texts read from the files reach the terminal with their control characters escaped.
Resum visible(Resum r) {
    for (Fila_resum &f : r.files) {
        f.arxiu = eines::visible(f.arxiu);
        f.nom = eines::visible(f.nom);
        f.data = eines::visible(f.data);
    }
    for (Compost_fallat &c : r.mes_fallats) {
        c.nom = eines::visible(c.nom);
        c.formula = eines::visible(c.formula);
    }
    return r;
}

int error_escriptura(const std::string &cami, const std::string &motiu) {
    std::cerr << "quimerix-eines resum: no s'ha pogut desar «" << eines::visible(cami) << "»: " << motiu
              << ".\n";
    return 1;
}

int resum(const eines::Arguments &args) {
    std::vector<Sessio_llegida> sessions;
    for (const std::string &cami : args.posicionals()) {
        Sessio_llegida s{cami, std::nullopt};
        if (const auto bytes = eines::llegeix_fitxer(cami)) s.dades = llegeix_per_resum(*bytes);
        if (!s.dades)
            std::cerr << "quimerix-eines resum: «" << eines::visible(cami)
                      << "» és il·legible: " << Missatge_error_arxiu << ".\n";
        sessions.push_back(std::move(s));
    }
    const Resum r = resumeix(sessions);
    const auto csv = args.valor("--csv"), pdf = args.valor("--pdf");
    if (csv) {
        if (const auto motiu = eines::desa_fitxer(*csv, csv_resum(r))) return error_escriptura(*csv, *motiu);
    }
    if (pdf) {
        const impressio::AplicacioSensePantalla aplicacio;
        if (!impressio::desa_pdf(document_resum(visible(r)), QString::fromStdString(*pdf)))
            return error_escriptura(*pdf, "no s'ha pogut crear el PDF");
    }
    if (!csv && !pdf) std::cout << taula_resum(visible(r));
    return r.illegibles > 0 ? 1 : 0;
}

} // namespace

const eines::Ordre eines::ordre_resum{
    .nom = "resum",
    .us = "FITXER.qxs… [--csv SORTIDA.csv] [--pdf SORTIDA.pdf]",
    .descripcio = "resumeix els arxius de sessió d'una classe",
    .opcions = {{.nom = "--csv",
                 .valor = "SORTIDA.csv",
                 .ajuda = "desa el resum en CSV (UTF-8)",
                 .admet_buit = false},
                {.nom = "--pdf",
                 .valor = "SORTIDA.pdf",
                 .ajuda = "desa el resum imprès en PDF (apaïsat)",
                 .admet_buit = false}},
    .posicional = "FITXER.qxs",
    .minim_posicionals = 1,
    .maxim_posicionals = static_cast<std::size_t>(-1),
    .executa = resum,
};
