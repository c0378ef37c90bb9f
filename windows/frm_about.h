#pragma once

#include <cstdint>
#include <string>

#include "servicios/lanzador.h"
#include "servicios/registro.h"
#include "ventana_programa.h"

namespace tarvolo {

// About the program, with a button that starts the system-information tool.
// Its handlers have no error trap: the launcher handles its own failures.
class frmAbout final : public FormularioDe<frmAbout, VentanaPrograma> {
public:
    frmAbout(const Servicios& servicios, Registro& registro, Lanzador& lanzador);

    void Form_Load() override;
    void cmdOK_Click() { descargarme(); }
    void cmdSysInfo_Click() { StartSysInfo(); }

    void StartSysInfo();
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    Registro& registro_;
    Lanzador& lanzador_;
};

}  // namespace tarvolo
