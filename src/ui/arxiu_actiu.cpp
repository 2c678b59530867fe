#include "arxiu_actiu.h"

#include <QFile>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "desa.h"
#include "records/arxiu_sessio.h"

namespace quimerix::ui {

namespace {

constexpr auto Mida_maxima = static_cast<qint64>(Mida_maxima_arxiu);

} // namespace

QString avis_arxiu_no_desat(const QString &ruta) {
    return QStringLiteral(
               "No s'ha pogut desar l'arxiu de dades:\n%1\n\n"
               "Pots continuar amb els exercicis. L'arxiu conserva l'última versió que s'hi ha pogut "
               "desar, i es tornarà a intentar desar-lo després de cada correcció.")
        .arg(ruta);
}

ArxiuSessio::ArxiuSessio(Missatges &missatges, CuaDesades::Funcio_desa desa)
    : missatges_(missatges), cua_(std::move(desa), [this](bool desat) { resultat(desat); }) {}

void ArxiuSessio::posa_ruta(const QString &ruta) {
    cua_.espera();
    ruta_ = ruta;
    avisat_ = false;
    restes_retirades_ = false;
}

void ArxiuSessio::desa(const DadesSessio &d) {
    // A new set may tell again.
    if (d.registres.empty()) avisat_ = false;
    const std::optional<std::string> bytes = arxiu_sessio(d);
    if (!bytes) {
        resultat(false);
        return;
    }
    cua_.encua(ruta_, QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
}

bool ArxiuSessio::espera() {
    cua_.espera();
    return ultima_desada_;
}

void ArxiuSessio::resultat(bool desat) {
    ultima_desada_ = desat;
    if (desat) {
        avisat_ = false;
        if (!restes_retirades_) retira_restes(ruta_);
        restes_retirades_ = true;
        return;
    }
    if (!avisat_) {
        avisat_ = true;
        missatges_.avisa(Titol_atencio, avis_arxiu_no_desat(ruta_).toStdString(), Icona::Exclamacio);
    }
}

std::optional<DadesSessio> llegeix_sessio(const QString &ruta) {
    // Opened without waiting (a FIFO would block in open()), then kept only if it is a regular file.
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat estat {};
    if (::fstat(fd, &estat) != 0 || !S_ISREG(estat.st_mode) || estat.st_size > Mida_maxima) {
        ::close(fd);
        return std::nullopt;
    }
    QFile fitxer;
    if (!fitxer.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray bytes = fitxer.read(Mida_maxima + 1);
    if (fitxer.error() != QFileDevice::NoError || bytes.size() > Mida_maxima) return std::nullopt;
    const Lectura_arxiu lectura =
        llegeix_arxiu(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (const auto *dades = std::get_if<DadesSessio>(&lectura)) return *dades;
    return std::nullopt;
}

} // namespace quimerix::ui
