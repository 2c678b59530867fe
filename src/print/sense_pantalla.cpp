#include "sense_pantalla.h"

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>

namespace quimerix::impressio {

namespace {

// A new folder only its owner may enter (mkdtemp makes it 0700), under TMPDIR or /tmp; empty when
// none can be made.
std::string carpeta_privada() {
    const char *tmp = std::getenv("TMPDIR");
    std::string plantilla =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quimerix-eines-XXXXXX";
    return ::mkdtemp(plantilla.data()) != nullptr ? plantilla : std::string();
}

} // namespace

AplicacioSensePantalla::AplicacioSensePantalla() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        carpeta_execucio_ = carpeta_privada();
        if (!carpeta_execucio_.empty())
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(carpeta_execucio_));
    }
    if (QGuiApplication::instance() == nullptr) aplicacio_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

AplicacioSensePantalla::~AplicacioSensePantalla() {
    aplicacio_.reset();
    if (!carpeta_execucio_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(carpeta_execucio_, ec);
        qunsetenv("XDG_RUNTIME_DIR");
    }
}

} // namespace quimerix::impressio
