// The companion's arguments, through its in-process entry.
//
// Input: lines; the first is "hoy" (a day count, see fuzz::hoy), each other
// line one argument.

#include "cli/companion.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ordenes_canal.h"
#include "tables/anio_tabla.h"
#include "tests/fuzz/constructores.h"
#include "version/version.h"

using namespace tarvolo;

namespace {

size_t contar(std::string_view s, std::string_view que) {
    size_t n = 0;
    for (size_t i = s.find(que); i != std::string_view::npos; i = s.find(que, i + que.size())) ++n;
    return n;
}

bool empiezaPor(std::string_view s, std::string_view inicio) {
    return s.substr(0, inicio.size()) == inicio;
}

// Every line of `errores` starts by naming the companion and what it
// refused; returns how many there are.
size_t comprobarErrores(std::string_view errores, std::string_view que) {
    fuzz::comprobar(errores.empty() || errores.back() == '\n', "error sin fin de línea", errores);
    const std::string inicio = std::string("tarvolo-cli: ").append(que);
    size_t n = 0;
    for (size_t i = 0; i < errores.size(); i = errores.find('\n', i) + 1) {
        fuzz::comprobar(empiezaPor(errores.substr(i), inicio), "error con otra forma", errores);
        ++n;
    }
    return n;
}

// "semana": one "s a c" line for each date that forms.
void comprobarSemanas(std::string_view salida, size_t lineas) {
    std::istringstream en{std::string(salida)};
    long long s = 0, a = 0, c = 0;
    size_t leidas = 0;
    while (en >> s >> a >> c) {
        fuzz::comprobarSemana(s);
        fuzz::comprobarCuatrisemana(s, c);
        fuzz::comprobar(a >= 99 && a <= 10000, "año epidemiológico fuera de los años de una fecha");
        ++leidas;
    }
    fuzz::comprobar(en.eof() && leidas == lineas && contar(salida, "\n") == lineas,
                    "respuestas de semana mal formadas", salida);
}

// "describir": one four-line description, ended by LF, for each date.
void comprobarDescripciones(std::string_view salida, size_t cuantas) {
    size_t vistas = 0;
    while (!salida.empty()) {
        size_t fin = 0;
        while ((fin = salida.find('\n', fin)) != std::string_view::npos && fin > 0 && salida[fin - 1] == '\r')
            ++fin;
        fuzz::comprobar(fin != std::string_view::npos, "descripción sin LF final", salida);
        fuzz::comprobarDescripcion(salida.substr(0, fin));
        salida.remove_prefix(fin + 1);
        ++vistas;
    }
    fuzz::comprobar(vistas == cuantas, "tantas descripciones como fechas válidas");
}

// "dd/mm/yyyy" as a day count; aborts on anything else.
Dias diaDe(std::string_view texto) {
    fuzz::comprobar(texto.size() == 10 && texto[2] == '/' && texto[5] == '/', "fecha mal escrita", texto);
    const auto numero = [&](std::size_t desde, std::size_t largo) {
        int n = 0;
        for (std::size_t i = desde; i < desde + largo; ++i) {
            fuzz::comprobar(texto[i] >= '0' && texto[i] <= '9', "fecha mal escrita", texto);
            n = n * 10 + (texto[i] - '0');
        }
        return n;
    };
    const std::chrono::year_month_day f{std::chrono::year(numero(6, 4)),
                                        std::chrono::month(static_cast<unsigned>(numero(3, 2))),
                                        std::chrono::day(static_cast<unsigned>(numero(0, 2)))};
    fuzz::comprobar(f.ok(), "fecha que no existe", texto);
    return Dias(f);
}

// "dd/mm/yyyy dd/mm/yyyy" spanning `largo` days, from a Sunday.
Dias comprobarTramo(std::string_view linea, int largo) {
    fuzz::comprobar(linea.size() == 21 && linea[10] == ' ', "tramo mal escrito", linea);
    const Dias desde = diaDe(linea.substr(0, 10)), hasta = diaDe(linea.substr(11));
    fuzz::comprobar((hasta - desde).count() == largo - 1, "tramo de otro largo", linea);
    fuzz::comprobar(std::chrono::weekday(desde) == std::chrono::Sunday, "tramo que no empieza en domingo",
                    linea);
    return desde;
}

// fechas AÑO [SEMANA], semanas AÑO, cuatrisemana AÑO N.
void comprobarConsulta(const std::string& orden, std::size_t argumentos, int estado, std::string_view salida,
                       std::string_view errores) {
    if (estado == 1) {
        fuzz::comprobar(salida.empty() && empiezaPor(errores, "tarvolo-cli: "), "consulta mal rechazada",
                        errores);
        return;
    }
    fuzz::comprobar(errores.empty() && !salida.empty() && salida.back() == '\n', "consulta con errores",
                    errores);
    salida.remove_suffix(1);
    if (orden == "semanas") {
        fuzz::comprobar(salida == "52" || salida == "53", "año sin 52 ni 53 semanas", salida);
    } else if (orden == "cuatrisemana") {
        comprobarTramo(salida, 28);
    } else if (argumentos == 3) {
        comprobarTramo(salida, 7);
    } else {
        // Every week of the year, numbered from 1, back to back.
        int semana = 0;
        Dias anterior{};
        for (const auto& linea : fuzz::campos(salida, '\n')) {
            ++semana;
            const auto espacio = linea.find(' ');
            fuzz::comprobar(linea.substr(0, espacio) == std::to_string(semana), "semana fuera de orden",
                            linea);
            const Dias domingo = comprobarTramo(linea.substr(espacio + 1), 7);
            fuzz::comprobar(semana == 1 || (domingo - anterior).count() == 7, "semanas no seguidas", linea);
            anterior = domingo;
        }
        fuzz::comprobar(semana == 52 || semana == 53, "año sin 52 ni 53 semanas");
    }
}

bool anioDeTabla(std::optional<int> anio) {
    return !anio || (*anio >= kPrimerAnioTabla && *anio <= kUltimoAnioTabla);
}

// contar and canal: their options read, never a file opened. What is taken
// keeps to its ranges; what is refused is refused before any file, with the
// command's usage.
void comprobarPedido(const std::vector<std::string>& args, const Fecha& hoy) {
    const std::vector<std::string> resto(args.begin() + 1, args.end());
    std::string porQue;
    if (args[0] == "contar") {
        PedidoContar p;
        porQue = leerPedidoContar(resto, p);
        if (porQue.empty()) {
            const auto& o = p.opciones;
            fuzz::comprobar(anioDeTabla(o.desde) && anioDeTabla(o.hasta) &&
                                (!o.desde || !o.hasta || *o.desde <= *o.hasta),
                            "años de contar fuera de la tabla");
            fuzz::comprobar(o.por.empty() || o.por.find_first_not_of(" \t") != std::string::npos,
                            "--por en blanco");
        }
    } else {
        PedidoCanal p;
        porQue = leerPedidoCanal(resto, p);
        if (porQue.empty()) {
            const auto& o = p.opciones;
            fuzz::comprobar(o.historia >= kHistoriaMinima && o.historia <= kHistoriaMaxima,
                            "historia fuera de 3..10");
            fuzz::comprobar(anioDeTabla(o.anio), "año de canal fuera de la tabla");
            for (int a : o.excluir) fuzz::comprobar(anioDeTabla(a), "año excluido fuera de la tabla");
            fuzz::comprobar(!p.grafico || (!p.grafico->empty() && *p.grafico != "-"), "gráfico sin archivo");
            fuzz::comprobar(!p.salida || !p.grafico || *p.salida != *p.grafico,
                            "salida y gráfico en un archivo");
        }
    }
    if (porQue.empty()) return;
    std::ostringstream salida, errores;
    const int estado = ejecutarCompanion(args, hoy, salida, errores);
    fuzz::comprobar(estado == 2 && salida.str().empty(), "argumentos rechazados con otro estado");
    const std::string_view uso = args[0] == "contar" ? kUsoContar : kUsoCanal;
    fuzz::comprobar(errores.str() == "tarvolo-cli: " + porQue + "\nUso: " + std::string(uso) + "\n",
                    "rechazo sin su uso", errores.str());
}

const fuzz::Forma* forma(bool listado, std::string_view palabra) {
    for (const auto& f : fuzz::kConstructores)
        if (f.listado == listado && f.palabra == palabra) return &f;
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamanio) {
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamanio);
    const auto cs = fuzz::campos(entrada, '\n');
    const Fecha hoy = fuzz::hoy(cs[0]);
    const std::vector<std::string> args(cs.begin() + 1, cs.end());

