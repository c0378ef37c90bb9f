#include "instancia_unica.h"

#include <cstdio>

#include "error_trap.h"
#include "nombres_ventanas.h"

namespace tarvolo {

bool cederALaQueCorre(CanalInstancia& canal, Servicios& servicios) {
    if (canal.avisarALaQueCorre()) return true;
    const bool escucha = canal.escuchar(
        [&servicios] { atrapar(servicios.mensajes, [&servicios] { servicios.ventanas.mostrar(kFrmHoy); }); });
    // The program works without the rule; only a second start would add a
    // second icon.
    if (!escucha)
        std::fputs("tarvolo: no se pudo abrir el canal local; cada inicio tendrá su icono.\n", stderr);
    return false;
}

}  // namespace tarvolo
