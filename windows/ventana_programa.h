#pragma once

#include <QLatin1String>
#include <QWidget>

#include "shell/servicios.h"

class QKeyEvent;
class QPushButton;

namespace tarvolo {

// What every window of the program shares: the services around it, the
// name it is registered by, leaving for another window, unloading itself,
// and the buttons Enter and Esc press. Each window keeps its own handlers.
class VentanaPrograma : public QWidget {
    Q_OBJECT
public:
    QLatin1String nombre() const noexcept { return nombre_; }

protected:
    VentanaPrograma(const Servicios& servicios, QLatin1String nombre);

    // Unloads this window, then shows `otra`; a failure is reported, not thrown.
    void cambiarA(const QString& otra);
    // Unloads this window (no error trap: the caller chooses).
    void descargarme();
    // Enter presses `aceptar` wherever the focus is; Esc presses `cancelar`.
    // Either may be null: the key then does what the control does with it.
    void fijarBotones(QPushButton* aceptar, QPushButton* cancelar = nullptr);

    void keyPressEvent(QKeyEvent* evento) override;

    Servicios servicios_;

private:
    QLatin1String nombre_;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
};

}  // namespace tarvolo
