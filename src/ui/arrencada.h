#pragma once
// What the program checks before its window opens: the screen's size and a copy already running.

#include <QLockFile>
#include <QSize>
#include <QString>
#include <memory>

#include "missatges.h"

namespace quimerix::ui {

inline constexpr int Amplada_mínima = 800;
inline constexpr int Alçada_mínima = 600;

// False, after telling the student, when the screen is smaller than 800 x 600.
bool comprova_pantalla(Missatges &missatges, QSize resolució);

// A lock held while the program runs. A lock left behind by a copy that crashed is taken over.
class Instància {
  public:
    // `ruta`: the lock file; by default "quimerix.lock" in the user's runtime folder.
    explicit Instància(const QString &ruta = ruta_per_defecte());
    static QString ruta_per_defecte();
    // Takes the lock; false when a running copy holds it.
    bool pren();
    bool presa() const { return presa_; }

  private:
    std::unique_ptr<QLockFile> bloqueig_;
    bool presa_ = false;
};

// Takes the lock, or, when another copy holds it, asks whether to open a new window. False when
// the student answers No. `executable` is the program's name without folder or extension.
bool comprova_segona_còpia(Missatges &missatges, Instància &instància, const QString &executable);

} // namespace quimerix::ui
