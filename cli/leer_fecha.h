#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/dias.h"

namespace tarvolo {

// Day, month and year as a cell spells them; not yet a date.
struct PartesFecha {
    long long dia, mes, anio;
};

// The shapes a date cell may take, blanks around allowed:
//   D/M/YYYY, DD/MM/YYYY, the same with '-' or '.', YYYY-MM-DD, YYYY/MM/DD,
// each optionally followed by a time of day (" 14:30", " 14:30:00",
// "T14:30:00.250"), which is ignored. Only the shape is checked here;
// whether the parts name a date is the calendar's business.
std::optional<PartesFecha> separarCeldaFecha(std::string_view celda) noexcept;

// The cell as a date, with the calendar's own checks (those of ArmarFecha);
// nullopt when the shape is wrong or the calendar refuses the date. The
// counting commands' reading: a day, without the answers of `semana`.
std::optional<Fecha> leerFecha(std::string_view celda);

// What the companion answers for one date.
struct SemanaDeFecha {
    Fecha fecha;
    std::uint8_t semana;
    std::int16_t anio;
    std::int16_t cuatrisemana;
};

// The cell read as a date and answered by the calendar's own operations
// (the ones `tarvolo-cli semana` calls); nullopt when the shape is wrong or
// the calendar refuses the date.
std::optional<SemanaDeFecha> leerCeldaFecha(std::string_view celda, const Fecha& hoy);

}  // namespace tarvolo
