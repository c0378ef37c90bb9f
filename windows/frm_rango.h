#pragma once

#include "impresion/imprimir_listado.h"
#include "ventana_programa.h"

class QComboBox;
class QMenuBar;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarvolo {

// "Semanas del año": the table of a whole year on screen, with its printable
// listing kept in a hidden box for the print button.
class frmRango : public VentanaPrograma {
    Q_OBJECT
public:
    frmRango(Servicios& servicios, FabricaImpresora fabricaImpresora);

private:
    void crearControles(QWidget* area);
    void crearMenus(QMenuBar* barra);

    void Form_Load();
    void cmdMostrar_Click();
    void cmdPrint_Click();
    void mnuSelectAll_Click();
    void mnuSalir_Click();
    void mnuActual_Click();
    void mnuDia_Click();
    void mnuAbout_Click();

    // Fills both boxes for the kind chosen; throws what the builders throw.
    void accionMostrar();

    FabricaImpresora fabricaImpresora_;
    QLineEdit* txtAnio_ = nullptr;
    QComboBox* cboSem_ = nullptr;
    QPushButton* cmdMostrar_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPlainTextEdit* txtSemanas_ = nullptr;
    QPlainTextEdit* txtOculto_ = nullptr;
};

}  // namespace tarvolo
