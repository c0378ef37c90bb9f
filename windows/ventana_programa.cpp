#include "ventana_programa.h"

#include "shell/error_trap.h"

namespace tarvolo {

void VentanaPrograma::cambiarA(std::string_view otra) {
    atrapar(servicios_.mensajes, [&] { servicios_.ventanas.cambiar(nombre(), otra); });
}

void VentanaPrograma::descargarme() {
    servicios_.ventanas.descargar(nombre());
}

void VentanaPrograma::cerrar() {
    atrapar(servicios_.mensajes, [&] { descargarme(); });
}

}  // namespace tarvolo
