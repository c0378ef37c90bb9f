#pragma once

#include <QIcon>
#include <QString>

namespace tarvolo {

// The program's icon in its two sizes, 16x16 and 32x32.
QIcon iconoPrograma();

// The windows' pictures, by their paths in the compiled-in resources.
inline QString rutaIcono32() {
    return QStringLiteral(":/tarvolo/icono32.png");
}
inline QString rutaBanner() {
    return QStringLiteral(":/tarvolo/banner.png");
}
inline QString rutaEmblema() {
    return QStringLiteral(":/tarvolo/emblema.png");
}
inline QString rutaEmblemaNombre() {
    return QStringLiteral(":/tarvolo/emblema_nombre.png");
}
inline QString rutaLogo() {
    return QStringLiteral(":/tarvolo/logo.png");
}
inline QString rutaImpresora() {
    return QStringLiteral(":/tarvolo/impresora.png");
}

}  // namespace tarvolo
