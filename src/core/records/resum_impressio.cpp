// The class summary on paper: landscape pages of the class table, then the family shares and the
// most-missed compounds, in the report's fixed-pitch lettering.
#include "records/impressio.h"
#include "records/resum.h"

#include <algorithm>

#include "text/utf8.h"

namespace quimerix {

namespace {

class Impres {
  public:
    Impres(const Resum &r, Document_impressio &d) : r_(r), t_(text_resum(r)), w_(d) {}

    void escriu() {
        const std::vector<std::string> &alumnes = t_.alumnes;
        const std::size_t files = alumnes.size() - 1; // the first line holds the column titles
        capcalera(true);
        for (std::size_t i = 0; i < files; ++i) {
            if (i > 0 && i % Files_resum_per_pagina == 0) {
                salt_de_pagina();
                capcalera(true);
            }
            w_.color(r_.files[i].estat == Estat_fila::Correcte ? Color::Negre : Color::Vermell);
            w_.text(Marge + alumnes[i + 1]);
            w_.fi_linia();
            w_.color(Color::Negre);
        }
        // The shares and the compounds follow the table when the page has room for them.
        const std::size_t a_la_darrera = files == 0 ? 0 : (files - 1) % Files_resum_per_pagina + 1;
        if (1 + a_la_darrera + Linies_bloc_final > Linies_cos_resum) {
            salt_de_pagina();
            capcalera(false);
        }
        bloc(Titol_families, t_.families);
        bloc(Titol_fallats, t_.fallats);
        bloc(Titol_llegenda, t_.llegenda);
        // The two pictures on a page of their own.
        salt_de_pagina();
        capcalera(false);
        grafic_families();
        grafic_notes();
        peu();
    }

  private:
    static constexpr const char *Marge = "    ";
    static constexpr int Amplada_barra = 50; // characters of the widest bar

    // The class's share of right answers per family, weakest first: one bar a family.
    void grafic_families() {
        w_.fi_linia();
        w_.negreta(true);
        w_.text(Marge + std::string(Titol_grafic_families));
        w_.negreta(false);
        w_.fi_linia(2);
        std::size_t ample = 0;
        for (const Quota_familia &q : r_.families)
            ample = std::max(ample, longitud(nom_familia(q)));
        for (const Quota_familia &q : r_.families) {
            const std::string nom = nom_familia(q);
            w_.text(Marge + std::string("  ") + nom + std::string(ample - longitud(nom) + 2, ' '));
            if (q.total > 0) {
                w_.barra(static_cast<double>(q.encerts) / q.total, Amplada_barra,
                         color_de_quota(q.encerts, q.total));
                w_.text("  " + std::to_string(percentatge(q.encerts, q.total)) + " %  (" +
                        std::to_string(q.encerts) + "/" + std::to_string(q.total) + ")");
            } else {
                w_.text("sense exercicis");
            }
            w_.fi_linia();
        }
    }

    // How many files have each mark, rounded to a whole number from 0 to 10.
    void grafic_notes() {
        const std::array<int, 11> n = distribucio_notes(r_);
        const int maxim = *std::max_element(n.begin(), n.end());
        w_.fi_linia();
        w_.negreta(true);
        w_.text(Marge + std::string(Titol_grafic_notes));
        w_.negreta(false);
        w_.fi_linia(2);
        for (int nota = 0; nota <= 10; ++nota) {
            const std::string etiqueta = std::to_string(nota);
            w_.text(Marge + std::string("  ") + std::string(4 - etiqueta.size(), ' ') + etiqueta + "  ");
            w_.barra(maxim > 0 ? static_cast<double>(n[nota]) / maxim : 0, Amplada_barra, Color::Blau);
            w_.text("  " + std::to_string(n[nota]) + (n[nota] == 1 ? " arxiu" : " arxius"));
            w_.fi_linia();
        }
    }

    static std::string nom_familia(const Quota_familia &q) {
        return std::string(Noms_familia[q.familia]) + " (" + Codis_exercici[q.familia] + ")";
    }

    void capcalera(bool amb_taula) {
        w_.mida(12);
        w_.negreta(true);
        w_.fi_linia();
        w_.text(Marge);
        w_.subratllat(true);
        w_.text(Titol_resum);
        w_.subratllat(false);
        w_.fi_linia(2);
        w_.mida(Mida_resum);
        w_.text(Marge + t_.xifres);
        w_.fi_linia(2);
        if (amb_taula) {
            w_.text(Marge);
            w_.subratllat(true);
            w_.text(t_.alumnes.front());
            w_.subratllat(false);
            w_.fi_linia();
        }
        w_.negreta(false);
    }

    void bloc(const char *titol, const std::vector<std::string> &linies) {
        w_.fi_linia();
        w_.negreta(true);
        w_.text(Marge + std::string(titol));
        w_.negreta(false);
        w_.fi_linia();
        for (const std::string &l : linies) {
            w_.text(Marge + std::string("  ") + l);
            w_.fi_linia();
        }
    }

    void peu() {
        w_.fi_linia();
        w_.mida(8);
        w_.text(Marge + std::string("Resum elaborat amb el programa QUIMERIX") + std::string(60, ' ') +
                "pàgina " + std::to_string(pagina_));
        w_.mida(Mida_resum);
    }

    void salt_de_pagina() {
        peu();
        w_.nova_pagina();
        ++pagina_;
    }

    const Resum &r_;
    const Text_resum t_;
    Redactor_impressio w_;
    int pagina_ = 1;
};

} // namespace

Document_impressio document_resum(const Resum &r) {
    Document_impressio d;
    d.apaisat = true;
    Impres(r, d).escriu();
    return d;
}

} // namespace quimerix
