#pragma once

#include "dias.h"

namespace tarvolo {

// Where "today" comes from. The program reads the local system date; tests
// fix it.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual Fecha hoy() const = 0;
};

class RelojSistema final : public Reloj {
public:
    Fecha hoy() const override;
};

class RelojFijo final : public Reloj {
public:
    explicit RelojFijo(Fecha hoy) noexcept : hoy_(hoy) {}
    Fecha hoy() const override { return hoy_; }
    void fijar(Fecha hoy) noexcept { hoy_ = hoy; }

private:
    Fecha hoy_;
};

}  // namespace tarvolo
