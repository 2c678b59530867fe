// The class summary on paper: landscape pages of the class table, then the family shares and the
// most-missed compounds, in the report's fixed-pitch lettering.
#include "records/impressio.h"
#include "records/resum.h"

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
        peu();
    }

  private:
    static constexpr const char *Marge = "    ";

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
