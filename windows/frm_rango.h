#pragma once

#include "servicios/impresora.h"
#include "ventana_programa.h"

namespace tarvolo {

// "Semanas del año": the table of a whole year on screen, with its printable
// listing kept in a hidden box for the print button.
class frmRango final : public FormularioDe<frmRango, VentanaPrograma> {
public:
    frmRango(const Servicios& servicios, FabricaImpresora fabricaImpresora);

    void Form_Load() override;
    void cmdMostrar_Click();
    void cmdPrint_Click();
    void mnuSelectAll_Click();
    void mnuSalir_Click() { descargarme(); }

private:
    // Fills both boxes for the kind chosen; throws what the builders throw.
    void accionMostrar();

    FabricaImpresora fabricaImpresora_;
};

}  // namespace tarvolo
