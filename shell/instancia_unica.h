#pragma once

#include <functional>

#include "servicios/servicios.h"

namespace tarvolo {

// How a start of the program reaches the one already running in the user's
// session, so that a second start from the menu adds no second icon.
class CanalInstancia {
public:
    virtual ~CanalInstancia() = default;
    // Asks the running program to bring its current-week window forward;
    // false when no program answers.
    virtual bool avisarALaQueCorre() = 0;
    // Makes this program the one later starts reach: each of them calls
    // `alAviso` on the user-interface thread. False when that is not possible.
    virtual bool escuchar(std::function<void()> alAviso) = 0;
};

// True when a program already running took the start over; this one then
// ends. Otherwise this one listens, and every later start shows frmHoy.
bool cederALaQueCorre(CanalInstancia& canal, Servicios& servicios);

}  // namespace tarvolo
