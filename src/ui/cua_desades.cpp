#include "cua_desades.h"

#include <QMetaObject>

namespace quimerix::ui {

CuaDesades::CuaDesades(Funcio_desa desa, Funcio_resultat resultat)
    : desa_(std::move(desa)), resultat_(std::move(resultat)) {}

CuaDesades::~CuaDesades() {
    espera();
    {
        std::lock_guard bloc(mutex_);
        plegar_ = true;
    }
    canvi_.notify_all();
    if (treballador_.joinable()) treballador_.join();
}

void CuaDesades::encua(const QString &ruta, const QByteArray &contingut) {
    {
        std::lock_guard bloc(mutex_);
        pendent_ = Desada{ruta, contingut};
    }
    // The worker starts with the first save: a window that never saves never has one.
    if (!treballador_.joinable()) treballador_ = std::thread([this] { treballa(); });
    canvi_.notify_all();
}

void CuaDesades::posa_desa(Funcio_desa desa) {
    espera();
    std::lock_guard bloc(mutex_);
    desa_ = std::move(desa);
}

void CuaDesades::espera() {
    {
        std::unique_lock bloc(mutex_);
        canvi_.wait(bloc, [this] { return !pendent_ && !escrivint_; });
    }
    lliura_resultats();
}

void CuaDesades::treballa() {
    std::unique_lock bloc(mutex_);
    for (;;) {
        canvi_.wait(bloc, [this] { return plegar_ || pendent_; });
        if (!pendent_) return;
        const Desada desada = std::move(*pendent_);
        pendent_.reset();
        escrivint_ = true;
        bloc.unlock();
        const bool desat = desa_(desada.ruta, desada.contingut);
        bloc.lock();
        escrivint_ = false;
        resultats_.push_back(desat);
        canvi_.notify_all();
        QMetaObject::invokeMethod(
            &context_, [this] { lliura_resultats(); }, Qt::QueuedConnection);
    }
}

void CuaDesades::lliura_resultats() {
    for (;;) {
        bool desat = false;
        {
            std::lock_guard bloc(mutex_);
            if (resultats_.empty()) return;
            desat = resultats_.front();
            resultats_.pop_front();
        }
        resultat_(desat);
    }
}

} // namespace quimerix::ui
