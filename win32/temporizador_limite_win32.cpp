#include "temporizador_limite_win32.h"

#include <algorithm>

namespace tarvolo {

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr std::chrono::milliseconds kEsperaMaxima{USER_TIMER_MAXIMUM};

Fecha fechaLocal(std::time_t instante) {
    std::tm visto{};
    localtime_s(&visto, &instante);
    return Fecha{std::chrono::year{visto.tm_year + 1900},
                 std::chrono::month{static_cast<unsigned>(visto.tm_mon + 1)},
                 std::chrono::day{static_cast<unsigned>(visto.tm_mday)}};
}

}  // namespace

std::time_t primerInstanteDelDia(Fecha dia) {
    std::tm local{};
    local.tm_year = static_cast<int>(dia.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(dia.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(dia.day()));
    // Summer time or not, as the zone has it that day.
    local.tm_isdst = -1;
    std::time_t inicio = std::mktime(&local);
    // Where summer time skips midnight, mktime may answer an instant of the
    // day before; the day begins when the clocks first show it.
    for (int hora = 0; hora < 3 && inicio != -1; ++hora) {
        if (fechaLocal(inicio) >= dia) break;
        std::tm visto{};
        localtime_s(&visto, &inicio);
        inicio += 3600 - (visto.tm_min * 60 + visto.tm_sec);
    }
    return inicio;
}

std::chrono::milliseconds esperaHastaElDia(Fecha dia, std::time_t ahora) {
    const std::time_t inicio = primerInstanteDelDia(dia);
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
            if (std::time(nullptr) >= primerInstanteDelDia(*dia_)) {
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
