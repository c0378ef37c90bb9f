#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "lanzador.h"
#include "shell/mensajes.h"

namespace tarvolo {

inline const QString kInfoSistemaNoDisponible =
    QStringLiteral("System Information Is Unavailable At This Time");

// Reads one registry value as text: root, key, value name, the text read.
using LectorRegistro = std::function<bool(std::uint32_t, const QString&, const QString&, QString&)>;

// Finds the system-information tool through the registry, read by `leer`,
// and starts it; every way of failing ends in the one message above.
void iniciarInfoSistema(const LectorRegistro& leer, Lanzador& lanzador, Mensajes& mensajes);

}  // namespace tarvolo
