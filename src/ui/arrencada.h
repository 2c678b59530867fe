#pragma once
// What the program checks before its window opens: the screen's size and a copy already running.

#include <QLockFile>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "missatges.h"

namespace quimerix::ui {

inline constexpr int Amplada_minima = 800;
inline constexpr int Alcada_minima = 600;

// False, after telling the student, when the screen has fewer than 800 x 600 physical pixels.
// `mida` is the screen's size in logical pixels and `ràtio` its device pixel ratio: a 1920 x 1080
// screen at 200 % is 960 x 540 logical pixels and is accepted.
bool comprova_pantalla(Missatges &missatges, QSize mida, qreal ratio = 1.0);

// A lock held while the program runs. Only a lock held by a live copy on this machine counts: a lock
// left behind by a copy that crashed, one whose owner cannot be read, one that names another
// machine, or a link, is taken over; where a folder stands in its place, the program runs without.
class Instancia {
  public:
    enum class Resultat {
        Presa,      // this copy holds the lock
        AltraCopia, // a running copy holds it
        Impossible, // no lock can be made here (a read-only or full folder): nothing to tell
    };
    // `ruta`: the lock file; by default "quimerix.lock" in the user's runtime folder.
    explicit Instancia(const QString &ruta = ruta_per_defecte());
    static QString ruta_per_defecte();
    // Where the copy that holds the lock takes the files handed to it: beside the lock.
    QString ruta_receptor() const;
    Resultat pren();
    bool presa() const { return presa_; }

  private:
    QString ruta_;
    std::unique_ptr<QLockFile> bloqueig_;
    bool presa_ = false;
};

// Takes the lock. When another copy holds it, a session file named on the command line (`arxiu`)
// is handed to that copy; with no file, or when no copy takes it, asks whether to open a new
// window. False when the file was handed over or the student answers No. `executable` is the
// program's name without folder or extension.
bool comprova_segona_copia(Missatges &missatges, Instancia &instancia, const QString &executable,
                           const QString &arxiu = {});

// Both checks, in that order: the exit status when the program must end before its window opens
// (1 for too small a screen, 0 when the file went to the running copy or the student declines a
// second copy), nothing when it goes on.
std::optional<int> comprova_arrencada(Missatges &missatges, QSize mida, qreal ratio, Instancia &instancia,
                                      const QString &executable, const QString &arxiu = {});

} // namespace quimerix::ui
