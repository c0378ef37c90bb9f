#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "calendar/reloj.h"
#include "servicios/ventana.h"

namespace tarvolo {

// The forms' windows on user32 and the common controls: a top-level window
// per loaded form with its controls as child windows, their notifications
// turned into the forms' events. Sizes follow the window's DPI.
class PantallaWin32 final : public Pantalla {
public:
    // "Today" for the month calendars comes from the program's clock.
    explicit PantallaWin32(const Reloj& reloj);

    std::unique_ptr<Ventana> crear(const DisenoVentana& diseno, ReceptorEventos& receptor) override;

    // The window of a form made here, one of its controls and one of its
    // menus (a menu of the bar, or one that only pops up), by name; null
    // for anything else.
    static HWND ventana(const Ventana& ventana);
    static HWND control(const Ventana& ventana, std::string_view nombre);
    static HMENU menu(const Ventana& ventana, std::string_view nombre);

private:
    const Reloj& reloj_;
};

}  // namespace tarvolo
