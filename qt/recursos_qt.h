#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include "resources/recursos.h"

namespace tarvolo {

// The program's icon in its two sizes, 16x16 and 32x32.
QIcon iconoPrograma();

// A picture as a window shows it.
QPixmap pixmapDeImagen(Imagen imagen);

// A picture as a button shows it: one icon for the run, as iconoPrograma.
QIcon iconoDeImagen(Imagen imagen);

}  // namespace tarvolo
