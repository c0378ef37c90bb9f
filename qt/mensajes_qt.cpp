#include "mensajes_qt.h"

#include <QMessageBox>

#include "disposicion.h"
#include "shell/programa.h"

namespace tarvolo {

void MensajesQt::mostrar(std::string_view texto) {
    QMessageBox caja(QMessageBox::NoIcon, aQt(kTituloPrograma), aQt(texto), QMessageBox::Ok);
    caja.exec();
}

}  // namespace tarvolo
