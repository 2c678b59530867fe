#pragma once
// The application object a command-line tool needs to paint fonts and PDF pages, with no display:
// the offscreen platform unless QT_QPA_PLATFORM names another one, and a runtime folder of its own
// when XDG_RUNTIME_DIR is not set (so that Qt has nothing to warn about on standard error).

#include <QtGlobal>
#include <memory>
#include <string>

class QGuiApplication;

namespace quimerix::impressio {

class AplicacioSensePantalla {
  public:
    AplicacioSensePantalla();
    ~AplicacioSensePantalla();
    Q_DISABLE_COPY_MOVE(AplicacioSensePantalla)

  private:
    int argc_ = 1;
    char nom_[16] = "quimerix-eines";
    char *argv_[2] = {nom_, nullptr};
    std::string carpeta_execucio_; // the private runtime folder made here, removed at the end
    std::unique_ptr<QGuiApplication> aplicacio_;
};

} // namespace quimerix::impressio
