#pragma once

#include "servicios/hilo_ventanas.h"

namespace tarvolo {

// The windows' thread as Qt's event loop: each task is a queued call on the
// application object, which Qt delivers in order and drops with the
// application.
class HiloVentanasQt final : public HiloVentanas {
public:
    void enviar(std::function<void()> tarea) override;
};

}  // namespace tarvolo
