#pragma once

#include <QIcon>
#include <QString>

namespace tarvolo {

// The program's icon in its two sizes, 16x16 and 32x32.
QIcon iconoPrograma();

// The windows' pictures, compiled in.
enum class Imagen { Icono32, Banner, Emblema, EmblemaNombre, Logo, Impresora };

// A picture's path in the compiled-in resources.
inline QString rutaImagen(Imagen imagen) {
    // In the order of Imagen.
    static constexpr const char* kArchivos[] = {"icono32.png",        "banner.png", "emblema.png",
                                                "emblema_nombre.png", "logo.png",   "impresora.png"};
    return QStringLiteral(":/tarvolo/") + QLatin1String(kArchivos[static_cast<int>(imagen)]);
}

}  // namespace tarvolo
