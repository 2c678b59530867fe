#include "full_calcul.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>
#include <xlsxwriter.h>

#include "records/sortida.h"

namespace eines {

namespace {

using quimerix::Cella_full;

// A private folder for the workbook while it is written, removed with what it holds.
class Carpeta_temporal {
  public:
    Carpeta_temporal() {
        const char *tmp = std::getenv("TMPDIR");
        std::string plantilla = std::string(tmp && *tmp ? tmp : "/tmp") + "/quimerix-xlsx-XXXXXX";
        if (::mkdtemp(plantilla.data()) != nullptr) cami_ = plantilla;
    }
    ~Carpeta_temporal() {
        if (cami_.empty()) return;
        ::unlink((cami_ + "/resum.xlsx").c_str());
        ::rmdir(cami_.c_str());
    }
    Carpeta_temporal(const Carpeta_temporal &) = delete;
    Carpeta_temporal &operator=(const Carpeta_temporal &) = delete;
    const std::string &cami() const { return cami_; }

  private:
    std::string cami_;
};

struct Formats {
    lxw_format *capcalera, *nota, *percentatge;
};

void escriu_full(lxw_workbook *llibre, const quimerix::Full_resum &f, const Formats &formats) {
    lxw_worksheet *full = workbook_add_worksheet(llibre, f.nom.c_str());
    for (std::size_t c = 0; c < f.capcalera.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_write_string(full, 0, col, f.capcalera[c].c_str(), formats.capcalera);
        if (c < f.amplades.size()) worksheet_set_column(full, col, col, f.amplades[c], nullptr);
    }
    for (std::size_t r = 0; r < f.files.size(); ++r) {
        const auto fila = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < f.files[r].size(); ++c) {
            const Cella_full &cella = f.files[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            switch (cella.tipus) {
            case Cella_full::Tipus::Buida:
                break;
            case Cella_full::Tipus::Text:
                worksheet_write_string(full, fila, col, cella.text.c_str(), nullptr);
                break;
            case Cella_full::Tipus::Enter:
                worksheet_write_number(full, fila, col, cella.nombre, nullptr);
                break;
            case Cella_full::Tipus::Nota:
                worksheet_write_number(full, fila, col, cella.nombre, formats.nota);
                break;
            case Cella_full::Tipus::Percentatge:
                worksheet_write_number(full, fila, col, cella.nombre, formats.percentatge);
                break;
            }
        }
    }
    // The titles stay in sight and filter the rows.
    worksheet_freeze_panes(full, 1, 0);
    if (!f.capcalera.empty())
        worksheet_autofilter(full, 0, 0, static_cast<lxw_row_t>(f.files.size()),
                             static_cast<lxw_col_t>(f.capcalera.size() - 1));
}

} // namespace

std::optional<std::string> llibre_xlsx(const std::vector<quimerix::Full_resum> &fulls, std::string &motiu) {
    const Carpeta_temporal carpeta;
    if (carpeta.cami().empty()) {
        motiu = "no s'ha pogut crear una carpeta temporal: " + quimerix::motiu_error(errno);
        return std::nullopt;
    }
    const std::string cami = carpeta.cami() + "/resum.xlsx";
    lxw_workbook_options opcions{};
    opcions.tmpdir = const_cast<char *>(carpeta.cami().c_str());
    lxw_workbook *llibre = workbook_new_opt(cami.c_str(), &opcions);
    if (llibre == nullptr) {
        motiu = "no s'ha pogut crear el full de càlcul";
        return std::nullopt;
    }
    Formats formats{workbook_add_format(llibre), workbook_add_format(llibre), workbook_add_format(llibre)};
    format_set_bold(formats.capcalera);
    format_set_num_format(formats.nota, "0.00");
    format_set_num_format(formats.percentatge, "0%");
    for (const quimerix::Full_resum &f : fulls)
        escriu_full(llibre, f, formats);
    if (const lxw_error error = workbook_close(llibre); error != LXW_NO_ERROR) {
        motiu = std::string("no s'ha pogut escriure el full de càlcul (") + lxw_strerror(error) + ")";
        return std::nullopt;
    }
    std::ifstream fitxer(cami, std::ios::binary);
    std::ostringstream bytes;
    bytes << fitxer.rdbuf();
    if (!fitxer) {
        motiu = "no s'ha pogut llegir el full de càlcul escrit";
        return std::nullopt;
    }
    return bytes.str();
}

} // namespace eines
