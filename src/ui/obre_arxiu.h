#pragma once
// A stored set read back from its file, for its report: `quimerix ARXIU.qxs` and "Imprimir Arxiu".
// The window stays in its idle state, ready for a set.

#include <QString>
#include <optional>

#include "informe_ui.h"
#include "missatges.h"
#include "records/dades_sessio.h"

namespace quimerix::ui {

inline const std::string Missatge_arxiu_sense_exercicis = "L'arxiu no té cap exercici";

// Reads the file at `ruta` whole. A file that cannot be read back gets the reader's message, one
// without any exercise says so; both with the program's title, and give nothing.
std::optional<DadesSessio> llegeix_arxiu_desat(const QString &ruta, Missatges &missatges);

// Reads the file at `ruta` and shows its report as printing does.
void imprimeix_arxiu_desat(const QString &ruta, Missatges &missatges, DialegsImpressio &dialegs);

} // namespace quimerix::ui
