// The class summary written out: an aligned table for a terminal and a CSV for a spreadsheet.
#include <algorithm>
#include <string_view>

#include "records/resum.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

std::string omple(const std::string &text, std::size_t ample, bool dreta) {
    const std::size_t n = longitud(text);
    const std::string espais(n < ample ? ample - n : 0, ' ');
    return dreta ? espais + text : text + espais;
}

// A table of text cells, one line each; the columns flagged in `dreta` are aligned right.
std::vector<std::string> alinea(const std::vector<std::vector<std::string>> &celles,
                                const std::vector<bool> &dreta) {
    std::vector<std::size_t> ample(dreta.size(), 0);
    for (const auto &fila : celles)
        for (std::size_t c = 0; c < fila.size(); ++c)
            ample[c] = std::max(ample[c], longitud(fila[c]));
    std::vector<std::string> linies;
    for (const auto &fila : celles) {
        std::string linia;
        for (std::size_t c = 0; c < fila.size(); ++c)
            linia += (c ? "  " : "") + omple(fila[c], ample[c], dreta[c]);
        while (!linia.empty() && linia.back() == ' ')
            linia.pop_back();
        linies.push_back(linia);
    }
    return linies;
}

std::string fraccio(int encerts, int total) {
    return total > 0 ? std::to_string(encerts) + "/" + std::to_string(total) : "-";
}

std::vector<std::string> taula_alumnes(const Resum &r) {
    std::vector<std::vector<std::string>> celles;
    std::vector<std::string> capcalera{"Arxiu", "Nom", "Data", "Exercicis", "Encerts", "%", "Nota"};
    std::vector<bool> dreta{false, false, false, true, true, true, true};
    for (const char *codi : Codis_exercici) {
        capcalera.push_back(codi);
        dreta.push_back(true);
    }
    capcalera.push_back("Estat");
    dreta.push_back(false);
    celles.push_back(capcalera);
    for (const Fila_resum &f : r.files) {
        std::vector<std::string> fila{f.arxiu, f.nom, f.data};
        const bool llegida = f.estat != Estat_fila::Illegible;
        fila.push_back(llegida ? std::to_string(f.exercicis) : "");
        fila.push_back(llegida ? std::to_string(f.encerts) : "");
        fila.push_back(llegida && f.exercicis > 0 ? std::to_string(f.percentatge) : "");
        fila.push_back(llegida && f.exercicis > 0 ? text_nota(f.nota) : "");
        for (int k = 0; k < Nombre_codis; ++k)
            fila.push_back(llegida ? fraccio(f.encerts_familia[k], f.total_familia[k]) : "");
        fila.push_back(text_estat(f.estat));
        celles.push_back(fila);
    }
    return alinea(celles, dreta);
}

std::string vegades(int n) {
    return std::to_string(n) + (n == 1 ? " vegada" : " vegades");
}

} // namespace

namespace {

// A mark with the given decimal separator in place of the report's apostrophe.
std::string nota_amb(int nota, char separador) {
    std::string t = text_nota(nota);
    std::replace(t.begin(), t.end(), '\'', separador);
    return t;
}

} // namespace

std::string nota_decimal(int nota) {
    return nota_amb(nota, '.');
}

Text_resum text_resum(const Resum &r) {
    Text_resum t;
    t.xifres = "Alumnes: " + std::to_string(r.alumnes);
    if (r.illegibles > 0) t.xifres += "    Arxius il·legibles: " + std::to_string(r.illegibles);
    if (r.fora_examen > 0) t.xifres += "    No són de l'examen: " + std::to_string(r.fora_examen);
    t.xifres +=
        "    Nota mitjana: " + (r.alumnes_amb_nota > 0 ? nota_amb(r.nota_mitjana, ',') : std::string("-"));
    if (r.fora_mitjana > 0)
        t.xifres += " (en deixa fora " + std::to_string(r.fora_mitjana) +
                    (r.fora_mitjana == 1 ? " arxiu)" : " arxius)");
    t.llegenda = {"no quadra: els comptadors de l'arxiu no coincideixen amb els exercicis que té "
                  "anotats; no compta per a la nota mitjana.",
                  "il·legible: l'arxiu no s'ha pogut llegir; no compta per a res.",
                  "no és de l'examen: els exercicis de l'arxiu no són els de l'examen, en ordre; no "
                  "compta per a cap xifra de la classe."};
    t.alumnes = taula_alumnes(r);

    std::vector<std::vector<std::string>> families;
    for (const Quota_familia &q : r.families)
        families.push_back({Noms_familia[q.familia], Codis_exercici[q.familia], fraccio(q.encerts, q.total),
                            q.total > 0 ? std::to_string(percentatge(q.encerts, q.total)) + " %" : ""});
    t.families = alinea(families, {false, false, true, true});

    std::vector<std::vector<std::string>> fallats;
    for (std::size_t i = 0; i < r.mes_fallats.size(); ++i) {
        const Compost_fallat &c = r.mes_fallats[i];
        fallats.push_back({std::to_string(i + 1) + ".", c.nom, c.formula, vegades(c.vegades)});
    }
    t.fallats =
        fallats.empty() ? std::vector<std::string>{"cap"} : alinea(fallats, {true, false, false, true});
    return t;
}

std::string taula_resum(const Resum &r) {
    const Text_resum t = text_resum(r);
    std::string text = std::string(Titol_resum) + "\n\n" + t.xifres + "\n\n";
    for (const std::string &l : t.alumnes)
        text += l + "\n";
    text += std::string("\n") + Titol_families + "\n";
    for (const std::string &l : t.families)
        text += "  " + l + "\n";
    text += std::string("\n") + Titol_fallats + "\n";
    for (const std::string &l : t.fallats)
        text += "  " + l + "\n";
    return text;
}

std::string cella_de_text(const std::string &text) {
    std::string cella = utf8_valid(text);
    if (!cella.empty() && std::string_view("=+-@\t\r").find(cella.front()) != std::string_view::npos)
        cella.insert(0, 1, '\'');
    return cella;
}

namespace {

// A text field: made safe for a spreadsheet, then quoted when it holds a separator, a quote or a
// line break.
std::string camp_csv(const std::string &text) {
    const std::string cella = cella_de_text(text);
    if (cella.find_first_of(",\"\r\n") == std::string::npos) return cella;
    std::string camp = "\"";
    for (const char c : cella)
        camp += c == '"' ? std::string("\"\"") : std::string(1, c);
    return camp + "\"";
}

} // namespace

std::string csv_resum(const Resum &r) {
    std::string text = "arxiu,nom,data,exercicis,encerts,percentatge,nota,estat";
    for (const char *codi : Codis_exercici)
        text += std::string(",") + codi + "_encerts," + codi + "_total";
    text += "\r\n";
    for (const Fila_resum &f : r.files) {
        const bool llegida = f.estat != Estat_fila::Illegible;
        const auto nombre = [llegida](int n) { return llegida ? std::to_string(n) : std::string(); };
        text += camp_csv(f.arxiu) + "," + camp_csv(f.nom) + "," + camp_csv(f.data) + "," +
                nombre(f.exercicis) + "," + nombre(f.encerts) + "," +
                (llegida && f.exercicis > 0 ? std::to_string(f.percentatge) : "") + "," +
                (llegida && f.exercicis > 0 ? nota_decimal(f.nota) : "") + "," +
                camp_csv(text_estat(f.estat));
        for (int k = 0; k < Nombre_codis; ++k)
            text += "," + nombre(f.encerts_familia[k]) + "," + nombre(f.total_familia[k]);
        text += "\r\n";
    }
    return text;
}

} // namespace quimerix
