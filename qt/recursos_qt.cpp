#include "recursos_qt.h"

#include <QHash>

namespace tarvolo {

QString rutaImagen(Imagen imagen) {
    const std::string_view archivo = archivoImagen(imagen);
    return QStringLiteral(":/tarvolo/") +
           QString::fromLatin1(archivo.data(), static_cast<qsizetype>(archivo.size()));
}

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

QIcon iconoDeImagen(Imagen imagen) {
    static QHash<int, QIcon> hechos;
    auto hecho = hechos.find(static_cast<int>(imagen));
    if (hecho == hechos.end()) hecho = hechos.insert(static_cast<int>(imagen), QIcon(rutaImagen(imagen)));
    return *hecho;
}

}  // namespace tarvolo
