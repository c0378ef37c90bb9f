#include "mensajes.h"

#include <QMessageBox>

#include "programa.h"

namespace tarvolo {

void MensajesQt::mostrar(const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, tituloPrograma(), texto, QMessageBox::Ok);
    caja.exec();
}

}  // namespace tarvolo
