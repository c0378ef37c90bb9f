#include "companion.h"

#include <array>
#include <functional>
#include <optional>
#include <sstream>

#include "calendar/describir_dia.h"
#include "calendar/error_ejecucion.h"
#include "calendar/semana_epi.h"
#include "consultas_anio.h"
#include "convertir.h"
#include "ordenes_canal.h"
#include "tables/tablas.h"
#include "version/version.h"

namespace tarvolo {

namespace {

constexpr std::string_view kUso =
    "Uso: tarvolo-cli semana [FECHA...]\n"
    "     tarvolo-cli describir [FECHA...]\n"
    "     tarvolo-cli tabla [AÑO] semanas|cuatrisemanas|ambas\n"
    "     tarvolo-cli listado [AÑO] semanas|cuatrisemanas|ambas\n"
    "     tarvolo-cli fechas AÑO [SEMANA]\n"
    "     tarvolo-cli semanas AÑO\n"
    "     tarvolo-cli cuatrisemana AÑO N\n"
    "     tarvolo-cli convertir [--columna NOMBRE|N] [--separador ','|';'|tab] [--fechas]\n"
    "                           [--salida ARCHIVO] [ARCHIVO|-]\n"
    "     tarvolo-cli contar [--columna NOMBRE|N] [--separador ','|';'|tab] [--por NOMBRE|N]\n"
    "                        [--cuatrisemanas] [--desde AÑO] [--hasta AÑO] [--salida ARCHIVO]\n"
    "                        [ARCHIVO|-]\n"
    "     tarvolo-cli canal [--anio AÑO] [--historia N] [--excluir AÑO[,AÑO...]]\n"
    "                       [--metodo cuartiles|bortman] [--poblacion ARCHIVO]\n"
    "                       [--grafico ARCHIVO.svg] [--columna NOMBRE|N] [--separador ','|';'|tab]\n"
    "                       [--salida ARCHIVO] [ARCHIVO|-]\n"
    "     tarvolo-cli --version\n"
    "\n"
    "FECHA es D/M/AAAA (día primero) o AAAA-MM-DD; sin fecha, hoy; con -, una\n"
    "fecha por línea de la entrada estándar. Sin AÑO, el año en curso.\n"
    "\n"
    "Ejemplos:\n"
    "  tarvolo-cli semana 29/12/2002            semana, año epidemiológico y cuatrisemana\n"
    "  tarvolo-cli describir 2005-01-01         la fecha descrita en palabras\n"
    "  tarvolo-cli tabla 2005 semanas           tabla de las semanas del año\n"
    "  tarvolo-cli listado cuatrisemanas 2005   listado imprimible de las cuatrisemanas\n"
    "  tarvolo-cli fechas 2020 53               domingo y sábado de la semana 53 de 2020\n"
    "  tarvolo-cli semanas 2021                 cuántas semanas tiene 2021\n"
    "  tarvolo-cli cuatrisemana 2005 13         primer y último día de la cuatrisemana 13\n"
    "  tarvolo-cli convertir --salida casos_sem.csv casos.csv\n"
    "                                           añade semana_epi, anio_epi y cuatrisemana\n"
    "                                           a cada fila de un CSV\n"
    "  tarvolo-cli contar casos.csv             casos por semana epidemiológica\n"
    "  tarvolo-cli canal --anio 2025 --grafico canal.svg casos.csv\n"
    "                                           canal endémico de 2025 con los cinco años\n"
    "                                           anteriores, y su gráfico\n";

struct Partes {
    Parte dia, mes, anio;
};

// D/M/YYYY or YYYY-MM-DD; each piece goes to the calendar as text, so its
// own checks decide what is a date.
std::optional<Partes> separarFecha(const std::string& fecha) {
    const char separador = fecha.find('/') != std::string::npos ? '/' : '-';
    std::vector<std::string> trozos(1);
    for (char c : fecha) {
        if (c == separador) {
            trozos.emplace_back();
        } else {
            trozos.back() += c;
        }
    }
    if (trozos.size() != 3) return std::nullopt;
    if (separador == '/') return Partes{trozos[0], trozos[1], trozos[2]};
    return Partes{trozos[2], trozos[1], trozos[0]};
}

void informar(std::ostream& errores, std::string_view que, const std::string& argumento,
              const ErrorEjecucion& e) {
    errores << "tarvolo-cli: " << que << ": " << argumento << " (error " << e.numero() << ": "
            << e.descripcion() << ")\n";
}

bool responderFecha(const std::string& fecha, std::ostream& errores,
                    const std::function<void(const Partes&)>& responder) {
    try {
        const auto partes = separarFecha(fecha);
        if (!partes) throw ErrorEjecucion::tiposNoCoinciden();
        responder(*partes);
        return true;
    } catch (const ErrorEjecucion& e) {
        informar(errores, "fecha no válida", fecha, e);
        return false;
    }
}

int porFecha(const std::vector<std::string>& fechas, std::istream* entrada, std::ostream& salida,
             std::ostream& errores, const std::function<void(const Partes&)>& responder) {
    if (fechas.empty()) {
        responder(Partes{});
        return 0;
    }
    int estado = 0;
    if (fechas.size() == 1 && fechas[0] == "-" && entrada != nullptr) {
        std::string linea;
        while (std::getline(*entrada, linea)) {
            if (!linea.empty() && linea.back() == '\r') linea.pop_back();  // CR LF
            if (!responderFecha(linea, errores, responder)) estado = 1;
            // Answer before waiting for the next line of a pipe.
            if (entrada->rdbuf()->in_avail() <= 0) salida.flush();
        }
        salida.flush();
        return estado;
    }
    for (const auto& fecha : fechas)
        if (!responderFecha(fecha, errores, responder)) estado = 1;
    salida.flush();
    return estado;
}

struct Clase {
    std::string_view palabra;
    Constructor tabla;
    Constructor listado;
};

constexpr std::array<Clase, 3> kClases{{{"semanas", TablaSemanas, ListadoSemanas},
                                        {"cuatrisemanas", TablaCuatrisemanas, ListadoCuatrisemanas},
                                        {"ambas", TablaAmbas, ListadoAmbas}}};

const Clase* buscarClase(const std::string& palabra) {
    for (const auto& c : kClases)
        if (c.palabra == palabra) return &c;
    return nullptr;
}

int porAnio(bool esListado, const std::vector<std::string>& args, const Fecha& hoy, std::ostream& salida,
            std::ostream& errores) {
    const Clase* clase = nullptr;
    std::optional<std::string> anio;
    if (args.size() == 1) {
        clase = buscarClase(args[0]);
    } else if (args.size() == 2) {
        if ((clase = buscarClase(args[0])) != nullptr) {
            anio = args[1];
        } else if ((clase = buscarClase(args[1])) != nullptr) {
            anio = args[0];
        }
    }
    if (clase == nullptr) {
        errores << kUso;
        return 2;
    }
    const Parte parte = anio ? Parte(*anio) : Parte();
    try {
        const std::string texto = (esListado ? clase->listado : clase->tabla)(parte, hoy);
        salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
        salida.flush();
        return 0;
    } catch (const ErrorEjecucion& e) {
        informar(errores, "año no válido", anio.value_or(""), e);
        return 1;
    }
}

}  // namespace

namespace {

// `entrada` null: no standard input, so "-" is a date like any other.
int ejecutarCon(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream* entrada,
                std::ostream& salida, std::ostream& errores) {
    if (argumentos.size() == 1 && (argumentos[0] == "--help" || argumentos[0] == "-h")) {
        salida << kUso;
        return 0;
    }
    if (argumentos.size() == 1 && argumentos[0] == "--version") {
        salida << "tarvolo-cli " << kTextoVersion << '\n';
        return 0;
    }
    if (argumentos.empty()) {
        errores << kUso;
        return 2;
    }
    const std::string& orden = argumentos[0];
    const std::vector<std::string> resto(argumentos.begin() + 1, argumentos.end());
    if (orden == "semana") {
        return porFecha(resto, entrada, salida, errores, [&](const Partes& p) {
            const int semana = SemanaEpi(hoy, p.dia, p.mes, p.anio);
            salida << semana << ' ' << AnioEpi(hoy, p.dia, p.mes, p.anio, semana) << ' '
                   << CuatrisemanaEpi(hoy, p.dia, p.mes, p.anio, semana) << '\n';
        });
    }
    if (orden == "describir") {
        return porFecha(resto, entrada, salida, errores,
                        [&](const Partes& p) { salida << DescribirDia(hoy, p.dia, p.mes, p.anio) << '\n'; });
    }
    if (orden == "tabla" || orden == "listado")
        return porAnio(orden == "listado", resto, hoy, salida, errores);
    if (orden == "fechas") return ordenFechas(resto, hoy, salida, errores);
    if (orden == "semanas") return ordenSemanas(resto, hoy, salida, errores);
    if (orden == "cuatrisemana") return ordenCuatrisemana(resto, hoy, salida, errores);
    if (orden == "convertir" || orden == "contar" || orden == "canal") {
        std::istringstream nada;
        std::istream& deEntrada = entrada != nullptr ? *entrada : nada;
        if (orden == "contar") return ordenContar(resto, deEntrada, salida, errores);
        if (orden == "canal") return ordenCanal(resto, hoy, deEntrada, salida, errores);
        return ordenConvertir(resto, hoy, deEntrada, salida, errores);
    }
    errores << kUso;
    return 2;
}

}  // namespace

int ejecutarCompanion(const std::vector<std::string>& argumentos, const Fecha& hoy, std::ostream& salida,
                      std::ostream& errores) {
    return ejecutarCon(argumentos, hoy, nullptr, salida, errores);
}

int ejecutarCompanion(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
                      std::ostream& salida, std::ostream& errores) {
    return ejecutarCon(argumentos, hoy, &entrada, salida, errores);
}

}  // namespace tarvolo
