#include "data/regles.h"

#include <charconv>

namespace quimerix {

int enter(const std::string &text) {
    int valor = 0;
    std::from_chars(text.data(), text.data() + text.size(), valor);
    return valor;
}

std::pair<int, int> simplifica(int x, int y) {
    std::pair<int, int> resultat{x, y};
    for (int i = 1; i <= 7; ++i) {
        if (x % i != 0 || y % i != 0) continue;
        const int j = x / i, k = y / i;
        if (j >= 1 && j <= 7 && k >= 1 && k <= 7) resultat = {j, k};
    }
    return resultat;
}

void simplifica_successiu(std::span<int> valors) {
    for (int i = 1; i <= 7; ++i) {
        bool encaixa = true;
        for (int v : valors)
            if (v % i != 0 || v / i < 1 || v / i > 7) encaixa = false;
        if (!encaixa) continue;
        for (int &v : valors)
            v /= i;
    }
}

std::string subindex(int n) {
    return n == 1 ? std::string() : std::to_string(n);
}
std::string subindex(const std::string &n) {
    return n == "1" ? std::string() : n;
}

bool comenca_per_vocal(const Taules &t, const std::string &paraula) {
    const std::string primer = primer_caracter(paraula);
    if (primer.empty()) return false;
    for (int k = 1; k <= 6; ++k)
        if (primer == t.Vocals[k]) return true;
    return false;
}

std::string preposicio_de(const Taules &t, const std::string &paraula) {
    return comenca_per_vocal(t, paraula) ? "d'" : "de ";
}

std::string numeral_roma(int valencia) {
    static const char *const kNumerals[8] = {"",      " (I)", " (II)", " (III)",
                                             " (IV)", " (V)", " (VI)", " (VII)"};
    return (valencia >= 1 && valencia <= 7) ? kNumerals[valencia] : "";
}

std::string sufix_valencia(const Taules &t, int fila, const std::string &valencia) {
    return t.diverses_valencies(fila) ? numeral_roma(enter(valencia)) : std::string();
}

std::string arrel_ur(const Taules &t, int fila) {
    const std::string &arrel = t.cel(fila, Arrel_ur);
    return arrel.empty() ? t.nom(fila) : arrel;
}

} // namespace quimerix
