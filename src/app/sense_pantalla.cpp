#include "sense_pantalla.h"

#include <cstdio>
#include <cstdlib>

namespace quimerix::app {

namespace {
VigilaPantalla *activa = nullptr;
} // namespace

VigilaPantalla::VigilaPantalla() {
    activa = this;
    anterior_ = qInstallMessageHandler(&VigilaPantalla::rep);
}

VigilaPantalla::~VigilaPantalla() {
    qInstallMessageHandler(anterior_);
    activa = nullptr;
    if (!anterior_) return;
    for (const Missatge &m : retinguts_) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.categoria.constData());
        anterior_(m.tipus, context, m.text);
    }
}

void VigilaPantalla::rep(QtMsgType tipus, const QMessageLogContext &context, const QString &text) {
    if (tipus == QtFatalMsg) {
        // The only fatal message while the application object is built: no platform could start.
        std::fputs(Missatge_sense_pantalla, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (activa)
        activa->retinguts_.push_back({tipus, QByteArray(context.category ? context.category : ""), text});
}

} // namespace quimerix::app
