#include "session/vista.h"

#include "session/sessio.h"

namespace quimerix {

namespace {

// What is wrong in the answer just corrected, one sentence a line.
std::string text_diagnosi(const Sessio &s) {
    std::string text;
    for (const Troballa &t : s.diagnosi())
        text += (text.empty() ? "" : "\n") + t.text;
    return text;
}

} // namespace

Vista_exercici vista_exercici(const Sessio &s) {
    Vista_exercici v;
    const Estat e = s.estat();
    const Exercici &x = s.Exercici_actual();
    const bool formular = s.Mode_exercici() == Tasca::Formular;
    const bool anomenar = s.Mode_exercici() == Tasca::Anomenar;
    v.en_curs = e == Estat::Pregunta || e == Estat::Corregit;
    v.instruccio = s.Instruccio();
    v.nom_demanat = v.en_curs && formular;
    for (int c = 0; c < Nombre_caixes; ++c) {
        v.pregunta[c] = v.en_curs && anomenar && x.visibles[c];
        v.caixa[c] = v.en_curs && formular && x.visibles[c];
        v.esperada[c] = s.mostra_formula_esperada() && x.visibles[c];
        if (v.caixa[c] && v.primera_caixa < 0) v.primera_caixa = c;
    }
    v.claudators = v.en_curs && x.claudators;
    v.nom = v.en_curs && anomenar;
    v.fila_esperada = s.mostra_formula_esperada();
    v.resposta_activa = s.resposta_activa();
    v.incorrecte = s.mostra_incorrecte();
    v.correcte = s.mostra_correcte();
    v.claudators_esperats = s.mostra_claudators_esperats();
    v.nom_esperat = s.mostra_nom_esperat();
    if (v.incorrecte) v.diagnosi = text_diagnosi(s);
    v.marc = e == Estat::Corregit;
    v.marc_curt = v.correcte;
    v.serie_acabada = s.serie_acabada();
    if (v.serie_acabada) {
        const Nota_informe n = s.nota();
        v.resultat = true;
        v.nota = n.text_nota;
        v.percentatge = n.text_percentatge;
        v.suspesa = n.suspesa;
        v.totals = std::to_string(n.encerts) + (n.encerts == 1 ? " encert de " : " encerts de ") +
                   std::to_string(n.total) + (n.total == 1 ? " exercici" : " exercicis");
        v.repeteix = s.ofereix_repeticio();
        v.nova = true;
        v.primera_accio = v.repeteix ? Accio_final::Repeteix : Accio_final::Revisa;
        if (const Repeticio *r = s.repeticio()) v.resultat_repeticio = r->resultat();
    }
    // Also in the idle window, for a set read back from its file.
    v.revisa = s.ofereix_revisio();
    if (s.en_repeticio()) {
        v.progres_repeticio = s.repeticio()->progres();
        v.deixa_repeticio = true;
    }
    if (e == Estat::Corregit) {
        const Correccio_mostrada &c = s.correccio();
        v.anunci = text_veredicte(c.veredicte) + ".";
        if (c.veredicte != Veredicte::Correcte) v.anunci += " Resposta esperada: " + c.esperada + ".";
        for (const Troballa &t : s.diagnosi())
            v.anunci += " " + t.text;
    } else if (v.resultat) {
        v.anunci =
            "S'han completat tots els exercicis. " + v.nota + ", " + v.percentatge + ". " + v.totals + ".";
        if (!v.resultat_repeticio.empty()) v.anunci += " " + v.resultat_repeticio;
    }
    v.corregir = e == Estat::Pregunta;
    v.seguent = e == Estat::Iniciada || e == Estat::Corregit;
    if (e == Estat::Pregunta)
        v.focus = formular && v.primera_caixa >= 0 ? Focus_exercici::Caixa
                  : anomenar                       ? Focus_exercici::Nom
                                                   : Focus_exercici::Cap;
    else if (v.seguent)
        v.focus = Focus_exercici::Seguent;
    else if (v.resultat)
        v.focus = Focus_exercici::Accio;
    return v;
}

bool mostra_alguna_cosa(const Vista_exercici &v) {
    return v.en_curs || v.fila_esperada || v.claudators_esperats || v.incorrecte || v.correcte ||
           v.nom_esperat || v.marc || v.serie_acabada || v.resultat || v.revisa || v.nova || v.repeteix ||
           v.deixa_repeticio || !v.progres_repeticio.empty() || v.corregir || v.seguent;
}

Vista_estadistiques vista_estadistiques(const Sessio &s) {
    Vista_estadistiques v;
    const Vista vista = s.panell().vista();
    v.graella = s.estat() != Estat::Inactiu && vista == Vista::Estadistiques;
    v.comentari = vista == Vista::Professor || vista == Vista::Diagnosi;
    if (vista == Vista::Diagnosi && s.mostra_incorrecte()) v.diagnosi = text_diagnosi(s);
    v.informe = s.boto(Boto::Informe).ofert;
    v.ajuda = s.boto(Boto::Ajuda).ofert;
    return v;
}

bool mostra_alguna_cosa(const Vista_estadistiques &v) {
    return v.graella || v.comentari || v.informe || v.ajuda;
}

Vista_opcions vista_opcions(const Sessio &s) {
    Vista_opcions v;
    const Estat e = s.estat();
    const bool inactiu = e == Estat::Inactiu;
    v.editables = s.opcions_editables();
    v.nombre = inactiu;
    v.recompte = !inactiu;
    v.temps = inactiu && s.opcions().limit_temps;
    v.compte_enrere = !inactiu && s.limit_vigent();
    // A text read in the idle window (the guide, the notes, the tables, a review) takes the place
    // of the prompt above the options.
    const Vista llegida = s.panell().vista();
    const bool guia = inactiu && llegida != Vista::Credits && llegida != Vista::Autor &&
                      llegida != Vista::Estadistiques && llegida != Vista::Professor;
    v.avis_familia = inactiu && s.cal_seleccionar_familia() && !guia;
    v.comencar = inactiu && !s.cal_seleccionar_familia();
    if (v.comencar && !guia)
        v.indicacio = "Configura les opcions i prem \"D'acord\"";
    else if (e == Estat::Iniciada)
        v.indicacio = "Prem Següent per començar el primer exercici";
    if (v.compte_enrere && e == Estat::Pregunta)
        v.avis_temps = avis_compte_enrere(s.temps_resposta(), s.segons_restants());
    return v;
}

std::string avis_compte_enrere(int limit, int restants) {
    if (restants >= limit) return {};
    if (restants == 5 || restants == 10) return "Queden " + std::to_string(restants) + " segons";
    // Half of a short limit falls on or after the 10-second mark, which speaks for it.
    if (restants > 10 && restants == (limit + 1) / 2)
        return "Queda la meitat del temps: " + std::to_string(restants) + " segons";
    return {};
}

} // namespace quimerix
