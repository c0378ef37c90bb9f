#pragma once

#include <QIcon>

namespace tarvolo {

// The program's icon in its two sizes, 16x16 and 32x32.
QIcon iconoPrograma();

}  // namespace tarvolo
