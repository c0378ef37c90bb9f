#pragma once

#include <functional>
#include <memory>

#include "adv_sys_tray.h"
#include "calendar/reloj.h"
#include "temporizador_limite.h"

namespace tarvolo {

// Keeps the tray's tooltip and icon on the current week while the program
// runs for days: one alarm at the midnight that begins the next week
// (Sunday), moved whenever the clock or the zone changes; between alarms
// nothing runs.
class TemporizadorSemana {
public:
    // The tray object as it stands: the program's end releases it before
    // this goes, and then nothing more is written.
    using BandejaActual = std::function<AdvSysTray*()>;

    // Writes today's week at once.
    TemporizadorSemana(BandejaActual bandeja, Bandeja& iconos, const Reloj& reloj,
                       std::unique_ptr<TemporizadorLimite> limite);

    // The Sunday the alarm is armed for.
    Fecha proximoLimite() const { return proximo_; }

private:
    void actualizar();

    BandejaActual bandeja_;
    Bandeja& iconos_;
    const Reloj& reloj_;
    std::unique_ptr<TemporizadorLimite> limite_;
    Fecha proximo_{};
    int semanaDelIcono_ = 0;  // 0: the icon still is the plain picture
};

// The Sunday after a day: the start of the next epidemiological week.
constexpr Fecha domingoSiguiente(Fecha dia) noexcept {
    const Dias d{dia};
    return Fecha{d + std::chrono::days{7 - diaDeLaSemana(d)}};
}

}  // namespace tarvolo
