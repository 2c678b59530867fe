// The class summary on paper: landscape pages of the class table, then the family shares and the
// most-missed compounds, in the report's fixed-pitch lettering.
#include "records/impressio.h"
#include "records/resum.h"

namespace quimerix {

namespace {

class Imprès {
  public:
    Imprès(const Resum &r, Document_impressió &d) : r_(r), t_(text_resum(r)), w_(d) {}

    void escriu() {
        const std::vector<std::string> &alumnes = t_.alumnes;
        const std::size_t files = alumnes.size() - 1; // the first line holds the column titles
        capçalera(true);
        for (std::size_t i = 0; i < files; ++i) {
            if (i > 0 && i % Files_resum_per_pàgina == 0) {
                salt_de_pàgina();
                capçalera(true);
            }
            w_.color(r_.files[i].estat == Estat_fila::Correcte ? Color::Negre : Color::Vermell);
            w_.text(Marge + alumnes[i + 1]);
            w_.fi_línia();
            w_.color(Color::Negre);
        }
        // The shares and the compounds follow the table when the page has room for them.
        const std::size_t a_la_darrera = files == 0 ? 0 : (files - 1) % Files_resum_per_pàgina + 1;
        if (1 + a_la_darrera + Línies_bloc_final > Línies_cos_resum) {
            salt_de_pàgina();
            capçalera(false);
        }
        bloc(Títol_famílies, t_.famílies);
        bloc(Títol_fallats, t_.fallats);
        peu();
    }

  private:
    static constexpr const char *Marge = "    ";

    void capçalera(bool amb_taula) {
        w_.mida(12);
        w_.negreta(true);
        w_.fi_línia();
        w_.text(Marge);
        w_.subratllat(true);
        w_.text(Títol_resum);
        w_.subratllat(false);
        w_.fi_línia(2);
        w_.mida(Mida_resum);
        w_.text(Marge + t_.xifres);
        w_.fi_línia(2);
        if (amb_taula) {
            w_.text(Marge);
            w_.subratllat(true);
            w_.text(t_.alumnes.front());
            w_.subratllat(false);
            w_.fi_línia();
        }
        w_.negreta(false);
    }

    void bloc(const char *títol, const std::vector<std::string> &línies) {
        w_.fi_línia();
        w_.negreta(true);
        w_.text(Marge + std::string(títol));
        w_.negreta(false);
        w_.fi_línia();
        for (const std::string &l : línies) {
            w_.text(Marge + std::string("  ") + l);
            w_.fi_línia();
        }
    }

    void peu() {
        w_.fi_línia();
        w_.mida(8);
        w_.text(Marge + std::string("Resum elaborat amb el programa QUIMERIX") + std::string(60, ' ') +
                "pàgina " + std::to_string(pàgina_));
        w_.mida(Mida_resum);
    }

    void salt_de_pàgina() {
        peu();
        w_.nova_pàgina();
        ++pàgina_;
    }

    const Resum &r_;
    const Text_resum t_;
    Redactor_impressió w_;
    int pàgina_ = 1;
};

} // namespace

Document_impressió document_resum(const Resum &r) {
    Document_impressió d;
    d.apaïsat = true;
    Imprès(r, d).escriu();
    return d;
}

} // namespace quimerix
