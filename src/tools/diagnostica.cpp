// quimerix-eines diagnostica: marks an answer as the program does and says what is wrong in it.

#include <iostream>

#include "checking/diagnosi.h"
#include "ordres.h"
#include "text.h"
#include "text/normalitza.h"

using namespace quimerix;
using eines::json;
using eines::visible;

namespace {

int diagnostica_resposta(const eines::Arguments &args) {
    const auto &o = eines::ordre_diagnostica;
    const bool per_nom = args.te("--nom"), per_formula = args.te("--formula");
    if (per_nom == per_formula)
        return eines::error_us(o, "cal donar --nom o --formula, i només una de les dues");
    const Taules t = Taules::carrega();
    const std::string esperat = normalitza_entrada(*args.valor(per_nom ? "--nom" : "--formula"));

    const std::vector<const Compost *> trobats =
        composts_esperats(t, per_nom ? Tasca::Anomenar : Tasca::Formular, esperat);
    if (trobats.empty())
        return eines::error_us(o, (per_nom ? "cap compost del catàleg no es diu «"
                                           : "cap compost del catàleg no té la "
                                             "fórmula «") +
                                      visible(esperat) + "»");
    if (trobats.size() > 1) {
        std::string noms;
        for (std::size_t i = 0; i < trobats.size(); ++i)
            noms += (i ? (i + 1 == trobats.size() ? " i " : ", ") : "") + trobats[i]->nom;
        return eines::error_us(o, "«" + visible(esperat) + "» és de més d'un compost (" + noms +
                                      ") i no se sap quin formulava l'alumne");
    }
    const Compost &c = *trobats.front();
    const bool assistent = args.te("--assistent");
    const std::string text = *args.valor("--resposta");

    Resposta resposta;
    bool correcte = false;
    std::vector<Troballa> d;
    if (per_formula) {
        const auto llegida = llegeix_formula(t, text, c.exercici);
        if (!llegida)
            return eines::error_us(o, "la resposta «" + visible(text) +
                                          "» no cap a les caixes de la fórmula de " + c.formula);
        resposta.caixes = llegida->caixes;
        // The window draws a group's brackets itself; typed on one line they must be right too.
        correcte =
            corregeix_formula(resposta.caixes, c.exercici) && llegida->claudators == c.exercici.claudators;
        d = diagnostica(t, c.exercici, Tasca::Formular, resposta, assistent, llegida->claudators);
    } else {
        resposta.nom = nom_teclejat(text);
        correcte = corregeix_nom(resposta.nom, c.nom, assistent).correcte;
        d = diagnostica(t, c.exercici, Tasca::Anomenar, resposta, assistent);
    }

    if (args.te("--json")) {
        std::string s = std::string("{\"correcte\":") + (correcte ? "true" : "false") + ",\"diagnosi\":[";
        for (std::size_t i = 0; i < d.size(); ++i)
            s += (i ? "," : "") + std::string("{\"tipus\":") + json(clau(d[i].tipus)) +
                 ",\"text\":" + json(d[i].text) + "}";
        std::cout << s << "]}\n";
        return 0;
    }
    std::cout << (correcte ? "CORRECTE" : "INCORRECTE") << "\n";
    for (const Troballa &x : d)
        std::cout << clau(x.tipus) << ": " << visible(x.text) << "\n";
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_diagnostica{
    .nom = "diagnostica",
    .descripcio = "diu què falla en una resposta (cal --nom o --formula)",
    .opcions = {eines::opcional("--nom", "NOM",
                                "l'alumne anomenava el compost que es diu NOM (el nom com l'escriu cataleg)"),
                eines::opcional("--formula", "FORMULA",
                                "l'alumne formulava el compost de fórmula FORMULA (com l'escriu cataleg)"),
                // An empty answer is diagnosed like any other.
                {.nom = "--resposta",
                 .valor = "TEXT",
                 .ajuda = "el que ha escrit l'alumne: un nom, o una fórmula en una línia (Fe2(SO4)3)",
                 .obligatoria = true},
                eines::marca("--assistent", "amb l'assistent d'ortografia"),
                eines::marca(
                    "--json",
                    "un objecte JSON: {\"correcte\": …, \"diagnosi\": [{\"tipus\": …, \"text\": …}]}")},
    .executa = diagnostica_resposta,
};
