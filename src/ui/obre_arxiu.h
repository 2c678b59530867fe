#pragma once
// Printing a stored set straight from its file, as `quimerix ARXIU.qxs` does: the window stays in
// its idle state, ready for a set.

#include <QString>

#include "informe_ui.h"
#include "missatges.h"

namespace quimerix::ui {

// Reads the file at `ruta` whole and shows its report as printing does. A file that cannot be
// read back gets the reader's message, with the program's title, and nothing is printed.
void imprimeix_arxiu_desat(const QString &ruta, Missatges &missatges, DialegsImpressio &dialegs);

} // namespace quimerix::ui
