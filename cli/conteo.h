#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bytes.h"
#include "lector_csv.h"

namespace tarvolo {

// Cases counted by epidemiological week from a CSV case list, read as
// `convertir` reads it. Nothing here writes anywhere: errors are thrown as
// std::runtime_error with a Spanish message (without the program's name),
// and what the reading has to say goes through Seguimiento.

// The reading was abandoned through Seguimiento::cancelar. Not a
// runtime_error: nothing went wrong.
class Cancelado : public std::exception {
public:
    const char* what() const noexcept override { return "lectura cancelada"; }
};

// What a long reading reports and asks while it runs; either may be empty.
struct Seguimiento {
    static constexpr long kCadaCuantos = 4096;
    // Asked every kCadaCuantos records: true abandons the reading, which
    // then throws Cancelado.
    std::function<bool()> cancelar;
    // Each date cell that is not a date, with the line its record starts on.
    std::function<void(long linea, std::string_view celda)> fechaNoValida;

    // Called once per record read, `leidos` counting them.
    void alLeer(long& leidos) const {
        if (++leidos % kCadaCuantos == 0 && cancelar && cancelar()) throw Cancelado();
    }
};

// How the input was written, so that answers are written the same way.
struct FormaCsv {
    char separador = ',';
    std::string finDeLinea = "\n";
    bool bom = false;  // a UTF-8 byte-order mark opened it
};

struct OpcionesConteo {
    std::string columna;  // date column: a name or 1-based number; empty, the first holding "fecha"
    char separador = 0;   // 0: found from the header
    std::string por;      // column to count by, one count per value; empty, a single count
    // Epidemiological years of the rows; without them, the years of the
    // earliest and the latest case.
    std::optional<int> desde, hasta;
};

// How the records went: convertir's summary, and the cases outside the
// years counted.
struct Registros {
    long filas = 0, sinFecha = 0, invalidas = 0, fueraDeRango = 0;
};

// "N filas, N sin fecha, N fechas no válidas", and ", N fuera del rango"
// when years were asked for or some case fell outside them.
std::string textoRegistros(const Registros& registros, bool conRango = false);

// Cases of one epidemiological year, week by week.
struct ConteoAnio {
    int anio = 0;
    int semanas = 52;                      // 52 or 53
    std::array<std::int64_t, 53> casos{};  // [semana - 1]; the 53rd is 0 in a 52-week year
};

// Cases by epidemiological week: every week of every year from primerAnio
// to ultimoAnio, back to back. Memory is weeks x groups, whatever the rows.
struct ConteoSemanal {
    int primerAnio = 0;
    int ultimoAnio = -1;     // below primerAnio: no rows (no case, no years asked for)
    bool porGrupos = false;  // counted by the values of a column
    // Those values, in order of first appearance among the cases counted,
    // blanks around removed ("" for an empty one).
    std::vector<std::string> grupos;
    // casos[g][i]: group g (the only one without `por`), week i counted
    // from primerAnio's week 1.
    std::vector<std::vector<std::int64_t>> casos;
    Registros registros;
    FormaCsv forma;

    // Position of a week of a year in casos[g].
    std::size_t indice(int anio, int semana) const;
    // One year, every group added up; zeros for a year outside the rows.
    ConteoAnio anio(int numero) const;
};

// The form of the header record `lector` has just read.
FormaCsv formaDe(const LectorCsv& lector);

// Reads the header record, then calls `leer` for the rest; an empty input
// and a quote still open at its end become std::runtime_error.
void leerTrasEncabezado(LectorCsv& lector, const std::function<void()>& leer);

// Reads a case list to its end. Throws std::runtime_error for an empty
// input, a date or `por` column that is not there, an unfinished quote, or
// an input that cannot be read; Cancelado when asked to.
ConteoSemanal contarCasos(FuenteBytes& entrada, const OpcionesConteo& opciones,
                          const Seguimiento& seguimiento = {});
// The same, from a reader whose header record was the last one read.
ConteoSemanal contarRegistros(LectorCsv& lector, const OpcionesConteo& opciones,
                              const Seguimiento& seguimiento);

// The counts as CSV, written in the input's form: anio_epi, semana_epi,
// inicio_semana, fin_semana and casos (with groups a column for each and
// total); with `cuatrisemanas`, anio_epi, cuatrisemana, inicio, fin and the
// same counts for each four-week period.
std::string textoConteo(const ConteoSemanal& conteo, bool cuatrisemanas);

}  // namespace tarvolo
