#include "canal.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "argumentos.h"
#include "calendar/parte.h"
#include "calendar/semana_epi.h"
#include "calendar/texto_fecha.h"
#include "columnas.h"
#include "tables/anio_tabla.h"
#include "texto_csv.h"

namespace tarvolo {

namespace {

// Student's t, 0.975 quantile, for 2..9 degrees of freedom: a history of
// 3 to 10 years needs no more.
constexpr std::array<double, 8> kT975{4.302653, 3.182446, 2.776445, 2.570582,
                                      2.446912, 2.364624, 2.306004, 2.262157};

constexpr long long kMayorCuenta = 1'000'000'000'000LL;  // leerDecimal saturates from here on

std::string lista(const std::vector<int>& anios) {
    std::string s;
    for (std::size_t i = 0; i < anios.size(); ++i) s += (i == 0 ? "" : ", ") + std::to_string(anios[i]);
    return s;
}

double cuartil(const std::vector<double>& ordenados, double p) {
    const double h = static_cast<double>(ordenados.size() - 1) * p;
    const auto i = static_cast<std::size_t>(std::floor(h));
    if (i + 1 >= ordenados.size()) return ordenados[i];
    return ordenados[i] + (h - std::floor(h)) * (ordenados[i + 1] - ordenados[i]);
}

double centesimas(double v) {
    return std::round(v * 100) / 100;
}

Zona zonaDe(std::int64_t casos, const Limites& l) {
    const auto c = static_cast<double>(casos);
    if (c < l.inferior) return Zona::kExito;
    if (c <= l.central) return Zona::kSeguridad;
    if (c <= l.superior) return Zona::kAlerta;
    return Zona::kEpidemia;
}

int anioObjetivo(const OpcionesCanal& opciones, const Fecha& hoy) {
    const int anio = opciones.anio ? *opciones.anio : AnioEpi(hoy);
    if (anio < kPrimerAnioTabla || anio > kUltimoAnioTabla)
        throw std::runtime_error("año no válido: " + std::to_string(anio));
    if (opciones.historia < kHistoriaMinima || opciones.historia > kHistoriaMaxima)
        throw std::runtime_error("la historia debe ser de " + std::to_string(kHistoriaMinima) + " a " +
                                 std::to_string(kHistoriaMaxima) + " años, no " +
                                 std::to_string(opciones.historia));
    return anio;
}

// A whole number in a cell, below kMayorCuenta.
std::optional<std::int64_t> cuenta(std::string_view celda) {
    const auto n = leerDecimal(celda);
    if (!n || *n >= kMayorCuenta) return std::nullopt;
    return *n;
}

std::string_view celda(const RegistroCsv& r, std::size_t i, std::string& espacio) {
    return i < r.campos.size() ? valorCampo(r.campos[i], espacio) : std::string_view();
}

std::string enLinea(long linea, const std::string& que) {
    return "línea " + std::to_string(linea) + ": " + que;
}

struct ColumnasConteo {
    std::size_t anio, semana, casos;
};

// contar's own columns: anio_epi, semana_epi, and casos (or total, with groups).
std::optional<ColumnasConteo> columnasDeConteo(const std::vector<std::string>& nombres) {
    const auto anio = buscarColumna(nombres, "anio_epi");
    const auto semana = buscarColumna(nombres, "semana_epi");
    auto casos = buscarColumna(nombres, "casos");
    if (!casos) casos = buscarColumna(nombres, "total");
    if (!anio || !semana || !casos) return std::nullopt;
    return ColumnasConteo{*anio, *semana, *casos};
}

// Rows of contar's output, checked: a week the year has, once, and a whole
// count.
std::map<int, ConteoAnio> leerConteos(LectorCsv& lector, const ColumnasConteo& columnas,
                                      const Seguimiento& seguimiento) {
    std::map<int, ConteoAnio> datos;
    std::map<int, std::bitset<53>> vistas;
    std::string e1, e2, e3;
    long leidos = 0;
    while (lector.siguiente()) {
        seguimiento.alLeer(leidos);
        const RegistroCsv& r = lector.registro();
        if (r.bytes.empty()) continue;
        const std::string_view a = celda(r, columnas.anio, e1), s = celda(r, columnas.semana, e2),
                               c = celda(r, columnas.casos, e3);
        const auto anio = leerEntero(a, kPrimerAnioTabla, kUltimoAnioTabla);
        if (!anio) throw std::runtime_error(enLinea(r.linea, "año no válido: «" + std::string(a) + "»"));
        auto [it, nuevo] = datos.try_emplace(*anio);
        ConteoAnio& conteo = it->second;
        if (nuevo) {
            conteo.anio = *anio;
            conteo.semanas = estructuraAnio(*anio).semanas;
        }
        const auto semana = leerEntero(s, 1, conteo.semanas);
        if (!semana)
            throw std::runtime_error(enLinea(r.linea, "el año epidemiológico " + std::to_string(*anio) +
                                                          " no tiene semana «" + std::string(s) +
                                                          "»: tiene " + std::to_string(conteo.semanas)));
        const auto casos = cuenta(c);
        if (!casos)
            throw std::runtime_error(enLinea(
                r.linea, "casos no válidos: «" + std::string(c) + "» (un número entero de 0 en adelante)"));
        auto& vista = vistas[*anio];
        if (vista.test(static_cast<std::size_t>(*semana - 1)))
            throw std::runtime_error(enLinea(r.linea, "la semana " + std::to_string(*semana) + " del año " +
                                                          std::to_string(*anio) + " está repetida"));
        vista.set(static_cast<std::size_t>(*semana - 1));
        conteo.casos[static_cast<std::size_t>(*semana - 1)] = *casos;
    }
    return datos;
}

}  // namespace

std::string_view nombreMetodo(Metodo metodo) noexcept {
    return metodo == Metodo::kBortman ? "bortman" : "cuartiles";
}

std::string_view nombreZona(Zona zona) noexcept {
    switch (zona) {
        case Zona::kExito:
            return "éxito";
        case Zona::kSeguridad:
            return "seguridad";
        case Zona::kAlerta:
            return "alerta";
        case Zona::kEpidemia:
            return "epidemia";
        case Zona::kSinCasos:
            break;
    }
    return "";
}

double tStudent975(int gradosDeLibertad) {
    if (gradosDeLibertad < 2 || gradosDeLibertad > 9)
        throw std::out_of_range("grados de libertad fuera de 2..9");
    return kT975[static_cast<std::size_t>(gradosDeLibertad - 2)];
}

Limites limitesDe(std::vector<double> valores, Metodo metodo) {
    if (valores.size() < 2) throw std::invalid_argument("se necesitan dos valores o más");
    if (metodo == Metodo::kCuartiles) {
        std::sort(valores.begin(), valores.end());
        return {cuartil(valores, 0.25), cuartil(valores, 0.5), cuartil(valores, 0.75)};
    }
    const auto n = static_cast<double>(valores.size());
    for (double& v : valores) v = std::log1p(v);
    const double media = std::accumulate(valores.begin(), valores.end(), 0.0) / n;
    double cuadrados = 0;
    for (double v : valores) cuadrados += (v - media) * (v - media);
    const double margen =
        tStudent975(static_cast<int>(valores.size()) - 1) * std::sqrt(cuadrados / (n - 1)) / std::sqrt(n);
    return {std::max(0.0, std::expm1(media - margen)), std::max(0.0, std::expm1(media)),
            std::max(0.0, std::expm1(media + margen))};
}

std::vector<int> aniosDeHistoria(int anio, int historia, const std::vector<int>& excluir) {
    std::vector<int> anios;
    for (int a = anio - 1; static_cast<int>(anios.size()) < historia; --a)
        if (std::find(excluir.begin(), excluir.end(), a) == excluir.end()) anios.insert(anios.begin(), a);
    return anios;
}

Canal calcularCanal(const std::map<int, ConteoAnio>& datos, const OpcionesCanal& opciones, const Fecha& hoy) {
    Canal canal;
    canal.anio = anioObjetivo(opciones, hoy);
    canal.metodo = opciones.metodo;
    canal.historia = aniosDeHistoria(canal.anio, opciones.historia, opciones.excluir);
    canal.porPoblacion = !opciones.poblacion.empty();
    const AnioTabla objetivo = estructuraAnio(canal.anio);
    canal.semanas = objetivo.semanas;

    for (int a : canal.historia) {
        const auto it = datos.find(a);
        if (it == datos.end())
            throw std::runtime_error("no hay datos del año " + std::to_string(a) + ", que la historia de " +
                                     std::to_string(canal.anio) + " necesita (" + lista(canal.historia) +
                                     ")");
        canal.conteos.push_back(it->second);
    }
    const auto propio = datos.find(canal.anio);
    canal.conteos.push_back(propio != datos.end() ? propio->second : ConteoSemanal{}.anio(canal.anio));
    auto habitantes = [&](int a) -> double {
        const auto it = opciones.poblacion.find(a);
        if (it == opciones.poblacion.end())
            throw std::runtime_error("falta la población del año " + std::to_string(a));
        return static_cast<double>(it->second);
    };
    if (canal.porPoblacion) {
        for (int a : canal.historia) habitantes(a);
        habitantes(canal.anio);
    }

    const ConteoAnio& actual = canal.conteos.back();
    const Dias hoyDia{hoy};
    for (int s = 1; s <= canal.semanas; ++s) {
        std::vector<double> valores;
        for (std::size_t i = 0; i < canal.historia.size(); ++i) {
            const ConteoAnio& c = canal.conteos[i];
            // A year without week 53 stands for it with its week 52.
            const int semana = std::min(s, c.semanas);
            auto v = static_cast<double>(c.casos[static_cast<std::size_t>(semana - 1)]);
            if (canal.porPoblacion) v = v / habitantes(c.anio) * 100000.0;
            valores.push_back(v);
        }
        Limites l = limitesDe(std::move(valores), canal.metodo);
        const double escala = canal.porPoblacion ? habitantes(canal.anio) / 100000.0 : 1.0;
        l = {centesimas(l.inferior * escala), centesimas(l.central * escala),
             centesimas(l.superior * escala)};
        FilaCanal fila{s, objetivo.domingo(s), objetivo.sabado(s), l, std::nullopt, Zona::kSinCasos};
        if (fila.inicio <= hoyDia) {
            fila.casos = actual.casos[static_cast<std::size_t>(s - 1)];
            fila.zona = zonaDe(*fila.casos, l);
        }
        canal.filas.push_back(fila);
    }
    return canal;
}

Canal calcularCanal(FuenteBytes& entrada, const OpcionesCanal& opciones, const Fecha& hoy,
                    const Seguimiento& seguimiento) {
    const int anio = anioObjetivo(opciones, hoy);
    LectorCsv lector(entrada, opciones.separador);
    std::map<int, ConteoAnio> datos;
    FormaCsv forma;
    std::optional<Registros> registros;
    leerTrasEncabezado(lector, [&] {
        forma = formaDe(lector);
        const auto nombres = nombresDe(lector.registro());
        if (const auto columnas = columnasDeConteo(nombres)) {
            datos = leerConteos(lector, *columnas, seguimiento);
            return;
        }
        if (buscarColumna(nombres, "anio_epi") && buscarColumna(nombres, "cuatrisemana") &&
            !buscarColumna(nombres, "semana_epi"))
            throw std::runtime_error("la entrada cuenta cuatrisemanas: el canal se calcula por semanas");
        OpcionesConteo deLista;
        deLista.columna = opciones.columna;
        deLista.separador = opciones.separador;
        const ConteoSemanal conteo = contarRegistros(lector, deLista, seguimiento);
        registros = conteo.registros;
        // A case list has every year from its earliest case's on.
        const auto historia = aniosDeHistoria(anio, opciones.historia, opciones.excluir);
        if (conteo.ultimoAnio < conteo.primerAnio)
            throw std::runtime_error("la lista no tiene ningún caso con fecha; la historia necesita " +
                                     lista(historia));
        if (historia.front() < conteo.primerAnio)
            throw std::runtime_error("el año " + std::to_string(historia.front()) +
                                     " de la historia es anterior al primer caso, de " +
                                     std::to_string(conteo.primerAnio) + " (la historia necesita " +
                                     lista(historia) + ")");
        for (int a : historia) datos[a] = conteo.anio(a);
        datos[anio] = conteo.anio(anio);
    });
    Canal canal = calcularCanal(datos, opciones, hoy);
    canal.forma = forma;
    canal.desdeCasos = registros.has_value();
    canal.registros = registros.value_or(Registros{});
    return canal;
}

std::map<int, std::int64_t> leerPoblacion(FuenteBytes& entrada) {
    LectorCsv lector(entrada);
    std::map<int, std::int64_t> poblacion;
    leerTrasEncabezado(lector, [&] {
        const auto nombres = nombresDe(lector.registro());
        // As written in the header, with or without Spanish letters.
        auto columnaAnio = buscarColumna(nombres, "anio");
        if (!columnaAnio) columnaAnio = buscarColumna(nombres, "año");
        auto columnaPoblacion = buscarColumna(nombres, "poblacion");
        if (!columnaPoblacion) columnaPoblacion = buscarColumna(nombres, "población");
        if (!columnaAnio || !columnaPoblacion)
            throw std::runtime_error(textoSinColumna(columnaAnio ? "poblacion" : "anio", nombres));
        std::string e1, e2;
        while (lector.siguiente()) {
            const RegistroCsv& r = lector.registro();
            if (r.bytes.empty()) continue;
            const std::string_view a = celda(r, *columnaAnio, e1), p = celda(r, *columnaPoblacion, e2);
            const auto anio = leerEntero(a, kPrimerAnioTabla, kUltimoAnioTabla);
            if (!anio) throw std::runtime_error(enLinea(r.linea, "año no válido: «" + std::string(a) + "»"));
            const auto habitantes = cuenta(p);
            if (!habitantes || *habitantes == 0)
                throw std::runtime_error(enLinea(r.linea, "población no válida: «" + std::string(p) + "»"));
            if (!poblacion.emplace(*anio, *habitantes).second)
                throw std::runtime_error(
                    enLinea(r.linea, "el año " + std::to_string(*anio) + " está repetido"));
        }
    });
    return poblacion;
}

std::string textoCanal(const Canal& canal) {
    const char sep = canal.forma.separador;
    const bool coma = sep == ';';
    std::string s = canal.forma.bom ? "\xEF\xBB\xBF" : "";
    for (const char* nombre : {"semana", "inicio_semana", "fin_semana", "limite_inferior", "central",
                               "limite_superior", "casos"}) {
        s += nombre;
        s += sep;
    }
    s += "zona";
    s += canal.forma.finDeLinea;
    for (const auto& f : canal.filas) {
        agregarEntero(s, f.semana);
        s += sep;
        agregarFecha(s, f.inicio);
        s += sep;
        agregarFecha(s, f.fin);
        for (double v : {f.limites.inferior, f.limites.central, f.limites.superior}) {
            s += sep;
            agregarDecimal(s, v, coma);
        }
        s += sep;
        if (f.casos) agregarEntero(s, *f.casos);
        s += sep;
        s += nombreZona(f.zona);
        s += canal.forma.finDeLinea;
    }
    return s;
}

}  // namespace tarvolo
