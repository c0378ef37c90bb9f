#pragma once

#include <functional>

#include "calendar/dias.h"

namespace tarvolo {

// One alarm at the local midnight that begins a given day, which also goes
// off when the clock is set or the time zone changes before it: then the
// boundary may have been crossed, or may lie elsewhere now. Whoever listens
// looks at the clock again and arms the next one; nothing here polls.
class TemporizadorLimite {
public:
    virtual ~TemporizadorLimite() = default;

    // Replaces any alarm armed before. A day whose midnight has passed
    // already goes off at once.
    virtual void armar(Fecha dia) = 0;

    void alSonar(std::function<void()> oyente) { oyente_ = std::move(oyente); }

protected:
    void sonar() const {
        if (oyente_) oyente_();
    }

private:
    std::function<void()> oyente_;
};

}  // namespace tarvolo
