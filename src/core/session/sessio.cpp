#include "session/sessio.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "generation/font_llavor.h"
#include "records/capcalera.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix {

std::array<int, Nombre_caselles> compostos_per_casella(const Generador &g) {
    std::array<int, Nombre_caselles> r{};
    for (int i = 0; i < Nombre_tipus; ++i) {
        const auto tipus = static_cast<Tipus_compost>(i);
        r[dades(tipus).casella] += g.combinacions(tipus);
    }
    return r;
}

std::string format_temps(long long segons) {
    if (segons < 0) segons = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", segons / 3600, segons / 60 % 60, segons % 60);
    return text;
}

Sessio::Sessio(FontAleatoria &font, Missatges &missatges)
    : taules_(Taules::carrega()), font_programa_(font), font_(&font), missatges_(missatges),
      mode_actual_(tasca_de_digit(font.entre_1_i(2))),
      generador_(std::make_unique<Generador>(taules_, font)) {
    per_casella_ = compostos_per_casella(*generador_);
    recalcula_combinacions();
}

void Sessio::sorteja_inici(FontAleatoria &font) {
    font_ = &font;
    mode_actual_ = tasca_de_digit(font.entre_1_i(2));
    generador_ = std::make_unique<Generador>(taules_, font);
}

// ---- The exam ----

bool Sessio::posa_examen(const Examen &e) {
    if (estat_ != Estat::Inactiu) return false;
    examen_.reset();
    font_examen_ = std::make_unique<FontLlavor>(e.llavor);
    sorteja_inici(*font_examen_);
    opcions_.families = e.families;
    opcions_.tasca = static_cast<Opcio_tasca>(e.tasca);
    opcions_.limit_temps = e.segons > 0;
    if (e.segons > 0) opcions_.segons = std::clamp(e.segons, 1, Segons_maxim);
    opcions_.assistent = e.assistent;
    opcions_.consulta = e.consulta;
    recalcula_combinacions();
    posa_nombre_exercicis(e.exercicis);
    examen_ = e;
    return true;
}

void Sessio::treu_examen() {
    if (estat_ != Estat::Inactiu || !examen_) return;
    examen_.reset();
    sorteja_inici(font_programa_);
    font_examen_.reset();
}

// ---- Options ----

void Sessio::recalcula_combinacions() {
    nombre_combinacions_ = 0;
    for (int i = 0; i < Nombre_caselles; ++i)
        if (opcions_.families[i]) nombre_combinacions_ += per_casella_[i];
}

void Sessio::posa_familia(int casella, bool marcada) {
    if (!opcions_editables() || casella < 0 || casella >= Nombre_caselles) return;
    if (opcions_.families[casella] == marcada) return;
    opcions_.families[casella] = marcada;
    recalcula_combinacions();
    if (nombre_combinacions_ == 0) {
        missatges_.avisa(Titol_atencio, "Cal seleccionar algun tipus d'exercici", Icona::Exclamacio);
        return;
    }
    if (opcions_.nombre_exercicis >= nombre_combinacions_) opcions_.nombre_exercicis = nombre_combinacions_;
}

void Sessio::posa_tasca(Opcio_tasca tasca) {
    if (opcions_editables()) opcions_.tasca = tasca;
}

void Sessio::posa_nombre_exercicis(int n) {
    if (!opcions_editables()) return;
    if (n >= nombre_combinacions_) n = nombre_combinacions_;
    opcions_.nombre_exercicis = std::max(n, 1);
}
void Sessio::augmenta_exercicis() {
    posa_nombre_exercicis(opcions_.nombre_exercicis + 1);
}
void Sessio::disminueix_exercicis() {
    posa_nombre_exercicis(opcions_.nombre_exercicis - 1);
}

void Sessio::posa_segons(int s) {
    if (opcions_editables()) opcions_.segons = std::clamp(s, 1, Segons_maxim);
}
void Sessio::augmenta_temps() {
    posa_segons(opcions_.segons + 1);
}
void Sessio::disminueix_temps() {
    posa_segons(opcions_.segons - 1);
}

void Sessio::posa_assistent(bool v) {
    if (opcions_editables()) opcions_.assistent = v;
}
void Sessio::posa_consulta(bool v) {
    if (opcions_editables()) opcions_.consulta = v;
}
void Sessio::posa_limit_temps(bool v) {
    if (!opcions_editables()) return;
    opcions_.limit_temps = v;
    if (!v) crono_ = false;
}
void Sessio::posa_arxiu_actiu(bool v) {
    arxiu_actiu_ = v;
}

std::string Sessio::Temps_Estimat() const {
    return format_temps(static_cast<long long>(opcions_.nombre_exercicis) * opcions_.segons);
}

// ---- Start ----

