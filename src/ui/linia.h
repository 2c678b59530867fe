#pragma once
// A straight line between two end points, drawn as a thin widget (the window's frame lines).

#include <QWidget>

namespace quimerix::ui {

class Linia : public QWidget {
  public:
    explicit Linia(QWidget *pare = nullptr);
    // End points in pixels of the parent; the line is horizontal or vertical.
    void posa_extrems(int x1, int y1, int x2, int y2);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

  protected:
    void paintEvent(QPaintEvent *) override;

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

} // namespace quimerix::ui
