#include "temporizador_limite_win32.h"

#include <algorithm>

namespace tarvolo {

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr std::chrono::milliseconds kEsperaMaxima{USER_TIMER_MAXIMUM};

}  // namespace

std::chrono::milliseconds esperaHastaElDia(Fecha dia, std::time_t ahora) {
    const std::time_t inicio = inicioDelDiaLocal(dia);
    if (inicio <= ahora) return std::chrono::milliseconds{0};
    const std::chrono::milliseconds falta = std::chrono::seconds{inicio - ahora};
    return std::min(falta, kEsperaMaxima);
}

TemporizadorLimiteWin32::TemporizadorLimiteWin32()
    // Top-level: WM_TIMECHANGE and WM_POWERBROADCAST go to those only.
    : ventana_(
          std::make_unique<VentanaOculta>(L"TarvoloLimite", L"Tarvolo", false,
                                          [this](UINT m, WPARAM w, LPARAM l) { return mensaje(m, w, l); })) {}

void TemporizadorLimiteWin32::armar(Fecha dia) {
    dia_ = dia;
    programar();
}

void TemporizadorLimiteWin32::programar() {
    if (!dia_ || !ventana()) return;
    // A passed day still waits for the loop: the listener runs from there,
    // never inside armar().
    const auto espera = esperaHastaElDia(*dia_, std::time(nullptr));
    SetTimer(ventana(), kTimer, static_cast<UINT>(espera.count()), nullptr);
}

void TemporizadorLimiteWin32::volverAMirar() {
    if (!dia_) return;
    // The C library keeps the zone it read first.
    _tzset();
    programar();
    sonar();
}

std::optional<LRESULT> TemporizadorLimiteWin32::mensaje(UINT mensaje, WPARAM w, LPARAM) {
    switch (mensaje) {
        case WM_TIMER:
            if (w != kTimer) return std::nullopt;
            KillTimer(ventana(), kTimer);
            if (!dia_) return 0;
            if (std::time(nullptr) >= inicioDelDiaLocal(*dia_)) {
                dia_.reset();
                sonar();
            } else {
                // A long wait went by in steps, or the timer ran early.
                programar();
            }
            return 0;
        case WM_TIMECHANGE:
            volverAMirar();
            return 0;
        case WM_POWERBROADCAST:
            // Asleep, the timer's count stood still while the clock went on.
            // Every resume sends this one; the one for a user present may
            // follow, and would sound twice.
            if (w == PBT_APMRESUMEAUTOMATIC) volverAMirar();
            return TRUE;
        default:
            return std::nullopt;
    }
}

}  // namespace tarvolo
