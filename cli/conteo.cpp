#include "conteo.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "calendar/dias.h"
#include "calendar/texto_fecha.h"
#include "columnas.h"
#include "leer_fecha.h"
#include "tables/anio_tabla.h"
#include "texto_csv.h"

namespace tarvolo {

namespace {

// Weeks are numbered by their Sunday: whole weeks since Sunday 4 January
// 1970, day 3 of the system clock. Consecutive numbers are consecutive
// epidemiological weeks, across the ends of years.
long long numeroSemana(Dias domingo) noexcept {
    return (domingo.time_since_epoch().count() - 3) / 7;
}

Dias domingoNumero(long long numero) noexcept {
    return Dias{std::chrono::days{numero * 7 + 3}};
}

int anioDeSemana(long long numero) noexcept {
    return semanaDe(domingoNumero(numero)).anio;
}

// Cases by week number over a range that grows, in both directions, as cases
// arrive; by doubling, so cases in any order cost the same.
class Serie {
public:
    void sumar(long long semana) {
        if (n_.empty()) {
            base_ = semana;
            n_.assign(1, 0);
        } else if (semana < base_) {
            const auto falta = static_cast<std::size_t>(base_ - semana);
            const std::size_t mas = std::max(falta, n_.size());
            n_.insert(n_.begin(), mas, 0);
            base_ -= static_cast<long long>(mas);
        } else if (semana - base_ >= static_cast<long long>(n_.size())) {
            const auto hace = static_cast<std::size_t>(semana - base_) + 1;
            n_.resize(std::max(hace, 2 * n_.size()), 0);
        }
        ++n_[static_cast<std::size_t>(semana - base_)];
    }
    std::int64_t en(long long semana) const noexcept {
        if (n_.empty() || semana < base_ || semana - base_ >= static_cast<long long>(n_.size())) return 0;
        return n_[static_cast<std::size_t>(semana - base_)];
    }

private:
    long long base_ = 0;
    std::vector<std::int64_t> n_;
};

struct HashTexto {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

// The records of a case list, counted one by one.
class Contador {
public:
    Contador(const RegistroCsv& encabezado, const OpcionesConteo& opciones) : opciones_(opciones) {
        const auto nombres = nombresDe(encabezado);
        const auto fecha = buscarColumna(nombres, opciones.columna);
        if (!fecha) throw std::runtime_error(textoSinColumna(opciones.columna, nombres));
        columnaFecha_ = *fecha;
        if (!opciones.por.empty()) {
            const auto por = buscarColumna(nombres, opciones.por);
            if (!por) throw std::runtime_error(textoSinColumna(opciones.por, nombres));
            columnaPor_ = *por;
        } else {
            series_.emplace_back();
        }
        const int desde = opciones.desde.value_or(kPrimerAnioTabla);
        const int hasta = opciones.hasta.value_or(kUltimoAnioTabla);
        if (desde < kPrimerAnioTabla || hasta > kUltimoAnioTabla || desde > hasta)
            throw std::runtime_error("años no válidos: " + std::to_string(desde) + " a " +
                                     std::to_string(hasta));
        primeraPermitida_ = numeroSemana(domingoDeSemana1(desde));
        ultimaPermitida_ = numeroSemana(domingoDeSemana1(hasta + 1)) - 1;
    }

    void sumar(const RegistroCsv& r, const Seguimiento& seguimiento) {
        if (r.bytes.empty()) return;  // a blank line
        ++registros_.filas;
        const std::string_view celda = campo(r, columnaFecha_, espacio_);
        if (sinBlancos(celda).empty()) {
            ++registros_.sinFecha;
            return;
        }
        const auto fecha = leerFecha(celda);
        if (!fecha) {
            ++registros_.invalidas;
            if (seguimiento.fechaNoValida) seguimiento.fechaNoValida(r.linea, celda);
            return;
        }
        const Dias dia{*fecha};
        const long long semana = numeroSemana(dia - std::chrono::days{diaDeLaSemana(dia)});
        if (semana < primeraPermitida_ || semana > ultimaPermitida_) {
            ++registros_.fueraDeRango;
            return;
        }
        primera_ = std::min(primera_, semana);
        ultima_ = std::max(ultima_, semana);
        series_[grupo(r)].sumar(semana);
    }

