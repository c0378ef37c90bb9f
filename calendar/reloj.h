#pragma once

#include <ctime>

#include "dias.h"

namespace tarvolo {

// Where "today" comes from. The program reads the local system date; tests
// fix it with their own clock.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual Fecha hoy() const = 0;
};

class RelojSistema final : public Reloj {
public:
    Fecha hoy() const override;
};

// The local date at an instant.
Fecha fechaLocal(std::time_t instante);

// The first instant of a local day: its midnight, or where a change to
// summer time skips midnight, the first time the clocks show that day; -1
// for a day the C library cannot place.
std::time_t inicioDelDiaLocal(Fecha dia);

}  // namespace tarvolo
