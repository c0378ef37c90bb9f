#pragma once

#include <QFont>
#include <QString>

namespace tarvolo {

// Program identity, shown in captions, balloons, the About and splash windows
// and the printed footer.
inline constexpr int kVersionMayor = 1;
inline constexpr int kVersionMenor = 3;
inline constexpr int kVersionRevision = 2;

inline QString tituloPrograma() {
    return QStringLiteral("Tarvolo");
}

// "1.3.2": three decimal numbers, no leading zeros.
inline QString textoVersion() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMayor).arg(kVersionMenor).arg(kVersionRevision);
}

// The interface font the windows were laid out for, 8.25-point sans-serif:
// their labels have fixed sizes, which a desktop's larger default overflows.
inline QFont fuenteDeInterfaz() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    return f;
}

}  // namespace tarvolo
