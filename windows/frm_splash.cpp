#include "frm_splash.h"

#include "creditos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"

namespace tarvolo {

namespace {

constexpr std::string_view kArial = "Arial";

// Inside Frame1 every place is relative to it. A click on a label or picture
// stays there instead of reaching the frame.
constexpr Control kControles[] = {
    temporizador("Timer1", frmSplash::kIntervaloMs),
    marco("Frame1", {120, 120, 7200, 4005}, kBlanco),
    imagen("Picture3", {120, 120, 3750, 1095}, Imagen::Logo, 0, "Frame1"),
    imagen("Picture2", {4560, 120, 2295, 1095}, Imagen::Banner, kEstirada, "Frame1"),
    etiqueta("lblProductName", {1680, 1740}, "Producto", {kArial, 26.25, true}, kAutoajuste, "Frame1"),
    etiqueta("Label1", {1680, 2280, 4095, 735}, "Semanas Epidemiológicas", {kCaraInterfaz, 13.5}, 0,
             "Frame1"),
    // Sized to its text and right-aligned: it grows to the left, so the
    // longer line stays inside the frame.
    etiqueta("lblVersion", {6000, 3300}, "Versión", {kArial, 12, true}, kAutoajuste | kDerecha, "Frame1"),
    etiqueta("lblWarning", {120, 3660, 4215, 315}, kCreditos.desarrollo, {kArial, 8.25}, 0, "Frame1"),
    etiqueta("Label2", {2880, 3660, 2055, 255}, kCreditos.pais, {kCaraInterfaz, 8.25, true}, 0, "Frame1"),
    etiqueta("lblLicenseTo", {4200, 3660, 2775, 255}, {}, {kArial, 8.25}, kDerecha, "Frame1"),
};

constexpr DisenoVentana kDiseno =
    presentacion(ventana(kFrmSplash, kTituloPrograma, {7380, 4245}, kControles));

using enum Evento;
const Manejador<frmSplash> kManejadores[] = {
    {"", KeyPress, &frmSplash::Form_KeyPress},
    {"Timer1", Timer, &frmSplash::Timer1_Timer},
    {"Frame1", Click, &frmSplash::Frame1_Click},
};

}  // namespace

frmSplash::frmSplash(const Servicios& servicios) : FormularioDe(kDiseno, kManejadores, servicios) {}

void frmSplash::Form_Load() {
    atrapar(servicios_.mensajes, [&] {
        fijarTexto("lblVersion", "Versión " + textoVersion());
        fijarTexto("lblProductName", kTituloPrograma);
    });
}

void frmSplash::terminar() {
    atrapar(servicios_.mensajes, [&] {
        ventana().detener("Timer1");
        descargarme();
    });
}

}  // namespace tarvolo
