#pragma once

#include <QString>

#include "impresora.h"
#include "shell/mensajes.h"

namespace tarvolo {

// Prints the listing centred from top to bottom with the footer under it,
// ends the document and confirms; any printer failure shows only
// "Hubo un problema al imprimir.". `clase` and `anio` are the year window's
// kind and year texts as they stand.
void imprimirListado(Impresora& impresora, Mensajes& mensajes, const QString& listado, const QString& clase,
                     const QString& anio);

}  // namespace tarvolo
