#include "ventanas_programa.h"

#include "frm_about.h"
#include "frm_canal.h"
#include "frm_dia.h"
#include "frm_hoy.h"
#include "frm_rango.h"
#include "frm_splash.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {

VentanasDelPrograma::VentanasDelPrograma(Servicios& servicios, FabricaImpresora impresora, Registro& registro,
                                         Lanzador& lanzador, ServiciosCanal canal)
    : servicios_(servicios) {
    Ventanas& ventanas = servicios_.ventanas;
    ventanas.registrar(kFrmHoy, [this] { return std::make_unique<frmHoy>(servicios_); });
    ventanas.registrar(kFrmDia, [this] { return std::make_unique<frmDia>(servicios_); });
    ventanas.registrar(kFrmRango,
                       [this, impresora] { return std::make_unique<frmRango>(servicios_, impresora); });
    ventanas.registrar(kFrmCanal, [this, impresora = std::move(impresora), canal = std::move(canal)] {
        return std::make_unique<frmCanal>(servicios_, impresora, canal);
    });
    ventanas.registrar(kFrmAbout, [this, &registro, &lanzador] {
        return std::make_unique<frmAbout>(servicios_, registro, lanzador);
    });
    ventanas.registrar(kFrmSplash, [this] { return std::make_unique<frmSplash>(servicios_); });
}

// Windows still open hold references to the back ends: they go first.
VentanasDelPrograma::~VentanasDelPrograma() {
    servicios_.ventanas.descargarTodas();
}

}  // namespace tarvolo
