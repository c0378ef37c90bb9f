#pragma once

#include <cstdint>
#include <string>

#include "servicios/registro.h"

namespace tarvolo {

// Reads value `nombre` of key `subclave` under `raiz` into `valor`: a
// string as its text, a REG_DWORD as "&h" and hex digits (most significant
// first); other types leave `valor` as it was. False, with `valor` emptied,
// when the key or the value cannot be read. The key is always closed.
bool leerValorRegistro(Registro& registro, std::uint32_t raiz, const std::string& subclave,
                       const std::string& nombre, std::string& valor);

}  // namespace tarvolo
