#include "frm_about.h"

#include "creditos.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"
#include "sistema/info_sistema.h"
#include "sistema/registro.h"

namespace tarvolo {

namespace {

constexpr Letra kNegrita{kCaraInterfaz, 8.25, true};

constexpr Control kControles[] = {
    imagen("Picture1", {240, 240, 480, 480}, Imagen::Icono32, kEstirada),
    imagen("Image2", {120, 900, 780, 228}, Imagen::Logo, kEstirada),
    // The banner first, so the organisation's lines lie on it.
    imagen("Image3", {1050, 1500, 3735, 1140}, Imagen::Banner, kEstirada),
    imagen("Image1", {4980, 1560, 675, 945}, Imagen::Emblema, kEstirada),
    etiqueta("lblTitle", {1050, 240, 3735, 480}, "Semanas Epidemiológicas", {"Arial", 12, true}),
    etiqueta("lblVersion", {1050, 720, 3735, 225}, "Versión 1.0", {"Arial", 8.25, true}),
    etiqueta("lblDescription", {1050, 1005, 3735, 435},
             "Aplicación que permite averiguar semanas epidemiológicas.", {}, kVariasLineas),
    etiqueta("lblDir", {1200, 1560, 3000, 240}, kCreditos.departamento, kNegrita),
    etiqueta("Label1", {1200, 1800, 3000, 240}, kCreditos.ministerio, kNegrita),
    etiqueta("Label3", {1200, 2040, 3000, 240}, kCreditos.pais, kNegrita),
    etiqueta("Label2", {1200, 2310, 3000, 240}, "Octubre de 2004"),
    // An etched separator: a grey line over a white one.
    linea("Line1", {225, 2820, 5550, 30}),
    etiqueta("lblAutor", {255, 3000, 3800, 255}, kCreditos.desarrollo),
    etiqueta("lblmail", {255, 3255, 3800, 255}, kCreditos.correo),
    etiqueta("lblDisclaimer", {255, 3540, 3800, 400}, {}, {}, kVariasLineas),
    // Both the default and the cancel button: Enter and Esc press it.
    boton("cmdOK", {4245, 3000, 1500, 375}, "Aceptar", kPredeterminado | kCancelar),
    boton("cmdSysInfo", {4245, 3480, 1500, 375}, "&Información..."),
};

constexpr std::string_view kOrdenTab[] = {"cmdOK", "cmdSysInfo"};

constexpr DisenoVentana kDiseno =
    dialogo(ventana(kFrmAbout, "Acerca de Tarvolo", {6000, 4020}, kControles, {}, "cmdOK", kOrdenTab));

using enum Evento;
const Manejador<frmAbout> kManejadores[] = {
    {"cmdOK", Click, &frmAbout::cmdOK_Click},
    {"cmdSysInfo", Click, &frmAbout::cmdSysInfo_Click},
};

}  // namespace

frmAbout::frmAbout(const Servicios& servicios, Registro& registro, Lanzador& lanzador)
    : FormularioDe(kDiseno, kManejadores, servicios), registro_(registro), lanzador_(lanzador) {}

void frmAbout::Form_Load() {
    ventana().fijarTitulo("Acerca de " + std::string(kTituloPrograma));
    fijarTexto("lblVersion", "Versión " + textoVersion());
    fijarTexto("lblTitle", kTituloPrograma);
}

void frmAbout::StartSysInfo() {
    // Through GetKeyValue, so the button reads the registry as that operation does.
    iniciarInfoSistema([this](std::uint32_t raiz, const std::string& clave, const std::string& nombre,
                              std::string& valor) { return GetKeyValue(raiz, clave, nombre, valor); },
                       lanzador_, servicios_.mensajes);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                           std::string& KeyVal) {
    return leerValorRegistro(registro_, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

}  // namespace tarvolo
