#pragma once

#include <string>

#include "cli/canal.h"
#include "servicios/dibujo.h"
#include "servicios/impresora.h"
#include "servicios/mensajes.h"

namespace tarvolo {

// "Semana 49 (29/11/2026 al 05/12/2026): 37 casos, zona de alerta" for the
// last week with cases; "Sin casos en 2026." when no week has any.
std::string textoVeredicto(const Canal& canal);

// The chart alone, as the window and a saved file show it.
Dibujo graficoCanal(const Canal& canal);

// The printed page, 11 x 8.5 inches across: the chart, the table of limits
// in two blocks of weeks under it, and the year listings' footer.
Dibujo paginaCanal(const Canal& canal);

// What the user is told once the page went to the printer.
std::string textoConfirmacionCanal(int anio);

// Prints the page on a printer made for this press and confirms; any
// failure of the printer, or one that cannot be made, shows only the year
// listings' printer message.
void imprimirCanal(const FabricaImpresora& fabrica, Mensajes& mensajes, const Canal& canal);

}  // namespace tarvolo
