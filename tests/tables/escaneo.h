#pragma once

// The year scan and the six builders written out literally, day by day, as a reference for the tests: every
// day from 29 December of the year before to 4 January of the year after, Sundays held with their week text,
// the week's year asked of AnioEpi on the Sunday and again on the Saturday (with the widened text), periods
// grouped by comparing texts. It calls the public calendar operations for each Sunday, as the builders are
// described to do, and nothing of the builders' own shortcut (first Sunday plus 7 days per week).

#include <chrono>
#include <cstdio>
#include <string>

#include "calendar/parte.h"
#include "calendar/semana_epi.h"

namespace escaneo {

enum class Constructor {
    TablaSemanas,
    TablaAmbas,
    TablaCuatrisemanas,
    ListadoSemanas,
    ListadoAmbas,
    ListadoCuatrisemanas
};

inline std::string textoFecha(int dia, int mes, int anio) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", dia, mes, anio);
    return b;
}

// A single digit gets two blanks in front; two digits stand alone.
inline std::string ensanchar(const std::string& numero) {
    return numero.size() == 1 ? "  " + numero : numero;
}

// `anio` is the year as a number, `texto` the title's text.
inline std::string construir(Constructor c, int anio, const std::string& texto, const tarvolo::Fecha& hoy) {
    using namespace std::chrono;
    using tarvolo::AnioEpi;
    using tarvolo::CuatrisemanaEpi;
    using tarvolo::Parte;
    using tarvolo::SemanaEpi;
    const std::string sangria(36, ' ');
    const bool semanal = c == Constructor::TablaSemanas || c == Constructor::TablaAmbas ||
                         c == Constructor::ListadoSemanas || c == Constructor::ListadoAmbas;
    const bool conCuatri = c != Constructor::TablaSemanas && c != Constructor::ListadoSemanas;

    std::string s;
    switch (c) {
        case Constructor::TablaSemanas:
            s = "        |   Semana   |      Desde       |       Hasta       |\r\n";
            break;
        case Constructor::TablaAmbas:
            s = "  | Semana |      Desde       |       Hasta       |   Cuatri   |\r\n";
            break;
        case Constructor::TablaCuatrisemanas:
            s = "\r\n\r\n          |   Cuatri   |      Desde       |       Hasta       |\r\n";
            break;
        case Constructor::ListadoSemanas:
        case Constructor::ListadoAmbas:
            s = sangria + "SEMANAS EPIDEMIOL\xc3\x93GICAS DEL " + texto + "\r\n\r\n";
            break;
        case Constructor::ListadoCuatrisemanas:
            s = sangria + "CUATRISEMANAS EPIDEMIOL\xc3\x93GICAS DEL " + texto + "\r\n\r\n";
            break;
    }

    // Held values of the most recent Sunday (0, 0, 0 and "" before any).
    int dDom = 0, mDom = 0, aDom = 0;
    std::string semanaDom, cuatriDom, cuatriAnterior;

    const sys_days primero = sys_days{year{anio - 1} / December / 29};
    const sys_days ultimo = sys_days{year{anio + 1} / January / 4};
    std::string ayer;
    for (sys_days dia = primero; dia <= ultimo; dia += days{1}) {
        const year_month_day f{dia};
        const int d = static_cast<int>(static_cast<unsigned>(f.day()));
        const int m = static_cast<int>(static_cast<unsigned>(f.month()));
        const int a = static_cast<int>(f.year());
        const std::string hoyTexto = textoFecha(d, m, a);
        const weekday ds{dia};
        if (ds == Sunday) {
            dDom = d;
            mDom = m;
            aDom = a;
            semanaDom = std::to_string(SemanaEpi(hoy, d, m, a));
            if (conCuatri) cuatriDom = std::to_string(CuatrisemanaEpi(hoy, d, m, a));
            const int e = AnioEpi(hoy, d, m, a, semanaDom);
            if (semanal) {
                if (e == anio) {
                    semanaDom = ensanchar(semanaDom);
                    if (conCuatri) cuatriDom = ensanchar(cuatriDom);
                    switch (c) {
                        case Constructor::TablaSemanas:
                            s += "        |       " + semanaDom + "        |  " + hoyTexto + "  |";
                            break;
                        case Constructor::TablaAmbas:
                            s += "  |     " + semanaDom + "      |  " + hoyTexto + "  |";
                            break;
                        case Constructor::ListadoSemanas:
                            s += sangria + "Semana " + semanaDom + ":    del   " + hoyTexto;
                            break;
                        case Constructor::ListadoAmbas:
                            s += sangria + "Semana " + semanaDom + ":    del   " + hoyTexto + "   al";
                            break;
                        default:
                            break;
                    }
                }
            } else {
                // The four-week grouping: Sundays only, a row opened at each new period.
                const bool tabla = c == Constructor::TablaCuatrisemanas;
                if (e == anio) {
                    cuatriDom = ensanchar(cuatriDom);
                    if (cuatriDom != cuatriAnterior) {
                        if (!cuatriAnterior.empty()) s += "  " + ayer + (tabla ? "  |\r\n" : "  \r\n");
                        if (tabla) {
                            s += "          |     " + cuatriDom + "      |  " + hoyTexto + "  |";
                        } else {
                            s +=
                                sangria + "Cuatrisemana     " + cuatriDom + "      del  " + hoyTexto + "  al";
                        }
                    }
                } else if (e == anio + 1) {
                    s += "  " + ayer + (tabla ? "  |\r\n" : "  \r\n");
                }
                cuatriAnterior = cuatriDom;
            }
        } else if (ds == Saturday && semanal) {
            // The held Sunday values, the week text possibly widened; before
            // the first Sunday they are 0, 0, 0 and "", which match no year.
            const int e = semanaDom.empty() ? 0 : AnioEpi(hoy, dDom, mDom, aDom, semanaDom);
            if (e == anio) {
                switch (c) {
                    case Constructor::TablaSemanas:
                        s += "  " + hoyTexto + "  |\r\n";
                        break;
                    case Constructor::TablaAmbas:
                        s += "  " + hoyTexto + "  |     " + cuatriDom + "      |\r\n";
                        break;
                    case Constructor::ListadoSemanas:
                        s += "   al   " + hoyTexto + "\r\n";
                        break;
                    case Constructor::ListadoAmbas:
                        s += "   " + hoyTexto + "   (Cuatrisemana " + cuatriDom + ")\r\n";
                        break;
                    default:
                        break;
                }
            }
        }
        ayer = hoyTexto;
    }
    return s;
}

}  // namespace escaneo
