#include "records/informe.h"

#include <cstddef>
#include <string_view>

#include "data/regles.h"
#include "records/capcalera.h"
#include "records/registre.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

const std::string Titols_columnes =
    "Núm.    Exercici                               Resposta                        "
    "      Correcció                   ";
const std::string Titol_estadistiques =
    "|                                                 ESTADÍSTIQUES          "
    "                                      |";
const std::string Vora_inferior = "|                           |                           | ";
// The statistics rows start with 13 spaces and the table's left edge.
const std::string P = "             | ";
// The footer's credit: the first part at 8 points, the program's name at 9 points in blue.
const std::string Credit = "Informe elaborat amb el programa ";
const std::string Credit_programa = "QUIMERIX";
const std::string Abans_pagina = std::string(68, ' ') + "pàgina ";
const std::string Abans_nota = "                       NOTA: ";

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

class Informe {
  public:
    Informe(const DadesSessio &d, Document_impressio &doc) : d_(d), r_(doc) {}

    void escriu() {
        const int N = static_cast<int>(d_.registres.size());
        r_.negreta(true);
        capcalera();
        for (int i = 1; i <= N; ++i) {
            if (i == limit_) {
                r_.fi_linia();
                peu();
                r_.nova_pagina();
                capcalera();
                limit_ += Linies_per_pagina;
                ++pagina_;
            }
            linia_exercici(d_.registres[static_cast<std::size_t>(i - 1)]);
        }
        int finals = 0;
        const bool pagina_propia = limit_ - N < 12;
        if (pagina_propia) {
            r_.fi_linia(limit_ - N);
            peu();
            ++pagina_;
            r_.nova_pagina();
            sense_titols_ = true;
            capcalera();
            finals = 27;
        }
        estadistiques();
        resultat();
        r_.negreta(false);
        // The mark is printed at 16 points; the blank lines below it and the last footer go back to
        // the size of every other page, so that the footer stays on the page.
        r_.mida(10);
        r_.fi_linia(pagina_propia ? finals : limit_ - N - 12);
        peu();
    }

  private:
    void capcalera() {
        r_.mida(12);
        r_.subratllat(false);
        r_.color(Color::Negre);
        r_.fi_linia(4);
        r_.espais(8);
        r_.subratllat(true);
        r_.text(d_.capcalera);
        r_.fi_linia(4);
        r_.mida(10);
        r_.subratllat(false);
        if (sense_titols_) {
            sense_titols_ = false;
            return;
        }
        r_.espais(12);
        r_.subratllat(true);
        r_.text(Titols_columnes);
        r_.fi_linia(2);
        r_.negreta(false);
        r_.subratllat(false);
    }

    void peu() {
        r_.fi_linia(2);
        r_.mida(10);
        r_.negreta(true);
        r_.color(Color::Negre);
        r_.mida(8);
        r_.negreta(false);
        r_.text(sp(11) + Credit);
        r_.mida(9);
        r_.color(Color::Blau);
        r_.text(Credit_programa);
        r_.color(Color::Negre);
        r_.mida(10);
        r_.negreta(true);
        r_.text(Abans_pagina + std::to_string(pagina_));
    }

    void linia_exercici(const std::string &registre) {
        r_.color(es_correcte(registre) ? Color::Negre : Color::Vermell);
        std::string linia = registre;
        if (linia.ends_with(CRLF)) linia.resize(linia.size() - CRLF.size());
        r_.text(sp(12) + linia);
        r_.fi_linia();
    }

    // A statistics cell: its caption right-aligned in 7 characters, coloured by its share.
    void cel(int i) {
        const std::string &text = d_.text_estadistiques[static_cast<std::size_t>(i)];
        const auto llarg = static_cast<int>(longitud(text));
        const Recompte c = recompte_cel(i, d_.encerts, d_.errors);
        r_.color(color_de_quota(c.encerts, c.total));
        r_.text(sp(llarg < 7 ? 7 - llarg : 0) + text);
        r_.color(Color::Negre);
    }

