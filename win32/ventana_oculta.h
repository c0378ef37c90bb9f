#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace tarvolo {

// A window nobody sees, for the messages a system service receives: the
// tray's callbacks, broadcasts of a changed clock, another start's call.
// Broadcasts reach top-level windows only; a message-only one is cheaper and
// is what FindWindowEx(HWND_MESSAGE) finds. One asked for top-level is
// message-only where the system has no desktop for it.
class VentanaOculta {
public:
    // Answers a message, or nothing to leave it to DefWindowProc.
    using Manejador = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

    VentanaOculta(const wchar_t* clase, const wchar_t* titulo, bool soloMensajes, Manejador manejador);
    ~VentanaOculta();
    VentanaOculta(const VentanaOculta&) = delete;
    VentanaOculta& operator=(const VentanaOculta&) = delete;

    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);

    Manejador manejador_;
    HWND hwnd_ = nullptr;
};

}  // namespace tarvolo
