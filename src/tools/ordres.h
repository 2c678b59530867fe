#pragma once
// The subcommands of quimerix-eines. Each is described once (options, help, what it runs); to add
// one, define its `eines::Ordre` in its own file, declare it here and list it in main.cpp.

#include "arguments.h"

namespace eines {

extern const Ordre ordre_cataleg;   // cataleg [--json]
extern const Ordre ordre_corregeix; // corregeix --esperat NOM --resposta TEXT [--assistent]
// diagnostica (--nom NOM | --formula FORMULA) --resposta TEXT [--assistent] [--json]
extern const Ordre ordre_diagnostica;
extern const Ordre ordre_llegeix;       // llegeix FITXER.qxs
extern const Ordre ordre_informe;       // informe FITXER.qxs --pdf SORTIDA.pdf
extern const Ordre ordre_resum;         // resum FITXER.qxs… [--csv SORTIDA.csv] [--pdf SORTIDA.pdf]
extern const Ordre ordre_examen_crea;   // examen crea --families LLISTA --tasca TASCA --exercicis N …
extern const Ordre ordre_examen_llista; // examen llista CODI [--pdf FITXER.pdf]

} // namespace eines
