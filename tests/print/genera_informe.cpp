// Plays a set of N exercises, one right and one wrong in turn, and writes its report to a PDF and
// the lines the report must show to a text file, for the checks made with poppler.
// Ús: genera_informe N SORTIDA.pdf LÍNIES.txt

#include <QFile>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "generation/aleatori.h"
#include "pintor.h"
#include "records/informe.h"
#include "sense_pantalla.h"
#include "session/sessio.h"

using namespace quimerix;

namespace {

class SempreSi final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return true; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) return 2;
    impressio::AplicacioSensePantalla aplicacio;
    FontRellotge font(7);
    SempreSi missatges;
    Sessio s(font, missatges);
    s.posa_limit_temps(false);
    s.posa_nombre_exercicis(std::atoi(argv[1]));
    if (!s.comenca("Marcel·la Ferrà Gonçalves", "3/5/2024")) return 1;
    for (int i = 0; s.estat() == Estat::Pregunta; ++i) {
        const Exercici &e = s.Exercici_actual();
        if (i % 2 == 0 && s.Mode_exercici() == Tasca::Formular) {
            for (int c = 0; c < Nombre_caixes; ++c)
                if (e.visibles[c]) s.posa_caixa(static_cast<Caixa>(c), e.caixes[c]);
        } else if (i % 2 == 0) {
            s.posa_nom(e.Nom_compost);
        }
        s.continua();
        s.continua();
    }
    const DadesSessio d = s.dades();
    const auto doc = informe(d);
    if (!doc || !impressio::desa_pdf(*doc, QString::fromLocal8Bit(argv[2]))) return 1;
    std::ofstream linies(argv[3], std::ios::binary);
    linies << d.capcalera << "\n";
    for (std::string r : d.registres) {
        r.resize(r.size() - 2); // CR LF
        linies << r << "\n";
    }
    std::cout << "Font: " << impressio::familia_obtinguda().toStdString() << "\n";
    return linies ? 0 : 1;
}
