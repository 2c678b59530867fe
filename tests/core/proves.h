#pragma once
// Shared set-up of the core tests: the tables, and a pair named by symbol and valence.

#include <gtest/gtest.h>

#include <string>

#include "data/taules.h"
#include "generation/exercici.h"

// The two tasks, short enough for table rows.
inline constexpr quimerix::Tasca kFormular = quimerix::Tasca::Formular;
inline constexpr quimerix::Tasca kAnomenar = quimerix::Tasca::Anomenar;
// A task value no option gives: a builder then writes only its opening sentence.
inline constexpr auto kCapTasca = static_cast<quimerix::Tasca>(0);

inline const quimerix::Taules &taules() {
    static const quimerix::Taules t = quimerix::Taules::carrega();
    return t;
}

// The (row, valence column) pair of an element acting with a valence.
inline quimerix::Parell parell(const std::string &simbol, const std::string &valencia) {
    using namespace quimerix;
    const Taules &t = taules();
    for (int f = 1; f <= Nombre_elements; ++f)
        if (t.simbol(f) == simbol)
            for (int c = Valencia1; c <= Valencia4; ++c)
                if (t.cel(f, c) == valencia) return {f, c};
    ADD_FAILURE() << simbol << " " << valencia;
    return {};
}