bool Sessio::comenca(const std::string &nom_teclejat, const std::string &data_teclejada) {
    if (estat_ != Estat::Inactiu || nombre_combinacions_ == 0) return false;
    // The header keeps the name and the date as read, within what the file takes back.
    const std::string nom = primers_caracters(normalitza_entrada(nom_teclejat), Maxim_nom_alumne);
    const std::string data = primers_caracters(normalitza_entrada(data_teclejada), Maxim_data);
    if (!arxiu_actiu_ &&
        !missatges_.pregunta(Titol_atencio,
                             "No es crearà cap arxiu de dades amb els exercicis. Vols continuar?",
                             Icona::Informacio))
        return false;
    if (nom.empty() &&
        !missatges_.pregunta(Titol_atencio, "No has posat el teu 'NOM i COGNOMS'. Vols continuar?",
                             Icona::Informacio))
        return false;
    if (data.empty() &&
        !missatges_.pregunta(Titol_atencio, "El camp 'DATA' està buit. Vols continuar?", Icona::Informacio))
        return false;

    capcalera_ = escriu_capcalera({nom, data});
    registre_.buida();
    estadistiques_.reinicia();
    text_estadistiques_ = estadistiques_.Text_estadistiques();
    if (arxiu_actiu_ && en_desar) en_desar(dades());

    estat_ = Estat::Iniciada;
    opcions_serie_ = opcions_;
    errors_serie_.clear();
    esgotats_.clear();
    repeticio_.reset();
    ronda_activa_ = false;
    desada_.reset();
    panell_.mostra_estadistiques();
    temps_resposta_ = opcions_.segons;
    segons_restants_ = temps_resposta_;
    exercici_.Codi_exercici.clear();
    if (!opcions_.limit_temps) {
        crono_ = false;
        Seguent();
    }
    return true;
}

// ---- Cycle ----

std::string Sessio::Instruccio() const {
    if (pantalla_ == "Formular") return "Formula:";
    if (pantalla_ == "Anomenar") return "Anomena:";
    return "";
}

void Sessio::Seguent() {
    if (estat_ != Estat::Iniciada && estat_ != Estat::Corregit) return;
    if (ronda_activa_) {
        seguent_repeticio();
        return;
    }
    historial_visible_ = historial_pendent_;
    exercici_ = Exercici{};
    nom_demanat_.clear();
    nom_esperat_.clear();
    resposta_ = Resposta{};
    diagnosi_.clear();
    switch (opcions_.tasca) {
    case Opcio_tasca::Formular:
        mode_actual_ = Tasca::Formular;
        break;
    case Opcio_tasca::Anomenar:
        mode_actual_ = Tasca::Anomenar;
        break;
    case Opcio_tasca::Alternat:
        break;
    case Opcio_tasca::Aleatori:
        mode_actual_ = tasca_de_digit(font_->entre_1_i(2));
        break;
    }
    mode_exercici_ = mode_actual_;
    panell_.mostra_estadistiques();
    pantalla_ = mode_actual_ == Tasca::Formular ? "Formular" : "Anomenar";

    auto nou = generador_->Sorteig_tipus_exercici(opcions_.families, mode_actual_);
    if (!nou) {
        // Every ticked family is used up: nothing was built, so nothing is shown or counted.
        Fi_exercicis2();
        return;
    }
    exercici_ = std::move(*nou);
    exercici_.Nom_compost = nom_esperat(exercici_.Nom_compost);
    nom_demanat_ = nom_esperat_ = exercici_.Nom_compost;
    ++numero_;
    estat_ = Estat::Pregunta;
    segons_restants_ = temps_resposta_;
    vermell_ = false;
    crono_ = opcions_.limit_temps;

    if (numero_ > opcions_.nombre_exercicis) {
        --numero_;
        Fi_exercicis2();
        return;
    }
    if (opcions_.tasca == Opcio_tasca::Alternat) mode_actual_ = altra_tasca(mode_actual_);
}

void Sessio::Fi_exercicis2() {
    estat_ = Estat::Acabada;
    panell_.mostra_estadistiques();
    opcions_.limit_temps = false;
    crono_ = false;
    if (missatges_.pregunta(Titol_informacio,
                            "Has completat tots els exercicits. Vols imprimir-ne un informe?",
                            Icona::Informacio) &&
        en_imprimir)
        en_imprimir(dades());
}

void Sessio::corregeix() {
    if (estat_ == Estat::Pregunta) avalua_resposta();
}

void Sessio::continua() {
    if (estat_ == Estat::Pregunta)
        avalua_resposta();
    else if (estat_ == Estat::Iniciada || estat_ == Estat::Corregit)
        Seguent();
}

