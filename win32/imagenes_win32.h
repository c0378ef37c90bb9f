#pragma once

#include <windows.h>

#include "resources/recursos.h"

namespace tarvolo {

// A picture of the resources: the program's RT_BITMAP resource named after
// the picture's file without its extension ("banner" for banner.png). Loaded
// once and shared by every window for the rest of the run; null for
// Imagen::Ninguna or a picture the program does not carry, which then shows
// nothing.
HBITMAP cargarImagen(Imagen imagen);
// Whether a loaded picture has its own transparency (32 bits, premultiplied),
// to be drawn with GdiAlphaBlend.
bool tieneAlfa(HBITMAP imagen);

// The program's icon: its first icon group, or the system's application icon.
HICON iconoPrograma();

}  // namespace tarvolo
