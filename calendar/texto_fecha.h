#pragma once

#include <string>

#include "dias.h"

namespace tarvolo {

inline void agregarDosCifras(std::string& s, unsigned n) {
    s += static_cast<char>('0' + n / 10 % 10);
    s += static_cast<char>('0' + n % 10);
}

inline void agregarCuatroCifras(std::string& s, int n) {
    agregarDosCifras(s, static_cast<unsigned>(n) / 100);
    agregarDosCifras(s, static_cast<unsigned>(n) % 100);
}

// "dd/mm/yyyy", always ten characters.
inline void agregarFecha(std::string& s, Dias d) {
    const Fecha f{d};
    agregarDosCifras(s, static_cast<unsigned>(f.day()));
    s += '/';
    agregarDosCifras(s, static_cast<unsigned>(f.month()));
    s += '/';
    agregarCuatroCifras(s, static_cast<int>(f.year()));
}

inline std::string textoFecha(Dias d) {
    std::string s;
    agregarFecha(s, d);
    return s;
}

}  // namespace tarvolo
