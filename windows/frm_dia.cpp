#include "frm_dia.h"

#include "calendar/describir_dia.h"
#include "calendar/semana_epi.h"
#include "creditos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {

namespace {

constexpr Control kControles[] = {
    imagen("Image1", {0, 285, 4620, 570}, Imagen::Banner, kEstirada),
    imagen("Image2", {120, 0, 675, 945}, Imagen::Emblema),
    etiqueta("Label1", {960, 360, 3255, 375}, kCreditos.departamento, {kCaraInterfaz, 8.25, true}),
    etiqueta("Label5", {960, 600, 3255, 375}, kCreditos.ministerio),
    calendario("Calendar1", {675, 960, 3240, 2535}),
    etiqueta("Label2", {645, 3480, 615, 255}, "Día", {}, kCentrado),
    etiqueta("Label3", {1845, 3480, 615, 255}, "Mes", {}, kCentrado),
    etiqueta("Label4", {3045, 3480, 615, 255}, "Año", {}, kCentrado),
    // The boxes take any text: no length limit, no character filter.
    caja("txtDia", {765, 3720, 375, 285}, "Label2"),
    caja("txtMes", {1965, 3720, 375, 285}, "Label3"),
    caja("txtAnio", {2925, 3720, 855, 285}, "Label4"),
    imagen("Image3", {0, 4005, 4620, 1650}, Imagen::Banner, kEstirada),
    etiqueta("lblSem", {360, 4170, 3855, 405}, {}, {kCaraInterfaz, 9.75, true}, kCentrado),
    etiqueta("lblSemana", {375, 4560, 3855, 975}, {}, {}, kCentrado),
};

// "Por Día" is this window itself: shown, greyed, no action.
constexpr EntradaMenu kMenus[] = {
    menu("mnuArchivo", "&Archivo"),     item("mnuExit", "&Salir"),       menu("mnuSemanas", "Semanas"),
    item("mnuActual", "Actual"),        item("mnuAnio", "Por Año"),      item("mnuDia", "Por Día", false),
    item("mnuCanal", "Canal Endémico"), menu("mnuAbout", "Acerca de.."),
};

constexpr std::string_view kOrdenTab[] = {"txtMes", "txtAnio", "Calendar1", "txtDia"};

constexpr DisenoVentana kDiseno =
    ventana(kFrmDia, "Buscar Semana Por Día", {4605, 5685}, kControles, kMenus, "txtMes", kOrdenTab);

using enum Evento;
const Manejador<frmDia> kManejadores[] = {
    {"txtDia", Change, &frmDia::txtDia_Change},   {"txtMes", Change, &frmDia::txtMes_Change},
    {"txtAnio", Change, &frmDia::txtAnio_Change}, {"Calendar1", Click, &frmDia::Calendar1_Click},
    {"mnuExit", Click, &frmDia::mnuExit_Click},   {"mnuActual", Click, &frmDia::mnuActual_Click},
    {"mnuAnio", Click, &frmDia::mnuAnio_Click},   {"mnuCanal", Click, &frmDia::mnuCanal_Click},
    {"mnuAbout", Click, &frmDia::mnuAbout_Click},
};

std::string textoSemana(unsigned semana) {
    return "Semana Epidemiológica " + std::to_string(semana);
}

}  // namespace

frmDia::frmDia(const Servicios& servicios) : FormularioDe(kDiseno, kManejadores, servicios) {}

void frmDia::Form_Load() {
    atrapar(servicios_.mensajes, [&] {
        const Fecha hoy = servicios_.reloj.hoy();
        // Each assignment re-evaluates the boxes; the first two see a
        // half-filled date and pass over silently.
        fijarTexto("txtDia", std::to_string(static_cast<unsigned>(hoy.day())));
        fijarTexto("txtMes", std::to_string(static_cast<unsigned>(hoy.month())));
        fijarTexto("txtAnio", std::to_string(static_cast<int>(hoy.year())));
        fijarTexto("lblSem", textoSemana(SemanaEpi(hoy)));
        fijarTexto("lblSemana", DescribirDia(hoy));
        ventana().calendario("Calendar1").irAHoy();
    });
}

void frmDia::reevaluarCajas() {
    atraparSalvoFechaInvalida(servicios_.mensajes, [&] {
        const Fecha hoy = servicios_.reloj.hoy();
        // Each box's raw text, whatever it holds.
        const Parte dia(texto("txtDia")), mes(texto("txtMes")), anio(texto("txtAnio"));
        fijarTexto("lblSem", textoSemana(SemanaEpi(hoy, dia, mes, anio)));
        fijarTexto("lblSemana", DescribirDia(hoy, dia, mes, anio));
        ventana().calendario("Calendar1").fijarValor(ArmarFecha(hoy, dia, mes, anio));
    });
}

void frmDia::Calendar1_Click() {
    atrapar(servicios_.mensajes, [&] {
        const Fecha elegida = ventana().calendario("Calendar1").valor();
        const int dia = static_cast<int>(static_cast<unsigned>(elegida.day()));
        const int mes = static_cast<int>(static_cast<unsigned>(elegida.month()));
        const int anio = static_cast<int>(elegida.year());
        // Box by box: each assignment re-evaluates with the others as they are.
        fijarTexto("txtDia", std::to_string(dia));
        fijarTexto("txtMes", std::to_string(mes));
        fijarTexto("txtAnio", std::to_string(anio));
        const Fecha hoy = servicios_.reloj.hoy();
        fijarTexto("lblSemana", DescribirDia(hoy, dia, mes, anio));
        fijarTexto("lblSem", textoSemana(SemanaEpi(hoy, dia, mes, anio)));
    });
}

}  // namespace tarvolo
