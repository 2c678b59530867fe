#pragma once
// The teacher's class summary: one row per session file, the class totals, the families ordered
// weakest first and the compounds most often answered wrong.

#include <array>
#include <functional>
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

enum class Estat_fila { Correcte, No_quadra, Illegible, No_examen };
// "correcte", "no quadra", "il·legible", "no és de l'examen".
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
    std::vector<Fila_resum> files; // in the order the files were given, until ordena_files
    int alumnes = 0;               // files read that belong to the class (of the exam, when one is given)
    int illegibles = 0;
    int fora_examen = 0;      // files read that are not the exam's: out of every class figure
    int alumnes_amb_nota = 0; // files that add up, with at least one exercise
    int nota_mitjana = 0;     // hundredths, mean over alumnes_amb_nota
    int fora_mitjana = 0;     // files left out of the mean: no quadra, il·legible, no és de l'examen
    std::vector<Quota_familia> families;     // weakest first; families nobody practised last
    std::vector<Compost_fallat> mes_fallats; // at most ten, most missed first
};

inline constexpr std::size_t Maxim_fallats = 10;
// The family names of the summary, in counter order.
extern const std::array<const char *, Nombre_codis> Noms_familia;

// Whether a read set is one of the exam's; empty when the summary is of no exam.
using Es_de_l_examen = std::function<bool(const DadesSessio &)>;

// The class summary. A file that is not the exam's is marked and left out of the class figures;
// the mean mark is taken over the files that add up.
Resum resumeix(const std::vector<Sessio_llegida> &sessions, const Es_de_l_examen &de_l_examen = {});

// Orders the rows by the student's name as `compara_noms` orders names (negative, 0, positive: the
// language's order lives with the caller), then by date (day/month/year, earliest first; a date
// that cannot be read after those that can, by text), then as given; rows without a name (files
// that could not be read) last.
void ordena_files(Resum &r, const std::function<int(const std::string &, const std::string &)> &compara_noms);

// A session file's bytes read for the summary: as the program reads them back, except that
// counters that do not add up to the records are kept (the row is then flagged). Nothing when
// the file cannot be read.
std::optional<DadesSessio> llegeix_per_resum(std::string_view bytes);

// The compound of a wrong record line (its name and its plain formula); nothing for a right line
// or a line that does not follow the record layout.
std::optional<Compost_fallat> compost_del_registre(const std::string &linia);

// The summary's texts, shared by the terminal and the printed summary; the texts are used as given.
inline constexpr const char *Titol_resum = "Resum de la classe";
inline constexpr const char *Titol_families = "Encerts per família, de menys a més encerts:";
inline constexpr const char *Titol_fallats = "Compostos amb més errors:";
inline constexpr const char *Titol_llegenda = "Estat dels arxius:";
inline constexpr const char *Titol_grafic_families = "Percentatge d'encerts de la classe per família:";
inline constexpr const char *Titol_grafic_notes =
    "Distribució de les notes (arrodonides a l'enter; arxius que compten per a la nota mitjana):";
// Files of the mean (that add up, with at least one exercise) by their mark rounded to 0..10.
std::array<int, 11> distribucio_notes(const Resum &r);
struct Text_resum {
    std::string xifres;                // "Alumnes: 4    Arxius il·legibles: 1    Nota mitjana: 6'77 …"
    std::vector<std::string> llegenda; // what "no quadra", "il·legible" and "no és de l'examen" mean
    std::vector<std::string> alumnes;  // column titles, then one aligned line per file
    std::vector<std::string> families; // one aligned line per family, weakest first
    std::vector<std::string> fallats;  // one aligned line per compound, or "cap"
};
Text_resum text_resum(const Resum &r);

// The printed summary, landscape: pages of the class table (rows of files that do not add up or
// cannot be read in red), then the family shares, the most-missed compounds and what each state
// of a file means, on the last table page when they fit there; then a page of two charts: the
// class's share per family and the distribution of the marks.
inline constexpr std::size_t Files_resum_per_pagina = 30;
inline constexpr std::size_t Linies_cos_resum = 40;  // lines below a page's heading
inline constexpr std::size_t Linies_bloc_final = 31; // the three blocks, their titles, gaps and footer
inline constexpr int Mida_resum = 9;                 // points
struct Document_impressio;
Document_impressio document_resum(const Resum &r);

// The summary as a spreadsheet: sheets of typed cells, which the tool writes as an .xlsx file.
struct Cella_full {
    enum class Tipus { Buida, Text, Enter, Nota, Percentatge };
    Tipus tipus = Tipus::Buida;
    std::string text;  // Text: valid UTF-8 with no control character but tab and line feed
    double nombre = 0; // Enter: a whole number; Nota: the mark (8.75, shown with two decimals);
                       // Percentatge: a share from 0 to 1 (shown as a whole percentage)
    bool operator==(const Cella_full &) const = default;
};
struct Full_resum {
    std::string nom;                            // "Classe", "Famílies", "Més errors"
    std::vector<std::string> capcalera;         // the column titles: bold, frozen, with a filter
    std::vector<std::vector<Cella_full>> files; // the rows below them
    std::vector<double> amplades;               // each column's width, in characters
};
// "Classe": one row per file with the CSV's columns; "Famílies": the class's right answers per
// family, weakest first; "Més errors": the compounds most often answered wrong.
std::vector<Full_resum> fulls_resum(const Resum &r);

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
