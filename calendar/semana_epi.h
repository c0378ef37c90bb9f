#pragma once

#include <cstdint>

#include "dias.h"
#include "parte.h"

namespace tarvolo {

// The epidemiological calendar. Every operation takes today's date first:
// an omitted part stands for the same part of `hoy`. Invalid dates throw
// ErrorEjecucion 13; AnioEpi throws 6 when the year +/- 1 leaves 16 bits.

// The date named by the parts, read day first. Years 100..9999 only.
Fecha ArmarFecha(const Fecha& hoy, const Parte& dia = {}, const Parte& mes = {}, const Parte& anio = {});

std::uint8_t SemanaEpi(const Fecha& hoy, const Parte& dia = {}, const Parte& mes = {},
                       const Parte& anio = {});

// With `semana` omitted it is computed by SemanaEpi; given, no date is formed
// and the parts are only compared as numbers.
std::int16_t AnioEpi(const Fecha& hoy, const Parte& dia = {}, const Parte& mes = {}, const Parte& anio = {},
                     const Parte& semana = {});

// Given `semana`, the date parts are not looked at.
std::int16_t CuatrisemanaEpi(const Fecha& hoy, const Parte& dia = {}, const Parte& mes = {},
                             const Parte& anio = {}, const Parte& semana = {});

}  // namespace tarvolo
