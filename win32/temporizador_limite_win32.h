#pragma once

#include <windows.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <optional>

#include "calendar/reloj.h"
#include "shell/temporizador_limite.h"
#include "ventana_oculta.h"

namespace tarvolo {

// How long a window timer waits, seen at `ahora`, on its way to the day's
// first instant: all of it, or SetTimer's longest wait when it is further off
// (then the timer is armed again when that runs out); none once it has come.
std::chrono::milliseconds esperaHastaElDia(Fecha dia, std::time_t ahora);

// The alarm on a window timer of a hidden top-level window, which also hears
// the broadcasts of a clock set or a time zone changed and the return from
// sleep, when the timer's count may have stood still.
class TemporizadorLimiteWin32 final : public TemporizadorLimite {
public:
    TemporizadorLimiteWin32();
    void armar(Fecha dia) override;

    HWND ventana() const { return ventana_->hwnd(); }

private:
    std::optional<LRESULT> mensaje(UINT mensaje, WPARAM w, LPARAM l);
    void programar();
    void volverAMirar();

    std::optional<Fecha> dia_;
    std::unique_ptr<VentanaOculta> ventana_;
};

}  // namespace tarvolo
