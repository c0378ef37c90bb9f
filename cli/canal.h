#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bytes.h"
#include "calendar/dias.h"
#include "conteo.h"

namespace tarvolo {

// The endemic channel of one epidemiological year: for each of its weeks,
// limits drawn from the same week of the years before it, and the year's
// own cases placed among them. Like the counting it reads from, it writes
// nothing anywhere and throws std::runtime_error with a Spanish message.

enum class Metodo { kCuartiles, kBortman };
// "cuartiles", "bortman".
std::string_view nombreMetodo(Metodo metodo) noexcept;

enum class Zona { kSinCasos, kExito, kSeguridad, kAlerta, kEpidemia };
// "", "éxito", "seguridad", "alerta", "epidemia".
std::string_view nombreZona(Zona zona) noexcept;

inline constexpr int kHistoriaMinima = 3;
inline constexpr int kHistoriaMaxima = 10;

struct OpcionesCanal {
    std::optional<int> anio;   // empty: the epidemiological year of today
    int historia = 5;          // years before it, kHistoriaMinima..kHistoriaMaxima
    std::vector<int> excluir;  // epidemic years: skipped, the history reaching further back
    Metodo metodo = Metodo::kCuartiles;
    // Inhabitants by year: with them, limits are drawn from rates per 100,000
    // and turned back into cases with the target year's population.
    std::map<int, std::int64_t> poblacion;
    std::string columna;  // date column of a case list (see OpcionesConteo)
    char separador = 0;
};

struct Limites {
    double inferior = 0, central = 0, superior = 0;
};

// One week's limits from the history's values, unrounded. Cuartiles: first
// quartile, median and third quartile as spreadsheets' QUARTILE.INC;
// Bortman: the geometric mean of value + 1 and its 95% interval with
// Student's t, minus 1, never below 0. Needs 2 or more values (Bortman 3
// to 10).
Limites limitesDe(std::vector<double> valores, Metodo metodo);

// The 0.975 quantile of Student's t for 2..9 degrees of freedom.
double tStudent975(int gradosDeLibertad);

// The years of the history, oldest first: the `historia` years before
// `anio` that are not in `excluir`.
std::vector<int> aniosDeHistoria(int anio, int historia, const std::vector<int>& excluir);

struct FilaCanal {
    int semana = 0;
    Dias inicio, fin;                   // Sunday and Saturday
    Limites limites;                    // in cases, rounded to hundredths as written
    std::optional<std::int64_t> casos;  // empty for a week that begins after today
    Zona zona = Zona::kSinCasos;        // against the rounded limits
};

struct Canal {
    int anio = 0;
    int semanas = 52;
    Metodo metodo = Metodo::kCuartiles;
    std::vector<int> historia;  // oldest first
    bool porPoblacion = false;
    // Weekly counts of the history's years, oldest first, then the target year's.
    std::vector<ConteoAnio> conteos;
    std::vector<FilaCanal> filas;  // one per week of the target year
    bool desdeCasos = false;       // read from a case list rather than contar's counts
    Registros registros;           // of that case list
    FormaCsv forma;                // of the input
};

// The channel from weekly counts by year: `datos` holds the years the input
// has data for. A history year missing from it or from the population is an
// error that names it.
Canal calcularCanal(const std::map<int, ConteoAnio>& datos, const OpcionesCanal& opciones, const Fecha& hoy);

// The channel from a CSV: contar's output (recognised by its columns
// anio_epi, semana_epi and casos, or total) or a case list, counted first.
// Throws Cancelado when asked to.
Canal calcularCanal(FuenteBytes& entrada, const OpcionesCanal& opciones, const Fecha& hoy,
                    const Seguimiento& seguimiento = {});

// A population file: a CSV with columns anio and poblacion.
std::map<int, std::int64_t> leerPoblacion(FuenteBytes& entrada);

// The channel as CSV in the input's form: semana, inicio_semana, fin_semana,
// limite_inferior, central, limite_superior, casos, zona; two decimals, with
// a decimal comma when the separator is ';'.
std::string textoCanal(const Canal& canal);

}  // namespace tarvolo
