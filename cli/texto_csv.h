#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvolo {

inline void agregarEntero(std::string& s, std::int64_t n) {
    char cifras[24];
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, n);
    s.append(cifras, r.ptr);
}

// `valor` with two decimals; a decimal comma when `coma`, as a
// Spanish-language spreadsheet reads it.
inline void agregarDecimal(std::string& s, double valor, bool coma) {
    char cifras[320];           // the longest double written in full
    if (valor == 0) valor = 0;  // never "-0.00"
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, valor, std::chars_format::fixed, 2);
    s.append(cifras, r.ptr);
    if (coma) s[s.size() - 3] = ',';
}

// One field, between quotes (inner quotes doubled) when it holds the
// separator, a quote or a line break.
inline void agregarCampo(std::string& s, std::string_view valor, char separador) {
    if (valor.find_first_of(std::string{separador, '"', '\r', '\n'}) == std::string_view::npos) {
        s.append(valor);
        return;
    }
    s += '"';
    for (char c : valor) {
        if (c == '"') s += '"';
        s += c;
    }
    s += '"';
}

}  // namespace tarvolo