    void estadistiques() {
        const auto &T = Titols_cel;
        r_.negreta(true);
        r_.color(Color::Negre);
        r_.fi_linia();
        for (const std::string &vora : {sp(112), Titol_estadistiques}) {
            r_.espais(13);
            r_.subratllat(true);
            r_.text(vora);
            r_.fi_linia();
            r_.subratllat(false);
        }
        const std::string t0 = T[0], t1 = T[1], t2 = T[2], t3 = T[3], t4 = T[4], t5 = T[5], t7 = T[7],
                          t9 = T[9], t10 = T[10];
        r_.text(P + t0 + sp(13));
        cel(0);
        r_.text(" | " + t3 + sp(11));
        cel(3);
        r_.text(" | " + t7 + sp(5));
        cel(7);
        r_.text(" | " + t9 + sp(8));
        cel(9);
        r_.text(" | ");
        r_.fi_linia();
        r_.text(P + " " + t1 + sp(7));
        cel(1);
        r_.text(" |  " + t4 + sp(7));
        cel(4);
        r_.text(" | " + sp(25) + " | " + sp(24) + " | ");
        r_.fi_linia();
        r_.text(P + " " + t2 + sp(4));
        cel(2);
        r_.text(" |  " + t5 + sp(4));
        cel(5);
        r_.text(" | Comp. binàris X-X ");
        cel(8);
        r_.text(" | " + t10 + sp(9));
        cel(10);
        r_.text(" | ");
        r_.fi_linia();
        // The third row's second column starts one character later, after " |  ".
        r_.text(P + sp(25) + " |  " + T[6] + sp(2));
        cel(6);
        r_.text(" | " + sp(25) + " | " + T[11] + sp(10));
        cel(11);
        r_.text(" |");
        r_.fi_linia();
        r_.espais(13);
        r_.subratllat(true);
        r_.text(Vora_inferior + sp(25) + " | " + sp(25) + "|");
        r_.fi_linia();
        r_.subratllat(false);
    }

    void resultat() {
        const Nota_informe n = nota_informe(d_);
        const int pc = n.percentatge;
        const char *tancament = pc >= 100 ? " %)" : pc >= 10 ? " %) " : " %)  ";
        r_.text(sp(16) + d_.text_estadistiques[12] + "  " + d_.text_estadistiques[13] + "  (" +
                std::to_string(pc) + tancament);
        r_.mida(16);
        r_.text(Abans_nota);
        r_.color(n.suspesa ? Color::Vermell : Color::Blau);
        r_.text(text_nota(n.nota));
        r_.fi_linia();
    }

    const DadesSessio &d_;
    Redactor_impressio r_;
    int pagina_ = 1;
    int limit_ = Linies_per_pagina + 1;
    bool sense_titols_ = false;
};

} // namespace

Nota_informe nota_informe(const DadesSessio &d) {
    Nota_informe n;
    n.encerts = encerts_totals(d);
    n.total = exercicis_totals(d);
    n.percentatge = percentatge(n.encerts, n.total);
    n.nota = nota(n.encerts, n.total);
    n.text_percentatge = std::to_string(n.percentatge) + " %";
    n.text_nota = "NOTA: " + text_nota(n.nota);
    n.suspesa = n.nota < 500;
    return n;
}

std::string nom_pdf_informe(const std::string &capcalera) {
    const Capcalera c = llegeix_capcalera(capcalera);
    std::string nom = c.nom, data = c.data;
    // Characters a file name cannot hold become "-"; spaces and dots at either end go.
    const auto net = [](std::string part) {
        for (char &c : part)
            if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                static_cast<unsigned char>(c) < 0x20)
                c = '-';
        const auto inici = part.find_first_not_of(" ."), fi = part.find_last_not_of(" .");
        return inici == std::string::npos || fi < inici ? std::string() : part.substr(inici, fi - inici + 1);
    };
    data = net(primers_caracters(data, 40));
    // The name is shortened, a whole character at a time, so that the file name stays well within
    // the 255 bytes a file system takes, with room for a copy's " (2)".
    const std::size_t resta = Maxim_bytes_nom_pdf - std::string("Informe  .pdf").size() - data.size();
    std::u32string lletres = a_caracters(nom);
    while (!lletres.empty() && a_utf8(lletres).size() > resta)
        lletres.pop_back();
    nom = net(a_utf8(lletres));
    std::string r = "Informe";
    for (const std::string &part : {nom, data})
        if (!part.empty()) r += " " + part;
    return r + ".pdf";
}

std::optional<Document_impressio> informe(const DadesSessio &d) {
    if (exercicis_totals(d) <= 0) return std::nullopt;
    Document_impressio doc;
    doc.apaisat = true;
    doc.operacions.reserve(d.registres.size() * 3 + 400);
    Informe(d, doc).escriu();
    return doc;
}

} // namespace quimerix
