#include "desa.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

namespace quimerix::ui {

namespace {

// Makes the rename of the new file into its folder durable.
bool sincronitza_carpeta(const QString &carpeta) {
    const int fd = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool be = ::fsync(fd) == 0;
    ::close(fd);
    return be;
}

bool escriu_tot(QSaveFile &fitxer, const QByteArray &contingut) {
    qint64 escrits = 0;
    while (escrits < contingut.size()) {
        const qint64 n = fitxer.write(contingut.constData() + escrits, contingut.size() - escrits);
        if (n <= 0) return false;
        escrits += n;
    }
    // The buffer must reach the file; commit() puts the file on the disk before it replaces the
    // old one.
    return fitxer.flush();
}

} // namespace

bool desa_atomicament(const QString &ruta, const QByteArray &contingut) {
    QSaveFile fitxer(ruta);
    // Never fall back to writing over the old file in place.
    fitxer.setDirectWriteFallback(false);
    if (!fitxer.open(QIODevice::WriteOnly)) return false;
    if (!escriu_tot(fitxer, contingut)) {
        // Without this, a failed write may still be committed as a short or empty file.
        fitxer.cancelWriting();
        fitxer.commit();
        return false;
    }
    if (!fitxer.commit()) return false;
    return sincronitza_carpeta(QFileInfo(ruta).absolutePath());
}

void retira_restes(const QString &ruta) {
    const QFileInfo arxiu(ruta);
    if (!arxiu.isFile()) return;
    const QDateTime actual = arxiu.lastModified();
    const QString prefix = arxiu.fileName() + QLatin1Char('.');
    static const QRegularExpression temporal(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QDir carpeta = arxiu.absoluteDir();
    for (const QFileInfo &f : carpeta.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!f.fileName().startsWith(prefix) || !temporal.match(f.fileName().mid(prefix.size())).hasMatch())
            continue;
        if (f.lastModified() < actual) QFile::remove(f.absoluteFilePath());
    }
}

} // namespace quimerix::ui
