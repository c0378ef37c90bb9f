#pragma once

#include <string>
#include <string_view>

#include "servicios/impresora.h"
#include "servicios/mensajes.h"

namespace tarvolo {

// "Tarvolo  Versión 1.3.2 - Ordalen - Brevanto - Castmara."
std::string textoPie();

// What the user is told once the listing went to the printer. `clase` and
// `anio` are the year window's kind and year texts as they stand.
std::string textoConfirmacion(std::string_view clase, std::string_view anio);

// The only thing the user is told of any printer failure.
inline constexpr std::string_view kTextoProblemaImpresion = "Hubo un problema al imprimir.";

// Prints the listing centred from top to bottom in 12-point bold with the
// footer in 8 points centred on the line under it, ends the document and
// confirms; any failure of the printer shows only kTextoProblemaImpresion.
void imprimirListado(Impresora& impresora, Mensajes& mensajes, std::string_view listado,
                     std::string_view clase, std::string_view anio);

// The same on a printer made for this press; a printer that cannot be made
// is one more printer failure.
void imprimirListado(const FabricaImpresora& fabrica, Mensajes& mensajes, std::string_view listado,
                     std::string_view clase, std::string_view anio);

}  // namespace tarvolo
