#include "checking/correccio.h"

#include "checking/assistent.h"
#include "data/regles.h"
#include "text/normalitza.h"
#include "text/utf8.h"

namespace quimerix {

std::string nom_teclejat(const std::string &text) {
    return primers_caracters(normalitza_entrada(text), Mida_nom);
}

std::string nom_esperat(const std::string &Nom_compost) {
    return Canvi_MAJUSCULES_minuscules(Nom_compost);
}

bool corregeix_formula(const std::array<std::string, Nombre_caixes> &resposta, const Exercici &esperat) {
    for (int c = 0; c < Nombre_caixes; ++c)
        if (resposta[c] != esperat.caixes[c]) return false;
    return true;
}

Correccio_nom corregeix_nom(const std::string &teclejat, const std::string &esperat, bool assistent) {
    Correccio_nom r;
    std::u32string s = a_caracters(normalitza_entrada(teclejat));
    if (!s.empty() && (s.back() == U'ç' || s.back() == U'Ç')) s.pop_back();
    if (s.ends_with(U" ç") || s.ends_with(U" Ç")) s.resize(s.size() - 2);
    r.resposta_mostrada = a_utf8(s);

    std::string text = Canvi_MAJUSCULES_minuscules2(r.resposta_mostrada);
    if (assistent) text = Suprimir_espais(text);
    r.Nom_amb_accents = esperat;
    std::string esperat_comparat = esperat;
    if (assistent) {
        text = Canvi_accents(text);
        esperat_comparat = Canvi_accents_esperat(esperat_comparat);
    }
    const std::string plata = "de plata";
    if (text.ends_with(plata)) text.replace(text.size() - plata.size(), plata.size(), "d'argent");
    text = Apostrofa(text);

    r.resposta_comparada = text;
    r.esperat_comparat = esperat_comparat;
    r.correcte = text == esperat_comparat;
    r.nom_esperat_mostrat = r.correcte ? esperat_comparat : r.Nom_amb_accents;
    return r;
}

std::string formula_amb_espais(const std::array<std::string, Nombre_caixes> &c, bool claudators) {
    if (claudators)
        return c[Simbol1] + c[Subindex1] + " " + "(" + c[Simbol2] + c[Subindex2] + " " + c[Simbol3] +
               c[Subindex3] + ")" + c[Subindex_grup];
    return c[Simbol1] + c[Subindex1] + " " + c[Simbol2] + c[Subindex2] + " " + c[Simbol3] + c[Subindex3] +
           c[Subindex_grup];
}

} // namespace quimerix