    ConteoSemanal terminar(const FormaCsv& forma) && {
        ConteoSemanal c;
        c.registros = registros_;
        c.forma = forma;
        c.porGrupos = columnaPor_.has_value();
        c.grupos = std::move(grupos_);
        const bool hayCasos = primera_ <= ultima_;
        const std::optional<int> primero = hayCasos ? std::optional(anioDeSemana(primera_)) : std::nullopt;
        const std::optional<int> ultimo = hayCasos ? std::optional(anioDeSemana(ultima_)) : std::nullopt;
        c.primerAnio = opciones_.desde.value_or(primero.value_or(opciones_.hasta.value_or(0)));
        c.ultimoAnio = opciones_.hasta.value_or(ultimo.value_or(opciones_.desde.value_or(-1)));
        if (c.ultimoAnio < c.primerAnio) c.ultimoAnio = c.primerAnio - 1;
        const long long desde = numeroSemana(domingoDeSemana1(c.primerAnio));
        const long long hasta =
            c.ultimoAnio < c.primerAnio ? desde : numeroSemana(domingoDeSemana1(c.ultimoAnio + 1));
        for (const Serie& s : series_) {
            std::vector<std::int64_t> semanas(static_cast<std::size_t>(hasta - desde));
            for (long long k = desde; k < hasta; ++k) semanas[static_cast<std::size_t>(k - desde)] = s.en(k);
            c.casos.push_back(std::move(semanas));
        }
        return c;
    }

private:
    static std::string_view campo(const RegistroCsv& r, std::size_t i, std::string& espacio) {
        return i < r.campos.size() ? valorCampo(r.campos[i], espacio) : std::string_view();
    }

    std::size_t grupo(const RegistroCsv& r) {
        if (!columnaPor_) return 0;
        const std::string_view valor = sinBlancos(campo(r, *columnaPor_, espacioPor_));
        if (ultimoGrupo_ < grupos_.size() && grupos_[ultimoGrupo_] == valor) return ultimoGrupo_;
        auto it = indices_.find(valor);
        if (it == indices_.end()) {
            grupos_.emplace_back(valor);
            series_.emplace_back();
            it = indices_.emplace(grupos_.back(), grupos_.size() - 1).first;
        }
        return ultimoGrupo_ = it->second;
    }

