#pragma once

#include "ventana_programa.h"

namespace tarvolo {

// The current week: today's date described in words, and the way to the
// other windows.
class frmHoy final : public FormularioDe<frmHoy, VentanaPrograma> {
public:
    explicit frmHoy(const Servicios& servicios);

    void Form_Load() override;
    void cmdAceptar_Click() { cerrar(); }
    void mnuSalir_Click() { cerrar(); }
    // Unlike the other windows', it leaves this one open.
    void mnuAbout_Click();
};

}  // namespace tarvolo
