#include "session/data.h"

#include <cstdio>

namespace quimerix {

namespace {

bool de_traspas(int any) {
    return (any % 4 == 0 && any % 100 != 0) || any % 400 == 0;
}

int dies_del_mes(int any, int mes) {
    static constexpr int dies[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && de_traspas(any) ? 29 : dies[mes - 1];
}

bool es_espai(char c) {
    return c == ' ' || c == '\t';
}

// Reads a run of digits from `i`; nothing when there is none or it is longer than `màxim`.
std::optional<int> nombre(std::string_view text, std::size_t &i, std::size_t maxim, std::size_t &xifres) {
    const std::size_t inici = i;
    int valor = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        valor = valor * 10 + (text[i] - '0');
        ++i;
        if (i - inici > maxim) return std::nullopt;
    }
    xifres = i - inici;
    if (xifres == 0) return std::nullopt;
    return valor;
}

} // namespace

std::string escriu_data(Data data) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", data.dia, data.mes, data.any);
    return text;
}

std::optional<Data> llegeix_data(std::string_view text, int any_actual) {
    while (!text.empty() && es_espai(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && es_espai(text.back()))
        text.remove_suffix(1);
    std::size_t i = 0, xifres = 0;
    const auto dia = nombre(text, i, 2, xifres);
    if (!dia || i >= text.size()) return std::nullopt;
    const char separador = text[i];
    if (separador != '/' && separador != '-' && separador != '.') return std::nullopt;
    ++i;
    const auto mes = nombre(text, i, 2, xifres);
    if (!mes || i >= text.size() || text[i] != separador) return std::nullopt;
    ++i;
    auto any = nombre(text, i, 4, xifres);
    if (!any || i != text.size() || (xifres != 2 && xifres != 4)) return std::nullopt;
    if (xifres == 2) *any += any_actual / 100 * 100;
    if (*mes < 1 || *mes > 12 || *dia < 1 || *dia > dies_del_mes(*any, *mes)) return std::nullopt;
    return Data{*any, *mes, *dia};
}

bool es_posterior(std::string_view text, Data avui) {
    const auto data = llegeix_data(text, avui.any);
    return data && *data > avui;
}

} // namespace quimerix
