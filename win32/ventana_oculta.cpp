#include "ventana_oculta.h"

namespace tarvolo {

VentanaOculta::VentanaOculta(const wchar_t* clase, const wchar_t* titulo, bool soloMensajes,
                             Manejador manejador)
    : manejador_(std::move(manejador)) {
    const HINSTANCE modulo = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &VentanaOculta::procedimiento;
    wc.hInstance = modulo;
    wc.lpszClassName = clase;
    // A second object of the same service finds the class registered.
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
    if (!soloMensajes)
        hwnd_ = CreateWindowExW(0, clase, titulo, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, modulo, this);
    // Without a desktop to put a top-level window on (Wine without an X
    // display), a message-only one still takes timers and what is sent to it;
    // broadcasts then do not come.
    if (!hwnd_) hwnd_ = CreateWindowExW(0, clase, titulo, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, modulo, this);
}

VentanaOculta::~VentanaOculta() {
    if (!hwnd_) return;
    // No message may reach the handler of an object that is going.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK VentanaOculta::procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE) {
        const auto* creacion = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creacion->lpCreateParams));
    }
    auto* ventana = reinterpret_cast<VentanaOculta*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (ventana && ventana->manejador_) {
        if (const auto respuesta = ventana->manejador_(mensaje, w, l)) return *respuesta;
    }
    return DefWindowProcW(hwnd, mensaje, w, l);
}

}  // namespace tarvolo
