#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/dias.h"

namespace tarvolo {

// The command-line companion: same answers as the tray program, in a
// terminal. Returns the exit status (0 fine, 1 a bad date or year, 2 usage).
// Without standard input: "-" is read as a date (and refused).
int ejecutarCompanion(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                      std::ostream& errores);
// The same with standard input: `semana -`, `describir -`, `convertir`,
// `contar` and `canal` read it. The streams must be binary: bytes pass through untranslated.
int ejecutarCompanion(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
                      std::ostream& salida, std::ostream& errores);

}  // namespace tarvolo
