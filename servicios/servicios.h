#pragma once

#include "calendar/reloj.h"
#include "mensajes.h"
#include "ventanas.h"

namespace tarvolo {

// What every form needs of the program around it.
struct Servicios {
    Ventanas& ventanas;
    Mensajes& mensajes;
    const Reloj& reloj;
};

}  // namespace tarvolo
