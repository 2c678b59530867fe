#include "session/panell.h"

namespace quimerix {

EstatBotó Panell::botó(Botó b, const Situació_panell &s) const {
    const bool en_curs = s.fase == Fase::EnCurs;
    EstatBotó e;
    switch (b) {
    case Botó::Teoria:
    case Botó::Valències:
    case Botó::Símbols:
        e.ofert = en_curs && s.consulta;
        break;
    case Botó::Informe:
        e.ofert = s.fase != Fase::Inactiu;
        break;
    case Botó::Ajuda:
        e.ofert = en_curs && s.incorrecte;
        break;
    case Botó::Guia:
    case Botó::Crèdits:
    case Botó::Autor:
        e.ofert = true;
        break;
    }
    e.premut = e.ofert && Vista_de[static_cast<int>(b)] == vista_;
    e.actiu = e.ofert && !e.premut;
    return e;
}

bool Panell::prem(Botó b, const Situació_panell &s) {
    if (!botó(b, s).actiu) return false;
    vista_ = Vista_de[static_cast<int>(b)];
    if (vista_ == Vista::Crèdits) imatge_ = 0;
    return true;
}

void Panell::mostra_estadístiques() {
    vista_ = Vista::Estadístiques;
}

void Panell::després_de_corregir() {
    if (mostra_autor()) vista_ = Vista::Estadístiques;
}

void Panell::tic_imatge() {
    if (vista_ == Vista::Crèdits) imatge_ = (imatge_ + 1) % Nombre_imatges;
}

} // namespace quimerix
