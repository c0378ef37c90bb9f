#pragma once

#include "ventana_programa.h"

class QLabel;
class QMenuBar;
class QPushButton;

namespace tarvolo {

// The current week: today's date described in words, and the way to the
// other windows.
class frmHoy : public VentanaPrograma {
    Q_OBJECT
public:
    explicit frmHoy(Servicios& servicios);

    void Form_Load();
    void cmdAceptar_Click();
    void mnuSalir_Click();
    void mnuAnio_Click();
    void mnuDia_Click();
    void mnuAbout_Click();

private:
    void crearMenus(QMenuBar* barra);
    void crearControles(QWidget* area);

    QLabel* lblSemana_ = nullptr;
    QPushButton* cmdAceptar_ = nullptr;
};

}  // namespace tarvolo
