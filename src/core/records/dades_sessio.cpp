#include "records/dades_sessio.h"

#include <numeric>

namespace quimerix {

int encerts_totals(const DadesSessio &d) {
    return std::accumulate(d.encerts.begin(), d.encerts.end(), 0);
}

int exercicis_totals(const DadesSessio &d) {
    return encerts_totals(d) + std::accumulate(d.errors.begin(), d.errors.end(), 0);
}

int nota(int encerts, int total) {
    if (total <= 0) return 0;
    return static_cast<int>(divideix_arrodonit(1000LL * encerts, total));
}

std::string text_nota(int nota) {
    if (nota >= 1000) return "10";
    if (nota <= 0) return "0";
    const int enters = nota / 100, decimes = nota / 10 % 10, centesimes = nota % 10;
    std::string t = std::to_string(enters);
    if (decimes == 0 && centesimes == 0) return t;
    t += '\'';
    t += static_cast<char>('0' + decimes);
    if (centesimes != 0) t += static_cast<char>('0' + centesimes);
    return t;
}

} // namespace quimerix
