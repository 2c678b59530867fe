#include "arrencada.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QtMath>

#include "entrega.h"

namespace quimerix::ui {

bool comprova_pantalla(Missatges &missatges, QSize mida, qreal ratio) {
    // The logical size is the physical one divided by the ratio and rounded: the product is
    // rounded back, so that a screen of exactly 800 x 600 physical pixels is never refused.
    const int amplada = qRound(mida.width() * ratio);
    const int alcada = qRound(mida.height() * ratio);
    if (amplada >= Amplada_minima && alcada >= Alcada_minima) return true;
    missatges.avisa(Titol_atencio,
                    "L'aplicació no es pot obrir. Per a què aquesta funcioni correctament cal una resolució "
                    "mínima de pantalla de 800x600",
                    Icona::Exclamacio);
    return false;
}

QString Instancia::ruta_per_defecte() {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (carpeta.isEmpty()) carpeta = QDir::tempPath();
    return QDir(carpeta).filePath(QStringLiteral("quimerix.lock"));
}

Instancia::Instancia(const QString &ruta) : ruta_(ruta), bloqueig_(std::make_unique<QLockFile>(ruta)) {
    // Only a lock whose process is gone counts as stale: a copy that has been running for hours
    // keeps its lock.
    bloqueig_->setStaleLockTime(0);
}

Instancia::Resultat Instancia::pren() {
    if (presa_) return Resultat::Presa;
    for (int intent = 0; intent < 2; ++intent) {
        presa_ = bloqueig_->tryLock(0);
        if (presa_) return Resultat::Presa;
        if (bloqueig_->error() != QLockFile::LockFailedError) return Resultat::Impossible;
        // Only a lock held by a live copy on this machine means another copy. Qt takes over the
        // lock of a process of this machine that is gone; what else may stand there is dealt with
        // here. A folder is not ours to remove: the program runs without a lock.
        const QFileInfo actual(ruta_);
        if (actual.isDir() && !actual.isSymLink()) return Resultat::Impossible;
        // A link (dangling or not) was never made by a copy of the program.
        if (actual.isSymLink()) {
            if (!QFile::remove(ruta_)) return Resultat::Impossible;
            continue;
        }
        // A file that names no process at all (empty, or garbage), or a process of another machine,
        // is removed, unless a live copy holds it (it is writing its name right now, or it runs
        // there on a shared folder): the removal takes the file's own lock first.
        qint64 pid = 0;
        QString maquina, aplicacio;
        const bool llegit = bloqueig_->getLockInfo(&pid, &maquina, &aplicacio);
        if (llegit && maquina == QSysInfo::machineHostName()) break;
        if (!bloqueig_->removeStaleLockFile()) break;
    }
    return Resultat::AltraCopia;
}

QString Instancia::ruta_receptor() const {
    QString ruta = ruta_;
    if (ruta.endsWith(QStringLiteral(".lock"))) ruta.chop(5);
    return ruta + QStringLiteral(".sock");
}

bool comprova_segona_copia(Missatges &missatges, Instancia &instancia, const QString &executable,
                           const QString &arxiu) {
    if (instancia.pren() != Instancia::Resultat::AltraCopia) return true;
    if (!arxiu.isEmpty() && entrega_arxiu(instancia.ruta_receptor(), arxiu)) return false;
    const std::string text = "L'aplicació " + executable.toStdString() +
                             " ja s'està executant. Vols obrir una nova finestra amb la mateixa aplicació?";
    return missatges.pregunta(Titol_atencio, text, Icona::Informacio);
}

std::optional<int> comprova_arrencada(Missatges &missatges, QSize mida, qreal ratio, Instancia &instancia,
                                      const QString &executable, const QString &arxiu) {
    if (!comprova_pantalla(missatges, mida, ratio)) return 1;
    if (!comprova_segona_copia(missatges, instancia, executable, arxiu)) return 0;
    return std::nullopt;
}

} // namespace quimerix::ui
