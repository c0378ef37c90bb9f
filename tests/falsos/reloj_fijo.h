#pragma once

#include "calendar/reloj.h"

namespace tarvolo {

// A "today" the test chooses, and moves when it wants the day to change.
class RelojFijo final : public Reloj {
public:
    explicit RelojFijo(Fecha hoy) noexcept : hoy_(hoy) {}
    Fecha hoy() const override { return hoy_; }
    void fijar(Fecha hoy) noexcept { hoy_ = hoy; }

private:
    Fecha hoy_;
};

}  // namespace tarvolo
