// After a set: the round of the student's own mistakes, a new set without restarting, and the
// review of a set, live or read back from its file.

#include "session/sessio.h"

#include <utility>

namespace quimerix {

// ---- After the set ----

void Sessio::repeteix_errors() {
    if (!ofereix_repeticio() || ronda_activa_) return;
    repeticio_.emplace(errors_serie_, font_programa_);
    ronda_activa_ = true;
    seguent_repeticio();
}

void Sessio::seguent_repeticio() {
    const Error_serie *e = repeticio_ ? repeticio_->actual() : nullptr;
    panell_.mostra_estadistiques();
    if (!e) {
        deixa_repeticio();
        return;
    }
    exercici_ = e->exercici;
    mode_exercici_ = e->tasca;
    pantalla_ = e->tasca == Tasca::Formular ? "Formular" : "Anomenar";
    nom_demanat_ = nom_esperat_ = exercici_.Nom_compost;
    resposta_ = Resposta{};
    estat_ = Estat::Pregunta;
    segons_restants_ = temps_resposta_;
    vermell_ = false;
    crono_ = opcions_serie_.limit_temps;
}

void Sessio::deixa_repeticio() {
    if (!ronda_activa_) return;
    if (!repeticio_->acabada()) repeticio_->deixa();
    ronda_activa_ = false;
    estat_ = Estat::Acabada;
    crono_ = false;
    esgotat_ = false;
    panell_.mostra_estadistiques();
}

std::vector<std::string> Sessio::detall_repeticio() const {
    return linies_correccio(correccio_);
}

void Sessio::nova_serie() {
    if (estat_ != Estat::Acabada || ronda_activa_) return;
    opcions_ = opcions_serie_;
    estat_ = Estat::Inactiu;
    arxiu_actiu_ = false;
    capcalera_.clear();
    exercici_ = Exercici{};
    nom_demanat_.clear();
    nom_esperat_.clear();
    pantalla_.clear();
    mode_exercici_.reset();
    resposta_ = Resposta{};
    resultat_ = 0;
    numero_ = 0;
    segons_restants_ = 0;
    crono_ = vermell_ = false;
    estadistiques_.reinicia();
    text_estadistiques_ = estadistiques_.Text_estadistiques();
    historial_ = Historial{};
    historial_visible_ = historial_pendent_ = {};
    registre_.buida();
    errors_serie_.clear();
    esgotats_.clear();
    repeticio_.reset();
    panell_ = Panell{};
    // An exam's code still in force deals the exam again, from its seed: the same set as before.
    if (examen_) {
        const Examen e = *examen_;
        posa_examen(e);
        return;
    }
    // The decks go on; a family with nothing left is dealt again, so that no box offers 0
    // because of the sets already played.
    for (int i = 0; i < Nombre_tipus; ++i) {
        const auto t = static_cast<Tipus_compost>(i);
        if (generador_->ple(t) || generador_->restants(t) <= 0) generador_->renova(t);
    }
    per_casella_ = {};
    for (int i = 0; i < Nombre_tipus; ++i) {
        const auto t = static_cast<Tipus_compost>(i);
        per_casella_[quimerix::dades(t).casella] += generador_->restants(t);
    }
    recalcula_combinacions();
    posa_nombre_exercicis(opcions_.nombre_exercicis);
}

// ---- The review ----

void Sessio::posa_desada(DadesSessio d) {
    if (estat_ == Estat::Inactiu) desada_ = std::move(d);
}

bool Sessio::ofereix_revisio() const {
    return (estat_ == Estat::Acabada && !ronda_activa_) || (estat_ == Estat::Inactiu && desada_);
}

void Sessio::revisa() {
    if (ofereix_revisio()) panell_.mostra_revisio();
}

std::vector<Fila_revisio> Sessio::files_revisio() const {
    if (estat_ != Estat::Inactiu) return quimerix::files_revisio(dades(), esgotats_);
    if (desada_) return quimerix::files_revisio(*desada_);
    return {};
}

std::vector<std::string> Sessio::detall_revisio(int i) const {
    const std::vector<Fila_revisio> files = files_revisio();
    if (i < 0 || i >= static_cast<int>(files.size())) return {};
    return linies_correccio(
        correccio_de_fila(taules_, files[static_cast<std::size_t>(i)], opcions_.assistent));
}

} // namespace quimerix
