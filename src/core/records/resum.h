#pragma once
// The teacher's class summary: one row per session file, the class totals, the families ordered
// weakest first and the compounds most often answered wrong.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/dades_sessio.h"

namespace quimerix {

// One file given to the summary: its contents, or nothing when it could not be read.
struct Sessio_llegida {
    std::string arxiu;
    std::optional<DadesSessio> dades;
};

enum class Estat_fila { Correcte, No_quadra, Illegible };
// "correcte", "no quadra", "il·legible".
const char *text_estat(Estat_fila e);

struct Fila_resum {
    std::string arxiu, nom, data;
    int exercicis = 0, encerts = 0;
    int percentatge = 0; // rounded as the statistics round it
    int nota = 0;        // hundredths, as the report computes it
    std::array<int, Nombre_codis> encerts_familia{}, total_familia{};
    Estat_fila estat = Estat_fila::Correcte;
    bool operator==(const Fila_resum &) const = default;
};

struct Quota_familia {
    int familia = 0; // counter index
    int encerts = 0, total = 0;
    bool operator==(const Quota_familia &) const = default;
};

struct Compost_fallat {
    std::string nom, formula; // "Òxid de ferro (III)", "Fe2O3"
    int vegades = 0;
    bool operator==(const Compost_fallat &) const = default;
};

struct Resum {
    std::vector<Fila_resum> files; // in the order the files were given
    int alumnes = 0;               // files read
    int illegibles = 0;
    int alumnes_amb_nota = 0;                // files read with at least one exercise
    int nota_mitjana = 0;                    // hundredths, mean over alumnes_amb_nota
    std::vector<Quota_familia> families;     // weakest first; families nobody practised last
    std::vector<Compost_fallat> mes_fallats; // at most ten, most missed first
};

inline constexpr std::size_t Maxim_fallats = 10;
// The family names of the summary, in counter order.
extern const std::array<const char *, Nombre_codis> Noms_familia;

Resum resumeix(const std::vector<Sessio_llegida> &sessions);

// A session file's bytes read for the summary: as the program reads them back, except that
// counters that do not add up to the records are kept (the row is then flagged). Nothing when
// the file cannot be read.
std::optional<DadesSessio> llegeix_per_resum(std::string_view bytes);

// The compound of a wrong record line (its name and its plain formula); nothing for a right line
// or a line that does not follow the record layout.
std::optional<Compost_fallat> compost_del_registre(const std::string &linia);

// The summary's texts, shared by the terminal and the printed summary; the texts are used as given.
inline constexpr const char *Titol_resum = "Resum de la classe";
inline constexpr const char *Titol_families = "Encerts per família, de la més fluixa a la més forta:";
inline constexpr const char *Titol_fallats = "Compostos més fallats:";
struct Text_resum {
    std::string xifres;                // "Alumnes: 4    Arxius il·legibles: 1    Nota mitjana: 6'77"
    std::vector<std::string> alumnes;  // column titles, then one aligned line per file
    std::vector<std::string> families; // one aligned line per family, weakest first
    std::vector<std::string> fallats;  // one aligned line per compound, or "cap"
};
Text_resum text_resum(const Resum &r);

// The printed summary, landscape: pages of the class table (rows of files that do not add up or
// cannot be read in red), then the family shares and the most-missed compounds, on the last
// table page when they fit there.
inline constexpr std::size_t Files_resum_per_pagina = 30;
inline constexpr std::size_t Linies_cos_resum = 40;  // lines below a page's heading
inline constexpr std::size_t Linies_bloc_final = 26; // both blocks, their titles, gaps and footer
inline constexpr int Mida_resum = 9;                 // points
struct Document_impressio;
Document_impressio document_resum(const Resum &r);

// The aligned table for a terminal, and the RFC 4180 CSV, both UTF-8.
std::string taula_resum(const Resum &r);
std::string csv_resum(const Resum &r);
// A text as a spreadsheet's text cell must hold it: valid UTF-8 (U+FFFD for every stray byte), and
// preceded by a quote when a spreadsheet would read it as a formula, that is when its first
// character is =, +, -, @, a tab or a carriage return ("=1+1" -> "'=1+1"). Every text cell a
// spreadsheet reads goes through it; cells of numbers written by the program do not.
std::string cella_de_text(const std::string &text);
// The mark with a decimal point and no trailing zeros: 875 -> "8.75", 1000 -> "10".
std::string nota_decimal(int nota);

} // namespace quimerix
