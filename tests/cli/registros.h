#pragma once

// The records of a CSV text as the companion's own reader sees them: what
// the tests compare an answer's cells with.

#include <string>
#include <string_view>
#include <vector>

#include "cli/lector_csv.h"

namespace prueba {

using Filas = std::vector<std::vector<std::string>>;

// Every record of `csv`, fields unquoted, read `trozo` bytes at a time.
inline Filas registros(std::string_view csv, char sep = 0, std::size_t trozo = 0,
                       std::size_t bloque = tarvolo::LectorCsv::kBloque) {
    tarvolo::FuenteMemoria fuente(csv, trozo);
    tarvolo::LectorCsv lector(fuente, sep, bloque);
    Filas todos;
    std::string espacio;
    while (lector.siguiente()) {
        std::vector<std::string> campos;
        for (auto c : lector.registro().campos) campos.emplace_back(tarvolo::valorCampo(c, espacio));
        todos.push_back(std::move(campos));
    }
    return todos;
}

}  // namespace prueba
