#include "describir_dia.h"

#include <array>
#include <string_view>

#include "semana_epi.h"
#include "texto_fecha.h"

namespace tarvolo {

namespace {
constexpr std::array<std::string_view, 7> kDias{"domingo", "lunes",   "martes", "miércoles",
                                                "jueves",  "viernes", "sábado"};
constexpr std::array<std::string_view, 12> kMeses{"enero",      "febrero", "marzo",     "abril",
                                                  "mayo",       "junio",   "julio",     "agosto",
                                                  "septiembre", "octubre", "noviembre", "diciembre"};
}  // namespace

std::string_view nombreDia(int diaDeLaSemana) {
    return kDias.at(static_cast<size_t>(diaDeLaSemana));
}
std::string_view nombreMes(unsigned mes) {
    return kMeses.at(mes - 1);
}

std::string DescribirDia(const Fecha& hoy, const Parte& dia, const Parte& mes, const Parte& anio) {
    const Fecha fecha = ArmarFecha(hoy, dia, mes, anio);
    const int dds = diaDeLaSemana(Dias{fecha});
    const std::int16_t semana = SemanaEpi(hoy, dia, mes, anio);
    const auto cuatrisemana = static_cast<std::uint8_t>(CuatrisemanaEpi(hoy, dia, mes, anio, semana));
    const std::int16_t anioEpi = AnioEpi(hoy, dia, mes, anio, semana);

    std::string s;
    s.reserve(128);
    s += "El ";
    s += nombreDia(dds);
    s += ' ';
    agregarDosCifras(s, static_cast<unsigned>(fecha.day()));
    s += " de ";
    s += nombreMes(static_cast<unsigned>(fecha.month()));
    s += " de ";
    agregarCuatroCifras(s, static_cast<int>(fecha.year()));
    s += "\r\n es el ";
    s += std::to_string(dds + 1);  // Sunday is the first day
    s += "º día de la semana epidemiológica ";
    s += std::to_string(semana);
    s += ",\r\ncuatrisemana ";
    s += std::to_string(cuatrisemana);
    s += "\r\ndel año epidemiológico ";
    s += std::to_string(anioEpi);
    return s;
}

}  // namespace tarvolo
