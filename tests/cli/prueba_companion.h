#pragma once

// What the companion's tests share: a run in this process with a fixed
// today, and the records of a CSV answer as the companion's own reader sees
// them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/dias.h"
#include "cli/companion.h"
#include "cli/lector_csv.h"

namespace prueba {

struct Corrida {
    int estado;
    std::string salida, errores;
};

// The companion run on `argumentos`, `entrada` as its standard input.
inline Corrida correr(const std::vector<std::string>& argumentos, const std::string& entrada,
                      const tarvolo::Fecha& hoy) {
    std::istringstream en(entrada);
    std::ostringstream salida, errores;
    const int estado = tarvolo::ejecutarCompanion(argumentos, hoy, en, salida, errores);
    return {estado, salida.str(), errores.str()};
}

using Filas = std::vector<std::vector<std::string>>;

// A run the companion must refuse: status 2, nothing written, and one
// error line that holds `mensaje`.
struct Rechazo {
    std::vector<std::string> argumentos;
    std::string entrada;
    std::string mensaje;
};

inline void esperarRechazo(const Corrida& r, const std::string& mensaje) {
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores.rfind("tarvolo-cli: ", 0), 0u);
    EXPECT_NE(r.errores.find(mensaje), std::string::npos) << r.errores;
}

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
