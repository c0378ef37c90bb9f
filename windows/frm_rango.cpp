#include "frm_rango.h"

#include "impresion/imprimir_listado.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "tables/tablas.h"

namespace tarvolo {

namespace {

constexpr std::string_view kSemanas = "Semanas";
constexpr std::string_view kCuatrisemanas = "Cuatrisemanas";
constexpr std::string_view kAmbas = "Ambas";
constexpr std::string_view kClases[] = {kSemanas, kCuatrisemanas, kAmbas};

constexpr Control kControles[] = {
    // Decoration, first so that it lies under the controls.
    imagen("imgFondo", {0, 975, 4680, 5760 - 975}, Imagen::Banner, kEstirada),
    imagen("imgBanner", {960, 0, 2655, 975}, Imagen::EmblemaNombre, kEstirada),
    etiqueta("Label1", {240, 1200, 735, 255}, "Año"),
    caja("txtAnio", {240, 1440, 735, 315}, "Label1"),
    etiqueta("Label2", {1125, 1200, 1335, 255}, "Reporte"),
    combo("cboSem", {1120, 1440, 1575, 315}, kClases, "Label2"),
    boton("cmdMostrar", {2840, 1260, 975, 495}, "&Mostrar"),
    botonConImagen("cmdPrint", {3960, 1260, 495, 495}, Imagen::Impresora, "Imprimir"),
    cajaDeTexto("txtSemanas", {240, 1920, 4215, 3615}),
    cajaDeTexto("txtOculto", {}, "Text1", kOculto),
};

// "Por Año" is this window itself: shown, never chosen.
constexpr EntradaMenu kMenus[] = {
    menu("mnuArchivo", "&Archivo"),     item("mnuSalir", "&Salir"),
    menu("mnuEdit", "&Editar"),         item("mnuSelectAll", "Seleccionar &Todo"),
    menu("mnuSem", "Semanas"),          item("mnuActual", "Actual"),
    item("mnuDia", "Por Día"),          item("mnuAnio", "Por Año", false),
    item("mnuCanal", "Canal Endémico"), menu("mnuAbout", "Acerca de..."),
};

constexpr DisenoVentana kDiseno =
    fija(ventana(kFrmRango, "Semanas del año", {4680, 5760}, kControles, kMenus, "txtSemanas"));

using enum Evento;
const Manejador<frmRango> kManejadores[] = {
    {"cmdMostrar", Click, &frmRango::cmdMostrar_Click},     {"cmdPrint", Click, &frmRango::cmdPrint_Click},
    {"mnuSelectAll", Click, &frmRango::mnuSelectAll_Click}, {"mnuSalir", Click, &frmRango::mnuSalir_Click},
    {"mnuActual", Click, &frmRango::mnuActual_Click},       {"mnuDia", Click, &frmRango::mnuDia_Click},
    {"mnuAbout", Click, &frmRango::mnuAbout_Click},         {"mnuCanal", Click, &frmRango::mnuCanal_Click},
};

}  // namespace

frmRango::frmRango(const Servicios& servicios, FabricaImpresora fabricaImpresora)
    : FormularioDe(kDiseno, kManejadores, servicios), fabricaImpresora_(std::move(fabricaImpresora)) {}

void frmRango::Form_Load() {
    atrapar(servicios_.mensajes, [this] {
        fijarTexto("txtAnio", std::to_string(static_cast<int>(servicios_.reloj.hoy().year())));
        fijarTexto("cboSem", kSemanas);
    });
}

void frmRango::accionMostrar() {
    const std::string clase = texto("cboSem");
    const Parte anio(texto("txtAnio"));
    const Fecha hoy = servicios_.reloj.hoy();
    auto llenar = [&](std::string_view caja, Constructor constructor) {
        fijarTexto(caja, constructor(anio, hoy));
    };
    // The order matters when the year is rejected: the first builder fails
    // and neither box changes.
    if (clase == kSemanas) {
        llenar("txtOculto", ListadoSemanas);
        llenar("txtSemanas", TablaSemanas);
    } else if (clase == kCuatrisemanas) {
        llenar("txtSemanas", TablaCuatrisemanas);
        llenar("txtOculto", ListadoCuatrisemanas);
    } else if (clase == kAmbas) {
        llenar("txtSemanas", TablaAmbas);
        llenar("txtOculto", ListadoAmbas);
    }
}

void frmRango::cmdMostrar_Click() {
    atrapar(servicios_.mensajes, [this] { accionMostrar(); });
}

void frmRango::cmdPrint_Click() {
    // A rejected year is reported by the trap and the listing already shown
    // is printed all the same.
    atrapar(servicios_.mensajes, [this] { accionMostrar(); });
    imprimirListado(fabricaImpresora_, servicios_.mensajes, texto("txtOculto"), texto("cboSem"),
                    texto("txtAnio"));
}

void frmRango::mnuSelectAll_Click() {
    atrapar(servicios_.mensajes, [this] { ventana().seleccionarTodo("txtSemanas"); });
}

}  // namespace tarvolo
