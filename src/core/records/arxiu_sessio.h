#pragma once
// The session file (.qxs): the plain text of a set in Windows-1252, scrambled on disk.
//
// Plain form, one line per write, each ended by CR LF; strings in double quotes, numbers bare:
//   1. N, the number of exercise records (0..1700)
//   2. the identification line (Capçalera_sessió)
//   3. N lines, one record each; a record keeps its own CR LF inside the quotes
//   4. the 14 statistics captions (Label65..Label78), separated by commas
//   5. the 10 right-answer counters; 6. the 10 wrong-answer counters
// At the start of a set, before any answer, the file holds lines 1 and 2 only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "records/capcalera.h"
#include "records/dades_sessio.h"
#include "records/registre.h"

namespace quimerix {

// The one message shown for any file that cannot be read back.
inline constexpr const char *Missatge_error_arxiu =
    "Hi ha hagut un problema a l'obrir l'arxiu i no s'ha pogut obrir";

// The scrambling constant K.
inline constexpr std::uint8_t Constant_xifrat = 157;
// The longest record line (with its CR LF) and statistics caption the program writes, in
// characters (one byte each in the file); the header's limit is Maxim_capcalera. The reader refuses
// longer fields, so that no file can make a reader of it spend more than a session file is worth.
inline constexpr std::size_t Maxim_registre = 200;
inline constexpr std::size_t Maxim_estadistica = 64;
// Far more bytes than the largest session file (1,700 records): a bigger file is not one, and is
// refused without being read into memory.
inline constexpr std::size_t Mida_maxima_arxiu = 16 * 1024 * 1024;

enum class Forma_arxiu {
    Inici,    // lines 1 and 2, N = 0: the file written when a set starts
    Completa, // lines 1 to 6: the file rewritten after every correction
};

// Lines 1 and 2 while no exercise is recorded, all six lines afterwards.
Forma_arxiu forma_arxiu(const DadesSessio &d);

// The plain text of a set in Windows-1252. A double quote in any text is stored as an
// apostrophe, since nothing inside the quotes is escaped.
std::string text_arxiu(const DadesSessio &d, Forma_arxiu forma);

// Scrambles plain text: for each position p in increasing order, K is added to the little-endian
// 32-bit word of bytes p..p+3 (bytes past the end read as zero). The result is 3 bytes longer.
std::string xifra(std::string_view pla);
// The exact inverse: K is subtracted at each position in decreasing order. The result has the
// same length: the plain text followed by three zero bytes when `xifrat` came from `xifra`.
std::string desxifra(std::string_view xifrat);

// Whether every text of a set is one the reader takes back: no line break inside the header or a
// caption, a record that is one line ended by its CR LF, and nothing longer than the limits above.
bool es_escrivible(const DadesSessio &d);

// The whole file to write for a set: its plain text in the form that fits it, scrambled; nothing
// when a text of the set could not be read back (`es_escrivible`), so that no file is ever written
// that the program cannot open again.
std::optional<std::string> arxiu_sessio(const DadesSessio &d);

// Where a file was found wanting.
enum class Defecte_arxiu {
    Massa_curt,          // shorter than the three closing bytes
    Sense_zeros,         // the three closing bytes are not zeros
    Nombre_registres,    // line 1 is not a whole number from 0 to 1700
    Capcalera,           // line 2 is not one quoted string of one line, or is too long
    Registre,            // a record is missing, too long, or not one quoted line ending in CR LF
    Estadistiques,       // line 4 is not 14 quoted strings of one short line each
    Comptadors,          // lines 5 and 6 are not 10 whole numbers each
    Comptes_incoherents, // the counters do not add up to the number of records
    Sobrant,             // something follows the last line
};

struct Error_arxiu {
    Defecte_arxiu defecte;
    std::size_t posicio = 0; // byte offset of the fault in the plain text
    bool operator==(const Error_arxiu &) const = default;
};

using Lectura_arxiu = std::variant<DadesSessio, Error_arxiu>;

// Unscrambles a whole file and checks its three closing zero bytes; gives the plain text
// without them.
std::variant<std::string, Error_arxiu> text_pla(std::string_view xifrat);
// Reads plain text (Windows-1252, without the closing zeros) strictly. A file of lines 1 and 2
// gives a set with no records, zero counters and the captions of a set just started.
// With `comptes_lliures` a file whose counters do not add up to its records is given back as it
// stands, for the class summary to flag it; every other check still holds.
Lectura_arxiu llegeix_text_pla(std::string_view pla, bool comptes_lliures = false);
// Reads a whole scrambled file: `text_pla`, then `llegeix_text_pla`.
Lectura_arxiu llegeix_arxiu(std::string_view xifrat);

} // namespace quimerix
