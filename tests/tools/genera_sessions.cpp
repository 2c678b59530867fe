// Writes session files of known figures with the program's own writer, for the tests of
// `quimerix-eines resum`: genera_sessions CARPETA, the class of five files; genera_sessions FITXER
// NOM, one session of that student (one right exercise and one wrong); genera_sessions --examen
// CODI FITXER NOM ENCERTS, the exam of the code played in a session as the window plays it, the
// first ENCERTS answers right and the rest wrong.

#include <fstream>
#include <iostream>
#include <string>
#include <variant>

#include "records/arxiu_sessio.h"
#include "records/codi_examen.h"
#include "session/sessio.h"
#include "sessions_prova.h"

using namespace quimerix;
using namespace prova;

namespace {

bool desa(const std::string &cami, const std::string &bytes) {
    std::ofstream f(cami, std::ios::binary | std::ios::trunc);
    f << bytes;
    return static_cast<bool>(f.flush());
}

class Silenci final : public Missatges {
  public:
    bool pregunta(const std::string &, const std::string &, Icona) override { return false; }
    void avisa(const std::string &, const std::string &, Icona) override {}
};

int examen(const std::string &codi, const std::string &cami, const std::string &nom, int encerts) {
    const auto lectura = llegeix_codi_examen(codi);
    if (!std::holds_alternative<Examen>(lectura)) return 2;
    FontRellotge rellotge;
    Silenci missatges;
    Sessio s(rellotge, missatges);
    s.posa_examen(std::get<Examen>(lectura));
    s.posa_arxiu_actiu(true);
    s.comenca(nom, "11/12/2026");
    while (!s.serie_acabada()) {
        if (s.estat() != Estat::Pregunta) {
            s.Seguent();
            continue;
        }
        if (s.numero_exercici() <= encerts) {
            if (s.Mode_exercici() == Tasca::Formular) {
                for (int c = 0; c < Nombre_caixes; ++c)
                    s.posa_caixa(static_cast<Caixa>(c), s.Exercici_actual().caixes[c]);
            } else {
                s.posa_nom(s.nom_esperat_mostrat());
            }
        }
        s.corregeix();
    }
    const auto arxiu = arxiu_sessio(s.dades());
    return arxiu && desa(cami, *arxiu) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 6 && std::string(argv[1]) == "--examen")
        return examen(argv[2], argv[3], argv[4], std::stoi(argv[5]));
    if (argc == 3) {
        const auto arxiu = arxiu_sessio(sessio(argv[2], "10/12/2026", {{"NaCl", 1, true}, {"CO", 2, false}}));
        return arxiu && desa(argv[1], *arxiu) ? 0 : 1;
    }
    if (argc != 2) {
        std::cerr << "Ús: genera_sessions CARPETA | genera_sessions FITXER NOM\n";
        return 2;
    }
    const std::string carpeta = argv[1];
    // Anna: 7 of 8, with a comma in her name. Bernat: 1 of 3. Carla: her counters say 2 of 2 but one
    // of her two records is wrong. Dídac: counters for 2 exercises and a single record.
    DadesSessio carla = sessio("Carla Vidal", "09/12/2026", {{"NaOH", 1, true}, {"Fe2O3", 2, false}});
    carla.errors = {};
    carla.encerts[index_codi("OM")] = 1;
    DadesSessio didac = sessio("Dídac Soler", "09/12/2026", {{"NaCl", 1, false}});
    didac.encerts[index_codi("MX")] = 1;
    const bool be = desa(carpeta + "/anna.qxs", arxiu_sessio(sessio("Puig, Anna", "08/12/2026",
                                                                    {{"Fe2O3", 1, true},
                                                                     {"Na2O", 2, true},
                                                                     {"NaCl", 1, true},
                                                                     {"NaCl", 2, false},
                                                                     {"H2SO4", 1, true},
                                                                     {"NaOH", 2, true},
                                                                     {"Ca(OH)2", 1, true},
                                                                     {"CO", 2, true}}))
                                                    .value()) &&
                    desa(carpeta + "/bernat.qxs",
                         arxiu_sessio(sessio("Bernat Sàez", "08/12/2026",
                                             {{"NaCl", 1, false}, {"Fe2O3", 2, false}, {"CO", 1, true}}))
                             .value()) &&
                    desa(carpeta + "/carla.qxs", arxiu_sessio(carla).value()) &&
                    desa(carpeta + "/didac.qxs", arxiu_sessio(didac).value()) &&
                    desa(carpeta + "/trencat.qxs", "no és un arxiu de sessió\n");
    if (!be) std::cerr << "genera_sessions: no s'ha pogut escriure a " << carpeta << "\n";
    return be ? 0 : 1;
}
