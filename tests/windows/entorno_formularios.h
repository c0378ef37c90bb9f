#pragma once

#include "falsos/entorno.h"
#include "falsos/pantalla_grabada.h"

namespace tarvolo::prueba {

using Textos = std::vector<std::string>;

// The windows on a window system in memory; with a name, that window is
// opened first, and w() is it.
class EntornoFormularios : public EntornoDe<PantallaGrabada> {
protected:
    explicit EntornoFormularios(std::string_view abierta = {}) : abierta_(abierta) {
        if (!abierta_.empty()) abrir(abierta_);
    }
    VentanaGrabada& w() { return *pantalla.ventana(abierta_); }
    bool abierto() const { return ventanas.abierta(abierta_) != nullptr; }

    VentanaGrabada& abrir(std::string_view nombre) {
        ventanas.mostrar(nombre);
        VentanaGrabada* v = pantalla.ventana(nombre);
        if (v == nullptr) throw std::logic_error("no se abrió " + std::string(nombre));
        return *v;
    }
    Textos abiertas() const { return cargadas(); }

private:
    std::string_view abierta_;
};

}  // namespace tarvolo::prueba
