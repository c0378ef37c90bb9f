#pragma once

#include <chrono>
#include <cstdint>

namespace tarvolo {

using Fecha = std::chrono::year_month_day;
using Dias = std::chrono::sys_days;

// Week, epidemiological year and four-week period of one day. `anio` is the
// closed form's own; for callers the authority is AnioEpi (semana_epi.h),
// which also reads a week given as a number and refuses years out of range.
struct SemanaEpidemiologica {
    std::uint8_t semana;        // 1..53
    std::int16_t anio;          // calendar year of the week's Wednesday
    std::uint8_t cuatrisemana;  // 1..13
};

// 0 = Sunday .. 6 = Saturday.
constexpr int diaDeLaSemana(Dias d) noexcept {
    return static_cast<int>(std::chrono::weekday{d}.c_encoding());
}

// Four-week period of a week number: 1..4 -> 1, ..., 45..48 -> 12, 49 and up
// -> 13, 0 and below -> 0 (no fourteenth period).
constexpr int cuatrisemanaDe(long long semana) noexcept {
    if (semana <= 0) return 0;
    if (semana > 48) return 13;
    return static_cast<int>((semana - 1) / 4 + 1);  // 1..12
}

// The closed form: the Wednesday of the Sunday-to-Saturday week that holds d
// lies in the epidemiological year of d, and the week number counts whole
// weeks from that year's 1 January to it.
constexpr SemanaEpidemiologica semanaDe(Dias d) noexcept {
    using namespace std::chrono;
    const Dias miercoles = d - days{diaDeLaSemana(d)} + days{3};
    const year anio = year_month_day{miercoles}.year();
    const int diaDelAnio = (miercoles - sys_days{anio / January / 1}).count();  // 0..365
    const int semana = diaDelAnio / 7 + 1;                                      // 1..53
    return {static_cast<std::uint8_t>(semana), static_cast<std::int16_t>(static_cast<int>(anio)),
            static_cast<std::uint8_t>(cuatrisemanaDe(semana))};
}

// The Sunday that opens week 1 of an epidemiological year: the first Sunday
// whose week holds at least four January days (29 December .. 4 January).
constexpr Dias domingoDeSemana1(int anio) noexcept {
    using namespace std::chrono;
    const Dias enero1 = sys_days{year{anio} / January / 1};
    const int dds = diaDeLaSemana(enero1);
    return dds <= 3 ? enero1 - days{dds} : enero1 + days{7 - dds};
}

namespace comprobado {
using namespace std::chrono;
static_assert(diaDeLaSemana(sys_days{2005y / March / 5}) == 6);  // a Saturday
static_assert(diaDeLaSemana(sys_days{2004y / January / 4}) == 0);
static_assert(cuatrisemanaDe(-3) == 0 && cuatrisemanaDe(0) == 0 && cuatrisemanaDe(1) == 1 &&
              cuatrisemanaDe(4) == 1 && cuatrisemanaDe(5) == 2 && cuatrisemanaDe(48) == 12 &&
              cuatrisemanaDe(49) == 13 && cuatrisemanaDe(53) == 13);
// 1 January 2004, a Thursday, closes 2003's 53rd week; 1 January 2005, a
// Saturday, 2004's 52nd; 4 January 2004 opens week 1.
static_assert(semanaDe(sys_days{2004y / January / 1}).semana == 53);
static_assert(semanaDe(sys_days{2004y / January / 1}).anio == 2003);
static_assert(semanaDe(sys_days{2005y / January / 1}).semana == 52);
static_assert(semanaDe(sys_days{2005y / January / 1}).anio == 2004);
static_assert(semanaDe(sys_days{2004y / January / 4}).semana == 1);
static_assert(semanaDe(sys_days{2004y / December / 31}).cuatrisemana == 13);
static_assert(domingoDeSemana1(2004) == sys_days{2004y / January / 4});
static_assert(domingoDeSemana1(2005) == sys_days{2005y / January / 2});
static_assert(domingoDeSemana1(2003) == sys_days{2002y / December / 29});
}  // namespace comprobado

}  // namespace tarvolo
