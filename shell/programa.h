#pragma once

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

}  // namespace tarvolo
