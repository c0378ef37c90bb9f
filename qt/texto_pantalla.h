#pragma once

#include <QString>
#include <string>

namespace tarvolo {

// The calendar's UTF-8 text as a label shows it: a label breaks lines at LF
// and would draw the CR of each CR LF as a stray blank.
inline QString textoEnPantalla(const std::string& texto) {
    return QString::fromStdString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace tarvolo
