#pragma once
// The printed report of a practice set: a header with the student's identification on every page,
// 36 exercise lines a page (wrong ones in red), the statistics table, the share of right answers
// and the mark out of 10, and a footer with the page number.

#include <cstddef>
#include <optional>
#include <string>

#include "records/dades_sessio.h"
#include "records/impressio.h"

namespace quimerix {

inline const std::string Missatge_error_impressio =
    "Hi ha hagut un problema i s'ha cancel·lat el procés d'impressió";

// Exercise lines on each page.
inline constexpr int Linies_per_pagina = 36;

// The result of a set as the report writes it: the share of right answers ("88 %") and the mark
// out of 10 ("NOTA: 8'75"), red below 5.
struct Nota_informe {
    int encerts = 0;
    int total = 0;
    int percentatge = 0;
    int nota = 0; // hundredths, 0..1000
    std::string text_percentatge;
    std::string text_nota;
    bool suspesa = false;
    bool operator==(const Nota_informe &) const = default;
};
Nota_informe nota_informe(const DadesSessio &d);

// The report as print operations; nothing when the set has no exercises to share out
// (Exercicis_totals 0): the caller then shows Missatge_error_impressió.
std::optional<Document_impressio> informe(const DadesSessio &d);

// The name proposed for the report saved as PDF, from the student's name and the date of the
// identification line: "Informe Anna Puig 3-5-2024.pdf". Characters a file name cannot hold
// become "-"; a missing name or date is left out; a long name is shortened so that the whole
// takes at most Maxim_bytes_nom_pdf bytes.
inline constexpr std::size_t Maxim_bytes_nom_pdf = 200;
std::string nom_pdf_informe(const std::string &capcalera);

} // namespace quimerix
