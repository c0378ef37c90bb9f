#pragma once

// The calendar's invariants as the fuzz targets check them, and the small
// text format their inputs share. A violation prints what broke and aborts,
// which libFuzzer reports as a crash with the input that caused it.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/dias.h"
#include "calendar/error_ejecucion.h"
#include "calendar/parte.h"
#include "calendar/semana_epi.h"

namespace fuzz {

using tarvolo::Dias;
using tarvolo::Fecha;

[[noreturn]] inline void violacion(std::string_view que, std::string_view detalle = {}) {
    std::fprintf(stderr, "INVARIANTE ROTO: %.*s\n%.*s\n", static_cast<int>(que.size()), que.data(),
                 static_cast<int>(detalle.size()), detalle.data());
    std::abort();
}

inline void comprobar(bool cumple, std::string_view que, std::string_view detalle = {}) {
    if (!cumple) violacion(que, detalle);
}

// Only the calendar's own two errors may leave it.
inline void comprobarError(const tarvolo::ErrorEjecucion& e) {
    comprobar(e.numero() == tarvolo::ErrorEjecucion::kTiposNoCoinciden ||
                  e.numero() == tarvolo::ErrorEjecucion::kDesbordamiento,
              "error distinto de 13 y 6", e.what());
}

// ------------------------------------------------------------ input format

// Fields separated by `separador`.
inline std::vector<std::string_view> campos(std::string_view texto, char separador) {
    std::vector<std::string_view> r;
    size_t inicio = 0;
    for (size_t i = 0; i <= texto.size(); ++i) {
        if (i == texto.size() || texto[i] == separador) {
            r.push_back(texto.substr(inicio, i - inicio));
            inicio = i + 1;
        }
    }
    return r;
}

// A calendar argument: "~" is omitted, "#" and a signed decimal is a number
// (saturated at the ends of long long), anything else is passed as text.
inline tarvolo::Parte parte(std::string_view campo) {
    if (campo == "~") return {};
    if (!campo.empty() && campo.front() == '#') {
        campo.remove_prefix(1);
        long long n = 0;
        const auto [p, ec] = std::from_chars(campo.data(), campo.data() + campo.size(), n);
        if (ec == std::errc::result_out_of_range) {
            n = campo.front() == '-' ? std::numeric_limits<long long>::min()
                                     : std::numeric_limits<long long>::max();
        }
        (void)p;
        return tarvolo::Parte(n);
    }
    return tarvolo::Parte(campo);
}

// "Today" as a day count from 1970, folded into the years 100..9999 so every
// input has a valid today; anything unreadable is Saturday 3 January 2004.
inline Fecha hoy(std::string_view campo) {
    using namespace std::chrono;
    constexpr Fecha kPorOmision{year{2004}, January, day{3}};
    long long n = 0;
    const auto [p, ec] = std::from_chars(campo.data(), campo.data() + campo.size(), n);
    if (ec != std::errc{} || p != campo.data() + campo.size()) return kPorOmision;
    const long long desde = sys_days{year{100} / January / 1}.time_since_epoch().count();
    const long long hasta = sys_days{year{9999} / December / 31}.time_since_epoch().count();
    const long long ancho = hasta - desde + 1;
    const long long dia = desde + ((n % ancho) + ancho) % ancho;
    return Fecha{sys_days{days{dia}}};
}

// ------------------------------------------------------------- the weeks

inline void comprobarSemana(long long semana) {
    if (semana < 1 || semana > 53) violacion("semana fuera de 1..53", std::to_string(semana));
}

// Period k holds weeks 4k-3..4k; the thirteenth also holds week 53.
inline void comprobarCuatrisemana(long long semana, long long cuatrisemana) {
    const bool cumple = cuatrisemana >= 1 && cuatrisemana <= 13 && semana >= 4 * cuatrisemana - 3 &&
                        (semana <= 4 * cuatrisemana || cuatrisemana == 13);
    if (!cumple) {
        violacion("cuatrisemana que no es la de la semana",
                  std::to_string(semana) + " -> " + std::to_string(cuatrisemana));
    }
}

// The week of a day counted from first principles: whole weeks since the
// Sunday whose week holds at least four days of the epidemiological year.
inline void comprobarDia(Dias d, long long semana, long long anioEpi, long long cuatrisemana) {
    using namespace std::chrono;
    comprobarSemana(semana);
    comprobarCuatrisemana(semana, cuatrisemana);
    const int anio = static_cast<int>(year_month_day{d}.year());
    if (anioEpi < anio - 1 || anioEpi > anio + 1)
        violacion("año epidemiológico lejos del año",
                  std::to_string(anio) + " -> " + std::to_string(anioEpi));
    const Dias domingo1 = tarvolo::domingoDeSemana1(static_cast<int>(anioEpi));
    const Dias domingoSiguiente = tarvolo::domingoDeSemana1(static_cast<int>(anioEpi) + 1);
    comprobar(d >= domingo1 && d < domingoSiguiente, "día fuera de su año epidemiológico");
    if ((d - domingo1).count() / 7 + 1 != semana)
        violacion("semana que no cuenta desde el domingo de la 1", std::to_string(semana));
}

// Four lines joined by CR LF: exactly three, no other line break, and none
// at the end.
inline void comprobarDescripcion(std::string_view s) {
    int crlf = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            comprobar(i + 1 < s.size() && s[i + 1] == '\n', "CR suelto en la descripción", s);
            ++crlf;
            ++i;
        } else {
            comprobar(s[i] != '\n', "LF suelto en la descripción", s);
        }
    }
    comprobar(crlf == 3, "descripción sin exactamente tres CR LF", s);
    comprobar(s.size() < 2 || s.substr(s.size() - 2) != "\r\n", "descripción acabada en CR LF", s);
}