    const OpcionesConteo& opciones_;
    std::size_t columnaFecha_ = 0;
    std::optional<std::size_t> columnaPor_;
    long long primeraPermitida_ = 0, ultimaPermitida_ = 0;
    long long primera_ = std::numeric_limits<long long>::max(),
              ultima_ = std::numeric_limits<long long>::min();
    std::vector<Serie> series_;
    std::vector<std::string> grupos_;
    std::unordered_map<std::string, std::size_t, HashTexto, std::equal_to<>> indices_;
    std::size_t ultimoGrupo_ = static_cast<std::size_t>(-1);
    Registros registros_;
    std::string espacio_, espacioPor_;
};

}  // namespace

std::size_t ConteoSemanal::indice(int anio, int semana) const {
    return static_cast<std::size_t>(numeroSemana(estructuraAnio(anio).domingo(semana)) -
                                    numeroSemana(domingoDeSemana1(primerAnio)));
}

ConteoAnio ConteoSemanal::anio(int numero) const {
    ConteoAnio a;
    a.anio = numero;
    a.semanas = estructuraAnio(numero).semanas;
    if (numero < primerAnio || numero > ultimoAnio) return a;
    const std::size_t primera = indice(numero, 1);
    for (const auto& serie : casos)
        for (int s = 0; s < a.semanas; ++s)
            a.casos[static_cast<std::size_t>(s)] += serie[primera + static_cast<std::size_t>(s)];
    return a;
}

FormaCsv formaDe(const LectorCsv& lector) {
    FormaCsv forma{lector.separador(), std::string(lector.registro().finDeLinea), lector.tieneBom()};
    if (forma.finDeLinea.empty()) forma.finDeLinea = "\n";  // a header alone, without a line end
    return forma;
}

void leerTrasEncabezado(LectorCsv& lector, const std::function<void()>& leer) {
    try {
        if (!lector.siguiente())
            throw std::runtime_error("la entrada está vacía: falta la línea de encabezado");
        leer();
    } catch (const ComillasSinCerrar& e) {
        throw std::runtime_error("línea " + std::to_string(e.linea()) +
                                 ": campo entre comillas sin cerrar al final de la entrada");
    }
}

ConteoSemanal contarRegistros(LectorCsv& lector, const OpcionesConteo& opciones,
                              const Seguimiento& seguimiento) {
    const FormaCsv forma = formaDe(lector);
    Contador contador(lector.registro(), opciones);
    long leidos = 0;
    while (lector.siguiente()) {
        contador.sumar(lector.registro(), seguimiento);
        seguimiento.alLeer(leidos);
    }
    return std::move(contador).terminar(forma);
}

ConteoSemanal contarCasos(FuenteBytes& entrada, const OpcionesConteo& opciones,
                          const Seguimiento& seguimiento) {
    LectorCsv lector(entrada, opciones.separador);
    ConteoSemanal conteo;
    leerTrasEncabezado(lector, [&] { conteo = contarRegistros(lector, opciones, seguimiento); });
    return conteo;
}

std::string textoRegistros(const Registros& r, bool conRango) {
    std::string s = std::to_string(r.filas) + " filas, " + std::to_string(r.sinFecha) + " sin fecha, " +
                    std::to_string(r.invalidas) + " fechas no válidas";
    if (conRango || r.fueraDeRango > 0) s += ", " + std::to_string(r.fueraDeRango) + " fuera del rango";
    return s;
}

std::string textoConteo(const ConteoSemanal& conteo, bool cuatrisemanas) {
    const char sep = conteo.forma.separador;
    std::string s = conteo.forma.bom ? "\xEF\xBB\xBF" : "";
    s += cuatrisemanas
             ? "anio_epi" + std::string(1, sep) + "cuatrisemana" + sep + "inicio" + sep + "fin"
             : "anio_epi" + std::string(1, sep) + "semana_epi" + sep + "inicio_semana" + sep + "fin_semana";
    if (!conteo.porGrupos) {
        s += sep;
        s += "casos";
    } else {
        for (const auto& g : conteo.grupos) {
            s += sep;
            agregarCampo(s, g.empty() ? "(vacío)" : g, sep);
        }
        s += sep;
        s += "total";
    }
    s.append(conteo.forma.finDeLinea);
    std::size_t i = 0;  // week index, back to back across the years
    for (int anio = conteo.primerAnio; anio <= conteo.ultimoAnio; ++anio) {
        const AnioTabla a = estructuraAnio(anio);
        const int filas = cuatrisemanas ? 13 : a.semanas;
        for (int f = 1; f <= filas; ++f) {
            const int primera = cuatrisemanas ? a.primeraSemana(f) : f;
            const int ultima = cuatrisemanas ? a.ultimaSemana(f) : f;
            agregarEntero(s, anio);
            s += sep;
            agregarEntero(s, f);
            s += sep;
            agregarFecha(s, a.domingo(primera));
            s += sep;
            agregarFecha(s, a.sabado(ultima));
            const auto semanas = static_cast<std::size_t>(ultima - primera + 1);
            std::int64_t total = 0;
            for (const auto& serie : conteo.casos) {
                std::int64_t n = 0;
                for (std::size_t k = i; k < i + semanas; ++k) n += serie[k];
                total += n;
                s += sep;
                agregarEntero(s, n);
            }
            if (conteo.porGrupos) {
                s += sep;
                agregarEntero(s, total);
            }
            s.append(conteo.forma.finDeLinea);
            i += semanas;
        }
    }
    return s;
}

}  // namespace tarvolo
