#pragma once
// Saves off the window's thread: a set is written after every correction, and a slow or stalled
// disk must not hold the correction back. One worker writes the saves in the order they come; a
// save still waiting when a newer one arrives is dropped (each save is the whole file), and the
// results come back to the window's thread. The worker is started by the first save.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace quimerix::ui {

class CuaDesades {
  public:
    // Writes a whole file; true when it is on disk. Runs on the worker.
    using Funcio_desa = std::function<bool(const QString &ruta, const QByteArray &contingut)>;
    // Takes the result of each save written (not of those dropped), on the window's thread.
    using Funcio_resultat = std::function<void(bool desat)>;

    CuaDesades(Funcio_desa desa, Funcio_resultat resultat);
    // Waits for the save under way and the one waiting, as `espera` does.
    ~CuaDesades();
    CuaDesades(const CuaDesades &) = delete;
    CuaDesades &operator=(const CuaDesades &) = delete;

    // Queues a save of `contingut` to `ruta`, in place of any save still waiting.
    void encua(const QString &ruta, const QByteArray &contingut);
    // Writes the saves from now on with `desa` (tests put a slow or failing writer).
    void posa_desa(Funcio_desa desa);
    // Blocks until nothing is waiting or being written, then hands over every result not yet
    // handed over (so that a failure is told before the window closes).
    void espera();

  private:
    struct Desada {
        QString ruta;
        QByteArray contingut;
    };
    void treballa();
    void lliura_resultats();

    Funcio_desa desa_;
    Funcio_resultat resultat_;
    QObject context_; // lives on the window's thread: results are handed over through its queue
    std::mutex mutex_;
    std::condition_variable canvi_;
    std::optional<Desada> pendent_;
    bool escrivint_ = false;
    bool plegar_ = false;
    std::deque<bool> resultats_;
    std::thread treballador_;
};

} // namespace quimerix::ui
