#include "frm_hoy.h"

#include "calendar/describir_dia.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {

namespace {

constexpr Control kControles[] = {
    imagen("Picture2", {1328, 120, 2535, 975}, Imagen::EmblemaNombre),
    imagen("Image1", {165, 1320, 4860, 1170}, Imagen::Banner, kEstirada),
    // After the banner, so that it lies on top of it.
    etiqueta("lblSemana", {165, 1320, 4860, 1170}, {}, {kCaraInterfaz, 9.75}, kCentrado),
    boton("cmdAceptar", {1680, 2760, 1815, 495}, "&Aceptar", kPredeterminado),
};

constexpr EntradaMenu kMenus[] = {
    menu("mnuArchivo", "&Archivo"),    item("mnuSalir", "&Salir"), menu("mnuSemanas", "&Semanas"),
    item("mnuAnio", "Por A&ño"),       item("mnuDia", "&Por Día"), item("mnuCanal", "&Canal Endémico"),
    menu("mnuAbout", "A&cerca de..."),
};

// The only control that takes the focus has it when the window opens.
constexpr DisenoVentana kDiseno =
    ventana(kFrmHoy, "Semana Actual", {5190, 3525}, kControles, kMenus, "cmdAceptar");

using enum Evento;
const Manejador<frmHoy> kManejadores[] = {
    {"cmdAceptar", Click, &frmHoy::cmdAceptar_Click}, {"mnuSalir", Click, &frmHoy::mnuSalir_Click},
    {"mnuAnio", Click, &frmHoy::mnuAnio_Click},       {"mnuDia", Click, &frmHoy::mnuDia_Click},
    {"mnuCanal", Click, &frmHoy::mnuCanal_Click},     {"mnuAbout", Click, &frmHoy::mnuAbout_Click},
};

}  // namespace

frmHoy::frmHoy(const Servicios& servicios) : FormularioDe(kDiseno, kManejadores, servicios) {}

void frmHoy::Form_Load() {
    atrapar(servicios_.mensajes, [&] { fijarTexto("lblSemana", DescribirDia(servicios_.reloj.hoy())); });
}

void frmHoy::mnuAbout_Click() {
    atrapar(servicios_.mensajes, [&] { servicios_.ventanas.mostrar(kFrmAbout); });
}

}  // namespace tarvolo
