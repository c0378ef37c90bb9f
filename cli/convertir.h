#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bytes.h"
#include "calendar/dias.h"

namespace tarvolo {

inline constexpr std::string_view kUsoConvertir =
    "tarvolo-cli convertir [--columna NOMBRE|N] [--separador ','|';'|tab] [--fechas] [--salida ARCHIVO] "
    "[ARCHIVO|-]";

struct OpcionesConvertir {
    std::string columna;  // header name or 1-based number; empty: the first header holding "fecha"
    char separador = 0;   // 0: found from the header
    bool fechas = false;  // also the week's Sunday and Saturday
};

// Copies a CSV case list from `entrada` to `salida` byte for byte, adding
// the epidemiological week, year and four-week period of each record's date
// (and with `fechas` the week's first and last day). Reports bad dates and a
// summary on `errores`. Returns the exit status: 0 every date read, 1 some
// date not read, 2 no date column, an unfinished quote, or an input or
// output that failed (output already written stays written).
int convertirCsv(FuenteBytes& entrada, SumideroBytes& salida, std::ostream& errores,
                 const OpcionesConvertir& opciones, const Fecha& hoy);

// The `convertir` command: its options (the arguments after the command's
// name), the input file or `entrada`, and `--salida` written only as a
// whole.
int ordenConvertir(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
                   std::ostream& salida, std::ostream& errores);

}  // namespace tarvolo
