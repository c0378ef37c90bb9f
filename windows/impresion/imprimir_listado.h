#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "impresora.h"
#include "shell/mensajes.h"

namespace tarvolo {

using FabricaImpresora = std::function<std::unique_ptr<Impresora>()>;

// "Tarvolo  Versión 1.3.2 - Ordalen - Brevanto - Castmara."
QString textoPie();

// What the user is told once the listing went to the printer. `clase` and
// `anio` are the year window's kind and year texts as they stand.
QString textoConfirmacion(const QString& clase, const QString& anio);

// The only thing the user is told of any printer failure.
QString textoProblemaImpresion();

// Prints the listing centred from top to bottom in 12-point bold with the
// footer in 8 points centred on the line under it, ends the document and
// confirms; any failure of the printer shows only textoProblemaImpresion().
void imprimirListado(Impresora& impresora, Mensajes& mensajes, const QString& listado, const QString& clase,
                     const QString& anio);

// The same on a printer made for this press; a printer that cannot be made
// is one more printer failure.
void imprimirListado(const FabricaImpresora& fabrica, Mensajes& mensajes, const QString& listado,
                     const QString& clase, const QString& anio);

}  // namespace tarvolo
