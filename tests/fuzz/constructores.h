#pragma once

// The six builders with the shape of their text, for the fuzz targets.

#include <array>
#include <string_view>

#include "tables/tablas.h"
#include "tests/fuzz/invariantes.h"

namespace fuzz {

struct Forma {
    std::string_view palabra;  // the companion's word for the kind
    bool listado;
    tarvolo::Constructor construir;
    Clase clase;
    int lineasDeEncabezado;  // before the first row
};

inline constexpr std::array<Forma, 6> kConstructores{{
    {"semanas", false, tarvolo::TablaSemanas, Clase::Semanas, 1},
    {"ambas", false, tarvolo::TablaAmbas, Clase::Ambas, 1},
    {"cuatrisemanas", false, tarvolo::TablaCuatrisemanas, Clase::Cuatrisemanas, 3},  // two blank lines first
    {"semanas", true, tarvolo::ListadoSemanas, Clase::Semanas, 2},                   // title and a blank line
    {"ambas", true, tarvolo::ListadoAmbas, Clase::Ambas, 2},
    {"cuatrisemanas", true, tarvolo::ListadoCuatrisemanas, Clase::Cuatrisemanas, 2},
}};

}  // namespace fuzz
