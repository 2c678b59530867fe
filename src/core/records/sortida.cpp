#include "records/sortida.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace quimerix {

namespace fs = std::filesystem;

namespace {

// Links followed before the path is taken for a loop, as the system counts them.
constexpr int Maxim_enllacos = 40;

bool no_hi_es(const fs::file_status &s) {
    return s.type() == fs::file_type::not_found;
}

} // namespace

std::string motiu_error(int error) {
    switch (error) {
    case ENOSPC:
        return "el disc és ple";
#ifdef EDQUOT
    case EDQUOT:
        return "s'ha exhaurit la quota de disc";
#endif
    case EFBIG:
        return "el fitxer seria massa gran";
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
    case ENAMETOOLONG:
        return "el nom és massa llarg";
    case ELOOP:
        return "hi ha massa enllaços simbòlics encadenats";
    case EIO:
        return "hi ha hagut un error d'entrada i sortida al disc";
    case ETXTBSY:
    case EBUSY:
        return "el fitxer és en ús";
    case EMFILE:
    case ENFILE:
        return "hi ha massa fitxers oberts";
    case ENOMEM:
        return "no hi ha prou memòria";
    default:
        return "error del sistema número " + std::to_string(error);
    }
}

std::variant<Desti, std::string> desti_de_sortida(const std::string &cami) {
    fs::path p = cami;
    std::error_code ec;
    fs::file_status s = fs::symlink_status(p, ec);
    for (int enllacos = 0; fs::is_symlink(s); ++enllacos) {
        if (enllacos == Maxim_enllacos) return motiu_error(ELOOP);
        const fs::path desti = fs::read_symlink(p, ec);
        if (ec) return motiu_error(ec.value());
        p = desti.is_absolute() ? desti : p.parent_path() / desti;
        s = fs::symlink_status(p, ec);
    }
    if (ec && !no_hi_es(s)) return motiu_error(ec.value());
    switch (s.type()) {
    case fs::file_type::regular:
        return Desti{p.string(), static_cast<unsigned>(s.permissions() & fs::perms::mask)};
    case fs::file_type::not_found: {
        // A new file: its folder must be there.
        const fs::file_status carpeta = fs::status(p.has_parent_path() ? p.parent_path() : fs::path("."), ec);
        if (no_hi_es(carpeta)) return motiu_error(ENOENT);
        if (ec) return motiu_error(ec.value());
        if (!fs::is_directory(carpeta)) return motiu_error(ENOTDIR);
        return Desti{p.string(), std::nullopt};
    }
    case fs::file_type::directory:
        return motiu_error(EISDIR);
    case fs::file_type::character:
    case fs::file_type::block:
        return std::string("és un dispositiu, no un fitxer");
    case fs::file_type::fifo:
        return std::string("és una canonada, no un fitxer");
    case fs::file_type::socket:
        return std::string("és un sòcol, no un fitxer");
    default:
        return std::string("no és un fitxer ordinari");
    }
}

} // namespace quimerix
