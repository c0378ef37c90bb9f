#include "recursos.h"

namespace tarvolo {

QIcon iconoPrograma() {
    QIcon icono;
    icono.addFile(QStringLiteral(":/tarvolo/icono16.png"), QSize(16, 16));
    icono.addFile(rutaImagen(Imagen::Icono32), QSize(32, 32));
    return icono;
}

}  // namespace tarvolo
