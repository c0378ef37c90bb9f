#pragma once

#include <string>

#include "calendar/dias.h"
#include "calendar/parte.h"

namespace tarvolo {

// The year a builder was asked for: its number, the text its title repeats,
// and the epidemiological weeks that belong to it.
struct AnioTabla {
    int numero;
    std::string texto;   // as passed, or today's year when omitted or empty
    Dias primerDomingo;  // opens week 1 (29 December .. 4 January)
    int semanas;         // 52 or 53

    Dias domingo(int semana) const noexcept { return primerDomingo + std::chrono::days{7 * (semana - 1)}; }
    Dias sabado(int semana) const noexcept { return domingo(semana) + std::chrono::days{6}; }
    // Period k runs over weeks 4k-3 .. 4k; the thirteenth also takes week 53.
    int primeraSemana(int cuatrisemana) const noexcept { return 4 * cuatrisemana - 3; }
    int ultimaSemana(int cuatrisemana) const noexcept {
        return cuatrisemana == 13 ? semanas : 4 * cuatrisemana;
    }
};

// The years whose whole structure the tables can show: the scan of one
// reaches a day into the years before and after.
inline constexpr int kPrimerAnioTabla = 101;
inline constexpr int kUltimoAnioTabla = 9998;

// The weeks of epidemiological year `numero`, unchecked: for a year already
// known to lie in kPrimerAnioTabla..kUltimoAnioTabla.
AnioTabla estructuraAnio(int numero);

// Omitted or blank means the current year. Throws error 13 for text that is
// not a number and for a year whose scan (29 December of the year before to
// 4 January of the year after) leaves the years 100..9999.
AnioTabla resolverAnioTabla(const Parte& anio, const Fecha& hoy);

}  // namespace tarvolo
