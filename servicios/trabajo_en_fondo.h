#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "hilo_ventanas.h"

namespace tarvolo {

// One piece of work off the windows' thread, so that a long reading does not
// freeze them: `trabajo` runs on a thread of its own, then `hecho` on the
// windows' thread. Abandoning it, starting another or destroying this asks
// the work to stop through the flag it is handed and waits for its thread;
// `hecho` never runs after that. `trabajo` keeps its own errors: nothing
// may leave it by an exception.
class TrabajoEnFondo {
public:
    using Trabajo = std::function<void(const std::atomic<bool>& abandonado)>;

    explicit TrabajoEnFondo(HiloVentanas& hilo) : hilo_(hilo) {}
    ~TrabajoEnFondo() { abandonar(); }
    TrabajoEnFondo(const TrabajoEnFondo&) = delete;
    TrabajoEnFondo& operator=(const TrabajoEnFondo&) = delete;

    void empezar(Trabajo trabajo, std::function<void()> hecho);
    void abandonar();
    // Started and neither done nor abandoned.
    bool enCurso() const noexcept { return hilo_de_trabajo_.joinable(); }

private:
    HiloVentanas& hilo_;
    std::shared_ptr<std::atomic<bool>> abandonado_;
    std::thread hilo_de_trabajo_;
};

}  // namespace tarvolo
