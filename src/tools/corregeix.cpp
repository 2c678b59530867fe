// quimerix-eines corregeix: marks a typed name as the program does.

#include <iostream>

#include "checking/correccio.h"
#include "ordres.h"
#include "text.h"
#include "text/normalitza.h"

using namespace quimerix;

namespace {

int corregeix(const eines::Arguments &args) {
    const std::string esperat = normalitza_entrada(*args.valor("--esperat"));
    if (esperat.find_first_not_of(" ") == std::string::npos)
        return eines::error_us(eines::ordre_corregeix, "el nom esperat és buit");
    const std::string resposta = nom_teclejat(*args.valor("--resposta"));
    const Correccio_nom c = corregeix_nom(resposta, nom_esperat(esperat), args.te("--assistent"));
    std::cout << (c.correcte ? "CORRECTE" : "INCORRECTE") << "\n"
              << eines::visible(c.resposta_comparada) << "\n"
              << eines::visible(c.esperat_comparat) << "\n";
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_corregeix{
    .nom = "corregeix",
    .descripcio = "corregeix un nom teclejat com ho fa el programa",
    .opcions =
        {eines::obligatoria("--esperat", "NOM", "el nom correcte"),
         // An empty answer is marked like any other.
         {.nom = "--resposta", .valor = "TEXT", .ajuda = "el que ha escrit l'alumne", .obligatoria = true},
         eines::marca("--assistent", "amb l'assistent d'ortografia")},
    .executa = corregeix,
};
