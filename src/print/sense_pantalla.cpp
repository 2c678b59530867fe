#include "sense_pantalla.h"

#include <QGuiApplication>

namespace quimerix::impressio {

AplicacioSensePantalla::AplicacioSensePantalla() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QGuiApplication::instance() == nullptr) aplicacio_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

AplicacioSensePantalla::~AplicacioSensePantalla() = default;

} // namespace quimerix::impressio
