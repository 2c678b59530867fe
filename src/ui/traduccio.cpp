#include "traduccio.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quimerix::ui {

bool installa_traduccio_qt(QCoreApplication &app) {
    auto *traduccio = new QTranslator(&app);
    if (traduccio->load(QStringLiteral("qtbase_ca"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traduccio))
        return true;
    delete traduccio;
    return false;
}

} // namespace quimerix::ui