void Sessio::avalua_resposta() {
    crono_ = false;
    bool correcte = false;
    std::string linia;
    const Tasca tasca = mode_exercici_.value_or(Tasca::Formular);
    std::string resposta_escrita;
    if (tasca == Tasca::Formular) {
        correcte = corregeix_formula(resposta_.caixes, exercici_);
        linia = linia_registre_formula(numero_, nom_demanat_, exercici_, resposta_.caixes, correcte);
        resposta_escrita = llegeix_linia_registre(linia).value_or(Linia_registre{}).resposta;
    } else {
        const Correccio_nom c =
            corregeix_nom_de_formula(taules_, exercici_, resposta_.nom, nom_esperat_, opcions_.assistent);
        correcte = c.correcte;
        nom_esperat_ = c.nom_esperat_mostrat;
        resposta_.nom = c.resposta_mostrada;
        linia = linia_registre_nom(numero_, exercici_, resposta_.nom, nom_demanat_, correcte);
        resposta_escrita = resposta_.nom;
    }
    resultat_ = correcte ? Resultat_correcte : Resultat_incorrecte;
    diagnosi_ = correcte ? std::vector<Troballa>{}
                         : diagnostica(taules_, exercici_, tasca, resposta_, opcions_.assistent);
    estat_ = Estat::Corregit;
    panell_.despres_de_corregir(!correcte);
    const bool esgotat = std::exchange(esgotat_, false);

    // What is shown of this correction; the diagnosis is kept apart, since it is shown above it.
    correccio_ = {ronda_activa_ ? repeticio_->actual()->numero : numero_,
                  tasca,
                  tasca == Tasca::Formular ? nom_demanat_ : formula_registre(exercici_),
                  resposta_escrita,
                  tasca == Tasca::Formular ? exercici_.formula() : nom_esperat_,
                  correcte  ? Veredicte::Correcte
                  : esgotat ? Veredicte::Temps
                            : Veredicte::Incorrecte,
                  exercici_.Comentari,
                  {}};
    if (ronda_activa_) {
        // The round changes nothing of the set: only its own queue and what is shown.
        repeticio_->respon(correcte);
        return;
    }

    registre_.afegeix(std::move(linia));
    if (!correcte) {
        errors_serie_.push_back({numero_, tasca, exercici_});
        if (esgotat) esgotats_.push_back(numero_);
    }

    const Linies_historial h = linies_historial(tasca, numero_, exercici_, resposta_, nom_esperat_, correcte);
    historial_.afegeix(h.exercici, h.resposta, h.correccio);
    historial_pendent_ = {historial_.exercicis(), historial_.respostes(), historial_.correccions()};

    estadistiques_.compta(exercici_.Codi_exercici, resultat_);
    text_estadistiques_ = estadistiques_.Text_estadistiques();
    if (arxiu_actiu_ && en_desar) en_desar(dades());
}

void Sessio::tic() {
    if (!limit_vigent()) crono_ = false;
    if (estat_ == Estat::Inactiu || !crono_) return;
    --segons_restants_;
    if (segons_restants_ <= 5) vermell_ = true;
    if (segons_restants_ <= 0) {
        segons_restants_ = 0;
        crono_ = false;
        esgotat_ = true;
        if (estat_ == Estat::Pregunta) avalua_resposta();
        esgotat_ = false;
        missatges_.avisa(Titol_atencio, "S'ha acabat el temps!", Icona::Informacio);
    }
}

// ---- Answer ----

void Sessio::posa_nom(const std::string &text) {
    if (estat_ == Estat::Pregunta && mode_exercici_ == Tasca::Anomenar) resposta_.nom = nom_teclejat(text);
}

void Sessio::posa_caixa(Caixa caixa, const std::string &text) {
    if (estat_ != Estat::Pregunta || mode_exercici_ != Tasca::Formular || caixa < 0 || caixa >= Nombre_caixes)
        return;
    if (!exercici_.visibles[caixa]) return;
    resposta_.caixes[caixa] = primers_caracters(normalitza_entrada(text), Mida_caixa[caixa]);
}

// ---- View ----

bool Sessio::mostra_claudators_esperats() const {
    return mostra_formula_esperada() && !exercici_.caixes[Subindex_grup].empty();
}

Situacio_panell Sessio::situacio_panell() const {
    Situacio_panell s;
    s.fase = estat_ == Estat::Inactiu   ? Fase::Inactiu
             : estat_ == Estat::Acabada ? Fase::Acabada
                                        : Fase::EnCurs;
    s.consulta = opcions_.consulta;
    s.incorrecte = mostra_incorrecte();
    return s;
}

DadesSessio Sessio::dades() const {
    DadesSessio d;
    d.capcalera = capcalera_;
    d.registres = registre_.linies();
    d.text_estadistiques = text_estadistiques_;
    d.encerts = estadistiques_.Encerts_per_tipus;
    d.errors = estadistiques_.Errors_per_tipus;
    return d;
}

} // namespace quimerix
