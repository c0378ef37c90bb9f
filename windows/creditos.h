#pragma once

#include <QString>

namespace tarvolo {

// Who wrote the program and how to reach her, as the About and splash
// windows credit it.
inline QString creditoDesarrollo() {
    return QStringLiteral("Desarrollo: Ana Quintanar");
}
inline QString correoDesarrollo() {
    return QStringLiteral("ana.quintanar@ordalen.example");
}

}  // namespace tarvolo
