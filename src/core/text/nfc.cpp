#include "text/nfc.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace quimerix {
namespace {

struct Classe_combinacio {
    char32_t primer, ultim;
    int classe;
};

// A character's canonical decomposition one level deep: `a` alone (`b` == 0) or `a` + `b`.
// `compon` marks the primary composites, the pairs that composition puts back together.
struct Descomposicio {
    char32_t c, a, b;
    bool compon;
};

#include "text/nfc_dades.inc"

// Hangul syllables decompose and compose by arithmetic.
constexpr char32_t SBase = 0xAC00, LBase = 0x1100, VBase = 0x1161, TBase = 0x11A7;
constexpr char32_t LCount = 19, VCount = 21, TCount = 28, NCount = VCount * TCount, SCount = LCount * NCount;

int classe(char32_t c) {
    const auto it = std::upper_bound(std::begin(kClasses), std::end(kClasses), c,
                                     [](char32_t x, const Classe_combinacio &r) { return x < r.primer; });
    if (it == std::begin(kClasses)) return 0;
    const auto &r = *std::prev(it);
    return c <= r.ultim ? r.classe : 0;
}

const Descomposicio *descomposicio(char32_t c) {
    const auto it = std::lower_bound(std::begin(kDescomposicions), std::end(kDescomposicions), c,
                                     [](const Descomposicio &d, char32_t x) { return d.c < x; });
    return (it != std::end(kDescomposicions) && it->c == c) ? it : nullptr;
}

void descompon(char32_t c, std::u32string &r) {
    if (c >= SBase && c < SBase + SCount) {
        const char32_t s = c - SBase;
        r.push_back(LBase + s / NCount);
        r.push_back(VBase + s % NCount / TCount);
        if (s % TCount != 0) r.push_back(TBase + s % TCount);
        return;
    }
    const Descomposicio *d = descomposicio(c);
    if (!d) {
        r.push_back(c);
        return;
    }
    descompon(d->a, r);
    if (d->b != 0) descompon(d->b, r);
}

// The primary composites sorted by their pair.
const std::vector<Descomposicio> &composicions() {
    static const std::vector<Descomposicio> taula = [] {
        std::vector<Descomposicio> v;
        for (const Descomposicio &d : kDescomposicions)
            if (d.compon) v.push_back(d);
        std::sort(v.begin(), v.end(), [](const Descomposicio &x, const Descomposicio &y) {
            return x.a != y.a ? x.a < y.a : x.b < y.b;
        });
        return v;
    }();
    return taula;
}

// The primary composite of a pair; 0 when there is none.
char32_t compon(char32_t a, char32_t b) {
    if (a >= LBase && a < LBase + LCount && b >= VBase && b < VBase + VCount)
        return SBase + ((a - LBase) * VCount + (b - VBase)) * TCount;
    if (a >= SBase && a < SBase + SCount && (a - SBase) % TCount == 0 && b > TBase && b < TBase + TCount)
        return a + (b - TBase);
    const auto &v = composicions();
    const auto it = std::lower_bound(v.begin(), v.end(), std::pair{a, b}, [](const Descomposicio &d, auto p) {
        return d.a != p.first ? d.a < p.first : d.b < p.second;
    });
    return (it != v.end() && it->a == a && it->b == b) ? it->c : 0;
}

} // namespace

std::u32string forma_c(const std::u32string &text) {
    std::u32string d;
    d.reserve(text.size());
    for (char32_t c : text)
        descompon(c, d);
    // Canonical order: each run of combining marks sorted by class, equal classes kept in order.
    for (std::size_t i = 0; i < d.size();) {
        if (classe(d[i]) == 0) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < d.size() && classe(d[j]) != 0)
            ++j;
        std::stable_sort(d.begin() + static_cast<std::ptrdiff_t>(i),
                         d.begin() + static_cast<std::ptrdiff_t>(j),
                         [](char32_t x, char32_t y) { return classe(x) < classe(y); });
        i = j;
    }
    // Composition: a character joins the last starter when nothing between them blocks it, that is
    // when it follows the starter directly or every mark between has a lower class than its own.
    std::u32string r;
    r.reserve(d.size());
    std::size_t inicial = std::u32string::npos;
    int classe_anterior = 0; // class of r.back()
    for (char32_t c : d) {
        const int cl = classe(c);
        if (inicial != std::u32string::npos) {
            const bool tocant = r.size() == inicial + 1;
            if (tocant || (classe_anterior != 0 && classe_anterior < cl)) {
                if (const char32_t composta = compon(r[inicial], c); composta != 0) {
                    r[inicial] = composta;
                    continue;
                }
            }
        }
        r.push_back(c);
        if (cl == 0) inicial = r.size() - 1;
        classe_anterior = cl;
    }
    return r;
}

} // namespace quimerix
