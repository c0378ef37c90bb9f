#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace tarvolo {

// What a message loop does with each message before translating and
// dispatching it: the keys the forms' windows take as dialogs do (Tab in
// the designed order, Enter for the default button, Esc for the cancel
// one, access keys) and the keys of a form that sees them first. True when
// the message was used up here.
bool mensajeDeVentanas(MSG& mensaje);

// Runs the messages waiting in this thread's queue as the program's loop
// does.
void atenderMensajes();
// Runs messages until `listo` holds or `limite` has passed; whether it held.
bool atenderHasta(const std::function<bool()>& listo, std::chrono::milliseconds limite);

}  // namespace tarvolo
