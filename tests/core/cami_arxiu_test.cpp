// The rules of the file chooser that need no window.

#include <gtest/gtest.h>

#include "records/cami_arxiu.h"

using namespace quimerix;

namespace {

struct CasCami {
    const char *carpeta, *nom, *cami, *seleccio;
    bool acceptable;
};

TEST(CamiArxiu, ReglaDelCamiActivacioISeleccio) {
    const CasCami casos[] = {
        {"/tmp/x/notes", "exam", "/tmp/x/notes/exam.qxs", "/tmp/x/notes/exam.qxs", true},
        {"/tmp/x/notes", "exam.qxs", "/tmp/x/notes/exam.qxs", "/tmp/x/notes/exam.qxs", true},
        {"/tmp/x/notes", "", "/tmp/x/notes/.qxs", "/tmp/x/notes", false},
        {"/tmp/x/notes", ".qxs", "/tmp/x/notes/.qxs", "/tmp/x/notes/.qxs", false},
        // The extension is compared as it is written: another case is another name.
        {"/tmp/x/notes", "exam.QXS", "/tmp/x/notes/exam.QXS.qxs", "/tmp/x/notes/exam.QXS.qxs", true},
        {"/tmp/x/notes", "exam.qx", "/tmp/x/notes/exam.qx.qxs", "/tmp/x/notes/exam.qx.qxs", true},
        {"/tmp/x/notes", "a.qxs.qxs", "/tmp/x/notes/a.qxs.qxs", "/tmp/x/notes/a.qxs.qxs", true},
        {"/tmp/x/notes", "..qxs", "/tmp/x/notes/..qxs", "/tmp/x/notes/..qxs", true},
        {"/", "arrel", "/arrel.qxs", "/arrel.qxs", true},
        {"/home/anna/", "x", "/home/anna/x.qxs", "/home/anna/x.qxs", true},
        {"/home/anna", "Química 1r", "/home/anna/Química 1r.qxs", "/home/anna/Química 1r.qxs", true},
        {"/home/anna", " ", "/home/anna/ .qxs", "/home/anna/ .qxs", true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.carpeta) + " | " + c.nom);
        EXPECT_EQ(cami_arxiu(c.carpeta, c.nom), c.cami);
        EXPECT_EQ(text_seleccio(c.carpeta, c.nom), c.seleccio);
        EXPECT_EQ(nom_arxiu_acceptable(c.nom), c.acceptable);
    }
}

TEST(CamiArxiu, VolumsOferts) {
    const struct {
        const char *arrel, *tipus;
        bool visible;
    } casos[] = {
        {"/", "ext4", true},
        {"/", "overlay", true},
        {"/home", "ext4", true},
        {"/media/anna/USB", "vfat", true},
        {"/run/media/anna/USB", "exfat", true},
        {"/mnt/escola", "nfs4", true},
        {"/mnt/xarxa", "cifs", true},
        {"/mnt/sshfs", "fuse.sshfs", true},
        {"/dades", "btrfs", true},
        {"/proc", "proc", false},
        {"/sys", "sysfs", false},
        {"/sys/fs/cgroup", "cgroup2", false},
        {"/dev", "devtmpfs", false},
        {"/dev/shm", "tmpfs", false},
        {"/run", "tmpfs", false},
        {"/run/user/1000", "tmpfs", false},
        {"/run/user/1000/doc", "fuse.portal", false},
        {"/tmp", "tmpfs", false},
        {"/boot/efi", "vfat", false},
        {"/snap/core/123", "squashfs", false},
        {"/etc/hosts", "ext4", false},
        {"/var/lib/docker", "ext4", false},
        {"/usr", "ext4", false},
        {"/runes", "ext4", true},
    };
    for (const auto &c : casos)
        EXPECT_EQ(unitat_visible(c.arrel, c.tipus), c.visible) << c.arrel << " " << c.tipus;
}

} // namespace

// The name the chooser proposes for the next set's file in the same run.
TEST(CamiArxiu, NomDeLArxiuSeguent) {
    const std::pair<std::string, std::string> casos[] = {
        {"anna", "anna 2"},
        {"anna.qxs", "anna 2"},
        {"anna 2.qxs", "anna 3"},
        {"tema9", "tema10"},
        {"tema 09", "tema 10"},
        {"2024", "2025"},
        {"1234567890", "1234567890 2"}, // too long a number to count up
        {"anna.QXS", "anna.QXS 2"},
        {".qxs", ""},
        {"", ""},
    };
    for (const auto &[nom, esperat] : casos)
        EXPECT_EQ(nom_seguent(nom), esperat) << nom;
}
