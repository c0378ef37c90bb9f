#pragma once

#include <string>
#include <string_view>

#include "dias.h"
#include "parte.h"

namespace tarvolo {

// Long Spanish names, lower case, whatever the machine's locale.
std::string_view nombreDia(int diaDeLaSemana);  // 0 = domingo
std::string_view nombreMes(unsigned mes);       // 1 = enero

// The four-line sentence (UTF-8, CR LF between lines, none at the end).
std::string DescribirDia(const Fecha& hoy, const Parte& dia = {}, const Parte& mes = {},
                         const Parte& anio = {});

}  // namespace tarvolo
