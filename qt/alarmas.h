#pragma once

#include <ctime>
#include <memory>

#include "calendar/dias.h"
#include "shell/temporizador_limite.h"

namespace tarvolo {

// The first instant of a local day: its midnight, or where a change to
// summer time skips midnight, the first time the clocks show that day.
std::time_t inicioDelDiaLocal(Fecha dia);

// The alarm on this system's own clock; `zonaHoraria` is the file whose
// replacement means the time zone changed.
std::unique_ptr<TemporizadorLimite> temporizadorDelSistema(const char* zonaHoraria = "/etc/localtime");

}  // namespace tarvolo
