#include "sense_pantalla.h"

#include <QGuiApplication>

namespace quimerix::impressio {

AplicacióSensePantalla::AplicacióSensePantalla() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QGuiApplication::instance() == nullptr) aplicació_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

AplicacióSensePantalla::~AplicacióSensePantalla() = default;

} // namespace quimerix::impressio
