#pragma once
// Sets written by the program's own writer: the seeds of the fuzzers and the samples of the tests.

#include <string>
#include <vector>

#include "records/arxiu_sessio.h"

namespace quimerix {

// A set of n records in Catalan (every letter of the language, l·l, €, a typographic apostrophe),
// answered right and wrong in turn under the family codes in order.
DadesSessio sessio_de_mostra(int n, const std::string &nom = "Núria Gómez i Ça·l·lí");

struct Llavor {
    std::string nom; // file name, ASCII
    std::string pla; // plain text, Windows-1252
};
// Small files of every shape the writer makes: the start of a set, 0, 1 and 3 records, a name
// whose scrambling carries out of its word, quotes typed by the student.
std::vector<Llavor> llavors();

} // namespace quimerix
