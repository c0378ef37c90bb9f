#pragma once

#include <string>

#include "calendar/dias.h"
#include "calendar/parte.h"

namespace tarvolo {

// The six year builders. Each returns UTF-8 text whose every line ends with
// CR LF, or throws ErrorEjecucion 13 (and returns nothing) for a bad year.
// An omitted or blank year is the current one, taken from `hoy`.

using Constructor = std::string (*)(const Parte& anio, const Fecha& hoy);

std::string TablaSemanas(const Parte& anio, const Fecha& hoy);
std::string TablaAmbas(const Parte& anio, const Fecha& hoy);
std::string TablaCuatrisemanas(const Parte& anio, const Fecha& hoy);
std::string ListadoSemanas(const Parte& anio, const Fecha& hoy);
std::string ListadoAmbas(const Parte& anio, const Fecha& hoy);
std::string ListadoCuatrisemanas(const Parte& anio, const Fecha& hoy);

}  // namespace tarvolo
