#include "semana_epi.h"

#include <limits>

#include "error_ejecucion.h"

namespace tarvolo {

namespace {

long long hoyDia(const Fecha& hoy) {
    return static_cast<unsigned>(hoy.day());
}
long long hoyMes(const Fecha& hoy) {
    return static_cast<unsigned>(hoy.month());
}
long long hoyAnio(const Fecha& hoy) {
    return static_cast<int>(hoy.year());
}

}  // namespace

Fecha ArmarFecha(const Fecha& hoy, const Parte& dia, const Parte& mes, const Parte& anio) {
    using namespace std::chrono;
    const long long d = dia.leer(hoyDia(hoy));
    const long long m = mes.leer(hoyMes(hoy));
    const long long a = anio.leer(hoyAnio(hoy));
    // Two-digit years and month-first readings are refused, not guessed.
    if (a < 100 || a > 9999 || m < 1 || m > 12 || d < 1 || d > 31) throw ErrorEjecucion::tiposNoCoinciden();
    const Fecha fecha{year{static_cast<int>(a)}, month{static_cast<unsigned>(m)},
                      day{static_cast<unsigned>(d)}};
    if (!fecha.ok()) throw ErrorEjecucion::tiposNoCoinciden();
    return fecha;
}

std::uint8_t SemanaEpi(const Fecha& hoy, const Parte& dia, const Parte& mes, const Parte& anio) {
    return semanaDe(Dias{ArmarFecha(hoy, dia, mes, anio)}).semana;
}

std::int16_t AnioEpi(const Fecha& hoy, const Parte& dia, const Parte& mes, const Parte& anio,
                     const Parte& semana) {
    const long long s = semana.omitida() ? SemanaEpi(hoy, dia, mes, anio) : semana.leer(0);
    const long long d = dia.leer(hoyDia(hoy));
    const long long m = mes.leer(hoyMes(hoy));
    long long a = anio.leer(hoyAnio(hoy));
    // A number part may be any long long: refuse what no one-year step can
    // bring into 16 bits before stepping, so the step itself cannot overflow.
    constexpr long long kMenor = std::numeric_limits<std::int16_t>::min();
    constexpr long long kMayor = std::numeric_limits<std::int16_t>::max();
    if (a < kMenor - 1 || a > kMayor + 1) throw ErrorEjecucion::desbordamiento();
    if (m == 1) {
        if (d < 4 && s > 1) --a;  // 1..3 January in the previous year's last week
    } else if (m == 12) {
        if (d > 28 && s == 1) ++a;  // 29..31 December in next year's week 1
    }
    if (a < kMenor || a > kMayor) throw ErrorEjecucion::desbordamiento();
    return static_cast<std::int16_t>(a);
}

std::int16_t CuatrisemanaEpi(const Fecha& hoy, const Parte& dia, const Parte& mes, const Parte& anio,
                             const Parte& semana) {
    const long long s = semana.omitida() ? SemanaEpi(hoy, dia, mes, anio) : semana.leer(0);
    return static_cast<std::int16_t>(cuatrisemanaDe(s));
}

}  // namespace tarvolo
