#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "calendario.h"
#include "dibujo.h"
#include "diseno.h"

namespace tarvolo {

// The window of a loaded form, as a back end makes it: its controls, made
// with their designed values, read and written by name. Writing a text box's
// text runs its change event before the write returns, and only when the
// text differs. Multi-line texts are read and written with CR LF.
class Ventana {
public:
    virtual ~Ventana() = default;

    virtual std::string texto(std::string_view control) const = 0;
    virtual void fijarTexto(std::string_view control, std::string_view texto) = 0;
    virtual void fijarTitulo(std::string_view titulo) = 0;
    // Selects a text box's whole text; the focus stays where it is.
    virtual void seleccionarTodo(std::string_view control) = 0;
    virtual void detener(std::string_view temporizador) = 0;
    virtual Calendario& calendario(std::string_view control) = 0;
    // What a drawing control shows from now on, fitted to it with its
    // proportions kept; an empty drawing leaves it white.
    virtual void fijarDibujo(std::string_view control, const Dibujo& dibujo) = 0;
    // Pops a menu that is not visible up at the pointer; the chosen entry's
    // click arrives before it returns, or later where the system says so.
    virtual void menuEmergente(std::string_view menu) = 0;

    // Shows it, or brings it forward when shown.
    virtual void mostrar() = 0;

    // The window's and its icon's handles, as the notification record names
    // them.
    virtual std::uint32_t identificador() const = 0;
    virtual std::uint32_t identificadorIcono() const = 0;
};

// Where a window's events go: its controls' (by name) and its closing by the
// frame.
class ReceptorEventos {
public:
    virtual ~ReceptorEventos() = default;
    virtual void evento(std::string_view control, Evento evento) = 0;
    virtual void cerrar() = 0;
};

// A window system: makes the window of a form's design. The window goes when
// its object is destroyed.
class Pantalla {
public:
    virtual ~Pantalla() = default;
    virtual std::unique_ptr<Ventana> crear(const DisenoVentana& diseno, ReceptorEventos& receptor) = 0;
};

}  // namespace tarvolo
