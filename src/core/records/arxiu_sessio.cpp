#include "records/arxiu_sessio.h"

#include <algorithm>
#include <numeric>

#include "data/regles.h"
#include "records/cp1252.h"
#include "text/utf8.h"

namespace quimerix {

namespace {

const std::string_view Salt = CRLF;

void afegeix_cadena(std::string &out, std::string_view text) {
    out += '"';
    const std::size_t inici = out.size();
    afegeix_cp1252(out, text);
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(inici), out.end(), '"', '\'');
    out += '"';
}

template <typename Valors> void afegeix_nombres(std::string &out, const Valors &valors) {
    bool primer = true;
    for (int v : valors) {
        if (!primer) out += ',';
        primer = false;
        out += std::to_string(v);
    }
    out += Salt;
}

// Reads the plain text from left to right; every step either consumes what it expects or fails.
class Lector {
  public:
    explicit Lector(std::string_view text) : t_(text) {}

    std::size_t posicio() const { return p_; }
    bool al_final() const { return p_ == t_.size(); }

    bool consumeix(std::string_view s) {
        if (t_.substr(p_, s.size()) != s) return false;
        p_ += s.size();
        return true;
    }

    // A whole number as the writer writes it: digits, no sign, no leading zero, at most `màxim`.
    bool nombre(int maxim, int &valor) {
        const std::size_t inici = p_;
        long long v = 0;
        while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9' && v <= maxim)
            v = v * 10 + (t_[p_++] - '0');
        const std::size_t xifres = p_ - inici;
        if (xifres == 0 || v > maxim || (xifres > 1 && t_[inici] == '0')) return false;
        valor = static_cast<int>(v);
        return true;
    }

    // A quoted string of at most `maxim` bytes; nothing inside is escaped, so it ends at the next
    // double quote, which is looked for no further than the limit.
    bool cadena(std::string_view &valor, std::size_t maxim) {
        if (!consumeix("\"")) return false;
        const std::size_t fi = t_.substr(p_, maxim + 1).find('"');
        if (fi == std::string_view::npos) return false;
        valor = t_.substr(p_, fi);
        p_ += fi + 1;
        return true;
    }

  private:
    std::string_view t_;
    std::size_t p_ = 0;
};

bool sense_salts(std::string_view s) {
    return s.find_first_of(Salt) == std::string_view::npos;
}

// One line of at most `maxim` characters; `mida` is its length in characters.
bool linia(std::string_view s, std::size_t mida, std::size_t maxim) {
    return mida <= maxim && sense_salts(s);
}

// A record line: one line of text followed by its own CR LF.
bool es_registre(std::string_view s, std::size_t mida) {
    return mida <= Maxim_registre && s.ends_with(Salt) && sense_salts(s.substr(0, s.size() - Salt.size()));
}

Error_arxiu error(Defecte_arxiu d, const Lector &l) {
    return {d, l.posicio()};
}

// Lines 4 to 6 after the records.
std::variant<std::monostate, Error_arxiu> llegeix_resum(Lector &l, DadesSessio &d) {
    for (std::size_t i = 0; i < d.text_estadistiques.size(); ++i) {
        std::string_view s;
        if ((i > 0 && !l.consumeix(",")) || !l.cadena(s, Maxim_estadistica) || !sense_salts(s))
            return error(Defecte_arxiu::Estadistiques, l);
        d.text_estadistiques[i] = de_cp1252(s);
    }
    if (!l.consumeix(Salt)) return error(Defecte_arxiu::Estadistiques, l);
    for (auto *fila : {&d.encerts, &d.errors}) {
        for (std::size_t i = 0; i < fila->size(); ++i)
            if ((i > 0 && !l.consumeix(",")) || !l.nombre(Maxim_registres, (*fila)[i]))
                return error(Defecte_arxiu::Comptadors, l);
        if (!l.consumeix(Salt)) return error(Defecte_arxiu::Comptadors, l);
    }
    return std::monostate{};
}

} // namespace

Forma_arxiu forma_arxiu(const DadesSessio &d) {
    return d.registres.empty() ? Forma_arxiu::Inici : Forma_arxiu::Completa;
}

std::string text_arxiu(const DadesSessio &d, Forma_arxiu forma) {
    const bool completa = forma == Forma_arxiu::Completa;
    std::string out;
    std::size_t mida = 128 + d.capcalera.size();
    for (const std::string &r : d.registres)
        mida += r.size() + 4;
    out.reserve(mida);
    out += completa ? std::to_string(d.registres.size()) : "0";
    out += Salt;
    afegeix_cadena(out, d.capcalera);
    out += Salt;
    if (!completa) return out;
    for (const std::string &r : d.registres) {
        afegeix_cadena(out, r);
        out += Salt;
    }
    for (std::size_t i = 0; i < d.text_estadistiques.size(); ++i) {
        if (i > 0) out += ',';
        afegeix_cadena(out, d.text_estadistiques[i]);
    }
    out += Salt;
    afegeix_nombres(out, d.encerts);
    afegeix_nombres(out, d.errors);
    return out;
}

