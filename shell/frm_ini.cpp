#include "frm_ini.h"

#include "calendar/semana_epi.h"
#include "error_trap.h"
#include "nombres_ventanas.h"
#include "programa.h"

namespace tarvolo {

namespace {

// "Cancelar" only closes the menu.
constexpr EntradaMenu kMenus[] = {
    menuEmergente("mnuMenu", "Menu"),
    item("mnuHoy", "Ver Semana Epidemiológica Actual"),
    item("mnuDia", "Buscar Semana Epidemiológica por Día"),
    item("mnuAnio", "Ver Semanas Epidemiológicas del Año"),
    item("mnuCanal", "Ver Canal Endémico..."),
    item("relleno", "-"),
    item("mnuCancelar", "Cancelar"),
    item("relleno2", "-"),
    item("mnuAbout", "Acerca de..."),
    item("mnuExit", "Salir"),
};

constexpr DisenoVentana kDiseno = oculta(kFrmIni, kTituloPrograma, kMenus);

using enum Evento;
const Manejador<frmIni> kManejadores[] = {
    {"mnuHoy", Click, &frmIni::mnuHoy_Click},     {"mnuDia", Click, &frmIni::mnuDia_Click},
    {"mnuAnio", Click, &frmIni::mnuAnio_Click},   {"mnuAbout", Click, &frmIni::mnuAbout_Click},
    {"mnuCanal", Click, &frmIni::mnuCanal_Click}, {"mnuExit", Click, &frmIni::mnuExit_Click},
};

}  // namespace

frmIni::frmIni(Servicios& servicios, Bandeja& bandeja, std::function<void()> finDelPrograma)
    : FormularioDe(kDiseno, kManejadores),
      servicios_(servicios),
      bandeja_(bandeja),
      finDelPrograma_(std::move(finDelPrograma)) {}

frmIni::~frmIni() = default;

void frmIni::Form_Load() {
    atrapar(servicios_.mensajes, [this] {
        // Trays that only show a menu the item publishes need it with the icon.
        bandeja_.exportarMenu(ventana(), "mnuMenu");
        ast = std::make_unique<AdvSysTray>(bandeja_, servicios_.reloj);
        ast->LButtonUp = [this] { ast_LButtonUp(); };
        ast->RButtonUp = [this] { ast_RButtonUp(); };
        ast->Create(ventana());
        saludar();
        servicios_.ventanas.mostrar(kFrmSplash);
    });
    // Without the notification area nothing could reach the program or end
    // it; it works through its windows instead.
    if (!ast || !ast->registrado()) atrapar(servicios_.mensajes, [this] { mostrarSinBandeja(); });
}

void frmIni::mostrarSinBandeja() {
    sinBandeja_ = true;
    servicios_.ventanas.terminarConLaUltima([this] { descargar(); });
    servicios_.ventanas.mostrar(kFrmHoy);
    servicios_.mensajes.mostrar(kTextoSinBandeja);
}

void frmIni::saludar() {
    const auto semana = SemanaEpi(servicios_.reloj.hoy());
    ast->ShowBalloon("Semana Epidemiológica Actual: " + std::to_string(semana),
                     std::string(kTituloPrograma) + " Versión " + textoVersion(), 1);
}

void frmIni::ast_LButtonUp() {
    atrapar(servicios_.mensajes, [this] { saludar(); });
}

void frmIni::ast_RButtonUp() {
    atrapar(servicios_.mensajes, [this] { ventana().menuEmergente("mnuMenu"); });
}

void frmIni::mostrarSolo(std::string_view elegida, std::initializer_list<std::string_view> otras) {
    servicios_.ventanas.mostrar(elegida);
    for (const std::string_view otra : otras) servicios_.ventanas.descargar(otra);
}

void frmIni::mnuHoy_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmHoy, {kFrmDia, kFrmRango, kFrmCanal}); });
}

void frmIni::mnuDia_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmDia, {kFrmRango, kFrmHoy, kFrmCanal}); });
}

void frmIni::mnuAnio_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmRango, {kFrmDia, kFrmHoy, kFrmCanal}); });
}

void frmIni::mnuCanal_Click() {
    atrapar(servicios_.mensajes, [this] { mostrarSolo(kFrmCanal, {kFrmRango, kFrmDia, kFrmHoy}); });
}

void frmIni::mnuAbout_Click() {
    atrapar(servicios_.mensajes, [this] { servicios_.ventanas.mostrar(kFrmAbout); });
}

void frmIni::mnuExit_Click() {
    atrapar(servicios_.mensajes, [this] { descargar(); });
}

void frmIni::descargar() {
    servicios_.ventanas.descargar(kFrmIni);
}

void frmIni::Form_QueryUnload() {
    // The request is never refused and its reason is not looked at.
    atrapar(servicios_.mensajes, [this] {
        if (!ast) return;
        ast->Destroy();
        ast.reset();  // its own Destroy finds nothing left to do
    });
}

void frmIni::Form_Unload() {
    // At once: the open windows vanish without their own close handlers.
    atrapar(servicios_.mensajes, [this] {
        servicios_.ventanas.descargarTodas();
        if (finDelPrograma_) finDelPrograma_();
    });
}

}  // namespace tarvolo
