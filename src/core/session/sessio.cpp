#include "session/sessio.h"

#include <algorithm>
#include <cstdio>

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

Sessió::Sessió(FontAleatoria &font, Missatges &missatges)
    : taules_(Taules::carrega()), font_(font), missatges_(missatges),
      mode_actual_(tasca_de_dígit(font.entre_1_i(2))),
      generador_(std::make_unique<Generador>(taules_, font)) {
    per_casella_ = compostos_per_casella(*generador_);
    recalcula_combinacions();
}

// ---- Options ----

void Sessió::recalcula_combinacions() {
    nombre_combinacions_ = 0;
    for (int i = 0; i < Nombre_caselles; ++i)
        if (opcions_.famílies[i]) nombre_combinacions_ += per_casella_[i];
}

void Sessió::posa_família(int casella, bool marcada) {
    if (estat_ != Estat::Inactiu || casella < 0 || casella >= Nombre_caselles) return;
    if (opcions_.famílies[casella] == marcada) return;
    opcions_.famílies[casella] = marcada;
    recalcula_combinacions();
    if (nombre_combinacions_ == 0) {
        missatges_.avisa(Títol_atenció, "Cal seleccionar algun tipus d'exercici", Icona::Exclamació);
        return;
    }
    if (opcions_.nombre_exercicis >= nombre_combinacions_) opcions_.nombre_exercicis = nombre_combinacions_;
}

void Sessió::posa_tasca(Opció_tasca tasca) {
    if (estat_ == Estat::Inactiu) opcions_.tasca = tasca;
}

void Sessió::posa_nombre_exercicis(int n) {
    if (estat_ != Estat::Inactiu) return;
    if (n >= nombre_combinacions_) n = nombre_combinacions_;
    opcions_.nombre_exercicis = std::max(n, 1);
}
void Sessió::augmenta_exercicis() {
    posa_nombre_exercicis(opcions_.nombre_exercicis + 1);
}
void Sessió::disminueix_exercicis() {
    posa_nombre_exercicis(opcions_.nombre_exercicis - 1);
}

void Sessió::posa_segons(int s) {
    if (estat_ == Estat::Inactiu) opcions_.segons = std::clamp(s, 1, Segons_màxim);
}
void Sessió::augmenta_temps() {
    posa_segons(opcions_.segons + 1);
}
void Sessió::disminueix_temps() {
    posa_segons(opcions_.segons - 1);
}

void Sessió::posa_assistent(bool v) {
    if (estat_ == Estat::Inactiu) opcions_.assistent = v;
}
void Sessió::posa_consulta(bool v) {
    if (estat_ == Estat::Inactiu) opcions_.consulta = v;
}
void Sessió::posa_límit_temps(bool v) {
    if (estat_ != Estat::Inactiu) return;
    opcions_.límit_temps = v;
    if (!v) crono_ = false;
}
void Sessió::posa_arxiu_actiu(bool v) {
    arxiu_actiu_ = v;
}

std::string Sessió::Temps_Estimat() const {
    return format_temps(static_cast<long long>(opcions_.nombre_exercicis) * opcions_.segons);
}

// ---- Start ----

bool Sessió::comença(const std::string &nom, const std::string &data) {
    if (estat_ != Estat::Inactiu || nombre_combinacions_ == 0) return false;
    if (!arxiu_actiu_ &&
        !missatges_.pregunta(Títol_atenció,
                             "No es crearà cap arxiu de dades amb els exercicis. Vols continuar?",
                             Icona::Informació))
        return false;
    if (nom.empty() &&
        !missatges_.pregunta(Títol_atenció, "No has posat el teu 'NOM i COGNOMS'. Vols continuar?",
                             Icona::Informació))
        return false;
    if (data.empty() &&
        !missatges_.pregunta(Títol_atenció, "El camp 'DATA' està buit. Vols continuar?", Icona::Informació))
        return false;

    const auto llarg = static_cast<long long>(longitud(nom));
    capçalera_ = "Nom i cognoms: " + nom +
                 std::string(llarg < 66 ? static_cast<std::size_t>(66 - llarg) : 0, ' ') + "  Data: " + data;
    registre_.buida();
    estadístiques_.reinicia();
    text_estadístiques_ = estadístiques_.Text_estadístiques();
    if (arxiu_actiu_ && en_desar) en_desar(*this);

    estat_ = Estat::Iniciada;
    iniciada_ = true;
    panell_.mostra_estadístiques();
    temps_resposta_ = opcions_.segons;
    segons_restants_ = temps_resposta_;
    exercici_.Codi_exercici.clear();
    if (!opcions_.límit_temps) {
        crono_ = false;
        Següent();
    }
    return true;
}

// ---- Cycle ----

std::string Sessió::Instrucció() const {
    if (pantalla_ == "Formular") return "Formula:";
    if (pantalla_ == "Anomenar") return "Anomena:";
    return "";
}