    // convertir, contar and canal read and write the files they are given:
    // their reader has a target of its own, and only their options are
    // read here.
    if (!args.empty() && args[0] == "convertir") return 0;
    if (!args.empty() && (args[0] == "contar" || args[0] == "canal")) {
        comprobarPedido(args, hoy);
        return 0;
    }

    std::ostringstream salidaFlujo, erroresFlujo;
    const int estado = ejecutarCompanion(args, hoy, salidaFlujo, erroresFlujo);
    const std::string salida = salidaFlujo.str(), errores = erroresFlujo.str();

    fuzz::comprobar(estado >= 0 && estado <= 2, "estado de salida fuera de 0..2", std::to_string(estado));
    if (estado == 2) {
        fuzz::comprobar(empiezaPor(errores, "Uso: ") && salida.empty(), "uso mal dado", errores);
        return 0;
    }
    const std::string orden = args.empty() ? std::string() : args[0];
    if (orden == "semana" || orden == "describir") {
        const size_t fechas = args.size() == 1 ? 1 : args.size() - 1;
        const size_t fallidas = comprobarErrores(errores, "fecha no válida: ");
        fuzz::comprobar((estado == 1) == (fallidas > 0) && fallidas <= fechas,
                        "estado que no cuenta los fallos", errores);
        if (orden == "semana") {
            comprobarSemanas(salida, fechas - fallidas);
        } else {
            comprobarDescripciones(salida, fechas - fallidas);
        }
    } else if (orden == "tabla" || orden == "listado") {
        if (estado == 1) {
            fuzz::comprobar(salida.empty() && comprobarErrores(errores, "año no válido: ") == 1,
                            "año mal rechazado", errores);
            return 0;
        }
        fuzz::comprobar(errores.empty(), "tabla con errores", errores);
        // The kind is the word given, first or second; the year the other.
        const fuzz::Forma* f = forma(orden == "listado", args[1]);
        std::string anio = args.size() == 3 ? args[2] : "";
        if (f == nullptr && args.size() == 3) {
            f = forma(orden == "listado", args[2]);
            anio = args[1];
        }
        fuzz::comprobar(f != nullptr, "tabla de una clase que no se pidió");
        long long n = static_cast<int>(hoy.year());
        if (anio.find_first_not_of(" \t") != std::string::npos) n = *leerDecimal(anio);
        fuzz::comprobarTabla(salida, f->clase, f->lineasDeEncabezado, static_cast<int>(n));
    } else if (orden == "fechas" || orden == "semanas" || orden == "cuatrisemana") {
        comprobarConsulta(orden, args.size(), estado, salida, errores);
    } else if (orden == "--version") {
        fuzz::comprobar(salida == "tarvolo-cli " + std::string(tarvolo::kTextoVersion) + "\n" && estado == 0,
                        "versión mal dada", salida);
    } else {
        fuzz::comprobar(orden == "--help" || orden == "-h", "orden desconocida aceptada", orden);
        fuzz::comprobar(empiezaPor(salida, "Uso: ") && errores.empty(), "ayuda mal dada", salida);
    }
    return 0;
}
