#include "generation/sorteig.h"

#include <algorithm>
#include <string>

#include "generation/constructors.h"

namespace quimerix {

namespace {

// Bands of Tipus_exercici, check box, Comptador index and cap, in Tipus_compost order.
constexpr std::array<DadesTipus, Nombre_tipus> kDades = {{
    {1, 10, 0, 0, 164},
    {11, 17, 1, 1, 164},
    {18, 18, 1, 2, 164},
    {19, 45, 2, 3, 518},
    {46, 58, 3, 4, 236},
    {59, 62, 4, 5, 164},
    {63, 65, 5, 6, 164},
    {66, 66, 5, 8, 164},
    {67, 94, 6, 7, 592},
    {95, 100, 6, 9, 111},
}};

bool es_doble(Tipus_compost t) {
    return t == Tipus_compost::Sal_binaria || t == Tipus_compost::Binari_no_metall ||
           t == Tipus_compost::Oxosal || t == Tipus_compost::Oxosal_especial;
}

bool te_disponible(Tipus_compost t) {
    return t == Tipus_compost::Hidroxid || t == Tipus_compost::Oxoacid ||
           t == Tipus_compost::Oxoacid_especial;
}

// A non-metal other than hydrogen and oxygen.
bool no_metall_comu(const Taules &t, int fila) {
    return t.es_no_metall(fila) && fila != Fila_hidrogen && fila != Fila_oxigen;
}

// (symbol, valence) exclusion lists; "*" stands for every valence of the element.
struct Exclusio {
    const char *simbol;
    const char *valencia;
};

template <std::size_t N> bool exclos(const Taules &t, Parell p, const Exclusio (&llista)[N]) {
    for (const Exclusio &e : llista)
        if (t.simbol(p.element) == e.simbol &&
            (std::string(e.valencia) == "*" || t.valencia(p) == e.valencia))
            return true;
    return false;
}

bool metall_amb_valencia(const Taules &t, Parell p) {
    return t.es_metall(p.element) && !t.valencia(p).empty();
}

} // namespace

const DadesTipus &dades(Tipus_compost t) {
    return kDades[static_cast<int>(t)];
}

Tipus_compost tipus_de_banda(int Tipus_exercici) {
    for (int i = 0; i < Nombre_tipus; ++i)
        if (Tipus_exercici >= kDades[i].banda_inici && Tipus_exercici <= kDades[i].banda_final)
            return static_cast<Tipus_compost>(i);
    return Tipus_compost::Oxosal_especial;
}

Baralla Generacio_exercicis(FontAleatoria &font) {
    Baralla b;
    std::array<std::array<bool, 4>, Nombre_elements + 1> posat{};
    for (int i = 1; i <= Mida_baralla; ++i) {
        Parell p;
        do {
            p.element = font.entre_1_i(Nombre_elements);
            p.columna = font.entre_1_i(4) + 2;
        } while (posat[p.element][p.columna - Valencia1]);
        posat[p.element][p.columna - Valencia1] = true;
        b.parells[i] = p;
    }
    return b;
}

bool disponible_hidroxid(const Taules &t, Parell p) {
    return metall_amb_valencia(t, p);
}

bool disponible_oxoacid(const Taules &t, Parell p) {
    static constexpr Exclusio kExclosos[] = {{"C", "2"},  {"N", "1"},  {"P", "1"}, {"P", "3"},  {"As", "*"},
                                             {"Sb", "*"}, {"Te", "*"}, {"S", "2"}, {"Se", "2"}, {"F", "1"},
                                             {"Br", "3"}, {"Br", "7"}, {"I", "3"}};
    return no_metall_comu(t, p.element) && !t.valencia(p).empty() && !exclos(t, p, kExclosos);
}

bool disponible_oxoacid_especial(const Taules &t, Parell p) {
    static constexpr Exclusio kExclosos[] = {{"As", "1"}, {"Sb", "*"}};
    return t.es_no_metall(p.element) && t.acid_especial(p.element) && !t.valencia(p).empty() &&
           !exclos(t, p, kExclosos);
}

// The two-pair families split their availability in three: what the first pair must be, what the
// second must be, and what the two must be together. The availability tables are filled from the
// halves, computed once per deck position.
namespace {

// A non-metal acting with its group's characteristic valence (the anion of a binary compound).
bool valencia_caracteristica(const Taules &t, Parell p) {
    return no_metall_comu(t, p.element) && !t.valencia(p).empty() &&
           t.valencia(p) == t.cel(p.element, Valencia_caracteristica);
}

bool pren_primer(const Taules &t, Tipus_compost tipus, Parell a) {
    static constexpr Exclusio kOxosal[] = {{"B", "*"}, {"As", "*"}, {"Sb", "*"}, {"Se", "*"}, {"Te", "*"},
                                           {"C", "2"}, {"Si", "2"}, {"N", "1"},  {"P", "1"},  {"P", "3"},
                                           {"S", "2"}, {"F", "1"},  {"Br", "3"}, {"Br", "7"}, {"I", "3"}};
    static constexpr Exclusio kOxosalEspecial[] = {{"P", "1"}, {"As", "*"}, {"Sb", "*"}};
    switch (tipus) {
    case Tipus_compost::Sal_binaria:
        return metall_amb_valencia(t, a);
    case Tipus_compost::Binari_no_metall:
        return no_metall_comu(t, a.element) && !t.valencia(a).empty();
    case Tipus_compost::Oxosal:
        return no_metall_comu(t, a.element) && !t.valencia(a).empty() && !exclos(t, a, kOxosal);
    case Tipus_compost::Oxosal_especial:
        return no_metall_comu(t, a.element) && t.acid_especial(a.element) && !t.valencia(a).empty() &&
               !exclos(t, a, kOxosalEspecial);
    default:
        return false;
    }
}

bool pren_segon(const Taules &t, Tipus_compost tipus, Parell b) {
    switch (tipus) {
    case Tipus_compost::Sal_binaria:
    case Tipus_compost::Binari_no_metall:
        return valencia_caracteristica(t, b);
    case Tipus_compost::Oxosal:
    case Tipus_compost::Oxosal_especial:
        return metall_amb_valencia(t, b);
    default:
        return false;
    }
}

// Two non-metals: the less electronegative first, and no N(5) with F or Cl.
bool compatibles(const Taules &t, Tipus_compost tipus, Parell a, Parell b) {
    if (tipus != Tipus_compost::Binari_no_metall) return true;
    if (a.element == b.element) return false;
    if (!(*t.Electronegativitat[a.element] < *t.Electronegativitat[b.element])) return false;
    const bool nitrogen_5 = t.simbol(a.element) == "N" && t.valencia(a) == "5";
    return !(nitrogen_5 && (t.simbol(b.element) == "F" || t.simbol(b.element) == "Cl"));
}

bool pren_doble(const Taules &t, Tipus_compost tipus, Parell a, Parell b) {
    return pren_primer(t, tipus, a) && pren_segon(t, tipus, b) && compatibles(t, tipus, a, b);
}

} // namespace

bool disponible_sal_binaria(const Taules &t, Parell a, Parell b) {
    return pren_doble(t, Tipus_compost::Sal_binaria, a, b);
}

bool disponible_binari_no_metall(const Taules &t, Parell a, Parell b) {
    return pren_doble(t, Tipus_compost::Binari_no_metall, a, b);
}

bool disponible_oxosal(const Taules &t, Parell a, Parell b) {
    return pren_doble(t, Tipus_compost::Oxosal, a, b);
}

bool disponible_oxosal_especial(const Taules &t, Parell a, Parell b) {
    return pren_doble(t, Tipus_compost::Oxosal_especial, a, b);
}

bool usable_oxid(const Taules &t, Parell p) {
    return p.element != Fila_oxigen && p.element != Fila_hidrogen && !t.valencia(p).empty();
}

bool usable_hidrur(const Taules &t, Parell p) {
    if (p.element == Fila_hidrogen || t.valencia(p).empty()) return false;
    return t.es_metall(p.element) || t.valencia(p) == t.cel(p.element, Valencia_caracteristica);
}

bool usable_hidracid(const Taules &t, Parell p) {
    static const std::array<std::string, 7> kSimbols = {"S", "Se", "Te", "F", "Cl", "Br", "I"};
    if (t.valencia(p).empty()) return false;
    if (std::find(kSimbols.begin(), kSimbols.end(), t.simbol(p.element)) == kSimbols.end()) return false;
    return t.valencia(p) == t.cel(p.element, Valencia_caracteristica);
}

namespace {

// What each family takes and how it is built, in Tipus_compost order: a one-pair family tests a
// pair and builds from it; a two-pair family builds from two (its tests are pren_doble's).
struct Familia {
    bool (*pren)(const Taules &, Parell);
    Exercici (*simple)(const Taules &, Parell, Tasca);
    Exercici (*doble)(const Taules &, Parell, Parell, Tasca);
};

constexpr std::array<Familia, Nombre_tipus> kFamilies = {{
    {usable_oxid, formularOXIDS, nullptr},
    {usable_hidrur, formularHIDRURS, nullptr},
    {usable_hidracid, formularHIDRURSHIDRACIDS, nullptr},
    {nullptr, nullptr, formularSALSBINARIES},
    {nullptr, nullptr, formularCOMPOSTOSBINARISNoMetallNoMetall},
    {disponible_hidroxid, formularHIDROXIDS, nullptr},
    {disponible_oxoacid, formularOXIACIDS, nullptr},
    {disponible_oxoacid_especial, formularOXIACIDSESPECIALS, nullptr},
    {nullptr, nullptr, formularOXISALS},
    {nullptr, nullptr, formularOXISALSESPECIALS},
}};

const Familia &familia(Tipus_compost tipus) {
    return kFamilies[static_cast<int>(tipus)];
}

bool pren_simple(const Taules &t, Tipus_compost tipus, Parell p) {
    const Familia &f = familia(tipus);
    return f.pren != nullptr && f.pren(t, p);
}

} // namespace

Exercici construeix(const Taules &t, Tipus_compost tipus, Parell a, Parell b, Tasca Mode_actual) {
    const Familia &f = familia(tipus);
    return f.doble != nullptr ? f.doble(t, a, b, Mode_actual) : f.simple(t, a, Mode_actual);
}

std::vector<Entrada_cataleg> cataleg(const Taules &t) {
    std::vector<Entrada_cataleg> llista;
    auto parells = [] {
        std::vector<Parell> tots;
        for (int e = 1; e <= Nombre_elements; ++e)
            for (int c = Valencia1; c <= Valencia4; ++c)
                tots.push_back({e, c});
        return tots;
    }();
    for (int i = 0; i < Nombre_tipus; ++i) {
        const auto tipus = static_cast<Tipus_compost>(i);
        for (Parell a : parells) {
            if (!es_doble(tipus)) {
                if (pren_simple(t, tipus, a)) llista.push_back({tipus, a, {}});
                continue;
            }
            for (Parell b : parells)
                if (pren_doble(t, tipus, a, b)) llista.push_back({tipus, a, b});
        }
    }
    return llista;
}

Generador::Generador(const Taules &t, FontAleatoria &font) : t_(t), font_(font) {
    using T = Tipus_compost;
    // The fourteen decks, each an independent shuffle, in their fixed order; each availability
    // table right after its decks.
    const std::array<T, 10> ordre = {
        T::Oxid,     T::Hidrur,  T::Hidracid, T::Sal_binaria,      T::Binari_no_metall,
        T::Hidroxid, T::Oxoacid, T::Oxosal,   T::Oxoacid_especial, T::Oxosal_especial};
    for (T tipus : ordre)
        baralla_nova(tipus);
}

void Generador::baralla_nova(Tipus_compost tipus) {
    const int i = static_cast<int>(tipus);
    baralles_[i][0] = Generacio_exercicis(font_);
    combinacions_[i] = 0;
    if (es_doble(tipus)) {
        baralles_[i][1] = Generacio_exercicis(font_);
        disponibles_[i] = Disponibles{};
        const auto &primers = baralles_[i][0].parells, &segons = baralles_[i][1].parells;
        std::array<bool, Mida_baralla + 1> primer{}, segon{};
        for (int p = 1; p <= Mida_baralla; ++p) {
            primer[p] = pren_primer(t_, tipus, primers[p]);
            segon[p] = pren_segon(t_, tipus, segons[p]);
        }
        for (int a = 1; a <= Mida_baralla; ++a)
            for (int b = 1; b <= Mida_baralla; ++b)
                if (primer[a] && segon[b] && compatibles(t_, tipus, primers[a], segons[b])) {
                    disponibles_[i].posa(a, b, true);
                    ++combinacions_[i];
                }
    } else {
        disponible_[i] = {};
        for (int p = 1; p <= Mida_baralla; ++p) {
            const bool pren = pren_simple(t_, tipus, baralles_[i][0].parells[p]);
            if (te_disponible(tipus)) disponible_[i][p] = pren;
            combinacions_[i] += pren;
        }
    }
}

int Generador::restants(Tipus_compost t) const {
    const int i = static_cast<int>(t);
    return combinacions_[i] - presos_[i];
}

void Generador::renova(Tipus_compost t) {
    baralla_nova(t);
    comptador_[dades(t).comptador] = 0;
    presos_[static_cast<int>(t)] = 0;
    exhaurits_ = false;
}

bool Generador::ple(Tipus_compost t) const {
    const DadesTipus &d = dades(t);
    return comptador_[d.comptador] >= d.limit;
}

int Generador::disponibles_restants(Tipus_compost t) const {
    const int i = static_cast<int>(t);
    int n = 0;
    if (es_doble(t)) {
        for (int a = 1; a <= Mida_baralla; ++a)
            for (int b = 1; b <= Mida_baralla; ++b)
                n += disponibles_[i].at(a, b);
    } else {
        for (int p = 1; p <= Mida_baralla; ++p)
            n += disponible_[i][p];
    }
    return n;
}

const Baralla &Generador::baralla(Tipus_compost t, int quina) const {
    return baralles_[static_cast<int>(t)][quina];
}

std::optional<Exercici> Generador::Sorteig_tipus_exercici(const Caselles &caselles, Tasca Mode_actual) {
    // Draw → builder → draw again is a loop: each round either builds, or consumes deck positions,
    // or (two-pair walks that find nothing) leaves the family as it was for a later round.
    for (;;) {
        tipus_exercici_ = font_.entre_1_i(100);
        bool queda = false;
        for (int i = 0; i < Nombre_tipus; ++i) {
            const auto t = static_cast<Tipus_compost>(i);
            if (caselles[dades(t).casella] && !ple(t)) queda = true;
        }
        if (!queda) {
            exhaurits_ = true;
            return std::nullopt;
        }
        const Tipus_compost tipus = tipus_de_banda(tipus_exercici_);
        if (ple(tipus) || !caselles[dades(tipus).casella]) continue;
        if (auto exercici = construeix_familia(tipus, Mode_actual)) return exercici;
    }
}

std::optional<Exercici> Generador::construeix_familia(Tipus_compost t, Tasca Mode_actual) {
    return es_doble(t) ? cami_doble(t, Mode_actual) : cami_simple(t, Mode_actual);
}

std::optional<Exercici> Generador::cami_simple(Tipus_compost tipus, Tasca Mode_actual) {
    const int i = static_cast<int>(tipus);
    int &cursor = comptador_[dades(tipus).comptador];
    for (;;) {
        ++cursor;
        if (cursor > Mida_baralla) {
            cursor = Mida_baralla;
            return std::nullopt;
        }
        const Parell p = baralles_[i][0].parells[cursor];
        const bool pren = te_disponible(tipus) ? disponible_[i][cursor] : pren_simple(t_, tipus, p);
        if (pren) {
            ++presos_[i];
            return construeix(t_, tipus, p, {}, Mode_actual);
        }
    }
}

std::optional<std::pair<int, int>> passeig_disponibles(const Disponibles &d, int a, int b) {
    int fallades = 0, files = 0;
    while (!d.at(a, b)) {
        b = b % Mida_baralla + 1;
        if (++fallades >= Mida_baralla) {
            a = a % Mida_baralla + 1;
            if (++files == Mida_baralla) return std::nullopt;
        }
    }
    return std::pair{a, b};
}

std::optional<Exercici> Generador::cami_doble(Tipus_compost tipus, Tasca Mode_actual) {
    const int i = static_cast<int>(tipus);
    const DadesTipus &d = dades(tipus);
    int &cursor = comptador_[d.comptador];
    if (cursor > d.limit) {
        cursor = d.limit;
        return std::nullopt;
    }
    const int a0 = font_.entre_1_i(Mida_baralla);
    const int b0 = font_.entre_1_i(Mida_baralla);
    const auto cel = passeig_disponibles(disponibles_[i], a0, b0);
    if (!cel) return std::nullopt;
    const auto [a, b] = *cel;
    ++cursor;
    ++presos_[i];
    disponibles_[i].posa(a, b, false);
    return construeix(t_, tipus, baralles_[i][0].parells[a], baralles_[i][1].parells[b], Mode_actual);
}

} // namespace quimerix
