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

// The organisations she wrote it for, as the windows and the printed footer
// name them: her department, its ministry and their country.
inline QString departamentoDelAutor() {
    return QStringLiteral("Ordalen");
}
inline QString ministerioDelAutor() {
    return QStringLiteral("Brevanto");
}
inline QString paisDelAutor() {
    return QStringLiteral("Castmara");
}

}  // namespace tarvolo
