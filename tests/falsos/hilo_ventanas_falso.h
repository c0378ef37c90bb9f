#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "servicios/hilo_ventanas.h"

namespace tarvolo::prueba {

// The windows' thread is the test's: tasks sent from other threads wait
// until the test runs them, as a loop would between events.
class HiloVentanasFalso final : public HiloVentanas {
public:
    void enviar(std::function<void()> tarea) override {
        {
            const std::lock_guard bloqueo(mutex_);
            tareas_.push_back(std::move(tarea));
        }
        hay_.notify_one();
    }

    // Waits up to `limite` for a task, runs it and says whether there was one.
    bool correrUna(std::chrono::milliseconds limite = std::chrono::seconds(60)) {
        std::function<void()> tarea;
        {
            std::unique_lock bloqueo(mutex_);
            if (!hay_.wait_for(bloqueo, limite, [this] { return !tareas_.empty(); })) return false;
            tarea = std::move(tareas_.front());
            tareas_.pop_front();
        }
        tarea();
        return true;
    }

    std::size_t pendientes() {
        const std::lock_guard bloqueo(mutex_);
        return tareas_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable hay_;
    std::deque<std::function<void()>> tareas_;
};

}  // namespace tarvolo::prueba
