#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include "servicios/hilo_ventanas.h"
#include "ventana_oculta.h"

namespace tarvolo {

// The thread that makes it, reached through a hidden window of its own: a
// task sent from anywhere waits in a locked queue, and a message posted to
// the window has the thread's loop run the waiting tasks, oldest first.
// Tasks still waiting when this goes are dropped unrun.
class HiloVentanasWin32 final : public HiloVentanas {
public:
    HiloVentanasWin32();
    ~HiloVentanasWin32() override;
    HiloVentanasWin32(const HiloVentanasWin32&) = delete;
    HiloVentanasWin32& operator=(const HiloVentanasWin32&) = delete;

    void enviar(std::function<void()> tarea) override;

private:
    void atender();

    std::mutex cerrojo_;
    std::deque<std::function<void()>> tareas_;
    bool avisado_ = false;  // a message is on its way to the window
    VentanaOculta ventana_;
};

}  // namespace tarvolo
