#include "consultas_anio.h"

#include <optional>

#include "calendar/error_ejecucion.h"
#include "calendar/texto_fecha.h"
#include "mensajes.h"
#include "tables/anio_tabla.h"

namespace tarvolo {

namespace {

std::optional<AnioTabla> leerAnio(const std::string& texto, const Fecha& hoy, std::ostream& errores) {
    try {
        return resolverAnioTabla(Parte(texto), hoy);
    } catch (const ErrorEjecucion& e) {
        errores << kPrefijoError << "año no válido: " << texto << " (error " << e.numero() << ": "
                << e.descripcion() << ")\n";
        return std::nullopt;
    }
}

// A number from `minimo` to `maximo`, or the error line. Never rolled into
// the next year.
std::optional<int> leerNumero(const std::string& texto, int minimo, int maximo, std::string_view que,
                              const std::string& rango, std::ostream& errores) {
    const auto n = leerDecimal(texto);
    if (n && *n >= minimo && *n <= maximo) return static_cast<int>(*n);
    errores << kPrefijoError << que << " no válida: " << texto << " (" << rango << ")\n";
    return std::nullopt;
}

std::optional<int> leerSemana(const std::string& texto, const AnioTabla& a, std::ostream& errores) {
    return leerNumero(
        texto, 1, a.semanas, "semana",
        "el año " + std::to_string(a.numero) + " tiene " + std::to_string(a.semanas) + " semanas", errores);
}

void escribirIntervalo(std::ostream& salida, Dias desde, Dias hasta) {
    std::string s;
    agregarFecha(s, desde);
    s += ' ';
    agregarFecha(s, hasta);
    s += '\n';
    salida << s;
}

int uso(std::ostream& errores, std::string_view forma) {
    errores << "Uso: tarvolo-cli " << forma << '\n';
    return 2;
}

// What every query does around its own answer: from `minimo` to `maximo`
// arguments, the year first, then `responder(año)` for the status; output
// flushed so that a pipe sees each answer as it is made.
template <typename Respuesta>
int consultarAnio(const std::vector<std::string>& argumentos, std::size_t minimo, std::size_t maximo,
                  std::string_view forma, const Fecha& hoy, std::ostream& salida, std::ostream& errores,
                  Respuesta responder) {
    if (argumentos.size() < minimo || argumentos.size() > maximo) return uso(errores, forma);
    const auto anio = leerAnio(argumentos[0], hoy, errores);
    if (!anio) return 1;
    const int estado = responder(*anio);
    salida.flush();
    return estado;
}

}  // namespace

int ordenFechas(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                std::ostream& errores) {
    return consultarAnio(argumentos, 1, 2, "fechas AÑO [SEMANA]", hoy, salida, errores,
                         [&](const AnioTabla& anio) {
                             if (argumentos.size() == 2) {
                                 const auto semana = leerSemana(argumentos[1], anio, errores);
                                 if (!semana) return 1;
                                 escribirIntervalo(salida, anio.domingo(*semana), anio.sabado(*semana));
                                 return 0;
                             }
                             for (int semana = 1; semana <= anio.semanas; ++semana) {
                                 salida << semana << ' ';
                                 escribirIntervalo(salida, anio.domingo(semana), anio.sabado(semana));
                             }
                             return 0;
                         });
}

int ordenSemanas(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                 std::ostream& errores) {
    return consultarAnio(argumentos, 1, 1, "semanas AÑO", hoy, salida, errores, [&](const AnioTabla& anio) {
        salida << anio.semanas << '\n';
        return 0;
    });
}

int ordenCuatrisemana(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                      std::ostream& errores) {
    return consultarAnio(
        argumentos, 2, 2, "cuatrisemana AÑO N", hoy, salida, errores, [&](const AnioTabla& anio) {
            const auto n = leerNumero(argumentos[1], 1, 13, "cuatrisemana", "de 1 a 13", errores);
            if (!n) return 1;
            escribirIntervalo(salida, anio.domingo(anio.primeraSemana(*n)),
                              anio.sabado(anio.ultimaSemana(*n)));
            return 0;
        });
}

}  // namespace tarvolo
