#pragma once

#include <QString>
#include <ostream>

// Failed expectations show Qt strings as text, not as arrays of UTF-16 units.
inline void PrintTo(const QString& texto, std::ostream* os) {
    *os << '"' << texto.toStdString() << '"';
}
