#pragma once

#include <exception>
#include <utility>

#include "calendar/error_ejecucion.h"
#include "servicios/mensajes.h"

namespace tarvolo {

// The common error trap of every event handler: a run-time error skips the
// rest of the handler, its description goes to a message box, and the
// program goes on.
template <typename Cuerpo>
void atrapar(Mensajes& mensajes, Cuerpo&& cuerpo) {
    try {
        std::forward<Cuerpo>(cuerpo)();
    } catch (const std::exception& e) {
        mensajes.mostrar(e.what());
    }
}

// The same, silent on the invalid-date error 13: for handlers that run on
// every keystroke while a date is half typed.
template <typename Cuerpo>
void atraparSalvoFechaInvalida(Mensajes& mensajes, Cuerpo&& cuerpo) {
    try {
        std::forward<Cuerpo>(cuerpo)();
    } catch (const ErrorEjecucion& e) {
        if (e.numero() != ErrorEjecucion::kTiposNoCoinciden) mensajes.mostrar(e.what());
    } catch (const std::exception& e) {
        mensajes.mostrar(e.what());
    }
}

}  // namespace tarvolo
