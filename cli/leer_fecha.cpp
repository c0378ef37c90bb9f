#include "leer_fecha.h"

#include "calendar/error_ejecucion.h"
#include "calendar/semana_epi.h"

namespace tarvolo {

namespace {

bool esBlanco(char c) noexcept {
    return c == ' ' || c == '\t';
}
bool esCifra(char c) noexcept {
    return c >= '0' && c <= '9';
}

// Reads `min`..`max` digits at `i`; -1 when there are fewer or more.
long long cifras(std::string_view s, std::size_t& i, std::size_t min, std::size_t max) noexcept {
    long long valor = 0;
    std::size_t n = 0;
    while (i < s.size() && esCifra(s[i])) {
        if (++n > max) return -1;
        valor = valor * 10 + (s[i] - '0');
        ++i;
    }
    return n < min ? -1 : valor;
}

bool consumir(std::string_view s, std::size_t& i, char c) noexcept {
    if (i < s.size() && s[i] == c) {
        ++i;
        return true;
    }
    return false;
}

// H:MM, H:MM:SS or H:MM:SS.fff (also HH), to the end of the text.
bool horaDelDia(std::string_view s, std::size_t i) noexcept {
    const long long h = cifras(s, i, 1, 2);
    if (h < 0 || h > 23 || !consumir(s, i, ':')) return false;
    const long long m = cifras(s, i, 2, 2);
    if (m < 0 || m > 59) return false;
    if (consumir(s, i, ':')) {
        const long long seg = cifras(s, i, 2, 2);
        if (seg < 0 || seg > 60) return false;  // 60: a leap second
        if (consumir(s, i, '.') || consumir(s, i, ',')) {
            const std::size_t antes = i;
            while (i < s.size() && esCifra(s[i])) ++i;
            if (i == antes) return false;
        }
    }
    return i == s.size();
}

// Nothing, or a time of day after blanks or a 'T'.
bool restoValido(std::string_view s, std::size_t i) noexcept {
    if (i == s.size()) return true;
    if (s[i] == 'T') return horaDelDia(s, i + 1);
    if (!esBlanco(s[i])) return false;
    while (i < s.size() && esBlanco(s[i])) ++i;
    return horaDelDia(s, i);
}

// The two numbers after the first one and its separator: the month, the same
// separator again, and the last number of `min`..`max` digits, with only a
// valid rest after it.
struct MesYUltimo {
    long long mes;
    long long ultimo;
};
std::optional<MesYUltimo> mesYUltimo(std::string_view s, std::size_t i, char sep, std::size_t min,
                                     std::size_t max) noexcept {
    const long long mes = cifras(s, i, 1, 2);
    if (mes < 0 || !consumir(s, i, sep)) return std::nullopt;
    const long long ultimo = cifras(s, i, min, max);
    if (ultimo < 0 || !restoValido(s, i)) return std::nullopt;
    return MesYUltimo{mes, ultimo};
}

}  // namespace

std::optional<PartesFecha> separarCeldaFecha(std::string_view s) noexcept {
    while (!s.empty() && esBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && esBlanco(s.back())) s.remove_suffix(1);
    std::size_t i = 0;
    const long long primero = cifras(s, i, 1, 4);
    if (primero < 0 || i >= s.size()) return std::nullopt;
    const char sep = s[i];
    if (i == 4) {  // YYYY-MM-DD or YYYY/MM/DD
        if (sep != '-' && sep != '/') return std::nullopt;
        const auto resto = mesYUltimo(s, i + 1, sep, 1, 2);
        if (!resto) return std::nullopt;
        return PartesFecha{resto->ultimo, resto->mes, primero};
    }
    if (i > 2 || (sep != '/' && sep != '-' && sep != '.')) return std::nullopt;  // D/M/YYYY
    const auto resto = mesYUltimo(s, i + 1, sep, 4, 4);
    if (!resto) return std::nullopt;
    return PartesFecha{primero, resto->mes, resto->ultimo};
}

std::optional<Fecha> leerFecha(std::string_view celda) {
    const auto partes = separarCeldaFecha(celda);
    if (!partes) return std::nullopt;
    try {
        return ArmarFecha(Fecha{}, Parte(partes->dia), Parte(partes->mes), Parte(partes->anio));
    } catch (const ErrorEjecucion&) {
        return std::nullopt;
    }
}

std::optional<SemanaDeFecha> leerCeldaFecha(std::string_view celda, const Fecha& hoy) {
    const auto partes = separarCeldaFecha(celda);
    if (!partes) return std::nullopt;
    const Parte dia(partes->dia), mes(partes->mes), anio(partes->anio);
    try {
        const Fecha fecha = ArmarFecha(hoy, dia, mes, anio);
        const std::uint8_t semana = SemanaEpi(hoy, dia, mes, anio);
        const Parte s(static_cast<int>(semana));
        return SemanaDeFecha{fecha, semana, AnioEpi(hoy, dia, mes, anio, s),
                             CuatrisemanaEpi(hoy, dia, mes, anio, s)};
    } catch (const ErrorEjecucion&) {
        return std::nullopt;
    }
}

}  // namespace tarvolo
