#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calendar/dias.h"

namespace tarvolo {

// Questions about one epidemiological year, answered from the year
// structure the tables are built from. Each takes the arguments after the
// command's name and returns the exit status: 0, 1 for a year, week or
// period the calendar does not have, 2 for the wrong number of arguments.

// fechas AÑO [SEMANA]: the week's Sunday and Saturday; without SEMANA
// every week of the year, one line each.
int ordenFechas(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                std::ostream& errores);
// semanas AÑO: 52 or 53.
int ordenSemanas(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                 std::ostream& errores);
// cuatrisemana AÑO N: first and last day of four-week period N.
int ordenCuatrisemana(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                      std::ostream& errores);

}  // namespace tarvolo
