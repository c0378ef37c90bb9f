#pragma once

#include <cstdint>

#include "sistema/lanzador.h"
#include "sistema/registro.h"
#include "ventana_programa.h"

class QLabel;
class QPushButton;

namespace tarvolo {

// About the program, with a button that starts the system-information tool.
// Its handlers have no error trap: the launcher handles its own failures.
class frmAbout : public VentanaPrograma {
    Q_OBJECT
public:
    frmAbout(Servicios& servicios, Registro& registro, Lanzador& lanzador);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void StartSysInfo();
    bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

private:
    void crearControles();

    Registro& registro_;
    Lanzador& lanzador_;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace tarvolo
