#include "hilo_ventanas_win32.h"

#include <utility>

namespace tarvolo {

namespace {

constexpr UINT kHayTareas = WM_APP + 1;

}  // namespace

HiloVentanasWin32::HiloVentanasWin32()
    : ventana_(L"TarvoloHiloVentanas", L"", true, [this](UINT mensaje, WPARAM, LPARAM) {
          if (mensaje != kHayTareas) return std::optional<LRESULT>{};
          atender();
          return std::optional<LRESULT>{0};
      }) {}

HiloVentanasWin32::~HiloVentanasWin32() {
    // The window goes with its members; what was still waiting is let go
    // here, under the lock, in case another thread is still sending.
    std::deque<std::function<void()>> sueltas;
    const std::lock_guard bloqueo(cerrojo_);
    sueltas.swap(tareas_);
}

void HiloVentanasWin32::enviar(std::function<void()> tarea) {
    bool avisar = false;
    {
        const std::lock_guard bloqueo(cerrojo_);
        tareas_.push_back(std::move(tarea));
        avisar = !std::exchange(avisado_, true);
    }
    // One message for any number of tasks: a busy worker cannot fill the
    // thread's message queue.
    if (avisar) PostMessageW(ventana_.hwnd(), kHayTareas, 0, 0);
}

void HiloVentanasWin32::atender() {
    {
        const std::lock_guard bloqueo(cerrojo_);
        avisado_ = false;
    }
    // One at a time from the front: a task that runs a loop of its own (a
    // message box) lets the next ones run there, still in order.
    for (;;) {
        std::function<void()> tarea;
        {
            const std::lock_guard bloqueo(cerrojo_);
            if (tareas_.empty()) return;
            tarea = std::move(tareas_.front());
            tareas_.pop_front();
        }
        tarea();
    }
}

}  // namespace tarvolo
