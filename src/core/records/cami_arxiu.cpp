#include "records/cami_arxiu.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quimerix {

bool nom_arxiu_acceptable(const std::string &nom) {
    return !nom.empty() && nom != Extensio_sessio;
}

std::string cami_arxiu(const std::string &carpeta, const std::string &nom) {
    std::string cami = carpeta;
    if (cami.empty() || cami.back() != '/') cami += '/';
    cami += nom;
    // ".qxs" is plain ASCII, so its four bytes at the end are the name's last four characters.
    if (!nom.ends_with(Extensio_sessio)) cami += Extensio_sessio;
    return cami;
}

std::string text_seleccio(const std::string &carpeta, const std::string &nom) {
    return nom.empty() ? carpeta : cami_arxiu(carpeta, nom);
}

namespace {

bool sota(std::string_view arrel, std::string_view carpeta) {
    return arrel == carpeta ||
           (arrel.starts_with(carpeta) && arrel.size() > carpeta.size() && arrel[carpeta.size()] == '/');
}

} // namespace

bool unitat_visible(const std::string &arrel, const std::string &tipus) {
    if (arrel == "/") return true;
    constexpr std::array<std::string_view, 26> sistema{
        "proc",       "sysfs",    "tmpfs",   "devtmpfs",    "devpts",     "cgroup",   "cgroup2",
        "securityfs", "pstore",   "debugfs", "tracefs",     "configfs",   "fusectl",  "mqueue",
        "hugetlbfs",  "bpf",      "autofs",  "binfmt_misc", "nsfs",       "efivarfs", "ramfs",
        "rpc_pipefs", "squashfs", "overlay", "nfsd",        "fuse.portal"};
    if (std::find(sistema.begin(), sistema.end(), tipus) != sistema.end()) return false;
    // Removable media are mounted under /run/media by some desktops: the rest of /run is not
    // for users.
    if (sota(arrel, "/run/media")) return true;
    constexpr std::array<std::string_view, 9> carpetes_sistema{"/proc", "/sys", "/dev", "/run", "/boot",
                                                               "/snap", "/var", "/etc", "/usr"};
    return std::none_of(carpetes_sistema.begin(), carpetes_sistema.end(),
                        [&](std::string_view c) { return sota(arrel, c); });
}

std::string nom_seguent(const std::string &nom) {
    std::string base = nom;
    if (base.size() >= Extensio_sessio.size() &&
        base.compare(base.size() - Extensio_sessio.size(), Extensio_sessio.size(), Extensio_sessio) == 0)
        base.erase(base.size() - Extensio_sessio.size());
    if (base.empty()) return {};
    std::size_t inici = base.size();
    while (inici > 0 && base[inici - 1] >= '0' && base[inici - 1] <= '9')
        --inici;
    // A number too long to count up is left as part of the name.
    if (inici == base.size() || base.size() - inici > 9) return base + " 2";
    return base.substr(0, inici) + std::to_string(std::stoll(base.substr(inici)) + 1);
}

} // namespace quimerix
