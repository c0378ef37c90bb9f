#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "ventana.h"

namespace tarvolo {

// A form: its design, its event handlers, and, once loaded, its window.
// Nothing of a window system: a back end makes the window from the design
// and hands the events in.
class Formulario {
public:
    virtual ~Formulario() = default;

    virtual const DisenoVentana& diseno() const = 0;

    // Runs once the controls hold their designed values, before the form is
    // shown.
    virtual void Form_Load() {}
    // Run when the form is unloaded, in this order, before it goes.
    virtual void Form_QueryUnload() {}
    virtual void Form_Unload() {}
    // An event of one of its controls (by name), or of the form itself
    // (an empty name).
    virtual void alEvento(std::string_view control, Evento evento) = 0;

    // The form's window; there is one from its load to its unload.
    Ventana& ventana() const { return *ventana_; }

private:
    friend class Ventanas;
    Ventana* ventana_ = nullptr;
};

// One row of a form's event table: which control, which event, which handler.
template <typename F>
struct Manejador {
    std::string_view control;
    Evento evento;
    void (F::*metodo)();
};

// A form whose design and event table are tables of its own file: events
// run the handler the table names; an event nobody handles does nothing.
// `Base` is Formulario or a class of shared plumbing built on it.
template <typename F, typename Base = Formulario>
class FormularioDe : public Base {
public:
    const DisenoVentana& diseno() const final { return diseno_; }
    void alEvento(std::string_view control, Evento evento) final {
        for (const Manejador<F>& m : manejadores_) {
            if (m.control == control && m.evento == evento) {
                (static_cast<F&>(*this).*m.metodo)();
                return;
            }
        }
    }

protected:
    template <typename... Argumentos>
    FormularioDe(const DisenoVentana& diseno, std::span<const Manejador<F>> manejadores, Argumentos&&... base)
        : Base(std::forward<Argumentos>(base)...), diseno_(diseno), manejadores_(manejadores) {}

private:
    const DisenoVentana& diseno_;
    std::span<const Manejador<F>> manejadores_;
};

}  // namespace tarvolo
