// quimerix-eines resum: the teacher's summary of a class's session files.

#include <QCollator>
#include <QLocale>
#include <QString>
#include <iostream>
#include <optional>
#include <variant>

#include "fitxers.h"
#include "full_calcul.h"
#include "ordres.h"
#include "pintor.h"
#include "records/arxiu_sessio.h"
#include "records/codi_examen.h"
#include "records/impressio.h"
#include "records/resum.h"
#include "records/sortida.h"
#include "sense_pantalla.h"
#include "session/examen.h"
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

// Where an output option leads, checked before any session file is read; nothing, with the reason
// on standard error, when it may not be written.
std::optional<Desti> desti(const std::string &cami) {
    auto d = desti_de_sortida(cami);
    if (const auto *motiu = std::get_if<std::string>(&d)) {
        error_escriptura(cami, *motiu);
        return std::nullopt;
    }
    return std::get<Desti>(std::move(d));
}

// Names in the order of a Catalan reader: accents and case second to the letters, l·l as ll.
void ordena_en_catala(Resum &r) {
    QCollator catala(QLocale(QLocale::Catalan, QLocale::Spain));
    catala.setCaseSensitivity(Qt::CaseInsensitive);
    catala.setNumericMode(true);
    ordena_files(r, [&catala](const std::string &a, const std::string &b) {
        return catala.compare(QString::fromStdString(a), QString::fromStdString(b));
    });
}

int resum(const eines::Arguments &args) {
    const auto csv = args.valor("--csv"), pdf = args.valor("--pdf"), xlsx = args.valor("--xlsx");
    if (xlsx && *xlsx == eines::Sortida_estandard)
        return eines::error_us(eines::ordre_resum,
                               "el full de càlcul no es pot escriure a la sortida estàndard («-»)");
    std::optional<std::vector<Exercici_examen>> examen;
    if (const auto codi = args.valor("--examen")) {
        const auto lectura = llegeix_codi_examen(*codi);
        if (const auto *motiu = std::get_if<std::string>(&lectura))
            return eines::error_us(eines::ordre_resum, *motiu);
        examen = exercicis_examen(std::get<Examen>(lectura));
    }
    if (pdf && *pdf == eines::Sortida_estandard)
        return eines::error_us(eines::ordre_resum, "el PDF no es pot escriure a la sortida estàndard («-»)");
    const bool csv_estandard = csv && *csv == eines::Sortida_estandard;
    std::optional<Desti> desti_csv, desti_pdf, desti_xlsx;
    if (csv && !csv_estandard && !(desti_csv = desti(*csv))) return 1;
    if (pdf && !(desti_pdf = desti(*pdf))) return 1;
    if (xlsx && !(desti_xlsx = desti(*xlsx))) return 1;

    std::vector<Sessio_llegida> sessions;
    for (const std::string &cami : args.posicionals()) {
        Sessio_llegida s{cami, std::nullopt};
        if (const auto bytes = eines::llegeix_fitxer(cami)) s.dades = llegeix_per_resum(*bytes);
        if (!s.dades)
            std::cerr << "quimerix-eines resum: «" << eines::visible(cami)
                      << "» és il·legible (no s'ha pogut obrir)\n";
        sessions.push_back(std::move(s));
    }
    Es_de_l_examen de_l_examen;
    if (examen) de_l_examen = [&examen](const DadesSessio &d) { return es_de_l_examen(d, *examen); };
    Resum r = resumeix(sessions, de_l_examen);
    ordena_en_catala(r);

    // Every output made in memory first, then written all together or not at all.
    std::vector<eines::Escriptura> escriptures;
    if (desti_csv) escriptures.push_back({*csv, *desti_csv, csv_resum(r)});
    if (desti_xlsx) {
        std::string motiu;
        auto llibre = eines::llibre_xlsx(fulls_resum(r), motiu);
        if (!llibre) return error_escriptura(*xlsx, motiu);
        escriptures.push_back({*xlsx, *desti_xlsx, std::move(*llibre)});
    }
    if (desti_pdf) {
        const impressio::AplicacioSensePantalla aplicacio;
        const auto document = impressio::pdf(document_resum(visible(r)));
        if (!document) return error_escriptura(*pdf, "no s'ha pogut crear el PDF");
        escriptures.push_back({*pdf, *desti_pdf, document->toStdString()});
    }
    if (const auto error = eines::desa_fitxers(escriptures)) {
        error_escriptura(error->cami, error->motiu);
        for (const std::string &desat : error->desats)
            std::cerr << "quimerix-eines resum: «" << eines::visible(desat) << "» sí que s'ha desat.\n";
        if (error->desats.empty() && escriptures.size() > 1)
            std::cerr << "quimerix-eines resum: no s'ha desat cap fitxer.\n";
        return 1;
    }
    if (csv_estandard)
        std::cout << csv_resum(r);
    else if (!csv && !pdf && !xlsx)
        std::cout << taula_resum(visible(r));
    return r.illegibles > 0 ? 1 : 0;
}

} // namespace

const eines::Ordre eines::ordre_resum{
    .nom = "resum",
    .descripcio = "resumeix els arxius de sessió d'una classe",
    .opcions = {eines::opcional("--csv", "SORTIDA.csv",
                                "desa el resum en CSV (UTF-8); «-», a la sortida estàndard"),
                eines::opcional("--pdf", "SORTIDA.pdf", "desa el resum imprès en PDF (apaïsat)"),
                eines::opcional("--xlsx", "SORTIDA.xlsx",
                                "desa el resum en un full de càlcul (fulls Classe, Famílies i Més errors)"),
                eines::opcional("--examen", "CODI",
                                "marca els arxius que no són de l'examen i els deixa fora de les xifres")},
    .posicionals = {.nom = "FITXER.qxs", .minim = 1, .maxim = static_cast<std::size_t>(-1)},
    .executa = resum,
};