void Sessió::Següent() {
    if (estat_ != Estat::Iniciada && estat_ != Estat::Corregit) return;
    historial_visible_ = historial_pendent_;
    exercici_ = Exercici{};
    nom_demanat_.clear();
    nom_esperat_.clear();
    resposta_ = Resposta{};
    switch (opcions_.tasca) {
    case Opció_tasca::Formular:
        mode_actual_ = Tasca::Formular;
        break;
    case Opció_tasca::Anomenar:
        mode_actual_ = Tasca::Anomenar;
        break;
    case Opció_tasca::Alternat:
        break;
    case Opció_tasca::Aleatori:
        mode_actual_ = tasca_de_dígit(font_.entre_1_i(2));
        break;
    }
    mode_exercici_ = mode_actual_;
    panell_.mostra_estadístiques();
    pantalla_ = mode_actual_ == Tasca::Formular ? "Formular" : "Anomenar";

    auto nou = generador_->Sorteig_tipus_exercici(opcions_.famílies, mode_actual_);
    if (!nou) {
        // Every ticked family is used up: nothing was built, so nothing is shown or counted.
        Fi_exercicis2();
        return;
    }
    exercici_ = std::move(*nou);
    exercici_.Nom_compost = nom_esperat(exercici_.Nom_compost);
    nom_demanat_ = nom_esperat_ = exercici_.Nom_compost;
    ++número_;
    estat_ = Estat::Pregunta;
    segons_restants_ = temps_resposta_;
    vermell_ = false;
    crono_ = opcions_.límit_temps;

    if (número_ > opcions_.nombre_exercicis) {
        --número_;
        Fi_exercicis2();
        return;
    }
    if (opcions_.tasca == Opció_tasca::Alternat) mode_actual_ = altra_tasca(mode_actual_);
}

void Sessió::Fi_exercicis2() {
    estat_ = Estat::Acabada;
    panell_.mostra_estadístiques();
    opcions_.límit_temps = false;
    crono_ = false;
    if (missatges_.pregunta(Títol_informació,
                            "Has completat tots els exercicits. Vols imprimir-ne un informe?",
                            Icona::Informació) &&
        en_imprimir)
        en_imprimir(*this);
}

void Sessió::corregeix() {
    if (estat_ == Estat::Pregunta) avalua_resposta();
}

void Sessió::continua() {
    if (estat_ == Estat::Pregunta)
        avalua_resposta();
    else if (estat_ == Estat::Iniciada || estat_ == Estat::Corregit)
        Següent();
}

void Sessió::avalua_resposta() {
    crono_ = false;
    bool correcte = false;
    std::string línia;
    const Tasca tasca = mode_exercici_.value_or(Tasca::Formular);
    if (tasca == Tasca::Formular) {
        correcte = corregeix_fórmula(resposta_.caixes, exercici_);
        línia = línia_registre_fórmula(número_, nom_demanat_, exercici_, resposta_.caixes, correcte);
    } else {
        const Correcció_nom c = corregeix_nom(resposta_.nom, nom_esperat_, opcions_.assistent);
        correcte = c.correcte;
        nom_esperat_ = c.nom_esperat_mostrat;
        resposta_.nom = c.resposta_mostrada;
        línia = línia_registre_nom(número_, exercici_, resposta_.nom, nom_demanat_, correcte);
    }
    resultat_ = correcte ? Resultat_correcte : Resultat_incorrecte;
    registre_.afegeix(std::move(línia));
    estat_ = Estat::Corregit;
    panell_.després_de_corregir();

    const Línies_historial h = línies_historial(tasca, número_, exercici_, resposta_, nom_esperat_, correcte);
    historial_.afegeix(h.exercici, h.resposta, h.correcció);
    historial_pendent_ = {historial_.exercicis(), historial_.respostes(), historial_.correccions()};

    estadístiques_.compta(exercici_.Codi_exercici, resultat_);
    text_estadístiques_ = estadístiques_.Text_estadístiques();
    if (arxiu_actiu_ && en_desar) en_desar(*this);
}

void Sessió::tic() {
    if (!opcions_.límit_temps) crono_ = false;
    if (!iniciada_ || !crono_) return;
    --segons_restants_;
    if (segons_restants_ <= 5) vermell_ = true;
    if (segons_restants_ <= 0) {
        segons_restants_ = 0;
        crono_ = false;
        if (estat_ == Estat::Pregunta) avalua_resposta();
        missatges_.avisa(Títol_atenció, "S'ha acabat el temps!", Icona::Informació);
    }
}

// ---- Answer ----

void Sessió::posa_nom(const std::string &text) {
    if (estat_ == Estat::Pregunta && mode_exercici_ == Tasca::Anomenar) resposta_.nom = nom_teclejat(text);
}

void Sessió::posa_caixa(Caixa caixa, const std::string &text) {
    if (estat_ != Estat::Pregunta || mode_exercici_ != Tasca::Formular || caixa < 0 || caixa >= Nombre_caixes)
        return;
    if (!exercici_.visibles[caixa]) return;
    resposta_.caixes[caixa] = primers_caràcters(text, Mida_caixa[caixa]);
}

// ---- View ----

bool Sessió::mostra_claudàtors_esperats() const {
    return mostra_fórmula_esperada() && !exercici_.caixes[Subíndex_grup].empty();
}

Situació_panell Sessió::situació_panell() const {
    Situació_panell s;
    s.fase = estat_ == Estat::Inactiu   ? Fase::Inactiu
             : estat_ == Estat::Acabada ? Fase::Acabada
                                        : Fase::EnCurs;
    s.consulta = opcions_.consulta;
    s.incorrecte = mostra_incorrecte();
    return s;
}

DadesSessió Sessió::dades() const {
    DadesSessió d;
    d.capçalera = capçalera_;
    d.registres = registre_.línies();
    d.text_estadístiques = text_estadístiques_;
    d.encerts = estadístiques_.Encerts_per_tipus;
    d.errors = estadístiques_.Errors_per_tipus;
    return d;
}

} // namespace quimerix
