#pragma once
// The class that the summary's benchmarks read: 30 students' session files of 100 exercises each,
// right and wrong answers mixed, written once into `carpeta`.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "records/arxiu_sessio.h"
#include "sessions_prova.h"

inline std::vector<std::string> escriu_classe(const std::filesystem::path &carpeta) {
    std::filesystem::create_directories(carpeta);
    std::vector<std::string> camins;
    const auto &compostos = prova::compostos();
    for (int alumne = 0; alumne < 30; ++alumne) {
        std::vector<prova::Exercici_fet> fets;
        auto it = std::next(compostos.begin(), alumne * 37 % 1500);
        for (int i = 0; i < 100; ++i, ++it)
            fets.push_back({it->first, 1 + i % 2, (i * 7 + alumne) % 10 < 7});
        const std::string cami = (carpeta / ("alumne" + std::to_string(alumne) + ".qxs")).string();
        std::ofstream(cami, std::ios::binary)
            << quimerix::arxiu_sessio(prova::sessio("Alumne " + std::to_string(alumne), "08/12/2026", fets))
                   .value();
        camins.push_back(cami);
    }
    return camins;
}
