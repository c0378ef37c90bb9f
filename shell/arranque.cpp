#include "frm_ini.h"
#include "nombres_ventanas.h"
#include "plataforma.h"
#include "temporizador_semana.h"
#include "windows/ventanas_programa.h"

namespace tarvolo {

int arrancar(Plataforma& plataforma) {
    Ventanas ventanas(plataforma.pantalla());
    Servicios servicios{ventanas, plataforma.mensajes(), plataforma.reloj()};
    const VentanasDelPrograma programa(
        servicios, [&plataforma] { return plataforma.impresora(); }, plataforma.registro(),
        plataforma.lanzador(),
        ServiciosCanal{plataforma.dialogos(), plataforma.hiloVentanas(), plataforma.escritorPng()});
    if (cederALaQueCorre(plataforma.canal(), servicios)) return 0;

    ventanas.registrar(kFrmIni, [&] {
        return std::make_unique<frmIni>(servicios, plataforma.bandeja(),
                                        [&plataforma] { plataforma.terminar(); });
    });
    ventanas.mostrar(kFrmIni);
    // At log-off or shut-down the icon leaves first, as with "Salir".
    plataforma.alTerminarSesion([&ventanas] { ventanas.descargar(kFrmIni); });

    // From then on the tooltip and the icon follow the week.
    const TemporizadorSemana semana(
        [&ventanas]() -> AdvSysTray* {
            const auto* ini = static_cast<const frmIni*>(ventanas.abierta(kFrmIni));
            return ini == nullptr ? nullptr : ini->bandeja();
        },
        plataforma.bandeja(), plataforma.reloj(), plataforma.alarma());
    return plataforma.bucle();
}

}  // namespace tarvolo
