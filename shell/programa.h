#pragma once

#include <QFont>
#include <QString>

#include "version/version.h"

namespace tarvolo {

// Program identity, shown in captions, balloons, the About and splash windows
// and the printed footer.

inline QString tituloPrograma() {
    return QStringLiteral("Tarvolo");
}

inline QString textoVersion() {
    return QString::fromLatin1(kTextoVersion.data(), static_cast<qsizetype>(kTextoVersion.size()));
}

// The face the windows were laid out in; where it is missing, any
// sans-serif stands in.
inline QString caraDeInterfaz() {
    return QStringLiteral("MS Sans Serif");
}

// The interface font the windows were laid out for, 8.25-point sans-serif:
// their labels have fixed sizes, which a desktop's larger default overflows.
inline QFont fuenteDeInterfaz() {
    QFont f(caraDeInterfaz());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    return f;
}

}  // namespace tarvolo
