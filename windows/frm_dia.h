#pragma once

#include <memory>

#include "calendario.h"
#include "ventana_programa.h"

class QLabel;
class QLineEdit;
class QMenuBar;

namespace tarvolo {

// The date lookup: a month calendar and three boxes (day, month, year) that
// follow each other, with the week and the description of the date.
class frmDia : public VentanaPrograma {
    Q_OBJECT
public:
    frmDia(Servicios& servicios, const FabricaCalendario& fabricaCalendario);
    ~frmDia() override;

    void Form_Load();
    void txtDia_Change();
    void txtMes_Change();
    void txtAnio_Change();
    void Calendar1_Click();
    void mnuExit_Click();
    void mnuActual_Click();
    void mnuAnio_Click();
    void mnuAbout_Click();

private:
    void crearMenus(QMenuBar* barra);
    void crearControles(QWidget* area);
    // What the three change handlers share: the whole typed date again.
    void reevaluarCajas();

    std::unique_ptr<Calendario> calendario_;
    QLineEdit* txtDia_ = nullptr;
    QLineEdit* txtMes_ = nullptr;
    QLineEdit* txtAnio_ = nullptr;
    QLabel* lblSem_ = nullptr;
    QLabel* lblSemana_ = nullptr;
};

}  // namespace tarvolo
