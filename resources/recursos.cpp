#include "recursos.h"

namespace tarvolo {

QIcon iconoPrograma() {
    // One icon for the run, shared by every window: the sizes drawn from a
    // fresh one would be new to Qt's pixmap cache at each window, and it
    // keeps every key it is given.
    static const QIcon icono = [] {
        QIcon nuevo;
        nuevo.addFile(QStringLiteral(":/tarvolo/icono16.png"), QSize(16, 16));
        nuevo.addFile(rutaImagen(Imagen::Icono32), QSize(32, 32));
        return nuevo;
    }();
    return icono;
}

}  // namespace tarvolo
