#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/recursos.h"

namespace tarvolo {

// A form as it was designed: its controls with their designed values, its
// menus and its frame. Lengths are twips (1/1440 inch), as the forms were
// laid out; a back end turns them into its own units. Every text is UTF-8.

struct Lugar {
    int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
};

// A face (empty: the interface's own), a size in points (0: the
// interface's) and the weight.
struct Letra {
    std::string_view cara = {};
    double puntos = 0;
    bool negrita = false;
};

// The face the windows were laid out in; where it is missing, any
// sans-serif stands in. Its size is the interface's.
inline constexpr std::string_view kCaraInterfaz = "MS Sans Serif";
inline constexpr double kPuntosInterfaz = 8.25;

enum class Clase : std::uint8_t {
    Etiqueta,      // a caption
    Imagen,        // a picture of the resources
    Caja,          // a one-line text box
    Texto,         // a multi-line text box with a vertical scroll bar
    Boton,         // a push button, with a caption or a picture
    Combo,         // a list whose text the user may also type
    Marco,         // a frame that holds other controls and can be clicked
    Linea,         // an etched separator
    Calendario,    // a month calendar
    Grafico,       // a drawing, fitted to the control on white
    Temporizador,  // a timer: nothing on screen
};

// What a control does beyond its kind, as bits.
enum Estilo : std::uint32_t {
    kCentrado = 1u << 0,        // labels: centred, from the top
    kDerecha = 1u << 1,         // labels: right-aligned, from the top
    kAutoajuste = 1u << 2,      // labels: as big as their text; a right-aligned one grows leftwards
    kVariasLineas = 1u << 3,    // labels: long lines break at words
    kEstirada = 1u << 4,        // pictures: stretched to the control (else at their own size)
    kOculto = 1u << 5,          // never shown
    kPredeterminado = 1u << 6,  // buttons: Enter presses it wherever the focus is
    kCancelar = 1u << 7,        // buttons: Esc presses it
    kBlanco = 1u << 8,          // frames: a white background
};

struct Control {
    std::string_view nombre;
    Clase clase;
    Lugar lugar = {};
    std::string_view texto = {};  // caption, or the design text of a box
    Letra letra = {};
    std::uint32_t estilo = 0;
    Imagen imagen = Imagen::Ninguna;               // a picture, or a button's picture
    std::string_view ayuda = {};                   // tool tip, and the name a screen reader says
    std::string_view dentro = {};                  // the frame that holds it; empty: the form
    std::string_view rotulo = {};                  // the label above it, which names it
    std::span<const std::string_view> lista = {};  // a combo box's entries
    int intervalo = 0;                             // a timer's, in milliseconds
};

// The controls of a design table, one kind each, with their designed values
// in the order the tables give them.
constexpr Control etiqueta(std::string_view nombre, Lugar lugar, std::string_view texto = {},
                           Letra letra = {}, std::uint32_t estilo = 0, std::string_view dentro = {}) {
    return {.nombre = nombre,
            .clase = Clase::Etiqueta,
            .lugar = lugar,
            .texto = texto,
            .letra = letra,
            .estilo = estilo,
            .dentro = dentro};
}
constexpr Control imagen(std::string_view nombre, Lugar lugar, Imagen imagen, std::uint32_t estilo = 0,
                         std::string_view dentro = {}) {
    return {.nombre = nombre,
            .clase = Clase::Imagen,
            .lugar = lugar,
            .estilo = estilo,
            .imagen = imagen,
            .dentro = dentro};
}
constexpr Control caja(std::string_view nombre, Lugar lugar, std::string_view rotulo = {}) {
    return {.nombre = nombre, .clase = Clase::Caja, .lugar = lugar, .rotulo = rotulo};
}
constexpr Control cajaDeTexto(std::string_view nombre, Lugar lugar, std::string_view texto = {},
                              std::uint32_t estilo = 0) {
    return {.nombre = nombre, .clase = Clase::Texto, .lugar = lugar, .texto = texto, .estilo = estilo};
}
constexpr Control boton(std::string_view nombre, Lugar lugar, std::string_view texto,
                        std::uint32_t estilo = 0) {
    return {.nombre = nombre, .clase = Clase::Boton, .lugar = lugar, .texto = texto, .estilo = estilo};
}
constexpr Control botonConImagen(std::string_view nombre, Lugar lugar, Imagen imagen,
                                 std::string_view ayuda) {
    return {.nombre = nombre, .clase = Clase::Boton, .lugar = lugar, .imagen = imagen, .ayuda = ayuda};
}
constexpr Control combo(std::string_view nombre, Lugar lugar, std::span<const std::string_view> lista,
                        std::string_view rotulo = {}) {
    return {.nombre = nombre, .clase = Clase::Combo, .lugar = lugar, .rotulo = rotulo, .lista = lista};
}
constexpr Control marco(std::string_view nombre, Lugar lugar, std::uint32_t estilo = 0) {
    return {.nombre = nombre, .clase = Clase::Marco, .lugar = lugar, .estilo = estilo};
}
constexpr Control linea(std::string_view nombre, Lugar lugar) {
    return {.nombre = nombre, .clase = Clase::Linea, .lugar = lugar};
}
constexpr Control calendario(std::string_view nombre, Lugar lugar) {
    return {.nombre = nombre, .clase = Clase::Calendario, .lugar = lugar};
}
constexpr Control grafico(std::string_view nombre, Lugar lugar) {
    return {.nombre = nombre, .clase = Clase::Grafico, .lugar = lugar};
}
constexpr Control temporizador(std::string_view nombre, int intervalo) {
    return {.nombre = nombre, .clase = Clase::Temporizador, .intervalo = intervalo};
}

// One entry of a form's menus: level 0 is a menu of the bar (or a menu
// that is not visible and only pops up), level 1 an item of the last menu
// above it. A level-0 entry with no items acts when chosen. A caption's "&"
// marks the access key; the caption "-" is a separator.
struct EntradaMenu {
    std::string_view nombre;
    std::string_view texto;
    int nivel = 0;
    bool habilitada = true;
    bool visible = true;
};

// A menu of the bar, an item of it (greyed when not enabled), and a menu
// that only pops up.
constexpr EntradaMenu menu(std::string_view nombre, std::string_view texto) {
    return {.nombre = nombre, .texto = texto};
}
constexpr EntradaMenu item(std::string_view nombre, std::string_view texto, bool habilitada = true) {
    return {.nombre = nombre, .texto = texto, .nivel = 1, .habilitada = habilitada};
}
constexpr EntradaMenu menuEmergente(std::string_view nombre, std::string_view texto) {
    return {.nombre = nombre, .texto = texto, .visible = false};
}

enum class Marco : std::uint8_t {
    Redimensionable,  // title bar with the close box only; the user may resize it
    Fijo,             // a dialog's fixed border, close box only
    Presentacion,     // a fixed border with a title and no system buttons
    Oculto,           // never shown
};

struct DisenoVentana {
    std::string_view nombre;  // the name it is shown and unloaded by
    std::string_view titulo;
    int ancho = 0, alto = 0;  // the inner area, under the menu bar
    Marco marco = Marco::Redimensionable;
    bool enBarraDeTareas = true;
    bool fondoBlanco = true;         // else the system's window colour
    bool vistaPreviaTeclas = false;  // sees every key before its controls
    std::span<const Control> controles = {};
    std::span<const EntradaMenu> menus = {};
    std::span<const std::string_view> ordenTab = {};
    std::string_view foco = {};  // the control with the focus when it opens
};

// The designs of the kinds of window the forms are: a main window with a
// resizable frame, in the task bar, on white (ventana); the same with a fixed
// frame (fija); a fixed dialog with no task-bar button (dialogo); the
// start-up window, titled, with no system buttons, in the system's colour,
// seeing every key first (presentacion); and the hidden root with its
// pop-up menu (oculta). Sizes are the inner area's.
struct Area {
    int ancho = 0, alto = 0;
};
constexpr DisenoVentana ventana(std::string_view nombre, std::string_view titulo, Area area,
                                std::span<const Control> controles, std::span<const EntradaMenu> menus = {},
                                std::string_view foco = {}, std::span<const std::string_view> ordenTab = {}) {
    return {.nombre = nombre,
            .titulo = titulo,
            .ancho = area.ancho,
            .alto = area.alto,
            .controles = controles,
            .menus = menus,
            .ordenTab = ordenTab,
            .foco = foco};
}
constexpr DisenoVentana fija(DisenoVentana diseno) {
    diseno.marco = Marco::Fijo;
    return diseno;
}
constexpr DisenoVentana dialogo(DisenoVentana diseno) {
    diseno.marco = Marco::Fijo;
    diseno.enBarraDeTareas = false;
    return diseno;
}
constexpr DisenoVentana presentacion(DisenoVentana diseno) {
    diseno.marco = Marco::Presentacion;
    diseno.enBarraDeTareas = false;
    diseno.fondoBlanco = false;
    diseno.vistaPreviaTeclas = true;
    return diseno;
}
constexpr DisenoVentana oculta(std::string_view nombre, std::string_view titulo,
                               std::span<const EntradaMenu> menus) {
    return {.nombre = nombre, .titulo = titulo, .marco = Marco::Oculto, .menus = menus};
}

// What happens to a control (or, with no control, to the form).
enum class Evento : std::uint8_t {
    Click,     // a button, a menu entry, a frame, a day picked in a calendar
    Change,    // a text box's text changed, by the user or by the program
    Timer,     // a timer's interval passed
    KeyPress,  // a key, seen by a form with key preview
};

}  // namespace tarvolo
