#include "bucle_win32.h"

namespace tarvolo {

void atenderMensajes() {
    MSG mensaje;
    while (PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) {
        if (mensaje.message == WM_QUIT) {
            // Left for the program's own loop.
            PostQuitMessage(static_cast<int>(mensaje.wParam));
            return;
        }
        if (mensajeDeVentanas(mensaje)) continue;
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
}

bool atenderHasta(const std::function<bool()>& listo, std::chrono::milliseconds limite) {
    using Reloj = std::chrono::steady_clock;
    const auto fin = Reloj::now() + limite;
    for (;;) {
        atenderMensajes();
        if (listo()) return true;
        const auto queda = std::chrono::duration_cast<std::chrono::milliseconds>(fin - Reloj::now());
        if (queda.count() <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(queda.count()), QS_ALLINPUT);
    }
}

}  // namespace tarvolo
