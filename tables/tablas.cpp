#include "tablas.h"

#include "anio_tabla.h"
#include "calendar/texto_fecha.h"

namespace tarvolo {

namespace {

constexpr std::string_view kFin = "\r\n";
constexpr std::string_view kSangria = "                                    ";  // 36 blanks
constexpr size_t kReserva = 6 * 1024;  // the longest text, ListadoAmbas of a 53-week year, is ~5.7 KB

// A one-digit number gets two blanks in front; two digits stand alone.
void agregarNumero(std::string& s, int n) {
    if (n < 10) {
        s += "  ";
        s += static_cast<char>('0' + n);
    } else {
        agregarDosCifras(s, static_cast<unsigned>(n));
    }
}

std::string empezar(std::string_view encabezado) {
    std::string s;
    s.reserve(kReserva);
    s += encabezado;
    return s;
}

std::string empezarListado(std::string_view titulo, const AnioTabla& a) {
    std::string s = empezar(kSangria);
    s += titulo;
    s += a.texto;
    s += "\r\n\r\n";
    return s;
}

// The "Desde" and "Hasta" cells of a table row, each closed by its edge.
void agregarDesdeHasta(std::string& s, const Fecha& desde, const Fecha& hasta) {
    agregarFecha(s, desde);
    s += "  |  ";
    agregarFecha(s, hasta);
    s += "  |";
}

void agregarInicioSemana(std::string& s, const AnioTabla& a, int semana) {
    s += kSangria;
    s += "Semana ";
    agregarNumero(s, semana);
    s += ":    del   ";
    agregarFecha(s, a.domingo(semana));
    s += "   al   ";
    agregarFecha(s, a.sabado(semana));
}

}  // namespace

std::string TablaSemanas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    std::string s = empezar("        |   Semana   |      Desde       |       Hasta       |\r\n");
    for (int semana = 1; semana <= a.semanas; ++semana) {
        s += "        |       ";
        agregarNumero(s, semana);
        s += "        |  ";
        agregarDesdeHasta(s, a.domingo(semana), a.sabado(semana));
        s += kFin;
    }
    return s;
}

std::string TablaAmbas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    std::string s = empezar("  | Semana |      Desde       |       Hasta       |   Cuatri   |\r\n");
    for (int semana = 1; semana <= a.semanas; ++semana) {
        s += "  |     ";
        agregarNumero(s, semana);
        s += "      |  ";
        agregarDesdeHasta(s, a.domingo(semana), a.sabado(semana));
        s += "     ";
        agregarNumero(s, cuatrisemanaDe(semana));
        s += "      |";
        s += kFin;
    }
    return s;
}

std::string TablaCuatrisemanas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    // Unlike the week tables, this one opens with two empty lines.
    std::string s = empezar("\r\n\r\n          |   Cuatri   |      Desde       |       Hasta       |\r\n");
    for (int c = 1; c <= 13; ++c) {
        s += "          |     ";
        agregarNumero(s, c);
        s += "      |  ";
        agregarDesdeHasta(s, a.domingo(a.primeraSemana(c)), a.sabado(a.ultimaSemana(c)));
        s += kFin;
    }
    return s;
}

std::string ListadoSemanas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    std::string s = empezarListado("SEMANAS EPIDEMIOLÓGICAS DEL ", a);
    for (int semana = 1; semana <= a.semanas; ++semana) {
        agregarInicioSemana(s, a, semana);
        s += kFin;
    }
    return s;
}

std::string ListadoAmbas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    std::string s = empezarListado("SEMANAS EPIDEMIOLÓGICAS DEL ", a);
    for (int semana = 1; semana <= a.semanas; ++semana) {
        agregarInicioSemana(s, a, semana);
        s += "   (Cuatrisemana ";
        agregarNumero(s, cuatrisemanaDe(semana));
        s += ')';
        s += kFin;
    }
    return s;
}

std::string ListadoCuatrisemanas(const Parte& anio, const Fecha& hoy) {
    const AnioTabla a = resolverAnioTabla(anio, hoy);
    std::string s = empezarListado("CUATRISEMANAS EPIDEMIOLÓGICAS DEL ", a);
    for (int c = 1; c <= 13; ++c) {
        s += kSangria;
        s += "Cuatrisemana     ";
        agregarNumero(s, c);
        s += "      del  ";
        agregarFecha(s, a.domingo(a.primeraSemana(c)));
        s += "  al  ";
        agregarFecha(s, a.sabado(a.ultimaSemana(c)));
        s += "  ";
        s += kFin;
    }
    return s;
}

}  // namespace tarvolo
