#include "ventana_programa.h"

#include <QKeyEvent>
#include <QPushButton>

#include "shell/error_trap.h"

namespace tarvolo {

VentanaPrograma::VentanaPrograma(const Servicios& servicios, QLatin1String nombre)
    : servicios_(servicios), nombre_(nombre) {}

void VentanaPrograma::cambiarA(const QString& otra) {
    atrapar(servicios_.mensajes, [&] { servicios_.ventanas.cambiar(nombre_, otra); });
}

void VentanaPrograma::descargarme() {
    servicios_.ventanas.descargar(nombre_);
}

void VentanaPrograma::fijarBotones(QPushButton* aceptar, QPushButton* cancelar) {
    aceptar_ = aceptar;
    cancelar_ = cancelar;
}

void VentanaPrograma::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (aceptar_ != nullptr && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
        aceptar_->click();
        return;
    }
    if (cancelar_ != nullptr && tecla == Qt::Key_Escape) {
        cancelar_->click();
        return;
    }
    QWidget::keyPressEvent(evento);
}

}  // namespace tarvolo
