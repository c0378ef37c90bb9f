#include "recursos_qt.h"

#include <QHash>
#include <QImageReader>

namespace tarvolo {

namespace {

// Told nothing of a picture, Qt loads every image plug-in (and the JPEG
// library) to ask each whether it reads it; the program's pictures are all
// PNG, which Qt reads itself.
QPixmap leerPng(const QString& ruta) {
    QImageReader lector(ruta, "png");
    lector.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lector.read());
}

QString rutaImagen(Imagen imagen) {
    const std::string_view archivo = archivoImagen(imagen);
    return QStringLiteral(":/tarvolo/") +
           QString::fromLatin1(archivo.data(), static_cast<qsizetype>(archivo.size()));
}

}  // namespace

QPixmap pixmapDeImagen(Imagen imagen) {
    return leerPng(rutaImagen(imagen));
}

QIcon iconoPrograma() {
    // One icon for the run, shared by every window: the sizes drawn from a
    // fresh one would be new to Qt's pixmap cache at each window, and it
    // keeps every key it is given.
    static const QIcon icono = [] {
        QIcon nuevo;
        nuevo.addPixmap(leerPng(QStringLiteral(":/tarvolo/icono16.png")));
        nuevo.addPixmap(pixmapDeImagen(Imagen::Icono32));
        return nuevo;
    }();
    return icono;
}

QIcon iconoDeImagen(Imagen imagen) {
    static QHash<int, QIcon> hechos;
    auto hecho = hechos.find(static_cast<int>(imagen));
    if (hecho == hechos.end()) hecho = hechos.insert(static_cast<int>(imagen), QIcon(pixmapDeImagen(imagen)));
    return *hecho;
}

}  // namespace tarvolo
