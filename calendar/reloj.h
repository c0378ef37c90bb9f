#pragma once

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

}  // namespace tarvolo
