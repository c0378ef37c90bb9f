#pragma once

#include <windows.h>

#include "calendar/reloj.h"
#include "servicios/calendario.h"

namespace tarvolo {

// The month calendar on the common controls' MONTHCAL, a child of `padre`;
// "today" comes from the program's clock.
class CalendarioWin32 final : public Calendario {
public:
    CalendarioWin32(const Reloj& reloj, HWND padre, int id, RECT lugar);
    CalendarioWin32(const CalendarioWin32&) = delete;
    CalendarioWin32& operator=(const CalendarioWin32&) = delete;

    HWND control() const { return control_; }
    Fecha valor() const override;
    void fijarValor(const Fecha& fecha) override;
    void irAHoy() override;
    // True while the program itself sets the value: a selection then is not
    // the user's pick.
    bool fijando() const { return fijando_; }

private:
    void seleccionar(const Fecha& fecha);

    const Reloj& reloj_;
    HWND control_;
    bool fijando_ = false;
};

}  // namespace tarvolo