// -------------------------------------------------------------- the tables

enum class Clase { Semanas, Ambas, Cuatrisemanas };

// Lines of a builder's text, each ending in CR LF (without it).
inline std::vector<std::string_view> lineas(std::string_view s) {
    std::vector<std::string_view> r;
    size_t inicio = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n') violacion("LF sin CR en una tabla", s);
        if (s[i] == '\r') {
            comprobar(i + 1 < s.size() && s[i + 1] == '\n', "CR sin LF en una tabla", s);
            r.push_back(s.substr(inicio, i - inicio));
            inicio = i + 2;
            ++i;
        }
    }
    comprobar(inicio == s.size(), "tabla con una última línea sin CR LF", s);
    return r;
}

// The "dd/mm/yyyy" dates of a row, in order.
inline std::vector<Dias> fechas(std::string_view fila) {
    using namespace std::chrono;
    std::vector<Dias> r;
    auto cifras = [&](size_t i, size_t n) {
        int v = 0;
        for (size_t k = i; k < i + n; ++k) {
            if (fila[k] < '0' || fila[k] > '9') return -1;
            v = v * 10 + (fila[k] - '0');
        }
        return v;
    };
    for (size_t i = 0; i + 10 <= fila.size(); ++i) {
        if (fila[i + 2] != '/' || fila[i + 5] != '/') continue;
        const int d = cifras(i, 2), m = cifras(i + 3, 2), a = cifras(i + 6, 4);
        if (d < 0 || m < 0 || a < 0) continue;
        const Fecha f{year{a}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
        comprobar(f.ok(), "fecha imposible en una tabla", fila);
        r.push_back(Dias{f});
        i += 9;
    }
    return r;
}

// A builder's text: its heading lines, then one row per week (52 or 53) or
// per period (13), each from a Sunday to a Saturday, the rows back to back,
// every Sunday in the week or period its row names. Returns the number of
// rows.
inline int comprobarTabla(std::string_view texto, Clase clase, int lineasDeEncabezado, int anioEpi) {
    using namespace std::chrono;
    const auto ls = lineas(texto);
    comprobar(static_cast<int>(ls.size()) > lineasDeEncabezado, "tabla sin filas", texto);
    const int filas = static_cast<int>(ls.size()) - lineasDeEncabezado;
    if (clase == Clase::Cuatrisemanas) {
        comprobar(filas == 13, "tabla de cuatrisemanas sin 13 filas", texto);
    } else {
        comprobar(filas == 52 || filas == 53, "tabla de semanas sin 52 ni 53 filas", texto);
    }
    const tarvolo::Fecha hoy{year{2004}, January, day{3}};
    Dias siguiente = tarvolo::domingoDeSemana1(anioEpi);
    for (int i = 0; i < filas; ++i) {
        const std::string_view fila = ls[static_cast<size_t>(lineasDeEncabezado + i)];
        const auto fs = fechas(fila);
        comprobar(fs.size() == 2, "fila sin dos fechas", fila);
        comprobar(fs[0] == siguiente, "fila que no sigue a la anterior", fila);
        comprobar(tarvolo::diaDeLaSemana(fs[0]) == 0 && tarvolo::diaDeLaSemana(fs[1]) == 6,
                  "fila que no va de domingo a sábado", fila);
        const Fecha desde{fs[0]}, hasta{fs[1]};
        auto semanaDe = [&](const Fecha& f) {
            return tarvolo::SemanaEpi(hoy, static_cast<int>(static_cast<unsigned>(f.day())),
                                      static_cast<int>(static_cast<unsigned>(f.month())),
                                      static_cast<int>(f.year()));
        };
        const int semana = semanaDe(desde);
        if (clase == Clase::Cuatrisemanas) {
            comprobar(fs[1] > fs[0] && (fs[1] - fs[0]).count() % 7 == 6, "cuatrisemana sin semanas enteras",
                      fila);
            comprobar(semana == 4 * (i + 1) - 3, "cuatrisemana que no empieza en su semana", fila);
            comprobarCuatrisemana(semanaDe(hasta), i + 1);
        } else {
            comprobar((fs[1] - fs[0]).count() == 6, "semana de más o menos de siete días", fila);
            comprobar(semana == i + 1, "fila con otra semana", fila);
        }
        comprobar(tarvolo::AnioEpi(hoy, static_cast<int>(static_cast<unsigned>(desde.day())),
                                   static_cast<int>(static_cast<unsigned>(desde.month())),
                                   static_cast<int>(desde.year())) == anioEpi,
                  "fila de otro año epidemiológico", fila);
        siguiente = fs[1] + days{1};
    }
    comprobar(siguiente == tarvolo::domingoDeSemana1(anioEpi + 1), "tabla que no llega al fin del año",
              texto);
    return filas;
}

}  // namespace fuzz
