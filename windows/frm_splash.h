#pragma once

#include "ventana_programa.h"

namespace tarvolo {

// The window that announces the program at start-up. It closes itself after
// three seconds, at any key, or at a click on its white frame.
class frmSplash final : public FormularioDe<frmSplash, VentanaPrograma> {
public:
    explicit frmSplash(const Servicios& servicios);

    static constexpr int kIntervaloMs = 3000;

    void Form_Load() override;
    void Form_KeyPress() { terminar(); }
    void Timer1_Timer() { terminar(); }
    void Frame1_Click() { terminar(); }

private:
    // Stops the timer and unloads the window, whichever way it closes,
    // under the common error trap.
    void terminar();
};

}  // namespace tarvolo
