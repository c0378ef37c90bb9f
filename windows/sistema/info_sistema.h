#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "servicios/lanzador.h"
#include "servicios/mensajes.h"

namespace tarvolo {

inline constexpr std::string_view kInfoSistemaNoDisponible = "System Information Is Unavailable At This Time";

// Reads one registry value as text: root, key, value name, the text read.
using LectorRegistro =
    std::function<bool(std::uint32_t, const std::string&, const std::string&, std::string&)>;

// Finds the system-information tool through the registry, read by `leer`,
// and starts it; every way of failing ends in the one message above.
void iniciarInfoSistema(const LectorRegistro& leer, Lanzador& lanzador, Mensajes& mensajes);

}  // namespace tarvolo
