#include "trabajo_en_fondo.h"

namespace tarvolo {

void TrabajoEnFondo::empezar(Trabajo trabajo, std::function<void()> hecho) {
    abandonar();
    auto abandonado = std::make_shared<std::atomic<bool>>(false);
    abandonado_ = abandonado;
    // The flag is only set on the windows' thread, where the task reads it:
    // once abandoned, the task finds it set and leaves `this` alone.
    auto alTerminar = [this, abandonado, hecho = std::move(hecho)] {
        if (*abandonado) return;
        hilo_de_trabajo_.join();
        hecho();
    };
    hilo_de_trabajo_ = std::thread([&hilo = hilo_, abandonado, trabajo = std::move(trabajo),
                                    alTerminar = std::move(alTerminar)]() mutable {
        trabajo(*abandonado);
        hilo.enviar(std::move(alTerminar));
    });
}

void TrabajoEnFondo::abandonar() {
    if (abandonado_) *abandonado_ = true;
    if (hilo_de_trabajo_.joinable()) hilo_de_trabajo_.join();
}

}  // namespace tarvolo
