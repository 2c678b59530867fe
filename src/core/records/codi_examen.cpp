#include "records/codi_examen.h"

#include <array>

namespace quimerix {

namespace {

constexpr std::string_view Alfabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int Caracters_dades = 11; // 55 bits; the twelfth character is the check
constexpr int Caracters = Caracters_dades + 1;
constexpr std::string_view Prefix = "QX";

// The value of a character of the code, with the readings of the characters left out; -1 for a
// character a code never holds.
int valor(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O') return 0;
    if (c == 'I' || c == 'L') return 1;
    const auto p = Alfabet.find(c);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

// Luhn mod 32: the value that makes the weighted sum of the data and itself a multiple of 32.
int control(const std::array<int, Caracters> &v) {
    int suma = 0;
    bool doble = true; // the rightmost data character is doubled, the check itself is not
    for (int i = Caracters_dades - 1; i >= 0; --i) {
        int a = v[i] * (doble ? 2 : 1);
        a = a / 32 + a % 32;
        suma += a;
        doble = !doble;
    }
    return (32 - suma % 32) % 32;
}

// The options' 29 bits: families 7, task 2, exercises − 1 11, seconds 7, assistant 1, reference 1
// (from the lowest).
std::uint64_t opcions(const Examen &e) {
    std::uint64_t bits = 0;
    for (int i = Nombre_caselles - 1; i >= 0; --i)
        bits = bits << 1 | (e.families[i] ? 1u : 0u);
    bits |= static_cast<std::uint64_t>(e.tasca - 1) << 7;
    bits |= static_cast<std::uint64_t>(e.exercicis - 1) << 9;
    bits |= static_cast<std::uint64_t>(e.segons) << 20;
    bits |= static_cast<std::uint64_t>(e.assistent ? 1 : 0) << 27;
    bits |= static_cast<std::uint64_t>(e.consulta ? 1 : 0) << 28;
    return bits;
}
constexpr int Bits_opcions = 29;

// The options are mixed with bits drawn from the seed, so that codes of the same options do not
// all begin alike; the seed takes the lowest 26 bits.
std::uint64_t mascara(std::uint32_t llavor) {
    std::uint64_t z = llavor + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return (z ^ (z >> 31)) & ((1ULL << Bits_opcions) - 1);
}

std::uint64_t empaqueta(const Examen &e) {
    return (opcions(e) ^ mascara(e.llavor)) << Bits_llavor_examen | e.llavor;
}

bool valid(const Examen &e) {
    bool alguna = false;
    for (const bool f : e.families)
        alguna = alguna || f;
    return alguna && e.tasca >= 1 && e.tasca <= 4 && e.exercicis >= 1 &&
           e.exercicis <= Maxim_exercicis_examen && e.segons >= 0 && e.segons <= Maxim_segons_examen &&
           e.llavor <= Maxim_llavor_examen;
}

} // namespace

std::optional<std::string> escriu_codi_examen(const Examen &e) {
    if (!valid(e)) return std::nullopt;
    std::uint64_t bits = empaqueta(e);
    std::array<int, Caracters> v{};
    for (int i = Caracters_dades - 1; i >= 0; --i) {
        v[i] = static_cast<int>(bits & 31);
        bits >>= 5;
    }
    v[Caracters_dades] = control(v);
    std::string codi(Prefix);
    for (int i = 0; i < Caracters; ++i) {
        if (i % 4 == 0) codi += '-';
        codi += Alfabet[v[i]];
    }
    return codi;
}

std::variant<Examen, std::string> llegeix_codi_examen(std::string_view codi) {
    const std::string_view Mostra = "QX-7K3M-Q9TD-4H2W";
    std::string net;
    for (const char c : codi)
        if (c != ' ' && c != '-' && c != '\t') net += c;
    if (net.empty()) return std::string("El codi d'examen és buit.");
    if (net.size() >= 2 && (net[0] == 'Q' || net[0] == 'q') && (net[1] == 'X' || net[1] == 'x'))
        net.erase(0, 2);
    if (net.size() != static_cast<std::size_t>(Caracters))
        return "Un codi d'examen té dotze caràcters després de «QX», com " + std::string(Mostra) + ".";
    std::array<int, Caracters> v{};
    for (int i = 0; i < Caracters; ++i) {
        v[i] = valor(net[i]);
        if (v[i] < 0) {
            const unsigned char c = static_cast<unsigned char>(net[i]);
            return std::string("El codi d'examen té un caràcter que no hi pot anar") +
                   (c >= 0x21 && c < 0x7F ? ": «" + std::string(1, net[i]) + "»." : ".");
        }
    }
    if (control(v) != v[Caracters_dades])
        return std::string("El codi d'examen no és correcte: revisa'n els caràcters.");
    std::uint64_t bits = 0;
    for (int i = 0; i < Caracters_dades; ++i)
        bits = bits << 5 | static_cast<std::uint64_t>(v[i]);
    Examen e;
    e.llavor = static_cast<std::uint32_t>(bits & Maxim_llavor_examen);
    bits = (bits >> Bits_llavor_examen) ^ mascara(e.llavor);
    for (int i = 0; i < Nombre_caselles; ++i)
        e.families[i] = (bits >> i & 1) != 0;
    e.tasca = static_cast<int>(bits >> 7 & 3) + 1;
    e.exercicis = static_cast<int>(bits >> 9 & 2047) + 1;
    e.segons = static_cast<int>(bits >> 20 & 127);
    e.assistent = (bits >> 27 & 1) != 0;
    e.consulta = (bits >> 28 & 1) != 0;
    if (!valid(e)) return std::string("El codi d'examen no és correcte: revisa'n els caràcters.");
    return e;
}

std::optional<int> casella_de_codi(std::string_view codi) {
    static constexpr std::array<std::pair<std::string_view, int>, 10> Caselles_codi{{{"OM", 0},
                                                                                     {"OX", 0},
                                                                                     {"HM", 1},
                                                                                     {"HX", 1},
                                                                                     {"HXA", 1},
                                                                                     {"MX", 2},
                                                                                     {"XX", 3},
                                                                                     {"OH", 4},
                                                                                     {"HXO", 5},
                                                                                     {"MHX", 6}}};
    std::string majuscules(codi);
    for (char &c : majuscules)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const auto &[text, casella] : Caselles_codi)
        if (text == majuscules) return casella;
    return std::nullopt;
}

} // namespace quimerix
