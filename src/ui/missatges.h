#pragma once
// Modal questions and notices. The program answers them with QMessageBox; tests answer them
// with a script. The interface is the session's own, so the window and the session share it.

#include "session/missatges.h"

class QWidget;

namespace quimerix::ui {

using Missatges = quimerix::Missatges;

class MissatgesQt final : public Missatges {
  public:
    explicit MissatgesQt(QWidget *pare = nullptr) : pare_(pare) {}
    void posa_pare(QWidget *pare) { pare_ = pare; }
    bool pregunta(const std::string &titol, const std::string &text, Icona icona) override;
    void avisa(const std::string &titol, const std::string &text, Icona icona) override;

  private:
    QWidget *pare_;
};

} // namespace quimerix::ui
