#pragma once

#include "ventana_programa.h"

namespace tarvolo {

// The date lookup: a month calendar and three boxes (day, month, year) that
// follow each other, with the week and the description of the date.
class frmDia final : public FormularioDe<frmDia, VentanaPrograma> {
public:
    explicit frmDia(const Servicios& servicios);

    void Form_Load() override;
    void txtDia_Change() { reevaluarCajas(); }
    void txtMes_Change() { reevaluarCajas(); }
    void txtAnio_Change() { reevaluarCajas(); }
    void Calendar1_Click();
    void mnuExit_Click() { cerrar(); }

private:
    // What the three change handlers share: the whole typed date again.
    void reevaluarCajas();
};

}  // namespace tarvolo
