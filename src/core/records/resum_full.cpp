// The class summary as the sheets of a spreadsheet: the class, the families, the most-missed
// compounds; numbers as numbers.
#include "records/resum.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

using Tipus = Cella_full::Tipus;

// A text cell: valid UTF-8 (U+FFFD for every stray byte) without the control characters a
// spreadsheet's XML cannot hold (each becomes U+FFFD, tab and line feed excepted).
Cella_full text(const std::string &t) {
    std::string net;
    for (const char c : utf8_valid(t)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\n') || u == 0x7F)
            net += "\xEF\xBF\xBD";
        else
            net += c;
    }
    return {Tipus::Text, net, 0};
}
Cella_full enter(int n) {
    return {Tipus::Enter, {}, static_cast<double>(n)};
}
Cella_full nota(int centesimes) {
    return {Tipus::Nota, {}, centesimes / 100.0};
}
Cella_full quota(int encerts, int total) {
    if (total <= 0) return {};
    return {Tipus::Percentatge, {}, static_cast<double>(encerts) / total};
}

} // namespace

std::vector<Full_resum> fulls_resum(const Resum &r) {
    Full_resum classe{"Classe",
                      {"arxiu", "nom", "data", "exercicis", "encerts", "percentatge", "nota", "estat"},
                      {},
                      {16, 28, 11, 9, 8, 11, 6, 17}};
    for (const char *codi : Codis_exercici) {
        classe.capcalera.push_back(std::string(codi) + "_encerts");
        classe.capcalera.push_back(std::string(codi) + "_total");
        classe.amplades.insert(classe.amplades.end(), {11, 9});
    }
    for (const Fila_resum &f : r.files) {
        const bool llegida = f.estat != Estat_fila::Illegible;
        const bool amb_nota = llegida && f.exercicis > 0;
        std::vector<Cella_full> fila{text(f.arxiu),
                                     text(f.nom),
                                     text(f.data),
                                     llegida ? enter(f.exercicis) : Cella_full{},
                                     llegida ? enter(f.encerts) : Cella_full{},
                                     amb_nota ? enter(f.percentatge) : Cella_full{},
                                     amb_nota ? nota(f.nota) : Cella_full{},
                                     text(text_estat(f.estat))};
        for (int k = 0; k < Nombre_codis; ++k) {
            fila.push_back(llegida ? enter(f.encerts_familia[k]) : Cella_full{});
            fila.push_back(llegida ? enter(f.total_familia[k]) : Cella_full{});
        }
        classe.files.push_back(std::move(fila));
    }

    Full_resum families{
        "Famílies", {"família", "codi", "encerts", "total", "percentatge"}, {}, {38, 6, 8, 8, 11}};
    for (const Quota_familia &q : r.families)
        families.files.push_back({text(Noms_familia[q.familia]), text(Codis_exercici[q.familia]),
                                  enter(q.encerts), enter(q.total), quota(q.encerts, q.total)});

    Full_resum errors{"Més errors", {"compost", "fórmula", "errors"}, {}, {40, 14, 8}};
    for (const Compost_fallat &c : r.mes_fallats)
        errors.files.push_back({text(c.nom), text(c.formula), enter(c.vegades)});
    return {classe, families, errors};
}

} // namespace quimerix
