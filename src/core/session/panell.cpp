#include "session/panell.h"

namespace quimerix {

EstatBoto Panell::boto(Boto b, const Situacio_panell &s) const {
    const bool en_curs = s.fase == Fase::EnCurs;
    EstatBoto e;
    switch (b) {
    case Boto::Teoria:
    case Boto::Valencies:
    case Boto::Simbols:
        // During a set as the option says; with no exercise in hand (idle, or after a set)
        // likewise, since reading then takes nobody's time.
        e.ofert = s.consulta;
        break;
    case Boto::Informe:
        e.ofert = s.fase != Fase::Inactiu;
        break;
    case Boto::Ajuda:
        e.ofert = en_curs && s.incorrecte;
        break;
    case Boto::Guia:
    case Boto::Credits:
    case Boto::Autor:
        e.ofert = true;
        break;
    }
    e.premut = e.ofert && Vista_de[static_cast<int>(b)] == vista_;
    e.actiu = e.ofert && !e.premut;
    return e;
}

bool Panell::prem(Boto b, const Situacio_panell &s) {
    if (!boto(b, s).actiu) return false;
    vista_ = Vista_de[static_cast<int>(b)];
    if (vista_ == Vista::Credits) imatge_ = 0;
    return true;
}

void Panell::mostra_estadistiques() {
    vista_ = Vista::Estadistiques;
}

void Panell::despres_de_corregir(bool incorrecte) {
    if (incorrecte)
        vista_ = Vista::Diagnosi;
    else if (mostra_autor())
        vista_ = Vista::Estadistiques;
}

void Panell::tic_imatge() {
    if (vista_ == Vista::Credits) imatge_ = (imatge_ + 1) % Nombre_imatges;
}

} // namespace quimerix
