#pragma once

#include <QWidget>

#include "shell/servicios.h"

class QLabel;
class QMenuBar;
class QPushButton;

namespace tarvolo {

// The current week: today's date described in words, and the way to the
// other windows.
class frmHoy : public QWidget {
    Q_OBJECT
public:
    explicit frmHoy(Servicios& servicios);

    void Form_Load();
    void cmdAceptar_Click();
    void mnuSalir_Click();
    void mnuAnio_Click();
    void mnuDia_Click();
    void mnuAbout_Click();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void crearMenus(QMenuBar* barra);
    void crearControles(QWidget* area);
    // Closes this window, then shows `otra`.
    void cambiarA(const QString& otra);

    Servicios servicios_;
    QLabel* lblSemana_ = nullptr;
    QPushButton* cmdAceptar_ = nullptr;
};

}  // namespace tarvolo
