#pragma once
// The session file of the window: writing a set whole into the chosen file after every change,
// telling the student once per outage when that fails, and reading a stored set back.

#include <QString>
#include <optional>

#include "missatges.h"
#include "records/dades_sessio.h"

namespace quimerix::ui {

// The notice shown when the session file cannot be written.
QString avis_arxiu_no_desat(const QString &ruta);

class ArxiuSessio {
  public:
    explicit ArxiuSessio(Missatges &missatges) : missatges_(missatges) {}

    // The file chosen with "Guardar".
    void posa_ruta(const QString &ruta);
    const QString &ruta() const { return ruta_; }

    // Writes `d` as the whole file: lines 1 and 2 while no exercise is recorded (the start of a
    // set), every line afterwards. On failure the previous file stays as it was, the student is told
    // (once per outage: after a save that succeeds, or at the start of a set, a new failure is told
    // again) and false is returned; the next call tries again.
    bool desa(const DadesSessio &d);

  private:
    Missatges &missatges_;
    QString ruta_;
    bool avisat_ = false;
    // Leftovers of an earlier save that was killed are removed after the first save to a file.
    bool restes_retirades_ = false;
};

// Reads a stored set: the whole file in memory, unscrambled and checked. Nothing when the file
// cannot be read, is not a regular file (a FIFO or a device is never opened, so nothing can make
// the window wait on it) or is not a whole session file.
std::optional<DadesSessio> llegeix_sessio(const QString &ruta);

} // namespace quimerix::ui
