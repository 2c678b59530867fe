#pragma once
// A set of 1,700 exercises (the most a session holds), one right and one wrong in turn, for the
// report's benchmarks.

#include "checking/estadistiques.h"
#include "records/dades_sessio.h"

inline quimerix::DadesSessio conjunt_1700() {
    using namespace quimerix;
    DadesSessio d;
    d.capcalera = "Nom i cognoms: Marcel·la Ferrà Gonçalves" + std::string(41, ' ') + "  Data: 3/5/2024";
    Estadistiques e;
    for (int i = 1; i <= 1700; ++i) {
        std::string n = std::to_string(i);
        n = i < 1000 ? " " + n + std::string(i < 10 ? 3 : 2, ' ') : n + "  ";
        d.registres.push_back(
            i % 2 ? n + "hipoclorit de manganès (II)            Mn (Cl O)2                     "
                        "       CORRECTE\r\n"
                  : n + "metafosfat de beril·li                  Be (P O3)                      "
                        "       Be (P O3)2\r\n");
        e.compta(i % 2 ? "MHX" : "HXO", i % 2 ? 2 : 1);
    }
    d.text_estadistiques = e.Text_estadistiques();
    d.encerts = e.Encerts_per_tipus;
    d.errors = e.Errors_per_tipus;
    return d;
}
