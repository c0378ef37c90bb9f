#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formulario.h"
#include "ventana.h"

namespace tarvolo {

// The window services: forms by name, at most one of each, loaded (made,
// then their load handler run) on first show and discarded when unloaded.
// Every event reaches its form through here, one at a time; a form unloaded
// by its own handler, or by one it called, goes only once that outermost
// event is over.
class Ventanas {
public:
    using Fabrica = std::function<std::unique_ptr<Formulario>()>;

    explicit Ventanas(Pantalla& pantalla);
    ~Ventanas();
    Ventanas(const Ventanas&) = delete;
    Ventanas& operator=(const Ventanas&) = delete;

    void registrar(std::string_view nombre, Fabrica fabrica);

    // Loads the form if needed and shows it modeless with no owner; an open
    // one is only brought forward. A name never registered stops a debug
    // build; in a release one it is logged and nothing is shown (null). What
    // loading throws reaches the caller, and nothing stays loaded.
    Formulario* mostrar(std::string_view nombre);
    // Runs the form's query-unload and unload handlers and discards it, if it
    // is loaded; nothing otherwise. Closing a window with its frame is this.
    void descargar(std::string_view nombre);
    // Leaves one form for another: unloads `propia` first, then shows `otra`.
    void cambiar(std::string_view propia, std::string_view otra);
    // The loaded form of that name, or null.
    Formulario* abierta(std::string_view nombre) const;
    // Discards every form at once, running none of their handlers.
    void descargarTodas();
    // From now on, when the last form that is shown has gone, `fin` runs
    // (once): a program with no notification area ends with its windows.
    void terminarConLaUltima(std::function<void()> fin);

private:
    struct Cargada;
    class Guardia;

    Cargada* buscar(std::string_view nombre) const;
    std::unique_ptr<Cargada> quitar(std::string_view nombre);
    void entregar(Cargada& cargada, std::string_view control, Evento evento);
    void alSalirDelUltimoEvento();

    Pantalla& pantalla_;
    std::vector<std::pair<std::string, Fabrica>> fabricas_;
    std::vector<std::unique_ptr<Cargada>> cargadas_;
    std::vector<std::unique_ptr<Cargada>> porDescartar_;
    std::function<void()> fin_;
    int enCurso_ = 0;  // calls of this and events under way, nested
};

}  // namespace tarvolo
