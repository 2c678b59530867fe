// quimerix-eines examen crea / examen llista: a teacher's exam code, and its answer key.

#include <algorithm>
#include <chrono>
#include <iostream>
#include <random>
#include <variant>

#include "fitxers.h"
#include "generation/font_llavor.h"
#include "ordres.h"
#include "pintor.h"
#include "records/codi_examen.h"
#include "records/impressio.h"
#include "records/sortida.h"
#include "sense_pantalla.h"
#include "session/examen.h"
#include "session/sessio.h"
#include "text.h"

using namespace quimerix;

namespace {

// A whole number written in decimal digits alone, within [minim, maxim].
std::optional<int> enter(const std::string &text, int minim, int maxim) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < minim || n > maxim) return std::nullopt;
    return n;
}

std::optional<int> tasca(const std::string &text) {
    const char *noms[] = {"formular", "anomenar", "alternat", "aleatori"};
    for (int i = 0; i < 4; ++i)
        if (text == noms[i]) return i + 1;
    return std::nullopt;
}

// The seed of a new exam: any of the code's, from the system's entropy and the clock.
std::uint32_t llavor_nova() {
    std::random_device dispositiu;
    const auto ara = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>((dispositiu() ^ ara ^ (ara >> 32)) & Maxim_llavor_examen);
}

int crea(const eines::Arguments &args) {
    const eines::Ordre &o = eines::ordre_examen_crea;
    Examen e;
    const std::string families = *args.valor("--families");
    std::size_t inici = 0;
    std::vector<std::string> codis;
    while (inici <= families.size()) {
        const std::size_t coma = families.find(',', inici);
        std::string codi =
            families.substr(inici, coma == std::string::npos ? std::string::npos : coma - inici);
        while (!codi.empty() && codi.front() == ' ')
            codi.erase(0, 1);
        while (!codi.empty() && codi.back() == ' ')
            codi.pop_back();
        if (!codi.empty()) {
            const auto casella = casella_de_codi(codi);
            if (!casella)
                return eines::error_us(o,
                                       "família desconeguda: " + eines::visible(codi) +
                                           " (les famílies són OM, OX, HM, HX, HXA, MX, XX, OH, HXO, MHX)");
            e.families[*casella] = true;
            for (char &c : codi)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            codis.push_back(codi);
        }
        if (coma == std::string::npos) break;
        inici = coma + 1;
    }
    if (codis.empty()) return eines::error_us(o, "cal almenys una família a --families");
    const auto t = tasca(*args.valor("--tasca"));
    if (!t)
        return eines::error_us(o, "tasca desconeguda: " + eines::visible(*args.valor("--tasca")) +
                                      " (formular, anomenar, alternat o aleatori)");
    e.tasca = *t;
    const auto n = enter(*args.valor("--exercicis"), 1, Maxim_exercicis_examen);
    if (!n)
        return eines::error_us(o, "el nombre d'exercicis ha de ser un enter de 1 a " +
                                      std::to_string(Maxim_exercicis_examen));
    if (const auto temps = args.valor("--temps")) {
        const auto s = enter(*temps, 1, Maxim_segons_examen);
        if (!s)
            return eines::error_us(o, "el temps per resposta ha de ser un enter de 1 a " +
                                          std::to_string(Maxim_segons_examen) + " segons");
        e.segons = *s;
    }
    e.assistent = args.te("--assistent");
    e.consulta = args.te("--consulta");
    if (const auto llavor = args.valor("--llavor")) {
        const auto l = enter(*llavor, 0, static_cast<int>(Maxim_llavor_examen));
        if (!l)
            return eines::error_us(o, "la llavor ha de ser un enter de 0 a " +
                                          std::to_string(Maxim_llavor_examen));
        e.llavor = static_cast<std::uint32_t>(*l);
    } else {
        e.llavor = llavor_nova();
    }
    // A family box gives all its codes: OM brings OX with it, as the window's "Òxids" does.
    for (const char *codi : Codis_exercici) {
        const int c = *casella_de_codi(codi);
        if (e.families[c] && std::find(codis.begin(), codis.end(), codi) == codis.end())
            std::cerr << "quimerix-eines examen crea: " << codi << " hi entra també (la casella «"
                      << Titols_families[c] << "» el porta).\n";
    }
    // As the window's step buttons: no more exercises than the families' different compounds.
    FontLlavor font(1);
    const Generador g(Taules::carrega(), font);
    const auto per_casella = compostos_per_casella(g);
    int maxim = 0;
    for (int c = 0; c < Nombre_caselles; ++c)
        if (e.families[c]) maxim += per_casella[c];
    e.exercicis = *n;
    if (e.exercicis > maxim) {
        std::cerr << "quimerix-eines examen crea: aquestes famílies donen " << maxim
                  << " compostos diferents: l'examen en tindrà " << maxim << ".\n";
        e.exercicis = maxim;
    }
    std::cout << *escriu_codi_examen(e) << "\n";
    return 0;
}

