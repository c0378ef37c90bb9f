#pragma once

#include "lanzador.h"
#include "registro.h"
#include "shell/mensajes.h"

namespace tarvolo {

inline const QString kInfoSistemaNoDisponible =
    QStringLiteral("System Information Is Unavailable At This Time");

// Finds the system-information tool through the registry and starts it;
// every way of failing ends in the one message above.
void iniciarInfoSistema(Registro& registro, Lanzador& lanzador, Mensajes& mensajes);

}  // namespace tarvolo
