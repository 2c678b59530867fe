#pragma once
// An area of the main window whose controls are made the first time the window has to show them.
// Most of the window is hidden while it waits for a set (the exercise, the set's figures, the
// statistics, the history, the reference texts): making those controls, and loading the fonts
// they use, only when they are first shown lets the window open sooner.
// Until the area is made, a hidden mark holds its place among the surface's controls; the controls
// made later take that place, both in the layers (frames behind what they hold) and in the
// keyboard's Tab order, exactly as if they had been made with the window.

#include <functional>
#include <memory>

class QWidget;

namespace quimerix::ui {

// The place of a deferred area among the controls of `superfície`.
class LlocArea {
  public:
    LlocArea(QWidget *superficie, const char *nom);
    // Runs `fes`, which puts new controls on the surface, and moves them to this place.
    void construeix(const std::function<void()> &fes);

  private:
    QWidget *superficie_;
    QWidget *marca_;
};

// An area made on first request: by the window when the area has something to show, or by
// whoever asks for its controls (a test, a file read back).
template <class Area> class AreaDiferida {
  public:
    // `fes` makes the area; `feta` is called once it is made (connections, first drawing).
    AreaDiferida(QWidget *superficie, const char *nom, std::function<std::unique_ptr<Area>()> fes,
                 std::function<void(Area &)> feta)
        : lloc_(superficie, nom), fes_(std::move(fes)), feta_(std::move(feta)) {}

    // The area, made now if it was not yet.
    Area &area() {
        if (!area_) {
            lloc_.construeix([this] { area_ = fes_(); });
            feta_(*area_);
        }
        return *area_;
    }
    // The area when it is made or has something to show (`cal`); nullptr otherwise.
    Area *si_cal(bool cal) { return area_ || cal ? &area() : nullptr; }
    Area *si_feta() const { return area_.get(); }

  private:
    LlocArea lloc_;
    std::function<std::unique_ptr<Area>()> fes_;
    std::function<void(Area &)> feta_;
    std::unique_ptr<Area> area_;
};

} // namespace quimerix::ui
