#include "columnas.h"

#include "calendar/parte.h"

namespace tarvolo {

namespace {

char minuscula(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool igualesSinMayusculas(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    return true;
}

bool contieneSinMayusculas(std::string_view texto, std::string_view buscado) noexcept {
    for (std::size_t i = 0; i + buscado.size() <= texto.size(); ++i)
        if (igualesSinMayusculas(texto.substr(i, buscado.size()), buscado)) return true;
    return false;
}

}  // namespace

std::string_view sinBlancos(std::string_view s) noexcept {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string> nombresDe(const RegistroCsv& encabezado) {
    std::vector<std::string> nombres;
    std::string espacio;
    for (const auto campo : encabezado.campos) nombres.emplace_back(sinBlancos(valorCampo(campo, espacio)));
    return nombres;
}

std::optional<std::size_t> buscarColumna(const std::vector<std::string>& nombres,
                                         const std::string& columna) {
    if (columna.empty()) {
        for (std::size_t i = 0; i < nombres.size(); ++i)
            if (contieneSinMayusculas(nombres[i], "fecha")) return i;
        return std::nullopt;
    }
    if (const auto n = leerDecimal(columna)) {
        if (*n >= 1 && static_cast<unsigned long long>(*n) <= nombres.size())
            return static_cast<std::size_t>(*n - 1);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < nombres.size(); ++i)
        if (igualesSinMayusculas(nombres[i], sinBlancos(columna))) return i;
    return std::nullopt;
}

std::string textoSinColumna(const std::string& columna, const std::vector<std::string>& nombres) {
    std::string s = columna.empty() ? "ninguna columna contiene «fecha»" : "no hay columna «" + columna + "»";
    s += "; columnas:";
    for (std::size_t i = 0; i < nombres.size(); ++i) s += (i == 0 ? " «" : ", «") + nombres[i] + "»";
    return s;
}

std::string textoFechaNoValida(long linea, std::string_view celda) {
    std::string s = "línea " + std::to_string(linea) + ": fecha no válida: «";
    for (char c : celda) s += c == '\n' || c == '\r' ? ' ' : c;
    return s + "»";
}

}  // namespace tarvolo