int llista(const eines::Arguments &args) {
    const eines::Ordre &o = eines::ordre_examen_llista;
    const auto pdf = args.valor("--pdf");
    if (pdf && *pdf == eines::Sortida_estandard)
        return eines::error_us(o, "el PDF no es pot escriure a la sortida estàndard («-»)");
    const auto lectura = llegeix_codi_examen(args.posicionals().front());
    if (const auto *motiu = std::get_if<std::string>(&lectura)) return eines::error_us(o, *motiu);
    const Examen &e = std::get<Examen>(lectura);
    std::optional<Desti> desti;
    if (pdf) {
        auto d = desti_de_sortida(*pdf);
        if (const auto *motiu = std::get_if<std::string>(&d)) {
            std::cerr << "quimerix-eines examen llista: no s'ha pogut desar «" << eines::visible(*pdf)
                      << "»: " << *motiu << ".\n";
            return 1;
        }
        desti = std::get<Desti>(std::move(d));
    }
    const std::vector<std::string> clau = clau_examen(*escriu_codi_examen(e), e, exercicis_examen(e));
    if (!pdf) {
        std::string text;
        for (const std::string &l : clau)
            text += l + "\n";
        std::cout << text;
        return 0;
    }
    const impressio::AplicacioSensePantalla aplicacio;
    const auto document = impressio::pdf(document_examen(clau));
    std::optional<eines::Error_escriptura> error;
    if (document) error = eines::desa_fitxers({{*pdf, *desti, document->toStdString()}});
    if (!document || error) {
        std::cerr << "quimerix-eines examen llista: no s'ha pogut desar «" << eines::visible(*pdf)
                  << "»: " << (error ? error->motiu : std::string("no s'ha pogut crear el PDF")) << ".\n";
        return 1;
    }
    return 0;
}

} // namespace

const eines::Ordre eines::ordre_examen_crea{
    .nom = "examen crea",
    .descripcio = "escriu el codi d'un examen: el mateix conjunt d'exercicis per a tota la classe",
    .opcions = {eines::obligatoria("--families", "LLISTA",
                                   "codis de família separats per comes (OM,OX,HM,HX,HXA,MX,XX,OH,HXO,MHX)"),
                eines::obligatoria("--tasca", "TASCA", "formular, anomenar, alternat o aleatori"),
                eines::obligatoria("--exercicis", "N", "nombre d'exercicis (1 a 1700)"),
                eines::opcional("--temps", "SEGONS", "temps per resposta (1 a 120); sense, no hi ha límit"),
                eines::marca("--assistent", "amb l'assistent ortogràfic"),
                eines::marca("--consulta", "amb els apunts, els símbols i les valències consultables"),
                eines::opcional("--llavor", "N", "la llavor del sorteig (per defecte, una a l'atzar)")},
    .executa = crea,
};

const eines::Ordre eines::ordre_examen_llista{
    .nom = "examen llista",
    .descripcio = "escriu els exercicis d'un examen, en ordre, amb la resposta esperada",
    .opcions = {eines::opcional("--pdf", "FITXER.pdf", "desa la clau de l'examen en PDF")},
    .posicionals = {.nom = "CODI", .minim = 1, .maxim = 1},
    .executa = llista,
};
