#include "ventanas_programa.h"

#include "calendario.h"
#include "frm_about.h"
#include "frm_dia.h"
#include "frm_hoy.h"
#include "frm_rango.h"
#include "frm_splash.h"
#include "impresion/impresora_qt.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {

VentanasDelPrograma::VentanasDelPrograma(Servicios& servicios)
    : servicios_(servicios), registro_(registroDelSistema()) {
    Ventanas& ventanas = servicios_.ventanas;
    ventanas.registrar(kFrmHoy, [this] { return new frmHoy(servicios_); });
    ventanas.registrar(kFrmDia, [this] {
        const Reloj& reloj = servicios_.reloj;
        return new frmDia(servicios_, [&reloj] { return std::make_unique<CalendarioQt>(reloj); });
    });
    ventanas.registrar(kFrmRango, [this] {
        return new frmRango(servicios_, [] { return std::make_unique<ImpresoraQt>(); });
    });
    ventanas.registrar(kFrmAbout, [this] { return new frmAbout(servicios_, *registro_, lanzador_); });
    ventanas.registrar(kFrmSplash, [this] { return new frmSplash(servicios_); });
}

// Windows still open hold references to the back ends: they go first.
VentanasDelPrograma::~VentanasDelPrograma() {
    servicios_.ventanas.descargarTodas();
}

}  // namespace tarvolo
