#pragma once
// The session file of the window: writing a set whole into the chosen file after every change (off
// the window's thread), telling the student once per outage when that fails, and reading a stored
// set back.

#include <QString>
#include <optional>

#include "cua_desades.h"
#include "desa.h"
#include "missatges.h"
#include "records/dades_sessio.h"

namespace quimerix::ui {

// The notice shown when the session file cannot be written.
QString avis_arxiu_no_desat(const QString &ruta);

class ArxiuSessio {
  public:
    // `desa` writes a whole file (the atomic save; tests put a slow or failing one).
    explicit ArxiuSessio(Missatges &missatges, CuaDesades::Funcio_desa desa = desa_atomicament);

    // The file chosen with "Guardar".
    void posa_ruta(const QString &ruta);
    const QString &ruta() const { return ruta_; }

    // Queues `d` to be written as the whole file: lines 1 and 2 while no exercise is recorded (the
    // start of a set), every line afterwards. On failure the previous file stays as it was and the
    // student is told, once the result is back (once per outage: after a save that succeeds, or at
    // the start of a set, a new failure is told again); the next save tries again.
    void desa(const DadesSessio &d);
    // Waits for the saves queued; false when the last one written failed. The window waits before
    // it closes, so that the set is on disk or the student has been told.
    bool espera();
    void posa_funcio_desa(CuaDesades::Funcio_desa desa) { cua_.posa_desa(std::move(desa)); }

  private:
    void resultat(bool desat);

    Missatges &missatges_;
    QString ruta_;
    bool avisat_ = false;
    bool ultima_desada_ = true;
    // Leftovers of an earlier save that was killed are removed after the first save to a file.
    bool restes_retirades_ = false;
    CuaDesades cua_;
};

// Reads a stored set: the whole file in memory, unscrambled and checked. Nothing when the file
// cannot be read, is not a regular file (a FIFO or a device is never opened, so nothing can make
// the window wait on it) or is not a whole session file.
std::optional<DadesSessio> llegeix_sessio(const QString &ruta);

} // namespace quimerix::ui
