#include "layout/disposicio.h"

#include <algorithm>
#include <cmath>

namespace quimerix::disposicio {

namespace {

int registra_x(int x) {
    return x < 0 ? x + Desplacament_aparcat : x;
}

// A horizontal position scaled by the percentage. A parked control is scaled by its true
// (negative) position, so that it stays outside the window however much the window grows.
int escala_x(int registrat, int percent, bool aparcat) {
    if (aparcat) return (registrat - Desplacament_aparcat) * percent / 100;
    return registrat * percent / 100;
}

} // namespace

Rectangle registra(Tipus tipus, Rectangle disseny) {
    Rectangle r = disseny;
    r.a = registra_x(disseny.a);
    if (tipus == Tipus::Linia) r.c = registra_x(disseny.c);
    return r;
}

int percentatge(double actual, int registrat) {
    if (registrat <= 0) return 100;
    const long long arrodonit = std::llround(actual * 100.0);
    return static_cast<int>(arrodonit / registrat);
}

Collocacio colloca(Tipus tipus, Rectangle registre, int percent_amplada, int percent_alcada, bool aparcat_a,
                   bool aparcat_c, bool etiqueta_fixa) {
    Collocacio resultat;
    if (tipus == Tipus::Fix) return resultat;
    if (tipus == Tipus::Linia) {
        resultat.mou = true;
        resultat.on = {escala_x(registre.a, percent_amplada, aparcat_a), registre.b * percent_alcada / 100,
                       escala_x(registre.c, percent_amplada, aparcat_c), registre.d * percent_alcada / 100};
        return resultat;
    }
    if (etiqueta_fixa) return resultat;
    resultat.mou = true;
    resultat.amb_alcada = tipus != Tipus::Combo;
    resultat.on = {escala_x(registre.a, percent_amplada, aparcat_a), registre.b * percent_alcada / 100,
                   registre.c * percent_amplada / 100, registre.d * percent_alcada / 100};
    return resultat;
}

double factor_lletra(int percent_amplada, int percent_alcada) {
    const int percent = std::min(percent_amplada, percent_alcada);
    return percent >= 100 ? 1.0 : std::max(percent, 1) / 100.0;
}

} // namespace quimerix::disposicio
