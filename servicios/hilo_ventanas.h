#pragma once

#include <functional>

namespace tarvolo {

// The thread the windows run on, as other threads reach it.
class HiloVentanas {
public:
    virtual ~HiloVentanas() = default;
    // Callable from any thread: `tarea` runs later on the windows' thread,
    // between events, in the order sent. Tasks still waiting when the
    // program ends are dropped.
    virtual void enviar(std::function<void()> tarea) = 0;
};

}  // namespace tarvolo