std::string xifra(std::string_view pla) {
    std::string b(pla);
    b.append(3, '\0');
    auto *u = reinterpret_cast<unsigned char *>(b.data());
    for (std::size_t p = 0; p < pla.size(); ++p) {
        // Adds K to the word of bytes p..p+3; a carry out of byte p+3 is lost.
        unsigned suma = u[p] + unsigned{Constant_xifrat};
        u[p] = static_cast<unsigned char>(suma);
        for (std::size_t k = 1; k < 4 && suma > 0xFF; ++k) {
            suma = u[p + k] + 1u;
            u[p + k] = static_cast<unsigned char>(suma);
        }
    }
    return b;
}

std::string desxifra(std::string_view xifrat) {
    std::string b(xifrat);
    if (b.size() <= 3) return b;
    auto *u = reinterpret_cast<unsigned char *>(b.data());
    for (std::size_t p = b.size() - 3; p-- > 0;) {
        // Subtracts K from the word of bytes p..p+3; a borrow out of byte p+3 is lost.
        bool manllevat = u[p] < Constant_xifrat;
        u[p] = static_cast<unsigned char>(u[p] - Constant_xifrat);
        for (std::size_t k = 1; k < 4 && manllevat; ++k) {
            manllevat = u[p + k] == 0;
            u[p + k] = static_cast<unsigned char>(u[p + k] - 1);
        }
    }
    return b;
}

bool es_escrivible(const DadesSessio &d) {
    if (!linia(d.capcalera, longitud(d.capcalera), Maxim_capcalera)) return false;
    for (const std::string &r : d.registres)
        if (!es_registre(r, longitud(r))) return false;
    for (const std::string &e : d.text_estadistiques)
        if (!linia(e, longitud(e), Maxim_estadistica)) return false;
    return d.registres.size() <= static_cast<std::size_t>(Maxim_registres);
}

std::optional<std::string> arxiu_sessio(const DadesSessio &d) {
    if (!es_escrivible(d)) return std::nullopt;
    return xifra(text_arxiu(d, forma_arxiu(d)));
}

std::variant<std::string, Error_arxiu> text_pla(std::string_view xifrat) {
    if (xifrat.size() < 3) return Error_arxiu{Defecte_arxiu::Massa_curt, 0};
    std::string b = desxifra(xifrat);
    const std::size_t l = b.size() - 3;
    if (b.compare(l, 3, std::string_view("\0\0\0", 3)) != 0)
        return Error_arxiu{Defecte_arxiu::Sense_zeros, l};
    b.resize(l);
    return b;
}

Lectura_arxiu llegeix_text_pla(std::string_view pla, bool comptes_lliures) {
    Lector l(pla);
    DadesSessio d;
    int n = 0;
    if (!l.nombre(Maxim_registres, n) || !l.consumeix(Salt)) return error(Defecte_arxiu::Nombre_registres, l);
    std::string_view s;
    if (!l.cadena(s, Maxim_capcalera) || !sense_salts(s) || !l.consumeix(Salt))
        return error(Defecte_arxiu::Capcalera, l);
    d.capcalera = de_cp1252(s);
    if (n == 0 && l.al_final()) {
        d.text_estadistiques = Estadistiques().Text_estadistiques();
        return d;
    }
    d.registres.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        if (!l.cadena(s, Maxim_registre) || !es_registre(s, s.size()) || !l.consumeix(Salt))
            return error(Defecte_arxiu::Registre, l);
        d.registres.push_back(de_cp1252(s));
    }
    if (auto r = llegeix_resum(l, d); std::holds_alternative<Error_arxiu>(r)) return std::get<Error_arxiu>(r);
    if (!l.al_final()) return error(Defecte_arxiu::Sobrant, l);
    if (!comptes_lliures && exercicis_totals(d) != n) return error(Defecte_arxiu::Comptes_incoherents, l);
    return d;
}

Lectura_arxiu llegeix_arxiu(std::string_view xifrat) {
    auto pla = text_pla(xifrat);
    if (auto *e = std::get_if<Error_arxiu>(&pla)) return *e;
    return llegeix_text_pla(std::get<std::string>(pla));
}

} // namespace quimerix
