#pragma once

#include <ctime>
#include <memory>

#include "calendar/reloj.h"
#include "shell/temporizador_limite.h"

namespace tarvolo {

// The alarm on this system's own clock; `zonaHoraria` is the file whose
// replacement means the time zone changed.
std::unique_ptr<TemporizadorLimite> temporizadorDelSistema(const char* zonaHoraria = "/etc/localtime");

}  // namespace tarvolo
