#include "fitxers.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
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

std::string carpeta_de(const std::string &cami) {
    const std::filesystem::path carpeta = std::filesystem::path(cami).parent_path();
    return carpeta.empty() ? "." : carpeta.string();
}

// A temporary file in the folder of `d`, named apart from the destination's own name (which may be
// as long as the file system allows), with the mode the destination will have. Its descriptor, or
// minus the errno value.
int crea_temporal(const quimerix::Desti &d, std::string &temporal) {
    const std::string base = carpeta_de(d.cami) + "/.quimerix-eines." + std::to_string(::getpid()) + ".";
    for (int n = 0;; ++n) {
        temporal = base + std::to_string(n);
        const int fd =
            ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, d.permis ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST && n < 100) continue;
        if (fd < 0) return -errno;
        if (d.permis && ::fchmod(fd, static_cast<mode_t>(*d.permis)) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporal.c_str());
            return -error;
        }
        return fd;
    }
}

// Writes `contingut` whole to `fd` and onto the disk, and closes it. 0, or the errno value.
int escriu_tot(int fd, const std::string &contingut) {
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
    return error;
}

// Makes the renames into a folder durable; a folder that cannot be synchronised keeps its files.
void sincronitza_carpeta(const std::string &carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<Error_escriptura> desa_fitxers(const std::vector<Escriptura> &escriptures) {
    std::vector<std::string> temporals;
    const auto esborra = [&temporals](std::size_t des_de) {
        for (std::size_t i = des_de; i < temporals.size(); ++i)
            ::unlink(temporals[i].c_str());
    };
    for (const Escriptura &e : escriptures) {
        std::string temporal;
        const int fd = crea_temporal(e.desti, temporal);
        if (fd < 0) {
            esborra(0);
            return Error_escriptura{e.cami, quimerix::motiu_error(-fd), {}};
        }
        temporals.push_back(temporal);
        if (const int error = escriu_tot(fd, e.contingut)) {
            esborra(0);
            return Error_escriptura{e.cami, quimerix::motiu_error(error), {}};
        }
    }
    std::vector<std::string> desats;
    for (std::size_t i = 0; i < escriptures.size(); ++i) {
        if (std::rename(temporals[i].c_str(), escriptures[i].desti.cami.c_str()) != 0) {
            const int error = errno;
            esborra(i);
            return Error_escriptura{escriptures[i].cami, quimerix::motiu_error(error), desats};
        }
        desats.push_back(escriptures[i].cami);
        sincronitza_carpeta(carpeta_de(escriptures[i].desti.cami));
    }
    return std::nullopt;
}

} // namespace eines
