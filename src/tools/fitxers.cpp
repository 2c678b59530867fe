#include "fitxers.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

#include "records/arxiu_sessio.h"

namespace eines {

std::optional<std::string> llegeix_fitxer(const std::string &cami) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(cami, ec)) return std::nullopt;
    std::ifstream f(cami, std::ios::binary);
    if (!f) return std::nullopt;
    // Read in pieces up to one byte past the limit, so that a file that grows meanwhile is refused
    // all the same.
    std::string bytes;
    char tros[1 << 16];
    while (f.read(tros, sizeof tros) || f.gcount() > 0) {
        bytes.append(tros, static_cast<std::size_t>(f.gcount()));
        if (bytes.size() > quimerix::Mida_maxima_arxiu) return std::nullopt;
    }
    if (f.bad()) return std::nullopt;
    return bytes;
}

namespace {

std::string motiu(int error) {
    switch (error) {
    case ENOSPC:
        return "el disc és ple";
    case EACCES:
    case EPERM:
        return "no hi ha permís per escriure-hi";
    case ENOENT:
    case ENOTDIR:
        return "la carpeta no existeix";
    case EROFS:
        return "el disc és només de lectura";
    case EISDIR:
        return "és una carpeta";
    default:
        return "error " + std::to_string(error);
    }
}

} // namespace

std::optional<std::string> desa_fitxer(const std::string &cami, const std::string &contingut) {
    std::error_code ec;
    if (std::filesystem::is_directory(cami, ec)) return motiu(EISDIR);
    const std::string temporal = cami + ".~" + std::to_string(::getpid());
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return motiu(errno);
    int error = 0;
    for (std::size_t fet = 0; fet < contingut.size() && error == 0;) {
        const ssize_t n = ::write(fd, contingut.data() + fet, contingut.size() - fet);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            error = n < 0 ? errno : EIO;
        else
            fet += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporal.c_str(), cami.c_str()) != 0) error = errno;
    if (error == 0) return std::nullopt;
    ::unlink(temporal.c_str());
    return motiu(error);
}

} // namespace eines
