#include "arrencada.h"

#include <QDir>
#include <QStandardPaths>

namespace quimerix::ui {

bool comprova_pantalla(Missatges &missatges, QSize resolució) {
    if (resolució.width() >= Amplada_mínima && resolució.height() >= Alçada_mínima) return true;
    missatges.avisa(Títol_atenció,
                    "L'aplicació no es pot obrir. Per a què aquesta funcioni correctament cal una resolució "
                    "mínima de pantalla de 800x600",
                    Icona::Exclamació);
    return false;
}

QString Instància::ruta_per_defecte() {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (carpeta.isEmpty()) carpeta = QDir::tempPath();
    return QDir(carpeta).filePath(QStringLiteral("quimerix.lock"));
}

Instància::Instància(const QString &ruta) : bloqueig_(std::make_unique<QLockFile>(ruta)) {
    // Only a lock whose process is gone counts as stale: a copy that has been running for hours
    // keeps its lock.
    bloqueig_->setStaleLockTime(0);
}

bool Instància::pren() {
    if (!presa_) presa_ = bloqueig_->tryLock(0);
    return presa_;
}

bool comprova_segona_còpia(Missatges &missatges, Instància &instància, const QString &executable) {
    if (instància.pren()) return true;
    const std::string text = "L'aplicació " + executable.toStdString() +
                             " ja s'està executant. Vols obrir una nova finestra amb la mateixa aplicació?";
    return missatges.pregunta(Títol_atenció, text, Icona::Informació);
}

} // namespace quimerix::ui
